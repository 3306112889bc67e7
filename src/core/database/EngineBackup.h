#pragma once

struct sqlite3;

namespace arvenna {

// Copies every page of `from` into `to` through the engine's online backup,
// in one transaction of `to`. Throws DatabaseError when the engine cannot.
void copyAllPages(sqlite3* from, sqlite3* to);

} // namespace arvenna
