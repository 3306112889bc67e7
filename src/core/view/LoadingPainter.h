#pragma once

#include "model/ModelLoader.h"

#include <QHash>
#include <QImage>
#include <QString>

namespace arvenna {

struct MapModel;
struct MapView;

// Paints each province into the map picture as the loader reads it: the
// whole surface at once, a filled cell in its terrain colour per province,
// until the map window is drawn after the load. The desktop program derives
// from it to show the picture and let window events run as cells arrive.
class LoadingPainter : public MapLoadObserver {
public:
    // The model gives the surface's last row (set by the terrain list before
    // the load); rows and columns are read from the game database.
    LoadingPainter(QImage& map, const MapModel& model, const MapView& view, Database& database);

    void loadStarted() override;
    void provinceArrived(const ClassProvincia& province, QColor terrainColour) override;

private:
    QImage& map_;
    const MapModel& model_;
    const MapView& view_;
    Database& database_;
    QHash<QString, int> surfaceRows_; // row code (case folded) to position
    double cellWidth_ = 0;
    double cellHeight_ = 0;
};

} // namespace arvenna
