#pragma once

#include <QString>

namespace arvenna {

class LabelledLineBuffer;
class UserDialogue;

enum class LogKind {
    PutLine,    // appends the line to the buffer (unless it is blank)
    WarningLine // shows the line in a "Warning" box, appends nothing
};

// `sourceLine` is the number of the report line a put line comes from.
void LogLine(QString line, LabelledLineBuffer& list, LogKind kind, UserDialogue& dialogue, int sourceLine = 0);

} // namespace arvenna
