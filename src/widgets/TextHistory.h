#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "widgets/TextLines.h"

namespace Vesk {
namespace Forms {
namespace detail {

// One edit of a text area: at `from`, `removed` gave way to `inserted`;
// the caret stood at `before` and went to `after`.
struct TextStep {
    TextPlace from;
    std::string removed;
    std::string inserted;
    TextPlace before;
    TextPlace after;
};

// The undo and redo steps of a text area, the oldest dropped past `Most`.
// Typed characters that follow each other make one step.
class TextHistory {
public:
    static constexpr std::size_t Most = 100;

    // Records an edit; a typed one (`typing`) right where the run before it
    // ended joins that run's step. Empties the redo steps.
    void record(TextStep step, bool typing);
    // Ends the run of typing, so the next typed character starts a step.
    void breakRun() { run = false; }
    void clear();

    bool canUndo() const { return !undone.empty(); }
    bool canRedo() const { return !redone.empty(); }
    // Takes the step to undo and keeps it for redo.
    const TextStep& undo();
    // Takes the step to redo and keeps it for undo.
    const TextStep& redo();

private:
    std::deque<TextStep> undone;
    std::vector<TextStep> redone;
    bool run = false;
};

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
