#include "forms/TTimer.h"

#include "forms/TApplication.h"
#include "rtl/Exceptions.h"

TTimer::~TTimer() {
  if (timerId_) Application->WindowSystem().StopTimer(timerId_);
}

void TTimer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Rearm();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Rearm();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  Rearm();
}

void TTimer::Rearm() {
  platform::IWindowSystem& ws = Application->WindowSystem();
  if (timerId_) ws.StopTimer(timerId_);
  timerId_ = 0;
  if (!enabled_ || interval_ <= 0 || !onTimer_) return;
  timerId_ = ws.StartTimer(interval_, [this] { Tick(); });
  if (!timerId_) throw EOutOfResources("Not enough timers available");
}

void TTimer::Tick() {
  Application->Fire(onTimer_, this);
}
