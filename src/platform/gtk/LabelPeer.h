#pragma once
// A text label in the control's font; a click on it is reported.
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class LabelPeer : public GtkPeer {
 public:
  LabelPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetCaption(const std::string& caption) override;
  void SetFont(const FontSpec& font) override;

 private:
  GtkWidget* label_;
};

}  // namespace platform::gtk
