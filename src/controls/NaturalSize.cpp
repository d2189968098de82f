#include <algorithm>
#include <climits>

#include "controls/Frame.h"
#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {

int Control::naturalWidth() {
    return ownWidth >= 0 ? ownWidth : detail::Tree::natural(*this).width;
}

int Control::naturalWidth(int cells) {
    ownWidth = cells < 0 ? -1 : cells;
    contentChanged();
    return naturalWidth();
}

int Control::naturalHeight() {
    return ownHeight >= 0 ? ownHeight : detail::Tree::natural(*this).height;
}

int Control::naturalHeight(int cells) {
    ownHeight = cells < 0 ? -1 : cells;
    contentChanged();
    return naturalHeight();
}

// While the size a layout wrote stands, the host's is the one it replaced.
Control::Measure Control::given() {
    return {laidWidth >= 0 && width() == laidWidth ? hostWidth : width(),
            laidHeight >= 0 && height() == laidHeight ? hostHeight : height()};
}

namespace detail {

// The class measures the rectangle; the border is added here, once for all.
// What a class measures is its own, what it holds, or the size it was given,
// each counted at or below it when it changes (Region::contentChanged): the
// last measure stands while that count and the text measure do.
Control::Measure Tree::natural(Control& control) {
    if (control.ownWidth >= 0 && control.ownHeight >= 0) {
        return {control.ownWidth, control.ownHeight};
    }
    const int text = Screen::unicode();
    if (control.measuredText == text && control.measuredAt == control.treeCount) {
        return {control.measuredWidth, control.measuredHeight};
    }
    const Control::Measure inner = control.sizing != nullptr && control.sizing->measure != nullptr
                                       ? control.sizing->measure(control)
                                       : control.given();
    const long long border = 2 * margin(control);
    const Control::Measure natural{
        control.ownWidth >= 0 ? control.ownWidth
                              : detail::clampCells(std::max(0, inner.width) + border),
        control.ownHeight >= 0 ? control.ownHeight
                               : detail::clampCells(std::max(0, inner.height) + border)};
    control.measuredAt = control.treeCount;
    control.measuredText = text;
    control.measuredWidth = natural.width;
    control.measuredHeight = natural.height;
    return natural;
}

void Tree::lay(Control& child, long long row, long long column, long long height, long long width) {
    const long long margin = Tree::margin(child);
    const long long rows = std::max(0LL, height - 2 * margin);
    const long long columns = std::max(0LL, width - 2 * margin);
    child.squeezed = rows < 1 || columns < 1;
    const int top = static_cast<int>(std::clamp<long long>(row + margin, INT_MIN, INT_MAX));
    const int left = static_cast<int>(std::clamp<long long>(column + margin, INT_MIN, INT_MAX));
    const int newHeight = detail::clampCells(rows);
    const int newWidth = detail::clampCells(columns);
    if (child.columns != child.laidWidth) {
        child.hostWidth = child.columns;
    }
    if (child.rows != child.laidHeight) {
        child.hostHeight = child.rows;
    }
    child.laidWidth = newWidth;
    child.laidHeight = newHeight;
    if (child.place.row != top || child.place.column != left) {
        child.position(top, left);
    }
    if (child.columns != newWidth) {
        child.width(newWidth);
    }
    if (child.rows != newHeight) {
        child.height(newHeight);
    }
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
