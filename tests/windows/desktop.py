"""The Windows program under Wine, against the Linux program, on bare X
screens (Xvfb without a window manager, where windows sit exactly where their
programs put them): the same keys are typed into both, and the Windows
program must show the Linux program's pictures at the same places. Wine draws
the Windows program's windows; xdotool finds them by title and drives them;
the screen's pixels are read. Everything waits with a time-out.

    desktop.py CURVISTA_EXE LINUX_CURVISTA
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "blackbox"))
from desktop import Desktop, Failure, run, wait_for  # noqa: E402

PANEL = "BCV"
LINEAR = "เขียนกราฟเส้นตรง"
PARABOLA = "เขียนกราฟพาราโบลา"
ERROR = "Curvista"
SPLASH_SIZE = (465, 182)
GRAPH_SIZE = (467, 467)
# Inside the graph window (its one-pixel border included): the axis letters
# and the address are text, which Windows and Linux draw with different font
# engines; everything else is the program's own drawing and must match.
GRAPH_TEXT = [(217, 1, 9, 17), (217, 449, 17, 17), (9, 217, 17, 17), (449, 217, 9, 17), (353, 449, 113, 17)]
SPLASH_BANNER = (1, 1, 464, 150)
PANEL_ICON = (8, 8, 32, 32)
PARABOLA_BUTTON = (8 + 60, 80 + 12)


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

    def window(self, title, size=None):
        def shown():
            if self.process.poll() is not None:
                raise Failure(f"the program exited with {self.process.returncode}: {self.process.stderr.read()}")
            return next((w for w in self.windows(title) if size is None or w[3:] == size), None)
        return wait_for(shown, f"the window {title!r}", timeout=60)

    def gone(self, title):
        wait_for(lambda: not self.windows(title), f"the window {title!r} to close", timeout=60)

    def grab(self, window, area=None):
        """The window's pixels (or an area of it) as raw RGB bytes, with its size."""
        _, x, y, width, height = window
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

    def paste(self, text):
        """Pastes text through the clipboard: xdotool cannot type Thai into Wine."""
        subprocess.run(["xclip", "-selection", "clipboard"], input=text.encode(), env=self.desktop.env, check=True)
        self.key("ctrl+v")

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


def session(screen, record):
    """The user's steps. record(name, picture) keeps or checks each picture,
    which the step waits for when it checks (a drawing lands at once, but
    the screen takes its time)."""
    splash = screen.window("", SPLASH_SIZE)
    record("splash place", splash[1:])
    record("splash banner", lambda: screen.grab(splash, SPLASH_BANNER))
    panel = screen.window(PANEL)
    graph = screen.window("", GRAPH_SIZE)
    wait_for(lambda: all(w[3:] != SPLASH_SIZE for w in screen.windows("")), "the splash to close", timeout=60)
    record("panel place", panel[1:])
    record("graph place", graph[1:])
    record("panel icon", lambda: screen.grab(panel, PANEL_ICON))
    graph_picture = lambda: masked(screen.grab(graph), GRAPH_TEXT)  # noqa: E731
    record("grid", graph_picture)

    screen.focus(panel)
    screen.key("space")  # the line button has the focus
    linear = screen.window(LINEAR)
    screen.focus(linear)
    screen.key("ctrl+a")
    screen.type("2")
    screen.key("Tab")
    screen.type("5")
    screen.key("Return")
    record("y = 2x + 5", graph_picture)

    screen.key("shift+Tab")
    screen.type("1e37")
    screen.key("Return")
    error = screen.window(ERROR)
    screen.focus(error)
    screen.key("Return")
    screen.gone(ERROR)
    screen.focus(linear)
    screen.key("ctrl+a")
    screen.type("0.5")
    screen.key("Return")
    record("then y = 0.5x + 5", graph_picture)

    screen.click(panel, PARABOLA_BUTTON)
    parabola = screen.window(PARABOLA)
    screen.focus(parabola)
    screen.key("ctrl+a")
    screen.type("0.1")
    screen.key("Tab")
    screen.type("-2")
    screen.key("Tab")
    screen.type("-20")
    screen.key("Return")
    record("then y = 0.1x² - 2x - 20", graph_picture)
    return graph


def save_into_thai_folder(screen, graph, folder):
    """Ctrl+S on the graph, the path pasted into the save dialog."""
    target = os.path.join(folder, "กราฟ", "graph.png")
    os.makedirs(os.path.dirname(target))
    screen.click(graph, (100, 100))
    screen.focus(graph)
    screen.key("ctrl+s")
    wait_for(lambda: screen.xdotool("getactivewindow", check=False) not in ("", graph[0]), "the save dialog")
    windows_path = run("winepath", "-w", target, env=screen.desktop.env)
    screen.paste(windows_path)
    screen.key("Return")
    wait_for(lambda: os.path.exists(target) and os.path.getsize(target) > 0, f"the picture saved as {target}")
    with open(target, "rb") as picture:
        if picture.read(8) != b"\x89PNG\r\n\x1a\n":
            raise Failure("the saved file is not a PNG")


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

    with Desktop(window_manager=False, accessibility=False) as desktop, tempfile.TemporaryDirectory() as folder:
        windows = Screen(desktop, ["wine", windows_program], {})
        try:
            graph = session(windows, check)
            save_into_thai_folder(windows, graph, folder)
            print("ok   saved into a folder named กราฟ", flush=True)
            panel = windows.window(PANEL)
            windows.focus(panel)
            windows.key("alt+x")
            status = wait_for(lambda: windows.process.poll() is not None and (windows.process.returncode,),
                              "the program to end after Alt+X", timeout=60)
            if status != (0,):
                failures.append(f"exit status {status[0]}")
            else:
                print("ok   Alt+X ends the program", flush=True)
        finally:
            windows.stop()

    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
