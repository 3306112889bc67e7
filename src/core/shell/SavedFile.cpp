#include "SavedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace arvenna {

namespace {
QString reasonOf(const QFileDevice& file)
{
    return file.error() == QFileDevice::NoError ? QStringLiteral("the content could not be made") : file.errorString();
}

QString writeDirectly(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file) || !file.flush())
        return reasonOf(file);
    return {};
}
} // namespace

QString saveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeDirectly(path, write);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!write(file)) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace arvenna
