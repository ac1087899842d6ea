// Terminal payoffs against pair loops written from first principles: every
// hand pair checked for shared cards, every seven-card hand evaluated, every
// coefficient derived from the pot, the rake and the matchup weight.

#include "solver/payoffs.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <thread>
#include <cstring>
#include <vector>

#include "cards/bet_size.hpp"
#include "cards/cards.hpp"
#include "payoff_fixture.hpp"
#include "solver/icm.hpp"
#include "solver/kernels.hpp"

namespace {

using namespace payoff_fixture;
using halvory::CardCode;
using halvory::kNoCard;

struct Coeffs {
  double win = 0, tie = 0, lose = 0;
};

// Rake of a pot as a cash table charges it: rate x pot, capped when a cap
// above 0 is set.
double table_rake(double rate, double cap, double pot) {
  double r = rate * pot;
  if (cap > 0) r = std::min(r, cap);
  return r;
}

Coeffs cash_coeffs(const GameConfig& config, double pot, double m) {
  const double r = table_rake(config.rake_rate, config.rake_cap, pot);
  return {(pot / 2 - r) / m, -r / 2 / m, -pot / 2 / m};
}

Coeffs icm_coeffs(const GameConfig& config, const NodeRecord& node, int seat, double m) {
  const double pot = node.pot - table_rake(config.rake_rate, config.rake_cap, node.pot);
  const auto p = icm_payoffs_reference(config, node.invested, seat, pot, m);
  return {p[0], p[1], p[2]};
}

bool shares(std::array<CardCode, 2> a, std::array<CardCode, 2> b) {
  return a[0] == b[0] || a[0] == b[1] || a[1] == b[0] || a[1] == b[1];
}
bool holds(std::array<CardCode, 2> a, CardCode c) {
  return c != kNoCard && (a[0] == c || a[1] == c);
}

std::array<CardCode, 5> full_board(const Game& game, CardCode turn, CardCode river) {
  const auto& b = game.cards.board;
  return {b[0], b[1], b[2], turn, river};
}

halvory::HandStrength strength(std::array<CardCode, 2> h, const std::array<CardCode, 5>& b,
                               bool short_deck) {
  return halvory::evaluate_seven(h[0], h[1], b[0], b[1], b[2], b[3], b[4], short_deck);
}

// Value of every traverser hand on one complete board, pair by pair.
std::vector<double> brute_showdown(const Game& game, int seat, CardCode turn, CardCode river,
                                   const std::vector<float>& reach, Coeffs c) {
  const int opp = 1 - seat;
  const auto board = full_board(game, turn, river);
  const bool sd = game.cards.short_deck;
  const std::size_t hs = game.cards.pockets[seat].size(), ho = game.cards.pockets[opp].size();
  std::vector<double> out(hs, 0.0);
  std::vector<halvory::HandStrength> opp_strength(ho);
  for (std::size_t j = 0; j < ho; ++j)
    opp_strength[j] = strength(cards_of(game, opp, j), board, sd);
  for (std::size_t i = 0; i < hs; ++i) {
    const auto hi = cards_of(game, seat, i);
    if (holds(hi, turn) || holds(hi, river)) continue;
    const auto si = strength(hi, board, sd);
    for (std::size_t j = 0; j < ho; ++j) {
      const auto hj = cards_of(game, opp, j);
      if (holds(hj, turn) || holds(hj, river) || shares(hi, hj)) continue;
      const double v = si > opp_strength[j] ? c.win : si == opp_strength[j] ? c.tie : c.lose;
      out[i] += reach[j] * v;
    }
  }
  return out;
}

std::vector<double> brute_fold(const Game& game, int seat, CardCode turn, CardCode river,
                               const std::vector<float>& reach, double payoff) {
  const int opp = 1 - seat;
  std::vector<double> out(game.cards.pockets[seat].size(), 0.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto hi = cards_of(game, seat, i);
    if (holds(hi, turn) || holds(hi, river)) continue;
    for (std::size_t j = 0; j < reach.size(); ++j) {
      const auto hj = cards_of(game, opp, j);
      if (holds(hj, turn) || holds(hj, river) || shares(hi, hj)) continue;
      out[i] += reach[j] * payoff;
    }
  }
  return out;
}

// All-in before the river: each pair of hands averaged over the runouts that
// avoid both hands, counted one by one.
std::vector<double> brute_runouts(const Game& game, int seat, CardCode turn,
                                  const std::vector<float>& reach, Coeffs c) {
  const int opp = 1 - seat;
  const bool sd = game.cards.short_deck;
  std::vector<std::array<CardCode, 2>> runouts;
  auto unseen = [&](int card) {
    if (!(game.cards.deck_mask >> card & 1)) return false;
    for (const CardCode b : game.cards.board_cards)
      if (b == card) return false;
    return card != turn;
  };
  for (int t = 0; t < 52; ++t)
    for (int r = t + 1; r < 52; ++r) {
      if (turn == kNoCard && unseen(t) && unseen(r)) runouts.push_back({CardCode(t), CardCode(r)});
    }
  if (turn != kNoCard)
    for (int r = 0; r < 52; ++r)
      if (unseen(r)) runouts.push_back({turn, CardCode(r)});

  const std::size_t hs = game.cards.pockets[seat].size(), ho = game.cards.pockets[opp].size();
  std::vector<std::vector<halvory::HandStrength>> ss(runouts.size()), so(runouts.size());
  for (std::size_t k = 0; k < runouts.size(); ++k) {
    const auto board = full_board(game, runouts[k][0], runouts[k][1]);
    for (std::size_t i = 0; i < hs; ++i)
      ss[k].push_back(strength(cards_of(game, seat, i), board, sd));
    for (std::size_t j = 0; j < ho; ++j)
      so[k].push_back(strength(cards_of(game, opp, j), board, sd));
  }
  std::vector<double> out(hs, 0.0);
  for (std::size_t i = 0; i < hs; ++i) {
    const auto hi = cards_of(game, seat, i);
    if (holds(hi, turn)) continue;
    for (std::size_t j = 0; j < ho; ++j) {
      const auto hj = cards_of(game, opp, j);
      if (holds(hj, turn) || shares(hi, hj) || reach[j] == 0) continue;
      double sum = 0;
      int count = 0;
      for (std::size_t k = 0; k < runouts.size(); ++k) {
        const auto rk = runouts[k];
        if (holds(hi, rk[0]) || holds(hi, rk[1]) || holds(hj, rk[0]) || holds(hj, rk[1])) continue;
        ++count;
        sum += ss[k][i] > so[k][j] ? c.win : ss[k][i] == so[k][j] ? c.tie : c.lose;
      }
      if (count > 0) out[i] += reach[j] * sum / count;
    }
  }
  return out;
}

void expect_close(const std::vector<float>& got, const std::vector<double>& want,
                  const std::string& what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  double scale = 0;
  for (const double w : want) scale = std::max(scale, std::abs(w));
  int bad = 0;
  for (std::size_t i = 0; i < got.size() && bad < 5; ++i) {
    const double tol = 1e-5 * std::abs(want[i]) + 1e-7 * scale;
    if (!(std::abs(double{got[i]} - want[i]) <= tol)) {
      ++bad;
      ADD_FAILURE() << what << ": hand " << i << " got " << got[i] << " want " << want[i];
    }
  }
}

std::vector<float> garbage(std::size_t n) {
  return std::vector<float>(n, std::numeric_limits<float>::quiet_NaN());
}

struct Spot {
  const char* board;
  bool short_deck;
  CardCode turn;  // the terminal's cards; for a river spot the board's own
  CardCode river;
};

CardCode card(const char* text) {
  return halvory::parse_card(text);
}

const GameConfig kConfigs[] = {
    cash_config(1000, 0.0, 0.0), cash_config(1000, 0.05, 30.0),
    cash_config(1000, 0.05, 0.0),  // no cap: 5 % of every pot
};

TEST(ShowdownKernels, MatchPairLoopOnCompleteBoards) {
  const Spot spots[] = {
      {"Kd7c2sAh3d", false, card("Ah"), card("3d")},
      {"9s9d4c4hTs", false, card("4h"), card("Ts")},  // paired board: many ties
      {"AhKd9c6s7h", true, card("6s"), card("7h")},   // short deck
      {"Jc8d6h", false, card("2c"), card("Qd")},      // a runout of a flop spot
      {"Tc9cQs", true, card("Jc"), card("6c")},
  };
  std::uint32_t seed = 1;
  for (const Spot& spot : spots) {
    const auto board = board_of(spot.board);
    const Range oop = random_range(board, spot.short_deck, 0.45, seed++);
    const Range ip = random_range(board, spot.short_deck, 0.45, seed++);
    for (const GameConfig& config : kConfigs) {
      auto game = make_game(spot.board, oop, ip, spot.short_deck, config);
      const double m = brute_matchup_weight(*game);
      ASSERT_NEAR(game->cards.matchup_weight, m, 1e-9 * m);
      const NodeRecord node = showdown_node(1000, 0, {0, 0}, spot.turn, spot.river);
      const Coeffs c = cash_coeffs(config, 1000, m);
      for (int seat = 0; seat < 2; ++seat) {
        const std::string what = std::string(spot.board) + " seat " + std::to_string(seat) +
                                 " rate " + std::to_string(config.rake_rate) + " cap " +
                                 std::to_string(config.rake_cap);
        const auto reach = random_reach(game->cards.pockets[1 - seat].size(), 0.2, seed++);
        const std::size_t h = game->cards.pockets[seat].size();

        // Every hand is written, those the turn and river block with 0.
        std::vector<float> terminal = garbage(h);
        halvory::terminal_eval(*game, node, seat, reach, terminal);
        expect_close(terminal, brute_showdown(*game, seat, spot.turn, spot.river, reach, c),
                     "terminal_eval " + what);
      }
    }
  }
}

GameConfig icm_config(double rake_rate, double rake_cap) {
  GameConfig config = cash_config(1000, rake_rate, rake_cap);
  config.icm = 1;
  config.oop_stack = 6000;
  config.ip_stack = 2500;
  config.icm_other_stacks = {4000, 1500, 8000};
  config.icm_payouts = {5000, 3000, 2000};
  return config;
}

TEST(ShowdownKernels, IcmMatchesPairLoop) {
  const Spot spots[] = {
      {"Kd7c2sAh3d", false, card("Ah"), card("3d")},
      {"AhKd9c6s6h", true, card("6s"), card("6h")},
  };
  std::uint32_t seed = 100;
  for (const Spot& spot : spots) {
    const auto board = board_of(spot.board);
    const Range oop = random_range(board, spot.short_deck, 0.4, seed++);
    const Range ip = random_range(board, spot.short_deck, 0.4, seed++);
    for (const double rate : {0.0, 0.05}) {
      const GameConfig config = icm_config(rate, 0.0);
      auto game = make_game(spot.board, oop, ip, spot.short_deck, config);
      const double m = brute_matchup_weight(*game);
      const NodeRecord node = showdown_node(3000, 1000, {1000, 1000}, spot.turn, spot.river);
      for (int seat = 0; seat < 2; ++seat) {
        const auto reach = random_reach(game->cards.pockets[1 - seat].size(), 0.2, seed++);
        const auto want = brute_showdown(*game, seat, spot.turn, spot.river, reach,
                                         icm_coeffs(config, node, seat, m));
        std::vector<float> terminal = garbage(want.size());
        halvory::terminal_eval(*game, node, seat, reach, terminal);
        expect_close(terminal, want, std::string("terminal_eval icm ") + spot.board);
      }
    }
  }
}

TEST(FoldKernel, MatchesPairLoopOnEveryStreet) {
  struct FoldSpot {
    const char* board;
    bool short_deck;
    CardCode turn, river;
  };
  const FoldSpot spots[] = {
      {"Kd7c2s", false, kNoCard, kNoCard},
      {"Kd7c2s", false, card("Jh"), kNoCard},
      {"Kd7c2s", false, card("Jh"), card("2d")},
      {"Qh8s7s", true, card("Ac"), card("6d")},
  };
  std::uint32_t seed = 200;
  for (const FoldSpot& spot : spots) {
    const auto board = board_of(spot.board);
    const Range oop = random_range(board, spot.short_deck, 0.4, seed++);
    const Range ip = random_range(board, spot.short_deck, 0.4, seed++);
    for (const GameConfig& config : {kConfigs[0], kConfigs[1], kConfigs[2], icm_config(0.05, 30)}) {
      auto game = make_game(spot.board, oop, ip, spot.short_deck, config);
      const double m = brute_matchup_weight(*game);
      for (std::uint8_t folder = 0; folder < 2; ++folder) {
        // Seat 0 bet 600 into 1000 and seat 1 folded (or the reverse):
        // the unmatched bet goes back in cash.
        const NodeRecord node =
            fold_node(1600 + 400, 400, {folder == 0 ? 400 : 1000, folder == 0 ? 1000 : 400}, folder,
                      spot.turn, spot.river);
        for (int seat = 0; seat < 2; ++seat) {
          double payoff;
          if (config.icm) {
            const Coeffs c = icm_coeffs(config, node, seat, m);
            payoff = seat == folder ? c.lose : c.win;
          } else {
            const Coeffs c = cash_coeffs(config, 1000 + 2 * 400, m);
            payoff = static_cast<float>(seat == folder ? c.lose : c.win);
          }
          const auto reach = random_reach(game->cards.pockets[1 - seat].size(), 0.3, seed++);
          const auto want = brute_fold(*game, seat, spot.turn, spot.river, reach, payoff);
          std::vector<float> out = garbage(want.size());
          halvory::terminal_eval(*game, node, seat, reach, out);
          expect_close(out, want,
                       std::string("fold ") + spot.board + (config.icm ? " icm" : " cash"));
        }
      }
    }
  }
}

// Runs three uneven ranges of [0, n) on threads of their own.
void uneven_threads(std::size_t n, const halvory::RangeBody& body) {
  const std::size_t cuts[] = {0, n / 7, n / 2, n};
  std::vector<std::thread> threads;
  for (int i = 0; i < 3; ++i) threads.emplace_back(body, cuts[i], cuts[i + 1]);
  for (std::thread& t : threads) t.join();
}

TEST(IncompleteBoard, AllInMatchesPairLoopOverCompatibleRunouts) {
  const Spot spots[] = {
      {"Kd7c2s", false, kNoCard, kNoCard},
      {"Ah9h6c", true, kNoCard, kNoCard},
      {"Kd7c2s", false, card("7h"), kNoCard},
      {"Ts8s7d", true, card("Js"), kNoCard},
  };
  std::uint32_t seed = 300;
  for (const Spot& spot : spots) {
    const auto board = board_of(spot.board);
    const Range oop = random_range(board, spot.short_deck, 0.08, seed++);
    const Range ip = random_range(board, spot.short_deck, 0.08, seed++);
    for (const GameConfig& config : {kConfigs[0], kConfigs[1], kConfigs[2], icm_config(0.05, 0)}) {
      auto game = make_game(spot.board, oop, ip, spot.short_deck, config);
      const double m = brute_matchup_weight(*game);
      const NodeRecord node = showdown_node(5000, 2000, {2000, 2000}, spot.turn, kNoCard);
      for (int seat = 0; seat < 2; ++seat) {
        const Coeffs c = config.icm ? icm_coeffs(config, node, seat, m)
                                    : cash_coeffs(config, 1000 + 2 * 2000, m);
        const auto reach = random_reach(game->cards.pockets[1 - seat].size(), 0.2, seed++);
        const auto want = brute_runouts(*game, seat, spot.turn, reach, c);
        std::vector<float> out = garbage(want.size());
        halvory::terminal_eval(*game, node, seat, reach, out);
        expect_close(out, want,
                     std::string("all-in ") + spot.board + " seat " + std::to_string(seat) +
                         (config.icm ? " icm" : " cash"));
        std::vector<float> direct = garbage(want.size());
        halvory::incomplete_board_payoff(*game, node, seat, reach, direct);
        EXPECT_EQ(direct, out);
        std::vector<float> split = garbage(want.size());
        std::vector<double> rows(3, -1.0);  // grown and overwritten
        halvory::incomplete_board_payoff(*game, node, seat, reach, split, uneven_threads, rows);
        EXPECT_EQ(0, std::memcmp(split.data(), out.data(), out.size() * sizeof(float)));
      }
    }
  }
}

// One pair of hands all-in on the flop, valued by dealing the turn (1/45)
// and then the river (1/44) as the solver's chance nodes do.
TEST(IncompleteBoard, FlopAllInEqualsDealingTurnThenRiver) {
  auto game = make_game("Jh8h2c", hands_range({"AhKh"}), hands_range({"QsQd"}), false,
                        cash_config(1000, 0.0, 0.0));
  ASSERT_EQ(game->cards.matchup_weight, 1.0);
  const auto hero = cards_of(*game, 0, 0), villain = cards_of(*game, 1, 0);
  const auto flop = game->cards.board_cards;
  auto dead = [&](int c) {
    return holds(hero, CardCode(c)) || holds(villain, CardCode(c)) ||
           std::find(flop.begin(), flop.end(), c) != flop.end();
  };
  const double pot = 1000 + 2 * 4500;
  auto settle = [&](int t, int r) {
    const std::array<CardCode, 5> b{flop[0], flop[1], flop[2], CardCode(t), CardCode(r)};
    const auto a = strength(hero, b, false), v = strength(villain, b, false);
    return a > v ? pot / 2 : a == v ? 0.0 : -pot / 2;
  };
  double dealt = 0, dealt_from_turn = 0;
  int turns = 0;
  for (int t = 0; t < 52; ++t) {
    if (dead(t)) continue;
    ++turns;
    int rivers = 0;
    for (int r = 0; r < 52; ++r) {
      if (dead(r) || r == t) continue;
      ++rivers;
      dealt += settle(t, r) / 45.0 / 44.0;
      if (t == halvory::parse_card("3d")) dealt_from_turn += settle(t, r) / 44.0;
    }
    ASSERT_EQ(rivers, 44);
  }
  ASSERT_EQ(turns, 45);

  const std::vector<float> reach{1.0f};
  std::vector<float> out(1);
  halvory::terminal_eval(*game, showdown_node(int(pot), 4500, {4500, 4500}, kNoCard, kNoCard), 0,
                         reach, out);
  EXPECT_NEAR(out[0], dealt, 1e-6 * std::abs(dealt));

  halvory::terminal_eval(
      *game, showdown_node(int(pot), 4500, {4500, 4500}, halvory::parse_card("3d"), kNoCard), 0,
      reach, out);
  EXPECT_NEAR(out[0], dealt_from_turn, 1e-6 * std::abs(dealt_from_turn));
}

TEST(Rake, CashFoldExamples) {
  // One hand each, card-disjoint: the matchup weight is 1.
  auto game = make_game("Kd7c2sAh3d", hands_range({"QsQd"}), hands_range({"JcTc"}), false,
                        cash_config(1000, 0.05, 30));
  ASSERT_EQ(game->cards.matchup_weight, 1.0);
  const std::vector<float> reach{1.0f};
  std::vector<float> out(1);
  const NodeRecord ip_folds = fold_node(1000, 0, {0, 0}, 1, card("Ah"), card("3d"));
  halvory::terminal_eval(*game, ip_folds, 0, reach, out);
  EXPECT_EQ(out[0], 470.0f);
  halvory::terminal_eval(*game, ip_folds, 1, reach, out);
  EXPECT_EQ(out[0], -500.0f);

  EXPECT_DOUBLE_EQ(halvory::rake_after(game->config, 1000), 970);
  EXPECT_DOUBLE_EQ(halvory::rake_after(game->config, 400), 380);
  EXPECT_DOUBLE_EQ(halvory::rake_after(game->config, 0), 0);
  EXPECT_DOUBLE_EQ(halvory::rake_after(game->config, -10), 0);
  EXPECT_DOUBLE_EQ(halvory::rake_after(cash_config(1000, 0, 30), 1000), 1000);
  EXPECT_DOUBLE_EQ(halvory::rake_after(cash_config(1000, 1.5, 0), 1000), 0);
}

TEST(Rake, CapZeroChargesTheFullRateInEveryMode) {
  const GameConfig config = cash_config(1000, 0.05, 0.0);
  EXPECT_DOUBLE_EQ(halvory::rake_after(config, 1000), 950);
  auto game = make_game("Kd7c2sAh3d", hands_range({"QsQd"}), hands_range({"JcTc"}), false, config);
  const std::vector<float> reach{1.0f};
  std::vector<float> out(1);

  halvory::terminal_eval(*game, fold_node(1000, 0, {0, 0}, 1, card("Ah"), card("3d")), 0, reach,
                         out);
  EXPECT_FLOAT_EQ(out[0], 450.0f);
  // Queens beat J-T high on this board: the winner nets 2000/2 - 100.
  halvory::terminal_eval(*game, showdown_node(2000, 500, {500, 500}, card("Ah"), card("3d")), 0,
                         reach, out);
  EXPECT_FLOAT_EQ(out[0], 900.0f);
  halvory::terminal_eval(*game, showdown_node(2000, 500, {500, 500}, card("Ah"), card("3d")), 1,
                         reach, out);
  EXPECT_FLOAT_EQ(out[0], -1000.0f);

  // ICM values the same pot after the same 5 %.
  GameConfig icm = icm_config(0.05, 0.0);
  auto icm_game = make_game("Kd7c2sAh3d", hands_range({"QsQd"}), hands_range({"JcTc"}), false, icm);
  const NodeRecord fold = fold_node(1000, 0, {0, 0}, 1, card("Ah"), card("3d"));
  halvory::terminal_eval(*icm_game, fold, 0, reach, out);
  const double want = icm_payoffs_reference(icm, {0, 0}, 0, 950, 1.0)[0];
  EXPECT_NEAR(out[0], want, 1e-6 * std::abs(want));
}

TEST(Rake, TiesCostHalfTheRakeAndNothingWithout) {
  // A royal flush on board: every hand plays the board and ties. Both seats
  // may hold 2c3d; that identical pair is impossible and must not count.
  for (const double rate : {0.0, 0.05}) {
    auto game = make_game("AsKsQsJsTs", hands_range({"2c3d", "4h5c"}),
                          hands_range({"2c3d", "4h5c"}), false, cash_config(1000, rate, 0));
    ASSERT_EQ(game->cards.matchup_weight, 2.0);
    const NodeRecord node = showdown_node(1000, 0, {0, 0}, card("Js"), card("Ts"));
    for (int seat = 0; seat < 2; ++seat) {
      std::vector<float> out(2);
      halvory::terminal_eval(*game, node, seat, std::vector<float>{1.0f, 0.5f}, out);
      // Hand 0 (2c3d) meets only 4h5c (reach 0.5); hand 1 meets 2c3d (reach 1).
      const double per_tie = -(rate * 1000) / 2 / 2.0;
      EXPECT_FLOAT_EQ(out[0], float(per_tie * 0.5)) << rate;
      EXPECT_FLOAT_EQ(out[1], float(per_tie * 1.0)) << rate;
    }
  }
}

TEST(Degenerate, ZeroReachMismatchedSpansAndNoMatchupGiveZeros) {
  const Range oop = random_range(board_of("Kd7c2s"), false, 0.1, 7);
  const Range ip = random_range(board_of("Kd7c2s"), false, 0.1, 8);
  for (const GameConfig& config : {kConfigs[0], kConfigs[1], icm_config(0.05, 0)}) {
    auto game = make_game("Kd7c2s", oop, ip, false, config);
    const std::size_t h0 = game->cards.pockets[0].size(), h1 = game->cards.pockets[1].size();
    const NodeRecord nodes[] = {
        fold_node(2000, 500, {500, 500}, 1, kNoCard, kNoCard),
        fold_node(2000, 500, {500, 500}, 1, card("Ah"), card("3d")),
        showdown_node(2000, 500, {500, 500}, card("Ah"), card("3d")),
        showdown_node(2000, 500, {500, 500}, card("Ah"), kNoCard),
        showdown_node(2000, 500, {500, 500}, kNoCard, kNoCard),
    };
    const std::vector<float> zeros(h1, 0.0f);
    const std::vector<float> all_zero(h0, 0.0f);
    for (const NodeRecord& node : nodes) {
      std::vector<float> out = garbage(h0);
      halvory::terminal_eval(*game, node, 0, zeros, out);
      EXPECT_EQ(out, all_zero) << "zero reach";

      std::vector<float> longer(h1 + 1, 1.0f);
      out = garbage(h0);
      halvory::terminal_eval(*game, node, 0, longer, out);
      EXPECT_EQ(out, all_zero) << "reach too long";

      std::vector<float> short_out = garbage(h0 - 1);
      halvory::terminal_eval(*game, node, 0, std::vector<float>(h1, 1.0f), short_out);
      EXPECT_EQ(short_out, std::vector<float>(h0 - 1, 0.0f)) << "output too short";

      out = garbage(h0);
      halvory::terminal_eval(*game, node, 2, std::vector<float>(h1, 1.0f), out);
      EXPECT_EQ(out, all_zero) << "no such seat";

      out = garbage(h0);
      halvory::incomplete_board_payoff(*game, node, 0, longer, out);
      EXPECT_EQ(out, all_zero);
    }
    std::vector<float> out = garbage(h0);
    // A river without a turn is no board.
    halvory::terminal_eval(*game, showdown_node(2000, 500, {500, 500}, kNoCard, card("3d")), 0,
                           std::vector<float>(h1, 1.0f), out);
    EXPECT_EQ(out, all_zero);

    // No card-disjoint pair at all: M = 0.
    game->cards.matchup_weight = 0.0;
    for (const NodeRecord& node : nodes) {
      out = garbage(h0);
      halvory::terminal_eval(*game, node, 0, std::vector<float>(h1, 1.0f), out);
      EXPECT_EQ(out, all_zero) << "M = 0";
    }
    EXPECT_EQ(halvory::icm_payoffs(*game, nodes[0], 0, 1000, 0.0),
              (std::array<double, 3>{0, 0, 0}));
  }
}

// Chips are conserved at every terminal of a real tree: what one seat wins
// against the other's reach the other loses, less the rake of the pairs.
TEST(TerminalEval, ConservesChipsOnEveryTerminalOfATree) {
  const auto board = board_of("Qh9c4dTs");
  GameConfig config = cash_config(1000, 0.05, 30);
  config.effective_stack = 3000;
  for (auto& street : config.streets) {
    street.oop = halvory::parse_bet_raise_sizes("50%, a", "a");
    street.ip = street.oop;
  }
  auto game = make_game("Qh9c4dTs", random_range(board, false, 0.15, 11),
                        random_range(board, false, 0.15, 12), false, config);
  const auto r0 = random_reach(game->cards.pockets[0].size(), 0.1, 13);
  const auto r1 = random_reach(game->cards.pockets[1].size(), 0.1, 14);
  std::vector<float> v0(r0.size()), v1(r1.size());
  int showdowns = 0, folds = 0, all_ins = 0;
  for (const NodeRecord& node : game->nodes) {
    if (node.kind != halvory::NodeKind::Terminal) continue;
    const bool fold = node.last_action == halvory::ActionKind::Fold;
    if (node.river == kNoCard && !fold) ++all_ins;
    (fold ? folds : showdowns)++;
    halvory::terminal_eval(*game, node, 0, r1, v0);
    halvory::terminal_eval(*game, node, 1, r0, v1);
    double net = 0, pairs = 0;
    for (std::size_t i = 0; i < r0.size(); ++i) net += double{r0[i]} * v0[i];
    for (std::size_t j = 0; j < r1.size(); ++j) net += double{r1[j]} * v1[j];
    // Joint reach of the card-disjoint pairs that the node's cards leave.
    for (const std::uint16_t i : halvory::live_hands(*game, node, 0))
      for (const std::uint16_t j : halvory::live_hands(*game, node, 1))
        if (!shares(cards_of(*game, 0, i), cards_of(*game, 1, j))) pairs += double{r0[i]} * r1[j];
    // Every runout charges the same rake, so an all-in conserves the same way.
    const double pot = 1000 + 2.0 * node.matched;
    const double rake = table_rake(0.05, 30, pot) / game->cards.matchup_weight;
    EXPECT_NEAR(net, -rake * pairs, 1e-4 * rake * pairs + 1e-6);
  }
  EXPECT_GT(showdowns, 0);
  EXPECT_GT(folds, 0);
  EXPECT_GT(all_ins, 0);
}

// The traverser's fold valued by the showdown's merge: the same bits as the
// fold kernel (both sum in the runout's order); a pair given the wrong way
// round is valued one terminal at a time.
TEST(ShowdownWithFold, MatchesTheTwoKernelsAlone) {
  const auto board = board_of("9s9d4c4hTs");
  std::uint32_t seed = 300;
  for (const GameConfig& config : {kConfigs[0], kConfigs[1], icm_config(0.05, 30.0)}) {
    auto game = make_game("9s9d4c4hTs", random_range(board, false, 0.5, seed),
                          random_range(board, false, 0.5, seed + 1), false, config);
    seed += 2;
    const NodeRecord call = showdown_node(3000, 1000, {1000, 1000}, card("4h"), card("Ts"));
    for (int seat = 0; seat < 2; ++seat) {
      const NodeRecord fold = fold_node(2000, 500, {1500, 500}, seat, card("4h"), card("Ts"));
      const std::size_t h = game->cards.pockets[seat].size();
      const auto reach = random_reach(game->cards.pockets[1 - seat].size(), 0.2, seed++);
      std::vector<float> want_showdown(h), want_fold(h);
      halvory::terminal_eval(*game, call, seat, reach, want_showdown);
      halvory::terminal_eval(*game, fold, seat, reach, want_fold);
      for (const bool swapped : {false, true}) {
        std::vector<float> showdown = garbage(h), folded = garbage(h);
        const halvory::ShowdownJob job =
            swapped ? halvory::ShowdownJob{&fold, reach, folded, &call, showdown}
                    : halvory::ShowdownJob{&call, reach, showdown, &fold, folded};
        halvory::showdown_batch(*game, seat, {&job, 1});
        EXPECT_EQ(0, std::memcmp(showdown.data(), want_showdown.data(), h * sizeof(float)));
        EXPECT_EQ(0, std::memcmp(folded.data(), want_fold.data(), h * sizeof(float)));
      }
    }
  }
}

// A batch gives each job what terminal_eval gives it, bit for bit, on every
// kernel tier (merges of four, eight and sixteen lanes), for every group size, mixed
// modes, all-ins on the turn and malformed jobs.
class ShowdownBatch : public ::testing::TestWithParam<halvory::KernelIsa> {
 protected:
  void SetUp() override {
    previous_ = halvory::active_kernel_isa();
    if (!halvory::select_kernel_isa(GetParam())) GTEST_SKIP() << "CPU lacks this tier";
  }
  void TearDown() override { halvory::select_kernel_isa(previous_); }

