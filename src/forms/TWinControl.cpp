#include "forms/TWinControl.h"

#include <algorithm>

#include "forms/TForm.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

void TWinControl::RemoveControl(Badge<TControl>, TControl* control) { std::erase(controls_, control); }

void TWinControl::CreatePeer() {
  TControl::CreatePeer();
  for (TControl* c : controls_) c->CreatePeer();
}

void TWinControl::ShowingChanged() {
  for (TControl* c : controls_) c->ShowingChanged();
}

void TWinControl::ApplyToPeer() {
  TControl::ApplyToPeer();
  Peer()->SetColor(color_);
}

void TWinControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  if (Peer()) Peer()->SetColor(color_);
}

platform::Rect TWinControl::DisplayRect() const { return {0, 0, Width(), Height()}; }

void TWinControl::Realign() {
  if (aligning_) return;
  aligning_ = true;
  platform::Rect space = DisplayRect();
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) PlaceAligned(align, space);
  aligning_ = false;
}

void TWinControl::PlaceAligned(TAlign align, platform::Rect& space) {
  std::vector<TControl*> group;
  for (TControl* c : controls_)
    if (c->Align() == align && c->Visible()) group.push_back(c);
  auto byPosition = [align](const TControl* a, const TControl* b) {
    switch (align) {
      case alTop: return a->Top() < b->Top();
      case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
      case alLeft: return a->Left() < b->Left();
      case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
      default: return false;
    }
  };
  std::stable_sort(group.begin(), group.end(), byPosition);
  for (TControl* c : group) {
    switch (align) {
      case alTop:
        c->SetBounds(space.left, space.top, space.width, c->Height());
        space.top += c->Height();
        space.height -= c->Height();
        break;
      case alBottom:
        c->SetBounds(space.left, space.top + space.height - c->Height(), space.width, c->Height());
        space.height -= c->Height();
        break;
      case alLeft:
        c->SetBounds(space.left, space.top, c->Width(), space.height);
        space.left += c->Width();
        space.width -= c->Width();
        break;
      case alRight:
        c->SetBounds(space.left + space.width - c->Width(), space.top, c->Width(), space.height);
        space.width -= c->Width();
        break;
      default:
        c->SetBounds(space.left, space.top, space.width, space.height);
        break;
    }
  }
}

bool TWinControl::CanFocus() const {
  const TForm* form = ParentForm();
  return form && form->Showing() && Showing();
}

void TWinControl::SetFocus() {
  if (TForm* form = ParentForm()) form->FocusControl(this);
}

bool TWinControl::Focused() const {
  const TForm* form = ParentForm();
  return form && form->ActiveControl() == this;
}

void TWinControl::CollectTabOrder(std::vector<TWinControl*>& out) {
  std::vector<TWinControl*> children;
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) children.push_back(w);
  std::stable_sort(children.begin(), children.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  for (TWinControl* w : children) {
    if (!w->Visible() || !w->Enabled()) continue;
    if (w->TabStop()) out.push_back(w);
    w->CollectTabOrder(out);
  }
}

TWinControl* TWinControl::FindFirstFocusable() {
  std::vector<TWinControl*> order;
  CollectTabOrder(order);
  for (TWinControl* w : order)
    if (w->CanFocus()) return w;
  return nullptr;
}

bool TWinControl::KeyDown(Word& key, TShiftState shift) {
  const Word pressed = key;
  CallEvent(OnKeyDown, this, key, shift);
  // A handler uses a key up by clearing it.
  return pressed != 0 && key == 0;
}

bool TWinControl::KeyPress(char /*ch*/) { return false; }

bool TWinControl::DialogKey(Word key) {
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->DialogKey(key)) return true;
  return false;
}

bool TWinControl::DialogChar(char ch) {
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->DialogChar(ch)) return true;
  return false;
}

bool TWinControl::HandlePeerEvent(const platform::PeerEvent& event) {
  if (std::holds_alternative<platform::FocusIn>(event)) {
    if (TForm* form = ParentForm()) form->NoteFocus({}, this);
    return true;
  }
  return TControl::HandlePeerEvent(event);
}
