#pragma once
// The one convention for a seat's EV: the solver's value (relative to its
// payoff reference) plus the offset below. The result summary and every node
// query use it, so a root EV reads the same wherever it is shown.

#include <cstddef>

#include "tree/game.hpp"

namespace halvory_app {

// Cash: half the pot matched at the node, so an EV is the seat's share of
// the pot (a fold is worth 0). ICM: the seat's expected prize before the
// hand, so an EV is the seat's expected prize in the payouts' unit, with no
// chips mixed in.
double ev_offset(const halvory::Game& game, std::size_t node, int seat);

}  // namespace halvory_app
