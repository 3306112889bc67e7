#include "WriterLock.h"

#include "DatabaseError.h"

#include <QFile>
#include <QSysInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace arvenna {

namespace {
QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What the holder wrote into the lock file: "PID HOST".
QString holderOf(int descriptor)
{
    char text[256] = {};
    const ssize_t length = ::pread(descriptor, text, sizeof text - 1, 0);
    const QStringList parts = length > 0 ? QString::fromUtf8(text, int(length)).simplified().split(QLatin1Char(' '))
                                         : QStringList();
    if (parts.size() != 2)
        return QStringLiteral("It is open for writing in another program.");
    return QStringLiteral("It is open for writing in process %1 on %2.").arg(parts.at(0), parts.at(1));
}

// Whether descriptor still is the file at path: the last holder removes the
// file as it lets go, and a lock taken on a removed file holds nothing.
bool isFileAt(int descriptor, const QByteArray& path)
{
    struct stat held = {};
    struct stat named = {};
    return ::fstat(descriptor, &held) == 0 && ::stat(path.constData(), &named) == 0 && held.st_dev == named.st_dev
        && held.st_ino == named.st_ino;
}
} // namespace

QString WriterLock::lockFilePath(const QString& gamePath)
{
    return gamePath + QStringLiteral(".writer");
}

WriterLock::WriterLock(const QString& gamePath)
    : lockPath_(lockFilePath(gamePath))
{
    const QByteArray path = QFile::encodeName(lockPath_);
    for (;;) {
        const int descriptor = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (descriptor < 0) {
            const int error = errno;
            const bool readOnly = error == EACCES || error == EROFS || error == EPERM;
            throw DatabaseError(QStringLiteral("The lock file [%1] cannot be made: %2").arg(lockPath_, systemError(error)),
                                readOnly ? SQLITE_READONLY : SQLITE_CANTOPEN);
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            const QString holder = holderOf(descriptor);
            ::close(descriptor);
            if (error == EWOULDBLOCK)
                throw DatabaseError(holder, SQLITE_BUSY);
            throw DatabaseError(QStringLiteral("The lock file [%1] cannot be locked: %2").arg(lockPath_, systemError(error)));
        }
        if (!isFileAt(descriptor, path)) {
            ::close(descriptor);
            continue;
        }
        descriptor_ = descriptor;
        break;
    }
    const QByteArray holder = QByteArray::number(qint64(::getpid())) + ' ' + QSysInfo::machineHostName().toUtf8() + '\n';
    if (::ftruncate(descriptor_, 0) != 0 || ::pwrite(descriptor_, holder.constData(), size_t(holder.size()), 0) != holder.size()) {
        // The holder's name only serves the message that refuses another
        // writer: the lock holds without it.
    }
}

WriterLock::~WriterLock()
{
    ::unlink(QFile::encodeName(lockPath_).constData());
    ::close(descriptor_);
}

} // namespace arvenna
