#include "solver/payoffs.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "solver/icm.hpp"
#include "solver/kernels.hpp"
#include "solver/profile.hpp"

namespace halvory {
namespace {

// Pots differing from their after-rake value by no more than this are
// settled without rake.
constexpr double kRakeEpsilon = 1e-9;

// A reach total and per-card reach sums: the reach of the hands that share no
// card with a pocket is total - card[a] - card[b] (plus the pocket's own
// weight where it was counted). 64 slots so that a card index masked to six
// bits always lands inside.
struct CardSums {
  double total = 0.0;
  std::array<double, 64> card{};

  void add(Pocket pocket, double w) {
    total += w;
    card[pocket & 63u] += w;
    card[(pocket >> 8) & 63u] += w;
  }
  double excluding(Pocket pocket) const {
    return total - card[pocket & 63u] - card[(pocket >> 8) & 63u];
  }

  // Adds the reach of the listed hands (positions past the reach skipped).
  // Hand lists run in pocket order, so consecutive hands share their lower
  // card: that card's sum stays in a register along the run instead of
  // round-tripping through memory on every hand. Every sum still takes its
  // terms in list order, so the result is the same as add() per hand. A zero
  // weight changes no sum (they start at +0), so none is skipped.
  void add_hands(std::span<const std::uint16_t> hands, const Pocket* pockets,
                 std::span<const float> reach) {
    unsigned run_card = 0;
    double run_sum = card[0];
    double sum = total;
    for (const std::uint16_t j : hands) {
      if (j >= reach.size()) continue;
      const double w = reach[j];
      const Pocket p = pockets[j];
      const unsigned lo = p & 63u;
      if (lo != run_card) {
        card[run_card] = run_sum;
        run_card = lo;
        run_sum = card[lo];
      }
      sum += w;
      run_sum += w;
      card[(p >> 8) & 63u] += w;
    }
    card[run_card] = run_sum;
    total = sum;
  }
};

bool icm_mode(const GameConfig& config) { return config.icm && !config.icm_payouts.empty(); }

// Rake charged on a pot: what rake_after takes away.
double charged_rake(const GameConfig& config, double pot) {
  return pot > 0.0 ? pot - rake_after(config, pot) : 0.0;
}

// Value of each showdown result for the traversing seat, per unit of
// opponent reach.
struct ShowdownCoefficients {
  double win = 0.0;
  double tie = 0.0;
  double lose = 0.0;
};

bool well_framed(const std::vector<ShowdownRecord>& list) {
  return list.size() > 2 && list.front().value == kShowdownLow.value &&
         list.back().value == kShowdownHigh.value;
}

bool spans_fit(const CardContext& cards, std::uint8_t seat, std::size_t reach_size,
               std::size_t out_size) {
  return seat <= 1 && reach_size == cards.pockets[1 - seat].size() &&
         out_size == cards.pockets[seat].size();
}

bool complete_board(const NodeRecord& node) {
  return node.turn != kNoCard && node.river != kNoCard;
}

// Whether a showdown pass can run for `seat` on a runout entry with these
// spans. Ties need the cross map of the traversing seat.
bool showdown_sizes_ok(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                       std::size_t reach_size, std::size_t out_size, bool with_ties) {
  if (!spans_fit(cards, seat, reach_size, out_size)) return false;
  if (!well_framed(entry[0]) || !well_framed(entry[1])) return false;
  return !with_ties || cards.cross[seat].size() == cards.pockets[seat].size();
}

// Whether a fold on the node's complete board can sum the runout's lists
// instead of the live-hand lists: they hold the same hands when the counts
// agree.
bool fold_follows_runout(const Game& game, const NodeRecord& fold, std::uint8_t seat,
                         const RunoutShowdown& entry) {
  return seat <= 1 && well_framed(entry[0]) && well_framed(entry[1]) &&
         live_hands(game, fold, seat).size() == entry[seat].size() - 2 &&
         live_hands(game, fold, 1 - seat).size() == entry[1 - seat].size() - 2;
}

// Per-thread f64 scratch for one group of equal strength; grows, never shrinks.
double* group_scratch(std::size_t size) {
  thread_local std::vector<double> scratch;
  if (scratch.size() < size) scratch.resize(size);
  return scratch.data();
}

// A fold beside the showdown, valued from the same opponent reach: the
// compatible reach of hand i is all_i plus i's identical opponent hand.
struct FoldSide {
  float* out = nullptr;
  double payoff = 0.0;
};

// One merge over the two seats' strength-sorted lists of a runout. For each
// traverser hand i it forms, from opponent hands sharing no card with i:
// less (weaker), leq (weaker or equal) and all; a tie is leq - less, with i's
// identical opponent hand (subtracted twice by the card sums) added back once.
// out_i = win * less + tie * ties + lose * (all - leq).
// Sizes must have been checked with showdown_sizes_ok.
template <bool WithTies, bool WithFold>
void showdown_pass(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                   std::span<const float> reach, ShowdownCoefficients c, float* out,
                   FoldSide fold = {}) {
  const std::uint8_t opp = 1 - seat;
  const std::vector<ShowdownRecord>& mine = entry[seat];
  const std::vector<ShowdownRecord>& theirs = entry[opp];
  const Pocket* my_pockets = cards.pockets[seat].data();
  const Pocket* their_pockets = cards.pockets[opp].data();
  const float* r = reach.data();

  // Sentinels frame both lists: the scans below stop at the high sentinel.
  const ShowdownRecord* const their_end = theirs.data() + theirs.size() - 1;
  const ShowdownRecord* const my_first = mine.data() + 1;
  const ShowdownRecord* const my_end = mine.data() + mine.size() - 1;
  const std::size_t n = mine.size() - 2;

  // One running prefix over the opponent's records: a group of equal
  // traverser strength reads its less-part before the opponent's records of
  // that strength are added and its leq-part after. Run to the end, the
  // prefix is `all` (the same terms added in the same order), so the
  // opponent's list is walked once; the serial chain of f64 additions along
  // it is what the pass costs.
  double* less = group_scratch(2 * n);
  double* leq = less + n;
  CardSums prefix;
  const ShowdownRecord* o = theirs.data() + 1;
  const ShowdownRecord* t = my_first;
  std::size_t k = 0;
  while (t != my_end) {
    const std::uint32_t v = t->value;
    for (; o->value < v; ++o) prefix.add(their_pockets[o->position], r[o->position]);
    const ShowdownRecord* group_end = t;
    std::size_t g = k;
    for (; group_end->value == v; ++group_end, ++g)
      less[g] = prefix.excluding(my_pockets[group_end->position]);
    for (; o->value == v; ++o) prefix.add(their_pockets[o->position], r[o->position]);
    for (; t != group_end; ++t, ++k) leq[k] = prefix.excluding(my_pockets[t->position]);
  }
  for (; o != their_end; ++o) prefix.add(their_pockets[o->position], r[o->position]);
  const CardSums& all = prefix;

  if (all.total == 0.0) {
    for (t = my_first; t != my_end; ++t) {
      out[t->position] = 0.0f;
      if constexpr (WithFold) fold.out[t->position] = 0.0f;
    }
    return;
  }

  // value = (win - tie) * less + (tie - lose) * leq + tie * own + lose * all.
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  const double tie = WithTies ? c.tie : 0.0;
  const double less_weight = c.win - tie;
  const double leq_weight = tie - c.lose;
  k = 0;
  for (t = my_first; t != my_end; ++t, ++k) {
    const std::uint16_t h = t->position;
    const double others = all.excluding(my_pockets[h]);
    double value = less_weight * less[k] + c.lose * others;
    if constexpr (WithTies || WithFold) {
      const std::uint16_t twin = h < cross.size() ? cross[h] : kNoHand;
      const double own = twin < reach.size() ? static_cast<double>(r[twin]) : 0.0;
      if constexpr (WithTies) value += tie * own;
      if constexpr (WithFold) fold.out[h] = static_cast<float>((others + own) * fold.payoff);
    }
    out[h] = static_cast<float>(value + leq_weight * leq[k]);
  }
}

// Several showdowns of one runout through one merge: lane l carries
// terminal l's reach and coefficients. The merge's branches depend only on
// the two lists, so its mispredictions are paid once for all lanes, and each
// lane takes exactly the f64 operations of showdown_pass in the same order,
// so its outputs are the same bit for bit. Groups of up to four run on
// four-lane vectors, larger ones on eight.
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
constexpr std::size_t kMaxLanes = 8;

// out null: a fold alone, which only needs the merge's sums; fold.out null:
// no fold in this lane.
struct ShowdownLane {
  const float* reach = nullptr;
  float* out = nullptr;
  ShowdownCoefficients c;
  FoldSide fold;
  const NodeRecord* fold_node = nullptr;
};

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
  V* const values = leq + n;     // per hand position, for the write-out
  V* const folds = values + H;
  // The lanes' reach side by side, one vector per opponent hand; unused
  // lanes are 0.
  for (std::size_t j = 0; j < reach_size; ++j) {
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

  const ShowdownRecord* o = theirs.data() + 1;
  const ShowdownRecord* t = my_first;
  std::size_t k = 0;
  while (t != my_end) {
    const std::uint32_t v = t->value;
    for (; o->value < v; ++o) add(o);
    const ShowdownRecord* group_end = t;
    std::size_t g = k;
    for (; group_end->value == v; ++group_end, ++g)
      excluding(my_pockets[group_end->position], less[g]);
    for (; o->value == v; ++o) add(o);
    for (; t != group_end; ++t, ++k) excluding(my_pockets[t->position], leq[k]);
  }
  for (; o != their_end; ++o) add(o);

  V less_weight = {};
  V leq_weight = {};
  V lose = {};
  V tie = {};
  bool zero[N];
  for (std::size_t l = 0; l < N; ++l) zero[l] = true;
  for (std::size_t l = 0; l < K; ++l) {
    const ShowdownCoefficients& c = lanes[l].c;
    tie[l] = WithTies ? c.tie : 0.0;
    less_weight[l] = c.win - tie[l];
    leq_weight[l] = tie[l] - c.lose;
    lose[l] = c.lose;
    zero[l] = total[l] == 0.0;
  }

  // The values go to per-hand vectors first (hands the runout blocks stay
  // 0) and then out lane by lane, N hands at a time, so each output is
  // written in order instead of one float at a time in strength order.
  float* out_of[N];
  float* fold_of[N];
  V fold_payoff = {};
  bool any_fold = false;
  for (std::size_t l = 0; l < N; ++l) {
    out_of[l] = l < K && !zero[l] ? lanes[l].out : nullptr;
    fold_of[l] = l < K && !zero[l] ? lanes[l].fold.out : nullptr;
    if (l < K) fold_payoff[l] = lanes[l].fold.payoff;
    any_fold = any_fold || fold_of[l] != nullptr;
  }
  std::fill(values, values + H, V{});
  if (any_fold) std::fill(folds, folds + H, V{});
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  k = 0;
  for (t = my_first; t != my_end; ++t, ++k) {
    const std::uint16_t h = t->position;
    V others;
    excluding(my_pockets[h], others);
    V value = less_weight * less[k] + lose * others;
    const std::uint16_t twin = h < cross.size() ? cross[h] : kNoHand;
    const V own = twin < reach_size ? w[twin] : V{};
    if constexpr (WithTies) value += tie * own;
    values[h] = value + leq_weight * leq[k];
    if (any_fold) folds[h] = (others + own) * fold_payoff;
  }
  std::size_t h0 = 0;
  for (; h0 + N <= H; h0 += N) {
    store_columns<N>(values + h0, out_of, K, h0);
    if (any_fold) store_columns<N>(folds + h0, fold_of, K, h0);
  }
  for (; h0 < H; ++h0) {
    for (std::size_t l = 0; l < K; ++l) {
      if (out_of[l] != nullptr) out_of[l][h0] = static_cast<float>(values[h0][l]);
      if (fold_of[l] != nullptr) fold_of[l][h0] = static_cast<float>(folds[h0][l]);
    }
  }
  // A lane whose opponent reach is all 0 is worth 0 (its outputs were
  // cleared by the caller and are not written above).
}

template <std::size_t N, bool WithTies>
[[gnu::target("avx2")]] void showdown_lanes_avx2(const CardContext& cards,
                                                 const RunoutShowdown& entry, std::uint8_t seat,
                                                 std::size_t reach_size, const ShowdownLane* lanes,
                                                 std::size_t K) {
  showdown_lanes_body<N, WithTies>(cards, entry, seat, reach_size, lanes, K);
}

template <std::size_t N, bool WithTies>
[[gnu::target("avx512f")]] void showdown_lanes_avx512(const CardContext& cards,
                                                 const RunoutShowdown& entry, std::uint8_t seat,
                                                 std::size_t reach_size, const ShowdownLane* lanes,
                                                 std::size_t K) {
  showdown_lanes_body<N, WithTies>(cards, entry, seat, reach_size, lanes, K);
}

template <std::size_t N, bool WithTies>
void showdown_lanes_baseline(const CardContext& cards, const RunoutShowdown& entry,
                             std::uint8_t seat, std::size_t reach_size, const ShowdownLane* lanes,
                             std::size_t K) {
  showdown_lanes_body<N, WithTies>(cards, entry, seat, reach_size, lanes, K);
}

bool cpu_has_avx512() noexcept {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") != 0;
  }();
  return has;
}

// Lanes per merge: eight only where eight doubles fit one register; on
// narrower vectors two merges of four cost less than one of eight.
std::size_t lane_capacity(KernelIsa isa) {
  return isa == KernelIsa::avx2 && cpu_has_avx512() ? 8 : 4;
}

template <bool WithTies>
void showdown_lanes_for(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                        std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                        KernelIsa isa) {
  if (isa != KernelIsa::avx2) {
    showdown_lanes_baseline<4, WithTies>(cards, entry, seat, reach_size, lanes, K);
  } else if (K <= 4) {
    showdown_lanes_avx2<4, WithTies>(cards, entry, seat, reach_size, lanes, K);
  } else {
    showdown_lanes_avx512<8, WithTies>(cards, entry, seat, reach_size, lanes, K);
  }
}

// Sizes must have been checked with showdown_sizes_ok for every lane; 1 to
// lane_capacity(isa) lanes, isa read once for the whole batch.
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

// The runout part of an all-in: with less and leq counted pair-exactly
// (i's identical opponent hand removed once), a runout's value is
// (win - tie) * less + (tie - lose) * leq + lose * all. Summed over runouts,
// the `all` term is the node's compatible reach times the number of runouts a
// card-disjoint pair meets, so it is added once by the caller and each runout
// needs only the two prefix sums.
void accumulate_runout(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                       std::span<const float> reach, ShowdownCoefficients c, double* acc) {
  const std::uint8_t opp = 1 - seat;
  const std::vector<ShowdownRecord>& mine = entry[seat];
  const std::vector<ShowdownRecord>& theirs = entry[opp];
  const Pocket* my_pockets = cards.pockets[seat].data();
  const Pocket* their_pockets = cards.pockets[opp].data();
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  const float* r = reach.data();
  const double less_weight = c.win - c.tie;
  const double leq_weight = c.tie - c.lose;

  // One running prefix over the opponent's records; each group of equal
  // traverser strength is read before (less) and after (leq) the opponent's
  // records of that strength are added.
  CardSums prefix;
  const ShowdownRecord* o = theirs.data() + 1;
  const ShowdownRecord* t = mine.data() + 1;
  const ShowdownRecord* const my_end = mine.data() + mine.size() - 1;
  while (t != my_end) {
    const std::uint32_t v = t->value;
    for (; o->value < v; ++o) prefix.add(their_pockets[o->position], r[o->position]);
    const ShowdownRecord* group_end = t;
    for (; group_end->value == v; ++group_end)
      acc[group_end->position] += less_weight * prefix.excluding(my_pockets[group_end->position]);
    for (; o->value == v; ++o) prefix.add(their_pockets[o->position], r[o->position]);
    for (; t != group_end; ++t) {
      const std::uint16_t h = t->position;
      const std::uint16_t twin = h < cross.size() ? cross[h] : kNoHand;
      const double own = twin < reach.size() ? static_cast<double>(r[twin]) : 0.0;
      acc[h] += leq_weight * (prefix.excluding(my_pockets[h]) + own);
    }
  }
}

// Coefficients of a cash showdown on pot P: the raked ones when rake applies.
ShowdownCoefficients cash_coefficients(const GameConfig& config, double pot, double m) {
  if (!(m > 0.0)) return {};
  const double rake = charged_rake(config, pot);
  return {(pot / 2 - rake) / m, -rake / 2 / m, -(pot / 2) / m};
}

bool raked(const GameConfig& config, double pot) {
  return std::abs(pot - rake_after(config, pot)) > kRakeEpsilon;
}

// Runs the complete-board pass on the runout (turn, river); false when the
// sizes do not fit.
// The one-terminal pass on an entry whose sizes were checked, with the fold
// beside it when side.out is set.
void run_showdown_pass(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                       std::span<const float> reach, ShowdownCoefficients c, bool with_ties,
                       float* out, FoldSide side = {}) {
  if (with_ties) {
    SolverProfile::Scope scope(ProfileSection::showdown_r);
    side.out != nullptr ? showdown_pass<true, true>(cards, entry, seat, reach, c, out, side)
                        : showdown_pass<true, false>(cards, entry, seat, reach, c, out);
  } else {
    SolverProfile::Scope scope(ProfileSection::showdown_u);
    side.out != nullptr ? showdown_pass<false, true>(cards, entry, seat, reach, c, out, side)
                        : showdown_pass<false, false>(cards, entry, seat, reach, c, out);
  }
}

bool complete_board_pass(const Game& game, CardCode turn, CardCode river, std::uint8_t seat,
                         std::span<const float> reach, std::span<float> out, bool with_ties,
                         ShowdownCoefficients c) {
  const RunoutShowdown& entry = game.cards.runout_entry(turn, river);
  if (!showdown_sizes_ok(game.cards, entry, seat, reach.size(), out.size(), with_ties))
    return false;
  run_showdown_pass(game.cards, entry, seat, reach, c, with_ties, out.data());
  return true;
}

// Whether `fold` can be valued by the merge of `showdown` (same board, the
// same hands in the runout's lists).
bool fold_pairs_with(const Game& game, const NodeRecord& showdown, const NodeRecord& fold,
                     std::uint8_t seat, const RunoutShowdown& entry) {
  return fold.last_action == ActionKind::Fold && showdown.last_action != ActionKind::Fold &&
         fold.turn == showdown.turn && fold.river == showdown.river &&
         fold_follows_runout(game, fold, seat, entry);
}

void fill_zero(std::span<float> out) { std::fill(out.begin(), out.end(), 0.0f); }

}  // namespace

