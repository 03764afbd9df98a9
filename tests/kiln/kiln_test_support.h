// Small helpers shared by the Kiln tests.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>

namespace kiln_test {

// Generous: only a hang should ever reach it.
inline constexpr std::chrono::seconds kPatience{20};
// A wait limit no test lives to see: a wait that returns ended early.
inline constexpr std::uint32_t kHours = 3'600'000;

// Polls until done() holds; false when patience ran out.
inline bool WaitUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!done() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return done();
}

// Runs body on a helper thread. A stuck thread cannot be freed, so a hang ends
// the process at once with a clear message instead of at ctest's time limit.
inline void FailIfItHangs(const std::function<void()>& body) {
  std::future<void> done = std::async(std::launch::async, body);
  if (done.wait_for(kPatience) == std::future_status::ready) return done.get();
  std::fprintf(stderr, "FAILED: %s hung\n",
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::_Exit(1);
}

}  // namespace kiln_test
