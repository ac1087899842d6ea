#include "payoff_fixture.hpp"

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>

#include "cards/cards.hpp"
#include "cards/range.hpp"
#include "context/card_context.hpp"

namespace payoff_fixture {

halvory::Board board_of(std::string_view text) {
  halvory::Board board{halvory::kNoCard, halvory::kNoCard, halvory::kNoCard, halvory::kNoCard,
                       halvory::kNoCard};
  for (std::size_t i = 0; i * 2 + 1 < text.size() && i < 5; ++i)
    board[i] = halvory::parse_card(text.substr(i * 2, 2));
  return board;
}

Range random_range(const halvory::Board& board, bool short_deck, double density,
                   std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  Range range;
  const int lowest = short_deck ? 16 : 0;
  auto on_board = [&board](int c) {
    return std::find(board.begin(), board.end(), c) != board.end();
  };
  for (int a = lowest; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b) {
      if (on_board(a) || on_board(b)) continue;
      if (u(rng) >= density) continue;
      const float w = u(rng) < 0.5 ? 1.0f : static_cast<float>(1.0 - u(rng) * 0.999);
      halvory::set_range_weight(range, static_cast<CardCode>(a), static_cast<CardCode>(b), w);
    }
  return range;
}

Range hands_range(std::initializer_list<std::string_view> hands) {
  Range range;
  for (const std::string_view h : hands)
    halvory::set_range_weight(range, halvory::parse_card(h.substr(0, 2)),
                              halvory::parse_card(h.substr(2, 2)), 1.0f);
  return range;
}

GameConfig cash_config(std::int32_t starting_pot, double rake_rate, double rake_cap) {
  GameConfig config;
  config.starting_pot = starting_pot;
  config.effective_stack = 10000;
  config.rake_rate = rake_rate;
  config.rake_cap = rake_cap;
  return config;
}

std::unique_ptr<Game> make_game(std::string_view board, const Range& oop, const Range& ip,
                                bool short_deck, GameConfig config) {
  const halvory::Board cards = board_of(board);
  config.start_street = cards[4] != halvory::kNoCard   ? halvory::kStreetRiver
                        : cards[3] != halvory::kNoCard ? halvory::kStreetTurn
                                                       : halvory::kStreetFlop;
  return std::make_unique<Game>(std::move(config),
                                halvory::CardContext(cards, oop, ip, short_deck));
}

namespace {
NodeRecord terminal(std::int32_t pot, std::int32_t matched, std::array<std::int32_t, 2> invested,
                    CardCode turn, CardCode river) {
  NodeRecord node;
  node.kind = halvory::NodeKind::Terminal;
  node.pot = pot;
  node.matched = matched;
  node.invested = invested;
  node.turn = turn;
  node.river = river;
  node.all_in_runout = river == halvory::kNoCard ? 1 : 0;
  return node;
}
}  // namespace

NodeRecord showdown_node(std::int32_t pot, std::int32_t matched,
                         std::array<std::int32_t, 2> invested, CardCode turn, CardCode river) {
  NodeRecord node = terminal(pot, matched, invested, turn, river);
  node.last_action = halvory::ActionKind::Call;
  node.last_actor = 1;
  return node;
}

NodeRecord fold_node(std::int32_t pot, std::int32_t matched, std::array<std::int32_t, 2> invested,
                     std::uint8_t folder, CardCode turn, CardCode river) {
  NodeRecord node = terminal(pot, matched, invested, turn, river);
  node.all_in_runout = 0;
  node.last_action = halvory::ActionKind::Fold;
  node.last_actor = folder;
  node.seat = folder;
  return node;
}

std::vector<float> random_reach(std::size_t n, double zero_share, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> u(0.0f, 1.0f);
  std::vector<float> reach(n);
  for (float& r : reach) r = u(rng) < zero_share ? 0.0f : u(rng);
  return reach;
}

std::array<CardCode, 2> cards_of(const Game& game, int seat, std::size_t i) {
  const halvory::Pocket p = game.cards.pockets[seat][i];
  return {static_cast<CardCode>(p & 0xff), static_cast<CardCode>(p >> 8)};
}

double brute_matchup_weight(const Game& game) {
  double m = 0.0;
  for (std::size_t i = 0; i < game.cards.pockets[0].size(); ++i)
    for (std::size_t j = 0; j < game.cards.pockets[1].size(); ++j) {
      const auto a = cards_of(game, 0, i), b = cards_of(game, 1, j);
      if (a[0] == b[0] || a[0] == b[1] || a[1] == b[0] || a[1] == b[1]) continue;
      m += double{game.cards.weights[0][i]} * double{game.cards.weights[1][j]};
    }
  return m;
}

std::vector<double> harville_reference(const std::vector<double>& stacks,
                                       const std::vector<double>& payouts) {
  const std::size_t n = stacks.size();
  std::vector<double> eq(n, 0.0);
  if (n == 0 || payouts.empty()) return eq;
  std::size_t live = 0;
  double total = 0.0;
  for (const double s : stacks)
    if (s > 0.0) ++live, total += s;
  if (live == 0) {
    const double mean =
        std::accumulate(payouts.begin(), payouts.end(), 0.0) / static_cast<double>(n);
    return std::vector<double>(n, mean);
  }
  if (live < n && payouts.size() > live) {
    const double rest =
        std::accumulate(payouts.begin() + static_cast<std::ptrdiff_t>(live), payouts.end(), 0.0);
    for (std::size_t i = 0; i < n; ++i)
      if (!(stacks[i] > 0.0)) eq[i] += rest / static_cast<double>(n - live);
  }
  std::vector<bool> placed(n, false);
  const std::size_t places = std::min(live, payouts.size());
  std::function<void(std::size_t, double, double)> walk = [&](std::size_t place, double prob,
                                                              double remaining) {
    if (place == places) return;
    for (std::size_t i = 0; i < n; ++i) {
      if (placed[i] || !(stacks[i] > 0.0)) continue;
      const double p = prob * stacks[i] / remaining;
      eq[i] += p * payouts[place];
      placed[i] = true;
      walk(place + 1, p, remaining - stacks[i]);
      placed[i] = false;
    }
  };
  walk(0, 1.0, total);
  return eq;
}

std::array<double, 3> icm_payoffs_reference(const GameConfig& config,
                                            std::array<std::int32_t, 2> invested, int seat,
                                            double pot, double m) {
  if (!config.icm || config.icm_payouts.empty() || !(m > 0.0)) return {0.0, 0.0, 0.0};
  auto seat_stack = [&config](std::int32_t s) {
    return s >= 1 ? double(s) : config.effective_stack >= 1 ? double(config.effective_stack) : 0.0;
  };
  std::vector<double> stacks{seat_stack(config.oop_stack), seat_stack(config.ip_stack)};
  for (const std::int32_t s : config.icm_other_stacks) stacks.push_back(s >= 1 ? double(s) : 0.0);
  const std::vector<double> payouts(config.icm_payouts.begin(), config.icm_payouts.end());
  const double base = harville_reference(stacks, payouts)[seat];
  auto equity_after = [&](double gain0, double gain1) {
    std::vector<double> s = stacks;
    s[0] = std::max(s[0] + gain0 - invested[0], 0.0);
    s[1] = std::max(s[1] + gain1 - invested[1], 0.0);
    return harville_reference(s, payouts)[seat];
  };
  const double own_takes = seat == 0 ? equity_after(pot, 0) : equity_after(0, pot);
  const double other_takes = seat == 0 ? equity_after(0, pot) : equity_after(pot, 0);
  const double split = equity_after(pot / 2, pot / 2);
  return {(own_takes - base) / m, (split - base) / m, (other_takes - base) / m};
}

}  // namespace payoff_fixture
