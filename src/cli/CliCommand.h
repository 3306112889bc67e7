#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QCommandLineParser;
class QIODevice;

namespace arvenna {

enum ExitCode { kExitSuccess = 0, kExitFailure = 1, kExitUsage = 2 };

// One command of the tool: "arvenna-map-cli NAME [OPTIONS]".
struct CliCommand {
    QString name;
    QString summary;
    // Receives the command's own arguments, the command name first.
    int (*run)(const QStringList& arguments);
};

const QList<CliCommand>& cliCommands();

// Adds --help, parses, and answers --help and usage errors itself: then the
// returned exit code ends the command.
std::optional<int> parseCommandLine(QCommandLineParser& parser, const QStringList& arguments,
                                    const QString& summary);

// --home DIR, shared by the commands that work on the program directory.
void addHomeOption(QCommandLineParser& parser);
// The program directory, or nothing after saying why it cannot be used.
std::optional<QString> programDirectoryFrom(const QCommandLineParser& parser);

// Writes a result file whole, or to stdout when output is "-". Returns the
// reason of a failure, or the empty text.
QString writeOutput(const QString& output, const std::function<bool(QIODevice&)>& write);

// Runs work; a failure of the engine or the map model prints its message and
// gives the failure exit status.
int reportingFailures(const std::function<int()>& work);

// Results go to stdout, the program's messages to stderr.
void printLine(const QString& text);
void printMessage(const QString& text);

} // namespace arvenna
