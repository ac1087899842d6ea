// Packed (16-bit) storage against full floats on a whole flop solve.

#include <gtest/gtest.h>

#include "dcfr_spot.hpp"
#include "solver/dcfr.hpp"

namespace {

using dcfr_test::Spot;

// A small flop with betting on every street: deep in the tree the
// opponent's reach is a product of many small probabilities, so whole nodes
// hold regrets far below one chip, and hands that the opponent's likely
// holdings block hold regrets far below the node's largest.
Spot small_flop_spot() {
  Spot spot;
  spot.board = "QsJh2h";
  spot.pot = 10.0;
  spot.stack = 60.0;
  spot.oop_range = "AA,KK,QQ,JJ,AKs,AQs,KQs,QJs,JTs,T9s,A5s,76s";
  spot.ip_range = "TT,99,22,AK,AJs,KJs,QTs,Q9s,98s,87s,A4s,65s";
  spot.bets[0] = {"50%", "50%"};
  spot.bets[1] = {"75%", "75%"};
  spot.bets[2] = {"100%", "100%"};
  return spot;
}

// At a fixed iteration count the packed solve's exploitability stays within
// 5% of the full-float solve's.
TEST(DcfrCompression, PackedFlopSolveConvergesLikeFullFloats) {
  const Spot spot = small_flop_spot();
  auto game = dcfr_test::build_game(spot);
  double percent[2] = {0.0, 0.0};
  for (const bool compress : {false, true}) {
    halvory::DiscountedCfr solver(dcfr_test::make_config(100, 4, compress));
    solver.run(*game);
    percent[compress ? 1 : 0] =
        dcfr_test::exploitability_percent(solver.last_exploitability(), spot);
  }
  EXPECT_GT(percent[0], 0.0);
  EXPECT_LT(percent[1], percent[0] * 1.05) << "full floats " << percent[0] << "% of the pot";
}

}  // namespace
