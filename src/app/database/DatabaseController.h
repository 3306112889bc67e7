#pragma once

#include <QObject>

namespace arvenna {

struct AppState;
class MainWindow;
class UserDialogue;

// The commands of the "&Database" menu: discovery, opening and closing a
// map, purge, repair and compact.
class DatabaseController : public QObject {
    Q_OBJECT
public:
    DatabaseController(MainWindow& window, AppState& state, UserDialogue& dialogue);

    // Runs the database discovery and shows its lists; false when no
    // database lies beside the program.
    bool discover();
    void connectDatabaseEntries();

    void openMap(int index);
    void closeMap();
    void purge();
    void repair(int index);
    void compact(int index);

private:
    MainWindow& window_;
    AppState& state_;
    UserDialogue& dialogue_;
};

} // namespace arvenna
