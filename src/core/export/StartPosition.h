#pragma once

#include "ExportSettings.h"

#include <QString>
#include <optional>

namespace arvenna {

class Database;
struct MapModel;

// The export settings that start at the model's start column and row, every option on.
ExportSettings exportSettingsOf(const MapModel& model);

// The start position as the export window shows it: the column as two
// digits, the row by its code.
QString startColumnText(const MapModel& model);
QString startRowText(const MapModel& model);

// A column given by its code or number ("05", "5") and a surface row given
// by its code ("ab") or, when acceptPosition, its position ("2"); empty when
// the grid has no such column or surface row.
std::optional<int> columnNumberOf(const MapModel& model, const QString& text);
std::optional<int> surfaceRowOf(const MapModel& model, const QString& text, bool acceptPosition);

// Starts the settings at a column and a surface row as columnNumberOf and
// surfaceRowOf read them; false, changing nothing, when the map has no such
// column or surface row.
bool setExportStart(const MapModel& model, const QString& columnText, const QString& rowText, bool acceptPosition,
                    ExportSettings& settings);
// What the player is told when a start typed ("05,ab") is not on the map.
QString startRefusal(const MapModel& model, const QString& typed);

// Keeps a typed start position in SETTINGS ("STARTX", "STARTY") and in the
// model: the column when its code is in CELLSX, the row when its code is in
// CELLSY and lies on the surface. A value that is not kept leaves the start
// as it was. Engine failures throw DatabaseError and keep nothing.
void saveStartPosition(Database& database, MapModel& model, const QString& columnText, const QString& rowText);

} // namespace arvenna
