#include "platform/gtk/FindFolderClip.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "platform/Clip.h"
#include "platform/gtk/CairoCanvas.h"

namespace platform::gtk {

namespace {

// Colours are 0x00BBGGRR, as everywhere in the program.
void FillAndOutline(cairo_t* cr, Color fill, Color outline) {
  UseColor(cr, fill);
  cairo_fill_preserve(cr);
  UseColor(cr, outline);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void Sheet(cairo_t* cr, double x, double y, double tilt) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, tilt);
  cairo_rectangle(cr, 0.5, 0.5, 20, 24);
  FillAndOutline(cr, 0xFFFFFF, 0x8A8A8A);
  UseColor(cr, 0xC47F5B);
  for (int line = 0; line < 4; ++line) cairo_rectangle(cr, 4, 5 + 4 * line, line == 3 ? 8 : 13, 1);
  cairo_fill(cr);
  cairo_restore(cr);
}

struct Point {
  double x, y;
};

// A closed outline through the corners, filled.
void Polygon(cairo_t* cr, std::initializer_list<Point> corners, Color fill, Color outline) {
  for (const Point& corner : corners) cairo_line_to(cr, corner.x, corner.y);
  cairo_close_path(cr);
  FillAndOutline(cr, fill, outline);
}

void Folder(cairo_t* cr) {
  // The back with its tab, the papers, then the front flap leaning forward.
  Polygon(cr, {{4.5, 14.5}, {4.5, 9.5}, {16.5, 9.5}, {19.5, 12.5}, {46.5, 12.5}, {46.5, 41.5}, {4.5, 41.5}},
          0x21A5D9, 0x10648C);
  Sheet(cr, 10, 7, -0.12);
  Sheet(cr, 21, 6, 0.1);
  Polygon(cr, {{2.5, 21.5}, {44.5, 21.5}, {48.5, 41.5}, {6.5, 41.5}}, 0x42C8F4, 0x10648C);
}

// The glass circles the folder once per run of the clip, dipping twice.
void Glass(cairo_t* cr, double turn) {
  const double angle = 2 * std::numbers::pi * turn;
  const double x = 36 + 16 * std::cos(angle);
  const double y = 21 + 6 * std::sin(2 * angle);
  constexpr double radius = 8;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 4);
  UseColor(cr, 0x1C3A5A);
  cairo_move_to(cr, x + radius * 0.7, y + radius * 0.7);
  cairo_line_to(cr, x + radius * 1.7, y + radius * 1.7);
  cairo_stroke(cr);
  cairo_arc(cr, x, y, radius, 0, 2 * std::numbers::pi);
  cairo_set_source_rgba(cr, 0.75, 0.9, 1, 0.55);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 2);
  UseColor(cr, 0x5C5044);
  cairo_stroke(cr);
  cairo_arc(cr, x - 2, y - 2, radius / 2, std::numbers::pi, 1.5 * std::numbers::pi);
  cairo_set_line_width(cr, 1.5);
  UseColor(cr, 0xFFFFFF);
  cairo_stroke(cr);
}

}  // namespace

void FindFolderClip::Draw(cairo_t* cr, int frame) {
  const int frames = FormatOf(Clip::FindFolder).frameCount;
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kWidth, kHeight);
  cairo_clip(cr);
  Folder(cr);
  Glass(cr, static_cast<double>(frame - 1) / frames);
  cairo_restore(cr);
}

}  // namespace platform::gtk
