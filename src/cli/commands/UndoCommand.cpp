#include "CliCommand.h"
#include "database/DatabaseError.h"
#include "database/ProcessingUndo.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace arvenna {

int runUndoCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("The game database."), QStringLiteral("FILE"));
    parser.addOption(db);
    if (auto done = parseCommandLine(parser, arguments,
                                     QStringLiteral("Puts back the copy of a game taken before its last processing "
                                                    "run, taking that run back.")))
        return *done;
    if (!parser.isSet(db) || !parser.positionalArguments().isEmpty()) {
        printMessage(QStringLiteral("undo needs --db FILE."));
        return kExitUsage;
    }
    const QString path = QFileInfo(parser.value(db)).absoluteFilePath();
    try {
        undoLastProcessing(path);
    } catch (const DatabaseError& error) {
        printMessage(error.message());
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace arvenna
