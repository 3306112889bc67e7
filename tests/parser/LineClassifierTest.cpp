// Section labels: the keyword table, the carry modes and the last location line.
#include "parser/LabelledLineBuffer.h"
#include "parser/LineClassifier.h"
#include "parser/LogLine.h"
#include "ScriptedDialogue.h"

#include <QtTest>

using namespace arvenna;

namespace {
QStringList classify(LineClassifier& classifier, const QStringList& lines)
{
    QStringList labels;
    for (const QString& line : lines)
        labels << classifier.ClassifyLine(line);
    return labels;
}

LineClassifier freshClassifier()
{
    LineClassifier classifier;
    classifier.ClassifyLine(QStringLiteral("XXX"));
    return classifier;
}
} // namespace

class LineClassifierTest : public QObject {
    Q_OBJECT

private slots:
    void keywordTableGivesEachLineItsLabel()
    {
        // Each line read first after a reset, beside the label it gets; one line a table row.
        const QStringList rows{
            "Harrowfield [ab08], plain, in Vessaly=(LOC)", "  market report:=(MAK)", "Seen here:=(SEE)",
            "Province controlled by Dunmere Keep [c104]=(RUL)", "sell orders are posted=", "Buy low=",
            "Kessra Sewers [s422], sewer, in Kessra [m421]=(INN)", "Grey Heron [s880], ship, in Kessra [m421]=",
            "Shaft 2 [m312], mine-shaft, in Harrowfield Mine [m310]=(MIN)",
            "Weavers' Guild [g501], guild, in Kessra [m421]=(GUI)", "Inner locations:=(INN)",
            "1,850 peasants work the fields.=(LCN)", "Posted in Kessra:=", "Ships sighted:=",
            "Routes leaving Harrowfield:=(RTE)", "ocean ROUTES:=", "A magical barrier surrounds it.=",
            "Ships docked at port:=", "Cities rumored to be nearby:=", "Skills taught here:=", "It is raining.=",
            "The province is blanketed in fog.=", "No one can be seen here.=", "It is windy.=",
            "Recovery from recent pillage: 20%=", "This tower permits study of Magic [800]=", "Old book of lore=",
            "Ship capacity: 1,200/2,500=", "Damage: 0%=", "Pending trades:=", "Trade    price  qty=",
            "Trade price qty=(LOC)", "North, to Marrowdeep [ab07]=", "East, to Kessra Reach [ac08]=",
            "West, to Sea of Storms [aa08]=", "South, to Greyfen [ab09]=", "Southport [ab10], plain, in Vessaly=(LOC)",
            "Garrison log:=", "Garrison [c104] guards Dunmere Keep.=", "Lore sheets=(LOR)", "Order template=(TMP)",
            "New players=(NEW)"};
        QStringList labelled;
        for (const QString& row : rows) {
            const QString line = row.section(QLatin1Char('='), 0, 0);
            LineClassifier classifier = freshClassifier();
            labelled << line + QLatin1Char('=') + classifier.ClassifyLine(line);
        }
        QCOMPARE(labelled, rows);
    }

    void carryModesDecideWhatEmptyAndFollowingLinesGet()
    {
        LineClassifier classifier = freshClassifier();
        // Mode "N": an empty line clears the label, the next paragraph starts as a location.
        QCOMPARE(classify(classifier, {"Seen here:", "", "Kessra [m421], city, in Harrowfield [ab08]"}),
                 (QStringList{"(SEE)", "", "(LOC)"}));
        // Mode "Q": the market label is carried over empty lines and unknown paragraphs,
        // and "sell" stays a market line there; another heading ends it.
        QCOMPARE(classify(classifier, {"Market report:", "", "anything at all", "Sell: wool [79]", "Seen here:"}),
                 (QStringList{"(MAK)", "(MAK)", "(MAK)", "(MAK)", "(SEE)"}));
        // The free-text sections end only at the template or new players heading, or "XXX".
        QCOMPARE(classify(classifier, {"Lore sheets", "Seen here: Market report", "Harrowfield [ab08]", "",
                                       "New players", "Lore sheets", "Order template", "XXX", "Plain"}),
                 (QStringList{"(LOR)", "(LOR)", "(LOR)", "(LOR)", "(NEW)", "(NEW)", "(TMP)", "", "(LOC)"}));
        // An ignored heading in mode "Q" is carried, but never returned as a label.
        QCOMPARE(classify(classifier, {"Market report:", "It is windy.", "", "Harrowfield [ab08]", "Seen here:"}),
                 (QStringList{"(MAK)", "", "", "", "(SEE)"}));
        // A ship line is ignored, but the mode "N" its first row set stays.
        QCOMPARE(classify(classifier, {"Market report:", "Heron [s880], ship, docked", "", "Plain"}),
                 (QStringList{"(MAK)", "", "", "(LOC)"}));
        // "XXX" resets: the first result is empty.
        QCOMPARE(classify(classifier, {"Seen here:", "XXX", ""}), (QStringList{"(SEE)", "", ""}));
    }

    void lastLocationLineIsTheUpperCasedLocationOpening()
    {
        LineClassifier classifier = freshClassifier();
        classify(classifier, {"  Kessra [m421], port city, in Harrowfield [ab08]  ", "Seen here:"});
        QCOMPARE(classifier.lastLocationLine(), QStringLiteral("KESSRA [M421], PORT CITY, IN HARROWFIELD [AB08]"));
        classifier.ClassifyLine(QStringLiteral("XXX")); // a new report keeps it
        QCOMPARE(classifier.takeLastLocationLine(), QStringLiteral("KESSRA [M421], PORT CITY, IN HARROWFIELD [AB08]"));
        QCOMPARE(classifier.lastLocationLine(), QString());
    }

    void logLinePutsOrWarnsAndBlanksTheEighthColumnMark()
    {
        LabelledLineBuffer buffer;
        ScriptedDialogue dialogue;
        LogLine(QStringLiteral("(INN)  *Heron [s880], galley"), buffer, LogKind::PutLine, dialogue);
        LogLine(QStringLiteral("(SEE) *Ysolde [3340]"), buffer, LogKind::PutLine, dialogue);
        LogLine(QStringLiteral("    "), buffer, LogKind::PutLine, dialogue);
        LogLine(QStringLiteral("Report *unsuitable"), buffer, LogKind::WarningLine, dialogue);
        QCOMPARE(buffer.items(), (QStringList{"(INN)   Heron [s880], galley", "(SEE) *Ysolde [3340]"}));
        QCOMPARE(dialogue.shown, (QList<ScriptedDialogue::Shown>{
                                     {"Warning", "Report  unsuitable", MessageIcon::Critical}}));
    }
};

QTEST_GUILESS_MAIN(LineClassifierTest)
#include "LineClassifierTest.moc"
