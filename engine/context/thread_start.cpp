#include "context/thread_start.hpp"

#include <atomic>

namespace halvory {
namespace {

std::atomic<ThreadStartHook> g_hook{nullptr};

}  // namespace

void set_thread_start_hook(ThreadStartHook hook) noexcept {
  g_hook.store(hook, std::memory_order_release);
}

void run_thread_start_hook() noexcept {
  if (const ThreadStartHook hook = g_hook.load(std::memory_order_acquire)) hook();
}

}  // namespace halvory
