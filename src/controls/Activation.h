#pragma once

namespace Vesk {
namespace Forms {

class Control;

namespace [[gnu::visibility("hidden")]] detail {

// Makes `control` the active control of its page, taking the focus from the
// one before, and makes every tab set that shows that page the active
// control of the page around it, all the way up: the road of the arrow keys
// and of a click. False, nothing changed, when the control cannot take the
// focus or its page does not list it.
bool takeFocus(Control& control);

}  // namespace gnu::visibility("hidden")]]detail
}  // namespace Forms
}  // namespace Vesk
