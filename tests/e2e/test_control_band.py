"""The address band of the control bar can be dragged off the bar into a
floating tool window titled with its caption, and back onto the bar."""

import subprocess
import time
import unittest

import accessible
from kalnor_e2e import KalnorTestCase, move_pointer, wait_until, xdotool


def drag(points):
    move_pointer(*points[0])
    xdotool("mousedown", "1")
    for point in points[1:]:
        move_pointer(*point)
    xdotool("mouseup", "1")


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the band on screen")
class ControlBandTest(KalnorTestCase):
    def test_the_address_band_floats_off_the_bar_and_docks_again(self):
        program = self.start_and_load_home()
        time.sleep(1)  # the window settles into its size
        x, y = self.address_box(program)
        grip = (x - self.half_width - 5, y)

        drag([grip, (grip[0] + 100, grip[1] + 150), (grip[0] + 300, grip[1] + 380)])
        floating = wait_until(lambda: (program.own_windows("^Adresa$") or [None])[0], 10, "the floating band")
        kind = subprocess.run(["xprop", "-id", floating, "_NET_WM_WINDOW_TYPE"], capture_output=True, text=True)
        self.assertIn("_NET_WM_WINDOW_TYPE_UTILITY", kind.stdout)
        program.screenshot("root", "floating-band.png")

        moved_x, moved_y = self.address_box(program)
        self.assertGreater(moved_y, y + 300)
        drag([(moved_x - (x - grip[0]), moved_y), (grip[0] + 50, grip[1] + 100), (grip[0] + 40, grip[1])])
        wait_until(lambda: not program.own_windows("^Adresa$"), 10, "the band back on the bar")
        self.assertEqual(self.address_box(program), (x, y))

    def address_box(self, program):
        """The centre of the address box on screen."""
        combo = accessible.wait_for(program.process.pid, "combo box")
        box = combo.queryComponent().getExtents(accessible.pyatspi.DESKTOP_COORDS)
        self.half_width = box.width // 2
        return box.x + box.width // 2, box.y + box.height // 2


if __name__ == "__main__":
    unittest.main()
