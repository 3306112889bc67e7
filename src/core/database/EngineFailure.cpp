#include "EngineFailure.h"

#include "DatabaseError.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace arvenna {

namespace {
// The engine's message for each code is fixed (sqlite3_errstr) and is part
// of every error text that reaches us, so a failure without a code is still
// recognised by its text.
constexpr int kKnownCodes[] = {SQLITE_BUSY,   SQLITE_LOCKED,   SQLITE_FULL,  SQLITE_CORRUPT,
                               SQLITE_NOTADB, SQLITE_READONLY, SQLITE_CANTOPEN};

int primaryCode(const DatabaseError& error)
{
    if (error.engineCode() != 0)
        return error.engineCode() & 0xff;
    for (const int code : kKnownCodes) {
        if (error.message().contains(QLatin1String(sqlite3_errstr(code))))
            return code;
    }
    return 0;
}

// Writable for this user, and by its permission bits for anyone: a
// privileged user is granted access to what nobody may write.
bool writable(const QFileInfo& info)
{
    return info.permission(QFileDevice::WriteUser)
        && (info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

bool folderReadOnly(const QString& path)
{
    return !writable(QFileInfo(QFileInfo(path).absolutePath()));
}
} // namespace

FailureCause failureCause(const DatabaseError& error, const QString& path)
{
    switch (primaryCode(error)) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return FailureCause::InUse;
    case SQLITE_FULL:
        return FailureCause::DiskFull;
    case SQLITE_CORRUPT:
        return FailureCause::Damaged;
    case SQLITE_NOTADB:
        return FailureCause::NotAGameDatabase;
    case SQLITE_READONLY:
        if (error.engineCode() == SQLITE_READONLY_DIRECTORY || folderReadOnly(path))
            return FailureCause::ReadOnlyFolder;
        return FailureCause::ReadOnlyFile;
    case SQLITE_CANTOPEN:
        if (!QFileInfo::exists(path))
            return FailureCause::MissingFile;
        if (folderReadOnly(path))
            return FailureCause::ReadOnlyFolder;
        if (!writable(QFileInfo(path)))
            return FailureCause::ReadOnlyFile;
        return FailureCause::Other;
    default:
        return FailureCause::Other;
    }
}

QString failureMessage(const DatabaseError& error, const QString& path)
{
    QString cause;
    switch (failureCause(error, path)) {
    case FailureCause::InUse:
        cause = QStringLiteral("The game database [%1] is in use by another program.");
        break;
    case FailureCause::ReadOnlyFile:
        cause = QStringLiteral("The game database [%1] is read-only: it cannot be written.");
        break;
    case FailureCause::ReadOnlyFolder:
        cause = QStringLiteral("The folder of the game database [%1] is read-only: the game cannot be written there.");
        break;
    case FailureCause::DiskFull:
        cause = QStringLiteral("The disk of the game database [%1] is full.");
        break;
    case FailureCause::NotAGameDatabase:
        cause = QStringLiteral("[%1] is not a game database.");
        break;
    case FailureCause::MissingFile:
        cause = QStringLiteral("Could not find file '%1'.");
        break;
    case FailureCause::Damaged:
        cause = QStringLiteral("The game database [%1] is damaged.");
        break;
    case FailureCause::Other:
        cause = QStringLiteral("The game database [%1] could not be used.");
        break;
    }
    cause = cause.arg(path);
    // The engine's words, without the statement that met them.
    const QString detail = error.message().section(QLatin1Char('\n'), 0, 0);
    if (detail.isEmpty() || detail == cause)
        return cause;
    return cause + QLatin1Char('\n') + detail;
}

bool isInUseByAnotherProgram(const DatabaseError& error)
{
    const int code = primaryCode(error);
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

} // namespace arvenna
