"""The desktop pieces a test starts around the program: an X server (Xvfb) with a window
manager (openbox), a Wayland compositor (weston, headless), and a private D-Bus session with
the accessibility bus that screen readers use. Each runs on a free display or socket and is
stopped after its test; whatever it started that is still running then fails the test.

A test derives from DesktopTest and names the pieces it needs in NEEDS; a missing tool fails
it naming its Debian package. The program under test is QUOTARA_PROGRAM from the caller's
environment (CTest, or the installed-package check).
"""
import importlib.util
import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
import uuid

try:
    from Xlib import X, XK, display, error
    from Xlib.ext import xtest
    from Xlib.protocol import event
except ImportError:  # DesktopTest.setUp fails the test, naming python3-xlib
    X = XK = display = error = xtest = event = None

MARKER = "QUOTARA_DESKTOP_TEST"
ATSPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
QT_PLUGINS = "/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms"

# What each piece needs, and the Debian package that brings it.
TOOLS = {
    "x11": [("Xvfb", "xvfb"), ("python:Xlib", "python3-xlib")],
    "wm": [("openbox", "openbox")],
    "atspi": [("dbus-daemon", "dbus"), ("dbus-send", "dbus"), (ATSPI_LAUNCHER, "at-spi2-core"),
              ("python:pyatspi", "python3-pyatspi")],
    "wayland": [("weston", "weston"), (f"{QT_PLUGINS}/libqwayland-generic.so", "qt6-wayland")],
}


def given(name):
    """A value the caller passes in the environment: the program, its caption, its id..."""
    value = os.environ.get(name)
    if not value:
        raise AssertionError(f"{name} is not set; CTest sets it (tests/desktop/CMakeLists.txt)")
    return value


