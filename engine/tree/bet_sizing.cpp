#include "tree/bet_sizing.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

namespace halvory {

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

std::int32_t saturate32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp(v, kInt32Min, kInt32Max));
}

bool is_sized(ActionKind kind) {
  return kind == ActionKind::Bet || kind == ActionKind::Raise || kind == ActionKind::AllIn;
}

// Bet or all-in: a size that reaches the opponent's whole stack is an all-in.
Action sized_action(std::int32_t amount, const SizingContext& sizing, ActionKind otherwise) {
  return Action{amount == sizing.max_amount ? ActionKind::AllIn : otherwise, amount};
}

std::int32_t geometric_amount(const BetSize& size, const SizingContext& sizing) {
  const std::int32_t n = size.streets != 0 ? size.streets : sizing.remaining_streets;
  if (n <= 0) return sizing.min_amount;
  double f = (std::pow(2.0 * sizing.stack_to_pot + 1.0, 1.0 / n) - 1.0) / 2.0;
  if (std::isfinite(size.max_pot_fraction) && size.max_pot_fraction < f) {
    f = size.max_pot_fraction;
  }
  // Facing a bet, the geometric share of the pot after the call comes on top
  // of the bet, as for a pot-fraction raise; with no bet faced B is 0.
  const double share = std::round(static_cast<double>(sizing.pot_after_call) * f);
  return nearest_clamped(static_cast<double>(sizing.facing_bet) + share, sizing.min_amount,
                         sizing.max_amount);
}

void add_all_in(std::vector<Action>& actions, const ActionPlan::BuildContext& context,
                const SizingContext& sizing, double threshold) {
  if (context.all_in != 0 || !(threshold > 0.0) || sizing.max_amount < 1) return;
  const double limit = std::round(static_cast<double>(sizing.pot_after_call) * threshold);
  if (!(static_cast<double>(sizing.max_amount) <= limit)) return;
  for (const Action& a : actions) {
    if (a.kind == ActionKind::AllIn) return;
  }
  actions.push_back(Action{ActionKind::AllIn, sizing.max_amount});
}

// A size whose call would leave too little behind, relative to the pot it
// builds, becomes the all-in.
void force_all_in(std::vector<Action>& actions, const ActionPlan::BuildContext& context,
                  const SizingContext& sizing, double ratio) {
  const double b = sizing.facing_bet;
  for (Action& action : actions) {
    if (action.kind != ActionKind::Bet && action.kind != ActionKind::Raise) continue;
    const std::int32_t a = std::max(sizing.min_amount, std::min(action.amount, sizing.max_amount));
    const double pot_after = static_cast<double>(context.pot) + 2.0 * (static_cast<double>(a) - b);
    const double q = std::round(pot_after * ratio);
    if (static_cast<double>(sizing.max_amount) <= q + b || a == sizing.max_amount) {
      action = Action{ActionKind::AllIn, sizing.max_amount};
    } else {
      action.amount = a;
    }
  }
}

}  // namespace

std::int32_t nearest_clamped(double x, std::int32_t lo, std::int32_t hi) {
  double r = std::round(x);
  if (r > static_cast<double>(hi)) r = static_cast<double>(hi);
  if (!(r >= static_cast<double>(lo))) r = static_cast<double>(lo);  // NaN too
  return static_cast<std::int32_t>(r);
}

SizingContext make_sizing_context(const ActionPlan::Node& node,
                                  const ActionPlan::BuildContext& context,
                                  const GameConfig& config) {
  const int s = node.seat & 1;
  const std::int64_t own = context.stacks[s];
  const std::int64_t opp = context.stacks[1 - s];
  const std::int64_t b = context.street_bet;
  const std::int64_t to_call = own - opp;
  const std::int64_t pot_after_call =
      static_cast<std::int64_t>(config.starting_pot) + 2 * (node.matched + to_call);
  const std::int64_t max_amount = b + opp;
  const std::int64_t min_amount =
      std::max<std::int64_t>(to_call < opp ? b + to_call : max_amount, 1);

  SizingContext sizing;
  sizing.pot_after_call = saturate32(pot_after_call);
  sizing.facing_bet = saturate32(b);
  sizing.to_call = saturate32(to_call);
  sizing.max_amount = saturate32(max_amount);
  sizing.min_amount = saturate32(min_amount);
  sizing.remaining_streets = 3 - static_cast<std::int32_t>(node.street);
  sizing.bets_this_street = context.bets_this_street;
  sizing.stack_to_pot =
      pot_after_call > 0 ? static_cast<double>(opp) / static_cast<double>(pot_after_call) : 0.0;
  return sizing;
}

std::int32_t bet_size_to_amount(const BetSize& size, const SizingContext& sizing) {
  const double p = sizing.pot_after_call;
  switch (static_cast<std::uint32_t>(size.kind)) {
    case 0:  // pot fraction
      return nearest_clamped(p * size.value, sizing.min_amount, sizing.max_amount);
    case 1:  // multiple of the facing bet
      return nearest_clamped(static_cast<double>(sizing.facing_bet) * size.value, sizing.min_amount,
                             sizing.max_amount);
    case 2: {  // chips on top of the facing bet
      const std::int64_t v = static_cast<std::int64_t>(size.amount) + sizing.facing_bet;
      return static_cast<std::int32_t>(
          std::max<std::int64_t>(sizing.min_amount, std::min<std::int64_t>(v, sizing.max_amount)));
    }
    case 3:
      return geometric_amount(size, sizing);
    case 4:
      return sizing.max_amount;
    default:
      return sizing.min_amount;
  }
}

