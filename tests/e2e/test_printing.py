"""Printing the shown page: "&Tisk" prints without any dialog on the printer
that the engine's settings name, here GTK's print-to-file printer writing a
PDF; a printer that does not exist is reported in the error box, and the
program goes on."""

import os
import subprocess
import tempfile
import unittest

import accessible
from kalnor_e2e import HOME_TITLE, KalnorTestCase, wait_until

BOX_TITLE = "Kalnor internet 2005 - 2.0"
# GTK's printer that writes a file, by the name it has without a translation.
FILE_PRINTER = "Print to File"


def pdf_text(path):
    """The text of a finished PDF file; "" while it is missing or still being written."""
    if not os.path.exists(path):
        return ""
    done = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True, timeout=30)
    return done.stdout if done.returncode == 0 else ""


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the menu and read the message box")
class PrintingTest(KalnorTestCase):
    def test_print_writes_the_page_to_the_printers_file_without_a_dialog(self):
        folder = self.enterContext(tempfile.TemporaryDirectory(prefix="kalnor-print-"))
        output = os.path.join(folder, "page.pdf")
        program = self.start_and_show_home(engine=[f"printer={FILE_PRINTER}", f"print-file={output}"])
        program.menu_command("Soubor", "Tisk")
        text = wait_until(lambda: pdf_text(output), 60, "the printed PDF")
        self.assertIn(HOME_TITLE, text)
        self.assertEqual(program.own_windows("."), [program.window], "a window besides the main one")
        self.assertIsNone(program.process.poll())

    def test_a_printer_that_does_not_exist_is_reported_and_the_program_goes_on(self):
        program = self.start_and_show_home(engine=["printer=No Such Printer"])
        program.menu_command("Soubor", "Tisk")
        box = program.wait_message_box(BOX_TITLE)
        program.screenshot("root", "no-such-printer.png")
        self.assertEqual(box.texts, ['Cannot print on the printer "No Such Printer": Printer not found.'])
        program.confirm_message_box(box)
        self.assert_goes_on(program)

    def test_a_job_that_fails_after_the_command_is_reported_and_the_program_goes_on(self):
        folder = self.enterContext(tempfile.TemporaryDirectory(prefix="kalnor-print-"))
        output = os.path.join(folder, "missing", "page.pdf")
        program = self.start_and_show_home(engine=[f"printer={FILE_PRINTER}", f"print-file={output}"])
        program.menu_command("Soubor", "Tisk")
        box = program.wait_message_box(BOX_TITLE, timeout=60)
        self.assertEqual(len(box.texts), 1)
        self.assertTrue(box.texts[0].startswith(f'Cannot print on the printer "{FILE_PRINTER}": '), box.texts[0])
        self.assertIn(output, box.texts[0])
        program.confirm_message_box(box)
        self.assert_goes_on(program)


if __name__ == "__main__":
    unittest.main()
