#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace arvenna {

// What the HTML export writes: the column and row its map table starts at
// (the world's edges are connected) and its four options.
struct ExportSettings {
    enum Option { MapLegend = 0, CityInformation = 1, InnerLocationInformation = 2, FullProvinceInformation = 3 };

    int startColumn = 0; // column number, 0 to the column count - 1
    int startRow = 1;    // row position, 1 to the last surface row
    std::array<bool, 4> options{true, true, true, true};

    bool on(Option option) const { return options[std::size_t(option)]; }
};

inline const QStringList kExportOptionNames{QStringLiteral("Map Legend"), QStringLiteral("City Information"),
                                            QStringLiteral("Inner Location Information"),
                                            QStringLiteral("Full Province Information")};

inline const QString kDefaultExportFileName = QStringLiteral("OutMap.html");

} // namespace arvenna
