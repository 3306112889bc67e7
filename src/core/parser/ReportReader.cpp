#include "ReportReader.h"

#include "FactionSections.h"
#include "LogLine.h"
#include "ParagraphWriter.h"
#include "ReportFormatError.h"
#include "ReportLineSource.h"
#include "ReportState.h"
#include "ReportText.h"
#include "shell/UserDialogue.h"

#include <QFile>
#include <optional>
#include <utility>

namespace arvenna {

namespace {
using namespace Qt::Literals::StringLiterals;

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

// One pass over one report, its first line to its last.
class ReportReading {
public:
    ReportReading(ReportLineSource source, ReportState& state, const QString& currentDBDesc, UserDialogue& dialogue)
        : source_(std::move(source)), state_(state), currentDBDesc_(currentDBDesc), dialogue_(dialogue),
          sections_(source_, state.characters), writer_(source_, state.classifier, state.buffer, dialogue)
    {
    }

    enum class Outcome { Read, Refused };
    Outcome run();
    bool headerSeen() const { return headerSeen_; }

private:
    enum class Step { Next, Refuse };
    Step take(const QString& line);
    void takeReportFor(const QString& line);
    Step takeMainGameHeader(const QString& line, const QString& upper);
    Step takeVariantGameHeader(const QString& line, const QString& upper);
    void takeFactionPart(const QString& line);
    void skipUnclaimedItems();
    bool isOpenGame(QStringView game) const;
    Step refuseGameType();

