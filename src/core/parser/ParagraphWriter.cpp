#include "ParagraphWriter.h"

#include "LabelledLineBuffer.h"
#include "LineClassifier.h"
#include "LogLine.h"
#include "ReportLineSource.h"
#include "ReportText.h"

namespace {
using namespace Qt::Literals::StringLiterals;

bool isUnderline(const QString& line)
{
    return trimBlanks(QStringView(line).left(10)) == "----------"_L1;
}
} // namespace

void ParagraphWriter::write(QString line)
{
    const QString label = classifier_.ClassifyLine(line);
    if (label.isEmpty()) {
        skipParagraph(line);
    } else {
        if (label == "(MAK)"_L1 && !classifier_.lastLocationLine().isEmpty())
            put("(MAK) "_L1 + classifier_.takeLastLocationLine());
        if (label == "(INN)"_L1)
            writeInnerLocations(line);
        else
            writeLines(label, line);
    }
    if (source_.hasLines())
        buffer_.closeParagraph();
}

void ParagraphWriter::skipParagraph(QString line)
{
    while (!trimBlanks(line).isEmpty() && source_.hasLines())
        line = source_.next();
}

// Inner location lines keep their indentation: it tells what lies inside what.
// The end of the report ends the list as an empty line would.
void ParagraphWriter::writeInnerLocations(QString line)
{
    while (!trimBlanks(line).isEmpty()) {
        put("(INN) "_L1 + line);
        if (!source_.hasLines())
            return;
        line = source_.next();
    }
}

void ParagraphWriter::writeLines(const QString& label, QString line)
{
    while (!line.isEmpty() && !isUnderline(line)) {
        put(label + QLatin1Char(' ') + line);
        if (!source_.hasLines())
            return;
        line = CleanLine(source_.next());
        if (line.contains("HAS DIED"_L1, Qt::CaseInsensitive)) {
            // What the paragraph said about the dead is no longer true.
            withdrawParagraph();
            if (!source_.hasLines())
                return;
            line = CleanLine(source_.next());
        }
    }
}

void ParagraphWriter::withdrawParagraph()
{
    while (!buffer_.isEmpty() && buffer_.last() != kSeparator)
        buffer_.removeLast();
}

void ParagraphWriter::put(const QString& line)
{
    LogLine(line, buffer_, LogKind::PutLine, dialogue_);
}
