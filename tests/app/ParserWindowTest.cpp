// The parser window: opened on the open game, processing the selected
// reports with a progress bar, and leaving it, which reloads the map where
// the player was looking.
#include "StartedProgram.h"
#include "parser/ReportParserWindow.h"
#include "shell/Pictures.h"
#include "shell/PreferencesWindow.h"
#include "shell/ReportsDirectory.h"
#include "view/MapWindowWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

using namespace arvenna;

namespace {
const QStringList kReports{"turn0.txt", "world-turn12.txt", "world-turn14.txt"};

// A reports directory beside the program holding the storing fixtures.
QString addReports(const Started& app, const QString& name = QStringLiteral("reports"))
{
    const QString directory = app.home.file(name);
    QDir().mkpath(directory);
    for (const QString& report : kReports)
        QFile::copy(QStringLiteral(ARVENNA_TEST_DATA "/storing/reports/") + report, QDir(directory).filePath(report));
    return directory;
}

ReportParserWindow* openParser(Started& app)
{
    app.find(QStringLiteral("RepParser"))->trigger();
    return app.window->findChild<ReportParserWindow*>(QStringLiteral("ReportParser"));
}

void leave(ReportParserWindow* parser)
{
    parser->ExitParser->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QImage picture(const QIcon& icon)
{
    return icon.pixmap(24, 24).toImage();
}
} // namespace

class ParserWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnlyOnAnOpenGame()
    {
        Started app;
        QVERIFY(QDir().mkpath(app.home.file(QStringLiteral("Pictures"))));
        for (const char* name : {"greenSkull.ico", "redSkull.ico"})
            QFile::copy(QStringLiteral(ARVENNA_BUILT_HOME "/Pictures/") + name,
                        app.home.file(QStringLiteral("Pictures/")) + name);
        app.state.RepsDirectory = addReports(app);
        QVERIFY(!openParser(app));

        app.all(QStringLiteral("RepHead")).at(0)->trigger();
        ReportParserWindow* parser = openParser(app);
        QVERIFY(parser && parser->isVisible());
        QCOMPARE(parser->windowTitle(), QStringLiteral("Report Parser"));
        // Each file with its turn and faction, and whether the game holds it.
        QCOMPARE(lines(parser->File1), (QStringList{"turn0.txt  (not a report of this game)",
                                                    "world-turn12.txt  (turn 12, Ash Clan [a01], new)",
                                                    "world-turn14.txt  (turn 14, Ash Clan [a01], new)"}));
        QStringList labels;
        for (int i = 0; i < 6; ++i) {
            labels << parser->LblParseOptions[std::size_t(i)]->text();
            QVERIFY(parser->Check1[std::size_t(i)]->isChecked());
        }
        QCOMPARE(labels, (QStringList{"Location (Province) data", "Location (cities) data", "Location (Inner) data",
                                      "Character (Noble) data", "Encouters (Nobles) data", "Market (Cities) data"}));
        const QIcon greenIcon = programIcon(app.home.path(), QStringLiteral("greenSkull.ico"));
        const QIcon redIcon = programIcon(app.home.path(), QStringLiteral("redSkull.ico"));
        QVERIFY(picture(greenIcon) != picture(redIcon));
        QCOMPARE(picture(parser->ImgParseOptions[2]->icon()), picture(greenIcon));
        parser->ImgParseOptions[2]->click();
        QVERIFY(!parser->Check1[2]->isChecked());
        QCOMPARE(picture(parser->ImgParseOptions[2]->icon()), picture(redIcon));
        parser->ImgParseOptions[2]->click();
        QVERIFY(parser->Check1[2]->isChecked());
        QCOMPARE(picture(parser->ImgParseOptions[2]->icon()), picture(greenIcon));

        // "&Preferences" names another reports directory: listed and kept.
        const QString other = app.home.file(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(other));
        app.home.writeFile(QStringLiteral("other/turn30.txt"), "not yet");
        parser->prefs->trigger();
        auto* preferences = parser->findChild<PreferencesWindow*>(QStringLiteral("Preferences"));
        QVERIFY(preferences);
        preferences->setChosenDirectory(other);
        preferences->accept();
        QCOMPARE(lines(parser->File1), QStringList{"turn30.txt  (not a report of this game)"});
        QCOMPARE(readRepsDirectory(*app.settings, QString()), other);

        leave(parser);
        QVERIFY(!app.window->findChild<ReportParserWindow*>());
        app.find(QStringLiteral("cloMap"))->trigger();
        QVERIFY(!app.find(QStringLiteral("RepParser"))->isEnabled());
        QCOMPARE(app.dialogue.shown.size(), 0);
    }

