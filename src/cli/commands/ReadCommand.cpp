#include "CliCommand.h"
#include "CommandGame.h"
#include "view/OpenedGame.h"
#include "ConsoleDialogue.h"
#include "parser/ReportReader.h"
#include "parser/ReportState.h"

#include <QCommandLineParser>

namespace arvenna {

namespace {
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
    addHomeOption(parser);
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
    OpenedGame game;
    auto& [session, model, view] = game;
    if (const int opened = openCommandGame(commandGameFile(parser, parser.value(db)), game, GameAccess::Reader); opened != kExitSuccess)
        return opened;
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
