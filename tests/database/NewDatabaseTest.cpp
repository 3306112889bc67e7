// New game databases from the template of their family.
#include "CliRun.h"
#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/DatabaseDiscovery.h"
#include "database/NewDatabase.h"
#include "database/NewDatabaseName.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace arvenna;

namespace {
const QString kNamePrompt = QStringLiteral("Please name the new copy of the database:\n(no extension required)");
const QString kTypePrompt = QStringLiteral("Please Choose the game type:\n(g) for Arvenna or \n(qvr) for Quorvane");
const QString kNumberPrompt = QStringLiteral("Please Choose the game number:");
const ScriptedDialogue::Shown kAborting{"Abort copy", "Aborting operation", MessageIcon::Critical};

ScriptedDialogue::Shown prompt(const QString& text)
{
    return {"Name Database", text, MessageIcon::None};
}

// Both templates, each holding game knowledge that a new game must not inherit.
struct Templates {
    TestHome home;
    Templates(bool withVariant = true)
    {
        const QString knowledge = QStringLiteral(
            "INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Keepvale', 3, 1, 4);"
            "INSERT INTO LOCALS (PROVINCEID, LOCALNUMBER, LocalName) VALUES (1, 'C1', 'Ash');"
            "INSERT INTO INNERLOCATIONS (ProvinceID, LocalNumber, LocalNAme) VALUES (1, 'K1', 'Keep');"
            "INSERT INTO CHARACTERS (CHARACTERNUMBER, CHARACTERNAME) VALUES ('N1', 'Harl');"
            "INSERT INTO FACTIONS (FACTIONNUMBER) VALUES ('F1');"
            "INSERT INTO RULLERS (RULLERNO) VALUES ('K1');"
            "INSERT INTO ALLIANCES (ALLIANCENAME) VALUES ('Pact');"
            "INSERT INTO CONTINENTES (CONTDESCRIPTION) VALUES ('North');"
            "INSERT INTO MARKETTRANSACTIONS (LocalID) VALUES (1);"
            "INSERT INTO SKILLSBYLOCAL (LOCALID, SKILLTYPEID) VALUES (1, 1), (1, 2);"
            "INSERT INTO REPORTLOG (FactionId, TurnNo) VALUES ('F1', 12);"
            // A played season's worth of rows, whose pages a new game must not keep.
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
            "INSERT INTO CHARACTERS (CHARACTERNUMBER, CHARACTERNAME) SELECT 'N' || (i + 1), printf('%0200d', i) FROM n;"
            "UPDATE SETTINGS SET SettingValue = '7' WHERE SETTINGCODE = 'STARTX'");
        runSql(home.addGameDatabase("Arvenna.mdb"), knowledge);
        if (withVariant)
            runSql(home.addGameDatabase("Quorvane.mdb"), knowledge);
    }

    DatabaseMenus menus() const
    {
        ScriptedDialogue quiet;
        DatabaseMenus listed;
        discoverDatabases(home.path(), listed, quiet);
        return listed;
    }

