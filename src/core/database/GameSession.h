#pragma once

#include "ClassConnection.h"

#include <QString>
#include <memory>

namespace arvenna {

// The game that is open: the connection and the names that go with it.
struct GameSession {
    std::unique_ptr<ClassConnection> CurrentConnection;
    QString CurrentDBName; // full path of the open database file, empty when none
    QString CurrentDBDesc; // description part of the chosen menu caption

    enum class OpenResult {
        Opened,
        NotADatabaseEntry, // the caption names no file ("No Database Found")
        FileMissing,       // the file vanished since discovery
    };

    bool isOpen() const { return CurrentConnection && CurrentConnection->ConnectionActive(); }

    // Opens the database a "&Database" menu entry names. An engine failure
    // throws DatabaseError and leaves no game open.
    OpenResult openFromCaption(const QString& caption, const QString& programDirectory);
    // Closes the connection and forgets the game.
    void close();
};

} // namespace arvenna
