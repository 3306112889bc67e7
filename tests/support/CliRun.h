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

} // namespace arvenna
