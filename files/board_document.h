// A board as a file keeps it: the placed parts with their numbers, places and values, the
// wires by their NodeIds, the junctions, the learner's notes and the size of the board it was
// drawn on, and a task when a teacher set one. Bulb values are not kept; opening solves.
#pragma once

#include <QPolygonF>
#include <cstdint>
#include <optional>
#include <vector>

#include "files/task.h"
#include "model/board.h"

namespace cw {

struct SavedPart {
    Kind kind = Kind::Cell;
    int number = 0;
    int16_t left = 0, top = 0;
    bool deleted = false;  // deleted parts keep their number, so later numbers stay as they were
    int16_t value = 0;     // a switch's state, a resistor's ohms; 0 for cells and bulbs
    friend bool operator==(const SavedPart&, const SavedPart&) = default;
};

struct BoardDocument {
    int width = 0, height = 0;     // the window's inner size when it was drawn
    std::vector<SavedPart> parts;  // bottom of the stack first
    int nextNumber = 1;
    std::vector<JunctionRow> junctions;  // junction j is row j - 1
    std::vector<WireRow> wires;
    std::vector<QPolygonF> notes;
    // A task a teacher set, and the learner's typed answers to its goals.
    std::optional<Task> task;
    std::vector<TaskAnswer> answers;

    friend bool operator==(const BoardDocument& a, const BoardDocument& b);
    // The same circuit and notes, wherever the board was drawn.
    bool SameContent(const BoardDocument& other) const;
};

}  // namespace cw
