#include "controls/Frame.h"
#include "session/SessionInternals.h"

namespace Vesk {
namespace Forms {
namespace detail {

void Tree::claimCells(Control& control, const Frame& frame, const Rect& cells, bool pointerOnly) {
    ScreenMap* map = SessionInternals::map();
    if (map == nullptr) {
        return;
    }
    const Rect shown = cells & frame.clip;
    MapEntry entry;
    entry.control = &control;
    entry.top = frame.top;
    entry.row = clampCoordinate(frame.row);
    entry.column = clampCoordinate(frame.column);
    // The arrow keys pass over a disabled control; a click on it is ignored.
    entry.pointerOnly = pointerOnly || !frame.enabled;
    map->claim(frame.layer, shown.top, shown.left, shown.bottom, shown.right, entry);
}

Control* Tree::popup() {
    ScreenMap* map = SessionInternals::map();
    return map == nullptr ? nullptr : map->popup();
}

bool Tree::popup(Control* control) {
    ScreenMap* map = SessionInternals::map();
    if (map == nullptr) {
        return false;
    }
    map->popup(control);
    return true;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
