#include "widgets/FieldChecks.h"

#include "controls/Frame.h"
#include "forms/Page.h"
#include "forms/Tabs.h"
#include "forms/TextBox.h"
#include "geometry/Tags.h"
#include "session/SessionInternals.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// Shows the pages around the box in their tab sets, outermost last.
void showPagesAround(TextBox& box) {
    Control* home = box.page();
    for (int depth = 0; home != nullptr && depth < 64; ++depth) {
        Region* up = home->parent();
        if (up == nullptr || !tagged(*up, Tag::Tabs)) {
            return;
        }
        Tabs* tabs = static_cast<Tabs*>(up);
        tabs->activeTab(static_cast<Page*>(home));
        home = tabs->page();
    }
}

}  // namespace

// The field keys reached after the last routing is the session's: one
// keyboard, so one for the process, whichever root page routes.
void FieldChecks::settle(Page& root) {
    Control*& reached = SessionInternals::keysField();
    Control* target = Tree::keysTarget(root);
    if (reached != nullptr && reached != target) {
        TextBox* left = static_cast<TextBox*>(reached);
        reached = nullptr;
        left->endPaste();
        left->check();
    }
    reached = tagged(*target, Tag::TextBox) ? target : nullptr;
}

void FieldChecks::forget(TextBox& box) {
    Control*& reached = SessionInternals::keysField();
    if (reached == &box) {
        reached = nullptr;
    }
}

// Checks the text boxes of the page's control list in tab order, the pages
// of its tab sets at the set's place; the first invalid one in `first`.
// A page is reached through its set only, so none is checked twice.
int FieldChecks::checkAll(Page& page, TextBox*& first, int depth) {
    int invalid = 0;
    for (int i = 0; i < page.controlCount() && depth < 64; ++i) {
        Control* control = page.control(i);
        if (tagged(*control, Tag::TextBox)) {
            TextBox* box = static_cast<TextBox*>(control);
            if (!box->check()) {
                ++invalid;
                first = first == nullptr ? box : first;
            }
        } else if (Tabs::is(*control)) {
            Tabs* tabs = static_cast<Tabs*>(control);
            for (int t = 0; t < tabs->count(); ++t) {
                invalid += checkAll(*tabs->tab(t), first, depth + 1);
            }
        }
    }
    return invalid;
}

int FieldChecks::validate(Page& page) {
    TextBox* first = nullptr;
    const int invalid = checkAll(page, first, 0);
    if (first != nullptr) {
        showPagesAround(*first);
        first->takeFocus();
        Tree::revealWhole(*first);
    }
    return invalid;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
