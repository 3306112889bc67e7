#include "ImportReport.h"

#include <QDir>

namespace arvenna {

QString ImportReport::text() const
{
    QStringList lines{QStringLiteral("Imported %1\ninto %2:")
                          .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(game))};
    for (const ImportedTable& table : tables)
        lines << QStringLiteral("  %1: %2 rows").arg(table.table).arg(table.rows);
    if (!notes.isEmpty()) {
        lines << QStringLiteral("Not imported as it stands:");
        for (const QString& note : notes)
            lines << QStringLiteral("  ") + note;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace arvenna
