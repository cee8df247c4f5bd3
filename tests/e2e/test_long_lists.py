"""Long lists stay quick to use: the address box's drop-down shows eight of
a hundred thousand entries and is worked with the keys, and in the history
panel Space ticks the highlighted entry after entries above it are gone."""

import unittest

import accessible
from kalnor_e2e import KalnorTestCase, list_file_bytes, xdotool

ADDRESSES = [f"http://www{i % 97}.example.test/page/{i}" for i in range(100_000)]
HISTORY = ["http://a.test/1", "http://b.test/2", "http://c.test/3", "http://d.test/4", "http://e.test/5",
           "http://f.test/6"]


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the lists on screen")
class LongListsTest(KalnorTestCase):
    def test_an_entry_chosen_with_the_keys_from_a_long_drop_down_is_put_in_the_box_and_opens_nothing(self):
        program = self.start_and_show_home(edit=ADDRESSES)
        program.click(*accessible.centre(program.address_entry()))
        requests = sum(self.server.requests.values())

        xdotool("key", "alt+Down")
        self.assertEqual(program.drop_down_rows(), ADDRESSES[:8])
        xdotool("key", "End", "Up", "Up")
        program.screenshot("root", "long-drop-down.png")
        self.assertEqual(program.drop_down_rows(), ADDRESSES[-8:])
        xdotool("key", "Return")

        self.assert_eventually(program.address_text, ADDRESSES[-3], 10, "the chosen entry in the box")
        self.assertFalse(program.drop_down_shown())
        self.assertEqual(sum(self.server.requests.values()), requests, "choosing opens nothing")
        self.assertEqual(program.read("edit.kln"), list_file_bytes(ADDRESSES))

    def test_space_ticks_the_highlighted_entry_after_the_ticked_entries_above_it_are_deleted(self):
        program = self.start_and_show_home(history=HISTORY)
        program.click(*accessible.centre(program.function_buttons()[5]))
        home = self.server.url("/home.html")
        self.assert_eventually(lambda: [text for _, text in program.history_rows()], HISTORY + [home], 10,
                               "the history in the panel")
        rows = program.history_rows()
        for row in (1, 2):
            program.click(*accessible.centre(rows[row][0]))
        fifth_text = program.find("table").queryTable().getAccessibleAt(4, 1)
        program.click(*accessible.centre(fifth_text))  # highlights it

        xdotool("key", "Escape")
        self.assert_eventually(lambda: [text for _, text in program.history_rows()],
                               [HISTORY[0], HISTORY[3], HISTORY[4], HISTORY[5], home], 10, "the ticked entries gone")
        xdotool("key", "space")
        self.assert_eventually(lambda: [accessible.is_checked(tick) for tick, _ in program.history_rows()],
                               [False, False, True, False, False], 10, "the highlighted entry ticked")
        program.screenshot("root", "history-space-after-delete.png")
        xdotool("key", "Escape")

        program.menu_command("Konec")
        self.assertEqual(program.wait_exit(), 0)
        self.assertEqual(program.read("history.kln"), list_file_bytes([HISTORY[0], HISTORY[3], HISTORY[5], home]))


if __name__ == "__main__":
    unittest.main()
