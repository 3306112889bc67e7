#pragma once

#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/GameSession.h"
#include "model/MapModel.h"
#include "parser/ReportState.h"
#include "storing/ProcessingRun.h"

#include <QString>
#include <QStringList>

namespace arvenna {

// A copy of the built "Arvenna.mdb", open with its map loaded as the parser
// window finds it, and the run's report state and scripted dialogue.
class StoringGame {
public:
    StoringGame();

    // Processes the fixture reports (by file name) or any other paths.
    QList<FileOutcome> process(const QStringList& reports, const ProcessingOptions& options = kEveryOption);
    // Every row of a table in stored order, fields joined by "|", null as "-".
    QStringList rows(const QString& table);
    Database& database();
    // Writes a report of faction a01 into the home: the header line, then
    // `locations` as its location part. Returns its path.
    QString writeReport(const QString& name, const QByteArray& header, const QByteArray& locations) const;

    TestHome home;
    QString path;
    GameSession session;
    MapModel model;
    ReportState state;
    ScriptedDialogue dialogue;
};

// What a game file knows, table by table: each table's rows sorted, named by
// natural keys (province codes and the game's numbers) instead of the ids
// that depend on the order rows were added.
using GameKnowledge = QList<std::pair<QString, QStringList>>;
GameKnowledge gameKnowledge(const QString& path);

// A fixture report of tests/storing/reports.
QString storingReport(const QString& name);


} // namespace arvenna
