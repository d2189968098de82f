#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "controls/Frame.h"
#include "forms/Button.h"
#include "forms/Dialog.h"
#include "forms/Session.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"
#include "widgets/WrapCells.h"

namespace Vesk {
namespace Forms {

namespace {

// The widest text line of a question, in cells.
constexpr long long MostTextCells = 60;
// Blanks between a button's caption and its frame.
constexpr long long ButtonPadding = 1;

// A question's dialog, the message it shows and its buttons; what the
// handlers reach through the controls' data().
struct Question {
    Dialog dialog;
    Control message;
    std::vector<std::string> lines;
    std::deque<Button> buttons;
};

int buttonPressed(int, void* control) {
    Question* question = static_cast<Question*>(static_cast<Control*>(control)->data());
    for (std::size_t i = 0; i < question->buttons.size(); ++i) {
        if (&question->buttons[i] == control) {
            question->dialog.close(static_cast<int>(i));
            return 1;
        }
    }
    return 0;
}

// The message lines in the dialog's colours, each cut to what shows.
int paintMessage(int, void* control) {
    Control* message = static_cast<Control*>(control);
    Question* question = static_cast<Question*>(message->data());
    const detail::Frame frame = detail::Tree::frameOf(*message);
    const detail::Area area = frame.area(0, 0, message->height(), message->width());
    detail::ColorScope colors(question->dialog.color(), question->dialog.background(), false);
    const bool unicode = detail::Screen::unicode();
    for (long long i = area.rows.first; i < area.rows.last; ++i) {
        if (static_cast<std::size_t>(i) < question->lines.size()) {
            detail::TextWalk walk(question->lines[static_cast<std::size_t>(i)], unicode);
            detail::putRow(walk, area.row + i, area.column, message->width(), area.columns);
        }
    }
    return 1;
}

}  // namespace

// Laid out from the top: the frame, the message from row 1, a blank row,
// then the buttons inside their frames, centred, and the bottom border.
int Dialog::ask(Page* owner, std::string text, std::vector<std::string> buttons) {
    if (owner == nullptr || buttons.empty() || !Session::running()) {
        return -1;
    }
    const bool unicode = detail::Screen::unicode();
    Question question;
    question.lines = detail::wrapCells(text, MostTextCells, unicode);
    long long textWidth = 0;
    for (const std::string& line : question.lines) {
        textWidth = std::max(textWidth, detail::textCells(line, unicode));
    }
    std::vector<long long> widths;
    long long rowWidth = -1;
    for (const std::string& caption : buttons) {
        widths.push_back(detail::textCells(caption, unicode) + 2 * ButtonPadding);
        rowWidth += widths.back() + 3;  // the button's frame and a blank between two
    }
    const long long inner = std::max(textWidth, rowWidth);
    const long long lines = static_cast<long long>(question.lines.size());
    const int narrow = static_cast<int>(std::min<long long>(inner + 4, 4096));
    question.dialog.width(narrow);
    question.dialog.height(static_cast<int>(std::min<long long>(lines + 6, 4096)));

    question.message.position(1, 2);
    question.message.width(static_cast<int>(std::min<long long>(textWidth, 4096)));
    question.message.height(static_cast<int>(std::min<long long>(lines, 4096)));
    question.message.data(&question);
    question.message.attachHandler(Vesk::UpdateView, paintMessage);
    question.dialog.attachChild(&question.message);

    long long column = 2 + (inner - rowWidth) / 2 + 1;
    const int buttonRow = static_cast<int>(std::min<long long>(lines + 3, 4096));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        Button& button = question.buttons.emplace_back();
        button.text(buttons[i]);
        button.width(static_cast<int>(std::min<long long>(widths[i], 4096)));
        button.position(buttonRow, static_cast<int>(std::min<long long>(column, 4096)));
        button.data(&question);
        button.click(buttonPressed);
        question.dialog.attachChild(&button);
        column += widths[i] + 3;
    }
    question.dialog.activeControl(&question.buttons.front());
    return question.dialog.run(owner);
}

}  // namespace Forms
}  // namespace Vesk
