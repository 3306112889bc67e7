#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace arvenna {

// Pictures of the "Pictures" folder of the program directory, else of the
// installed program. A missing or unreadable picture gives an empty one: the
// program never stops for it.
QPixmap programPicture(const QString& programDirectory, const QString& fileName);
QIcon programIcon(const QString& programDirectory, const QString& fileName);

inline const QString kWindowIconPicture = QStringLiteral("SkullIcon.ico");

} // namespace arvenna
