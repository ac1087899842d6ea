#pragma once
// Per-node queries on a finished solve. Each reads a solved Game and its
// DiscountedCfr held by shared ownership, so the objects stay alive while a
// query runs even if the session drops its own references meanwhile. Every
// unmet precondition (no live solve, node past the end, wrong node kind or
// seat, malformed card text) gives an empty optional; nothing throws for bad
// input.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "queries/query_records.hpp"

namespace halvory {
class Game;
class DiscountedCfr;
}  // namespace halvory

namespace halvory_app {

class SessionControl;

// The live objects of one finished solve; both set or the view is empty.
struct SolvedGame {
  std::shared_ptr<halvory::Game> game;
  std::shared_ptr<halvory::DiscountedCfr> solver;
};

std::optional<NodeActionStats> node_action_stats(const SolvedGame& solved, std::uint64_t node);
std::optional<std::vector<BucketRow>> node_hand_buckets(const SolvedGame& solved,
                                                        std::uint64_t node);
std::optional<HandDistributions> node_hand_distributions(const SolvedGame& solved,
                                                         std::uint64_t node);
std::optional<HandStrategy> node_hand_strategy(const SolvedGame& solved, std::uint64_t node);
std::optional<std::vector<ComboRow>> node_hand_combos(const SolvedGame& solved, std::uint64_t node);
std::optional<double> node_ev(const SolvedGame& solved, std::uint64_t node, int seat);
std::optional<std::vector<double>> node_pocket_action_evs(const SolvedGame& solved,
                                                          std::uint64_t node, int seat,
                                                          const std::string& c1,
                                                          const std::string& c2);
// Needs only the game.
std::optional<std::vector<ComboRow>> node_seat_hand_combos(const SolvedGame& solved,
                                                           std::uint64_t node, int seat);

// The session's live objects, copied under its lock; empty when there is no
// finished solve.
SolvedGame solved_game_of(const SessionControl& session);

// The same queries on the session's last finished solve.
std::optional<NodeActionStats> node_action_stats(const SessionControl& session, std::uint64_t node);
std::optional<std::vector<BucketRow>> node_hand_buckets(const SessionControl& session,
                                                        std::uint64_t node);
std::optional<HandDistributions> node_hand_distributions(const SessionControl& session,
                                                         std::uint64_t node);
std::optional<HandStrategy> node_hand_strategy(const SessionControl& session, std::uint64_t node);
std::optional<std::vector<ComboRow>> node_hand_combos(const SessionControl& session,
                                                      std::uint64_t node);
std::optional<double> node_ev(const SessionControl& session, std::uint64_t node, int seat);
std::optional<std::vector<double>> node_pocket_action_evs(const SessionControl& session,
                                                          std::uint64_t node, int seat,
                                                          const std::string& c1,
                                                          const std::string& c2);
std::optional<std::vector<ComboRow>> node_seat_hand_combos(const SessionControl& session,
                                                           std::uint64_t node, int seat);
// The rake charged when the hand ends at `node`, in hundredths of a chip, by
// the payoff rule; needs only the game.
std::optional<double> node_rake(const SessionControl& session, std::uint64_t node);

}  // namespace halvory_app
