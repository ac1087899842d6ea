#include "session/solve_session.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "context/card_context.hpp"
#include "context/thread_start.hpp"
#include "context/worker_threads.hpp"
#include "session/action_shares.hpp"
#include "session/ev_offset.hpp"
#include "session/labels.hpp"
#include "session/request_conversion.hpp"

namespace halvory_app {

struct SolveSession::WorkerRecord {
  SolveSession* session = nullptr;
  SolveConfig request;
  ProgressCallback on_progress;
};

namespace {

// Thrown inside the worker when a cancel is seen between build stages.
struct CancelledSolve {};

// Frequencies of a node no combo reaches: the plain mean scaled to sum 1, or
// shared equally when nothing is positive, so that a node never shows an
// empty strategy.
void normalize_frequencies(std::vector<float>& frequencies) {
  double sum = 0.0;
  for (const float f : frequencies) sum += f;
  if (sum > 0.0) {
    for (float& f : frequencies) f = static_cast<float>(f / sum);
  } else if (!frequencies.empty()) {
    const float equal = static_cast<float>(1.0 / static_cast<double>(frequencies.size()));
    for (float& f : frequencies) f = equal;
  }
}

float sanitized_frequency(const std::vector<float>& frequencies, std::size_t i) {
  if (i >= frequencies.size()) return 0.0f;
  const float f = frequencies[i];
  return std::isfinite(f) && f >= 0.0f ? f : 0.0f;
}

const char* node_type_text(int kind) {
  switch (kind) {
    case 0:
      return "decision";
    case 1:
      return "chance";
    default:
      return "terminal";
  }
}

// Lock strategy of one hand: probabilities over the node's n actions.
void hand_lock_row(const NodeLockRequest& entry, std::size_t n, std::vector<double>& row) {
  row.assign(n, 0.0);
  if (entry.action_probs.empty()) {
    if (n == 1) {
      row[0] = 1.0;
      return;
    }
    const double p = entry.action_prob;
    const double rest = (1.0 - p) / static_cast<double>(n - 1);
    for (std::size_t a = 0; a < n; ++a) {
      row[a] = a == static_cast<std::size_t>(entry.action_index) ? p : rest;
    }
    return;
  }
  double sum = 0.0;
  for (const float v : entry.action_probs) {
    if (std::isfinite(v) && v > 0.0f) sum += v;
  }
  for (std::size_t a = 0; a < n; ++a) {
    const float v = entry.action_probs[a];
    if (sum > 0.0) {
      row[a] = std::isfinite(v) && v > 0.0f ? v / sum : 0.0;
    } else {
      row[a] = 1.0 / static_cast<double>(n);
    }
  }
}

void apply_node_locks(halvory::Game& game, const std::vector<NodeLockRequest>& requests) {
  const std::size_t node_count = game.nodes.size();
  // Node -> hand label -> request; a later request for a hand replaces an earlier one.
  std::map<std::size_t, std::unordered_map<std::string, NodeLockRequest>> by_node;
  for (const NodeLockRequest& request : requests) {
    if (request.hand.empty() || request.node_index >= node_count) continue;
    NodeLockRequest stored = request;
    stored.action_prob = std::clamp(stored.action_prob, 0.0f, 1.0f);
    if (std::isnan(request.action_prob)) stored.action_prob = 0.0f;
    by_node[static_cast<std::size_t>(request.node_index)][request.hand] = std::move(stored);
  }

  std::vector<double> row;
  for (auto& [node_index, entries] : by_node) {
    const auto& node = game.nodes[node_index];
    if (static_cast<int>(node.kind) != 0 || node.actions.empty()) continue;
    const std::size_t n = node.actions.size();
    for (auto it = entries.begin(); it != entries.end();) {
      const NodeLockRequest& entry = it->second;
      const bool bad_vector = !entry.action_probs.empty() && entry.action_probs.size() != n;
      const bool bad_index =
          entry.action_probs.empty() && static_cast<std::uint64_t>(entry.action_index) >= n;
      it = bad_vector || bad_index ? entries.erase(it) : std::next(it);
    }
    if (entries.empty()) continue;

    const auto& pockets = game.cards.pockets[node.seat];
    const std::size_t hands = pockets.size();
    std::vector<float> lock(n * hands, -1.0f);
    bool matched = false;
    for (std::size_t h = 0; h < hands; ++h) {
      const auto found = entries.find(hand_class_label(pockets[h]));
      if (found == entries.end()) continue;
      hand_lock_row(found->second, n, row);
      for (std::size_t a = 0; a < n; ++a) lock[a * hands + h] = static_cast<float>(row[a]);
      matched = true;
    }
    if (matched) game.assign_node_lock(node_index, std::move(lock));
  }
}

// The final report of a cancelled solve: no result, whatever was filled in.
SolveProgress cancelled_report(ResultSnapshot snapshot) {
  snapshot.ok = false;
  snapshot.error = "Cancelled";
  snapshot.root_action_names.clear();
  snapshot.root_action_types.clear();
  snapshot.root_action_frequencies.clear();
  snapshot.tree_node_meta.clear();
  snapshot.iterations = 0;
  snapshot.exploitability = 0.0f;
  snapshot.ev_oop = 0.0f;
  snapshot.ev_ip = 0.0f;
  return SolveProgress{0.0, "Cancelled", std::move(snapshot)};
}

template <typename Node>
std::int32_t label_pot(const Node& node, std::int32_t starting_pot) {
  return node.pot > 0 ? node.pot : starting_pot;
}

}  // namespace

SolveSession::~SolveSession() {
  cancel_requested.store(true);
  if (worker.joinable()) {
    // A callback that drops the session from the solve thread itself
    // cannot wait for its own thread.
    if (worker.get_id() == std::this_thread::get_id()) {
      worker.detach();
    } else {
      worker.join();
    }
  }
  clear_results();
}

void SolveSession::join_finished_worker() {
  if (!worker.joinable()) return;
  if (worker.get_id() == std::this_thread::get_id()) {
    worker.detach();
  } else {
    // The previous worker has cleared `running`; at most it is still
    // delivering its final report.
    worker.join();
  }
}

bool SolveSession::start(const SolveConfig& request, ProgressCallback on_progress) {
  if (running.exchange(true)) return false;
  try {
    join_finished_worker();
    cancel_requested.store(false);
    clear_results();

    auto record = std::make_unique<WorkerRecord>();
    record->session = this;
    record->request = request;
    record->on_progress = std::move(on_progress);
    worker = std::thread(&SolveSession::run_worker, std::move(record));
  } catch (...) {
    running.store(false);
    throw;
  }
  return true;
}

bool SolveSession::cancel() {
  return cancel_requested.exchange(true);
}

bool SolveSession::is_running() const {
  return running.load();
}

void SolveSession::clear_results() {
  std::shared_ptr<halvory::Game> old_game;
  std::shared_ptr<halvory::DiscountedCfr> old_solver;
  {
    std::lock_guard<std::mutex> lock(mutex);
    old_game = std::move(game);
    old_solver = std::move(solver);
  }
  // Released outside the lock and off the caller's thread (solver first): a
  // large tree takes a good part of a second to free, and neither queries
  // nor the window must wait for it. Without a thread it is freed here.
  if (!old_solver && !old_game) return;
  // Each release waits for the one before, so the newest future stands for
  // all of them. Should no thread start, the promise breaks, which also
  // ends a wait, once the objects are freed here.
  auto done = std::make_shared<std::promise<void>>();
  std::shared_future<void> earlier;
  std::function<void()> trim;
  {
    std::lock_guard<std::mutex> lock(mutex);
    earlier = std::exchange(released, done->get_future().share());
    trim = memory_release;
  }
  halvory::run_detached([solver = std::move(old_solver), game = std::move(old_game),
                         done = std::move(done), earlier = std::move(earlier),
                         trim = std::move(trim)]() mutable {
    solver.reset();
    game.reset();
    if (trim) trim();
    if (earlier.valid()) earlier.wait();
    done->set_value();
  });
}

void SolveSession::set_memory_release(std::function<void()> release) {
  std::lock_guard<std::mutex> lock(mutex);
  memory_release = std::move(release);
}

void SolveSession::set_log(std::function<void(std::string_view)> log) {
  std::lock_guard<std::mutex> lock(mutex);
  log_sink = std::move(log);
}

void SolveSession::wait_for_released_results() const {
  std::shared_future<void> pending;
  {
    std::lock_guard<std::mutex> lock(mutex);
    pending = released;
  }
  if (pending.valid()) pending.wait();
}

std::pair<std::shared_ptr<halvory::Game>, std::shared_ptr<halvory::DiscountedCfr>>
SolveSession::snapshot() const {
  std::lock_guard<std::mutex> lock(mutex);
  return {game, solver};
}

std::shared_ptr<halvory::Game> SolveSession::game_ptr() const {
  std::lock_guard<std::mutex> lock(mutex);
  return game;
}

std::shared_ptr<halvory::DiscountedCfr> SolveSession::solver_ptr() const {
  std::lock_guard<std::mutex> lock(mutex);
  return solver;
}

void SolveSession::run_worker(std::unique_ptr<WorkerRecord> record) {
  halvory::run_thread_start_hook();
  SolveSession& session = *record->session;
  try {
    session.solve(record->request, record->on_progress);
    return;
  } catch (...) {
    // Memory ran out even for the words of the failure. Everything the solve
    // held is freed by now, so the short report below has room.
  }
  try {
    ResultSnapshot snapshot;
    snapshot.ok = false;
    snapshot.error = "std::bad_alloc";
    snapshot.refusal.code = halvory::RefusalCode::out_of_memory;
    session.finish(record->on_progress, SolveProgress{0.0, "Error", std::move(snapshot)});
  } catch (...) {
    // Not even that: the session is idle again, and the next start is taken.
    session.running.store(false);
  }
}

void SolveSession::finish(const ProgressCallback& on_progress, SolveProgress report) {
  // Cleared first so that whoever handles the final report finds the
  // session idle.
  running.store(false);
  if (!on_progress) return;
  try {
    on_progress(std::move(report));
  } catch (...) {
    // Nothing is left to report to; an escaping exception would end the process.
  }
}

void SolveSession::solve(const SolveConfig& request, const ProgressCallback& on_progress) {
  ResultSnapshot snapshot;
  snapshot.board = request.board;

  const auto report = [&](double progress, const char* status) {
    if (on_progress) on_progress(SolveProgress{progress, status, std::nullopt});
  };
  const auto check_cancel = [&] {
    if (cancel_requested.load()) throw CancelledSolve{};
  };

  SolveProgress final_report;
  // Outside the guard, so that a cancelled solve can drop its tree without
  // making the caller wait for it to be freed.
  std::shared_ptr<halvory::Game> built_game;
  try {
    ConvertedRequest converted = convert_request(request, ConversionPurpose::solve);
    snapshot.starting_pot = converted.game.starting_pot;
    snapshot.effective_stack = converted.game.effective_stack;
    const std::int32_t starting_pot = converted.game.starting_pot;
    check_cancel();

    report(0.0, "Init: building game object...");
    // The previous result's memory first: a spot that only just fits must
    // not be built on top of its remains.
    wait_for_released_results();
    check_cancel();
    {
      const halvory::CancelFlag cancel = &cancel_requested;
      halvory::CardContext cards(converted.board, converted.oop_range, converted.ip_range,
                                 converted.short_deck, cancel, request.thread_count);
      built_game =
          std::make_shared<halvory::Game>(std::move(converted.game), std::move(cards), cancel,
                                          static_cast<std::size_t>(request.thread_count));
    }
    check_cancel();
    if (!request.node_locks.empty()) apply_node_locks(*built_game, request.node_locks);

    const std::uint32_t max_iterations = request.max_iterations;
    auto on_iteration = [&on_progress, max_iterations](unsigned iteration, float exploitability,
                                                       double) {
      if (!on_progress) return;
      on_progress(SolveProgress{iteration_progress(iteration, max_iterations),
                                iteration_status(iteration, exploitability), std::nullopt});
    };
    auto should_cancel = [this] { return cancel_requested.load(); };

    std::function<void(std::string_view)> on_log;
    {
      std::lock_guard<std::mutex> lock(mutex);
      on_log = log_sink;
    }
    report(0.0, "Init: building game tree structures...");
    auto built_solver = std::make_shared<halvory::DiscountedCfr>(make_solver_config(
        request, std::move(on_iteration), std::move(should_cancel), std::move(on_log)));
    check_cancel();
    report(0.0, "Init: starting solver...");
    built_solver->run(*built_game);
    check_cancel();
    // The results read only the strategy sums; the rows built below take
    // the regrets' place.
    built_solver->release_iteration_memory();

    const double progress =
        iteration_progress(built_solver->iterations_completed(), max_iterations);
    report(progress, "Finalizing: computing results...");
    snapshot.iterations = built_solver->iterations_completed();
    snapshot.exploitability = built_solver->last_exploitability();
    // The solver's root EV weighs every hand pair (card removal counted);
    // the offset gives it the meaning every node query uses.
    const auto [ev_oop, ev_ip] = built_solver->compute_current_ev(*built_game);
    snapshot.ev_oop = static_cast<float>(ev_oop + ev_offset(*built_game, 0, 0));
    snapshot.ev_ip = static_cast<float>(ev_ip + ev_offset(*built_game, 0, 1));
    if (!std::isfinite(snapshot.ev_oop) || !std::isfinite(snapshot.ev_ip) ||
        !std::isfinite(snapshot.exploitability)) {
      halvory::refuse(halvory::RefusalCode::not_finite,
                      "The solve produced values that are not finite numbers; check the range "
                      "weights, pot and stack");
    }
    check_cancel();

    const auto& nodes = built_game->nodes;
    if (!nodes.empty()) {
      const auto& root = nodes[0];
      const std::int32_t root_pot = starting_pot > 0 ? starting_pot : root.pot;
      for (std::size_t i = 0; i < root.actions.size(); ++i) {
        snapshot.root_action_names.push_back(action_display_label(root.actions[i], root_pot));
        snapshot.root_action_types.push_back(action_size_key(root.actions[i], root_pot));
      }
    }

    report(progress, "Finalizing: building result snapshot...");
    const std::vector<std::vector<float>> shares = tree_action_shares(*built_game, *built_solver);
    check_cancel();
    snapshot.tree_node_meta.reserve(nodes.size());
    for (std::size_t index = 0; index < nodes.size(); ++index) {
      const auto& node = nodes[index];
      TreeNodeMeta meta;
      const int kind = static_cast<int>(node.kind);
      meta.node_type = node_type_text(kind);
      if (kind == 0) meta.player = node.seat == 1 ? "IP" : "OOP";
      if (kind == 1) {
        if (node.turn == halvory::kNoCard) {
          meta.chance_deal = "turn";
        } else if (node.river == halvory::kNoCard) {
          meta.chance_deal = "river";
        }
      }
      meta.pot = node.pot;
      meta.invested_oop = node.invested[0];
      meta.invested_ip = node.invested[1];
      const std::int32_t pot = label_pot(node, starting_pot);
      const bool reached = index < shares.size() && shares[index].size() == node.actions.size();
      const std::vector<float> frequencies = reached || node.actions.empty()
                                                 ? std::vector<float>{}
                                                 : built_solver->average_action_frequencies(index);
      meta.actions.resize(node.actions.size());
      std::vector<float> node_frequencies(node.actions.size());
      for (std::size_t i = 0; i < node.actions.size(); ++i) {
        TreeNodeAction& action = meta.actions[i];
        action.name = action_display_label(node.actions[i], pot);
        action.action_type = action_size_key(node.actions[i], pot);
        node_frequencies[i] = sanitized_frequency(reached ? shares[index] : frequencies, i);
        action.child_index =
            i < node.children.size() ? static_cast<std::uint32_t>(node.children[i]) : 0u;
      }
      normalize_frequencies(node_frequencies);
      for (std::size_t i = 0; i < node_frequencies.size(); ++i) {
        meta.actions[i].frequency = node_frequencies[i];
      }
      if (index == 0) {
        for (const TreeNodeAction& action : meta.actions)
          snapshot.root_action_frequencies.push_back(action.frequency);
      }
      snapshot.tree_node_meta.push_back(std::move(meta));
      // A large tree takes a moment to summarise; stay responsive to cancel.
      if ((index & 0x3FFF) == 0) check_cancel();
    }
    check_cancel();
    // The session's cancel flag serves the next solve; the queries of this
    // one run on other threads, possibly after the session is gone.
    built_solver->end_cancel_polling();

    {
      std::lock_guard<std::mutex> lock(mutex);
      game = std::move(built_game);
      solver = std::move(built_solver);
    }
    snapshot.ok = true;
    final_report = SolveProgress{1.0, "Done", std::move(snapshot)};
  } catch (const CancelledSolve&) {
    final_report = cancelled_report(std::move(snapshot));
    if (built_game) halvory::free_nodes_in_background(std::move(built_game->plan.nodes));
  } catch (const halvory::BuildCancelled&) {
    final_report = cancelled_report(std::move(snapshot));
  } catch (const std::bad_alloc&) {
    // Told as memory running out, whichever step asked for it.
    snapshot.ok = false;
    snapshot.error = "std::bad_alloc";
    snapshot.refusal = halvory::Refusal{halvory::RefusalCode::out_of_memory, {}, {}};
    final_report = SolveProgress{0.0, "Error: " + snapshot.error, std::move(snapshot)};
  } catch (const std::exception& e) {
    snapshot.ok = false;
    snapshot.error = e.what();
    snapshot.refusal = halvory::refusal_of(e);
    final_report = SolveProgress{0.0, "Error: " + snapshot.error, std::move(snapshot)};
  } catch (...) {
    snapshot.ok = false;
    snapshot.error = "Unknown error";
    final_report = SolveProgress{0.0, "Error: Unknown error", std::move(snapshot)};
  }
  finish(on_progress, std::move(final_report));
}

}  // namespace halvory_app
