#pragma once

/// @file
/// The base of every control and the handler type.

#include <map>
#include <vector>

#include "forms/Enums.h"
#include "forms/Export.h"
#include "forms/Region.h"

namespace Vesk {
namespace Forms {

namespace detail {
struct Tree;
}

/// Receives the event code and the control the event was raised on; a
/// non-zero result means handled.
using Handler = int (*)(int event, void* control);

/// Base of every widget: colours, border, focus and a table of handlers by
/// event code. Painting is the UpdateView event. No operation is virtual:
/// containers and pages reach every control through Control::raiseEvent.
class VESK_FORMS_API Control : public Region {
public:
    /// A control that cannot take the focus, White on Black with a
    /// BrightBlack border colour and no border, whose arrow keys move the
    /// focus to the nearest control on the screen in their direction.
    Control();
    /// Takes the control out of the screen map and out of every list that
    /// holds it (a container's children, a page's control list, a tab set's
    /// pages). It does not destroy anything it holds.
    ~Control();
    /// Not copyable: containers and pages hold controls by address.
    Control(const Control&) = delete;
    /// Not assignable.
    Control& operator=(const Control&) = delete;

    /// Stores `handler` for the event code, replacing the one it had; true.
    /// A null handler is refused (false).
    bool attachHandler(int event, Handler handler);
    /// Removes the handler of the event code; false when it had none.
    bool detachHandler(int event);
    /// Whether raiseEvent would call a handler: the code's own or, for a
    /// character event (Vesk::IsCharacter), the Vesk::AnyCharacter one; for
    /// a mouse event (Vesk::IsMouse), the Vesk::AnyMouse one.
    bool handles(int event);
    /// Calls the handler for the code (see handles) with the code itself and
    /// returns its result; 0 without one.
    int raiseEvent(int event);
    /// Raises UpdateView; true when a painter handled it.
    bool paint();

    /// Whether the control can take the focus (set by its class).
    bool canFocus();
    /// Whether the control has the focus.
    bool focus();
    /// Sets or clears the focus flag and returns the new value. Refused
    /// (false, unchanged) on a control that cannot take the focus.
    bool focus(bool value);
    /// Moves the focus here the way Tab, the arrow keys and a click do: the
    /// control becomes the active control of its page, the control active
    /// before loses the focus, and each tab set that shows the page becomes
    /// the active control of the page around it. False, nothing changed,
    /// when the control cannot take the focus, is disabled or invisible (or
    /// a holder around it is), its page does not list it, or
    /// a dialog open over its tree's root page does not hold it.
    /// (Page::activeControl alone leaves the focus flag of the control
    /// before as it was.)
    bool takeFocus();

    /// The colour the control is painted on.
    Color background();
    /// Stores the colour masked to 0..15 and returns what was stored.
    Color background(Color value);
    /// The colour of the control's text (its foreground).
    Color color();
    /// Stores the text colour and returns it.
    Color color(Color value);
    /// The colour of the border; some controls use it for other parts
    /// (a list's selection without the focus, a progress bar's filled cells).
    Color borderColor();
    /// Stores the border colour and returns it.
    Color borderColor(Color value);
    // Kept as (border), not the BorderStyle(border) of clang-format.
    // clang-format off
    /// The border drawn around the control, for the controls that draw one.
    /// Where `<curses.h>` is included, its `border` macro would take the call:
    /// write the name in parentheses, `(button.border)()`.
    BorderStyle (border)();
    /// Stores the border style and returns it; `(button.border)(SingleLine)`
    /// where `<curses.h>` is included.
    BorderStyle (border)(BorderStyle value);
    // clang-format on

    /// The nearest page up the parent chain (this control when it is one), or null.
    Control* page();
    /// The topmost ancestor; null when that ancestor is a bare region.
    Control* root();

    /// The row of the last mouse event routed to the control, counted from
    /// the control's top-left cell as it was last painted (the screen map
    /// keeps that cell, so no walk up the tree is needed).
    int pointerRow();
    /// The column of that event, counted likewise.
    int pointerColumn();

    /// The host's pointer carried by the control (null at first), so that a
    /// handler, which receives only the control, reaches the program's state.
    void* data();
    /// Stores the host's pointer and returns it. The control never reads,
    /// frees or copies what it points to.
    void* data(void* value);

