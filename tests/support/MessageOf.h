#pragma once
// The message of the E that action raises, or "nothing raised".
#include <string>

template <typename E, typename Action>
std::string MessageOf(Action action) {
  try {
    action();
  } catch (const E& e) {
    return e.Message;
  }
  return "nothing raised";
}
