"""Started while every processor core is busy, the main window still ends up
with the page and the status bar reaching the edges of its client area: the
size the window manager gives it late is followed like any other."""

import os
import subprocess
import sys
import unittest

import accessible
from kalnor_e2e import KalnorTestCase
from test_window_manager import assert_children_fill, wait_over_work_area

STARTS = 5


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the page and the status bar on screen")
class StartUpUnderLoadTest(KalnorTestCase):
    def setUp(self):
        super().setUp()
        for _ in range(os.cpu_count() or 1):
            busy = subprocess.Popen([sys.executable, "-c", "while True: pass"])
            self.addCleanup(busy.wait)
            self.addCleanup(busy.kill)

    def test_the_start_up_layout_fills_the_window_every_time(self):
        for start in range(STARTS):
            with self.subTest(start=start):
                program = self.start_and_load_home()
                wait_over_work_area(program)
                assert_children_fill(self, program, f"start {start + 1}")
                program.close()


if __name__ == "__main__":
    unittest.main()
