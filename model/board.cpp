#include "model/board.h"

#include <algorithm>

namespace cw {

int16_t Board::ValueOf(int k) const {
    if (k < 0 || k > LastValue()) return 0;
    return ValueTable[k];
}

bool TaskRules::Locked(int k) const {
    return std::binary_search(locked.begin(), locked.end(), k);
}
bool TaskRules::Hidden(int k) const {
    return std::binary_search(hidden.begin(), hidden.end(), k);
}

Guess Predictions::Of(int k) const {
    const auto at =
        std::lower_bound(guesses.begin(), guesses.end(), std::pair<int32_t, Guess>{k, Guess::None});
    return at != guesses.end() && at->first == k ? at->second : Guess::None;
}

void Predictions::Set(int k, Guess g) {
    auto at =
        std::lower_bound(guesses.begin(), guesses.end(), std::pair<int32_t, Guess>{k, Guess::None});
    if (at != guesses.end() && at->first == k) {
        at->second = g;
    } else {
        guesses.insert(at, {k, g});
    }
}

int AddedParts(const Board& board, Kind kind) {
    int added = 0;
    for (int i = 1; i <= board.PlacedCount(kind); ++i) {
        const ComponentElement& e = board.At(kind, i);
        added += e.Visible && e.Tag >= board.Rules.firstAdded;
    }
    return added;
}

int PartsLeft(const Board& board, Kind kind) {
    const int allowed = board.Rules.allowance[static_cast<size_t>(KindIndex(kind))];
    if (allowed == TaskRules::kNoLimit || !board.Rules.enforced) return TaskRules::kNoLimit;
    return std::max(0, allowed - AddedParts(board, kind));
}

bool MayChange(const Board& board, int k) {
    return !board.Rules.enforced || !board.Rules.Locked(k);
}

void StackOnTop(Board& board, Kind kind, int i) {
    Unstack(board, kind, i);
    board.Stack.push_back({kind, i});
}

void Unstack(Board& board, Kind kind, int i) {
    const auto at = std::find(board.Stack.begin(), board.Stack.end(), ElementRef{kind, i});
    if (at != board.Stack.end()) board.Stack.erase(at);
}

void ResetBoard(Board& board) {
    board = Board{};
    for (ComponentArray& array : board.arrays) array.assign(1, ComponentElement{});
}

}  // namespace cw
