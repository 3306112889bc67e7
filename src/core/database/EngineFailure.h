#pragma once

#include <QString>

namespace arvenna {

class DatabaseError;

// Why a database operation failed, as far as a player can act on it.
enum class FailureCause {
    Other,
    InUse,            // another program holds the game
    ReadOnlyFile,     // the game file may only be read
    ReadOnlyFolder,   // its folder may only be read (no journal, no lock file)
    DiskFull,
    NotAGameDatabase, // not a database of the engine, or one without a game
    MissingFile,
    Damaged,
};

// The cause of a failure on the game database at path: the engine's result
// code where the error carries one, its text otherwise; a refused write is
// laid on the folder when that is the part that may not be written.
FailureCause failureCause(const DatabaseError& error, const QString& path);

// The message for a failure on the game database at path: the cause, naming
// the file, then the first line of the error's own text (the engine's words,
// not the statement) on a second line when it adds anything.
QString failureMessage(const DatabaseError& error, const QString& path);

// True when the engine could not get at the file because another program
// holds it (reading or writing it at that moment).
bool isInUseByAnotherProgram(const DatabaseError& error);

} // namespace arvenna
