#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>

class QIODevice;

namespace arvenna {

// The lines of a report, taken one by one from the report's bytes. A line
// ends at a line feed, a carriage return, or both together, so reports saved
// on any system read alike. A line is decoded as UTF-8 when it is valid UTF-8,
// as Latin-1 otherwise, so any byte is text.
class ReportLineSource {
public:
    // No turn report comes near this size; the bound keeps an endless device
    // (a pipe, /dev/zero) from being read until memory runs out.
    static constexpr qint64 kMaximumBytes = 64 * 1024 * 1024;
    // No report line comes near this length either; a longer one is damage
    // (a file that is not a report, or lost line ends) and fails the report.
    static constexpr qsizetype kMaximumLineLength = 4096;

    // Reads the device to its end; nothing when it holds more than
    // kMaximumBytes. A device that fails to read gives the lines read so far.
    static std::optional<ReportLineSource> read(QIODevice& device);

    explicit ReportLineSource(QByteArray bytes) : bytes_(std::move(bytes)) {}

    bool hasLines() const { return position_ < bytes_.size(); }
    // The next line; past the last line, or on a line longer than
    // kMaximumLineLength, the report fails (ReportFormatError).
    QString next();
    // The 1-based number of the line last read.
    int lineNumber() const { return lineNumber_; }

private:
    QByteArray bytes_;
    qsizetype position_ = 0;
    int lineNumber_ = 0;
};

} // namespace arvenna
