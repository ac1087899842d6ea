// Several showdowns of one runout through one merge: lane l carries
// terminal l's reach and coefficients. The merge's branches depend only on
// the two lists, so its mispredictions are paid once for all lanes, and each
// lane takes exactly the f64 operations of the one-terminal pass in the same
// order, so its outputs are the same bit for bit. All-ins on the turn go the
// same way, lane l summing all-in l's terms over the rivers. Each tier of the
// kernel table (kernel_table.hpp) takes its merges from here: four lanes in
// the baseline and AVX2 tiers, up to eight in the AVX-512 tier.

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "solver/kernel_table.hpp"
#include "solver/profile.hpp"
#include "solver/showdown_merge.hpp"

namespace halvory::payoff_detail {
namespace {

template <std::size_t N>
struct LaneVector;
template <>
struct LaneVector<4> {
  using type = double __attribute__((vector_size(4 * sizeof(double))));
};
template <>
struct LaneVector<8> {
  using type = double __attribute__((vector_size(8 * sizeof(double))));
};
template <std::size_t N>
using Lanes = typename LaneVector<N>::type;

// The f32 vectors of the same lane counts, and the shuffle masks of both.
template <std::size_t N>
struct LaneTypes;
template <>
struct LaneTypes<4> {
  using Floats = float __attribute__((vector_size(4 * sizeof(float))));
  using FloatMask = int __attribute__((vector_size(4 * sizeof(int))));
  using Mask = long long __attribute__((vector_size(4 * sizeof(long long))));
};
template <>
struct LaneTypes<8> {
  using Floats = float __attribute__((vector_size(8 * sizeof(float))));
  using FloatMask = int __attribute__((vector_size(8 * sizeof(int))));
  using Mask = long long __attribute__((vector_size(8 * sizeof(long long))));
};
template <std::size_t N>
using LaneFloats = typename LaneTypes<N>::Floats;

// The N x N transpose of N-element vectors (f64 or f32): out[j][i] = in[i][j].
template <std::size_t N, class V>
[[gnu::always_inline]] inline void transpose_lanes(const V* in, V* out) {
  using M = std::conditional_t<std::is_same_v<V, LaneFloats<N>>, typename LaneTypes<N>::FloatMask,
                               typename LaneTypes<N>::Mask>;
  if constexpr (N == 4) {
    const V t0 = __builtin_shuffle(in[0], in[1], M{0, 4, 2, 6});
    const V t1 = __builtin_shuffle(in[0], in[1], M{1, 5, 3, 7});
    const V t2 = __builtin_shuffle(in[2], in[3], M{0, 4, 2, 6});
    const V t3 = __builtin_shuffle(in[2], in[3], M{1, 5, 3, 7});
    out[0] = __builtin_shuffle(t0, t2, M{0, 1, 4, 5});
    out[1] = __builtin_shuffle(t1, t3, M{0, 1, 4, 5});
    out[2] = __builtin_shuffle(t0, t2, M{2, 3, 6, 7});
    out[3] = __builtin_shuffle(t1, t3, M{2, 3, 6, 7});
  } else {
    V even[4];
    V odd[4];
    for (std::size_t i = 0; i < 4; ++i) {
      even[i] = __builtin_shuffle(in[2 * i], in[2 * i + 1], M{0, 8, 2, 10, 4, 12, 6, 14});
      odd[i] = __builtin_shuffle(in[2 * i], in[2 * i + 1], M{1, 9, 3, 11, 5, 13, 7, 15});
    }
    // quarter[q][j]: entries j and j + 4 of rows 4q .. 4q + 3; j = 0 .. 3.
    V quarter[2][4];
    for (std::size_t q = 0; q < 2; ++q) {
      const V& e0 = even[2 * q];
      const V& e1 = even[2 * q + 1];
      const V& o0 = odd[2 * q];
      const V& o1 = odd[2 * q + 1];
      quarter[q][0] = __builtin_shuffle(e0, e1, M{0, 1, 8, 9, 4, 5, 12, 13});
      quarter[q][2] = __builtin_shuffle(e0, e1, M{2, 3, 10, 11, 6, 7, 14, 15});
      quarter[q][1] = __builtin_shuffle(o0, o1, M{0, 1, 8, 9, 4, 5, 12, 13});
      quarter[q][3] = __builtin_shuffle(o0, o1, M{2, 3, 10, 11, 6, 7, 14, 15});
    }
    for (std::size_t j = 0; j < 4; ++j) {
      out[j] = __builtin_shuffle(quarter[0][j], quarter[1][j], M{0, 1, 2, 3, 8, 9, 10, 11});
      out[j + 4] = __builtin_shuffle(quarter[0][j], quarter[1][j], M{4, 5, 6, 7, 12, 13, 14, 15});
    }
  }
}

// Between lanes and hands, eight lanes move as f32 (the shuffles of 512-bit
// vectors are what the transposes cost, and f32 halves them), four as f64.
// Converting before or after a move gives the same bits.

// rows[i] holds the lanes' values of hand h0 + i; writes lane l's N values,
// rounded to f32, to dst[l][h0 .. h0 + N) for every lane.
template <std::size_t N>
[[gnu::always_inline]] inline void store_columns(const Lanes<N>* rows, float* const* dst,
                                                 std::size_t h0) {
  using F = LaneFloats<N>;
  F columns[N];
  if constexpr (N == 8) {
    F rounded[N];
    for (std::size_t i = 0; i < N; ++i) rounded[i] = __builtin_convertvector(rows[i], F);
    transpose_lanes<N>(rounded, columns);
  } else {
    Lanes<N> wide[N];
    transpose_lanes<N>(rows, wide);
    for (std::size_t l = 0; l < N; ++l) columns[l] = __builtin_convertvector(wide[l], F);
  }
  for (std::size_t l = 0; l < N; ++l) std::memcpy(dst[l] + h0, &columns[l], sizeof(F));
}

// The lanes' reaches of hands j0 .. j0 + N, one vector per hand (lanes past K
// are 0).
template <std::size_t N>
[[gnu::always_inline]] inline void load_rows(const float* const* reach, std::size_t K,
                                             std::size_t j0, Lanes<N>* rows) {
  using V = Lanes<N>;
  using F = LaneFloats<N>;
  F narrow[N];
  for (std::size_t l = 0; l < N; ++l) {
    narrow[l] = F{};
    if (l < K) std::memcpy(&narrow[l], reach[l] + j0, sizeof(F));
  }
  if constexpr (N == 8) {
    F columns[N];
    transpose_lanes<N>(narrow, columns);
    for (std::size_t i = 0; i < N; ++i) rows[i] = __builtin_convertvector(columns[i], V);
  } else {
    V wide[N];
    for (std::size_t l = 0; l < N; ++l) wide[l] = __builtin_convertvector(narrow[l], V);
    transpose_lanes<N>(wide, rows);
  }
}

// Per-thread scratch of size doubles, 64-byte aligned; grows, never shrinks.
double* lane_scratch(std::size_t size) {
  struct Buffer {
    std::unique_ptr<Lanes<kMaxLanes>[]> data;
    std::size_t size = 0;
  };
  thread_local Buffer buffer;
  const std::size_t vectors = (size + kMaxLanes - 1) / kMaxLanes;
  if (buffer.size < vectors) {
    buffer.data = std::make_unique_for_overwrite<Lanes<kMaxLanes>[]>(vectors);
    buffer.size = vectors;
  }
  return reinterpret_cast<double*>(buffer.data.get());
}

// The lanes' coefficients side by side, and where each lane's values go. A
// lane whose opponent reach is all 0 is worth 0: its outputs were cleared by
// the caller, and its values, like those of the lanes past K or without a
// fold, go to `sink` (so that every store is unconditional).
template <std::size_t N>
struct LaneSetup {
  Lanes<N> less_weight = {};
  Lanes<N> leq_weight = {};
  Lanes<N> lose = {};
  Lanes<N> tie = {};
  Lanes<N> fold_payoff = {};
  float* out_of[N] = {};
  float* fold_of[N] = {};
  bool any_fold = false;
};

// value = (win - tie) * less + (tie - lose) * leq + tie * own + lose * all.
template <std::size_t N, bool WithTies>
[[gnu::always_inline]] inline void setup_lanes(const ShowdownLane* lanes, std::size_t K,
                                               const Lanes<N>& total, float* sink,
                                               LaneSetup<N>& c) {
  for (std::size_t l = 0; l < N; ++l) {
    c.out_of[l] = sink;
    c.fold_of[l] = sink;
  }
  for (std::size_t l = 0; l < K; ++l) {
    const ShowdownCoefficients& lane = lanes[l].c;
    c.tie[l] = WithTies ? lane.tie : 0.0;
    c.less_weight[l] = lane.win - c.tie[l];
    c.leq_weight[l] = c.tie[l] - lane.lose;
    c.lose[l] = lane.lose;
    c.fold_payoff[l] = lanes[l].fold.payoff;
    if (total[l] == 0.0) continue;
    if (lanes[l].out != nullptr) c.out_of[l] = lanes[l].out;
    if (lanes[l].fold.out == nullptr) continue;
    c.fold_of[l] = lanes[l].fold.out;
    c.any_fold = true;
  }
}

// The running sums of a merge for N lanes: total and card[c] sum the reach
// of the opponent hands added so far, and of those holding card c.
template <std::size_t N>
struct PrefixSums {
  using V = Lanes<N>;
  V total = {};
  V card[64];

