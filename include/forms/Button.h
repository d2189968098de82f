#pragma once

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
    Button();
    ~Button();

    /// Runs the click handler; 0 when none is set.
    int click();
    /// Stores the click handler; a null one is refused.
    bool click(Handler handler);

    std::string& text();
    std::string& text(std::string value);

private:
    VESK_FORMS_LOCAL static int trigger(int event, void* control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);
    // The mouse events the page routes here (see Page::raiseEvent).
    VESK_FORMS_LOCAL static int pointer(int event, void* control);

    std::string caption;
    Handler clickHandler = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
