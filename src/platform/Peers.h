#pragma once
// The roles of the peers of the controls that stand on a window, one
// interface each; the window system makes each by the factory of its role.
#include <string>
#include <vector>

#include "platform/Clip.h"
#include "platform/ControlPeer.h"
#include "platform/FontSpec.h"
#include "platform/ListItems.h"

namespace platform {

class IWebEngine;

// A control that holds others: a tool bar, a control bar, a panel. A tool
// bar that floats off its control bar shows its caption on its tool window.
class IContainerPeer : public virtual IControlPeer {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
};

// Tabs drawn along the top; the children stand in the page area.
class ITabControlPeer : public virtual IControlPeer {
 public:
  virtual void SetTabs(const std::vector<std::string>& tabs) = 0;
};

// A push or bitmap button, or a tool bar's speed button.
class IButtonPeer : public virtual IControlPeer {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetPicture(const std::string& name) = 0;
};

// A one-line edit box.
class IEditPeer : public virtual IControlPeer {
 public:
  virtual void SetText(const std::string& text) = 0;
  virtual void SetSelection(int start, int length) = 0;
};

// A list control: it shows the entries it is handed, told of each change
// once the entries have changed.
class IListPeer : public virtual IControlPeer {
 public:
  virtual void SetItems(const IListItems& items) = 0;  // the whole list is new
  virtual void ItemInserted(int index) = 0;
  virtual void ItemDeleted(int index) = 0;
  virtual void TickChanged(int index) = 0;  // the entry's tick was set or cleared
  // The highlighted entry, -1 for none.
  virtual void SetItemIndex(int index) = 0;
  // Every row the same number of pixels high.
  virtual void SetItemHeight(int pixels) = 0;
  // False when the native control refuses another entry.
  virtual bool CanAddItem(int currentCount) = 0;
};

// The editable drop-down box: an edit box over a list that drops down.
class IComboBoxPeer : public virtual IEditPeer, public virtual IListPeer {
 public:
  virtual void SetDroppedDown(bool dropped) = 0;
  // The most rows the open list shows.
  virtual void SetDropDownCount(int rows) = 0;
};

// Panels side by side, or one simple text.
class IStatusBarPeer : public virtual IControlPeer {
 public:
  virtual void SetPanels(const std::vector<int>& widths) = 0;
  virtual void SetPanelText(int index, const std::string& text) = 0;
  virtual void SetSimpleText(const std::string& text) = 0;
};

enum class ShapeKind { Rectangle, Circle };

class IShapePeer : public virtual IControlPeer {
 public:
  virtual void SetShape(ShapeKind kind, Color brush, Color pen) = 0;
};

// Text standing on its window, on the control's colour unless transparent.
class ILabelPeer : public virtual IControlPeer {
 public:
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  virtual void SetWordWrap(bool wordWrap) = 0;
  virtual void SetTransparent(bool transparent) = 0;
};

// Text of several lines in a box.
class IMemoPeer : public virtual IControlPeer {
 public:
  virtual void SetText(const std::string& text) = 0;  // lines ended by CR LF
  virtual void SetFont(const FontSpec& font) = 0;
  virtual void SetWordWrap(bool wordWrap) = 0;
};

class IImagePeer : public virtual IControlPeer {
 public:
  virtual void SetPicture(const std::string& name) = 0;
};

// A clip and the frame on show, counted from 1.
class IAnimatePeer : public virtual IControlPeer {
 public:
  virtual void SetClip(Clip clip) = 0;
  virtual void ShowFrame(int frame) = 0;
};

// A web page, shown by the engine behind the peer.
class IWebViewPeer : public virtual IControlPeer {
 public:
  virtual IWebEngine& Engine() = 0;
};

}  // namespace platform
