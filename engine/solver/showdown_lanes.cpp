// Several showdowns of one runout through one merge: lane l carries
// terminal l's reach and coefficients. The merge's branches depend only on
// the two lists, so its mispredictions are paid once for all lanes, and each
// lane takes exactly the f64 operations of the one-terminal pass in the same
// order, so its outputs are the same bit for bit. Groups of up to four run on
// four-lane vectors, larger ones on eight, each in the instruction set the
// solver's kernels use (kernels.hpp).

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

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

// Shuffle masks and the f32 vectors of the same lane counts.
template <std::size_t N>
struct LaneTypes;
template <>
struct LaneTypes<4> {
  using Mask = long long __attribute__((vector_size(4 * sizeof(long long))));
  using Floats = float __attribute__((vector_size(4 * sizeof(float))));
};
template <>
struct LaneTypes<8> {
  using Mask = long long __attribute__((vector_size(8 * sizeof(long long))));
  using Floats = float __attribute__((vector_size(8 * sizeof(float))));
};

// The N x N transpose: out[j][i] = in[i][j].
template <std::size_t N>
[[gnu::always_inline]] inline void transpose_lanes(const Lanes<N>* in, Lanes<N>* out) {
  using V = Lanes<N>;
  using M = typename LaneTypes<N>::Mask;
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

// rows[i] holds the lanes' values of hand h0 + i; writes lane l's N values,
// rounded to f32, to dst[l][h0 .. h0 + N) for every l < K whose dst is set.
template <std::size_t N>
[[gnu::always_inline]] inline void store_columns(const Lanes<N>* rows, float* const* dst,
                                                 std::size_t K, std::size_t h0) {
  using F = typename LaneTypes<N>::Floats;
  Lanes<N> columns[N];
  transpose_lanes<N>(rows, columns);
  for (std::size_t l = 0; l < K; ++l) {
    if (dst[l] == nullptr) continue;
    const F f = __builtin_convertvector(columns[l], F);
    std::memcpy(dst[l] + h0, &f, sizeof(F));
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
// the caller and get no pointer here.
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
                                               const Lanes<N>& total, LaneSetup<N>& c) {
  for (std::size_t l = 0; l < K; ++l) {
    const ShowdownCoefficients& lane = lanes[l].c;
    c.tie[l] = WithTies ? lane.tie : 0.0;
    c.less_weight[l] = lane.win - c.tie[l];
    c.leq_weight[l] = c.tie[l] - lane.lose;
    c.lose[l] = lane.lose;
    c.fold_payoff[l] = lanes[l].fold.payoff;
    if (total[l] == 0.0) continue;
    c.out_of[l] = lanes[l].out;
    c.fold_of[l] = lanes[l].fold.out;
    c.any_fold = c.any_fold || c.fold_of[l] != nullptr;
  }
}

// The per-hand vectors out lane by lane, N hands at a time, so that each
// output is written in order instead of one float at a time in strength
// order (hands the runout blocks stay 0).
template <std::size_t N>
[[gnu::always_inline]] inline void write_lanes(const Lanes<N>* values, const Lanes<N>* folds,
                                               const LaneSetup<N>& c, std::size_t K,
                                               std::size_t H) {
  std::size_t h0 = 0;
  for (; h0 + N <= H; h0 += N) {
    store_columns<N>(values + h0, c.out_of, K, h0);
    if (c.any_fold) store_columns<N>(folds + h0, c.fold_of, K, h0);
  }
  for (; h0 < H; ++h0) {
    for (std::size_t l = 0; l < K; ++l) {
      if (c.out_of[l] != nullptr) c.out_of[l][h0] = static_cast<float>(values[h0][l]);
      if (c.fold_of[l] != nullptr) c.fold_of[l][h0] = static_cast<float>(folds[h0][l]);
    }
  }
}

template <std::size_t N, bool WithTies>
[[gnu::always_inline]] inline void showdown_lanes_body(const CardContext& cards,
                                                       const RunoutShowdown& entry,
                                                       std::uint8_t seat, std::size_t reach_size,
                                                       const ShowdownLane* lanes, std::size_t K) {
  using V = Lanes<N>;
  const std::uint8_t opp = 1 - seat;
  const std::vector<ShowdownRecord>& mine = entry[seat];
  const std::vector<ShowdownRecord>& theirs = entry[opp];
  const Pocket* my_pockets = cards.pockets[seat].data();
  const Pocket* their_pockets = cards.pockets[opp].data();
  const ShowdownRecord* const their_end = theirs.data() + theirs.size() - 1;
  const ShowdownRecord* const my_first = mine.data() + 1;
  const ShowdownRecord* const my_end = mine.data() + mine.size() - 1;
  const std::size_t n = mine.size() - 2;

  const std::size_t H = cards.pockets[seat].size();
  V* const w = reinterpret_cast<V*>(lane_scratch(N * (reach_size + 2 * n + 2 * H)));
  V* const less = w + reach_size;
  V* const leq = less + n;
  V* const values = leq + n;  // per hand position, for the write-out
  V* const folds = values + H;
  // The lanes' reach side by side, one vector per opponent hand; unused
  // lanes are 0. N hands at a time: each lane's N reaches as one vector,
  // then one transpose.
  using F = typename LaneTypes<N>::Floats;
  std::size_t j0 = 0;
  for (; j0 + N <= reach_size; j0 += N) {
    V rows[N];
    for (std::size_t l = 0; l < N; ++l) {
      rows[l] = V{};
      if (l >= K) continue;
      F f;
      std::memcpy(&f, lanes[l].reach + j0, sizeof f);
      rows[l] = __builtin_convertvector(f, V);
    }
    transpose_lanes<N>(rows, w + j0);
  }
  for (std::size_t j = j0; j < reach_size; ++j) {
    V x = {};
    for (std::size_t l = 0; l < K; ++l) x[l] = static_cast<double>(lanes[l].reach[j]);
    w[j] = x;
  }

  V total = {};
  V card[64];
  for (V& c : card) c = V{};
  const auto add = [&](const ShowdownRecord* o) {
    const Pocket p = their_pockets[o->position];
    const V x = w[o->position];
    total += x;
    card[p & 63u] += x;
    card[(p >> 8) & 63u] += x;
  };
  // (Written through a reference: a vector returned by value would change
  // the calling convention between the instruction sets.)
  const auto excluding = [&](Pocket p, V& into) {
    into = total - card[p & 63u] - card[(p >> 8) & 63u];
  };

  const ShowdownRecord* o = prefix_merge(
      mine, theirs, add,
      [&](const ShowdownRecord* t, std::size_t k) { excluding(my_pockets[t->position], less[k]); },
      [&](const ShowdownRecord* t, std::size_t k) { excluding(my_pockets[t->position], leq[k]); });
  for (; o != their_end; ++o) add(o);

  LaneSetup<N> c;
  setup_lanes<N, WithTies>(lanes, K, total, c);
  std::fill(values, values + H, V{});
  if (c.any_fold) std::fill(folds, folds + H, V{});
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  std::size_t k = 0;
  for (const ShowdownRecord* t = my_first; t != my_end; ++t, ++k) {
    const std::uint16_t h = t->position;
    V others;
    excluding(my_pockets[h], others);
    V value = c.less_weight * less[k] + c.lose * others;
    const std::uint16_t twin = h < cross.size() ? cross[h] : kNoHand;
    const V own = twin < reach_size ? w[twin] : V{};
    if constexpr (WithTies) value += c.tie * own;
    values[h] = value + c.leq_weight * leq[k];
    if (c.any_fold) folds[h] = (others + own) * c.fold_payoff;
  }
  write_lanes<N>(values, folds, c, K, H);
}

// The merge compiled for the wider instruction sets; the baseline runs the
// body where it is called.
#define HALVORY_LANES_VARIANT(name, isa)                                                \
  template <std::size_t N, bool WithTies>                                               \
  [[gnu::target(isa)]] void name(const CardContext& cards, const RunoutShowdown& entry, \
                                 std::uint8_t seat, std::size_t reach_size,             \
                                 const ShowdownLane* lanes, std::size_t K) {            \
    showdown_lanes_body<N, WithTies>(cards, entry, seat, reach_size, lanes, K);         \
  }
HALVORY_LANES_VARIANT(showdown_lanes_avx2, "avx2")
HALVORY_LANES_VARIANT(showdown_lanes_avx512, "avx512f")
#undef HALVORY_LANES_VARIANT

}  // namespace

// Lanes per merge: eight only where eight doubles fit one register; on
// narrower vectors two merges of four cost less than one of eight.
std::size_t lane_capacity(KernelIsa isa) {
  return isa == KernelIsa::avx2 && cpu_has_avx512() ? 8 : 4;
}

namespace {

template <bool WithTies>
void showdown_lanes_for(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                        std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                        KernelIsa isa) {
  if (isa != KernelIsa::avx2) {
    showdown_lanes_body<4, WithTies>(cards, entry, seat, reach_size, lanes, K);
  } else if (K <= 4) {
    showdown_lanes_avx2<4, WithTies>(cards, entry, seat, reach_size, lanes, K);
  } else {
    showdown_lanes_avx512<8, WithTies>(cards, entry, seat, reach_size, lanes, K);
  }
}

}  // namespace

void showdown_lanes(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                    std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                    bool with_ties, KernelIsa isa) {
  if (with_ties) {
    SolverProfile::Scope scope(ProfileSection::showdown_r);
    showdown_lanes_for<true>(cards, entry, seat, reach_size, lanes, K, isa);
  } else {
    SolverProfile::Scope scope(ProfileSection::showdown_u);
    showdown_lanes_for<false>(cards, entry, seat, reach_size, lanes, K, isa);
  }
}

}  // namespace halvory::payoff_detail
