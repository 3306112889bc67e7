#include "Pictures.h"

#include "shell/ProgramDirectory.h"

#include <QDir>

namespace arvenna {

namespace {
QString picturePath(const QString& programDirectory, const QString& fileName)
{
    return programFile(QDir(programDirectory).filePath(QStringLiteral("Pictures")), fileName);
}
} // namespace

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
