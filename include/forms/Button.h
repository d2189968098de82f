#pragma once

/// @file
/// A push button.

#include <string>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A focusable control showing a caption centred on its first row inside a
/// border. Enter clicks it, and so does a left press and release both on it:
/// the click is logged and the host's click handler runs with KeyLineFeed
/// and the button.
class VESK_FORMS_API Button : public Control {
public:
    /// A button 10 columns wide and 1 row high with a single-line border,
    /// White on Black, and no caption.
    Button();
    /// Destroys the button (see Control::~Control).
    ~Button();

    /// Runs the click handler with KeyLineFeed and the button and returns its
    /// result; 0 when none is set.
    int click();
    /// Stores the click handler; true. A null one is refused (false).
    bool click(Handler handler);

    /// The caption (UTF-8): a reference to the button's own copy.
    std::string& text();
    /// Stores the caption (UTF-8) and returns the button's own copy.
    std::string& text(std::string value);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static int trigger(int event, void* control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    // The mouse events the page routes here (see Page::raiseEvent).
    VESK_FORMS_LOCAL static int pointer(int event, void* control);

    std::string caption;
    Handler clickHandler = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