double rake_after(const GameConfig& config, double pot) {
  if (!(pot > 0.0)) return 0.0;
  double rake = config.rake_rate > 0.0 ? config.rake_rate * pot : 0.0;
  if (config.rake_cap > 0.0) rake = std::min(rake, config.rake_cap);
  return std::max(pot - rake, 0.0);
}

std::span<const std::uint16_t> live_hands(const Game& game, const NodeRecord& node,
                                          std::uint8_t seat) {
  const CardContext& cards = game.cards;
  if (seat > 1) return {};
  const std::span<const std::uint16_t> all = cards.all_hands[seat];
  if (node.turn == kNoCard) return all;
  if (node.river != kNoCard) {
    const unsigned lo = std::min(node.turn, node.river);
    const unsigned hi = std::max(node.turn, node.river);
    const std::size_t index = lo * (101 - lo) / 2 + hi - 1;
    if (lo < hi && hi < 52 && index < cards.compatible_by_pair.size())
      return cards.compatible_by_pair[index][seat];
  }
  if (node.turn < cards.compatible_by_card.size()) return cards.compatible_by_card[node.turn][seat];
  return all;
}

void fold_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat, double payoff,
                 std::span<const float> opponent_reach, std::span<float> out) {
  SolverProfile::Scope scope(ProfileSection::fold);
  const CardContext& cards = game.cards;
  if (!spans_fit(cards, seat, opponent_reach.size(), out.size())) {
    fill_zero(out);
    return;
  }
  const std::uint8_t opp = 1 - seat;
  const std::span<const std::uint16_t> mine = live_hands(game, node, seat);
  const Pocket* their_pockets = cards.pockets[opp].data();

  CardSums sums;
  const RunoutShowdown* entry =
      complete_board(node) ? &cards.runout_entry(node.turn, node.river) : nullptr;
  if (entry != nullptr && fold_follows_runout(game, node, seat, *entry)) {
    // On a complete board the opponent's hands are summed in the runout's
    // strength order, the order of a showdown's merge, so that a fold valued
    // together with a showdown gets the same bits as on its own.
    const std::vector<ShowdownRecord>& theirs = (*entry)[opp];
    for (std::size_t k = 1; k + 1 < theirs.size(); ++k)
      sums.add(their_pockets[theirs[k].position], opponent_reach[theirs[k].position]);
  } else {
    sums.add_hands(live_hands(game, node, opp), their_pockets, opponent_reach);
  }

  const Pocket* my_pockets = cards.pockets[seat].data();
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  if (sums.total == 0.0) {
    for (const std::uint16_t i : mine)
      if (i < out.size()) out[i] = 0.0f;
    return;
  }
  for (const std::uint16_t i : mine) {
    if (i >= out.size()) continue;
    const std::uint16_t twin = i < cross.size() ? cross[i] : kNoHand;
    const double own = twin < opponent_reach.size() ? static_cast<double>(opponent_reach[twin]) : 0.0;
    out[i] = static_cast<float>((sums.excluding(my_pockets[i]) + own) * payoff);
  }
}

