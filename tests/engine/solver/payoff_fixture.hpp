#pragma once

// Spots for the payoff and ICM tests: games built from board text and
// ranges, random reaches, and first-principles references (pair loops with
// explicit card checks, and the place-by-place Harville walk).

#include <array>
#include <cstdint>
#include <memory>
#include <random>
#include <string_view>
#include <vector>

#include "tree/game.hpp"

namespace payoff_fixture {

using halvory::CardCode;
using halvory::Game;
using halvory::GameConfig;
using halvory::NodeRecord;
using halvory::Range;

// Board text of 3 to 5 cards, e.g. "Kd7c2s" or "Kd7c2sAh3d".
halvory::Board board_of(std::string_view text);

// Every combination of the deck that avoids the board gets weight 1 with
// probability `density` (else 0); half of the kept weights are drawn from
// (0, 1]. Deterministic for a seed.
Range random_range(const halvory::Board& board, bool short_deck, double density,
                   std::uint32_t seed);

// A range of the listed hands (four-character texts such as "AhKd"), weight 1.
Range hands_range(std::initializer_list<std::string_view> hands);

// A cash or ICM configuration with no bet sizes (a check-down tree).
GameConfig cash_config(std::int32_t starting_pot, double rake_rate, double rake_cap);

std::unique_ptr<Game> make_game(std::string_view board, const Range& oop, const Range& ip,
                                bool short_deck, GameConfig config);

// A terminal record: showdown (last action call) or a fold by `folder`.
NodeRecord showdown_node(std::int32_t pot, std::int32_t matched,
                         std::array<std::int32_t, 2> invested, CardCode turn, CardCode river);
NodeRecord fold_node(std::int32_t pot, std::int32_t matched, std::array<std::int32_t, 2> invested,
                     std::uint8_t folder, CardCode turn, CardCode river);

// Reach over the opponent's hands: uniform in [0, 1), about `zero_share` of
// entries exactly 0.
std::vector<float> random_reach(std::size_t n, double zero_share, std::uint32_t seed);

// Matchup weight by a pair loop.
double brute_matchup_weight(const Game& game);

// Cards of hand i of a seat.
std::array<CardCode, 2> cards_of(const Game& game, int seat, std::size_t i);

// Malmuth-Harville by walking every finishing order, place by place; busted
// players (stack <= 0) share the places the live players cannot take, and
// with nobody live every player gets the mean payout.
std::vector<double> harville_reference(const std::vector<double>& stacks,
                                       const std::vector<double>& payouts);

// (win, tie, lose) of a seat at a terminal, straight from the definition.
std::array<double, 3> icm_payoffs_reference(const GameConfig& config,
                                            std::array<std::int32_t, 2> invested, int seat,
                                            double after_rake_pot, double matchup_weight);

}  // namespace payoff_fixture
