// Drives random sequences of tree operations (create, attach, detach,
// destroy, activate, keys, paint, moves and texts; tab sets nested in the
// pages of tab sets, holders that shift, clip and raise what they hold, and
// mouse presses routed by a page) on a session running on a
// pseudo-terminal, and checks after every step that each pointer the library
// hands back names an object that is still alive. Memory faults are left to
// AddressSanitizer and UndefinedBehaviorSanitizer.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "ShiftingHolder.h"
#include "Terminal.h"
#include "forms/Forms.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;
using VeskTest::ShiftingHolder;

namespace {

enum Kind : std::uint8_t {
    PlainControl,
    PlainContainer,
    FormPage,
    TabSet,
    PushButton,
    TextLabel,
    Bar,
    Shifter,
    ModalDialog,
    DropDown,
    Radio,
    Scroller,
    Field,
    Area
};
constexpr int KindCount = 14;
constexpr std::size_t MaxObjects = 32;

struct Live {
    Kind kind;
    void* object;
};

Control* asControl(const Live& live) {
    switch (live.kind) {
        case PlainControl: return static_cast<Control*>(live.object);
        case PlainContainer: return static_cast<Container*>(live.object);
        case FormPage: return static_cast<Page*>(live.object);
        case TabSet: return static_cast<Tabs*>(live.object);
        case PushButton: return static_cast<Button*>(live.object);
        case TextLabel: return static_cast<Label*>(live.object);
        case Scroller: return static_cast<ScrollBox*>(live.object);
        case Field: return static_cast<TextBox*>(live.object);
        case Area: return static_cast<TextArea*>(live.object);
        case Bar: return static_cast<ProgressBar*>(live.object);
        case Shifter: return static_cast<ShiftingHolder*>(live.object);
        case ModalDialog: return static_cast<Dialog*>(live.object);
        case DropDown: return static_cast<Choice*>(live.object);
        case Radio: return static_cast<RadioGroup*>(live.object);
    }
    return nullptr;
}

// Containers, pages, shifting holders and scroll boxes hold children.
Container* asContainer(const Live& live) {
    if (live.kind == PlainContainer) return static_cast<Container*>(live.object);
    if (live.kind == Scroller) return static_cast<ScrollBox*>(live.object);
    if (live.kind == FormPage) return static_cast<Page*>(live.object);
    if (live.kind == Shifter) return static_cast<ShiftingHolder*>(live.object);
    if (live.kind == ModalDialog) return static_cast<Dialog*>(live.object);
    return nullptr;
}

void* create(Kind kind) {
    switch (kind) {
        case PlainControl: return new Control();
        case PlainContainer: return new Container();
        case FormPage: return new Page();
        case TabSet: return new Tabs();
        case PushButton: {
            Button* button = new Button();
            button->click([](int, void*) { return 1; });
            return button;
        }
        case TextLabel: return new Label();
        case Scroller: return new ScrollBox();
        case Field: return new TextBox();
        case Area: return new TextArea();
        case Bar: return new ProgressBar();
        case Shifter: return new ShiftingHolder();
        case ModalDialog: return new Dialog();
        case DropDown: {
            auto* choice = new Choice();
            for (const char* item : {"Äpfel", "世界", "e\u0301té", "😀 ok", "beta"}) {
                choice->add(item);
            }
            return choice;
        }
        case Radio: {
            auto* group = new RadioGroup();
            group->add("Почта");
            group->add("快递");
            return group;
        }
    }
    return nullptr;
}

// Each object is destroyed as its own type: the classes have no virtual destructor.
void destroy(const Live& live) {
    switch (live.kind) {
        case PlainControl: delete static_cast<Control*>(live.object); break;
        case PlainContainer: delete static_cast<Container*>(live.object); break;
        case FormPage: delete static_cast<Page*>(live.object); break;
        case TabSet: delete static_cast<Tabs*>(live.object); break;
        case PushButton: delete static_cast<Button*>(live.object); break;
        case TextLabel: delete static_cast<Label*>(live.object); break;
        case Scroller: delete static_cast<ScrollBox*>(live.object); break;
        case Field: delete static_cast<TextBox*>(live.object); break;
        case Area: delete static_cast<TextArea*>(live.object); break;
        case Bar: delete static_cast<ProgressBar*>(live.object); break;
        case Shifter: delete static_cast<ShiftingHolder*>(live.object); break;
        case ModalDialog: delete static_cast<Dialog*>(live.object); break;
        case DropDown: delete static_cast<Choice*>(live.object); break;
        case Radio: delete static_cast<RadioGroup*>(live.object); break;
    }
}

int raise(const Live& live, int event) {
    switch (live.kind) {
        case PlainContainer: return static_cast<Container*>(live.object)->raiseEvent(event);
        case Shifter: return static_cast<ShiftingHolder*>(live.object)->raiseEvent(event);
        case FormPage: return static_cast<Page*>(live.object)->raiseEvent(event);
        case ModalDialog: return static_cast<Dialog*>(live.object)->raiseEvent(event);
        default: return asControl(live)->raiseEvent(event);
    }
}

const int Keys[] = {Vesk::KeyTab,      Vesk::KeyBackTab,      Vesk::KeyEnter,    Vesk::KeyLineFeed,
                    Vesk::KeyLeft,     Vesk::KeyRight,        Vesk::KeyUp,       Vesk::KeyDown,
                    Vesk::KeyNextPage, Vesk::KeyPreviousPage, Vesk::UpdateView, Vesk::KeyResize,
                    'q',               ' ',                   0x1B,              Vesk::KeyAltDown,
                    Vesk::KeyHome,     Vesk::KeyEnd,
                    // Pastes, undo and redo, as a text area takes them.
                    Vesk::PasteBegin,  Vesk::PasteEnd,        Vesk::PasteLineBreak, 0x1F,
                    0x19,              Vesk::KeyDelete,       0x7F};

class Run {
public:
    explicit Run(FuzzedDataProvider& input) : input(input) {}

