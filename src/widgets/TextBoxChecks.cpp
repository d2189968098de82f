// A text box's checks: its validator and error label, and a paste as one
// edit.
#include "forms/TextBox.h"

#include <exception>
#include <memory>
#include <string>
#include <utility>

#include "forms/Label.h"
#include "vesk/Event.h"

namespace Vesk {
namespace Forms {

namespace {

TextBox* self(void* control) {
    return static_cast<TextBox*>(static_cast<Control*>(control));
}

}  // namespace

int TextBox::heldCount(Control&) {
    return 0;
}

Control* TextBox::heldAt(Control&, int) {
    return nullptr;
}

void TextBox::forgetLabel(Control& holder, Control* label) {
    TextBox& box = static_cast<TextBox&>(holder);
    if (static_cast<Control*>(box.shownIn) == label) {
        box.shownIn = nullptr;
    }
}

int TextBox::pasteBegin(int, void* control) {
    TextBox* box = self(control);
    box->endPaste();
    box->pasting = true;
    box->pasteChanged = false;
    box->pasteFull = false;
    return 1;
}

int TextBox::pasteEnd(int, void* control) {
    TextBox* box = self(control);
    if (!box->pasting) {
        return 0;
    }
    box->endPaste();
    return 1;
}

void TextBox::endPaste() {
    if (!pasting) {
        return;
    }
    pasting = false;
    pasteFull = false;
    if (pasteChanged) {
        pasteChanged = false;
        changed(Vesk::PasteEnd);
    }
}

bool TextBox::checkText(Control& control) {
    return static_cast<TextBox&>(control).check();
}

// Keys left the field: a paste that never ended ends here, then the check.
void TextBox::leftField(Control& control) {
    TextBox& box = static_cast<TextBox&>(control);
    box.endPaste();
    box.check();
}

bool TextBox::validate(Validator validator) {
    if (!validator) {
        return false;
    }
    checker = std::move(validator);
    message.clear();
    if (shownIn != nullptr) {
        delete shownIn->text("");
    }
    return true;
}

std::string TextBox::error() {
    return message;
}

// A validator's exception is the field's message: the host's check failed
// on this text, which is not to be taken as valid.
bool TextBox::check() {
    message.clear();
    bool thrown = false;
    if (checker) {
        try {
            message = checker(content);
        } catch (const std::exception& fault) {
            thrown = true;
            message = fault.what();
        } catch (...) {
            thrown = true;
        }
    }
    if (thrown && message.empty()) {
        message = "The value could not be checked.";
    }
    if (shownIn != nullptr) {
        delete shownIn->text(message);
    }
    return message.empty();
}

Label* TextBox::errorLabel() {
    return shownIn;
}

Label* TextBox::errorLabel(Label* label) {
    if (shownIn != nullptr) {
        releaseAll(*this, *shownIn);
    }
    shownIn = label;
    if (label != nullptr) {
        hold(*this, *label);
    }
    return shownIn;
}

}  // namespace Forms
}  // namespace Vesk
