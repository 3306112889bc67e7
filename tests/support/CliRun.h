#pragma once

#include <QString>
#include <QStringList>

namespace arvenna {

// One run of the built command-line tool: exit status, stdout and stderr.
struct CliRun {
    int status;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments);

// The same as a user whom permissions bind: run as root (who may write any
// file), the tool runs as "nobody", so the files and folders it is to use
// must be open to others.
CliRun runCliUnprivileged(const QStringList& arguments);

} // namespace arvenna
