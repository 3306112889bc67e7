#include "CliCommand.h"

namespace arvenna {

int runListCommand(const QStringList& arguments);
int runRepairCommand(const QStringList& arguments);
int runCompactCommand(const QStringList& arguments);
int runShowCommand(const QStringList& arguments);
int runRenderCommand(const QStringList& arguments);
int runReadCommand(const QStringList& arguments);
int runProcessCommand(const QStringList& arguments);
int runExportCommand(const QStringList& arguments);
int runCreateCommand(const QStringList& arguments);
int runRouteCommand(const QStringList& arguments);
int runUndoCommand(const QStringList& arguments);
int runImportCommand(const QStringList& arguments);
int runFindCommand(const QStringList& arguments);

const QList<CliCommand>& cliCommands()
{
    static const QList<CliCommand> commands{
        {QStringLiteral("list"), QStringLiteral("list the usable game databases"), runListCommand},
        {QStringLiteral("repair"), QStringLiteral("repair a game database"), runRepairCommand},
        {QStringLiteral("compact"), QStringLiteral("compact a game database"), runCompactCommand},
        {QStringLiteral("show"), QStringLiteral("print the details of a province"), runShowCommand},
        {QStringLiteral("render"), QStringLiteral("draw the map window to a PNG"), runRenderCommand},
        {QStringLiteral("read"), QStringLiteral("read one turn report and print what was read"), runReadCommand},
        {QStringLiteral("process"), QStringLiteral("store what turn reports reveal in a game database"), runProcessCommand},
        {QStringLiteral("export"), QStringLiteral("write the map as an HTML page"), runExportCommand},
        {QStringLiteral("create"), QStringLiteral("create a new game database from a template"), runCreateCommand},
        {QStringLiteral("route"), QStringLiteral("print the travel route between two provinces"), runRouteCommand},
        {QStringLiteral("undo"), QStringLiteral("take back the last processing run of a game"), runUndoCommand},
        {QStringLiteral("import"), QStringLiteral("import a game kept in a Microsoft Access database"), runImportCommand},
        {QStringLiteral("find"), QStringLiteral("list the provinces, places and characters matching a text"), runFindCommand},
    };
    return commands;
}

} // namespace arvenna
