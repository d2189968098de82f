#pragma once

/// @file
/// The session: the terminal, the keyboard worker, the event inbox, the
/// screen map and the log.

#include <chrono>
#include <string>
#include <thread>

#include "forms/Enums.h"
#include "forms/Export.h"
#include "forms/Queue.h"
#include "vesk/Event.h"
#include "vesk/Timer.h"

namespace Vesk {
/// The forms library (libveskforms): the session, regions, controls, pages,
/// tab sets and the widgets.
namespace Forms {

class Control;
class Point;
namespace detail {
struct SessionInternals;
class ScreenMap;
}

/// The one process-wide session: the curses screen, the keyboard worker, the
/// event inbox, the screen map and the log. Static members only.
class VESK_FORMS_API Session {
public:
    /// How much the session writes to its log file, VeskForms.log in the
    /// current directory; each level adds to the one before.
    enum Logging : std::int32_t {
        None = 0,     ///< No log file is opened.
        Basic = 1,    ///< The session's start and stop.
        Verbose = 2,  ///< Curses steps, each event raised on a control, clicks and toggles.
        Trace = 3,    ///< Each paint of a root page as well.
    };

    /// No objects: every member is static.
    Session() = delete;

    /// Takes over the terminal, starts the keyboard worker and opens the log
    /// file when `level` is not None; true. False when a session runs
    /// already. Throws new std::runtime_error("Standard output is not a
    /// terminal!") when it is not one (output redirected to a file or a
    /// pipe), before the terminal or the keyboard is touched, and
    /// new std::runtime_error("Cannot initialize terminal!") when curses
    /// cannot drive the terminal, after undoing its own steps; the caller
    /// deletes the exception. Standard input need not be a terminal: the
    /// keys are read from it as they come, and KeyEndOfInput arrives at its
    /// end. While the session runs, flow control is off: Ctrl-S (0x13) and
    /// Ctrl-Q (0x11) arrive as keys.
    static bool start(Logging level);
    /// Gives the terminal back as start found it. False when no session runs.
    /// A session still running when the program returns from main or calls
    /// exit() is stopped then; stop before that when the host has more to
    /// write on the terminal.
    static bool stop();

    /// Mouse reports (presses, releases and the wheel; see Vesk::IsMouse) on
    /// or off; off at first. The setting holds for the running session, at
    /// once, and for every later start. Stop, a fatal signal and a suspend
    /// turn the reports off; a resume turns them on again.
    static void mouse(bool on);
    /// Whether mouse reports are asked for (see mouse(bool)).
    static bool mouse();

    /// Writes one time-stamped line when a log file is open and `level` is not
    /// above the session's level; true when a line was written. Safe from
    /// any thread.
    static bool log(std::string message, Logging level);

    /// Puts `event` into the inbox after the events already there, for
    /// getEvent to return: how a worker thread hands work to the thread that
    /// paints. Safe from any thread. False when no session runs.
    static bool setEvent(Vesk::Event event);
    /// Blocks until an event is in the inbox (a key, a mouse report, a
    /// resize or one given to setEvent) and takes it out. Throws
    /// new std::runtime_error("Session not started!") without a session; the
    /// caller deletes the exception.
    /// Before it returns KeyResize, curses, screenWidth/screenHeight and an
    /// emptied screen map have the terminal's new size, and the screen is
    /// blank, to be painted again in full.
    static Vesk::Event getEvent();
    /// As getEvent(), but waits at most `timeout` (none when it is zero or
    /// less) and returns 0 when no event came in time. An event already in
    /// the inbox is taken at once, at the cost of the blocking getEvent. 0 is
    /// also the NUL key (Ctrl-Space, Ctrl-@), which a host using a timeout
    /// cannot tell from no event. Throws as getEvent does without a session.
    static Vesk::Event getEvent(std::chrono::milliseconds timeout);

