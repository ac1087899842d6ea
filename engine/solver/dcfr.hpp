#pragma once

// Discounted counterfactual regret minimisation over a Game.
//
// Every per-node array is a flat f32 array of A x H entries by action rows
// (action a, hand h at a * H + h), H being the length of the acting seat's
// `pockets` list. One iteration makes a full pass with seat 0 as traverser,
// then one with seat 1; each pass updates the traverser's regrets and
// strategy sums at its own decision nodes and returns per-hand
// counterfactual values.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string_view>
#include <memory>
#include <mutex>
#include <new>
#include <thread>
#include <type_traits>
#include <span>
#include <utility>
#include <vector>

#include "solver/arena.hpp"
#include "solver/kernels.hpp"
#include "solver/payoffs.hpp"
#include "context/worker_pool.hpp"
#include "tree/game.hpp"

namespace halvory {

// 0 out of position (first to act), 1 in position.
using Seat = std::uint8_t;

template <bool Writable>
class BasicNodeArrays;
using NodeArrays = BasicNodeArrays<false>;
using WritableNodeArrays = BasicNodeArrays<true>;

// Solver state of one tree node. Only decision nodes with at least one action
// are initialised; every other node keeps the empty form. The node's A x H
// arrays live in the solver's arenas, all four at the same `offset` (one
// entry index shared by the f32 and the packed arenas): one record per tree
// node stays small, and the arrays of a subtree sit next to each other.
struct NodeState {
  std::uint8_t seat = 0;
  std::uint8_t initialized = 0;
  float regret_scale = 1.0f;        // of the packed regrets
  float strategy_sum_scale = 1.0f;  // of the packed strategy sums
  std::uint64_t num_actions = 0;    // A
  std::uint64_t num_hands = 0;      // H of the acting seat
  std::uint64_t offset = 0;         // first entry of the node's arrays in each arena
};

// Discount weights of one iteration index.
struct DiscountWeights {
  float positive = 0.0f;  // applied to non-negative regrets
  float strategy = 0.0f;  // applied to the strategy sums
};

// What a run trains: each node's state and the arenas its arrays live in,
// A x H entries per initialised node at its offset. Without packing the f32
// forms exist and the packed ones are empty; with packing the other way
// round (packed regrets are half-precision codes times regret_scale, packed
// strategy sums code / 32767 * strategy_sum_scale). Plain data: the solver's
// regret pass writes it, everything else reads it through the const views.
struct TrainedState {
  std::vector<NodeState> states;
  Arena<float> regrets;
  Arena<float> strategy_sums;
  Arena<std::int16_t> packed_regrets;
  Arena<std::int16_t> packed_strategy_sums;
  bool packed = false;

  std::span<const float> regrets_of(const NodeState& state) const { return slice(regrets, state); }
  std::span<const float> strategy_sums_of(const NodeState& state) const {
    return slice(strategy_sums, state);
  }
  std::span<const std::int16_t> packed_regrets_of(const NodeState& state) const {
    return slice(packed_regrets, state);
  }
  std::span<const std::int16_t> packed_strategy_sums_of(const NodeState& state) const {
    return slice(packed_strategy_sums, state);
  }

  // The state's entries of an arena; empty when the arena is not allocated
  // or the state has no arrays. Writable only from a writable arena.
  template <class ArenaOf>
  static auto slice(ArenaOf& arena, const NodeState& state) -> decltype(arena.all()) {
    const std::size_t n = state.num_actions * state.num_hands;
    if (n == 0 || state.offset + n > arena.size) return {};
    return arena.all().subspan(state.offset, n);
  }
};

namespace solver_testing {
class DcfrSteps;
}

class DiscountedCfr {
 public:
  struct Config {
    std::uint32_t max_iterations;
    float target_exploitability;
    // Measure every this many iterations (and at the last); 0 = only at the
    // last, and the target never stops the run.
    std::uint32_t exploitability_interval;
    bool verbose;
    bool compress;          // keep regrets and strategy sums as int16 between visits
    std::uint64_t threads;  // the calling thread included
    std::function<void(unsigned iteration, float exploitability, double iteration_ms)> on_iteration;
    std::function<bool()> should_cancel;
    // Where the run's report goes: with verbose, a progress line every 50
    // iterations and one at the end; with the profile on, its summary. The
    // engine itself never prints.
    std::function<void(std::string_view text)> on_log;
  };

