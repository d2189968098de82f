#include <vector>

#include "controls/Frame.h"
#include "forms/Page.h"
#include "geometry/Tags.h"

namespace Vesk {
namespace Forms {
namespace detail {

namespace {

// A holder that shows pages, and the stops its shown page added.
struct Expanded {
    Control* holder;
    std::size_t first;
    std::size_t end;
};

// The Tab stops of `page` in order: each listed control that can take the
// focus; with `intoPages`, a holder showing a page that has stops gives
// those instead, and is a stop itself only when its page has none.
void collect(Page& page, bool intoPages, std::vector<Control*>& stops,
             std::vector<Expanded>& expanded, int depth) {
    for (int i = 0; i < page.controlCount(); ++i) {
        Control* control = page.control(i);
        if (intoPages && Tree::showsPages(*control) && depth < 64) {
            Control* shown = Tree::passesTo(*control);
            if (shown != nullptr && shown != &page && tagged(*shown, Tag::Page)) {
                const std::size_t first = stops.size();
                collect(*static_cast<Page*>(shown), intoPages, stops, expanded, depth + 1);
                if (stops.size() > first) {
                    expanded.push_back({control, first, stops.size()});
                    continue;
                }
            }
        }
        if (Tree::takesFocus(*control)) {
            stops.push_back(control);
        }
    }
}

}  // namespace

// Tab moves to the next stop, back-tab to the one before; at either end the
// focus stays, as on a page without tab sets, or with `wrap` goes round.
void Tree::tabThrough(Page& top, bool forward, bool wrap) {
    std::vector<Control*> stops;
    std::vector<Expanded> expanded;
    collect(top, top.tabIntoPages(), stops, expanded, 0);
    if (stops.empty()) {
        return;
    }
    // The focus leaves the end of the chain of active controls. Its place in
    // the order is the deepest control of the chain that is a stop or a
    // holder giving its page's stops: without walking into pages, a control
    // inside a tab page stands at its set's place.
    std::vector<Control*> chain;
    keysChain(top, chain);
    Control* leaving = nullptr;
    for (std::size_t i = 1; i < chain.size(); ++i) {
        if (!tagged(*chain[i], Tag::Page)) {
            leaving = chain[i];
        }
    }
    const std::size_t count = stops.size();
    std::size_t next = forward ? 0 : count - 1;
    bool found = false;
    for (std::size_t c = chain.size(); c > 1 && !found; --c) {
        Control* current = chain[c - 1];
        for (std::size_t i = 0; i < count && !found; ++i) {
            if (stops[i] == current) {
                found = true;
                if (forward) {
                    next = i + 1 < count ? i + 1 : (wrap ? 0 : i);
                } else {
                    next = i > 0 ? i - 1 : (wrap ? count - 1 : i);
                }
            }
        }
        for (std::size_t i = 0; i < expanded.size() && !found; ++i) {
            if (expanded[i].holder == current) {
                found = true;
                next = forward ? expanded[i].first : expanded[i].end - 1;
            }
        }
    }
    // A holder showing pages stays active around the page it shows.
    if (stops[next]->takeFocus() && leaving != nullptr && leaving != stops[next] &&
        !showsPages(*leaving)) {
        leaving->focus(false);
    }
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
