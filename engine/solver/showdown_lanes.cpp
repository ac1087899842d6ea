// Several showdowns of one runout through one merge: lane l carries
// terminal l's reach and coefficients. The merge's branches depend only on
// the two lists, so its mispredictions are paid once for all lanes, and each
// lane takes exactly the f64 operations of the one-terminal pass in the same
// order, so its outputs are the same bit for bit. All-ins on the turn go the
// same way, lane l summing all-in l's terms over the rivers. Each tier of the
// kernel table (kernel_table.hpp) takes its merges from here: four lanes in
// the baseline tier; in the AVX2 tier up to eight showdowns (two registers a
// lane vector) and four all-ins; in the AVX-512 tier up to sixteen showdowns
// and eight all-ins.

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "solver/kernel_table.hpp"
#include "solver/profile.hpp"
#include "solver/showdown_merge.hpp"

namespace halvory::payoff_detail {
namespace {

template <class T, std::size_t N>
struct VectorOf {
  typedef T type __attribute__((vector_size(N * sizeof(T))));
};
// N lanes of T side by side.
template <class T, std::size_t N>
using Lanes = typename VectorOf<T, N>::type;
template <class V>
using LaneElement = std::remove_cvref_t<decltype(V{}[0])>;

// The shuffle mask that swaps the off-diagonal B x B blocks of two rows i
// and i + B (i without bit B) of an N x N matrix: Second picks row i + B's.
template <class M, std::size_t N, std::size_t B, bool Second, class J>
struct BlockSwap;
template <class M, std::size_t N, std::size_t B, bool Second, std::size_t... J>
struct BlockSwap<M, N, B, Second, std::index_sequence<J...>> {
  using E = LaneElement<M>;
  static constexpr M mask{
      static_cast<E>((J & B) == 0 ? (Second ? J + B : J) : (Second ? N + J : N + J - B))...};
};

// In-place N x N transpose of N-element vectors, m[j][i] <- m[i][j]: each
// stage swaps one bit of the row index with the same bit of the column's.
template <std::size_t N, std::size_t B, class V>
[[gnu::always_inline]] inline void transpose_stage(V* m) {
  using M = Lanes<std::conditional_t<sizeof(LaneElement<V>) == 4, std::int32_t, std::int64_t>, N>;
  using Indices = std::make_index_sequence<N>;
  for (std::size_t i = 0; i < N; ++i) {
    if ((i & B) != 0) continue;
    const V a = m[i];
    const V b = m[i + B];
    m[i] = __builtin_shuffle(a, b, BlockSwap<M, N, B, false, Indices>::mask);
    m[i + B] = __builtin_shuffle(a, b, BlockSwap<M, N, B, true, Indices>::mask);
  }
  if constexpr (B > 1) transpose_stage<N, B / 2>(m);
}
template <std::size_t N, class V>
[[gnu::always_inline]] inline void transpose(V* m) {
  transpose_stage<N, N / 2>(m);
}

// A merge's lanes split over two registers where one register holds half
// of them: GCC keeps a vector wider than the machine's on the stack and
// round-trips every operation through it. Left uninitialized like a vector
// (V{} is zero): the blocks of values are written whole.
template <class Half>
struct TwoRegisters {
  static constexpr std::size_t kHalf = sizeof(Half) / sizeof(double);
  Half lo;
  Half hi;

