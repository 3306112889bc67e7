#pragma once

#include <QString>

namespace arvenna {

class Database;

// The message that refuses a game database for its format, and its title.
inline const QString kVersionTitle = QStringLiteral("Database Version...?");
inline const QString kTooOld = QStringLiteral(
    "The Database version is too old to be used by this version, please request an update.");

// What the newest SETUP row says of a game database.
struct GameSetup {
    enum class Verdict {
        Usable,
        Undescribed, // SETUP has no row
        TooOld,      // MDBVers below 6, null or not a number
    };
    Verdict verdict = Verdict::Undescribed;
    QString description; // DATABASEDESC of a usable database

    bool operator==(const GameSetup&) const = default;
};

// Reads the newest SETUP row and checks its format version as a number, so
// that 5.9 is still too old. A database without a SETUP table is not a
// game's (SQLITE_NOTADB); it and engine failures throw DatabaseError.
GameSetup readGameSetup(Database& database);

// "Error with : ", the path, a line feed and kTooOld.
QString tooOldMessage(const QString& path);

} // namespace arvenna
