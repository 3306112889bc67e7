// The routes a report lists as leaving a province: stored with their days,
// the impassable ones marked, the exits of the province filled; a newer list
// replaces an older one whatever order the reports come in, and lines that
// cannot be read are named in the log and lose nothing.
#include "StoringGame.h"
#include "model/KnownRoutesLoader.h"

#include <QtTest>

using namespace arvenna;

namespace {
const QByteArray kTurn30 = "Arvenna G2 turn 30 report";
const QByteArray kTurn31 = "Arvenna G2 turn 31 report";

// Dale, with a list that has every kind of line: letter cases, a wrapped
// entry, a tunnel, an impassable pass, a city's entry, and lines that name
// a route unreadably.
const QByteArray kDaleTurn30 = "Dale [ab08], forest, in Vessaly, civ-2\n"
                               "--------------------------------------------------------------------------\n"
                               "It is raining.\n\n"
                               "Routes leaving Dale:\n"
                               "   NORTH, to Marrowdeep [ab07], Vessaly, forest, 8 days\n"
                               "   east, to The Long and Winding Reach of\n"
                               "      Kessra [ac08], Vessaly, plain, 1 day\n"
                               "   South, to Greyfen [ab09], Grinter, impassable\n"
                               "   West, to Tunnel [ea05], 1 day\n"
                               "   Kessra [m421], city, 1 day\n"
                               "   Down, to Nowhere, 3 days\n"
                               "   Up, to Cloud [zz99], 2 days\n"
                               "   North, to Hill [aa07], 4 days\n"
                               "   Down, to Deep [ea06], seven days\n"
                               "   Down to Cellar [ea07], 2 days\n"
                               "\n"
                               "Kessra [m421], city, in Dale [ab08]\n"
                               "--------------------------------------------------------------------------\n"
                               "Routes leaving Kessra:\n"
                               "   Out, to Dale [ab08], 0 days\n"
                               "   North, to Fen [ab07], 1 day\n"
                               "\n"
                               "Old Keep [c104], castle, in Dale [ab08]\n"
                               "--------------------------------------------------------------------------\n"
                               "Routes leaving Old Keep:\n"
                               "   South, to Dale [ab08], 1 day\n\n";

const QStringList kDaleRoutes{"ab08|North|ab07|Marrowdeep|8|30",
                              "ab08|East|ac08|The Long and Winding Reach of Kessra|1|30",
                              "ab08|South|ab09|Greyfen|NULL|30", "ab08|West|ea05|Tunnel|1|30",
                              "ab08|Down|ea07|Cellar|2|30"};

// Dale as turn 31 saw it: the pass is open now, the tunnel gone.
const QByteArray kDaleTurn31 = "Dale [ab08], forest, in Vessaly, civ-2\n"
                               "--------------------------------------------------------------------------\n\n"
                               "Routes leaving Dale:\n"
                               "   North, to Marrowdeep [ab07], 8 days\n"
                               "   South, to Greyfen [ab09], 14 days\n\n";

QStringList storedRoutes(const StoringGame& game)
{
    return queryRows(game.path, "SELECT PROVINCECODE, DIRECTION, DESTCODE, DESTNAME, DAYS, TURN FROM ROUTES "
                                "ORDER BY PROVINCECODE, ROUTEID");
}

QStringList exitsOf(const StoringGame& game, const QString& code)
{
    return queryRows(game.path, "SELECT p.Up, p.North, p.East, p.South, p.West, p.Down FROM PROVINCIAS p "
                                "JOIN CELLSY y ON y.CELLID = p.YORD WHERE y.CELLORDERY || printf('%02d', p.XORD) = '"
                                    + code + "'");
}

// The model's routes of a province as "direction|destination|name|days|turn".
QStringList modelRoutes(const MapModel& model, const QString& key)
{
    QStringList lines;
    if (const QList<KnownRoute>* routes = model.Routes.find(key)) {
        for (const KnownRoute& route : *routes)
            lines << QStringList{directionName(route.direction), route.destination, route.destinationName,
                                 route.days ? QString::number(*route.days) : QStringLiteral("impassable"),
                                 QString::number(route.turn)}
                         .join(u'|');
    }
    return lines;
}
} // namespace

