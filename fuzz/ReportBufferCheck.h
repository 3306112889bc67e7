#pragma once

#include <QByteArray>
#include <QString>

namespace arvenna {

// Reads `report` as a turn report of either game and checks the labelled line
// buffer left behind: every item is a separator or a section label, a blank
// and text, and no two separators follow each other. Returns what is wrong,
// empty text when nothing is.
QString checkReportBytes(const QByteArray& report);

} // namespace arvenna
