#pragma once

#include "ReportState.h"

#include <QString>
#include <optional>

namespace arvenna {

// What one line of a report's opening tells of its header.
enum class HeaderLine {
    None,           // not a header line
    Faction,        // "Report for NAME [NUMBER]."
    Game,           // "Arvenna G2 turn N report": the open game and the turn
    GameAndFaction, // the variant's one line: game, turn and faction
    OtherGame,      // a header of another game than the open one
};

// Reads a cleaned report line against the open game, whose description is
// `currentDBDesc`, into the header values it names. A turn beyond 16 bits
// fails the report (ReportFormatError).
HeaderLine readHeaderLine(const QString& line, const QString& upper, const QString& currentDBDesc,
                          ReportHeader& header);

// The header of a report file of the open game, read from its first lines
// only: quick enough for a directory of hundreds of reports. Nothing when the
// file cannot be read, names no faction, another game, or no turn from 1 on.
std::optional<ReportHeader> ReadReportHeader(const QString& path, const QString& currentDBDesc);

} // namespace arvenna
