#include "forms/Stack.h"

#include <algorithm>
#include <climits>

#include "controls/Frame.h"
#include "controls/Layout.h"
#include "controls/Lists.h"
#include "geometry/Tags.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {

namespace {

Stack& self(Control& control) {
    return static_cast<Stack&>(control);
}

bool vertical(Direction way) {
    return way != Direction::Horizontal;
}

}  // namespace

Stack::Stack() {
    static constexpr Holding table{heldCount, heldAt, forgetHeld, nullptr, placeHeld};
    static constexpr Sizing sizes{measure, arrange};
    stamp(detail::Tag::Stack, sizeof(Stack));
    holding = &table;
    sizing = &sizes;
    attachHandler(Vesk::UpdateView, detail::paintLayout);
}

Stack::~Stack() = default;

bool Stack::is(Control& control) {
    return detail::tagged(control, detail::Tag::Stack);
}

Direction Stack::direction() {
    return way;
}

Direction Stack::direction(Direction value) {
    way = value == Direction::Horizontal ? Direction::Horizontal : Direction::Vertical;
    contentChanged();
    return way;
}

int Stack::gap() {
    return between;
}

int Stack::gap(int cells) {
    between = std::clamp(cells, 0, detail::MostSpacing);
    contentChanged();
    return between;
}

int Stack::padding() {
    return inside;
}

int Stack::padding(int cells) {
    inside = std::clamp(cells, 0, detail::MostSpacing);
    contentChanged();
    return inside;
}

bool Stack::fill() {
    return fills;
}

bool Stack::fill(bool value) {
    fills = value;
    contentChanged();
    return fills;
}

// Only children get an entry, so that nothing outlives its control: the
// table's forget and detachChild drop it, and a layout drops the entries of
// controls that left through Container::detachChild.
Stack::Setting* Stack::settingOf(Control* child, bool make) {
    for (Setting& setting : settings) {
        if (setting.child == child) {
            return &setting;
        }
    }
    if (!make || child == nullptr ||
        std::find(children.begin(), children.end(), child) == children.end()) {
        return nullptr;
    }
    settings.push_back({child, -1, 0, Align::Fill});
    return &settings.back();
}

int Stack::size(Control* child) {
    const Setting* setting = settingOf(child, false);
    return setting == nullptr ? -1 : setting->size;
}

bool Stack::size(Control* child, int cells) {
    Setting* setting = settingOf(child, true);
    if (setting == nullptr) {
        return false;
    }
    setting->size = cells < 0 ? -1 : cells;
    contentChanged();
    return true;
}

int Stack::grow(Control* child) {
    const Setting* setting = settingOf(child, false);
    return setting == nullptr ? 0 : setting->weight;
}

bool Stack::grow(Control* child, int weight) {
    Setting* setting = settingOf(child, true);
    if (setting == nullptr) {
        return false;
    }
    setting->weight = std::max(0, weight);
    contentChanged();
    return true;
}

Align Stack::align(Control* child) {
    const Setting* setting = settingOf(child, false);
    return setting == nullptr ? Align::Fill : setting->align;
}

bool Stack::align(Control* child, Align value) {
    Setting* setting = settingOf(child, true);
    if (setting == nullptr) {
        return false;
    }
    setting->align = value;
    contentChanged();
    return true;
}

bool Stack::detachChild(Control* child) {
    if (!Container::detachChild(child)) {
        return false;
    }
    if (std::find(children.begin(), children.end(), child) == children.end()) {
        settings.erase(std::remove_if(settings.begin(), settings.end(),
                                      [child](const Setting& s) { return s.child == child; }),
                       settings.end());
    }
    return true;
}

void Stack::forgetHeld(Control& holder, Control* child) {
    Stack& stack = self(holder);
    forgetChild(holder, child);
    stack.settings.erase(std::remove_if(stack.settings.begin(), stack.settings.end(),
                                        [child](const Setting& s) { return s.child == child; }),
                         stack.settings.end());
    detail::eraseAll(stack.lastChildren, child);
    stack.lastInput.clear();
    stack.laidUnicode = -1;
}

// A child the last layout left no cells is not painted; the rest are cut
// to the stack as in any container.
void Stack::placeHeld(Control&, Control& child, Placement& placement) {
    placement.shown = !detail::Tree::squeezed(child);
}

Control::Measure Stack::measure(Control& control) {
    Stack& stack = self(control);
    const bool down = vertical(stack.way);
    long long along = 0;
    long long across = 0;
    long long shown = 0;
    for (Control* child : stack.children) {
        if (detail::Tree::hidden(*child)) {
            continue;
        }
        ++shown;
        const Setting* setting = stack.settings.empty() ? nullptr : stack.settingOf(child, false);
        const Measure natural = detail::Tree::natural(*child);
        along += setting != nullptr && setting->size >= 0 ? setting->size
                 : down                                   ? natural.height
                                                          : natural.width;
        across = std::max<long long>(across, down ? natural.width : natural.height);
    }
    along += static_cast<long long>(stack.between) * std::max(0LL, shown - 1);
    along += 2LL * stack.inside;
    across += 2LL * stack.inside;
    const int alongCells = detail::clampCells(along);
    const int acrossCells = detail::clampCells(across);
    return down ? Measure{acrossCells, alongCells} : Measure{alongCells, acrossCells};
}

