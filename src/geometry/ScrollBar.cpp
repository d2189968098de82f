#include "geometry/ScrollBar.h"

#include <algorithm>

#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {
namespace detail {

void putScrollBar(const Area& area, long long column, long long view, long long content,
                  long long first, Color foreground, Color background) {
    content = std::max(content, view);
    if (view <= 0 || column < area.columns.first || column >= area.columns.last) {
        return;
    }
    const long long thumb = std::clamp((view * view + content / 2) / content, 1LL, view);
    const long long range = content - view;
    const long long at = range > 0 ? ((view - thumb) * first + range / 2) / range : 0;
    const bool unicode = Screen::unicode();
    ColorScope colors(foreground, background, false);
    for (long long i = area.rows.first; i < area.rows.last; ++i) {
        const bool inThumb = i >= at && i < at + thumb;
        if (unicode) {
            const wchar_t cell = inThumb ? L'\u2588' : L'\u2591';
            Screen::glyph(area.row + i, area.column + column, &cell, 1, 1);
        } else {
            Screen::ascii(area.row + i, area.column + column, inThumb ? "#" : "|", 1);
        }
    }
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
