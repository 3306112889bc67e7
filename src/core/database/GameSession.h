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

    // Opens the database of a "&Database" menu entry: its caption and the
    // path discovery listed with it (empty for "No Database Found"). An
    // engine failure throws DatabaseError and leaves no game open.
    OpenResult open(const QString& caption, const QString& path);
    // Closes the connection and forgets the game.
    void close();
};

} // namespace arvenna
