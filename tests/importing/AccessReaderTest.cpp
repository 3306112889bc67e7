// Reading the tables of Microsoft Access files.
#include "TestHome.h"
#include "database/DatabaseError.h"
#include "importing/AccessFile.h"

#include <QDir>
#include <QtTest>

using namespace arvenna;

namespace {
QString legacy(const QString& name)
{
    return QDir(QStringLiteral(ARVENNA_LEGACY_DATA)).filePath(name);
}

// The message a read fails with, or empty when it succeeds.
template <typename Read>
QString failureOf(Read read)
{
    try {
        read();
    } catch (const DatabaseError& error) {
        return error.message();
    }
    return {};
}
} // namespace

class AccessReaderTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (!QFileInfo::exists(legacy(QStringLiteral("README.md"))))
            QSKIP("The Access test games are not beside the source tree.");
    }

    void listsTheUserTablesInAnyLetterCase()
    {
        AccessFile file(legacy(QStringLiteral("season-g2.mdb")));
        QStringList tables = file.tableNames();
        tables.sort();
        QStringList expected = queryRows(legacy(QStringLiteral("sources/season-g2.sqlite")),
                                         QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                                        "AND name NOT LIKE 'sqlite%' ORDER BY name"));
        QCOMPARE(tables, expected);
        QCOMPARE(file.findTable(QStringLiteral("provincias")), QStringLiteral("PROVINCIAS"));
        QCOMPARE(file.findTable(QStringLiteral("MSysObjects")), QString());

        const AccessTable terrain = file.readTable(QStringLiteral("terrain"));
        QCOMPARE(terrain.name, QStringLiteral("TERRAIN"));
        const QList<AccessField> fields{{"TERRAINID", AccessFieldKind::Whole},
                                        {"TERRAINDESCRIPTION", AccessFieldKind::Text},
                                        {"TERRAINMOVEMENT", AccessFieldKind::Single},
                                        {"TERRAINCOLOR", AccessFieldKind::Whole},
                                        {"TERRCODE", AccessFieldKind::Text}};
        QCOMPARE(terrain.fields, fields);
        QCOMPARE(terrain.fieldIndex(QStringLiteral("TerrainMovement")), 2);
        QCOMPARE(terrain.fieldIndex(QStringLiteral("Nothing")), -1);
        QCOMPARE(terrain.rows.size(), 11);
        QCOMPARE(terrain.rows.at(10), (QVariantList{11LL, QStringLiteral("Tunnel"), 7.0, 8LL, QStringLiteral("100")}));

        const AccessTable setup = file.readTable(QStringLiteral("SETUP"));
        QCOMPARE(setup.rows, (QList<QVariantList>{{QStringLiteral("Arvenna G2"), QStringLiteral("G"), 2LL,
                                                   QStringLiteral("2026-01-01T00:00:00"), 6LL}}));
        QCOMPARE(setup.fields.at(3).kind, AccessFieldKind::Date);
    }

    // Quotes, letters beyond ASCII, long names and memos, Single values and
    // nulls come back as the file holds them.
    void readsValuesAsTheFileHoldsThem()
    {
        AccessFile quotes(legacy(QStringLiteral("quotes-g2.mdb")));
        const AccessTable alliances = quotes.readTable(QStringLiteral("ALLIANCES"));
        const QStringList source = queryRows(legacy(QStringLiteral("sources/quotes-g2.sqlite")),
                                             QStringLiteral("SELECT ALLIANCEDESC FROM ALLIANCES ORDER BY ALLIANCEID"));
        QCOMPARE(source.at(0).size(), 7440);
        QStringList read;
        for (const QVariantList& row : alliances.rows)
            read << row.at(alliances.fieldIndex(QStringLiteral("ALLIANCEDESC"))).toString();
        QCOMPARE(read, source);
        const AccessTable rulers = quotes.readTable(QStringLiteral("RULLERS"));
        QCOMPARE(rulers.rows.at(1).at(2), QVariant(QStringLiteral("  Ærø's Keep  ")));

        // The file holds 7.3 as a single-precision number: that value, not the printed rounding.
        const AccessTable terrain = quotes.readTable(QStringLiteral("TERRAIN"));
        QCOMPARE(terrain.rows.at(11).at(2), QVariant(double(7.3f)));
        QCOMPARE(terrain.rows.at(12).at(2), QVariant(double(0.1f)));

        AccessFile nulls(legacy(QStringLiteral("nulls-g2.mdb")));
        const AccessTable locals = nulls.readTable(QStringLiteral("LOCALS"));
        QCOMPARE(locals.rows.at(1), (QVariantList{2LL, {}, {}, {}, {}, 0LL, {}}));
    }

    void refusesWhatCannotBeReadWhole()
    {
        QCOMPARE(failureOf([] { AccessFile(legacy(QStringLiteral("missing.mdb"))); }),
                 QStringLiteral("The Access file [%1] is missing or cannot be read.").arg(legacy("missing.mdb")));
        TestHome home;
        home.writeFile(QStringLiteral("notes.mdb"), QByteArray("Not an Access file at all.\n").repeated(300));
        QCOMPARE(failureOf([&] { AccessFile(home.file(QStringLiteral("notes.mdb"))); }),
                 QStringLiteral("The file [%1] is not an Access database that can be read.")
                     .arg(home.file(QStringLiteral("notes.mdb"))));

        // The catalogue of the cut file reads; some tables fail, one reads fewer rows than it holds.
        AccessFile truncated(legacy(QStringLiteral("truncated-g2.mdb")));
        QCOMPARE(truncated.tableNames().size(), 21);
        QStringList failures;
        for (const QString& table : truncated.tableNames()) {
            const QString failure = failureOf([&] { truncated.readTable(table); });
            if (!failure.isEmpty())
                failures << failure;
        }
        QVERIFY2(!failures.isEmpty(), "a read of the cut file succeeded");
        for (const QString& failure : failures)
            QVERIFY2(failure.contains(QStringLiteral("could not be read")), qPrintable(failure));
        QVERIFY(failureOf([&] { truncated.readTable(QStringLiteral("NOSUCHTABLE")); })
                    .endsWith(QStringLiteral("there is no such table.")));
    }
};

QTEST_GUILESS_MAIN(AccessReaderTest)
#include "AccessReaderTest.moc"
