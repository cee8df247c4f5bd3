#include "platform/gtk/CairoCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/PixelStream.h"
#include "rtl/Rgb.h"

namespace platform::gtk {

namespace {

// cairo's opaque pixel (premultiplied ARGB) for a colour.
std::uint32_t Opaque(Color color) {
  const Rgb rgb = Rgb::Of(color);
  return 0xFF000000u | std::uint32_t{rgb.red} << 16 | std::uint32_t{rgb.green} << 8 | rgb.blue;
}

bool Whole(double value) { return value == std::floor(value); }

// The part of a inside b, or an empty rectangle; in 64 bits, as left + width
// may not fit an int.
Rect Intersect(const Rect& a, const Rect& b) {
  const std::int64_t left = std::max(a.left, b.left);
  const std::int64_t top = std::max(a.top, b.top);
  const std::int64_t right = std::min(std::int64_t{a.left} + a.width, std::int64_t{b.left} + b.width);
  const std::int64_t bottom = std::min(std::int64_t{a.top} + a.height, std::int64_t{b.top} + b.height);
  if (left >= right || top >= bottom) return {};
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
          static_cast<int>(bottom - top)};
}

// The box of user-space pixels a paint on cr can reach, provided each of them
// covers whole device pixels (an integer offset and scale, as GTK gives);
// otherwise a picture could not be shown exactly, and there is none.
std::optional<Rect> PixelArea(cairo_t* cr) {
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  if (m.xx != 1 || m.yy != 1 || m.xy != 0 || m.yx != 0 || !Whole(m.x0) || !Whole(m.y0)) return std::nullopt;
  cairo_surface_t* target = cairo_get_group_target(cr);
  double scaleX = 0, scaleY = 0, offsetX = 0, offsetY = 0;
  cairo_surface_get_device_scale(target, &scaleX, &scaleY);
  cairo_surface_get_device_offset(target, &offsetX, &offsetY);
  if (scaleX != scaleY || scaleX < 1 || !Whole(scaleX) || !Whole(offsetX) || !Whole(offsetY)) return std::nullopt;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
  // An unbounded surface (a recording without extents) gets no picture.
  constexpr double kMaxPixels = 1 << 26;
  if ((x2 - x1) * (y2 - y1) > kMaxPixels) return std::nullopt;
  const int left = static_cast<int>(std::floor(x1));
  const int top = static_cast<int>(std::floor(y1));
  return Rect{left, top, static_cast<int>(std::ceil(x2)) - left, static_cast<int>(std::ceil(y2)) - top};
}

// The picture of a buffered paint over area (user space), in cairo's pixels.
// Filled pixels are opaque, the rest see-through, so showing it leaves what
// no fill touched as it was. While every fill covers all rows the rows are
// alike and it keeps just one.
class Picture : public ICanvas {
 public:
  explicit Picture(const Rect& area) : area_(area), pixels_(static_cast<size_t>(area.width), 0) {}

  void FillRect(const Rect& rect, Color color) override {
    Rect part = Intersect(rect, area_);
    if (part.width == 0) return;
    part.left -= area_.left;
    part.top -= area_.top;
    if (rowsAlike_ && part.height == area_.height) {
      std::fill_n(pixels_.begin() + part.left, part.width, Opaque(color));
      return;
    }
    if (rowsAlike_) SpreadRow();
    for (int y = part.top; y < part.top + part.height; ++y)
      std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * area_.width + part.left, part.width,
                  Opaque(color));
  }

