#pragma once

#include "database/DatabaseMenus.h"

#include <QObject>

namespace arvenna {

struct AppState;
class UserDialogue;

// The commands of the "&Database" menu: discovery, opening and closing a
// map, purge, repair, compact and new databases. What the window shows follows its signals.
class DatabaseController : public QObject {
    Q_OBJECT
public:
    DatabaseController(AppState& state, UserDialogue& dialogue, QObject* parent = nullptr);

    // Runs the database discovery and shows its lists; false when no
    // database lies beside the program.
    bool discover();

    void openMap(int index);
    void closeMap();
    void purge();
    void repair(int index);
    void compact(int index);
    // "Create Clean Database": a new game from a template, listed at once.
    void createDatabase();
    // "Import Access Game...": a new game from an old one kept in a Microsoft
    // Access file of the player's choice, listed at once.
    void importAccessGame();

signals:
    void databaseMenusChanged(const DatabaseMenus& menus);
    // The window makes ready for the map of that menu caption.
    void mapOpening(const QString& caption);
    // The map is loaded into the model and the view laid out for it.
    void mapOpened();
    void mapClosed();

private:
    AppState& state_;
    UserDialogue& dialogue_;
};

} // namespace arvenna
