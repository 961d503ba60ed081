"""The task panel as a screen reader reads it, over AT-SPI (run by task_session.sh with the
program up on the task "Light the Bulb": cell 1 at (120, 150), bulb 2 at (330, 150), unwired).
Check (F5) first: the goal is crossed with the circuit's hint. Then the circuit is wired with the
mouse and checked again: the goal is ticked.

    task_check.py <board x> <board y>
"""
import sys

import pyatspi
from atspi_hands import Hands, pump

X, Y = int(sys.argv[1]), int(sys.argv[2])
failures = []


def check(what, ok, got):
    print(f"{'ok  ' if ok else 'FAIL'} {what}: {got!r}")
    if not ok:
        failures.append(what)


def xdotool(*args):
    Hands.xdotool(*args)
    pump(0.2)


drag = Hands(X, Y).drag


def find(node, name, role, depth=0):
    if node is None or depth > 12:
        return None
    if node.name == name and node.getRole() == role:
        return node
    for c in node:
        found = find(c, name, role, depth + 1)
        if found is not None:
            return found
    return None


def goals():
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Circuit Workbench":
                found = find(app, "Goals", pyatspi.ROLE_LIST)
                if found is not None:
                    return found
        pump(0.2)
    sys.exit("FAIL the task's goals never appeared on the accessibility bus")


def first_goal(starts):
    """The first goal's line, once it starts so (or as it stands after a few seconds)."""
    name = ""
    for _ in range(25):
        pump(0.2)
        items = [c for c in goals() if c is not None and c.getRole() == pyatspi.ROLE_LIST_ITEM]
        name = items[0].name if items else ""
        if name.startswith(starts):
            break
    return name


goal = first_goal("\u2022")
check("the goal before Check", goal.startswith("\u2022 Bulb 2 is lit"), goal)
xdotool("mousemove", X + 300, Y + 400)
xdotool("key", "F5")
goal = first_goal("\u2718")
check("a cross and the circuit's hint", goal.startswith("\u2718 Bulb 2 is lit") and
      "Bulb 2 is dark: not in a closed loop." in goal, goal)

xdotool("key", "l")  # the line tool
drag(213, 195, 327, 225)  # the cell's - to the bulb's +
drag(117, 195, 423, 225)  # the cell's + to the bulb's -
xdotool("key", "F5")
goal = first_goal("\u2714")
check("a tick once the bulb is lit", goal.startswith("\u2714 Bulb 2 is lit"), goal)

sys.exit(1 if failures else 0)
