"""The portal menu "Zajímavé weby" through the real menu: every item sends the
engine to its own bare host, which it completes to a web address. There is no
network here, so each load fails; the history still gains each address, in
order, while the address box and its list file stay as they were."""

import unittest

import accessible
from kalnor_e2e import KalnorTestCase

PORTALS = "Zajímavé weby"
# Each item by its group ("" for the item directly in the menu), caption and host.
ITEMS = [
    ("Vyhledávače", "Seznam", "www.seznam.cz"),
    ("Vyhledávače", "Centrum", "www.centrum.cz"),
    ("Vyhledávače", "Google", "www.google.cz"),
    ("Vyhledávače", "Atlas", "www.atlas.cz"),
    ("Email", "Email", "www.email.cz"),
    ("Email", "Seznam", "email.seznam.cz"),
    ("Email", "Centrum", "mail.centrum.cz"),
    ("Email", "Gmail", "mail.google.com"),
    ("Email", "Atlas", "mail.atlas.cz"),
    ("Email", "Post", "www.post.cz"),
    ("Zpravodajství", "IDnes", "www.idnes.cz"),
    ("Zpravodajství", "Centrum", "zpravy.centrum.cz"),
    ("Zpravodajství", "SuperSpy", "www.superspy.cz"),
    ("Zpravodajství", "Novinky", "www.novinky.cz"),
    ("Zpravodajství", "MobilMania", "www.mobilmania.cz"),
    ("Zpravodajství", "Mobil", "mobil.idnes.cz"),
    ("Zpravodajství", "Sport", "www.sport.cz"),
    ("Stahování programů", "Instaluj.cz", "www.instaluj.cz"),
    ("Stahování programů", "Slunecnice", "www.slunecnice.cz"),
    ("Stahování programů", "Studna", "studna.cpress.cz"),
    ("Stahování programů", "Stahuj", "www.stahuj.cz"),
    ("", "kalnor.wz.cz", "kalnor.wz.cz"),
]


@unittest.skipUnless(accessible.available(), "needs AT-SPI to find the menu on screen")
class PortalMenuTest(KalnorTestCase):
    def test_every_item_loads_its_own_host(self):
        program = self.start_and_show_home(edit=["seznam.cz"], history=["http://example.test/"])
        home = self.server.url("/home.html")
        listed = program.read("edit.kln")
        for group, caption, host in ITEMS:
            program.menu_command(PORTALS, *([group] if group else []), caption)
            # The first status panel shows the address once the load is over.
            self.assert_eventually(lambda: program.status_texts()[0], f"http://{host}/", 30,
                                   f"the load of {caption} in {group or PORTALS}")
        program.screenshot(program.window, "portal-menu.png")
        self.assertEqual(program.address_text(), "")
        self.assertEqual(program.read("edit.kln"), listed)

        program.menu_command("Konec")
        self.assertEqual(program.wait_exit(), 0)
        visited = [f"http://{host}/" for _, _, host in ITEMS]
        saved = program.read("history.kln")
        self.assertTrue(saved.endswith(b"\r\n"))
        entries = saved.decode("cp1250").split("\r\n")[:-1]
        self.assertEqual(entries, ["http://example.test/", home, *visited])


if __name__ == "__main__":
    unittest.main()
