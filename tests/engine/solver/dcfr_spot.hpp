#pragma once

// Builds small spots for the solver tests through the engine's public API.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "solver/dcfr.hpp"
#include "solver/dcfr_testing.hpp"

namespace dcfr_test {

using Solver = halvory::DiscountedCfr;
// The solver's steps and trained state (solver/dcfr_testing.hpp).
using Steps = halvory::solver_testing::DcfrSteps;

struct Spot {
  std::string board;  // e.g. "Kh8d5c3s2h"
  std::string oop_range;
  std::string ip_range;
  double pot = 10.0;     // chips
  double stack = 100.0;  // chips, both players
  // [street][seat] size texts; street 0 flop, 1 turn, 2 river.
  std::array<std::array<std::string, 2>, 3> bets{};
  std::array<std::array<std::string, 2>, 3> raises{};
  double rake_rate = 0.0;
  double rake_cap = 0.0;  // chips
  // Independent chip model.
  bool icm = false;
  std::vector<std::int32_t> icm_payouts;
  std::vector<std::int32_t> icm_other_stacks;  // chips
  double oop_stack = 0.0;
  double ip_stack = 0.0;
  // Single combos whose weight is overwritten after parsing, e.g. {"AsKs", 0.5f}.
  std::vector<std::pair<std::string, float>> combo_weights;
  // Builds the full tree, every dealt card its own subtree, even where the
  // ranges are suit-symmetric.
  bool without_isomorphism = false;

  // The same bet and raise texts for both seats on every street.
  Spot& sizes(const std::string& bet, const std::string& raise);
};

std::unique_ptr<halvory::Game> build_game(const Spot& spot);

halvory::DiscountedCfr::Config make_config(std::uint32_t iterations, std::uint64_t threads,
                                           bool compress = false,
                                           std::uint32_t exploitability_interval = 0);

// Exploitability as a percentage of the starting pot (values are in
// hundredths of a chip per unit of matchup weight).
double exploitability_percent(float exploitability, const Spot& spot);

// Index of the first action of a node with the given kind, or -1.
int action_index(const halvory::Game& game, std::size_t node, halvory::ActionKind kind);

}  // namespace dcfr_test