  [[gnu::always_inline]] double operator[](std::size_t l) const {
    return l < kHalf ? lo[l] : hi[l - kHalf];
  }
  [[gnu::always_inline]] void set(std::size_t l, double x) {
    if (l < kHalf) {
      lo[l] = x;
    } else {
      hi[l - kHalf] = x;
    }
  }
  [[gnu::always_inline]] TwoRegisters& operator+=(const TwoRegisters& b) {
    lo += b.lo;
    hi += b.hi;
    return *this;
  }
  [[gnu::always_inline]] friend TwoRegisters operator+(const TwoRegisters& a,
                                                       const TwoRegisters& b) {
    return {a.lo + b.lo, a.hi + b.hi};
  }
  [[gnu::always_inline]] friend TwoRegisters operator-(const TwoRegisters& a,
                                                       const TwoRegisters& b) {
    return {a.lo - b.lo, a.hi - b.hi};
  }
  [[gnu::always_inline]] friend TwoRegisters operator*(const TwoRegisters& a,
                                                       const TwoRegisters& b) {
    return {a.lo * b.lo, a.hi * b.hi};
  }
};

// N f64 lanes in one register, or split over two.
template <std::size_t N, bool Split>
using DoubleLanes = std::conditional_t<Split, TwoRegisters<Lanes<double, N / 2>>, Lanes<double, N>>;

template <class V>
[[gnu::always_inline]] inline void set_lane(V& v, std::size_t l, double x) {
  if constexpr (std::is_class_v<V>) {
    v.set(l, x);
  } else {
    v[l] = x;
  }
}

// Between lanes and hands, the vectors of a block of hands are transposed.
// Values go out four lanes by four hands as f64 (one register a vector
// either way), eight by eight as f32 (the shuffles of the widest registers
// are what the transposes cost, and f32 halves them); lanes split over two
// registers go out as two blocks. Reaches come in as f32, N lanes by N hands.
// Converting before or after a move gives the same bits.
template <std::size_t N, bool Split>
inline constexpr std::size_t kBlockHands = Split ? N / 2 : N;

// rows[i] holds the N lanes' values of hand h0 + i, i < N; writes lane l's N
// values, rounded to f32, to dst[l][h0 ..) for every lane.
template <std::size_t N>
[[gnu::always_inline]] inline void store_block(const Lanes<double, N>* rows, float* const* dst,
                                               std::size_t h0) {
  using F = Lanes<float, N>;
  F columns[N];
  if constexpr (N == 4) {
    Lanes<double, N> wide[N];
    for (std::size_t i = 0; i < N; ++i) wide[i] = rows[i];
    transpose<N>(wide);
    for (std::size_t l = 0; l < N; ++l) columns[l] = __builtin_convertvector(wide[l], F);
  } else {
    for (std::size_t i = 0; i < N; ++i) columns[i] = __builtin_convertvector(rows[i], F);
    transpose<N>(columns);
  }
  for (std::size_t l = 0; l < N; ++l) std::memcpy(dst[l] + h0, &columns[l], sizeof(F));
}

// The N lanes' reaches of hands j0 .. j0 + N as f32, one vector per hand
// (lanes past K are 0): each lane's N reaches, then one transpose.
template <std::size_t N>
[[gnu::always_inline]] inline void load_block(const float* const* reach, std::size_t K,
                                              std::size_t j0, Lanes<float, N>* rows) {
  for (std::size_t l = 0; l < N; ++l) {
    rows[l] = Lanes<float, N>{};
    if (l < K) std::memcpy(&rows[l], reach[l] + j0, sizeof(Lanes<float, N>));
  }
  transpose<N>(rows);
}

// A block of hands, whole or as two halves of the lanes.
template <std::size_t N, bool Split>
[[gnu::always_inline]] inline void store_columns(const DoubleLanes<N, Split>* rows,
                                                 float* const* dst, std::size_t h0) {
  if constexpr (Split) {
    constexpr std::size_t B = N / 2;
    Lanes<double, B> half[B];
    for (std::size_t i = 0; i < B; ++i) half[i] = rows[i].lo;
    store_block<B>(half, dst, h0);
    for (std::size_t i = 0; i < B; ++i) half[i] = rows[i].hi;
    store_block<B>(half, dst + B, h0);
  } else {
    store_block<N>(rows, dst, h0);
  }
}

// The merges keep the opponent's reach as it comes, f32 lanes, and widen it
// where it is read: the conversion is exact, and half the bytes keep the
// array of a whole range in the first-level cache beside the card sums.
template <std::size_t N>
using ReachLanes = Lanes<float, N>;
template <std::size_t N, bool Split>
[[gnu::always_inline]] inline void widen(const ReachLanes<N>& x, DoubleLanes<N, Split>& into) {
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

// Per-thread scratch of `bytes`, 64-byte aligned; grows, never shrinks.
void* lane_scratch(std::size_t bytes) {
  struct alignas(64) Line {
    unsigned char bytes[64];
  };
  struct Buffer {
    std::unique_ptr<Line[]> data;
    std::size_t lines = 0;
  };
  thread_local Buffer buffer;
  const std::size_t lines = (bytes + sizeof(Line) - 1) / sizeof(Line);
  if (buffer.lines < lines) {
    buffer.data = std::make_unique_for_overwrite<Line[]>(lines);
    buffer.lines = lines;
  }
  return buffer.data.get();
}

// The lanes' coefficients side by side, and where each lane's values go. A
// lane whose opponent reach is all 0 is worth 0: its outputs were cleared by
// the caller, and its values, like those of the lanes past K or without a
// fold, go to `sink` (so that every store is unconditional).
template <std::size_t N, bool Split>
struct LaneSetup {
  using V = DoubleLanes<N, Split>;
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
[[gnu::always_inline]] inline void setup_lanes(const ShowdownLane* lanes, std::size_t K,
                                               const DoubleLanes<N, Split>& total, float* sink,
                                               LaneSetup<N, Split>& c) {
  for (std::size_t l = 0; l < N; ++l) {
    c.out_of[l] = sink;
    c.fold_of[l] = sink;
  }
  for (std::size_t l = 0; l < K; ++l) {
    const ShowdownCoefficients& lane = lanes[l].c;
    const double tie = WithTies ? lane.tie : 0.0;
    set_lane(c.tie, l, tie);
    set_lane(c.less_weight, l, lane.win - tie);
    set_lane(c.leq_weight, l, tie - lane.lose);
    set_lane(c.lose, l, lane.lose);
    set_lane(c.fold_payoff, l, lanes[l].fold.payoff);
    if (total[l] == 0.0) continue;
    if (lanes[l].out != nullptr) c.out_of[l] = lanes[l].out;
    if (lanes[l].fold.out == nullptr) continue;
    c.fold_of[l] = lanes[l].fold.out;
    c.any_fold = true;
  }
}

// The running sums of a merge, one lane per element of V: total and card[c]
// sum the reach of the opponent hands added so far, and of those holding
// card c.
template <class V>
struct PrefixSums {
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
template <std::size_t N, bool Split>
struct MergeSums : PrefixSums<DoubleLanes<N, Split>> {
  using V = DoubleLanes<N, Split>;
  V* less = nullptr;
  V* leq = nullptr;
  ReachLanes<N>* w = nullptr;
  std::uint16_t* rank = nullptr;
  float* sink = nullptr;

  // The scratch for reach_size opponent hands, n records and H hands (the
  // sink takes a lane's H values, the ranks sit after it).
  [[gnu::always_inline]] MergeSums(std::size_t reach_size, std::size_t n, std::size_t H) {
    less =
        static_cast<V*>(lane_scratch(2 * n * sizeof(V) + (reach_size + 1) * sizeof(ReachLanes<N>) +
                                     H * sizeof(float) + H * sizeof(std::uint16_t)));
    leq = less + n;
    w = reinterpret_cast<ReachLanes<N>*>(leq + n);
    w[reach_size] = ReachLanes<N>{};
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
    PrefixSums<V>::add(x, o->pocket);
  }
};

// The lanes' reach side by side, one vector per opponent hand; unused lanes
// are 0. N hands at a time: each lane's N reaches as one vector, then one
// transpose.
template <std::size_t N>
[[gnu::always_inline]] inline void load_reach(const float* const* reach, std::size_t K,
                                              std::size_t reach_size, ReachLanes<N>* w) {
  std::size_t j0 = 0;
  for (; j0 + N <= reach_size; j0 += N) load_block<N>(reach, K, j0, w + j0);
  for (std::size_t j = j0; j < reach_size; ++j) {
    ReachLanes<N> x = {};
    for (std::size_t l = 0; l < K; ++l) x[l] = reach[l][j];
    w[j] = x;
  }
}

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
  using V = DoubleLanes<N, Split>;
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
  // next: four kept the core busiest on spot F (eight and sixteen were no
  // better), eight where the lanes take two registers (half as many merges
  // walk the same hands, so the rest would be asked for in one burst).
  constexpr std::size_t kLinesPerBlock = Split ? 8 : 4;
  constexpr std::size_t B = kBlockHands<N, Split>;
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
                                                       const ShowdownLane* lanes, std::size_t K) {
  const std::vector<ShowdownRecord>& mine = entry[seat];
  MergeSums<N, Split> s(reach_size, mine.size() - 2, cards.pockets[seat].size());
  const float* reach[N] = {};
  for (std::size_t l = 0; l < K; ++l) reach[l] = lanes[l].reach;
  load_reach<N>(reach, K, reach_size, s.w);
  merge_lanes<N, Split>(mine, entry[1 - seat], s);
  LaneSetup<N, Split> c;
  setup_lanes<N, Split, WithTies>(lanes, K, s.total, s.sink, c);
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
                                                std::size_t reach_size, const ShowdownLane* lanes,
                                                std::size_t K, bool with_ties) {
  if (with_ties) {
    showdown_lanes_body<N, Split, true>(cards, entry, seat, reach_size, lanes, K);
  } else {
    showdown_lanes_body<N, Split, false>(cards, entry, seat, reach_size, lanes, K);
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
  using V = Lanes<double, N>;
  const std::size_t H = cards.pockets[seat].size();
  V* const w = static_cast<V*>(
      lane_scratch((reach_size + 1 + 2 * H) * sizeof(V) + reach_size * sizeof(ReachLanes<N>)));
  V* const own = w + reach_size + 1;
  V* const acc = own + H;
  // Every runout reads the reaches again: they are widened once.
  ReachLanes<N>* const narrow = reinterpret_cast<ReachLanes<N>*>(acc + H);
  const float* reach[N] = {};
  V less_weight = {};
  V leq_weight = {};
  for (std::size_t l = 0; l < K; ++l) {
    reach[l] = lanes[l].reach;
    less_weight[l] = lanes[l].c.win - lanes[l].c.tie;
    leq_weight[l] = lanes[l].c.tie - lanes[l].c.lose;
  }
  load_reach<N>(reach, K, reach_size, narrow);
  for (std::size_t j = 0; j < reach_size; ++j) widen<N, false>(narrow[j], w[j]);
  w[reach_size] = V{};
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  for (std::size_t h = 0; h < H; ++h) {
    const std::size_t twin = h < cross.size() ? cross[h] : kNoHand;
    own[h] = w[twin < reach_size ? twin : reach_size];
    acc[h] = V{};
  }
  for (const RunoutShowdown* entry : runouts) {
    PrefixSums<V> prefix;
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
  template <std::size_t N, bool Split>                                                             \
  [[gnu::target(isa)]] void name(const CardContext& cards, const RunoutShowdown& entry,            \
                                 std::uint8_t seat, std::size_t reach_size,                        \
                                 const ShowdownLane* lanes, std::size_t K, bool ties) {            \
    lanes_either<N, Split>(cards, entry, seat, reach_size, lanes, K, ties);                        \
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

std::size_t all_in_capacity(KernelIsa isa) {
  return kernel_table(isa).all_in_capacity;
}

void showdown_lanes(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                    std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                    bool with_ties, KernelIsa isa) {
  const ShowdownLanesKernel merge = kernel_table(isa).showdown_lanes;
  SolverProfile::Scope scope(with_ties ? ProfileSection::showdown_r : ProfileSection::showdown_u);
  merge(cards, entry, seat, reach_size, lanes, K, with_ties);
}

}  // namespace halvory::payoff_detail
