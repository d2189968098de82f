#pragma once

#include <algorithm>
#include <cstring>
#include <algorithm>
#include <vector>

#include "forms/Control.h"
#include "geometry/Clip.h"
#include "geometry/Tags.h"

namespace Vesk {
namespace Forms {

class Page;

namespace detail {

struct PaintWalk;

// Offsets a holder gives are cut to this magnitude, so that sums of any
// depth stay far inside 64 bits; everything that adds placements up cuts them.
inline long long bounded(long long value) {
    constexpr long long FarCell = 1LL << 40;
    return std::clamp(value, -FarCell, FarCell);
}

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
    // The control and every holder above it are enabled: a painter's colours
    // turn BrightBlack and its cells take no arrow key (Tree::usable).
    bool enabled = true;
    Control* top = nullptr;  // the top of the tree, a control
    PaintWalk* walk = nullptr;

    // The rectangle of `height` x `width` cells at (`row`, `column`) of the
    // control: where it lies on the screen and which of its cells show.
    Area area(long long row, long long column, long long height, long long width) const {
        Area result{this->row + row, this->column + column, {0, height}, {0, width}};
        result.rows = {std::max(0LL, clip.top - result.row),
                       std::min(height, clip.bottom - result.row)};
        result.columns = {std::max(0LL, clip.left - result.column),
                          std::min(width, clip.right - result.column)};
        return result;
    }
    // The same as screen cells, cut to what shows.
    Rect shown(long long row, long long column, long long height, long long width) const {
        const long long top = this->row + row;
        const long long left = this->column + column;
        return Rect{top, left, top + std::max(0LL, height), left + std::max(0LL, width)} & clip;
    }
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
    // The screen's rectangle, read once for every placement of the walk.
    Rect screen = screenRect();
    // Where the target put the cursor, counted from its top-left cell, and
    // whether that cell was cut away (a scrolling holder must follow it).
    bool cursorSet = false;
    bool cursorHidden = false;
    long long cursorRow = 0;
    long long cursorColumn = 0;
};

// A hidden child's natural size as a layout reads it (Tree::shownNatural):
// no measured size is negative, so showing or hiding one changes the input.
constexpr int HiddenSize = -1;

// The library's one road through the tree: frames, the chain of active
// controls that keys follow, the paint walk and the focus moves. A friend of
// Control, Page and Tabs.
struct Tree {
    // The frame of the control: the one of the paint under way when its
    // painter runs, else worked out from the top of its tree down.
    static Frame frameOf(Control& control);
    // Where `holder`, whose top-left is at screen cell (`row`, `column`),
    // paints `child`, its table's defaults applied first.
    // `screen`, when given, is the screen's rectangle (read once a paint).
    static Control::Placement placement(Control& holder, Control& child, long long row,
                                        long long column, const Rect* screen = nullptr);
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

    // Whether the control and every control up its parent chain are
    // enabled and visible (`shownOnly`: visible) - the rule the frames
    // follow down the tree, read here up the chain without a paint.
    static bool usable(Control& control, bool shownOnly = false);
    // Whether Tab, the arrow keys and the mouse may give it the focus.
    static bool takesFocus(Control& control) { return control.canFocus() && usable(control); }
    // Takes the focus from the active control of each page up the chain
    // from `control` (itself included) that lies inside it, leaving that
    // page with no active control: `control` was disabled or hidden.
    static void dropFocus(Control& control);
    // Tells the holders of `control` that it was enabled, disabled, shown or
    // hidden (their table's `availability`).
    static void availabilityChanged(Control& control);

    // The table of what the control holds, or null.
    static const Control::Holding* holdingOf(Control& control) { return control.holding; }

    // The focus moves of Tab and back-tab on `top` (a root page or a
    // dialog), into tab pages when it walks into them; `wrap` goes round at
    // either end.
    static void tabThrough(Page& top, bool forward, bool wrap = false);

