#include <algorithm>
#include <optional>

#include "controls/Checks.h"
#include "controls/Frame.h"
#include "forms/Page.h"
#include "geometry/Tags.h"
#include "session/SessionInternals.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// Sets the control's frame for as long as its painter runs.
class FrameInUse {
public:
    FrameInUse(const Frame& frame, const void*& slot) : slot(slot), before(slot) { slot = &frame; }
    ~FrameInUse() { slot = before; }
    FrameInUse(const FrameInUse&) = delete;
    FrameInUse& operator=(const FrameInUse&) = delete;

private:
    const void*& slot;
    const void* before;
};

}  // namespace

// The first page met in a walk (the start, or a page below a tab set
// painted by itself) puts its cursor in place and refreshes once at its end.
int Tree::paintNode(Control& control, const Frame& frame) {
    Frame own = frame;
    own.keys = &control == frame.walk->target && control.focus() && own.enabled;
    Page* page = !frame.walk->scoped && tagged(control, Tag::Page) ? static_cast<Page*>(&control)
                                                                  : nullptr;
    std::optional<PaintScope> scope;
    if (page != nullptr) {
        scope.emplace();
        frame.walk->scoped = true;
    }
    // A layout places what it holds before anything of it is painted.
    arrange(control);
    int painted = 0;
    {
        FrameInUse use(own, control.paintFrame);
        DimScope dim(!own.enabled);
        painted = control.Control::raiseEvent(Vesk::UpdateView);
    }
    paintHeld(control, own);
    if (page != nullptr && &control != frame.walk->start) {
        scope->finish(page->cursorCell.row, page->cursorCell.column);
    }
    return painted;
}

// Walked by index against the current count: a painter may attach, detach
// or destroy what the holder holds. A holder that names the controls in
// view has only those visited.
void Tree::paintHeld(Control& holder, const Frame& frame) {
    const Control::Holding* table = holder.holding;
    if (table == nullptr) {
        return;
    }
    const std::vector<Control*>* shown = table->inView != nullptr ? table->inView(holder) : nullptr;
    for (std::size_t i = 0;; ++i) {
        if (shown != nullptr ? i >= shown->size()
                             : i >= static_cast<std::size_t>(std::max(0, table->count(holder)))) {
            break;
        }
        Control* child =
            shown != nullptr ? (*shown)[i] : table->held(holder, static_cast<int>(i));
        Frame next;
        if (child == nullptr || inert(*child) || !childFrame(holder, frame, *child, next)) {
            continue;
        }
        if (next.layer > frame.layer) {
            if (child->deferredIn == nullptr) {
                child->deferredIn = frame.walk;
                frame.walk->later.push_back({child, next});
            }
            continue;
        }
        paintNode(*child, next);
    }
}

// Painting one may put off more, higher still.
void Tree::paintLayers(PaintWalk& walk, int from) {
    for (int layer = from; layer <= PaintWalk::MaxLayer && !walk.later.empty(); ++layer) {
        for (std::size_t i = 0; i < walk.later.size(); ++i) {
            if (walk.later[i].control != nullptr && walk.later[i].frame.layer == layer) {
                Control* control = walk.later[i].control;
                const Frame deferred = walk.later[i].frame;
                walk.later[i].control = nullptr;
                control->deferredIn = nullptr;
                paintNode(*control, deferred);
            }
        }
    }
    for (Deferred& left : walk.later) {
        if (left.control != nullptr) {
            left.control->deferredIn = nullptr;
        }
    }
    walk.later.clear();
}

// Whether the cursor the keys target placed moved since the last paint
// (another target, or another cell of it) and a scrolling holder around it
// had to scroll to show that cell: then the tree is painted once more.
bool Tree::followCursor(PaintWalk& walk) {
    if (!walk.cursorSet || walk.target == nullptr || walk.start == nullptr) {
        return false;
    }
    Control* top = walk.start->root();
    if (top == nullptr || !tagged(*top, Tag::Page)) {
        return false;
    }
    Page& page = *static_cast<Page*>(top);
    const bool moved = page.caretOwner != walk.target || page.caretRow != walk.cursorRow ||
                       page.caretColumn != walk.cursorColumn;
    page.caretOwner = walk.target;
    page.caretRow = walk.cursorRow;
    page.caretColumn = walk.cursorColumn;
    return moved && reveal(*walk.target, walk.cursorRow, walk.cursorColumn, 1, 1);
}

