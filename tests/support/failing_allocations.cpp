#include "failing_allocations.hpp"

#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace failing_allocations {
namespace {

std::atomic<bool> g_armed{false};
std::atomic<long> g_left{0};
std::atomic<long> g_counted{0};
std::atomic<bool> g_fired{false};
thread_local bool t_arming = false;
// Read by a malloc hook: the compiler takes malloc for a call that reads
// no program memory, so the stores around it are fenced.
thread_local volatile bool t_inArray = false;

void* arrayBlock(std::size_t size) noexcept {
  t_inArray = true;
  std::atomic_signal_fence(std::memory_order_seq_cst);
  void* p = std::malloc(size == 0 ? 1 : size);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  t_inArray = false;
  return p;
}

}  // namespace

bool countThisAllocation() noexcept {
  g_counted.fetch_add(1, std::memory_order_relaxed);
  if (g_left.fetch_sub(1, std::memory_order_relaxed) != 0) return false;
  g_fired = true;
  return true;
}

bool armed() noexcept {
  return g_armed.load(std::memory_order_relaxed);
}

bool onArmingThread() noexcept {
  return t_arming;
}

bool insideArrayNew() noexcept {
  return t_inArray;
}

void arm(long failAt) {
  g_counted = 0;
  g_fired = false;
  g_left = failAt;
  t_arming = true;
#if defined(__SANITIZE_ADDRESS__)
  // Qt's own code is not exception safe throughout: what the failing call
  // itself allocates is not counted as leaked; every call after it is.
  __lsan_disable();
#endif
  g_armed = true;
}

void disarm() {
  g_armed = false;
#if defined(__SANITIZE_ADDRESS__)
  __lsan_enable();
#endif
  t_arming = false;
}

long counted() {
  return g_counted.load();
}

bool fired() {
  return g_fired.load();
}

long allocationsOf(const std::function<void()>& call) {
  arm(-1);
  call();
  disarm();
  return g_counted.load();
}

}  // namespace failing_allocations

using failing_allocations::failThisAllocation;

// The whole family is replaced, so that every block is freed as it was
// taken (the address sanitizer checks the pairs).
void* operator new(std::size_t size) {
  if (failThisAllocation(__builtin_return_address(0))) throw std::bad_alloc();
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (failThisAllocation(__builtin_return_address(0))) return nullptr;
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size) {
  if (void* p = failing_allocations::arrayBlock(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return failing_allocations::arrayBlock(size);
}
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
#pragma GCC diagnostic pop
