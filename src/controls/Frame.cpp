#include "controls/Frame.h"

#include <algorithm>
#include <vector>

#include "forms/Page.h"
#include "geometry/Tags.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

Rect rectangle(const Frame& frame, int height, int width) {
    return {frame.row, frame.column, frame.row + std::max(0, height),
            frame.column + std::max(0, width)};
}

}  // namespace

// The fields are read directly: every control of every paint comes here.
Control::Placement Tree::placement(Control& holder, Control& child, long long row,
                                   long long column, const Rect* known) {
    const Rect screen = known != nullptr ? *known : screenRect();
    Control::Placement placement{child.place.row,
                                 child.place.column,
                                 holder.overflowStyle == Hidden,
                                 false,
                                 0,
                                 true,
                                 row,
                                 column,
                                 static_cast<int>(screen.bottom),
                                 static_cast<int>(screen.right)};
    if (holder.holding != nullptr && holder.holding->place != nullptr) {
        holder.holding->place(holder, child, placement);
    }
    return placement;
}

bool Tree::childFrame(Control& holder, const Frame& holderFrame, Control& child, Frame& frame) {
    const Control::Placement placement =
        Tree::placement(holder, child, holderFrame.row, holderFrame.column,
                        holderFrame.walk != nullptr ? &holderFrame.walk->screen : nullptr);
    if (!child.visibleFlag || !placement.shown || placement.layer < 0 ||
        placement.layer > PaintWalk::MaxLayer ||
        holderFrame.layer + placement.layer > PaintWalk::MaxLayer) {
        return false;
    }
    const Rect own = rectangle(holderFrame, holder.rows, holder.columns);
    frame = holderFrame;
    frame.row = holderFrame.row + bounded(placement.row);
    frame.column = holderFrame.column + bounded(placement.column);
    frame.inherited = placement.clipAll ? holderFrame.inherited & own : holderFrame.inherited;
    frame.clip = placement.clip ? frame.inherited & own : frame.inherited;
    frame.layer = holderFrame.layer + placement.layer;
    frame.keys = false;
    frame.enabled = holderFrame.enabled && child.enabledFlag;
    return true;
}

// Down from the top of the tree along the parent links, each step through
// the holder's placement. A parent that is a bare region places its child
// at its position and clips it when Hidden, as a container does.
Frame Tree::frameOf(Control& control) {
    if (control.paintFrame != nullptr) {
        return *static_cast<const Frame*>(control.paintFrame);
    }
    std::vector<Region*> path;
    for (Region* link = &control; link != nullptr; link = link->parent()) {
        path.push_back(link);
    }
    Region* top = path.back();
    Frame frame;
    frame.row = top->place.row;
    frame.column = top->place.column;
    frame.clip = frame.inherited = screenRect();
    frame.top = top->controlMark ? static_cast<Control*>(top) : nullptr;
    if (frame.top != nullptr) {
        frame.enabled = frame.top->enabledFlag;
        if (!frame.top->visibleFlag) {
            frame.clip = frame.inherited = Rect{0, 0, 0, 0};
        }
    }
    for (std::size_t i = path.size() - 1; i > 0; --i) {
        Region* holder = path[i];
        Region* child = path[i - 1];
        if (!holder->controlMark) {
            const Rect own = rectangle(frame, holder->rows, holder->columns);
            frame.row += child->place.row;
            frame.column += child->place.column;
            frame.clip = holder->overflow() == Hidden ? frame.inherited & own : frame.inherited;
            if (child->controlMark) {
                const Control& held = *static_cast<Control*>(child);
                frame.enabled = frame.enabled && held.enabledFlag;
                if (!held.visibleFlag) {
                    frame.clip = frame.inherited = Rect{0, 0, 0, 0};
                }
            }
            continue;
        }
        Frame next;
        if (!childFrame(*static_cast<Control*>(holder), frame, *static_cast<Control*>(child),
                        next)) {
            // Not shown by its holder: it is still placed, but shows nothing.
            next = frame;
            const Control::Placement placement = Tree::placement(
                *static_cast<Control*>(holder), *static_cast<Control*>(child), frame.row,
                frame.column);
            next.row = frame.row + bounded(placement.row);
            next.column = frame.column + bounded(placement.column);
            next.clip = next.inherited = Rect{0, 0, 0, 0};
            next.enabled = frame.enabled && static_cast<Control*>(child)->enabledFlag;
        }
        frame = next;
    }
    frame.keys = frame.top != nullptr && keysTarget(*frame.top) == &control && control.focus() &&
                 frame.enabled;
    return frame;
}

bool Tree::showsPages(Control& control) {
    return control.holding != nullptr && control.holding->active != nullptr &&
           !tagged(control, Tag::Page);
}

Control* Tree::passesTo(Control& holder) {
    const Control::Holding* table = holder.holding;
    return table == nullptr || table->active == nullptr ? nullptr : table->active(holder);
}

// A control met twice closes a loop (a page that holds, through its control
// list, the tab set showing it): the chain ends before it comes round.
void Tree::keysChain(Control& top, std::vector<Control*>& chain) {
    // One allocation for the chains of every form there is, not one a link.
    chain.reserve(16);
    chain.assign(1, &top);
    for (Control* next = passesTo(top); next != nullptr; next = passesTo(*next)) {
        if (std::find(chain.begin(), chain.end(), next) != chain.end()) {
            return;
        }
        chain.push_back(next);
    }
}

Control* Tree::keysTarget(Control& top) {
    // Most chains are a few links long: no allocation for those.
    Control* seen[16] = {&top};
    std::size_t count = 1;
    std::vector<Control*> more;
    Control* current = &top;
    for (Control* next = passesTo(top); next != nullptr; next = passesTo(*next)) {
        if (std::find(seen, seen + count, next) != seen + count ||
            std::find(more.begin(), more.end(), next) != more.end()) {
            break;
        }
        if (count < 16) {
            seen[count++] = next;
        } else {
            more.push_back(next);
        }
        current = next;
    }
    return current;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
