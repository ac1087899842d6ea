#include "session/solve_session.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cmath>
#include <condition_variable>
#include <iterator>
#include <memory>
#include <mutex>
#include <new>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "session/labels.hpp"
#include "solver/icm.hpp"

namespace {

using namespace halvory_app;
using namespace std::chrono_literals;

const std::string kApprox = "\xE2\x89\x88";

// Collects the reports of one solve; shared with the callback so it outlives
// the session in the destruction tests.
struct Recorder {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<SolveProgress> reports;
  bool running_at_final = true;
  bool done = false;

  ProgressCallback callback(const SolveSession* session = nullptr,
                            std::function<void(const SolveProgress&)> hook = nullptr) {
    return [this, session, hook](const SolveProgress& report) {
      if (hook) hook(report);
      std::lock_guard<std::mutex> lock(mutex);
      reports.push_back(report);
      if (report.result) {
        if (session != nullptr) running_at_final = session->is_running();
        done = true;
      }
      changed.notify_all();
    };
  }

  bool wait_done(std::chrono::seconds limit = 120s) {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, limit, [this] { return done; });
  }

  bool wait_for_status_prefix(const std::string& prefix, std::chrono::seconds limit = 120s) {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, limit, [&] {
      for (const auto& r : reports) {
        if (r.status.rfind(prefix, 0) == 0) return true;
      }
      return done;
    });
  }

  std::vector<std::string> statuses() {
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<std::string> out;
    for (const auto& r : reports) out.push_back(r.status);
    return out;
  }

  SolveProgress final_report() {
    std::lock_guard<std::mutex> lock(mutex);
    return reports.back();
  }
};

// A one-shot gate the callback can wait on.
struct Gate {
  std::mutex mutex;
  std::condition_variable cv;
  bool open = false;
  void wait() {
    std::unique_lock<std::mutex> lock(mutex);
    cv.wait(lock, [this] { return open; });
  }
  void release() {
    std::lock_guard<std::mutex> lock(mutex);
    open = true;
    cv.notify_all();
  }
};

SolveConfig river_spot(std::uint32_t iterations) {
  SolveConfig request;
  request.board = "Ks7d2c5h9s";
  request.starting_street = "river";
  request.starting_pot = 2280;
  request.effective_stack = 8890;
  request.oop_range = "AA,KK,QQ,JJ,AK,KQ,76s,43s";
  request.ip_range = "AA,99,77,AK,KJ,QJ,T8s,86s";
  request.oop_river = SizingConfig{"33, 75", "100", false, false};
  request.ip_river = SizingConfig{"50", "100", true, false};
  request.max_iterations = iterations;
  request.thread_count = 1;
  return request;
}

SolveConfig flop_spot(std::uint32_t iterations) {
  SolveConfig request = river_spot(iterations);
  request.board = "Ks7d2c";
  request.starting_street = "flop";
  request.oop_range = "AA,KK,QQ,JJ,TT,99,AK,AQ,KQ";
  request.ip_range = "88,77,66,AJ,KJ,QJ,JT,T9";
  for (SizingConfig* s :
       {&request.oop_flop, &request.oop_turn, &request.ip_flop, &request.ip_turn}) {
    *s = SizingConfig{"50", "100", false, false};
  }
  return request;
}

