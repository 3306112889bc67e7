#pragma once

#include <memory>

namespace arvenna {

// Sub-objects of the model's records exist from their first read: an empty
// one is made when the slot is still empty.
template <typename Part>
Part& createdOnFirstRead(std::unique_ptr<Part>& slot)
{
    if (!slot)
        slot = std::make_unique<Part>();
    return *slot;
}

} // namespace arvenna
