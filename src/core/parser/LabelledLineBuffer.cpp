#include "LabelledLineBuffer.h"

namespace arvenna {

void LabelledLineBuffer::closeParagraph()
{
    if (items_.isEmpty() || items_.constLast() != kSeparator)
        items_.append(kSeparator);
}

} // namespace arvenna
