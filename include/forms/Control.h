#pragma once

#include <map>
#include <vector>

#include "forms/Enums.h"
#include "forms/Export.h"
#include "forms/Region.h"

// curses defines border() as a macro for wborder(stdscr, ...) unless
// NCURSES_NOMACROS is set (the library's build sets it); it would swallow the
// member of the same name. Call wborder(stdscr, ...) instead.
#ifdef border
#undef border
#endif

namespace Vesk {
namespace Forms {

class Container;
class Page;

// Receives the event code and the control the event was raised on; a
// non-zero result means handled.
using Handler = int (*)(int event, void* control);

// Base of every widget: colours, border, focus and a table of handlers by
// event code. Painting is the UpdateView event. No operation is virtual:
// containers and pages reach every control through Control::raiseEvent.
class VESK_FORMS_API Control : public Region {
public:
    Control();
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // A null handler is refused; otherwise replaces the one for the code.
    bool attachHandler(int event, Handler handler);
    bool detachHandler(int event);
    bool handles(int event);
    // Calls the handler for the code and returns its result; 0 without one.
    int raiseEvent(int event);
    // Raises UpdateView; true when a painter handled it.
    bool paint();

    bool canFocus();
    bool focus();
    // Refused (false, unchanged) on a control that cannot take the focus.
    bool focus(bool value);

    Color background();
    // Stores the colour masked to 0..15.
    Color background(Color value);
    Color color();
    Color color(Color value);
    Color borderColor();
    Color borderColor(Color value);
    BorderStyle border();
    BorderStyle border(BorderStyle value);

    // The nearest page up the parent chain (this control when it is one), or null.
    Control* page();
    // The topmost ancestor; null when that ancestor is a bare region.
    Control* root();

protected:
    bool focusable = false;
    bool focused = false;

private:
    friend class Container;
    friend class Page;
    friend class Tabs;

    std::map<int, Handler> handlers;
    Color backgroundColor = Black;
    Color foregroundColor = White;
    Color borderColour = BrightBlack;
    BorderStyle borderStyle = NoBorder;

    // Controls whose lists (children, pages of a tab set) name this control,
    // and pages whose control lists do, one entry per list entry; the
    // destructor takes this control out of all of them.
    std::vector<Control*> holders;
    std::vector<Page*> memberships;

    // Takes this control out of every list of `holder` that names it.
    void leave(Control* holder);
    // True when holding `candidate` in `holder`'s list would close a loop:
    // `candidate` is `holder` or one of its ancestors (parent links), or holds
    // `holder` anywhere below it (children of containers and pages, pages of
    // tab sets). Walks up or down the tree would then never end.
    static bool closesLoop(Control* holder, Control* candidate);

    // The arrow-key handlers every control starts with.
    static int arrowLeft(int event, void* control);
    static int arrowRight(int event, void* control);
    static int arrowUp(int event, void* control);
    static int arrowDown(int event, void* control);
};

}  // namespace Forms
}  // namespace Vesk
