#include "LogLine.h"

#include "LabelledLineBuffer.h"
#include "ReportText.h"
#include "shell/UserDialogue.h"

namespace arvenna {

void LogLine(QString line, LabelledLineBuffer& list, LogKind kind, UserDialogue& dialogue, int sourceLine)
{
    // A "*" mark in the eighth column is not kept; the column stays.
    if (line.size() >= 8 && line[7] == QLatin1Char('*'))
        line[7] = QLatin1Char(' ');
    if (kind == LogKind::WarningLine)
        dialogue.inform(QStringLiteral("Warning"), line, MessageIcon::Critical);
    else if (!trimBlanks(line).isEmpty())
        list.append(line, sourceLine);
}

} // namespace arvenna
