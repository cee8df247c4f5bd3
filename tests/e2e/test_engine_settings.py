""""Nastavení webu" opens the engine's settings file with the desktop's program
for it (here a recording program registered in a throwaway XDG data folder),
anew on every click; what the user changes there is used by the next Home."""

import os
import subprocess
import tempfile
import unittest

import accessible
from kalnor_e2e import TITLE_SUFFIX, KalnorTestCase, recorded_lines, register_default_program, wait_until

SETTINGS_COMMAND = "Nastavení webu"
SECOND_TITLE = "Druhá stránka"


def content_type(path, env):
    found = subprocess.run(["gio", "info", "-a", "standard::content-type", path], capture_output=True, text=True,
                           timeout=20, env=env).stdout
    return found.rsplit("standard::content-type:", 1)[1].strip()


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the menu and the buttons")
class EngineSettingsTest(KalnorTestCase):
    def test_each_click_opens_the_settings_file_and_home_follows_its_edits(self):
        data_home = self.enterContext(tempfile.TemporaryDirectory(prefix="kalnor-data-"))
        log = os.path.join(data_home, "opened.log")
        # The settings file's type, as the desktop sees a file like it.
        sample = os.path.join(data_home, "engine.ini")
        with open(sample, "w", encoding="utf-8") as f:
            f.write("[engine]\nhome=http://127.0.0.1/\n")
        register_default_program(data_home, content_type(sample, dict(os.environ, XDG_DATA_HOME=data_home)), log,
                                 argument="%f")

        program = self.start_and_show_home(env={"XDG_DATA_HOME": data_home})
        for clicks in (1, 2):
            program.menu_command(SETTINGS_COMMAND)
            wait_until(lambda: len(recorded_lines(log)) >= clicks, 20, f"the settings file opened {clicks} times")
        self.assertEqual(recorded_lines(log), [program.settings_file] * 2)

        program.write_settings(self.server.url("/second.html"), self.server.url("/home.html"))
        home = program.function_buttons()[3]
        program.click(*accessible.centre(home))
        self.assert_eventually(program.caption, SECOND_TITLE + TITLE_SUFFIX, 20, "the edited home page")
        self.assertEqual(recorded_lines(log), [program.settings_file] * 2)
        self.assertIsNone(program.process.poll())


if __name__ == "__main__":
    unittest.main()
