#include "FindMatch.h"

namespace arvenna {

QString kindLabel(FindKind kind)
{
    switch (kind) {
    case FindKind::Province:
        return QStringLiteral("Province");
    case FindKind::Region:
        return QStringLiteral("Region");
    case FindKind::City:
        return QStringLiteral("City");
    case FindKind::InnerLocation:
        return QStringLiteral("Inner location");
    case FindKind::Character:
        return QStringLiteral("Character");
    }
    return {};
}

QString matchTitle(const FindMatch& match)
{
    if (match.number.isEmpty())
        return match.name;
    const QString number = QLatin1Char('[') + match.number + QLatin1Char(']');
    return match.name.isEmpty() ? number : match.name + QLatin1Char(' ') + number;
}

QString matchCountText(const FindResult& result)
{
    const qsizetype listed = result.matches.size();
    if (result.total == 0)
        return QStringLiteral("No match.");
    if (result.total == 1)
        return QStringLiteral("1 match");
    if (listed < result.total)
        return QStringLiteral("%1 of %2 matches shown").arg(listed).arg(result.total);
    return QStringLiteral("%1 matches").arg(result.total);
}

} // namespace arvenna
