// Reading a whole report: header, faction part, text rules and every way a
// report is refused.
#include "ReportFiles.h"
#include "parser/ReportFormatError.h"
#include "parser/ReportLineSource.h"
#include "parser/ReportText.h"

#include <QBuffer>
#include <QtTest>
#include <array>

using namespace arvenna;

namespace {
using Shown = ScriptedDialogue::Shown;

const QString kArvenna = QStringLiteral("Arvenna G2");
const QString kQuorvane = QStringLiteral("QVR game 1");

const Shown kUnsuitable{"Warning", "This report is unsuitable!", MessageIcon::Critical};

// What a read came to: read or refused, the messages shown, the turn and the faction.
QString summary(const ReadOutcome& read)
{
    QStringList seen{read.read ? QStringLiteral("read") : QStringLiteral("refused")};
    for (const Shown& shown : read.dialogue.shown)
        seen << shown.title + QStringLiteral(": ") + shown.text;
    seen << QStringLiteral("turn %1").arg(read.state.header.turnNumber)
         << QStringLiteral("%1 [%2]").arg(read.state.header.factionName, read.state.header.factionNumber);
    return seen.join(QStringLiteral(", "));
}

// How a report of another game ends: the warning, no turn, the faction if it was named.
QString refusal(const QString& game, const QString& faction = QStringLiteral(" []"))
{
    return "refused, Warning: This report is unsuitable to this Game type, please select " + game
           + " reports!, turn 0, " + faction;
}

// Files this process holds open: a refused report must not stay open.
qsizetype openFileCount()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size();
}

const QByteArray kFactionPart = "Faction [a01]\n-------------\nCharacters:   2 (of 6)\n\n"
                                "Unit  Where Loyal        Health  Men  Ships\n----  ----- -----\n"
                                "1201  ab01  oath-1         100%    1      0\n"
                                "1202  ab02  oath-2         100%    1      0\n\n"
                                "Unclaimed items:\n\n  qty  name\n  ---  ----\n\n";
} // namespace

class ReportReaderTest : public QObject {
    Q_OBJECT

private slots:
    void factionPartEdgeCases()
    {
        TestHome home;
        ReadOutcome outcome;
        // Without "CHARACTERS:" the table keeps one record: only the first row is read.
        readText(outcome, home,
                 "Report for Ash Clan [a01].\nArvenna G2 turn 3\nUnit WHERE LOYAL\n\n"
                 "1201  ab01  oath-1         100%    1      0\n1202  ab02  oath-2         100%    1      0\n");
        QVERIFY(outcome.read);
        QCOMPARE(outcome.state.characters, (QList<ReportCharacter>{{"1201", "", "ab01", "", 0}}));
        QCOMPARE(outcome.state.buffer.items(), QStringList()); // no "UNCLAIMED ITEMS:" line

        // A noble heading, a line without "[" after the block (skipped), then a
        // bracketed line naming nobody (a location), a prisoner, and a line with "#".
        readText(outcome, home,
                 "Report for Ash Clan [a01].\nArvenna G2 turn 3\n" + kFactionPart
                     + "Al Rook [1201]\n------\n\nMaximum aura: 7\nCapacity: 1/2\n\nstray words\n"
                       "Vale [ab01], plain, in Dale\n\nBo Tull [1202]\n-----\nBo Tull is being held prisoner.\n"
                       "#1 Al Rook [1201]\n");
        QVERIFY(outcome.read);
        QCOMPARE(outcome.state.characters,
                 (QList<ReportCharacter>{{"1201", "Al Rook", "ab01", "", 7},
                                         {"1202", "Bo Tull is being held prisoner.", "ab02", "", 0}}));
        QCOMPARE(outcome.state.buffer.items(),
                 (QStringList{"(LOC) Vale [ab01], plain, in Dale", "----(SEP)----", "(LOC) #1 Al Rook [1201]"}));

        // A four-character faction number: the summary is read as ordinary lines.
        readText(outcome, home, QByteArray(kFactionPart).replace("[a01]", "[a012]").prepend("Report for Ash [a012]\nArvenna G2 turn 3\n"));
        QVERIFY(outcome.read);
        QCOMPARE(outcome.state.characters.size(), 1);

        // A faction without nobles.
        readText(outcome, home, "Report for Ash [a01]\nArvenna G2 turn 3\nFaction [a01]\n\nCharacters: 0 (of 6)\n\n");
        QVERIFY(outcome.read);
        QCOMPARE(outcome.state.characters, QList<ReportCharacter>());
    }

