#include "CliCommand.h"
#include "CommandGame.h"
#include "view/OpenedGame.h"
#include "view/DisplayModes.h"
#include "view/MapPictures.h"
#include "view/ViewCommands.h"

#include <QCommandLineParser>
#include <QImage>

namespace arvenna {

namespace {
const QStringList kModeNames{QStringLiteral("info"),     QStringLiteral("travel"), QStringLiteral("continent"),
                             QStringLiteral("ruler"),    QStringLiteral("alliance"), QStringLiteral("change"),
                             QStringLiteral("market")};

// The zoom menu entry showing that many cells a side, or -1.
int zoomIndex(const QString& cells)
{
    for (std::size_t i = 0; i < kZoomCells.size(); ++i) {
        if (cells == QString::number(kZoomCells[i]))
            return int(i);
    }
    return -1;
}

bool parseOrigin(const QString& text, int& column, int& row)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool columnOk = false;
    bool rowOk = false;
    if (parts.size() == 2) {
        column = parts[0].trimmed().toInt(&columnOk);
        row = parts[1].trimmed().toInt(&rowOk);
    }
    return columnOk && rowOk;
}
} // namespace

int runRenderCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    addHomeOption(parser);
    parser.addOption({QStringLiteral("db"), QStringLiteral("The game database file."), QStringLiteral("FILE")});
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("The PNG file to write, - for standard output."),
                      QStringLiteral("PNG")});
    parser.addOption({QStringLiteral("mode"), QStringLiteral("Display mode: %1 (default info).")
                                                  .arg(kModeNames.join(QLatin1Char('|'))),
                      QStringLiteral("MODE"), QStringLiteral("info")});
    parser.addOption({QStringLiteral("zoom"), QStringLiteral("Cells a side: 100|75|50|30|15 (default 30)."),
                      QStringLiteral("N"), QStringLiteral("30")});
    parser.addOption({QStringLiteral("origin"),
                      QStringLiteral("First column and 0-based first row shown (default 0,0)."),
                      QStringLiteral("COL,ROW"), QStringLiteral("0,0")});
    const QString summary = QStringLiteral(
        "Draws the map window (map picture with its column and row rulers) as the desktop program shows it, "
        "to a PNG of 618 x 618 pixels.");
    if (auto done = parseCommandLine(parser, arguments, summary))
        return *done;
    if (!parser.isSet(QStringLiteral("db")) || !parser.isSet(QStringLiteral("o"))
        || !parser.positionalArguments().isEmpty()) {
        printMessage(QStringLiteral("render needs --db FILE and -o PNG and takes no other arguments."));
        return kExitUsage;
    }
    const int mode = int(kModeNames.indexOf(parser.value(QStringLiteral("mode"))));
    if (mode < 0) {
        printMessage(QStringLiteral("Unknown mode \"%1\"; choose one of %2.")
                         .arg(parser.value(QStringLiteral("mode")), kModeNames.join(QStringLiteral(", "))));
        return kExitUsage;
    }
    const int zoom = zoomIndex(parser.value(QStringLiteral("zoom")));
    if (zoom < 0) {
        printMessage(QStringLiteral("Unknown zoom \"%1\"; choose one of 100, 75, 50, 30, 15.")
                         .arg(parser.value(QStringLiteral("zoom"))));
        return kExitUsage;
    }
    int column = 0;
    int row = 0;
    if (!parseOrigin(parser.value(QStringLiteral("origin")), column, row)) {
        printMessage(QStringLiteral("The origin \"%1\" is not COL,ROW.").arg(parser.value(QStringLiteral("origin"))));
        return kExitUsage;
    }

    OpenedGame game;
    auto& [session, model, view] = game;
    if (const int opened = openCommandGame(commandGameFile(parser, parser.value(QStringLiteral("db"))), game, GameAccess::Reader);
        opened != kExitSuccess)
        return opened;
    MapSizeClick(view, zoom);
    const int lastColumn = std::max(0, view.ColumnCount - view.XCells);
    const int lastRow = std::max(0, view.RowCount - view.YCells);
    if (column < 0 || row < 0 || column > lastColumn || row > lastRow) {
        printMessage(QStringLiteral("The origin %1,%2 lies outside the map; at zoom %3 it runs from 0,0 to %4,%5.")
                         .arg(column)
                         .arg(row)
                         .arg(view.XCells)
                         .arg(lastColumn)
                         .arg(lastRow));
        return kExitUsage;
    }
    view.X0 = column;
    view.Y0 = row;
    SetDisplayMode(view, mode);

    MapPictures pictures;
    pictures.layOut(view);
    pictures.DrawMapWindow(model, view, true);
    const QString output = parser.value(QStringLiteral("o"));
    const QImage picture = pictures.mapWindow();
    const QString failure = writeOutput(output, [&](QIODevice& file) { return picture.save(&file, "PNG"); });
    if (!failure.isEmpty()) {
        printMessage(QStringLiteral("Could not write the picture \"%1\": %2").arg(output, failure));
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace arvenna
