"""The end of the desktop session closes the main window as "Konec" does, so
the history of the run is saved: on SIGTERM, SIGHUP and SIGINT, with a
message box still open, and when the X server goes away."""

import contextlib
import os
import signal
import subprocess
import unittest
from unittest import mock

import accessible
from kalnor_e2e import HOME_TITLE, TITLE_SUFFIX, KalnorTestCase, list_file_bytes, wait_until

STORED = ["http://example.test/"]


@contextlib.contextmanager
def own_display():
    """A display of its own, for a program whose X server is to go away."""
    reader, writer = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(writer), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              pass_fds=[writer], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(writer)
    try:
        with os.fdopen(reader) as numbers:
            display = ":" + numbers.readline().strip()
        with mock.patch.dict(os.environ, {"DISPLAY": display}):
            yield server
    finally:
        if server.poll() is None:
            server.kill()
        server.wait(timeout=10)


@unittest.skipUnless(accessible.available(), "needs AT-SPI to see when a load has completed")
class SessionEndTest(KalnorTestCase):
    def start_with_home_loaded(self, **options):
        program = self.start_and_show_home(history=STORED, **options)
        self.wait_completed(program, "/home.html")
        return program

    def wait_completed(self, program, path):
        """The status bar shows the address once the load's completion is handled."""
        self.assert_eventually(lambda: program.status_texts()[0], self.server.url(path), 20, f"{path} completed")

    def assert_history_saved(self, program, paths, exit_code=0):
        self.assertEqual(program.wait_exit(), exit_code)
        self.assertEqual(program.read("history.kln"),
                         list_file_bytes(STORED + [self.server.url(path) for path in paths]))

    def test_sigterm_saves_the_pages_of_the_run(self):
        program = self.start_with_home_loaded()
        program.enter_address(self.server.url("/second.html"))
        program.key("Return")
        self.wait_completed(program, "/second.html")
        program.process.send_signal(signal.SIGTERM)
        self.assert_history_saved(program, ["/home.html", "/second.html"])

    def test_sighup_and_sigint_save_it_too(self):
        for sent in (signal.SIGHUP, signal.SIGINT):
            with self.subTest(signal=sent.name):
                program = self.start_with_home_loaded()
                program.process.send_signal(sent)
                self.assert_history_saved(program, ["/home.html"])

    def test_an_open_message_box_does_not_keep_the_program_running(self):
        program = self.start(edit=None, history=STORED)
        program.wait_message_box("Kalnor internet 2005 - 2.0")
        program.process.send_signal(signal.SIGTERM)
        self.assertEqual(program.wait_exit(), 0)
        self.assertTrue(program.read("history.kln").startswith(list_file_bytes(STORED)))

    def test_losing_the_x_server_saves_the_history(self):
        with own_display() as server:
            program = self.start_with_home_loaded()
            server.terminate()
            # GDK ends the program with an error once the server is gone.
            self.assert_history_saved(program, ["/home.html"], exit_code=1)


if __name__ == "__main__":
    unittest.main()
