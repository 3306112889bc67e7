#pragma once

#include <QByteArray>

namespace arvenna {

// A main-game report of at least `bytes` bytes: realistic province and city
// paragraphs (routes, inner locations, "Seen here" lists with a death,
// markets) repeated.
QByteArray realisticReport(qsizetype bytes);

// A faction of `nobles` nobles, then `lines` bracketed location lines that
// name none of them: every such line is looked up among the nobles.
QByteArray manyNoblesReport(int nobles, int lines);

// A faction of `nobles` nobles, then two lines of `lineBytes` bytes full of
// bracketed codes.
QByteArray longLinesReport(int nobles, qsizetype lineBytes);

} // namespace arvenna
