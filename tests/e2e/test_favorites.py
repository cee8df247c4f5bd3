"""The favorites window, opened with the star button: a missing favorites
list is reported over it, an address typed and added with the picture is
saved by OK and listed on the next opening, and while it is open the keys
meant for the main window go to it instead."""

import os
import time
import unittest

import accessible
from kalnor_e2e import HOME_TITLE, TITLE_SUFFIX, KalnorTestCase, list_file_bytes, screen_pixels, transient_for, \
    wait_until, xdotool

TITLE = "Oblíbené"
BOX_TITLE = "Kalnor internet 2005 - 2.0"
AUTHOR_ENTRY = "http://kalnor.wz.cz/"
# Letters that need the code page, so the saved bytes show the conversion.
TYPED = "http://oblíbená-stránka.test/kůň"
# Read from the list file in place of the built-in entry.
STORED = "http://uložená-adresa.test/"
# Long enough for what a wrongly taken key or activation starts to show: a request, an error box.
QUIET_SECONDS = 2


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the window's controls and read its list")
class FavoritesTest(KalnorTestCase):
    def open_favorites(self, program):
        program.click(*accessible.centre(program.function_buttons()[6]))
        wait_until(lambda: program.own_windows(f"^{TITLE}$"), 20, "the favorites window")
        return program.frame(TITLE)

    def favorites_window(self, program):
        return program.own_windows(f"^{TITLE}$")[0]

    def entries(self, program, frame):
        return [text for _, text in program.check_list_rows(within=frame)]

    def edit_box(self, program, frame):
        return program.find("text", within=frame)

    def button(self, program, frame, caption):
        return program.find("push button", caption, within=frame)

    def add_picture(self, program, frame):
        return program.find("icon", within=frame).parent

    def type_into(self, edit, text):
        """Types the text over the selection. xdotool lends a letter missing from the keyboard a key only for
        its delay, and a busy program may read the key after that: such letters go one by one, slowly."""
        done = 0
        while done < len(text):
            if text[done].isascii():
                end = next((i for i in range(done, len(text)) if not text[i].isascii()), len(text))
                delay = "40"
            else:
                end = done + 1
                delay = "1000"
            # After "--" a part that starts with "-" is text, not an option.
            xdotool("type", "--delay", delay, "--", text[done:end])
            done = end
            self.assert_eventually(lambda: accessible.text(edit), text[:done], 10, f"{text[:done]!r} typed")

    def assert_closed(self, program):
        wait_until(lambda: not program.own_windows(f"^{TITLE}$"), 10, "the favorites window to close")

    def assert_no_request_meanwhile(self, path, requests, what):
        time.sleep(QUIET_SECONDS)
        self.assertEqual(self.server.count(path), requests, what)

    def test_an_added_address_is_saved_with_ok_and_listed_again(self):
        program = self.start_and_show_home()
        self.assertFalse(os.path.exists(program.path("nte.txt")))

        frame = self.open_favorites(program)
        box = program.wait_message_box(BOX_TITLE)
        program.screenshot("root", "favorites-missing-list.png")
        self.assertEqual(box.texts,
                         [f'Cannot open file "{os.path.realpath(program.path("nte.txt"))}". No such file or directory.'])
        # The box stands over the favorites window, which is already shown.
        box_window = program.own_windows(f"^{BOX_TITLE}$")[0]
        self.assertEqual(transient_for(box_window), self.favorites_window(program))
        fx, fy, fw, fh = accessible.extents(frame)
        bx, by, bw, bh = accessible.extents(box.node)
        # The box is as wide as its text, which names the random folder, so only its centre is sure to be inside.
        self.assertTrue(fx < bx + bw // 2 < fx + fw and fy < by + bh // 2 < fy + fh,
                        f"the box at {(bx, by, bw, bh)} stands over the window at {(fx, fy, fw, fh)}")
        program.confirm_message_box(box)

        self.assert_layout(program, frame)
        self.assert_gradient(program, frame)
        # The failed load leaves the list it was built with.
        self.assertEqual(self.entries(program, frame), [AUTHOR_ENTRY])
        edit = self.edit_box(program, frame)
        self.assertEqual(accessible.text(edit), "http://")

        program.click(*accessible.centre(edit))
        wait_until(lambda: edit.getState().contains(accessible.pyatspi.STATE_FOCUSED), 10, "the edit box focused")
        xdotool("key", "--clearmodifiers", "ctrl+a")
        self.type_into(edit, TYPED)

        picture = self.add_picture(program, frame)
        self.assertEqual(picture.description, "Přidej adresu")
        program.click(*accessible.centre(picture))
        self.assert_eventually(lambda: self.entries(program, frame), [AUTHOR_ENTRY, TYPED], 10,
                               "the typed address added to the list")
        self.assert_eventually(lambda: accessible.text(edit), "http://", 10, "the edit box ready for the next one")

        program.click(*accessible.centre(self.button(program, frame, "OK")))
        self.assert_closed(program)
        saved = list_file_bytes([AUTHOR_ENTRY, TYPED])
        self.assertEqual(program.read("nte.txt"), saved)
        self.assertEqual(program.read("oblibene.kln"), saved)

        frame = self.open_favorites(program)
        self.assert_eventually(lambda: self.entries(program, frame), [AUTHOR_ENTRY, TYPED], 10,
                               "both entries in the list")
        time.sleep(QUIET_SECONDS)
        self.assertEqual(program.own_windows(f"^{BOX_TITLE}$"), [], "no error box on the second opening")
        self.assertEqual(accessible.find_all(program.process.pid, "alert"), [])
        program.screenshot(self.favorites_window(program), "favorites.png")

        program.click(*accessible.centre(self.button(program, frame, "Storno")))
        self.assert_closed(program)
        self.assertEqual(program.read("nte.txt"), saved)
        self.assertEqual(program.read("oblibene.kln"), saved)

        program.menu_command("Konec")
        self.assertEqual(program.wait_exit(), 0)

    def test_keys_for_the_main_window_go_to_the_open_favorites_window(self):
        program = self.start_and_show_home()
        program.write_list("nte.txt", [STORED])
        frame = self.open_favorites(program)
        self.assert_eventually(lambda: self.entries(program, frame), [STORED], 10, "the stored entry")
        edit = self.edit_box(program, frame)
        program.click(*accessible.centre(edit))
        xdotool("key", "--clearmodifiers", "End")
        requests = self.server.count("/home.html")
        address = program.address_text()

        # Focused by hand, the main window neither becomes active nor takes the keys.
        program.focus()
        self.assert_no_request_meanwhile("/home.html", requests, "the main window went home on being focused")
        xdotool("key", "--clearmodifiers", "F5")
        self.assert_no_request_meanwhile("/home.html", requests, "F5 reloaded the page behind the favorites window")
        program.type("obchod.test/")
        self.assert_eventually(lambda: accessible.text(edit), "http://obchod.test/", 10,
                               "the typing in the favorites window's edit box")
        self.assertEqual(program.address_text(), address)

        # Coming back to the favorites window keeps what was added meanwhile.
        program.click(*accessible.centre(self.add_picture(program, frame)))
        self.assert_eventually(lambda: self.entries(program, frame), [STORED, "http://obchod.test/"], 10,
                               "the typed address added to the list")
        program.focus()
        xdotool("windowfocus", "--sync", self.favorites_window(program))
        self.assert_no_request_meanwhile("/home.html", requests, "the main window went home again")
        self.assertEqual(self.entries(program, frame), [STORED, "http://obchod.test/"])

        # Storno leaves the list file; closing saves the shown list all the same.
        program.click(*accessible.centre(self.button(program, frame, "Storno")))
        self.assert_closed(program)
        self.assertEqual(program.read("nte.txt"), list_file_bytes([STORED]))
        self.assertEqual(program.read("oblibene.kln"), list_file_bytes([STORED, "http://obchod.test/"]))

        # Back in the main window F5 reloads again.
        program.key("F5")
        self.assert_eventually(lambda: self.server.count("/home.html"), requests + 1, 20, "the home page reloaded")
        self.assertEqual(program.caption(), HOME_TITLE + TITLE_SUFFIX)

    def assert_layout(self, program, frame):
        """The controls where the window's design puts them in its client area."""
        client = self.edit_box(program, frame).parent
        cx, cy, cw, ch = accessible.extents(client)
        self.assertEqual((cw, ch), (624, 575))

        def place(node):
            x, y, width, height = accessible.extents(node)
            return x - cx, y - cy, width, height

        self.assertEqual(place(self.add_picture(program, frame)), (575, 24, 34, 33))
        self.assertEqual(place(self.edit_box(program, frame)), (104, 32, 457, 21))
        self.assertEqual(place(program.find("scroll pane", within=frame)), (8, 64, 609, 457))
        for caption, left, top in (("OK", 120, 536), ("Smazat", 8, 24), ("Storno", 272, 536)):
            self.assertEqual(place(self.button(program, frame, caption)), (left, top, 75, 25), caption)
        # Its caption in the desktop's font may need a few more pixels than the design gave it.
        x, y, width, height = place(self.button(program, frame, "Řadit od A-Z"))
        self.assertEqual((x, y, height), (416, 536, 25))
        self.assertGreaterEqual(width, 75)

    def assert_gradient(self, program, frame):
        """Blue at the left edge of the client area to yellow at the right, above the controls."""
        x, y, width, _ = accessible.extents(self.edit_box(program, frame).parent)
        left, middle, right = screen_pixels([(x + 1, y + 10), (x + width // 2, y + 10), (x + width - 2, y + 10)])
        self.assertTrue(left[0] < 16 and left[1] < 16 and left[2] > 240, f"blue at the left, not {left}")
        self.assertTrue(right[0] > 240 and right[1] > 240 and right[2] < 16, f"yellow at the right, not {right}")
        self.assertTrue(abs(middle[0] - middle[1]) < 8 and 100 < middle[0] < 156 and 100 < middle[2] < 156,
                        f"half way between at the middle, not {middle}")


if __name__ == "__main__":
    unittest.main()
