// The HTML page of the map, its file, the start position and the export command.
#include "CliRun.h"
#include "ScriptedDialogue.h"
#include "SmallWorld.h"
#include "database/Database.h"
#include "export/HtmlMapPage.h"
#include "export/MapExport.h"
#include "export/StartPosition.h"
#include "view/GameOpening.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace arvenna;

Q_DECLARE_METATYPE(arvenna::ExportSettings)


class HtmlExportTest : public QObject {
    Q_OBJECT
private slots:
    void pages_data()
    {
        QTest::addColumn<ExportSettings>("chosen");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every option from 00 aa") << exportSettings(0, 1, {true, true, true, true}) << "every-option.html";
        QTest::newRow("cities only from 05 ab") << exportSettings(5, 2, {false, true, false, false})
                                                << "start-05-ab-cities.html";
        QTest::newRow("inner and full from 00 aa") << exportSettings(0, 1, {false, false, true, true})
                                                   << "inner-and-full.html";
        QTest::newRow("inner locations only from 03 ac") << exportSettings(3, 3, {false, false, true, false})
                                                        << "inner-only.html";
        QTest::newRow("no option from 02 ac") << exportSettings(2, 3, {false, false, false, false}) << "no-option.html";
        // A start the grid does not hold starts at its first column and row.
        QTest::newRow("start outside the grid") << exportSettings(6, 4, {true, true, true, true}) << "every-option.html";
    }

    void pages()
    {
        QFETCH(ExportSettings, chosen);
        QFETCH(QString, expected);
        SmallWorld world;
        const QByteArray page = htmlMapPage(world.model, chosen);
        QVERIFY(page.endsWith("</BODY></HTML>\n"));
        QCOMPARE(pageLines(page), expectedPage(expected));
    }

