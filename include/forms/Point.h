#pragma once

/// @file
/// A character cell.

#include <cstdint>

#include "forms/Export.h"
#include "vesk/Object.h"

namespace Vesk {
namespace Forms {

/// One character cell: row counted down from 0 at the top, column counted
/// right from 0 at the left.
class VESK_FORMS_API Point : public Vesk::Object {
public:
    /// The cell at row 0, column 0.
    Point();
    /// The cell at `row` and `column`.
    Point(std::int32_t row, std::int32_t column);

    /// The row, counted down from 0.
    std::int32_t row;
    /// The column, counted right from 0.
    std::int32_t column;
};

}  // namespace Forms
}  // namespace Vesk
