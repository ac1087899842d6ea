#pragma once

// Terminal payoffs: the value of every hand of the traversing seat at a fold
// or a showdown terminal, given the opponent's reach. Values are in hundredths
// of a chip (cash) or prize units (ICM) per unit of joint range weight: every
// payoff is divided by the card context's matchup weight.
//
// Showdowns cost O(hands of both seats): the card context keeps each runout's
// hands sorted by strength, and card removal is done by inclusion-exclusion
// over 52 per-card sums instead of a pair loop. No function here allocates or
// throws; a size mismatch yields zeros.

#include <cstdint>
#include <span>

#include "tree/game.hpp"

namespace halvory {

// The pot left after rake: rate x pot, capped at the cap when the cap is
// above 0 (a cap of 0 means no cap), never below 0.
double rake_after(const GameConfig& config, double pot);

// The seat's hands that share no card with the node's turn and river.
std::span<const std::uint16_t> live_hands(const Game& game, const NodeRecord& node,
                                          std::uint8_t seat);

// Writes m_i x payoff at each live hand i of `seat`, m_i the opponent's reach
// over the live hands that share no card with i.
void fold_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat, double payoff,
                 std::span<const float> opponent_reach, std::span<float> out);

// Complete-board showdown without rake: win = pot/2/M, lose = -pot/2/M, a tie
// is worth 0. False (nothing written) when a size check fails.
bool showdown_unraked(const Game& game, const NodeRecord& node, std::uint8_t seat,
                      std::span<const float> opponent_reach, std::span<float> out);

// Complete-board showdown with rake R: the winner nets pot/2 - R, the loser
// -pot/2, and each side of a tie pays R/2.
bool showdown_raked(const Game& game, const NodeRecord& node, std::uint8_t seat,
                    std::span<const float> opponent_reach, std::span<float> out);

// Complete-board showdown valued by ICM (win, tie and lose from icm_payoffs).
bool showdown_icm(const Game& game, const NodeRecord& node, std::uint8_t seat,
                  std::span<const float> opponent_reach, std::span<float> out);

// Complete-board showdown in the game's mode; false when the turn or the river
// is not dealt or a kernel's size check fails.
bool showdown_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                     std::span<const float> opponent_reach, std::span<float> out);

// All-in before the river: the expectation over the runouts still to come.
// Writes the whole output.
void incomplete_board_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                             std::span<const float> opponent_reach, std::span<float> out);

// The traversing seat's value of every hand at a terminal node. Writes the
// whole output.
void terminal_eval(const Game& game, const NodeRecord& node, std::uint8_t seat,
                   std::span<const float> opponent_reach, std::span<float> out);

}  // namespace halvory
