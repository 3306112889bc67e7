#pragma once

#include "DatabaseMenus.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace arvenna {

class UserDialogue;

enum class DiscoveryOutcome {
    Listed,        // the menus hold what was found (possibly nothing usable)
    NoDatabaseFile // no ".mdb" file at all: the program cannot go on
};

// The ".mdb" files of the program directory in listing order; the
// maintenance work files are never game databases.
QStringList gameDatabaseFiles(const QString& programDirectory);

// Lists every usable game database in the three menu lists, refuses those of
// a too old format and repairs and compacts those whose last repair is more
// than 60 days before now.
DiscoveryOutcome discoverDatabases(const QString& programDirectory, DatabaseMenus& menus,
                                   UserDialogue& dialogue,
                                   const QDateTime& now = QDateTime::currentDateTime());

} // namespace arvenna
