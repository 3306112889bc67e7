#pragma once

#include <QString>

namespace arvenna {

// The name a player typed for a new game, as its file is named: without
// surrounding blanks and without a ".mdb" ending in any letter case.
QString newDatabaseName(const QString& typed);

// A name that stays a file of the program directory and can be listed: not
// only dots and blanks, no path separator, no "..", not the name of a
// maintenance work file.
bool isPlainDatabaseName(const QString& name);
// Why a name is not plain.
inline const QString kNotPlainName =
    QStringLiteral("The name may not be only dots and blanks, hold \"/\", \"\\\" or \"..\" nor be a work file's");

// The game file of that name in the program directory: the ".mdb" file
// already there whose name matches in any letter case, else "NAME.MDB".
QString newDatabasePath(const QString& programDirectory, const QString& name);

// The ending of the work file beside a game file while it is being created.
inline const QString kCreatingSuffix = QStringLiteral(".creating");

// Removes the work files of creations that never finished.
void removeUnfinishedCreations(const QString& programDirectory);

} // namespace arvenna