    void aMapWithoutProvincesIsAllGrey()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        GameSession session;
        MapModel model;
        MapView view;
        QCOMPARE(openGame(path, session, model, view), GameSession::OpenResult::Opened);
        const QStringList lines = pageLines(htmlMapPage(model, exportSettingsOf(model)));
        QCOMPARE(lines.count(QStringLiteral("    <TD WIDTH=\"1%\" VALIGN=\"TOP\" BGCOLOR=\"#CCCCCC\"></TD>")), 100 * 100);
        QCOMPARE(lines.count(QStringLiteral("   <TR>")), 101);
        QCOMPARE(lines.mid(lines.indexOf(QStringLiteral("</map>")) + 1),
                 (QStringList{"   <p>&nbsp;</p>", "   <p>&nbsp;</p>",
                              "   <heading>&nbsp;&nbsp;&nbsp;Province Descriptions</heading>", "   <p>&nbsp;</p>",
                              "</BODY></HTML>"}));
    }

    void theFileIsWrittenWholeOrNotAtAll()
    {
        SmallWorld world;
        ScriptedDialogue dialogue;
        const ExportSettings every = exportSettingsOf(world.model);
        const QString good = exportFilePath(world.home.path(), QStringLiteral("Shared.html"));
        QVERIFY(exportMapFile(good, world.model, every, dialogue));
        QCOMPARE(pageLines(fileBytes(good)), expectedPage(QStringLiteral("every-option.html")));

        QDir(world.home.path()).mkdir(QStringLiteral("AsDirectory.html"));
        QDir(world.home.path()).mkdir(QStringLiteral("locked"));
        QFile::setPermissions(world.home.file(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
        const QStringList refused{world.home.file(QStringLiteral("missing/OutMap.html")),
                                  world.home.file(QStringLiteral("AsDirectory.html")),
                                  world.home.file(QStringLiteral("locked/OutMap.html"))};
        const bool rootWritesAnywhere = QFileInfo(world.home.file(QStringLiteral("locked"))).isWritable();
        for (const QString& path : refused) {
            if (path.contains(QLatin1String("locked")) && rootWritesAnywhere)
                continue;
            QVERIFY2(!exportMapFile(path, world.model, every, dialogue), qPrintable(path));
            QVERIFY(!QFileInfo(path).isFile());
        }
        QCOMPARE(QDir(world.home.file(QStringLiteral("locked"))).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(QDir(world.home.file(QStringLiteral("AsDirectory.html"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        QCOMPARE(dialogue.shown.first(),
                 (ScriptedDialogue::Shown{"Action",
                                          "Export completed, the file was created in the working directory: ["
                                              + QDir::toNativeSeparators(good) + "]",
                                          MessageIcon::Information}));
        for (const ScriptedDialogue::Shown& shown : dialogue.shown.mid(1))
            QCOMPARE(shown, (ScriptedDialogue::Shown{"Critical Warning", "Permission denied!", MessageIcon::Warning}));
        QCOMPARE(dialogue.shown.size(), rootWritesAnywhere ? 3 : 4);
    }

    void aStartIsKeptOnlyWhenTheGridHoldsIt()
    {
        SmallWorld world;
        Database& database = world.session.CurrentConnection->DatabaseConnection();
        saveStartPosition(database, world.model, QStringLiteral("5"), QStringLiteral("ab"));
        QCOMPARE(settingRows(world.path), (QStringList{"STARTX=5", "STARTY=2"}));
        QCOMPARE(startColumnText(world.model) + startRowText(world.model), QStringLiteral("05ab"));

        // No such column, no such row, a row below the surface: nothing changes.
        for (const auto& [column, row] : {std::pair{"6", "xx"}, std::pair{"-1", "ea"}, std::pair{"abc", "4"}}) {
            saveStartPosition(database, world.model, QString::fromLatin1(column), QString::fromLatin1(row));
            QCOMPARE(settingRows(world.path), (QStringList{"STARTX=5", "STARTY=2"}));
            QCOMPARE(startColumnText(world.model) + startRowText(world.model), QStringLiteral("05ab"));
        }
        saveStartPosition(database, world.model, QStringLiteral("00"), QStringLiteral("AC"));
        QCOMPARE(settingRows(world.path), (QStringList{"STARTX=0", "STARTY=3"}));

        runSql(world.path, QStringLiteral("DELETE FROM SETTINGS"));
        saveStartPosition(database, world.model, QStringLiteral("3"), QStringLiteral("aa"));
        QCOMPARE(settingRows(world.path), (QStringList{"STARTX=3", "STARTY=1"}));
    }

    void theCommandWritesTheSamePage()
    {
        SmallWorld world;
        world.session.close();
        const QString out = world.home.file(QStringLiteral("cli.html"));
        CliRun run = runCli({"export", "--db", world.path, "-o", out, "--start", "05,ab", "--options", "1"});
        QCOMPARE(run.status, 0);
        QCOMPARE(pageLines(fileBytes(out)), expectedPage(QStringLiteral("start-05-ab-cities.html")));
        run = runCli({"export", "--db", world.path, "-o", out, "--start", "2,3", "--options", ""});
        QCOMPARE(run.status, 0);
        QCOMPARE(pageLines(fileBytes(out)), expectedPage(QStringLiteral("no-option.html")));
        run = runCli({"export", "--db", world.path, "-o", out});
        QCOMPARE(pageLines(fileBytes(out)), expectedPage(QStringLiteral("every-option.html")));

        for (const QStringList& bad : {QStringList{"--start", "06,aa"}, QStringList{"--start", "00,ea"},
                                       QStringList{"--start", "4"}, QStringList{"--options", "0,4"}}) {
            run = runCli(QStringList{"export", "--db", world.path, "-o", out} + bad);
            QVERIFY2(run.status == 2, qPrintable(bad.join(' ')));
            QVERIFY(!run.err.isEmpty());
        }
        run = runCli({"export", "--db", world.path, "-o", world.home.file(QStringLiteral("missing/x.html"))});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(QLatin1String("Permission denied!")));
    }
};

QTEST_GUILESS_MAIN(HtmlExportTest)
#include "HtmlExportTest.moc"
