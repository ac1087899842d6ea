#pragma once

// Helpers shared by the solver's translation units (not part of the API).

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <span>
#include <thread>
#include <vector>

#include "solver/dcfr.hpp"

namespace halvory {

// A stack borrowed from the solver's spare stacks for one range of chance
// jobs, returned (with its grown buffers) when the range ends.
struct DiscountedCfr::StackLease {
  explicit StackLease(StackPool& from) : pool(from), stack(from.acquire()) {}
  ~StackLease() { pool.release(std::move(stack)); }
  StackLease(const StackLease&) = delete;
  StackLease& operator=(const StackLease&) = delete;

  StackPool& pool;
  std::unique_ptr<ScratchStack> stack;
};

// Runs the children of a chance node as jobs over [0, n): on at most
// `runners` threads, each taking the next job as it finishes one, or here on
// `stack` (frames below the node's depth are free while it is being valued).
// The calling thread runs its jobs on `stack` too, unless it is inside a
// runner already (a nested split it waits for can hand it another); every
// other runner takes a stack lent for it once it has a job, so a split
// leases no more stacks than other threads run its jobs.
template <class Jobs>
void DiscountedCfr::run_chance_jobs(std::size_t runners, std::size_t n, ScratchStack& stack,
                                    Jobs&& run_jobs) const {
  if (runners == 0) {
    run_jobs(std::size_t{0}, n, stack);
    return;
  }
  const std::thread::id caller = std::this_thread::get_id();
  bool own_stack_free = true;  // read and written only by the calling thread
  halvory::parallel_claims(pool.get(), runners, n, [&](IndexClaims& claims) {
    std::size_t job = 0;
    if (!claims.take(job)) return;
    // The thread is asked first: no other thread may read the flag.
    if (std::this_thread::get_id() == caller && own_stack_free) {
      // Marked as inside a split while the jobs run, and given back as it
      // was also when a job throws.
      struct OwnStackUse {
        bool& free;
        ScratchStack& stack;
        const bool was_in_split = stack.in_split;
        OwnStackUse(bool& f, ScratchStack& s) : free(f), stack(s) {
          free = false;
          stack.in_split = true;
        }
        ~OwnStackUse() {
          stack.in_split = was_in_split;
          free = true;
        }
      } use(own_stack_free, stack);
      do run_jobs(job, job + 1, stack);
      while (claims.take(job));
      return;
    }
    StackLease lease(spare_stacks);
    lease.stack->in_split = true;
    do run_jobs(job, job + 1, *lease.stack);
    while (claims.take(job));
  });
}

}  // namespace halvory

