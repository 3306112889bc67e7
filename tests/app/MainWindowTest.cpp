// Start-up and the menus of the main window, driven as a player would.
#include "StartedProgram.h"
#include "shell/AppState.h"
#include "shell/MainWindow.h"
#include "shell/PreferencesWindow.h"
#include "shell/Startup.h"
#include "view/MapPictures.h"
#include "view/MapWindowWidget.h"
#include "view/TerrainLegend.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

using namespace arvenna;

namespace {
// The window, menus and view of no open map, as "&Close Map" leaves them.
void verifyClosed(const Started& app)
{
    QVERIFY(!app.state.game.isOpen());
    QVERIFY(!app.state.view.MapOpen);
    QCOMPARE(app.state.view.CheckedMode, 0);
    QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer"));
    QVERIFY(app.all(QStringLiteral("mnOptions")).at(0)->isChecked());
    QVERIFY(!app.find(QStringLiteral("cloMap"))->isEnabled());
    QVERIFY(!app.find(QStringLiteral("delbase"))->isEnabled());
    QVERIFY(app.find<QMenu>(QStringLiteral("dbtools"))->isEnabled());
    QVERIFY(!app.find<QMenu>(QStringLiteral("arvtools"))->isEnabled());
    QCOMPARE(app.field(QStringLiteral("Text3")), QString());
    QVERIFY(!app.all<QToolButton>(QStringLiteral("Command1")).at(1)->isEnabled());
    QCOMPARE(app.details(), QStringList());
}
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheGamesListed()
    {
        Started app;
        QVERIFY(app.window);
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer"));
        QCOMPARE(texts(app.all(QStringLiteral("RepHead"))),
                 (QStringList{"Arvenna G2 [Arvenna.mdb]", "QVR game 1 [Quorvane.mdb]"}));
        QCOMPARE(texts(app.all(QStringLiteral("RepDBItem"))), texts(app.all(QStringLiteral("RepHead"))));
        QCOMPARE(texts(app.all(QStringLiteral("CompDBItem"))), texts(app.all(QStringLiteral("RepHead"))));
        QVERIFY(app.find<QMenu>(QStringLiteral("dbtools"))->menuAction()->isVisible());
        QVERIFY(!app.find(QStringLiteral("cloMap"))->isEnabled());
        QVERIFY(!app.find(QStringLiteral("delbase"))->isEnabled());
        QVERIFY(!app.find<QMenu>(QStringLiteral("arvtools"))->isEnabled());
        const QList<QAction*> external = app.all(QStringLiteral("externDinamApp"));
        QCOMPARE(texts(external), QStringList{"None Found"});
        QVERIFY(!external.first()->isEnabled());
        QCOMPARE(app.state.RepsDirectory, app.home.path());
        QCOMPARE(app.all(QStringLiteral("mnOptions")).size(), 7);
        QCOMPARE(texts(app.all(QStringLiteral("MapSize"))),
                 (QStringList{"Entire Map", "[75x75] Big Map", "[50x50] Normal Map", "[30x30] Small Map",
                              "[15x15] Detail Map"}));
        QVERIFY(app.window->findChild<QAction*>(QStringLiteral("abtmn")));
        QCOMPARE(app.dialogue.shown.size(), 0);
    }

    void opensAndClosesAMap()
    {
        Started app;
        app.all(QStringLiteral("RepHead")).at(0)->trigger();
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer  (Arvenna G2 [Arvenna.mdb])"));
        QVERIFY(app.state.game.isOpen());
        QCOMPARE(app.state.game.CurrentDBName, app.home.file(QStringLiteral("Arvenna.mdb")));
        QCOMPARE(app.state.game.CurrentDBDesc, QStringLiteral("Arvenna G2"));
        QVERIFY(app.find(QStringLiteral("cloMap"))->isEnabled());
        QVERIFY(app.find(QStringLiteral("delbase"))->isEnabled());
        QVERIFY(app.find<QMenu>(QStringLiteral("arvtools"))->isEnabled());
        QVERIFY(!app.find<QMenu>(QStringLiteral("dbtools"))->isEnabled());
        QVERIFY(app.find<QMenu>(QStringLiteral("parworld"))->menuAction()->isEnabled());
        QVERIFY(app.find(QStringLiteral("RepParser"))->isEnabled());
        // The load ends by showing the selected province, the first one.
        QCOMPARE(app.details(), QStringList{"    [aa 00]  - no info - "});
        QCOMPARE(app.field(QStringLiteral("OutProvinceCoord")), QStringLiteral("aa 00"));

        app.find(QStringLiteral("cloMap"))->trigger();
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer"));
        QVERIFY(!app.state.game.isOpen());
        QVERIFY(!app.find(QStringLiteral("cloMap"))->isEnabled());
        QVERIFY(app.find<QMenu>(QStringLiteral("dbtools"))->isEnabled());
        QCOMPARE(app.details(), QStringList());
    }

