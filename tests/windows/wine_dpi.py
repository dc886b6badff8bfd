"""The Windows program at display scales of 125, 150 and 200 % (Wine's
LogPixels 120, 144 and 192), on a bare X screen: its windows keep their
designed sizes in logical pixels (the device pixels are the logical ones
times the scale), and the graph's surface
is drawn at the device pixel ratio, so that a row of device pixels across
the grid holds only the grid's own colours, each line one device pixel wide
(a surface drawn at 100 % and stretched would show blended colours or lines
two pixels wide). window_sizes.exe reads the windows' client areas as
Windows gives them to a DPI-aware program.

    wine_dpi.py CURVISTA_EXE WINDOW_SIZES_EXE
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "blackbox"))
from desktop import Desktop, Failure, wait_for  # noqa: E402

LOG_PIXELS = (120, 144, 192)
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
# Logical sizes of the windows' client areas as Windows counts them: the
# frameless splash and graph draw their one-pixel border inside.
SPLASH = (465, 182)
GRAPH = (467, 467)
PANEL_WIDTH = 137
# The panel's design: its client area, below the menu bar (whose height is
# the style's), starts 15 pixels from the left and ends 320 from the top.
PANEL_LEFT = 15
PANEL_BOTTOM = 166 + 154
SCREEN = (1600, 1200)
PANEL = "BCV"
# Windows names a window without a title after the program.
UNTITLED = ("", "Curvista")
# The graph's own colours: background, grid and axes.
GRID_COLOURS = {(255, 255, 255), (220, 220, 220), (100, 100, 100)}
# A logical row of the graph window with nothing but the grid on it (the axis
# letters and the address lie elsewhere), and the border columns to leave out.
GRID_ROW = 100
BORDER = 1


def close_to(device, logical, scale):
    """Qt rounds a fractional device size either way."""
    return abs(device - logical * scale) <= 1


def centred(window):
    """The splash and the graph open in the middle of the screen."""
    left, top, width, height = window[:4]
    return abs(2 * left + width - SCREEN[0]) <= 2 and abs(2 * top + height - SCREEN[1]) <= 2


def registry(*arguments):
    subprocess.run(["wine", "reg", *arguments], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)


def windows(env, window_sizes):
    """(left, top, width, height, dpi, title) of each visible top-level window."""
    # Into a file: Wine's own processes, started by the first program, keep
    # a pipe open long after the program ends.
    with tempfile.TemporaryFile(mode="w+") as out:
        subprocess.run(["wine", window_sizes], env=env, stdout=out, stderr=subprocess.DEVNULL, check=False)
        out.seek(0)
        lines = out.read().splitlines()
    found = []
    for line in lines:
        parts = line.split(" ", 5)
        if len(parts) >= 5 and all(part.lstrip("-").isdigit() for part in parts[:5]):
            found.append((*map(int, parts[:5]), parts[5] if len(parts) > 5 else ""))
    return found


def row_pixels(env, left, top, width):
    raw = subprocess.run(["import", "-window", "root", "-crop", f"{width}x1+{left}+{top}", "+repage", "-depth", "8",
                          "rgb:-"], env=env, check=True, capture_output=True).stdout
    return [tuple(raw[index:index + 3]) for index in range(0, len(raw), 3)]


def crispness_faults(pixels):
    """What in a row across the grid shows a surface not drawn at the device
    pixel ratio."""
    faults = []
    blended = sorted({pixel for pixel in pixels if pixel not in GRID_COLOURS})
    if blended:
        faults.append(f"colours not the grid's: {blended[:5]}")
    run_length = 0
    wide = 0
    lines = 0
    for pixel in pixels + [(255, 255, 255)]:
        if pixel != (255, 255, 255):
            run_length += 1
            continue
        if run_length:
            lines += 1
            wide += run_length > 1
        run_length = 0
    if wide:
        faults.append(f"{wide} of {lines} lines wider than one device pixel")
    if lines < 60:
        faults.append(f"only {lines} grid lines across the row")
    return faults, lines


def at_scale(program, window_sizes, log_pixels, failures):
    scale = log_pixels / 96

    def check(what, good, seen):
        what = f"{round(scale * 100)} %: {what}"
        print(f"{'ok  ' if good else 'FAIL'} {what}: {seen}", flush=True)
        if not good:
            failures.append(what)

    registry("add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(log_pixels), "/f")
    # A fresh wineserver, so that every process reads the new scale.
    subprocess.run(["wineserver", "-k"], check=False)
    subprocess.run(["wineserver", "-w"], check=False)
    try:
        with Desktop(width=SCREEN[0], height=SCREEN[1], window_manager=False, accessibility=False) as desktop:
            env = desktop.env
            process = subprocess.Popen(["wine", program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                def untitled(pick):
                    if process.poll() is not None:
                        raise Failure(f"the program exited with {process.returncode}")
                    return next((w for w in windows(env, window_sizes) if w[5] in UNTITLED and pick(w)), None)

                # Told apart by their shapes: the splash is wide and low, the graph square.
                splash = wait_for(lambda: untitled(lambda w: w[2] > 2 * w[3]), "the splash", timeout=60)
                check("the splash's size", close_to(splash[2], SPLASH[0], scale) and
                      close_to(splash[3], SPLASH[1], scale), f"{splash[2:4]}, designed {SPLASH} x {scale}")
                check("the windows' DPI", splash[4] == log_pixels, splash[4])
                check("the splash centred", centred(splash), splash[:2])
                graph = wait_for(lambda: untitled(lambda w: abs(w[2] - w[3]) < 4), "the graph window", timeout=60)
                check("the graph window's size", close_to(graph[2], GRAPH[0], scale) and
                      close_to(graph[3], GRAPH[1], scale), f"{graph[2:4]}, designed {GRAPH} x {scale}")
                check("the graph window centred", centred(graph), graph[:2])
                panel = wait_for(lambda: next((w for w in windows(env, window_sizes) if w[5] == PANEL), None),
                                 "the control panel", timeout=60)
                check("the control panel's width", close_to(panel[2], PANEL_WIDTH, scale),
                      f"{panel[2]}, designed {PANEL_WIDTH} x {scale}")
                check("the control panel's place", close_to(panel[0], PANEL_LEFT, scale) and
                      close_to(panel[1] + panel[3], PANEL_BOTTOM, scale),
                      f"left {panel[0]}, bottom {panel[1] + panel[3]}")

                # Inside the border, one device pixel row across the grid.
                inset = round(BORDER * scale) + 1
                pixels = wait_for(lambda: (lambda row: row if (255, 255, 255) in row and len(set(row)) > 1 else None)(
                    row_pixels(env, graph[0] + inset, graph[1] + round(GRID_ROW * scale), graph[2] - 2 * inset)),
                    "the grid drawn", timeout=30)
                faults, lines = crispness_faults(pixels)
                check("the grid crisp at the device pixel ratio", not faults,
                      "; ".join(faults) or f"{lines} lines one device pixel wide in {len(pixels)} px")
            finally:
                if process.poll() is None:
                    process.kill()
                    process.wait()
    finally:
        subprocess.run(["wineserver", "-k"], check=False)
        subprocess.run(["wineserver", "-w"], check=False)
        registry("delete", DESKTOP_KEY, "/v", "LogPixels", "/f")
        subprocess.run(["wineserver", "-w"], check=False)


def main(program, window_sizes):
    failures = []
    for log_pixels in LOG_PIXELS:
        at_scale(program, window_sizes, log_pixels, failures)
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
