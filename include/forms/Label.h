#pragma once

/// @file
/// A line of text.

#include <string>

#include "forms/Control.h"
#include "forms/Export.h"

namespace Vesk {
namespace Forms {

/// One line of text at its place in its parent; never takes the focus.
class VESK_FORMS_API Label : public Control {
public:
    /// An empty label 0 columns wide, BrightBlack on Black. Give it a width
    /// (columns): the text is cut to it and to a clipping parent.
    Label();
    /// Destroys the label (see Control::~Control).
    ~Label();

    /// A new copy of the text; the caller deletes it.
    [[nodiscard]] std::string* text();
    /// Stores the text and returns a new copy. A text shorter than the old
    /// one blanks the screen, so the next paint shows no leftover characters.
    [[nodiscard]] std::string* text(std::string value);

private:
    // The natural size (see Control::naturalWidth).
    VESK_FORMS_LOCAL static Measure measure(Control& control);
    VESK_FORMS_LOCAL static int painter(int event, void* control);

    std::string content;
};

}  // namespace Forms
}  // namespace Vesk
