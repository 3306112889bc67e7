// The route command prints the lines travel mode adds to the details list.
#include "CliRun.h"
#include "GameFixture.h"
#include "database/Migrations.h"

#include <QtTest>

using namespace arvenna;

namespace {
// Plains at ab 3, ab 4; a mountain at ab 5 and a cloudland at ab 6; the
// great sea at ac 4, a swamp at ac 5 and a sea lane at ac 6; at ad 5 a
// province whose terrain word the game did not know (terrain 0); a tunnel
// below the surface at ea 40.
const QString kWorld = QStringLiteral(R"(
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES
  (1, 'Start', 3, 2, 4), (2, 'Greenvale', 4, 2, 4), (3, 'Saltwash', 4, 3, 3), (4, 'Mire', 5, 3, 7),
  (5, 'Lane', 6, 3, 2), (6, 'Peak', 5, 2, 6), (7, 'Fogfen', 5, 4, 0), (8, 'Skyfield', 6, 2, 8),
  (9, 'Deep Way', 40, 101, 11);
)");

// Beside kWorld a second tunnel at ea 41 and Far Shore at ab 42, and the
// routes a report listed: from Greenvale (ab 4) the pass east to Peak is
// impassable and a tunnel leads down to ea 40, on to ea 41 and up to ab 42.
const QString kTunnelWorld = kWorld + QStringLiteral(R"(
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES
  (10, 'Deep Bend', 41, 101, 11), (11, 'Far Shore', 42, 2, 4);
)");
const QString kTunnelRoutes = QStringLiteral(R"(
INSERT INTO ROUTES (PROVINCECODE, DIRECTION, DESTCODE, DESTNAME, DAYS, TURN) VALUES
  ('ab04', 'West', 'ab03', 'Start', 7, 20), ('ab04', 'East', 'ab05', 'Peak', NULL, 20),
  ('ab04', 'South', 'ac04', 'Saltwash', 3, 20), ('ab04', 'Down', 'ea40', 'Deep Way', 1, 20),
  ('ea40', 'East', 'ea41', 'Deep Bend', 7, 20), ('ea40', 'Up', 'ab04', 'Greenvale', 1, 20),
  ('ea41', 'West', 'ea40', 'Deep Way', 7, 20), ('ea41', 'Up', 'ab42', 'Far Shore', 1, 20);
)");

// The tunnel world, brought to the latest migration as a game opened for
// writing is, with its routes.
void addTunnelRoutes(GameFixture& game)
{
    migrateGame(game.database());
    runSql(game.session.CurrentDBName, kTunnelRoutes);
}

CliRun route(const GameFixture& game, QStringList arguments)
{
    return runCli(QStringList{QStringLiteral("route"), QStringLiteral("--db"), game.session.CurrentDBName} + arguments);
}
} // namespace

class RouteCliTest : public QObject {
    Q_OBJECT

private slots:
    void printsTheRouteLines()
    {
        GameFixture game(kWorld);
        CliRun run = route(game, {QStringLiteral("ab03"), QStringLiteral("ac6")});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(QLatin1Char('\n')),
                 (QStringList{"Travel From [ab 03]", "      to [ab 4] 7 Days (4)", "      to [ac 4] 3 Days (2)",
                              "      to [ac 5] 14 Days (7)", "      to [ac 6] 2 Days (1)", " Total travel days 26",
                              " Total travel days 14 (riding)", ""}));

