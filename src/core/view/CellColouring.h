#pragma once

#include <QColor>
#include <QHash>
#include <optional>

namespace arvenna {

class ClassProvincia;
struct MapModel;

// The colour a display mode gives a named province of a known terrain, or
// nothing when the cell is painted in its terrain colour with its marks.
// Seas, Hades, Faery and the tunnels (terrains 2, 3 and 9 upwards) keep
// their terrain in every mode. A continent, ruler or alliance the model does
// not know leaves the cell white, as none does.
std::optional<QColor> groupColour(const MapModel& model, int checkedMode, const ClassProvincia& province);

// The terrain colours of the model, looked up once per picture: light grey
// for undiscovered provinces (terrain 0), the fallback black for a terrain
// the model does not know.
class TerrainColours {
public:
    explicit TerrainColours(const MapModel& model);
    QColor of(const ClassProvincia& province) const;

private:
    QHash<qint16, QColor> byId_;
    QColor unknown_;
};

} // namespace arvenna