def wait_for(what, probe, timeout=15.0, interval=0.1):
    """Calls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def missing_tools(needs):
    missing = []
    for need in needs:
        for tool, package in TOOLS[need]:
            if tool.startswith("python:"):
                found = importlib.util.find_spec(tool.removeprefix("python:")) is not None
            elif tool.startswith("/"):
                found = os.path.exists(tool)
            else:
                found = shutil.which(tool) is not None
            if not found:
                missing.append(f"{tool.removeprefix('python:')} (Debian package {package})")
    return missing


class DesktopTest(unittest.TestCase):
    """A test among the pieces NEEDS names, started for it alone and stopped after it. AT-SPI
    binds a process to the first bus it meets: one test that needs it per script."""

    NEEDS = ("x11",)
    TIMEOUT = 100  # seconds: below CTest's, so that the test still stops what it started

    def setUp(self):
        missing = missing_tools(self.NEEDS)
        if missing:
            self.fail(f"missing {', '.join(missing)}; scripts/setup.sh installs what is missing")
        self.session = Session(self.NEEDS)
        self.addCleanup(self.session.stop)
        signal.signal(signal.SIGALRM, self._out_of_time)
        signal.alarm(self.TIMEOUT)
        self.addCleanup(signal.alarm, 0)
        self.session.start()

    def _out_of_time(self, *_):
        self.fail(f"the test took longer than {self.TIMEOUT} s")

    def run(self, result=None):
        # The pieces' logs explain a failure, so they outlive the session until it is judged.
        result = result or self.defaultTestResult()
        problems = len(result.failures) + len(result.errors)
        super().run(result)
        session = getattr(self, "session", None)
        if session is not None:
            if len(result.failures) + len(result.errors) > problems:
                session.print_logs()
            shutil.rmtree(session.dir, ignore_errors=True)
        return result


class Program:
    """The program as started by a test, with its output kept in a file."""

    def __init__(self, process, log_path):
        self.process = process
        self.pid = process.pid
        self.log_path = log_path

    def log(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            return log.read()

    def running(self):
        return self.process.poll() is None

    def stop(self):
        _end(self.process)

    def wait(self, timeout):
        """The exit status once the program has ended, at most timeout seconds from now."""
        wait_for("the program to end", lambda: not self.running(), timeout=timeout)
        return self.process.returncode


class Session:
    """The pieces one test runs on, and the programs it starts there."""

    def __init__(self, needs):
        self.needs = set(needs)
        self.dir = tempfile.mkdtemp(prefix="quotara-desktop-")
        self.runtime_dir = os.path.join(self.dir, "runtime")
        os.mkdir(self.runtime_dir, 0o700)
        self.marker = uuid.uuid4().hex
        # The caller's display, platform and scale are not this session's: the headless tests
        # run with QT_QPA_PLATFORM=offscreen, and the program must still come up on Xvfb.
        self.env = {name: value for name, value in os.environ.items()
                    if not name.startswith(("QT_", "DISPLAY", "WAYLAND_"))}
        self.env.update({
            MARKER: self.marker, "XDG_RUNTIME_DIR": self.runtime_dir,
            "XDG_CONFIG_HOME": os.path.join(self.dir, "config"), "LC_ALL": "C.UTF-8",
            # The private bus where AT-SPI is needed, elsewhere a bus that is not there: with
            # none named, D-Bus clients on X11 start their own (dbus-launch --autolaunch),
            # which outlives the test.
            "DBUS_SESSION_BUS_ADDRESS": f"unix:path={self.dir}/bus"})
        self.services = []  # (name, process), stopped in reverse order
        self.programs = []
        self.x = None  # an Xlib connection, kept open: new connections in quick succession
        #                can make Xvfb refuse clients

    # -- starting and stopping -----------------------------------------------------------------

    def start(self):
        if "x11" in self.needs:
            self._start_xvfb()
        if "wm" in self.needs:
            self._start_openbox()
        if "atspi" in self.needs:
            self._start_atspi()
        if "wayland" in self.needs:
            self._start_weston()

    def _spawn(self, name, command, **kwargs):
        with open(os.path.join(self.dir, f"{name}.log"), "wb") as log:
            process = subprocess.Popen(command, env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                       stdin=subprocess.DEVNULL, **kwargs)
        self.services.append((name, process))
        return process

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self._spawn("Xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1200x24",
                             "-nolisten", "tcp"], pass_fds=[write_end])
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number.isdigit():
            raise AssertionError("Xvfb did not start (see Xvfb.log)")
        self.env["DISPLAY"] = f":{number}"
        self.x = wait_for("Xvfb to take connections",
                          lambda: _try(display.Display, self.env["DISPLAY"]))

    def _start_openbox(self):
        self._spawn("openbox", ["openbox", "--sm-disable"])
        wait_for("openbox to manage the screen",
                 lambda: self.root_property("_NET_SUPPORTING_WM_CHECK"))

    def _start_atspi(self):
        bus = os.path.join(self.dir, "bus")
        self._spawn("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                    f"--address=unix:path={bus}"])
        wait_for("the session bus", lambda: os.path.exists(bus))
        # pyatspi, in this process, finds the bus in this process's environment.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        self._spawn("at-spi-bus-launcher", [ATSPI_LAUNCHER, "--launch-immediately"])

        # Asks whether the launcher has taken its name, without starting a second one.
        def bus_ready():
            reply = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                 "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                 "string:org.a11y.Bus"], env=self.env, capture_output=True, text=True)
            return "boolean true" in reply.stdout

        wait_for("the accessibility bus", bus_ready, interval=0.2)

    def _start_weston(self):
        socket = f"quotara-{os.getpid()}"
        self._spawn("weston", ["weston", "--backend=headless-backend.so", "--width=1024",
                               "--height=768", f"--socket={socket}", "--idle-time=0"])
        wait_for("weston's socket", lambda: os.path.exists(os.path.join(self.runtime_dir, socket)))
        self.env["WAYLAND_DISPLAY"] = socket

    def stop(self):
        """Ends what the session started; fails if something it started is still running."""
        for program in self.programs:
            program.stop()
        if self.x is not None:
            self.x.close()
            self.x = None
        for _, process in reversed(self.services):
            _end(process)
        # What the pieces started themselves (the accessibility bus and registry) ends with
        # them, a moment later; on a loaded machine (the sanitizer run) that takes seconds.
        try:
            wait_for("the pieces' own processes to end", lambda: not _processes_with(self.marker),
                     timeout=10)
        except AssertionError:
            left = _processes_with(self.marker)
            for pid, _ in left:
                _kill(pid)
            listed = "; ".join(f"{pid} {command}" for pid, command in left)
            raise AssertionError(f"left running: {listed}") from None

    def print_logs(self):
        for name in sorted(os.listdir(self.dir)):
            path = os.path.join(self.dir, name)
            if name.endswith(".log") and os.path.getsize(path):
                with open(path, encoding="utf-8", errors="replace") as log:
                    print(f"--- {name}\n{log.read()[-3000:]}")

    # -- the program -----------------------------------------------------------------------------

    def start_program(self, *arguments, platform="xcb", program=None, **env):
        """Starts the program (or another) on this session's display, on the platform named here:
        the caller's QT_QPA_PLATFORM is not this session's."""
        program_env = dict(self.env, QT_QPA_PLATFORM=platform, **env)
        if "atspi" in self.needs:
            program_env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        log_path = os.path.join(self.dir, f"quotara-{len(self.programs)}.log")
        with open(log_path, "wb") as log:
            process = subprocess.Popen([program or given("QUOTARA_PROGRAM"), *arguments],
                                       env=program_env, stdout=log, stderr=subprocess.STDOUT,
                                       stdin=subprocess.DEVNULL)
        self.programs.append(Program(process, log_path))
        return self.programs[-1]

    # -- X11 ---------------------------------------------------------------------------------------

    def atom(self, name):
        return self.x.intern_atom(name)

    def root_property(self, name):
        value = self.x.screen().root.get_full_property(self.atom(name), X.AnyPropertyType)
        return value.value if value is not None else None

    def window(self, wid):
        return self.x.create_resource_object("window", wid)

    def client_windows(self):
        return list(self.root_property("_NET_CLIENT_LIST") or [])

    def window_pid(self, wid):
        try:
            value = self.window(wid).get_full_property(self.atom("_NET_WM_PID"),
                                                       X.AnyPropertyType)
        except error.BadWindow:  # a window that has gone since it was listed
            return None
        return value.value[0] if value is not None else None

    def windows_of(self, program):
        return [w for w in self.client_windows() if self.window_pid(w) == program.pid]

    def window_titled(self, title):
        """The shown top-level window with exactly that title, found with no window manager."""
        for child in self.x.screen().root.query_tree().children:
            try:
                if (self.utf8_property(child.id, "_NET_WM_NAME") == title
                        and child.get_attributes().map_state == X.IsViewable):
                    return child.id
            except error.BadWindow:
                continue
        return None

    def utf8_property(self, wid, name):
        value = self.window(wid).get_full_property(self.atom(name), self.atom("UTF8_STRING"))
        return value.value.decode("utf-8") if value is not None else None

    def rectangle(self, wid):
        """Where the window stands on the screen: (x, y, width, height)."""
        geometry = self.window(wid).get_geometry()
        origin = self.window(wid).translate_coords(self.x.screen().root, 0, 0)
        return (-origin.x, -origin.y, geometry.width, geometry.height)

    def picture(self, wid):
        """The window's pixels, once two looks a little apart agree: a freshly mapped window may
        not be painted yet."""
        _, _, width, height = self.rectangle(wid)
        previous = None

        def settled():
            nonlocal previous
            time.sleep(0.2)
            current = self.window(wid).get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF).data
            same, previous = current == previous, current
            return current if same else None

        return wait_for("the window's painting to settle", settled, timeout=10)

    # -- keyboard and mouse, through the XTEST extension, as a user's own would arrive ----------

    def key(self, name, shift=False):
        keysym = XK.string_to_keysym(name)
        if not keysym:
            raise AssertionError(f"no key named {name!r}")
        code = self.x.keysym_to_keycode(keysym)
        shift = shift or self.x.keycode_to_keysym(code, 0) != keysym
        shift_code = self.x.keysym_to_keycode(XK.XK_Shift_L)
        if shift:
            xtest.fake_input(self.x, X.KeyPress, shift_code)
        xtest.fake_input(self.x, X.KeyPress, code)
        xtest.fake_input(self.x, X.KeyRelease, code)
        if shift:
            xtest.fake_input(self.x, X.KeyRelease, shift_code)
        self.x.sync()
        time.sleep(0.05)

    def type(self, text):
        names = {".": "period", ",": "comma", "-": "minus", "+": "plus", " ": "space"}
        for character in text:
            self.key(names.get(character, character))

    def click_centre(self, rectangle):
        x, y, width, height = rectangle
        xtest.fake_input(self.x, X.MotionNotify, x=x + width // 2, y=y + height // 2)
        xtest.fake_input(self.x, X.ButtonPress, 1)
        xtest.fake_input(self.x, X.ButtonRelease, 1)
        self.x.sync()
        time.sleep(0.05)

    def client_message(self, wid, name, data):
        """Asks the window manager for something, as a pager or task bar does."""
        message = event.ClientMessage(window=self.window(wid), client_type=self.atom(name),
                                      data=(32, (list(data) + [0] * 5)[:5]))
        self.x.screen().root.send_event(
            message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.x.sync()

    def close(self, wid):
        """Asks the window itself to close, as a window manager's close button does."""
        message = event.ClientMessage(
            window=self.window(wid), client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        self.window(wid).send_event(message, event_mask=X.NoEventMask)
        self.x.sync()


def _processes_with(marker):
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as environ:
                if f"{MARKER}={marker}".encode() not in environ.read().split(b"\0"):
                    continue
            with open(f"/proc/{entry}/cmdline", "rb") as cmdline:
                command = cmdline.read().replace(b"\0", b" ").decode(errors="replace").strip()
        except OSError:
            continue
        found.append((int(entry), command))
    return found


def _try(function, *args):
    try:
        return function(*args)
    except Exception:  # the X library raises several kinds while the server starts
        return None


def _kill(pid):
    try:
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def _end(process):
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
