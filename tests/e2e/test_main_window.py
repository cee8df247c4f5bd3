"""The main window on a real display: its caption, the home page, reloading
with F5, and how it looks."""

import time
import unittest

from kalnor_e2e import (HOME_TITLE, MAIN_CAPTION, SLOW_PAGE_SECONDS, TITLE_SUFFIX, KalnorTestCase,
                        send_close_request, wait_until)


class MainWindowTest(KalnorTestCase):
    def test_caption_follows_the_home_page(self):
        program = self.start_and_load_home()
        titled = HOME_TITLE + TITLE_SUFFIX
        # Until the page title reaches the caption the window keeps its own.
        try:
            wait_until(lambda: program.caption() == titled, 8, "the page title in the caption")
        except AssertionError:
            self.assertEqual(program.caption(), MAIN_CAPTION)
        self.assertEqual(self.server.count("/home.html"), 1)

    def test_f5_loads_the_page_again(self):
        program = self.start_and_load_home()
        program.key("F5")
        wait_until(lambda: self.server.count("/home.html") >= 2, 15, "the second request of the home page")

    def test_the_window_answers_while_a_slow_page_loads(self):
        program = self.start(home="/slow.html")
        program.wait_main_window()
        wait_until(lambda: self.server.count("/slow.html") >= 1, 20, "the slow page request")
        asked = time.monotonic()
        send_close_request(program.window)
        self.assertEqual(program.wait_exit(), 0)
        self.assertLess(time.monotonic() - asked, SLOW_PAGE_SECONDS - 2)

    def test_screenshot_of_the_main_window(self):
        program = self.start_and_load_home()
        time.sleep(2)  # the page and the bars draw
        program.screenshot(program.window, "main-window.png")


if __name__ == "__main__":
    unittest.main()
