#include "DatabaseController.h"

#include "database/DatabaseCaption.h"
#include "database/DatabaseDiscovery.h"
#include "database/DatabaseError.h"
#include "database/Maintenance.h"
#include "database/Purge.h"
#include "model/ModelLoader.h"
#include "view/LoadingPainter.h"
#include "view/ViewController.h"
#include "shell/AppState.h"
#include "shell/MainWindow.h"
#include "shell/UserDialogue.h"

#include <QAction>
#include <QApplication>

namespace arvenna {

DatabaseController::DatabaseController(MainWindow& window, AppState& state, UserDialogue& dialogue)
    : window_(window), state_(state), dialogue_(dialogue)
{
    MainMenus& menus = window_.menus();
    connect(menus.cloMap, &QAction::triggered, this, &DatabaseController::closeMap);
    connect(menus.delbase, &QAction::triggered, this, &DatabaseController::purge);
}

bool DatabaseController::discover()
{
    BusyPointer busy(dialogue_);
    const DiscoveryOutcome outcome = discoverDatabases(state_.programDirectory, state_.databaseMenus, dialogue_);
    window_.showDatabaseMenus();
    return outcome == DiscoveryOutcome::Listed;
}

void DatabaseController::connectDatabaseEntries()
{
    MainMenus& menus = window_.menus();
    for (int i = 0; i < menus.RepHead.size(); ++i)
        connect(menus.RepHead.at(i), &QAction::triggered, this, [this, i] { openMap(i); });
    for (int i = 0; i < menus.RepDBItem.size(); ++i)
        connect(menus.RepDBItem.at(i), &QAction::triggered, this, [this, i] { repair(i); });
    for (int i = 0; i < menus.CompDBItem.size(); ++i)
        connect(menus.CompDBItem.at(i), &QAction::triggered, this, [this, i] { compact(i); });
}

void DatabaseController::openMap(int index)
{
    dialogue_.letEventsRun();
    const QString caption = state_.databaseMenus.RepHead.value(index).trimmed();
    const QString path = state_.databaseMenus.paths.value(index);
    if (path.isEmpty())
        return;
    BusyPointer busy(dialogue_);
    GameSession::OpenResult result;
    try {
        result = state_.game.open(caption, path);
    } catch (const DatabaseError& error) {
        window_.showMapClosed();
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
        return;
    }
    if (result == GameSession::OpenResult::FileMissing) {
        dialogue_.inform(kProgramTitle, QStringLiteral("Could not find database, location must be the same as database"),
                         MessageIcon::None);
        QApplication::exit(1);
        return;
    }
    window_.showMapOpened(caption);
    try {
        state_.pictures.layOut(state_.view);
        LoadingPainter painter(state_.pictures.map, state_.model, state_.view,
                               state_.game.CurrentConnection->DatabaseConnection());
        openMapModel(state_.model, state_.game, &painter);
    } catch (const DatabaseError& error) {
        closeMap();
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
        return;
    }
    window_.showMapModel();
    window_.viewCommands().mapLoaded();
}

void DatabaseController::closeMap()
{
    window_.showMapClosed();
    window_.viewCommands().mapClosed();
    state_.game.close();
}

void DatabaseController::purge()
{
    if (purgeOpenDatabase(state_.game, dialogue_) == PurgeResult::Declined)
        return;
    window_.showMapClosed();
    if (!discover())
        QApplication::exit(1);
}

void DatabaseController::repair(int index)
{
    repairFromMenu(state_.programDirectory, state_.databaseMenus.paths.value(index), dialogue_);
}

void DatabaseController::compact(int index)
{
    compactFromMenu(state_.programDirectory, state_.databaseMenus.paths.value(index), dialogue_);
}

} // namespace arvenna
