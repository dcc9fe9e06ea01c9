"""The desktop pieces a test starts around the program: an X server (Xvfb) with a window
manager (openbox), a Wayland compositor (weston, headless), and a private D-Bus session with
the accessibility bus that screen readers use. Each runs on a free display or socket and is
stopped again; whatever is still running afterwards fails the test.

A test script calls run(main, needs=...): the tools are looked for first (a missing one fails
naming its Debian package), then main(session) runs in a child process, inside
dbus-run-session where the accessibility bus is needed, and last the processes that child
started are looked for and ended.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
import uuid

MARKER = "QUOTARA_DESKTOP_TEST"
ATSPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
QT_PLUGINS = "/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms"

# What each piece needs, and the Debian package that brings it.
TOOLS = {
    "x11": [("Xvfb", "xvfb"), ("python:Xlib", "python3-xlib")],
    "wm": [("openbox", "openbox")],
    "atspi": [("dbus-run-session", "dbus"), (ATSPI_LAUNCHER, "at-spi2-core"),
              ("python:pyatspi", "python3-pyatspi")],
    "wayland": [("weston", "weston"), (f"{QT_PLUGINS}/libqwayland-generic.so", "qt6-wayland")],
}


class TestFailure(Exception):
    """A check that did not hold; its text says what the user would have seen."""


def check(condition, message):
    if not condition:
        raise TestFailure(message)


def wait_for(what, probe, timeout=15.0, interval=0.1):
    """Calls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TestFailure(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def _missing(needs):
    missing = []
    for need in needs:
        for tool, package in TOOLS[need]:
            if tool.startswith("python:"):
                found = subprocess.run([sys.executable, "-c", f"import {tool[7:]}"],
                                       capture_output=True).returncode == 0
            elif tool.startswith("/"):
                found = os.path.exists(tool)
            else:
                found = shutil.which(tool) is not None
            if not found:
                missing.append(f"{tool.removeprefix('python:')} (Debian package {package})")
    return missing


def _processes_with(marker):
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
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


def run(main, needs=(), timeout=100):
    """Entry point of a test script: sys.argv[1] is the program, sys.argv[2:] its own."""
    if os.environ.get(MARKER):
        _inner(main, needs)
        return
    missing = _missing(needs)
    if missing:
        print("FAIL: missing " + ", ".join(missing) + "; scripts/setup.sh installs what is missing")
        sys.exit(1)
    marker = uuid.uuid4().hex
    env = dict(os.environ, **{MARKER: marker})
    command = [sys.executable, "-B", *sys.argv]
    if "atspi" in needs:
        command = ["dbus-run-session", "--", *command]
    try:
        status = subprocess.run(command, env=env, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        print(f"FAIL: the test took longer than {timeout} s")
        status = 1
    left = _processes_with(marker)
    for pid, command in left:
        print(f"FAIL: left running: {pid} {command}")
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    sys.exit(1 if left or status != 0 else 0)


def _inner(main, needs):
    session = Session(sys.argv[1], needs)
    try:
        session.start()
        main(session)
        print("PASS")
        status = 0
    except TestFailure as failure:
        print(f"FAIL: {failure}")
        session.dump_logs()
        status = 1
    except Exception:
        traceback.print_exc()
        session.dump_logs()
        status = 1
    finally:
        session.stop()
    sys.exit(status)


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


class Session:
    def __init__(self, program, needs):
        self.program_path = os.path.abspath(program)
        self.needs = set(needs)
        self.dir = tempfile.mkdtemp(prefix="quotara-desktop-")
        self.runtime_dir = os.path.join(self.dir, "runtime")
        os.mkdir(self.runtime_dir, 0o700)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime_dir,
                        XDG_CONFIG_HOME=os.path.join(self.dir, "config"), LC_ALL="C.UTF-8")
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"):
            self.env.pop(name, None)
        if "atspi" not in self.needs:
            # A bus that is not there: with none named, D-Bus clients on X11 start one of their
            # own (dbus-launch --autolaunch) that outlives the test.
            self.env["DBUS_SESSION_BUS_ADDRESS"] = f"unix:path={self.dir}/no-bus"
        self.services = []  # (name, process), stopped in reverse order
        self.programs = []
        self.display = None
        self.wayland_socket = None
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
        log = open(os.path.join(self.dir, f"{name}.log"), "wb")
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
        check(number.isdigit(), "Xvfb did not start (see Xvfb.log)")
        self.display = f":{number}"
        self.env["DISPLAY"] = self.display
        from Xlib import display
        self.x = wait_for("Xvfb to take connections", lambda: _try(display.Display, self.display))

    def _start_openbox(self):
        self._spawn("openbox", ["openbox", "--sm-disable"])
        wait_for("openbox to manage the screen", lambda: self.root_property("_NET_SUPPORTING_WM_CHECK"))

    def _start_atspi(self):
        check(os.environ.get("DBUS_SESSION_BUS_ADDRESS"), "no private D-Bus session")
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
        self.wayland_socket = f"quotara-{os.getpid()}"
        self._spawn("weston", ["weston", "--backend=headless-backend.so", "--width=1024",
                               "--height=768", f"--socket={self.wayland_socket}", "--idle-time=0"])
        socket = os.path.join(self.runtime_dir, self.wayland_socket)
        wait_for("weston's socket", lambda: os.path.exists(socket))
        self.env["WAYLAND_DISPLAY"] = self.wayland_socket

    def stop(self):
        for program in self.programs:
            _end(program.process)
        if self.x is not None:
            self.x.close()
            self.x = None
        for _, process in reversed(self.services):
            _end(process)
        shutil.rmtree(self.dir, ignore_errors=True)

    def dump_logs(self):
        for name in sorted(os.listdir(self.dir)):
            path = os.path.join(self.dir, name)
            if name.endswith(".log") and os.path.getsize(path):
                with open(path, encoding="utf-8", errors="replace") as log:
                    tail = log.read()[-3000:]
                print(f"--- {name}\n{tail}")

    # -- the program -----------------------------------------------------------------------------

    def start_program(self, platform="xcb", **env):
        program_env = dict(self.env, QT_QPA_PLATFORM=platform, **env)
        if "atspi" in self.needs:
            program_env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        log_path = os.path.join(self.dir, f"quotara-{len(self.programs)}.log")
        with open(log_path, "wb") as log:
            process = subprocess.Popen([self.program_path], env=program_env, stdout=log,
                                       stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        program = Program(process, log_path)
        self.programs.append(program)
        return program

    # -- X11 ---------------------------------------------------------------------------------------

    def atom(self, name):
        return self.x.intern_atom(name)

    def root_property(self, name):
        from Xlib import X
        value = self.x.screen().root.get_full_property(self.atom(name), X.AnyPropertyType)
        return value.value if value is not None else None

    def window(self, wid):
        return self.x.create_resource_object("window", wid)

    def client_windows(self):
        return list(self.root_property("_NET_CLIENT_LIST") or [])

    def window_pid(self, wid):
        from Xlib import X, error
        try:
            value = self.window(wid).get_full_property(self.atom("_NET_WM_PID"),
                                                       X.AnyPropertyType)
        except error.BadWindow:  # a window that has gone since it was listed
            return None
        return value.value[0] if value is not None else None

    def windows_of(self, program):
        return [w for w in self.client_windows() if self.window_pid(w) == program.pid]

    def utf8_property(self, wid, name):
        value = self.window(wid).get_full_property(self.atom(name), self.atom("UTF8_STRING"))
        return value.value.decode("utf-8") if value is not None else None


    # -- keyboard and mouse, through the XTEST extension, as a user's own would arrive ----------

    def key(self, name, shift=False):
        from Xlib import X, XK
        from Xlib.ext import xtest
        keysym = XK.string_to_keysym(name)
        check(keysym, f"no key named {name!r}")
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

    def click(self, x, y):
        from Xlib import X
        from Xlib.ext import xtest
        xtest.fake_input(self.x, X.MotionNotify, x=x, y=y)
        xtest.fake_input(self.x, X.ButtonPress, 1)
        xtest.fake_input(self.x, X.ButtonRelease, 1)
        self.x.sync()
        time.sleep(0.05)

    def click_centre(self, rectangle):
        x, y, width, height = rectangle
        self.click(x + width // 2, y + height // 2)

    def client_message(self, wid, name, data):
        """Asks the window manager for something, as a pager or task bar does."""
        from Xlib import X
        from Xlib.protocol import event
        message = event.ClientMessage(window=self.window(wid), client_type=self.atom(name),
                                      data=(32, (list(data) + [0] * 5)[:5]))
        self.x.screen().root.send_event(
            message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.x.sync()


def _try(function, *args):
    try:
        return function(*args)
    except Exception:  # the X library raises several kinds while the server starts
        return None


def _end(process):
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
