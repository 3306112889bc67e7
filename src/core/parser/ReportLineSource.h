#pragma once

#include <QString>

class QIODevice;

// The lines of a report, read one by one from an open device. Lines end at a
// line feed, with or without a carriage return before it. A line is decoded
// as UTF-8 when it is valid UTF-8, as Latin-1 otherwise, so any byte is text.
class ReportLineSource {
public:
    explicit ReportLineSource(QIODevice& device) : device_(device) {}

    bool hasLines() const;
    // The next line; past the last line the report fails (ReportFormatError).
    QString next();
    // The 1-based number of the line last read.
    int lineNumber() const { return lineNumber_; }

private:
    QIODevice& device_;
    int lineNumber_ = 0;
};
