#pragma once
// A pass only one class can issue. An entry point meant for a single caller
// takes Badge<Caller> as its first parameter: only Caller's members can make
// one (`system.AddForm({}, this)`), so the signature names the caller and the
// compiler holds everyone else off.
template <class Caller>
class Badge {
 public:
  Badge(const Badge&) = delete;
  Badge& operator=(const Badge&) = delete;

 private:
  friend Caller;
  constexpr Badge() = default;
};
