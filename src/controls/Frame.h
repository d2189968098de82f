#pragma once

#include <vector>

#include "forms/Control.h"
#include "geometry/Clip.h"

namespace Vesk {
namespace Forms {

class Page;

namespace detail {

struct PaintWalk;

// Where a control stands in one paint and what clips it, derived from its
// holder's frame through the holder's Placement. Painters, the cursor and
// the screen map read it; none walks up the tree.
struct Frame {
    long long row = 0;  // screen cell of the control's top-left cell
    long long column = 0;
    Rect clip{0, 0, 0, 0};       // the cells the control may draw into
    Rect inherited{0, 0, 0, 0};  // what every control below it is cut to
    int layer = 0;
    // Keys reach the control: it ends the chain of active controls from the
    // top of its tree, and has the focus.
    bool keys = false;
    Control* top = nullptr;  // the top of the tree, a control
    PaintWalk* walk = nullptr;

    // The rectangle of `height` x `width` cells at (`row`, `column`) of the
    // control: where it lies on the screen and which of its cells show.
    Area area(long long row, long long column, long long height, long long width) const;
    // The same as screen cells, cut to what shows.
    Rect shown(long long row, long long column, long long height, long long width) const;
};

// A control put off to a higher layer, painted after everything below it.
struct Deferred {
    Control* control;
    Frame frame;
};

// One paint from one control down. The deepest layer is 64: a holder that
// puts a control higher is refused (the control is not painted).
struct PaintWalk {
    static constexpr int MaxLayer = 64;
    Control* start = nullptr;   // where the walk began
    Control* target = nullptr;  // where keys land in the tree being painted
    bool scoped = false;        // a page of the walk marks the paint (PaintScope)
    std::vector<Deferred> later;
};

// The library's one road through the tree: frames, the chain of active
// controls that keys follow, the paint walk and the focus moves. A friend of
// Control, Page and Tabs.
struct Tree {
    // The frame of the control: the one of the paint under way when its
    // painter runs, else worked out from the top of its tree down.
    static Frame frameOf(Control& control);
    // Where `holder`, whose top-left is at screen cell (`row`, `column`),
    // paints `child`, its table's defaults applied first.
    static Control::Placement placement(Control& holder, Control& child, long long row,
                                        long long column);
    // The frame of `child` painted by `holder` with `holderFrame`; false
    // when it is not painted (hidden, or above the deepest layer).
    static bool childFrame(Control& holder, const Frame& holderFrame, Control& child,
                           Frame& frame);

    // The end of the chain of active controls from `top`: each holder's
    // `active` entry in turn (a page's active control, a tab set's shown
    // page, at any depth). `top` itself when it passes keys to none.
    static Control* keysTarget(Control& top);
    // The held control keys go on to from `holder`, or null.
    static Control* passesTo(Control& holder);
    // The chain itself, `top` first.
    static void keysChain(Control& top, std::vector<Control*>& chain);
    // Whether the holder shows one of its pages at a time (a tab set): it
    // passes keys on and is not a page.
    static bool showsPages(Control& control);

    // Paints `control` and everything it holds; the result of its painter.
    static bool paint(Control& control);
    // Puts the page cursor of the frame's top on the control's cell
    // (`row`, `column`) when keys reach the control.
    static void cursor(const Frame& frame, long long row, long long column);
    // Writes the control into the screen map over its `height` x `width`
    // cells that show; `pointerOnly` for cells that the arrows pass over.
    static void claim(Control& control, const Frame& frame, long long height, long long width,
                      bool pointerOnly = false);
    // Writes the control into the screen map over the screen cells `cells`
    // cut to what the frame shows, on the frame's layer, its origin the
    // frame's: a drop-down list claims for the field it belongs to.
    static void claimCells(Control& control, const Frame& frame, const Rect& cells,
                           bool pointerOnly);
    // The control whose drop-down list is open on the screen, or null; one
    // at a time (see ScreenMap::popup). Setting it is refused without a
    // screen.
    static Control* popup();
    static bool popup(Control* control);
    // Records that the mouse event reaches the control at its own cell
    // (`row`, `column`), before the page raises it there.
    static void aim(Control& control, int event, long long row, long long column);
    // The mouse event's cell counted from the control's top-left cell.
    static void pointerCell(Control& control, int event, long long& row, long long& column);

    // The table of what the control holds, or null.
    static const Control::Holding* holdingOf(Control& control) { return control.holding; }

    // The focus moves of Tab and back-tab that walk into tab pages.
    static void tabThrough(Page& top, bool forward);

private:
    static int paintNode(Control& control, const Frame& frame);
    static void paintHeld(Control& holder, const Frame& frame);
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
