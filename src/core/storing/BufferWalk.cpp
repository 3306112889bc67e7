#include "BufferWalk.h"

#include "database/DatabaseError.h"
#include "parser/LabelledLineBuffer.h"
#include "parser/ReportFormatError.h"
#include "shell/UserDialogue.h"

#include "parser/ReportState.h"

#include <algorithm>

namespace arvenna {

BufferWalk::BufferWalk(LabelledLineBuffer& buffer)
    : buffer_(buffer), count_(buffer.count())
{
}

const QString& BufferWalk::at(qsizetype position) const
{
    static const QString end;
    if (position < count_)
        return buffer_.item(position);
    if (position == count_)
        return end;
    throw ReportFormatError{QStringLiteral("the log ended before a separator")};
}

bool BufferWalk::startsWith(qsizetype position, const QString& label) const
{
    if (position < count_)
        return buffer_.startsWith(position, label);
    return at(position).startsWith(label);
}

bool BufferWalk::isSeparator(qsizetype position) const
{
    return at(position) == kSeparator;
}

qsizetype BufferWalk::nextSeparator(qsizetype position) const
{
    while (!isSeparator(position))
        ++position;
    return position;
}

void BufferWalk::markSaved(qsizetype position)
{
    if (position < count_)
        buffer_.replace(position, kSavedMark + buffer_.item(position));
}

void BufferWalk::markUnread(qsizetype position, const QString& reason)
{
    if (position < count_)
        buffer_.replace(position, QStringLiteral("[NOT READ: %1] ").arg(reason) + buffer_.item(position));
}

StageResult stageStop(const LabelledLineBuffer& buffer, qsizetype position, const QString& reason)
{
    // A separator or the end of the log stands for no report line of its own:
    // the line before it is the one the stage was reading.
    qsizetype at = std::min(position, buffer.count() - 1);
    while (at > 0 && buffer.sourceLine(at) == 0)
        --at;
    if (at < 0 || buffer.sourceLine(at) == 0)
        return {reason, 0, {}};
    QString text = buffer.item(at);
    if (text.startsWith(kSavedMark))
        text = text.mid(kSavedMark.size());
    text = text.mid(6); // the label and its blank
    const int line = buffer.sourceLine(at);
    return {QStringLiteral("%1 in report line %2: %3").arg(reason).arg(line).arg(text), line, text};
}

StageResult walkStage(StoringContext& context, BufferWalk& walk, const std::function<void()>& body)
{
    try {
        body();
    } catch (const ReportFormatError& error) {
        return stageStop(context.report.buffer, walk.position, error.reason);
    } catch (const DatabaseError& error) {
        return stageStop(context.report.buffer, walk.position, error.message());
    }
    context.dialogue.letEventsRun();
    return {};
}

} // namespace arvenna
