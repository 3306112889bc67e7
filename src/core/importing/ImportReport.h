#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace arvenna {

struct ImportedTable {
    QString table;
    qint64 rows = 0;
    bool operator==(const ImportedTable&) const = default;
};

// What an import brought in and what it left out.
struct ImportReport {
    QString source;               // the Access file
    QString game;                 // the new game database
    QList<ImportedTable> tables;  // rows imported, per table of the file
    QStringList notes;            // anything skipped, kept as it was or not linked, and why

    // The report as the player reads it: a line per table, then the notes.
    QString text() const;
};

} // namespace arvenna
