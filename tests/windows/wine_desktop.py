"""The Windows program under Wine, against the Linux program, on bare X
screens (Xvfb without a window manager, where windows sit exactly where their
programs put them): the same keys are typed into both, and the Windows
program must show the Linux program's pictures at the same places. Wine draws
the Windows program's windows; xdotool finds them by title and drives them;
the screen's pixels are read. Everything waits with a time-out. (Saving into a
folder with a Thai name is tested inside the program, under Wine: xdotool
cannot type Thai into Wine.)

    wine_desktop.py CURVISTA_EXE LINUX_CURVISTA
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "blackbox"))
from desktop import Desktop, Failure, run, wait_for  # noqa: E402

PANEL = "BCV"
# Windows names a window without a title after the program.
UNTITLED = ("", "Curvista")
# In Thai, or in English where Wine's language is English.
LINEAR = ("เขียนกราฟเส้นตรง", "Draw a straight line")
PARABOLA = ("เขียนกราฟพาราโบลา", "Draw a parabola")
ERROR = "Curvista"
SPLASH_SIZE = (465, 182)
GRAPH_SIZE = (467, 467)
# Inside the graph window: the axis letters and the address are text, which
# Windows and Linux draw with different font engines, and the one-pixel border
# is the system's window-frame color; everything else is the program's own
# drawing and must match. (The splash and the panel's icon hold text too:
# their places are compared, not their pixels.)
GRAPH_TEXT = [(217, 1, 9, 17), (217, 449, 17, 17), (9, 217, 17, 17), (449, 217, 9, 17), (353, 449, 113, 17),
              (0, 0, 467, 1), (0, 466, 467, 1), (0, 0, 1, 467), (466, 0, 1, 467)]


class Screen:
    """One program on its own bare X screen."""

    def __init__(self, desktop, command, env):
        self.desktop = desktop
        self.process = subprocess.Popen(command, env=dict(desktop.env, **env), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE, text=True)

    def xdotool(self, *arguments, check=True):
        return run("xdotool", *arguments, env=self.desktop.env, check=check)

    def windows(self, title):
        """(id, x, y, width, height) of each visible window with the title."""
        found = []
        for window in self.xdotool("search", "--onlyvisible", "--name", f"^{title}$", check=False).split():
            shell = dict(line.split("=", 1) for line in
                         self.xdotool("getwindowgeometry", "--shell", window, check=False).splitlines() if "=" in line)
            if shell:
                found.append((window, int(shell["X"]), int(shell["Y"]), int(shell["WIDTH"]), int(shell["HEIGHT"])))
        return found

    def window(self, title, size=None, other_than=()):
        """The window with the title (any of several), of the size or not of the sizes."""
        titles = title if isinstance(title, tuple) else (title,)

        def shown():
            if self.process.poll() is not None:
                raise Failure(f"the program exited with {self.process.returncode}: {self.process.stderr.read()}")
            return next((w for t in titles for w in self.windows(t)
                         if (size is None or w[3:] == size) and w[3:] not in other_than), None)
        return wait_for(shown, f"the window {title!r}", timeout=60)

    def gone(self, window):
        wait_for(lambda: window[0] not in self.xdotool("search", "--onlyvisible", "--name", ".*", check=False).split(),
                 "the window to close", timeout=60)

    def grab(self, window, area=None):
        """The window's pixels (or an area of it; without a window, of the
        screen) as raw RGB bytes, with its size."""
        _, x, y, width, height = window or (None, 0, 0, 0, 0)
        left, top, width, height = area or (0, 0, width, height)
        pixels = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x + left}+{y + top}",
                                 "+repage", "-depth", "8", "rgb:-"], env=self.desktop.env, check=True,
                                capture_output=True).stdout
        return width, height, pixels

    def focus(self, window):
        # No window manager: the pointer's window takes the keys.
        self.xdotool("mousemove", "--window", window[0], "1", "1", "windowfocus", "--sync", window[0])

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", "--delay", "40", *keys)

    def type(self, text):
        # One key at a time: Wine misses keys typed in a burst.
        for character in text:
            self.xdotool("type", "--delay", "40", "--", character)

    def click(self, window, point):
        self.xdotool("mousemove", "--window", window[0], str(point[0]), str(point[1]), "click", "1")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def masked(picture, areas):
    """The picture with the areas blanked out."""
    width, height, pixels = picture
    pixels = bytearray(pixels)
    for left, top, area_width, area_height in areas:
        for row in range(top, top + area_height):
            start = (row * width + left) * 3
            pixels[start:start + area_width * 3] = bytes(area_width * 3)
    return width, height, bytes(pixels)


def differing(picture, expected):
    """How many pixels differ."""
    if picture[:2] != expected[:2]:
        return picture[0] * picture[1]
    return sum(1 for index in range(0, len(picture[2]), 3) if picture[2][index:index + 3] != expected[2][index:index + 3])


def press_panel_button(screen, panel, top):
    """Clicks a panel button by its place in the design's client area, which
    starts below the menu bar, whose height is the style's."""
    client_top = 166 - panel[2]
    screen.click(panel, (8 + 60, client_top + top + 12))


