#pragma once

#include <QString>

namespace arvenna {

// The program directory: where the game databases, "ConfigFile.arv" and
// "Pictures" lie, and why it cannot be used when it cannot.
struct ProgramDirectory {
    QString path;
    QString problem;
};

// Which directory is the program directory. An explicit --home wins over
// ARVENNA_HOME, which wins over the executable's own directory when that
// holds a game database (the build tree, a copied program folder). An
// installed program's directory holds none and cannot be written: its games
// live in the per-user folder.
QString chooseProgramDirectory(const QString& homeOption, const QString& environment,
                               const QString& executableDirectory, const QString& userDirectory);

// The program directory of this run, made ready: a folder named by --home or
// ARVENNA_HOME must exist; the per-user folder is created and seeded on
// first start.
ProgramDirectory resolveProgramDirectory(const QString& homeOption);

// The per-user data folder of the program (~/.local/share/arvenna-map),
// shared by the desktop program and the command-line tool.
QString userProgramDirectory();

// The installed program's read-only data (share/arvenna-map beside bin/):
// the empty game databases, the pictures and a sample "ConfigFile.arv".
QString installedDataDirectory();

// Gives a folder that holds no game database copies of the game databases
// and the "ConfigFile.arv" of installedData, creating the folder first. A
// folder that holds a game already is left alone, so the player's own
// deletions stick. Returns the reason of a failure, or the empty text.
QString seedProgramDirectory(const QString& directory, const QString& installedData);

// A file of the program directory, joined with the platform's separator.
QString programFile(const QString& programDirectory, const QString& name);

// A picture of the program directory's "Pictures" folder or, when it has
// no such file, of the installed one.
QString picturePath(const QString& programDirectory, const QString& fileName);

} // namespace arvenna