 private:
  halvory::KernelIsa previous_ = halvory::KernelIsa::baseline;
};

TEST_P(ShowdownBatch, EqualsOneTerminalAtATime) {
  // Rake charged only on the bigger pots (cap 30 on 5 %): some showdowns of
  // a batch count ties and some do not. From the turn the river 3d blocks
  // some of the hands.
  for (const auto& [board_text, config] :
       {std::pair{"Kd7c2sAh3d", kConfigs[1]}, std::pair{"Kd7c2sAh3d", icm_config(0.05, 30.0)},
        std::pair{"Kd7c2sAh", kConfigs[1]}}) {
    const auto board = board_of(board_text);
    auto game = make_game(board_text, random_range(board, false, 0.6, 500),
                          random_range(board, false, 0.6, 501), false, config);
    const CardCode turn = card("Ah"), river = card("3d");
    for (int seat = 0; seat < 2; ++seat) {
      const std::size_t h = game->cards.pockets[seat].size();
      const std::size_t ho = game->cards.pockets[1 - seat].size();
      std::vector<NodeRecord> nodes;
      nodes.push_back(fold_node(1300, 100, {400, 100}, 1 - seat, turn, river));
      // All-ins on the turn, merged together over the rivers to come.
      for (int i = 0; i < 9; ++i) {
        const std::int32_t matched = 100 + i * 90;
        nodes.push_back(
            showdown_node(1000 + 2 * matched, matched, {matched, matched}, turn, kNoCard));
      }
      // Sixteen lanes and one more on the river (with the folds).
      for (int i = 0; i < 15; ++i) {
        const std::int32_t matched = i * 70;  // pot 0 .. 1960 above the start
        nodes.push_back(
            showdown_node(1000 + 2 * matched, matched, {matched, matched}, turn, river));
      }
      nodes.push_back(fold_node(1300, 100, {400, 100}, 1 - seat, turn, river));
      nodes.push_back(showdown_node(1000, 0, {0, 0}, kNoCard, kNoCard));  // no board: zeros
      const NodeRecord own_fold = fold_node(1600, 200, {200, 600}, seat, turn, river);

      std::vector<std::vector<float>> reaches, outs, fold_outs;
      for (std::size_t i = 0; i < nodes.size(); ++i) {
        reaches.push_back(random_reach(ho, 0.3, 600 + 10 * seat + i));
        outs.push_back(garbage(h));
        fold_outs.push_back(garbage(h));
      }
      std::fill(reaches[3].begin(), reaches[3].end(), 0.0f);    // a lane of zeros
      std::fill(reaches[13].begin(), reaches[13].end(), 0.0f);  // and one in a river merge
      reaches[6].resize(ho - 1);                                // a malformed span

      std::vector<halvory::ShowdownJob> jobs;
      for (std::size_t i = 0; i < nodes.size(); ++i) {
        halvory::ShowdownJob job{&nodes[i], reaches[i], outs[i], nullptr, {}};
        if (i % 3 == 1) {
          job.fold = &own_fold;
          job.fold_out = fold_outs[i];
        }
        jobs.push_back(job);
      }
      for (const std::size_t count :
           {std::size_t{1}, std::size_t{2}, std::size_t{4}, jobs.size()}) {
        halvory::showdown_batch(*game, seat, std::span(jobs).first(count));
        for (std::size_t i = 0; i < count; ++i) {
          std::vector<float> want(h), want_fold(h);
          halvory::terminal_eval(*game, nodes[i], seat, reaches[i], want);
          if (jobs[i].fold != nullptr)
            halvory::terminal_eval(*game, own_fold, seat, reaches[i], want_fold);
          EXPECT_EQ(0, std::memcmp(outs[i].data(), want.data(), h * sizeof(float)))
              << "job " << i << " of " << count << ", seat " << seat;
          if (jobs[i].fold != nullptr) {
            EXPECT_EQ(0, std::memcmp(fold_outs[i].data(), want_fold.data(), h * sizeof(float)))
                << "fold of job " << i << " of " << count << ", seat " << seat;
          }
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Isa, ShowdownBatch,
                         ::testing::Values(halvory::KernelIsa::baseline, halvory::KernelIsa::avx2,
                                           halvory::KernelIsa::avx512),
                         [](const auto& info) { return halvory::kernel_isa_name(info.param); });

}  // namespace
