"""What a user meets on a real desktop, one scenario per row of the table at
the end. Each scenario starts the real program afresh on a desktop with a
window manager, drives it with real input and reads it as a screen reader
and the screen do.

Usage: dbus-run-session -- python3 scenarios.py PROGRAM [SCENARIO...]
"""

import os
import subprocess
import sys
import tempfile
import traceback

import pyatspi
from gi.repository import GLib

from desktop import Desktop, Failure, Program, TIMEOUT, extents, wait_for

PANEL = "BCV"
LINEAR = "เขียนกราฟเส้นตรง"
PARABOLA = "เขียนกราฟพาราโบลา"
OPTION = "Option"
DRAW = "เขียนกราฟ"
CLOSE = "ปิดหน้าต่างนี้"
LINEAR_BUTTON = "กราฟเส้นตรง"
PARABOLA_BUTTON = "กราฟพาราโบลา"
CLEAR_BUTTON = "ลบทั้งหมด"
M_BOX = "กำหนดค่า m (สามารถเป็นทศนิยมได้ ) :"
C_BOX = "กำหนดค่า c (สามารถเป็นทศนิยมได้ ) :"
A_BOX = "กำหนดค่า a (สามารถเป็นทศนิยมได้ ) :"
AXIS_COLOR_BOX = "สีแกน x , y"
BLACK = (0, 0, 0)