// Nothing at all when nothing changed at or below the stack since the last
// layout; else measures every child, and places them only when something
// it reads changed.
void Stack::arrange(Control& control) {
    Stack& stack = self(control);
    if (stack.fills) {
        detail::fillParent(stack);
    }
    if (detail::unchanged(stack, stack.children, stack.lastChildren, stack.laidCount,
                          stack.laidUnicode)) {
        return;
    }
    if (stack.children != stack.lastChildren && !stack.settings.empty()) {
        std::vector<Setting> kept;
        for (const Setting& setting : stack.settings) {
            if (std::find(stack.children.begin(), stack.children.end(), setting.child) !=
                stack.children.end()) {
                kept.push_back(setting);
            }
        }
        stack.settings.swap(kept);
    }
    const bool down = vertical(stack.way);
    const long long alongRoom =
        std::max(0LL, std::max(0, down ? stack.height() : stack.width()) - 2LL * stack.inside);
    const long long acrossRoom =
        std::max(0LL, std::max(0, down ? stack.width() : stack.height()) - 2LL * stack.inside);
    const std::size_t count = stack.children.size();

    // Built in a vector kept from the last time, so that a paint allocates nothing.
    std::vector<int>& input = stack.nextInput;
    bool fresh = false;
    input.clear();
    input.insert(input.end(), {static_cast<int>(stack.way), stack.between, stack.inside,
                               static_cast<int>(alongRoom), static_cast<int>(acrossRoom)});
    for (Control* child : stack.children) {
        const Setting* setting = stack.settings.empty() ? nullptr : stack.settingOf(child, false);
        const Measure natural = detail::Tree::shownNatural(*child);
        input.push_back(down ? natural.height : natural.width);
        input.push_back(down ? natural.width : natural.height);
        input.push_back(setting == nullptr ? -1 : setting->size);
        input.push_back(setting == nullptr ? 0 : setting->weight);
        input.push_back(setting == nullptr ? 0 : static_cast<int>(setting->align));
        // A control never laid out (one made anew at a gone child's address) is.
        fresh = fresh || !detail::Tree::laidOut(*child);
    }
    if (!fresh && input == stack.lastInput && stack.children == stack.lastChildren) {
        detail::remember(stack, stack.laidCount, stack.laidUnicode);
        return;
    }

    // A hidden child takes no length, weight or gap.
    std::vector<long long> lengths(count, 0);
    std::vector<long long> weights(count, 0);
    long long shown = 0;
    long long needed = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int* entry = &input[5 + i * 5];
        if (entry[0] == detail::HiddenSize) {
            continue;
        }
        ++shown;
        if (entry[2] >= 0) {
            lengths[i] = entry[2];
        } else if (entry[3] > 0) {
            weights[i] = entry[3];
        } else {
            lengths[i] = entry[0];
        }
        needed += lengths[i];
    }
    needed += static_cast<long long>(stack.between) * std::max(0LL, shown - 1);
    detail::share(lengths, weights, alongRoom - needed);

    long long at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int* entry = &input[5 + i * 5];
        // A hidden child is laid with no cells where the next one starts,
        // squeezed: nothing of it is drawn, its place stays inside the stack.
        const bool hidden = entry[0] == detail::HiddenSize;
        const long long length =
            hidden ? 0 : std::clamp(lengths[i], 0LL, std::max(0LL, alongRoom - at));
        const Align align = static_cast<Align>(entry[4]);
        const long long breadth = hidden ? 0
                                  : align == Align::Fill
                                      ? acrossRoom
                                      : std::min<long long>(entry[1], acrossRoom);
        const long long offset = align == Align::Center ? (acrossRoom - breadth) / 2
                                 : align == Align::End  ? acrossRoom - breadth
                                                        : 0;
        const long long alongAt = stack.inside + std::min(at, alongRoom);
        const long long acrossAt = stack.inside + (hidden ? 0 : offset);
        if (down) {
            detail::Tree::lay(*stack.children[i], alongAt, acrossAt, length, breadth);
        } else {
            detail::Tree::lay(*stack.children[i], acrossAt, alongAt, breadth, length);
        }
        if (!hidden) {
            at += lengths[i] + stack.between;
        }
    }
    stack.lastInput.swap(input);
    stack.lastChildren = stack.children;
    // Counted after the children were written: what this layout wrote is no change.
    detail::remember(stack, stack.laidCount, stack.laidUnicode);
}

}  // namespace Forms
}  // namespace Vesk
