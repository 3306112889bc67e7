#pragma once

#include "ClassConnection.h"
#include "WriterLock.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace arvenna {

// How a game is opened. The writer is the one program that may change the
// game (see WriterLock): the desktop program while a map is open, the
// command that processes reports into it. A reader takes no lock and sees
// what was last committed, beside a writer; it must not write.
enum class GameAccess { Reader, Writer };

// The game that is open: the connection and the names that go with it.
struct GameSession {
    std::unique_ptr<WriterLock> writerLock; // held while the game is open for writing
    std::unique_ptr<ClassConnection> CurrentConnection;
    QString CurrentDBName; // full path of the open database file, empty when none
    QString CurrentDBDesc; // description part of the chosen menu caption
    // What opening the game for writing changed in it (see migrateGame), for
    // the player to be told.
    QStringList openingNotices;

    enum class OpenResult {
        Opened,
        NotADatabaseEntry, // the caption names no file ("No Database Found")
        FileMissing,       // the file vanished since discovery
    };

    bool isOpen() const { return CurrentConnection && CurrentConnection->ConnectionActive(); }

    // Opens the database of a "&Database" menu entry: its caption and the
    // path discovery listed with it (empty for "No Database Found"). A
    // writer takes the game's writer lock first, refuses a game it may not
    // write and brings its schema up to date. A failure throws DatabaseError
    // with the message that names its cause (failureMessage) and leaves no
    // game open. heldLock is the game's writer lock when the caller holds
    // it already (reopening its own game).
    OpenResult open(const QString& caption, const QString& path, GameAccess access = GameAccess::Reader,
                    std::unique_ptr<WriterLock> heldLock = {});
    // Closes the connection, lets go of the writer lock and forgets the game.
    void close();
};

} // namespace arvenna
