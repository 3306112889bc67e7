#include "CliCommand.h"
#include "CommandGame.h"
#include "view/OpenedGame.h"
#include "view/ProvinceInfo.h"
#include "view/ProvinceLookup.h"

#include <QCommandLineParser>
#include <optional>

namespace arvenna {

int runShowCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    addHomeOption(parser);
    parser.addOption({QStringLiteral("db"), QStringLiteral("The game database file."), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("routes"),
                      QStringLiteral("Also prints the routes known to leave the province, one a line, after its "
                                     "details: direction, destination with its code, days or \"impassable\", "
                                     "and the turn of the report that listed it.")});
    parser.addPositionalArgument(QStringLiteral("CODE"), QStringLiteral("The province code, for example ab07."));
    if (auto done = parseCommandLine(parser, arguments,
                                     QStringLiteral("Prints the details list of a province as the information panel "
                                                    "shows it and, with --routes, its Routes tab.")))
        return *done;
    if (!parser.isSet(QStringLiteral("db")) || parser.positionalArguments().size() != 1) {
        printMessage(QStringLiteral("show needs --db FILE and exactly one province code."));
        return kExitUsage;
    }
    const QString code = parser.positionalArguments().constFirst();
    return reportingFailures([&] {
        OpenedGame game;
        auto& [session, model, view] = game;
        if (const int opened = openCommandGame(commandGameFile(parser, parser.value(QStringLiteral("db"))), game, GameAccess::Reader);
            opened != kExitSuccess)
            return opened;
        const std::optional<MapCoord> place = gridPlaceOf(model, code);
        if (!place) {
            printMessage(QStringLiteral("There is no province \"%1\" on this map.").arg(code));
            return int(kExitFailure);
        }
        const ProvinceInfo info = ShowProvinceInfo(model, session.CurrentConnection->DatabaseConnection(), *place);
        for (const QString& line : info.LstShowDet)
            printLine(line);
        if (parser.isSet(QStringLiteral("routes"))) {
            for (const RouteRow& route : info.LstRoutes)
                printLine(routeLine(route));
            if (info.LstRoutes.isEmpty())
                printLine(noRoutesText());
        }
        return int(kExitSuccess);
    });
}

} // namespace arvenna