    void acceptsOnlyReportsOfTheOpenGame()
    {
        const auto main = [](const QByteArray& game) {
            return "Arvenna " + game + " turn 57 report, Spring of year 4.\nReport for Red Wolves [m42].\n";
        };
        const auto variant = [](const QByteArray& game) {
            return "ARVENNA:QVR " + game + " turn 14 report for Silver Hand [q17]\n";
        };
        const QString mainRead = "read, turn 57, Red Wolves [m42]";
        const QString variantRead = "read, turn 14, Silver Hand [q17]";
        struct Case {
            QByteArray report;
            QString game;
            QString outcome;
        };
        const QList<Case> cases{
            {main("G2"), kArvenna, mainRead},
            {"Report for Red Wolves [m42].\narvenna g2 turn 57\n", kArvenna, mainRead}, // faction line first
            {main("G3"), kArvenna, refusal(kArvenna)},
            {main("G20"), kArvenna, refusal(kArvenna)},
            {main("G2"), "Arvenna G20", refusal("Arvenna G20")},
            {main("G2x"), kArvenna, refusal(kArvenna)},
            {variant("game 1"), kQuorvane, variantRead},
            {variant("game 12"), "QVR game 12", variantRead},
            {variant("game 12"), kQuorvane, refusal(kQuorvane)},
            {variant("game"), kQuorvane, refusal(kQuorvane)},
            {variant("game 1"), kArvenna, refusal(kArvenna)},
            {main("G2"), kQuorvane, refusal(kQuorvane)},
            // Its rows would carry no turn.
            {"Report for Red Wolves [m42].\n", kArvenna, refusal(kArvenna, "Red Wolves [m42]")},
        };
        TestHome home;
        QStringList expected, seen;
        for (const Case& each : cases) {
            ReadOutcome read;
            readText(read, home, each.report, each.game);
            expected << each.outcome;
            seen << summary(read);
        }
        QCOMPARE(seen, expected);
    }

