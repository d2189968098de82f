#pragma once

namespace Vesk {
namespace Forms {
class Control;
class Page;
namespace [[gnu::visibility("hidden")]] detail {

// The checks that reach past one control: noticing that keys left the
// control they reached last, and checking a whole page. What a check is
// belongs to each control's class (its Checking table).
struct Checks {
    // Called by a root page before and after it routes an event: when keys
    // no longer reach the control they reached last, whatever moved the
    // focus (a key, a click, the host, another page), that control is told.
    static void settle(Page& root);
    // Called at the start of a root page's paint, `target` being where keys
    // land in it, so that a move of the host's shows in that paint. Only a
    // control of this page's tree is told: a paint of another root page is
    // no move of the keys. True when a control was told.
    static bool settleShown(Page& root, Control* target);
    // Called by a control that is destroyed.
    static void forget(Control& control);
    // See Page::validate.
    static int validate(Page& page);

private:
    static void settle(Control* target);
    static int checkAll(Page& page, Control*& first, int depth);
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
