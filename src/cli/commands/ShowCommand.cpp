#include "CliCommand.h"
#include "CommandGame.h"
#include "database/GameSession.h"
#include "model/MapModel.h"
#include "model/ModelValues.h"
#include "view/MapView.h"
#include "view/ProvinceInfo.h"

#include <QCommandLineParser>
#include <optional>

namespace arvenna {

namespace {
// The grid place of a province code such as "ab07", when the grid has it.
std::optional<MapCoord> placeOf(const MapModel& model, const QString& code)
{
    if (code.size() < 3)
        return std::nullopt;
    const ClassCoordinates* row = model.YCoordsByCode.find(code.left(2));
    bool numeric = false;
    const int column = code.mid(2).toInt(&numeric);
    if (!row || !numeric || column < 0 || !model.XCoords.find(formatTwoDigits(QString::number(column))))
        return std::nullopt;
    return MapCoord{double(column), double(row->CoordId)};
}
} // namespace

int runShowCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
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
        GameSession session;
        MapModel model;
        MapView view;
        if (const int opened = openCommandGame(parser.value(QStringLiteral("db")), session, model, view);
            opened != kExitSuccess)
            return opened;
        const std::optional<MapCoord> place = placeOf(model, code);
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
