#pragma once

#include <string>
#include <thread>

#include "forms/Enums.h"
#include "forms/Export.h"
#include "forms/Queue.h"
#include "vesk/Event.h"
#include "vesk/Timer.h"

namespace Vesk {
namespace Forms {

class Control;
class Point;
namespace detail {
struct SessionInternals;
}

/// The one process-wide session: the curses screen, the keyboard worker, the
/// event inbox, the screen map and the log. Static members only.
class VESK_FORMS_API Session {
public:
    enum Logging : std::int32_t {
        None = 0,
        Basic = 1,
        Verbose = 2,
        Trace = 3,
    };

    Session() = delete;

    /// Takes over the terminal. False when a session runs already. Throws
    /// new std::runtime_error("Cannot initialize terminal!") when curses
    /// cannot drive the terminal, after undoing its own steps.
    static bool start(Logging level);
    /// Gives the terminal back as start found it. False when no session runs.
    static bool stop();

    /// Mouse reports (presses, releases and the wheel; see Vesk::IsMouse) on
    /// or off; off at first. The setting holds for the running session, at
    /// once, and for every later start. Stop, a fatal signal and a suspend
    /// turn the reports off; a resume turns them on again.
    static void mouse(bool on);
    static bool mouse();

    /// Writes one time-stamped line when a log file is open and `level` is not
    /// above the session's level.
    static bool log(std::string message, Logging level);

    static bool setEvent(Vesk::Event event);
    /// Blocks until an event is in the inbox. Throws
    /// new std::runtime_error("Session not started!") without a session.
    /// Before it returns KeyResize, curses, screenWidth/screenHeight and an
    /// emptied screen map have the terminal's new size, and the screen is
    /// blank, to be painted again in full.
    static Vesk::Event getEvent();

    /// Switch the colour pair of `foreground` on `background` (pair
    /// 16 x foreground + background + 1) and, when `highlight` is set and the
    /// foreground is not BrightBlack, reverse video on and off again.
    static void setColors(Color foreground, Color background, bool highlight);
    static void unsetColors(Color foreground, Color background, bool highlight);

    /// Writes `control` into the screen map over the rectangle from `from` to
    /// `to` (absolute, inclusive). Clamps `to` in place.
    static void fillMap(Point* from, Point* to, Control* control);
    /// The control last painted over the cell, or null.
    static Control* at(Point* point);
    /// The first other control met walking from the control's top-left cell
    /// in `direction` ("left", "right", "up", "down"), or null. Tab set
    /// headers (in the map for the mouse) are passed over.
    static Control* arrowNav(Control* control, const char* direction);

    /// Screen size read at the last start or KeyResize.
    static int screenWidth() { return width; }
    static int screenHeight() { return height; }
    static Logging logLevel() { return loglevel; }
    static bool running() { return worker != nullptr; }

private:
    // The library's own code and tests reach the private state through it
    // (src/session/SessionInternals.h).
    friend struct detail::SessionInternals;
    // Clears the map cells of a control that is being destroyed.
    VESK_FORMS_LOCAL static void forgetControl(Control* control);
    VESK_FORMS_LOCAL static void workerLoop();
    // Reads the terminal's size into width and height, gives the map that
    // size (empty) and logs the dimensions.
    VESK_FORMS_LOCAL static void takeScreenSize();
    // The steps of start, in order; `end` undoes the first `reached` of them.
    enum Step : int { Nothing, LogOpen, WorkerRuns, CollectorRuns, TerminalOpen };
    VESK_FORMS_LOCAL static void end(Step reached);
    VESK_FORMS_LOCAL static int collectInbox(int, void*);

    static std::thread* worker;
    VESK_FORMS_LOCAL static Vesk::Threading::Timer* collector;
    VESK_FORMS_LOCAL static void* logfile;
    static Logging loglevel;
    static int width;
    static int height;
    VESK_FORMS_LOCAL static Control** map;
    VESK_FORMS_LOCAL static Vesk::Threading::Atomic::Queue<Vesk::Event> inbox;
};

}  // namespace Forms
}  // namespace Vesk
