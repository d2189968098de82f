#include "session/ScreenMap.h"

#include <algorithm>

namespace Vesk {
namespace Forms {
namespace detail {

ScreenMap::ScreenMap(int columns, int lines)
    : width(std::max(0, columns)), height(std::max(0, lines)) {
    grids.resize(1);
    grids[0].resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    entries.emplace_back();  // Id 0, no control
}

std::vector<ScreenMap::Id>& ScreenMap::layer(int index) {
    if (static_cast<std::size_t>(index) >= grids.size()) {
        grids.resize(static_cast<std::size_t>(index) + 1);
    }
    std::vector<Id>& grid = grids[static_cast<std::size_t>(index)];
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

ScreenMap::Id ScreenMap::newEntry(const MapEntry& entry) {
    if (!freeIds.empty()) {
        const Id id = freeIds.back();
        freeIds.pop_back();
        entries[id] = entry;
        return id;
    }
    entries.push_back(entry);
    return static_cast<Id>(entries.size() - 1);
}

void ScreenMap::drop(const Claim& claim) {
    if (static_cast<std::size_t>(claim.layer) >= grids.size()) {
        return;
    }
    std::vector<Id>& grid = grids[static_cast<std::size_t>(claim.layer)];
    for (long long row = claim.top; row < claim.bottom; ++row) {
        Id* line = grid.data() + row * width;
        for (long long column = claim.left; column < claim.right; ++column) {
            line[column] = line[column] == claim.id ? 0 : line[column];
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
    auto found = claims.find(entry.control);
    if (found == claims.end()) {
        Claim fresh{};
        fresh.id = newEntry(entry);
        found = claims.emplace(entry.control, fresh).first;
    }
    Claim& record = found->second;
    const bool same = record.live && shows && record.layer == index && record.top == top &&
                      record.left == left && record.bottom == bottom && record.right == right;
    if (record.live && !same) {
        drop(record);
        record.live = false;
    }
    if (!shows) {
        return;
    }
    entries[record.id] = entry;
    std::vector<Id>& grid = layer(index);
    for (long long row = top; row < bottom; ++row) {
        std::fill(grid.begin() + row * width + left, grid.begin() + row * width + right,
                  record.id);
    }
    if (!record.listed) {
        liveClaims.push_back(entry.control);
    }
    record = Claim{index,        top,       left, bottom, right, entry.top, entry.row,
                   entry.column, record.id, true, false,  true};
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
    Id id = 0;
    if (control != nullptr) {
        auto found = fills.find(control);
        id = found != fills.end() ? found->second : fills.emplace(control, newEntry(entry)).first->second;
        entries[id] = entry;
    }
    for (long long row = top; row < bottom; ++row) {
        std::fill(grids[0].begin() + row * width + left, grids[0].begin() + row * width + right,
                  id);
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
            drop(claim);
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
        if (!grids[index].empty() && grids[index][cell] != 0) {
            return &entries[grids[index][cell]];
        }
    }
    return nullptr;
}

// Every cell of the control's entries, and of the entries whose tree it
// tops, goes; the entries' numbers are free again.
void ScreenMap::forget(Control* control) {
    if (openPopup == control) {
        openPopup = nullptr;
    }
    release(control);
    settle(control);
    std::vector<bool> gone(entries.size(), false);
    bool any = false;
    for (Id id = 1; id < entries.size(); ++id) {
        if (entries[id].control == control || entries[id].top == control) {
            gone[id] = true;
            any = true;
            entries[id].top = nullptr;
        }
    }
    auto claim = claims.find(control);
    if (claim != claims.end()) {
        freeIds.push_back(claim->second.id);
        entries[claim->second.id] = MapEntry();
        claims.erase(claim);
    }
    auto fill = fills.find(control);
    if (fill != fills.end()) {
        freeIds.push_back(fill->second);
        entries[fill->second] = MapEntry();
        fills.erase(fill);
    }
    if (!any) {
        return;
    }
    for (std::vector<Id>& grid : grids) {
        for (Id& cell : grid) {
            cell = gone[cell] ? 0 : cell;
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
        for (const std::vector<Id>& grid : grids) {
            empty = empty && (grid.empty() || grid[cell] == 0);
        }
        count += empty ? 1 : 0;
    }
    return count;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
