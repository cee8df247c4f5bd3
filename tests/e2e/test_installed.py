"""The program as a desktop installs it: `cmake --install` into a temporary
prefix (with a space and a dollar sign in its path), the files a desktop reads
accepted by their validators, and the menu entry starting the installed
program in its folder under the data home, showing its pictures."""

import configparser
import os
import shutil
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib

import accessible
from kalnor_e2e import (MAIN_CAPTION, OUTPUT, TITLE_SUFFIX, PageServer, find_windows, list_file_bytes,
                        screen_pixels, send_close_request, wait_until, write_engine_settings, xdotool)

BUILD = os.environ["KALNOR_BUILD"]
CMAKE = os.environ.get("KALNOR_CMAKE", "cmake")
SOURCE = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
APP_ID = "cz.wz.kalnor.internet"
WINDOW_ICON_SIZE = 32
# The fill of the go button's arrow (go.svg).
GO_ARROW = (0x3a, 0xa5, 0x3a)

root = None
prefix = None


def setUpModule():
    global root, prefix
    root = tempfile.mkdtemp(prefix="kalnor-install-")
    prefix = os.path.join(root, "a prefix $HOME")
    subprocess.run([CMAKE, "--install", BUILD, "--prefix", prefix], check=True, capture_output=True, timeout=120)


def tearDownModule():
    if root:
        shutil.rmtree(root, ignore_errors=True)


def installed(*parts):
    return os.path.join(prefix, *parts)


def desktop_entry_path():
    return installed("share", "applications", APP_ID + ".desktop")


def desktop_entry():
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(desktop_entry_path(), encoding="utf-8")
    return parser["Desktop Entry"]


class InstalledFilesTest(unittest.TestCase):
    def test_the_validators_accept_the_desktop_entry_and_the_metainfo(self):
        for command in (["desktop-file-validate", desktop_entry_path()],
                        ["appstreamcli", "validate", "--no-net",
                         installed("share", "metainfo", APP_ID + ".metainfo.xml")]):
            with self.subTest(command[0]):
                checked = subprocess.run(command, capture_output=True, text=True, timeout=60)
                self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
                self.assertNotRegex(checked.stdout, r"(?m)^(W|E):|warning|error")

    def test_the_entry_names_the_installed_icon_and_the_metainfo_names_the_entry(self):
        icon = installed("share", "icons", "hicolor", "scalable", "apps", desktop_entry()["Icon"] + ".svg")
        with open(icon, "rb") as shipped, open(os.path.join(SOURCE, "resources", "pictures", "kalnor.svg"),
                                               "rb") as drawn:
            self.assertEqual(shipped.read(), drawn.read())
        metainfo = ElementTree.parse(installed("share", "metainfo", APP_ID + ".metainfo.xml")).getroot()
        self.assertEqual(metainfo.findtext("id"), APP_ID)
        self.assertEqual(metainfo.findtext("launchable"), os.path.basename(desktop_entry_path()))
        self.assertEqual(metainfo.findtext("provides/binary"), "kalnor")
        self.assertTrue(os.access(installed("bin", "kalnor"), os.X_OK))


