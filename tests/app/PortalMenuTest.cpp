#include "ProgramScenario.h"
#include "app/Author.h"
#include "rtl/CodePage.h"
#include "rtl/HResult.h"

namespace {

using PortalMenu = ProgramScenario;

const std::string kPortals = "Zajímavé weby";

struct Portal {
  std::string group;  // empty: the item stands directly in the menu
  std::string caption;
  std::string host;
};

// Top to bottom; the shared captions each go to their own row's host.
const std::vector<Portal> kItems{
    {"Vyhledávače", "Seznam", "www.seznam.cz"},
    {"Vyhledávače", "Centrum", "www.centrum.cz"},
    {"Vyhledávače", "Google", "www.google.cz"},
    {"Vyhledávače", "Atlas", "www.atlas.cz"},
    {"Email", "Email", "www.email.cz"},
    {"Email", "Seznam", "email.seznam.cz"},
    {"Email", "Centrum", "mail.centrum.cz"},
    {"Email", "Gmail", "mail.google.com"},
    {"Email", "Atlas", "mail.atlas.cz"},
    {"Email", "Post", "www.post.cz"},
    {"Zpravodajství", "IDnes", "www.idnes.cz"},
    {"Zpravodajství", "Centrum", "zpravy.centrum.cz"},
    {"Zpravodajství", "SuperSpy", "www.superspy.cz"},
    {"Zpravodajství", "Novinky", "www.novinky.cz"},
    {"Zpravodajství", "MobilMania", "www.mobilmania.cz"},
    {"Zpravodajství", "Mobil", "mobil.idnes.cz"},
    {"Zpravodajství", "Sport", "www.sport.cz"},
    {"Stahování programů", "Instaluj.cz", "www.instaluj.cz"},
    {"Stahování programů", "Slunecnice", "www.slunecnice.cz"},
    {"Stahování programů", "Studna", "studna.cpress.cz"},
    {"Stahování programů", "Stahuj", "www.stahuj.cz"},
    {"", kAuthorSiteHost, kAuthorSiteHost},
};

void Choose(platform::headless::HeadlessDriver& ui, const Portal& item) {
  if (item.group.empty())
    ui.ChooseMenu(Form1->Peer(), {Utf8ToAnsi(kPortals), Utf8ToAnsi(item.caption)});
  else
    ui.ChooseMenu(Form1->Peer(), {Utf8ToAnsi(kPortals), Utf8ToAnsi(item.group), Utf8ToAnsi(item.caption)});
}

int LeafItems(const TMenuItem* menu) {
  if (menu->Count() == 0) return 1;
  int count = 0;
  for (int i = 0; i < menu->Count(); ++i) count += LeafItems(menu->Items(i));
  return count;
}

TEST_F(PortalMenu, TheGroupsOnlyOpenAndEveryItemSendsTheControlToItsOwnHostTouchingNothingElse) {
  dir.Write("edit.kln", "typed.cz\r\n");
  dir.Write("history.kln", "http://visited.cz/\r\n");
  Then([&] {
    Web().calls.clear();
    ui.ChooseMenu(Form1->Peer(), {Utf8ToAnsi(kPortals)});
    for (const char* group : {"Vyhledávače", "Email", "Zpravodajství", "Stahování programů"})
      ui.ChooseMenu(Form1->Peer(), {Utf8ToAnsi(kPortals), Utf8ToAnsi(group)});
    EXPECT_TRUE(Web().calls.empty());

    EXPECT_EQ(LeafItems(Form1->Zajmavweby1), static_cast<int>(kItems.size()));
    Form1->ComboBox1->SetText("half-typed");
    for (const Portal& item : kItems) {
      Web().calls.clear();
      Choose(ui, item);
      EXPECT_EQ(Web().calls, std::vector<std::string>{"Navigate " + item.host}) << item.group << " " << item.caption;
    }
    EXPECT_EQ(Form1->ComboBox1->Text(), "half-typed");
    EXPECT_EQ(Form1->ComboBox1->Items()->Count(), 1);
    EXPECT_EQ(Form1->CheckListBox1->Items()->Count(), 1);
    EXPECT_TRUE(Messages().empty());
  });
  RunProgram();
  EXPECT_EQ(dir.Read("edit.kln"), "typed.cz\r\n");
}

using RefusedPortal = EmptyListsScenario;

TEST_F(RefusedPortal, ARefusedNavigationShowsTheControlsErrorAndTheMenuStaysUsable) {
  Then([&] {
    Web().failures["Navigate"] = {hresult::Fail, u"The address is refused"};
    Choose(ui, kItems[0]);
    Web().failures.clear();
    Choose(ui, kItems[2]);
    EXPECT_EQ(Web().CurrentPage(), u"www.google.cz");
  });
  RunProgram();
  EXPECT_EQ(Messages(), std::vector<std::string>{"The address is refused."});
}

}  // namespace
