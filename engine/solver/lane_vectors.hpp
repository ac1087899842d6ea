#pragma once

// Vectors of lanes for the several-terminal merges (showdown_lanes.cpp,
// all_in_lanes.cpp): one lane per terminal, side by side in GCC vectors, and
// the transposes that move a block of values between lanes and hands. Only
// those files include this header; everything here is inlined into their
// functions of each instruction set.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>

#include "cards/cards.hpp"

namespace halvory::payoff_detail {
namespace lanes {

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
  using Element = LaneElement<Half>;
  static constexpr std::size_t kHalf = sizeof(Half) / sizeof(Element);
  Half lo;
  Half hi;

  [[gnu::always_inline]] Element operator[](std::size_t l) const {
    return l < kHalf ? lo[l] : hi[l - kHalf];
  }
  [[gnu::always_inline]] void set(std::size_t l, Element x) {
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

// N lanes of T in one register, or split over two.
template <class T, std::size_t N, bool Split>
using LaneVector = std::conditional_t<Split, TwoRegisters<Lanes<T, N / 2>>, Lanes<T, N>>;

template <class V, class T>
[[gnu::always_inline]] inline void set_lane(V& v, std::size_t l, T x) {
  if constexpr (std::is_class_v<V>) {
    v.set(l, x);
  } else {
    v[l] = x;
  }
}

// Piece p of P lanes of a lane vector (P dividing its lanes): the unit in
// which blocks move between lanes and hands. (Written through a reference:
// a vector returned by value would change the calling convention between
// the instruction sets.)
template <std::size_t P, class V, class Piece>
[[gnu::always_inline]] inline void piece(const V& v, std::size_t p, Piece& into) {
  static_assert(sizeof(Piece) == P * sizeof(LaneElement<Piece>));
  std::memcpy(&into, reinterpret_cast<const char*>(&v) + p * sizeof(into), sizeof(into));
}

// The lanes' reach side by side, N floats per opponent hand in w (lanes
// past K repeat lane 0's reach: their values go nowhere, and every load is
// unconditional). P lanes by P hands at a time: each lane's P reaches as one
// vector, then one transpose in registers; the last hands take single reads.
template <std::size_t N, std::size_t P = (N < 8 ? N : 8)>
[[gnu::always_inline]] inline void load_reach(const float* const* reach, std::size_t K,
                                              std::size_t reach_size, float* w) {
  using F = Lanes<float, P>;
  const float* from[N];
  for (std::size_t l = 0; l < N; ++l) from[l] = reach[l < K ? l : 0];
  std::size_t j0 = 0;
  for (; j0 + P <= reach_size; j0 += P) {
    for (std::size_t p = 0; p < N / P; ++p) {
      F rows[P];
      for (std::size_t l = 0; l < P; ++l) std::memcpy(&rows[l], from[p * P + l] + j0, sizeof(F));
      transpose<P>(rows);
      for (std::size_t i = 0; i < P; ++i)
        std::memcpy(w + (j0 + i) * N + p * P, &rows[i], sizeof(F));
    }
  }
  for (std::size_t j = j0; j < reach_size; ++j)
    for (std::size_t l = 0; l < N; ++l) w[j * N + l] = from[l][j];
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

// Per-thread scratch of `bytes`, 64-byte aligned; grows, never shrinks. The
// merges share it: none runs inside another.
inline void* lane_scratch(std::size_t bytes) {
  struct alignas(64) Line {
    unsigned char bytes[64];
  };
  struct Buffer {
    std::unique_ptr<Line[]> data;
    std::size_t lines = 0;
  };
  static thread_local Buffer buffer;
  const std::size_t lines = (bytes + sizeof(Line) - 1) / sizeof(Line);
  if (buffer.lines < lines) {
    buffer.data = std::make_unique_for_overwrite<Line[]>(lines);
    buffer.lines = lines;
  }
  return buffer.data.get();
}

}  // namespace lanes
}  // namespace halvory::payoff_detail
