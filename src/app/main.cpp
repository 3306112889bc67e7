#include "shell/AppState.h"
#include "shell/MainWindow.h"
#include "shell/ReportsDirectory.h"
#include "shell/Startup.h"
#include "shell/WidgetDialogue.h"
#include "shell/ProgramDirectory.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

using namespace arvenna;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MapViewer"));
    QApplication::setApplicationVersion(QStringLiteral(ARVENNA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Arvenna MapViewer: the map of your Arvenna and Quorvane games."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption home(QStringLiteral("home"),
                                  QStringLiteral("The program directory (default: ARVENNA_HOME, else the program's own)."),
                                  QStringLiteral("DIR"));
    parser.addOption(home);
    parser.process(app);

    AppState state;
    state.programDirectory = resolveProgramDirectory(parser.value(home));
    QSettings settings(userSettingsApplication(), userSettingsApplication());
    WidgetDialogue dialogue;
    std::unique_ptr<MainWindow> window = startUp(state, settings, dialogue);
    if (!window)
        return 1;
    dialogue.setParentWindow(window.get());
    window->show();
    return app.exec();
}
