#pragma once

#include "forms/Container.h"

namespace VeskTest {

// A holder that moves everything it holds by an offset and cuts all of it,
// at every depth, to its own rectangle; the child named `raised` goes on a
// higher layer. How a scrolling box or a drop-down plugs into the frames.
class ShiftingHolder : public Vesk::Forms::Container {
public:
    ShiftingHolder() { holding = &table; }

    long long rows = 0;     // added to each child's row
    long long columns = 0;  // added to each child's column
    int layer = 1;          // the raised child's layer above the holder's
    Vesk::Forms::Control* raised = nullptr;

private:
    static void placeChild(Control& holder, Control& child, Placement& placement) {
        auto& self = static_cast<ShiftingHolder&>(holder);
        placement.row += self.rows;
        placement.column += self.columns;
        placement.clip = true;
        placement.clipAll = true;
        placement.layer = &child == self.raised ? self.layer : 0;
    }
    static constexpr Holding table{heldCount, heldAt, forgetChild, nullptr, placeChild, nullptr};
};

}  // namespace VeskTest
