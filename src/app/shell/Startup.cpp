#include "Startup.h"

#include "AppState.h"
#include "MainWindow.h"
#include "database/DatabaseController.h"
#include "editing/EditingController.h"
#include "export/ExportController.h"
#include "find/FindController.h"
#include "parser/ParserController.h"
#include "shell/ProgramDirectory.h"
#include "shell/ReportsDirectory.h"
#include "travel/TravelController.h"
#include "view/MapWindowWidget.h"
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
    QObject::connect(&window, &MainWindow::createDatabaseChosen, &database, &DatabaseController::createDatabase);
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
    QObject::connect(&window, &MainWindow::undoProcessingChosen, &parser, &ParserController::undoLastRun);
    QObject::connect(&parser, &ParserController::undoAvailable, &window, &MainWindow::showUndoAvailable);
    QObject::connect(&database, &DatabaseController::mapOpened, &parser, &ParserController::refreshUndo);
    QObject::connect(&database, &DatabaseController::mapClosed, &parser, &ParserController::refreshUndo);
}

void connectViewCommands(MainWindow& window, ViewController& view)
{
    QObject::connect(&window, &MainWindow::displayModeChosen, &view, &ViewController::setDisplayMode);
    QObject::connect(&window, &MainWindow::zoomChosen, &view, &ViewController::zoom);
    QObject::connect(&window, &MainWindow::scrollChosen, &view, &ViewController::scroll);
    QObject::connect(&window, &MainWindow::mapPressed, &view, &ViewController::pressOnMap);
    QObject::connect(&window, &MainWindow::detailLineClicked, &view, &ViewController::showCitySkills);
    QObject::connect(&window, &MainWindow::routeDestinationChosen, &view, &ViewController::selectProvince);
    QObject::connect(&view, &ViewController::viewChanged, &window, &MainWindow::showView);
    QObject::connect(&view, &ViewController::modeSwitched, &window, &MainWindow::showModeSwitch);
    QObject::connect(&view, &ViewController::provinceShown, &window, &MainWindow::showProvinceInfo);
    QObject::connect(&view, &ViewController::routesShown, &window, &MainWindow::showProvinceRoutes);
    QObject::connect(&view, &ViewController::provincePopupRequested, &window, &MainWindow::showProvincePopup);
    QObject::connect(&window, &MainWindow::overviewPressed, &view, &ViewController::pressOnOverview);
    QObject::connect(&window, &MainWindow::overviewMoved, &view, &ViewController::moveOnOverview);
    QObject::connect(&window, &MainWindow::overviewReleased, &view, &ViewController::releaseOnOverview);
    QObject::connect(&window, &MainWindow::parallelWorldChosen, &view, &ViewController::showParallelWorld);
    if (auto* map = window.findChild<MapWindowWidget*>(QStringLiteral("Picture1a")))
        view.followKeys(*map);
}

void connectTravelCommands(MainWindow& window, ViewController& view, TravelController& travel)
{
    QObject::connect(&window, &MainWindow::mapPressed, &travel, &TravelController::pressOnMap);
    QObject::connect(&window, &MainWindow::mapMoved, &travel, &TravelController::moveOnMap);
    QObject::connect(&window, &MainWindow::mapReleased, &travel, &TravelController::releaseOnMap);
    QObject::connect(&window, &MainWindow::mapEscapePressed, &travel, &TravelController::cancelRoute);
    QObject::connect(&window, &MainWindow::fastestRouteToggled, &travel, &TravelController::setFastestRoute);
    QObject::connect(&travel, &TravelController::provinceInfoRequested, &view, &ViewController::showProvinceInfo);
    QObject::connect(&travel, &TravelController::detailLinesAdded, &window, &MainWindow::appendDetailLines);
    QObject::connect(&travel, &TravelController::lastDetailLineRemoved, &window, &MainWindow::removeLastDetailLine);
    QObject::connect(&travel, &TravelController::viewChanged, &window, &MainWindow::showView);
}

