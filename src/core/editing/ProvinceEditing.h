#pragma once

#include "EditingContext.h"

#include <QString>

namespace arvenna {

// What the province frame holds when a command runs.
struct ProvinceFrame {
    QString name;              // TxtProvName
    QString peasants;          // TxtPeasants
    int terrainPosition = 0;   // CmbProvTerrain, 0 for "[None]"
    int continentPosition = 0; // CmbProvContinent
    int rulerPosition = 0;     // CmbProvRuller
};

// The province copied for pasting onto other cells; it lasts until the next copy.
struct ProvinceClipboard {
    int continentPosition = 0;
    QString name;
    int terrainPosition = 0;

    // Only a province with a terrain can be pasted.
    bool canPaste() const { return terrainPosition != 0; }
};

// Stores the frame as the province of the selected cell, creating it when
// the cell has none, and keeps the model's province in step. Refused with a
// message (nothing stored) when the name or terrain is missing or the
// peasants are not a whole number from 0 to 32767.
CellRepaint updateProvince(const EditingContext& context, const ProvinceFrame& frame);
// Deletes the selected cell's province after the player confirms; refused
// while it still holds a city or inner locations.
CellRepaint deleteProvince(const EditingContext& context);
ProvinceClipboard copyProvince(const ProvinceFrame& frame);
// The copied name, terrain and region over the frame, stored at once; the
// ruler and peasants stay as the frame shows them.
CellRepaint pasteProvince(const EditingContext& context, const ProvinceClipboard& clipboard, ProvinceFrame frame);

} // namespace arvenna
