#pragma once

#include <memory>

class QSettings;

namespace arvenna {

class MainWindow;
class UserDialogue;
struct AppState;

// Builds the main window (hidden) with the controllers of its commands and
// wires them together, then reads the external applications and the reports
// directory and runs the database discovery. Null when the program cannot go
// on because no game database lies beside it.
std::unique_ptr<MainWindow> startUp(AppState& state, QSettings& settings, UserDialogue& dialogue);

} // namespace arvenna
