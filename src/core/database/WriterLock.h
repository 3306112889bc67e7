#pragma once

#include <QString>

namespace arvenna {

// The one writer of a game: a lock file beside the game ("NAME.mdb.writer",
// which discovery never lists), held locked for as long as the holder may
// write. The kernel lets go of the lock when the holder's process ends, even
// when it is killed, so a game is never left locked by a program that is
// gone. The file names the holder (process id and host) for the message that
// refuses a second writer. Readers never take it.
class WriterLock {
public:
    // Takes the lock at once or throws DatabaseError: held by another
    // program (SQLITE_BUSY, naming the holder), or a folder where no lock
    // file can be made (SQLITE_READONLY when it may only be read).
    explicit WriterLock(const QString& gamePath);
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    static QString lockFilePath(const QString& gamePath);

private:
    QString lockPath_;
    int descriptor_ = -1;
};

} // namespace arvenna