  explicit DiscountedCfr(Config config);
  ~DiscountedCfr();
  DiscountedCfr(const DiscountedCfr&) = delete;
  DiscountedCfr& operator=(const DiscountedCfr&) = delete;

  // Solves the game in place: prepares the node states, then iterates until
  // the limit, the target exploitability or cancellation. A cancel is also
  // seen inside an iteration or an exploitability pass (at chance nodes and
  // near the root), which then skips the rest of the tree and ends the run
  // at once: the sums are then unfit for use, and the run reports nothing
  // more.
  void run(const Game& game);

  // Stops looking at the cancel hook. A solved game outlives the run and
  // whoever could cancel it, and its later reads must never stop short.
  void end_cancel_polling() { config.should_cancel = nullptr; }

  // Frees what only the iterations use: the regrets (the results below read
  // the strategy sums) and the scratch the passes grew. Half the trained
  // memory is then free for what a caller builds from the results; the reads
  // grow scratch of their own, and another run starts afresh anyway. Not
  // while a run or a read is under way.
  void release_iteration_memory();

  // --- Results (after run) ---------------------------------------------------
  // Average strategy, A x H by action rows; empty for a node without state.
  std::vector<float> average_strategy(std::size_t node) const;
  // Per action, the plain mean of the average strategy over the node's hands.
  std::vector<float> average_action_frequencies(std::size_t node) const;

  std::pair<float, float> compute_current_ev(const Game& game);  // (seat 0, seat 1)
  float compute_exploitability(const Game& game);

  // Values of one seat at a node, the opponent weighted by its root range.
  std::vector<float> node_cfvalues(const Game& game, std::size_t node, Seat seat) const;
  std::vector<float> node_cfvalues_with_reach(const Game& game, std::size_t node, Seat seat,
                                              std::span<const float> reach) const;

  // The last measured exploitability (0 before the first measurement) and
  // the iterations the last run completed.
  float last_exploitability() const { return last_exploitability_; }
  std::uint32_t iterations_completed() const { return iterations_completed_; }

  // What the last run trained.
  const TrainedState& trained_state() const { return trained; }

 private:
  // The steps of one iteration, the recursions and the node arrays. Tests
  // and benchmarks that drive single iterations reach them through
  // solver_testing::DcfrSteps (dcfr_testing.hpp); the application uses the members
  // above.
  friend class solver_testing::DcfrSteps;

  float last_exploitability_ = 0.0f;
  std::uint32_t iterations_completed_ = 0;

  // Reusable buffers of one recursion depth. Buffers only ever grow.
  struct ScratchFrame {
    std::vector<float> chance_reach;
    std::vector<float> child_values;  // children x H of the traverser
    std::vector<float> chance_sum;
    std::vector<float> permuted_row;
    std::vector<std::uint16_t> distinct_slots;
    std::vector<std::uint16_t> slot_representative;
    std::vector<float> action_values;  // A x H of the traverser
    std::vector<float> traverser_strategy;
    std::vector<float> traverser_scratch;
    std::vector<float> opponent_strategy;
    std::vector<float> opponent_scratch;
    std::vector<float> opponent_reach;  // A x H of the opponent
    // Decoded copies of packed arrays while the node is on the path.
    std::vector<float> unpacked_regrets;
    std::vector<float> unpacked_sums;
  };

  // 32 inline frames, then an overflow queue grown on demand (a deque keeps
  // earlier frames in place while deeper ones are added).
  class ScratchStack {
   public:
    static constexpr std::size_t kInlineFrames = 32;
    ScratchFrame& frame(std::size_t depth);
    // Per-turn rows of a split all-in; a terminal needs no frame of its own.
    std::vector<double> all_in_rows;
    // Lent to a runner of a split chance node (run_chance_jobs).
    bool in_split = false;

