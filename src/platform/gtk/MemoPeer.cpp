#include "platform/gtk/MemoPeer.h"

#include <cstdlib>
#include <string>

#include "platform/gtk/CssColor.h"

namespace platform::gtk {

MemoPeer::MemoPeer(GtkWindowSystem& system, GtkPeer* parent, IPeerListener& listener)
    : GtkPeer(system, parent, listener), view_(gtk_text_view_new()), style_(view_) {
  gtk_text_view_set_editable(GTK_TEXT_VIEW(view_), FALSE);
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view_), GTK_WRAP_WORD);
  AdoptScrolled(view_);
  // Scrollable from code only, and no taller or wider for its text.
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(Widget()), GTK_POLICY_EXTERNAL, GTK_POLICY_EXTERNAL);
  Restyle();
}

void MemoPeer::SetText(const std::string& text) {
  std::string lines = ToGtk(text);
  std::erase(lines, '\r');  // line ends arrive as CR LF
  gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view_)), lines.c_str(), -1);
}

void MemoPeer::SetFont(const FontSpec& font) {
  font_ = font;
  Restyle();
}

void MemoPeer::SetColor(Color color) {
  color_ = color;
  Restyle();
}

void MemoPeer::SetWordWrap(bool wordWrap) {
  gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view_), wordWrap ? GTK_WRAP_WORD : GTK_WRAP_NONE);
}

// The text colour holds while the box is enabled; disabled, the theme greys it.
void MemoPeer::Restyle() {
  const std::string css = "text { background-color: " + CssColor(color_) + "; font-family: \"" + font_.name +
                          "\"; font-size: " + std::to_string(std::abs(font_.height)) + "px; font-weight: " +
                          (font_.bold ? "bold" : "normal") + "; text-decoration-line: " +
                          (font_.underline ? "underline" : "none") + "; }\n" +
                          "text:not(:disabled) { color: " + CssColor(font_.color) + "; }";
  style_.Load(css);
}

}  // namespace platform::gtk
