#pragma once

#include <QString>
#include <stdexcept>

// Every failure of the database engine layer reaches the caller as this error.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
