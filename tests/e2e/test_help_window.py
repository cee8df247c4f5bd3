"""The help window, opened with F1: where it stands, which keys close it,
how its links look under the pointer, and where they lead: the site link
loads the author's site in the main window behind it, the mail link hands
the address to the desktop's mail program."""

import os
import tempfile
import time
import unittest

import accessible
from kalnor_e2e import KalnorTestCase, frame_position, move_pointer, recorded_lines, register_default_program, \
    screen_pixels, send_close_request, wait_until, xdotool

TITLE = "Nápověda"
MAIL = "tomas.vrana@example.com"
SITE = "http://kalnor.wz.cz/"
DESIGNED_PLACE = (422, 304)
# Long enough for a wrongly taken key to close the window.
QUIET_SECONDS = 2


def ink(box):
    """The width and height of the link's blue text in the box (x, y, width, height) on screen: the
    window's ramp behind it runs from white to red, so only the text is bluer than it is red."""
    x, y, width, height = box
    points = [(x + dx, y + dy) for dy in range(height) for dx in range(width)]
    inked = [point for point, (red, _, blue) in zip(points, screen_pixels(points)) if blue > red + 60]
    if not inked:
        return 0, 0
    xs = [px for px, _ in inked]
    ys = [py for _, py in inked]
    return max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the window's links")
class HelpWindowTest(KalnorTestCase):
    def open_help(self, program):
        # Away from where the links will be, so that they show as designed.
        width, height = (int(n) for n in xdotool("getdisplaygeometry").split())
        move_pointer(width - 5, height - 5)
        program.key("F1")
        wait_until(lambda: program.own_windows(f"^{TITLE}$"), 20, "the help window")
        return program.frame(TITLE)

    def help_windows(self, program):
        return program.own_windows(f"^{TITLE}$")

    def assert_still_open(self, program, what):
        time.sleep(QUIET_SECONDS)
        self.assertTrue(self.help_windows(program), what)

    def link(self, program, frame, text):
        return program.find("label", text, within=frame)

    def ink_until(self, box, holds, what):
        """The link's ink in the box once holds(ink) is true."""
        return wait_until(lambda: (lambda now: now if holds(now) else None)(ink(box)), 10, what)

    def test_f1_opens_it_at_its_place_and_only_enter_closes_it(self):
        program = self.start_and_show_home()
        self.open_help(program)
        window = self.help_windows(program)[0]
        self.assertEqual(frame_position(window), DESIGNED_PLACE)
        program.screenshot(window, "help-window.png")

        xdotool("key", "--clearmodifiers", "Escape")
        self.assert_still_open(program, "Esc closed the help window")
        send_close_request(window)
        self.assert_still_open(program, "the window manager's close closed the help window")
        xdotool("key", "--clearmodifiers", "Return")
        wait_until(lambda: not self.help_windows(program), 10, "Enter to close the help window")

    def test_the_site_link_grows_under_the_pointer_and_loads_the_site_behind_the_window(self):
        program = self.start_and_show_home()
        frame = self.open_help(program)
        site = self.link(program, frame, SITE)
        x, y, width, height = accessible.extents(site)
        # Room for the link at 14 points, within the window.
        fx, fy, fwidth, fheight = accessible.extents(frame)
        around = (x - 2, y - 2, min(width * 2, fx + fwidth - x), min(height * 2, fy + fheight - y))
        designed = ink(around)

        program.click(x + width // 2, y + height // 2)
        grown = self.ink_until(around, lambda now: now[0] > designed[0], "the link to grow under the pointer")
        self.assertGreater(grown[1], designed[1])
        program.screenshot("root", "help-window-link-under-pointer.png")

        xdotool("mousemove", "--sync", str(fx + 20), str(fy + 20))
        self.ink_until(around, lambda now: 0 < now[0] < designed[0], "the link to shrink once the pointer left")

        # The click sent the main window to the site; offline the load fails, and is kept in the history.
        self.assert_eventually(lambda: program.status_texts()[0], SITE, 30, "the site's address in the status bar")
        self.assertTrue(self.help_windows(program), "the help window stays open")
        xdotool("key", "--clearmodifiers", "Return")
        wait_until(lambda: not self.help_windows(program), 10, "the help window to close")
        time.sleep(QUIET_SECONDS)
        self.assertEqual(program.status_texts()[0], SITE, "the page stays after the window closed")
        program.menu_command("Konec")
        self.assertEqual(program.wait_exit(), 0)
        self.assertIn(f"{SITE}\r\n".encode(), program.read("history.kln"))

    def test_the_mail_link_hands_the_address_to_the_mail_program(self):
        data_home = self.enterContext(tempfile.TemporaryDirectory(prefix="kalnor-data-"))
        log = os.path.join(data_home, "mail.log")
        register_default_program(data_home, "x-scheme-handler/mailto", log)
        program = self.start_and_show_home(env={"XDG_DATA_HOME": data_home})
        frame = self.open_help(program)
        program.click(*accessible.centre(self.link(program, frame, MAIL)))
        wait_until(lambda: recorded_lines(log), 20, "the mail program to be started")
        self.assertEqual(recorded_lines(log), [f"mailto:{MAIL}"])
        self.assertTrue(self.help_windows(program), "the help window stays open")


if __name__ == "__main__":
    unittest.main()
