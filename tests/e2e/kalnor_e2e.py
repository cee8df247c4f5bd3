"""What the end-to-end tests share: a local web server, the program started
in a fresh folder with its own list files and engine settings, real X input
through xdotool, and its controls found and read through AT-SPI."""

import collections
import ctypes
import http.server
import os
import re
import select
import shutil
import socket
import subprocess
import tempfile
import threading
import time
import unittest

import accessible
import xlib

OUTPUT = os.environ.get("KALNOR_E2E_OUTPUT", os.path.join(tempfile.gettempdir(), "kalnor-e2e"))
KALNOR = os.environ.get("KALNOR", "kalnor")
MAIN_CAPTION = "Kalnor Internet 2005 - 2.1"
TITLE_SUFFIX = " - Kalnor internet 2005 2.1"
HOME_TITLE = "Domovská stránka"
SLOW_PAGE_SECONDS = 8
LOADING_TEXT = "Stránka se načítá..."
# The circle's colours: red while a page loads, clGreen once it is done.
LOADING_COLOUR = (255, 0, 0)
LOADED_COLOUR = (0, 128, 0)


def wait_until(predicate, timeout, what):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError(f"timed out after {timeout} s waiting for {what}")


class PageServer:
    """Pages with titles on 127.0.0.1, counting the requests for each path.
    A held page is answered only when released (the slow page after
    SLOW_PAGE_SECONDS); a client that gives up on it meanwhile is counted."""

    PAGES = {
        "/home.html": HOME_TITLE,
        "/second.html": "Druhá stránka",
    }
    LONGEST_HOLD = 120

    def __init__(self):
        self.requests = {}
        self.hangups = {}
        self.pages = dict(self.PAGES)
        self.files = {}
        self.onloads = {}
        self._held = {}
        self._lock = threading.Lock()
        self.hold("/slow.html", "Pomalá stránka", seconds=SLOW_PAGE_SECONDS)
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                server._count(server.requests, self.path)
                if not server._wait_until_answered(self):
                    server._count(server.hangups, self.path)
                    self.close_connection = True
                    return
                if self.path in server.files:
                    self.answer(*server.files[self.path])
                    return
                title = server.pages.get(self.path)
                if title is None:
                    self.send_error(404)
                    return
                onload = server.onloads.get(self.path)
                body_tag = f'<body onload="{onload}">' if onload else "<body>"
                body = (f"<html><head><meta charset='utf-8'><title>{title}</title></head>"
                        f"{body_tag}<h1>{title}</h1></body></html>").encode("utf-8")
                self.answer(body, "text/html; charset=utf-8", {})

            def answer(self, body, content_type, headers):
                self.send_response(200)
                self.send_header("Content-Type", content_type)
                self.send_header("Content-Length", str(len(body)))
                self.send_header("Cache-Control", "no-store")
                for name, value in headers.items():
                    self.send_header(name, value)
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self._http = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self._http.daemon_threads = True
        threading.Thread(target=self._http.serve_forever, daemon=True).start()

    def page(self, path, title, onload=None):
        """A page with the title; onload is script run once it has loaded."""
        self.pages[path] = title
        if onload:
            self.onloads[path] = onload

    def file(self, path, body, content_type, headers=None):
        """From now on the path answers with the bytes, of the type and with any further headers."""
        self.files[path] = (body, content_type, headers or {})

    def hold(self, path, title, seconds=None):
        """From now on requests for the page wait for release(), or `seconds`."""
        with self._lock:
            self.pages[path] = title
            self._held[path] = (threading.Event(), seconds)

    def release(self, path):
        with self._lock:
            self._held[path][0].set()

    def _wait_until_answered(self, handler):
        """False when the client closed the connection before the answer."""
        with self._lock:
            gate, seconds = self._held.get(handler.path, (None, None))
        if gate is None:
            return True
        end = time.monotonic() + (seconds if seconds is not None else self.LONGEST_HOLD)
        while not gate.wait(0.05) and time.monotonic() < end:
            try:
                readable, _, _ = select.select([handler.connection], [], [], 0)
                if readable and not handler.connection.recv(1, socket.MSG_PEEK):
                    return False
            except OSError:
                return False
        return True

    def _count(self, counts, path):
        with self._lock:
            counts[path] = counts.get(path, 0) + 1

    def count(self, path):
        with self._lock:
            return self.requests.get(path, 0)

    def hangup_count(self, path):
        with self._lock:
            return self.hangups.get(path, 0)

    def url(self, path):
        return f"http://127.0.0.1:{self._http.server_address[1]}{path}"

    def close(self):
        with self._lock:
            for gate, _ in self._held.values():
                gate.set()
        self._http.shutdown()
        self._http.server_close()


