"""Access keys in the main window's menus: Alt+M opens "Možnosti" and O then
chooses "Oblíbené" in the open menu, which opens the favorites window; while
the history panel is shown, Alt+M presses the panel's delete button and opens
no menu."""

import time
import unittest

import accessible
from kalnor_e2e import KalnorTestCase, list_file_bytes, xdotool

FAVORITES = "Oblíbené"
STORED = "http://uložená-adresa.test/"
HISTORY = ["http://a.test/1", "http://b.test/2"]
# Long enough for a menu opened by mistake to show.
QUIET_SECONDS = 2


@unittest.skipUnless(accessible.available(), "needs AT-SPI to see the open menu and the favorites list")
class MenuAccessKeysTest(KalnorTestCase):
    def menu_items_showing(self, program):
        """The items of the open menus; the menu bar's own commands are always shown."""
        return [item.name for item in accessible.find_all(program.process.pid, "menu item")
                if accessible.is_showing(item) and item.parent.getRoleName() != "menu bar"]

    def test_alt_m_then_o_opens_the_favorites_window(self):
        program = self.start_and_show_home()
        program.write_list("nte.txt", [STORED])

        program.key("alt+m")
        program.find("menu item", FAVORITES)
        program.screenshot("root", "menu-options-open.png")
        # The open menu holds the keyboard: the letter goes to it as it is.
        xdotool("key", "o")
        self.wait_window(program, FAVORITES)
        frame = program.frame(FAVORITES)
        self.assert_eventually(lambda: [text for _, text in program.check_list_rows(within=frame)], [STORED], 10,
                               "the stored favorites listed")
        self.assertEqual(self.menu_items_showing(program), [], "the menu closed before the window opened")

        # The favorites window has the keyboard: Alt+S is its "&Storno".
        xdotool("key", "--clearmodifiers", "alt+s")
        self.assert_eventually(lambda: program.own_windows(f"^{FAVORITES}$"), [], 10, "the favorites window closed")
        self.assertEqual(program.read("nte.txt"), list_file_bytes([STORED]))

    def test_alt_m_presses_the_delete_button_while_the_history_panel_is_shown(self):
        program = self.start_and_show_home(history=HISTORY)
        program.click(*accessible.centre(program.function_buttons()[5]))
        home = self.server.url("/home.html")
        self.assert_eventually(lambda: [text for _, text in program.history_rows()], HISTORY + [home], 10,
                               "the history in the panel")
        program.click(*accessible.centre(program.history_rows()[0][0]))
        self.assert_eventually(lambda: accessible.is_checked(program.history_rows()[0][0]), True, 10,
                               "the first entry ticked")

        program.key("alt+m")
        self.assert_eventually(lambda: [text for _, text in program.history_rows()], HISTORY[1:] + [home], 10,
                               "the ticked entry deleted")
        time.sleep(QUIET_SECONDS)
        self.assertEqual(self.menu_items_showing(program), [], "Alt+M opened a menu as well")

    def wait_window(self, program, title):
        self.assert_eventually(lambda: len(program.own_windows(f"^{title}$")), 1, 20, f"the window {title!r}")


if __name__ == "__main__":
    unittest.main()
