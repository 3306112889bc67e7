#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

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
    // The 1-based number of the report line the item was taken from; 0 for
    // the separators and items of no single line.
    int sourceLine(qsizetype position) const { return sourceLines_[std::size_t(position)]; }
    // Whether the item begins with the text. Every stage asks this of every
    // item: the first letters of each are kept side by side, so that most
    // answers need not reach the item itself.
    bool startsWith(qsizetype position, const QString& prefix) const;

    void append(const QString& item, int sourceLine = 0);
    void replace(qsizetype position, const QString& item);
    void removeLast();
    void clear();

    // Appends a separator unless the buffer already ends with one.
    void closeParagraph();

private:
    static constexpr qsizetype kHeadLength = 16; // longer than any label with its saved mark
    using Head = std::array<char16_t, kHeadLength>;
    static Head headOf(const QString& text);

    QStringList items_;
    std::vector<Head> heads_; // the first letters of each item, zeros after its end
    std::vector<int> sourceLines_;
};

} // namespace arvenna
