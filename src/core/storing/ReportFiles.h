#pragma once

#include "parser/ReportState.h"

#include <QList>
#include <QString>

namespace arvenna {

class Database;

// What the game makes of a file of the reports directory.
enum class ReportFileState {
    New,         // a report of the open game the report log has not reached yet
    AlreadyHeld, // the game holds its faction at that turn or later
    NotAReport,  // no report of the open game (or unreadable)
};

struct ReportFile {
    QString name;
    ReportFileState state = ReportFileState::NotAReport;
    ReportHeader header; // turn and faction of a report

    bool operator==(const ReportFile&) const = default;
};

// The files of the directory by name, each with its turn and faction read
// from its header and its state against the game's report log.
QList<ReportFile> readReportFiles(const QString& directory, const QString& currentDBDesc, Database& database);

// How the parser window's list shows a file: "NAME  (turn 25, Ash Clan [a01], new)".
QString reportFileCaption(const ReportFile& file);

} // namespace arvenna
