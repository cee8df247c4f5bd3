"""While a page loads the circle beside the go button is red and the status
bar says so; once it has loaded the circle is green, the status bar shows
the page's address and the caption its title."""

import unittest

import accessible
from kalnor_e2e import (LOADED_COLOUR, LOADING_COLOUR, LOADING_TEXT, TITLE_SUFFIX, KalnorTestCase,
                        screen_pixels)

HELD = "/held.html"
TITLE = "Zdržená stránka"


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the circle and read the status bar")
class LoadFeedbackTest(KalnorTestCase):
    def test_the_circle_status_bar_and_caption_follow_each_load(self):
        self.server.hold(HELD, TITLE)
        program = self.start(home=HELD)
        program.wait_main_window()
        self.assert_eventually(lambda: self.server.count(HELD), 1, 20, "the held page request")
        self.assert_loading(program)
        self.assert_circle_shape(program)
        program.screenshot(program.window, "page-loading.png")

        self.server.release(HELD)
        self.assert_loaded(program)
        program.screenshot(program.window, "page-loaded.png")

        # A second load turns the circle back from green.
        self.server.hold(HELD, TITLE)
        program.key("F5")
        self.assert_eventually(lambda: self.server.count(HELD), 2, 20, "the reload request")
        self.assert_loading(program)
        self.server.release(HELD)
        self.assert_loaded(program)

    def assert_loading(self, program):
        self.assert_eventually(lambda: program.status_texts()[0], LOADING_TEXT, 10, "the loading text")
        self.assert_eventually(program.circle_colour, LOADING_COLOUR, 10, "the red circle")

    def assert_loaded(self, program):
        self.assert_eventually(program.circle_colour, LOADED_COLOUR, 20, "the green circle")
        self.assert_eventually(lambda: program.status_texts()[0], self.server.url(HELD), 10, "the page address")
        self.assert_eventually(program.caption, TITLE + TITLE_SUFFIX, 10, "the page title in the caption")

    def assert_circle_shape(self, program):
        """A 22-pixel circle in the middle of its 50 by 22 box at 553, 2 of the address bar."""
        bar_x, bar_y, _, _ = accessible.extents(program.address_bar())
        x, y, width, height = accessible.extents(program.circle())
        self.assertEqual((x - bar_x, y - bar_y, width, height), (553, 2, 50, 22))
        centre_x, centre_y = x + 25, y + 11
        inside = [(centre_x + dx, centre_y) for dx in (-8, 8)] + [(centre_x, centre_y + dy) for dy in (-8, 8)]
        outside = [(centre_x + dx, centre_y) for dx in (-14, 14)] + [(x + 1, y + 1), (x + 48, y + 20)]
        colours = screen_pixels(inside + outside)
        self.assertEqual(colours[:4], [LOADING_COLOUR] * 4)
        self.assertNotIn(LOADING_COLOUR, colours[4:])


if __name__ == "__main__":
    unittest.main()