bool starts_with(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

TEST(SolveSession, StageTextsInOrderEndingInDone) {
  SolveSession session;
  Recorder recorder;
  Gate gate;
  bool refused_second_start = false;
  ASSERT_TRUE(session.start(river_spot(5), recorder.callback(&session, [&](const SolveProgress& r) {
    if (r.status == "Init: building game object...") gate.wait();
  })));
  // The worker is parked in its first report: a second start is refused.
  EXPECT_TRUE(session.is_running());
  refused_second_start = !session.start(river_spot(5), nullptr);
  EXPECT_TRUE(session.is_running());
  gate.release();
  ASSERT_TRUE(recorder.wait_done());
  EXPECT_TRUE(refused_second_start);

  const std::vector<std::string> statuses = recorder.statuses();
  ASSERT_EQ(statuses.size(), 11u);
  EXPECT_EQ(statuses[0], "Init: building game object...");
  EXPECT_EQ(statuses[1], "Init: building game tree structures...");
  EXPECT_EQ(statuses[2], "Init: starting solver...");
  for (int i = 1; i <= 5; ++i) {
    EXPECT_TRUE(
        starts_with(statuses[2 + i], "Iter " + std::to_string(i) + " | exploitability" + kApprox))
        << statuses[2 + i];
  }
  EXPECT_EQ(statuses[8], "Finalizing: computing results...");
  EXPECT_EQ(statuses[9], "Finalizing: building result snapshot...");
  EXPECT_EQ(statuses[10], "Done");
  EXPECT_FALSE(recorder.running_at_final);

  const auto reports = recorder.reports;
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(reports[i].progress, 0.0);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_DOUBLE_EQ(reports[2 + i].progress, std::min(i / 5.0, 0.999));
    EXPECT_FALSE(reports[2 + i].result.has_value());
  }
  EXPECT_DOUBLE_EQ(reports[8].progress, 0.999);
  EXPECT_DOUBLE_EQ(reports[9].progress, 0.999);
  EXPECT_EQ(reports[10].progress, 1.0);

  const ResultSnapshot& snapshot = *reports[10].result;
  EXPECT_TRUE(snapshot.ok);
  EXPECT_TRUE(snapshot.error.empty());
  EXPECT_EQ(snapshot.board, "Ks7d2c5h9s");
  EXPECT_EQ(snapshot.starting_pot, 2280);
  EXPECT_EQ(snapshot.effective_stack, 8890);
  EXPECT_EQ(snapshot.iterations, 5u);
  EXPECT_TRUE(std::isfinite(snapshot.exploitability));
  EXPECT_TRUE(std::isfinite(snapshot.ev_oop) && std::isfinite(snapshot.ev_ip));

  const auto [game, solver] = session.snapshot();
  ASSERT_TRUE(game && solver);
  EXPECT_EQ(solver->iterations_completed(), 5u);
  EXPECT_FLOAT_EQ(snapshot.exploitability, solver->last_exploitability());

  const auto& root = game->nodes[0];
  ASSERT_EQ(snapshot.root_action_names.size(), root.actions.size());
  ASSERT_EQ(snapshot.root_action_types.size(), root.actions.size());
  ASSERT_EQ(snapshot.root_action_frequencies.size(), root.actions.size());
  EXPECT_EQ(snapshot.root_action_names[0], "Check");
  EXPECT_EQ(snapshot.root_action_types[0], "check");
  EXPECT_EQ(snapshot.root_action_names[1], action_display_label(root.actions[1], 2280));
  EXPECT_NEAR(std::accumulate(snapshot.root_action_frequencies.begin(),
                              snapshot.root_action_frequencies.end(), 0.0),
              1.0, 1e-5);

  ASSERT_EQ(snapshot.tree_node_meta.size(), game->nodes.size());
  for (std::size_t n = 0; n < game->nodes.size(); ++n) {
    const auto& node = game->nodes[n];
    const TreeNodeMeta& meta = snapshot.tree_node_meta[n];
    EXPECT_EQ(meta.pot, node.pot);
    EXPECT_EQ(meta.invested_oop, node.invested[0]);
    EXPECT_EQ(meta.invested_ip, node.invested[1]);
    ASSERT_EQ(meta.actions.size(), node.actions.size());
    if (node.kind == halvory::NodeKind::Decision) {
      EXPECT_EQ(meta.node_type, "decision");
      EXPECT_EQ(meta.player, node.seat == 0 ? "OOP" : "IP");
    } else {
      EXPECT_EQ(meta.node_type, "terminal");  // a river tree has no chance nodes
      EXPECT_TRUE(meta.player.empty());
    }
    double sum = 0.0;
    for (std::size_t a = 0; a < node.actions.size(); ++a) {
      EXPECT_EQ(meta.actions[a].child_index, node.children[a]);
      EXPECT_EQ(meta.actions[a].action_type, action_size_key(node.actions[a], node.pot));
      sum += meta.actions[a].frequency;
    }
    if (!node.actions.empty()) {
      EXPECT_NEAR(sum, 1.0, 1e-5);
    }
  }
}

