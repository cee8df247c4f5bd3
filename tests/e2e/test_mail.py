"""The mail button hands "mailto:" and the author's address to the desktop's
mail program (here a recording program registered in a throwaway XDG data
folder); with no mail program the click shows nothing and the program goes on."""

import os
import tempfile
import time
import unittest

import accessible
from kalnor_e2e import KalnorTestCase, programs_for, recorded_lines, register_default_program, wait_until

AUTHOR_MAIL = "tomas.vrana@example.com"
MAILTO = "x-scheme-handler/mailto"


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the buttons")
class MailTest(KalnorTestCase):
    def data_home(self):
        return self.enterContext(tempfile.TemporaryDirectory(prefix="kalnor-data-"))

    def click_mail_button(self, program):
        mail = program.function_buttons()[8]
        program.click(*accessible.centre(mail))

    def test_one_click_hands_the_address_to_the_mail_program(self):
        data_home = self.data_home()
        log = os.path.join(data_home, "mail.log")
        register_default_program(data_home, MAILTO, log)
        program = self.start_and_show_home(env={"XDG_DATA_HOME": data_home})
        self.click_mail_button(program)
        wait_until(lambda: recorded_lines(log), 20, "the mail program started")
        time.sleep(1)  # a second hand-off would have come by now
        self.assertEqual(recorded_lines(log), [f"mailto:{AUTHOR_MAIL}"])

    def test_with_no_mail_program_nothing_shows_and_the_program_goes_on(self):
        data_home = self.data_home()
        if programs_for(MAILTO, data_home):
            self.skipTest("this desktop has a mail program")
        program = self.start_and_show_home(env={"XDG_DATA_HOME": data_home})
        self.click_mail_button(program)
        time.sleep(1)  # a message box would have come by now
        self.assertEqual(program.own_windows("."), [program.window])
        self.assert_goes_on(program)


if __name__ == "__main__":
    unittest.main()
