"""What the Linux program shows, for the browser tests to compare against.
Runs the Linux build on a bare X screen (no window manager: each window sits
exactly where the program puts it, as in the page), and writes into OUT:
the graph window's client area as the screen shows it after start-up
(grid.png) and the control panel (panel.png), after the linear dialog's Enter drew its line (line.png) and, in a
second run, after the parabola dialog drew PARABOLA (parabola.png), each with
its dialog closed again; the colour dialog's client area (colours.png); where
the message a number too large for the slope brings shows; where
the windows and the controls the browser test presses are (places.json); and
how long the grid took to show (startSeconds).

A page has no desktop font settings: Qt draws text there unhinted. The Linux
program takes hinting from fontconfig, whose Debian default is slight
hinting, so it runs here with hinting off, as a desktop set so would run it.

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
PARABOLA_BUTTON = "กราฟพาราโบลา"
PARABOLA_DIALOG = "เขียนกราฟพาราโบลา"
# a, b and c as typed, in the dialog's tab order: fractions and a negative,
# so that reading and drawing them must agree with the desktop's arithmetic.
PARABOLA = ["-0.5", "1.5", "3"]
OPTION_MENU = "Option"
COLOURS = "Option"
CANCEL = "ยกเลิก"
COLOUR_BOXES = ["สีแกน x , y", "สีเส้นกริด", "สีเส้นกราฟ", "สีพื้นหลัง"]
OVERFLOW = "1E999"
MESSAGE = "Curvista"
BLACK = (0, 0, 0)
FONT_SETTINGS = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <match target="font">
    <edit name="hinting" mode="assign"><bool>false</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintnone</const></edit>
  </match>
</fontconfig>
"""


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


def save_client(program, title, path, rect=None):
    x, y, width, height = rect or client(program, title)
    run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage", "-depth", "8",
        "-strip", f"PNG24:{path}", env=program.desktop.env)


def black_count(program):
    return sum(row.count(BLACK) for row in program.pixels(""))


def draw(program, button, dialog, keys, close_name, out, picture):
    """Opens a dialog from the panel, draws with its keys, closes it and saves
    the graph; returns where the button, the dialog and its close button are."""
    before = black_count(program)
    places = [extents(program.control(PANEL, button, "push button"))]
    program.click(program.control(PANEL, button, "push button"))
    program.window(dialog)
    places.append(client(program, dialog))
    for key in keys:
        if key.startswith("key:"):
            program.key(key[4:])
        else:
            program.type(key)
    wait_for(lambda: black_count(program) > before, f"the curve from {dialog!r}")
    # The dialog covers part of the graph: closed, the whole graph shows.
    close = program.control(dialog, close_name, "push button")
    places.append(extents(close))
    program.click(close)
    wait_for(lambda: dialog not in program.windows(), f"{dialog!r} to close")
    save_client(program, "", os.path.join(out, picture))
    return places


def main(executable, out):
    os.makedirs(out, exist_ok=True)
    # Whole: fontconfig looks for a relative name in its own folder.
    fonts = os.path.abspath(os.path.join(out, "fonts.conf"))
    with open(fonts, "w", encoding="utf-8") as settings:
        settings.write(FONT_SETTINGS)
    env = {"FONTCONFIG_FILE": fonts}
    places = {}
    with Screen(window_manager=False) as desktop:
        started = time.monotonic()
        program = Program(desktop, executable, extra_env=env)
        try:
            program.window(PANEL)
            places["graph"] = client(program, "")
            wait_for(lambda: BLACK in (pixel for row in program.pixels("") for pixel in row), "the grid")
            # For the start-up budget's note, not a test: the splash included.
            places["startSeconds"] = round(time.monotonic() - started, 2)
            save_client(program, "", os.path.join(out, "grid.png"))
            # The whole panel, menu bar included: the page draws no frame there.
            places["panel"] = extents(program.window(PANEL))
            save_client(program, PANEL, os.path.join(out, "panel.png"), places["panel"])
            places["linearButton"], places["linear"], places["close"] = draw(
                program, LINEAR_BUTTON, LINEAR, ["key:Return"], CLOSE, out, "line.png")

            option = program.control(PANEL, OPTION_MENU, "menu item")
            places["option"] = extents(option)
            program.click(option)
            program.window(COLOURS)
            places["colours"] = client(program, COLOURS)
            save_client(program, COLOURS, os.path.join(out, "colours.png"))
            cancel = program.control(COLOURS, CANCEL, "push button")
            places["cancel"] = extents(cancel)
            places["colourBoxes"] = [extents(program.control(COLOURS, box, "push button")) for box in COLOUR_BOXES]
            program.click(cancel)
            wait_for(lambda: COLOURS not in program.windows(), "the colour dialog to close")

            # A number too large for the slope: the box's lost focus reports it.
            program.click(program.control(PANEL, LINEAR_BUTTON, "push button"))
            program.window(LINEAR)
            program.key("ctrl+a")
            program.type(OVERFLOW)
            program.key("Tab")
            program.window(MESSAGE)
            # Its icon, where the page's message, centred too, also shows.
            places["message"] = client(program, MESSAGE)
            program.key("Return")
            wait_for(lambda: MESSAGE not in program.windows(), "the message to close")
        finally:
            program.stop()

        program = Program(desktop, executable, extra_env=env)
        try:
            program.window(PANEL)
            wait_for(lambda: BLACK in (pixel for row in program.pixels("") for pixel in row), "the grid")
            keys = []
            for value in PARABOLA:
                keys += ["key:ctrl+a", value, "key:Tab"]
            keys[-1] = "key:Return"
            places["parabolaButton"], places["parabola"], places["parabolaClose"] = draw(
                program, PARABOLA_BUTTON, PARABOLA_DIALOG, keys, CLOSE, out, "parabola.png")
        finally:
            program.stop()
    places["parabolaValues"] = PARABOLA
    places["overflow"] = OVERFLOW
    with open(os.path.join(out, "places.json"), "w", encoding="utf-8") as file:
        json.dump(places, file, indent=1)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
