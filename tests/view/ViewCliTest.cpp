// The render and show commands as a script would run them.
#include "CliRun.h"
#include "GameFixture.h"
#include "StoredRoutes.h"
#include "database/GameSession.h"
#include "model/MapModel.h"
#include "shell/SavedFile.h"
#include "view/DisplayModes.h"
#include "view/GameOpening.h"
#include "view/MapPictures.h"
#include "view/ViewCommands.h"

#include <QImage>
#include <QtTest>

using namespace arvenna;

namespace {

const QString kWorld = QStringLiteral(R"(
INSERT INTO CONTINENTES (CONTID, CONTDESCRIPTION, CONTCOLOR) VALUES (1, 'Northreach', 255);
INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID, CONTINENTID) VALUES
  (1, 'O''Brien''s Moor', 7, 2, 1, 1), (2, 'Saltwash', 8, 2, 3, 1), (3, 'Farfield', 40, 50, 4, 1);
INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE)
  VALUES (1, 1, 'C1', 'Gate', 2, 0);
)");
} // namespace

class ViewCliTest : public QObject {
    Q_OBJECT

private slots:
    void showPrintsTheDetailsList()
    {
        GameFixture game(kWorld);
        const QString db = game.session.CurrentDBName;
        const QString none = game.home.file(QStringLiteral("None.mdb"));
        QStringList seen;
        for (const QStringList& request : QList<QStringList>{{"--db", db, "ab7"}, {"--db", db, "zz07"},
                                                             {"--db", db, "ab-1"}, {"--db", db}, {"--db", none, "ab07"}}) {
            const CliRun run = runCli(QStringList{"show"} + request);
            seen << QString::number(run.status) + " | " + run.out + " | " + run.err;
        }
        QCOMPARE(seen, (QStringList{"0 |  Province (Forest) 0 Peasants\n    [ab 07] O'Brien's Moor\n"
                                    "       Gate [C1] (City)\n | ",
                                    "1 |  | There is no province \"zz07\" on this map.\n",
                                    "1 |  | There is no province \"ab-1\" on this map.\n",
                                    "2 |  | show needs --db FILE and exactly one province code.\n",
                                    "1 |  | Could not find file '" + none + "'.\n"}));
        QVERIFY(!QFile::exists(none));
    }

    void showRoutesPrintsTheRoutesAfterTheDetails()
    {
        GameFixture game(kWorld);
        const QString db = game.session.CurrentDBName;
        const QString details = " Province (Forest) 0 Peasants\n    [ab 07] O'Brien's Moor\n       Gate [C1] (City)\n";
        // An older game, read only: no route table, so no routes, and the game left as it was.
        const QByteArray before = fileBytes(db);
        CliRun run = runCli({"show", "--db", db, "ab07", "--routes"});
        QCOMPARE(run.out + run.err + QString::number(run.status), details + "No routes known.\n0");
        QCOMPARE(fileBytes(db), before);

        storeRoutes(db, {{"ab07", "Down", "ea07", "Tunnel", 1, 24},
                         {"ab07", "West", "ab06", "Swamp", QVariant(), 23},
                         {"ab07", "North", "aa07", "Forest", 8, 24},
                         {"ab08", "West", "ab07", "Forest", 6, 24}});
        run = runCli({"show", "--routes", "--db", db, "ab07"});
        QCOMPARE(run.out + run.err + QString::number(run.status),
                 details
                     + "North, to Forest [aa07], 8 days, turn 24\n"
                       "West, to Swamp [ab06], impassable, turn 23\n"
                       "Down, to Tunnel [ea07], 1 day, turn 24\n0");
        // Without the option the output stays the details list alone.
        run = runCli({"show", "--db", db, "ab07"});
        QCOMPARE(run.out + run.err + QString::number(run.status), details + "0");
        run = runCli({"show", "--db", db, "ab09", "--routes"});
        QCOMPARE(run.out + run.err + QString::number(run.status), "    [ab 09]  - no info - \nNo routes known.\n0");
    }

