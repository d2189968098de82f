#pragma once

#include "forms/Enums.h"
#include "geometry/Clip.h"

namespace Vesk {
namespace Forms {
namespace detail {

// Rows a notch of the mouse wheel scrolls, in every control that scrolls.
constexpr long long WheelRows = 3;

// Writes a scroll bar down column `column` of `area` (counted from its
// top-left cell), on the rows of `area` that show: a track, and a thumb
// whose length is the share of the `view` rows in view of `content` rows
// and whose place is the share `first` rows scrolled past.
void putScrollBar(const Area& area, long long column, long long view, long long content,
                  long long first, Color foreground, Color background);

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