bool showdown_unraked(const Game& game, const NodeRecord& node, std::uint8_t seat,
                      std::span<const float> opponent_reach, std::span<float> out) {
  const double m = game.cards.matchup_weight;
  const double half = static_cast<double>(node.pot) / 2;
  const ShowdownCoefficients c =
      m > 0.0 ? ShowdownCoefficients{half / m, 0.0, -half / m} : ShowdownCoefficients{};
  return complete_board_pass(game, node.turn, node.river, seat, opponent_reach, out, false, c);
}

bool showdown_raked(const Game& game, const NodeRecord& node, std::uint8_t seat,
                    std::span<const float> opponent_reach, std::span<float> out) {
  const ShowdownCoefficients c =
      cash_coefficients(game.config, static_cast<double>(node.pot), game.cards.matchup_weight);
  return complete_board_pass(game, node.turn, node.river, seat, opponent_reach, out, true, c);
}

bool showdown_icm(const Game& game, const NodeRecord& node, std::uint8_t seat,
                  std::span<const float> opponent_reach, std::span<float> out) {
  const double m = game.cards.matchup_weight;
  if (!(m > 0.0)) return false;
  const std::array<double, 3> p =
      icm_payoffs(game, node, seat, rake_after(game.config, node.pot), m);
  return complete_board_pass(game, node.turn, node.river, seat, opponent_reach, out, true,
                             {p[0], p[1], p[2]});
}