def list_file_bytes(entries):
    """A list file as the program writes it: CR LF after each entry, Windows-1250."""
    return "".join(entry + "\r\n" for entry in entries).encode("cp1250")


def write_engine_settings(path, *lines):
    """The engine's settings file with the "key=value" lines, as the user would write it."""
    with open(path, "w", encoding="utf-8") as ini:
        ini.write("".join(line + "\n" for line in ("[engine]", *lines)))


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20).stdout.strip()


def move_pointer(x, y):
    # A synchronous move to where the pointer already is waits 15 s for a motion that never comes.
    if xdotool("getmouselocation", "--shell").split()[:2] != [f"X={x}", f"Y={y}"]:
        xdotool("mousemove", "--sync", str(x), str(y))


def window_name(window):
    return xdotool("getwindowname", window)


def find_windows(name_pattern):
    found = xdotool("search", "--onlyvisible", "--name", name_pattern)
    return found.split() if found else []


def screen_pixels(points):
    """The colours (red, green, blue) at the given points of the screen, from one capture."""
    image = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                           capture_output=True, check=True, timeout=30).stdout
    header = re.match(rb"P6\s+(?:#[^\n]*\s+)*(\d+)\s+(\d+)\s+255\s", image)
    if header is None:
        raise AssertionError("the screen capture is not an 8-bit PPM image")
    width = int(header.group(1))
    start = header.end()
    return [tuple(image[start + 3 * (y * width + x):start + 3 * (y * width + x) + 3]) for x, y in points]


def transient_for(window):
    """The window the given one is kept over, as the X server records it; None if none."""
    found = re.search(r"window id # (0x[0-9a-fA-F]+)",
                      subprocess.run(["xprop", "-id", str(window), "WM_TRANSIENT_FOR"], capture_output=True,
                                     text=True, timeout=20).stdout)
    return str(int(found.group(1), 16)) if found else None