// A new solve builds its game only after the previous result is freed and
// its pages handed back: the release hook is held until the solve has
// announced its build, and must have run before the build goes on.
TEST(SolveSession, NewSolveBuildsAfterThePreviousResultIsFreed) {
  SolveSession session;
  Gate hold_release;
  std::atomic<bool> handed_back{false};
  session.set_memory_release([&] {
    hold_release.wait();
    handed_back = true;
  });
  Recorder first;
  ASSERT_TRUE(session.start(river_spot(3), first.callback()));
  ASSERT_TRUE(first.wait_done());
  ASSERT_NE(session.game_ptr(), nullptr);

  Recorder second;
  std::atomic<bool> built_after_release{false};
  ASSERT_TRUE(session.start(river_spot(3), second.callback(nullptr, [&](const SolveProgress& r) {
    if (r.status == "Init: building game tree structures...")
      built_after_release = handed_back.load();
  })));
  ASSERT_TRUE(second.wait_for_status_prefix("Init: building game object..."));
  std::this_thread::sleep_for(50ms);  // gives a solve that does not wait the time to run ahead
  hold_release.release();
  ASSERT_TRUE(second.wait_done());
  EXPECT_TRUE(built_after_release.load());
  EXPECT_TRUE(second.final_report().result->ok);
  session.set_memory_release(nullptr);  // the hook's state ends with this test
}

TEST(SolveSession, ZeroIterationsGiveEqualFrequenciesAndChanceRows) {
  SolveSession session;
  Recorder recorder;
  SolveConfig request = flop_spot(0);
  request.board = "Ks7d2c5h";
  request.starting_street = "turn";
  ASSERT_TRUE(session.start(request, recorder.callback(&session)));
  ASSERT_TRUE(recorder.wait_done());
  const auto reports = recorder.reports;
  const SolveProgress final_report = reports.back();
  ASSERT_EQ(final_report.status, "Done");
  for (const auto& r : reports) {
    if (r.status != "Done") {
      EXPECT_EQ(r.progress, 0.0) << r.status;
    }
  }
  const ResultSnapshot& snapshot = *final_report.result;
  EXPECT_EQ(snapshot.iterations, 0u);
  for (const float f : snapshot.root_action_frequencies) {
    EXPECT_FLOAT_EQ(f, 1.0f / static_cast<float>(snapshot.root_action_frequencies.size()));
  }
  bool saw_chance = false;
  for (const TreeNodeMeta& meta : snapshot.tree_node_meta) {
    if (meta.node_type != "chance") {
      EXPECT_TRUE(meta.chance_deal.empty());
      continue;
    }
    saw_chance = true;
    EXPECT_EQ(meta.chance_deal, "river");
    ASSERT_FALSE(meta.actions.empty());
    for (const TreeNodeAction& action : meta.actions) {
      EXPECT_EQ(action.action_type, "chance");
      EXPECT_EQ(action.name.size(), 2u);
      EXPECT_FLOAT_EQ(action.frequency, 1.0f / static_cast<float>(meta.actions.size()));
    }
  }
  EXPECT_TRUE(saw_chance);
}

