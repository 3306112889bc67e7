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
    parser.addPositionalArgument(QStringLiteral("CODE"), QStringLiteral("The province code, for example ab07."));
    if (auto done = parseCommandLine(
            parser, arguments,
            QStringLiteral("Prints the details list of a province as the information panel shows it.")))
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
        return int(kExitSuccess);
    });
}

} // namespace arvenna