    // The cells a control takes in its holder before the holder's offsets:
    // its rectangle (one row at least), and the box one cell around it that
    // a border (or a button, bordered or not) draws. Read without a call per member, since
    // a scrolling holder measures every child at each paint.
    static Rect footprint(const Control& control);
    // Changes of place, size or parent link among the regions whose parent
    // `holder` is, counted (see Region::layoutChanged).
    static unsigned layoutCount(const Region& holder) { return holder.layoutCount; }
    // Changes at or below `region`, counted (see Region::contentChanged).
    static unsigned treeCount(const Region& region) { return region.treeCount; }
    // The parent link, read without a call.
    static const Region* parentOf(const Region& region) { return region.parentLink; }
    // Scrolls each holder around `control` that scrolls (its table's
    // `reveal`), innermost first, the least that shows the `height` x
    // `width` cells at (`row`, `column`) of the control; true when one moved.
    static bool reveal(Control& control, long long row, long long column, long long height,
                       long long width);
    // The same for the control's whole footprint.
    static bool revealWhole(Control& control);
    // A control that can take the focus, scrolled out of view in a
    // scrolling box around `from`, nearest to it in `direction` ("left",
    // "right", "up", "down") in that box's content; null when the map's
    // neighbour `found` shows in the box, or there is none.
    static Control* scrolledNeighbour(Control& from, const char* direction, Control* found);

    // The cells a border (or a button's box) takes on each side.
    static long long margin(const Control& control) {
        return control.borderStyle != NoBorder ||
                       std::memcmp(control.tag, Tag::Button, sizeof(Tag::Button)) == 0
                   ? 1
                   : 0;
    }
    // Lays `child` out in the box of `height` x `width` cells at (`row`,
    // `column`) of its holder, its border inside the box; writes only what
    // changed. A box too small for one cell inside the border leaves the
    // child squeezed: its holder does not paint it.
    static void lay(Control& child, long long row, long long column, long long height,
                    long long width);
    static bool squeezed(const Control& child) { return child.squeezed; }
    // Whether the control's own flag hides it; a layout gives it no cells.
    static bool hidden(const Control& control) { return !control.visibleFlag; }
    // The natural size a layout reads: HiddenSize, unmeasured, when hidden.
    static Control::Measure shownNatural(Control& control) {
        return control.visibleFlag ? natural(control) : Control::Measure{HiddenSize, HiddenSize};
    }
    // Whether a layout sized the control.
    static bool laidOut(const Control& control) { return control.laidWidth >= 0; }
    // The control's natural width and height with one measure.
    static Control::Measure natural(Control& control);
    // Whether the control places what it holds before painting.
    static bool arranges(const Control& control) {
        return control.sizing != nullptr && control.sizing->arrange != nullptr;
    }
    // Whether the control has a checking table (see Control::Checking).
    static bool checks(const Control& control) { return control.checking != nullptr; }
    // Runs the control's check; true when valid or when it checks nothing.
    static bool check(Control& control) {
        return control.checking == nullptr || control.checking->check(control);
    }
    // Tells the control that keys left it.
    static void left(Control& control) {
        if (control.checking == nullptr) {
            return;
        }
        if (control.checking->left != nullptr) {
            control.checking->left(control);
        } else {
            control.checking->check(control);
        }
    }
    // Whether painting the control would do nothing: no painter, nothing
    // held, nothing to place.
    static bool inert(const Control& control) {
        return !control.paints && control.holding == nullptr && !arranges(control);
    }
    // Lets the control place what it holds (its sizing table's arrange).
    static void arrange(Control& control) {
        if (control.sizing != nullptr && control.sizing->arrange != nullptr) {
            control.sizing->arrange(control);
        }
    }

private:
    static int paintNode(Control& control, const Frame& frame);
    static void paintHeld(Control& holder, const Frame& frame);
    static void paintLayers(PaintWalk& walk, int from);
    static bool followCursor(PaintWalk& walk);
};

// Inline: a scrolling holder calls it for every child at each paint.
inline Rect Tree::footprint(const Control& control) {
    // A button draws its box one cell around itself, bordered or not.
    const long long margin = Tree::margin(control);
    const long long row = control.place.row;
    const long long column = control.place.column;
    // A control shows at least its first row (a label of no height does).
    return {row - margin, column - margin, row + std::max(1, control.rows) + margin,
            column + std::max(0, control.columns) + margin};
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
