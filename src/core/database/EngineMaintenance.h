#pragma once

#include <QString>

namespace arvenna {

// Checks a database file and, when it is damaged, rebuilds it in place from
// every row that can still be read; returns whether it was rebuilt. Throws
// DatabaseError when the file cannot be read as a database or the rebuilt
// file does not pass the check; the file is then left as it was.
bool repairDatabaseFile(const QString& path);

// Writes a compacted copy of source to target (replacing target). Throws
// DatabaseError on failure; source is never written.
void compactDatabaseFile(const QString& source, const QString& target);

// Copies source over target in one step: target is either the old file or
// the complete copy, never a half-written one. Returns false on failure.
bool replaceFileWithCopy(const QString& source, const QString& target);

} // namespace arvenna