TEST(SolveSession, CancelDuringIterationsEndsCancelledAndStoresNothing) {
  SolveSession session;
  Recorder recorder;
  SolveConfig request = river_spot(100000);
  ASSERT_TRUE(session.start(request, recorder.callback(&session, [&](const SolveProgress& r) {
    if (starts_with(r.status, "Iter 3 ")) session.cancel();
  })));
  ASSERT_TRUE(recorder.wait_done());
  const SolveProgress final_report = recorder.final_report();
  EXPECT_EQ(final_report.status, "Cancelled");
  EXPECT_EQ(final_report.progress, 0.0);
  ASSERT_TRUE(final_report.result.has_value());
  const ResultSnapshot& snapshot = *final_report.result;
  EXPECT_FALSE(snapshot.ok);
  EXPECT_EQ(snapshot.error, "Cancelled");
  EXPECT_EQ(snapshot.board, request.board);
  EXPECT_EQ(snapshot.starting_pot, request.starting_pot);
  EXPECT_EQ(snapshot.effective_stack, request.effective_stack);
  EXPECT_TRUE(snapshot.root_action_names.empty());
  EXPECT_TRUE(snapshot.root_action_types.empty());
  EXPECT_TRUE(snapshot.root_action_frequencies.empty());
  EXPECT_TRUE(snapshot.tree_node_meta.empty());
  EXPECT_FALSE(recorder.running_at_final);
  EXPECT_FALSE(session.game_ptr());
  EXPECT_FALSE(session.solver_ptr());
  // The solver stopped at its next poll: no iteration beyond the fourth.
  for (const std::string& status : recorder.statuses()) {
    EXPECT_FALSE(starts_with(status, "Iter 5 ")) << status;
    EXPECT_FALSE(starts_with(status, "Finalizing")) << status;
  }
}

TEST(SolveSession, CancelBeforeTheBuildEndsBeforeTheSolverStarts) {
  SolveSession session;
  Recorder recorder;
  SolveConfig request = flop_spot(100000);
  request.oop_range = "100%";
  request.ip_range = "100%";
  // The cancel is sent while the worker is held in its first report, so
  // it always arrives before the build.
  Gate reached;
  Gate resume;
  ASSERT_TRUE(session.start(request, recorder.callback(&session, [&](const SolveProgress& r) {
    if (r.status != "Init: building game object...") return;
    reached.release();
    resume.wait();
  })));
  reached.wait();
  session.cancel();
  resume.release();
  ASSERT_TRUE(recorder.wait_done());
  EXPECT_EQ(recorder.final_report().status, "Cancelled");
  for (const std::string& status : recorder.statuses()) {
    EXPECT_NE(status, "Init: building game tree structures...");
    EXPECT_FALSE(starts_with(status, "Iter"));
  }
  EXPECT_FALSE(session.game_ptr());
}

// Twenty-one players and as many paid places: the chip model's outcomes
// take a while to compute, and a cancel ends the run wherever it is.
TEST(SolveSession, CancelEndsAnIcmSpotWithManyPaidPlaces) {
  SolveSession session;
  Recorder recorder;
  SolveConfig request = flop_spot(100000);
  request.target_exploitability = -1.0;
  request.thread_count = 4;  // the outcomes are shared out among threads
  request.utility_model = "icm";
  request.oop_stack = 8890;
  request.ip_stack = 7400;
  for (int i = 0; i < 19; ++i) request.icm_other_stacks.push_back(3000 + 700 * i);
  for (int k = 0; k < 21; ++k) request.icm_payouts.push_back(2100 - 100 * k);
  ASSERT_TRUE(session.start(request, recorder.callback(&session)));
  std::this_thread::sleep_for(2s);
  session.cancel();
  ASSERT_TRUE(recorder.wait_done(60s));
  EXPECT_EQ(recorder.final_report().status, "Cancelled");
  EXPECT_FALSE(recorder.running_at_final);
  EXPECT_FALSE(session.game_ptr());
}

