// Session::every: one runtime timer per ticker, each posting its event.
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "forms/Session.h"

namespace Vesk {
namespace Forms {

namespace {

struct Ticker {
    Vesk::Threading::Timer timer;
    Vesk::Event event;
};

// Guards everything below. A tick holds it while it posts, so a ticker taken
// out under it posts nothing more once its running tick (if any) is over.
std::mutex tickersLock;
bool tickersOpen = false;
int lastId = 0;
std::map<int, std::unique_ptr<Ticker>> tickers;

// Disabling waits for a running tick, which may be waiting for the lock: so
// tickers are taken out under it and stopped after it is released.
void stopAll(std::vector<std::unique_ptr<Ticker>>& stopped) {
    for (auto& ticker : stopped) {
        ticker->timer.enabled(false);
    }
    stopped.clear();  // joins the timer threads
}

}  // namespace

int Session::postTick(int, void* timer) {
    std::lock_guard<std::mutex> lock(tickersLock);
    for (const auto& entry : tickers) {
        if (&entry.second->timer == timer) {
            inbox.push(entry.second->event);
            break;
        }
    }
    return 0;
}

void Session::openTickers(bool open) {
    std::vector<std::unique_ptr<Ticker>> stopped;
    {
        std::lock_guard<std::mutex> lock(tickersLock);
        tickersOpen = open;
        for (auto& entry : tickers) {
            stopped.push_back(std::move(entry.second));
        }
        tickers.clear();
    }
    stopAll(stopped);
}

int Session::every(std::chrono::milliseconds period, Vesk::Event event) {
    if (period.count() < 1) {
        return 0;
    }
    // A host that returns from main without stop: the tickers end before
    // the inbox, and this file's state, are destroyed (functions given to
    // atexit run before the destructors of statics built earlier).
    static const bool stoppedAtExit = std::atexit([] { openTickers(false); }) == 0;
    (void)stoppedAtExit;
    std::lock_guard<std::mutex> lock(tickersLock);
    if (!tickersOpen) {
        return 0;
    }
    auto ticker = std::make_unique<Ticker>();
    ticker->event = event;
    ticker->timer.interval(period.count() > 0xFFFFFFFF ? 0xFFFFFFFFu
                                                       : static_cast<unsigned>(period.count()));
    ticker->timer.tick(postTick);
    // Its first tick waits for the lock, held until the ticker is listed.
    ticker->timer.enabled(true);
    const int id = ++lastId;
    tickers.emplace(id, std::move(ticker));
    return id;
}

bool Session::stopEvery(int id) {
    std::vector<std::unique_ptr<Ticker>> stopped;
    {
        std::lock_guard<std::mutex> lock(tickersLock);
        auto found = tickers.find(id);
        if (found == tickers.end()) {
            return false;
        }
        stopped.push_back(std::move(found->second));
        tickers.erase(found);
    }
    stopAll(stopped);
    return true;
}

}  // namespace Forms
}  // namespace Vesk
