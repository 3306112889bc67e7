#include "Startup.h"

#include "AppState.h"
#include "MainWindow.h"
#include "database/DatabaseController.h"
#include "parser/ParserController.h"
#include "shell/ProgramDirectory.h"
#include "shell/ReportsDirectory.h"
#include "view/ViewController.h"

namespace arvenna {

namespace {
void connectDatabaseCommands(MainWindow& window, DatabaseController& database, ViewController& view)
{
    QObject::connect(&window, &MainWindow::databaseChosen, &database, &DatabaseController::openMap);
    QObject::connect(&window, &MainWindow::repairChosen, &database, &DatabaseController::repair);
    QObject::connect(&window, &MainWindow::compactChosen, &database, &DatabaseController::compact);
    QObject::connect(&window, &MainWindow::closeMapChosen, &database, &DatabaseController::closeMap);
    QObject::connect(&window, &MainWindow::purgeChosen, &database, &DatabaseController::purge);
    QObject::connect(&database, &DatabaseController::databaseMenusChanged, &window, &MainWindow::showDatabaseMenus);
    QObject::connect(&database, &DatabaseController::mapOpening, &window, &MainWindow::showMapOpening);
    QObject::connect(&database, &DatabaseController::mapOpened, &window, &MainWindow::showMapModel);
    QObject::connect(&database, &DatabaseController::mapOpened, &view, &ViewController::mapLoaded);
    QObject::connect(&database, &DatabaseController::mapClosed, &window, &MainWindow::showMapClosed);
    QObject::connect(&database, &DatabaseController::mapClosed, &view, &ViewController::mapClosed);
}

void connectParserCommands(MainWindow& window, ParserController& parser, DatabaseController& database,
                           ViewController& view)
{
    QObject::connect(&window, &MainWindow::reportParserChosen, &parser, &ParserController::openWindow);
    QObject::connect(&parser, &ParserController::mapReloaded, &window, &MainWindow::showMapModel);
    QObject::connect(&parser, &ParserController::mapReloaded, &view, &ViewController::mapLoaded);
    QObject::connect(&parser, &ParserController::mapLost, &database, &DatabaseController::closeMap);
}

void connectViewCommands(MainWindow& window, ViewController& view)
{
    QObject::connect(&window, &MainWindow::displayModeChosen, &view, &ViewController::setDisplayMode);
    QObject::connect(&window, &MainWindow::zoomChosen, &view, &ViewController::zoom);
    QObject::connect(&window, &MainWindow::scrollChosen, &view, &ViewController::scroll);
    QObject::connect(&window, &MainWindow::mapPressed, &view, &ViewController::pressOnMap);
    QObject::connect(&window, &MainWindow::detailLineClicked, &view, &ViewController::showCitySkills);
    QObject::connect(&view, &ViewController::viewChanged, &window, &MainWindow::showView);
    QObject::connect(&view, &ViewController::modeSwitched, &window, &MainWindow::showModeSwitch);
    QObject::connect(&view, &ViewController::provinceShown, &window, &MainWindow::showProvinceInfo);
    QObject::connect(&view, &ViewController::provincePopupRequested, &window, &MainWindow::showProvincePopup);
}
} // namespace

std::unique_ptr<MainWindow> startUp(AppState& state, QSettings& settings, UserDialogue& dialogue)
{
    auto window = std::make_unique<MainWindow>(state, dialogue);
    auto* database = new DatabaseController(state, dialogue, window.get());
    auto* view = new ViewController(state, dialogue, window.get());
    connectDatabaseCommands(*window, *database, *view);
    connectViewCommands(*window, *view);
    auto* parser = new ParserController(state, dialogue, settings, window.get());
    connectParserCommands(*window, *parser, *database, *view);
    state.externalApplications = readExternalApplications(programFile(state.programDirectory, kConfigFileName));
    window->showExternalApplications();
    state.RepsDirectory = readRepsDirectory(settings, state.programDirectory);
    if (!database->discover())
        return nullptr;
    return window;
}

} // namespace arvenna
