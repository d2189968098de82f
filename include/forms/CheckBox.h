#pragma once

/// @file
/// A check box.

#include <string>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A focusable on/off choice: "[x] " or "[ ] " and a caption on its first
/// row. Space, Enter and a left click (press and release on it) toggle it; the host's toggle
/// handler then runs with the key and the check box.
class VESK_FORMS_API CheckBox : public Control {
public:
    /// A cleared box 20 columns wide and 1 row high, White on Black, with no
    /// caption.
    CheckBox();
    /// Destroys the box (see Control::~Control).
    ~CheckBox();

    /// Whether the box is checked.
    bool checked();
    /// Checks or clears the box and returns the new state; the toggle
    /// handler does not run.
    bool checked(bool value);

    /// The caption shown after the mark.
    std::string text();
    /// Stores the caption (UTF-8) and returns it.
    std::string text(std::string value);

    /// Stores the handler run after a key or a click toggled the box; true. A
    /// null one is refused (false).
    bool toggle(Handler handler);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static int flip(int event, void* control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    // The mouse events the page routes here (see Page::raiseEvent).
    VESK_FORMS_LOCAL static int pointer(int event, void* control);

    bool mark = false;
    std::string caption;
    Handler toggleHandler = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
