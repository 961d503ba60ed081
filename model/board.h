// The board model: everything the window knows about the circuit. Plain data with the numbering
// schemes of the board: tables keep a reserved row or element 0 so that the last index equals
// the count, the component arrays keep the template at 0, the placed components at 1..U-1 and
// the palette copy at U. Wires name their ends by NodeId only, so moving a component changes no
// table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace cw {

// The component arrays, in the order every search visits them: the strip's four, then the
// meters, which a board without them never visits.
enum class Kind : int {
    Cell = 0,
    Swit = 1,
    Resi = 2,
    Light = 3,
    Ammeter = 4,
    Voltmeter = 5,
    Fuse = 6
};
inline constexpr std::array<Kind, 7> kKinds = {
    Kind::Cell, Kind::Swit, Kind::Resi, Kind::Light, Kind::Ammeter, Kind::Voltmeter, Kind::Fuse};
inline constexpr int KindIndex(Kind k) {
    return static_cast<int>(k);
}

// What a component control shows the model: its rectangle in window pixels (32-bit floats, as
// the toolkit reports them), whether it is shown, and its ComponentNumber (0 when unplaced).
// Components have no border, so the inner size equals the outer size.
struct ComponentElement {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
    int32_t Tag = 0;
    float ScaleWidth() const { return Width; }
    float ScaleHeight() const { return Height; }
};

struct JunctionRow {
    int16_t x = 0, y = 0;
};

struct WireRow {
    int16_t end[2] = {0, 0};  // column 0: where the gesture started, column 1: where it ended
};

// Side of a component placed on the board.
inline constexpr float kBoardSize = 90.0f;

// A part dragged on the board stops this many pixels short of the window's right edge and of
// the strip (or the window's bottom, for a new part still over the strip).
inline constexpr int kEdgeMargin = 3;

// Limits of the 16-bit numbering: the second terminal 2k of the highest number must fit, and the
// row counters of the two tables must be able to step one past their last row.
inline constexpr int kMaxComponentNumber = 16383;
inline constexpr int kMaxTableRows = 32766;

// NodeIds: 2k-1 and 2k are the terminals of component k, -j is junction j, 0 is no point.
constexpr int16_t FirstTerminal(int k) {
    return static_cast<int16_t>(2 * k - 1);
}
constexpr int16_t SecondTerminal(int k) {
    return static_cast<int16_t>(2 * k);
}
constexpr int ComponentOfTerminal(int n) {
    return (n + 1) / 2;
}  // n > 0
constexpr bool IsSecondTerminal(int n) {
    return n % 2 == 0;
}

using ComponentArray = std::vector<ComponentElement>;

// An element of one of the component arrays.
struct ElementRef {
    Kind kind = Kind::Cell;
    int index = 0;
    friend bool operator==(const ElementRef&, const ElementRef&) = default;
};

// MouseMode: the gesture that is running. Only one runs at a time; every press is ignored
// until it ends.
inline constexpr int16_t kMouseIdle = 0;
inline constexpr int16_t kMouseMoving = 1;         // a placed part follows the pointer
inline constexpr int16_t kMousePlacing = 2;        // a new part is dragged out of the palette
inline constexpr int16_t kMouseBoardGesture = 10;  // a band, or a delete-tool press on the board

// ToolMode: the tool chosen in the strip.
inline constexpr int16_t kToolPencil = 0;
inline constexpr int16_t kToolLine = 1;
inline constexpr int16_t kToolDelete = 2;

// Buttons as the handlers receive them; only the left one starts a gesture.
inline constexpr int kLeftButton = 1;

// What a task a teacher set lets the learner change: parts locked where they are, parts whose
// value is hidden, and how many parts of each kind the learner may add (those numbered from
// firstAdded on are the learner's). Without a task nothing is locked or hidden and parts may be
// added without end.
struct TaskRules {
    static constexpr int kNoLimit = -1;
    std::vector<int32_t> locked, hidden;  // part numbers, ascending
    std::array<int, kKinds.size()> allowance = NoLimits();
    int firstAdded = 1;
    // Off while the teacher edits the task: locks are shown but do not hold.
    bool enforced = true;

