// Kept in a program of its own: a process that has run threads before keeps
// their stacks cached, and a cached stack lets a thread start even when no
// address space is left.

#include "session/solve_session.hpp"

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <new>
#include <string>
#include <system_error>

namespace {

using namespace halvory_app;

// Address-space figure of this process in bytes.
[[maybe_unused]] std::uint64_t virtual_size_bytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmSize:", 0) == 0) return std::strtoull(line.c_str() + 7, nullptr, 10) * 1024;
  }
  return 0;
}

[[maybe_unused]] SolveConfig river_spot() {
  SolveConfig request;
  request.board = "Ks7d2c5h9s";
  request.starting_street = "river";
  request.oop_range = "AA,KK";
  request.ip_range = "QQ,AK";
  request.oop_river = SizingConfig{"50", "", false, false};
  request.ip_river = SizingConfig{"50", "", false, false};
  request.max_iterations = 2;
  return request;
}

TEST(SolveSessionStart, ThreadStartFailureLeavesTheSessionUsable) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "sanitizers reserve address space of their own";
#else
  SolveSession session;
  rlimit original{};
  ASSERT_EQ(getrlimit(RLIMIT_AS, &original), 0);
  const std::uint64_t used = virtual_size_bytes();
  ASSERT_GT(used, 0u);
  // Room for small allocations, none for a thread stack.
  rlimit tight = original;
  tight.rlim_cur = used + (1u << 20);
  ASSERT_EQ(setrlimit(RLIMIT_AS, &tight), 0);
  bool threw = false;
  try {
    session.start(river_spot(), nullptr);
  } catch (const std::system_error&) {
    threw = true;  // the thread could not be created
  } catch (const std::bad_alloc&) {
    threw = true;  // the request copy did not fit
  }
  ASSERT_EQ(setrlimit(RLIMIT_AS, &original), 0);
  EXPECT_TRUE(threw);
  EXPECT_FALSE(session.is_running());

  std::mutex mutex;
  std::condition_variable cv;
  std::string final_status;
  ASSERT_TRUE(session.start(river_spot(), [&](const SolveProgress& report) {
    if (!report.result) return;
    std::lock_guard<std::mutex> lock(mutex);
    final_status = report.status;
    cv.notify_all();
  }));
  std::unique_lock<std::mutex> lock(mutex);
  cv.wait(lock, [&] { return !final_status.empty(); });
  EXPECT_EQ(final_status, "Done");
#endif
}

}  // namespace
