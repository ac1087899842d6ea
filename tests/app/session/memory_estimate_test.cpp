#include "session/memory_estimate.hpp"
#include "session/request_conversion.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <utility>

#include "context/card_context.hpp"
#include "session/solve_session.hpp"
#include "tree/action_plan.hpp"

namespace {

using namespace halvory_app;

SizingConfig sizing(const char* bets, const char* raises) {
  return SizingConfig{bets, raises, false, false};
}

// River, one bet size, no raises: check/bet, then fold/call or check/bet.
SolveConfig toy_river() {
  SolveConfig request;
  request.board = "Ks7d2c5h9s";
  request.starting_street = "river";
  request.starting_pot = 1000;
  request.effective_stack = 10000;
  request.oop_range = "AA";  // 6 combos
  request.ip_range = "KK";   // 3 combos: the king of spades is on the board
  request.oop_river = sizing("50", "");
  request.ip_river = sizing("50", "");
  return request;
}

SolveConfig with_sizes(SolveConfig request, const char* board, const char* street) {
  request.board = board;
  request.starting_street = street;
  request.oop_range = "AA,KK,QQ,JJ,TT,AK,AQ,KQ";
  request.ip_range = "99,88,77,AJ,KJ,QJ,JT,T9";
  for (SizingConfig* s : {&request.oop_flop, &request.oop_turn, &request.oop_river,
                          &request.ip_flop, &request.ip_turn, &request.ip_river}) {
    *s = sizing("50", "100");
  }
  return request;
}

TEST(MemoryEstimate, ToyRiverTreeHasKnownCounts) {
  std::string error;
  const auto estimate = estimate_solve_memory(toy_river(), &error);
  ASSERT_TRUE(estimate.has_value()) << error;
  EXPECT_TRUE(error.empty());
  EXPECT_EQ(estimate->node_count, 9u);
  EXPECT_EQ(estimate->decision_node_count, 4u);
  EXPECT_EQ(estimate->oop_hands, 6u);
  EXPECT_EQ(estimate->ip_hands, 3u);
  // Two OOP and two IP decision nodes with two actions each, 8 bytes per entry.
  EXPECT_EQ(estimate->strategy_bytes, (2u * 6 * 2 + 2u * 3 * 2) * 8);
  // Four decision nodes hold at least two action and two child slots each.
  EXPECT_GE(estimate->tree_bytes, 9 * sizeof(halvory::ActionPlan::Node) + 4u * 4 * 8);

  // The tree is counted as the builder actually allocated it: the node
  // array and each list's heap block, header and rounding included.
  const ConvertedRequest converted = convert_request(toy_river(), ConversionPurpose::estimate);
  const halvory::CardContext cards(converted.board, converted.oop_range, converted.ip_range, false);
  const halvory::ActionPlan plan(converted.game, cards);
  std::uint64_t list_blocks = 0;
  for (const auto& node : plan.nodes) {
    list_blocks += halvory::heap_block_bytes(node.actions.capacity() * sizeof(halvory::Action)) +
                   halvory::heap_block_bytes(node.children.capacity() * sizeof(std::size_t));
  }
  EXPECT_EQ(estimate->tree_bytes, 9 * sizeof(halvory::ActionPlan::Node) + list_blocks);
  EXPECT_EQ(estimate->card_context_bytes, cards.memory_bytes());
  EXPECT_EQ(estimate->total_bytes, peak_with_reads(*estimate, 0));
}

// The result rows the session builds, a deal's cards among them, are the
// bytes the estimate counts for them.
TEST(MemoryEstimate, ResultRowsAreCountedAsTheSessionBuildsThem) {
  SolveConfig request = with_sizes(toy_river(), "Ks7d2c5h", "turn");
  request.max_iterations = 1;
  const auto estimate = estimate_solve_memory(request);
  ASSERT_TRUE(estimate.has_value());

  std::promise<ResultSnapshot> result;
  SolveSession session;
  ASSERT_TRUE(session.start(request, [&result](const SolveProgress& report) {
    if (report.result) result.set_value(*report.result);
  }));
  std::future<ResultSnapshot> done = result.get_future();
  ASSERT_EQ(done.wait_for(std::chrono::seconds(120)), std::future_status::ready);
  const ResultSnapshot snapshot = done.get();
  ASSERT_TRUE(snapshot.ok) << snapshot.error;
  ASSERT_EQ(snapshot.tree_node_meta.size(), estimate->node_count);
  std::uint64_t rows = 0;
  bool deals = false;
  for (const TreeNodeMeta& meta : snapshot.tree_node_meta) {
    rows += sizeof(TreeNodeMeta) +
            halvory::heap_block_bytes(meta.actions.capacity() * sizeof(TreeNodeAction));
    deals = deals || meta.node_type == "chance";
  }
  EXPECT_TRUE(deals);
  EXPECT_EQ(estimate->result_bytes, rows);
}

// With ranges of some hundreds of hands the arrays outweigh the result rows
// even when packed.
TEST(MemoryEstimate, CompressHalvesStrategyBytes) {
  SolveConfig request = with_sizes(toy_river(), "Ks7d2c", "flop");
  request.oop_range = "22+,A2+,K2+,Q2+,J2s+,T2s+";
  request.ip_range = "22+,A2+,K2+,Q5+,J7+,T7+,97+,87";
  const auto plain = estimate_solve_memory(request);
  request.compress = true;
  const auto packed = estimate_solve_memory(request);
  ASSERT_TRUE(plain && packed);
  EXPECT_GT(plain->strategy_bytes, 0u);
  EXPECT_EQ(packed->strategy_bytes * 2, plain->strategy_bytes);
  EXPECT_EQ(packed->tree_bytes, plain->tree_bytes);
  EXPECT_EQ(packed->card_context_bytes, plain->card_context_bytes);
  const double saved = kMemoryMargin * static_cast<double>(packed->strategy_bytes);
  EXPECT_NEAR(static_cast<double>(plain->total_bytes - packed->total_bytes), saved, 1.0);
}

TEST(MemoryEstimate, RiverSpotIsSmallerThanFlopSpot) {
  const auto river = estimate_solve_memory(with_sizes(toy_river(), "Ks7d2c5h9s", "river"));
  const auto turn = estimate_solve_memory(with_sizes(toy_river(), "Ks7d2c5h", "turn"));
  const auto flop = estimate_solve_memory(with_sizes(toy_river(), "Ks7d2c", "flop"));
  ASSERT_TRUE(river && turn && flop);
  EXPECT_LT(river->tree_bytes * 10, turn->tree_bytes);
  EXPECT_LT(turn->tree_bytes * 10, flop->tree_bytes);
  EXPECT_LT(river->strategy_bytes * 10, flop->strategy_bytes);
  EXPECT_LT(river->total_bytes, turn->total_bytes);
  EXPECT_LT(turn->total_bytes, flop->total_bytes);
  EXPECT_LT(flop->decision_node_count, flop->node_count);
}

TEST(MemoryEstimate, FailuresGiveTheMessage) {
  SolveConfig request = toy_river();
  request.board = "Ks7d2";
  std::string error = "untouched";
  EXPECT_FALSE(estimate_solve_memory(request, &error).has_value());
  EXPECT_EQ(error, "Board must include at least a flop (6 chars, e.g. AhKsQd)");
  EXPECT_FALSE(estimate_solve_memory(request).has_value());  // no error text wanted

  request = toy_river();
  request.oop_range = "150%";
  EXPECT_FALSE(estimate_solve_memory(request, &error).has_value());
  EXPECT_EQ(error, "oop_range: Weight must be within [0, 1]");

  request = toy_river();
  request.ip_range = ".%";
  EXPECT_FALSE(estimate_solve_memory(request, &error).has_value());
  EXPECT_EQ(error, "ip_range: Invalid percent range '.%' (expected like '50%')");

  request = toy_river();
  request.oop_range = "KsKh";  // every hand touches the board
  EXPECT_FALSE(estimate_solve_memory(request, &error).has_value());
  EXPECT_EQ(error, "Player range empty after filtering board cards");
}

TEST(MemoryEstimate, HugeTreesAndCancelsAreRefusedWithTheirText) {
  SolveConfig wide = with_sizes(toy_river(), "QsJh2h", "flop");
  for (SizingConfig* s : {&wide.oop_flop, &wide.oop_turn, &wide.oop_river, &wide.ip_flop,
                          &wide.ip_turn, &wide.ip_river}) {
    *s = sizing("10, 20, 33, 50, 66, 75, 100, 125, 150, 200", "50, 75, 100, 150, 200");
  }
  const std::atomic<bool> raised{true};
  struct Case {
    const char* name;
    SolveConfig request;
    halvory::CancelFlag cancel;
    std::string message;
  };
  const Case cases[] = {
      {"ten bets, five raises", wide, nullptr,
       "Betting tree too large: more than 10000000 nodes (use fewer bet and raise sizes)"},
      {"cancelled", toy_river(), &raised, "Cancelled"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(estimate_solve_memory(c.request, &error, c.cancel).has_value()) << c.name;
    EXPECT_EQ(error, c.message) << c.name;
  }
}

TEST(MemoryEstimate, IcmRequestWithoutPayoutsIsStillEstimated) {
  SolveConfig request = toy_river();
  request.utility_model = "icm";
  std::string error;
  const auto estimate = estimate_solve_memory(request, &error);
  ASSERT_TRUE(estimate.has_value()) << error;
  EXPECT_EQ(estimate->node_count, 9u);
}

}  // namespace