    /// Whether the control takes part in the form (true at first). A
    /// disabled control is still painted, its text and border in
    /// BrightBlack, but Tab, back-tab, the arrow keys and the mouse pass it
    /// by, and keys routed to it do not reach its handlers: they go on to
    /// the holders around it as keys it left unhandled. What it holds is
    /// disabled with it, whatever their own setting.
    bool enabled();
    /// Stores the setting and returns it. Disabling the control, or a holder
    /// around the focused control, takes the focus away: the page's active
    /// control is then none until Tab, a click or takeFocus gives it to
    /// another, as when the active control is destroyed.
    bool enabled(bool value);
    /// Whether the control is shown (true at first). An invisible control is
    /// not painted, takes no cells of the screen (what it showed is blanked at
    /// the next paint of its root page), is left out of a scroll box's
    /// content and of a tab set's natural size, gives up its place in a stack
    /// or a grid (its cell in a grid; see Stack and Grid) until it is shown
    /// again, and is passed by as a disabled one is; what it holds is hidden
    /// with it.
    bool visible();
    /// Stores the setting and returns it; hiding the control takes the focus
    /// away as disabling it does.
    bool visible(bool value);

protected:
    /// Whether the log names the character events raised on the control
    /// without their code (a text box in password mode sets it), so that
    /// what is typed there never reaches the log file.
    bool maskedCharacters = false;

private:
    // See enabled() and visible(); the frame and the focus moves read them
    // through detail::Tree::usable.
    bool enabledFlag = true;
    bool visibleFlag = true;

public:
    // Natural size: what stacks and grids lay out by.
    /// The columns the control would like, its border (and a button's box)
    /// included: its class measures it (a button its caption and a blank on
    /// each side, a label its text in cells, a text box the width the host
    /// gave it, a holder what its children need), unless the host set its own.
    int naturalWidth();
    /// Sets the natural width a host control reports (cells, clamped to
    /// 0..the largest int); a negative value goes back to the measured one.
    /// Returns the natural width.
    int naturalWidth(int cells);
    /// The rows the control would like, measured as naturalWidth.
    int naturalHeight();
    /// Sets the natural height, as naturalWidth(int) does the width.
    int naturalHeight(int cells);

protected:
    /// A size in cells, width first.
    struct Measure {
        /// Columns.
        int width;
        /// Rows.
        int height;
    };
    /// How a class sizes its objects, one static table per class, pointed
    /// at by `sizing` in its constructor (as `holding` is).
    struct Sizing {
        /// The natural size of the rectangle, the border not included.
        /// Measured again only after a change at or below the control: a
        /// class that measures its own data calls contentChanged() when it
        /// changes.
        Measure (*measure)(Control& control);
        /// Places what the control holds before it paints (a stack, a
        /// grid); null for a control that places nothing.
        void (*arrange)(Control& control) = nullptr;
    };
    /// This object's sizing table; null measures the rectangle as it is.
    const Sizing* sizing = nullptr;

    /// How a class checks what its objects hold (a text box its text), one
    /// static table per class, pointed at by `checking` in its constructor
    /// (as `holding` and `sizing` are). A control with a table is checked by
    /// Page::validate and told when keys leave it, whatever moved the focus
    /// (a key, a click, the host), at the next event its root page routes or
    /// the next paint of that page. A host control may point at a table of
    /// its own.
    struct Checking {
        /// Runs the control's check and shows its result; true when valid.
        bool (*check)(Control& control);
        /// Keys left the control: ends what was under way there (a paste),
        /// then checks it. Null runs `check`.
        void (*left)(Control& control) = nullptr;
    };
    /// This object's checking table; null for a control that checks nothing.
    const Checking* checking = nullptr;

    /// The size the host gave the control: its rectangle, or what it was
    /// before a layout last sized it while the layout's size still holds.
    Measure given();

private:
    // The host's natural size, -1 when measured.
    int ownWidth = -1;
    int ownHeight = -1;
    // What a layout last wrote, and the host's size it replaced.
    int laidWidth = -1;
    int laidHeight = -1;
    int hostWidth = 0;
    int hostHeight = 0;
    // Left no cells by the last layout: not painted.
    bool squeezed = false;
    // The natural size as measured when the changes counted at or below the
    // control were `measuredAt` and text was measured as `measuredText`
    // (-1: never), so that a control is measured again only after a change.
    unsigned measuredAt = 0;
    int measuredText = -1;
    int measuredWidth = 0;
    int measuredHeight = 0;
    // End of the natural size.

protected:
    /// Where a holder paints a held control, as its table's `place` entry
    /// fills it in. Each paint walks the tree once and derives every
    /// control's frame (its screen cell, what clips it, its layer and
    /// whether keys reach it) from its holder's through these.
    struct Placement {
        /// The held control's top-left cell counted from the holder's;
        /// defaults to the control's position.
        long long row;
        /// See row.
        long long column;
        /// Whether the held control is cut to the holder's rectangle; by
        /// default when the holder clips (Hidden).
        bool clip;
        /// Whether every control below the held one is cut to the holder's
        /// rectangle too (a scrolling holder); false by default.
        bool clipAll;
        /// How many layers above the holder's the held control is painted
        /// (0 to 64): a higher layer is painted after everything below it and
        /// owns its cells in the screen map. 0 by default.
        int layer;
        /// Whether the held control is painted at all; true by default.
        bool shown;
        /// Set by the paint for `place` to read: the screen cell of the
        /// holder's top-left corner and the screen's size, so that a holder
        /// can keep what it places on the screen (a drop-down list opening
        /// above its field at the bottom edge).
        long long holderRow;
        /// See holderRow.
        long long holderColumn;
        /// See holderRow.
        int screenHeight;
        /// See holderRow.
        int screenWidth;
    };

