#include "LabelledLineBuffer.h"

#include <algorithm>

namespace arvenna {

LabelledLineBuffer::Head LabelledLineBuffer::headOf(const QString& text)
{
    Head head{};
    std::copy_n(text.utf16(), std::min(text.size(), kHeadLength), head.begin());
    return head;
}

bool LabelledLineBuffer::startsWith(qsizetype position, const QString& prefix) const
{
    const QString& text = items_.at(position);
    if (text.size() < prefix.size())
        return false;
    if (prefix.size() <= kHeadLength)
        return std::equal(prefix.utf16(), prefix.utf16() + prefix.size(), heads_[std::size_t(position)].cbegin());
    return std::equal(prefix.cbegin(), prefix.cend(), text.cbegin());
}

void LabelledLineBuffer::append(const QString& item, int sourceLine)
{
    items_.append(item);
    heads_.push_back(headOf(item));
    sourceLines_.push_back(sourceLine);
}

void LabelledLineBuffer::replace(qsizetype position, const QString& item)
{
    items_[position] = item;
    heads_[std::size_t(position)] = headOf(item);
}

void LabelledLineBuffer::removeLast()
{
    items_.removeLast();
    heads_.pop_back();
    sourceLines_.pop_back();
}

void LabelledLineBuffer::clear()
{
    items_.clear();
    heads_.clear();
    sourceLines_.clear();
}

void LabelledLineBuffer::closeParagraph()
{
    if (items_.isEmpty() || items_.constLast() != kSeparator)
        append(kSeparator);
}

} // namespace arvenna
