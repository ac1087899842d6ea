// The solver's large blocks: zero when handed out, and still zero but backed
// by memory once prefaulted, whole or in disjoint parts from several threads.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <thread>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "solver/dcfr.hpp"

namespace {

using halvory::detail::allocate_large;
using halvory::detail::free_large;
using halvory::detail::prefault_large;

#if defined(__linux__)
// Pages of [p, p + bytes) the system holds in memory, and how many there are.
std::pair<std::size_t, std::size_t> resident_pages(const void* p, std::size_t bytes) {
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(p) / page * page;
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(p) + bytes + page - 1) / page * page;
  std::vector<unsigned char> flags((end - start) / page);
  if (::mincore(reinterpret_cast<void*>(start), end - start, flags.data()) != 0) return {0, 0};
  const auto in = static_cast<std::size_t>(
      std::count_if(flags.begin(), flags.end(), [](unsigned char f) { return (f & 1) != 0; }));
  return {in, flags.size()};
}
#endif

TEST(LargeBlocks, PrefaultKeepsZerosAndBacksEveryPage) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  struct Case {
    std::size_t bytes;
    std::size_t parts;  // disjoint ranges, each prefaulted on its own thread
  };
  const Case cases[] = {
      {1, 1},                 // small: cleared at allocation
      {5000, 2},              // small, split inside a page
      {kMiB, 2},              // the first size taken from fresh small pages
      {3 * kMiB + 100, 2},    // odd length in small pages
      {32 * kMiB, 1},         // the first size taken from fresh huge pages
      {40 * kMiB + 4097, 3},  // odd length, parts off page boundaries
      {64 * kMiB, 8},         // huge-page multiple
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    auto* p = static_cast<unsigned char*>(allocate_large(c.bytes));
#if defined(__linux__)
    // Fresh pages are not in memory before anything writes them.
    if (c.bytes >= kMiB) {
      EXPECT_LT(resident_pages(p, c.bytes).first, 16u);
    }
#endif
    std::vector<std::thread> threads;
    for (std::size_t k = 0; k < c.parts; ++k) {
      const std::size_t from = c.bytes * k / c.parts;
      const std::size_t to = c.bytes * (k + 1) / c.parts;
      threads.emplace_back([p, from, to] { prefault_large(p + from, to - from); });
    }
    for (std::thread& t : threads) t.join();
#if defined(__linux__)
    const auto [in, all] = resident_pages(p, c.bytes);
    EXPECT_EQ(in, all);
#endif
    EXPECT_TRUE(std::all_of(p, p + c.bytes, [](unsigned char b) { return b == 0; }));
    free_large(p, c.bytes);
  }
}

TEST(LargeBlocks, PrefaultOfNothingDoesNothing) {
  prefault_large(nullptr, 0);
  prefault_large(nullptr, 4096);
  void* p = allocate_large(64);
  prefault_large(p, 0);
  EXPECT_EQ(*static_cast<unsigned char*>(p), 0);
  free_large(p, 64);
}

}  // namespace
