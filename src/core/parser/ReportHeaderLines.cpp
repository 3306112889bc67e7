#include "ReportHeaderLines.h"

#include "ReportFormatError.h"
#include "ReportLineSource.h"
#include "ReportText.h"

#include <QFile>

namespace arvenna {

namespace {
using namespace Qt::Literals::StringLiterals;

// The header lies within the first lines of a report.
constexpr qint64 kHeaderBytes = 16 * 1024;
constexpr int kHeaderLines = 60;

// "ARVENNA G" and a game number.
bool isMainGameHeader(const QString& upper)
{
    return upper.startsWith("ARVENNA G"_L1) && upper.size() > 9 && isDigit(upper[9]);
}

// The game an upper-cased header line names from `from` on: the text up to the
// end of the first number ("ARVENNA G2", "QVR GAME 12"). Empty when no number
// follows or the number runs on into a longer word.
QStringView namedGame(const QString& upper, qsizetype from)
{
    qsizetype end = from;
    while (end < upper.size() && !isDigit(upper[end]))
        ++end;
    if (end == upper.size())
        return {};
    while (end < upper.size() && isDigit(upper[end]))
        ++end;
    if (end < upper.size() && upper[end].isLetter())
        return {};
    return QStringView(upper).sliced(from, end - from);
}

bool isOpenGame(QStringView game, const QString& currentDBDesc)
{
    return !game.isEmpty() && game == upperCase(currentDBDesc);
}

void readFaction(const QString& text, ReportHeader& header)
{
    header.factionName = trimBlanks(textBefore(text, u"["));
    header.factionNumber = trimBlanks(textBetween(text, u'[', u']'));
}
} // namespace

HeaderLine readHeaderLine(const QString& line, const QString& upper, const QString& currentDBDesc,
                          ReportHeader& header)
{
    if (upper.startsWith("REPORT FOR"_L1)) {
        readFaction(textAfter(line, u"for", 1), header);
        return HeaderLine::Faction;
    }
    if (isMainGameHeader(upper)) {
        if (!isOpenGame(namedGame(upper, 0), currentDBDesc))
            return HeaderLine::OtherGame;
        header.turnNumber = toInt16(numericValue(textAfter(line, u"turn", 1)));
        return HeaderLine::Game;
    }
    if (upper.startsWith("ARVENNA:QVR"_L1)) {
        if (!isOpenGame(namedGame(upper, 8), currentDBDesc)) // after "ARVENNA:"
            return HeaderLine::OtherGame;
        const QString afterTurn = textAfter(textAfter(line, u"game", 1), u"turn", 1);
        header.turnNumber = toInt16(numericValue(afterTurn));
        readFaction(textAfter(afterTurn, u"for", 1), header);
        return HeaderLine::GameAndFaction;
    }
    return HeaderLine::None;
}

std::optional<ReportHeader> ReadReportHeader(const QString& path, const QString& currentDBDesc)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    ReportLineSource source(file.read(kHeaderBytes));
    ReportHeader header;
    bool game = false;
    bool faction = false;
    try {
        for (int read = 0; read < kHeaderLines && source.hasLines() && !(game && faction); ++read) {
            const QString line = CleanLine(source.next());
            switch (readHeaderLine(line, upperCase(line), currentDBDesc, header)) {
            case HeaderLine::OtherGame:
                return std::nullopt;
            case HeaderLine::Faction:
                faction = true;
                break;
            case HeaderLine::Game:
                game = true;
                break;
            case HeaderLine::GameAndFaction:
                game = faction = true;
                break;
            case HeaderLine::None:
                break;
            }
        }
    } catch (const ReportFormatError&) {
        return std::nullopt;
    }
    if (!game || !faction || header.turnNumber < 1)
        return std::nullopt;
    return header;
}

} // namespace arvenna
