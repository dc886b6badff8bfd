"""A real desktop for black-box tests: Xvfb, the openbox window manager and
the accessibility bus, with the program started on it, driven by real input
(xdotool) and read through AT-SPI and the screen's pixels.

Everything waits for a condition with a time-out; nothing assumes a timing.
"""

import os
import signal
import subprocess
import tempfile
import time

import pyatspi

TIMEOUT = 20.0


class Failure(AssertionError):
    pass


def wait_for(condition, what, timeout=TIMEOUT):
    """Polls condition until it returns something true, which is returned."""
    deadline = time.monotonic() + timeout
    last = None
    while time.monotonic() < deadline:
        try:
            last = condition()
        except Exception as error:  # the accessibility tree changes under us
            last = error
        if last and not isinstance(last, Exception):
            return last
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what} (last seen: {last!r})")


def run(*command, env=None, check=True):
    return subprocess.run(command, env=env, check=check, capture_output=True, text=True).stdout.strip()


class Desktop:
    """Xvfb with openbox and the AT-SPI bus; the caller runs under dbus-run-session.
    Without the window manager and the bus, a bare X screen where windows sit
    exactly where their programs put them."""

    def __init__(self, width=1024, height=768, window_manager=True, accessibility=True):
        self.size = (width, height)
        self.window_manager = window_manager
        self.accessibility = accessibility
        self.processes = []
        self.env = dict(os.environ)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        # No preferred language: the program speaks Thai unless a run asks otherwise.
        for variable in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            self.env.pop(variable, None)
        self.env["LANG"] = "C.UTF-8"

    def __enter__(self):
        screen = ["-screen", "0", f"{self.size[0]}x{self.size[1]}x24", "-nolisten", "tcp"]
        # On a machine shared with other test runs, each run can be given its
        # own display number.
        number = os.environ.get("CURVISTA_XVFB_DISPLAY")
        if number:
            self._spawn(["Xvfb", ":" + number, *screen])
            self.env["DISPLAY"] = ":" + number
            wait_for(lambda: subprocess.run(["xdpyinfo"], env=self.env, capture_output=True).returncode == 0,
                     f"Xvfb on :{number}")
        else:
            read_end, write_end = os.pipe()
            self._spawn(["Xvfb", "-displayfd", str(write_end), *screen], pass_fds=(write_end,))
            os.close(write_end)
            with os.fdopen(read_end) as display_number:
                number = display_number.readline().strip()
            if not number:
                raise Failure("Xvfb did not start")
            self.env["DISPLAY"] = ":" + number
        if self.window_manager:
            self._spawn(["openbox", "--sm-disable"])
            wait_for(self._window_manager_running, "openbox to manage the screen")
        if self.accessibility:
            self._start_accessibility_bus()
        return self

    def _start_accessibility_bus(self):
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for(lambda: self._dbus("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                    "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus").endswith("true"),
                 "the accessibility bus")
        # As a desktop with a screen reader running does.
        self._dbus("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                   "string:org.a11y.Status", "string:IsEnabled", "variant:boolean:true")

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()

    def _spawn(self, command, **kwargs):
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   **kwargs)
        self.processes.append(process)
        return process

    def _dbus(self, destination, path, method, *arguments):
        return run("dbus-send", "--session", "--print-reply", f"--dest={destination}", path, method, *arguments,
                   env=self.env)

    def _window_manager_running(self):
        for process in self.processes:
            if process.poll() is not None:
                raise Failure(f"{process.args[0]} exited with {process.returncode}")
        out = run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", env=self.env, check=False)
        return "window id" in out

    def xdotool(self, *arguments):
        return run("xdotool", *arguments, env=self.env)


class Program:
    """The program under test on a desktop."""

    def __init__(self, desktop, executable, *arguments, extra_env=None):
        self.desktop = desktop
        env = dict(desktop.env, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.update(extra_env or {})
        self.process = subprocess.Popen([executable, *arguments], env=env, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, text=True)
        self.app = wait_for(self._application, "the program on the accessibility bus")

    def _application(self):
        if self.process.poll() is not None:
            raise Failure(f"the program exited with {self.process.returncode}: {self.process.stderr.read()}")
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    # Reading what the user sees.

    def windows(self):
        """The program's visible top-level windows by name."""
        found = {}
        for index in range(self.app.childCount):
            window = self.app.getChildAtIndex(index)
            if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                found[window.name] = window
        return found

    def window(self, title):
        return wait_for(lambda: self.windows().get(title), f"the window {title!r}")

    def mapped_windows(self):
        """The X windows of the program that are on the screen (not minimised, not hidden)."""
        # xdotool exits with 1 when it finds none.
        out = run("xdotool", "search", "--onlyvisible", "--class", "curvista", env=self.desktop.env, check=False)
        return set(out.split())

    def active_title(self):
        """The title of the window the window manager made active."""
        return self.desktop.xdotool("getactivewindow", "getwindowname")

    def wait_active(self, title):
        wait_for(lambda: self.active_title() == title, f"{title!r} to be the active window")

    def focused(self):
        """(window name, control name, role name) of the control with the keyboard focus."""
        for title, window in self.windows().items():
            if not window.getState().contains(pyatspi.STATE_ACTIVE):
                continue
            found = find(window, lambda node: node.getState().contains(pyatspi.STATE_FOCUSED))
            if found:
                return title, found.name, found.getRoleName()
        return None

    def wait_focus(self, title, control):
        wait_for(lambda: (self.focused() or ())[:2] == (title, control),
                 f"the focus on {control!r} in {title!r}")

    def control(self, title, name, role=None):
        return wait_for(lambda: find(self.window(title),
                                     lambda node: node.name == name and (role is None or node.getRoleName() == role)),
                        f"{name!r} in {title!r}")

    def text_of(self, box):
        text = box.queryText()
        return text.getText(0, text.characterCount)

    def pixels(self, title):
        """The window's client area as rows of (r, g, b) read off the screen."""
        x, y, width, height = extents(self.window(title).getChildAtIndex(0))
        with tempfile.NamedTemporaryFile(suffix=".ppm") as image:
            run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage", "-depth", "8",
                image.name, env=self.desktop.env)
            return read_ppm(image.name)

    # Acting as the user does.

    def click(self, node, button=1):
        x, y, width, height = extents(node)
        self.desktop.xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", str(button))

    def key(self, *keys):
        self.desktop.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.desktop.xdotool("type", "--delay", "20", "--", text)


def find(node, predicate):
    """The first node under node (itself included) that satisfies predicate."""
    if node is None:
        return None
    if predicate(node):
        return node
    for index in range(node.childCount):
        found = find(node.getChildAtIndex(index), predicate)
        if found:
            return found
    return None


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def read_ppm(path):
    with open(path, "rb") as image:
        data = image.read()
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    position += 1
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position:position + width * height * 3]
    return [[tuple(pixels[(row * width + column) * 3:(row * width + column) * 3 + 3]) for column in range(width)]
            for row in range(height)]
