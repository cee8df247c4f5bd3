#include "forms/Menus.h"

#include "forms/TForm.h"
#include "forms/TImageList.h"
#include "rtl/AccessKeyCaption.h"
#include "rtl/CodePage.h"

std::string TShortCut::Text() const {
  switch (key) {
    case 0: return {};
    case VK_DELETE: return "Del";
    default:
      if (key >= VK_F1 && key <= VK_F24) {
        // Appended, not prepended: inserting before the number trips GCC's overlap analysis.
        std::string text = "F";
        text += std::to_string(key - VK_F1 + 1);
        return text;
      }
      return std::string(1, static_cast<char>(key));
  }
}

char AccessKeyOf(const AnsiString& caption) {
  const AccessKeyCaption parsed = AccessKeyCaption::Parse(caption);
  return parsed.keyIndex < 0 ? 0 : AnsiUpperCase(parsed.text.substr(parsed.keyIndex, 1))[0];
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

void TMenuItem::SetCaption(const AnsiString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TMenuItem::Add(TMenuItem* item) {
  item->parent_ = this;
  items_.push_back(item);
  if (menu_) menu_->Register(item);
  Changed();
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

char TMenuItem::AccessKey() const { return AccessKeyOf(caption_); }

void TMenuItem::Changed() {
  if (menu_) menu_->Changed();
}

platform::MenuEntry TMenuItem::Model() const {
  platform::MenuEntry entry{commandId_, caption_, shortCut_.Text(), imageIndex_, enabled_, {}};
  for (const TMenuItem* item : items_) entry.children.push_back(item->Model());
  return entry;
}

TMenuItem* TMenuItem::FindCommand(int id) {
  if (commandId_ == id) return this;
  for (TMenuItem* item : items_)
    if (TMenuItem* found = item->FindCommand(id)) return found;
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
  if (shortCut.Empty()) return nullptr;
  for (TMenuItem* item : items_) {
    if (item->shortCut_ == shortCut && item->enabled_) return item;
    if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
  }
  return nullptr;
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), root_(nullptr) { root_.menu_ = this; }

int TMainMenu::Register(TMenuItem* item) {
  item->menu_ = this;
  item->commandId_ = nextCommandId_++;
  for (TMenuItem* child : item->items_) Register(child);
  return item->commandId_;
}

void TMainMenu::Changed() {
  if (form_) form_->MenuChanged({});
}

std::vector<platform::MenuEntry> TMainMenu::Model() const { return root_.Model().children; }

std::vector<std::string> TMainMenu::Pictures() const {
  return images_ ? images_->Pictures() : std::vector<std::string>{};
}

bool TMainMenu::IsShortCut(Word key, TShiftState shift) {
  TMenuItem* item = root_.FindShortCut({key, shift});
  if (!item) return false;
  item->Click();
  return true;
}

bool TMainMenu::AccessKey(char ch) {
  const char wanted = AnsiUpperCase(std::string(1, ch))[0];
  for (int i = 0; i < root_.Count(); ++i) {
    TMenuItem* item = root_.Items(i);
    if (item->AccessKey() != wanted || !item->Enabled()) continue;
    if (item->Count() > 0) {
      if (form_) form_->OpenMenu({}, i);
    } else {
      item->Click();
    }
    return true;
  }
  return false;
}

void TMainMenu::Command(Badge<TForm>, int id) {
  if (TMenuItem* item = root_.FindCommand(id); item && item->Count() == 0) item->Click();
}
