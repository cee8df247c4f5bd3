#pragma once
// A text label in the control's font, see-through or on the colour it is
// given; clicks and the pointer coming onto it and leaving it are reported.
#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class LabelPeer : public GtkPeer, public ILabelPeer {
 public:
  LabelPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetCaption(const std::string& caption) override;
  void SetFont(const FontSpec& font) override;
  void SetWordWrap(bool wordWrap) override;
  void SetTransparent(bool transparent) override { SetFaceShown(!transparent); }

  // The room a label takes for the caption in the font; lines are broken to
  // fit wrapWidth when it is above 0.
  static Size Measure(const std::string& caption, const FontSpec& font, int wrapWidth);

 private:
  static gboolean OnCrossingEvent(GtkWidget* widget, GdkEventCrossing* event, gpointer self);

  GtkWidget* label_;
};

}  // namespace platform::gtk
