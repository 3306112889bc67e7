#pragma once

#include <memory>

class QSettings;

namespace arvenna {

class MainWindow;
class UserDialogue;
struct AppState;

// Prepares the main window (hidden): external applications, the reports
// directory, the database discovery. Null when the program cannot go on
// because no game database lies beside it.
std::unique_ptr<MainWindow> startUp(AppState& state, QSettings& settings, UserDialogue& dialogue);

} // namespace arvenna
