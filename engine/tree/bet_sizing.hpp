#pragma once

// Turns a player's size lists into the actions of one decision node: chip
// amounts, the donk restriction, raise caps, add-all-in and force-all-in,
// ordering and merging of sizes that come out too close together. Amounts are
// in the engine's money unit and are amounts bet to on the street.

#include <cstdint>
#include <vector>

#include "cards/bet_size.hpp"
#include "tree/action_plan.hpp"

namespace halvory {

struct SizingContext {
  std::int32_t pot_after_call = 0;     // P: the pot if the player only called
  std::int32_t facing_bet = 0;         // B: bet level to match, 0 when none
  std::int32_t to_call = 0;            // own remaining stack - opponent's
  std::int32_t max_amount = 0;         // B + opponent's remaining stack
  std::int32_t min_amount = 1;         // smallest legal amount, at least 1
  std::int32_t remaining_streets = 0;  // flop 3, turn 2, river 1
  std::int32_t bets_this_street = 0;
  double stack_to_pot = 0.0;  // opponent's remaining stack / P
};

// The sizing context of the player to act at `node`.
SizingContext make_sizing_context(const ActionPlan::Node& node,
                                  const ActionPlan::BuildContext& context,
                                  const GameConfig& config);

// The amount one size comes to, always within [min_amount, max_amount]
// (when min_amount <= max_amount). Never overflows, whatever the size.
std::int32_t bet_size_to_amount(const BetSize& size, const SizingContext& sizing);

// The ordered, merged action list of a decision node. Throws
// std::logic_error("Unknown street") for a street outside flop..river.
std::vector<Action> generate_actions(const ActionPlan::Node& node,
                                     const ActionPlan::BuildContext& context,
                                     const GameConfig& config);

// Fold, check, call and any sized action below 1 first in their order; then
// bets, raises and all-ins by amount ascending, ties by kind ascending.
void order_actions(std::vector<Action>& actions);

// Drops sizes whose excess over the facing bet, as a fraction of the pot
// after the call, is within the merge threshold of the next larger kept size.
// Expects an ordered list; does nothing unless pot_after_call > 0.
void merge_actions(std::vector<Action>& actions, const SizingContext& sizing,
                   double merge_threshold);

// nearest(x): to the nearest integer, halves away from zero, clamped in double
// precision to [lo, hi] before the conversion; NaN gives lo.
std::int32_t nearest_clamped(double x, std::int32_t lo, std::int32_t hi);

}  // namespace halvory
