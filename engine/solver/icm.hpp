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

#include "context/build_cancel.hpp"
#include "tree/game.hpp"

namespace halvory {

// The pot left after rake: rate x pot, capped at the cap when the cap is
// above 0 (a cap of 0 means no cap), never below 0. The ICM outcomes are
// keyed by it.
double rake_after(const GameConfig& config, double pot);

// One equity per player, in the payouts' unit; stacks in any chip unit,
// positions 0 and 1 the two seats. A stack <= 0 (or NaN) is busted: busted
// players share the places the live players cannot take. The work is that of
// icm_equity_steps for the live players; BuildCancelled once `cancel` is
// raised.
std::vector<double> icm_equities(const std::vector<double>& stacks,
                                 const std::vector<double>& payouts, CancelFlag cancel = nullptr);

// Equities of seats 0 and 1 after their stacks change by d0 and d1 (a stack
// that does not stay above 0 becomes 0).
std::pair<double, double> icm_pair_equities(const std::vector<double>& stacks,
                                            const std::vector<double>& payouts, double d0,
                                            double d1, CancelFlag cancel = nullptr);

// Work of one equity computation with `live` players above 0 chips and
// `places` paid places, in steps of about a nanosecond: walking the finishing
// orders costs the sum over k <= places of live! / (live - k)!, the sets of
// players that can finish first about the sum of (2k + 1) C(live, k);
// icm_equities takes the cheaper. May be infinite.
double icm_order_steps(std::size_t live, std::size_t places);
double icm_set_steps(std::size_t live, std::size_t places);
double icm_equity_steps(std::size_t live, std::size_t places);

// The most work one equity computation may take. A solve computes a few
// equities for each distinct outcome of its terminals, so this keeps the
// table of a large tree within seconds on one core.
inline constexpr double kIcmStepLimit = 5e7;

// The most places that `live` players can be paid within the limit.
std::size_t icm_place_limit(std::size_t live);

// Refuses (RefusalCode::icm_too_many_places, "Too many paid places for the
// chip model: ...") when `live` of `players` players above 0 chips and
// `payouts` paid places pass kIcmStepLimit.
void check_icm_work(std::size_t players, std::size_t live, std::size_t payouts);

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

  // Computes the equities before the hand; refused as check_icm_work says.
  explicit IcmTable(const GameConfig& config, CancelFlag cancel = nullptr);
  ~IcmTable();
  IcmTable(const IcmTable&) = delete;
  IcmTable& operator=(const IcmTable&) = delete;

  // True when the configuration values terminals with this table's stacks
  // and payouts; compares without building vectors.
  bool serves(const GameConfig& config) const;
  Deltas deltas(double after_rake_pot, std::int32_t invested0, std::int32_t invested1) const;
  // Each seat's equity before the hand (the stacks' order).
  const std::vector<double>& baseline() const { return baseline_; }

  // Computes the outcome of every terminal of `nodes` up front, on up to
  // `threads` threads, so that a solve never waits on one; BuildCancelled
  // once `cancel` is raised.
  void fill(const GameConfig& config, const std::vector<NodeRecord>& nodes, CancelFlag cancel,
            std::size_t threads);

 private:
  struct Outcomes;
  Deltas compute(double pot, std::int32_t invested0, std::int32_t invested1,
                 CancelFlag cancel = nullptr) const;

  std::vector<double> stacks_;
  std::vector<double> payouts_;
  std::vector<double> baseline_;
  std::unique_ptr<Outcomes> outcomes_;  // the outcomes computed so far
};

// The game's table with the outcomes of its terminals, or null when the game
// is not in ICM mode.
std::unique_ptr<const IcmTable> make_icm_table(const GameConfig& config,
                                               const std::vector<NodeRecord>& nodes,
                                               CancelFlag cancel = nullptr,
                                               std::size_t threads = 1);

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
