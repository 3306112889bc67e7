#pragma once

namespace arvenna {

struct GameSession;
class UserDialogue;

enum class PurgeResult { Declined, Deleted, DeleteFailed };

// Asks whether the open database is to be deleted; on Yes closes the game
// and deletes its file.
PurgeResult purgeOpenDatabase(GameSession& session, UserDialogue& dialogue);

} // namespace arvenna
