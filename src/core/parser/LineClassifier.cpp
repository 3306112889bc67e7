#include "LineClassifier.h"

#include "ReportText.h"

#include <QStringMatcher>
#include <iterator>
#include <vector>
#include <utility>

namespace arvenna {

namespace {
// Never returned: ClassifyLine answers empty text for it.
const QString kIgnore = QStringLiteral("(---)");

enum class Test { StartsWith, Contains, FirstIsDigit, TradeOutsideMarket };

struct KeywordRow {
    Test test;
    QLatin1StringView keyword;
    QLatin1StringView label; // "(---)" ignores the paragraph
    char carryMode;          // 'N', 'Q', or 0 to leave it unchanged
};

using namespace Qt::Literals::StringLiterals;

// Every matching row sets the label; a later match overrides an earlier one.
// The first two rows always run; the others only outside the order template,
// the new players list and the lore sheets.
constexpr KeywordRow kKeywordTable[] = {
    {Test::StartsWith, "ORDER TEMPLATE"_L1, "(TMP)"_L1, 'Q'},
    {Test::StartsWith, "NEW PLAYERS"_L1, "(NEW)"_L1, 'Q'},
    {Test::StartsWith, "LORE SHEETS"_L1, "(LOR)"_L1, 'Q'},
    {Test::StartsWith, "GARRISON LOG"_L1, "(---)"_L1, 'N'},
    {Test::StartsWith, "GARRISON ["_L1, "(---)"_L1, 'N'},
    {Test::Contains, "MARKET REPORT"_L1, "(MAK)"_L1, 'Q'},
    {Test::Contains, "SEEN HERE"_L1, "(SEE)"_L1, 'N'},
    {Test::StartsWith, "PROVINCE CONTROLLED"_L1, "(RUL)"_L1, 'N'},
    {Test::TradeOutsideMarket, {}, "(---)"_L1, 0},
    {Test::Contains, "SEWER"_L1, "(INN)"_L1, 'N'},
    {Test::Contains, ", SHIP,"_L1, "(SHI)"_L1, 'N'},
    {Test::Contains, ", MINE-SHAFT,"_L1, "(MIN)"_L1, 'N'},
    {Test::Contains, " GUILD,"_L1, "(GUI)"_L1, 'N'},
    {Test::StartsWith, "INNER LOCATIONS"_L1, "(INN)"_L1, 'N'},
    {Test::StartsWith, "POSTED IN"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "SHIPS SIGHTED"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "ROUTES LEAVING"_L1, "(RTE)"_L1, 'N'},
    {Test::StartsWith, "OCEAN ROUTES"_L1, "(---)"_L1, 0},
    {Test::FirstIsDigit, {}, "(LCN)"_L1, 'N'},
    {Test::StartsWith, "A MAGICAL B"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "SHIPS DOCKED"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "CITIES RUMORED"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "SKILLS TAUGHT"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "IT IS RAINING"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "THE PROVINCE IS BLANKETED IN FOG"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "NO ONE CAN BE SEEN"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "IT IS WINDY"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "RECOVERY FROM RECENT PILL"_L1, "(---)"_L1, 0},
    {Test::Contains, "PERMITS STUDY OF"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "OLD BOOK"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "SHIP CAPACITY"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "DAMAGE"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "PENDING TRADES:"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "TRADE    PRICE"_L1, "(---)"_L1, 0},
    {Test::StartsWith, "NORTH, "_L1, "(---)"_L1, 0},
    {Test::StartsWith, "EAST, "_L1, "(---)"_L1, 0},
    {Test::StartsWith, "WEST, "_L1, "(---)"_L1, 0},
    {Test::StartsWith, "SOUTH, "_L1, "(---)"_L1, 0},
    // A line naming a ship is ignored, though the carry mode set above stays.
    {Test::Contains, ", SHIP,"_L1, "(---)"_L1, 0},
};
constexpr int kAlwaysRunRows = 2;

// Every opening line is tried against every row: the searched keywords get
// their skip tables once, and a keyword is compared only when its first
// letter fits.
bool contains(int row, const QString& s)
{
    static const std::vector<QStringMatcher> matchers = [] {
        std::vector<QStringMatcher> all;
        for (const KeywordRow& entry : kKeywordTable)
            all.emplace_back(QString(entry.keyword));
        return all;
    }();
    return matchers[std::size_t(row)].indexIn(QStringView(s)) >= 0;
}

bool startsWith(const QString& s, QLatin1StringView keyword)
{
    return !s.isEmpty() && s.front() == keyword.front() && s.startsWith(keyword);
}

bool matches(int row, const QString& s, const QString& currentLabel)
{
    const KeywordRow& entry = kKeywordTable[row];
    switch (entry.test) {
    case Test::StartsWith:
        return startsWith(s, entry.keyword);
    case Test::Contains:
        return contains(row, s);
    case Test::FirstIsDigit:
        return startsWithDigit(s);
    case Test::TradeOutsideMarket:
        return currentLabel != "(MAK)"_L1 && (startsWith(s, "SELL"_L1) || startsWith(s, "BUY"_L1));
    }
    return false;
}

bool inFreeTextSection(const QString& label)
{
    return label == "(NEW)"_L1 || label == "(LOR)"_L1 || label == "(TMP)"_L1;
}
} // namespace

QString LineClassifier::ClassifyLine(const QString& line)
{
    const QString s = trimBlanks(upperCase(line));
    if (s.isEmpty()) {
        if (carryMode_ == "N"_L1)
            currentLabel_.clear();
        return currentLabel_ == kIgnore ? QString() : currentLabel_;
    }
    if (carryMode_ != "Q"_L1)
        currentLabel_ = QStringLiteral("(LOC)");
    const bool freeText = inFreeTextSection(currentLabel_);
    for (int row = 0; row < int(std::size(kKeywordTable)); ++row) {
        if (row >= kAlwaysRunRows && freeText)
            break;
        if (!matches(row, s, currentLabel_))
            continue;
        const KeywordRow& entry = kKeywordTable[row];
        currentLabel_ = entry.label;
        if (entry.carryMode)
            carryMode_ = QChar::fromLatin1(entry.carryMode);
    }
    if (s.startsWith("XXX"_L1)) {
        currentLabel_.clear();
        carryMode_.clear();
    }
    if (currentLabel_ == kIgnore)
        return QString();
    if (currentLabel_ == "(LOC)"_L1)
        lastLocationLine_ = s;
    return currentLabel_;
}

QString LineClassifier::takeLastLocationLine()
{
    return std::exchange(lastLocationLine_, QString());
}

} // namespace arvenna