def expect(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, got {actual!r}")


def started(program):
    program.window(PANEL)
    program.wait_active(PANEL)
    return program


def curve_pixels(program):
    """Pixels in the curve colour on the graph window, as the screen shows it."""
    return sum(row.count(BLACK) for row in program.pixels(""))


def wait_more_curve(program, before, what):
    return wait_for(lambda: (lambda now: now if now > before else None)(curve_pixels(program)), what)


def open_dialog(program, button, title):
    program.click(program.control(PANEL, button, "push button"))
    program.window(title)
    program.wait_active(title)


def activate_panel(program):
    program.click(program.control(PANEL, "   Brisvane       Curvista", "label"))
    program.wait_active(PANEL)


def open_option_by_its_access_key(program):
    activate_panel(program)
    program.key("alt+o")
    program.wait_active(OPTION)


def equation_label(program, title):
    labels = []
    window = program.window(title)

    def collect(node):
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child.getRoleName() == "label" and child.name.startswith("y  =  ") and extents(child)[1] > 0:
                labels.append(child)
            collect(child)

    collect(window)
    # The current equation is the lower of the two equation lines.
    return max(labels, key=lambda label: extents(label)[1])


def replace_text(program, box, text):
    program.click(box)
    program.key("ctrl+a")
    program.type(text)


# Scenarios.

def titles_are_the_designs(program):
    expect(program.active_title(), PANEL, "the panel's title")
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    open_dialog(program, PARABOLA_BUTTON, PARABOLA)
    open_option_by_its_access_key(program)
    titles = set(program.windows())
    for title in (PANEL, LINEAR, PARABOLA, OPTION, ""):
        if title not in titles:
            raise Failure(f"no window titled {title!r} among {sorted(titles)}")


def dialogs_open_active_with_focus_in_first_box(program):
    for button, title, box in ((LINEAR_BUTTON, LINEAR, M_BOX), (PARABOLA_BUTTON, PARABOLA, A_BOX)):
        open_dialog(program, button, title)
        program.wait_focus(title, box)
    open_option_by_its_access_key(program)
    program.wait_focus(OPTION, AXIS_COLOR_BOX)


def reopening_an_open_dialog_activates_it_and_keeps_its_text(program):
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    replace_text(program, program.control(LINEAR, C_BOX, "text"), "-5")
    activate_panel(program)
    program.click(program.control(PANEL, LINEAR_BUTTON, "push button"))
    program.wait_active(LINEAR)
    expect(program.text_of(program.control(LINEAR, C_BOX, "text")), "-5", "the c box after reopening")


def enter_draws_after_the_draw_button_had_the_focus(program):
    for button, title, box in ((LINEAR_BUTTON, LINEAR, C_BOX), (PARABOLA_BUTTON, PARABOLA, A_BOX)):
        open_dialog(program, button, title)
        before = curve_pixels(program)
        program.click(program.control(title, DRAW, "push button"))
        drawn = wait_more_curve(program, before, "the draw button to draw")
        program.wait_focus(title, DRAW)
        expect(program.active_title(), title, "the active window after drawing")
        replace_text(program, program.control(title, box, "text"), "-5")
        program.key("Return")
        wait_more_curve(program, drawn, "Enter in a box to draw after the button had the focus")
        program.wait_focus(title, box)


def enter_draws_after_tab_passed_over_the_button(program):
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    replace_text(program, program.control(LINEAR, C_BOX, "text"), "-20")
    program.key("Tab", "Tab", "Tab")  # draw button, close button, m box
    program.wait_focus(LINEAR, M_BOX)
    before = curve_pixels(program)
    program.key("Return")
    wait_more_curve(program, before, "Enter in the m box to draw")


def a_focused_button_takes_enter_itself(program):
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    program.key("Tab", "Tab", "Tab")  # c box, draw button, close button
    program.wait_focus(LINEAR, CLOSE)
    program.key("Return")
    wait_for(lambda: LINEAR not in program.windows(), "Enter on the close button to close the dialog")
    program.wait_active(PANEL)


def enter_draws_after_an_error_report(program):
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    replace_text(program, program.control(LINEAR, M_BOX, "text"), "1e37")
    program.click(program.control(LINEAR, DRAW, "push button"))
    program.wait_active("Curvista")
    program.key("Return")
    program.wait_active(LINEAR)
    replace_text(program, program.control(LINEAR, M_BOX, "text"), "0.5")
    program.key("Tab")
    before = curve_pixels(program)
    program.key("shift+Tab")
    program.key("Return")
    wait_more_curve(program, before, "Enter to draw after the error report")


def closing_a_dialog_gives_the_panel_the_focus(program):
    for button, title in ((LINEAR_BUTTON, LINEAR), (PARABOLA_BUTTON, PARABOLA)):
        open_dialog(program, button, title)
        program.click(program.control(title, CLOSE, "push button"))
        program.wait_active(PANEL)
        program.wait_focus(PANEL, button)


def clearing_leaves_the_panel_active(program):
    grid_only = curve_pixels(program)  # the axis letters are black too
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    program.click(program.control(LINEAR, DRAW, "push button"))
    wait_more_curve(program, grid_only, "a line")
    program.click(program.control(PANEL, CLEAR_BUTTON, "push button"))
    wait_for(lambda: curve_pixels(program) == grid_only, "the cleared graph")
    program.wait_active(PANEL)
    program.wait_focus(PANEL, CLEAR_BUTTON)
    expect(LINEAR in program.windows(), True, "the linear dialog stays open")


def option_is_modal(program):
    open_option_by_its_access_key(program)
    program.click(program.control(PANEL, LINEAR_BUTTON, "push button"))
    program.key("alt+x")
    # Input to the panel is refused: no dialog opens and the program runs on.
    wait_for(lambda: program.active_title() == OPTION, "the Option dialog to stay active")
    expect(LINEAR in program.windows(), False, "the linear dialog opened behind a modal dialog")
    expect(program.process.poll(), None, "the program's state after Alt+X behind a modal dialog")
    program.click(program.control(OPTION, "ยกเลิก", "push button"))
    program.wait_active(PANEL)
    program.wait_focus(PANEL, LINEAR_BUTTON)


def minimising_the_panel_minimises_the_graph(program):
    shown = program.mapped_windows()
    expect(len(shown), 2, "windows on the screen after start-up")
    panel = program.desktop.xdotool("getactivewindow")
    program.desktop.xdotool("windowminimize", "--sync", panel)
    wait_for(lambda: not program.mapped_windows(), "the panel and the graph window to be minimised")
    program.desktop.xdotool("windowactivate", "--sync", panel)
    wait_for(lambda: program.mapped_windows() == shown, "the panel and the graph window to be restored")
    program.wait_active(PANEL)


def a_context_menu_does_not_store_the_slope(program):
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    box = program.control(LINEAR, M_BOX, "text")
    replace_text(program, box, "3")
    shown = program.mapped_windows()
    program.click(box, button=3)
    wait_for(lambda: len(program.mapped_windows() - shown) == 1, "the context menu")
    program.key("Escape")
    wait_for(lambda: program.mapped_windows() == shown, "the context menu to close")
    program.wait_focus(LINEAR, M_BOX)
    expect(equation_label(program, LINEAR).name, "y  =  1x  +  10", "the equation after a context menu")
    program.key("Tab")
    wait_for(lambda: equation_label(program, LINEAR).name == "y  =  3x  +  10", "the slope stored on Tab")


def color_boxes_are_buttons(program):
    open_option_by_its_access_key(program)
    program.wait_focus(OPTION, AXIS_COLOR_BOX)
    box = program.control(OPTION, AXIS_COLOR_BOX)
    expect(box.getRoleName(), "push button", "a colour box's role")
    expect(box.description, "RGB(100, 100, 100)", "the axis colour box's description")
    for key in ("Return", "space"):
        program.key(key)
        wait_for(lambda: program.active_title() not in (OPTION, PANEL), f"{key} to open the colour picker")
        program.key("Escape")
        program.wait_active(OPTION)
        program.wait_focus(OPTION, AXIS_COLOR_BOX)


def screen_readers_hear_the_current_equation(program):
    names = []

    def heard(event):
        if event.source is not None and event.source.getRoleName() == "label":
            names.append(event.source.name)

    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
    try:
        open_dialog(program, LINEAR_BUTTON, LINEAR)
        replace_text(program, program.control(LINEAR, C_BOX, "text"), "-5")
        wait_for(lambda: equation_label(program, LINEAR).name == "y  =  1x  +  -5", "the label's current name")

        def announced():
            while GLib.MainContext.default().iteration(False):
                pass
            return "y  =  1x  +  -5" in names

        wait_for(announced, "a name-change event for the equation label")
    finally:
        pyatspi.Registry.deregisterEventListener(heard, "object:property-change:accessible-name")


def windows_carry_window_roles(program):
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    open_dialog(program, PARABOLA_BUTTON, PARABOLA)
    open_option_by_its_access_key(program)
    windows = program.windows()
    roles = {title: windows[title].getRoleName() for title in (PANEL, LINEAR, PARABOLA, OPTION)}
    expect(roles, {PANEL: "frame", LINEAR: "dialog", PARABOLA: "dialog", OPTION: "dialog"}, "window roles")
    expect(windows[OPTION].getState().contains(pyatspi.STATE_MODAL), True, "the Option dialog is modal")
    expect(windows[LINEAR].getState().contains(pyatspi.STATE_MODAL), False, "the linear dialog is modeless")


def a_long_paste_is_kept_whole(program):
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    box = program.control(LINEAR, M_BOX, "text")
    box.queryEditableText().setTextContents("2" + " " * 99998 + "5")
    program.wait_focus(LINEAR, M_BOX)
    program.key("Tab")
    wait_for(lambda: equation_label(program, LINEAR).name == "y  =  25x  +  10", "the whole pasted slope")


def the_graph_offers_its_commands_when_active(program):
    graph = program.window("")
    program.click(graph.getChildAtIndex(0))
    wait_for(lambda: graph.getState().contains(pyatspi.STATE_ACTIVE), "the graph window to be active once clicked")
    shown = program.mapped_windows()
    for open_menu in (lambda: program.click(graph.getChildAtIndex(0), button=3), lambda: program.key("Menu")):
        open_menu()
        wait_for(lambda: len(program.mapped_windows() - shown) == 1, "the graph's context menu")
        program.key("Escape")
        wait_for(lambda: program.mapped_windows() == shown, "the context menu to close")
    program.key("ctrl+s")
    program.wait_active("บันทึกภาพกราฟ")
    program.key("Escape")
    wait_for(lambda: graph.getState().contains(pyatspi.STATE_ACTIVE), "the graph window active again, nothing saved")
    # A name typed with .svg is saved as SVG, whichever kind the dialog shows.
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "graph.svg")
        program.key("ctrl+s")
        program.wait_active("บันทึกภาพกราฟ")
        program.key("ctrl+a")
        program.type(path)
        program.key("Return")
        wait_for(lambda: os.path.exists(path), "the typed file to be saved")
        with open(path, "rb") as saved:
            expect(saved.read(5), b"<?xml", "the saved file's first bytes")
        wait_for(lambda: graph.getState().contains(pyatspi.STATE_ACTIVE), "the graph window active again, saved")