class LauncherTest(unittest.TestCase):
    """The installed launcher beside a stand-in for the program that tells
    the folder it was started in."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="kalnor launcher ")
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)
        self.home = os.path.join(self.folder, "home")
        os.makedirs(self.home)
        bin_folder = os.path.join(self.folder, "bin")
        os.makedirs(bin_folder)
        self.launcher = os.path.join(bin_folder, "kalnor-launcher")
        shutil.copy(installed("bin", "kalnor-launcher"), self.launcher)
        stand_in = os.path.join(bin_folder, "kalnor")
        with open(stand_in, "w") as script:
            script.write("#!/bin/sh\npwd\n")
        os.chmod(stand_in, 0o755)

    def launch(self, data_home):
        env = {"PATH": os.environ["PATH"], "HOME": self.home}
        if data_home is not None:
            env["XDG_DATA_HOME"] = data_home
        return subprocess.run([self.launcher], env=env, cwd=self.folder, capture_output=True, text=True, timeout=20)

    def test_the_program_starts_in_its_folder_of_the_data_home(self):
        data_home = os.path.join(self.folder, "data home")
        default = os.path.join(self.home, ".local", "share", "kalnor")
        cases = [
            (data_home, os.path.join(data_home, "kalnor")),
            (data_home, os.path.join(data_home, "kalnor")),  # the folder is there now
            (None, default),
            ("", default),
            ("relative/data", default),  # only absolute folders count
        ]
        for given, expected in cases:
            with self.subTest(data_home=given):
                started = self.launch(given)
                self.assertEqual(started.returncode, 0, started.stderr)
                self.assertEqual(started.stdout.strip(), expected)
        self.assertFalse(os.path.exists(os.path.join(self.folder, "relative")))

    def test_a_file_in_the_folders_place_stops_the_start_with_a_message(self):
        data_home = os.path.join(self.folder, "data")
        os.makedirs(data_home)
        with open(os.path.join(data_home, "kalnor"), "w") as blocker:
            blocker.write("not a folder")
        started = self.launch(data_home)
        self.assertNotEqual(started.returncode, 0)
        self.assertEqual(started.stdout, "")
        self.assertIn("kalnor", started.stderr)


class MenuEntryTest(unittest.TestCase):
    """The entry started the way a desktop's menu starts it."""

    def setUp(self):
        self.server = PageServer()
        self.addCleanup(self.server.close)
        self.folder = tempfile.mkdtemp(prefix="kalnor-menu-")
        self.addCleanup(shutil.rmtree, self.folder, ignore_errors=True)
        self.data_home = os.path.join(self.folder, "data home")
        # The lists of an earlier run: a first run reports the missing ones.
        self.lists = os.path.join(self.data_home, "kalnor")
        os.makedirs(self.lists)
        for name, entries in (("edit.kln", ["seznam.cz"]), ("history.kln", ["http://example.test/"])):
            with open(os.path.join(self.lists, name), "wb") as stored:
                stored.write(list_file_bytes(entries))
        config = os.path.join(self.folder, "config")
        os.makedirs(os.path.join(config, "kalnor"))
        write_engine_settings(os.path.join(config, "kalnor", "engine.ini"), f"home={self.server.url('/home.html')}",
                              f"search={self.server.url('/second.html')}")
        self.context = Gio.AppLaunchContext()
        self.context.setenv("XDG_DATA_HOME", self.data_home)
        self.context.setenv("XDG_CONFIG_HOME", config)

    def launch(self):
        pids = []
        entry = Gio.DesktopAppInfo.new_from_filename(desktop_entry_path())
        entry.launch_uris_as_manager([], self.context, GLib.SpawnFlags.SEARCH_PATH | GLib.SpawnFlags.DO_NOT_REAP_CHILD,
                                     None, None, lambda _entry, pid, _data: pids.append(pid), None)
        self.assertEqual(len(pids), 1)
        self.addCleanup(self.end, pids[0])
        return pids[0]

    @staticmethod
    def end(pid):
        try:
            os.kill(pid, 9)
            os.waitpid(pid, 0)
        except (ProcessLookupError, ChildProcessError):
            pass

    @staticmethod
    def main_window(pid):
        pattern = f"^({MAIN_CAPTION}|.*{TITLE_SUFFIX})$"
        return wait_until(lambda: next((w for w in find_windows(pattern) if xdotool("getwindowpid", w) == str(pid)),
                                       None), 20, "the main window")

    def assert_window_icon(self, window):
        """The window carries the program's icon, at the size it was asked for."""
        icon = subprocess.run(["xprop", "-id", window, "-notype", "32c", "_NET_WM_ICON"], capture_output=True,
                              text=True, timeout=20).stdout
        values = [int(value) for value in icon.partition("=")[2].replace(",", " ").split()]
        self.assertEqual(values[:2], [WINDOW_ICON_SIZE, WINDOW_ICON_SIZE], icon[:200])
        pixels = values[2:2 + WINDOW_ICON_SIZE * WINDOW_ICON_SIZE]
        self.assertEqual(len(pixels), WINDOW_ICON_SIZE * WINDOW_ICON_SIZE)
        self.assertTrue(any(pixel >> 24 for pixel in pixels), "the icon is blank")

    def assert_go_arrow_shown(self, pid):
        bar = accessible.wait_for(pid, "combo box").parent
        x, y, width, height = accessible.extents(accessible.wait_for(pid, "push button", within=bar))
        pixels = screen_pixels([(x + dx, y + dy) for dx in range(width) for dy in range(height)])
        self.assertTrue(any(all(abs(a - b) <= 8 for a, b in zip(pixel, GO_ARROW)) for pixel in pixels),
                        "no arrow on the go button")

    def test_the_installed_program_starts_in_its_folder_with_its_pictures(self):
        pid = self.launch()
        window = self.main_window(pid)
        self.assertEqual(os.readlink(f"/proc/{pid}/exe"), installed("bin", "kalnor"))
        self.assertEqual(os.readlink(f"/proc/{pid}/cwd"), self.lists)
        wait_until(lambda: self.server.count("/home.html") >= 1, 20, "the home page request")
        self.assert_window_icon(window)
        # How a desktop tells which entry the window belongs to.
        wm_class = subprocess.run(["xprop", "-id", window, "WM_CLASS"], capture_output=True, text=True,
                                  timeout=20).stdout
        self.assertIn(f'"{desktop_entry()["StartupWMClass"]}"', wm_class)
        if accessible.available():
            self.assert_go_arrow_shown(pid)
        os.makedirs(OUTPUT, exist_ok=True)
        subprocess.run(["import", "-window", window, os.path.join(OUTPUT, "installed-main-window.png")], check=True,
                       timeout=30)

        send_close_request(window)
        _, status = os.waitpid(pid, 0)
        self.assertEqual(os.waitstatus_to_exitcode(status), 0)
        with open(os.path.join(self.lists, "history.kln"), "rb") as history:
            self.assertTrue(history.read().startswith(list_file_bytes(["http://example.test/"])))

if __name__ == "__main__":
    unittest.main()
