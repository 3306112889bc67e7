#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace arvenna {

class Database;

// A processing run can be taken back: before it, the game is copied whole
// beside it (NAME.mdb.before-processing, with what the run was in
// NAME.mdb.before-processing.run), under names discovery never lists.
struct UndoPoint {
    QDateTime taken;   // when the run began
    QStringList files; // the reports it was given
};

QString undoCopyPath(const QString& gamePath);

// The run the copy beside the game would take back; nothing when there is
// no complete copy.
std::optional<UndoPoint> undoPoint(const QString& gamePath);

// Copies the open game through the engine's online backup and records the
// run, replacing the copy of the run before. A run killed halfway leaves no
// copy that undo would use. Throws DatabaseError when it cannot be written.
void takeUndoCopy(Database& game, const QStringList& files, const QDateTime& now = QDateTime::currentDateTime());

// Puts the copy back into the game file (under the maintenance lock, so no
// other program is in it), then removes the copy. Throws DatabaseError with
// the reason, leaving the game as it was, when there is no copy, when it is
// damaged or cut short, when it belongs to another game, or when the game is
// in use. The game must not be open in this program.
void undoLastProcessing(const QString& gamePath);

// Removes the copy and its record (when the game is purged).
void removeUndoCopy(const QString& gamePath);

} // namespace arvenna
