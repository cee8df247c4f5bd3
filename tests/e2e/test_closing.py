"""Every way of ending the program saves the history list in the list-file
format: the menu command, the command on the menu bar and the window
manager's close."""

import unittest

import accessible
from kalnor_e2e import KalnorTestCase, list_file_bytes, send_close_request, wait_until

HISTORY = ["http://příliš-žluťoučký.cz/", "http://example.test/a"]


class ClosingTest(KalnorTestCase):
    def assert_history_saved(self, program):
        self.assertEqual(program.wait_exit(), 0)
        saved = program.read("history.kln")
        self.assertTrue(saved.endswith(b"\r\n"))
        self.assertNotIn(b"\n", saved.replace(b"\r\n", b""))
        # Pages visited meanwhile may have joined the list; the stored ones stay, byte for byte.
        self.assertIn(list_file_bytes(HISTORY), saved)

    def start_with_history(self):
        program = self.start_and_load_home(history=HISTORY)
        program.write_list("history.kln", [])  # only a save brings the entries back
        return program

    @unittest.skipUnless(accessible.available(), "needs AT-SPI to find the menu on screen")
    def test_menu_command_konec(self):
        program = self.start_with_history()
        program.menu_command("Soubor", "Konec")
        self.assert_history_saved(program)

    @unittest.skipUnless(accessible.available(), "needs AT-SPI to find the menu on screen")
    def test_menu_bar_command_konec(self):
        program = self.start_with_history()
        program.menu_command("Konec")
        self.assert_history_saved(program)

    def test_window_manager_close(self):
        program = self.start_with_history()
        send_close_request(program.window)
        self.assert_history_saved(program)


if __name__ == "__main__":
    unittest.main()