def _send_client_message(window, message_type, data, to_root=False):
    """A client message about the window, as a window manager or a pager sends it."""

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):
        _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]

    x11 = xlib.load()
    display = xlib.open_display(x11)
    event = Event()
    event.client.type = 33  # ClientMessage
    event.client.window = int(window)
    event.client.message_type = x11.XInternAtom(display, message_type.encode(), 0)
    event.client.format = 32
    for i, value in enumerate(data):
        event.client.data[i] = x11.XInternAtom(display, value.encode(), 0) if isinstance(value, str) else value
    # Requests for the window manager go to the root window, for it to redirect.
    target, mask = (x11.XDefaultRootWindow(display), 0x180000) if to_root else (int(window), 0)
    x11.XSendEvent(display, target, 0, mask, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


def send_close_request(window):
    """What a window manager sends when the user closes a window: WM_DELETE_WINDOW."""
    _send_client_message(window, "WM_PROTOCOLS", ["WM_DELETE_WINDOW", 0])


def set_maximized(window, maximized):
    """Asks the window manager to maximise the window, or to restore it."""
    _send_client_message(window, "_NET_WM_STATE",
                         [1 if maximized else 0, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ", 1],
                         to_root=True)


def is_maximized(window):
    return "_NET_WM_STATE_MAXIMIZED_HORZ" in _xprop(window, "_NET_WM_STATE")


def minimize(window):
    """Asks the window manager to minimise the window."""
    _send_client_message(window, "WM_CHANGE_STATE", [3], to_root=True)  # IconicState


def _xprop(window, name):
    target = ["-root"] if window == "root" else ["-id", str(window)]
    return subprocess.run(["xprop", *target, name], capture_output=True, text=True, timeout=20).stdout


def xprop_numbers(window, name):
    """The numbers of a window's (or "root"'s) property; empty when it has none."""
    found = re.search(r"=\s*([\dxa-fA-F, ]+)$", _xprop(window, name).strip())
    return [int(value, 0) for value in found.group(1).split(",")] if found else []


def work_area():
    """The desktop's work area as the window manager publishes it: x, y, width, height."""
    return tuple(xprop_numbers("root", "_NET_WORKAREA")[:4])


def frame_extents(window):
    """The window manager's frame around the window: left, right, top, bottom."""
    return tuple(xprop_numbers(window, "_NET_FRAME_EXTENTS")) or (0, 0, 0, 0)


def allowed_actions(window):
    """The actions the window manager offers for the window, without their _NET_WM_ACTION_ prefix."""
    return set(re.findall(r"_NET_WM_ACTION_(\w+)", _xprop(window, "_NET_WM_ALLOWED_ACTIONS")))


def _xwininfo(window):
    return subprocess.run(["xwininfo", "-id", str(window)], capture_output=True, text=True, timeout=20).stdout


def window_geometry(window):
    """The window itself, within its frame, on the screen: x, y, width, height."""
    info = _xwininfo(window)
    fields = [r"Absolute upper-left X:\s+(-?\d+)", r"Absolute upper-left Y:\s+(-?\d+)", r"Width:\s+(\d+)",
              r"Height:\s+(\d+)"]
    return tuple(int(re.search(field, info).group(1)) for field in fields)


def frame_position(window):
    """Where the window manager's frame around the window stands on the screen."""
    x, y, _, _ = window_geometry(window)
    left, _, top, _ = frame_extents(window)
    return x - left, y - top


def is_viewable(window):
    return "IsViewable" in _xwininfo(window)


def register_default_program(data_home, mime_type, log, argument="%u"):
    """Makes, in a throwaway XDG data folder, a program that appends each of its
    arguments as a line to `log` the desktop's default for the MIME type; it is
    given the address (%u) or the file's path (%f)."""
    applications = os.path.join(data_home, "applications")
    os.makedirs(applications, exist_ok=True)
    recorder = os.path.join(data_home, "recorder.sh")
    with open(recorder, "w", encoding="utf-8") as script:
        script.write(f"#!/bin/sh\nprintf '%s\\n' \"$@\" >> '{log}'\n")
    os.chmod(recorder, 0o755)
    with open(os.path.join(applications, "kalnor-recorder.desktop"), "w", encoding="utf-8") as entry:
        entry.write(f"[Desktop Entry]\nType=Application\nName=Recorder\nExec={recorder} {argument}\n"
                    f"MimeType={mime_type};\nNoDisplay=true\n")
    with open(os.path.join(applications, "mimeapps.list"), "w", encoding="utf-8") as defaults:
        defaults.write(f"[Default Applications]\n{mime_type}=kalnor-recorder.desktop\n")


def programs_for(mime_type, data_home):
    """The desktop entries of the programs GIO finds for the type with that data folder."""
    found = subprocess.run(["gio", "mime", mime_type], capture_output=True, text=True, timeout=20,
                           env=dict(os.environ, XDG_DATA_HOME=data_home)).stdout
    return sorted(set(re.findall(r"\S+\.desktop", found)))


def recorded_lines(log):
    if not os.path.exists(log):
        return []
    with open(log, encoding="utf-8") as f:
        return f.read().splitlines()


MessageBox = collections.namedtuple("MessageBox", "node title texts")


class Kalnor:
    """The program running in its own folder, with the given list files."""

    def __init__(self, server, home="/home.html", edit=("seznam.cz",), history=("http://example.test/",),
                 engine=(), env=None):
        """`engine`: more "key=value" lines of the engine's settings; `env`: more environment."""
        self.folder = tempfile.mkdtemp(prefix="kalnor-e2e-")
        config = os.path.join(self.folder, "config", "kalnor")
        os.makedirs(config)
        self.settings_file = os.path.join(config, "engine.ini")
        self.write_settings(server.url(home), server.url("/second.html"), *engine)
        if edit is not None:
            self.write_list("edit.kln", edit)
        if history is not None:
            self.write_list("history.kln", history)
        environment = dict(os.environ, **(env or {}), XDG_CONFIG_HOME=os.path.join(self.folder, "config"))
        self.log = open(os.path.join(self.folder, "kalnor.log"), "wb")
        self.process = subprocess.Popen([KALNOR], cwd=self.folder, env=environment, stdout=self.log, stderr=self.log)
        self.window = None

    def path(self, name):
        return os.path.join(self.folder, name)

    def write_settings(self, home, search, *more):
        """The engine's settings file, as the user would edit it."""
        write_engine_settings(self.settings_file, f"home={home}", f"search={search}", *more)

    def write_list(self, name, entries):
        with open(self.path(name), "wb") as f:
            f.write(list_file_bytes(entries))

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def own_windows(self, name_pattern):
        pid = str(self.process.pid)
        return [w for w in find_windows(name_pattern) if xdotool("getwindowpid", w) == pid]

    def wait_main_window(self, timeout=20):
        pattern = f"^({MAIN_CAPTION}|.*{TITLE_SUFFIX})$"
        self.window = wait_until(lambda: (self.own_windows(pattern) or [None])[0], timeout, "the main window")
        return self.window

    def caption(self):
        return window_name(self.window)

    def focus(self):
        xdotool("windowfocus", "--sync", self.window)

    def key(self, *keys):
        self.focus()
        xdotool("key", "--clearmodifiers", *keys)

    def click(self, x, y):
        move_pointer(x, y)
        xdotool("click", "1")

    def type(self, text):
        xdotool("type", "--delay", "40", "--", text)

    def screenshot(self, window, file_name):
        os.makedirs(OUTPUT, exist_ok=True)
        target = os.path.join(OUTPUT, file_name)
        subprocess.run(["import", "-window", str(window), target], check=True, timeout=30)
        return target

    # The controls, found through the accessibility bus (see accessible.available()).

    def _find(self, role, name=None, within=None, timeout=10):
        return accessible.wait_for(self.process.pid, role, name, within=within, timeout=timeout)

    def find(self, role, name=None, within=None, timeout=10):
        """The first shown control of the role (and name), waiting for it to appear."""
        return self._find(role, name, within=within, timeout=timeout)

    def address_bar(self):
        """The "Adresa" tool bar: the address box, the go button and the circle."""
        return self._find("combo box").parent

    def address_entry(self):
        """The editable text of the address box."""
        return self._find("text", within=self._find("combo box"))

    def address_text(self):
        return accessible.text(self.address_entry())

    def address_list(self):
        """The entries the address box's drop-down list shows, opened with its arrow and closed with Esc."""
        self.click(*accessible.centre(self._find("toggle button", within=self._find("combo box"))))
        rows = self.drop_down_rows()
        xdotool("key", "Escape")
        wait_until(lambda: not self.drop_down_shown(), 10, "the drop-down list closed")
        return rows

    def drop_down_shown(self):
        return any(accessible.is_showing(table) for table in self._drop_down_tables())

    def _drop_down_tables(self):
        windows = accessible.find_all(self.process.pid, "window")
        return [table for window in windows for table in accessible.find_all(self.process.pid, "table", within=window)]

    def drop_down_table(self):
        """The open drop-down list's table of rows."""
        wait_until(self.drop_down_shown, 10, "the drop-down list")
        return next(table for table in self._drop_down_tables() if accessible.is_showing(table))

    def drop_down_rows(self):
        """The entries shown in the open drop-down list, top to bottom."""
        table = self.drop_down_table().queryTable()
        return [table.getAccessibleAt(row, 0).name for row in range(table.nRows)]

    def enter_address(self, text):
        """Clicks into the address box and types the text over what it held."""
        entry = self.address_entry()
        self.click(*accessible.centre(entry))
        wait_until(lambda: entry.getState().contains(accessible.pyatspi.STATE_FOCUSED), 10, "the address box focused")
        xdotool("key", "--clearmodifiers", "ctrl+a")
        self.type(text)
        wait_until(lambda: accessible.text(entry) == text, 10, f"{text!r} in the address box")

    def go_button(self):
        return self._find("push button", within=self.address_bar())

    def circle(self):
        """The loading indicator right of the go button."""
        return self._find("drawing area", within=self.address_bar())

    def circle_colour(self):
        """The colour on screen at the circle's centre."""
        x, y, width, height = accessible.extents(self.circle())
        return screen_pixels([(x + width // 2, y + height // 2)])[0]

    def function_buttons(self):
        """The buttons of the "Funkce" tool bar, left to right."""
        address_bar = self.address_bar()
        for bar in accessible.children(address_bar.parent):
            if accessible.find_all(self.process.pid, "combo box", within=bar):
                continue
            buttons = [node for node in accessible.children(bar) if node.getRoleName() == "push button"]
            if buttons:
                return sorted(buttons, key=lambda node: accessible.extents(node)[0])
        raise AssertionError("no Funkce tool bar beside the address bar")

    def status_bar(self):
        for bar in accessible.find_all(self.process.pid, "filler"):
            panels = accessible.children(bar)
            if len(panels) >= 2 and all(
                    panel.getRoleName() == "panel" and panel.childCount == 1
                    and panel.getChildAtIndex(0).getRoleName() == "label" for panel in panels):
                return bar
        raise AssertionError("no status bar")

    def status_texts(self):
        """The texts of the status bar's panels, left to right."""
        return [panel.getChildAtIndex(0).name for panel in accessible.children(self.status_bar())]

    def page(self):
        """The web view."""
        return self._find("document web")

    def history_rows(self):
        """The entries of the history panel, top to bottom: (tick cell, text)."""
        table = self._find("table").queryTable()
        return [(table.getAccessibleAt(row, 0), table.getAccessibleAt(row, 1).name) for row in range(table.nRows)]

    def check_list_rows(self, within=None):
        """The entries of the first check-list shown (in `within`, if given), top to bottom: (tick cell, text)."""
        table = self._find("table", within=within).queryTable()
        return [(table.getAccessibleAt(row, 0), table.getAccessibleAt(row, 1).name) for row in range(table.nRows)]

    def frame(self, title):
        """A shown window of the program, by its title."""
        return self._find("frame", title)

    def menu_command(self, *captions):
        """Chooses a command with the mouse: a menu-bar caption, then the sub-menus and the item below it."""
        bar = self._find("menu bar")
        item = next((node for node in accessible.children(bar) if node.name == captions[0]), None)
        if item is None:
            raise AssertionError(f"no {captions[0]!r} on the menu bar")
        self.click(*accessible.centre(item))
        for depth, caption in enumerate(captions[1:], start=2):
            item = self._find("menu item" if depth == len(captions) else "menu", caption, within=item)
            self.click(*accessible.centre(item))

    def wait_message_box(self, title, timeout=20):
        """A message box of the program with the given window title."""
        wait_until(lambda: self.own_windows(f"^{re.escape(title)}$"), timeout, f"the message box {title!r}")
        # Its accessible name is its kind ("Error"), not its title.
        node = self._find("alert")
        texts = [label.name for label in accessible.find_all(self.process.pid, "label", within=node)]
        return MessageBox(node, title, [text for text in texts if text])

    def confirm_message_box(self, box):
        self.click(*accessible.centre(self._find("push button", "OK", within=box.node)))
        wait_until(lambda: not self.own_windows(f"^{re.escape(box.title)}$"), 10, "the message box to close")

    def wait_exit(self, timeout=20):
        return self.process.wait(timeout=timeout)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=10)
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)


class KalnorTestCase(unittest.TestCase):
    """Each test gets its own server; programs it starts are ended afterwards."""

    def setUp(self):
        self.server = PageServer()
        self.addCleanup(self.server.close)

    def start(self, **options):
        program = Kalnor(self.server, **options)
        self.addCleanup(program.close)
        return program

    def start_and_load_home(self, **options):
        program = self.start(**options)
        program.wait_main_window()
        wait_until(lambda: self.server.count("/home.html") >= 1, 20, "the home page request")
        return program

    def start_and_show_home(self, **options):
        """Started, with the home page loaded and its title in the caption."""
        program = self.start_and_load_home(**options)
        self.assert_eventually(program.caption, HOME_TITLE + TITLE_SUFFIX, 20, "the home page title in the caption")
        return program

    def assert_goes_on(self, program):
        """The program still runs and loads pages: F5 reloads the home page."""
        requests = self.server.count("/home.html")
        program.key("F5")
        self.assert_eventually(lambda: self.server.count("/home.html"), requests + 1, 20, "the home page reloaded")
        self.assertIsNone(program.process.poll())

    def assert_eventually(self, read, expected, timeout, what):
        """Polls until read() gives the expected value; fails showing the last one."""
        end = time.monotonic() + timeout
        while True:
            value = read()
            if value == expected or time.monotonic() > end:
                break
            time.sleep(0.1)
        self.assertEqual(value, expected, f"waiting {timeout} s for {what}")
