#pragma once
// Small solved spots for the query tests, built and solved synchronously on
// the calling thread through the same conversion the session uses.

#include <cstdint>
#include <string>

#include "cards/cards.hpp"
#include "queries/node_queries.hpp"
#include "session/solve_records.hpp"

namespace halvory_app::spots {

// River spot: medium ranges, two bet sizes and one raise size.
SolveConfig river_request();
// Turn spot with small ranges (chance nodes deal the river).
SolveConfig turn_request();

SolvedGame solve_now(const SolveConfig& request);

halvory::Pocket pocket_of(const std::string& two_cards);

}  // namespace halvory_app::spots
