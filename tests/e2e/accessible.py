"""Reads what the program shows through the accessibility bus (AT-SPI), when
the system has it: texts of labels and where menu items stand on screen."""

import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:  # the checks that need it are skipped
    pyatspi = None


def available():
    return pyatspi is not None


def _application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away meanwhile
            continue
    return None


def _walk(node, depth=0):
    if node is None or depth > 25:
        return
    yield node
    try:
        count = node.childCount
    except GLib.GError:  # a node that went away while the tree was read
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except GLib.GError:
            continue
        yield from _walk(child, depth + 1)


def _is(node, role, name):
    try:
        return node.getRoleName() == role and (name is None or node.name == name)
    except GLib.GError:
        return False


def _is_showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except GLib.GError:
        return False


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def find_all(pid, role, name=None, within=None):
    root = within if within is not None else _application(pid)
    if root is None:
        return []
    return [n for n in _walk(root) if _is(n, role, name)]


def wait_for(pid, role, name=None, within=None, timeout=10, showing=True):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for node in find_all(pid, role, name, within):
            if not showing or _is_showing(node):
                return node
        time.sleep(0.2)
    raise AssertionError(f"no {role} {name!r} appeared within {timeout} s")


def extents(node):
    """Where the node stands on screen: x, y, width, height."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def centre(node):
    x, y, width, height = extents(node)
    return x + width // 2, y + height // 2


def text(node):
    """The whole text of an editable or text node."""
    return node.queryText().getText(0, -1)


def is_checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def is_showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)
