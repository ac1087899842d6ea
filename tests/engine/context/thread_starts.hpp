#pragma once

// Counts the threads that the engine starts while a counter lives, through
// the hook every engine thread runs first. One counter at a time; a count is
// complete once the threads' owner has joined them.

#include <atomic>

#include "context/thread_start.hpp"

namespace halvory::testing {

class ThreadStartCounter {
 public:
  ThreadStartCounter() {
    count().store(0);
    set_thread_start_hook([] { count().fetch_add(1); });
  }
  ~ThreadStartCounter() { set_thread_start_hook(nullptr); }
  ThreadStartCounter(const ThreadStartCounter&) = delete;
  ThreadStartCounter& operator=(const ThreadStartCounter&) = delete;

  int started() const { return count().load(); }

 private:
  static std::atomic<int>& count() {
    static std::atomic<int> n{0};
    return n;
  }
};

}  // namespace halvory::testing