        run = route(game, {QStringLiteral("--fastest"), QStringLiteral("ab03"), QStringLiteral("ac05")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(QLatin1Char('\n')),
                 (QStringList{"Travel From [ab 03]", "      to [ab 4] 7 Days (4)", "      to [ab 5] 10 Days (5)",
                              "      to [ac 5] 14 Days (7)", " Total travel days 31", " Total travel days 16 (riding)",
                              ""}));
        // A route that cannot end at sea is refused with the line that says why.
        run = route(game, {QStringLiteral("ab03"), QStringLiteral("ac06"), QStringLiteral("--fastest")});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QStringLiteral("Travel From [ab 03]\nNo fastest route: [ac 6] is at sea.\n"));
        // Nor on a terrain the game does not know, which would cost nothing.
        run = route(game, {QStringLiteral("ab03"), QStringLiteral("ad05"), QStringLiteral("--fastest")});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QStringLiteral("Travel From [ab 03]\nNo fastest route: the terrain of [ad 5] is unknown.\n"));
        // A world's terrain on the surface is land like any other.
        run = route(game, {QStringLiteral("ab03"), QStringLiteral("ab06"), QStringLiteral("--fastest")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(QLatin1Char('\n')).mid(3), (QStringList{"      to [ab 6] 7 Days (4)",
                                                                     " Total travel days 24",
                                                                     " Total travel days 13 (riding)", ""}));
    }

    void refusesRoutesBelowTheSurface()
    {
        // As travel mode: no route starts below the surface, so only the
        // reason is given; one ending there gets the start line and why.
        GameFixture game(kWorld);
        for (const QStringList& kind : {QStringList(), QStringList{QStringLiteral("--fastest")}}) {
            CliRun run = route(game, kind + QStringList{QStringLiteral("ea40"), QStringLiteral("ab03")});
            QCOMPARE((QStringList{QString::number(run.status), run.out, run.err}),
                     (QStringList{"1", "", "No route: [ea 40] is below the surface.\n"}));
            run = route(game, kind + QStringList{QStringLiteral("ab03"), QStringLiteral("ea40")});
            QCOMPARE((QStringList{QString::number(run.status), run.out, run.err}),
                     (QStringList{"1", "Travel From [ab 03]\nNo route: [ea 40] is below the surface.\n", ""}));
        }
    }

    void fastestRouteOverKnownRoutes()
    {
        GameFixture game(kTunnelWorld);
        addTunnelRoutes(game);
        // Through the tunnel below the surface, each step with its route's
        // days; ab 3's own routes are unknown, so its step is the terrain's.
        CliRun run = route(game, {QStringLiteral("--fastest"), QStringLiteral("ab03"), QStringLiteral("ab42")});
        QCOMPARE((QStringList{QString::number(run.status), run.err}), (QStringList{"0", ""}));
        QCOMPARE(run.out.split(QLatin1Char('\n')),
                 (QStringList{"Travel From [ab 03]", "      to [ab 4] 7 Days (4)", "      to [ea 40] 1 Days (1)",
                              "      to [ea 41] 7 Days (4)", "      to [ab 42] 1 Days (1)", " Total travel days 16",
                              " Total travel days 10 (riding)", ""}));
        // A start below the surface whose routes are known.
        run = route(game, {QStringLiteral("ea41"), QStringLiteral("ab03"), QStringLiteral("--fastest")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(QLatin1Char('\n')),
                 (QStringList{"Travel From [ea 41]", "      to [ea 40] 7 Days (4)", "      to [ab 4] 1 Days (1)",
                              "      to [ab 3] 7 Days (4)", " Total travel days 15", " Total travel days 9 (riding)",
                              ""}));
        // The pass to Peak is closed and no other way is known; the
        // staircase still starts no route below the surface.
        run = route(game, {QStringLiteral("--fastest"), QStringLiteral("ab03"), QStringLiteral("ab05")});
        QCOMPARE((QStringList{QString::number(run.status), run.out, run.err}),
                 (QStringList{"1", "Travel From [ab 03]\nNo known route joins [ab 3] and [ab 5] over discovered land.\n",
                              ""}));
        run = route(game, {QStringLiteral("ea41"), QStringLiteral("ab03")});
        QCOMPARE((QStringList{QString::number(run.status), run.out, run.err}),
                 (QStringList{"1", "", "No route: [ea 41] is below the surface.\n"}));
    }

    void refusesRouteDaysItCannotHold()
    {
        // Days past what the game can hold stop the command with the field
        // named, and the game is left as it was.
        GameFixture game(kTunnelWorld);
        addTunnelRoutes(game);
        const QString path = game.session.CurrentDBName;
        runSql(path, QStringLiteral("UPDATE ROUTES SET DAYS = 70000 WHERE PROVINCECODE = 'ea40' AND DIRECTION = 'East'"));
        const auto contents = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = contents();
        QVERIFY(!before.isEmpty());
        const CliRun run = route(game, {QStringLiteral("--fastest"), QStringLiteral("ab03"), QStringLiteral("ab42")});
        QCOMPARE((QStringList{QString::number(run.status), run.out, run.err}),
                 (QStringList{"1", "",
                              "Overflow: the field 'DAYS' holds '70000', which is not a whole number from -32768 to "
                              "32767.\n"}));
        QCOMPARE(contents(), before);
    }

    void refusesCodesItCannotPlace()
    {
        GameFixture game(kWorld);
        const QList<std::pair<QStringList, QString>> cases{
            {{"ab-1", "ac06"}, "There is no province \"ab-1\" on this map.\n"},
            {{"ab03", "x"}, "There is no province \"x\" on this map.\n"},
            {{"zz07", "ab03"}, "There is no province \"zz07\" on this map.\n"},
            {{"ab03", "ab100"}, "There is no province \"ab100\" on this map.\n"},
            {{"ab03", "ab3"}, "ab03 and ab3 name the same province: there is no route to plan.\n"},
        };
        for (const auto& [codes, message] : cases) {
            const CliRun run = route(game, codes);
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err, message);
            QCOMPARE(run.out, QString());
        }
        QCOMPARE(route(game, {QStringLiteral("ab03")}).status, 2);
    }
};

QTEST_GUILESS_MAIN(RouteCliTest)
#include "RouteCliTest.moc"
