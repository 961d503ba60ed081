// One edit of the board as the undo history keeps it: only what changed. Parts by their
// number (a part that comes or goes is shown or hidden, never renumbered: numbers are never
// reused), and for the stacking order, the junctions, the wires and the notes the stretch of
// each list that differs. A step applies forward (redo) or backward (undo) to the board it was
// taken from, or to that board with parts hidden by earlier undos beside it.
#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "files/board_document.h"

namespace cw {

// The stretch of a list that an edit replaced: from `at`, `removed` became `inserted`.
template <typename T>
struct Splice {
    size_t at = 0;
    std::vector<T> removed, inserted;
    bool Empty() const { return removed.empty() && inserted.empty(); }
};

struct PartChange {
    int number = 0;
    std::optional<SavedPart> before, after;  // none: not on the board (never placed, or undone)
};

class BoardStep {
  public:
    BoardStep(const BoardDocument& before, const BoardDocument& after);

    bool Empty() const;
    // The board with the step done (forward) or undone.
    BoardDocument Apply(const BoardDocument& board, bool forward) const;
    // What the step did, in the learner's words: "Delete Bulb 2", "Add Wire".
    QString Text() const;
    // The step moved one part and did nothing else: that part's number, else 0.
    int MovedOnly() const;
    // Folds the next step into this one (a run of moves of one part).
    void Merge(const BoardStep& next);
    // The memory the step holds.
    size_t Bytes() const;

  private:
    std::vector<PartChange> parts_;
    Splice<int> stacking_;  // part numbers, bottom of the stack first
    Splice<JunctionRow> junctions_;
    Splice<WireRow> wires_;
    Splice<QPolygonF> notes_;
    // The task and the answers, before and after, when the step changed them.
    struct TaskChange {
        std::optional<Task> before, after;
        std::vector<TaskAnswer> answersBefore, answersAfter;
    };
    std::optional<TaskChange> task_;
};

}  // namespace cw
