#include "ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

namespace arvenna {

QString resolveProgramDirectory(const QString& homeOption)
{
    if (!homeOption.isEmpty())
        return QDir(homeOption).absolutePath();
    const QString fromEnvironment = qEnvironmentVariable("ARVENNA_HOME");
    if (!fromEnvironment.isEmpty())
        return QDir(fromEnvironment).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString& programDirectory, const QString& name)
{
    return QDir::toNativeSeparators(QDir(programDirectory).filePath(name));
}

} // namespace arvenna
