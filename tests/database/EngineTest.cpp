// The record-set layer over a real game database file.
#include "TestHome.h"
#include "database/Database.h"
#include "database/DatabaseError.h"
#include "database/Transaction.h"

#include <QFileInfo>
#include <QtTest>

using namespace arvenna;

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    void openingRefusesWhatIsNotADatabase()
    {
        TestHome home;
        const QString missing = home.file("Missing.mdb");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, Database::open(missing));
        QVERIFY(!QFileInfo::exists(missing)); // opening never creates a file

        home.writeFile("Text.mdb", "Standard Jet DB, or so it says\n");
        home.writeFile("Empty.mdb", QByteArray());
        for (const QString& path : {home.file("Text.mdb"), home.file("Empty.mdb")}) {
            const QByteArray before = fileBytes(path);
            QVERIFY_THROWS_EXCEPTION(DatabaseError, Database::open(path));
            QCOMPARE(fileBytes(path), before);
        }
    }

    void readsRowsByNameInAnyCase()
    {
        TestHome home;
        Database db = Database::open(home.addGameDatabase("Arvenna.mdb"));
        RecordSet terrains = db.openRecordSet("select * from terrAIN order by TerrainID", RecordSetType::Snapshot);
        QStringList names;
        for (; !terrains.isEOF(); terrains.moveNext())
            names << terrains.text("terraindescription");
        QCOMPARE(names, (QStringList{"Forest", "Sea Lane", "Great Sea", "Plain", "Desert", "Mountain", "Swamp",
                                     "Cloudland", "Hades", "Faery", "Tunnel"}));
        terrains.moveLast();
        QCOMPARE(terrains.recordCount(), 11);
        QCOMPARE(terrains.text("TERRCODE"), QStringLiteral("100"));
        QCOMPARE(terrains.number("TerrainMovement"), 7.0);
        terrains.moveFirst();
        QCOMPARE(terrains.integer("TERRAINCOLOR"), 2);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, terrains.value("NoSuchField"));

        // Text compares without regard to case; values are bound, never pasted.
        RecordSet sea = db.openRecordSet("SELECT * FROM TERRAIN WHERE TERRAINDESCRIPTION = ? AND TERRAINID <= ?",
                                         RecordSetType::Dynaset, {QStringLiteral("great SEA"), 3});
        QCOMPARE(sea.integer("TERRAINID"), 3);
        RecordSet none = db.openRecordSet("SELECT * FROM PROVINCIAS WHERE PROVINCIAID = -1");
        QVERIFY(none.isEOF());
        QCOMPARE(none.recordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, none.moveNext());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, db.openRecordSet("SELECT * FROM NoSuchTable"));
    }

    void addEditAndDeleteRows()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        Database db = Database::open(path);
        RecordSet provinces = db.openRecordSet("Select * From PROVINCIAs where PROVINCIAID = -1");
        provinces.addNew();
        QCOMPARE(provinces.integer("ProvinciaID"), 1); // readable before the save
        provinces.setValue("PROVINCIANAME", QStringLiteral("O'Brien's \"Reach\"; DROP TABLE x"));
        provinces.setValue("XORD", QStringLiteral("12")); // text into a number field
        provinces.setValue("YORD", 3);
        provinces.setValue("Comments", QStringLiteral(" "));
        provinces.update();
        QVERIFY(provinces.isEOF()); // the cursor stays where it was
        provinces.addNew();
        QCOMPARE(provinces.integer("PROVINCIAID"), 2);
        provinces.setValue("PROVINCIANAME", QStringLiteral("Second"));
        provinces.update();
        QCOMPARE(queryRows(path, "SELECT PROVINCIAID, PROVINCIANAME, XORD, YORD, COMMENTS FROM PROVINCIAS"),
                 (QStringList{"1|O'Brien's \"Reach\"; DROP TABLE x|12|3| ", "2|Second|NULL|NULL|NULL"}));

        // Nulls read as null, empty text or 0; the turn column has its default.
        RecordSet characters = db.openRecordSet("SELECT * FROM CHARACTERS");
        characters.addNew();
        characters.setValue("CHARACTERNUMBER", QStringLiteral("1234"));
        characters.update();
        characters.moveFirst();
        QCOMPARE(characters.value("CHARACTERturnInfo"), QVariant(0));
        QVERIFY(characters.isNull("CHARACTERNAME"));
        QCOMPARE(characters.text("CHARACTERNAME"), QString());
        QCOMPARE(characters.integer("CHARACTERMAXIMUMAURA"), 0);

        // Dates are ISO text; flags are read as booleans.
        const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
        RecordSet maint = db.openRecordSet("SELECT * FROM DATABASEMAINT");
        maint.addNew();
        maint.setValue("DBRepair", when);
        maint.update();
        RecordSet cities = db.openRecordSet("SELECT * FROM LOCALS");
        cities.addNew();
        cities.setValue("ProvinciaSafe", true);
        cities.update();
        RecordSet read = db.openRecordSet("SELECT * FROM DATABASEMAINT");
        QCOMPARE(read.dateTime("dbrepair"), when);
        QCOMPARE(read.text("DBRepair"), QStringLiteral("2026-03-04T05:06:07"));
        QVERIFY(!read.dateTime("DBCompact").isValid());
        QVERIFY(db.openRecordSet("SELECT * FROM LOCALS").flag("PROVINCIASAFE"));

        provinces = db.openRecordSet("SELECT * FROM PROVINCIAS ORDER BY PROVINCIAID");
        provinces.edit();
        provinces.setValue("PEASANTS", 1500);
        provinces.setValue("Up", QVariant()); // null stays null
        provinces.update();
        QCOMPARE(queryRows(path, "SELECT PEASANTS, Up FROM PROVINCIAS WHERE PROVINCIAID = 1"),
                 QStringList{"1500|NULL"});

        // Deleting while walking: every row goes, the walk stops at the end.
        int deleted = 0;
        for (provinces.moveFirst(); !provinces.isEOF(); provinces.moveNext()) {
            provinces.deleteCurrent();
            ++deleted;
        }
        QCOMPARE(deleted, 2);

        // Counters are not reused after a delete.
        RecordSet again = db.openRecordSet("SELECT * FROM PROVINCIAS");
        again.addNew();
        QCOMPARE(again.integer("PROVINCIAID"), 3);
        again.cancelUpdate();
        QCOMPARE(queryRows(path, "SELECT * FROM PROVINCIAS"), QStringList());
    }

    void pendingAddsTakeTheirOwnCounters()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        Database db = Database::open(path);
        RecordSet first = db.openRecordSet("SELECT * FROM CONTINENTES");
        RecordSet second = db.openRecordSet("select * from continentes");
        RecordSet dropped = db.openRecordSet("SELECT * FROM CONTINENTES");
        first.addNew();
        second.addNew();
        dropped.addNew();
        QCOMPARE((QList<qint64>{first.integer("CONTID"), second.integer("CONTID"), dropped.integer("CONTID")}),
                 (QList<qint64>{1, 2, 3}));
        second.setValue("CONTDESCRIPTION", QStringLiteral("South"));
        second.update();
        first.setValue("CONTDESCRIPTION", QStringLiteral("North"));
        first.update();
        dropped.cancelUpdate();
        RecordSet later = db.openRecordSet("SELECT * FROM CONTINENTES");
        later.addNew();
        later.setValue("CONTDESCRIPTION", QStringLiteral("East"));
        later.update();
        // The shown ids; the cancelled add left none.
        QCOMPARE(queryRows(path, "SELECT CONTID, CONTDESCRIPTION FROM CONTINENTES ORDER BY CONTID"),
                 (QStringList{"1|North", "2|South", "4|East"}));
    }

    void valuesMustSuitTheirFields()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        Database db = Database::open(path);
        RecordSet provinces = db.openRecordSet("SELECT * FROM PROVINCIAS");
        provinces.addNew();
        provinces.setValue("XORD", QStringLiteral(" 12 "));
        provinces.setValue("YORD", 3.0);
        provinces.setValue("PEASANTS", true);
        provinces.setValue("ProvinciaName", 42);
        provinces.setValue("CONTINENTID", QVariant());
        const QList<QPair<QString, QVariant>> unfit{
            {"xord", "abc"}, {"YORD", "12.5"}, {"PEASANTS", 2.5}, {"TERRAINID", ""}, {"RULLERID", 1e300},
            {"CONTINENTID", QDateTime(QDate(2026, 1, 2), QTime(3, 4))}};
        QStringList refusals;
        for (const auto& [field, value] : unfit) {
            try {
                provinces.setValue(field, value);
            } catch (const DatabaseError& error) {
                refusals << error.message();
            }
        }
        QCOMPARE(refusals,
                 (QStringList{"The field 'XORD' of 'PROVINCIAS' takes whole numbers, not 'abc'.",
                              "The field 'YORD' of 'PROVINCIAS' takes whole numbers, not '12.5'.",
                              "The field 'PEASANTS' of 'PROVINCIAS' takes whole numbers, not '2.5'.",
                              "The field 'TERRAINID' of 'PROVINCIAS' takes whole numbers, not ''.",
                              "The field 'RULLERID' of 'PROVINCIAS' takes whole numbers, not '1e+300'.",
                              "The field 'CONTINENTID' of 'PROVINCIAS' takes whole numbers, not "
                              "'2026-01-02T03:04:00'."}));
        provinces.update(); // the refused values changed nothing

        RecordSet terrain = db.openRecordSet("SELECT * FROM TERRAIN WHERE TERRAINID = 1");
        terrain.edit();
        terrain.setValue("TERRAINMOVEMENT", QStringLiteral("7.5"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, terrain.setValue("TERRAINMOVEMENT", QStringLiteral("fast")));
        terrain.setValue("TERRCODE", 7);
        terrain.update();

        // Stored with the column's own type: typeof() shows what the file holds.
        QCOMPARE(queryRows(path, "SELECT typeof(XORD), XORD, typeof(YORD), YORD, PEASANTS, typeof(PROVINCIANAME), "
                                 "PROVINCIANAME, CONTINENTID, TERRAINID FROM PROVINCIAS"),
                 QStringList{"integer|12|integer|3|1|text|42|NULL|NULL"});
        QCOMPARE(queryRows(path, "SELECT typeof(TERRAINMOVEMENT), TERRAINMOVEMENT, typeof(TERRCODE), TERRCODE "
                                 "FROM TERRAIN WHERE TERRAINID = 1"),
                 QStringList{"real|7.5|text|7"});
    }

    // Columns of a join are named by their table; such a set, like a
    // snapshot, takes no writes.
    void joinedSetsNameColumnsByTableAndReadOnlySetsRefuseWrites()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        runSql(path, "INSERT INTO PROVINCIAS (PROVINCIAID, RULLERID) VALUES (1, 77)");
        Database db = Database::open(path);
        RecordSet joined = db.openRecordSet("SELECT Provincias.RullerID, Rullers.RullerID FROM Provincias "
                                            "LEFT JOIN Rullers ON Provincias.RullerID = Rullers.RullerID");
        QCOMPARE((QVariantList{joined.value("provincias.rullerid"), joined.value("Rullers.RullerID")}),
                 (QVariantList{qint64(77), QVariant()}));
        try {
            joined.value("RullerID");
            QFAIL("an ambiguous field name was taken");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.message(), QStringLiteral("The field 'RullerID' is ambiguous: name it as Table.Field."));
        }
        QVERIFY_THROWS_EXCEPTION(DatabaseError, joined.value("Locals.RullerID"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, joined.addNew());

        RecordSet snapshot = db.openRecordSet("SELECT * FROM TERRAIN", RecordSetType::Snapshot);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, snapshot.edit());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, snapshot.addNew());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, snapshot.setValue("TERRCODE", 1));
        RecordSet terrain = db.openRecordSet("SELECT * FROM TERRAIN");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, terrain.setValue("TERRCODE", 1)); // no edit begun
        terrain.close();
        QVERIFY_THROWS_EXCEPTION(DatabaseError, terrain.value("TERRCODE"));
    }

    void transactionsKeepOrUndoWholeRuns()
    {
        TestHome home;
        const QString path = home.addGameDatabase("Arvenna.mdb");
        const QByteArray before = fileBytes(path);
        Database db = Database::open(path);
        const auto addContinent = [&db](const QString& name) {
            RecordSet continents = db.openRecordSet("SELECT * FROM CONTINENTES");
            continents.addNew();
            continents.setValue("CONTDESCRIPTION", name);
            continents.update();
        };
        try {
            Transaction transaction(db);
            addContinent("Lost");
            throw DatabaseError(QStringLiteral("a stage failed"));
        } catch (const DatabaseError&) {
        }
        {
            Transaction transaction(db);
            addContinent("Also lost"); // left without commit
        }
        QCOMPARE(fileBytes(path), before);

        Transaction transaction(db);
        addContinent("Kept");
        transaction.commit();
        QCOMPARE(queryRows(path, "SELECT CONTDESCRIPTION FROM CONTINENTES"), QStringList{"Kept"});
    }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "EngineTest.moc"