    void openingFillsTheChoiceLists()
    {
        Started app;
        runSql(app.home.file(QStringLiteral("Quorvane.mdb")),
               QStringLiteral("DELETE FROM LOCATIONTYPE; UPDATE TERRAIN SET TERRAINDESCRIPTION = 'Inferno' WHERE TERRAINID = 9;"
                              "INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Emberfall', 0, 1, 9)"));
        auto* terrain = app.find<QComboBox>(QStringLiteral("CmbProvTerrain"));
        auto* cityType = app.find<QComboBox>(QStringLiteral("CmbLocalType"));
        auto* legend = app.find<TerrainLegend>(QStringLiteral("TerrainLegend"));
        app.all(QStringLiteral("RepHead")).at(0)->trigger();
        QCOMPARE(terrain->count(), 12);
        QCOMPARE(terrain->itemText(0), QStringLiteral("[None]"));
        QCOMPARE(terrain->itemText(3), QStringLiteral("Great Sea"));
        QCOMPARE(terrain->itemData(3).toString(), QStringLiteral("3"));
        QCOMPARE(cityType->count(), 3);
        QCOMPARE(app.find<QComboBox>(QStringLiteral("CmbInnerType"))->itemText(16), QStringLiteral("Ruins"));
        QVERIFY(app.find<QLineEdit>(QStringLiteral("TxtProvName"))->isEnabled());
        QCOMPARE(legend->swatchColours().value(0), QColor(0, 128, 0)); // Forest
        QCOMPARE(legend->swatchColours().value(9), QColor(255, 0, 0)); // Hades

        // A second game in the same run, straight from the first in change
        // mode: everything follows the new database, the panel included, and
        // the window starts in info mode as after "&Close Map".
        app.all(QStringLiteral("mnOptions")).at(5)->trigger();
        app.all(QStringLiteral("RepHead")).at(1)->trigger();
        QVERIFY(app.shows(QStringLiteral("TabInfo")));
        QVERIFY(!app.shows(QStringLiteral("TabMaintain")));
        QVERIFY(app.all(QStringLiteral("mnOptions")).at(0)->isChecked());
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer  (QVR game 1 [Quorvane.mdb])"));
        QCOMPARE(app.state.game.CurrentDBDesc, QStringLiteral("QVR game 1"));
        QCOMPARE(cityType->count(), 1);
        QCOMPARE(cityType->currentIndex(), 0);
        QCOMPARE(terrain->itemText(9), QStringLiteral("Inferno"));
        QCOMPARE(legend->swatchColours().value(9), QColor(Qt::black)); // no "Hades" terrain
        QCOMPARE(app.details(), (QStringList{" Province (Inferno) 0 Peasants", "    [aa 00] Emberfall"}));
        QCOMPARE(terrain->currentText(), QStringLiteral("Inferno"));

        // And back to the first after closing.
        app.find(QStringLiteral("cloMap"))->trigger();
        app.all(QStringLiteral("RepHead")).at(0)->trigger();
        QCOMPARE(cityType->count(), 3);
        QCOMPARE(app.details(), QStringList{"    [aa 00]  - no info - "});
        QCOMPARE(app.dialogue.shown.size(), 0);
    }

