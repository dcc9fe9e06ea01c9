"""The program as a screen reader such as Orca reads it: through AT-SPI, on the private D-Bus
session that the test's session starts."""
import time

from session import wait_for

try:
    import pyatspi  # Debian's python3-pyatspi
except ImportError:  # DesktopTest.setUp fails the test, naming the package
    pyatspi = None

STATE_NAMES = ("focused", "checked", "sensitive", "active", "modal")


def application(program, timeout=20.0):
    """The program's application object on the accessibility bus, picked by process id: the
    registry can still list a program that has ended."""

    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == program.pid and app.childCount:
                    return app
            except Exception:  # an application that has gone while we looked
                continue
        return None

    return wait_for("the program on the accessibility bus", find, timeout=timeout, interval=0.2)


def fresh(accessible):
    """Forgets what AT-SPI cached for the accessible and below, so reads see the program now."""
    try:
        accessible.clear_cache()
    except Exception:
        pass
    return accessible


def role(accessible):
    return accessible.getRoleName()


def states(accessible):
    state_set = accessible.getState()
    return {name for name in STATE_NAMES
            if state_set.contains(getattr(pyatspi, f"STATE_{name.upper()}"))}


def text(accessible):
    """The text a screen reader reads from a text object (the Text interface)."""
    return accessible.queryText().getText(0, -1)


def descendants(accessible):
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role_name, name, timeout=5.0):
    def look():
        for node in descendants(fresh(root)):
            if role(node) == role_name and node.name == name:
                return node
        return None

    return wait_for(f"a {role_name} named {name!r}", look, timeout=timeout)


def focused(app):
    """The object that holds the keyboard focus, or None."""
    for node in descendants(fresh(app)):
        if "focused" in states(node):
            return node
    return None


def wait_for_focus(app, name, after):
    """Waits for the focus to reach the object of that name; after names what should have
    moved it there, for the message when it did not."""
    try:
        wait_for(f"the focus on {name}", lambda: (focused(app) or app).name == name, timeout=3)
    except AssertionError:
        focus = focused(app)
        raise AssertionError(f"after {after} the focus is on {focus.name if focus else None!r}, "
                             f"expected {name!r}") from None


def do_action(accessible, name):
    actions = accessible.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    if name not in names:
        raise AssertionError(f"{accessible.name!r} offers no {name!r} action, only {names}")
    actions.doAction(names.index(name))


def set_text(accessible, value):
    if not accessible.queryEditableText().setTextContents(value):
        raise AssertionError(f"the screen reader could not type into {accessible.name!r}")


def extents(accessible):
    """The object's rectangle on the screen: (x, y, width, height)."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def tree(accessible, depth=0):
    """The object and everything below it, one line each, as a screen reader meets them."""
    line = "  " * depth + f"[{role(accessible)}] {accessible.name!r}"
    try:
        line += f" text={text(accessible)!r}"
    except Exception:  # not a text object
        pass
    marks = sorted(states(accessible) - {"sensitive"})
    if "sensitive" not in states(accessible):
        marks.append("insensitive")
    if marks:
        line += " (" + ", ".join(marks) + ")"
    lines = [line]
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            lines.extend(tree(child, depth + 1))
    return lines


def settle(seconds=0.3):
    time.sleep(seconds)
