#include "StoringGame.h"

#include "database/Database.h"
#include "view/GameOpening.h"
#include "view/MapView.h"

#include <QDir>

namespace arvenna {

StoringGame::StoringGame()
    : path(home.addGameDatabase(QStringLiteral("Arvenna.mdb")))
{
    MapView view;
    openGame(path, session, model, view);
}

QList<FileOutcome> StoringGame::process(const QStringList& reports, const ProcessingOptions& options)
{
    QStringList paths;
    for (const QString& report : reports)
        paths << (QDir::isAbsolutePath(report) ? report : storingReport(report));
    ProcessingRun run(session, model, state, dialogue);
    return run.process(paths, options);
}

QStringList StoringGame::rows(const QString& table)
{
    return queryRows(path, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table), QStringLiteral("-"));
}

Database& StoringGame::database()
{
    return session.CurrentConnection->DatabaseConnection();
}

QString storingReport(const QString& name)
{
    return QDir(QStringLiteral(ARVENNA_TEST_DATA "/storing/reports")).filePath(name);
}

} // namespace arvenna
