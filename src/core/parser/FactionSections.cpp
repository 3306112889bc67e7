#include "FactionSections.h"

#include "ReportLineSource.h"
#include "ReportState.h"
#include "ReportText.h"

#include <algorithm>

namespace arvenna {

namespace {
using namespace Qt::Literals::StringLiterals;

bool isBlank(const QString& line)
{
    return trimBlanks(line).isEmpty();
}

// The combat line ends with the missile value when the behind value went to
// the next line.
bool behindValueFollows(const QString& upper)
{
    return upper.contains("MISSILE"_L1) && !upper.contains("BEHIND"_L1);
}
} // namespace

QString FactionSections::nextAfterUnderline()
{
    QString line = source_.next();
    if (line.isEmpty() || line.startsWith("----"_L1))
        line = source_.next();
    return line;
}

void FactionSections::readFactionSummary()
{
    for (QString line = nextAfterUnderline(); !isBlank(line); line = source_.next()) {
        const QString cleaned = CleanLine(line);
        if (!upperCase(cleaned).startsWith("CHARACTERS:"_L1))
            continue;
        const QString count = textBefore(trimBlanks(QStringView(cleaned).mid(11)), u" ");
        characters_ = QList<ReportCharacter>(toInt16(numericValue(count)));
        positionOfNumber_.clear();
    }
}

void FactionSections::readUnitTable()
{
    QString row = nextAfterUnderline();
    for (ReportCharacter& record : characters_) {
        if (row.size() < 30)
            row = source_.next();
        record.number = trimBlanks(textBefore(row, u" "));
        const QString rest = trimBlanks(textAfter(row, u" "));
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        record.location = blank < 0 ? QString() : trimBlanks(QStringView(rest).left(blank));
        row = source_.next();
    }
    indexNumbers();
}

void FactionSections::indexNumbers()
{
    positionOfNumber_.clear();
    for (qsizetype i = characters_.size() - 1; i >= 0; --i) { // backwards: the first of repeated numbers stays
        if (!characters_.at(i).number.isEmpty())
            positionOfNumber_.insert(characters_.at(i).number, i);
    }
}

// The first record whose number the line holds in brackets. Each bracketed
// text is looked up once, so a long line or a large faction costs no more than
// reading it (a number that itself holds a bracket is never found).
ReportCharacter* FactionSections::headingOwner(const QString& line) const
{
    if (startsWithDigit(line) || line.contains(QLatin1Char('#')))
        return nullptr;
    qsizetype owner = characters_.size();
    qsizetype open = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('[')) {
            open = i;
        } else if (line[i] == QLatin1Char(']') && open >= 0) {
            const auto found = positionOfNumber_.constFind(line.sliced(open + 1, i - open - 1));
            if (found != positionOfNumber_.constEnd())
                owner = std::min(owner, *found);
            open = -1;
        }
    }
    return owner < characters_.size() ? &characters_[owner] : nullptr;
}

bool FactionSections::readNobleBlock(const QString& line)
{
    ReportCharacter* noble = headingOwner(line);
    if (!noble)
        return false;
    noble->name = trimBlanks(textBefore(line, u"["));
    source_.next(); // the heading's underline
    const QString first = source_.next();
    if (upperCase(first).contains("IS BEING HELD PRISONER"_L1)) {
        noble->name = first; // such nobles are not stored as the faction's own
        return true;
    }
    QString current = CleanLine(first);
    while (startsWithDigit(current)) // the noble's day-by-day events
        current = CleanLine(source_.next());
    readNobleDetails(*noble, current);
    return true;
}

// Lines the table does not keep (current aura, stacked under, break point,
// "has no possessions", health and the like) are passed over; lists are
// skipped whole so that none of their lines is taken for a keyword.
void FactionSections::readNobleDetails(ReportCharacter& noble, QString line)
{
    while (!upperCase(line).startsWith("CAPACITY:"_L1)) {
        line = CleanLine(source_.next());
        const QString upper = upperCase(line);
        if (upper.startsWith("LOCATION:"_L1)) {
            noble.location = trimBlanks(QStringView(line).mid(9));
        } else if (upper.startsWith("MAXIMUM AURA:"_L1)) {
            noble.maximumAura = textToInt16(line.mid(13));
        } else if (upper.startsWith("LOYALTY:"_L1)) {
            noble.loyalty = trimBlanks(QStringView(line).mid(8));
        } else if (upper.startsWith("PARTIALLY KNOWN SKILLS"_L1) || upper.startsWith("SKILLS KNOWN:"_L1)) {
            line = skipUntil([](const QString& u) { return u.isEmpty() || u == "NONE"_L1; });
        } else if (upper.startsWith("COMBAT:"_L1)) {
            if (behindValueFollows(upper))
                line = CleanLine(source_.next());
        } else if (upper.startsWith("INVENTORY:"_L1)) {
            for (int heading = 0; heading < 3; ++heading)
                source_.next();
            line = skipUntil([](const QString& u) { return u.contains("==="_L1); });
        }
    }
}

// Reads and cleans lines up to the one that ends a list; returns that line.
QString FactionSections::skipUntil(bool (*isLast)(const QString& upper))
{
    QString line;
    do
        line = CleanLine(source_.next());
    while (!isLast(upperCase(line)));
    return line;
}

} // namespace arvenna
