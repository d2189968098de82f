#pragma once

#include <vector>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

class Page;

/// A focusable set of pages showing one of them below a header line of
/// titles. Page Down and Page Up cycle the pages, a left press on a title
/// shows its page; Tab and back-tab move the
/// focus within the shown page. Build it inside a page before attaching
/// pages: each page is entered into the control list of the set's root page.
class VESK_FORMS_API Tabs : public Control {
public:
    Tabs();
    ~Tabs();

    bool attachTab(Page* page);
    bool detachTab(Page* page);
    /// Shows `page`. Throws new std::domain_error("Cannot activate page of
    /// another set!") when it is not in the set.
    Page* activeTab(Page* page);
    /// The shown page, or null.
    Page* activeTab();

    int count();
    Page* tab(int index);

    /// True for a tab set only.
    static bool is(Control& control);

private:
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

    std::vector<Page*> pages;
    int active = -1;  // index into pages, -1 when none is shown
};

}  // namespace Forms
}  // namespace Vesk