    // One step of a batch's plan (river_batch.cpp): a decision node, a
    // terminal, or a root or river deal waiting for its values.
    struct RiverEntry {
      std::uint32_t node = 0;
      bool opponent = false;
      const float* reach = nullptr;
      float* out = nullptr;
      float* children = nullptr;  // the children's values, A x H
      std::uint32_t fold = 0;     // a terminal's fold valued with it; 0 = none
      float* fold_out = nullptr;
      std::uint32_t depth = 0;
    };
    // A batch's plan: river subtrees (`river`), or a turn's decisions down to
    // its river deals (`turn`), whose subtrees then go by river card through
    // `river` batches.
    struct BatchPlan {
      std::vector<RiverEntry> todo;
      std::vector<RiverEntry> steps;
      std::vector<std::uint32_t> nodes;
      std::vector<std::uint32_t> decisions;
      std::vector<ShowdownJob> jobs;
      std::vector<RiverEntry> roots;   // the subtrees of one river batch
      std::vector<RiverEntry> leaves;  // a turn plan's river deals
      std::vector<float> values;
    };
    BatchPlan river;
    BatchPlan turn;
    BatchPlan flop;
    // A turn batch's river subtrees, or a flop batch's turn subtrees: (deal,
    // slot) by the card dealt.
    struct DealSlot {
      std::uint32_t leaf = 0;
      std::uint16_t slot = 0;
      CardCode card = 0;
      std::uint32_t node = 0;  // the deal's child in that slot
    };
    std::vector<DealSlot> deal_slots;
    std::vector<DealSlot> flop_slots;  // a flop batch's turn cards
    std::vector<RiverEntry> flop_roots;
    std::vector<std::uint32_t> flop_groups;
    std::vector<std::uint32_t> deal_groups;
    std::vector<RiverEntry> river_fallbacks;

   private:
    std::array<ScratchFrame, kInlineFrames> inline_frames;
    std::deque<ScratchFrame> overflow;
  };

  // --- One iteration ---------------------------------------------------------
  static DiscountWeights discount_weights(std::uint32_t i);
  void prepare_states(const Game& game);
  void prepare_river_shapes(const Game& game);
  void prefault_arenas();
  void run_iteration(const Game& game, std::uint32_t i);
  void solve_recursive(const Game& game, std::size_t node, Seat traverser,
                       std::span<const float> reach, std::span<float> out, std::size_t depth,
                       ScratchStack& stack);

  std::pair<float, float> compute_mes_ev(const Game& game);  // best responses
  // A seat's values of a subtree: both seats on their average strategies,
  // or the seat on its best response (value_recursive).
  void compute_cfvalue_recursive(const Game& game, std::size_t node, Seat seat,
                                 std::span<const float> reach, std::span<float> out,
                                 std::size_t depth, ScratchStack& stack) const;
  void compute_best_cfvalue_recursive(const Game& game, std::size_t node, Seat seat,
                                      std::span<const float> reach, std::span<float> out,
                                      std::size_t depth, ScratchStack& stack) const;

  // --- State -----------------------------------------------------------------
  Config config;
  std::uint32_t iteration = 0;
  std::array<std::vector<float>, 2> root_values;  // per seat, last pass
  std::array<std::vector<float>, 2> ev_values;    // per seat, value passes
  TrainedState trained;
  // Turn and river subtrees as batches (solve_batch, value_batch); off, the
  // plain recursive steps (the same numbers, node by node).
  bool river_batches = true;
  // The most scratch (in floats) one river batch may take, one turn plan (its
  // river deals' values included) and one flop plan; several subtrees of one
  // river card join one batch up to the group bound (or the batch bound, if
  // lower), and several of one turn card one turn plan likewise.
  std::size_t river_scratch_floats = std::size_t{1} << 18;
  std::size_t turn_scratch_floats = std::size_t{1} << 19;
  std::size_t flop_scratch_floats = std::size_t{1} << 21;
  static constexpr std::size_t kRiverGroupFloats = std::size_t{1} << 15;
  static constexpr std::size_t kTurnGroupFloats = std::size_t{1} << 18;
  std::vector<std::uint8_t> children_distinct;
  // River deals whose subtrees all have one shape (the tree lays each card's
  // out after the one before): the first card's, walked once, stands for
  // every card's in the river batches' sizing.
  struct ShapeDecision {
    std::uint32_t offset = 0;  // from the subtree's root
    std::uint16_t actions = 0;
    Seat seat = 0;
  };
  struct RiverShape {
    std::uint32_t chance = 0;
    std::uint32_t begin = 0;  // its complete decisions, in the order the walk
    std::uint32_t end = 0;    // meets them: river_shape_nodes[begin, end)
    std::uint32_t nodes = 0;  // the subtree's records: offsets below this
  };
  std::vector<RiverShape> river_shapes;  // by chance node
  std::vector<ShapeDecision> river_shape_nodes;
  float weight_positive = 0.0f;
  float weight_negative = 0.5f;
  float weight_strategy = 0.0f;
  std::uint64_t threads = 1;
  std::unique_ptr<WorkerPool> pool;
  std::array<std::unique_ptr<ScratchStack>, 2> stacks;  // per seat

