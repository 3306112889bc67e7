#pragma once

#include <QList>
#include <QString>

namespace arvenna {

// What a match of "Find..." is; matches of one rank are listed in this order.
enum class FindKind { Province, Region, City, InnerLocation, Character };

// One thing found: what it is ("Castle" for an inner location of that type),
// its name and number, and the province that shows it, as "ab07".
struct FindMatch {
    FindKind kind = FindKind::Province;
    QString kindLabel;
    QString name;
    QString number;
    QString code;

    bool operator==(const FindMatch&) const = default;
};

// The most matches a search lists; the total says how many there were.
inline constexpr int kFindLimit = 200;

struct FindResult {
    QList<FindMatch> matches;
    int total = 0;
};

// "Province", "Region", "City", "Inner location" or "Character".
QString kindLabel(FindKind kind);
// "Black Keep [K7]": the name with the number in brackets, either alone when
// the other is empty.
QString matchTitle(const FindMatch& match);
// "No match.", "1 match", "12 matches" or "200 of 2000 matches shown".
QString matchCountText(const FindResult& result);

} // namespace arvenna