void order_actions(std::vector<Action>& actions) {
  // Lists are a handful of actions: a stable insertion sort, no allocation.
  // Sizes below 1 are not real bets; they stay in front with the passive actions.
  const auto rank = [](const Action& a) { return is_sized(a.kind) && a.amount >= 1; };
  const auto before = [&](const Action& x, const Action& y) {
    if (rank(x) != rank(y)) return !rank(x);
    if (!rank(x)) return false;  // passive actions keep their order
    if (x.amount != y.amount) return x.amount < y.amount;
    return static_cast<std::uint8_t>(x.kind) < static_cast<std::uint8_t>(y.kind);
  };
  for (std::size_t i = 1; i < actions.size(); ++i) {
    const Action a = actions[i];
    std::size_t j = i;
    for (; j > 0 && before(a, actions[j - 1]); --j) actions[j] = actions[j - 1];
    actions[j] = a;
  }
}

void merge_actions(std::vector<Action>& actions, const SizingContext& sizing,
                   double merge_threshold) {
  if (sizing.pot_after_call <= 0) return;
  const double p = sizing.pot_after_call;
  const double b = sizing.facing_bet;
  const double m = merge_threshold;
  // The largest size has nothing above it to merge into: start from infinity.
  double larger = std::numeric_limits<double>::infinity();
  // Walk down from the largest, packing the kept actions at the back.
  std::size_t write = actions.size();
  for (std::size_t i = actions.size(); i-- > 0;) {
    const Action a = actions[i];
    if (is_sized(a.kind) && a.amount > 0) {
      const double bound = ((larger - b) / p - m) / (m + 1.0) * 0.999999999999;
      if (!(bound > (static_cast<double>(a.amount) - b) / p)) continue;
      larger = static_cast<double>(a.amount);
    }
    actions[--write] = a;
  }
  actions.erase(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(write));
}

std::vector<Action> generate_actions(const ActionPlan::Node& node,
                                     const ActionPlan::BuildContext& context,
                                     const GameConfig& config) {
  if (node.street > kStreetRiver) throw std::logic_error("Unknown street");
  const int s = node.seat & 1;
  const SizingContext sizing = make_sizing_context(node, context, config);
  const StreetSizing& street_sizing = config.streets[node.street];
  const BetRaiseSizes& own_sizes = s == 0 ? street_sizing.oop : street_sizing.ip;

  std::vector<Action> actions;
  const bool donk_applies =
      street_sizing.donk_sizes.has_value() && s == 0 &&
      ((context.last_action == ActionKind::CardDealt && context.prior_aggressor != 0) ||
       (context.last_action == ActionKind::None && node.street == config.start_street));
  if (donk_applies) {
    actions.reserve(street_sizing.donk_sizes->size() + 2);
    actions.push_back(Action{ActionKind::Check, 0});
    for (const BetSize& size : *street_sizing.donk_sizes) {
      actions.push_back(sized_action(bet_size_to_amount(size, sizing), sizing, ActionKind::Bet));
    }
  } else if (context.last_action == ActionKind::None || context.last_action == ActionKind::Check ||
             context.last_action == ActionKind::CardDealt) {
    actions.reserve(own_sizes.bets.size() + 2);
    actions.push_back(Action{ActionKind::Check, 0});
    for (const BetSize& size : own_sizes.bets) {
      actions.push_back(sized_action(bet_size_to_amount(size, sizing), sizing, ActionKind::Bet));
    }
  } else {
    actions.reserve(own_sizes.raises.size() + 3);
    actions.push_back(Action{ActionKind::Fold, 0});
    const std::int32_t call = std::min(sizing.to_call, context.stacks[s]);
    actions.push_back(Action{ActionKind::Call, call < 1 ? 0 : call});
    if (context.all_in == 0) {
      for (const BetSize& size : own_sizes.raises) {
        const auto kind = static_cast<std::uint32_t>(size.kind);
        if (kind == 2 && size.raise_cap >= 1 && sizing.bets_this_street >= size.raise_cap) {
          continue;
        }
        std::int32_t amount;
        if (kind == 0) {
          const double share = std::round(static_cast<double>(sizing.pot_after_call) * size.value);
          amount = nearest_clamped(static_cast<double>(sizing.facing_bet) + share,
                                   sizing.min_amount, sizing.max_amount);
        } else {
          amount = bet_size_to_amount(size, sizing);
        }
        actions.push_back(sized_action(amount, sizing, ActionKind::Raise));
      }
    }
  }

  add_all_in(actions, context, sizing, config.add_all_in_threshold[s]);
  force_all_in(actions, context, sizing, config.force_all_in_ratio);
  order_actions(actions);
  merge_actions(actions, sizing, config.merge_threshold);
  return actions;
}

}  // namespace halvory
