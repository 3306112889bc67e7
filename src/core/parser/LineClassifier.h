#pragma once

#include <QString>

namespace arvenna {

// Gives a report line its section label from the keyword table and a small
// state: the current label, the carry mode and the last location line.
class LineClassifier {
public:
    // A section label, or empty text when the line and its paragraph are ignored.
    QString ClassifyLine(const QString& line);

    // The upper-cased opening line of the most recent "(LOC)" paragraph; it
    // survives from one report to the next until a market heading uses it.
    const QString& lastLocationLine() const { return lastLocationLine_; }
    QString takeLastLocationLine();

private:
    QString currentLabel_;
    QString carryMode_; // empty, "N" or "Q"
    QString lastLocationLine_;
};

} // namespace arvenna
