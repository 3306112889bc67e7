#include "CliCommand.h"
#include "ConsoleDialogue.h"
#include "database/Database.h"
#include "database/DatabaseCaption.h"
#include "database/DatabaseError.h"
#include "database/GameSession.h"
#include "parser/ReportReader.h"
#include "parser/ReportState.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace arvenna {

namespace {
// The game as the "&Database" menu would open it, so the report is checked
// against the same description.
bool openGame(const QFileInfo& file, GameSession& session)
{
    try {
        Database database = Database::open(file.absoluteFilePath());
        RecordSet setup = database.openRecordSet(QStringLiteral("SELECT * FROM SETUP ORDER BY DATEROW DESC"));
        if (setup.isEOF()) {
            printMessage(QStringLiteral("The database [%1] holds no game description.").arg(file.filePath()));
            return false;
        }
        const QString caption = databaseMenuCaption(setup.text(QStringLiteral("DATABASEDESC")), file.fileName());
        setup.close();
        database.close();
        return session.open(caption, file.absoluteFilePath()) == GameSession::OpenResult::Opened;
    } catch (const DatabaseError& error) {
        printMessage(QStringLiteral("Could not open database [%1]: %2").arg(file.filePath(), error.message()));
        return false;
    }
}

void printReport(const ReportState& state)
{
    printLine(QStringLiteral("Turn: %1").arg(state.header.turnNumber));
    printLine(QStringLiteral("Faction: %1 [%2]").arg(state.header.factionName, state.header.factionNumber));
    for (qsizetype i = 0; i < state.characters.size(); ++i) {
        const ReportCharacter& noble = state.characters.at(i);
        printLine(QStringLiteral("Noble %1: %2 [%3] at %4, loyalty %5, maximum aura %6")
                      .arg(i + 1)
                      .arg(noble.name, noble.number, noble.location, noble.loyalty)
                      .arg(noble.maximumAura));
    }
    printLine(QStringLiteral("Buffer:"));
    for (const QString& item : state.buffer.items())
        printLine(item);
}
} // namespace

int runReadCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("The game database the report belongs to."),
                                QStringLiteral("FILE"));
    parser.addOption(db);
    parser.addPositionalArgument(QStringLiteral("REPORT"), QStringLiteral("The turn report file."));
    if (auto done = parseCommandLine(parser, arguments,
                                     QStringLiteral("Reads one turn report against a game and prints what was read.")))
        return *done;
    if (!parser.isSet(db) || parser.positionalArguments().size() != 1) {
        printMessage(QStringLiteral("Name the game database with --db and exactly one report file."));
        return kExitUsage;
    }
    const QFileInfo database(parser.value(db));
    if (!database.isFile()) {
        printMessage(QStringLiteral("Could not find database [%1]").arg(database.filePath()));
        return kExitFailure;
    }
    GameSession session;
    if (!openGame(database, session))
        return kExitFailure;
    ConsoleDialogue dialogue;
    ReportState state;
    const bool read = ReadReport(parser.positionalArguments().constFirst(), state, session.CurrentDBDesc, dialogue);
    session.close();
    printReport(state);
    if (!state.failure.isEmpty())
        printMessage(state.failure);
    return read ? kExitSuccess : kExitFailure;
}

} // namespace arvenna