  // Deeper than this, only chance nodes look at the cancel flag: a handful
  // of calls per iteration, yet a large tree is left within milliseconds.
  static constexpr std::size_t kCancelPollDepth = 4;
  bool cancel_seen(const NodeRecord& record, std::size_t depth) const {
    return (record.kind == NodeKind::Chance || depth <= kCancelPollDepth) && config.should_cancel &&
           config.should_cancel();
  }

  // What a split of work over the pool is for; split_chunks decides them all.
  enum class SplitSite : std::uint8_t {
    chance_regret,   // the children of a chance node in the regret pass
    chance_value,    // the same in the value passes
    all_in_runouts,  // the runouts of an all-in before the turn
  };
  struct SplitAsk {
    SplitSite site;
    std::size_t jobs = 0;      // indices to spread
    std::size_t children = 0;  // of a chance node
    std::size_t hands = 0;     // of the traverser
    std::size_t depth = 0;
    bool distinct = true;  // a chance node whose children are all different
    bool nested = false;   // asked from inside a runner of another split
  };
  // The most threads a split may run on (for the all-in runouts, its
  // chunks), or 0 when the work stays on the calling thread. A split never
  // changes a result: each index is computed alone and summed in index order
  // afterwards.
  std::size_t split_chunks(const SplitAsk& ask) const;
  // Runs body(begin, end) over [0, n): on the pool and this thread together
  // in at most `chunks` chunks, or here at once when chunks is 0.
  template <class Body>
  void run_split(std::size_t chunks, std::size_t n, Body&& body) const {
    if (chunks == 0) {
      if (n > 0) body(std::size_t{0}, n);
      return;
    }
    halvory::parallel_for(pool.get(), chunks, n, std::forward<Body>(body));
  }

  template <class Jobs>
  void run_chance_jobs(std::size_t runners, std::size_t n, ScratchStack& stack,
                       Jobs&& run_jobs) const;

  // Stacks lent to the job ranges of split chance nodes; kept for reuse so
  // the recursion stops allocating once they have grown.
  class StackPool {
   public:
    std::unique_ptr<ScratchStack> acquire();
    void release(std::unique_ptr<ScratchStack> stack) noexcept;
    // Destroys every stack on the shelves.
    void clear() noexcept;
    // Stacks on the shelves now (a hint: other threads may take them).
    std::size_t spare() const noexcept { return stocked.load(std::memory_order_relaxed); }

   private:
    // Stacks go back to the thread that used them last, so a job's scratch
    // is usually still in that core's cache.
    struct Shelf {
      std::thread::id owner;
      std::vector<std::unique_ptr<ScratchStack>> stacks;
    };
    std::mutex mutex;
    std::vector<Shelf> shelves;
    std::atomic<std::size_t> stocked{0};  // stacks on the shelves; written under mutex
  };
  struct StackLease;

  // The node's arrays as every pass reads them (node_arrays.hpp), read-only;
  // the regret pass's update writes through arrays_to_update.
  NodeArrays arrays_of(const NodeState& state) const;
  WritableNodeArrays arrays_to_update(const NodeState& state);

  // Starts fetching the arrays a visit of `node` by the traverser's pass will
  // read, so that they arrive while other work runs.
  void prefetch_node(std::size_t node, Seat traverser) const;

