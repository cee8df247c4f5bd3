#pragma once
// A counted interface reference held by one scope: released when the scope
// ends, also when an exception leaves it.

template <class T>
class TComInterface {
 public:
  // Takes over a reference already counted for the holder.
  explicit TComInterface(T* counted) : interface_(counted) {}
  ~TComInterface() { interface_->Release(); }
  TComInterface(const TComInterface&) = delete;
  TComInterface& operator=(const TComInterface&) = delete;

  T* operator->() const { return interface_; }

 private:
  T* interface_;
};
