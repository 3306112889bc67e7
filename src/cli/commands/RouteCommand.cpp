#include "CliCommand.h"
#include "CommandGame.h"
#include "travel/RouteLines.h"
#include "travel/RoutePlanning.h"
#include "view/OpenedGame.h"
#include "view/ProvinceLookup.h"

#include <QCommandLineParser>
#include <optional>

namespace arvenna {

int runRouteCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    addHomeOption(parser);
    parser.addOption({QStringLiteral("db"), QStringLiteral("The game database file."), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("fastest"), QStringLiteral("The route of fewest days over known land.")});
    parser.addPositionalArgument(QStringLiteral("FROM"), QStringLiteral("The start province, for example ab07."));
    parser.addPositionalArgument(QStringLiteral("TO"), QStringLiteral("The end province."));
    if (auto done = parseCommandLine(
            parser, arguments,
            QStringLiteral("Prints the route lines of travel mode between two provinces, with their travel days.")))
        return *done;
    const QStringList codes = parser.positionalArguments();
    if (!parser.isSet(QStringLiteral("db")) || codes.size() != 2) {
        printMessage(QStringLiteral("route needs --db FILE and exactly two province codes."));
        return kExitUsage;
    }
    return reportingFailures([&] {
        OpenedGame game;
        auto& [session, model, view] = game;
        if (const int opened = openCommandGame(commandGameFile(parser, parser.value(QStringLiteral("db"))), game, GameAccess::Reader);
            opened != kExitSuccess)
            return opened;
        std::optional<MapCoord> ends[2];
        for (int i = 0; i < 2; ++i) {
            ends[i] = gridPlaceOf(model, codes.at(i));
            if (!ends[i]) {
                printMessage(QStringLiteral("There is no province \"%1\" on this map.").arg(codes.at(i)));
                return int(kExitFailure);
            }
        }
        if (*ends[0] == *ends[1]) {
            printMessage(QStringLiteral("%1 and %2 name the same province: there is no route to plan.")
                             .arg(codes.at(0), codes.at(1)));
            return int(kExitFailure);
        }
        // A route that may not start where asked is not begun: nothing is
        // printed then but why. An end that may not be one gives the start
        // line and why.
        const bool fastest = parser.isSet(QStringLiteral("fastest"));
        if (!mayEndRoute(model, *ends[0], fastest)) {
            printMessage(belowSurfaceLine(model, *ends[0]));
            return int(kExitFailure);
        }
        const RouteLines route = planRoute(model, *ends[0], *ends[1], fastest);
        printLine(travelStartLine(model, *ends[0]));
        for (const QString& line : route.lines)
            printLine(line);
        return int(route.found ? kExitSuccess : kExitFailure);
    });
}

} // namespace arvenna