    ~Run() {
        // Creation order: holders often go before what they hold.
        for (const Live& live : objects) {
            destroy(live);
        }
    }

    void step() {
        switch (input.ConsumeIntegralInRange(0, 19)) {
            case 0: add(); break;
            case 1: attach(true); break;
            case 2: attach(false); break;
            case 3: {
                if (!objects.empty()) {
                    const std::size_t index = pick();
                    const Live gone = objects[index];
                    objects.erase(objects.begin() + static_cast<long>(index));
                    destroy(gone);
                }
                break;
            }
            case 4: activate(); break;
            case 5: {
                if (!objects.empty()) {
                    // A mouse event raised on a control directly, not routed.
                    const Live& target = objects[pick()];
                    raise(target, input.ConsumeIntegralInRange(0, 3) == 0 ? click() : key());
                }
                break;
            }
            case 6: {
                if (!objects.empty()) {
                    asControl(objects[pick()])->paint();
                    checkScreenMap();
                }
                break;
            }
            case 7: {
                if (!objects.empty()) {
                    Control* control = asControl(objects[pick()]);
                    control->position(coordinate(), coordinate());
                    control->width(coordinate());
                    control->height(coordinate());
                }
                break;
            }
            case 8: text(); break;
            case 9: {
                if (!objects.empty()) {
                    Control* control = asControl(objects[pick()]);
                    control->focus(input.ConsumeBool());
                    control->border(input.ConsumeBool() ? SingleLine : NoBorder);
                    control->overflow(input.ConsumeBool() ? Hidden : Visible);
                    control->color(static_cast<Color>(input.ConsumeIntegral<std::uint8_t>()));
                }
                break;
            }
            case 10: {
                // A bare parent link, as a host may set one.
                if (objects.size() >= 2) {
                    Control* child = asControl(objects[pick()]);
                    child->parent(input.ConsumeBool() ? nullptr : asControl(objects[pick()]));
                }
                break;
            }
            case 17: {
                // A dialog opened over, or closed from, any page.
                if (objects.size() >= 2) {
                    const Live& dialog = objects[pick()];
                    const Live& owner = objects[pick()];
                    if (dialog.kind == ModalDialog) {
                        auto* modal = static_cast<Dialog*>(dialog.object);
                        if (input.ConsumeBool() && (owner.kind == FormPage || owner.kind == ModalDialog)) {
                            modal->open(static_cast<Page*>(owner.object));
                        } else {
                            modal->close(input.ConsumeIntegral<std::int8_t>());
                        }
                    }
                }
                break;
            }
            case 18: {
                if (!objects.empty()) {
                    const Live& target = objects[pick()];
                    if (target.kind == DropDown) {
                        auto* choice = static_cast<Choice*>(target.object);
                        switch (input.ConsumeIntegralInRange(0, 3)) {
                            case 0: choice->opened(input.ConsumeBool()); break;
                            case 1: choice->remove(input.ConsumeIntegralInRange(-1, 5)); break;
                            case 2: choice->clear(); break;
                            default: choice->rows(coordinate()); break;
                        }
                    } else if (target.kind == Radio) {
                        static_cast<RadioGroup*>(target.object)->selected(coordinate());
                    }
                }
                break;
            }
            case 11: {
                if (!objects.empty()) {
                    Control* control = asControl(objects[pick()]);
                    std::unique_ptr<Point> place(control->location());
                    std::unique_ptr<Point> position(control->position());
                    (void)place;
                }
                break;
            }
            case 12: shift(); break;
            case 13: attachTab(); break;
            case 14: showTab(); break;
            case 15: nest(); break;
            case 16: {
                // Keys and mouse presses as the host hands them to a page.
                if (Page* page = pickPage()) {
                    page->raiseEvent(input.ConsumeBool() ? key() : click());
                }
                break;
            }
            case 19: scroll(); break;
        }
        check();
    }

private:
    std::size_t pick() { return input.ConsumeIntegralInRange<std::size_t>(0, objects.size() - 1); }

