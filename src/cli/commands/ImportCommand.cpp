#include "CliCommand.h"
#include "ConsoleDialogue.h"
#include "database/DatabaseDiscovery.h"
#include "database/DatabaseMenus.h"
#include "importing/ImportAccessGame.h"

#include <QCommandLineParser>
#include <optional>

namespace arvenna {

int runImportCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption replace(QStringLiteral("replace"), QStringLiteral("Replaces a database of that name."));
    parser.addOption(replace);
    addHomeOption(parser);
    parser.addPositionalArgument(QStringLiteral("ACCESS.mdb"), QStringLiteral("The Microsoft Access game database."));
    parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("The new game's file name, without extension."));
    if (auto done = parseCommandLine(parser, arguments,
                                     QStringLiteral("Imports a game kept in a Microsoft Access database into a new "
                                                    "game database NAME.MDB in the program directory.")))
        return *done;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        printMessage(QStringLiteral("import needs the Access file and one NAME."));
        return kExitUsage;
    }
    const std::optional<QString> found = programDirectoryFrom(parser);
    if (!found)
        return kExitFailure;
    const QString& home = *found;
    return reportingFailures([&] {
        ConsoleDialogue dialogue;
        DatabaseMenus menus;
        discoverDatabases(home, menus, dialogue);
        const ImportReport report = importAccessGame(files.at(0), home, files.at(1), menus, parser.isSet(replace));
        printLine(report.text());
        return int(kExitSuccess);
    });
}

} // namespace arvenna
