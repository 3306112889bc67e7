#include "CliCommand.h"
#include "CommandGame.h"
#include "view/OpenedGame.h"
#include "ConsoleDialogue.h"
#include "export/HtmlMapPage.h"
#include "export/MapExport.h"
#include "export/StartPosition.h"

#include <QCommandLineParser>
#include <QDir>

namespace arvenna {

namespace {
// "--options 0,2": the options switched on; "" switches every one off;
// nothing when the list is malformed.
std::optional<std::array<bool, 4>> exportOptionsFrom(const QString& list)
{
    std::array<bool, 4> options{};
    if (list.trimmed().isEmpty())
        return options;
    for (const QString& part : list.split(QLatin1Char(','))) {
        bool ok = false;
        const int option = part.trimmed().toInt(&ok);
        if (!ok || option < 0 || option >= int(options.size()))
            return std::nullopt;
        options[std::size_t(option)] = true;
    }
    return options;
}

// "--start 05,ab" or "5,2": a column code or number and a surface row code or position.
bool applyStart(const MapModel& model, const QString& text, ExportSettings& settings)
{
    const QStringList parts = text.split(QLatin1Char(','));
    return parts.size() == 2 && setExportStart(model, parts[0], parts[1], true, settings);
}

int writePageToStdout(const MapModel& model, const ExportSettings& settings)
{
    const QString failure = writeOutput(QStringLiteral("-"), [&](QIODevice& out) { return writeHtmlMapPage(out, model, settings); });
    if (failure.isEmpty())
        return kExitSuccess;
    printMessage(QStringLiteral("Could not write the page to standard output: %1").arg(failure));
    return kExitFailure;
}
} // namespace

int runExportCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    addHomeOption(parser);
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("The game database file."), QStringLiteral("FILE"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The HTML file to write, - for standard output (default %1).").arg(kDefaultExportFileName),
                                    QStringLiteral("FILE"), kDefaultExportFileName);
    const QCommandLineOption start(QStringLiteral("start"),
                                   QStringLiteral("Start column (code or number) and surface row (code or position); "
                                                  "default the game's start position."),
                                   QStringLiteral("COL,ROW"));
    const QCommandLineOption options(QStringLiteral("options"),
                                     QStringLiteral("The options switched on, from 0 (%1), 1 (%2), 2 (%3), 3 (%4); "
                                                    "all by default, none with \"\".")
                                         .arg(kExportOptionNames[0], kExportOptionNames[1], kExportOptionNames[2],
                                              kExportOptionNames[3]),
                                     QStringLiteral("LIST"));
    parser.addOptions({db, output, start, options});
    if (auto done = parseCommandLine(parser, arguments,
                                     QStringLiteral("Writes the map with its legend and province descriptions as one HTML page.")))
        return *done;
    const std::optional<std::array<bool, 4>> chosen =
        parser.isSet(options) ? exportOptionsFrom(parser.value(options)) : std::optional(std::array{true, true, true, true});
    if (!parser.isSet(db) || !parser.positionalArguments().isEmpty() || !chosen) {
        printMessage(QStringLiteral("export needs --db FILE, takes no other arguments, and --options takes option "
                                    "numbers from 0 to 3 separated by commas."));
        return kExitUsage;
    }
    return reportingFailures([&] {
        OpenedGame game;
        auto& [session, model, view] = game;
        if (openCommandGame(commandGameFile(parser, parser.value(db)), game, GameAccess::Reader) != kExitSuccess)
            return int(kExitFailure);
        ExportSettings settings = exportSettingsOf(model);
        settings.options = *chosen;
        if (parser.isSet(start) && !applyStart(model, parser.value(start), settings)) {
            printMessage(startRefusal(model, parser.value(start)));
            return int(kExitUsage);
        }
        if (parser.value(output) == QLatin1String("-"))
            return writePageToStdout(model, settings);
        ConsoleDialogue dialogue;
        const QString path = QDir::current().absoluteFilePath(parser.value(output));
        return int(exportMapFile(path, model, settings, dialogue) ? kExitSuccess : kExitFailure);
    });
}

} // namespace arvenna