    void aMapThatCannotOpenClosesTheMapShown()
    {
        Started app;
        runSql(app.home.file(QStringLiteral("Arvenna.mdb")),
               QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Huge', 1, 1, 70000)"));
        app.all(QStringLiteral("RepHead")).at(0)->trigger();
        QVERIFY(!app.state.game.isOpen());
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer"));
        QCOMPARE(app.dialogue.shown.size(), 1);
        QCOMPARE(app.dialogue.shown.first().icon, MessageIcon::Critical);

        // A file that is no longer a database, chosen while a map is open,
        // closes that map as "&Close Map" does.
        app.all(QStringLiteral("RepHead")).at(1)->trigger();
        QVERIFY(app.state.view.MapOpen);
        app.all(QStringLiteral("mnOptions")).at(2)->trigger();
        app.home.writeFile(QStringLiteral("Quorvane.mdb"), "overwritten since the menus were built");
        app.all(QStringLiteral("RepHead")).at(1)->trigger();
        QCOMPARE(app.dialogue.shown.size(), 2);
        QCOMPARE(app.dialogue.shown.last().icon, MessageIcon::Critical);
        verifyClosed(app);
    }

    void purgeAndRediscover()
    {
        Started app;
        app.all(QStringLiteral("RepHead")).at(1)->trigger();
        app.all(QStringLiteral("mnOptions")).at(2)->trigger();
        app.dialogue.answers.enqueue(DialogueAnswer::No);
        app.find(QStringLiteral("delbase"))->trigger();
        QVERIFY(app.state.game.isOpen());
        QVERIFY(app.state.view.MapOpen);

        app.dialogue.answers.enqueue(DialogueAnswer::Yes); // Enter alone answers No
        app.find(QStringLiteral("delbase"))->trigger();
        QVERIFY(!QFile::exists(app.home.file(QStringLiteral("Quorvane.mdb"))));
        QCOMPARE(texts(app.all(QStringLiteral("RepHead"))), QStringList{"Arvenna G2 [Arvenna.mdb]"});
        verifyClosed(app);
    }

    void selectingAndViewingTheMap()
    {
        Started app;
        const QString path = app.home.file(QStringLiteral("Arvenna.mdb"));
        runSql(path, QStringLiteral(
            "INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES (1, 'Greenvale', 2, 3, 4);"
            "INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE) VALUES (1, 1, '2360', 'Oakford', 2, 1);"
            "INSERT INTO MARKETTRANSACTIONS (LocalID, ItemID, TransactionType, TransactionQuantity, TransactionCost, TurnNo) VALUES (1, 1, 'S', 10, 5, 12)"));
        app.all(QStringLiteral("RepHead")).at(0)->trigger();
        const QList<QAction*> modes = app.all(QStringLiteral("mnOptions"));
        const QList<QAction*> zooms = app.all(QStringLiteral("MapSize"));
        const QList<QLineEdit*> origin = app.all<QLineEdit>(QStringLiteral("Text1"));
        const QList<QToolButton*> columns = app.all<QToolButton>(QStringLiteral("Command1"));
        const QList<QToolButton*> rows = app.all<QToolButton>(QStringLiteral("Command2"));
        QCOMPARE(app.field(QStringLiteral("Text3")), QStringLiteral("30"));
        QCOMPARE(origin.at(0)->text(), QStringLiteral("0"));
        QVERIFY(zooms.at(3)->isChecked());

        // The widget copies the retained pictures: the same pixels as the
        // render command's picture, whole and in any exposed part.
        auto* map = app.find<MapWindowWidget>(QStringLiteral("Picture1a"));
        const QImage window = app.state.pictures.mapWindow().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(map->grab().toImage().convertToFormat(QImage::Format_RGB32), window);
        for (const QRect part : {QRect(0, 0, 40, 30), QRect(10, 200, 300, 50), QRect(590, 590, 28, 28)})
            QCOMPARE(map->grab(part).toImage().convertToFormat(QImage::Format_RGB32), window.copy(part));

        // A press on ac02 (column 2, row 3) with each cell 300 twips wide.
        const QPointF ac02(2 * 300 + 150, 2 * 300 + 150);
        emit map->mapPressed(ac02, Qt::LeftButton);
        QCOMPARE(app.details().value(0), QStringLiteral("-------------------- SAFE HAVEN --------------------"));
        QCOMPARE(app.field(QStringLiteral("TxtProvName")), QStringLiteral("Greenvale"));
        QCOMPARE(app.find<QComboBox>(QStringLiteral("CmbProvTerrain"))->currentText(), QStringLiteral("Plain"));
        QCOMPARE(app.find<QListWidget>(QStringLiteral("LstMarket"))->count(), 7);

        // The mode decides the panel.
        auto* popup = app.find<QMenu>(QStringLiteral("delProvMn"));
        modes.at(5)->trigger();
        QVERIFY(app.shows(QStringLiteral("TabMaintain")));
        QVERIFY(!app.shows(QStringLiteral("TabInfo")));
        QVERIFY(popup->actions().at(1)->isVisible()); // Copy
        modes.at(6)->trigger();
        QVERIFY(app.shows(QStringLiteral("TabMarketTable")));
        QVERIFY(!popup->actions().at(1)->isVisible());
        modes.at(0)->trigger();
        QVERIFY(app.shows(QStringLiteral("TabInfo")));

        // Zoom and scroll move the window within the world.
        zooms.at(4)->trigger();
        QCOMPARE(app.field(QStringLiteral("Text3")), QStringLiteral("15"));
        columns.at(0)->click();
        QCOMPARE(origin.at(0)->text(), QStringLiteral("0"));
        columns.at(1)->click();
        rows.at(1)->click();
        QCOMPARE(origin.at(0)->text(), QStringLiteral("1"));
        QCOMPARE(origin.at(1)->text(), QStringLiteral("1"));

        // A press outside the grid selects nothing new.
        emit map->mapPressed(QPointF(-10, -10), Qt::LeftButton);
        QCOMPARE(app.field(QStringLiteral("TxtProvName")), QStringLiteral("Greenvale"));

        app.find(QStringLiteral("cloMap"))->trigger();
        verifyClosed(app);
        QCOMPARE(app.dialogue.shown.size(), 0);
    }

    void maintenanceMenusAndExternalApplications()
    {
        Started app("[EXTERNAL APP]\nAPP ENTRY=Order Checker\nAPP PATH=/bin/true\n");
        const QList<QAction*> external = app.all(QStringLiteral("externDinamApp"));
        QCOMPARE(texts(external), QStringList{"Order Checker"});
        QVERIFY(external.first()->isEnabled());

        app.all(QStringLiteral("RepDBItem")).at(0)->trigger();
        app.all(QStringLiteral("CompDBItem")).at(1)->trigger();
        QCOMPARE(app.dialogue.texts(),
                 (QStringList{"Process completed Sucessfully!\n[" + app.home.file("Arvenna.mdb") + "]",
                              "Process completed Sucessfully!\n[" + app.home.file("Quorvane.mdb") + "]"}));
    }

    void exitAsksFirst()
    {
        Started app;
        app.window->show();
        app.dialogue.answers.enqueue(DialogueAnswer::Cancel);
        QVERIFY(!app.window->close());
        QCOMPARE(app.dialogue.shown.last(),
                 (ScriptedDialogue::Shown{"Leaving so soon...?", "Are you sure?", MessageIcon::Question}));
        QVERIFY(app.window->close()); // answered OK
    }

    void aboutWithoutPictures()
    {
        Started app; // its program directory has no Pictures folder
        app.find(QStringLiteral("abtmn"))->trigger();
        auto* about = app.window->findChild<QDialog*>(QStringLiteral("FormAbout"));
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About MapViewer"));
        QVERIFY(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text().startsWith(QStringLiteral("Version ")));
        QVERIFY(about->findChild<QLabel*>(QStringLiteral("AboutPicture"))->pixmap().isNull());
    }

    void preferencesChooseADirectory()
    {
        TestHome home;
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("reports/turn 12")));
        PreferencesWindow window(home.path(), home.path(), nullptr);
        QCOMPARE(window.chosenDirectory(), home.path());
        window.setChosenDirectory(home.file(QStringLiteral("reports/turn 12")));
        QCOMPARE(window.chosenDirectory(), home.file(QStringLiteral("reports/turn 12")));
    }

    void noDatabaseEndsTheStart()
    {
        TestHome home;
        AppState state;
        state.programDirectory = home.path();
        ScriptedDialogue dialogue;
        QSettings settings(home.file(QStringLiteral("settings.ini")), QSettings::IniFormat);
        QVERIFY(!startUp(state, settings, dialogue));
        QCOMPARE(dialogue.texts(), QStringList{"Could not find any database, location must be the same as database"});
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