class RouteStoringTest : public QObject {
    Q_OBJECT

private slots:
    void storesTheRoutesOfEachProvinceAndNamesTheLinesItCannotRead()
    {
        StoringGame game;
        const FileOutcome outcome = game.process({game.writeReport("dale.txt", kTurn30, kDaleTurn30)}).constFirst();
        QVERIFY2(outcome.processed, qPrintable(outcome.reason));
        // Neither the city's routes nor the castle's are the province's.
        QCOMPARE(storedRoutes(game), kDaleRoutes);
        QCOMPARE(exitsOf(game, "ab08"), QStringList{"NULL|ab07|ac08|ab09|ea05|ea07"});
        const QStringList expectedModel{"North|ab07|Marrowdeep|8|30", "East|ac08|The Long and Winding Reach of Kessra|1|30",
                                        "South|ab09|Greyfen|impassable|30", "West|ea05|Tunnel|1|30",
                                        "Down|ea07|Cellar|2|30"};
        QCOMPARE(modelRoutes(game.model, "ab08"), expectedModel);
        QCOMPARE(modelRoutes(readKnownRoutesOf(game), "ab08"), expectedModel);
        const ClassProvincia& dale = game.model.Provinces.Item("ab08");
        QCOMPARE((QStringList{dale.ProvinceUP, dale.ProvinceNORTH, dale.ProvinceEAST, dale.ProvinceSOUTH,
                              dale.ProvinceWEST, dale.ProvinceDOWN}),
                 (QStringList{"", "ab07", "ac08", "ab09", "ea05", "ea07"}));

        QStringList routeLog;
        for (const QString& line : game.state.buffer.items()) {
            if (line.contains("(RTE)"))
                routeLog << line;
        }
        QCOMPARE(routeLog,
                 (QStringList{"[SAVED] (RTE) Routes leaving Dale:",
                              "[SAVED] (RTE) NORTH, to Marrowdeep [ab07], Vessaly, forest, 8 days",
                              "[SAVED] (RTE) east, to The Long and Winding Reach of",
                              "[SAVED] (RTE) Kessra [ac08], Vessaly, plain, 1 day",
                              "[SAVED] (RTE) South, to Greyfen [ab09], Grinter, impassable",
                              "[SAVED] (RTE) West, to Tunnel [ea05], 1 day",
                              "(RTE) Kessra [m421], city, 1 day",
                              "[NOT READ: no province code] (RTE) Down, to Nowhere, 3 days",
                              "[NOT READ: [zz99] is no province of the map] (RTE) Up, to Cloud [zz99], 2 days",
                              "[NOT READ: North is listed twice] (RTE) North, to Hill [aa07], 4 days",
                              "[NOT READ: \"seven days\" is not a number of days] (RTE) Down, to Deep [ea06], seven days",
                              "[SAVED] (RTE) Down to Cellar [ea07], 2 days",
                              "(RTE) Routes leaving Kessra:", "(RTE) Out, to Dale [ab08], 0 days",
                              "(RTE) North, to Fen [ab07], 1 day", "(RTE) Routes leaving Old Keep:",
                              "(RTE) South, to Dale [ab08], 1 day"}));

        // Without the province option nothing of the list is kept.
        StoringGame withoutProvinces;
        ProcessingOptions options = kEveryOption;
        options[0] = false;
        QVERIFY(withoutProvinces.process({withoutProvinces.writeReport("dale.txt", kTurn30, kDaleTurn30)}, options)
                    .constFirst()
                    .processed);
        QCOMPARE(storedRoutes(withoutProvinces), QStringList());
    }

    // The list of turn 31 replaces that of turn 30, whichever is processed
    // first; the exits follow it, a direction it no longer lists is cleared.
    void theNewestListStandsInEitherOrder()
    {
        const QStringList newest{"ab08|North|ab07|Marrowdeep|8|31", "ab08|South|ab09|Greyfen|14|31"};
        for (const bool newestLast : {true, false}) {
            StoringGame game;
            const QString older = game.writeReport("turn30.txt", kTurn30, kDaleTurn30);
            const QString newer = game.writeReport("turn31.txt", kTurn31, kDaleTurn31);
            for (const FileOutcome& outcome : game.process(newestLast ? QStringList{older, newer}
                                                                      : QStringList{newer, older}))
                QVERIFY2(outcome.processed, qPrintable(outcome.reason));
            QCOMPARE(storedRoutes(game), newest);
            QCOMPARE(exitsOf(game, "ab08"), QStringList{"NULL|ab07|NULL|ab09|NULL|NULL"});
            QCOMPARE(modelRoutes(game.model, "ab08"),
                     (QStringList{"North|ab07|Marrowdeep|8|31", "South|ab09|Greyfen|14|31"}));
        }

        // The same turn again rewrites the same list.
        StoringGame game;
        const QString report = game.writeReport("turn30.txt", kTurn30, kDaleTurn30);
        QVERIFY(game.process({report}).constFirst().processed);
        QVERIFY(game.process({report}).constFirst().processed);
        QCOMPARE(storedRoutes(game), kDaleRoutes);
    }

private:
    static MapModel readKnownRoutesOf(StoringGame& game)
    {
        MapModel model;
        model.Routes = readKnownRoutes(game.database());
        return model;
    }
};

QTEST_GUILESS_MAIN(RouteStoringTest)
#include "RouteStoringTest.moc"