// Memory that runs out in a step of the solve ends it with that reason; the
// session takes the next start.
TEST(SolveSession, MemoryRunningOutEndsTheSolveWithItsReason) {
  SolveSession session;
  Recorder recorder;
  bool failed = false;  // touched by the solve thread only
  ASSERT_TRUE(
      session.start(river_spot(5), recorder.callback(&session, [&](const SolveProgress& report) {
        if (!report.result && !failed) {
          failed = true;
          throw std::bad_alloc();
        }
      })));
  ASSERT_TRUE(recorder.wait_done());
  const SolveProgress final_report = recorder.final_report();
  ASSERT_TRUE(final_report.result.has_value());
  EXPECT_FALSE(final_report.result->ok);
  EXPECT_EQ(final_report.result->refusal.code, halvory::RefusalCode::out_of_memory);
  EXPECT_FALSE(recorder.running_at_final);
  Recorder next;
  ASSERT_TRUE(session.start(river_spot(3), next.callback()));
  ASSERT_TRUE(next.wait_done());
  EXPECT_TRUE(next.final_report().result->ok);
}

TEST(SolveSession, FailuresBecomeErrorReports) {
  struct Case {
    SolveConfig request;
    std::string message;
  };
  std::vector<Case> cases;
  SolveConfig short_board = river_spot(5);
  short_board.board = "Ks7d2";
  cases.push_back({short_board, "Board must include at least a flop (6 chars, e.g. AhKsQd)"});

  SolveConfig icm = river_spot(5);
  icm.utility_model = "icm";
  cases.push_back({icm, "ICM mode requires oop_stack and ip_stack"});
  icm.oop_stack = 8000;
  icm.ip_stack = 6000;
  cases.push_back({icm, "ICM mode requires payouts (icm_payouts)"});
  icm.icm_payouts = {50, 30, 20, 10};
  icm.icm_other_stacks = {100};
  cases.push_back({icm, "ICM mode requires stack sizes for all payout places"});
  icm.icm_other_stacks.assign(26, 4000);
  icm.icm_payouts.assign(28, 10);
  cases.push_back({icm, "Too many paid places for the chip model: 28 paid, at most " +
                            std::to_string(halvory::icm_place_limit(28)) + " with 28 players"});

  SolveConfig bad_range = river_spot(5);
  bad_range.ip_range = "1.2.%x";
  bad_range.oop_range = "..%";
  cases.push_back({bad_range, "oop_range: Invalid percent range '..%' (expected like '50%')"});

  // Weights too small for the solver count as zero, leaving no range.
  SolveConfig underflow = river_spot(5);
  underflow.oop_range = "AA:1e-40";
  underflow.ip_range = "KK:1e-40";
  cases.push_back({underflow, "Player range empty after filtering board cards"});

  SolveConfig conflict = river_spot(5);
  conflict.board = "Ks7d2c5h5h";
  cases.push_back({conflict, "River conflicts with existing cards"});

  SolveConfig bad_card = river_spot(5);
  bad_card.board = "Ks7d2c5h9z";
  cases.push_back({bad_card, "Invalid suit character"});

  // Pot 10, stack 500, one-chip bets and raises: a min-raise ladder far
  // deeper than any thread's stack would survive.
  SolveConfig ladder = river_spot(5);
  ladder.starting_pot = 1000;
  ladder.effective_stack = 50000;
  ladder.oop_river = ladder.ip_river = SizingConfig{"1c", "1c", false, false};
  cases.push_back(
      {ladder,
       "Betting tree too deep: more than 250 actions on one line of play (use larger bet and raise "
       "sizes, or a raise cap)"});

  for (const Case& c : cases) {
    SolveSession session;
    Recorder recorder;
    ASSERT_TRUE(session.start(c.request, recorder.callback(&session)));
    ASSERT_TRUE(recorder.wait_done());
    const SolveProgress final_report = recorder.final_report();
    EXPECT_EQ(final_report.status, "Error: " + c.message);
    EXPECT_EQ(final_report.progress, 0.0);
    ASSERT_TRUE(final_report.result.has_value());
    EXPECT_FALSE(final_report.result->ok);
    EXPECT_EQ(final_report.result->error, c.message);
    EXPECT_EQ(final_report.result->board, c.request.board);
    EXPECT_FALSE(recorder.running_at_final);
    EXPECT_FALSE(session.game_ptr());
  }

  // The sizing context wrapper reaches the report word for word.
  SolveConfig bad_sizing = river_spot(5);
  bad_sizing.ip_turn.bet_sizes = "2x";
  SolveSession session;
  Recorder recorder;
  ASSERT_TRUE(session.start(bad_sizing, recorder.callback(&session)));
  ASSERT_TRUE(recorder.wait_done());
  EXPECT_TRUE(
      starts_with(recorder.final_report().status,
                  "Error: IP turn sizing (bet='2x', raise='', bet_norm='2x', raise_norm=''): "))
      << recorder.final_report().status;
}

