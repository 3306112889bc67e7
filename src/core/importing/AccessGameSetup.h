#pragma once

#include "../database/NewDatabase.h"

namespace arvenna {

class AccessFile;

// The game an Access file holds, from its newest SETUP row.
struct AccessGameSetup {
    GameFamily family = GameFamily::Arvenna;
    qint16 gameNumber = 0;
};

// Reads the newest SETUP row of an Access file: it must name a game type of
// our families and a game number, and its format version must be one the
// program opens. Throws DatabaseError with the message that refuses the file.
AccessGameSetup readAccessGameSetup(const AccessFile& file, const QString& path);

} // namespace arvenna
