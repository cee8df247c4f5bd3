"""The main window under a real window manager: its frame covers the work
area, the page and the status bar follow every size the window gets, the
window can be made small, the bars show the control face, and the favorites
window asks for no title-bar command."""

import time
import unittest

import accessible
from kalnor_e2e import (KalnorTestCase, allowed_actions, frame_extents, is_maximized, is_viewable, minimize,
                        screen_pixels, set_maximized, wait_until, window_geometry, work_area, xdotool,
                        xprop_numbers)

# clBtnFace on screen: red, green, blue.
CONTROL_FACE = (0xEC, 0xE9, 0xD8)
FAVORITES = "Oblíbené"
# What the window manager's Motif hint asks for: moving only.
MOVE_ONLY = 0x4


def client_edges(window):
    """Right and bottom edge of the window's client area on the screen."""
    x, y, width, height = window_geometry(window)
    return x + width, y + height


def layout_gaps(program):
    """How far the page and the status bar stop short of the client area's right and bottom edges, and of
    each other: all zero when the children follow the window."""
    right, bottom = client_edges(program.window)
    px, py, pw, ph = accessible.extents(program.page())
    sx, sy, sw, sh = accessible.extents(program.status_bar())
    return {"page right": right - (px + pw), "status bar right": right - (sx + sw),
            "status bar bottom": bottom - (sy + sh), "page to status bar": sy - (py + ph)}


def frame_gaps(program):
    """How far the window's frame lies from each edge of the work area."""
    area_x, area_y, area_width, area_height = work_area()
    left, right, top, bottom = frame_extents(program.window)
    x, y, width, height = window_geometry(program.window)
    return (abs(x - left - area_x), abs(y - top - area_y), abs(x + width + right - area_x - area_width),
            abs(y + height + bottom - area_y - area_height))


def wait_over_work_area(program):
    try:
        wait_until(lambda: max(frame_gaps(program)) <= 1, 20, "the frame over the work area")
    except AssertionError as timeout:
        raise AssertionError(f"{timeout}: the window stands at {window_geometry(program.window)} in a frame of "
                             f"{frame_extents(program.window)}, the work area is {work_area()}") from None


def wait_settled(program):
    """Until the window manager has stopped changing the window's size."""
    def same_size_a_second_later():
        before = window_geometry(program.window)
        time.sleep(1)
        return window_geometry(program.window) == before

    wait_until(same_size_a_second_later, 20, "the window's size to settle")


def assert_children_fill(test, program, what):
    wait_settled(program)
    no_gaps = {"page right": 0, "status bar right": 0, "status bar bottom": 0, "page to status bar": 0}
    test.assert_eventually(lambda: layout_gaps(program), no_gaps, 10, f"the page and status bar filling {what}")


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the page and the status bar on screen")
class WindowManagerTest(KalnorTestCase):
    def test_the_aligned_window_covers_the_work_area(self):
        program = self.start_and_show_home()
        wait_over_work_area(program)
        program.screenshot("root", "main-window-under-openbox.png")

    def test_the_page_and_status_bar_follow_every_size_of_the_window(self):
        program = self.start_and_show_home()
        steps = [("the start", lambda: wait_over_work_area(program)),
                 ("a maximised window", lambda: self.maximize(program, True)),
                 ("the window restored", lambda: self.maximize(program, False)),
                 ("800 x 600", lambda: xdotool("windowsize", program.window, "800", "600")),
                 ("1400 x 900", lambda: xdotool("windowsize", program.window, "1400", "900"))]
        for what, act in steps:
            with self.subTest(what):
                act()
                assert_children_fill(self, program, what)

    def maximize(self, program, maximized):
        set_maximized(program.window, maximized)
        self.assert_eventually(lambda: is_maximized(program.window), maximized, 10, "the window manager's answer")

    def test_the_window_can_be_made_small(self):
        program = self.start_and_show_home()
        xdotool("windowsize", program.window, "640", "480")
        self.assert_eventually(lambda: window_geometry(program.window)[2:], (640, 480), 10, "a window of 640 x 480")
        assert_children_fill(self, program, "the small window")

    def test_the_bars_show_the_control_face(self):
        program = self.start_and_show_home()
        band_x, band_y, band_width, _ = accessible.extents(program.function_buttons()[-1].parent)
        circle_x, circle_y, circle_width, _ = accessible.extents(program.circle())
        panel_x, panel_y, panel_width, panel_height = accessible.extents(program.status_bar().getChildAtIndex(1))
        points = {"the control bar right of the bands": (band_x + band_width + 20, band_y + 4),
                  "the address bar beside the circle": (circle_x + circle_width - 3, circle_y + 2),
                  "the status bar": (panel_x + panel_width - 10, panel_y + panel_height // 2)}
        colours = dict(zip(points, screen_pixels(list(points.values()))))
        self.assertEqual(colours, {where: CONTROL_FACE for where in points})

    def test_the_favorites_window_asks_for_no_title_bar_command_and_stays_on_screen(self):
        program = self.start_and_show_home()
        program.click(*accessible.centre(program.function_buttons()[6]))
        favorites = wait_until(lambda: (program.own_windows(f"^{FAVORITES}$") or [None])[0], 20,
                               "the favorites window")
        self.assertEqual(xprop_numbers(favorites, "_MOTIF_WM_HINTS")[:2], [0x3, MOVE_ONLY])
        self.assertFalse({"RESIZE", "MAXIMIZE_HORZ", "MAXIMIZE_VERT"} & allowed_actions(favorites))
        # Minimised anyway (a window manager may ignore the hint), the windows come back at once.
        minimize(favorites)
        self.assert_eventually(lambda: is_viewable(favorites) and is_viewable(program.window), True, 10,
                               "the favorites window and the main window back on screen")


if __name__ == "__main__":
    unittest.main()