TEST(SolveSession, TinyWeightsCountAsZero) {
  SolveSession session;
  Recorder recorder;
  SolveConfig request = river_spot(5);
  request.oop_range = "AA:1e-40,QQ";
  ASSERT_TRUE(session.start(request, recorder.callback(&session)));
  ASSERT_TRUE(recorder.wait_done());
  const SolveProgress final_report = recorder.final_report();
  ASSERT_EQ(final_report.status, "Done");
  EXPECT_TRUE(std::isfinite(final_report.result->ev_oop) &&
              std::isfinite(final_report.result->exploitability));
  EXPECT_EQ(session.game_ptr()->cards.pockets[0].size(), 6u);  // QQ only
}

TEST(SolveSession, SolvedGameReadsWholeAfterTheSessionIsGone) {
  std::shared_ptr<halvory::Game> game;
  std::shared_ptr<halvory::DiscountedCfr> solver;
  std::vector<float> before;
  {
    SolveSession session;
    Recorder recorder;
    ASSERT_TRUE(session.start(river_spot(5), recorder.callback(&session)));
    ASSERT_TRUE(recorder.wait_done());
    ASSERT_EQ(recorder.final_report().status, "Done");
    game = session.game_ptr();
    solver = session.solver_ptr();
    before = solver->node_cfvalues(*game, 0, halvory::Seat{0});
    // A cancel meant for a later solve must not cut this game's reads short.
    session.cancel();
    EXPECT_EQ(solver->node_cfvalues(*game, 0, halvory::Seat{0}), before);
  }
  // The session and its flag are gone; the game is still read in full.
  EXPECT_EQ(solver->node_cfvalues(*game, 0, halvory::Seat{0}), before);
}

TEST(SolveSession, LadderInsideTheDepthBoundSolves) {
  // A ladder of one-chip raises as deep as the tree bound lets a solve go.
  SolveConfig ladder = river_spot(3);
  ladder.starting_pot = 1000;
  ladder.effective_stack = 248;
  ladder.oop_river = ladder.ip_river = SizingConfig{"1c", "1c", false, false};
  SolveSession session;
  Recorder recorder;
  ASSERT_TRUE(session.start(ladder, recorder.callback(&session)));
  ASSERT_TRUE(recorder.wait_done());
  EXPECT_EQ(recorder.final_report().status, "Done");
}

TEST(SolveSession, UnrepresentableMoneyIsAnErrorNotACrash) {
  for (const auto& [pot, stack] :
       {std::pair{INT_MAX, INT_MAX}, std::pair{2000000000, 1000000000}}) {
    SolveSession session;
    Recorder recorder;
    SolveConfig request = river_spot(3);
    request.starting_pot = pot;
    request.effective_stack = stack;
    ASSERT_TRUE(session.start(request, recorder.callback(&session)));
    ASSERT_TRUE(recorder.wait_done());
    const SolveProgress final_report = recorder.final_report();
    EXPECT_TRUE(starts_with(final_report.status, "Error: ")) << final_report.status;
    EXPECT_FALSE(final_report.result->ok);
  }
}

