#include "CitySkills.h"

#include "database/Database.h"

namespace arvenna {

QString citySkillsMessage(Database& database, const QString& clickedLine)
{
    if (!clickedLine.contains(QLatin1String("(City)")))
        return {};
    const qsizetype open = clickedLine.indexOf(QLatin1Char('['));
    const qsizetype close = open < 0 ? -1 : clickedLine.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0)
        return {};
    const QString number = clickedLine.mid(open + 1, close - open - 1);

    RecordSet city = database.openRecordSet(QStringLiteral("SELECT * FROM LOCALS WHERE LOCALNUMBER = ?"),
                                            RecordSetType::Snapshot, {number});
    if (city.isEOF())
        return {};
    // Skills are kept under the id of the city's province.
    RecordSet taught = database.openRecordSet(QStringLiteral("SELECT * FROM SKILLSBYLOCAL WHERE LOCALID = ?"),
                                              RecordSetType::Snapshot, {city.value(QStringLiteral("PROVINCEID"))});
    QString lines;
    for (; !taught.isEOF(); taught.moveNext()) {
        RecordSet skill = database.openRecordSet(QStringLiteral("SELECT * FROM SKILLS WHERE SKILLID = ?"),
                                                 RecordSetType::Snapshot,
                                                 {taught.value(QStringLiteral("SKILLTYPEID"))});
        if (!skill.isEOF())
            lines += skill.text(QStringLiteral("Skillno")) + QStringLiteral(" - ")
                     + skill.text(QStringLiteral("Skillname")) + QLatin1Char('\n');
    }
    if (lines.isEmpty())
        return {};
    return QStringLiteral("SKILLS TO LEARN\n\n") + lines;
}

} // namespace arvenna
