// Several showdowns of one runout through one merge: lane l carries
// terminal l's reach and coefficients. The merge's branches depend only on
// the two lists, so its mispredictions are paid once for all lanes, and each
// lane takes exactly the f64 operations of the one-terminal pass in the same
// order, so its outputs are the same bit for bit. Each tier of the kernel
// table (kernel_table.hpp) takes its merges from here: four lanes in the
// baseline tier; in the AVX2 tier up to eight (two registers a lane vector
// past four); in the AVX-512 tier up to sixteen (two registers past eight).
//
// The sums stay f64: a hand's compatible reach is the opponent's total less
// the reach holding either of its cards, and where most of the opponent's
// reach holds one of them (a narrow range late in a line) f32 sums leave
// that difference with no correct digit, and the hand learns noise. Valuing
// such lanes again in f64 is not enough either: with f32 sums elsewhere
// (within 7e-6 of each lane's largest value) spot F's exploitability still
// jumps four- to thirteen-fold late in the solve, where f64 sums scaled by
// 1 + 1e-5 keep to the same path (scripts/accuracy-compare.sh measures it).

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#include "solver/kernel_table.hpp"
#include "solver/lane_vectors.hpp"
#include "solver/profile.hpp"
#include "solver/showdown_merge.hpp"

namespace halvory::payoff_detail {
namespace {

using lanes::Lanes;

// N f64 lanes in one register, or split over two.
template <std::size_t N, bool Split>
using SumLanes = lanes::LaneVector<double, N, Split>;

// Between lanes and hands, the vectors of a block of hands are transposed
// as f32 (rounding before or after the move gives the same bits), in pieces
// of P lanes by P hands, P the lanes of one f64 register up to eight (a
// block of more hands, values and folds, would take every register and
// spill).
template <std::size_t N, bool Split>
inline constexpr std::size_t kPiece = std::min<std::size_t>(Split ? N / 2 : N, 8);

// rows[i] holds the N lanes' values of hand h0 + i, i < P; writes lane l's P
// values, rounded to f32, to dst[l][h0 ..) for every lane.
template <std::size_t N, bool Split>
[[gnu::always_inline]] inline void store_columns(const SumLanes<N, Split>* rows, float* const* dst,
                                                 std::size_t h0) {
  constexpr std::size_t P = kPiece<N, Split>;
  for (std::size_t p = 0; p < N / P; ++p) {
    Lanes<float, P> columns[P];
    for (std::size_t i = 0; i < P; ++i) {
      Lanes<double, P> wide;
      lanes::piece<P>(rows[i], p, wide);
      columns[i] = __builtin_convertvector(wide, Lanes<float, P>);
    }
    lanes::transpose<P>(columns);
    for (std::size_t l = 0; l < P; ++l)
      std::memcpy(dst[p * P + l] + h0, &columns[l], sizeof(columns[l]));
  }
}

// The merges keep the opponent's reach as it comes, f32 lanes, and widen it
// where it is read: the conversion is exact, and half the bytes keep the
// array of a whole range in the first-level cache beside the card sums.
template <std::size_t N, bool Split>
[[gnu::always_inline]] inline void widen(const Lanes<float, N>& x, SumLanes<N, Split>& into) {
  if constexpr (Split) {
    using Half = Lanes<float, N / 2>;
    Half lo;
    Half hi;
    std::memcpy(&lo, &x, sizeof lo);
    std::memcpy(&hi, reinterpret_cast<const char*>(&x) + sizeof lo, sizeof hi);
    into.lo = __builtin_convertvector(lo, Lanes<double, N / 2>);
    into.hi = __builtin_convertvector(hi, Lanes<double, N / 2>);
  } else {
    into = __builtin_convertvector(x, Lanes<double, N>);
  }
}

// The lanes' coefficients side by side, and where each lane's values go. A
// lane whose opponent reach is all 0 is worth 0: its outputs are cleared
// here, and its values, like those of the lanes past K or without a fold,
// go to `sink` (so that every store is unconditional). Every other lane's
// outputs are written whole by the last pass.
template <std::size_t N, bool Split>
struct LaneSetup {
  using V = SumLanes<N, Split>;
  V less_weight = {};
  V leq_weight = {};
  V lose = {};
  V tie = {};
  V fold_payoff = {};
  float* out_of[N] = {};
  float* fold_of[N] = {};
  bool any_fold = false;
};

template <std::size_t N, bool Split, bool WithTies>
[[gnu::always_inline]] inline void setup_lanes(const ShowdownLane* lane_list, std::size_t K,
                                               const SumLanes<N, Split>& total, float* sink,
                                               std::size_t H, LaneSetup<N, Split>& c) {
  for (std::size_t l = 0; l < N; ++l) {
    c.out_of[l] = sink;
    c.fold_of[l] = sink;
  }
  for (std::size_t l = 0; l < K; ++l) {
    const ShowdownLane& lane = lane_list[l];
    const double tie = WithTies ? lane.c.tie : 0.0;
    lanes::set_lane(c.tie, l, tie);
    lanes::set_lane(c.less_weight, l, lane.c.win - tie);
    lanes::set_lane(c.leq_weight, l, tie - lane.c.lose);
    lanes::set_lane(c.lose, l, lane.c.lose);
    lanes::set_lane(c.fold_payoff, l, lane.fold.payoff);
    if (total[l] == 0.0) {
      for (float* out : {lane.out, lane.fold.out})
        if (out != nullptr) std::memset(out, 0, H * sizeof(float));
      continue;
    }
    if (lane.out != nullptr) c.out_of[l] = lane.out;
    if (lane.fold.out == nullptr) continue;
    c.fold_of[l] = lane.fold.out;
    c.any_fold = true;
  }
}

// The merge's sums for N lanes: w[j] the lanes' reach of opponent hand j;
// for the traverser's k-th record the reach of the opponent hands below its
// strength (less[k]) and at or below it (leq[k]); rank[h] the record of hand
// h (kNoHand: the runout blocks it, and it gets 0), so that the values go out
// in position order straight from registers. w[reach_size] is 0, the reach
// of a missing twin: read instead of a branch that the ranges make
// unpredictable.
template <std::size_t N, bool Split>
struct MergeSums : lanes::PrefixSums<SumLanes<N, Split>> {
  using V = SumLanes<N, Split>;
  using F = Lanes<float, N>;
  V* less = nullptr;
  V* leq = nullptr;
  F* w = nullptr;
  std::uint16_t* rank = nullptr;
  float* sink = nullptr;

