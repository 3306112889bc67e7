// Start-up and the menus of the main window, driven as a player would.
#include "ScriptedDialogue.h"
#include "TestHome.h"
#include "database/DatabaseController.h"
#include "editing/MaintenancePanel.h"
#include "view/TerrainLegend.h"
#include "view/InfoPanel.h"
#include "view/MapPanel.h"
#include "view/MarketPanel.h"
#include "view/MapWindowWidget.h"
#include "view/ViewController.h"
#include "shell/AppState.h"
#include "shell/MainWindow.h"
#include "shell/PreferencesWindow.h"
#include "shell/Startup.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QtTest>

using namespace arvenna;

namespace {
QStringList texts(const QList<QAction*>& actions)
{
    QStringList result;
    for (const QAction* action : actions)
        result << action->text();
    return result;
}

struct Started {
    TestHome home;
    AppState state;
    ScriptedDialogue dialogue;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<MainWindow> window;

    explicit Started(const QByteArray& config = QByteArray())
    {
        home.addGameDatabase(QStringLiteral("Arvenna.mdb"));
        home.addGameDatabase(QStringLiteral("Quorvane.mdb"));
        if (!config.isEmpty())
            home.writeFile(QStringLiteral("ConfigFile.arv"), config);
        state.programDirectory = home.path();
        settings = std::make_unique<QSettings>(home.file(QStringLiteral("settings.ini")), QSettings::IniFormat);
        window = startUp(state, *settings, dialogue);
    }
};
} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheGamesListed()
    {
        Started app;
        QVERIFY(app.window);
        MainMenus& menus = app.window->menus();
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer"));
        QCOMPARE(texts(menus.RepHead), (QStringList{"Arvenna G2 [Arvenna.mdb]", "QVR game 1 [Quorvane.mdb]"}));
        QCOMPARE(texts(menus.RepDBItem), texts(menus.RepHead));
        QCOMPARE(texts(menus.CompDBItem), texts(menus.RepHead));
        QVERIFY(menus.dbtools->menuAction()->isVisible());
        QVERIFY(!menus.cloMap->isEnabled());
        QVERIFY(!menus.delbase->isEnabled());
        QVERIFY(!menus.arvtools->isEnabled());
        QCOMPARE(texts(menus.externDinamApp), QStringList{"None Found"});
        QVERIFY(!menus.externDinamApp.first()->isEnabled());
        QCOMPARE(app.state.RepsDirectory, app.home.path());
        QCOMPARE(texts(menus.mnOptions).size(), 7);
        QCOMPARE(texts(menus.MapSize), (QStringList{"Entire Map", "[75x75] Big Map", "[50x50] Normal Map",
                                                    "[30x30] Small Map", "[15x15] Detail Map"}));
        QVERIFY(app.window->findChild<QAction*>(QStringLiteral("abtmn")));
        QCOMPARE(app.dialogue.shown.size(), 0);
    }

    void opensAndClosesAMap()
    {
        Started app;
        MainMenus& menus = app.window->menus();
        menus.RepHead.at(0)->trigger();
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer  (Arvenna G2 [Arvenna.mdb])"));
        QVERIFY(app.state.game.isOpen());
        QCOMPARE(app.state.game.CurrentDBName, app.home.file(QStringLiteral("Arvenna.mdb")));
        QCOMPARE(app.state.game.CurrentDBDesc, QStringLiteral("Arvenna G2"));
        QVERIFY(menus.cloMap->isEnabled());
        QVERIFY(menus.delbase->isEnabled());
        QVERIFY(menus.arvtools->isEnabled());
        QVERIFY(!menus.dbtools->isEnabled());
        // Entries whose windows the program does not have yet stay disabled.
        QVERIFY(!menus.parworld->menuAction()->isEnabled());
        QVERIFY(!menus.RepParser->isEnabled());

        menus.cloMap->trigger();
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer"));
        QVERIFY(!app.state.game.isOpen());
        QVERIFY(!menus.cloMap->isEnabled());
        QVERIFY(menus.dbtools->isEnabled());
    }

    void openingFillsTheChoiceLists()
    {
        Started app;
        runSql(app.home.file(QStringLiteral("Quorvane.mdb")),
               QStringLiteral("DELETE FROM LOCATIONTYPE; UPDATE TERRAIN SET TERRAINDESCRIPTION = 'Inferno' WHERE TERRAINID = 9"));
        MainMenus& menus = app.window->menus();
        MaintenancePanel& frames = app.window->maintenancePanel();
        menus.RepHead.at(0)->trigger();
        QCOMPARE(frames.CmbProvTerrain->count(), 12);
        QCOMPARE(frames.CmbProvTerrain->itemText(0), QStringLiteral("[None]"));
        QCOMPARE(frames.CmbProvTerrain->itemText(3), QStringLiteral("Great Sea"));
        QCOMPARE(frames.CmbProvTerrain->itemData(3).toString(), QStringLiteral("3"));
        QCOMPARE(frames.CmbLocalType->count(), 3);
        QCOMPARE(frames.CmbInnerType->itemText(16), QStringLiteral("Ruins"));
        QVERIFY(frames.TxtProvName->isEnabled());
        const QList<QColor> colours = app.window->terrainLegend().swatchColours();
        QCOMPARE(colours.value(0), QColor(0, 128, 0)); // Forest
        QCOMPARE(colours.value(9), QColor(255, 0, 0)); // Hades

        // A second game in the same run: the lists follow the new database.
        menus.cloMap->trigger();
        menus.RepHead.at(1)->trigger();
        QCOMPARE(frames.CmbLocalType->count(), 1);
        QCOMPARE(frames.CmbLocalType->currentIndex(), 0);
        QCOMPARE(frames.CmbProvTerrain->itemText(9), QStringLiteral("Inferno"));
        QCOMPARE(app.window->terrainLegend().swatchColours().value(9), QColor(Qt::black)); // no "Hades" terrain
        QCOMPARE(app.dialogue.shown.size(), 0);
    }

    void aMapThatCannotLoadStaysClosed()
    {
        Started app;
        runSql(app.home.file(QStringLiteral("Arvenna.mdb")),
               QStringLiteral("INSERT INTO PROVINCIAS (PROVINCIANAME, XORD, YORD, TERRAINID) VALUES ('Huge', 1, 1, 70000)"));
        app.window->menus().RepHead.at(0)->trigger();
        QVERIFY(!app.state.game.isOpen());
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer"));
        QCOMPARE(app.dialogue.shown.size(), 1);
        QCOMPARE(app.dialogue.shown.first().icon, MessageIcon::Critical);
    }

    void selectingAndViewingTheMap()
    {
        Started app;
        const QString path = app.home.file(QStringLiteral("Arvenna.mdb"));
        runSql(path, QStringLiteral(
            "INSERT INTO PROVINCIAS (PROVINCIAID, PROVINCIANAME, XORD, YORD, TERRAINID) VALUES (1, 'Greenvale', 2, 3, 4);"
            "INSERT INTO LOCALS (LOCALID, PROVINCEID, LOCALNUMBER, LocalName, LocationTypeID, PROVINCIASAFE) VALUES (1, 1, '2360', 'Oakford', 2, 1);"
            "INSERT INTO MARKETTRANSACTIONS (LocalID, ItemID, TransactionType, TransactionQuantity, TransactionCost, TurnNo) VALUES (1, 1, 'S', 10, 5, 12)"));
        MainMenus& menus = app.window->menus();
        menus.RepHead.at(0)->trigger();
        MapPanel& map = app.window->mapPanel();
        QCOMPARE(map.Text3->text(), QStringLiteral("30"));
        QCOMPARE(map.Text1[0]->text(), QStringLiteral("0"));
        QVERIFY(menus.MapSize.at(3)->isChecked());
        QCOMPARE(map.map->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 app.state.pictures.mapWindow().convertToFormat(QImage::Format_RGB32));

        // A press on ac02 (column 2, row 3) with each cell 300 twips wide.
        const QPointF ac02(2 * 300 + 150, 2 * 300 + 150);
        emit map.map->mapPressed(ac02, Qt::LeftButton);
        QListWidget* details = app.window->infoPanel().LstShowDet;
        QCOMPARE(details->item(0)->text(), QStringLiteral("-------------------- SAFE HAVEN --------------------"));
        QCOMPARE(app.window->maintenancePanel().TxtProvName->text(), QStringLiteral("Greenvale"));
        QCOMPARE(app.window->maintenancePanel().CmbProvTerrain->currentText(), QStringLiteral("Plain"));
        QCOMPARE(app.window->marketPanel().LstMarket->count(), 7);

        // The mode decides the panel.
        menus.mnOptions.at(5)->trigger();
        QVERIFY(app.window->maintenancePanel().isVisibleTo(app.window.get()));
        QVERIFY(!app.window->infoPanel().isVisibleTo(app.window.get()));
        QVERIFY(app.window->provincePopup().actions().at(1)->isVisible()); // Copy
        menus.mnOptions.at(6)->trigger();
        QVERIFY(app.window->marketPanel().isVisibleTo(app.window.get()));
        QVERIFY(!app.window->provincePopup().actions().at(1)->isVisible());
        menus.mnOptions.at(0)->trigger();
        QVERIFY(app.window->infoPanel().isVisibleTo(app.window.get()));

        // Zoom and scroll move the window within the world.
        menus.MapSize.at(4)->trigger();
        QCOMPARE(map.Text3->text(), QStringLiteral("15"));
        map.Command1[0]->click();
        QCOMPARE(map.Text1[0]->text(), QStringLiteral("0"));
        map.Command1[1]->click();
        map.Command2[1]->click();
        QCOMPARE(map.Text1[0]->text(), QStringLiteral("1"));
        QCOMPARE(map.Text1[1]->text(), QStringLiteral("1"));

        // A press outside the grid selects nothing new.
        emit map.map->mapPressed(QPointF(-10, -10), Qt::LeftButton);
        QCOMPARE(app.window->maintenancePanel().TxtProvName->text(), QStringLiteral("Greenvale"));

        menus.cloMap->trigger();
        QCOMPARE(map.Text3->text(), QString());
        QVERIFY(!map.Command1[0]->isEnabled());
        QCOMPARE(details->count(), 0);
        QCOMPARE(app.dialogue.shown.size(), 0);
    }

    void purgeAndRediscover()
    {
        Started app;
        MainMenus& menus = app.window->menus();
        menus.RepHead.at(1)->trigger();
        app.dialogue.answers.enqueue(DialogueAnswer::No);
        menus.delbase->trigger();
        QVERIFY(app.state.game.isOpen());

        menus.delbase->trigger(); // answered Yes
        QVERIFY(!app.state.game.isOpen());
        QVERIFY(!QFile::exists(app.home.file(QStringLiteral("Quorvane.mdb"))));
        QCOMPARE(texts(menus.RepHead), QStringList{"Arvenna G2 [Arvenna.mdb]"});
        QCOMPARE(app.window->windowTitle(), QStringLiteral("MapViewer"));
    }

    void maintenanceMenusAndExternalApplications()
    {
        Started app("[EXTERNAL APP]\nAPP ENTRY=Order Checker\nAPP PATH=/bin/true\n");
        MainMenus& menus = app.window->menus();
        QCOMPARE(texts(menus.externDinamApp), QStringList{"Order Checker"});
        QVERIFY(menus.externDinamApp.first()->isEnabled());

        menus.RepDBItem.at(0)->trigger();
        menus.CompDBItem.at(1)->trigger();
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
        app.window->menus().abtmn->trigger();
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
