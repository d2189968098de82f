#include <cstring>
#include <memory>

#include "forms/Control.h"
#include "forms/Point.h"
#include "forms/Session.h"
#include "session/ScreenMap.h"

namespace Vesk {
namespace Forms {

namespace {

struct Heading {
    const char* name;
    int rows;
    int columns;
};

const Heading* directionOf(const char* name) {
    static const Heading table[] = {{"left", 0, -1}, {"right", 0, 1}, {"up", -1, 0}, {"down", 1, 0}};
    for (const Heading& entry : table) {
        if (std::strcmp(name, entry.name) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

void Session::fillMap(Point* from, Point* to, Control* control) {
    if (map == nullptr || from == nullptr || to == nullptr) {
        return;
    }
    if (from->row >= map->lines() || from->column >= map->columns()) {
        return;
    }
    // The points are clamped in place to the screen, as callers expect.
    to->row = std::min(to->row, map->lines() - 1);
    to->column = std::min(to->column, map->columns() - 1);
    from->row = std::max(from->row, 0);
    from->column = std::max(from->column, 0);
    map->fill(from->row, from->column, to->row + 1LL, to->column + 1LL, control);
}

Control* Session::at(Point* point) {
    if (map == nullptr || point == nullptr) {
        return nullptr;
    }
    const detail::MapEntry* entry = map->at(point->row, point->column);
    return entry == nullptr ? nullptr : entry->control;
}

// From the control's top-left cell as the map last had it (its position on
// the screen otherwise), cell by cell until another control of the same tree;
// the cells that only the mouse reaches (a tab set's header) are passed over.
Control* Session::arrowNav(Control* control, const char* direction) {
    if (direction == nullptr || control == nullptr || map == nullptr) {
        return nullptr;
    }
    const Heading* step = directionOf(direction);
    if (step == nullptr) {
        return nullptr;
    }
    long long row = 0;
    long long column = 0;
    Control* tree = nullptr;
    if (!map->origin(control, row, column, tree)) {
        std::unique_ptr<Point> location(control->location());
        row = location->row;
        column = location->column;
    }
    for (;; row += step->rows, column += step->columns) {
        if (row < 0 || column < 0 || row >= map->lines() || column >= map->columns()) {
            return nullptr;
        }
        const detail::MapEntry* found = map->at(row, column);
        if (found != nullptr && found->control != control && !found->pointerOnly &&
            (tree == nullptr || found->top == nullptr || found->top == tree)) {
            return found->control;
        }
    }
}

void Session::forgetControl(Control* control) {
    if (map != nullptr && control != nullptr) {
        map->forget(control);
    }
}

}  // namespace Forms
}  // namespace Vesk