  // The scratch for reach_size opponent hands, n records and H hands (the
  // sink takes a lane's H values, the ranks sit after it).
  [[gnu::always_inline]] MergeSums(std::size_t reach_size, std::size_t n, std::size_t H) {
    less = static_cast<V*>(lanes::lane_scratch(2 * n * sizeof(V) + (reach_size + 1) * sizeof(F) +
                                               H * sizeof(float) + H * sizeof(std::uint16_t)));
    leq = less + n;
    w = reinterpret_cast<F*>(leq + n);
    w[reach_size] = F{};
    sink = reinterpret_cast<float*>(w + reach_size + 1);
    rank = reinterpret_cast<std::uint16_t*>(sink + H);
    std::fill(rank, rank + H, kNoHand);
  }
  [[gnu::always_inline]] void reach_of(std::size_t j, V& into) const {
    widen<N, Split>(w[j], into);
  }
  [[gnu::always_inline]] void add(const ShowdownRecord* o) {
    V x;
    reach_of(o->position, x);
    lanes::PrefixSums<V>::add(x, o->pocket);
  }
};

// The merge walk into less, leq and rank, then the rest of the opponent's
// hands into the totals.
template <std::size_t N, bool Split>
[[gnu::always_inline]] inline void merge_lanes(const std::vector<ShowdownRecord>& mine,
                                               const std::vector<ShowdownRecord>& theirs,
                                               MergeSums<N, Split>& s) {
  const ShowdownRecord* const their_end = theirs.data() + theirs.size() - 1;
  const auto add = [&](const ShowdownRecord* o) { s.add(o); };
  const ShowdownRecord* o = prefix_merge(
      mine, theirs, add,
      [&](const ShowdownRecord* t, std::size_t k) { s.excluding(t->pocket, s.less[k]); },
      [&](const ShowdownRecord* t, std::size_t k) {
        s.excluding(t->pocket, s.leq[k]);
        s.rank[t->position] = static_cast<std::uint16_t>(k);
      });
  for (; o != their_end; ++o) s.add(o);
}

// The last pass: every hand's value in each lane, and with WithFold the
// fold's beside it, in the terms and order of the one-terminal pass.
template <std::size_t N, bool Split, bool WithTies, bool WithFold>
[[gnu::always_inline]] inline void write_lane_values(const CardContext& cards, std::uint8_t seat,
                                                     std::size_t reach_size,
                                                     const MergeSums<N, Split>& s,
                                                     const LaneSetup<N, Split>& c) {
  using V = SumLanes<N, Split>;
  const Pocket* my_pockets = cards.pockets[seat].data();
  const std::size_t H = cards.pockets[seat].size();
  const std::uint16_t* const cross = cards.cross[seat].data();
  const std::size_t cross_size = cards.cross[seat].size();
  const auto hand_values = [&](std::size_t h, V& value, V& fold) {
    const std::size_t k = s.rank[h];
    if (k == kNoHand) {
      value = V{};
      if constexpr (WithFold) fold = V{};
      return;
    }
    V others;
    s.excluding(my_pockets[h], others);
    value = c.less_weight * s.less[k] + c.lose * others;
    const std::size_t twin = h < cross_size ? cross[h] : kNoHand;
    V own;
    s.reach_of(twin < reach_size ? twin : reach_size, own);
    if constexpr (WithTies) value += c.tie * own;
    value = value + c.leq_weight * s.leq[k];
    if constexpr (WithFold) fold = (others + own) * c.fold_payoff;
  };
  // A block of hands at a time, each lane's values out in order (one float
  // at a time in strength order would touch every lane's output line per
  // hand). Each block also asks for a few of the lines the batch sweeps
  // next: four kept the core busiest on spot F, eight where a block holds
  // half as many hands.
  constexpr std::size_t B = kPiece<N, Split>;
  constexpr std::size_t kLinesPerBlock = B < N ? 8 : 4;
  PrefetchDrip& drip = prefetch_drip();
  std::size_t h0 = 0;
  for (; h0 + B <= H; h0 += B) {
    drip.step(kLinesPerBlock);
    V values[B];
    V folds[B];
    for (std::size_t i = 0; i < B; ++i) hand_values(h0 + i, values[i], folds[i]);
    store_columns<N, Split>(values, c.out_of, h0);
    if constexpr (WithFold) store_columns<N, Split>(folds, c.fold_of, h0);
  }
  for (; h0 < H; ++h0) {
    V value;
    V fold;
    hand_values(h0, value, fold);
    for (std::size_t l = 0; l < N; ++l) {
      c.out_of[l][h0] = static_cast<float>(value[l]);
      if constexpr (WithFold) c.fold_of[l][h0] = static_cast<float>(fold[l]);
    }
  }
}

template <std::size_t N, bool Split, bool WithTies>
[[gnu::always_inline]] inline void showdown_lanes_body(const CardContext& cards,
                                                       const RunoutShowdown& entry,
                                                       std::uint8_t seat, std::size_t reach_size,
                                                       const ShowdownLane* lane_list,
                                                       std::size_t K) {
  const std::vector<ShowdownRecord>& mine = entry[seat];
  MergeSums<N, Split> s(reach_size, mine.size() - 2, cards.pockets[seat].size());
  const float* reach[N] = {};
  for (std::size_t l = 0; l < K; ++l) reach[l] = lane_list[l].reach;
  lanes::load_reach<N>(reach, K, reach_size, reinterpret_cast<float*>(s.w));
  merge_lanes<N, Split>(mine, entry[1 - seat], s);
  LaneSetup<N, Split> c;
  setup_lanes<N, Split, WithTies>(lane_list, K, s.total, s.sink, cards.pockets[seat].size(), c);
  if (c.any_fold) {
    write_lane_values<N, Split, WithTies, true>(cards, seat, reach_size, s, c);
  } else {
    write_lane_values<N, Split, WithTies, false>(cards, seat, reach_size, s, c);
  }
}

// The body with ties or without, in the instruction set of the caller.
template <std::size_t N, bool Split>
[[gnu::always_inline]] inline void lanes_either(const CardContext& cards,
                                                const RunoutShowdown& entry, std::uint8_t seat,
                                                std::size_t reach_size,
                                                const ShowdownLane* lane_list, std::size_t K,
                                                bool with_ties) {
  if (with_ties) {
    showdown_lanes_body<N, Split, true>(cards, entry, seat, reach_size, lane_list, K);
  } else {
    showdown_lanes_body<N, Split, false>(cards, entry, seat, reach_size, lane_list, K);
  }
}

// The merges compiled for the wider instruction sets.
template <std::size_t N, bool Split>
[[gnu::target("avx2")]] void lanes_avx2(const CardContext& cards, const RunoutShowdown& entry,
                                        std::uint8_t seat, std::size_t reach_size,
                                        const ShowdownLane* lane_list, std::size_t K, bool ties) {
  lanes_either<N, Split>(cards, entry, seat, reach_size, lane_list, K, ties);
}
template <std::size_t N, bool Split>
[[gnu::target("avx512f,avx512vl")]] void lanes_avx512(const CardContext& cards,
                                                      const RunoutShowdown& entry,
                                                      std::uint8_t seat, std::size_t reach_size,
                                                      const ShowdownLane* lane_list, std::size_t K,
                                                      bool ties) {
  lanes_either<N, Split>(cards, entry, seat, reach_size, lane_list, K, ties);
}

}  // namespace

void showdown_lanes_baseline(const CardContext& cards, const RunoutShowdown& entry,
                             std::uint8_t seat, std::size_t reach_size, const ShowdownLane* lanes,
                             std::size_t K, bool with_ties) {
  lanes_either<4, false>(cards, entry, seat, reach_size, lanes, K, with_ties);
}

// Up to four lanes take the four-lane merge (one register a lane vector),
// more two registers a lane vector: the walk is paid once for twice the
// terminals.
void showdown_lanes_avx2(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                         std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                         bool with_ties) {
  if (K <= 4) {
    lanes_avx2<4, false>(cards, entry, seat, reach_size, lanes, K, with_ties);
  } else {
    lanes_avx2<8, true>(cards, entry, seat, reach_size, lanes, K, with_ties);
  }
}

// The same with eight-double registers; up to four lanes still take the
// four-lane merge, whose vectors are half as wide.
void showdown_lanes_avx512(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                           std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                           bool with_ties) {
  if (K <= 4) {
    lanes_avx2<4, false>(cards, entry, seat, reach_size, lanes, K, with_ties);
  } else if (K <= 8) {
    lanes_avx512<8, false>(cards, entry, seat, reach_size, lanes, K, with_ties);
  } else {
    lanes_avx512<16, true>(cards, entry, seat, reach_size, lanes, K, with_ties);
  }
}

std::size_t lane_capacity(KernelIsa isa) {
  return kernel_table(isa).lane_capacity;
}

void showdown_lanes(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                    std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                    bool with_ties, KernelIsa isa) {
  const ShowdownLanesKernel merge = kernel_table(isa).showdown_lanes;
  SolverProfile::Scope scope(with_ties ? ProfileSection::showdown_r : ProfileSection::showdown_u);
  merge(cards, entry, seat, reach_size, lanes, K, with_ties);
}

}  // namespace halvory::payoff_detail
