"""What a screen reader finds in the running program, read over AT-SPI (run by
accessibility_session.sh with the program already up): the names, roles and states of the
controls, then a bulb's description as a cell-and-bulb loop is built with xdotool and a wire
of it deleted, and the description-changed event that tells the reader so; a switch pressed,
and an ammeter picked up from the bar of meters and fuses.

    accessibility_check.py <window x> <window y>
"""
import sys

import pyatspi
from atspi_hands import Hands, pump

X, Y = int(sys.argv[1]), int(sys.argv[2])
failures = []


def check(what, got, want):
    if got == want:
        print(f"ok   {what}: {got!r}")
    else:
        print(f"FAIL {what}: {got!r}, expected {want!r}")
        failures.append(what)


def find_window():
    """The circuit window: beside the menu bar in the program's main window."""
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Circuit Workbench" and app.childCount:
                for c in app[0]:
                    if c is not None and any(g is not None and g.name == "Board" for g in c):
                        return c
        pump(0.2)
    sys.exit("FAIL the program never appeared on the accessibility bus")


def child(window, name):
    for c in window:
        if c.name == name:
            return c
    return None


def wait_for_description(window, name, want):
    got = None
    for _ in range(50):
        part = child(window, name)
        got = part.description if part else None
        if got == want:
            break
        pump(0.1)
    check(f"{name} description", got, want)


hands = Hands(X, Y)
xdotool, drag, click = hands.xdotool, hands.drag, hands.click


window = find_window()
controls = list(window)
names = [c.name for c in controls]
check("controls", names, ["Battery cell", "Switch", "Resistor", "Bulb", "Line tool",
                          "Pencil tool", "Delete tool", "Board"])
buttons = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON}
check("palette and tool roles", all(c.getRole() in buttons for c in controls[:7]), True)
check("board role", controls[7].getRoleName(), "canvas")
states = [c.getState() for c in controls[4:7]]
# The tools are checkable in the window's own interface (a window test reads it); Qt 6.4's AT-SPI
# bridge passes on only the checked state.
check("pencil checked at start", [s.contains(pyatspi.STATE_CHECKED) for s in states],
      [False, True, False])

drag(19, 530, 119, 119)    # a cell to (100, 100)
drag(142, 530, 319, 119)   # a bulb to (300, 100)
click(183, 530)            # the line tool
check("line tool checked", window[4].getState().contains(pyatspi.STATE_CHECKED), True)
drag(297, 174, 97, 145)    # bulb's first terminal to the cell's first
drag(393, 174, 193, 145)   # bulb's second to the cell's second
check("parts", [c.name for c in window][7:9], ["Battery cell 1", "Bulb 2"])
wait_for_description(window, "Bulb 2", "lit, 0.136 A, 1.36 V")

heard = []
listener = lambda event: heard.append(event.source.name)
pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-description")
pump(0.5)
click(265, 530)            # the delete tool, on the first wire
click(250, 167)
wait_for_description(window, "Bulb 2", "dark: not in a closed loop, 0.000 A, 0.00 V")
pump(0.5)
check("the reader was told", "Bulb 2" in heard, True)
pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-description")

def menu_item(frame, menu, starts):
    """The name of the first item of a menu of the menu bar that starts so."""
    for bar in frame:
        if bar.getRoleName() != "menu bar":
            continue
        for item in bar:
            if item.name == menu:
                for popup in item:
                    for entry in popup:
                        if entry.name.startswith(starts):
                            return entry.name
    return None


drag(60, 530, 119, 319)    # a switch to (100, 300)
click(183, 530)            # the line tool
switch = child(window, "Switch 3")
actions = switch.queryAction()
press = [i for i in range(actions.nActions) if actions.getName(i).lower() == "press"]
check("the switch can be pressed", len(press), 1)
actions.doAction(press[0])
wait_for_description(window, "Switch 3", "closed, 0.000 A")
pump(0.5)
check("the press is a step to undo", menu_item(window.parent, "Edit", "Undo"),
      "Undo Close Switch 3")

# The bar of meters and fuses: a screen reader's Press on its Ammeter picks one up for the
# keyboard, Return puts it down on the board.
def bar_button(frame, name):
    for bar in frame:
        if bar.getRoleName() == "tool bar":
            for item in bar:
                if item.name == name:
                    return item
    return None


ammeter = bar_button(window.parent, "Ammeter")
check("the bar offers an ammeter", ammeter is not None, True)
if ammeter is not None:
    actions = ammeter.queryAction()
    press = [i for i in range(actions.nActions) if actions.getName(i).lower() == "press"]
    check("the ammeter's button can be pressed", len(press), 1)
    actions.doAction(press[0])
    pump(0.5)
    xdotool("key", "Return")
    pump(0.5)
    check("an ammeter is on the board", child(window, "Ammeter 4") is not None, True)

print("FAILED: " + ", ".join(failures) if failures else "all accessibility checks passed")
sys.exit(1 if failures else 0)