TEST(SolveSession, DestroyingTheSessionMidSolveWaitsForTheWorker) {
  // No target and no practical iteration limit: only the session's end
  // stops this solve.
  SolveConfig endless = river_spot(UINT32_MAX);
  endless.target_exploitability = -1.0f;
  auto recorder = std::make_shared<Recorder>();
  {
    auto session = std::make_unique<SolveSession>();
    ASSERT_TRUE(session->start(endless, recorder->callback()));
    ASSERT_TRUE(recorder->wait_for_status_prefix("Iter 1 "));
    session.reset();
  }
  // The worker finished before the destructor returned.
  std::lock_guard<std::mutex> lock(recorder->mutex);
  ASSERT_TRUE(recorder->done);
  EXPECT_EQ(recorder->reports.back().status, "Cancelled");

  // Destroyed right after the start: also waits, also ends.
  auto early = std::make_shared<Recorder>();
  {
    SolveSession session;
    ASSERT_TRUE(session.start(endless, early->callback()));
  }
  std::lock_guard<std::mutex> early_lock(early->mutex);
  EXPECT_TRUE(early->done);
}

TEST(SolveSession, StartCancelStartLoopsStayConsistent) {
  SolveSession session;
  // The worker is held at each stage in turn while the cancel is sent, so the
  // cancel always arrives before the solve could end by itself.
  const char* stages[] = {
      "Init: building game object...",    "Init: building game tree structures...",
      "Init: starting solver...",         "Iter 1 ",
      "Finalizing: computing results...", "Finalizing: building result snapshot..."};
  for (int round = 0; round < 12; ++round) {
    const std::string stage = stages[round % std::size(stages)];
    Recorder recorder;
    Gate reached;
    Gate resume;
    bool held = false;  // worker thread only
    const auto hold_at_stage = [&](const SolveProgress& r) {
      if (r.result) reached.release();  // never held: fail, not hang
      if (held || !starts_with(r.status, stage)) return;
      held = true;
      reached.release();
      resume.wait();
    };
    ASSERT_TRUE(session.start(river_spot(100000), recorder.callback(&session, hold_at_stage)))
        << round;
    EXPECT_FALSE(session.start(river_spot(5), nullptr));
    reached.wait();
    session.cancel();
    resume.release();
    ASSERT_TRUE(recorder.wait_done());
    EXPECT_EQ(recorder.final_report().status, "Cancelled") << stage;
    EXPECT_FALSE(session.game_ptr());
  }
  // Back-to-back starts without waiting for the report handler.
  for (int round = 0; round < 5; ++round) {
    Recorder recorder;
    ASSERT_TRUE(session.start(river_spot(2), recorder.callback(&session)));
    ASSERT_TRUE(recorder.wait_done());
    EXPECT_EQ(recorder.final_report().status, "Done");
    while (session.is_running()) std::this_thread::yield();
  }
  EXPECT_TRUE(session.game_ptr());

  // A new start drops the previous result before its thread runs, while a
  // query's copy keeps the old objects alive.
  auto held = session.snapshot();
  Recorder recorder;
  Gate gate;
  ASSERT_TRUE(session.start(river_spot(2), recorder.callback(&session, [&](const SolveProgress& r) {
    if (r.status == "Init: building game object...") gate.wait();
  })));
  EXPECT_FALSE(session.game_ptr());
  EXPECT_FALSE(session.solver_ptr());
  EXPECT_FALSE(held.first->nodes.empty());
  gate.release();
  ASSERT_TRUE(recorder.wait_done());
  EXPECT_TRUE(session.game_ptr());
  EXPECT_NE(session.game_ptr(), held.first);
  session.clear_results();
  EXPECT_FALSE(session.game_ptr());
  EXPECT_FALSE(session.solver_ptr());
}

TEST(SolveSession, EmptyCallbackIsAllowed) {
  SolveSession session;
  ASSERT_TRUE(session.start(river_spot(3), nullptr));
  while (session.is_running()) std::this_thread::sleep_for(1ms);
  EXPECT_TRUE(session.game_ptr());
}

