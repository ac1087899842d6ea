#pragma once

// The one way tests and benchmarks reach inside the solver: they drive
// single iterations and the recursions, and inspect what was trained and how
// the run was set up. The application never includes this header; it uses
// DiscountedCfr's public members.
//
//   DiscountedCfr solver(config);
//   solver_testing::DcfrSteps steps(solver);
//   steps.prepare_states(game);
//   steps.run_iteration(game, 0);
//   const TrainedState& t = steps.trained();

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "solver/dcfr.hpp"

namespace halvory::solver_testing {

class DcfrSteps {
 public:
  using ScratchFrame = DiscountedCfr::ScratchFrame;
  using ScratchStack = DiscountedCfr::ScratchStack;

  explicit DcfrSteps(DiscountedCfr& solver) : s_(solver) {}

  static DiscountWeights discount_weights(std::uint32_t i) {
    return DiscountedCfr::discount_weights(i);
  }

  // --- Steps ---------------------------------------------------------------
  void prepare_states(const Game& game) { s_.prepare_states(game); }
  void run_iteration(const Game& game, std::uint32_t i) { s_.run_iteration(game, i); }
  std::pair<float, float> compute_mes_ev(const Game& game) { return s_.compute_mes_ev(game); }
  void compute_best_cfvalue_recursive(const Game& game, std::size_t node, Seat seat,
                                      std::span<const float> reach, std::span<float> out,
                                      std::size_t depth, ScratchStack& stack) const {
    s_.compute_best_cfvalue_recursive(game, node, seat, reach, out, depth, stack);
  }
  // Off, river and turn subtrees take the plain recursive steps instead of
  // batches.
  void set_river_batches(bool on) { s_.river_batches = on; }
  // The most scratch (in floats) one river batch and one turn plan may take.
  std::size_t& river_scratch_floats() { return s_.river_scratch_floats; }
  std::size_t& turn_scratch_floats() { return s_.turn_scratch_floats; }
  // The run's settings, to change between runs.
  DiscountedCfr::Config& config() { return s_.config; }

  // --- What was trained and how the run is set up ----------------------------
  const TrainedState& trained() const { return s_.trained; }
  // Per seat, the root values of the last regret pass.
  const std::array<std::vector<float>, 2>& root_values() const { return s_.root_values; }
  // Per chance node, 0 when two of its slots name one child.
  const std::vector<std::uint8_t>& children_distinct() const { return s_.children_distinct; }
  // The river deals whose subtrees share one shape.
  const std::vector<DiscountedCfr::RiverShape>& river_shapes() const { return s_.river_shapes; }
  // The iteration index of the last pass and the weights it applied.
  std::uint32_t iteration() const { return s_.iteration; }
  float weight_positive() const { return s_.weight_positive; }
  float weight_negative() const { return s_.weight_negative; }
  float weight_strategy() const { return s_.weight_strategy; }
  std::uint64_t threads() const { return s_.threads; }
  const WorkerPool* pool() const { return s_.pool.get(); }
  // The per-seat scratch stacks of the regret passes.
  const std::array<std::unique_ptr<ScratchStack>, 2>& stacks() const { return s_.stacks; }
  // The stacks lent to split chance nodes, all back on the shelves between
  // runs: as many as were ever in use at once.
  std::size_t spare_stacks() const { return s_.spare_stacks.spare(); }

 private:
  DiscountedCfr& s_;
};

}  // namespace halvory::solver_testing
