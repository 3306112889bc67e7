#include "ProvinceCodes.h"

#include "view/ProvinceLookup.h"

namespace arvenna {

std::optional<MapCoord> typedProvincePlace(const MapModel& model, const QString& text)
{
    QString code = text.trimmed();
    code.remove(QLatin1Char(' '));
    return gridPlaceOf(model, code);
}

QString locationProvinceCode(const MapModel& model, const QString& location)
{
    std::optional<MapCoord> last;
    qsizetype open = -1;
    for (qsizetype i = 0; i < location.size(); ++i) {
        if (location[i] == QLatin1Char('[')) {
            open = i;
        } else if (location[i] == QLatin1Char(']') && open >= 0) {
            if (const auto place = gridPlaceOf(model, location.sliced(open + 1, i - open - 1).trimmed()))
                last = place;
            open = -1;
        }
    }
    if (!last)
        last = gridPlaceOf(model, location.trimmed());
    return last ? provinceCodeAt(model, *last) : QString();
}

} // namespace arvenna