// Node locks with no iterations: the lock matrices are checked directly.
class NodeLocks : public ::testing::Test {
 protected:
  std::shared_ptr<halvory::Game> solve_with(std::vector<NodeLockRequest> locks) {
    SolveConfig request = river_spot(0);
    request.oop_range = "AA,KK";
    request.node_locks = std::move(locks);
    Recorder recorder;
    EXPECT_TRUE(session.start(request, recorder.callback(&session)));
    EXPECT_TRUE(recorder.wait_done());
    EXPECT_EQ(recorder.final_report().status, "Done");
    return session.game_ptr();
  }
  SolveSession session;
};

TEST_F(NodeLocks, ForcedActionAndExplicitVectors) {
  NodeLockRequest aces{0, "AA", 1, 1.7f, {}};
  NodeLockRequest kings{0, "KK", 0, 1.0f, {3.0f, -1.0f, NAN}};
  const auto game = solve_with({aces, kings});
  ASSERT_TRUE(game);
  const auto* lock = game->find_node_lock(0);
  ASSERT_NE(lock, nullptr);
  const auto& pockets = game->cards.pockets[0];
  const std::size_t hands = pockets.size();
  const std::size_t n = game->nodes[0].actions.size();
  ASSERT_EQ(n, 3u);  // check and two bet sizes
  ASSERT_EQ(lock->size(), n * hands);
  for (std::size_t h = 0; h < hands; ++h) {
    const std::string label = hand_class_label(pockets[h]);
    for (std::size_t a = 0; a < n; ++a) {
      const float expected = label == "AA" ? (a == 1 ? 1.0f : 0.0f) : (a == 0 ? 1.0f : 0.0f);
      EXPECT_FLOAT_EQ((*lock)[a * hands + h], expected) << label << " action " << a;
    }
  }
}

TEST_F(NodeLocks, PartialProbabilitySpreadsTheRestAndUnmatchedHandsStayFree) {
  NodeLockRequest early{0, "AA", 0, 1.0f, {}};
  NodeLockRequest later{0, "AA", 2, 0.4f, {}};  // replaces the earlier request
  const auto game = solve_with({early, later});
  const auto* lock = game->find_node_lock(0);
  ASSERT_NE(lock, nullptr);
  const auto& pockets = game->cards.pockets[0];
  const std::size_t hands = pockets.size();
  for (std::size_t h = 0; h < hands; ++h) {
    if (hand_class_label(pockets[h]) == "AA") {
      EXPECT_FLOAT_EQ((*lock)[0 * hands + h], 0.3f);
      EXPECT_FLOAT_EQ((*lock)[1 * hands + h], 0.3f);
      EXPECT_FLOAT_EQ((*lock)[2 * hands + h], 0.4f);
    } else {
      for (std::size_t a = 0; a < 3; ++a) EXPECT_LT((*lock)[a * hands + h], 0.0f);
    }
  }
}

TEST_F(NodeLocks, UnusableRequestsChangeNothing) {
  const auto probe = solve_with({});
  ASSERT_TRUE(probe);
  std::size_t terminal = 0;
  for (std::size_t i = 0; i < probe->nodes.size(); ++i) {
    if (probe->nodes[i].kind == halvory::NodeKind::Terminal) terminal = i;
  }
  ASSERT_NE(terminal, 0u);
  const auto game = solve_with({
      NodeLockRequest{probe->nodes.size(), "AA", 0, 1.0f, {}},  // beyond the tree
      NodeLockRequest{terminal, "AA", 0, 1.0f, {}},             // not a decision node
      NodeLockRequest{0, "AA", 0, 1.0f, {1.0f, 0.0f}},          // wrong vector length
      NodeLockRequest{0, "AA", -1, 1.0f, {}},                   // no such action
      NodeLockRequest{0, "AA", 3, 1.0f, {}},                    // no such action
      NodeLockRequest{0, "72o", 0, 1.0f, {}},                   // no such hand
      NodeLockRequest{0, "", 0, 1.0f, {}},                      // no hand
  });
  ASSERT_TRUE(game);
  EXPECT_TRUE(game->node_locks.empty());
}

}  // namespace
