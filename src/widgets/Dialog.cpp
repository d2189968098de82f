#include "forms/Dialog.h"

#include <algorithm>

#include "controls/Frame.h"
#include "controls/Overlays.h"
#include "forms/Session.h"
#include "geometry/Tags.h"
#include "geometry/TextCells.h"
#include "geometry/TextOutput.h"
#include "terminal/Screen.h"
#include "vesk/Event.h"
#include "widgets/ControlPaint.h"

namespace Vesk {
namespace Forms {

namespace {

constexpr int KeyEscape = 0x1B;

Dialog* self(void* control) {
    return static_cast<Dialog*>(static_cast<Control*>(control));
}

// What the terminal sends: ASCII and other single bytes, characters, the
// keys ncurses numbers and the marks of a paste. A host's own event codes lie
// outside these.
bool isKey(Vesk::Event event) {
    return (event >= 0 && event < 0x100) || Vesk::IsCharacter(event) ||
           Vesk::IsPasteCharacter(event) || event == Vesk::PasteBegin ||
           event == Vesk::PasteEnd ||
           (event >= Vesk::KeyCodeBase && event < Vesk::KeyCodeBase + 0x10000);
}

}  // namespace

Dialog::Dialog() : Page(nullptr) {
    stamp(detail::Tag::Page, sizeof(Dialog));
    // A dialog keeps its title to itself and its own size.
    title(std::string());
    width(40);
    height(10);
    color(White);
    background(Black);
    borderColor(BrightWhite);
    (border)(SingleLine);
    attachHandler(Vesk::UpdateView, painter);
    attachHandler(KeyEscape, escape);
}

Dialog::~Dialog() {
    detail::Overlays::close(*this);
}

bool Dialog::open(Page* owner) {
    return owner != nullptr && detail::Overlays::open(*owner, *this);
}

bool Dialog::close(int result) {
    if (!detail::Overlays::close(*this)) {
        return false;
    }
    closeResult = result;
    Session::log("\tDialog closed, result " + std::to_string(result), Session::Verbose);
    // Last: the handler may open the dialog again, or destroy it.
    if (closedHandler != nullptr) {
        closedHandler(result, static_cast<Control*>(this));
    }
    return true;
}

int Dialog::result() {
    return closeResult;
}

bool Dialog::isOpen() {
    return detail::Overlays::owner(*this) != nullptr;
}

bool Dialog::closed(Handler handler) {
    return detail::storeHandler(closedHandler, handler);
}

bool Dialog::background(Handler handler) {
    return detail::storeHandler(backgroundHandler, handler);
}

void Dialog::position(int row, int column) {
    centreOnScreen = false;
    Page::position(row, column);
}

bool Dialog::centred() {
    return centreOnScreen;
}

bool Dialog::centred(bool value) {
    return centreOnScreen = value;
}

// The owner is painted after every event, so the screen follows what the
// handlers did, including the close that ends the loop.
int Dialog::run(Page* owner) {
    if (!Session::running() || !open(owner)) {
        return -1;
    }
    owner->paint();
    while (isOpen()) {
        const Vesk::Event event = Session::getEvent();
        if (event == Vesk::KeyEndOfInput) {
            // No key can close it any more: closed here, and the event is
            // posted again for the host's own loop to end on.
            Session::setEvent(event);
            close(-1);
            break;
        }
        if (event == Vesk::KeyResize) {
            // Painted below, in full on the blank screen.
        } else if (Vesk::IsMouse(event) || isKey(event)) {
            owner->raiseEvent(event);
        } else if (backgroundHandler != nullptr) {
            backgroundHandler(event, static_cast<Control*>(this));
        }
        owner->paint();
    }
    return closeResult;
}

int Dialog::escape(int, void* control) {
    return self(control)->close(-1) ? 1 : 0;
}

// The frame in the border colour over blanks, the title in the top border
// from its third cell, cut to the border. The dialog's cells go into the
// map for the mouse only: a click on them reaches no control below, and
// the arrow keys pass over them.
int Dialog::painter(int, void* control) {
    Dialog* dialog = self(control);
    const detail::Frame frame = detail::Tree::frameOf(*dialog);
    const long long width = std::max(0, dialog->width());
    const long long height = std::max(0, dialog->height());
    detail::Tree::claim(*dialog, frame, height, width, true);
    detail::drawBox(frame, 0, 0, height, width, (dialog->border)(), dialog->borderColor(),
                    dialog->background(), false);
    const std::string& caption = dialog->title();
    const detail::Area top = frame.area(0, 0, 1, width);
    const detail::Span cells = detail::firstRow(top);
    if (!caption.empty() && width > 4 && !cells.empty()) {
        const std::string label = " " + caption + " ";
        constexpr long long From = 2;
        detail::ColorScope colors(dialog->borderColor(), dialog->background(), false);
        detail::TextWalk walk(label, detail::Screen::unicode());
        detail::putRow(walk, top.row, top.column + From, width - 2 * From,
                       {cells.first - From, std::min(cells.last, width - From) - From});
    }
    detail::Tree::cursor(frame, 1, 1);
    return 1;
}

}  // namespace Forms
}  // namespace Vesk