namespace halvory::dcfr_detail {

// Scratch buffers only ever grow, so a frame stops allocating once it has
// seen its largest node.
template <class T>
inline void grow(std::vector<T>& buffer, std::size_t n) {
  if (buffer.size() < n) buffer.resize(n);
}

inline void fill_zero(std::span<float> out) {
  if (!out.empty()) std::memset(out.data(), 0, out.size() * sizeof(float));
}

// Probability of one dealt card at a chance node: 1 / (cards left in the
// deck), or 1 / children when the node deals nothing new.
inline float chance_weight(const Game& game, const NodeRecord& node, std::size_t children) {
  long cards = std::popcount(game.cards.deck_mask);
  bool adjusted = false;
  if (node.turn == kNoCard) {
    cards -= 7;
    adjusted = true;
  } else if (node.river == kNoCard) {
    cards -= 8;
    adjusted = true;
  }
  if (adjusted && cards >= 1) return 1.0f / static_cast<float>(cards);
  if (children == 0) return 1.0f;
  return 1.0f / static_cast<float>(children);
}

// Child slot of the canonical card, per non-canonical card of the node.
inline const std::vector<std::uint8_t>& representatives(const Game& game, const NodeRecord& node) {
  const SuitIsomorphism& iso = game.cards.suit_isomorphism;
  if (node.street == kStreetTurn) return iso.turn_representatives;
  if (node.street == kStreetRiver && node.turn != kNoCard &&
      node.turn < iso.river_representatives.size())
    return iso.river_representatives[node.turn];
  return game.empty_card_list;
}

// Adds, for every non-canonical card, its canonical card's row with the
// seat's hands exchanged (the mirrored subtree that the tree leaves out).
inline void add_isomorphic_rows(const Game& game, const NodeRecord& node, Seat seat,
                                const float* child_values, std::size_t children, std::size_t H,
                                float* chance_sum, std::vector<float>& permuted) {
  const std::vector<std::uint8_t>& reps = representatives(game, node);
  for (std::size_t i = 0; i < reps.size(); ++i) {
    const std::size_t slot = reps[i];
    if (slot >= children) continue;
    const float* row = child_values + slot * H;
    const HandSwapList& swaps = game.suit_maps(node, i)[seat & 1];
    if (swaps.empty()) {
      axpy(chance_sum, row, H, 1.0f);
      continue;
    }
    grow(permuted, H);
    float* p = permuted.data();
    if (H != 0) std::memcpy(p, row, H * sizeof(float));
    for (const HandSwap& swap : swaps) {
      if (swap.first < H && swap.second < H) std::swap(p[swap.first], p[swap.second]);
    }
    axpy(chance_sum, p, H, 1.0f);
  }
}

// The opponent's reach below a chance node with `children` slots: its reach
// times the probability of one dealt card, into `buffer`.
inline const float* chance_reach(const Game& game, const NodeRecord& node, std::size_t children,
                                 std::span<const float> reach, std::vector<float>& buffer) {
  grow(buffer, reach.size());
  scale_into(buffer.data(), reach.data(), chance_weight(game, node, children), reach.size());
  return buffer.data();
}

// A chance node's value from its children's rows (children x H): every
// dealt card's row, then the mirrored cards' rows, summed into out.
inline void chance_value(const Game& game, const NodeRecord& node, Seat seat, const float* rows,
                         std::size_t children, std::span<float> out, std::vector<float>& sum,
                         std::vector<float>& permuted) {
  const std::size_t H = out.size();
  grow(sum, H);
  std::memset(sum.data(), 0, H * sizeof(float));
  sum_rows_into(sum.data(), rows, children, H);
  add_isomorphic_rows(game, node, seat, rows, children, H, sum.data(), permuted);
  std::memcpy(out.data(), sum.data(), H * sizeof(float));
}

// Brings every cache line of an array in at once. A node's arrays are read
// straight after a long recursion has evicted them; many outstanding misses
// fetch them far faster than the hardware prefetcher's ramp-up does.
// read and write: for use now, so the lines are loaded, one byte each: a
// burst of prefetch hints longer than the few misses a core tracks loses
// most of its hints, while loads wait their turn, and a loop of nothing but
// loads keeps more misses in flight than the kernel that then uses the
// lines. later: hints into the second-level cache, for use after some other
// work, which must not wait for them.
enum class PrefetchFor { read, write, later };
inline void prefetch_lines(const void* data, std::size_t bytes,
                           PrefetchFor use = PrefetchFor::read) {
  const char* p = static_cast<const char*>(data);
  if (use == PrefetchFor::later) {
    for (std::size_t offset = 0; offset < bytes; offset += 64) __builtin_prefetch(p + offset, 0, 2);
    return;
  }
  char seen = 0;
#pragma GCC unroll 8
  for (std::size_t offset = 0; offset < bytes; offset += 64) seen ^= p[offset];
  asm volatile("" ::"r"(seen));  // the loads are the point: keep them
}

// The two packed forms. Strategy sums (non-negative, every hand's row summing
// to the same total) are linear: code / 32767 * scale, scale = max |x|.
// Regrets are half-precision floats times a power-of-two scale: a node's
// regrets span many orders of magnitude, because a hand that the
// opponent's likely holdings block sees only the opponent's unlikely ones,
// and linear codes rounded such hands' regrets to 0, which made them play
// uniformly where the full-float solve kept learning.
enum class PackedForm : std::uint8_t { linear, half };

// Packs n values into n codes of the form, setting the scale; all zero
// entries (or n = 0) give zero codes with scale 1. known_max, when not
// negative, is max_abs(values, n) found by the caller's own pass.
inline void pack_int16(const float* values, std::size_t n, std::int16_t* packed, float& scale,
                       PackedForm form = PackedForm::linear, float known_max = -1.0f) {
  scale = 1.0f;
  if (n == 0) return;
  const float m = known_max >= 0.0f ? known_max : max_abs(values, n);
  if (!(m > 0.0f)) {
    std::memset(packed, 0, n * sizeof(std::int16_t));
    return;
  }
  if (form == PackedForm::linear) {
    scale = m;
    quantize_int16(packed, values, m, n);
    return;
  }
  // m < 2^k, so every value times 2^(15 - k) stays below 2^15, inside the
  // half range; both powers of two are exact, so only the half rounds.
  int k = 0;
  std::frexp(std::min(m, std::numeric_limits<float>::max()), &k);
  k = std::max(k, -100);  // regrets below 2^-100 of a chip are noise
  scale = std::ldexp(1.0f, k - 15);
  quantize_half(packed, values, std::ldexp(1.0f, 15 - k), n);
}

// Decodes a packed array of n entries into buffer (grown to n); all zero
// when the codes are missing or the scale is not positive.
inline float* unpack_int16(std::span<const std::int16_t> packed, float scale, std::size_t n,
                           std::vector<float>& buffer, PackedForm form = PackedForm::linear) {
  grow(buffer, n);
  float* out = buffer.data();
  if (n == 0) return out;
  if (packed.size() >= n && scale > 0.0f) {
    if (form == PackedForm::linear) {
      dequantize_int16(out, packed.data(), scale, n);
    } else {
      dequantize_half(out, packed.data(), scale, n);
    }
  } else {
    std::memset(out, 0, n * sizeof(float));
  }
  return out;
}

// Visits the children of a node where `seat` acts, whose values all see the
// same opponent reach. The seat's own fold beside a complete-board showdown
// (its fold and its call) is handed over as one pair, to be valued by one
// merge; every other child goes to child(a). Both passes and the river batch
// plan their children here.
template <class Child, class Pair>
void traverser_children(const Game& game, const NodeRecord& record, Child&& child, Pair&& pair) {
  const std::size_t A = record.actions.size();
  std::size_t fold = A;
  std::size_t showdown = A;
  for (std::size_t a = 0; a < A; ++a) {
    const NodeRecord& c = game.nodes[record.children[a]];
    if (c.kind != NodeKind::Terminal) continue;
    if (c.last_action == ActionKind::Fold) {
      if (fold == A) fold = a;
    } else if (showdown == A) {
      showdown = a;
    }
  }
  // An all-in before the river is no merge: it goes its own way, over the
  // pool.
  const bool paired = fold < A && showdown < A &&
                      game.nodes[record.children[showdown]].river != kNoCard &&
                      game.nodes[record.children[showdown]].turn != kNoCard;
  for (std::size_t a = 0; a < A; ++a) {
    if (paired && a == fold) continue;
    if (paired && a == showdown) {
      pair(showdown, fold);
    } else {
      child(a);
    }
  }
}

// The pair of traverser_children valued at once into rows (A x H).
inline void value_fold_and_showdown(const Game& game, const NodeRecord& record, std::uint8_t seat,
                                    std::span<const float> reach, float* rows, std::size_t H,
                                    std::size_t showdown, std::size_t fold) {
  const ShowdownJob job{&game.nodes[record.children[showdown]],
                        reach,
                        {rows + showdown * H, H},
                        &game.nodes[record.children[fold]],
                        {rows + fold * H, H}};
  showdown_batch(game, seat, {&job, 1});
}

}  // namespace halvory::dcfr_detail