    ReportLineSource source_;
    ReportState& state_;
    const QString& currentDBDesc_;
    UserDialogue& dialogue_;
    FactionSections sections_;
    ParagraphWriter writer_;
    bool headerSeen_ = false;
    // Set by the header line that names the open game: without one the turn is unknown.
    bool gameNamed_ = false;
    bool characterSectionStarted_ = false;
    bool inNobleBlock_ = false;
};

ReportReading::Outcome ReportReading::run()
{
    try {
        while (source_.hasLines()) {
            if (take(CleanLine(source_.next())) == Step::Refuse)
                return Outcome::Refused;
        }
    } catch (const ReportFormatError& error) {
        state_.failure = QStringLiteral("Line %1: %2.").arg(source_.lineNumber()).arg(error.reason);
        return Outcome::Refused;
    }
    if (headerSeen_ && !gameNamed_) {
        refuseGameType();
        return Outcome::Refused;
    }
    return Outcome::Read;
}

ReportReading::Step ReportReading::take(const QString& line)
{
    const QString upper = upperCase(line);
    if (upper == "YOU HAVE NOT YET BUILT YOUR 'FREE' TOWER."_L1)
        return Step::Next;
    if (upper.startsWith("THIS IS AN INITIAL POSITION"_L1)) {
        dialogue_.inform(QStringLiteral("Information"), QStringLiteral("Turn 0 Reports can not be parsed"),
                         MessageIcon::Information);
        return Step::Refuse;
    }
    if (upper.startsWith("SEASON"_L1))
        return Step::Next;
    if (upper.startsWith("REPORT FOR"_L1)) {
        takeReportFor(line);
        return Step::Next;
    }
    if (isMainGameHeader(upper))
        return takeMainGameHeader(line, upper);
    if (upper.startsWith("ARVENNA:QVR"_L1))
        return takeVariantGameHeader(line, upper);
    // Only a three-character faction number is recognised here.
    if (upper.left(13) == "FACTION ["_L1 + upperCase(state_.header.factionNumber) + QLatin1Char(']')) {
        sections_.readFactionSummary();
        return Step::Next;
    }
    if (upper.startsWith("NOBLE POINTS:"_L1) || upper.startsWith("STUDY POINTS:"_L1)
        || upper.contains("FAST STUDY DAY"_L1) || upper.startsWith("THE NEXT NP W"_L1)
        || upper.startsWith("THE NEXT FIVE"_L1))
        return Step::Next;
    if (upper.startsWith("UNIT  WHERE LOYAL"_L1) || upper.startsWith("UNIT WHERE LOYAL"_L1)) {
        sections_.readUnitTable();
        return Step::Next;
    }
    if (upper.startsWith("UNCLAIMED ITEMS:"_L1)) {
        skipUnclaimedItems();
        return Step::Next;
    }
    if (characterSectionStarted_)
        takeFactionPart(line);
    return Step::Next;
}

void ReportReading::takeReportFor(const QString& line)
{
    headerSeen_ = true;
    const QString rest = textAfter(line, u"for", 1);
    state_.header.factionName = trimBlanks(textBefore(rest, u"["));
    state_.header.factionNumber = trimBlanks(textBetween(rest, u'[', u']'));
}

ReportReading::Step ReportReading::takeMainGameHeader(const QString& line, const QString& upper)
{
    if (!isOpenGame(namedGame(upper, 0)))
        return refuseGameType();
    gameNamed_ = true;
    state_.header.turnNumber = toInt16(numericValue(textAfter(line, u"turn", 1)));
    return Step::Next;
}

// The variant's header names game, turn and faction on one line.
ReportReading::Step ReportReading::takeVariantGameHeader(const QString& line, const QString& upper)
{
    if (!isOpenGame(namedGame(upper, 8))) // after "ARVENNA:"
        return refuseGameType();
    gameNamed_ = true;
    const QString afterTurn = textAfter(textAfter(line, u"game", 1), u"turn", 1);
    state_.header.turnNumber = toInt16(numericValue(afterTurn));
    const QString faction = textAfter(afterTurn, u"for", 1);
    state_.header.factionName = trimBlanks(textBefore(faction, u"["));
    state_.header.factionNumber = trimBlanks(textBetween(faction, u'[', u']'));
    headerSeen_ = true;
    return Step::Next;
}

bool ReportReading::isOpenGame(QStringView game) const
{
    return !game.isEmpty() && game == upperCase(currentDBDesc_);
}

ReportReading::Step ReportReading::refuseGameType()
{
    LogLine(QStringLiteral("This report is unsuitable to this Game type, please select ") + currentDBDesc_
                + QStringLiteral(" reports!"),
            state_.buffer, LogKind::WarningLine, dialogue_);
    return Step::Refuse;
}

// The table's heading, its underline and one more line, then up to an empty line.
void ReportReading::skipUnclaimedItems()
{
    characterSectionStarted_ = true;
    for (int heading = 0; heading < 3; ++heading)
        source_.next();
    QString line;
    do
        line = source_.next();
    while (!trimBlanks(line).isEmpty());
}

// After the unclaimed items: noble blocks, then the location part. Lines
// without a bracket that follow a noble block still belong to it.
void ReportReading::takeFactionPart(const QString& line)
{
    if (!line.contains(QLatin1Char('['))) {
        if (!inNobleBlock_)
            writer_.write(line);
        return;
    }
    inNobleBlock_ = sections_.readNobleBlock(line);
    if (!inNobleBlock_)
        writer_.write(line);
}

void startReport(ReportState& state)
{
    state.characters = QList<ReportCharacter>(1);
    ResetReportState(state);
    state.failure.clear();
    state.classifier.ClassifyLine(QStringLiteral("XXX"));
}

bool endReport(bool headerSeen, ReportState& state, UserDialogue& dialogue)
{
    if (!headerSeen)
        LogLine(QStringLiteral("This report is unsuitable!"), state.buffer, LogKind::WarningLine, dialogue);
    return headerSeen;
}

bool readStarted(QIODevice& report, ReportState& state, const QString& currentDBDesc, UserDialogue& dialogue)
{
    std::optional<ReportLineSource> source = ReportLineSource::read(report);
    if (!source) {
        LogLine(QStringLiteral("This report is unsuitable: it is larger than %1 MB!")
                    .arg(ReportLineSource::kMaximumBytes / (1024 * 1024)),
                state.buffer, LogKind::WarningLine, dialogue);
        return false;
    }
    ReportReading reading(std::move(*source), state, currentDBDesc, dialogue);
    if (reading.run() == ReportReading::Outcome::Refused)
        return false;
    return endReport(reading.headerSeen(), state, dialogue);
}
} // namespace

bool ReadReport(QIODevice& report, ReportState& state, const QString& currentDBDesc, UserDialogue& dialogue)
{
    startReport(state);
    return readStarted(report, state, currentDBDesc, dialogue);
}

bool ReadReport(const QString& path, ReportState& state, const QString& currentDBDesc, UserDialogue& dialogue)
{
    startReport(state);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogue.inform(QStringLiteral("Warning"), QStringLiteral("Not able to find file, please correct and press again."),
                        MessageIcon::Critical);
        return endReport(false, state, dialogue);
    }
    const bool read = readStarted(file, state, currentDBDesc, dialogue);
    file.close();
    return read;
}

} // namespace arvenna
