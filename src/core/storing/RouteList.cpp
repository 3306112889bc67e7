#include "RouteList.h"

#include "ProvinceCell.h"
#include "parser/ReportText.h"

#include <QRegularExpression>
#include <algorithm>
#include <variant>

namespace arvenna {

namespace {
// The first word of an entry and what follows it.
std::pair<QString, QString> firstWord(const QString& line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != u',' && line[end] != u' ')
        ++end;
    return {line.left(end), line.mid(end)};
}

// The direction of a province route: "North, to ..." or "North to ...", in
// any letter case. A place named "North Fen" is no route.
std::optional<RouteDirection> routeDirection(const QString& line)
{
    const auto [word, rest] = firstWord(line);
    if (!rest.startsWith(u',') && !rest.startsWith(QLatin1String(" to "), Qt::CaseInsensitive))
        return std::nullopt;
    return directionNamed(word);
}

bool opensEntry(const QString& line, const QString& entrySoFar)
{
    if (routeDirection(line) || firstWord(line).first.compare(QLatin1String("Out"), Qt::CaseInsensitive) == 0)
        return true;
    // A place further down the list; a line before the entry's code is
    // still the entry's.
    return line.contains(u'[') && entrySoFar.contains(u']');
}

// An entry with its lines joined, and the indexes of its first and last line.
struct Entry {
    QString text;
    qsizetype first = 0;
    qsizetype last = 0;
};

QList<Entry> joinEntries(const QStringList& lines)
{
    QList<Entry> entries;
    for (qsizetype at = 0; at < lines.size(); ++at) {
        const QString line = trimBlanks(lines.at(at));
        if (line.isEmpty())
            continue;
        if (entries.isEmpty() || opensEntry(line, entries.constLast().text)) {
            entries.append({line, at, at});
        } else {
            entries.last().text += QLatin1Char(' ') + line;
            entries.last().last = at;
        }
    }
    return entries;
}

// Reads a route's last part, "8 days", "1 day" or "impassable" (no days);
// false when it is neither.
bool readDays(const QString& part, std::optional<qint16>& days)
{
    if (part.compare(QLatin1String("impassable"), Qt::CaseInsensitive) == 0) {
        days.reset();
        return true;
    }
    static const QRegularExpression pattern(QStringLiteral(R"(^(\d{1,5}) days?$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(part);
    const int value = match.hasMatch() ? match.captured(1).toInt() : -1;
    if (value < 0 || value > 32767)
        return false;
    days = qint16(value);
    return true;
}

// A province route, or why the entry cannot be read as one.
std::variant<KnownRoute, QString> readRoute(const MapModel& model, const QString& text, RouteDirection direction,
                                            qint16 turn)
{
    QString rest = trimBlanks(firstWord(text).second);
    if (rest.startsWith(u','))
        rest = trimBlanks(QStringView(rest).mid(1));
    if (!rest.startsWith(QLatin1String("to "), Qt::CaseInsensitive))
        return QStringLiteral("no \"to\" after the direction");
    const qsizetype open = rest.indexOf(u'[');
    const qsizetype close = rest.indexOf(u']', open + 1);
    if (open < 0 || close < 0)
        return QStringLiteral("no province code");
    const QString code = trimBlanks(QStringView(rest).mid(open + 1, close - open - 1));
    const std::optional<ProvinceCell> cell = provinceCell(model, code);
    if (!cell)
        return QStringLiteral("[%1] is no province of the map").arg(code);
    const QString afterCode = rest.mid(close + 1);
    const QString last = trimBlanks(QStringView(afterCode).mid(afterCode.lastIndexOf(u',') + 1));
    std::optional<qint16> days;
    if (!afterCode.contains(u',') || !readDays(last, days))
        return QStringLiteral("\"%1\" is not a number of days").arg(last);
    return KnownRoute{direction, cell->key, trimBlanks(QStringView(rest).mid(3, open - 3)), days, turn};
}
} // namespace

RouteList readRouteList(const MapModel& model, const QStringList& lines, qint16 turn)
{
    RouteList list;
    for (const Entry& entry : joinEntries(lines)) {
        const std::optional<RouteDirection> direction = routeDirection(entry.text);
        if (!direction)
            continue;
        const auto route = readRoute(model, entry.text, *direction, turn);
        if (const QString* why = std::get_if<QString>(&route)) {
            list.unread.append({entry.first, *why});
            continue;
        }
        const bool twice = std::any_of(list.routes.cbegin(), list.routes.cend(),
                                       [&](const KnownRoute& known) { return known.direction == *direction; });
        if (twice) {
            list.unread.append({entry.first, directionName(*direction) + QStringLiteral(" is listed twice")});
            continue;
        }
        list.routes.append(std::get<KnownRoute>(route));
        for (qsizetype line = entry.first; line <= entry.last; ++line)
            list.readLines.append(line);
    }
    return list;
}

} // namespace arvenna