// A root page's paint first tells the control keys left, if the host moved
// them, so that the result of its check shows in this paint. It takes back
// its tree's cells in the map (each control claims its cells again as it
// paints), and at the end blanks what its last paint drew that nothing drew now.
bool Tree::paint(Control& start) {
    Frame frame = frameOf(start);
    PaintWalk walk;
    walk.target = frame.top != nullptr ? keysTarget(*frame.top) : nullptr;
    frame.walk = &walk;

    walk.start = &start;
    Page* page = tagged(start, Tag::Page) ? static_cast<Page*>(&start) : nullptr;
    const bool rootPage = page != nullptr && start.parent() == nullptr;
    // A check may run the host's code, which may move the keys again.
    if (rootPage && Checks::settleShown(*page, walk.target) && frame.top != nullptr) {
        walk.target = keysTarget(*frame.top);
    }
    std::optional<PaintScope> scope;
    if (page != nullptr) {
        scope.emplace();
        walk.scoped = true;
    }
    ScreenMap* map = SessionInternals::map();
    int painted = 0;
    // An invisible control, or one inside an invisible holder, paints
    // nothing; a root page still takes back and blanks what it showed.
    const bool shown = usable(start, true);
    // Twice at most: the second time after a scrolling holder followed the cursor.
    for (int pass = 0; pass < 2 && shown; ++pass) {
        if (rootPage && map != nullptr) {
            map->release(&start);
        }
        walk.cursorSet = false;
        painted = paintNode(start, frame);
        paintLayers(walk, frame.layer + 1);
        if (!followCursor(walk)) {
            break;
        }
    }

    if (rootPage && map != nullptr) {
        if (!shown) {
            map->release(&start);
        }
        map->settle(&start);
    }
    if (rootPage && scope) {
        const Rect area = Rect{frame.row, frame.column, frame.row + std::max(0, page->height()),
                               frame.column + std::max(0, page->width())} &
                          screenRect();
        Screen::blankStale(page->paintNumber, area.top, area.left, area.bottom, area.right,
                           page->color(), page->background());
        page->paintNumber = scope->number();
        // The cursor shows only where a control put it, never at a stale cell.
        scope->cursorShown(walk.cursorSet);
    }
    if (scope) {
        scope->finish(page->cursorCell.row, page->cursorCell.column);
    }
    return painted != 0;
}

void Tree::cursor(const Frame& frame, long long row, long long column) {
    if (!frame.keys || frame.top == nullptr || !tagged(*frame.top, Tag::Page)) {
        return;
    }
    if (frame.walk != nullptr) {
        frame.walk->cursorSet = true;
        frame.walk->cursorRow = row;
        frame.walk->cursorColumn = column;
    }
    Page* page = static_cast<Page*>(frame.top);
    page->cursorCell.row = clampCoordinate(frame.row + row);
    page->cursorCell.column = clampCoordinate(frame.column + column);
}

void Tree::claim(Control& control, const Frame& frame, long long height, long long width,
                 bool pointerOnly) {
    claimCells(control, frame,
               Rect{frame.row, frame.column, frame.row + std::max(0LL, height),
                    frame.column + std::max(0LL, width)},
               pointerOnly);
}

void Tree::aim(Control& control, int event, long long row, long long column) {
    control.pointerEvent = event;
    control.pointerCellRow = clampCoordinate(row);
    control.pointerCellColumn = clampCoordinate(column);
}

void Tree::pointerCell(Control& control, int event, long long& row, long long& column) {
    if (control.pointerEvent == event && event != 0) {
        row = control.pointerCellRow;
        column = control.pointerCellColumn;
        return;
    }
    // Raised on the control directly rather than routed by a page.
    const Frame frame = frameOf(control);
    row = Vesk::MouseRow(event) - frame.row;
    column = Vesk::MouseColumn(event) - frame.column;
}

}  // namespace detail

bool Control::paint() {
    return detail::Tree::paint(*this);
}

int Control::pointerRow() {
    return pointerCellRow;
}

int Control::pointerColumn() {
    return pointerCellColumn;
}

}  // namespace Forms
}  // namespace Vesk
