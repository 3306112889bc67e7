#include "Startup.h"

#include "AppState.h"
#include "MainWindow.h"
#include "database/DatabaseController.h"
#include "shell/ProgramDirectory.h"
#include "shell/ReportsDirectory.h"

namespace arvenna {

std::unique_ptr<MainWindow> startUp(AppState& state, QSettings& settings, UserDialogue& dialogue)
{
    auto window = std::make_unique<MainWindow>(state, dialogue);
    state.externalApplications = readExternalApplications(programFile(state.programDirectory, kConfigFileName));
    window->showExternalApplications();
    state.RepsDirectory = readRepsDirectory(settings, state.programDirectory);
    if (!window->databaseCommands().discover())
        return nullptr;
    return window;
}

} // namespace arvenna
