#pragma once

// Terminal payoffs: the value of every hand of the traversing seat at a fold
// or a showdown terminal, given the opponent's reach. Values are in hundredths
// of a chip (cash) or prize units (ICM) per unit of joint range weight: every
// payoff is divided by the card context's matchup weight.
//
// Showdowns cost O(hands of both seats): the card context keeps each runout's
// hands sorted by strength, and card removal is done by inclusion-exclusion
// over 52 per-card sums instead of a pair loop. No function here throws, and
// none allocates once its scratch has grown; a size mismatch yields zeros.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "solver/icm.hpp"  // rake_after
#include "tree/game.hpp"

namespace halvory {

// The pot a cash terminal pays out: the starting pot and what both seats
// have matched; an unmatched bet goes back to its owner.
inline double contested_pot(const GameConfig& config, const NodeRecord& node) {
  return static_cast<double>(std::int64_t{config.starting_pot} + 2 * std::int64_t{node.matched});
}

// The rake charged when the hand ends at `node`: on the contested pot in cash
// games, on the whole pot under ICM (as the payoffs below take it).
double terminal_rake(const Game& game, const NodeRecord& node);

// The seat's hands that share no card with the node's turn and river.
std::span<const std::uint16_t> live_hands(const Game& game, const NodeRecord& node,
                                          std::uint8_t seat);

// Writes m_i x payoff at each live hand i of `seat`, m_i the opponent's reach
// over the live hands that share no card with i.
void fold_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat, double payoff,
                 std::span<const float> opponent_reach, std::span<float> out);

// All-in before the river: the expectation over the runouts still to come.
// Writes the whole output.
void incomplete_board_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                             std::span<const float> opponent_reach, std::span<float> out);

// Runs body(begin, end) over ranges covering [0, n) once, possibly on several
// threads at once, and returns when every range has run.
using RangeBody = std::function<void(std::size_t begin, std::size_t end)>;
using RangeRunner = std::function<void(std::size_t n, const RangeBody& body)>;

// incomplete_board_payoff with the turn cards and then the hands spread over
// `run_ranges`; `rows` is scratch (grown, never shrunk). Every sum takes its
// terms in the order of the form above, so the result is the same bit for bit.
void incomplete_board_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                             std::span<const float> opponent_reach, std::span<float> out,
                             const RangeRunner& run_ranges, std::vector<double>& rows);

// A showdown on a complete board, valued as the mode and the rake ask; false
// (the output left as it was) when the board is not complete or the runout's
// lists do not fit the spans.
bool showdown_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                     std::span<const float> opponent_reach, std::span<float> out);

// The traversing seat's value of every hand at a terminal node. Writes the
// whole output.
void terminal_eval(const Game& game, const NodeRecord& node, std::uint8_t seat,
                   std::span<const float> opponent_reach, std::span<float> out);

// One terminal of a batch, with the fold beside it that sees the same
// opponent reach (the traverser's own fold), if any.
struct ShowdownJob {
  const NodeRecord* node = nullptr;
  std::span<const float> reach;
  std::span<float> out;
  const NodeRecord* fold = nullptr;
  std::span<float> fold_out;
};

// Values terminals of one board for `seat`: each job's outputs are those of
// terminal_eval on its node and on its fold, bit for bit, except that a fold
// valued with its showdown takes its compatible reach from the showdown's
// sums (the same bits: a fold on a complete board sums in the runout's
// order). Complete-board showdowns of the same runout run several at a time
// through one merge (lane_capacity of the kernel tier).
void showdown_batch(const Game& game, std::uint8_t seat, std::span<const ShowdownJob> jobs);

// Cache lines asked for a few at a time while the showdown merges compute:
// the arrays a river batch sweeps once its terminals are valued. Asked for
// all at once, they stall the core until most have arrived; a few per block
// of hands ride along the merges' arithmetic. One per thread; only hints, so
// a range left over changes nothing but the cache.
class PrefetchDrip {
 public:
  void add(const void* data, std::size_t bytes) {
    if (count_ == kRanges) drain();
    const char* p = static_cast<const char*>(data);
    next_[count_] = p;
    end_[count_] = p + bytes;
    ++count_;
  }
  // Asks for up to `lines` more lines, in the order the ranges were added.
  void step(std::size_t lines) {
    for (; lines > 0 && at_ < count_; ++at_) {
      const char*& p = next_[at_];
      for (; lines > 0 && p < end_[at_]; --lines, p += kLine) __builtin_prefetch(p, 0, 2);
      if (p < end_[at_]) return;
    }
  }
  // Asks for the rest and empties the queue.
  void drain() {
    step(SIZE_MAX);
    count_ = at_ = 0;
  }

 private:
  static constexpr std::size_t kRanges = 256;
  static constexpr std::size_t kLine = 64;
  const char* next_[kRanges];
  const char* end_[kRanges];
  std::size_t count_ = 0;
  std::size_t at_ = 0;
};

// This thread's queue.
PrefetchDrip& prefetch_drip();

}  // namespace halvory