    // One of the objects whose kind `wanted` accepts, or null.
    template <typename Wanted>
    void* pickKind(Wanted wanted) {
        std::vector<void*> matching;
        for (const Live& each : objects) {
            if (wanted(each.kind)) {
                matching.push_back(each.object);
            }
        }
        if (matching.empty()) {
            return nullptr;
        }
        return matching[input.ConsumeIntegralInRange<std::size_t>(0, matching.size() - 1)];
    }

    Page* pickPage() {
        return static_cast<Page*>(pickKind([](Kind kind) { return kind == FormPage; }));
    }

    Tabs* pickTabs() {
        return static_cast<Tabs*>(pickKind([](Kind kind) { return kind == TabSet; }));
    }

    // A container, a page or a shifting holder, or null.
    Container* pickHolder() {
        std::vector<Container*> matching;
        for (const Live& each : objects) {
            if (Container* container = asContainer(each)) {
                matching.push_back(container);
            }
        }
        if (matching.empty()) {
            return nullptr;
        }
        return matching[input.ConsumeIntegralInRange<std::size_t>(0, matching.size() - 1)];
    }

    int key() {
        constexpr std::size_t last = sizeof Keys / sizeof Keys[0] - 1;
        return input.ConsumeBool() ? Keys[input.ConsumeIntegralInRange<std::size_t>(0, last)]
                                   : input.ConsumeIntegral<std::int32_t>();
    }

    // A press, a release or a wheel notch, mostly on the screen, sometimes
    // past it (the event clamps to 0..4095).
    int click() {
        const auto button = static_cast<Vesk::MouseButton>(input.ConsumeIntegralInRange(0, 4));
        const bool pressed = input.ConsumeIntegralInRange(0, 3) != 0;
        const int modifiers = input.ConsumeIntegralInRange(0, 7);
        int row = 0;
        int column = 0;
        if (input.ConsumeIntegralInRange(0, 15) == 0) {
            row = input.ConsumeIntegral<std::int32_t>();
            column = input.ConsumeIntegral<std::int32_t>();
        } else {
            row = input.ConsumeIntegralInRange(0, Session::screenHeight());
            column = input.ConsumeIntegralInRange(0, Session::screenWidth());
        }
        return Vesk::MouseEvent(button, pressed, modifiers, row, column);
    }

    // A shifting holder's offset: mostly small, sometimes far or near the
    // edges of 64 bits. The holder adds it to an int position as it is, so
    // it stays that far inside them.
    long long offset() {
        constexpr long long edge = std::numeric_limits<long long>::max() - (1LL << 32);
        switch (input.ConsumeIntegralInRange(0, 7)) {
            case 0: return input.ConsumeIntegralInRange(-edge, edge);
            case 1: return input.ConsumeBool() ? -edge : edge;
            case 2: return input.ConsumeIntegralInRange<long long>(-(1LL << 42), 1LL << 42);
            default: return input.ConsumeIntegralInRange(-30, 100);
        }
    }

    // A new object of any kind, attached (when it can be) to a holder that
    // takes it: a page goes into a tab set or a holder, anything else into a
    // holder.
    void add() {
        if (objects.size() >= MaxObjects) {
            return;
        }
        const Kind kind = static_cast<Kind>(input.ConsumeIntegralInRange(0, KindCount - 1));
        objects.push_back({kind, create(kind)});
        Control* added = asControl(objects.back());
        if (!input.ConsumeBool()) {
            return;
        }
        added->position(input.ConsumeIntegralInRange(-2, 30), input.ConsumeIntegralInRange(-2, 90));
        added->width(input.ConsumeIntegralInRange(0, 90));
        added->height(input.ConsumeIntegralInRange(0, 30));
        if (kind == FormPage && input.ConsumeBool()) {
            if (Tabs* tabs = pickTabs()) {
                tabs->attachTab(static_cast<Page*>(objects.back().object));
            }
        } else if (Container* holder = pickHolder()) {
            holder->attachChild(added);
        }
    }

