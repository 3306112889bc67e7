#include "ProgramDirectory.h"

#include "ExternalApplications.h"
#include "database/DatabaseDiscovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace arvenna {

namespace {
// Copies source in under a work name first, so an interrupted copy never
// shows as a game. Returns the reason of a failure.
QString copyInto(const QString& source, const QString& target)
{
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    QFile from(source);
    if (!from.copy(part))
        return QStringLiteral("Could not copy [%1] to [%2]: %3").arg(source, target, from.errorString());
    // An installed file is read-only; the player's copy must not be.
    QFile copy(part);
    if (!copy.setPermissions(copy.permissions() | QFileDevice::WriteOwner | QFileDevice::ReadOwner)
        || !copy.rename(target)) {
        const QString reason = copy.errorString();
        QFile::remove(part);
        return QStringLiteral("Could not copy [%1] to [%2]: %3").arg(source, target, reason);
    }
    return {};
}

QString namedDirectoryProblem(const QString& path)
{
    const QFileInfo folder(path);
    if (!folder.exists())
        return QStringLiteral("The program directory [%1] does not exist.").arg(QDir::toNativeSeparators(path));
    if (!folder.isDir())
        return QStringLiteral("The program directory [%1] is not a folder.").arg(QDir::toNativeSeparators(path));
    return {};
}
} // namespace

QString chooseProgramDirectory(const QString& homeOption, const QString& environment,
                               const QString& executableDirectory, const QString& userDirectory)
{
    if (!homeOption.isEmpty())
        return QDir(homeOption).absolutePath();
    if (!environment.isEmpty())
        return QDir(environment).absolutePath();
    if (!gameDatabaseFiles(executableDirectory).isEmpty())
        return executableDirectory;
    return userDirectory;
}

ProgramDirectory resolveProgramDirectory(const QString& homeOption)
{
    const QString environment = qEnvironmentVariable("ARVENNA_HOME");
    const QString user = userProgramDirectory();
    ProgramDirectory directory;
    directory.path =
        chooseProgramDirectory(homeOption, environment, QCoreApplication::applicationDirPath(), user);
    if (!homeOption.isEmpty() || !environment.isEmpty())
        directory.problem = namedDirectoryProblem(directory.path);
    else if (directory.path == user)
        directory.problem = seedProgramDirectory(user, installedDataDirectory());
    return directory;
}

QString userProgramDirectory()
{
    // What AppDataLocation is for a program named arvenna-map: both programs
    // must find the same folder, whatever their own names.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("arvenna-map"));
}

QString installedDataDirectory()
{
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ARVENNA_DATA_FROM_BIN)));
}

QString seedProgramDirectory(const QString& directory, const QString& installedData)
{
    if (!QDir().mkpath(directory))
        return QStringLiteral("The folder [%1] for your games could not be created.").arg(QDir::toNativeSeparators(directory));
    if (!gameDatabaseFiles(directory).isEmpty())
        return {};
    QStringList names = gameDatabaseFiles(installedData);
    if (names.isEmpty())
        return QStringLiteral("No empty game database was found in [%1] to start your games with.")
            .arg(QDir::toNativeSeparators(installedData));
    if (QFileInfo::exists(QDir(installedData).filePath(kConfigFileName))
        && !QFileInfo::exists(QDir(directory).filePath(kConfigFileName)))
        names << kConfigFileName;
    for (const QString& name : names) {
        const QString failure = copyInto(QDir(installedData).filePath(name), QDir(directory).filePath(name));
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}

QString programFile(const QString& programDirectory, const QString& name)
{
    return QDir::toNativeSeparators(QDir(programDirectory).filePath(name));
}

QString picturePath(const QString& programDirectory, const QString& fileName)
{
    const QString own = programFile(programFile(programDirectory, QStringLiteral("Pictures")), fileName);
    if (QFileInfo::exists(own))
        return own;
    return programFile(programFile(installedDataDirectory(), QStringLiteral("Pictures")), fileName);
}

} // namespace arvenna