def steady_curve_pixels(program):
    """The curve pixels once two readings agree."""
    last = [None]

    def settled():
        now = curve_pixels(program)
        agreed = now == last[0]
        last[0] = now
        return now if agreed else None
    return wait_for(settled, "the graph to settle")


def undo_takes_back_a_curve_with_ctrl_z(program):
    grid_only = curve_pixels(program)  # the axis letters are black too
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    program.key("Return")
    wait_more_curve(program, grid_only, "Enter to draw a line")
    program.click(program.control(LINEAR, CLOSE, "push button"))
    wait_for(lambda: LINEAR not in program.windows(), "the dialog to close, uncovering the graph")
    graph = program.window("")
    program.click(graph.getChildAtIndex(0))
    wait_for(lambda: graph.getState().contains(pyatspi.STATE_ACTIVE), "the graph window to be active once clicked")
    # Away from the graph, so that no tooltip covers it.
    program.desktop.xdotool("mousemove", "--sync", "1", "1")
    drawn = steady_curve_pixels(program)
    expect(drawn > grid_only, True, "the line on the uncovered graph")
    program.key("ctrl+z")
    wait_for(lambda: curve_pixels(program) == grid_only, "Ctrl+Z to take the line back")
    program.key("ctrl+y")
    wait_for(lambda: curve_pixels(program) == drawn, "Ctrl+Y to draw it again")


