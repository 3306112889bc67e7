#include "ReportReader.h"

#include "FactionSections.h"
#include "LogLine.h"
#include "ParagraphWriter.h"
#include "ReportHeaderLines.h"
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
    Step takeHeaderLine(HeaderLine line);
    void takeFactionPart(const QString& line);
    void skipUnclaimedItems();
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
    // Knowledge is ordered by turn: a report without a usable turn cannot be placed.
    if (headerSeen_ && state_.header.turnNumber < 1) {
        state_.failure = QStringLiteral("The turn number of the report is not a number from 1 to 32767.");
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
    if (const HeaderLine header = readHeaderLine(line, upper, currentDBDesc_, state_.header);
        header != HeaderLine::None)
        return takeHeaderLine(header);
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

ReportReading::Step ReportReading::takeHeaderLine(HeaderLine line)
{
    if (line == HeaderLine::OtherGame)
        return refuseGameType();
    gameNamed_ = gameNamed_ || line != HeaderLine::Faction;
    headerSeen_ = headerSeen_ || line != HeaderLine::Game;
    return Step::Next;
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
