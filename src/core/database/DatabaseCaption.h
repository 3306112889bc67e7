#pragma once

#include <QString>
#include <optional>

namespace arvenna {

// "Arvenna G2 [Arvenna.mdb]": the description, " [", the file name and "]".
QString databaseMenuCaption(const QString& description, const QString& fileName);

// The file named by a caption: the text between the first "[" and the last
// character. Empty when the caption has no "[".
std::optional<QString> fileNameFromCaption(const QString& caption);

// The description part: the text before the first "[", blanks trimmed.
QString descriptionFromCaption(const QString& caption);

} // namespace arvenna
