#pragma once

// Independent chip model (Malmuth-Harville): the expected prize of every
// player from the stacks and the payouts, and the payoffs of the three
// outcomes of a terminal (the traversing seat wins, splits or loses the pot)
// relative to the seat's equity before the hand.

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "tree/game.hpp"

namespace halvory {

// One equity per player, in the payouts' unit; stacks in any chip unit,
// positions 0 and 1 the two seats. A stack <= 0 (or NaN) is busted: busted
// players share the places the live players cannot take.
std::vector<double> icm_equities(const std::vector<double>& stacks,
                                 const std::vector<double>& payouts);

// Equities of seats 0 and 1 after their stacks change by d0 and d1 (a stack
// that does not stay above 0 becomes 0).
std::pair<double, double> icm_pair_equities(const std::vector<double>& stacks,
                                            const std::vector<double>& payouts, double d0,
                                            double d1);

// The ICM outcomes of one game, built with the game from its configuration.
// A terminal's payoffs depend only on the stacks, the payouts, the after-rake
// pot and the two investments, so each distinct outcome is computed on its
// first use and kept for the game's life; every lookup returns exactly what
// the computation returns. Lookups may come from several threads at once.
class IcmTable {
 public:
  // Equity change of each seat (index 0, 1) under each outcome.
  struct Deltas {
    std::array<double, 2> seat0_takes;
    std::array<double, 2> seat1_takes;
    std::array<double, 2> split;
  };

  explicit IcmTable(const GameConfig& config);
  ~IcmTable();
  IcmTable(const IcmTable&) = delete;
  IcmTable& operator=(const IcmTable&) = delete;

  // True when the configuration values terminals with this table's stacks
  // and payouts; compares without building vectors.
  bool serves(const GameConfig& config) const;
  Deltas deltas(double after_rake_pot, std::int32_t invested0, std::int32_t invested1) const;

 private:
  struct Outcomes;
  Deltas compute(double pot, std::int32_t invested0, std::int32_t invested1) const;

  std::vector<double> stacks_;
  std::vector<double> payouts_;
  std::vector<double> baseline_;
  std::unique_ptr<Outcomes> outcomes_;  // the outcomes computed so far
};

// The game's table, or null when the game is not in ICM mode.
std::unique_ptr<const IcmTable> make_icm_table(const GameConfig& config);

// (win, tie, lose) of the traversing seat at a terminal whose after-rake pot
// is `after_rake_pot`, each divided by the matchup weight. Zeros when the game
// is not in ICM mode or the matchup weight is not above 0. Read from the
// game's table.
std::array<double, 3> icm_payoffs(const Game& game, const NodeRecord& node, std::uint8_t seat,
                                  double after_rake_pot, double matchup_weight);

// Each seat's expected prize before the hand, the reference that the payoffs
// above are relative to; zeros outside ICM mode.
std::array<double, 2> icm_seat_baselines(const GameConfig& config);

}  // namespace halvory
