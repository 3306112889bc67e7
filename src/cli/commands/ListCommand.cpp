#include "CliCommand.h"
#include "ConsoleDialogue.h"
#include "database/DatabaseDiscovery.h"

#include <QCommandLineParser>

namespace arvenna {

int runListCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    addHomeOption(parser);
    if (auto done = parseCommandLine(parser, arguments, QStringLiteral("Lists the usable game databases of the program directory.")))
        return *done;
    if (!parser.positionalArguments().isEmpty()) {
        printMessage(QStringLiteral("list takes no arguments."));
        return kExitUsage;
    }
    const std::optional<QString> home = programDirectoryFrom(parser);
    if (!home)
        return kExitFailure;
    ConsoleDialogue dialogue;
    DatabaseMenus menus;
    if (discoverDatabases(*home, menus, dialogue) == DiscoveryOutcome::NoDatabaseFile
        || !menus.dbtoolsVisible)
        return kExitFailure;
    for (const QString& caption : menus.RepHead)
        printLine(caption);
    return kExitSuccess;
}

} // namespace arvenna
