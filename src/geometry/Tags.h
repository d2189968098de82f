#pragma once

#include <cstring>
#include <string>

#include "vesk/Object.h"

namespace Vesk {
namespace Forms {
namespace detail {

// The type tags the library's classes write into their object header, and
// the one way to compare them. A new class adds its tag here.
namespace Tag {
// Sized as the header's tag, so a name that would not fit does not compile.
using Name = char[sizeof(Vesk::Object::tag)];
inline constexpr Name Point = "Vqrm1Point";
inline constexpr Name Region = "Vqrm1Region";
inline constexpr Name Control = "Vqrm1Contrl";
inline constexpr Name Container = "Vqrm1Contnr";
inline constexpr Name Page = "Vqrm1Page";
inline constexpr Name Tabs = "Vqrm1Tabs";
inline constexpr Name Button = "Vqrm1Button";
inline constexpr Name Label = "Vqrm1Label";
inline constexpr Name ProgressBar = "Vqrm1PrgsBr";
inline constexpr Name CheckBox = "Vqrm1ChkBox";
inline constexpr Name TextBox = "Vqrm1TxtBox";
inline constexpr Name TextArea = "Vqrm1TxtAra";
inline constexpr Name ListBox = "Vqrm1LstBox";
inline constexpr Name Choice = "Vqrm1Choice";
inline constexpr Name RadioGroup = "Vqrm1RadGrp";
inline constexpr Name ScrollBox = "Vqrm1ScrBox";
inline constexpr Name Stack = "Vqrm1Stack";
inline constexpr Name Grid = "Vqrm1Grid";
}  // namespace Tag

// True when the object's tag is exactly `name` (both NUL-terminated, the tag
// within its 12 bytes).
// The name's length folds to a constant, so the compare is a few loads.
inline bool tagged(const Vesk::Object& object, const Tag::Name& name) {
    return std::memcmp(object.tag, name, std::char_traits<char>::length(name) + 1) == 0;
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
