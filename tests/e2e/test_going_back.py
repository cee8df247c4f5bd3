"""Going back past the first page of the session is refused by the engine:
its reason is shown in an error box, and once that is confirmed the program
goes on with its address list as it was."""

import unittest

import accessible
from kalnor_e2e import HOME_TITLE, TITLE_SUFFIX, KalnorTestCase, xdotool

BOX_TITLE = "Kalnor internet 2005 - 2.0"
NO_EARLIER_PAGE = "There is no previous page."
SECOND_TITLE = "Druhá stránka"


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the buttons and read the message box")
class GoingBackTest(KalnorTestCase):
    def open_second_page(self):
        program = self.start_and_show_home(edit=["seznam.cz"])
        program.enter_address(self.server.url("/second.html"))
        xdotool("key", "Return")
        self.assert_eventually(program.caption, SECOND_TITLE + TITLE_SUFFIX, 20, "the second page's title")
        return program

    def check_going_back(self, program, go_back):
        listed = program.read("edit.kln")
        entries = program.address_list()
        self.assertEqual(entries, ["seznam.cz", self.server.url("/second.html")])

        go_back()
        self.assert_eventually(program.caption, HOME_TITLE + TITLE_SUFFIX, 20, "the home page again")

        go_back()
        box = program.wait_message_box(BOX_TITLE)
        program.screenshot("root", "no-earlier-page.png")
        self.assertEqual(box.texts, [NO_EARLIER_PAGE])
        program.confirm_message_box(box)

        # The program goes on: it still loads pages, with the list untouched.
        requests = self.server.count("/home.html")
        program.key("F5")
        self.assert_eventually(lambda: self.server.count("/home.html"), requests + 1, 20, "the home page reloaded")
        self.assertEqual(program.caption(), HOME_TITLE + TITLE_SUFFIX)
        self.assertEqual(program.address_list(), entries)
        self.assertEqual(program.read("edit.kln"), listed)
        self.assertIsNone(program.process.poll())

    def test_the_back_button(self):
        program = self.open_second_page()
        back = program.function_buttons()[0]
        self.check_going_back(program, lambda: program.click(*accessible.centre(back)))

    def test_the_back_menu_command(self):
        program = self.open_second_page()
        self.check_going_back(program, lambda: program.menu_command("Možnosti", "Zpět"))


if __name__ == "__main__":
    unittest.main()
