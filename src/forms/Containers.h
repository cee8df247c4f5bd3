#pragma once
// Controls that hold others: the control bar with its tool-bar bands, and the
// tab control whose page area its children share.
#include <vector>

#include "forms/TWinControl.h"

class TControlBar : public TWinControl {
 public:
  using TWinControl::TWinControl;

 protected:
  platform::PeerKind PeerType() const override { return platform::PeerKind::Container; }
};

class TToolBar : public TWinControl {
 public:
  using TWinControl::TWinControl;
  TComponent* Images() const { return images_; }
  void SetImages(TComponent* images) { images_ = images; }

 protected:
  // Inside a control bar a tool bar is a band the user can drag.
  platform::PeerKind PeerType() const override;

 private:
  TComponent* images_ = nullptr;
};

class TTabControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  void SetTabs(std::vector<AnsiString> tabs);
  const std::vector<AnsiString>& Tabs() const { return tabs_; }
  int TabIndex() const { return tabs_.empty() ? -1 : 0; }
  // Inside the border and below the tab row.
  platform::Rect DisplayRect() const override;

 protected:
  platform::PeerKind PeerType() const override { return platform::PeerKind::TabControl; }
  void ApplyToPeer() override;

 private:
  std::vector<AnsiString> tabs_;
};
