"""The program as a screen reader such as Orca reads it: through AT-SPI, on the private D-Bus
session that session.run starts."""
import time

from session import TestFailure, check, wait_for

import pyatspi  # noqa: E402  (Debian's python3-pyatspi; needs the session's bus first)

STATE_NAMES = {
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_CHECKED: "checked",
    pyatspi.STATE_SENSITIVE: "sensitive",
    pyatspi.STATE_ACTIVE: "active",
    pyatspi.STATE_MODAL: "modal",
}


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
    return {name for state, name in STATE_NAMES.items() if state_set.contains(state)}


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


def do_action(accessible, name):
    actions = accessible.queryAction()
    names = [actions.getName(index) for index in range(actions.nActions)]
    check(name in names, f"{accessible.name!r} offers no {name!r} action, only {names}")
    actions.doAction(names.index(name))


def set_text(accessible, value):
    check(accessible.queryEditableText().setTextContents(value),
          f"the screen reader could not type into {accessible.name!r}")


def extents(accessible):
    """The object's rectangle on the screen: (x, y, width, height)."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def tree(accessible, depth=0):
    """The object and everything below it, one line each, as a screen reader meets them."""
    line = "  " * depth + f"[{role(accessible)}] {accessible.name!r}"
    try:
        shown = text(accessible)
        line += f" text={shown!r}"
    except NotImplementedError:
        pass
    except Exception:
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


__all__ = ["TestFailure"]
