#include "shell/AppState.h"
#include "shell/MainWindow.h"
#include "shell/ProgramDirectory.h"
#include "shell/ReportsDirectory.h"
#include "shell/Startup.h"
#include "shell/WidgetDialogue.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

using namespace arvenna;

namespace {
QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("arvenna-map"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ARVENNA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Arvenna MapViewer: the map of your Arvenna and Quorvane games."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption home(QStringLiteral("home"),
                                  QStringLiteral("The program directory (default: ARVENNA_HOME, else the program's "
                                                 "own when it holds a game, else ~/.local/share/arvenna-map)."),
                                  QStringLiteral("DIR"));
    parser.addOption(home);
    // --help and --version need no window system: answer them before the
    // program connects to one. Qt's own options (-platform ...) are not
    // known yet, so a line holding them is left to the full parse below.
    if (parser.parse(argumentsOf(argc, argv))
        && (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(version))) {
        QCoreApplication console(argc, argv);
        parser.process(console);
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.arvenna.MapViewer"));
    parser.process(app);

    WidgetDialogue dialogue;
    const ProgramDirectory directory = resolveProgramDirectory(parser.value(home));
    if (!directory.problem.isEmpty()) {
        dialogue.inform(kProgramTitle, directory.problem, MessageIcon::Critical);
        return 1;
    }
    AppState state;
    state.programDirectory = directory.path;
    QSettings settings(userSettingsApplication(), userSettingsApplication());
    std::unique_ptr<MainWindow> window = startUp(state, settings, dialogue);
    if (!window)
        return 1;
    dialogue.setParentWindow(window.get());
    window->show();
    return app.exec();
}
