#include "forms/Choice.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "controls/Frame.h"
#include "forms/Session.h"
#include "geometry/Tags.h"
#include "geometry/Utf8.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"
#include "widgets/ItemList.h"

namespace Vesk {
namespace Forms {

namespace {

constexpr int KeySpace = 0x20;
constexpr int KeyEscape = 0x1B;

Choice* self(void* control) {
    return static_cast<Choice*>(static_cast<Control*>(control));
}

// The first character of a text, ASCII letters in lower case; 0 for none.
char32_t initial(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    const auto* at = reinterpret_cast<const unsigned char*>(text.data());
    char32_t code = *at;
    if (code >= 0x80) {
        const detail::Utf8Sequence sequence = detail::decodeUtf8(at, at + text.size());
        code = sequence.length == 0 ? 0 : static_cast<char32_t>(sequence.character);
    }
    return code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code;
}

}  // namespace

Choice::Choice() {
    static constexpr Holding table{heldCount, heldAt, forgetList, nullptr, placeList, nullptr};
    stamp(detail::Tag::Choice, sizeof(Choice));
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
    holding = &table;
    focusable = true;
    hold(*this, list);
    list.parent(this);
    list.attachHandler(Vesk::UpdateView, paintList);
    // Control's own arrow navigation, what Up and Down do while closed.
    navigateUp = handler(Vesk::KeyUp);
    navigateDown = handler(Vesk::KeyDown);
    attachHandler(Vesk::KeyUp, lineUp);
    attachHandler(Vesk::KeyDown, lineDown);
    attachHandler(Vesk::KeyAltDown, altDown);
    attachHandler(Vesk::KeyHome, home);
    attachHandler(Vesk::KeyEnd, end);
    attachHandler(Vesk::KeyPreviousPage, pageUp);
    attachHandler(Vesk::KeyNextPage, pageDown);
    attachHandler(Vesk::KeyEnter, openOrPick);
    attachHandler(KeySpace, openOrPick);
    attachHandler(KeyEscape, escape);
    attachHandler(Vesk::KeyTab, tabAway);
    attachHandler(Vesk::KeyBackTab, tabAway);
    attachHandler(Vesk::AnyCharacter, jump);
    attachHandler(Vesk::AnyMouse, pointer);
    attachHandler(Vesk::UpdateView, painter);
    background(Black);
    color(White);
    borderColor(BrightBlack);
    width(20);
    height(1);
}

Choice::~Choice() {
    opened(false);
}

bool Choice::add(std::string text) {
    if (!detail::appendItem(items, std::move(text))) {
        return false;
    }
    if (current < 0) {
        current = 0;
    }
    contentChanged();
    return true;
}

bool Choice::remove(int index) {
    if (!detail::eraseItem(items, index, current)) {
        return false;
    }
    if (index < lit || lit >= count()) {
        lit = std::max(0, lit - 1);
    }
    if (items.empty()) {
        opened(false);
    }
    contentChanged();
    return true;
}

bool Choice::clear() {
    opened(false);
    items.clear();
    current = -1;
    lit = 0;
    shownFrom = 0;
    contentChanged();
    return true;
}

int Choice::count() {
    return static_cast<int>(items.size());
}

std::string Choice::item(int index) {
    return detail::itemAt(items, index);
}

int Choice::selected() {
    return current;
}

int Choice::selected(int index) {
    if (!items.empty()) {
        current = std::clamp(index, 0, count() - 1);
    }
    return current;
}

bool Choice::change(Handler handler) {
    return detail::storeHandler(changeHandler, handler);
}

int Choice::rows() {
    return mostRows;
}

int Choice::rows(int value) {
    return mostRows = std::max(1, value);
}

// Open while this choice is the screen's one open list: a list another
// opened since, or a new screen, leaves it closed.
bool Choice::opened() {
    return open && detail::Tree::popup() == this;
}

bool Choice::opened(bool value) {
    if (!value) {
        if (detail::Tree::popup() == this) {
            detail::Tree::popup(nullptr);
        }
        open = false;
        return false;
    }
    if (items.empty() || !detail::Tree::popup(this)) {
        return open = false;
    }
    open = true;
    shownFrom = std::clamp(current, 0, count() - 1);
    light(current);
    return true;
}

int Choice::light(long long index) {
    if (items.empty()) {
        return 0;
    }
    lit = static_cast<int>(std::clamp<long long>(index, 0, count() - 1));
    const long long rows = std::max(1, std::min(listRows > 0 ? listRows : mostRows, mostRows));
    const long long from = std::clamp<long long>(shownFrom, lit - rows + 1, lit);
    shownFrom = static_cast<int>(std::clamp<long long>(from, 0, std::max(0LL, count() - rows)));
    return 1;
}

int Choice::pick(int event) {
    const bool changed = lit != current;
    current = lit;
    opened(false);
    Session::log("\tChoice, item " + std::to_string(current), Session::Verbose);
    if (changed && changeHandler != nullptr) {
        changeHandler(event, static_cast<Control*>(this));
    }
    return 1;
}

int Choice::openOrPick(int event, void* control) {
    Choice* choice = self(control);
    if (choice->opened()) {
        return choice->pick(event);
    }
    return choice->opened(true) ? 1 : 0;
}

int Choice::altDown(int, void* control) {
    Choice* choice = self(control);
    return choice->opened() || choice->opened(true) ? 1 : 0;
}

int Choice::escape(int, void* control) {
    Choice* choice = self(control);
    if (!choice->opened()) {
        return 0;
    }
    choice->opened(false);
    return 1;
}

// Tab closes the list and is left to the page, which moves the focus on.
int Choice::tabAway(int, void* control) {
    self(control)->opened(false);
    return 0;
}

int Choice::lineUp(int event, void* control) {
    Choice* choice = self(control);
    if (!choice->opened()) {
        return choice->navigateUp != nullptr ? choice->navigateUp(event, control) : 0;
    }
    return choice->light(choice->lit - 1LL);
}

int Choice::lineDown(int event, void* control) {
    Choice* choice = self(control);
    if (!choice->opened()) {
        return choice->navigateDown != nullptr ? choice->navigateDown(event, control) : 0;
    }
    return choice->light(choice->lit + 1LL);
}

int Choice::home(int, void* control) {
    Choice* choice = self(control);
    return choice->opened() ? choice->light(0) : 0;
}

int Choice::end(int, void* control) {
    Choice* choice = self(control);
    return choice->opened() ? choice->light(choice->count() - 1LL) : 0;
}

int Choice::pageUp(int, void* control) {
    Choice* choice = self(control);
    return choice->opened() ? choice->light(choice->lit - std::max(1LL, 0LL + choice->listRows))
                            : 0;
}

int Choice::pageDown(int, void* control) {
    Choice* choice = self(control);
    return choice->opened() ? choice->light(choice->lit + std::max(1LL, 0LL + choice->listRows))
                            : 0;
}

// The next item after the lit one, round to it, whose first character is
// the one typed.
int Choice::jump(int event, void* control) {
    Choice* choice = self(control);
    if (!choice->opened()) {
        return 0;
    }
    char32_t typed = Vesk::CodePoint(event);
    typed = typed >= 'A' && typed <= 'Z' ? typed - 'A' + 'a' : typed;
    const long long total = choice->count();
    for (long long step = 1; step <= total; ++step) {
        const long long index = (choice->lit + step) % total;
        if (initial(choice->items[static_cast<std::size_t>(index)]) == typed) {
            return choice->light(index);
        }
    }
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
