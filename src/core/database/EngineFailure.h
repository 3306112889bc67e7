#pragma once

#include <QString>

namespace arvenna {

class DatabaseError;

// Why a database operation failed, in words a player can act on ("in use by
// another program", "the disk is full", ...); the engine's own text when
// it is none of the common causes.
QString failureReason(const DatabaseError& error);

// True when the engine could not get at the file because another program
// holds it (reading or writing it at that moment).
bool isInUseByAnotherProgram(const DatabaseError& error);

} // namespace arvenna
