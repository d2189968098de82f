#pragma once

#include <cstdint>

#include "forms/Export.h"
#include "vesk/Object.h"

namespace Vesk {
namespace Forms {

/// One character cell: row counted down from 0 at the top, column counted
/// right from 0 at the left.
class VESK_FORMS_API Point : public Vesk::Object {
public:
    Point();
    Point(std::int32_t row, std::int32_t column);

    std::int32_t row;
    std::int32_t column;
};

}  // namespace Forms
}  // namespace Vesk
