#include "BufferWalk.h"

#include "database/DatabaseError.h"
#include "parser/LabelledLineBuffer.h"
#include "parser/ReportFormatError.h"
#include "shell/UserDialogue.h"

#include <limits>

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

namespace {
qint16 earlyEndValue(EarlyEnd earlyEnd, qsizetype position)
{
    if (earlyEnd == EarlyEnd::FalseAtStart)
        return position == 0 ? kStageFalse : kStageTrue;
    // A position beyond the 16-bit range cannot be told apart from success:
    // it stops the report instead.
    return position <= std::numeric_limits<qint16>::max() ? qint16(position) : kStageFalse;
}

QString stopText(const BufferWalk& walk, const QString& reason)
{
    return QStringLiteral("%1 in log line %2: %3")
        .arg(reason)
        .arg(walk.position + 1)
        .arg(walk.position < walk.count() ? walk.at(walk.position) : QStringLiteral("(end of the log)"));
}
} // namespace

StageResult walkStage(StoringContext& context, BufferWalk& walk, EarlyEnd earlyEnd, const std::function<void()>& body)
{
    try {
        body();
    } catch (const ReportFormatError& error) {
        return {earlyEndValue(earlyEnd, walk.position), stopText(walk, error.reason)};
    } catch (const DatabaseError& error) {
        return {earlyEndValue(earlyEnd, walk.position), stopText(walk, error.message())};
    }
    context.dialogue.letEventsRun();
    return {};
}

} // namespace arvenna
