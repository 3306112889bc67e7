#include "CliCommand.h"

#include <QCoreApplication>

using namespace arvenna;

namespace {
QString usage()
{
    QString text = QStringLiteral("Usage: arvenna-map-cli COMMAND [OPTIONS]\n\nCommands:\n");
    for (const CliCommand& command : cliCommands())
        text += QStringLiteral("  %1  %2\n").arg(command.name, -8).arg(command.summary);
    text += QStringLiteral("\n\"arvenna-map-cli COMMAND --help\" describes a command; "
                           "\"arvenna-map-cli --version\" prints the version.");
    return text;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("arvenna-map-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ARVENNA_VERSION));
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        printMessage(usage());
        return kExitUsage;
    }
    const QString name = arguments.at(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printLine(usage());
        return kExitSuccess;
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
        printLine(QStringLiteral("arvenna-map-cli ") + QCoreApplication::applicationVersion());
        return kExitSuccess;
    }
    for (const CliCommand& command : cliCommands()) {
        if (command.name == name)
            return command.run(arguments.mid(1));
    }
    printMessage(QStringLiteral("Unknown command \"%1\".\n\n%2").arg(name, usage()));
    return kExitUsage;
}
