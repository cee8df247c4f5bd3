#include "platform/gtk/AnimatePeer.h"

#include "platform/gtk/FindFolderClip.h"

namespace platform::gtk {

AnimatePeer::AnimatePeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener) {
  AdoptDrawingArea(G_CALLBACK(OnDraw), this);
  ShowFace(Widget());
}

void AnimatePeer::SetClip(Clip clip) {
  clip_ = clip;
  gtk_widget_queue_draw(Widget());
}

void AnimatePeer::ShowFrame(int frame) {
  frame_ = frame;
  gtk_widget_queue_draw(Widget());
}

gboolean AnimatePeer::OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self) {
  auto* peer = static_cast<AnimatePeer*>(self);
  const int width = gtk_widget_get_allocated_width(widget);
  const int height = gtk_widget_get_allocated_height(widget);
  if (peer->clip_ != Clip::FindFolder || peer->frame_ < 1) return FALSE;
  cairo_translate(cr, (width - FindFolderClip::kWidth) / 2, (height - FindFolderClip::kHeight) / 2);
  FindFolderClip::Draw(cr, peer->frame_);
  return FALSE;
}

}  // namespace platform::gtk