    QStringList files() const { return QDir(home.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

// Records the buttons of every question.
struct ButtonsDialogue : ScriptedDialogue {
    QList<DialogueButtons> buttons;
    DialogueAnswer ask(const QString& title, const QString& text, MessageIcon icon, DialogueButtons shown) override
    {
        buttons << shown;
        return ScriptedDialogue::ask(title, text, icon, shown);
    }
};

// Every table's row count, and the rows of the reference tables.
QStringList content(const QString& path)
{
    QStringList result;
    for (const QString& table : queryRows(path, "SELECT name FROM sqlite_master WHERE type = 'table' AND name <> "
                                           "'sqlite_sequence' ORDER BY name"))
        result << table + QLatin1Char('=') + queryRows(path, "SELECT COUNT(*) FROM " + table).constFirst();
    for (const char* table : {"CELLSX", "CELLSY", "TERRAIN", "LOCATIONTYPE", "INNERTYPES", "SKILLS", "ITEMS",
                                 "SETTINGS", "DATABASEMAINT"})
        result += queryRows(path, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
    return result;
}

} // namespace

class NewDatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void createsEachFamily_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("templateFile");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("gameType");
        QTest::newRow("main game") << "g" << "Arvenna.mdb" << "Arvenna G7|G|7|6" << "<Arvenna>";
        QTest::newRow("Quorvane") << "QVR" << "Quorvane.mdb" << "QVR game 7|QVR|7|6" << "<Quorvane>";
    }

    void createsEachFamily()
    {
        QFETCH(QString, type);
        QFETCH(QString, templateFile);
        QFETCH(QString, setup);
        QFETCH(QString, gameType);
        Templates templates;
        ScriptedDialogue dialogue;
        dialogue.textAnswers << "Game7" << "x" << type << "0" << "-3" << "40000" << " 7 ";
        dialogue.answers << DialogueAnswer::Yes;
        QVERIFY(createDatabaseFromTemplate(templates.home.path(), templates.menus(), dialogue));
        const QString created = templates.home.file("Game7.MDB");
        QCOMPARE(dialogue.shown,
                 (QList<ScriptedDialogue::Shown>{
                     prompt(kNamePrompt), prompt(kTypePrompt), prompt(kTypePrompt), prompt(kNumberPrompt),
                     prompt(kNumberPrompt), prompt(kNumberPrompt), prompt(kNumberPrompt),
                     {"Accept Copy ?",
                      "You are about to create a new database file, details:\n Path = "
                          + QDir::toNativeSeparators(created) + "\n Game Type = " + gameType + "\n Game Number = 7",
                      MessageIcon::Critical}}));

        QCOMPARE(queryRows(created, "SELECT DATABASEDESC, GAMETYPE, GAMENO, MDBVers FROM SETUP"), QStringList{setup});
        QVERIFY(QDateTime::fromString(queryRows(created, "SELECT DateRow FROM SETUP").constFirst(), Qt::ISODate).isValid());
        // The template's content, its game knowledge emptied.
        const QStringList emptied{"ALLIANCES", "CHARACTERS", "CONTINENTES", "FACTIONS", "INNERLOCATIONS", "LOCALS",
                                  "MARKETTRANSACTIONS", "PROVINCIAS", "REPORTLOG", "RULLERS", "SKILLSBYLOCAL"};
        QStringList expected = content(templates.home.file(templateFile));
        for (QString& line : expected) {
            if (emptied.contains(line.section(QLatin1Char('='), 0, 0)))
                line = line.section(QLatin1Char('='), 0, 0) + QStringLiteral("=0");
        }
        QVERIFY(expected.contains(QStringLiteral("STARTX|7")));
        // The program's own route table joins every new game, empty.
        QStringList actual = content(created);
        QVERIFY(actual.removeOne(QStringLiteral("ROUTES=0")));
        QCOMPARE(actual, expected);
        // Compacted: no free pages, and the emptied tables count from 1 again.
        QCOMPARE(queryRows(created, "PRAGMA freelist_count"), QStringList{"0"});
        const qint64 pages = queryRows(created, "PRAGMA page_count").constFirst().toLongLong();
        QCOMPARE(QFileInfo(created).size(), pages * queryRows(created, "PRAGMA page_size").constFirst().toLongLong());
        QVERIFY2(QFileInfo(created).size() * 4 < QFileInfo(templates.home.file(templateFile)).size(),
                 qPrintable(QString::number(QFileInfo(created).size())));
        QStringList counters = queryRows(templates.home.file(templateFile), "SELECT name FROM sqlite_sequence ORDER BY name");
        counters.removeIf([&](const QString& table) { return emptied.contains(table); });
        QCOMPARE(queryRows(created, "SELECT name FROM sqlite_sequence ORDER BY name"), counters);

        const CliRun listed = runCli({"list", "--home", templates.home.path()});
        QVERIFY(listed.out.split('\n').contains(setup.section('|', 0, 0) + " [Game7.MDB]"));
        QCOMPARE(templates.files(), (QStringList{"Arvenna.mdb", "Game7.MDB", "Quorvane.mdb"}));
    }

    void everyAbortLeavesNoNewFile_data()
    {
        QTest::addColumn<QList<std::optional<QString>>>("texts");
        QTest::addColumn<QList<DialogueAnswer>>("answers");
        QTest::addColumn<QString>("lastMessage");
        using Texts = QList<std::optional<QString>>;
        using Answers = QList<DialogueAnswer>;
        const QString aborting = kAborting.text;
        const QString badName = kNotPlainName + ", Aborting operation";
        QTest::newRow("name cancelled") << Texts{std::nullopt} << Answers{} << aborting;
        QTest::newRow("path separator") << Texts{"sub/Game"} << Answers{} << badName;
        QTest::newRow("dot dot") << Texts{".."} << Answers{} << badName;
        QTest::newRow("one dot") << Texts{"."} << Answers{} << badName;
        QTest::newRow("dots and blanks") << Texts{" . . "} << Answers{} << badName;
        QTest::newRow("only the ending") << Texts{".MDB"} << Answers{} << badName;
        QTest::newRow("blanks") << Texts{"   "} << Answers{} << badName;
        QTest::newRow("no replace") << Texts{"Arvenna"} << Answers{DialogueAnswer::No} << aborting;
        QTest::newRow("no replace, other case") << Texts{"ARVENNA.Mdb"} << Answers{DialogueAnswer::No} << aborting;
        QTest::newRow("type cancelled") << Texts{"Game7", "x", std::nullopt} << Answers{} << aborting;
        QTest::newRow("no variant template") << Texts{"Game7", "qvr"} << Answers{}
                                             << "Template Database not available, Aborting operation";
        QTest::newRow("number not a number") << Texts{"Game7", "g", "7a"} << Answers{} << aborting;
        QTest::newRow("not accepted") << Texts{"Game7", "g", "3"} << Answers{DialogueAnswer::No} << "";
        // Enter on "Accept Copy ?" answers No.
        QTest::newRow("replace, then Enter") << Texts{"arvenna", "g", "3"} << Answers{DialogueAnswer::Yes} << "";
    }

    void everyAbortLeavesNoNewFile()
    {
        QFETCH(QList<std::optional<QString>>, texts);
        QFETCH(QList<DialogueAnswer>, answers);
        QFETCH(QString, lastMessage);
        Templates templates(false);
        const QStringList before = templates.files();
        const QByteArray template_ = fileBytes(templates.home.file("Arvenna.mdb"));
        ScriptedDialogue dialogue;
        for (const auto& text : texts)
            dialogue.textAnswers << text;
        for (DialogueAnswer answer : answers)
            dialogue.answers << answer;
        QVERIFY(!createDatabaseFromTemplate(templates.home.path(), templates.menus(), dialogue));
        QCOMPARE(templates.files(), before);
        QCOMPARE(fileBytes(templates.home.file("Arvenna.mdb")), template_);
        QVERIFY(dialogue.textAnswers.isEmpty());
        const ScriptedDialogue::Shown last = dialogue.shown.constLast();
        if (lastMessage.isEmpty())
            QCOMPARE(last.title, QStringLiteral("Accept Copy ?"));
        else
            QCOMPARE(last, (ScriptedDialogue::Shown{"Abort copy", lastMessage, MessageIcon::Critical}));
    }

    void aReplacedDatabaseGoesOnlyForAFinishedOne()
    {
        Templates templates;
        const QString game = templates.home.addGameDatabase("Quorvane.mdb", "Game7.MDB");
        const QByteArray old = fileBytes(game);
        ScriptedDialogue dialogue;
        dialogue.textAnswers << "Game7" << std::nullopt;
        dialogue.answers << DialogueAnswer::Yes;
        QVERIFY(!createDatabaseFromTemplate(templates.home.path(), templates.menus(), dialogue));
        QCOMPARE(dialogue.shown.at(1),
                 (ScriptedDialogue::Shown{"Copy Database", "File exists, replace?", MessageIcon::Critical}));
        QCOMPARE(fileBytes(game), old);

        const QStringList files = templates.files();
        dialogue.textAnswers << "Game7" << "g" << "9";
        dialogue.answers << DialogueAnswer::Yes << DialogueAnswer::Yes;
        QVERIFY(createDatabaseFromTemplate(templates.home.path(), templates.menus(), dialogue));
        QCOMPARE(queryRows(game, "SELECT DATABASEDESC FROM SETUP"), QStringList{"Arvenna G9"});
        QCOMPARE(templates.files(), files);
    }

    void aNameMatchesItsGameInAnyCaseAndWithItsEnding()
    {
        Templates templates;
        const QString home = templates.home.path();
        ButtonsDialogue dialogue;
        dialogue.textAnswers << "x.mdb" << "g" << "2";
        dialogue.answers << DialogueAnswer::Yes;
        QVERIFY(createDatabaseFromTemplate(home, templates.menus(), dialogue));
        const QStringList created{"Arvenna.mdb", "Quorvane.mdb", "x.MDB"};
        QCOMPARE(templates.files(), created);

        // "X" is the game x.MDB: replaced after both questions, under its own name.
        dialogue.textAnswers << " X " << "g" << "3";
        dialogue.answers << DialogueAnswer::Yes << DialogueAnswer::Yes;
        QVERIFY(createDatabaseFromTemplate(home, templates.menus(), dialogue));
        QCOMPARE(templates.files(), created);
        QCOMPARE(queryRows(templates.home.file("x.MDB"), "SELECT DATABASEDESC FROM SETUP"), QStringList{"Arvenna G3"});
        dialogue.textAnswers << "QUORVANE.MDB";
        dialogue.answers << DialogueAnswer::No;
        QVERIFY(!createDatabaseFromTemplate(home, templates.menus(), dialogue));
        QCOMPARE(templates.files(), created);
        QCOMPARE(templates.menus().RepHead, (QStringList{"Arvenna G2 [Arvenna.mdb]", "QVR game 1 [Quorvane.mdb]",
                                                         "Arvenna G3 [x.MDB]"}));
        // Every question that may replace a game has No as its default.
        QCOMPARE(dialogue.buttons, QList<DialogueButtons>(4, DialogueButtons::YesNoKeep));
    }

    void discoveryRemovesWhatAKilledCreationLeft()
    {
        Templates templates;
        for (const char* name : {"Game7.MDB.creating", "old.mdb.creating", "notes.creating", "Game8.MDB"})
            QVERIFY(QFile::copy(templates.home.file("Arvenna.mdb"), templates.home.file(name)));
        QCOMPARE(templates.menus().RepHead, (QStringList{"Arvenna G2 [Arvenna.mdb]", "Arvenna G2 [Game8.MDB]",
                                                         "QVR game 1 [Quorvane.mdb]"}));
        QCOMPARE(templates.files(), (QStringList{"Arvenna.mdb", "Game8.MDB", "Quorvane.mdb", "notes.creating"}));
    }

    void noTemplateOrNoCopyCreatesNothing()
    {
        TestHome empty;
        ScriptedDialogue dialogue;
        QVERIFY(!createDatabaseFromTemplate(empty.path(), DatabaseMenus{}, dialogue));
        QVERIFY(dialogue.shown.isEmpty());

        Templates templates;
        const DatabaseMenus menus = templates.menus();
        QFile::remove(templates.home.file("Arvenna.mdb")); // the template went away
        dialogue.textAnswers << "Game7" << "g";
        QVERIFY(!createDatabaseFromTemplate(templates.home.path(), menus, dialogue));
        QCOMPARE(dialogue.shown.constLast(),
                 (ScriptedDialogue::Shown{"Error",
                                          "Problems were encountered during the copy fase, please re-start and try again.",
                                          MessageIcon::Critical}));
        QCOMPARE(templates.files(), QStringList{"Quorvane.mdb"});
    }

    void theCommandCreatesWithoutQuestions()
    {
        Templates templates;
        const QString home = templates.home.path();
        const QString side = templates.home.file("Side.MDB");
        CliRun run = runCli({"create", "--type", "qvr", "--number", "4", "Side", "--home", home});
        QCOMPARE(run.status, 0);
        QCOMPARE(queryRows(side, "SELECT DATABASEDESC, GAMETYPE, GAMENO, MDBVers FROM SETUP"),
                 QStringList{"QVR game 4|QVR|4|6"});
        QCOMPARE(queryRows(side, "SELECT COUNT(*) FROM PROVINCIAS"), QStringList{"0"});

        run = runCli({"create", "--type", "g", "--number", "5", "side.mdb", "--home", home});
        QCOMPARE(run.status, 1);
        QCOMPARE(queryRows(side, "SELECT DATABASEDESC FROM SETUP"), QStringList{"QVR game 4"});
        run = runCli({"create", "--type", "g", "--number", "5", "Side", "--home", home, "--replace"});
        QCOMPARE(run.status, 0);
        QCOMPARE(queryRows(side, "SELECT DATABASEDESC FROM SETUP"), QStringList{"Arvenna G5"});

        for (const QStringList& bad : {QStringList{"--type", "x", "--number", "5", "B"},
                                       QStringList{"--type", "g", "--number", "0", "B"},
                                       QStringList{"--type", "g", "--number", "32768", "B"},
                                       QStringList{"--type", "g", "--number", "5", "../B"},
                                       QStringList{"--type", "g", "--number", "5", "."},
                                       QStringList{"--type", "g", "--number", "5", ".mdb"}}) {
            run = runCli(QStringList{"create", "--home", home} + bad);
            QVERIFY2(run.status == 2, qPrintable(bad.join(' ')));
        }
        QCOMPARE(templates.files(), (QStringList{"Arvenna.mdb", "Quorvane.mdb", "Side.MDB"}));
    }
};

QTEST_GUILESS_MAIN(NewDatabaseTest)
#include "NewDatabaseTest.moc"
