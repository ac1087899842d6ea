#include "dcfr_spot.hpp"

#include <cmath>
#include <stdexcept>

#include "cards/bet_size.hpp"
#include "cards/cards.hpp"
#include "cards/range.hpp"
#include "context/card_context.hpp"

namespace dcfr_test {

using namespace halvory;

Spot& Spot::sizes(const std::string& bet, const std::string& raise) {
  for (auto& street : bets) street = {bet, bet};
  for (auto& street : raises) street = {raise, raise};
  return *this;
}

namespace {

std::int32_t hundredths(double chips) {
  return static_cast<std::int32_t>(std::lround(chips * 100.0));
}

Range range_with_overrides(const std::string& text,
                           const std::vector<std::pair<std::string, float>>& overrides) {
  Range range = parse_range(text);
  for (const auto& [combo, weight] : overrides) {
    const CardCode a = parse_card(combo.substr(0, 2));
    const CardCode b = parse_card(combo.substr(2, 2));
    if (range_weight(range, a, b) > 0.0f) set_range_weight(range, a, b, weight);
  }
  return range;
}

}  // namespace

std::unique_ptr<Game> build_game(const Spot& spot) {
  Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
  const std::size_t cards = spot.board.size() / 2;
  if (cards < 3 || cards > 5) throw std::invalid_argument("test board needs 3 to 5 cards");
  for (std::size_t i = 0; i < cards; ++i) board[i] = parse_card(spot.board.substr(2 * i, 2));

  const Range oop = range_with_overrides(spot.oop_range, spot.combo_weights);
  const Range ip = range_with_overrides(spot.ip_range, spot.combo_weights);
  CardContext context(board, oop, ip, false);
  if (spot.without_isomorphism) {
    context.suit_isomorphism = SuitIsomorphism{};
    context.suit_isomorphism.river_representatives.resize(52);
  }

  GameConfig config;
  config.start_street = static_cast<Street>(cards - 3);
  config.starting_pot = hundredths(spot.pot);
  config.effective_stack = hundredths(spot.stack);
  config.rake_rate = spot.rake_rate;
  config.rake_cap = spot.rake_cap * 100.0;
  for (int street = 0; street < 3; ++street) {
    config.streets[street].oop =
        parse_bet_raise_sizes(spot.bets[street][0], spot.raises[street][0]);
    config.streets[street].ip = parse_bet_raise_sizes(spot.bets[street][1], spot.raises[street][1]);
  }
  config.oop_stack = hundredths(spot.oop_stack);
  config.ip_stack = hundredths(spot.ip_stack);
  config.icm = spot.icm ? 1 : 0;
  config.icm_payouts = spot.icm_payouts;
  for (const std::int32_t other : spot.icm_other_stacks)
    config.icm_other_stacks.push_back(other * 100);
  return std::make_unique<Game>(std::move(config), std::move(context));
}

DiscountedCfr::Config make_config(std::uint32_t iterations, std::uint64_t threads, bool compress,
                                  std::uint32_t exploitability_interval) {
  DiscountedCfr::Config config{};
  config.max_iterations = iterations;
  config.target_exploitability = -1.0f;
  config.exploitability_interval = exploitability_interval;
  config.verbose = false;
  config.compress = compress;
  config.threads = threads;
  return config;
}

double exploitability_percent(float exploitability, const Spot& spot) {
  return 100.0 * static_cast<double>(exploitability) / (spot.pot * 100.0);
}

int action_index(const Game& game, std::size_t node, ActionKind kind) {
  const auto& actions = game.nodes.at(node).actions;
  for (std::size_t a = 0; a < actions.size(); ++a)
    if (actions[a].kind == kind) return static_cast<int>(a);
  return -1;
}

}  // namespace dcfr_test
