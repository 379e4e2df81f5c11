#pragma once

#include <chrono>
#include <thread>

namespace lumora::test {

// Polls a condition until it holds or the deadline passes; returns the last
// answer. Use instead of fixed sleeps.
template <class Condition>
bool WaitFor(Condition&& condition, std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
  const auto until = std::chrono::steady_clock::now() + deadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= until) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace lumora::test