    void shift() {
        auto* holder =
            static_cast<ShiftingHolder*>(pickKind([](Kind kind) { return kind == Shifter; }));
        if (holder == nullptr) {
            return;
        }
        holder->rows = offset();
        holder->columns = offset();
        holder->layer = input.ConsumeIntegralInRange(0, 70);
        // Mostly one of its children, sometimes any object or none.
        if (holder->count() > 0 && input.ConsumeIntegralInRange(0, 3) != 0) {
            holder->raised = holder->child(input.ConsumeIntegralInRange(0, holder->count() - 1));
        } else if (!objects.empty() && input.ConsumeBool()) {
            holder->raised = asControl(objects[pick()]);
        } else {
            holder->raised = nullptr;
        }
    }

    void attachTab() {
        Tabs* tabs = pickTabs();
        Page* page = pickPage();
        if (tabs != nullptr && page != nullptr) {
            input.ConsumeIntegralInRange(0, 3) != 0 ? tabs->attachTab(page) : tabs->detachTab(page);
        }
    }

    // One of the set's pages, or sometimes any page (refused by the set).
    void showTab() {
        Tabs* tabs = pickTabs();
        if (tabs == nullptr) {
            return;
        }
        Page* page = tabs->count() > 0 && input.ConsumeIntegralInRange(0, 7) != 0
                         ? tabs->tab(input.ConsumeIntegralInRange(0, tabs->count() - 1))
                         : pickPage();
        if (page != nullptr) {
            tabs->activeTab(page);
        }
    }

    // A new tab set in a holder (often a page a set shows) and a new page in
    // it, shown and often given the focus: pages in sets in pages in sets.
    void nest() {
        if (objects.size() + 2 > MaxObjects) {
            return;
        }
        Container* holder = pickHolder();
        if (holder == nullptr) {
            return;
        }
        auto* tabs = new Tabs();
        objects.push_back({TabSet, tabs});
        tabs->position(input.ConsumeIntegralInRange(-2, 10), input.ConsumeIntegralInRange(-2, 20));
        tabs->width(input.ConsumeIntegralInRange(0, 80));
        tabs->height(input.ConsumeIntegralInRange(0, 25));
        holder->attachChild(tabs);
        auto* page = new Page();
        objects.push_back({FormPage, page});
        tabs->attachTab(page);
        tabs->activeTab(page);
        if (input.ConsumeBool()) {
            tabs->takeFocus();
        }
    }

    // Mostly small, sometimes at the edges of int.
    int coordinate() {
        if (input.ConsumeIntegralInRange(0, 15) == 0) {
            return input.ConsumeIntegral<std::int32_t>();
        }
        return input.ConsumeIntegralInRange(-20, 100);
    }

    // Scrolls a box anywhere, or turns the wheel over any cell of a page.
    void scroll() {
        if (objects.empty()) {
            return;
        }
        const Live& target = objects[pick()];
        if (target.kind == Scroller) {
            ScrollBox* box = static_cast<ScrollBox*>(target.object);
            box->scrollRow(coordinate());
            box->scrollColumn(coordinate());
            box->contentHeight();
        } else if (target.kind == FormPage) {
            const bool wasOn = Session::mouse();
            Session::mouse(true);
            static_cast<Page*>(target.object)
                ->raiseEvent(Vesk::MouseEvent(input.ConsumeBool() ? Vesk::MouseButton::WheelUp
                                                                  : Vesk::MouseButton::WheelDown,
                                              true, 0, input.ConsumeIntegralInRange(-2, 30),
                                              input.ConsumeIntegralInRange(-2, 90)));
            Session::mouse(wasOn);
        }
    }

    void attach(bool on) {
        if (objects.size() < 2) {
            return;
        }
        const Live& holder = objects[pick()];
        const Live& item = objects[pick()];
        if (Container* container = asContainer(holder)) {
            on ? container->attachChild(asControl(item)) : container->detachChild(asControl(item));
        } else if (holder.kind == TabSet && item.kind == FormPage) {
            Tabs* tabs = static_cast<Tabs*>(holder.object);
            Page* page = static_cast<Page*>(item.object);
            on ? tabs->attachTab(page) : tabs->detachTab(page);
        }
    }

