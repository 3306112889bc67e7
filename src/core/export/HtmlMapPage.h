#pragma once

#include "ExportSettings.h"

#include <QByteArray>

class QIODevice;

namespace arvenna {

struct MapModel;

// The exported map as one HTML page (UTF-8): the terrain legend, the map
// table from the start column and row, wrapping around the world's edges,
// and the descriptions its cells link to. Texts of the model are escaped.
// A start outside the grid starts the table at the first column or row.
QByteArray htmlMapPage(const MapModel& model, const ExportSettings& settings);

// Writes the page to the device; false when the device took less than all of it.
bool writeHtmlMapPage(QIODevice& device, const MapModel& model, const ExportSettings& settings);

} // namespace arvenna
