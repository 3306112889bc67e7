#pragma once

#include "view/OpenedGame.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace arvenna {

// Runs reports through every storing stage against a small game: the main
// game's schema, reference rows and identity plus the provinces, cities and
// inner locations of one template world report. The game is built once; each
// report then starts from an in-memory copy of it.
class StoringCheck {
public:
    // Builds the game from the SQL sources in gameSqlDirectory and processes
    // worldReport into it. A failure throws DatabaseError.
    StoringCheck(const QString& gameSqlDirectory, const QString& worldReport);

    // Processes report with every option on and checks the game afterwards:
    // it passes the integrity check, and a report that was refused or rolled
    // back left every row as it was. Returns what is wrong, empty text when
    // nothing is.
    QString check(const QByteArray& report);

private:
    void restoreTemplate();

    QTemporaryDir directory_;
    QString reportPath_;
    OpenedGame game_;
    QByteArray image_;          // the template game, serialized by the engine
    QByteArray templateDigest_; // of every row of every table of the template
};

} // namespace arvenna
