#pragma once

#include <QString>

namespace arvenna {

class Database;

// A click on a line of the details list: for a city line ("(City)") the
// text of the message listing the skills taught there, "SKILLS TO LEARN",
// two line feeds and one "number - name" line each; empty for any other
// line or a city that teaches nothing. Engine failures throw DatabaseError.
QString citySkillsMessage(Database& database, const QString& clickedLine);

} // namespace arvenna
