#include "forms/Grid.h"

#include <algorithm>
#include <climits>

#include "controls/Frame.h"
#include "controls/Layout.h"
#include "controls/Lists.h"
#include "geometry/Tags.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {

namespace {

Grid& self(Control& control) {
    return static_cast<Grid&>(control);
}

// More columns than any screen has cells are not kept.
constexpr std::size_t MostColumns = 4096;

// The widths, weights and row heights of one layout, from the natural sizes.
// A hidden child's are HiddenSize, below any other, so it widens no column
// and a row of hidden children only stays HiddenSize high: no rows, no gap.
struct Tracks {
    std::vector<long long> widths;
    std::vector<long long> weights;
    std::vector<long long> heights;
};

Tracks tracks(const std::vector<int>& asked, const std::vector<int>& naturals) {
    const std::size_t columns = asked.size();
    const std::size_t count = naturals.size() / 2;
    Tracks result{std::vector<long long>(columns, 0), std::vector<long long>(columns, 0),
                  std::vector<long long>((count + columns - 1) / columns, detail::HiddenSize)};
    for (std::size_t j = 0; j < columns; ++j) {
        if (asked[j] > 0) {
            result.widths[j] = asked[j];
        } else if (asked[j] < 0) {
            result.weights[j] = asked[j] == INT_MIN ? INT_MAX : -static_cast<long long>(asked[j]);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t column = i % columns;
        if (asked[column] == 0) {
            result.widths[column] = std::max<long long>(result.widths[column], naturals[2 * i]);
        }
        result.heights[i / columns] =
            std::max<long long>(result.heights[i / columns], naturals[2 * i + 1]);
    }
    return result;
}

// Gaps only between the tracks that are not HiddenSize.
long long total(const std::vector<long long>& sizes, long long gap) {
    long long sum = 0;
    long long shown = 0;
    for (long long size : sizes) {
        if (size != detail::HiddenSize) {
            sum += size;
            ++shown;
        }
    }
    return sum + gap * std::max(0LL, shown - 1);
}

// The start of each track, and its size cut to `room`; a HiddenSize one is
// left none where the next starts.
std::vector<long long> starts(std::vector<long long>& sizes, long long gap, long long room) {
    std::vector<long long> result(sizes.size(), 0);
    long long at = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        result[i] = std::min(at, room);
        const long long whole = sizes[i];
        sizes[i] = std::clamp(sizes[i], 0LL, std::max(0LL, room - at));
        at += whole == detail::HiddenSize ? 0 : whole + gap;
    }
    return result;
}

}  // namespace

Grid::Grid() : asked{0} {
    static constexpr Holding table{heldCount, heldAt, forgetHeld, nullptr, placeHeld};
    static constexpr Sizing sizes{measure, arrange};
    stamp(detail::Tag::Grid, sizeof(Grid));
    holding = &table;
    sizing = &sizes;
    attachHandler(Vesk::UpdateView, detail::paintLayout);
}

Grid::~Grid() = default;

bool Grid::is(Control& control) {
    return detail::tagged(control, detail::Tag::Grid);
}

std::vector<int> Grid::columns() {
    return asked;
}

std::vector<int> Grid::columns(std::vector<int> value) {
    if (value.size() > MostColumns) {
        value.resize(MostColumns);
    }
    asked = value.empty() ? std::vector<int>{0} : value;
    contentChanged();
    return asked;
}

int Grid::gap() {
    return between;
}

int Grid::gap(int cells) {
    between = std::clamp(cells, 0, detail::MostSpacing);
    contentChanged();
    return between;
}

int Grid::padding() {
    return inside;
}

int Grid::padding(int cells) {
    inside = std::clamp(cells, 0, detail::MostSpacing);
    contentChanged();
    return inside;
}

bool Grid::fill() {
    return fills;
}

bool Grid::fill(bool value) {
    fills = value;
    contentChanged();
    return fills;
}

