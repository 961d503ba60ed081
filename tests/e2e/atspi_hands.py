"""What the AT-SPI sessions share: waiting while the bus's events arrive, and the learner's
hands on the real X server (xdotool), at board coordinates from the board's screen corner."""
import subprocess
import time

from gi.repository import GLib


def pump(seconds):
    """Lets events arrive while waiting."""
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


class Hands:
    def __init__(self, x, y):
        self.x, self.y = x, y

    @staticmethod
    def xdotool(*args):
        subprocess.run(["xdotool", *map(str, args)], check=True)
        time.sleep(0.1)

    def drag(self, x1, y1, x2, y2):
        self.xdotool("mousemove", self.x + x1, self.y + y1)
        self.xdotool("mousedown", 1)
        for step in range(1, 5):
            self.xdotool("mousemove", self.x + x1 + (x2 - x1) * step // 4,
                         self.y + y1 + (y2 - y1) * step // 4)
        self.xdotool("mouseup", 1)
        pump(0.2)

    def click(self, x, y):
        self.xdotool("mousemove", self.x + x, self.y + y)
        self.xdotool("click", 1)
        pump(0.2)
