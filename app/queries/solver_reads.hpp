#pragma once
// The few solver reads the queries make, in one place, with the seat given
// as a plain 0/1 integer.

#include <cstddef>
#include <span>
#include <vector>

#include "solver/dcfr.hpp"
#include "tree/game.hpp"

namespace halvory_app::solver_reads {

inline std::vector<float> average_strategy(const halvory::DiscountedCfr& solver, std::size_t node) {
  return solver.average_strategy(node);
}

inline std::vector<float> average_action_frequencies(const halvory::DiscountedCfr& solver,
                                                     std::size_t node) {
  return solver.average_action_frequencies(node);
}

inline std::vector<float> node_cfvalues(const halvory::Game& game,
                                        const halvory::DiscountedCfr& solver, std::size_t node,
                                        int seat) {
  return solver.node_cfvalues(game, node, static_cast<halvory::Seat>(seat));
}

inline std::vector<float> node_cfvalues_with_reach(const halvory::Game& game,
                                                   const halvory::DiscountedCfr& solver,
                                                   std::size_t node, int seat,
                                                   std::span<const float> opponent_reach) {
  return solver.node_cfvalues_with_reach(game, node, static_cast<halvory::Seat>(seat),
                                         opponent_reach);
}

}  // namespace halvory_app::solver_reads
