#pragma once

#include <QStringList>

namespace arvenna {

class Database;

// Counts the references of the game that point at no row (0 and null mean
// "none"), a note per field that has any.
QStringList danglingReferences(Database& database);

} // namespace arvenna
