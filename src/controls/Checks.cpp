#include "controls/Checks.h"

#include "controls/Frame.h"
#include "forms/Page.h"
#include "forms/Tabs.h"
#include "geometry/Tags.h"
#include "session/SessionInternals.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// Shows the pages around the control in their tab sets, outermost last.
void showPagesAround(Control& control) {
    Control* home = control.page();
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

// The control keys reached last is the session's: one keyboard, so one for
// the process, whichever root page routes. It is cleared before the control
// is told, so a check that routes or paints again does not tell it twice.
void Checks::settle(Control* target) {
    Control*& reached = SessionInternals::keysField();
    if (reached != nullptr && reached != target) {
        Control* left = reached;
        reached = nullptr;
        Tree::left(*left);
    }
    reached = target != nullptr && Tree::checks(*target) ? target : nullptr;
}

void Checks::settle(Page& root) {
    settle(Tree::keysTarget(root));
}

// An idle repaint costs one comparison here.
bool Checks::settleShown(Page& root, Control* target) {
    Control* reached = SessionInternals::keysField();
    if (reached == nullptr || reached == target || reached->root() != &root) {
        return false;
    }
    settle(target);
    return true;
}

void Checks::forget(Control& control) {
    Control*& reached = SessionInternals::keysField();
    if (reached == &control) {
        reached = nullptr;
    }
}

// Checks the usable controls of the page's control list in tab order, the
// pages of its tab sets at the set's place; the first invalid one in `first`. A page
// is reached through its set only, so none is checked twice.
int Checks::checkAll(Page& page, Control*& first, int depth) {
    int invalid = 0;
    for (int i = 0; i < page.controlCount() && depth < 64; ++i) {
        Control* control = page.control(i);
        if (!Tree::usable(*control)) {
            continue;  // the user could not reach it to correct it
        }
        if (Tree::checks(*control)) {
            if (!Tree::check(*control)) {
                ++invalid;
                first = first == nullptr ? control : first;
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

int Checks::validate(Page& page) {
    Control* first = nullptr;
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