    void refusedReportsSayWhyAndKeepNothingOpen()
    {
        TestHome home;
        const qsizetype openBefore = openFileCount();
        ReadOutcome outcome;

        readInto(outcome, home.file(QStringLiteral("missing.txt")), kArvenna);
        QVERIFY(!outcome.read);
        QCOMPARE(outcome.dialogue.shown,
                 (QList<Shown>{{"Warning", "Not able to find file, please correct and press again.", MessageIcon::Critical},
                               kUnsuitable}));

        readText(outcome, home, "Arvenna G2 turn 0 report\nThis is an initial position report.\nReport for A [b]\n");
        QVERIFY(!outcome.read);
        QCOMPARE(outcome.dialogue.shown.mid(2),
                 (QList<Shown>{{"Information", "Turn 0 Reports can not be parsed", MessageIcon::Information}}));

        readText(outcome, home, reportWithLocations("Plain [ab01], plain").replace("Report for", "Rapport for"));
        QVERIFY(!outcome.read);
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919 + 13) % 256));
        readText(outcome, home, garbage);
        QVERIFY(!outcome.read);
        QCOMPARE(outcome.dialogue.shown.mid(3), (QList<Shown>{kUnsuitable, kUnsuitable}));
        QCOMPARE(openFileCount(), openBefore);
    }

    void readsAnyLineEndsAlike()
    {
        const QByteArray lineFeeds = fileBytes(sampleReport(QStringLiteral("arvenna-g2-m42-turn57.txt")));
        QByteArray carriageReturns = lineFeeds;
        carriageReturns.replace('\n', '\r');
        // Never a lone carriage return right before a line feed: that pair is one line end.
        QByteArray mixed;
        int lineEnds = 0;
        for (const char c : lineFeeds)
            mixed += c != '\n' ? QByteArray(1, c) : QByteArray(std::array{"\n", "\r", "\r\n"}[lineEnds++ % 3]);
        TestHome home;
        ReadOutcome expected;
        readText(expected, home, lineFeeds);
        QVERIFY(expected.read);
        for (const QByteArray& report : {carriageReturns, mixed}) {
            ReadOutcome outcome;
            readText(outcome, home, report);
            QVERIFY(outcome.read);
            QCOMPARE(outcome.state.buffer.items(), expected.state.buffer.items());
            QCOMPARE(outcome.state.characters, expected.state.characters);
        }
    }

    void refusesReportsLargerThanTheBound()
    {
        QByteArray lineEnds(ReportLineSource::kMaximumBytes, '\n');
        QBuffer atTheBound(&lineEnds);
        QVERIFY(atTheBound.open(QIODevice::ReadOnly));
        QVERIFY(ReportLineSource::read(atTheBound).has_value());
        atTheBound.close();
        lineEnds.append('\n');
        QBuffer beyond(&lineEnds);
        QVERIFY(beyond.open(QIODevice::ReadOnly));
        ReadOutcome outcome;
        QVERIFY(!ReadReport(beyond, outcome.state, kArvenna, outcome.dialogue));
        const Shown tooLarge{"Warning", "This report is unsuitable: it is larger than 64 MB!", MessageIcon::Critical};
        QCOMPARE(outcome.dialogue.shown, QList<Shown>{tooLarge});
    }

    void malformedLinesFailSilentlyKeepingWhatWasRead()
    {
        const QByteArray header = "Report for Ash Clan [a01].\nArvenna G2 turn 12\n";
        const QByteArray noble = header + kFactionPart + "Plain [ab01], plain, in Dale\n\nAl [1201]\n---\n\n";
        const QList<QByteArray> reports{
            header + "Faction [a01]\n\nCharacters: 2\n\n", // a count without a blank after it
            header + "Faction [a01]\n\nCharacters: 40000 (of 6)\n\n",
            "Arvenna G2 turn 32768\n",
            "Report for Ash Clan\n",
            noble + "Maximum aura: lots\n",
            noble + "Maximum aura: 32767.5\n",
            noble + "Loyalty: oath-1\n", // the report ends inside a noble's block
        };
        TestHome home;
        QStringList seen;
        for (const QByteArray& report : reports) {
            ReadOutcome outcome;
            readText(outcome, home, report);
            seen << (QStringList{outcome.read ? "read" : outcome.dialogue.shown.isEmpty() ? "silent" : "shown",
                                 outcome.state.failure}
                     + outcome.state.buffer.items())
                        .join(QLatin1Char('|'));
        }
        const QString kept = QStringLiteral("|(LOC) Plain [ab01], plain, in Dale|----(SEP)----");
        QCOMPARE(seen, (QStringList{"silent|Line 5: \" \" missing.", "silent|Line 5: number too large.",
                                    "silent|Line 1: number too large.", "silent|Line 1: \"[\" missing.",
                                    "silent|Line 22: \"lots\" is not a number." + kept,
                                    "silent|Line 22: number too large." + kept,
                                    "silent|Line 22: the report ends in the middle of a section." + kept}));
    }

    void textRules()
    {
        QCOMPARE(CleanLine(QStringLiteral(" \tLocation:\tHarrowfield [ab08] \t")),
                 QStringLiteral("Location: Harrowfield [ab08]"));
        QCOMPARE(upperCase(QStringLiteral("Kessra [m421], port city")), QStringLiteral("KESSRA [M421], PORT CITY"));
        QCOMPARE(upperCase(QStringLiteral("Tür [ab08]")), QStringLiteral("TÜR [AB08]"));
        QCOMPARE(numericValue(u"  1 2x34"), 12.0);
        QCOMPARE(numericValue(u"x12"), 0.0);
        QCOMPARE(numericValue(u""), 0.0);
        QCOMPARE((QList<qint16>{toInt16(2.5), toInt16(3.5), toInt16(-2.5), toInt16(32767.4), toInt16(-32768.5)}),
                 (QList<qint16>{2, 4, -2, 32767, -32768}));
        QCOMPARE(textToInt16(QStringLiteral(" 14.5 ")), qint16(14));
        for (double tooLarge : {32767.5, -32769.0, 1e300})
            QVERIFY_THROWS_EXCEPTION(ReportFormatError, toInt16(tooLarge));
        for (const char* notANumber : {"", "12 days", "inf", "nan"})
            QVERIFY_THROWS_EXCEPTION(ReportFormatError, textToInt16(QString::fromLatin1(notANumber)));
        QCOMPARE(textBetween(QStringLiteral("a ]b [c] [d]"), u'[', u']'), QStringLiteral("c"));
    }
};

QTEST_GUILESS_MAIN(ReportReaderTest)
#include "ReportReaderTest.moc"
