"""The history panel: opened from the tool bar, ticked entries are deleted
with Esc, and on closing the program the history list keeps the rest in
order, followed by the pages loaded meanwhile."""

import unittest

import accessible
from kalnor_e2e import KalnorTestCase, list_file_bytes, xdotool

HISTORY = ["http://a.test/1", "http://příliš-žluťoučký.cz/", "http://b.test/3", "http://c.test/4",
           "http://d.test/5"]
# Neighbours: deleting one must not make the other slip past.
TICKED = (1, 2)


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the panel's entries on screen")
class HistoryPanelTest(KalnorTestCase):
    def texts(self, program):
        return [text for _, text in program.history_rows()]

    def test_ticked_entries_go_with_esc_and_the_rest_is_saved_in_order(self):
        program = self.start_and_show_home(history=HISTORY)
        history_button = program.function_buttons()[5]
        program.click(*accessible.centre(history_button))
        # Loaded pages join the list at its end, once loaded.
        self.assert_eventually(lambda: self.texts(program), HISTORY + [self.server.url("/home.html")], 10,
                               "the stored history and the home page in the panel")

        rows = program.history_rows()
        for row in TICKED:
            program.click(*accessible.centre(rows[row][0]))
        self.assert_eventually(lambda: [accessible.is_checked(tick) for tick, _ in program.history_rows()],
                               [row in TICKED for row in range(len(rows))], 10, "the two entries ticked")
        program.screenshot("root", "history-ticked.png")

        xdotool("key", "Escape")
        kept = [entry for row, entry in enumerate(HISTORY) if row not in TICKED]
        self.assert_eventually(lambda: self.texts(program), kept + [self.server.url("/home.html")], 10,
                               "the ticked entries gone")

        program.menu_command("Konec")
        self.assertEqual(program.wait_exit(), 0)
        self.assertEqual(program.read("history.kln"), list_file_bytes(kept + [self.server.url("/home.html")]))


if __name__ == "__main__":
    unittest.main()
