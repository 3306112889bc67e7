#include "ParagraphWriter.h"

#include "LabelledLineBuffer.h"
#include "LineClassifier.h"
#include "LogLine.h"
#include "ReportLineSource.h"
#include "ReportText.h"

#include <iterator>

namespace arvenna {

namespace {
using namespace Qt::Literals::StringLiterals;

char16_t foldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// "HAS DIED" in any letter case. Checked on every line of the location part,
// so it compares letters directly instead of case-folding the whole line.
bool reportsADeath(const QString& line)
{
    static constexpr char16_t kWords[] = u"has died";
    constexpr qsizetype length = std::size(kWords) - 1;
    const QStringView text(line);
    for (qsizetype at = 0; at + length <= text.size(); ++at) {
        qsizetype i = 0;
        while (i < length && foldAscii(text[at + i].unicode()) == kWords[i])
            ++i;
        if (i == length)
            return true;
    }
    return false;
}

bool isUnderline(const QString& line)
{
    return blankTrimmed(QStringView(line).left(10)) == "----------"_L1;
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
        if (reportsADeath(line)) {
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
    LogLine(line, buffer_, LogKind::PutLine, dialogue_, source_.lineNumber());
}

} // namespace arvenna
