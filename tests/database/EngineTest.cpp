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
        const QString missing = home.file(QStringLiteral("Missing.mdb"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, Database::open(missing));
        QVERIFY(!QFileInfo::exists(missing)); // opening never creates a file

        home.writeFile(QStringLiteral("Text.mdb"), "Standard Jet DB, or so it says\n");
        home.writeFile(QStringLiteral("Empty.mdb"), QByteArray());
        for (const char* name : {"Text.mdb", "Empty.mdb"}) {
            const QByteArray before = fileBytes(home.file(QString::fromLatin1(name)));
            QVERIFY_THROWS_EXCEPTION(DatabaseError, Database::open(home.file(QString::fromLatin1(name))));
            QCOMPARE(fileBytes(home.file(QString::fromLatin1(name))), before);
        }
    }

    void readsRowsByNameInAnyCase()
    {
        TestHome home;
        Database db = Database::open(home.addGameDatabase(QStringLiteral("Arvenna.mdb")));
        RecordSet terrains = db.openRecordSet(QStringLiteral("select * from terrAIN order by TerrainID"),
                                              RecordSetType::Snapshot);
        QStringList names;
        for (; !terrains.isEOF(); terrains.moveNext())
            names << terrains.text(QStringLiteral("terraindescription"));
        QCOMPARE(names, (QStringList{"Forest", "Sea Lane", "Great Sea", "Plain", "Desert", "Mountain", "Swamp",
                                     "Cloudland", "Hades", "Faery", "Tunnel"}));
        terrains.moveLast();
        QCOMPARE(terrains.recordCount(), 11);
        QCOMPARE(terrains.text(QStringLiteral("TERRCODE")), QStringLiteral("100"));
        QCOMPARE(terrains.number(QStringLiteral("TerrainMovement")), 7.0);
        terrains.moveFirst();
        QCOMPARE(terrains.integer(QStringLiteral("TERRAINCOLOR")), 2);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, terrains.value(QStringLiteral("NoSuchField")));

        // Text compares without regard to case; values are bound, never pasted.
        RecordSet sea = db.openRecordSet(QStringLiteral("SELECT * FROM TERRAIN WHERE TERRAINDESCRIPTION = ?"),
                                         RecordSetType::Dynaset, {QStringLiteral("great SEA")});
        QVERIFY(!sea.isEOF());
        QCOMPARE(sea.integer(QStringLiteral("TERRAINID")), 3);
        RecordSet rows = db.openRecordSet(QStringLiteral("SELECT * FROM CELLSY WHERE CELLID <= ? AND CELLORDERY = ?"),
                                          RecordSetType::Snapshot, {100, QStringLiteral("DV")});
        QCOMPARE(rows.integer(QStringLiteral("CELLID")), 100);
        RecordSet none = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS WHERE PROVINCIAID = -1"));
        QVERIFY(none.isEOF());
        QCOMPARE(none.recordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, none.moveNext());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, db.openRecordSet(QStringLiteral("SELECT * FROM NoSuchTable")));
    }

    void addEditAndDeleteRows()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        {
            Database db = Database::open(path);
            RecordSet provinces = db.openRecordSet(QStringLiteral("Select * From PROVINCIAs where PROVINCIAID = -1"));
            provinces.addNew();
            QCOMPARE(provinces.integer(QStringLiteral("ProvinciaID")), 1); // readable before the save
            provinces.setValue(QStringLiteral("PROVINCIANAME"), QStringLiteral("O'Brien's \"Reach\"; DROP TABLE x"));
            provinces.setValue(QStringLiteral("XORD"), QStringLiteral("12")); // text into a number field
            provinces.setValue(QStringLiteral("YORD"), 3);
            provinces.setValue(QStringLiteral("Comments"), QStringLiteral(" "));
            provinces.update();
            QVERIFY(provinces.isEOF()); // the cursor stays where it was
            provinces.addNew();
            QCOMPARE(provinces.integer(QStringLiteral("PROVINCIAID")), 2);
            provinces.setValue(QStringLiteral("PROVINCIANAME"), QStringLiteral("Second"));
            provinces.update();

            RecordSet characters = db.openRecordSet(QStringLiteral("SELECT * FROM CHARACTERS"));
            characters.addNew();
            characters.setValue(QStringLiteral("CHARACTERNUMBER"), QStringLiteral("1234"));
            characters.update();
            characters.moveFirst();
            QCOMPARE(characters.value(QStringLiteral("CHARACTERturnInfo")), QVariant(0)); // the column default
            QVERIFY(characters.isNull(QStringLiteral("CHARACTERNAME")));
            QCOMPARE(characters.text(QStringLiteral("CHARACTERNAME")), QString());
            QCOMPARE(characters.integer(QStringLiteral("CHARACTERMAXIMUMAURA")), 0);
        }
        Database db = Database::open(path);
        RecordSet provinces = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS ORDER BY PROVINCIAID"));
        QCOMPARE(provinces.text(QStringLiteral("ProvinciaName")), QStringLiteral("O'Brien's \"Reach\"; DROP TABLE x"));
        QCOMPARE(provinces.value(QStringLiteral("XORD")), QVariant(qint64(12)));
        QCOMPARE(provinces.text(QStringLiteral("COMMENTS")), QStringLiteral(" "));

        provinces.edit();
        provinces.setValue(QStringLiteral("PEASANTS"), 1500);
        provinces.setValue(QStringLiteral("Up"), QVariant()); // null stays null
        provinces.update();
        QCOMPARE(provinces.integer(QStringLiteral("PEASANTS")), 1500);

        // Deleting while walking: every row goes, the walk stops at the end.
        int deleted = 0;
        for (provinces.moveFirst(); !provinces.isEOF(); provinces.moveNext()) {
            provinces.deleteCurrent();
            ++deleted;
        }
        QCOMPARE(deleted, 2);
        QVERIFY(db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS")).isEOF());

        // Counters are not reused after a delete.
        RecordSet again = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS"));
        again.addNew();
        QCOMPARE(again.integer(QStringLiteral("PROVINCIAID")), 3);
        again.cancelUpdate();
        QVERIFY(db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS")).isEOF());
    }

    void pendingAddsTakeTheirOwnCounters()
    {
        TestHome home;
        Database db = Database::open(home.addGameDatabase(QStringLiteral("Arvenna.mdb")));
        RecordSet first = db.openRecordSet(QStringLiteral("SELECT * FROM CONTINENTES"));
        RecordSet second = db.openRecordSet(QStringLiteral("select * from continentes"));
        RecordSet dropped = db.openRecordSet(QStringLiteral("SELECT * FROM CONTINENTES"));
        first.addNew();
        second.addNew();
        dropped.addNew();
        QCOMPARE((QList<qint64>{first.integer(QStringLiteral("CONTID")), second.integer(QStringLiteral("CONTID")),
                                dropped.integer(QStringLiteral("CONTID"))}),
                 (QList<qint64>{1, 2, 3}));
        second.setValue(QStringLiteral("CONTDESCRIPTION"), QStringLiteral("South"));
        second.update();
        first.setValue(QStringLiteral("CONTDESCRIPTION"), QStringLiteral("North"));
        first.update();
        dropped.cancelUpdate();
        RecordSet later = db.openRecordSet(QStringLiteral("SELECT * FROM CONTINENTES"));
        later.addNew();
        later.setValue(QStringLiteral("CONTDESCRIPTION"), QStringLiteral("East"));
        later.update();

        RecordSet stored = db.openRecordSet(QStringLiteral("SELECT * FROM CONTINENTES ORDER BY CONTID"),
                                            RecordSetType::Snapshot);
        QStringList rows;
        for (; !stored.isEOF(); stored.moveNext())
            rows << stored.text(QStringLiteral("CONTID")) + ' ' + stored.text(QStringLiteral("CONTDESCRIPTION"));
        QCOMPARE(rows, (QStringList{"1 North", "2 South", "4 East"})); // the shown ids; the cancelled add left none
    }

    void valuesMustSuitTheirFields()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        Database db = Database::open(path);
        RecordSet provinces = db.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS"));
        provinces.addNew();
        provinces.setValue(QStringLiteral("XORD"), QStringLiteral(" 12 "));
        provinces.setValue(QStringLiteral("YORD"), 3.0);
        provinces.setValue(QStringLiteral("PEASANTS"), true);
        provinces.setValue(QStringLiteral("ProvinciaName"), 42);
        provinces.setValue(QStringLiteral("CONTINENTID"), QVariant());
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

        RecordSet terrain = db.openRecordSet(QStringLiteral("SELECT * FROM TERRAIN WHERE TERRAINID = 1"));
        terrain.edit();
        terrain.setValue(QStringLiteral("TERRAINMOVEMENT"), QStringLiteral("7.5"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 terrain.setValue(QStringLiteral("TERRAINMOVEMENT"), QStringLiteral("fast")));
        terrain.setValue(QStringLiteral("TERRCODE"), 7);
        terrain.update();

        Database reader = Database::open(path);
        RecordSet row = reader.openRecordSet(QStringLiteral("SELECT * FROM PROVINCIAS"), RecordSetType::Snapshot);
        QCOMPARE((QVariantList{row.value(QStringLiteral("XORD")), row.value(QStringLiteral("YORD")),
                               row.value(QStringLiteral("PEASANTS")), row.value(QStringLiteral("PROVINCIANAME")),
                               row.value(QStringLiteral("CONTINENTID")), row.value(QStringLiteral("TERRAINID"))}),
                 (QVariantList{qint64(12), qint64(3), qint64(1), QStringLiteral("42"), QVariant(), QVariant()}));
        RecordSet forest = reader.openRecordSet(QStringLiteral("SELECT * FROM TERRAIN WHERE TERRAINID = 1"),
                                                RecordSetType::Snapshot);
        QCOMPARE((QVariantList{forest.value(QStringLiteral("TERRAINMOVEMENT")),
                               forest.value(QStringLiteral("TERRCODE"))}),
                 (QVariantList{7.5, QStringLiteral("7")}));
    }

    void joinedSetsNameColumnsByTable()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        runSql(path, QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIAID, RULLERID) VALUES (1, 77)"));
        Database db = Database::open(path);
        RecordSet joined = db.openRecordSet(QStringLiteral("SELECT Provincias.RullerID, Rullers.RullerID FROM Provincias "
                                                           "LEFT JOIN Rullers ON Provincias.RullerID = Rullers.RullerID"),
                                            RecordSetType::Snapshot);
        QCOMPARE((QVariantList{joined.value(QStringLiteral("provincias.rullerid")),
                               joined.value(QStringLiteral("Rullers.RullerID"))}),
                 (QVariantList{qint64(77), QVariant()}));
        try {
            joined.value(QStringLiteral("RullerID"));
            QFAIL("an ambiguous field name was taken");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.message(), QStringLiteral("The field 'RullerID' is ambiguous: name it as Table.Field."));
        }
        QVERIFY_THROWS_EXCEPTION(DatabaseError, joined.value(QStringLiteral("Locals.RullerID")));
    }

    void readOnlySetsRefuseWrites()
    {
        TestHome home;
        Database db = Database::open(home.addGameDatabase(QStringLiteral("Arvenna.mdb")));
        RecordSet snapshot = db.openRecordSet(QStringLiteral("SELECT * FROM TERRAIN"), RecordSetType::Snapshot);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, snapshot.edit());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, snapshot.addNew());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, snapshot.setValue(QStringLiteral("TERRCODE"), 1));

        RecordSet joined = db.openRecordSet(QStringLiteral(
            "SELECT Locals.LocalID, Provincias.ProvinciaID FROM Provincias LEFT JOIN Locals ON Provincias.ProvinciaID = Locals.ProvinceID"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, joined.addNew());

        RecordSet terrain = db.openRecordSet(QStringLiteral("SELECT * FROM TERRAIN"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, terrain.setValue(QStringLiteral("TERRCODE"), 1)); // no edit begun
        terrain.close();
        QVERIFY_THROWS_EXCEPTION(DatabaseError, terrain.value(QStringLiteral("TERRCODE")));
    }

    void datesAndFlagsRoundTrip()
    {
        TestHome home;
        Database db = Database::open(home.addGameDatabase(QStringLiteral("Arvenna.mdb")));
        const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
        RecordSet maint = db.openRecordSet(QStringLiteral("SELECT * FROM DATABASEMAINT"));
        maint.addNew();
        maint.setValue(QStringLiteral("DBRepair"), when);
        maint.update();
        RecordSet cities = db.openRecordSet(QStringLiteral("SELECT * FROM LOCALS"));
        cities.addNew();
        cities.setValue(QStringLiteral("ProvinciaSafe"), true);
        cities.update();

        RecordSet read = db.openRecordSet(QStringLiteral("SELECT * FROM DATABASEMAINT ORDER BY DBREPAIR DESC"));
        QCOMPARE(read.dateTime(QStringLiteral("dbrepair")), when);
        QCOMPARE(read.text(QStringLiteral("DBRepair")), QStringLiteral("2026-03-04T05:06:07"));
        QVERIFY(!read.dateTime(QStringLiteral("DBCompact")).isValid());
        QVERIFY(db.openRecordSet(QStringLiteral("SELECT * FROM LOCALS")).flag(QStringLiteral("PROVINCIASAFE")));
    }
    void transactionsKeepOrUndoWholeRuns()
    {
        TestHome home;
        const QString path = home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        const QByteArray before = fileBytes(path);
        const auto addContinent = [](Database& db, const QString& name) {
            RecordSet continents = db.openRecordSet(QStringLiteral("SELECT * FROM CONTINENTES"));
            continents.addNew();
            continents.setValue(QStringLiteral("CONTDESCRIPTION"), name);
            continents.update();
        };
        {
            Database db = Database::open(path);
            try {
                Transaction transaction(db);
                addContinent(db, QStringLiteral("Lost"));
                throw DatabaseError(QStringLiteral("a stage failed"));
            } catch (const DatabaseError&) {
            }
            {
                Transaction transaction(db);
                addContinent(db, QStringLiteral("Also lost")); // left without commit
            }
        }
        QCOMPARE(fileBytes(path), before);

        Database writer = Database::open(path);
        Transaction transaction(writer);
        addContinent(writer, QStringLiteral("Kept"));
        transaction.commit();
        Database reader = Database::open(path);
        RecordSet continents = reader.openRecordSet(QStringLiteral("SELECT * FROM CONTINENTES"), RecordSetType::Snapshot);
        QStringList names;
        for (; !continents.isEOF(); continents.moveNext())
            names << continents.text(QStringLiteral("CONTDESCRIPTION"));
        QCOMPARE(names, QStringList{QStringLiteral("Kept")});
    }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "EngineTest.moc"
