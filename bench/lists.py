"""Long lists against the bare WebKitGTK window, in the same run, under Xvfb
with a window manager (openbox). For "edit.kln" and "history.kln" of 0,
10,000, 100,000 and 1,000,000 entries each, and for one line of 100 MB:

- start-up: from starting the process to the home page's load event, which
  the page reports to the local server it came from;
- from the input to the screen showing the result, each followed by the CPU
  time the program uses in the next second: opening the address drop-down
  (F4), one typed letter that only the last address begins with (the search
  goes through the whole list), showing the history panel, ticking its first
  entry, deleting it with Esc and hiding the panel;
- the UI process's peak memory (VmHWM);
- with empty lists, the CPU time each program takes over seconds of idling.

It prints medians with the bare window's figures beside kalnor's, and the
budgets: start-up within the bare window's plus the time one load of each
list file takes (list_file_bench --load), memory within the bare window's
plus three times the two files.

    lists.py KALNOR BARE_WEBKIT LIST_FILE_BENCH [RUNS] [SIZES...]

Run it through lists.sh, which builds the programs and runs it on a virtual
screen under openbox with a D-Bus session of its own, as the end-to-end tests
run. Where the controls stand is read once through the accessibility bus; the
measured runs have it switched off."""

import ctypes
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

import xlib  # noqa: E402 (found through the path above)

HUGE = "huge"  # one line of 100 MB in each file
SETTLED_AFTER = 0.3  # seconds without a change: the screen shows the result
LAST_LETTER = "z"  # only the last address begins with it


class X11:
    """Input through XTest and pixels through XGetImage, without a process per call."""

    def __init__(self):
        self.x = xlib.load()
        self.xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.display = xlib.open_display(self.x)
        self.root = self.x.XDefaultRootWindow(self.display)

    def key(self, name):
        code = self.x.XKeysymToKeycode(self.display, self.x.XStringToKeysym(name.encode()))
        self.xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        self.xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x.XFlush(self.display)

    def move(self, point):
        self.xtst.XTestFakeMotionEvent(self.display, -1, point[0], point[1], 0)
        self.x.XFlush(self.display)

    def click(self, point):
        self.move(point)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.x.XFlush(self.display)

    def pixels(self, area):
        x, y, width, height = area
        image = self.x.XGetImage(self.display, self.root, x, y, width, height, 0xFFFFFFFF, 2)  # ZPixmap
        data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * height)
        self.x.XDestroyImage(image)
        return data

    def time_to_result(self, act, area, timeout=10):
        """Seconds from act() to the last change of the area before it stayed
        unchanged for SETTLED_AFTER; None when nothing changed."""
        before = self.pixels(area)
        start = time.monotonic()
        act()
        last, changed_at = before, None
        while time.monotonic() - start < timeout:
            now = self.pixels(area)
            if now != last:
                last, changed_at = now, time.monotonic()
            elif changed_at is not None and time.monotonic() - changed_at > SETTLED_AFTER:
                break
            time.sleep(0.001)
        return None if changed_at is None else changed_at - start


def addresses(count):
    """Web addresses of 30 to 60 characters; the last one alone begins with LAST_LETTER."""
    hosts = ["www.seznam.cz", "www.idnes.cz", "cs.wikipedia.org", "www.novinky.cz", "www.mapy.cz", "github.com"]
    letters = "abcdefghijklmnopqrstuvwxyz0123456789/-_"
    chance = random.Random(2024)
    lines = []
    for _ in range(count - 1):
        line = f"https://{chance.choice(hosts)}/"
        line += "".join(chance.choice(letters) for _ in range(chance.randint(30, 60) - len(line)))
        lines.append(line)
    if count:
        lines.append(f"{LAST_LETTER}zz.example.test/the-last-address")
    return lines


def make_folder(size, home):
    """A current folder with both list files, engine settings and no blinking caret."""
    from kalnor_e2e import list_file_bytes, write_engine_settings
    folder = tempfile.mkdtemp(prefix=f"kalnor-lists-{size}-")
    text = list_file_bytes(["http://huge.test/" + "x" * (100 << 20)] if size == HUGE else addresses(size))
    for name in ("edit.kln", "history.kln"):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(text)
    os.makedirs(os.path.join(folder, "config", "kalnor"))
    os.makedirs(os.path.join(folder, "config", "gtk-3.0"))
    write_engine_settings(os.path.join(folder, "config", "kalnor", "engine.ini"), f"home={home}")
    with open(os.path.join(folder, "config", "gtk-3.0", "settings.ini"), "w") as ini:
        ini.write("[Settings]\ngtk-cursor-blink=false\ngtk-enable-animations=false\n")
    return folder


