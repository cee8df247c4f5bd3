"""A load that fails counts once: the history gets its address one time and
the caption shows that address, while the engine's error page for it counts
for nothing of its own."""

import socket
import unittest

import accessible
from kalnor_e2e import TITLE_SUFFIX, KalnorTestCase, list_file_bytes, send_close_request

STORED = ["http://example.test/"]


def closed_port_address():
    """An address on 127.0.0.1 where nothing answers."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    return f"http://127.0.0.1:{port}/"


@unittest.skipUnless(accessible.available(), "needs AT-SPI to type addresses and read the status bar")
class FailedLoadTest(KalnorTestCase):
    def visit(self, program, address):
        program.enter_address(address)
        program.key("Return")
        self.assert_eventually(lambda: program.status_texts()[0], address, 20, f"{address} completed")

    def test_each_failed_load_is_one_history_entry(self):
        program = self.start_and_show_home(history=STORED)
        home = self.server.url("/home.html")
        self.assert_eventually(lambda: program.status_texts()[0], home, 20, "the home page completed")
        failed = [closed_port_address(), f"file://{program.path('missing.html')}"]
        for address in failed:
            self.visit(program, address)
            self.assert_eventually(program.caption, address + TITLE_SUFFIX, 10, "the failed address in the caption")
        program.screenshot(program.window, "failed-load.png")
        # A page that loads afterwards shows that the error pages have had their turn.
        self.visit(program, self.server.url("/second.html"))
        send_close_request(program.window)
        self.assertEqual(program.wait_exit(), 0)
        self.assertEqual(program.read("history.kln"),
                         list_file_bytes(STORED + [home] + failed + [self.server.url("/second.html")]))


if __name__ == "__main__":
    unittest.main()