  [[gnu::always_inline]] PrefixSums() {
    for (V& c : card) c = V{};
  }
  [[gnu::always_inline]] void add(const V& x, Pocket p) {
    total += x;
    card[p & 63u] += x;
    card[(p >> 8) & 63u] += x;
  }
  // (Written through a reference: a vector returned by value would change
  // the calling convention between the instruction sets.)
  [[gnu::always_inline]] void excluding(Pocket p, V& into) const {
    into = total - card[p & 63u] - card[(p >> 8) & 63u];
  }
};

// The merge's sums for N lanes: w[j] the lanes' reach of opponent hand j;
// for the traverser's k-th record the reach of the opponent hands below its
// strength (less[k]) and at or below it (leq[k]); rank[h] the record of hand
// h (kNoHand: the runout blocks it, and it gets 0), so that the values go out
// in position order straight from registers. w[reach_size] is 0, the reach
// of a missing twin: read instead of a branch that the ranges make
// unpredictable.
template <std::size_t N>
struct MergeSums : PrefixSums<N> {
  using V = Lanes<N>;
  V* w = nullptr;
  V* less = nullptr;
  V* leq = nullptr;
  std::uint16_t* rank = nullptr;
  float* sink = nullptr;

  // The scratch for reach_size opponent hands, n records and H hands.
  [[gnu::always_inline]] MergeSums(std::size_t reach_size, std::size_t n, std::size_t H) {
    const std::size_t rank_doubles = (H + 3) / 4;
    w = reinterpret_cast<V*>(
        lane_scratch(N * (reach_size + 1 + 2 * n) + rank_doubles + (H + 1) / 2));
    w[reach_size] = V{};
    less = w + reach_size + 1;
    leq = less + n;
    rank = reinterpret_cast<std::uint16_t*>(leq + n);
    std::fill(rank, rank + H, kNoHand);
    sink = reinterpret_cast<float*>(reinterpret_cast<double*>(leq + n) + rank_doubles);
  }
  [[gnu::always_inline]] void add(const ShowdownRecord* o) {
    PrefixSums<N>::add(w[o->position], o->pocket);
  }
};

// The lanes' reach side by side, one vector per opponent hand; unused lanes
// are 0. N hands at a time: each lane's N reaches as one vector, then one
// transpose.
template <std::size_t N>
[[gnu::always_inline]] inline void load_reach(const float* const* reach, std::size_t K,
                                              std::size_t reach_size, Lanes<N>* w) {
  std::size_t j0 = 0;
  for (; j0 + N <= reach_size; j0 += N) load_rows<N>(reach, K, j0, w + j0);
  for (std::size_t j = j0; j < reach_size; ++j) {
    Lanes<N> x = {};
    for (std::size_t l = 0; l < K; ++l) x[l] = static_cast<double>(reach[l][j]);
    w[j] = x;
  }
}

// The merge walk into less, leq and rank, then the rest of the opponent's
// hands into the totals.
template <std::size_t N>
[[gnu::always_inline]] inline void merge_lanes(const std::vector<ShowdownRecord>& mine,
                                               const std::vector<ShowdownRecord>& theirs,
                                               MergeSums<N>& s) {
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
// fold's beside it.
template <std::size_t N, bool WithTies, bool WithFold>
[[gnu::always_inline]] inline void write_lane_values(const CardContext& cards, std::uint8_t seat,
                                                     std::size_t reach_size, const MergeSums<N>& s,
                                                     const LaneSetup<N>& c) {
  using V = Lanes<N>;
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
    const V own = s.w[twin < reach_size ? twin : reach_size];
    if constexpr (WithTies) value += c.tie * own;
    value = value + c.leq_weight * s.leq[k];
    if constexpr (WithFold) fold = (others + own) * c.fold_payoff;
  };
  // N hands at a time, each lane's values out in order (one float at a time
  // in strength order would touch every lane's output line per hand). Each
  // block also asks for a few of the lines the batch sweeps next: four kept
  // the core busiest on spot F (eight and sixteen were no better).
  constexpr std::size_t kLinesPerBlock = 4;
  PrefetchDrip& drip = prefetch_drip();
  std::size_t h0 = 0;
  for (; h0 + N <= H; h0 += N) {
    drip.step(kLinesPerBlock);
    V values[N];
    V folds[N];
    for (std::size_t i = 0; i < N; ++i) hand_values(h0 + i, values[i], folds[i]);
    store_columns<N>(values, c.out_of, h0);
    if constexpr (WithFold) store_columns<N>(folds, c.fold_of, h0);
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

template <std::size_t N, bool WithTies>
[[gnu::always_inline]] inline void showdown_lanes_body(const CardContext& cards,
                                                       const RunoutShowdown& entry,
                                                       std::uint8_t seat, std::size_t reach_size,
                                                       const ShowdownLane* lanes, std::size_t K) {
  const std::vector<ShowdownRecord>& mine = entry[seat];
  MergeSums<N> s(reach_size, mine.size() - 2, cards.pockets[seat].size());
  const float* reach[N] = {};
  for (std::size_t l = 0; l < K; ++l) reach[l] = lanes[l].reach;
  load_reach<N>(reach, K, reach_size, s.w);
  merge_lanes<N>(mine, entry[1 - seat], s);
  LaneSetup<N> c;
  setup_lanes<N, WithTies>(lanes, K, s.total, s.sink, c);
  if (c.any_fold) {
    write_lane_values<N, WithTies, true>(cards, seat, reach_size, s, c);
  } else {
    write_lane_values<N, WithTies, false>(cards, seat, reach_size, s, c);
  }
}

// The body with ties or without, in the instruction set of the caller.
template <std::size_t N>
[[gnu::always_inline]] inline void lanes_either(const CardContext& cards,
                                                const RunoutShowdown& entry, std::uint8_t seat,
                                                std::size_t reach_size, const ShowdownLane* lanes,
                                                std::size_t K, bool with_ties) {
  if (with_ties) {
    showdown_lanes_body<N, true>(cards, entry, seat, reach_size, lanes, K);
  } else {
    showdown_lanes_body<N, false>(cards, entry, seat, reach_size, lanes, K);
  }
}

// All-ins of one turn: per runout, the merge's sums, and for each traverser
// record acc[h] += (win - tie) * less + (tie - lose) * (leq + own[h]) in
// each lane, the terms and their order those of accumulate_runout. The
// reaches and the twins' reaches are laid out once for all runouts.
template <std::size_t N>
[[gnu::always_inline]] inline void all_in_lanes_body(const CardContext& cards,
                                                     std::span<const RunoutShowdown* const> runouts,
                                                     std::uint8_t seat, std::size_t reach_size,
                                                     const AllInLane* lanes, std::size_t K) {
  using V = Lanes<N>;
  const std::size_t H = cards.pockets[seat].size();
  V* const w = reinterpret_cast<V*>(lane_scratch(N * (reach_size + 1 + 2 * H)));
  V* const own = w + reach_size + 1;
  V* const acc = own + H;
  const float* reach[N] = {};
  V less_weight = {};
  V leq_weight = {};
  for (std::size_t l = 0; l < K; ++l) {
    reach[l] = lanes[l].reach;
    less_weight[l] = lanes[l].c.win - lanes[l].c.tie;
    leq_weight[l] = lanes[l].c.tie - lanes[l].c.lose;
  }
  load_reach<N>(reach, K, reach_size, w);
  w[reach_size] = V{};
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  for (std::size_t h = 0; h < H; ++h) {
    const std::size_t twin = h < cross.size() ? cross[h] : kNoHand;
    own[h] = w[twin < reach_size ? twin : reach_size];
    acc[h] = V{};
  }
  for (const RunoutShowdown* entry : runouts) {
    PrefixSums<N> prefix;
    prefix_merge((*entry)[seat], (*entry)[1 - seat],
                 [&](const ShowdownRecord* o) { prefix.add(w[o->position], o->pocket); },
                 [&](const ShowdownRecord* t, std::size_t) {
                   V less;
                   prefix.excluding(t->pocket, less);
                   acc[t->position] += less_weight * less;
                 },
                 [&](const ShowdownRecord* t, std::size_t) {
                   const std::uint16_t h = t->position;
                   V leq;
                   prefix.excluding(t->pocket, leq);
                   acc[h] += leq_weight * (leq + own[h]);
                 });
  }
  for (std::size_t h = 0; h < H; ++h)
    for (std::size_t l = 0; l < K; ++l) lanes[l].row[h] = acc[h][l];
}

// The merges compiled for the wider instruction sets.
#define HALVORY_LANES_VARIANT(name, all_in_name, isa)                                              \
  template <std::size_t N>                                                                         \
  [[gnu::target(isa)]] void name(const CardContext& cards, const RunoutShowdown& entry,            \
                                 std::uint8_t seat, std::size_t reach_size,                        \
                                 const ShowdownLane* lanes, std::size_t K, bool ties) {            \
    lanes_either<N>(cards, entry, seat, reach_size, lanes, K, ties);                               \
  }                                                                                                \
  template <std::size_t N>                                                                         \
  [[gnu::target(isa)]] void all_in_name(                                                           \
      const CardContext& cards, std::span<const RunoutShowdown* const> runouts, std::uint8_t seat, \
      std::size_t reach_size, const AllInLane* lanes, std::size_t K) {                             \
    all_in_lanes_body<N>(cards, runouts, seat, reach_size, lanes, K);                              \
  }
HALVORY_LANES_VARIANT(lanes_avx2, all_in_avx2, "avx2")
HALVORY_LANES_VARIANT(lanes_avx512, all_in_avx512, "avx512f")
#undef HALVORY_LANES_VARIANT

}  // namespace

void showdown_lanes_baseline(const CardContext& cards, const RunoutShowdown& entry,
                             std::uint8_t seat, std::size_t reach_size, const ShowdownLane* lanes,
                             std::size_t K, bool with_ties) {
  lanes_either<4>(cards, entry, seat, reach_size, lanes, K, with_ties);
}

void showdown_lanes_avx2(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                         std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                         bool with_ties) {
  lanes_avx2<4>(cards, entry, seat, reach_size, lanes, K, with_ties);
}

// Up to four lanes take the four-lane merge: its vectors are half as wide.
void showdown_lanes_avx512(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                           std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                           bool with_ties) {
  if (K <= 4) {
    lanes_avx2<4>(cards, entry, seat, reach_size, lanes, K, with_ties);
  } else {
    lanes_avx512<8>(cards, entry, seat, reach_size, lanes, K, with_ties);
  }
}

void all_in_lanes_baseline(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                           std::uint8_t seat, std::size_t reach_size, const AllInLane* lanes,
                           std::size_t K) {
  all_in_lanes_body<4>(cards, runouts, seat, reach_size, lanes, K);
}

void all_in_lanes_avx2(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                       std::uint8_t seat, std::size_t reach_size, const AllInLane* lanes,
                       std::size_t K) {
  all_in_avx2<4>(cards, runouts, seat, reach_size, lanes, K);
}

void all_in_lanes_avx512(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                         std::uint8_t seat, std::size_t reach_size, const AllInLane* lanes,
                         std::size_t K) {
  if (K <= 4) {
    all_in_avx2<4>(cards, runouts, seat, reach_size, lanes, K);
  } else {
    all_in_avx512<8>(cards, runouts, seat, reach_size, lanes, K);
  }
}

void all_in_lanes(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                  std::uint8_t seat, std::size_t reach_size, const AllInLane* lanes, std::size_t K,
                  KernelIsa isa) {
  const AllInLanesKernel merge = kernel_table(isa).all_in_lanes;
  SolverProfile::Scope scope(ProfileSection::incomplete);
  merge(cards, runouts, seat, reach_size, lanes, K);
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
