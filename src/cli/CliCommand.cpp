#include "CliCommand.h"

#include "shell/ProgramDirectory.h"

#include <QCommandLineParser>
#include <QTextStream>

std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& arguments, const QString& summary)
{
    parser.setApplicationDescription(summary);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    parser.addOption(help);
    if (!parser.parse(arguments)) {
        printMessage(parser.errorText());
        printMessage(parser.helpText());
        return kExitUsage;
    }
    if (parser.isSet(help)) {
        printLine(parser.helpText());
        return kExitSuccess;
    }
    return std::nullopt;
}

void addHomeOption(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(QStringLiteral("home"),
                                        QStringLiteral("The program directory (default: ARVENNA_HOME, else the program's own)."),
                                        QStringLiteral("DIR")));
}

QString programDirectoryFrom(const QCommandLineParser& parser)
{
    return resolveProgramDirectory(parser.value(QStringLiteral("home")));
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
