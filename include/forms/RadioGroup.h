#pragma once

/// @file
/// A group of options of which one is picked.

#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// A focusable group of options, one a row: "( ) text", and "(•) text" for
/// the picked one ("(*)" when the terminal is not UTF-8). Up and Down move
/// a highlight between the options (past the first or last one they move
/// the focus as on any control); Space or Enter picks the highlighted
/// option; a left click (press and release on the group) picks the option
/// on its row. The change handler then runs with the key or mouse event.
/// The highlighted row is reversed while keys reach the group, and the
/// page's cursor sits on its mark.
class VESK_FORMS_API RadioGroup : public Control {
public:
    /// An empty group 20 columns wide, White on Black, with none picked.
    RadioGroup();
    /// Destroys the group (see Control::~Control).
    ~RadioGroup();

    /// Appends an option (UTF-8) and makes the group as high as its
    /// options; true. False when it holds as many as an int counts.
    bool add(std::string text);
    /// The number of options.
    int count();
    /// The option at `index`; empty when there is none.
    std::string item(int index);

    /// The index of the picked option; -1 when none is.
    int selected();
    /// Picks the option at `index` clamped to the options, or none for -1
    /// (any negative index); returns the index picked. The handler does
    /// not run.
    int selected(int index);
    /// Stores the handler run after a key or a click picked another option;
    /// true. A null one is refused (false).
    bool change(Handler handler);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static int lineUp(int event, void* control);
    VESK_FORMS_LOCAL static int lineDown(int event, void* control);
    VESK_FORMS_LOCAL static int pick(int event, void* control);
    VESK_FORMS_LOCAL static int pointer(int event, void* control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);

    // Picks `index`; runs the handler when that changed the pick.
    VESK_FORMS_LOCAL int choose(int index, int event);

    std::vector<std::string> options;
    int current = -1;
    int lit = 0;
    Handler changeHandler = nullptr;
    Handler navigateUp = nullptr;
    Handler navigateDown = nullptr;
};

}  // namespace Forms
}  // namespace Vesk
