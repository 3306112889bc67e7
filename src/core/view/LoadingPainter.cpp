#include "LoadingPainter.h"

#include "MapView.h"
#include "TwipCanvas.h"
#include "database/Database.h"
#include "model/ClassicPalette.h"
#include "model/MapModel.h"

#include <QPainter>

namespace arvenna {

LoadingPainter::LoadingPainter(QImage& map, const MapModel& model, const MapView& view, Database& database)
    : map_(map), model_(model), view_(view), database_(database)
{
}

void LoadingPainter::loadStarted()
{
    const int lastRow = model_.UndergroundRow == 0 ? 100 : model_.UndergroundRow;
    surfaceRows_.clear();
    RecordSet rows = database_.openRecordSet(QStringLiteral("SELECT * FROM CELLSY WHERE CELLID <= ?"),
                                             RecordSetType::Snapshot, {lastRow});
    for (; !rows.isEOF(); rows.moveNext())
        surfaceRows_.insert(rows.text(QStringLiteral("CELLORDERY")).toCaseFolded(),
                            int(rows.integer(QStringLiteral("CELLID"))));
    RecordSet columns = database_.openRecordSet(QStringLiteral("SELECT COUNT(*) AS Columns FROM CELLSX"),
                                                RecordSetType::Snapshot);
    const qint64 columnCount = columns.integer(QStringLiteral("Columns"));
    cellWidth_ = columnCount > 0 ? view_.MapWidth / double(columnCount) : 0;
    cellHeight_ = surfaceRows_.isEmpty() ? 0 : view_.MapHeight / double(surfaceRows_.size());
    map_.fill(toQColor(paletteColour(15)));
}

void LoadingPainter::provinceArrived(const ClassProvincia& province, QColor terrainColour)
{
    const auto row = surfaceRows_.constFind(province.ProvinceCoordY.toCaseFolded());
    bool numeric = false;
    const int column = province.ProvinceCoordX.toInt(&numeric);
    if (row == surfaceRows_.constEnd() || !numeric || map_.isNull())
        return;
    QPainter painter(&map_);
    TwipCanvas canvas(painter);
    const double left = column * cellWidth_;
    const double top = (row.value() - 1) * cellHeight_;
    canvas.filledBox(left, top, left + cellWidth_, top + cellHeight_, terrainColour);
}

} // namespace arvenna
