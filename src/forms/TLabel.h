#pragma once
// Text standing on its window without a window of its own. Unless told
// otherwise it fits its bounds to its caption and font, growing downwards
// only when its text wraps; a transparent label lets the window's background
// show around its text.
#include <memory>

#include "forms/TControl.h"

class TLabel : public TControl {
 public:
  using TControl::TControl;

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  platform::IControlPeer& MakePeer(platform::IWindowSystem& system, platform::IControlPeer* parent) override;
  void ApplyToPeer() override;
  bool HandlePeerEvent(const platform::PeerEvent& event) override;
  void CaptionChanged() override;
  void FontChanged() override;
  void Loaded() override;

 private:
  void AdjustBounds();

  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  std::unique_ptr<platform::ILabelPeer> peer_;
};
