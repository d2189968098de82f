// The natural sizes of the library's widgets, their borders left out (the
// base class adds them). Text is measured in cells as it is painted.
#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "controls/Layout.h"
#include "forms/Button.h"
#include "forms/CheckBox.h"
#include "forms/Choice.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/ProgressBar.h"
#include "forms/RadioGroup.h"
#include "forms/TextArea.h"
#include "forms/TextBox.h"
#include "geometry/TextCells.h"
#include "terminal/Screen.h"

namespace Vesk {
namespace Forms {

namespace {

long long cells(const std::string& text) {
    return detail::textCells(text, detail::Screen::unicode());
}

long long widest(const std::vector<std::string>& items) {
    long long most = 0;
    for (const std::string& item : items) {
        most = std::max(most, cells(item));
    }
    return most;
}

int itemCount(const std::vector<std::string>& items) {
    return detail::clampCells(static_cast<long long>(items.size()));
}

// "[x] " and "(•) " take four cells before the text.
constexpr long long MarkCells = 4;
// A progress bar and a text box the host gave no width.
constexpr int BarCells = 20;
// A text area the host gave no height.
constexpr int AreaRows = 3;

}  // namespace

// The caption and a blank on each side as the painter centres it (an odd
// caption gets one more after it); the box is the border's share.
Control::Measure Button::measure(Control& control) {
    Button& button = static_cast<Button&>(control);
    const long long length = cells(button.caption);
    return {detail::clampCells(2 * (length - length / 2 + 1)), std::max(1, button.given().height)};
}

Control::Measure Label::measure(Control& control) {
    return {detail::clampCells(cells(static_cast<Label&>(control).content)), 1};
}

Control::Measure CheckBox::measure(Control& control) {
    return {detail::clampCells(MarkCells + cells(static_cast<CheckBox&>(control).caption)), 1};
}

Control::Measure RadioGroup::measure(Control& control) {
    RadioGroup& group = static_cast<RadioGroup&>(control);
    return {detail::clampCells(MarkCells + widest(group.options)), itemCount(group.options)};
}

// A blank after the widest item; at least one row.
Control::Measure ListBox::measure(Control& control) {
    ListBox& list = static_cast<ListBox&>(control);
    return {detail::clampCells(widest(list.items) + 1), std::max(1, itemCount(list.items))};
}

// The widest item and the cells the closed field's mark takes.
Control::Measure Choice::measure(Control& control) {
    Choice& choice = static_cast<Choice&>(control);
    return {detail::clampCells(widest(choice.items) + 2), 1};
}

// What the text will be is not known: the width the host gave it.
Control::Measure TextBox::measure(Control& control) {
    const int width = static_cast<TextBox&>(control).given().width;
    return {width > 0 ? width : BarCells, 1};
}

// As a text box, and the rows the host gave it (or three): a text that
// grows must not make the form around it jump.
Control::Measure TextArea::measure(Control& control) {
    const Measure given = static_cast<TextArea&>(control).given();
    return {given.width > 0 ? given.width : BarCells, given.height > 0 ? given.height : AreaRows};
}

Control::Measure ProgressBar::measure(Control&) {
    return {BarCells, 1};
}

}  // namespace Forms
}  // namespace Vesk