bool showdown_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                     std::span<const float> opponent_reach, std::span<float> out) {
  if (node.turn == kNoCard || node.river == kNoCard) return false;
  if (icm_mode(game.config)) return showdown_icm(game, node, seat, opponent_reach, out);
  if (raked(game.config, static_cast<double>(node.pot)))
    return showdown_raked(game, node, seat, opponent_reach, out);
  return showdown_unraked(game, node, seat, opponent_reach, out);
}

namespace {

// What an all-in before the river needs besides the runouts: the
// coefficients and how many runouts a card-disjoint pair meets.
struct AllInSetup {
  ShowdownCoefficients c;
  bool with_ties = false;
  long meetings = 0;
  std::uint64_t unseen = 0;
};

// False (output left zero) when there is nothing to evaluate.
bool all_in_setup(const Game& game, const NodeRecord& node, std::uint8_t seat,
                  std::span<const float> opponent_reach, std::span<float> out, AllInSetup& s) {
  const CardContext& cards = game.cards;
  if (!spans_fit(cards, seat, opponent_reach.size(), out.size())) return false;
  if (node.river != kNoCard) return false;  // complete, or a river without a turn

  const double m = cards.matchup_weight;
  if (!(m > 0.0)) return false;
  const double pot = static_cast<double>(node.pot);
  s.with_ties = icm_mode(game.config) || raked(game.config, pot);
  if (icm_mode(game.config)) {
    const std::array<double, 3> p = icm_payoffs(game, node, seat, rake_after(game.config, pot), m);
    s.c = {p[0], p[1], p[2]};
  } else if (raked(game.config, pot)) {
    s.c = cash_coefficients(game.config, pot, m);
  } else {
    s.c = {pot / 2 / m, 0.0, -(pot / 2) / m};
  }

  std::uint64_t used = cards.board_mask;
  if (node.turn != kNoCard) used |= std::uint64_t{1} << (node.turn & 63u);
  s.unseen = cards.deck_mask & ~used;
  const long u = std::popcount(s.unseen);
  s.meetings = node.turn == kNoCard ? (u - 4) * (u - 5) / 2 : u - 4;
  if (s.meetings <= 0) return false;
  return node.turn == kNoCard || (node.turn < 64 && (cards.deck_mask >> node.turn & 1u));
}

// The turn cards still to come, ascending: every unseen card from a flop, the
// node's turn from a turn. Returns how many.
std::size_t turn_groups(const NodeRecord& node, std::uint64_t unseen,
                        std::array<CardCode, 64>& turns) {
  if (node.turn != kNoCard) {
    turns[0] = node.turn;
    return 1;
  }
  std::size_t n = 0;
  for (std::uint64_t ts = unseen; ts; ts &= ts - 1)
    turns[n++] = static_cast<CardCode>(std::countr_zero(ts));
  return n;
}

// Whether the runout's lists fit the spans; counted runouts only.
bool runout_fits(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                 std::span<const float> opponent_reach, std::span<float> out) {
  return showdown_sizes_ok(cards, entry, seat, opponent_reach.size(), out.size(), false);
}

// Zeroes row and adds the terms of every river after `turn` to it; returns
// how many runouts were evaluated. From a flop a runout (t, r) is visited
// once, with t < r.
std::size_t accumulate_turn_group(const CardContext& cards, const NodeRecord& node,
                                  std::uint8_t seat, std::span<const float> opponent_reach,
                                  std::span<float> out, const AllInSetup& s, CardCode turn,
                                  double* row) {
  std::fill(row, row + out.size(), 0.0);
  std::uint64_t rivers = s.unseen & ~(std::uint64_t{1} << (turn & 63u));
  if (node.turn == kNoCard) rivers &= ~((std::uint64_t{2} << (turn & 63u)) - 1);
  std::size_t evaluated = 0;
  for (; rivers; rivers &= rivers - 1) {
    const RunoutShowdown& entry =
        cards.runout_entry(turn, static_cast<CardCode>(std::countr_zero(rivers)));
    if (!runout_fits(cards, entry, seat, opponent_reach, out)) continue;
    SolverProfile::Scope runout_scope(s.with_ties ? ProfileSection::showdown_r
                                                  : ProfileSection::showdown_u);
    accumulate_runout(cards, entry, seat, opponent_reach, s.c, row);
    ++evaluated;
  }
  return evaluated;
}

// out_i = acc_i / meetings + lose x (the opponent reach compatible with i).
void finish_all_in(const Game& game, const NodeRecord& node, std::uint8_t seat,
                   std::span<const float> opponent_reach, std::span<float> out,
                   const AllInSetup& s, const double* acc) {
  const CardContext& cards = game.cards;
  const std::uint8_t opp = 1 - seat;
  CardSums node_sums;
  node_sums.add_hands(live_hands(game, node, opp), cards.pockets[opp].data(), opponent_reach);
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  const double scale = 1.0 / static_cast<double>(s.meetings);
  for (const std::uint16_t i : live_hands(game, node, seat)) {
    if (i >= out.size()) continue;
    const std::uint16_t twin = i < cross.size() ? cross[i] : kNoHand;
    const double own = twin < opponent_reach.size() ? static_cast<double>(opponent_reach[twin]) : 0.0;
    const double all = node_sums.excluding(cards.pockets[seat][i]) + own;
    out[i] = static_cast<float>(acc[i] * scale + s.c.lose * all);
  }
}

}  // namespace

