"""Delete pressed in the address box while a page loads stops the load, and
the box keeps its text: the key is the Stop command's, not the box's."""

import unittest

import accessible
from kalnor_e2e import LOADED_COLOUR, LOADING_TEXT, KalnorTestCase, xdotool

# Stopping is the only way this load can end: the page is never sent.
HELD = "/held.html"


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the address box and read its text")
class DeleteStopsLoadingTest(KalnorTestCase):
    def test_delete_in_the_address_box_stops_the_load_and_keeps_the_text(self):
        self.server.hold(HELD, "Zdržená stránka")
        program = self.start(home=HELD, edit=["seznam.cz"])
        program.wait_main_window()
        self.assert_eventually(lambda: self.server.count(HELD), 1, 20, "the held page request")
        self.assert_eventually(lambda: program.status_texts()[0], LOADING_TEXT, 10, "the load shown as going on")

        typed = self.server.url("/second.html")
        program.enter_address(typed)
        xdotool("key", "Home")
        entry = program.address_entry()
        self.assert_eventually(lambda: entry.queryText().caretOffset, 0, 5, "the caret before the first character")
        xdotool("key", "Delete")

        self.assert_eventually(lambda: self.server.hangup_count(HELD), 1, 5, "the held request given up")
        self.assert_eventually(program.circle_colour, LOADED_COLOUR, 5, "the circle showing the load ended")
        self.assertNotEqual(program.status_texts()[0], LOADING_TEXT)
        self.assertEqual(program.address_text(), typed)

        # What the program holds as the box's text is what it shows.
        xdotool("key", "Return")
        self.assert_eventually(lambda: program.read("edit.kln").split(b"\r\n")[-2:], [typed.encode(), b""], 10,
                               "the typed address last in the address list")
        self.assert_eventually(lambda: self.server.count("/second.html"), 1, 20, "the typed page request")


if __name__ == "__main__":
    unittest.main()
