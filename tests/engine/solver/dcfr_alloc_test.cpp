// Once the scratch buffers have grown, an iteration allocates nothing: every
// buffer of the recursion is reused by depth (checked on one thread; with a
// pool, only the task queue's own blocks come and go).

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "dcfr_spot.hpp"
#include "solver/dcfr.hpp"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
// The replacement pair allocates with malloc and frees with free; GCC's
// pairing check cannot see through a replaced global operator new.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
#pragma GCC diagnostic pop

namespace {

using namespace halvory;

TEST(DcfrAllocation, IterationsAllocateNothingOnceWarm) {
  dcfr_test::Spot spot;
  spot.board = "Ks7s2c5c";
  spot.pot = 10.0;
  spot.stack = 40.0;
  spot.oop_range = "QQ+,AK,AQs,KQs,JTs,T9s,98s,87s,76s,65s,A5s,77,55,22,KJ";
  spot.ip_range = "JJ-88,AQ,KQ,KJs,QJs,JTs,T9s,A4s-A2s,K9s,66-33,QTs";
  spot.bets[1] = {"50%", "50%"};
  spot.bets[2] = {"75%", "75%"};
  auto game = dcfr_test::build_game(spot);
  for (bool compress : {false, true}) {
    dcfr_test::Solver solver(dcfr_test::make_config(0, 1, compress));
    solver.run(*game);
    for (std::uint32_t i = 0; i < 3; ++i) dcfr_test::Steps(solver).run_iteration(*game, i);
    const long before = g_allocations.load();
    for (std::uint32_t i = 3; i < 8; ++i) dcfr_test::Steps(solver).run_iteration(*game, i);
    EXPECT_EQ(g_allocations.load() - before, 0) << "compress " << compress;
  }
}

}  // namespace
