#include <algorithm>
#include <cstring>
#include <vector>

#include "controls/Frame.h"
#include "forms/ScrollBox.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// A control and its rectangle in the cells of the box being searched.
struct Placed {
    Control* control;
    Rect cells;
};

// How far `cells` lies from the cell (`row`, `column`) along the direction
// (`rows`, `columns`), on the line the arrow keys follow on the screen from
// that cell; -1 when it is not on that line ahead of the cell.
long long ahead(const Rect& cells, long long row, long long column, int rows, int columns) {
    if (rows != 0) {
        if (column < cells.left || column >= cells.right) {
            return -1;
        }
        const long long distance = rows > 0 ? cells.top - row : row - (cells.bottom - 1);
        return distance > 0 ? distance : -1;
    }
    if (row < cells.top || row >= cells.bottom) {
        return -1;
    }
    const long long distance = columns > 0 ? cells.left - column : column - (cells.right - 1);
    return distance > 0 ? distance : -1;
}

}  // namespace

// Inside a box the screen map only knows the controls in view: the arrow
// keys look past its edge in the content, innermost box first, at every
// depth below it (a scrolling box inside puts its children where its own
// scroll has them; a tab set shows only its page).
Control* Tree::scrolledNeighbour(Control& from, const char* direction, Control* found) {
    static const struct {
        const char* name;
        int rows;
        int columns;
    } steps[] = {{"left", 0, -1}, {"right", 0, 1}, {"up", -1, 0}, {"down", 1, 0}};
    int rows = 0;
    int columns = 0;
    for (const auto& step : steps) {
        if (direction != nullptr && std::strcmp(direction, step.name) == 0) {
            rows = step.rows;
            columns = step.columns;
        }
    }
    bool scrolled = false;
    int levels = 0;
    for (Region* up = from.parent(); up != nullptr && up->controlMark && levels < 4096;
         up = up->parent(), ++levels) {
        scrolled = scrolled || ScrollBox::is(*static_cast<Control*>(up));
    }
    if ((rows == 0 && columns == 0) || !scrolled) {
        return nullptr;
    }
    // `from`'s top-left in the cells of each holder up the chain.
    long long row = 0;
    long long column = 0;
    Control* child = &from;
    int depth = 0;
    for (Region* up = from.parent(); up != nullptr && up->controlMark && depth < 4096;
         up = up->parent(), ++depth) {
        Control& holder = *static_cast<Control*>(up);
        const Control::Placement placement = Tree::placement(holder, *child, 0, 0);
        row = bounded(row + bounded(placement.row));
        column = bounded(column + bounded(placement.column));
        child = &holder;
        if (!ScrollBox::is(holder)) {
            continue;
        }
        // The map's neighbour is nearer when it shows in this box, as long
        // as `from` shows too (the map walks from where it was painted).
        const Rect box{0, 0, std::max(0, holder.height()), std::max(0, holder.width())};
        const bool fromShown = box.contains(row, column);
        bool foundInside = false;
        for (Region* link = found; link != nullptr && !foundInside; link = link->parent()) {
            foundInside = link == &holder;
        }
        if (fromShown && foundInside) {
            return nullptr;
        }
        // Every control below the box, in the box's cells.
        std::vector<Placed> pending{{&holder, {0, 0, 0, 0}}};
        Control* best = nullptr;
        long long nearest = -1;
        // Bounded: lists that share controls would otherwise be walked again.
        for (long long visits = 0; !pending.empty() && visits < (1LL << 22); ++visits) {
            const Placed current = pending.back();
            pending.pop_back();
            const Control::Holding* table = current.control->holding;
            if (table == nullptr) {
                continue;
            }
            for (int i = 0, end = table->count(*current.control); i < end; ++i) {
                Control* held = table->held(*current.control, i);
                if (held == nullptr) {
                    continue;
                }
                const Control::Placement place = Tree::placement(*current.control, *held, 0, 0);
                if (!place.shown && !ScrollBox::is(*current.control)) {
                    continue;
                }
                const long long top = bounded(current.cells.top + bounded(place.row));
                const long long left = bounded(current.cells.left + bounded(place.column));
                const Rect cells{top, left, top + std::max(0, held->height()),
                                 left + std::max(0, held->width())};
                if (held != &from && takesFocus(*held) && !showsPages(*held)) {
                    const long long distance = ahead(cells, row, column, rows, columns);
                    if (distance > 0 && (nearest < 0 || distance < nearest)) {
                        nearest = distance;
                        best = held;
                    }
                }
                pending.push_back({held, cells});
            }
        }
        if (best != nullptr) {
            return best;
        }
    }
    return nullptr;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
