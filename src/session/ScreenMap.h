#pragma once

#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

namespace Vesk {
namespace Forms {

class Control;

namespace detail {

// What the screen map knows of a cell: the control painted there, the top
// of its tree, and the screen cell of the control's own top-left, so that a
// click reaches the control with its own coordinates in one lookup.
struct MapEntry {
    Control* control = nullptr;
    Control* top = nullptr;  // null for cells a host filled by hand
    int row = 0;
    int column = 0;
    bool pointerOnly = false;  // the mouse reaches it; the arrow keys pass over
};

// Which control owns each cell of the screen, by layer: a control painted on
// a higher layer covers the cells below without changing them, so taking it
// away leaves them as they were. A control's cells are exactly those of its
// last claim: a new claim takes the old one back first. A cell holds the
// number of its control's entry, so that moving a control (a scrolling box
// moves all of them) compares and writes small numbers.
class ScreenMap {
public:
    static constexpr int Layers = 65;  // layer 0 and 64 above it

    ScreenMap(int columns, int lines);

    int columns() const { return width; }
    int lines() const { return height; }

    // Writes `entry` for its control over [top, bottom) x [left, right) of
    // `layer`, cut to the screen, after taking back the control's last claim.
    void claim(int layer, long long top, long long left, long long bottom, long long right,
               const MapEntry& entry);
    // A host's fill: `control` over the cells, layer 0, no claim kept (null
    // clears them).
    void fill(long long top, long long left, long long bottom, long long right, Control* control);
    // A paint of the tree under `top` begins: its controls' claims are
    // pending until they claim again. `settle` then takes back the ones
    // that did not (a control taken away or no longer shown).
    void release(Control* top);
    void settle(Control* top);
    // The entry of the topmost layer that has one at the cell, or null.
    const MapEntry* at(long long row, long long column) const;
    // Takes a destroyed control out of every cell and claim.
    void forget(Control* control);
    // The screen cell of the control's top-left and the top of its tree, as
    // its last claim had them; false when it has none.
    bool origin(Control* control, long long& row, long long& column, Control*& tree) const;
    // The cells with no control on any layer.
    int emptyCells() const;

    // The control whose drop-down list is open on this screen, or null: one
    // at a time. Forgetting the control clears it.
    Control* popup() const { return openPopup; }
    void popup(Control* control) { openPopup = control; }

private:
    using Id = std::uint32_t;  // 0: no control
    struct Claim {
        int layer;
        long long top, left, bottom, right;
        Control* tree;
        long long row, column;  // the control's top-left
        Id id;         // its entry, kept for the control's life
        bool live;     // false once taken back: the record stays for the next claim
        bool pending;  // live, but not claimed again yet in the paint under way
        bool listed;   // in liveClaims
    };
    std::vector<Id>& layer(int index);
    void drop(const Claim& claim);
    Id newEntry(const MapEntry& entry);

    int width;
    int height;
    std::vector<std::vector<Id>> grids;  // by layer, made on first use
    std::deque<MapEntry> entries;        // by Id; a deque keeps them in place
    std::vector<Id> freeIds;
    std::unordered_map<Control*, Claim> claims;
    std::unordered_map<Control*, Id> fills;  // the entries of a host's fills
    Control* openPopup = nullptr;
    // The controls whose claims went live since the last release (some may
    // have been taken back since): a release visits only these, not every
    // record ever kept.
    std::vector<Control*> liveClaims;
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
