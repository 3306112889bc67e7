#pragma once

#include <QString>

namespace arvenna {

// The program directory: where the game databases, "ConfigFile.arv" and
// "Pictures" lie. An explicit --home wins over ARVENNA_HOME, which wins over
// the executable's own directory.
QString resolveProgramDirectory(const QString& homeOption);

// A file of the program directory, joined with the platform's separator.
QString programFile(const QString& programDirectory, const QString& name);

} // namespace arvenna
