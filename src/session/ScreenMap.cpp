#include <cstring>
#include <memory>
#include <stdexcept>

#include "forms/Control.h"
#include "forms/Point.h"
#include "forms/Session.h"
#include "forms/Tabs.h"

namespace Vesk {
namespace Forms {

namespace {

enum Direction : int { Left = 1, Right = 2, Up = 16, Down = 32 };

// Upper-nibble codes move along the column.
constexpr int VerticalMask = 0xF0;

int directionCode(const char* name) {
    static const struct {
        const char* name;
        int code;
    } table[] = {{"left", Left}, {"right", Right}, {"up", Up}, {"down", Down}};
    for (const auto& entry : table) {
        if (std::strcmp(name, entry.name) == 0) {
            return entry.code;
        }
    }
    return 0;
}

void step(Point& cursor, int code) {
    switch (code) {
        case Left:
            --cursor.column;
            break;
        case Right:
            ++cursor.column;
            break;
        case Up:
            --cursor.row;
            break;
        case Down:
            ++cursor.row;
            break;
        default:
            throw new std::runtime_error("Unknown direction on loop?");
    }
}

}  // namespace

void Session::fillMap(Point* from, Point* to, Control* control) {
    if (map == nullptr || from == nullptr || to == nullptr) {
        return;
    }
    const int width = screenWidth();
    const int height = screenHeight();
    if (from->row >= height || from->column >= width) {
        return;
    }
    if (to->row >= height) {
        to->row = height - 1;
    }
    if (to->column >= width) {
        to->column = width - 1;
    }
    // Cells above or left of the screen are skipped without being visited.
    if (from->row < 0) {
        from->row = 0;
    }
    if (from->column < 0) {
        from->column = 0;
    }
    for (int row = from->row; row <= to->row; ++row) {
        Control** line = map + static_cast<std::size_t>(row) * static_cast<std::size_t>(width);
        for (int column = from->column; column <= to->column; ++column) {
            line[column] = control;
        }
    }
}

Control* Session::at(Point* point) {
    if (map == nullptr || point == nullptr) {
        return nullptr;
    }
    const int width = screenWidth();
    const int height = screenHeight();
    if (point->row < 0 || point->row >= height || point->column < 0 || point->column >= width) {
        return nullptr;
    }
    return map[static_cast<std::size_t>(point->row) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(point->column)];
}

Control* Session::arrowNav(Control* control, const char* direction) {
    if (direction == nullptr || control == nullptr || map == nullptr) {
        return nullptr;
    }
    int code = directionCode(direction);
    if (code == 0) {
        return nullptr;
    }
    std::unique_ptr<Point> cursor(control->location());
    bool vertical = (code & VerticalMask) != 0;
    for (;;) {
        int moving = vertical ? cursor->row : cursor->column;
        int limit = vertical ? screenHeight() : screenWidth();
        if (moving < 0 || moving >= limit) {
            return nullptr;
        }
        Control* found = at(cursor.get());
        // A tab set's header is in the map for the mouse; the arrows pass
        // over it to the controls of the pages.
        if (found != nullptr && found != control && !Tabs::is(*found)) {
            return found;
        }
        step(*cursor, code);
    }
}

void Session::forgetControl(Control* control) {
    if (map == nullptr || control == nullptr) {
        return;
    }
    Control** end =
        map + static_cast<std::size_t>(screenWidth()) * static_cast<std::size_t>(screenHeight());
    for (Control** cell = map; cell != end; ++cell) {
        if (*cell == control) {
            *cell = nullptr;
        }
    }
}

}  // namespace Forms
}  // namespace Vesk
