#include "forms/ListBox.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <utility>

#include "forms/Session.h"
#include "geometry/Clip.h"
#include "geometry/ScrollBar.h"
#include "geometry/Tags.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"
#include "widgets/ItemList.h"

namespace Vesk {
namespace Forms {

namespace {

ListBox* self(void* control) {
    return static_cast<ListBox*>(static_cast<Control*>(control));
}

}  // namespace

ListBox::ListBox() {
    stamp(detail::Tag::ListBox, sizeof(ListBox));
    static constexpr Sizing sizes{measure};
    sizing = &sizes;
    focusable = true;
    // Control's own arrow navigation, taken over at the ends of the list.
    navigateUp = handler(Vesk::KeyUp);
    navigateDown = handler(Vesk::KeyDown);
    attachHandler(Vesk::KeyUp, lineUp);
    attachHandler(Vesk::KeyDown, lineDown);
    attachHandler(Vesk::KeyHome, home);
    attachHandler(Vesk::KeyEnd, end);
    attachHandler(Vesk::KeyPreviousPage, pageUp);
    attachHandler(Vesk::KeyNextPage, pageDown);
    attachHandler(Vesk::KeyEnter, enter);
    attachHandler(Vesk::AnyMouse, pointer);
    background(Black);
    color(White);
    borderColor(BrightBlack);
    width(20);
    height(5);
    attachHandler(Vesk::UpdateView, painter);
}

ListBox::~ListBox() {
    items.clear();
}

bool ListBox::add(std::string text) {
    if (!detail::appendItem(items, std::move(text))) {
        return false;
    }
    if (current < 0) {
        current = 0;
    }
    contentChanged();
    return true;
}

bool ListBox::remove(int index) {
    if (!detail::eraseItem(items, index, current)) {
        return false;
    }
    reveal();
    contentChanged();
    return true;
}

bool ListBox::clear() {
    items.clear();
    current = -1;
    shownFrom = 0;
    contentChanged();
    return true;
}

int ListBox::count() {
    return static_cast<int>(items.size());
}

std::string ListBox::item(int index) {
    return detail::itemAt(items, index);
}

int ListBox::selected() {
    return current;
}

int ListBox::selected(int index) {
    if (!items.empty()) {
        current = std::clamp(index, 0, count() - 1);
        reveal();
    }
    return current;
}

int ListBox::top() {
    reveal();
    return shownFrom;
}

bool ListBox::change(Handler handler) {
    return detail::storeHandler(changeHandler, handler);
}

bool ListBox::submit(Handler handler) {
    return detail::storeHandler(submitHandler, handler);
}

long long ListBox::pageRows() {
    return std::max(1, height());
}

// The height may change between two calls (it belongs to the region), so
// every reader of the first row shown comes through here.
void ListBox::reveal() {
    const long long rows = pageRows();
    long long from = std::min<long long>(shownFrom, std::max(0LL, count() - rows));
    if (current >= 0) {
        from = std::clamp<long long>(from, current - rows + 1, current);
    }
    shownFrom = static_cast<int>(std::max(0LL, from));
}

int ListBox::moveTo(long long index, int event) {
    if (items.empty()) {
        return 0;
    }
    const int target = static_cast<int>(std::clamp<long long>(index, 0, count() - 1));
    if (target == current) {
        return 1;
    }
    current = target;
    reveal();
    if (changeHandler != nullptr) {
        changeHandler(event, static_cast<void*>(this));
    }
    return 1;
}

int ListBox::lineUp(int event, void* control) {
    ListBox* list = self(control);
    if (list->current <= 0) {
        return list->navigateUp != nullptr ? list->navigateUp(event, control) : 0;
    }
    return list->moveTo(list->current - 1LL, event);
}

int ListBox::lineDown(int event, void* control) {
    ListBox* list = self(control);
    if (list->current >= list->count() - 1) {
        return list->navigateDown != nullptr ? list->navigateDown(event, control) : 0;
    }
    return list->moveTo(list->current + 1LL, event);
}

int ListBox::home(int event, void* control) {
    return self(control)->moveTo(0, event);
}

int ListBox::end(int event, void* control) {
    ListBox* list = self(control);
    return list->moveTo(list->count() - 1LL, event);
}

// The page keys scroll the rows along with the selection, so that a page
// down shows the next page rather than one more row.
int ListBox::pageUp(int event, void* control) {
    ListBox* list = self(control);
    const long long rows = list->pageRows();
    list->shownFrom = static_cast<int>(std::max(0LL, list->shownFrom - rows));
    return list->moveTo(list->current - rows, event);
}

int ListBox::pageDown(int event, void* control) {
    ListBox* list = self(control);
    const long long rows = list->pageRows();
    list->shownFrom = static_cast<int>(std::min<long long>(INT_MAX, list->shownFrom + rows));
    return list->moveTo(list->current + rows, event);
}

int ListBox::enter(int, void* control) {
    ListBox* list = self(control);
    Session::log("\tSubmit, item " + std::to_string(list->current), Session::Verbose);
    if (list->submitHandler == nullptr) {
        return 0;
    }
    return list->submitHandler(Vesk::KeyEnter, control);
}

// A left press selects the item on its row. The wheel scrolls three rows;
// a selection that would leave the view stays on its edge row (and the
// change handler runs), since a paint keeps the selection in view.
int ListBox::pointer(int event, void* control) {
    ListBox* list = self(control);
    const Vesk::MouseButton button = Vesk::MouseButtonOf(event);
    if (button == Vesk::MouseButton::WheelUp || button == Vesk::MouseButton::WheelDown) {
        list->reveal();
        const long long rows = list->pageRows();
        const long long last = std::max(0LL, list->count() - rows);
        const long long step =
            button == Vesk::MouseButton::WheelUp ? -detail::WheelRows : detail::WheelRows;
        const long long from = std::clamp<long long>(list->shownFrom + step, 0, last);
        if (from == list->shownFrom) {
            return 0;
        }
        list->shownFrom = static_cast<int>(from);
        if (list->current >= 0 && (list->current < from || list->current >= from + rows)) {
            return list->moveTo(std::clamp<long long>(list->current, from, from + rows - 1), event);
        }
        return 1;
    }
    if (button != Vesk::MouseButton::Left || !Vesk::MousePressed(event)) {
        return 0;
    }
    long long row = 0;
    long long column = 0;
    detail::Tree::pointerCell(*list, event, row, column);
    const long long index = list->shownFrom + row;
    if (index < 0 || index >= list->count()) {
        return 0;
    }
    return list->moveTo(index, event);
}

// Only the rows on the screen (and inside a clipping parent) are visited,
// so the cost does not grow with the number of items.
int ListBox::painter(int, void* control) {
    ListBox* list = self(control);
    list->reveal();
    const detail::Frame frame = detail::Tree::frameOf(*list);
    const long long width = std::max(0, list->width());
    const long long height = std::max(0, list->height());
    const long long count = list->count();
    const long long from = list->shownFrom;
    const bool indicator = count > height && height > 0 && width > 0;
    const long long textWidth = indicator ? width - 1 : width;

    detail::Tree::claim(*list, frame, height, width);

    const detail::Area area = frame.area(0, 0, height, width);
    const bool unicode = detail::Screen::unicode();
    const long long shownLast = std::min(area.columns.last, textWidth);
    const bool lit = frame.keys;
    for (long long i = area.rows.first; i < area.rows.last; ++i) {
        const long long row = area.row + i;
        const long long index = from + i;
        const bool chosen = index == list->current;
        detail::ColorScope colors(list->color(),
                                  chosen && !lit ? list->borderColor() : list->background(),
                                  chosen && lit);
        long long taken = 0;
        if (index < count) {
            const std::string& text = list->items[static_cast<std::size_t>(index)];
            detail::TextWalk walk(text, unicode);
            taken =
                detail::putRow(walk, row, area.column, textWidth, {area.columns.first, shownLast});
        }
        detail::putBlanks(row, area.column, {std::max(taken, area.columns.first), shownLast});
    }

    // The scroll indicator: a line down the last column with a block at the
    // place of the first row shown, top for the first item, bottom for the last.
    if (indicator && !area.empty() && area.columns.last == width && area.columns.first < width) {
        const long long thumb = (height - 1) * from / (count - height);
        detail::ColorScope colors(list->color(), list->background(), false);
        for (long long i = area.rows.first; i < area.rows.last; ++i) {
            detail::Screen::repeat(area.row + i, area.column + width - 1, 1,
                                   i == thumb ? detail::Cell::Block : detail::Cell::Vertical);
        }
    }

    detail::Tree::cursor(frame, std::max(0LL, list->current - from), 0);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
