#include "CliCommand.h"
#include "CommandGame.h"
#include "view/OpenedGame.h"
#include "ConsoleDialogue.h"
#include "database/GameSession.h"
#include "database/ProcessingUndo.h"
#include "parser/ReportState.h"
#include "storing/ProcessingRun.h"

#include <QCommandLineParser>
#include <optional>

namespace arvenna {

namespace {
// "--only 0,2,5": the options switched on ("" for none, as the window can);
// nothing when the list is malformed.
std::optional<ProcessingOptions> optionsFrom(const QString& list)
{
    ProcessingOptions options{};
    for (const QString& part : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int option = part.trimmed().toInt(&ok);
        if (!ok || option < 0 || option >= kProcessingOptionCount)
            return std::nullopt;
        options[std::size_t(option)] = true;
    }
    return options;
}
} // namespace

int runProcessCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    addHomeOption(parser);
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("The game database the reports belong to."),
                                QStringLiteral("FILE"));
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("The processing options to run, from 0 (provinces), 1 (cities), "
                                                 "2 (inner locations), 3 (own nobles), 4 (nobles seen), 5 (markets); "
                                                 "all by default."),
                                  QStringLiteral("LIST"));
    const QCommandLineOption log(QStringLiteral("log"), QStringLiteral("Prints each file's labelled line buffer."));
    parser.addOptions({db, only, log});
    parser.addPositionalArgument(QStringLiteral("REPORT"), QStringLiteral("The turn report files, in order."),
                                 QStringLiteral("REPORT..."));
    if (auto done = parseCommandLine(parser, arguments,
                                     QStringLiteral("Stores what turn reports reveal in a game database.")))
        return *done;
    const std::optional<ProcessingOptions> options =
        parser.isSet(only) ? optionsFrom(parser.value(only)) : std::optional(kEveryOption);
    if (!parser.isSet(db) || parser.positionalArguments().isEmpty() || !options) {
        printMessage(QStringLiteral("process needs --db FILE, at least one report file, and --only with option "
                                    "numbers from 0 to 5 separated by commas."));
        return kExitUsage;
    }
    return reportingFailures([&] {
        OpenedGame game;
        auto& [session, model, view] = game;
        if (openCommandGame(commandGameFile(parser, parser.value(db)), game, GameAccess::Writer) != kExitSuccess)
            return int(kExitFailure);
        ConsoleDialogue dialogue;
        ReportState state;
        bool failed = false;
        takeUndoCopy(session.CurrentConnection->DatabaseConnection(), parser.positionalArguments());
        ProcessingRun run(session, model, state, dialogue);
        run.process(parser.positionalArguments(), *options, [&](const FileOutcome& outcome) {
            failed = failed || !outcome.processed;
            printLine(outcomeLine(outcome));
            if (parser.isSet(log)) {
                for (const QString& item : state.buffer.items())
                    printLine(item);
            }
        });
        return int(failed ? kExitFailure : kExitSuccess);
    });
}

} // namespace arvenna