def session(screen, record):
    """The user's steps. record(name, picture) keeps or checks each picture,
    which the step waits for when it checks (a drawing lands at once, but
    the screen takes its time)."""
    splash = screen.window(UNTITLED, SPLASH_SIZE)
    record("splash place", splash[1:])
    panel = screen.window(PANEL)
    graph = screen.window(UNTITLED, GRAPH_SIZE)
    screen.gone(splash)
    record("graph place", graph[1:])
    record("panel's left edge", panel[1])
    graph_picture = lambda: masked(screen.grab(graph), GRAPH_TEXT)  # noqa: E731
    record("grid", graph_picture)

    # Each picture is taken once its dialog is closed: Wine frames a dialog
    # itself, so an open one covers the graph differently than on Linux.
    press_panel_button(screen, panel, 48)
    linear = screen.window(LINEAR)
    screen.focus(linear)
    # A box keeps its value when the focus leaves it: Tab out of each box,
    # then Enter on the focused draw button; the close button is next.
    screen.key("ctrl+a")
    screen.type("2")
    screen.key("Tab")
    screen.type("5")
    screen.key("Tab", "Return", "Tab", "space")
    screen.gone(linear)
    record("y = 2x + 5", graph_picture)

    press_panel_button(screen, panel, 48)
    linear = screen.window(LINEAR)
    screen.focus(linear)
    screen.key("ctrl+a")
    screen.type("1e37")
    screen.key("Tab", "Tab", "Return")
    error = screen.window(ERROR, other_than=(SPLASH_SIZE, GRAPH_SIZE))
    screen.focus(error)
    screen.key("Return")
    screen.gone(error)
    screen.focus(linear)
    screen.key("shift+Tab", "shift+Tab")
    screen.type("0.5")
    screen.key("Tab", "Tab", "Return", "Tab", "space")
    screen.gone(linear)
    record("after an error, y = 0.5x + 10", graph_picture)

    press_panel_button(screen, panel, 80)
    parabola = screen.window(PARABOLA)
    screen.focus(parabola)
    screen.key("ctrl+a")
    screen.type("0.1")
    screen.key("Tab")
    screen.type("-2")
    screen.key("Tab")
    screen.type("-20")
    # After the c box come the close button, then the draw button.
    screen.key("Tab", "Tab", "Return", "shift+Tab", "space")
    screen.gone(parabola)
    record("then y = 0.1x² - 2x - 20", graph_picture)


def main(windows_program, linux_program):
    expected = {}

    def keep(name, picture):
        expected[name] = picture() if callable(picture) else picture

    with Desktop(window_manager=False, accessibility=False) as desktop:
        linux = Screen(desktop, [linux_program], {})
        try:
            session(linux, keep)
        finally:
            linux.stop()

    failures = []

    def check(name, picture):
        want = expected[name]
        problem = None
        if callable(picture):
            try:
                wait_for(lambda: differing(picture(), want) == 0, name, timeout=30)
            except Failure:
                problem = f"{differing(picture(), want)} pixels differ from the Linux program's"
        elif picture != want:
            problem = f"{picture} on Windows, {want} on Linux"
        if problem:
            failures.append(f"{name}: {problem}")
        print(f"{'FAIL' if problem else 'ok  '} {name}", flush=True)

    with Desktop(window_manager=False, accessibility=False) as desktop:
        windows = Screen(desktop, ["wine", windows_program], {})
        try:
            session(windows, check)
            panel = windows.window(PANEL)
            windows.click(panel, (64, (166 - panel[2]) // 2))  # "Exit" on the menu bar
            status = wait_for(lambda: windows.process.poll() is not None and (windows.process.returncode,),
                              "the program to end after Exit", timeout=60)
            if status != (0,):
                failures.append(f"exit status {status[0]}")
            else:
                print("ok   Exit ends the program", flush=True)
        finally:
            windows.stop()

    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
