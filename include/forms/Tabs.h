#pragma once

/// @file
/// A set of pages under a header line of titles.

#include <vector>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

class Page;

/// A focusable set of pages showing one of them below a header line of
/// titles. Page Down and Page Up cycle the pages, a left press on a title
/// shows its page; Tab and back-tab move the focus within the shown page,
/// and by default the page around the set moves its focus on from the set
/// too (see Page::tabIntoPages). Sets nest: keys reach the innermost
/// control. Build it inside a page before attaching
/// pages: each page is entered into the control list of the set's root page.
/// In a stack or a grid, its natural size is its widest and tallest
/// visible page's and the header line; laid out, it gives every page its
/// size below that line at each paint.
///
/// A page that is disabled or invisible (its own enabled() or visible()) is
/// passed by: Page Down, Page Up and clicks on the header skip it. A
/// disabled page's title is dimmed (BrightBlack on Black), an invisible
/// page has no title and the titles after it close up. When the shown page
/// is disabled or hidden, the set shows the next page that is neither, or
/// else the nearest one before it; with none, the page stays shown, dimmed
/// or not painted, and no key reaches it.
class VESK_FORMS_API Tabs : public Control {
public:
    /// An empty set that can take the focus.
    Tabs();
    /// Lets go of its pages without destroying them; they become roots.
    ~Tabs();

    /// Appends `page`, places it below the header (row 1, column 0) at the
    /// set's width and its height less the header row as they are now (size
    /// the set first), makes the set its parent, enters it into the control
    /// list of the set's root page and shows the first page that is enabled
    /// and visible; true. The caller keeps ownership. Refused (false) for
    /// null and for a page that would close a loop in the tree.
    bool attachTab(Page* page);
    /// Takes `page` out of the set; false when it is not in it. When it was
    /// the shown page, the first remaining one that is enabled and visible
    /// is shown.
    bool detachTab(Page* page);
    /// Shows `page`, focuses it and returns it. Throws new
    /// std::domain_error("Cannot activate page of another set!") when it is
    /// not in the set; the caller deletes the exception. Refused for a page
    /// that is disabled or invisible: null, the shown page stays.
    Page* activeTab(Page* page);
    /// The shown page, or null when the set is empty. It is disabled or
    /// invisible only when every page is.
    Page* activeTab();

    /// The number of pages.
    int count();
    /// The page at `index` in attach order (its title is the page's title);
    /// null when there is none.
    Page* tab(int index);

    /// True for a tab set only.
    static bool is(Control& control);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    // Gives each page the set's size below the header line.
    VESK_FORMS_LOCAL static void arrange(Control& control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    // The mouse events the page routes here (see Page::raiseEvent).
    VESK_FORMS_LOCAL static int pointer(int event, void* control);
    VESK_FORMS_LOCAL static int forward(int event, void* control);
    VESK_FORMS_LOCAL static int nextPage(int event, void* control);
    VESK_FORMS_LOCAL static int previousPage(int event, void* control);
    // The set's table (see Control::Holding): its pages.
    VESK_FORMS_LOCAL static int heldCount(Control& holder);
    VESK_FORMS_LOCAL static Control* heldAt(Control& holder, int index);
    VESK_FORMS_LOCAL static void forgetPage(Control& holder, Control* page);
    VESK_FORMS_LOCAL static void placePage(Control& holder, Control& page, Placement& placement);
    VESK_FORMS_LOCAL static Control* shownEntry(Control& holder);
    // A page was enabled, disabled, shown or hidden.
    VESK_FORMS_LOCAL static void pageChanged(Control& holder, Control& page);
    // Shows another page when the shown one cannot be used (see the class).
    VESK_FORMS_LOCAL void settle();
    // Shows the next usable page `step` (1 or -1) at a time round the set.
    VESK_FORMS_LOCAL bool turn(int step);

    std::vector<Page*> pages;
    int active = -1;  // index into pages, -1 when none is shown
};

}  // namespace Forms
}  // namespace Vesk