    void renderDrawsTheMapWindow()
    {
        GameFixture game(kWorld);
        const QString db = game.session.CurrentDBName;
        const QString png = game.home.file(QStringLiteral("map.png"));
        const CliRun run =
            runCli({"render", "--db", db, "-o", png, "--mode", "continent", "--zoom", "15", "--origin", "35,45"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);

        // The same picture as the program's own pictures of that view.
        GameSession session;
        MapModel model;
        MapView view;
        openGame(db, session, model, view);
        MapSizeClick(view, 4);
        view.X0 = 35;
        view.Y0 = 45;
        SetDisplayMode(view, 2);
        MapPictures pictures;
        pictures.DrawMapWindow(model, view, true);
        const QImage expected = pictures.mapWindow();
        QCOMPARE(QImage(png).convertToFormat(expected.format()), expected);
        // Farfield (40, row 50) in its region's red.
        QCOMPARE(expected.pixelColor(MapPictures::mapOrigin() + QPoint(5 * 40 + 20, 4 * 40 + 20)), QColor(255, 0, 0));
    }

    void renderRefusesBadRequests()
    {
        GameFixture game(kWorld);
        const QString db = game.session.CurrentDBName;
        const QString png = game.home.file(QStringLiteral("bad.png"));
        const QStringList base{"render", "--db", db, "-o", png};
        const QList<QPair<QStringList, QString>> cases{
            {{"--mode", "terrain"},
             "Unknown mode \"terrain\"; choose one of info, travel, continent, ruler, alliance, change, market.\n"},
            {{"--zoom", "20"}, "Unknown zoom \"20\"; choose one of 100, 75, 50, 30, 15.\n"},
            {{"--origin", "3"}, "The origin \"3\" is not COL,ROW.\n"},
            {{"--origin", "71,0"}, "The origin 71,0 lies outside the map; at zoom 30 it runs from 0,0 to 70,70.\n"},
            {{"--zoom", "100", "--origin", "0,-1"},
             "The origin 0,-1 lies outside the map; at zoom 100 it runs from 0,0 to 0,0.\n"},
        };
        for (const auto& [options, message] : cases) {
            const CliRun run = runCli(base + options);
            QCOMPARE(run.status, 2);
            QCOMPARE(run.err, message);
        }
        QCOMPARE(runCli({"render", "--db", db}).status, 2);
        QVERIFY(!QFile::exists(png));
    }

    void renderNeverLeavesHalfAPicture()
    {
        GameFixture game(kWorld);
        const QString db = game.session.CurrentDBName;
        const QString missing = game.home.file(QStringLiteral("no/such/dir/map.png"));
        CliRun run = runCli({"render", "--db", db, "-o", missing});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("Could not write the picture \"%1\": ").arg(missing)),
                 qPrintable(run.err));
        if (QFileInfo(QStringLiteral("/dev/full")).exists()) {
            run = runCli({"render", "--db", db, "-o", "/dev/full"});
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err, QStringLiteral("Could not write the picture \"/dev/full\": No space left on device\n"));
            QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile()); // still the device
        }

        // A writer that stops halfway leaves the good file as it was, and no temporary file.
        const QString png = game.home.file(QStringLiteral("good.png"));
        game.home.writeFile(QStringLiteral("good.png"), "a good picture");
        const QStringList before = QDir(game.home.path()).entryList(QDir::Files);
        const auto halfWritten = [](QIODevice& file) {
            file.write("half a pic");
            return false;
        };
        QCOMPARE(saveWholeFile(png, halfWritten), QStringLiteral("the content could not be made"));
        QCOMPARE(fileBytes(png), QByteArray("a good picture"));
        QCOMPARE(QDir(game.home.path()).entryList(QDir::Files), before);
        QCOMPARE(saveWholeFile(png, [](QIODevice& file) { return file.write("new") == 3; }), QString());
        QCOMPARE(fileBytes(png), QByteArray("new"));
    }
};

QTEST_GUILESS_MAIN(ViewCliTest)
#include "ViewCliTest.moc"
