#pragma once

#include <QString>
#include <QStringList>

namespace arvenna {

// The paragraph separator of the labelled line buffer.
inline const QString kSeparator = QStringLiteral("----(SEP)----");

// The report lines of the location part, each with its five-character section
// label: what the storing stages consume and what the parser window shows.
// Items are addressed by position, 0 first.
class LabelledLineBuffer {
public:
    qsizetype count() const { return items_.size(); }
    bool isEmpty() const { return items_.isEmpty(); }
    const QString& item(qsizetype position) const { return items_.at(position); }
    const QString& last() const { return items_.constLast(); }
    const QStringList& items() const { return items_; }

    void append(const QString& item) { items_.append(item); }
    void replace(qsizetype position, const QString& item) { items_[position] = item; }
    void removeLast() { items_.removeLast(); }
    void clear() { items_.clear(); }

    // Appends a separator unless the buffer already ends with one.
    void closeParagraph();

private:
    QStringList items_;
};

} // namespace arvenna
