#pragma once
// Controls that hold others: the control bar with its tool-bar bands, and the
// tab control whose page area its children share.
#include <memory>
#include <vector>

#include "forms/TWinControl.h"

// A control holding others whose peer shows the caption where it has one to show.
class TContainerControl : public TWinControl {
 public:
  using TWinControl::TWinControl;

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  // A band the user can drag, rather than a plain container.
  virtual bool IsBand() const { return false; }
  void ApplyToPeer() override;
  void CaptionChanged() override;

 private:
  std::unique_ptr<platform::IContainerPeer> peer_;
};

class TControlBar : public TContainerControl {
 public:
  using TContainerControl::TContainerControl;
};

class TToolBar : public TContainerControl {
 public:
  using TContainerControl::TContainerControl;
  TComponent* Images() const { return images_; }
  void SetImages(TComponent* images) { images_ = images; }

 protected:
  // Inside a control bar a tool bar is a band the user can drag.
  bool IsBand() const override { return dynamic_cast<TControlBar*>(Parent()) != nullptr; }

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
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  void ApplyToPeer() override;

 private:
  std::vector<AnsiString> tabs_;
  std::unique_ptr<platform::ITabControlPeer> peer_;
};
