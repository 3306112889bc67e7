#include "CliCommand.h"
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
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The game database file."));
    if (auto done = parseCommandLine(parser, arguments, summary))
        return *done;
    if (parser.positionalArguments().size() != 1) {
        printMessage(QStringLiteral("Name exactly one database file."));
        return kExitUsage;
    }
    const QFileInfo file(parser.positionalArguments().constFirst());
    if (!file.isFile()) {
        printMessage(QStringLiteral("Could not find database [%1]").arg(file.filePath()));
        return kExitFailure;
    }
    const std::optional<QString> home = programDirectoryFrom(parser);
    if (!home)
        return kExitFailure;
    ConsoleDialogue dialogue;
    const MaintenanceResult result = repairAndCompact(*home, file.absoluteFilePath(),
                                                      repairRequest, compactRequest, dialogue);
    if (!result)
        printMessage(result.failureReason);
    return result ? kExitSuccess : kExitFailure;
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