// Every runout still to come is evaluated once. A card-disjoint pair of hands
// meets the same number of runouts, C(U - 4, 2) from a flop and U - 4 from a
// turn (U the unseen cards), so that count divides the sum; a hand that a
// runout card blocks gets 0 for that runout. This equals dealing the cards one
// at a time through chance nodes. The runouts are summed per turn card first
// and the turn sums then in turn order, so that the turns can be spread over
// threads without changing a bit.
namespace {

// The runout enumeration over `run`, which calls body(begin, end) over ranges
// covering [0, n); a template so that the one-thread form calls no
// std::function and allocates nothing once `rows` has grown.
template <typename Runner>
void incomplete_board_payoff_over(const Game& game, const NodeRecord& node, std::uint8_t seat,
                                  std::span<const float> opponent_reach, std::span<float> out,
                                  Runner&& run_ranges, std::vector<double>& rows) {
  SolverProfile::Scope scope(ProfileSection::incomplete);
  fill_zero(out);
  AllInSetup s;
  if (!all_in_setup(game, node, seat, opponent_reach, out, s)) return;
  std::array<CardCode, 64> turns;
  const std::size_t groups = turn_groups(node, s.unseen, turns);

  // One row per turn card, then the sum row.
  const std::size_t H = out.size();
  if (rows.size() < (groups + 1) * H) rows.resize((groups + 1) * H);
  double* const base = rows.data();
  std::array<std::size_t, 64> evaluated{};
  run_ranges(groups, [&](std::size_t begin, std::size_t end) {
    for (std::size_t g = begin; g < end; ++g)
      evaluated[g] = accumulate_turn_group(game.cards, node, seat, opponent_reach, out, s,
                                           turns[g], base + g * H);
  });
  double* const acc = base + groups * H;
  run_ranges(H, [&](std::size_t begin, std::size_t end) {
    std::fill(acc + begin, acc + end, 0.0);
    for (std::size_t g = 0; g < groups; ++g) {
      const double* row = base + g * H;
      for (std::size_t h = begin; h < end; ++h) acc[h] += row[h];
    }
  });
  std::size_t total = 0;
  for (std::size_t g = 0; g < groups; ++g) total += evaluated[g];
  if (total == 0) return;
  finish_all_in(game, node, seat, opponent_reach, out, s, acc);
}

}  // namespace

