#include "ReportFiles.h"

#include "database/Database.h"
#include "database/RowReader.h"
#include "parser/ReportHeaderLines.h"

#include <QDir>
#include <QHash>

namespace arvenna {

namespace {
// The report log's latest turn of each faction, by case-folded faction number.
QHash<QString, qint64> loggedTurns(Database& database)
{
    QHash<QString, qint64> turns;
    RowReader rows(database, QStringLiteral("SELECT FactionId, TurnNo FROM REPORTLOG"));
    while (rows.next()) {
        qint64& turn = turns[rows.text(0).toCaseFolded()];
        turn = std::max(turn, rows.integer(1));
    }
    return turns;
}
} // namespace

QList<ReportFile> readReportFiles(const QString& directory, const QString& currentDBDesc, Database& database)
{
    const QHash<QString, qint64> logged = loggedTurns(database);
    const QDir dir(directory);
    QList<ReportFile> files;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        ReportFile file{name, ReportFileState::NotAReport, {}};
        if (const std::optional<ReportHeader> header = ReadReportHeader(dir.filePath(name), currentDBDesc)) {
            file.header = *header;
            const auto turn = logged.constFind(header->factionNumber.toCaseFolded());
            file.state = turn != logged.cend() && *turn >= header->turnNumber ? ReportFileState::AlreadyHeld
                                                                                : ReportFileState::New;
        }
        files << file;
    }
    return files;
}

QString reportFileCaption(const ReportFile& file)
{
    if (file.state == ReportFileState::NotAReport)
        return QStringLiteral("%1  (not a report of this game)").arg(file.name);
    return QStringLiteral("%1  (turn %2, %3 [%4], %5)")
        .arg(file.name)
        .arg(file.header.turnNumber)
        .arg(file.header.factionName, file.header.factionNumber,
             file.state == ReportFileState::New ? QStringLiteral("new") : QStringLiteral("already processed"));
}

} // namespace arvenna