# The lessons the command line opens: y = x + 10 and y = x^2 - 4 in the
# start-up colours, and a file that is no lesson.
LESSONS = tempfile.mkdtemp(prefix="curvista-lessons-")
LESSON = os.path.join(LESSONS, "บทเรียน.curvista")
BAD_LESSON = os.path.join(LESSONS, "bad.curvista")
with open(LESSON, "w", encoding="utf-8") as lesson:
    lesson.write('{"format": "curvista-lesson", "version": 1, "colours": {"axes": "#646464", "grid": "#dcdcdc", '
                 '"curves": "#000000", "paper": "#ffffff"}, "curves": [{"kind": "line", "m": 1, "c": 10}, '
                 '{"kind": "parabola", "a": 1, "b": 0, "c": -4}]}')
with open(BAD_LESSON, "w", encoding="utf-8") as lesson:
    lesson.write("y = x + 10")


def a_lesson_from_the_command_line_equals_drawing_by_hand(program):
    # Drawing the lesson's curves again by hand changes not a pixel.
    opened = wait_for(lambda: program.pixels("") if curve_pixels(program) > 700 else None, "the lesson drawn")
    open_dialog(program, LINEAR_BUTTON, LINEAR)
    program.key("Return")
    open_dialog(program, PARABOLA_BUTTON, PARABOLA)
    replace_text(program, program.control(PARABOLA, C_BOX, "text"), "-4")
    wait_for(lambda: equation_label(program, PARABOLA).name == "y  =  1x  +  0x  +  -4", "the parabola as typed")
    program.key("Return")
    program.click(program.control(PARABOLA, CLOSE, "push button"))
    program.click(program.control(LINEAR, CLOSE, "push button"))
    wait_for(lambda: LINEAR not in program.windows() and PARABOLA not in program.windows(), "the dialogs to close")
    wait_for(lambda: program.pixels("") == opened, "the graph drawn by hand to equal the lesson's")


def a_bad_lesson_is_reported_and_the_program_goes_on(program):
    program.wait_active("Curvista")
    wait_for(lambda: find_label_containing(program, "bad.curvista"), "a message naming the file")
    program.key("Return")
    started(program)
    open_dialog(program, LINEAR_BUTTON, LINEAR)


# The report comes before the panel can be seen active.
a_bad_lesson_is_reported_and_the_program_goes_on.reported_at_start = True


def find_label_containing(program, text):
    def collect(node, found):
        if node.getRoleName() == "label" and text in (node.name or ""):
            found.append(node)
        for index in range(node.childCount):
            collect(node.getChildAtIndex(index), found)
        return found
    return collect(program.window("Curvista"), [])


def qt_options_are_accepted(program):
    open_dialog(program, LINEAR_BUTTON, LINEAR)