    bool Locked(int k) const;
    bool Hidden(int k) const;
    static constexpr std::array<int, kKinds.size()> NoLimits() {
        std::array<int, kKinds.size()> all{};
        all.fill(kNoLimit);
        return all;
    }
    friend bool operator==(const TaskRules&, const TaskRules&) = default;
};

// A learner's prediction of a bulb before the circuit is shown: dark, dim (lit, under
// kBrightFrom hundredths of an ampere) or bright.
enum class Guess : uint8_t { None, Dark, Dim, Bright };
inline constexpr int kBrightFrom = 10;
// What a bulb's stored value shows, in a prediction's words.
constexpr Guess GuessOf(int16_t value) {
    return value <= 0 ? Guess::Dark : value < kBrightFrom ? Guess::Dim : Guess::Bright;
}
// A click steps a prediction dark, dim, bright, dark ...
constexpr Guess NextGuess(Guess g) {
    return g == Guess::Dark ? Guess::Dim : g == Guess::Dim ? Guess::Bright : Guess::Dark;
}

// Predict first: after an edit that changes the circuit its results are veiled (the bulbs'
// glass, the meters' faces, the readings, the current's view) until the learner has predicted
// and asks to see.
struct Predictions {
    bool veiled = false;
    std::vector<std::pair<int32_t, Guess>> guesses;  // by bulb number, ascending

    Guess Of(int k) const;
    void Set(int k, Guess g);
};

struct Board {
    // Interaction fields.
    int16_t AnchorX = 0, AnchorY = 0;
    int16_t RubberX = 0, RubberY = 0;
    int16_t MouseMode = kMouseIdle;
    int16_t ToolMode = kToolPencil;

    std::vector<int16_t> ValueTable{0};
    std::vector<JunctionRow> JunctionTable{JunctionRow{}};
    std::vector<WireRow> WireTable{WireRow{}};

    std::array<ComponentArray, kKinds.size()> arrays{};
    // The elements on the window, bottom of the stack first: each loaded one goes on top, and so
    // does a raised one. The parts' order in a file; the window stacks its controls by it.
    std::vector<ElementRef> Stack;
    TaskRules Rules;
    Predictions Predict;

    ComponentArray& Array(Kind k) { return arrays[KindIndex(k)]; }
    const ComponentArray& Array(Kind k) const { return arrays[KindIndex(k)]; }
    // Upper bound of an array (the palette copy's index); -1 for an array not yet created.
    int UBound(Kind k) const { return static_cast<int>(Array(k).size()) - 1; }
    // The placed elements of a kind are 1..PlacedCount(kind), deleted ones included: the
    // template at 0 and the palette copy at UBound are never counted.
    int PlacedCount(Kind k) const { return UBound(k) > 1 ? UBound(k) - 1 : 0; }
    ComponentElement& At(Kind k, int i) { return Array(k)[i]; }
    const ComponentElement& At(Kind k, int i) const { return Array(k)[i]; }

    int LastValue() const { return static_cast<int>(ValueTable.size()) - 1; }        // N
    int LastJunction() const { return static_cast<int>(JunctionTable.size()) - 1; }  // J
    int LastWire() const { return static_cast<int>(WireTable.size()) - 1; }          // W

    // The ValueTable entry of number k, 0 for a number outside the table.
    int16_t ValueOf(int k) const;
};

// Puts the element on top of the stack (it joins it when not yet in it), or takes it off.
void StackOnTop(Board& board, Kind kind, int i);
void Unstack(Board& board, Kind kind, int i);

// The visible parts of a kind the learner added (numbered from Rules.firstAdded on).
int AddedParts(const Board& board, Kind kind);
// How many more parts of the kind the learner may add; TaskRules::kNoLimit for any number.
int PartsLeft(const Board& board, Kind kind);
// A press may pick the part carrying number k up, click it or delete it.
bool MayChange(const Board& board, int k);

// Resets the board to the state start-up creates: tables with their reserved row only, each
// array holding its template (element 0), fields 0.
void ResetBoard(Board& board);

}  // namespace cw
