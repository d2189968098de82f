#include "forms/Region.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "geometry/Clip.h"
#include "geometry/Tags.h"

namespace Vesk {
namespace Forms {

namespace {

// Room for the marks of location(): the tag keeps its terminating zero.
constexpr std::size_t TagCharacters = sizeof(Vesk::Object::tag) - 1;

void retag(Point& point, std::size_t marks) {
    std::memset(point.tag, 0, sizeof(point.tag));
    point.tag[0] = 'p';
    std::memset(point.tag + 1, 'L', std::min(marks, TagCharacters - 1));
}

void unlink(std::vector<Region*>& list, Region* region) {
    list.erase(std::remove(list.begin(), list.end(), region), list.end());
}

}  // namespace

Region::Region() {
    stamp(detail::Tag::Region, sizeof(Region));
}

Region::~Region() {
    if (parentLink != nullptr) {
        unlink(parentLink->dependents, this);
        parentLink->contentChanged();
        ++parentLink->layoutCount;
    }
    for (Region* dependent : dependents) {
        dependent->parentLink = nullptr;
    }
}

Point* Region::position() {
    Point* copy = new Point(place);
    retag(*copy, 0);
    return copy;
}

void Region::position(int row, int column) {
    place.row = row;
    place.column = column;
    layoutChanged();
}

void Region::layoutChanged() {
    if (parentLink != nullptr) {
        ++parentLink->layoutCount;
    }
    contentChanged();
}

// Up the whole chain: a layout above reads natural sizes from any depth.
// The chain holds no ring (parent() refuses one).
void Region::contentChanged() {
    for (Region* region = this; region != nullptr; region = region->parentLink) {
        ++region->treeCount;
    }
}

// The sum of the positions up to the root, in one allocation; one "L" for
// each ancestor, as far as the tag has room. Summed in 64 bits and clamped,
// like every coordinate sum.
Point* Region::location() {
    long long row = 0;
    long long column = 0;
    std::size_t ancestors = 0;
    Region* region = this;
    for (;;) {
        row += region->place.row;
        column += region->place.column;
        if (region->parentLink == nullptr) {
            break;
        }
        region = region->parentLink;
        ++ancestors;
    }
    Point* absolute = new Point(region->place);
    retag(*absolute, ancestors);
    absolute->row = detail::clampCoordinate(row);
    absolute->column = detail::clampCoordinate(column);
    return absolute;
}

int Region::width() {
    return columns;
}

int Region::width(int value) {
    columns = value;
    layoutChanged();
    return value;
}

int Region::height() {
    return rows;
}

int Region::height(int value) {
    rows = value;
    layoutChanged();
    return value;
}

Region* Region::parent() {
    return parentLink;
}

Region* Region::parent(Region* value) {
    // A link that would close the parent chain into a ring is refused: every
    // walk up the chain (location, page, root) would never end.
    for (Region* up = value; up != nullptr; up = up->parentLink) {
        if (up == this) {
            return parentLink;
        }
    }
    if (value != parentLink) {
        // Entered first: if that allocation fails, nothing has changed.
        if (value != nullptr) {
            value->dependents.push_back(this);
        }
        if (parentLink != nullptr) {
            unlink(parentLink->dependents, this);
            parentLink->contentChanged();
            ++parentLink->layoutCount;
        }
        parentLink = value;
        layoutChanged();
    }
    return value;
}

OverflowStyle Region::overflow() {
    return overflowStyle;
}

OverflowStyle Region::overflow(OverflowStyle value) {
    if (static_cast<std::uint32_t>(value) > static_cast<std::uint32_t>(Visible)) {
        throw new std::invalid_argument("Cannot scroll Region.");
    }
    overflowStyle = value;
    layoutChanged();
    return value;
}

}  // namespace Forms
}  // namespace Vesk
