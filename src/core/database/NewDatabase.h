#pragma once

#include "NewDatabaseName.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace arvenna {

struct DatabaseMenus;
class UserDialogue;

// The two game families: the main game ("G", answered g) and Quorvane ("QVR", answered qvr).
enum class GameFamily { Arvenna, Quorvane };

// The family of a game type answer in any letter case, or nothing.
std::optional<GameFamily> gameFamilyOf(const QString& answer);

// The template of a family: the first listed database whose repair menu
// caption, upper-cased, holds "ARVENNA" or "QVR GAME"; empty when none is listed.
QString templateDatabase(const DatabaseMenus& menus, GameFamily family);

// A new game database "NAME.MDB" in the program directory (or the ".mdb"
// file of that name in any letter case already there), built from a copy of
// a template in a work file beside it. The game file appears only when
// finish() has emptied the copy's game knowledge, written its identity and
// compacted it; until then (and after a failure) the work file is removed again.
class NewGameDatabase {
public:
    // The name as typed (see newDatabaseName); throws DatabaseError for a
    // name that is not plain.
    NewGameDatabase(const QString& programDirectory, const QString& typedName);
    ~NewGameDatabase();
    NewGameDatabase(const NewGameDatabase&) = delete;
    NewGameDatabase& operator=(const NewGameDatabase&) = delete;

    // The game file's full path.
    const QString& path() const { return path_; }

    // Copies the template to the work file; false when the copy failed.
    bool copyTemplate(const QString& templatePath);
    // Empties the knowledge tables (counters start again at 1), writes the
    // SETUP row, brings the schema to the latest migration, compacts the copy
    // and puts it in place of the game file in one step (replacing one already
    // there, unless another program has it open for writing). Throws
    // DatabaseError and leaves the game file as it was on failure.
    void finish(GameFamily family, qint16 gameNumber, const QDateTime& now = QDateTime::currentDateTime());

private:
    void discardWorkFile();

    QString path_;
    QString workPath_;
};

// "Create Clean Database": asks the name, the game type and the number,
// creates the database from the template of its family and returns true.
// Every cancelled or refused answer ends with a message and leaves no new
// file; a database already of that name, in any letter case, is replaced
// only by a finished one, and Enter answers No to both questions that may
// replace it.
bool createDatabaseFromTemplate(const QString& programDirectory, const DatabaseMenus& menus,
                                UserDialogue& dialogue);

} // namespace arvenna
