#pragma once

#include <QString>

namespace arvenna {

// "Arvenna G2 [Arvenna.mdb]": the description, " [", the file name and "]".
QString databaseMenuCaption(const QString& description, const QString& fileName);

// The description part of the caption of the file fileName, blanks trimmed.
// Cut at the file name, since the description may hold "[" itself.
QString descriptionFromCaption(const QString& caption, const QString& fileName);

} // namespace arvenna
