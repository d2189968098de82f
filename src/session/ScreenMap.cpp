#include "session/ScreenMap.h"

#include <algorithm>

namespace Vesk {
namespace Forms {
namespace detail {

ScreenMap::ScreenMap(int columns, int lines)
    : width(std::max(0, columns)), height(std::max(0, lines)) {
    grids.resize(1);
    grids[0].resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
}

std::vector<MapEntry>& ScreenMap::layer(int index) {
    if (static_cast<std::size_t>(index) >= grids.size()) {
        grids.resize(static_cast<std::size_t>(index) + 1);
    }
    std::vector<MapEntry>& grid = grids[static_cast<std::size_t>(index)];
    if (grid.empty()) {
        grid.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    }
    return grid;
}

namespace {

// The rectangle cut to a screen of `width` x `height`; false when empty.
bool cut(long long& top, long long& left, long long& bottom, long long& right, int width,
         int height) {
    top = std::max(top, 0LL);
    left = std::max(left, 0LL);
    bottom = std::min(bottom, static_cast<long long>(height));
    right = std::min(right, static_cast<long long>(width));
    return top < bottom && left < right;
}

}  // namespace

void ScreenMap::drop(Control* control, const Claim& claim) {
    if (static_cast<std::size_t>(claim.layer) >= grids.size()) {
        return;
    }
    std::vector<MapEntry>& grid = grids[static_cast<std::size_t>(claim.layer)];
    for (long long row = claim.top; row < claim.bottom; ++row) {
        MapEntry* line = grid.data() + row * width;
        for (long long column = claim.left; column < claim.right; ++column) {
            if (line[column].control == control) {
                line[column] = MapEntry();
            }
        }
    }
}

// Records are kept when taken back, so that a paint claiming the same
// controls again allocates nothing; a claim of the same cells as before
// writes them without taking the old ones back first.
void ScreenMap::claim(int index, long long top, long long left, long long bottom, long long right,
                      const MapEntry& entry) {
    if (index < 0 || index >= Layers || entry.control == nullptr) {
        return;
    }
    const bool shows = cut(top, left, bottom, right, width, height);
    Claim& record = claims[entry.control];
    const bool same = record.live && shows && record.layer == index && record.top == top &&
                      record.left == left && record.bottom == bottom && record.right == right;
    if (record.live && !same) {
        drop(entry.control, record);
        record.live = false;
    }
    if (!shows) {
        return;
    }
    std::vector<MapEntry>& grid = layer(index);
    for (long long row = top; row < bottom; ++row) {
        std::fill(grid.begin() + row * width + left, grid.begin() + row * width + right, entry);
    }
    if (!record.listed) {
        liveClaims.push_back(entry.control);
    }
    record = Claim{index, top,       left,         bottom, right, entry.top,
                   entry.row, entry.column, true,   false, true};
}

void ScreenMap::fill(long long top, long long left, long long bottom, long long right,
                     Control* control) {
    if (!cut(top, left, bottom, right, width, height)) {
        return;
    }
    MapEntry entry;
    entry.control = control;
    entry.row = static_cast<int>(top);
    entry.column = static_cast<int>(left);
    for (long long row = top; row < bottom; ++row) {
        std::fill(grids[0].begin() + row * width + left, grids[0].begin() + row * width + right,
                  entry);
    }
}

// Only the live claims are visited, not every record ever kept: a box of a
// thousand fields claims the few in view.
void ScreenMap::release(Control* top) {
    for (Control* control : liveClaims) {
        auto found = claims.find(control);
        if (found != claims.end()) {
            found->second.pending = found->second.live && found->second.tree == top;
        }
    }
}

void ScreenMap::settle(Control* top) {
    std::size_t kept = 0;
    for (Control* control : liveClaims) {
        auto found = claims.find(control);
        if (found == claims.end()) {
            continue;
        }
        Claim& claim = found->second;
        if (claim.pending && claim.tree == top) {
            drop(control, claim);
            claim.live = false;
            claim.pending = false;
        }
        if (!claim.live) {
            claim.listed = false;
            continue;
        }
        liveClaims[kept++] = control;
    }
    liveClaims.resize(kept);
}

const MapEntry* ScreenMap::at(long long row, long long column) const {
    if (row < 0 || column < 0 || row >= height || column >= width) {
        return nullptr;
    }
    const std::size_t cell = static_cast<std::size_t>(row * width + column);
    for (std::size_t index = grids.size(); index-- > 0;) {
        if (!grids[index].empty() && grids[index][cell].control != nullptr) {
            return &grids[index][cell];
        }
    }
    return nullptr;
}

void ScreenMap::forget(Control* control) {
    if (openPopup == control) {
        openPopup = nullptr;
    }
    release(control);
    settle(control);
    claims.erase(control);
    for (std::vector<MapEntry>& grid : grids) {
        for (MapEntry& entry : grid) {
            if (entry.control == control || entry.top == control) {
                entry = MapEntry();
            }
        }
    }
}

bool ScreenMap::origin(Control* control, long long& row, long long& column,
                       Control*& tree) const {
    auto claim = claims.find(control);
    if (claim == claims.end() || !claim->second.live) {
        return false;
    }
    row = claim->second.row;
    column = claim->second.column;
    tree = claim->second.tree;
    return true;
}

int ScreenMap::emptyCells() const {
    int count = 0;
    for (std::size_t cell = 0; cell < grids[0].size(); ++cell) {
        bool empty = true;
        for (const std::vector<MapEntry>& grid : grids) {
            empty = empty && (grid.empty() || grid[cell].control == nullptr);
        }
        count += empty ? 1 : 0;
    }
    return count;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