  // A terminal's values; an all-in on the flop spreads its runouts over the
  // pool (the same values as on one thread).
  void terminal_values(const Game& game, const NodeRecord& record, Seat seat,
                       std::span<const float> reach, std::span<float> out,
                       ScratchStack& stack) const;
  void solve_chance(const Game& game, std::size_t node, Seat traverser,
                    std::span<const float> reach, std::span<float> out, std::size_t depth,
                    ScratchStack& stack);
  void opponent_step(const Game& game, std::size_t node, Seat traverser,
                     std::span<const float> reach, std::span<float> out, std::size_t depth,
                     ScratchStack& stack);
  void traverser_step(const Game& game, std::size_t node, Seat traverser,
                      std::span<const float> reach, std::span<float> out, std::size_t depth,
                      ScratchStack& stack);
  // An opponent node before its children: each child's reach into
  // child_reach (A x H_o). False when the node has no usable arrays; its
  // value is then 0 and its subtree is not visited.
  bool opponent_reaches(const Game& game, std::size_t node, std::span<const float> reach,
                        float* child_reach, ScratchFrame& frame) const;
  // A traverser node after its children: the node's value into out, then
  // its regrets and strategy sums updated.
  void traverser_update(const Game& game, std::size_t node, const float* action_values,
                        std::span<float> out, ScratchFrame& frame);
  // Which pass a river batch serves: the regret pass, or a value pass under
  // the average strategies or with a best response.
  enum class RiverPass : std::uint8_t { regrets, average, best_response };
  // A decision node on the turn or the river and everything below it as
  // batches (river_batch.cpp), in the regret pass and in a value pass. On the
  // river the subtree is one batch; on the turn its decisions down to the
  // river deals are one plan, then the river subtrees of every deal that
  // share a river card one batch, so that their showdowns share merges.
  void solve_batch(const Game& game, std::size_t root, Seat traverser, std::span<const float> reach,
                   std::span<float> out, std::size_t depth, ScratchStack& stack);
  void value_batch(const Game& game, std::size_t root, Seat seat, std::span<const float> reach,
                   std::span<float> out, std::size_t depth, ScratchStack& stack,
                   bool best_response) const;
  // The steps a batch takes from its pass, each called as
  // (node, reach, out, depth, stack): a decision node's own step (when a
  // plan does not fit), a deal's step, the recursion (for a river subtree
  // that fits no batch); and own(node, A, rows, out, frame), the update or
  // value of the seat's own nodes.
  template <class Decision, class Chance, class Recurse, class Own>
  struct BatchSteps {
    RiverPass pass;
    Decision decision;
    Chance chance;
    Recurse recurse;
    Own own;
  };
  auto regret_steps(const Game& game, Seat traverser);
  auto value_steps(const Game& game, Seat seat, bool best_response) const;
  template <class Steps>
  void batch(const Game& game, std::size_t root, Seat seat, std::span<const float> reach,
             std::span<float> out, std::size_t depth, ScratchStack& stack,
             const Steps& steps) const;
  template <class Steps>
  void river_batch(const Game& game, std::size_t root, Seat seat, std::span<const float> reach,
                   std::span<float> out, std::size_t depth, ScratchStack& stack,
                   const Steps& steps) const;
  template <class Steps>
  void turn_batch(const Game& game, std::size_t root, Seat seat, std::span<const float> reach,
                  std::span<float> out, std::size_t depth, ScratchStack& stack,
                  const Steps& steps) const;
  template <class Steps>
  void turn_roots(const Game& game, std::span<const ScratchStack::RiverEntry> roots, Seat seat,
                  std::size_t H, std::size_t H_o, ScratchStack& stack, const Steps& steps) const;
  template <class Steps>
  void run_turn_plan(const Game& game, std::span<const ScratchStack::RiverEntry> roots,
                     std::size_t floats, Seat seat, std::size_t H, std::size_t H_o,
                     ScratchStack& stack, const Steps& steps) const;
  template <class Steps>
  void deal_slots(const Game& game, std::vector<ScratchStack::RiverEntry>& leaves, std::size_t H,
                  std::size_t H_o, ScratchStack& stack, const Steps& steps,
                  std::vector<ScratchStack::DealSlot>& slots) const;
  std::size_t deal_split(RiverPass pass, std::size_t jobs, std::size_t H, std::size_t depth,
                         bool nested) const;
  void deal_values(const Game& game, Seat seat, std::span<const ScratchStack::RiverEntry> leaves,
                   std::size_t H, std::size_t H_o, ScratchFrame& frame) const;
  template <class Steps>
  void river_deals(const Game& game, Seat seat, std::size_t H, std::size_t H_o, ScratchStack& stack,
                   const Steps& steps, std::span<const ShowdownJob> terminals) const;
  // A flop decision node: its decisions down to the turn deals as one plan,
  // then every turn card of every deal (one job per card), and the flop's
  // all-ins, as one split.
  template <class Steps>
  void flop_batch(const Game& game, std::size_t root, Seat seat, std::span<const float> reach,
                  std::span<float> out, std::size_t depth, ScratchStack& stack,
                  const Steps& steps) const;
  template <class Steps>
  void deal_group(const Game& game, Seat seat, std::size_t H, std::size_t H_o,
                  std::span<const ScratchStack::DealSlot> slots,
                  std::span<const ScratchStack::RiverEntry> leaves, ScratchStack& stack,
                  const Steps& steps) const;
  // The plan, terminals and bottom-up values of the river subtrees in
  // stack.river.roots, whose decisions batch_floats put in
  // stack.river.decisions and which take `floats` of scratch together.
  template <class Own>
  void run_river_roots(const Game& game, Seat seat, std::size_t H, std::size_t H_o,
                       std::size_t floats, ScratchStack& stack, RiverPass pass, Own&& own) const;
  // A plan's values bottom-up: the f64 row sums at the opponent's nodes,
  // own(...) at the seat's.
  template <class Own>
  void bottom_up(const Game& game, const ScratchStack::BatchPlan& plan, std::size_t H,
                 ScratchFrame& frame, Own&& own) const;
  // Floats of scratch the plan of the subtree at `root` takes, its decision
  // nodes added to plan.decisions; 0 when it would pass `limit`, or when it
  // meets a chance node and !to_deals (a river plan). A turn plan
  // (to_deals) stops at the river deals and counts their scratch.
  std::size_t batch_floats(const Game& game, std::size_t root, Seat traverser, std::size_t H,
                           std::size_t H_o, ScratchStack::BatchPlan& plan, RiverPass pass,
                           bool to_deals, std::size_t limit) const;
  // The scratch a decision with A actions takes in a plan: its children's
  // values, and at the opponent's, their reaches.
  static std::size_t decision_floats(std::size_t A, bool opponent, std::size_t H, std::size_t H_o) {
    return A * H + (opponent && A > 1 ? A * H_o : 0);
  }
  // batch_floats of a river plan at `root`, the child of river deal `chance`:
  // from the deal's shape when it has one.
  std::size_t river_floats(const Game& game, std::size_t chance, std::size_t root, Seat traverser,
                           std::size_t H, std::size_t H_o, ScratchStack::BatchPlan& plan,
                           RiverPass pass) const;
  // Top-down half of a batch: reaches, the steps of the bottom-up half, the
  // terminals and the river deals, added to the plan; scratch from `next`.
  void plan_batch(const Game& game, const ScratchStack::RiverEntry& root, Seat traverser,
                  std::size_t H, std::size_t H_o, ScratchStack::BatchPlan& plan, float*& next,
                  ScratchFrame& frame, RiverPass pass) const;
  // Whether the node counts as the opponent's in the pass: the regret pass
  // goes by the node's state, the value passes by its record.
  bool river_opponent(const Game& game, std::size_t node, Seat seat, RiverPass pass) const {
    return pass == RiverPass::regrets ? is_opponent(node, seat) : game.nodes[node].seat != seat;
  }
  // Whether the traverser's pass can visit a decision node with these hand
  // counts; a node that cannot is worth 0 and its subtree is not visited.
  bool decision_ready(const Game& game, std::size_t node, Seat traverser, std::size_t H) const;
  bool is_opponent(std::size_t node, Seat traverser) const {
    return node >= trained.states.size() || trained.states[node].seat != traverser;
  }
  // The opponent's or the traverser's step at a decision node.
  void decision_step(const Game& game, std::size_t node, Seat traverser,
                     std::span<const float> reach, std::span<float> out, std::size_t depth,
                     ScratchStack& stack);
  // Shared body of the two value passes; best_response picks the pass.
  // value_decision is its step at a decision node.
  void value_decision(const Game& game, std::size_t node, Seat seat, std::span<const float> reach,
                      std::span<float> out, std::size_t depth, ScratchStack& stack,
                      bool best_response) const;
  // The opponent's reach per action under its average strategy
  // (A x H_o into child_reach).
  void average_reaches(std::size_t node, std::size_t A, std::span<const float> reach,
                       float* child_reach, ScratchFrame& frame) const;
  // The seat's value at its own node from its actions' rows (A x H): under
  // its average strategy, or the best response's.
  void own_node_value(const Game& game, std::size_t node, std::size_t A, const float* rows,
                      std::span<float> out, ScratchFrame& frame, bool best_response) const;
  void value_recursive(const Game& game, std::size_t node, Seat seat, std::span<const float> reach,
                       std::span<float> out, std::size_t depth, ScratchStack& stack,
                       bool best_response) const;
  void value_chance(const Game& game, std::size_t node, Seat seat, std::span<const float> reach,
                    std::span<float> out, std::size_t depth, ScratchStack& stack,
                    bool best_response) const;
  // Average strategy of a state over num_hands hands into `strategy`
  // (A x num_hands); uniform when the state has no matching sums. `decoded`
  // and `totals` are scratch.
  void average_strategy_into(const NodeState& state, std::size_t num_actions, std::size_t num_hands,
                             std::vector<float>& strategy, std::vector<float>& decoded,
                             std::vector<float>& totals) const;
  std::pair<float, float> root_pass(const Game& game, bool best_response);

  mutable StackPool spare_stacks;
};

}  // namespace halvory
