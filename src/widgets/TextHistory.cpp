#include "widgets/TextHistory.h"

#include <utility>

namespace Vesk {
namespace Forms {
namespace detail {

void TextHistory::record(TextStep step, bool typing) {
    redone.clear();
    if (typing && run && !undone.empty()) {
        TextStep& last = undone.back();
        if (step.removed.empty() && TextLines::endOf(last.from, last.inserted) == step.from) {
            last.inserted += step.inserted;
            last.after = step.after;
            return;
        }
    }
    undone.push_back(std::move(step));
    if (undone.size() > Most) {
        undone.pop_front();
    }
    run = typing;
}

void TextHistory::clear() {
    undone.clear();
    redone.clear();
    run = false;
}

const TextStep& TextHistory::undo() {
    run = false;
    redone.push_back(std::move(undone.back()));
    undone.pop_back();
    return redone.back();
}

const TextStep& TextHistory::redo() {
    run = false;
    undone.push_back(std::move(redone.back()));
    redone.pop_back();
    return undone.back();
}

}  // namespace detail
}  // namespace Forms
}  // namespace Vesk
