// The storing stages: what a report leaves in the game database and the model.
#include "StoringGame.h"
#include "database/Database.h"

#include <QtTest>

using namespace arvenna;

namespace {
const QStringList kWorld12 = {QStringLiteral("world-turn12.txt")};
const QStringList kWorld14 = {QStringLiteral("world-turn14.txt")};

// A province of the model with its city, one text to compare.
QString modelProvince(const MapModel& model, const QString& code)
{
    const ClassProvincia& p = model.Provinces.Item(code);
    const ClassLocation& c = p.ClassLocation();
    return QStringList{p.ProvinceName, QString::number(p.ProvinceTerrainID), QString::number(p.ProvinceContinentID),
                       p.ProvinceComments, p.ProvinceCoordY + p.ProvinceCoordX, QString::number(p.ProvinceID),
                       c.LocationNo, c.LocationName, QString::number(c.LocationType), QString::number(c.LocationID),
                       QString::number(c.LocationSafe)}
        .join(QLatin1Char('|'));
}

QStringList modelProvinces(const MapModel& model)
{
    QStringList result;
    for (const char* code : {"ab08", "aa08", "ab09", "ab10"})
        result << modelProvince(model, QString::fromLatin1(code));
    return result;
}

const QStringList kProvinces12{
    "1|Harrowfield|8|2|4|1|1|-|12|-|-|-|-|-|-",   "2|Sea of Storms|8|1|3|2|-|-|12|-|-|-|-|-|-",
    "3|Greyfen|9|2|7|1|-|-|12|-|-|-|-|-|-",       "4|Dale's End|10|2|1|3|-|-|12|-|-|-|-|-|-"};
const QStringList kCities12{"1|1|m421|Kessra|1|1|12", "2|4|q100|Brook|2|0|12"};
const QStringList kInner12{
    "1|0|0|1|c104|Dunmere Keep|1|-|-|0|0|12",     "2|0|0|1|m310|Harrowfield Mine|3|2|-|1|0|12",
    "3|2|0|1|m311|Deep Gallery|14|1|-|0|0|12",    "4|2|0|1|m312|Lower Gallery|14|3|-|0|1|12",
    "5|0|0|1|r220|Old Stones|12|1|-|0|0|12",      "6|0|1|1|s880|Grey Heron|8|-|-|0|0|12",
    "7|0|1|1|s422|Kessra Sewers|9|1|-|0|0|12"};
} // namespace

