#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace Vesk {
namespace Forms {
namespace detail {

// The control tree keeps plain lists of pointers (children, control lists,
// pages of a tab set, back-references); these are the removals they share.

// Takes every entry equal to `item` out of `list`.
template <typename T, typename U>
void eraseAll(std::vector<T>& list, const U& item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// The same for a list with an active index: entries before it move it down.
// True when the active entry itself went; `active` is -1 then.
template <typename T, typename U>
bool eraseAll(std::vector<T>& list, const U& item, int& active) {
    int before = 0;
    bool hit = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == item) {
            const int index = static_cast<int>(i);
            before += index < active ? 1 : 0;
            hit = hit || index == active;
        }
    }
    eraseAll(list, item);
    active = hit ? -1 : active - before;
    return hit;
}

// Takes the first entry equal to `item` out of `list`; its index, or -1.
template <typename T, typename U>
int eraseFirst(std::vector<T>& list, const U& item) {
    auto entry = std::find(list.begin(), list.end(), item);
    if (entry == list.end()) {
        return -1;
    }
    const int index = static_cast<int>(entry - list.begin());
    list.erase(entry);
    return index;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