void incomplete_board_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                             std::span<const float> opponent_reach, std::span<float> out) {
  thread_local std::vector<double> rows;
  const auto in_order = [](std::size_t n, auto&& body) {
    if (n > 0) body(std::size_t{0}, n);
  };
  incomplete_board_payoff_over(game, node, seat, opponent_reach, out, in_order, rows);
}

void incomplete_board_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                             std::span<const float> opponent_reach, std::span<float> out,
                             const RangeRunner& run_ranges, std::vector<double>& rows) {
  incomplete_board_payoff_over(game, node, seat, opponent_reach, out,
                               [&](std::size_t n, const RangeBody& body) { run_ranges(n, body); },
                               rows);
}

namespace {

// How a terminal is valued once the mode and the pot are settled.
struct TerminalPlan {
  ShowdownCoefficients c;  // complete-board showdown
  bool with_ties = false;
  bool valid = true;       // false: the showdown is worth 0 everywhere
  double fold_payoff = 0.0;
};

// The payoff per unit of compatible reach of a fold for `seat`.
double fold_value(const Game& game, const NodeRecord& node, std::uint8_t seat) {
  const GameConfig& config = game.config;
  const double m = game.cards.matchup_weight;
  if (icm_mode(config)) {
    const std::array<double, 3> p = icm_payoffs(game, node, seat, rake_after(config, node.pot), m);
    return seat == node.last_actor ? p[2] : p[0];
  }
  // The contested pot: what both have matched; an unmatched bet goes back.
  const double pot = static_cast<double>(std::int64_t{config.starting_pot} + 2 * std::int64_t{node.matched});
  const ShowdownCoefficients c = cash_coefficients(config, pot, m);
  return static_cast<float>(seat == node.last_actor ? c.lose : c.win);
}

// The coefficients of a complete-board showdown for `seat`, as the mode asks:
// ICM, the unraked pass when no rake is charged on the matched pot, else the
// kernel showdown_payoff picks on the node's pot.
TerminalPlan showdown_plan(const Game& game, const NodeRecord& node, std::uint8_t seat) {
  const GameConfig& config = game.config;
  const double m = game.cards.matchup_weight;
  TerminalPlan plan;
  if (icm_mode(config)) {
    plan.valid = m > 0.0;
    if (plan.valid) {
      const std::array<double, 3> p =
          icm_payoffs(game, node, seat, rake_after(config, node.pot), m);
      plan.c = {p[0], p[1], p[2]};
      plan.with_ties = true;
    }
    return plan;
  }
  const double matched_pot =
      static_cast<double>(std::int64_t{config.starting_pot} + 2 * std::int64_t{node.matched});
  if (std::abs(charged_rake(config, matched_pot)) <= kRakeEpsilon) {
    plan.c = cash_coefficients(config, matched_pot, m);
    return plan;
  }
  const double pot = static_cast<double>(node.pot);
  if (raked(config, pot)) {
    plan.c = cash_coefficients(config, pot, m);
    plan.with_ties = true;
  } else if (m > 0.0) {
    plan.c = {pot / 2 / m, 0.0, -(pot / 2) / m};
  }
  return plan;
}

}  // namespace

