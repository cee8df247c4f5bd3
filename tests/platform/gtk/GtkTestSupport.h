#pragma once
// For tests that need a display: GTK started once, a listener that records
// what peers report, and a way to let the main loop run until something holds.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/PeerEvent.h"
#include "platform/gtk/FormPeer.h"
#include "platform/gtk/GtkWindowSystem.h"

namespace gtktest {

class DisplayTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "no display";
  }
};

class RecordingListener : public platform::IPeerListener {
 public:
  bool OnPeerEvent(const platform::PeerEvent& event) override {
    events.push_back(event);
    return consume;
  }
  // The reports of one kind, in order.
  template <class Event>
  std::vector<Event> Of() const {
    std::vector<Event> found;
    for (const auto& e : events)
      if (const auto* event = std::get_if<Event>(&e)) found.push_back(*event);
    return found;
  }

  std::vector<platform::PeerEvent> events;
  bool consume = true;
};

// A window with one control on it, shown once the control is made.
class WindowTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    system_ = std::make_unique<platform::gtk::GtkWindowSystem>();
    form_ = std::make_unique<platform::gtk::FormPeer>(*system_, formListener_);
    form_->SetBounds({0, 0, 400, 300});
  }
  void TearDown() override {
    control_.reset();
    form_.reset();
    system_.reset();
  }

  template <class Peer>
  Peer& Make(const platform::Rect& bounds);

  RecordingListener formListener_;
  RecordingListener listener_;
  std::unique_ptr<platform::gtk::GtkWindowSystem> system_;
  std::unique_ptr<platform::gtk::FormPeer> form_;
  std::unique_ptr<platform::gtk::GtkPeer> control_;
};

// Runs the main loop until the condition holds or two seconds pass.
bool RunUntil(const std::function<bool()>& condition);
// Runs what is pending now.
void Settle();
// A key press in the window as the X server delivers it, with the keyboard's
// code for the key; the caller frees it with gdk_event_free.
GdkEvent* NewKeyPress(GdkWindow* window, guint keyval, guint modifiers);
// A key pressed in the widget's window, as the X server would deliver it,
// then what it made pending.
void PressKey(GtkWidget* widget, guint keyval, guint modifiers = 0);

template <class Peer>
Peer& WindowTest::Make(const platform::Rect& bounds) {
  control_ = std::make_unique<Peer>(*system_, form_.get(), listener_);
  control_->SetBounds(bounds);
  form_->SetVisible(true);
  Settle();
  return static_cast<Peer&>(*control_);
}

}  // namespace gtktest
