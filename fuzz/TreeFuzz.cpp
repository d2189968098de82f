// Drives random sequences of tree operations (create, attach, detach,
// destroy, activate, keys, paint, moves and texts) on a session running on a
// pseudo-terminal, and checks after every step that each pointer the library
// hands back names an object that is still alive. Memory faults are left to
// AddressSanitizer and UndefinedBehaviorSanitizer.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "Terminal.h"
#include "forms/Forms.h"
#include "vesk/Event.h"

using namespace Vesk::Forms;

namespace {

enum Kind : std::uint8_t {
    PlainControl,
    PlainContainer,
    FormPage,
    TabSet,
    PushButton,
    TextLabel,
    Bar,
    Scroller,
    Field
};
constexpr int KindCount = 9;
constexpr std::size_t MaxObjects = 24;

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
        case Bar: return static_cast<ProgressBar*>(live.object);
    }
    return nullptr;
}

// Containers, pages and scroll boxes hold children.
Container* asContainer(const Live& live) {
    if (live.kind == PlainContainer) return static_cast<Container*>(live.object);
    if (live.kind == Scroller) return static_cast<ScrollBox*>(live.object);
    if (live.kind == FormPage) return static_cast<Page*>(live.object);
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
        case Bar: return new ProgressBar();
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
        case Bar: delete static_cast<ProgressBar*>(live.object); break;
    }
}

int raise(const Live& live, int event) {
    switch (live.kind) {
        case PlainContainer: return static_cast<Container*>(live.object)->raiseEvent(event);
        case FormPage: return static_cast<Page*>(live.object)->raiseEvent(event);
        default: return asControl(live)->raiseEvent(event);
    }
}

const int Keys[] = {Vesk::KeyTab,      Vesk::KeyBackTab,      Vesk::KeyEnter,    Vesk::KeyLineFeed,
                    Vesk::KeyLeft,     Vesk::KeyRight,        Vesk::KeyUp,       Vesk::KeyDown,
                    Vesk::KeyNextPage, Vesk::KeyPreviousPage, Vesk::UpdateView, Vesk::KeyResize,
                    'q',               ' '};

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
        switch (input.ConsumeIntegralInRange(0, 12)) {
            case 0: {
                if (objects.size() < MaxObjects) {
                    const Kind kind = static_cast<Kind>(input.ConsumeIntegralInRange(0, KindCount - 1));
                    objects.push_back({kind, create(kind)});
                }
                break;
            }
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
                    const Live& target = objects[pick()];
                    const int key = input.ConsumeBool() ? Keys[input.ConsumeIntegralInRange<std::size_t>(
                                                              0, sizeof Keys / sizeof Keys[0] - 1)]
                                                        : input.ConsumeIntegral<std::int32_t>();
                    raise(target, key);
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
            case 11: {
                if (!objects.empty()) {
                    Control* control = asControl(objects[pick()]);
                    std::unique_ptr<Point> place(control->location());
                    std::unique_ptr<Point> position(control->position());
                    (void)place;
                }
                break;
            }
            case 12: scroll(); break;
        }
        check();
    }

private:
    std::size_t pick() { return input.ConsumeIntegralInRange<std::size_t>(0, objects.size() - 1); }

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