void terminal_eval(const Game& game, const NodeRecord& node, std::uint8_t seat,
                   std::span<const float> opponent_reach, std::span<float> out) {
  SolverProfile::Scope scope(ProfileSection::terminal_eval);
  fill_zero(out);
  if (!spans_fit(game.cards, seat, opponent_reach.size(), out.size())) return;

  if (node.last_action == ActionKind::Fold) {
    fold_payoff(game, node, seat, fold_value(game, node, seat), opponent_reach, out);
  } else if (!complete_board(node)) {
    incomplete_board_payoff(game, node, seat, opponent_reach, out);
  } else {
    const TerminalPlan plan = showdown_plan(game, node, seat);
    if (!plan.valid || !complete_board_pass(game, node.turn, node.river, seat, opponent_reach,
                                            out, plan.with_ties, plan.c))
      fill_zero(out);
  }
}

void showdown_batch(const Game& game, std::uint8_t seat, std::span<const ShowdownJob> jobs) {
  const CardContext& cards = game.cards;
  // One reading of the kernel choice for the batch: the group size and the
  // kernel that runs a group must agree.
  const KernelIsa isa = active_kernel_isa();
  const std::size_t capacity = lane_capacity(isa);
  // Lanes waiting for a merge, apart by whether ties count (a fold alone
  // joins either); a group runs when it is full or when the next job needs
  // another runout.
  struct Group {
    std::array<ShowdownLane, kMaxLanes> lanes;
    std::size_t count = 0;
    const RunoutShowdown* entry = nullptr;
    std::size_t reach_size = 0;
  };
  std::array<Group, 2> groups;
  const auto flush = [&](Group& group, bool with_ties) {
    if (group.count == 0) return;
    SolverProfile::Scope scope(ProfileSection::terminal_eval);
    const ShowdownLane& first = group.lanes[0];
    if (group.count > 1) {
      showdown_lanes(cards, *group.entry, seat, group.reach_size, group.lanes.data(),
                     group.count, with_ties, isa);
    } else if (first.out == nullptr) {
      fold_payoff(game, *first.fold_node, seat, first.fold.payoff, {first.reach, group.reach_size},
                  {first.fold.out, cards.pockets[seat].size()});
    } else {
      // One lane: the scalar pass is quicker than a vector one.
      run_showdown_pass(cards, *group.entry, seat, {first.reach, group.reach_size}, first.c,
                        with_ties, first.out, first.fold);
    }
    group.count = 0;
  };
  const auto enqueue = [&](bool with_ties, const RunoutShowdown* entry, std::size_t reach_size,
                           const ShowdownLane& lane) {
    Group& group = groups[with_ties ? 1 : 0];
    if (group.count > 0 && (group.entry != entry || group.reach_size != reach_size))
      flush(group, with_ties);
    group.entry = entry;
    group.reach_size = reach_size;
    group.lanes[group.count++] = lane;
    if (group.count == capacity) flush(group, with_ties);
  };

  const auto one_at_a_time = [&](const ShowdownJob& job) {
    terminal_eval(game, *job.node, seat, job.reach, job.out);
    if (job.fold != nullptr) terminal_eval(game, *job.fold, seat, job.reach, job.fold_out);
  };

  for (const ShowdownJob& job : jobs) {
    const NodeRecord& node = *job.node;
    const bool fits = complete_board(node) && spans_fit(cards, seat, job.reach.size(), job.out.size());
    const RunoutShowdown* entry = fits ? &cards.runout_entry(node.turn, node.river) : nullptr;

    if (node.last_action == ActionKind::Fold) {
      // A fold alone rides along a merge for its sums.
      if (fits && fold_follows_runout(game, node, seat, *entry) && job.fold == nullptr) {
        fill_zero(job.out);
        const bool open_ties = groups[0].count == 0 && groups[1].count > 0 &&
                               groups[1].entry == entry && groups[1].reach_size == job.reach.size();
        enqueue(open_ties, entry, job.reach.size(),
                {job.reach.data(), nullptr, {}, {job.out.data(), fold_value(game, node, seat)},
                 &node});
      } else {
        one_at_a_time(job);
      }
      continue;
    }

    TerminalPlan plan;
    if (fits) plan = showdown_plan(game, node, seat);
    if (!fits || !plan.valid ||
        !showdown_sizes_ok(cards, *entry, seat, job.reach.size(), job.out.size(),
                           plan.with_ties)) {
      one_at_a_time(job);
      continue;
    }
    FoldSide side;
    if (job.fold != nullptr) {
      const NodeRecord& fold = *job.fold;
      if (job.fold_out.size() == job.out.size() && fold_pairs_with(game, node, fold, seat, *entry)) {
        fill_zero(job.fold_out);
        side = {job.fold_out.data(), fold_value(game, fold, seat)};
      } else {
        terminal_eval(game, fold, seat, job.reach, job.fold_out);
      }
    }
    fill_zero(job.out);
    enqueue(plan.with_ties, entry, job.reach.size(), {job.reach.data(), job.out.data(), plan.c, side});
  }
  flush(groups[0], false);
  flush(groups[1], true);
}

}  // namespace halvory