class Run:
    """One program started in the folder, timed to its home page's load."""

    def __init__(self, command, folder, server):
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"), NO_AT_BRIDGE="1")
        loads = server.count("/loaded")
        start = time.monotonic()
        self.process = subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        while server.count("/loaded") == loads:
            if time.monotonic() - start > 300 or self.process.poll() is not None:
                self.stop()
                raise SystemExit(f"{command[0]}: the home page did not load")
            time.sleep(0.0005)
        self.startup = time.monotonic() - start

    def cpu_seconds(self):
        with open(f"/proc/{self.process.pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    def cpu_over(self, seconds):
        before = self.cpu_seconds()
        time.sleep(seconds)
        return self.cpu_seconds() - before

    def peak_mb(self):
        with open(f"/proc/{self.process.pid}/status") as status:
            for line in status:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
        return float("nan")

    def stop(self):
        self.process.kill()
        self.process.wait()


def calibrate(kalnor, server):
    """Where the address box, its drop-down, the history button and the panel
    stand, read through the accessibility bus from one run."""
    import accessible
    from kalnor_e2e import Kalnor
    if not accessible.available():
        raise SystemExit("needs python3-pyatspi to find the controls")
    entries = [f"http://calibration.test/{i}" for i in range(20)]
    program = Kalnor(server, home="/start.html", edit=entries, history=entries)
    try:
        program.wait_main_window(60)
        entry = program.address_entry()
        spots = {"entry": accessible.centre(entry), "entry area": accessible.extents(entry),
                 "history button": accessible.centre(program.function_buttons()[5])}
        program.click(*spots["entry"])
        program.key("F4")
        spots["drop-down area"] = accessible.extents(program.drop_down_table())
        program.key("Escape")
        program.click(*spots["history button"])
        spots["panel area"] = accessible.extents(program.find("table"))
        spots["first tick"] = accessible.centre(program.history_rows()[0][0])
        close = next(button for button in accessible.find_all(program.process.pid, "push button")
                     if button.description == "Zavřít historii")
        spots["close button"] = accessible.centre(close)
        return spots
    finally:
        program.close()


def measure_kalnor(run, x, spots):
    """The actions, each from the state the one before left."""
    figures = {"start-up": run.startup}

    def timed(name, act, area):
        figures[name] = x.time_to_result(act, spots[area])
        figures[name + " cpu after"] = run.cpu_over(1.0)

    x.click(spots["entry"])
    time.sleep(0.5)
    timed("drop-down", lambda: x.key("F4"), "drop-down area")
    x.key("Escape")
    time.sleep(0.5)
    timed("letter", lambda: x.key(LAST_LETTER), "entry area")
    timed("history", lambda: x.click(spots["history button"]), "panel area")
    timed("tick", lambda: x.click(spots["first tick"]), "panel area")
    timed("delete", lambda: x.key("Escape"), "panel area")
    timed("hide", lambda: x.click(spots["close button"]), "panel area")
    figures["peak"] = run.peak_mb()
    return figures


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else float("nan")


def load_ms(list_file_bench, folder):
    total = 0.0
    for name in ("edit.kln", "history.kln"):
        out = subprocess.run([list_file_bench, "--load", os.path.join(folder, name)], capture_output=True, text=True)
        total += float(out.stdout.split()[0])
    return total


def main():
    kalnor, bare, list_file_bench = sys.argv[1:4]
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    sizes = [s if s == HUGE else int(s) for s in sys.argv[5:]] or [0, 10_000, 100_000, 1_000_000, HUGE]
    os.environ["KALNOR"] = kalnor  # the harness reads it as it loads
    from kalnor_e2e import PageServer
    server = PageServer()
    server.page("/start.html", "Start", onload="fetch('/loaded')")
    home = server.url("/start.html")
    x = X11()
    try:
        spots = calibrate(kalnor, server)
        rows = []
        for size in sizes:
            folder = make_folder(size, home)
            file_mb = 2 * os.path.getsize(os.path.join(folder, "edit.kln")) / (1 << 20)
            load = load_ms(list_file_bench, folder) / 1000
            Run([bare, home], folder, server).stop()  # warms the disk cache
            kalnor_figures, bare_figures = [], []
            for _ in range(runs):
                run = Run([bare, home], folder, server)
                time.sleep(0.5)
                bare_figures.append({"start-up": run.startup, "peak": run.peak_mb(),
                                     "idle cpu": run.cpu_over(3) if size == 0 else None})
                run.stop()
                run = Run([kalnor], folder, server)
                time.sleep(0.5)
                idle = run.cpu_over(3) if size == 0 else None
                figures = measure_kalnor(run, x, spots)
                figures["idle cpu"] = idle
                kalnor_figures.append(figures)
                run.stop()
            shutil.rmtree(folder, ignore_errors=True)
            rows.append((size, file_mb, load, kalnor_figures, bare_figures))
            print_table(rows, runs)
    finally:
        server.close()


def print_table(rows, runs):
    actions = ("drop-down", "letter", "history", "tick", "delete", "hide")
    print(f"\nMedians of {runs} runs each. Start-up in ms to the home page's load; actions in ms from the input "
          "to the screen showing the result, with the CPU ms used in the second after it; peak memory in MB.")
    print(f"{'entries':>11} | {'start-up':>8} {'bare':>5} {'ratio':>5} {'budget':>6} | "
          + " | ".join(f"{action:>9} {'cpu':>3}" for action in actions)
          + f" | {'peak':>5} {'bare':>5} {'budget':>6} | {'idle cpu ms in 3 s':>18} {'bare':>4}")
    for size, file_mb, load, kalnor, bare in rows:
        k = {key: median([f[key] for f in kalnor]) for key in kalnor[0]}
        b = {key: median([f[key] for f in bare]) for key in bare[0]}
        label = "100 MB line" if size == HUGE else f"{size:,}"
        idle = f"{k['idle cpu'] * 1000:18.0f} {b['idle cpu'] * 1000:4.0f}" if size == 0 else ""
        print(f"{label:>11} | {k['start-up'] * 1000:8.0f} {b['start-up'] * 1000:5.0f} "
              f"{k['start-up'] / b['start-up']:5.2f} {(b['start-up'] + load) * 1000:6.0f} | "
              + " | ".join(f"{k[action] * 1000:9.0f} {k[action + ' cpu after'] * 1000:3.0f}" for action in actions)
              + f" | {k['peak']:5.0f} {b['peak']:5.0f} {b['peak'] + 3 * file_mb:6.0f} | {idle}")
    sys.stdout.flush()


if __name__ == "__main__":
    main()
