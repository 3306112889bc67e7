#include "Pictures.h"

#include "shell/ProgramDirectory.h"

namespace arvenna {

QPixmap programPicture(const QString& programDirectory, const QString& fileName)
{
    QPixmap picture;
    picture.load(picturePath(programDirectory, fileName));
    return picture;
}

QIcon programIcon(const QString& programDirectory, const QString& fileName)
{
    const QPixmap picture = programPicture(programDirectory, fileName);
    return picture.isNull() ? QIcon() : QIcon(picture);
}

} // namespace arvenna
