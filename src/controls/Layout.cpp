#include "controls/Layout.h"

#include "controls/Frame.h"
#include "geometry/Clip.h"
#include "geometry/Tags.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {
namespace detail {

void share(std::vector<long long>& sizes, std::vector<long long> weights, long long left) {
    long long total = 0;
    for (long long weight : weights) {
        total += weight;
    }
    if (left <= 0 || total <= 0) {
        return;
    }
    while (total > (1LL << 31)) {
        total = 0;
        for (long long& weight : weights) {
            weight = weight > 0 ? std::max(1LL, weight >> 1) : 0;
            total += weight;
        }
    }
    // Each entry gets the difference of two rounded-down running shares,
    // so the shares add up to `left` exactly.
    long long before = 0;
    long long running = 0;
    for (std::size_t i = 0; i < sizes.size() && i < weights.size(); ++i) {
        if (weights[i] <= 0) {
            continue;
        }
        running += weights[i];
        const long long upTo = left / total * running + left % total * running / total;
        sizes[i] += upTo - before;
        before = upTo;
    }
}

void fillParent(Control& holder) {
    Region* parent = holder.parent();
    long long rows = 0;
    long long columns = 0;
    if (parent == nullptr) {
        const Rect screen = screenRect();
        rows = screen.bottom - screen.top;
        columns = screen.right - screen.left;
    } else {
        rows = std::max(0, parent->height());
        columns = std::max(0, parent->width());
        const long long natural = tagged(*parent, Tag::ScrollBox) ? holder.naturalHeight() : 0;
        if (natural > rows) {
            // The content is taller: the box scrolls it and its bar takes a column.
            rows = natural;
            columns = columns > 1 ? columns - 1 : columns;
        }
    }
    // A border goes inside the area, one cell around the rectangle.
    const long long margin = Tree::margin(holder);
    const int height = clampCells(rows - 2 * margin);
    const int width = clampCells(columns - 2 * margin);
    const Rect cells = Tree::footprint(holder);
    if (cells.top != 0 || cells.left != 0) {
        holder.position(static_cast<int>(margin), static_cast<int>(margin));
    }
    if (holder.height() != height) {
        holder.height(height);
    }
    if (holder.width() != width) {
        holder.width(width);
    }
}

int paintLayout(int, void* pointer) {
    Control& control = *static_cast<Control*>(pointer);
    if ((control.border)() == NoBorder || control.width() < 0 || control.height() < 0) {
        return 1;
    }
    const Frame frame = Tree::frameOf(control);
    const long long height = control.height() + 2LL;
    const long long width = control.width() + 2LL;
    const Area box = frame.area(-1, -1, height, width);
    if (!box.empty()) {
        ColorScope colors(control.borderColor(), control.background(), false);
        putBox(box, height, width, (control.border)());
    }
    return 1;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
