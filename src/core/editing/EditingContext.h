#pragma once

#include "shell/UserDialogue.h"
#include "view/MapCoord.h"

#include <QString>
#include <optional>

namespace arvenna {

class ClassProvincia;
class Database;
struct MapModel;

// What an editing command works on: the open game, its model, the player's
// dialogue and the selected cell.
struct EditingContext {
    Database& database;
    MapModel& model;
    UserDialogue& dialogue;
    MapCoord cell;

    // The province collection's key of the cell ("ab07"), empty outside the grid.
    QString cellKey() const;
    // The cell's province, or the empty fallback province when there is none.
    ClassProvincia& province() const;
};

// What the window repaints after a command.
enum class CellRepaint {
    None,           // nothing changed
    Map,            // the cell on the map
    MapAndOverview, // the cell on the map and on the overview
};

// The refusals of the frames: a stop sign titled "Critical Warning".
void criticalWarning(UserDialogue& dialogue, const QString& text);
// "Confirmation" with OK only, for what must be removed first.
void refuseUntilEmpty(UserDialogue& dialogue, const QString& text, MessageIcon icon);
// "Confirmation" of a deletion with OK and Cancel, Cancel the default; true
// when the player chose OK.
bool confirmed(UserDialogue& dialogue, const QString& text);
// A command whose writes the engine refused: what was not stored, and why.
void reportNotStored(UserDialogue& dialogue, const QString& what, const QString& reason);

// A number typed into a frame: blanks only read as 0; anything else must be
// a whole number a 16-bit field holds.
std::optional<qint16> typedWholeNumber(const QString& text);

} // namespace arvenna
