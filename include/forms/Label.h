#pragma once

#include <string>

#include "forms/Control.h"

namespace Vesk {
namespace Forms {

// One line of text at its place in its parent; never takes the focus.
class Label : public Control {
public:
    Label();
    ~Label();

    // A new copy of the text; the caller deletes it.
    std::string* text();
    // Stores the text and returns a new copy. A text shorter than the old
    // one blanks the screen, so the next paint shows no leftover characters.
    std::string* text(std::string value);

private:
    static int painter(int event, void* control);

    std::string content;
};

}  // namespace Forms
}  // namespace Vesk
