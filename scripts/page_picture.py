"""Renders docs/printed_page.png: the first page of the PDF the real program
saves after drawing a parabola, a straight line and a parabola an error
stopped part-way, as a user does it on a desktop.

Usage: dbus-run-session -- python3 scripts/page_picture.py PROGRAM OUTPUT.png
"""

import os
import subprocess
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "blackbox"))

from desktop import Desktop, Program, wait_for  # noqa: E402
from scenarios import (A_BOX, C_BOX, CLOSE, DRAW, LINEAR, LINEAR_BUTTON, M_BOX, PARABOLA, PARABOLA_BUTTON,  # noqa: E402
                       curve_pixels, open_dialog, replace_text, started, wait_more_curve)

B_BOX = A_BOX.replace(" a ", " b ")
PARABOLA_C_BOX = A_BOX.replace(" a ", " c ")


def draw_parabola(program, a, b, c):
    for box, value in ((A_BOX, a), (B_BOX, b), (PARABOLA_C_BOX, c)):
        replace_text(program, program.control(PARABOLA, box, "text"), value)
    program.click(program.control(PARABOLA, DRAW, "push button"))


def main(executable, output):
    with Desktop() as desktop, tempfile.TemporaryDirectory() as folder:
        program = started(Program(desktop, executable))
        try:
            open_dialog(program, PARABOLA_BUTTON, PARABOLA)
            before = curve_pixels(program)
            draw_parabola(program, "0.2", "1", "-20")
            before = wait_more_curve(program, before, "the parabola")
            open_dialog(program, LINEAR_BUTTON, LINEAR)
            replace_text(program, program.control(LINEAR, M_BOX, "text"), "-2")
            replace_text(program, program.control(LINEAR, C_BOX, "text"), "15")
            program.click(program.control(LINEAR, DRAW, "push button"))
            wait_more_curve(program, before, "the line")
            open_dialog(program, PARABOLA_BUTTON, PARABOLA)
            draw_parabola(program, "0", "1e35", "5e36")
            program.wait_active("Curvista")
            program.key("Return")
            program.wait_active(PARABOLA)
            for title in (PARABOLA, LINEAR):  # uncover the graph
                program.click(program.control(title, CLOSE, "push button"))
                wait_for(lambda: title not in program.windows(), f"{title!r} to close")

            graph = program.window("")
            program.click(graph.getChildAtIndex(0))
            wait_for(lambda: graph.getState().contains(pyatspi.STATE_ACTIVE), "the graph window to be active")
            pdf = os.path.join(folder, "graph.pdf")
            program.key("ctrl+s")
            program.wait_active("บันทึกภาพกราฟ")
            program.key("ctrl+a")
            program.type(pdf)
            program.key("Return")
            wait_for(lambda: os.path.exists(pdf), "the PDF")
        finally:
            program.stop()
        prefix = os.path.join(folder, "page")
        subprocess.run(["pdftoppm", "-r", "60", "-png", "-f", "1", "-l", "1", "-singlefile", pdf, prefix], check=True)
        subprocess.run(["cp", prefix + ".png", output], check=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