// The last layout's input goes too: a control made later at the same
// address must be laid out, not taken for the one that went.
void Grid::forgetHeld(Control& holder, Control* child) {
    Grid& grid = self(holder);
    forgetChild(holder, child);
    detail::eraseAll(grid.lastChildren, child);
    grid.lastInput.clear();
    grid.laidUnicode = -1;
}

void Grid::placeHeld(Control&, Control& child, Placement& placement) {
    placement.shown = !detail::Tree::squeezed(child);
}

Control::Measure Grid::measure(Control& control) {
    Grid& grid = self(control);
    std::vector<int> naturals;
    naturals.reserve(grid.children.size() * 2);
    for (Control* child : grid.children) {
        const Measure natural = detail::Tree::shownNatural(*child);
        naturals.push_back(natural.width);
        naturals.push_back(natural.height);
    }
    // A weighted column would like its widest child too.
    std::vector<int> wanted = grid.asked;
    for (int& column : wanted) {
        column = column < 0 ? 0 : column;
    }
    const Tracks sizes = tracks(wanted, naturals);
    return {detail::clampCells(total(sizes.widths, grid.between) + 2LL * grid.inside),
            detail::clampCells(total(sizes.heights, grid.between) + 2LL * grid.inside)};
}

void Grid::arrange(Control& control) {
    Grid& grid = self(control);
    if (grid.fills) {
        detail::fillParent(grid);
    }
    // Nothing changed at or below the grid: nothing to measure or place.
    if (detail::unchanged(grid, grid.children, grid.lastChildren, grid.laidCount,
                          grid.laidUnicode)) {
        return;
    }
    const long long width = std::max(0LL, std::max(0, grid.width()) - 2LL * grid.inside);
    const long long height = std::max(0LL, std::max(0, grid.height()) - 2LL * grid.inside);
    // Built in a vector kept from the last time, so that a paint allocates nothing.
    std::vector<int>& input = grid.nextInput;
    input.clear();
    input.insert(input.end(),
                 {grid.between, grid.inside, static_cast<int>(width), static_cast<int>(height)});
    input.insert(input.end(), grid.asked.begin(), grid.asked.end());
    const std::size_t head = input.size();
    for (Control* child : grid.children) {
        const Measure natural = detail::Tree::shownNatural(*child);
        input.push_back(natural.width);
        input.push_back(natural.height);
    }
    // A control never laid out (one made anew at a gone child's address) is.
    bool fresh = false;
    for (Control* child : grid.children) {
        fresh = fresh || !detail::Tree::laidOut(*child);
    }
    if (!fresh && input == grid.lastInput && grid.children == grid.lastChildren) {
        detail::remember(grid, grid.laidCount, grid.laidUnicode);
        return;
    }
    const std::vector<int> naturals(input.begin() + static_cast<long>(head), input.end());
    Tracks sizes = tracks(grid.asked, naturals);
    detail::share(sizes.widths, sizes.weights, width - total(sizes.widths, grid.between));
    const std::vector<long long> lefts = starts(sizes.widths, grid.between, width);
    const std::vector<long long> tops = starts(sizes.heights, grid.between, height);
    const std::size_t columns = grid.asked.size();
    for (std::size_t i = 0; i < grid.children.size(); ++i) {
        const std::size_t row = i / columns;
        const std::size_t column = i % columns;
        // A hidden child keeps its cell's corner but takes no cells: squeezed.
        const bool hidden = naturals[2 * i] == detail::HiddenSize;
        detail::Tree::lay(*grid.children[i], grid.inside + tops[row], grid.inside + lefts[column],
                          hidden ? 0 : std::min<long long>(naturals[2 * i + 1], sizes.heights[row]),
                          hidden ? 0 : sizes.widths[column]);
    }
    grid.lastInput.swap(input);
    grid.lastChildren = grid.children;
    detail::remember(grid, grid.laidCount, grid.laidUnicode);
}

}  // namespace Forms
}  // namespace Vesk
