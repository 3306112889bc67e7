#pragma once

#include <QString>
#include <stdexcept>

namespace arvenna {

// Every failure of the database engine layer, and every failed lookup or
// taken key in the model's collections, reaches the caller as this error.
// A failure of the engine carries its result code, so that the cause can be
// told apart from the text (see EngineFailure.h).
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message, int engineCode = 0)
        : std::runtime_error(message.toStdString()), message_(message), engineCode_(engineCode) {}
    const QString& message() const { return message_; }
    // The engine's result code (SQLITE_BUSY, ...), 0 when the failure is not the engine's.
    int engineCode() const { return engineCode_; }

private:
    QString message_;
    int engineCode_;
};

} // namespace arvenna
