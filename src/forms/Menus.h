#pragma once
// The main menu: a tree of items with captions, access keys, shortcuts and pictures.
#include <string>
#include <vector>

#include "forms/TComponent.h"
#include "platform/MenuModel.h"
#include "rtl/Badge.h"

class TForm;
class TImageList;

// A plain key with its modifiers, as a menu item's shortcut.
struct TShortCut {
  Word key = 0;
  TShiftState shift;
  bool operator==(const TShortCut&) const = default;
  bool Empty() const { return key == 0; }
  std::string Text() const;
};

class TMainMenu;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(const AnsiString& caption);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_[index]; }
  void Add(TMenuItem* item);
  TMenuItem* Parent() const { return parent_; }

  TNotifyEvent OnClick;
  void Click();

  int CommandId() const { return commandId_; }
  // The letter after "&", upper-cased; 0 when there is none.
  char AccessKey() const;

 private:
  friend class TMainMenu;
  void Changed();
  platform::MenuEntry Model() const;
  TMenuItem* FindCommand(int id);
  TMenuItem* FindShortCut(TShortCut shortCut);

  AnsiString caption_;
  TShortCut shortCut_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMainMenu* menu_ = nullptr;
  int commandId_ = 0;
};

class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* owner);

  // The entries of the menu bar.
  TMenuItem* Items() { return &root_; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images) { images_ = images; }

  // The window whose menu bar this is.
  void SetForm(Badge<TForm>, TForm* form) { form_ = form; }
  std::vector<platform::MenuEntry> Model() const;
  std::vector<std::string> Pictures() const;

  // Runs the item with this shortcut; true when there is one.
  bool IsShortCut(Word key, TShiftState shift);
  // Opens the menu-bar entry with this access key, or runs it when it is a command.
  bool AccessKey(char ch);
  // Runs the item with this command id, chosen in the window's menu bar.
  void Command(Badge<TForm>, int id);

 private:
  friend class TMenuItem;
  int Register(TMenuItem* item);
  void Changed();

  TMenuItem root_;
  TImageList* images_ = nullptr;
  TForm* form_ = nullptr;
  int nextCommandId_ = 1;
};

// The access-key letter of a caption ("&Soubor" -> 'S'), upper-cased; 0 when none.
char AccessKeyOf(const AnsiString& caption);
