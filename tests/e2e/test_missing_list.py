"""A missing address list is reported in a message box, and the program goes
on once the box is confirmed."""

import os
import unittest

import accessible
from kalnor_e2e import KalnorTestCase, wait_until

BOX_TITLE = "Kalnor internet 2005 - 2.0"


class MissingListTest(KalnorTestCase):
    def test_missing_edit_list_is_reported_and_the_program_goes_on(self):
        program = self.start(edit=None)
        box = wait_until(lambda: (program.own_windows(f"^{BOX_TITLE}$") or [None])[0], 20, "the message box")
        program.screenshot(box, "missing-edit-list.png")
        expected = f'Cannot open file "{os.path.realpath(program.path("edit.kln"))}". No such file or directory.'
        if accessible.available():
            message = program.wait_message_box(BOX_TITLE)
            self.assertEqual(message.texts, [expected])
            program.confirm_message_box(message)
        else:
            program.window = box
            program.key("Return")
        program.wait_main_window()
        wait_until(lambda: self.server.count("/home.html") >= 1, 20, "the home page request")
        self.assertIsNone(program.process.poll())


if __name__ == "__main__":
    unittest.main()
