// bench-redraw: drawing the synthetic full world at "Entire Map" (map and
// rulers into offscreen images) and selecting a province (panel values and
// selection marks).
#include "BenchSupport.h"
#include "database/DatabaseError.h"
#include "model/MapModel.h"
#include "view/MapPictures.h"
#include "view/ProvinceInfo.h"
#include "view/ViewCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace arvenna;

namespace {
constexpr int kRedraws = 21;
constexpr int kSelections = 400;

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTemporaryDir dir;
    OpenedGame game;
    if (!openSyntheticWorld(dir, game, err))
        return 1;
    auto& [session, model, view] = game;
    MapPictures pictures;
    std::vector<double> redraws;
    std::vector<double> selections;
    try {
        MapSizeClick(view, 0); // "Entire Map"
        pictures.layOut(view);
        pictures.drawOverview(model, view);
        pictures.DrawMapWindow(model, view, true); // warm-up
        for (int i = 0; i < kRedraws; ++i) {
            QElapsedTimer timer;
            timer.start();
            pictures.DrawMapWindow(model, view, true);
            redraws.push_back(milliseconds(timer));
        }
        Database& database = session.CurrentConnection->DatabaseConnection();
        for (int i = 0; i < kSelections; ++i) {
            // A spread of provinces: cities with markets, seas, tunnels, plain land.
            const MapCoord coord{double((i * 37) % view.ColumnCount), double((i * 53) % view.RowCount + 1)};
            QElapsedTimer timer;
            timer.start();
            view.SelectedCoord = coord;
            pictures.markSelection(model, view, coord, true);
            const ProvinceInfo info = ShowProvinceInfo(model, database, coord);
            selections.push_back(milliseconds(timer));
            if (info.LstShowDet.isEmpty())
                return 1;
        }
    } catch (const DatabaseError& error) {
        err << "failed: " << error.message() << '\n';
        return 1;
    }
    const double redraw = median(redraws);
    const double select = median(selections);
    const double slowestSelect = *std::max_element(selections.begin(), selections.end());
    out << "world: " << model.Provinces.Count() - 1 << " provinces, map picture " << pictures.map.width() << 'x'
        << pictures.map.height() << " px\n";
    out << "full redraw at Entire Map with rulers, median of " << kRedraws << ": "
        << QString::number(redraw, 'f', 2) << " ms\n";
    out << "province selection (panel values and marks), median of " << kSelections << ": "
        << QString::number(select, 'f', 2) << " ms, slowest " << QString::number(slowestSelect, 'f', 2) << " ms\n";
    out << "redraw_ms=" << QString::number(redraw, 'f', 2) << " select_ms=" << QString::number(select, 'f', 2)
        << '\n';
    return 0;
}