void connectEditingCommands(MainWindow& window, EditingController& editing, ViewController& view)
{
    QObject::connect(&window, &MainWindow::provinceUpdateChosen, &editing, &EditingController::updateProvince);
    QObject::connect(&window, &MainWindow::provinceDeleteChosen, &editing, &EditingController::deleteProvince);
    QObject::connect(&window, &MainWindow::provinceCopyChosen, &editing, &EditingController::copyProvince);
    QObject::connect(&window, &MainWindow::provincePasteChosen, &editing, &EditingController::pasteProvince);
    QObject::connect(&window, &MainWindow::cityUpdateChosen, &editing, &EditingController::updateCity);
    QObject::connect(&window, &MainWindow::cityDeleteChosen, &editing, &EditingController::deleteCity);
    QObject::connect(&window, &MainWindow::innerUpdateChosen, &editing, &EditingController::updateInnerLocation);
    QObject::connect(&window, &MainWindow::innerDeleteChosen, &editing, &EditingController::deleteInnerLocation);
    QObject::connect(&window, &MainWindow::innerLinePicked, &editing, &EditingController::pickInnerLine);
    QObject::connect(&editing, &EditingController::provinceEdited, &view, [&view] { view.showProvinceInfo(true); });
    QObject::connect(&editing, &EditingController::pasteAvailable, &window, &MainWindow::showPasteEnabled);
    QObject::connect(&editing, &EditingController::innerLocationPicked, &window, &MainWindow::showInnerLocation);
}

void connectExportCommands(MainWindow& window, DatabaseController& database, ExportController& exporter)
{
    QObject::connect(&window, &MainWindow::exportChosen, &exporter, &ExportController::openWindow);
    QObject::connect(&database, &DatabaseController::mapClosed, &exporter, &ExportController::closeWindow);
}

void connectFindCommands(MainWindow& window, FindController& find, ViewController& view, DatabaseController& database,
                         ParserController& parser, EditingController& editing)
{
    QObject::connect(&window, &MainWindow::findChosen, &find, &FindController::openWindow);
    QObject::connect(&find, &FindController::provinceChosen, &view, &ViewController::selectProvince);
    QObject::connect(&database, &DatabaseController::mapOpened, &find, &FindController::mapChanged);
    QObject::connect(&database, &DatabaseController::mapClosed, &find, &FindController::closeWindow);
    QObject::connect(&parser, &ParserController::mapReloaded, &find, &FindController::mapChanged);
    QObject::connect(&editing, &EditingController::provinceEdited, &find, &FindController::mapChanged);
}
} // namespace

std::unique_ptr<MainWindow> startUp(AppState& state, QSettings& settings, UserDialogue& dialogue)
{
    auto window = std::make_unique<MainWindow>(state, dialogue);
    auto* database = new DatabaseController(state, dialogue, window.get());
    auto* view = new ViewController(state, dialogue, window.get());
    connectDatabaseCommands(*window, *database, *view);
    connectViewCommands(*window, *view);
    auto* editing = new EditingController(state, dialogue, window.get());
    connectEditingCommands(*window, *editing, *view);
    connectExportCommands(*window, *database, *new ExportController(state, dialogue, window.get()));
    connectTravelCommands(*window, *view, *new TravelController(state, dialogue, window.get()));
    auto* parser = new ParserController(state, dialogue, settings, window.get());
    connectParserCommands(*window, *parser, *database, *view);
    connectFindCommands(*window, *new FindController(state, window.get()), *view, *database, *parser, *editing);
    state.externalApplications = readExternalApplications(programFile(state.programDirectory, kConfigFileName));
    window->showExternalApplications();
    state.RepsDirectory = readRepsDirectory(settings, state.programDirectory);
    if (!database->discover())
        return nullptr;
    return window;
}

} // namespace arvenna