# What the user reads in each language: window titles, the panel's buttons,
# the names of two boxes, the draw button, and a runtime error's report.
THAI = {
    "linear": LINEAR, "parabola": PARABOLA, "option": OPTION,
    "panel buttons": (LINEAR_BUTTON, PARABOLA_BUTTON, CLEAR_BUTTON),
    "m box": M_BOX, "c box": C_BOX, "draw": DRAW,
    "overflow": "Run-time error '6':\n\nOverflow",
}
ENGLISH = {
    "linear": "Draw a straight line", "parabola": "Draw a parabola", "option": "Options",
    "panel buttons": ("Straight line", "Parabola", "Clear all"),
    "m box": "Value of m (decimals allowed):", "c box": "Value of c (decimals allowed):", "draw": "Draw the graph",
    "overflow": "Run-time error '6':\n\nOverflow",
}


def speaks(texts):
    def scenario(program):
        linear_button, parabola_button, clear_button = texts["panel buttons"]
        program.control(PANEL, clear_button, "push button")
        open_dialog(program, parabola_button, texts["parabola"])
        open_dialog(program, linear_button, texts["linear"])
        replace_text(program, program.control(texts["linear"], texts["c box"], "text"), "-5")
        wait_for(lambda: equation_label(program, texts["linear"]).name == "y  =  1x  +  -5", "the equation as typed")

        replace_text(program, program.control(texts["linear"], texts["m box"], "text"), "1e37")
        program.click(program.control(texts["linear"], texts["draw"], "push button"))
        program.wait_active("Curvista")
        program.control("Curvista", texts["overflow"], "label")
        program.key("Return")
        program.wait_active(texts["linear"])

        activate_panel(program)
        program.key("alt+o")
        program.wait_active(texts["option"])
    return scenario


speaks_thai = speaks(THAI)
speaks_thai.__name__ = "speaks_thai"
speaks_english = speaks(ENGLISH)
speaks_english.__name__ = "speaks_english"

# Each scenario with the command line it starts the program with and the
# environment it adds.
SCENARIOS = [
    (titles_are_the_designs, [], {}),
    (dialogs_open_active_with_focus_in_first_box, [], {}),
    (reopening_an_open_dialog_activates_it_and_keeps_its_text, [], {}),
    (enter_draws_after_the_draw_button_had_the_focus, [], {}),
    (enter_draws_after_tab_passed_over_the_button, [], {}),
    (a_focused_button_takes_enter_itself, [], {}),
    (enter_draws_after_an_error_report, [], {}),
    (closing_a_dialog_gives_the_panel_the_focus, [], {}),
    (clearing_leaves_the_panel_active, [], {}),
    (option_is_modal, [], {}),
    (minimising_the_panel_minimises_the_graph, [], {}),
    (a_context_menu_does_not_store_the_slope, [], {}),
    (color_boxes_are_buttons, [], {}),
    (screen_readers_hear_the_current_equation, [], {}),
    (windows_carry_window_roles, [], {}),
    (a_long_paste_is_kept_whole, [], {}),
    (the_graph_offers_its_commands_when_active, [], {}),
    (undo_takes_back_a_curve_with_ctrl_z, [], {}),
    (a_lesson_from_the_command_line_equals_drawing_by_hand, [LESSON], {}),
    (a_bad_lesson_is_reported_and_the_program_goes_on, [BAD_LESSON], {}),
    (qt_options_are_accepted, ["-style", "Fusion", "-reverse", "-session", "1234abcd", "-qwindowgeometry", "+0+0"], {}),
    (speaks_thai, [], {"LANG": "th_TH.UTF-8"}),
    (speaks_english, [], {"LANG": "en_GB.UTF-8"}),
]


def main(executable, chosen):
    scenarios = [row for row in SCENARIOS if not chosen or row[0].__name__ in chosen]
    failed = []
    with Desktop() as desktop:
        for scenario, arguments, env in scenarios:
            program = None
            try:
                program = Program(desktop, executable, *arguments, extra_env=env)
                scenario(program if getattr(scenario, "reported_at_start", False) else started(program))
                print(f"PASS {scenario.__name__}", flush=True)
            except Exception:
                failed.append(scenario.__name__)
                print(f"FAIL {scenario.__name__}\n{traceback.format_exc()}", flush=True)
            finally:
                if program:
                    program.stop()
    print(f"{len(scenarios) - len(failed)} of {len(scenarios)} scenarios passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
