#include "session/ev_offset.hpp"

#include "solver/icm.hpp"

namespace halvory_app {

double ev_offset(const halvory::Game& game, std::size_t node, int seat) {
  const halvory::GameConfig& config = game.config;
  if (config.icm != 0 && !config.icm_payouts.empty()) {
    // The game's own table holds them unless the configuration changed.
    if (game.icm && game.icm->serves(config) && game.icm->baseline().size() >= 2)
      return game.icm->baseline()[seat == 1 ? 1 : 0];
    return halvory::icm_seat_baselines(config)[seat == 1 ? 1 : 0];
  }
  const double matched = node < game.plan.nodes.size() ? game.plan.nodes[node].matched : 0.0;
  return (static_cast<double>(config.starting_pot) + 2.0 * matched) * 0.5;
}

}  // namespace halvory_app
