#pragma once
// The status bar: panels side by side, or one simple text in simple mode.
#include <memory>
#include <vector>

#include "forms/TWinControl.h"
#include "rtl/Badge.h"

class TStatusBar;

class TStatusPanel {
 public:
  TStatusPanel(TStatusBar& bar, int index, int width) : bar_(&bar), index_(index), width_(width) {}
  const AnsiString& Text() const { return text_; }
  // Reaches the bar only when it differs.
  void SetText(const AnsiString& text);
  int Width() const { return width_; }

 private:
  TStatusBar* bar_;
  int index_;
  int width_;
  AnsiString text_;
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);

  void AddPanel(int width);
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  TStatusPanel& Panels(int index) { return panels_[index]; }
  bool SimplePanel() const { return simplePanel_; }
  const AnsiString& SimpleText() const { return simpleText_; }
  void SetSimpleText(const AnsiString& text);
  // The text of the panel changed.
  void PanelChanged(Badge<TStatusPanel>, int index);

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  void ApplyToPeer() override;

 private:
  std::vector<TStatusPanel> panels_;
  bool simplePanel_ = false;
  AnsiString simpleText_;
  std::unique_ptr<platform::IStatusBarPeer> peer_;
};
