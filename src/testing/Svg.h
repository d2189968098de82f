#pragma once

// A picture of the emulated screen as an SVG document.

#include <string>
#include <vector>

#include "forms/testing/Terminal.h"

namespace Vesk {
namespace Forms {
namespace Testing {

// `cells` holds the rows of the screen, each of the same length.
std::string svgPicture(const std::vector<std::vector<Cell>>& cells, Cursor cursor);

}  // namespace Testing
}  // namespace Forms
}  // namespace Vesk
