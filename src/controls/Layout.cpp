#include "controls/Layout.h"

#include "controls/Frame.h"
#include "geometry/Tags.h"
#include "geometry/Clip.h"

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
        const long long natural =
            tagged(*parent, Tag::ScrollBox) ? holder.naturalHeight() : 0;
        if (natural > rows) {
            // The content is taller: the box scrolls it and its bar takes a column.
            rows = natural;
            columns = columns > 1 ? columns - 1 : columns;
        }
    }
    const int height = clampCells(rows);
    const int width = clampCells(columns);
    const Rect cells = Tree::footprint(holder);
    const long long margin = Tree::margin(holder);
    if (cells.top + margin != 0 || cells.left + margin != 0) {
        holder.position(0, 0);
    }
    if (holder.height() != height) {
        holder.height(height);
    }
    if (holder.width() != width) {
        holder.width(width);
    }
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
