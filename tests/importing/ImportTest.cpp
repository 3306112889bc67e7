// Importing games kept in Microsoft Access files, compared with the games they were made from.
#include "CliRun.h"
#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/Database.h"
#include "database/DatabaseDiscovery.h"
#include "database/DatabaseError.h"
#include "database/DatabaseMenus.h"
#include "importing/AccessFile.h"
#include "importing/GameReferences.h"
#include "importing/ImportAccessGame.h"
#include "importing/ImportedValue.h"

#include <QDir>
#include <QImage>
#include <QtTest>

using namespace arvenna;

namespace {
QString legacy(const QString& name)
{
    return QDir(QStringLiteral(ARVENNA_LEGACY_DATA)).filePath(name);
}

struct Home {
    TestHome home;
    Home()
    {
        home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
    }
    DatabaseMenus menus() const
    {
        ScriptedDialogue quiet;
        DatabaseMenus listed;
        discoverDatabases(home.path(), listed, quiet);
        return listed;
    }
    QStringList files() const
    {
        return QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    QString import(const QString& fixture, const QString& name, bool replace = false) const
    {
        try {
            importAccessGame(legacy(fixture), home.path(), name, menus(), replace);
        } catch (const DatabaseError& error) {
            return error.message();
        }
        return {};
    }
};

// A table's rows, ordered by every field, as the Access file can hold them:
// empty text as null, Yes/No never null, Single values to their 7 digits.
QStringList comparableRows(const QString& path, const AccessTable& access, const QString& table)
{
    const QStringList columns = queryRows(path, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table));
    QStringList fields;
    QStringList order;
    for (int i = 0; i < columns.size(); ++i) {
        const QString& column = columns.at(i);
        const int index = access.fieldIndex(column);
        const AccessFieldKind kind = index < 0 ? AccessFieldKind::Other : access.fields.at(index).kind;
        if (kind == AccessFieldKind::Flag)
            fields << QStringLiteral("COALESCE(%1, 0)").arg(column);
        else if (kind == AccessFieldKind::Single)
            fields << QStringLiteral("printf('%.7g', %1)").arg(column);
        else
            fields << QStringLiteral("NULLIF(%1, '')").arg(column);
        order << QString::number(i + 1);
    }
    return queryRows(path, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(fields.join(','), table, order.join(',')),
                     QString());
}

QStringList sourceTables(const QString& path)
{
    return queryRows(path, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                          "AND name NOT LIKE 'sqlite%' ORDER BY name"));
}
} // namespace

class ImportTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (!QFileInfo::exists(legacy(QStringLiteral("README.md"))))
            QSKIP("The Access test games are not beside the source tree.");
    }

    void importsEveryRowOfEveryFixture_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("notes");
        QTest::newRow("empty main game") << "empty-g2" << "Arvenna G2" << QStringList();
        QTest::newRow("empty Quorvane") << "empty-qvr" << "QVR game 1" << QStringList();
        QTest::newRow("season") << "season-g2" << "Arvenna G2" << QStringList();
        // A skill of a city the game does not hold any more.
        QTest::newRow("quotes") << "quotes-g2" << "Arvenna G2"
                                << QStringList{"SKILLSBYLOCAL.LOCALID: 1 reference to rows missing from LOCALS, "
                                               "kept as they are"};
        QTest::newRow("nulls") << "nulls-g2" << "Arvenna G2" << QStringList();
    }

    void importsEveryRowOfEveryFixture()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, caption);
        QFETCH(QStringList, notes);
        Home home;
        const QString source = legacy(QStringLiteral("sources/%1.sqlite").arg(fixture));
        const ImportReport report =
            importAccessGame(legacy(fixture + QStringLiteral(".mdb")), home.home.path(), "Old", home.menus(), false);
        const QString game = home.home.file(QStringLiteral("Old.MDB"));
        QCOMPARE(report.game, game);
        QCOMPARE(report.notes, notes);

        const AccessFile access(legacy(fixture + QStringLiteral(".mdb")));
        QList<ImportedTable> counts;
        for (const QString& table : sourceTables(source)) {
            const AccessTable read = access.readTable(table);
            QCOMPARE(comparableRows(game, read, table), comparableRows(source, read, table));
            counts.append({table, queryRows(source, QStringLiteral("SELECT COUNT(*) FROM ") + table).constFirst().toLongLong()});
        }
        QList<ImportedTable> imported = report.tables;
        std::sort(imported.begin(), imported.end(), [](const auto& a, const auto& b) { return a.table < b.table; });
        QCOMPARE(imported, counts);
        // Same schema as a new game: the same tables, indexes and columns.
        TestHome fresh;
        fresh.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        QCOMPARE(runCli({"create", "--type", "g", "--number", "9", "Fresh", "--home", fresh.path()}).status, 0);
        const QString schemaSql = QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name");
        QCOMPARE(queryRows(game, schemaSql), queryRows(fresh.file(QStringLiteral("Fresh.MDB")), schemaSql));
        QCOMPARE(queryRows(game, "PRAGMA integrity_check"), QStringList{"ok"});

        QCOMPARE(home.files(), (QStringList{"Arvenna.mdb", "Old.MDB", "Quorvane.mdb"}));
        const CliRun listed = runCli({"list", "--home", home.home.path()});
        QVERIFY2(listed.out.split('\n').contains(caption + " [Old.MDB]"), qPrintable(listed.out));
    }

    // The command-line tool imports, prints the report and replaces only when asked.
    void importsFromTheCommandLine()
    {
        Home home;
        const QString season = legacy(QStringLiteral("season-g2.mdb"));
        const QByteArray access = fileBytes(season);
        // What an import killed halfway left behind is cleared by the next.
        QVERIFY(QDir(home.home.path()).mkdir(QStringLiteral("Season.MDB.importing")));
        home.home.writeFile(QStringLiteral("Season.MDB.importing/Season.MDB"), QByteArray("half a game"));
        const CliRun run = runCli({"import", season, "Season", "--home", home.home.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(fileBytes(season), access); // only read
        const QString game = home.home.file(QStringLiteral("Season.MDB"));
        const QStringList out = run.out.split('\n');
        QCOMPARE(out.mid(0, 2), (QStringList{"Imported " + QDir::toNativeSeparators(season),
                                             "into " + QDir::toNativeSeparators(game) + ":"}));
        QVERIFY2(out.contains("  PROVINCIAS: 7053 rows"), qPrintable(run.out));
        QVERIFY2(out.contains("  CHARACTERS: 3027 rows"), qPrintable(run.out));

        // The imported game draws the same map as the game the Access file was made from.
        const QString source = home.home.file(QStringLiteral("source.sqlite"));
        QVERIFY(QFile::copy(legacy(QStringLiteral("sources/season-g2.sqlite")), source));
        QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner));
        for (const QString& mode : {QStringLiteral("info"), QStringLiteral("ruler"), QStringLiteral("market")}) {
            const QString drawn = home.home.file(QStringLiteral("imported.png"));
            const QString expected = home.home.file(QStringLiteral("source.png"));
            QCOMPARE(runCli({"render", "--db", game, "-o", drawn, "--mode", mode, "--zoom", "50"}).status, 0);
            QCOMPARE(runCli({"render", "--db", source, "-o", expected, "--mode", mode, "--zoom", "50"}).status, 0);
            const QImage image(drawn);
            QVERIFY(!image.isNull());
            QCOMPARE(image, QImage(expected));
        }
        for (const char* name : {"source.sqlite", "imported.png", "source.png"})
            QVERIFY(QFile::remove(home.home.file(QLatin1String(name))));

        const QByteArray before = fileBytes(game);
        const CliRun again = runCli({"import", legacy("empty-g2.mdb"), "Season", "--home", home.home.path()});
        QCOMPARE(again.status, 1);
        QCOMPARE(again.err, "The database [" + game + "] exists.\n");
        QCOMPARE(fileBytes(game), before);
        const CliRun replaced =
            runCli({"import", legacy("empty-g2.mdb"), "Season", "--home", home.home.path(), "--replace"});
        QCOMPARE(replaced.status, 0);
        QCOMPARE(queryRows(game, "SELECT COUNT(*) FROM PROVINCIAS"), QStringList{"0"});

        QCOMPARE(runCli({"import", season, "--home", home.home.path()}).status, 2);
        QCOMPARE(home.files(), (QStringList{"Arvenna.mdb", "Quorvane.mdb", "Season.MDB"}));
    }

    // Every refused or failed import names why and leaves the program directory as it was.
    void badInputLeavesNothingBehind()
    {
        Home home;
        const QStringList before = home.files() << QStringLiteral("Taken.MDB");
        const QString truncated = home.import(QStringLiteral("truncated-g2.mdb"), QStringLiteral("Cut"));
        QVERIFY2(truncated.startsWith(QStringLiteral("The table ")) && truncated.contains(QStringLiteral("could not be read")),
                 qPrintable(truncated));
        QCOMPARE(home.import(QStringLiteral("not-a-game.mdb"), QStringLiteral("Library")),
                 QStringLiteral("The file [%1] is not a game database: it has no SETUP row naming a game type and number.")
                     .arg(legacy("not-a-game.mdb")));
        QCOMPARE(home.import(QStringLiteral("missing.mdb"), QStringLiteral("Missing")),
                 QStringLiteral("The Access file [%1] is missing or cannot be read.").arg(legacy("missing.mdb")));
        QCOMPARE(home.import(QStringLiteral("sources"), QStringLiteral("Folder")),
                 QStringLiteral("The Access file [%1] is missing or cannot be read.").arg(legacy("sources")));
        QCOMPARE(home.import(QStringLiteral("empty-g2.mdb"), QStringLiteral("../Outside")),
                 QStringLiteral("The name \"../Outside\" may not hold \"/\", \"\\\" or \"..\" nor be a work file's."));
        home.home.addGameDatabase(QStringLiteral("Quorvane.mdb"), QStringLiteral("Taken.MDB"));
        QCOMPARE(home.import(QStringLiteral("empty-g2.mdb"), QStringLiteral("Taken")),
                 QStringLiteral("The database [%1] exists.").arg(home.home.file("Taken.MDB")));
        QCOMPARE(home.files(), before);

        // The disk fills while the rows are written.
        Database::open(home.home.file(QStringLiteral("Arvenna.mdb")))
            .execute(QStringLiteral("CREATE TRIGGER full_disk BEFORE INSERT ON PROVINCIAS BEGIN "
                                    "SELECT RAISE(ABORT, 'database or disk is full'); END"));
        const QString full = home.import(QStringLiteral("season-g2.mdb"), QStringLiteral("Season"));
        QVERIFY2(full.startsWith(QStringLiteral("The rows of PROVINCIAS could not be written: database or disk is full")),
                 qPrintable(full));
        QCOMPARE(home.files(), before);

        // The command-line tool says the same on stderr.
        const CliRun cut = runCli({"import", legacy("truncated-g2.mdb"), "Cut", "--home", home.home.path()});
        QCOMPARE(cut.status, 1);
        QVERIFY2(cut.err.endsWith(truncated + QLatin1Char('\n')), qPrintable(cut.err)); // after what libmdb prints
        QCOMPARE(home.files(), before);
    }

    // The menu entry asks the name as a new game does, and shows the report.
    void importsFromTheMenu()
    {
        Home home;
        ScriptedDialogue dialogue;
        dialogue.textAnswers << QStringLiteral("Kept") << QStringLiteral("Kept") << QStringLiteral("Kept");
        dialogue.answers << DialogueAnswer::No << DialogueAnswer::Yes;
        const QString nulls = legacy(QStringLiteral("nulls-g2.mdb"));
        const QString quotes = legacy(QStringLiteral("quotes-g2.mdb"));
        QVERIFY(importAccessGameFromMenu(nulls, home.home.path(), home.menus(), dialogue));
        QVERIFY(!importAccessGameFromMenu(quotes, home.home.path(), home.menus(), dialogue));
        QCOMPARE(queryRows(home.home.file("Kept.MDB"), "SELECT COUNT(*) FROM LOCALS"), QStringList{"2"});
        QVERIFY(importAccessGameFromMenu(quotes, home.home.path(), home.menus(), dialogue));
        QCOMPARE(queryRows(home.home.file("Kept.MDB"), "SELECT COUNT(*) FROM LOCALS"), QStringList{"3"});
        QCOMPARE(home.files(), (QStringList{"Arvenna.mdb", "Kept.MDB", "Quorvane.mdb"}));

        const ScriptedDialogue::Shown name{"Name Database",
                                           "Please name the new copy of the database:\n(no extension required)",
                                           MessageIcon::None};
        const ScriptedDialogue::Shown replace{"Copy Database", "File exists, replace?", MessageIcon::Critical};
        const ScriptedDialogue::Shown aborting{"Abort copy", "Aborting operation", MessageIcon::Critical};
        QCOMPARE(dialogue.shown.size(), 8);
        QVERIFY(dialogue.shown.at(1).text.startsWith("Imported " + QDir::toNativeSeparators(nulls) + "\n"));
        QVERIFY(dialogue.shown.at(7).text.startsWith("Imported " + QDir::toNativeSeparators(quotes) + "\n"));
        dialogue.shown[1].text.clear();
        dialogue.shown[7].text.clear();
        const ScriptedDialogue::Shown shownReport{"Import Access Game", QString(), MessageIcon::Information};
        QCOMPARE(dialogue.shown, (QList<ScriptedDialogue::Shown>{name, shownReport, name, replace, aborting, name,
                                                                 replace, shownReport}));
    }

    // Each value takes its column's type; what cannot become one is left null.
    void convertsValuesToTheColumnTypes()
    {
        const QVariantList values{QVariant(), 12LL, 7.5, 8.0, QStringLiteral(" 42 "), QStringLiteral("ab07"), 1e30};
        QVariantList whole;
        QVariantList real;
        QVariantList text;
        for (const QVariant& value : values) {
            whole << columnValue(value, QStringLiteral("INTEGER"));
            real << columnValue(value, QStringLiteral("REAL"));
            text << columnValue(value, QStringLiteral("TEXT"));
        }
        QCOMPARE(whole, (QVariantList{QVariant(), 12LL, QVariant(), 8LL, 42LL, QVariant(), QVariant()}));
        QCOMPARE(real, (QVariantList{QVariant(), 12.0, 7.5, 8.0, 42.0, QVariant(), 1e30}));
        QCOMPARE(text, (QVariantList{QVariant(), "12", "7.5", "8", " 42 ", "ab07", "1e+30"}));
    }

    void countsReferencesToMissingRows()
    {
        TestHome home;
        const QString game = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        runSql(game, QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIAID, TERRAINID, RULLERID) VALUES (1, 4, 0);"
                                    "INSERT INTO LOCALS (LOCALID, PROVINCEID) VALUES (1, 1), (2, 9), (3, 9), (4, NULL);"
                                    "INSERT INTO INNERLOCATIONS (ProvinceID, InnerID, LocalLocationID) VALUES (1, 0, 7);"
                                    "INSERT INTO MARKETTRANSACTIONS (LocalID, ItemID) VALUES (1, 999)"));
        Database database = Database::open(game);
        QCOMPARE(danglingReferences(database),
                 (QStringList{"LOCALS.PROVINCEID: 2 references to rows missing from PROVINCIAS, kept as they are",
                              "INNERLOCATIONS.LocalLocationID: 1 reference to rows missing from LOCALS, kept as they are",
                              "MARKETTRANSACTIONS.ItemID: 1 reference to rows missing from ITEMS, kept as they are"}));
    }
};

QTEST_GUILESS_MAIN(ImportTest)
#include "ImportTest.moc"
