// Small helpers shared by the Kiln tests.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>

namespace kiln_test {

// Generous: only a hang should ever reach it.
inline constexpr std::chrono::seconds kPatience{20};

// Polls until done() holds; false when patience ran out.
inline bool WaitUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

inline std::chrono::milliseconds Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start);
}

// Runs body on a helper thread. When the hang under test happens the stuck
// thread cannot be freed, so the process ends at once with a clear message
// instead of waiting for ctest's time limit.
inline void FailIfItHangs(const std::function<void()>& body) {
  std::promise<void> done;
  std::future<void> finished = done.get_future();
  std::thread runner([&] {
    body();
    done.set_value();
  });
  if (finished.wait_for(kPatience) != std::future_status::ready) {
    std::fprintf(stderr, "FAILED: %s hung\n",
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::fflush(stderr);
    std::_Exit(1);
  }
  runner.join();
}

}  // namespace kiln_test
