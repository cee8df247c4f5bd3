#include "platform/headless/HeadlessPeer.h"

#include <algorithm>

#include "platform/headless/HeadlessWindowSystem.h"
#include "platform/headless/PixelCanvas.h"

namespace platform::headless {

HeadlessPeer::HeadlessPeer(HeadlessWindowSystem& system, PeerKind k, HeadlessPeer* p, IPeerListener& listener)
    : kind(k), parent(p), system_(system), listener_(listener) {
  system_.Register({}, this);
}

HeadlessPeer::~HeadlessPeer() { system_.Unregister({}, this); }

HeadlessPeer* HeadlessPeer::Window() {
  HeadlessPeer* p = this;
  while (p->parent) p = p->parent;
  return p;
}

bool HeadlessPeer::Showing() const {
  for (const HeadlessPeer* p = this; p; p = p->parent)
    if (!p->visible) return false;
  return true;
}

Insets HeadlessPeer::Frame() const {
  const auto& manager = system_.WindowManagerFrame();
  if (!manager) return FrameInsets(border, !menu.empty());
  Insets frame = *manager;
  if (!menu.empty()) frame.top += kMenuBarHeight;
  return frame;
}

Rect HeadlessPeer::ClientRect() const {
  if (kind != PeerKind::Form) return {0, 0, bounds.width, bounds.height};
  const Insets frame = Frame();
  return {0, 0, std::max(0, bounds.width - frame.Horizontal()), std::max(0, bounds.height - frame.Vertical())};
}

void HeadlessPeer::ReportSize() {
  Report(Resized{bounds, {ClientRect().width, ClientRect().height}});
}

Color HeadlessPeer::PixelAt(int x, int y) const {
  return pixels.at(static_cast<size_t>(y) * ClientRect().width + x);
}

void HeadlessPeer::SetFocus() { system_.NoteFocus({}, this); }

// Like a desktop, the system repaints a whole window when it appears or
// changes size; the paint comes later, from the message loop.
void HeadlessPeer::SetBounds(const Rect& r) {
  const bool resized = r.width != bounds.width || r.height != bounds.height;
  bounds = r;
  if (resized) Invalidate();
  if (kind == PeerKind::Form) system_.WindowPlaced({}, this);
}

void HeadlessPeer::SetVisible(bool v) {
  if (v && !visible) Invalidate();
  visible = v;
  if (v && kind == PeerKind::Form) system_.WindowPlaced({}, this);
}

void HeadlessPeer::Invalidate() {
  if (kind == PeerKind::Form) system_.InvalidateWindow({}, this);
}

void HeadlessPeer::SetBorder(BorderStyle b, const BorderIcons& icons) {
  border = b;
  borderIcons = icons;
}

void HeadlessPeer::Repaint() {
  if (kind != PeerKind::Form) return;
  const Rect client = ClientRect();
  PixelCanvas screen(pixels, offscreen_, client.width, client.height);
  Report(Paint{screen});
  ++paintCount;
}

void HeadlessPeer::SetText(const std::string& t) {
  text = t;
  selStart = static_cast<int>(text.size());
  selLength = 0;
}

void HeadlessPeer::SetSelection(int start, int length) {
  selStart = start;
  selLength = length;
}

void HeadlessPeer::SetItems(const IListItems& all) {
  listItems_ = &all;
  items.clear();
  checked.clear();
  for (int i = 0; i < all.Count(); ++i) {
    items.emplace_back(all.Text(i));
    checked.push_back(all.Checked(i));
  }
  ++itemRedraws;
}

void HeadlessPeer::ItemInserted(int index) {
  items.emplace(items.begin() + index, listItems_->Text(index));
  checked.insert(checked.begin() + index, listItems_->Checked(index));
}

void HeadlessPeer::ItemDeleted(int index) {
  items.erase(items.begin() + index);
  checked.erase(checked.begin() + index);
}

void HeadlessPeer::SetPanels(const std::vector<int>& widths) {
  panelWidths = widths;
  panelTexts.resize(widths.size());
}

void HeadlessPeer::SetShape(ShapeKind k, Color b, Color p) {
  shape = k;
  brush = b;
  pen = p;
}

void HeadlessPeer::DefaultKey(Word key, char ch) {
  if (kind != PeerKind::Edit && kind != PeerKind::ComboBox) return;
  const int length = static_cast<int>(text.size());
  const int start = std::clamp(selStart, 0, length);
  const int end = std::clamp(selStart + selLength, start, length);
  std::string rest = text;
  switch (key) {
    case VK_BACK:
      if (end > start) return EditText(rest.erase(start, end - start), start);
      if (start > 0) EditText(rest.erase(start - 1, 1), start - 1);
      return;
    case VK_DELETE:
      if (end > start) return EditText(rest.erase(start, end - start), start);
      if (start < length) EditText(rest.erase(start, 1), start);
      return;
    case VK_LEFT: return EditText(rest, std::max(0, start - 1));
    case VK_RIGHT: return EditText(rest, std::min(length, end + (end == start ? 1 : 0)));
    case VK_HOME: return EditText(rest, 0);
    case VK_END: return EditText(rest, length);
    default:
      if (static_cast<unsigned char>(ch) >= ' ') EditText(rest.replace(start, end - start, 1, ch), start + 1);
  }
}

void HeadlessPeer::EditText(std::string newText, int caret) {
  text = std::move(newText);
  selStart = caret;
  selLength = 0;
  Report(EditChanged{text, selStart, selLength});
}

}  // namespace platform::headless
