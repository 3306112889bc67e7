#include "CliCommand.h"

#include "database/DatabaseError.h"
#include "model/KeyedCollection.h"
#include "shell/ProgramDirectory.h"
#include "shell/SavedFile.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

namespace arvenna {

namespace {
// Qt names the executable's path in the usage line; name the command instead.
QString commandHelp(const QCommandLineParser& parser, const QString& command)
{
    QString text = parser.helpText();
    const qsizetype options = text.indexOf(QLatin1String(" [options]"));
    if (text.startsWith(QLatin1String("Usage: ")) && options > 0)
        text.replace(7, options - 7, QStringLiteral("arvenna-map-cli ") + command);
    return text;
}
} // namespace

std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& arguments, const QString& summary)
{
    parser.setApplicationDescription(summary);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    parser.addOption(help);
    if (!parser.parse(arguments)) {
        printMessage(parser.errorText());
        printMessage(commandHelp(parser, arguments.value(0)));
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        printLine(commandHelp(parser, arguments.value(0)));
        return kExitSuccess;
    }
    return std::nullopt;
}

void addHomeOption(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("home"),
                                        QStringLiteral("The program directory (default: ARVENNA_HOME, else the program's own "
                                                       "when it holds a game, else ~/.local/share/arvenna-map)."),
                                        QStringLiteral("DIR")));
}

std::optional<QString> programDirectoryFrom(const QCommandLineParser& parser)
{
    const ProgramDirectory directory = resolveProgramDirectory(parser.value(QStringLiteral("home")));
    if (!directory.problem.isEmpty()) {
        printMessage(directory.problem);
        return std::nullopt;
    }
    return directory.path;
}

QString writeOutput(const QString& output, const std::function<bool(QIODevice&)>& write)
{
    if (output != QLatin1String("-"))
        return saveWholeFile(output, write);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return out.errorString();
    if (!write(out) || !out.flush())
        return out.error() == QFileDevice::NoError ? QStringLiteral("the content could not be made") : out.errorString();
    return {};
}

void printLine(const QString& text)
{
    QTextStream out(stdout);
    out << text << Qt::endl;
}

void printMessage(const QString& text)
{
    QTextStream err(stderr);
    err << text << Qt::endl;
}

int reportingFailures(const std::function<int()>& work)
{
    try {
        return work();
    } catch (const DatabaseError& error) {
        printMessage(error.message());
    }
    return kExitFailure;
}

} // namespace arvenna
