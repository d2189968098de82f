#include "forms/Session.h"
#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {

void Session::setColors(Color foreground, Color background, bool highlight) {
    detail::Screen::colors(foreground, background, highlight);
}

void Session::unsetColors(Color foreground, Color background, bool highlight) {
    detail::Screen::uncolors(foreground, background, highlight);
}

}  // namespace Forms
}  // namespace Vesk
