#pragma once

#include "ImportReport.h"

namespace arvenna {

struct DatabaseMenus;
class UserDialogue;

// Brings the game kept in an Access file into a new game database NAME.MDB
// of the program directory, built from the template of its family (menus
// lists the templates) with every row of every table of the file that the
// schema knows, ids kept. The Access file is only read. The work is done in
// "NAME.MDB.importing" and put in place only when complete; a game of that
// name is replaced only when asked. Throws DatabaseError, leaving nothing
// behind, when the file cannot be read whole, is not a game or the new
// database cannot be written.
ImportReport importAccessGame(const QString& accessPath, const QString& programDirectory, const QString& name,
                              const DatabaseMenus& menus, bool replace);

// "Import Access Game...": asks the new game's name (and whether to replace
// a game of that name), imports and shows the report. True when a game was
// imported; every refusal or failure ends with a message.
bool importAccessGameFromMenu(const QString& accessPath, const QString& programDirectory,
                              const DatabaseMenus& menus, UserDialogue& dialogue);

} // namespace arvenna