    void activate() {
        if (objects.size() < 2) {
            return;
        }
        const Live& holder = objects[pick()];
        const Live& item = objects[pick()];
        if (holder.kind == FormPage) {
            static_cast<Page*>(holder.object)->activeControl(asControl(item));
        } else if (holder.kind == TabSet && item.kind == FormPage) {
            static_cast<Tabs*>(holder.object)->activeTab(static_cast<Page*>(item.object));
        }
    }

    void text() {
        if (objects.empty()) {
            return;
        }
        const Live& target = objects[pick()];
        const std::string value = input.ConsumeRandomLengthString(48);
        switch (target.kind) {
            case PushButton: static_cast<Button*>(target.object)->text(value); break;
            case TextLabel: {
                std::unique_ptr<std::string> stored(static_cast<Label*>(target.object)->text(value));
                break;
            }
            case Bar: {
                ProgressBar* bar = static_cast<ProgressBar*>(target.object);
                bar->valueMax(input.ConsumeIntegralInRange(0, 1000));
                bar->value(input.ConsumeIntegralInRange(-10, 1100));
                bar->style(static_cast<ProgressBarStyle>(input.ConsumeIntegralInRange(1, 4)));
                std::unique_ptr<std::string> shown(bar->text(value));
                break;
            }
            case FormPage: static_cast<Page*>(target.object)->title(value); break;
            case Area: {
                auto* area = static_cast<TextArea*>(target.object);
                area->maxLength(input.ConsumeIntegralInRange(-1, 64));
                area->wrap(input.ConsumeBool());
                area->cursor(input.ConsumeIntegralInRange(-1, 4), input.ConsumeIntegralInRange(-1, 8));
                area->text(value);
                break;
            }
            default: break;
        }
    }

    [[noreturn]] void fail(const char* what, const void* pointer) {
        std::fprintf(stderr, "tree fuzz: %s handed back %p, which is not a live object\n", what, pointer);
        std::abort();
    }

    void expectLive(const char* what, const Control* control) {
        if (control != nullptr && live.count(control) == 0) {
            fail(what, control);
        }
    }

    void check() {
        live.clear();
        regions.clear();
        for (const Live& each : objects) {
            live.insert(asControl(each));
            regions.insert(asControl(each));
        }
        for (const Live& each : objects) {
            Control* control = asControl(each);
            if (control->parent() != nullptr && regions.count(control->parent()) == 0) {
                fail("parent()", control->parent());
            }
            expectLive("page()", control->page());
            expectLive("root()", control->root());
            if (Container* container = asContainer(each)) {
                for (int i = 0, n = container->count(); i < n; ++i) {
                    expectLive("child(i)", container->child(i));
                }
            }
            if (each.kind == FormPage) {
                Page* page = static_cast<Page*>(each.object);
                for (int i = 0, n = page->controlCount(); i < n; ++i) {
                    expectLive("control(i)", page->control(i));
                }
                expectLive("activeControl()", page->activeControl());
            }
            if (each.kind == TabSet) {
                Tabs* tabs = static_cast<Tabs*>(each.object);
                for (int i = 0, n = tabs->count(); i < n; ++i) {
                    expectLive("tab(i)", tabs->tab(i));
                }
                expectLive("activeTab()", tabs->activeTab());
            }
        }
    }

    void checkScreenMap() {
        for (int row = 0; row < Session::screenHeight(); ++row) {
            for (int column = 0; column < Session::screenWidth(); ++column) {
                Point cell(row, column);
                Control* found = Session::at(&cell);
                // A scroll box's bar is its own member (use after free is
                // AddressSanitizer's to find).
                if (found != nullptr && live.count(found) == 0 && found->parent() != nullptr &&
                    regions.count(found->parent()) != 0 &&
                    ScrollBox::is(*static_cast<Control*>(found->parent()))) {
                    continue;
                }
                expectLive("Session::at", found);
            }
        }
    }

    FuzzedDataProvider& input;
    std::vector<Live> objects;
    std::unordered_set<const Control*> live;
    std::unordered_set<const Region*> regions;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TERM", "xterm-256color", 1);
    unsetenv("LINES");
    unsetenv("COLUMNS");
    new VeskBench::Terminal();  // lives as long as the process
    try {
        Session::start(Session::None);
    } catch (std::exception* error) {
        std::fprintf(stderr, "tree fuzz: no session: %s\n", error->what());
        std::exit(1);
    }
    // Pages route mouse events only while the reports are on.
    Session::mouse(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Run run(input);
    while (input.remaining_bytes() > 0) {
        // The library reports misuse (activating a stranger, and so on) by
        // throwing pointers; those are expected here.
        try {
            run.step();
        } catch (std::exception* error) {
            delete error;
        }
    }
    return 0;
}
