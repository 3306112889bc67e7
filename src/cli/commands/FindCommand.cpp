#include "CliCommand.h"
#include "CommandGame.h"
#include "find/FindMatches.h"
#include "view/OpenedGame.h"

#include <QCommandLineParser>

namespace arvenna {

int runFindCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    addHomeOption(parser);
    parser.addOption({QStringLiteral("db"), QStringLiteral("The game database file."), QStringLiteral("FILE")});
    parser.addPositionalArgument(QStringLiteral("TEXT"),
                                 QStringLiteral("A province code, a number, or part of a name; several words are "
                                                "taken as one text."));
    if (auto done = parseCommandLine(
            parser, arguments,
            QStringLiteral("Prints what \"Find...\" lists for a text, one match a line: kind, name [number] and "
                           "province code, separated by tabs.")))
        return *done;
    const QString text = parser.positionalArguments().join(QLatin1Char(' ')).trimmed();
    if (!parser.isSet(QStringLiteral("db")) || text.isEmpty()) {
        printMessage(QStringLiteral("find needs --db FILE and the text to find."));
        return kExitUsage;
    }
    return reportingFailures([&] {
        OpenedGame game;
        if (const int opened = openCommandGame(commandGameFile(parser, parser.value(QStringLiteral("db"))), game,
                                               GameAccess::Reader);
            opened != kExitSuccess)
            return opened;
        const FindResult found = findMatches(game.model, FindIndex(game.model), text);
        if (found.matches.isEmpty()) {
            printMessage(QStringLiteral("No match for \"%1\".").arg(text));
            return int(kExitFailure);
        }
        for (const FindMatch& match : found.matches)
            printLine(match.kindLabel + QLatin1Char('\t') + matchTitle(match) + QLatin1Char('\t') + match.code);
        if (found.matches.size() < found.total)
            printMessage(matchCountText(found) + QStringLiteral("; give more of the text to narrow them."));
        return int(kExitSuccess);
    });
}

} // namespace arvenna