class StoringStagesTest : public QObject {
    Q_OBJECT

private slots:
    // Provinces with regions and ruler, cities, inner locations two levels
    // deep; then a later report renames, replaces the city, purges and moves.
    void storesAReportAndALaterOneReplacesIt()
    {
        StoringGame game;
        QCOMPARE(game.process(kWorld12).constFirst().processed, true);
        QCOMPARE(game.rows("PROVINCIAS"), kProvinces12);
        QCOMPARE(game.rows("CONTINENTES"), (QStringList{"1|Vessaly|0", "2|sea of storms|0", "3|Back\\Lands|0"}));
        QCOMPARE(game.rows("RULLERS"), QStringList{"1|c104|Dunmere Keep |1|ab08|-|-"});
        QCOMPARE(game.rows("CHARACTERS"), QStringList{"1|4521|Osric Vane|-|-|-|12|-"});
        QCOMPARE(game.rows("LOCALS"), kCities12);
        QCOMPARE(game.rows("INNERLOCATIONS"), kInner12);
        QCOMPARE(game.rows("REPORTLOG"), QStringList{"a01|12"});
        QCOMPARE(modelProvinces(game.model),
                 (QStringList{"Harrowfield|4|1||ab8|1|m421|Kessra|1|1|1", "Sea of Storms|3|2||aa8|2|||0|0|0",
                              "Greyfen|7|1||ab9|3|||0|0|0", "Dale's End|1|3||ab10|4|q100|Brook|2|2|0"}));
        QCOMPARE(game.model.Continents.Count(), 3);
        // What each stage marked; an owner clause's wrapped lines stay unmarked.
        QCOMPARE(game.state.buffer.items().mid(17, 6),
                 (QStringList{"[SAVED] (INN) Inner locations:", "[SAVED] (INN)    Grey Heron [s880], roundship, owner:",
                              "(INN)  Tobin Marsh [3301], captain of the fleet, with", "(INN)  twelve sailors",
                              "[SAVED] (INN)    Kessra Sewers [s422], sewer, 1 day", "----(SEP)----"}));

        // An unstamped inner location counts as turn 100: it survives the purge, unstamped.
        game.database().execute("UPDATE INNERLOCATIONS SET Comments = NULL WHERE LocalNumber = 'r220'");
        QCOMPARE(game.process(kWorld14).constFirst().processed, true);
        QCOMPARE(game.rows("PROVINCIAS"),
                 (QStringList{"1|Harrowfield Vale|8|2|4|4|1|-|14|-|-|-|-|-|-", kProvinces12[1],
                              "3|Greyfen|9|2|7|1|-|-|14|-|-|-|-|-|-", kProvinces12[3]}));
        QCOMPARE(game.rows("CONTINENTES").constLast(), "4|Norland|0");
        QCOMPARE(game.rows("LOCALS"), (QStringList{"1|1|m500|Port Azure|2|0|14", kCities12[1]}));
        QCOMPARE(game.rows("INNERLOCATIONS"),
                 (QStringList{"5|0|0|1|r220|Old Stones|12|1|-|0|0|-", kInner12[5],
                              "7|0|1|3|s422|Kessra Sewers|9|4|-|0|0|14", "8|0|0|1|m310|Harrowfield Mine|3|2|-|0|0|14"}));
        QCOMPARE(game.rows("REPORTLOG"), QStringList{"a01|14"});
        QCOMPARE(modelProvince(game.model, "ab08"), "Harrowfield Vale|4|4|14|ab8|1|m500|Port Azure|2|1|0");
    }

    // The same turn again refreshes cities but not provinces; an older
    // report leaves newer provinces, cities, inner location lists and the
    // report log's turn, and only fills in what nothing newer told (a
    // province's ruler, a list of a place the newer report did not show).
    void turnStampsDecideWhatIsRefreshed()
    {
        StoringGame game;
        game.process(kWorld12);
        game.database().execute("UPDATE PROVINCIAS SET PROVINCIANAME = 'Mine' WHERE PROVINCIAID = 1");
        game.database().execute("UPDATE LOCALS SET LocalName = 'Mine' WHERE LOCALID = 1");
        QCOMPARE(game.process(kWorld12).constFirst().processed, true);
        QCOMPARE(game.rows("PROVINCIAS").constFirst(), "1|Mine|8|2|4|1|1|-|12|-|-|-|-|-|-");
        QCOMPARE(game.rows("LOCALS"), kCities12);
        QCOMPARE(game.rows("INNERLOCATIONS"), kInner12);

        StoringGame older;
        older.process(kWorld14 + kWorld12);
        QCOMPARE(older.rows("PROVINCIAS"),
                 (QStringList{"1|Harrowfield Vale|8|2|4|1|1|-|14|-|-|-|-|-|-", "2|Greyfen|9|2|7|2|-|-|14|-|-|-|-|-|-",
                              "3|Sea of Storms|8|1|3|3|-|-|12|-|-|-|-|-|-", "4|Dale's End|10|2|1|4|-|-|12|-|-|-|-|-|-"}));
        QCOMPARE(older.rows("LOCALS"), (QStringList{"1|1|m500|Port Azure|2|0|14", "2|4|q100|Brook|2|0|12"}));
        QCOMPARE(older.rows("INNERLOCATIONS"),
                 (QStringList{"1|0|0|1|m310|Harrowfield Mine|3|2|-|0|0|14", "2|0|0|2|s422|Kessra Sewers|9|4|-|0|0|14",
                              "3|0|1|1|s880|Grey Heron|8|-|-|0|0|12"}));
        QCOMPARE(older.rows("REPORTLOG"), QStringList{"a01|14"});
    }
};

QTEST_GUILESS_MAIN(StoringStagesTest)
#include "StoringStagesTest.moc"
