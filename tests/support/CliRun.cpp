#include "CliRun.h"

#include <QProcess>
#include <QtGlobal>
#include <unistd.h>

namespace arvenna {

namespace {
CliRun run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        qFatal("arvenna-map-cli did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString kCli = QStringLiteral(ARVENNA_BUILT_HOME "/arvenna-map-cli");
} // namespace

CliRun runCli(const QStringList& arguments)
{
    return run(kCli, arguments);
}

CliRun runCliUnprivileged(const QStringList& arguments)
{
    if (::geteuid() != 0)
        return run(kCli, arguments);
    return run(QStringLiteral("setpriv"),
               QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--", kCli} + arguments);
}

} // namespace arvenna
