#include "DatabaseController.h"

#include "database/DatabaseDiscovery.h"
#include "database/DatabaseError.h"
#include "database/Maintenance.h"
#include "database/NewDatabase.h"
#include "database/Purge.h"
#include "importing/ImportAccessGame.h"
#include "shell/AppState.h"
#include "shell/UserDialogue.h"
#include "view/GameOpening.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>

namespace arvenna {

DatabaseController::DatabaseController(AppState& state, UserDialogue& dialogue, QObject* parent)
    : QObject(parent), state_(state), dialogue_(dialogue)
{
    // The window's entry is found by its name, so the window need not know of the import.
    if (auto* entry = parent ? parent->findChild<QAction*>(QStringLiteral("importdb")) : nullptr)
        connect(entry, &QAction::triggered, this, &DatabaseController::importAccessGame);
}

bool DatabaseController::discover()
{
    BusyPointer busy(dialogue_);
    const DiscoveryOutcome outcome = discoverDatabases(state_.programDirectory, state_.databaseMenus, dialogue_);
    emit databaseMenusChanged(state_.databaseMenus);
    return outcome == DiscoveryOutcome::Listed;
}

void DatabaseController::openMap(int index)
{
    dialogue_.letEventsRun();
    const QString path = state_.databaseMenus.paths.value(index);
    if (path.isEmpty())
        return;
    BusyPointer busy(dialogue_);
    closeMap(); // another map opens on a window that shows none
    emit mapOpening(state_.databaseMenus.RepHead.value(index).trimmed());
    state_.pictures.layOut(state_.view);
    GameSession::OpenResult result;
    try {
        // The map's game is held for writing until it is closed: editing,
        // the parser and the settings write to it.
        result = openGame(path, state_.game, state_.model, state_.view, &state_.pictures.map, GameAccess::Writer);
    } catch (const DatabaseError& error) {
        closeMap();
        dialogue_.inform(kProgramTitle, error.message(), MessageIcon::Critical);
        return;
    }
    if (result != GameSession::OpenResult::Opened) {
        closeMap();
        dialogue_.inform(kProgramTitle, QStringLiteral("Could not find database, location must be the same as database"),
                         MessageIcon::None);
        QApplication::exit(1);
        return;
    }
    emit mapOpened();
    for (const QString& notice : state_.game.openingNotices)
        dialogue_.inform(kProgramTitle, notice, MessageIcon::Information);
}

void DatabaseController::closeMap()
{
    closeGame(state_.game, state_.view);
    emit mapClosed();
}

void DatabaseController::purge()
{
    if (purgeOpenDatabase(state_.game, dialogue_) == PurgeResult::Declined)
        return;
    closeMap();
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

void DatabaseController::createDatabase()
{
    if (createDatabaseFromTemplate(state_.programDirectory, state_.databaseMenus, dialogue_))
        discover();
}

void DatabaseController::importAccessGame()
{
    const QString file = QFileDialog::getOpenFileName(
        qobject_cast<QWidget*>(parent()), QStringLiteral("Import Access Game"), QString(),
        QStringLiteral("Microsoft Access databases (*.mdb *.MDB);;All files (*)"));
    if (!file.isEmpty() && importAccessGameFromMenu(file, state_.programDirectory, state_.databaseMenus, dialogue_))
        discover();
}

} // namespace arvenna
