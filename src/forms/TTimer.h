#pragma once
// A periodic timer: armed while enabled with a handler bound.
#include "forms/TComponent.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner) : TComponent(owner) {}
  ~TTimer() override;

  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Binding the handler arms the timer.
  void SetOnTimer(TNotifyEvent handler);

 private:
  void Rearm();
  void Tick();

  int interval_ = 1000;
  bool enabled_ = true;
  TNotifyEvent onTimer_;
  int timerId_ = 0;
};
