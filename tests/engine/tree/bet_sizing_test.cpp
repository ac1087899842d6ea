#include "tree/bet_sizing.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace halvory {
namespace {

using Node = ActionPlan::Node;
using BuildContext = ActionPlan::BuildContext;

// A decision point: who acts, on which street, after what. Stacks are the
// remaining stacks; the opponent's unmatched bet is `street_bet` minus what
// the player to act has put in on the street, i.e. the stack difference.
struct Spot {
  GameConfig config;
  Node node;
  BuildContext context;

  Spot(std::int32_t pot, std::int32_t stack) {
    config.starting_pot = pot;
    config.effective_stack = stack;
    node.pot = pot;
    context.pot = pot;
    context.stacks = {stack, stack};
    context.last_action = ActionKind::None;
  }

  // The player to act faces a bet of `bet` made by the other seat on a fresh street.
  Spot& facing(std::uint8_t seat, std::int32_t bet) {
    node.seat = seat;
    context.stacks[1 - seat] -= bet;
    context.street_bet = bet;
    context.pot += bet;
    context.last_action = ActionKind::Bet;
    context.bets_this_street = 1;
    return *this;
  }

  std::vector<Action> actions() const { return generate_actions(node, context, config); }
  SizingContext sizing() const { return make_sizing_context(node, context, config); }
};

BetSize size_of(const std::string& token, bool raise = false) {
  return parse_bet_size(token, raise);
}

Action check() {
  return {ActionKind::Check, 0};
}
Action fold() {
  return {ActionKind::Fold, 0};
}
Action call(std::int32_t a) {
  return {ActionKind::Call, a};
}
Action bet(std::int32_t a) {
  return {ActionKind::Bet, a};
}
Action raise_to(std::int32_t a) {
  return {ActionKind::Raise, a};
}
Action all_in(std::int32_t a) {
  return {ActionKind::AllIn, a};
}

std::string show(const std::vector<Action>& actions) {
  std::string s;
  for (const Action& a : actions) {
    s += std::to_string(static_cast<int>(a.kind)) + ":" + std::to_string(a.amount) + " ";
  }
  return s;
}

#define EXPECT_ACTIONS(actual, ...)                           \
  do {                                                        \
    const std::vector<Action> expected_{__VA_ARGS__};         \
    const std::vector<Action> actual_ = (actual);             \
    EXPECT_EQ(actual_, expected_) << "got " << show(actual_); \
  } while (0)

TEST(SizingContext, NoBetFacedAndFacingABet) {
  Spot open(100, 1000);
  const SizingContext a = open.sizing();
  EXPECT_EQ(a.pot_after_call, 100);
  EXPECT_EQ(a.facing_bet, 0);
  EXPECT_EQ(a.to_call, 0);
  EXPECT_EQ(a.max_amount, 1000);
  EXPECT_EQ(a.min_amount, 1);  // never below 1
  EXPECT_EQ(a.remaining_streets, 3);
  EXPECT_DOUBLE_EQ(a.stack_to_pot, 10.0);

  Spot facing(100, 1000);
  facing.facing(1, 50);
  facing.node.street = kStreetTurn;
  const SizingContext b = facing.sizing();
  EXPECT_EQ(b.pot_after_call, 200);
  EXPECT_EQ(b.facing_bet, 50);
  EXPECT_EQ(b.to_call, 50);
  EXPECT_EQ(b.max_amount, 1000);  // 50 + the bettor's remaining 950
  EXPECT_EQ(b.min_amount, 100);   // min-raise
  EXPECT_EQ(b.remaining_streets, 2);
  EXPECT_DOUBLE_EQ(b.stack_to_pot, 950.0 / 200.0);

  // The call would leave the bettor nothing to raise against: min is the max.
  Spot short_stack(100, 100);
  short_stack.facing(1, 60);
  EXPECT_EQ(short_stack.sizing().min_amount, 100);
  EXPECT_EQ(short_stack.sizing().max_amount, 100);
}

TEST(BetSizeToAmount, EachKindAndItsClamp) {
  SizingContext s;
  s.pot_after_call = 200;
  s.facing_bet = 50;
  s.to_call = 50;
  s.max_amount = 1000;
  s.min_amount = 100;
  s.remaining_streets = 1;
  s.stack_to_pot = 950.0 / 200.0;

  EXPECT_EQ(bet_size_to_amount(size_of("33%"), s), 100);  // 66 clamps up to the min
  EXPECT_EQ(bet_size_to_amount(size_of("75%"), s), 150);
  EXPECT_EQ(bet_size_to_amount(size_of("2.5x", true), s), 125);
  EXPECT_EQ(bet_size_to_amount(size_of("40c", true), s), 100);  // 40 + 50 below min
  EXPECT_EQ(bet_size_to_amount(size_of("300", true), s), 350);
  EXPECT_EQ(bet_size_to_amount(size_of("a"), s), 1000);
  EXPECT_EQ(bet_size_to_amount(size_of("900%"), s), 1000);  // clamps down to the max
  // Halves round away from zero: 0.3325 * 200 = 66.5 -> 67, then the min.
  s.min_amount = 1;
  EXPECT_EQ(bet_size_to_amount(size_of("33.25%"), s), 67);
  BetSize unknown;
  unknown.kind = static_cast<BetSizeKind>(9);
  EXPECT_EQ(bet_size_to_amount(unknown, s), 1);
}

// A geometric bet, bet and called on each of n streets, puts the remaining
// stacks in exactly (up to rounding of each street's bet).
TEST(BetSizeToAmount, GeometricBetEmptiesTheStacksOverItsStreets) {
  for (const std::int32_t pot : {100, 250, 1000}) {
    for (const std::int32_t stack : {50, 400, 2000, 10000}) {
      for (int streets = 1; streets <= 3; ++streets) {
        double p = pot;
        double left = stack;
        for (int k = 0; k < streets; ++k) {
          SizingContext s;
          s.pot_after_call = static_cast<std::int32_t>(std::lround(p));
          s.max_amount = static_cast<std::int32_t>(std::lround(left));
          s.min_amount = 1;
          s.remaining_streets = streets - k;
          s.stack_to_pot = left / p;
          const std::int32_t a = bet_size_to_amount(size_of("e"), s);
          p += 2.0 * a;
          left -= a;
        }
        EXPECT_NEAR(left, 0.0, 2.0 * streets) << pot << " " << stack << " " << streets;
      }
    }
  }
}

TEST(BetSizeToAmount, GeometricStreetCountAndCap) {
  Spot turn(100, 400);
  turn.node.street = kStreetTurn;
  // Two streets left: f = (sqrt(2 * 4 + 1) - 1) / 2 = 1, a pot-sized bet.
  EXPECT_EQ(bet_size_to_amount(size_of("e"), turn.sizing()), 100);
  // One street: the whole stack.
  EXPECT_EQ(bet_size_to_amount(size_of("1e"), turn.sizing()), 400);
  // Capped at 50% of the pot.
  EXPECT_EQ(bet_size_to_amount(size_of("1%50e"), turn.sizing()), 50);

  SizingContext flat;
  flat.pot_after_call = 100;
  flat.max_amount = 100;
  flat.min_amount = 1;
  flat.remaining_streets = 2;
  flat.stack_to_pot = 0.0;  // f = 0: the smallest bet
  EXPECT_EQ(bet_size_to_amount(size_of("e"), flat), 1);
  flat.remaining_streets = 0;  // no street left to spread over
  flat.min_amount = 7;
  EXPECT_EQ(bet_size_to_amount(size_of("e"), flat), 7);
}

// Facing a bet, a geometric raise is the bet plus the geometric share of the
// pot after the call; on the river that share is the whole remaining stack,
// so the raise is all-in, not a near-min-raise.
TEST(BetSizeToAmount, GeometricRaiseAddsTheFacingBet) {
  Spot river(100, 1000);
  river.node.street = kStreetRiver;
  river.config.streets[2].ip.raises = parse_size_list("e", true);
  river.facing(1, 50);
  EXPECT_ACTIONS(river.actions(), fold(), call(50), all_in(1000));

  Spot flop(100, 1000);
  flop.facing(1, 50);
  const SizingContext s = flop.sizing();
  const double f = (std::cbrt(2.0 * 950.0 / 200.0 + 1.0) - 1.0) / 2.0;
  EXPECT_EQ(bet_size_to_amount(size_of("e", true), s), 50 + std::lround(200.0 * f));
}

TEST(BetSizeToAmount, ExtremeSizesClampWithoutOverflow) {
  SizingContext s;
  s.pot_after_call = 2'000'000'000;
  s.facing_bet = 100'000'000;
  s.to_call = 100'000'000;
  s.max_amount = 2'140'000'000;
  s.min_amount = 200'000'000;
  s.remaining_streets = 3;
  s.stack_to_pot = 1e300;

  EXPECT_EQ(bet_size_to_amount(size_of("1e300%"), s), s.max_amount);
  EXPECT_EQ(bet_size_to_amount(size_of("-1e300%"), s), s.min_amount);
  EXPECT_EQ(bet_size_to_amount(size_of("1e10x", true), s), s.max_amount);
  EXPECT_EQ(bet_size_to_amount(size_of("2147483647c", true), s), s.max_amount);
  EXPECT_EQ(bet_size_to_amount(size_of("-2147483648c", true), s), s.min_amount);
  EXPECT_EQ(bet_size_to_amount(size_of("e"), s), s.max_amount);
  BetSize nan_size;
  nan_size.value = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(bet_size_to_amount(nan_size, s), s.min_amount);
  nan_size.kind = BetSizeKind::RelativeRaise;
  EXPECT_EQ(bet_size_to_amount(nan_size, s), s.min_amount);

  EXPECT_EQ(nearest_clamped(std::numeric_limits<double>::infinity(), 1, 9), 9);
  EXPECT_EQ(nearest_clamped(-std::numeric_limits<double>::infinity(), 1, 9), 1);
  EXPECT_EQ(nearest_clamped(-2.5, -10, 10), -3);
}

TEST(GenerateActions, MinimumBetIsOneChip) {
  Spot spot(100, 1000);
  spot.config.streets[0].oop.bets = parse_bet_sizes("0%");
  EXPECT_ACTIONS(spot.actions(), check(), bet(1));
}

TEST(GenerateActions, AllInSortsLastAndAClampedBetIsAnAllIn) {
  Spot spot(100, 200);
  spot.config.streets[0].oop.bets = parse_bet_sizes("a, 500%, 50%");
  // 500% clamps to the stack and becomes the all-in; the duplicate merges.
  EXPECT_ACTIONS(spot.actions(), check(), bet(50), all_in(200));
}

TEST(GenerateActions, MergesSizesThatComeOutTooClose) {
  Spot spot(100, 1000);
  spot.config.streets[0].oop.bets = parse_bet_sizes("50%, 50%");
  EXPECT_ACTIONS(spot.actions(), check(), bet(50));

  spot.config.streets[0].oop.bets = parse_bet_sizes("75%, 50%");
  EXPECT_ACTIONS(spot.actions(), check(), bet(50), bet(75));

  // 1.75 is not above 1.5 x 1.2: the smaller size goes, the larger stays.
  spot.config.merge_threshold = 0.2;
  EXPECT_ACTIONS(spot.actions(), check(), bet(75));
  // 1 + 1.0 is above 1.5 x 1.2: both stay.
  spot.config.streets[0].oop.bets = parse_bet_sizes("50%, 100%");
  EXPECT_ACTIONS(spot.actions(), check(), bet(50), bet(100));

  // Raises are measured by their excess over the facing bet: 50 + 100 and 50 + 110.
  Spot facing(100, 1000);
  facing.facing(1, 50);
  facing.config.streets[0].ip.raises = parse_size_list("55%, 50%", true);
  EXPECT_ACTIONS(facing.actions(), fold(), call(50), raise_to(150), raise_to(160));
  facing.config.merge_threshold = 0.05;
  EXPECT_ACTIONS(facing.actions(), fold(), call(50), raise_to(160));
}

TEST(GenerateActions, MergeNeverDropsTheLargestSize) {
  // Very deep stacks against a tiny pot with a large threshold: the all-in has
  // nothing larger to merge into and always stays.
  Spot spot(1, 1'000'000'000);
  spot.config.merge_threshold = 1.0;
  spot.config.streets[0].oop.bets = parse_bet_sizes("a");
  EXPECT_ACTIONS(spot.actions(), check(), all_in(1'000'000'000));
}

TEST(GenerateActions, FacingAnAllInOnlyFoldOrCall) {
  Spot spot(100, 300);
  spot.facing(1, 300);
  spot.context.all_in = 1;
  spot.context.last_action = ActionKind::AllIn;
  spot.config.streets[0].ip.raises = parse_size_list("2.5x, a", true);
  spot.config.add_all_in_threshold = {5.0, 5.0};
  EXPECT_ACTIONS(spot.actions(), fold(), call(300));
}

TEST(GenerateActions, ChipRaiseCapCountsBetsAndRaises) {
  Spot spot(100, 1000);
  spot.facing(1, 50);
  spot.config.streets[0].ip.raises = parse_size_list("100c2r", true);
  EXPECT_ACTIONS(spot.actions(), fold(), call(50), raise_to(150));
  spot.context.bets_this_street = 2;  // a bet and a raise
  EXPECT_ACTIONS(spot.actions(), fold(), call(50));
}

TEST(GenerateActions, PotFractionRaiseIsBetPlusShareOfPotAfterCall) {
  Spot spot(100, 1000);
  spot.facing(1, 50);
  spot.config.streets[0].ip.raises = parse_size_list("100%, 1e300%", true);
  // Pot after the call 200: 50 + 200 = 250; the huge size is the all-in.
  EXPECT_ACTIONS(spot.actions(), fold(), call(50), raise_to(250), all_in(1000));
}

TEST(GenerateActions, PotFractionRaiseNearTheMoneyLimitStaysInRange) {
  // Starting pot plus both stacks just fits 32 bits; the raise formula's
  // bet + share would not.
  Spot spot(7, 1'073'741'820);
  spot.facing(1, 1'000'000'000);
  spot.config.streets[0].ip.raises = parse_size_list("90%", true);
  const std::vector<Action> actions = spot.actions();
  ASSERT_EQ(actions.size(), 3u);
  EXPECT_EQ(actions[2], all_in(1'073'741'820));
}

TEST(GenerateActions, DonkRule) {
  // Present but empty: the out-of-position player may only check at the
  // first node of the starting street and after calling on an earlier street.
  Spot root(100, 1000);
  root.config.streets[0].oop.bets = parse_bet_sizes("50%");
  root.config.streets[0].donk_sizes = std::vector<BetSize>{};
  EXPECT_ACTIONS(root.actions(), check());

  Spot turn(300, 900);
  turn.node.street = kStreetTurn;
  turn.context.last_action = ActionKind::CardDealt;
  turn.context.prior_aggressor = 1;
  turn.config.streets[1].oop.bets = parse_bet_sizes("50%");
  turn.config.streets[1].donk_sizes = std::vector<BetSize>{};
  EXPECT_ACTIONS(turn.actions(), check());

  // With sizes: check plus the donk sizes, a clamped one reported as all-in.
  turn.config.streets[1].donk_sizes = parse_bet_sizes("25%, 400%");
  EXPECT_ACTIONS(turn.actions(), check(), bet(75), all_in(900));

  // No aggressor on the street before (checked through): the normal bets.
  turn.context.prior_aggressor = 0;
  EXPECT_ACTIONS(turn.actions(), check(), bet(150));

  // The in-position player is never restricted.
  turn.context.prior_aggressor = 1;
  turn.node.seat = 1;
  turn.context.last_action = ActionKind::Check;
  turn.config.streets[1].ip.bets = parse_bet_sizes("100%");
  EXPECT_ACTIONS(turn.actions(), check(), bet(300));

  // Absent donk list: the normal bets at the root.
  Spot plain(100, 1000);
  plain.config.streets[0].oop.bets = parse_bet_sizes("50%");
  EXPECT_ACTIONS(plain.actions(), check(), bet(50));
}

TEST(GenerateActions, AddAllIn) {
  Spot spot(100, 140);
  spot.config.streets[0].oop.bets = parse_bet_sizes("50%");
  spot.config.add_all_in_threshold = {1.5, 0.0};
  EXPECT_ACTIONS(spot.actions(), check(), bet(50), all_in(140));

  spot.context.stacks = {160, 160};  // above 1.5 x pot: not added
  EXPECT_ACTIONS(spot.actions(), check(), bet(50));

  spot.context.stacks = {140, 140};
  spot.config.streets[0].oop.bets = parse_bet_sizes("50%, a");  // already there
  EXPECT_ACTIONS(spot.actions(), check(), bet(50), all_in(140));

  spot.node.seat = 1;  // the other seat's threshold is off
  spot.context.last_action = ActionKind::Check;
  spot.config.streets[0].ip.bets = parse_bet_sizes("50%");
  EXPECT_ACTIONS(spot.actions(), check(), bet(50));
}

TEST(GenerateActions, ForceAllIn) {
  Spot spot(100, 200);
  spot.config.streets[0].oop.bets = parse_bet_sizes("75%, 150%");
  spot.config.force_all_in_ratio = 0.5;
  // 75: q = (100 + 150) x 0.5 = 125 < 200 stays; 150: q = 200 >= 200 goes all-in.
  EXPECT_ACTIONS(spot.actions(), check(), bet(75), all_in(200));
  spot.config.force_all_in_ratio = std::numeric_limits<double>::quiet_NaN();
  EXPECT_ACTIONS(spot.actions(), check(), bet(75), bet(150));
}

TEST(GenerateActions, UnknownStreetThrows) {
  Spot spot(100, 1000);
  spot.node.street = 3;
  try {
    spot.actions();
    FAIL() << "no exception";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "Unknown street");
  }
}

TEST(OrderActions, PassiveFirstThenByAmountThenKind) {
  std::vector<Action> actions{all_in(300),   raise_to(120), fold(),
                              raise_to(300), call(50),      raise_to(0)};
  order_actions(actions);
  EXPECT_ACTIONS(actions, fold(), call(50), raise_to(0), raise_to(120), raise_to(300), all_in(300));
}

}  // namespace
}  // namespace halvory
