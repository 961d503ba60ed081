// Every kind of part in one table that every layer reads: what a circuit file calls it, where
// its terminals sit, what it does in the circuit, its value when new and what a click with the
// line tool does to it, and which painter draws it (the painters are listed in the same order).
// Adding a kind is a row here, a painter and its texts, each listed in kind order and checked
// against this table's length when the program is built; a new electrical role also needs its
// stamp in the solver.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "model/board.h"
#include "model/part_values.h"

namespace cw {

// What a part does in the circuit.
enum class Role : uint8_t {
    Source,      // a cell: kCellVolts behind kCellOhms, its first terminal positive
    Resistance,  // its ValueTable entry in ohms (0 joins its terminals)
    Switch,      // closed (kSwitchClosed) joins its terminals; open, it is not there
    Lamp,        // kBulbOhms; the solver stores |floor(100 I)| in its ValueTable entry
    Ammeter,     // an ideal ammeter: joins its terminals, reads the current entering at +
    Voltmeter,   // an ideal voltmeter: draws nothing, reads V(+) - V(-)
    Fuse,        // intact (entry > 0, its rating in mA) joins its terminals; blown, it is open
};

// Where its two terminals sit, on its left and right sides.
enum class TerminalHeight : uint8_t {
    Middle,      // halfway down
    NearBottom,  // low down, where a bulb's base is
};

// What its stored value is in a circuit file.
enum class FileValue : uint8_t {
    None,    // nothing kept: the solver or the kind alone decides it
    Closed,  // "closed": true or false
    Ohms,    // "ohms": one of the values a click steps through
    Fuse,    // "rating" in amperes, one a click steps through, and "blown": true or false
};

struct KindInfo {
    Kind kind;
    std::string_view fileName;  // in circuit files
    Role role;
    TerminalHeight terminals;
    FileValue fileValue;
    int16_t newValue;  // the ValueTable entry of a part just placed
    // Its symbol shows a new part's value as no unplaced copy does (a resistor's bands): it is
    // repainted as it is placed.
    bool showsNewValue;
    // What a click with the line tool makes of its value; none: a click does not act on it.
    int16_t (*click)(int16_t value);
    // The values a click steps it through, from a new part's on (a file may hold only these
    // where it keeps a value).
    std::span<const int16_t> steps;
    // The first circuit file version that holds it.
    int fileVersion = 1;
};

namespace kinds {

constexpr int16_t ToggleSwitch(int16_t value) {
    return value == kSwitchClosed ? kSwitchOpen : kSwitchClosed;
}
// Each click doubles it; past the largest it goes back to the smallest. A negative entry, which
// no click makes, stays within 16 bits.
constexpr int16_t StepResistor(int16_t value) {
    const int doubled = 2 * value;
    return doubled > kLargestResistorOhms
               ? kSmallestResistorOhms
               : static_cast<int16_t>(doubled < -32768 ? -32768 : doubled);
}
inline constexpr std::array<int16_t, 2> kSwitchSteps = {kSwitchOpen, kSwitchClosed};
inline constexpr std::array<int16_t, 3> kResistorSteps = {kNewResistorOhms, kLargestResistorOhms,
                                                          kSmallestResistorOhms};
// An intact fuse steps its rating as a resistor steps its ohms; a blown one is replaced by an
// intact one of its rating.
constexpr int16_t StepFuse(int16_t value) {
    if (value < 0) return static_cast<int16_t>(value == -32768 ? 32767 : -value);
    const int doubled = 2 * value;
    return doubled > kLargestFuseMilliamps ? kSmallestFuseMilliamps : static_cast<int16_t>(doubled);
}
inline constexpr std::array<int16_t, 3> kFuseSteps = {kNewFuseMilliamps, kLargestFuseMilliamps,
                                                      kSmallestFuseMilliamps};

}  // namespace kinds

// In the order of Kind, which is the order every search visits the arrays.
inline constexpr std::array<KindInfo, kKinds.size()> kKindTable = {{
    {Kind::Cell,
     "cell",
     Role::Source,
     TerminalHeight::Middle,
     FileValue::None,
     0,
     false,
     nullptr,
     {}},
    {Kind::Swit, "switch", Role::Switch, TerminalHeight::Middle, FileValue::Closed, kSwitchOpen,
     false, &kinds::ToggleSwitch, kinds::kSwitchSteps},
    {Kind::Resi, "resistor", Role::Resistance, TerminalHeight::Middle, FileValue::Ohms,
     kNewResistorOhms, true, &kinds::StepResistor, kinds::kResistorSteps},
    {Kind::Light,
     "bulb",
     Role::Lamp,
     TerminalHeight::NearBottom,
     FileValue::None,
     0,
     false,
     nullptr,
     {}},
    {Kind::Ammeter,
     "ammeter",
     Role::Ammeter,
     TerminalHeight::Middle,
     FileValue::None,
     0,
     false,
     nullptr,
     {},
     2},
    {Kind::Voltmeter,
     "voltmeter",
     Role::Voltmeter,
     TerminalHeight::Middle,
     FileValue::None,
     kNoReading,  // joined to nothing yet
     true,
     nullptr,
     {},
     2},
    {Kind::Fuse, "fuse", Role::Fuse, TerminalHeight::Middle, FileValue::Fuse, kNewFuseMilliamps,
     true, &kinds::StepFuse, kinds::kFuseSteps, 2},
}};
static_assert(kKindTable.size() == kKinds.size());

constexpr const KindInfo& Info(Kind kind) {
    return kKindTable[static_cast<size_t>(KindIndex(kind))];
}

// A click with the line tool acts on it (a switch toggles, a resistor steps).
constexpr bool ClickActs(Kind kind) {
    return Info(kind).click != nullptr;
}

// The kind a circuit file names so; none for a name no kind has.
constexpr std::optional<Kind> KindNamed(std::string_view fileName) {
    for (const KindInfo& info : kKindTable) {
        if (info.fileName == fileName) return info.kind;
    }
    return std::nullopt;
}

// The kind whose parts are the bulbs the solver lights: their array is the one SolveResult
// follows, element by element.
constexpr Kind LampKind() {
    for (const KindInfo& info : kKindTable) {
        if (info.role == Role::Lamp) return info.kind;
    }
    return Kind::Light;
}
static_assert(Info(LampKind()).role == Role::Lamp, "one kind is the bulbs");

// The kinds the palette strip offers, left to right.
inline constexpr std::array<Kind, 4> kStripKinds = {Kind::Cell, Kind::Swit, Kind::Resi,
                                                    Kind::Light};
// The kinds the bar of extra parts offers, left to right.
inline constexpr std::array<Kind, 3> kBarKinds = {Kind::Ammeter, Kind::Voltmeter, Kind::Fuse};

constexpr bool OnStrip(Kind kind) {
    for (Kind k : kStripKinds) {
        if (k == kind) return true;
    }
    return false;
}

// A task may hide its value for the learner to find: a cell's volts, a resistor's ohms.
constexpr bool HidesValue(Kind kind) {
    return Info(kind).role == Role::Source || Info(kind).role == Role::Resistance;
}

// Meters show a reading on their face; the circuit solved anew, they are painted anew.
constexpr bool IsMeter(Kind kind) {
    return Info(kind).role == Role::Ammeter || Info(kind).role == Role::Voltmeter;
}
// Its picture follows the solve: a meter's reading, a fuse that blows.
constexpr bool ShowsSolve(Kind kind) {
    return IsMeter(kind) || Info(kind).role == Role::Fuse;
}

}  // namespace cw
