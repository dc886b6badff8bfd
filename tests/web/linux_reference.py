"""What the Linux program shows, for the browser tests to compare against.
Runs the Linux build on a bare X screen (no window manager: each window sits
exactly where the program puts it, as in the page), and writes into OUT:
the graph window's client area as the screen shows it after start-up
(grid.png) and after the linear dialog's Enter drew its line (line.png, the dialog closed again), and
where the windows and the controls the browser test presses are
(places.json), and how long the grid took to show (startSeconds).

Usage: dbus-run-session -- python3 linux_reference.py PROGRAM OUT
"""

import json
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "blackbox"))

from desktop import Desktop, Program, extents, run, wait_for  # noqa: E402

PANEL = "BCV"
LINEAR = "เขียนกราฟเส้นตรง"
LINEAR_BUTTON = "กราฟเส้นตรง"
CLOSE = "ปิดหน้าต่างนี้"
BLACK = (0, 0, 0)


class Screen(Desktop):
    """The bare screen, on the X display CURVISTA_X_DISPLAY names when a
    machine shares its display numbers out, else on any free one."""

    def __enter__(self):
        display = os.environ.get("CURVISTA_X_DISPLAY")
        if not display:
            return super().__enter__()
        self._spawn(["Xvfb", display, "-screen", "0", f"{self.size[0]}x{self.size[1]}x24", "-nolisten", "tcp"])
        self.env["DISPLAY"] = display
        wait_for(lambda: run("xdpyinfo", env=self.env, check=False), f"Xvfb on {display}")
        if self.accessibility:
            self._start_accessibility_bus()
        return self


def client(program, title):
    return extents(program.window(title).getChildAtIndex(0))


def save_client(program, title, path):
    x, y, width, height = client(program, title)
    run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage", "-depth", "8",
        f"PNG24:{path}", env=program.desktop.env)


def main(executable, out):
    os.makedirs(out, exist_ok=True)
    with Screen(window_manager=False) as desktop:
        started = time.monotonic()
        program = Program(desktop, executable)
        try:
            program.window(PANEL)
            graph = client(program, "")
            wait_for(lambda: any(BLACK in row for row in program.pixels("")), "the grid")
            # For the start-up budget's note, not a test: the splash included.
            start_seconds = round(time.monotonic() - started, 2)
            save_client(program, "", os.path.join(out, "grid.png"))
            grid_black = sum(row.count(BLACK) for row in program.pixels(""))
            panel = client(program, PANEL)
            button = extents(program.control(PANEL, LINEAR_BUTTON, "push button"))
            program.click(program.control(PANEL, LINEAR_BUTTON, "push button"))
            program.window(LINEAR)
            linear = client(program, LINEAR)
            program.key("Return")
            wait_for(lambda: sum(row.count(BLACK) for row in program.pixels("")) > grid_black, "the line")
            # The dialog covers part of the graph: closed, the whole graph shows.
            close = extents(program.control(LINEAR, CLOSE, "push button"))
            program.click(program.control(LINEAR, CLOSE, "push button"))
            wait_for(lambda: LINEAR not in program.windows(), "the linear dialog to close")
            save_client(program, "", os.path.join(out, "line.png"))
        finally:
            program.stop()
    with open(os.path.join(out, "places.json"), "w", encoding="utf-8") as places:
        json.dump({"graph": graph, "panel": panel, "linearButton": button, "linear": linear, "close": close,
                   "startSeconds": start_seconds}, places, indent=1)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
