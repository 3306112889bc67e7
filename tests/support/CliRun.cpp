#include "CliRun.h"

#include <QProcess>
#include <QtGlobal>

namespace arvenna {

CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(ARVENNA_BUILT_HOME "/arvenna-map-cli"), arguments);
    if (!process.waitForFinished(60000))
        qFatal("arvenna-map-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace arvenna
