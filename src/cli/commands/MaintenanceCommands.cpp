#include "CliCommand.h"
#include "CommandGame.h"
#include "ConsoleDialogue.h"
#include "database/Maintenance.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace arvenna {

namespace {
int runMaintenance(const QStringList& arguments, const QString& summary, const QString& repairRequest,
                   const QString& compactRequest)
{
    QCommandLineParser parser;
    addHomeOption(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The game database file; a bare file name with --home lies in that directory."));
    if (auto done = parseCommandLine(parser, arguments, summary))
        return *done;
    if (parser.positionalArguments().size() != 1) {
        printMessage(QStringLiteral("Name exactly one database file."));
        return kExitUsage;
    }
    const QString path = commandGameFile(parser, parser.positionalArguments().constFirst());
    if (!QFileInfo(path).isFile()) {
        printMessage(QStringLiteral("Could not find database [%1]").arg(path));
        return kExitFailure;
    }
    const std::optional<QString> home = programDirectoryFrom(parser);
    if (!home)
        return kExitFailure;
    ConsoleDialogue dialogue;
    const MaintenanceResult result = repairAndCompact(*home, path, repairRequest, compactRequest, dialogue);
    // A repair that lost rows is no success for a script either.
    return result && !result.lostRows() ? kExitSuccess : kExitFailure;
}
} // namespace

int runRepairCommand(const QStringList& arguments)
{
    return runMaintenance(arguments,
                          QStringLiteral("Repairs a game database: every readable row is kept."),
                          kRepairRequest, QString());
}

int runCompactCommand(const QStringList& arguments)
{
    return runMaintenance(arguments,
                          QStringLiteral("Compacts a game database."),
                          QString(), kCompactRequest);
}

} // namespace arvenna
