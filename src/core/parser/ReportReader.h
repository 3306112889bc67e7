#pragma once

#include <QString>

class QIODevice;

namespace arvenna {

class UserDialogue;
struct ReportState;

// Reads one turn report against the open game, whose description is
// `currentDBDesc` ("Arvenna G2", "QVR game 1"): fills the header values, the
// report character table and the labelled line buffer of `state`. True when
// the report was read to its end and named its faction and the open game.
bool ReadReport(const QString& path, ReportState& state, const QString& currentDBDesc, UserDialogue& dialogue);

// The same, from an open device (the report's bytes).
bool ReadReport(QIODevice& report, ReportState& state, const QString& currentDBDesc, UserDialogue& dialogue);

} // namespace arvenna