    /// Puts `event` into the inbox every `period`, as setEvent would, from a
    /// timer thread of the session: the first one period from now, then at a
    /// steady cadence, with no burst to catch up when the host falls behind.
    /// Returns the ticker's id (from 1, never reused in the process), to give
    /// to stopEvery; 0 when no session runs or the period is under 1 ms.
    /// Safe from any thread. Any number may run at once, each on a thread
    /// of its own; stop ends them all, and none posts after stop returns.
    static int every(std::chrono::milliseconds period, Vesk::Event event);
    /// Stops the ticker `id` gave by every: when it returns true, the ticker
    /// posts nothing more (an event it posted before stays in the inbox).
    /// False for an id that is not running (stopped already, ended by stop,
    /// or never given). Safe from any thread.
    static bool stopEvery(int id);

    /// Switch the colour pair of `foreground` on `background` (pair
    /// 16 x foreground + background + 1) and, when `highlight` is set and the
    /// foreground is not BrightBlack, reverse video on and off again.
    /// setColors switches them on for what curses draws next.
    static void setColors(Color foreground, Color background, bool highlight);
    /// Switches off again what setColors with the same arguments switched on.
    static void unsetColors(Color foreground, Color background, bool highlight);

    /// Writes `control` into the bottom layer of the screen map over the
    /// rectangle from `from` to `to` (absolute, inclusive), so that a mouse
    /// event and the arrow keys find it there; a null control clears the
    /// cells. Clamps `from` and `to` in place to the screen; the caller keeps
    /// both points. Controls painted by the library, and a host's through
    /// Canvas::claim, enter the map as they paint; this is for cells a host
    /// manages by hand.
    static void fillMap(Point* from, Point* to, Control* control);
    /// The control that owns the cell (absolute) on the topmost layer that
    /// has one, as the last paint left it; null for a cell no control owns,
    /// a cell off the screen, or without a session.
    static Control* at(Point* point);
    /// The first other control of the same tree met walking from the
    /// control's top-left cell (as last painted) in `direction` ("left",
    /// "right", "up", "down"), or null. Cells only the mouse reaches (a tab
    /// set's header) are passed over.
    static Control* arrowNav(Control* control, const char* direction);

    /// Screen width in columns, read at the last start or KeyResize.
    static int screenWidth();
    /// Screen height in rows, read at the last start or KeyResize.
    static int screenHeight();
    /// The level given to the last start.
    static Logging logLevel() { return loglevel; }
    /// Whether a session runs (between start and stop).
    static bool running() { return worker != nullptr; }

private:
    // The library's own code and tests reach the private state through it
    // (src/session/SessionInternals.h).
    friend struct detail::SessionInternals;
    // Clears the map cells of a control that is being destroyed.
    VESK_FORMS_LOCAL static void forgetControl(Control* control);
    VESK_FORMS_LOCAL static void workerLoop();
    // Gives the map the terminal's size (empty) and logs the dimensions.
    VESK_FORMS_LOCAL static void takeScreenSize();
    // What getEvent does with an event it took (a resize takes the new size).
    VESK_FORMS_LOCAL static Vesk::Event taken(Vesk::Event event);
    // The steps of start, in order; `end` undoes the first `reached` of them.
    enum Step : int { Nothing, LogOpen, WorkerRuns, CollectorRuns, TerminalOpen };
    VESK_FORMS_LOCAL static void end(Step reached);
    VESK_FORMS_LOCAL static int collectInbox(int, void*);
    // The timers of every: a tick posts the timer's event; start opens them
    // to new tickers, end closes them and stops those that run.
    VESK_FORMS_LOCAL static int postTick(int, void* timer);
    VESK_FORMS_LOCAL static void openTickers(bool open);

    static std::thread* worker;
    VESK_FORMS_LOCAL static Vesk::Threading::Timer* collector;
    VESK_FORMS_LOCAL static void* logfile;
    static Logging loglevel;
    VESK_FORMS_LOCAL static detail::ScreenMap* map;
    // The field keys reached after the last routing, for the check that runs
    // when the keys leave it: one keyboard, so one for the process.
    VESK_FORMS_LOCAL static Control* keysField;
    VESK_FORMS_LOCAL static Vesk::Threading::Atomic::Queue<Vesk::Event> inbox;
};

}  // namespace Forms
}  // namespace Vesk
