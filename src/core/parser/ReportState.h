#pragma once

#include "LabelledLineBuffer.h"
#include "LineClassifier.h"

#include <QList>
#include <QString>

namespace arvenna {

// Turn number, faction number and faction name of the report last read.
struct ReportHeader {
    qint16 turnNumber = 0;
    QString factionNumber;
    QString factionName;

    bool operator==(const ReportHeader&) const = default;
};

// One of the faction's own nobles.
struct ReportCharacter {
    QString number;
    QString name;
    QString location;
    QString loyalty;
    qint16 maximumAura = 0;

    bool operator==(const ReportCharacter&) const = default;
};

// What reading a report leaves for the storing stages and the parser window.
// It lives from one report to the next: the storing stages of a report run
// between two reads, and the classifier's last location line carries over.
struct ReportState {
    ReportHeader header;
    // The report character table: record i of the report is characters[i - 1].
    QList<ReportCharacter> characters;
    LabelledLineBuffer buffer;
    LineClassifier classifier;
    // Why the last report could not be read to its end (empty when it could).
    QString failure;
};

// Resets the header values and empties the labelled line buffer.
void ResetReportState(ReportState& state);

} // namespace arvenna
