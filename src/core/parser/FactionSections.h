#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace arvenna {

class ReportLineSource;
struct ReportCharacter;

// The sections of a report about the faction's own nobles: the faction
// summary, the unit table and one block per noble. They fill the report
// character table.
class FactionSections {
public:
    FactionSections(ReportLineSource& source, QList<ReportCharacter>& characters)
        : source_(source), characters_(characters)
    {
    }

    // After the "FACTION [...]" line: sizes the table from "CHARACTERS:".
    void readFactionSummary();
    // After the table's heading: numbers and locations, one row per record.
    void readUnitTable();
    // When `line` (cleaned) is a noble's heading, reads the noble's block and
    // returns true.
    bool readNobleBlock(const QString& line);

private:
    QString nextAfterUnderline();
    void indexNumbers();
    ReportCharacter* headingOwner(const QString& line) const;
    void readNobleDetails(ReportCharacter& noble, QString line);
    QString skipUntil(bool (*isLast)(const QString& upper));

    ReportLineSource& source_;
    QList<ReportCharacter>& characters_;
    // Record position by unit number (the first record where numbers repeat):
    // every bracketed line of the report is looked up here.
    QHash<QString, qsizetype> positionOfNumber_;
};

} // namespace arvenna
