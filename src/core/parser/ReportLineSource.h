#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace arvenna {

// The lines of a report, taken one by one from the report's bytes. Lines end
// at a line feed, with or without a carriage return before it. A line is
// decoded as UTF-8 when it is valid UTF-8, as Latin-1 otherwise, so any byte
// is text.
class ReportLineSource {
public:
    // Reads the whole device; a device that fails to read gives no lines.
    explicit ReportLineSource(QIODevice& device);

    bool hasLines() const { return position_ < bytes_.size(); }
    // The next line; past the last line the report fails (ReportFormatError).
    QString next();
    // The 1-based number of the line last read.
    int lineNumber() const { return lineNumber_; }

private:
    QByteArray bytes_;
    qsizetype position_ = 0;
    int lineNumber_ = 0;
};

} // namespace arvenna