  void ShowOn(cairo_t* cr) {
    if (area_.width <= 0 || area_.height <= 0 || WriteStraight(cr)) return;
    cairo_surface_t* image =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(pixels_.data()), CAIRO_FORMAT_ARGB32,
                                            area_.width, rowsAlike_ ? 1 : area_.height, area_.width * 4);
    cairo_save(cr);
    // Over, as opaque pixels replace and see-through ones change nothing;
    // repeated, so one row runs down the whole area.
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_source_surface(cr, image, area_.left, area_.top);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr, area_.left, area_.top, area_.width, area_.height);
    cairo_fill(cr);
    cairo_restore(cr);
    // Anything still referring to the image takes a copy before it goes.
    cairo_surface_finish(image);
    cairo_surface_destroy(image);
  }

 private:
  void SpreadRow() {
    rowsAlike_ = false;
    const auto width = static_cast<std::ptrdiff_t>(area_.width);
    pixels_.resize(pixels_.size() * static_cast<size_t>(area_.height));
    for (auto row = pixels_.begin() + width; row != pixels_.end(); row += width)
      std::copy(pixels_.begin(), pixels_.begin() + width, row);
  }

  // The usual case the quick way: one row, all of it filled, and a plain
  // cairo image surface to show it on, whose rows this writes itself, as
  // cairo's own copy reads every pixel it overwrites.
  bool WriteStraight(cairo_t* cr) const {
    if (!rowsAlike_ || !std::all_of(pixels_.begin(), pixels_.end(), [](std::uint32_t p) { return p >> 24 == 0xFF; }))
      return false;
    cairo_surface_t* target = cairo_get_group_target(cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return false;
    const cairo_format_t format = cairo_image_surface_get_format(target);
    double scaleX = 0, scaleY = 0;
    cairo_surface_get_device_scale(target, &scaleX, &scaleY);
    if ((format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24) || scaleX != 1 || scaleY != 1) return false;
    cairo_rectangle_list_t* clip = cairo_copy_clip_rectangle_list(cr);
    bool whole = clip->status == CAIRO_STATUS_SUCCESS;
    for (int i = 0; whole && i < clip->num_rectangles; ++i) {
      const cairo_rectangle_t& r = clip->rectangles[i];
      whole = Whole(r.x) && Whole(r.y) && Whole(r.width) && Whole(r.height);
    }
    if (!whole) {
      cairo_rectangle_list_destroy(clip);
      return false;
    }
    // A surface pixel is a user-space pixel shifted by this much.
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    double offsetX = 0, offsetY = 0;
    cairo_surface_get_device_offset(target, &offsetX, &offsetY);
    const int shiftX = static_cast<int>(m.x0 + offsetX);
    const int shiftY = static_cast<int>(m.y0 + offsetY);
    cairo_surface_flush(target);
    unsigned char* data = cairo_image_surface_get_data(target);
    const int stride = cairo_image_surface_get_stride(target);
    const Rect surface{0, 0, cairo_image_surface_get_width(target), cairo_image_surface_get_height(target)};
    for (int i = 0; i < clip->num_rectangles; ++i) {
      const cairo_rectangle_t& r = clip->rectangles[i];
      const Rect box{static_cast<int>(r.x), static_cast<int>(r.y), static_cast<int>(r.width),
                     static_cast<int>(r.height)};
      Rect part = Intersect(box, area_);
      part = Intersect({part.left + shiftX, part.top + shiftY, part.width, part.height}, surface);
      if (part.width == 0) continue;
      const std::uint32_t* from = pixels_.data() + (part.left - shiftX - area_.left);
      for (int y = part.top; y < part.top + part.height; ++y)
        StreamPixels(from, reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride) + part.left,
                     part.width);
    }
    EndPixelStream();
    cairo_rectangle_list_destroy(clip);
    cairo_surface_mark_dirty(target);
    return true;
  }

  Rect area_;
  std::vector<std::uint32_t> pixels_;  // one row while rowsAlike_, else all
  bool rowsAlike_ = true;
};

}  // namespace

void UseColor(cairo_t* cr, Color color) {
  const Rgb rgb = Rgb::Of(color);
  cairo_set_source_rgb(cr, rgb.red / 255.0, rgb.green / 255.0, rgb.blue / 255.0);
}

CairoCanvas::CairoCanvas(cairo_t* cr) : cr_(cr) {}

void CairoCanvas::FillRect(const Rect& rect, Color color) {
  if (rect.width <= 0 || rect.height <= 0) return;
  // Whole-pixel rectangles without antialiasing, so edges never blend.
  cairo_save(cr_);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  UseColor(cr_, color);
  cairo_rectangle(cr_, rect.left, rect.top, rect.width, rect.height);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

void CairoCanvas::PaintBuffered(const std::function<void(ICanvas&)>& paint) {
  const std::optional<Rect> area = PixelArea(cr_);
  if (!area) return paint(*this);
  Picture picture(*area);
  paint(picture);
  picture.ShowOn(cr_);
}

}  // namespace platform::gtk
