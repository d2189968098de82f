#pragma once

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace Vesk {
namespace Forms {
namespace detail {

// The item lists of the list box, the drop-down choice and the radio group:
// texts by index, and a selected index that follows a removal.

// Appends `text`; false when the list holds as many items as an int counts.
inline bool appendItem(std::vector<std::string>& items, std::string text) {
    if (items.size() >= static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    items.push_back(std::move(text));
    return true;
}

// The item at `index`, or "" out of range.
inline std::string itemAt(const std::vector<std::string>& items, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return std::string();
    }
    return items[static_cast<std::size_t>(index)];
}

// Takes out the item at `index` (false out of range); `selected` keeps
// naming the same item, or the one before it when that one went (-1 when
// none is left before it).
inline bool eraseItem(std::vector<std::string>& items, int index, int& selected) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) {
        return false;
    }
    items.erase(items.begin() + index);
    if (index < selected || selected >= static_cast<int>(items.size())) {
        --selected;
    }
    return true;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
