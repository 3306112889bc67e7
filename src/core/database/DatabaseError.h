#pragma once

#include <QString>
#include <stdexcept>

namespace arvenna {

// Every failure of the database engine layer, and every failed lookup or
// taken key in the model's collections, reaches the caller as this error.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace arvenna
