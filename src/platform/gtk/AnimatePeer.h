#pragma once
// A box showing one frame of a clip, centred, on the colour it is given.
#include "platform/Peers.h"
#include "platform/gtk/GtkPeer.h"

namespace platform::gtk {

class AnimatePeer : public GtkPeer, public IAnimatePeer {
 public:
  AnimatePeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener);

  void SetClip(Clip clip) override;
  void ShowFrame(int frame) override;

 private:
  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);

  Clip clip_ = Clip::None;
  int frame_ = 0;
};

}  // namespace platform::gtk
