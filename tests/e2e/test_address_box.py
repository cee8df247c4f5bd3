"""An address typed into the address box is opened with Enter or the go
button, and joins the stored address list after the entries it started with."""

import unittest

import accessible
from kalnor_e2e import TITLE_SUFFIX, KalnorTestCase, list_file_bytes, xdotool

# One entry shares the typed address's beginning, so completion offers it
# while typing; one needs the code page.
STARTING_ENTRIES = ["seznam.cz", "http://příliš-žluťoučký.cz/"]
PAGE_TITLE = "Stránka dvě"


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the address box on screen")
class AddressBoxTest(KalnorTestCase):
    def setUp(self):
        super().setUp()
        self.server.page("/page2.html", PAGE_TITLE)

    def type_address(self):
        program = self.start_and_show_home(edit=STARTING_ENTRIES)
        address = self.server.url("/page2.html")
        program.enter_address(address)
        return program, address

    def assert_opened_and_kept(self, program, address):
        self.assert_eventually(lambda: self.server.count("/page2.html"), 1, 20, "the typed page request")
        self.assert_eventually(program.caption, PAGE_TITLE + TITLE_SUFFIX, 20, "the typed page's title")
        self.assert_eventually(lambda: program.read("edit.kln"), list_file_bytes(STARTING_ENTRIES + [address]), 10,
                               "the address list with the typed address last")
        self.assertEqual(program.address_text(), address)

    def test_enter_opens_the_typed_address_and_keeps_it(self):
        program, address = self.type_address()
        xdotool("key", "Return")
        self.assert_opened_and_kept(program, address)

    def test_the_go_button_opens_the_typed_address_and_keeps_it(self):
        program, address = self.type_address()
        go = program.go_button()
        self.assertEqual(go.description, "Jdi!")
        program.click(*accessible.centre(go))
        self.assert_opened_and_kept(program, address)


if __name__ == "__main__":
    unittest.main()