    // Three reports at once: the progress bar over the files, no second run
    // while one is under way, then the map reloaded where it was.
    void processesAndReloadsWhereThePlayerWas()
    {
        Started app;
        app.state.RepsDirectory = addReports(app);
        app.all(QStringLiteral("RepHead")).at(0)->trigger();
        app.all(QStringLiteral("MapSize")).at(4)->trigger(); // 15 by 15 cells of 600 twips
        app.all<QToolButton>(QStringLiteral("Command1")).at(1)->click();
        app.all<QToolButton>(QStringLiteral("Command2")).at(1)->click();
        auto* map = app.find<MapWindowWidget>(QStringLiteral("Picture1a"));
        emit map->mapPressed(QPointF(7 * 600 + 300, 0 * 600 + 300), Qt::LeftButton); // ab08
        QCOMPARE(app.details(), QStringList{"    [ab 08]  - no info - "});
        const int rulers = app.find<QComboBox>(QStringLiteral("CmbProvRuller"))->count();

        ReportParserWindow* parser = openParser(app);
        parser->File1->selectAll();
        // The turn-0 box comes while the first file is read.
        QStringList during;
        app.dialogue.onInform = [&] {
            during << parser->LblProgress->text() << QString::number(parser->ProgressFiles->value())
                   << QString::number(parser->ProgressFiles->isVisibleTo(parser))
                   << QString::number(parser->Command1->isEnabled())
                   << QString::number(parser->LstChanges->isVisibleTo(parser));
            emit parser->processChosen(); // refused: a run is under way
        };
        parser->Command1->click();
        app.dialogue.onInform = nullptr;
        QCOMPARE(during, (QStringList{"File 1 of 3: turn0.txt", "0", "1", "0", "0"}));
        QCOMPARE(app.dialogue.texts(), QStringList{"Turn 0 Reports can not be parsed"});
        QCOMPARE(parser->lblstatus->text(), QStringLiteral("Update finished"));
        QVERIFY(!parser->ProgressFiles->isVisibleTo(parser));
        QVERIFY(parser->Command1->isEnabled());
        QCOMPARE(lines(parser->LstChanges).value(0), QStringLiteral("[SAVED] (LOC) Harrowfield Vale [ab08], plain, in Norland"));
        const QString reports = app.state.RepsDirectory + "/";
        QCOMPARE(lines(parser->LstSummary),
                 (QStringList{"failed " + reports + "turn0.txt: the report was refused",
                              "ok " + reports + "world-turn12.txt: turn 12, Ash Clan [a01]",
                              "ok " + reports + "world-turn14.txt: turn 14, Ash Clan [a01]"}));
        QCOMPARE(lines(parser->File1).value(2), "world-turn14.txt  (turn 14, Ash Clan [a01], already processed)");
        QVERIFY(app.find(QStringLiteral("undoproc"))->isEnabled());

        leave(parser);
        QCOMPARE((QList<int>{app.state.view.X0, app.state.view.Y0, app.state.view.XCells}), (QList<int>{1, 1, 15}));
        QCOMPARE(app.all<QLineEdit>(QStringLiteral("Text1")).at(1)->text(), QStringLiteral("1"));
        QCOMPARE(app.details().value(1), QStringLiteral("    [ab 08] Harrowfield Vale"));
        QCOMPARE(app.find<QComboBox>(QStringLiteral("CmbProvRuller"))->count(), rulers + 1);
        QVERIFY(app.state.pictures.mapWindow() != QImage());
        QCOMPARE(app.dialogue.shown.size(), 1);

        // The run taken back: asked first, the map read again where it was.
        app.dialogue.answers.enqueue(DialogueAnswer::Yes);
        app.find(QStringLiteral("undoproc"))->trigger();
        QCOMPARE(app.dialogue.shown.size(), 2);
        QCOMPARE(app.dialogue.shown.last().title, "Undo Last Processing");
        QCOMPARE(app.details(), QStringList{"    [ab 08]  - no info - "});
        QCOMPARE(app.state.view.XCells, 15);
        QVERIFY(!app.find(QStringLiteral("undoproc"))->isEnabled());
        QVERIFY(app.state.game.isOpen());
    }

    void leavingWithoutProcessingKeepsTheMap()
    {
        Started app;
        app.state.RepsDirectory = addReports(app);
        app.all(QStringLiteral("RepHead")).at(0)->trigger();
        runSql(app.state.game.CurrentDBName,
               QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Behind', 0, 1, 4)"));
        leave(openParser(app));
        QCOMPARE(app.details(), QStringList{"    [aa 00]  - no info - "});

        // Nothing selected: nothing processed, yet the map is read again.
        ReportParserWindow* parser = openParser(app);
        parser->Command1->click();
        QCOMPARE(parser->lblstatus->text(), QStringLiteral("No Files processed"));
        leave(parser);
        QCOMPARE(app.details(), (QStringList{" Province (Plain) 0 Peasants", "    [aa 00] Behind"}));

        // A database that can no longer be read closes the map, with a word why.
        parser = openParser(app);
        parser->Command1->click();
        app.home.writeFile(QStringLiteral("Arvenna.mdb"), "overwritten while the parser was open");
        leave(parser);
        QVERIFY(!app.state.game.isOpen());
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer"));
        QVERIFY(!app.find(QStringLiteral("RepParser"))->isEnabled());
        QCOMPARE(app.dialogue.shown.size(), 1);
        QCOMPARE(app.dialogue.shown.first().icon, MessageIcon::Critical);
    }
};

QTEST_MAIN(ParserWindowTest)
#include "ParserWindowTest.moc"
