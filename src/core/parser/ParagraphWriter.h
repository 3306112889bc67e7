#pragma once

#include <QString>

namespace arvenna {

class LabelledLineBuffer;
class LineClassifier;
class ReportLineSource;
class UserDialogue;

// Appends one paragraph of the location part to the labelled line buffer:
// every line with the opening line's label, then a separator.
class ParagraphWriter {
public:
    ParagraphWriter(ReportLineSource& source, LineClassifier& classifier, LabelledLineBuffer& buffer,
                    UserDialogue& dialogue)
        : source_(source), classifier_(classifier), buffer_(buffer), dialogue_(dialogue)
    {
    }

    // `line` is the paragraph's cleaned opening line; the source is left after
    // the paragraph's last line.
    void write(QString line);

private:
    void skipParagraph(QString line);
    void writeInnerLocations(QString line);
    void writeLines(const QString& label, QString line);
    void withdrawParagraph();
    void put(const QString& line);

    ReportLineSource& source_;
    LineClassifier& classifier_;
    LabelledLineBuffer& buffer_;
    UserDialogue& dialogue_;
};

} // namespace arvenna
