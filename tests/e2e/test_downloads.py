"""A page cannot write or delete the user's files: every download asks with
the desktop's save dialog over the main window, dismissing it writes
nothing, and a page that starts fifty downloads gets one dialog."""

import os
import shutil
import tempfile
import unittest
from unittest import mock

import accessible
from kalnor_e2e import TITLE_SUFFIX, KalnorTestCase, send_close_request, transient_for, wait_until

NAME = "seznam.txt"
MINE = b"the user's own file\n"
CHOOSER = "Uložit jako"
DIALOG = f"^{CHOOSER}$"
DOWNLOADED = b"downloaded\n"
SECOND_TITLE = "Druhá stránka"
FIFTY = """<html><head><meta charset='utf-8'><title>Padesát stažení</title></head><body><script>
for (let i = 0; i < 50; i++) {
  const link = document.createElement('a');
  link.href = '/file';
  link.download = '';
  document.body.appendChild(link);
  link.click();
}
</script></body></html>"""


def visible_names(folder):
    """What the user sees in a folder; the engine keeps its caches in hidden ones."""
    return sorted(name for name in os.listdir(folder) if not name.startswith("."))


@unittest.skipUnless(accessible.available(), "needs AT-SPI to read the dialog and type an address")
class DownloadsTest(KalnorTestCase):
    def setUp(self):
        super().setUp()
        self.server.file("/file", DOWNLOADED, "application/octet-stream",
                         {"Content-Disposition": f'attachment; filename="{NAME}"'})
        self.server.file("/fifty.html", FIFTY.encode("utf-8"), "text/html; charset=utf-8")
        self.home = tempfile.mkdtemp(prefix="kalnor-e2e-home-")
        self.addCleanup(shutil.rmtree, self.home, ignore_errors=True)

    def start_at(self, path):
        """The program in a throwaway home folder, with the page as its home page."""
        with mock.patch.dict(os.environ, {"HOME": self.home}):
            program = self.start(home=path)
        program.wait_main_window()
        return program

    def wait_dialog(self, program):
        return wait_until(lambda: (program.own_windows(DIALOG) or [None])[0], 20, "the save dialog")

    def dismiss_and_go_on(self, program, dialog):
        """Closes the dialog, then loads a page: what the download would do has happened by then."""
        send_close_request(dialog)
        wait_until(lambda: not program.own_windows(DIALOG), 10, "the dialog to close")
        program.enter_address(self.server.url("/second.html"))
        program.key("Return")
        self.assert_eventually(program.caption, SECOND_TITLE + TITLE_SUFFIX, 20, "the page after the download")

    def start_with_my_file(self):
        """Started with a download named like a file of the user's; returns the dialog."""
        with open(self.path(NAME), "wb") as mine:
            mine.write(MINE)
        program = self.start_at("/file")
        return program, self.wait_dialog(program)

    def path(self, name):
        return os.path.join(self.home, name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def choose_save(self, program):
        """Presses the dialog's save button; the dialog asks first, as the file exists."""
        chooser = program.find("file chooser", CHOOSER)
        program.click(*accessible.centre(program.find("push button", "Uložit", within=chooser)))
        return program.find("alert")

    def test_the_dialog_proposes_the_name_and_asks_before_replacing_and_dismissing_it_writes_nothing(self):
        program, dialog = self.start_with_my_file()
        self.assertEqual(transient_for(dialog), program.window)
        name_box = program.find("text", within=program.find("file chooser", CHOOSER))
        self.assertEqual(accessible.text(name_box), NAME)
        program.screenshot(dialog, "download-dialog.png")

        question = self.choose_save(program)
        program.click(*accessible.centre(program.find("push button", "Cancel", within=question)))
        self.assertEqual(program.own_windows(DIALOG), [dialog])
        self.dismiss_and_go_on(program, dialog)
        self.assertEqual(visible_names(self.home), [NAME])
        self.assertEqual(self.read(NAME), MINE)

    def test_a_file_is_replaced_once_the_user_confirms_it(self):
        program, _ = self.start_with_my_file()
        question = self.choose_save(program)
        program.click(*accessible.centre(program.find("push button", "Replace", within=question)))
        wait_until(lambda: self.read(NAME) == DOWNLOADED, 20, "the download in place of the file")
        self.assertEqual(visible_names(self.home), [NAME])

    def test_fifty_downloads_ask_once(self):
        program = self.start_at("/fifty.html")
        dialog = self.wait_dialog(program)
        self.assertEqual(len(program.own_windows(DIALOG)), 1)
        self.dismiss_and_go_on(program, dialog)
        self.assertEqual(program.own_windows(DIALOG), [], "a second dialog came after the first")
        self.assertEqual(visible_names(self.home), [])


if __name__ == "__main__":
    unittest.main()