    /// How a class whose objects hold controls in lists (children, the pages
    /// of a tab set, a page's control list) describes those lists to the
    /// base class, which knows no holder class. A holder points `holding` at
    /// a static table of its class in its constructor, records each entry it
    /// takes with `hold`, and each one it drops with `release`, including in
    /// its destructor; a held control that is destroyed is then taken out of
    /// its lists through `forget`, and `closesLoop` can walk any holder.
    struct Holding {
        /// The controls the holder holds directly (the tree below it), by
        /// index from 0 to count - 1.
        int (*count)(Control& holder);
        /// The held control at `index` (0 to count - 1).
        Control* (*held)(Control& holder, int index);
        /// Takes every entry naming `control` out of all the holder's lists.
        /// Called while `control` is destroyed: use only its address.
        void (*forget)(Control& holder, Control* control);
        /// Takes a control attached anywhere below the holder into a list of
        /// everything below it (a page's control list); null when there is
        /// no such list.
        void (*enter)(Control& holder, Control& control);
        /// Describes where a held control is painted (see Placement); null
        /// keeps the defaults for every held control.
        void (*place)(Control& holder, Control& child, Placement& placement) = nullptr;
        /// The held control that keys go on to from the holder (a page's
        /// active control, a tab set's shown page), or null; null when the
        /// holder passes keys to none.
        Control* (*active)(Control& holder) = nullptr;
        /// The held controls a paint visits, in painting order, when that is
        /// fewer than all of them (a scrolling holder names those in view);
        /// null visits every one. The list stays the holder's.
        const std::vector<Control*>* (*inView)(Control& holder) = nullptr;
        /// Scrolls the holder the least that shows the `height` x `width`
        /// cells at (`row`, `column`) of the held control `child`; true
        /// when it moved. Null for a holder that does not scroll.
        bool (*reveal)(Control& holder, Control& child, long long row, long long column,
                       long long height, long long width) = nullptr;
        /// Told that the held control `child` was enabled, disabled, shown
        /// or hidden (a tab set moves off a shown page it can no longer
        /// use); null for a holder that does not care.
        void (*availability)(Control& holder, Control& child) = nullptr;
    };

    /// The handler for the code (a character's falls back to the
    /// AnyCharacter one, a mouse event's to the AnyMouse one), or null; calling it directly skips
    /// the dispatch log line of raiseEvent.
    Handler handler(int event);

    /// Whether the control can take the focus; each class sets it in its
    /// constructor.
    bool focusable = false;
    /// Whether the control has the focus.
    bool focused = false;
    /// This object's table when it holds controls, else null.
    const Holding* holding = nullptr;

    /// One entry of `control` in a list of `holder`: taken (`hold`) or
    /// dropped (`release`, one entry; `releaseAll`, every entry).
    static void hold(Control& holder, Control& control);
    /// Drops one entry of `control` in a list of `holder` (see hold).
    static void release(Control& holder, Control& control);
    /// Drops every entry of `control` in the lists of `holder` (see hold).
    static void releaseAll(Control& holder, Control& control);
    /// Hands `control` to the `enter` of `holder`'s table, if it has one.
    static void enter(Control& holder, Control& control);
    /// True when holding `candidate` in `holder`'s list would close a loop:
    /// `candidate` is `holder` or one of its ancestors (parent links), or holds
    /// `holder` anywhere below it (through the holders' tables). Walks up or
    /// down the tree would then never end.
    static bool closesLoop(Control* holder, Control* candidate);

private:
    friend struct detail::Tree;
    std::map<int, Handler> handlers;
    // Whether an UpdateView handler is set: a paint passes by a control that
    // has none and holds nothing (a blank spacer) without a frame for it.
    bool paints = false;
    Color backgroundColor = Black;
    Color foregroundColor = White;
    Color borderColour = BrightBlack;
    BorderStyle borderStyle = NoBorder;
    void* hostData = nullptr;
    // The frame of the paint under way, set while the control's painter runs.
    const void* paintFrame = nullptr;
    // The paint walk that holds this control for a higher layer, or null.
    void* deferredIn = nullptr;
    // The last mouse event routed here through the screen map, and its cell
    // counted from the control's top-left cell.
    int pointerEvent = 0;
    int pointerCellRow = 0;
    int pointerCellColumn = 0;

    // The holders whose lists name this control, one entry per list entry;
    // the destructor takes this control out of all of them.
    std::vector<Control*> holders;

    // Takes this control out of every list of `holder` that names it.
    VESK_FORMS_LOCAL void leave(Control* holder);

    // The arrow-key handlers every control starts with.
    VESK_FORMS_LOCAL static int arrowLeft(int event, void* control);
    VESK_FORMS_LOCAL static int arrowRight(int event, void* control);
    VESK_FORMS_LOCAL static int arrowUp(int event, void* control);
    VESK_FORMS_LOCAL static int arrowDown(int event, void* control);
};

}  // namespace Forms
}  // namespace Vesk
