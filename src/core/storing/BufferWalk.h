#pragma once

#include "StoringStage.h"

#include <QString>
#include <functional>

namespace arvenna {

class LabelledLineBuffer;

// The mark a stage puts in front of the log lines it has stored.
inline const QString kSavedMark = QStringLiteral("[SAVED] ");

// A stage's walk over the labelled line buffer. Its positions run from 0 to
// the number of lines counted at the start; the position equal to that count
// reads as an empty line, and reading beyond it means the walk ran off the
// end of the log (a ReportFormatError).
class BufferWalk {
public:
    explicit BufferWalk(LabelledLineBuffer& buffer);

    qsizetype count() const { return count_; }
    const QString& at(qsizetype position) const;
    bool startsWith(qsizetype position, const QString& label) const;
    bool isSeparator(qsizetype position) const;
    // The first separator at or after the position.
    qsizetype nextSeparator(qsizetype position) const;
    void markSaved(qsizetype position);
    // Marks a line the stage passed over because it could not read it.
    void markUnread(qsizetype position, const QString& reason);

    // Where the walk is; a stage moves it as it goes.
    qsizetype position = 0;

private:
    LabelledLineBuffer& buffer_;
    qsizetype count_;
};

// Runs a stage's walk. A line that cannot be cut up as expected or a failure
// of the database ends the stage where the walk is, and the result names the
// report line; after a full walk the window's events run and the result is
// complete.
StageResult walkStage(StoringContext& context, BufferWalk& walk, const std::function<void()>& body);

// Why a stage stopped, with the report line behind the buffer position.
StageResult stageStop(const LabelledLineBuffer& buffer, qsizetype position, const QString& reason);

} // namespace arvenna
