#include "ProvinceCell.h"

#include "model/MapModel.h"
#include "model/ModelValues.h"
#include "parser/ReportText.h"

namespace arvenna {

std::optional<ProvinceCell> provinceCell(const MapModel& model, const QString& code)
{
    const qsizetype digits = code.size() - 2;
    if (digits < 1 || digits > 2 || !code[0].isLetter() || !code[1].isLetter())
        return std::nullopt;
    for (qsizetype at = 2; at < code.size(); ++at) {
        if (!isDigit(code[at]))
            return std::nullopt;
    }
    const ClassCoordinates* row = model.YCoordsByCode.find(code.left(2));
    const ClassCoordinates* column = model.XCoords.find(formatTwoDigits(code.mid(2)));
    if (!row || !column)
        return std::nullopt;
    return ProvinceCell{row->CoordId, column->CoordId, row->CoordCode() + column->CoordCode()};
}

} // namespace arvenna
