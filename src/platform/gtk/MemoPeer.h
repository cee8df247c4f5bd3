#pragma once
// Text of several lines in a sunken box, in the control's font and colours;
// text beyond the box is cut off, as the box has no scroll bars.
#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"
#include "platform/gtk/WidgetStyle.h"

namespace platform::gtk {

class MemoPeer : public GtkPeer, public IMemoPeer {
 public:
  MemoPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetText(const std::string& text) override;
  void SetFont(const FontSpec& font) override;
  void SetColor(Color color) override;
  void SetWordWrap(bool wordWrap) override;

 private:
  void Restyle();

  GtkWidget* view_;
  WidgetStyle style_;
  FontSpec font_;
  Color color_ = 0xFFFFFF;
};

}  // namespace platform::gtk
