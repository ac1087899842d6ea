#pragma once

// How a pass reads a decision node: its regrets and strategy sums as f32
// rows, whichever form the solver keeps them in, and its lock. The regret
// pass, the value passes and the queries all go through these two views, so
// a packed array and a lock mean the same thing to each of them.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

#include "solver/dcfr_internal.hpp"

namespace halvory {

// One node's two arrays (A x H each): f32 in place, or packed int16 codes
// that are decoded into the caller's scratch. The read-only form serves the
// passes that only read; the writable form, the regret pass's update, which
// writes the f32 rows in place or packs the decoded rows back after a write.
template <bool Writable>
class BasicNodeArrays {
  template <class T>
  using Elem = std::conditional_t<Writable, T, const T>;

 public:
  BasicNodeArrays(std::span<Elem<float>> regrets, std::span<Elem<float>> sums,
                  std::span<Elem<std::int16_t>> packed_regrets,
                  std::span<Elem<std::int16_t>> packed_sums, const NodeState& state, bool packed)
      : regrets_(regrets),
        sums_(sums),
        packed_regrets_(packed_regrets),
        packed_sums_(packed_sums),
        state_(state),
        packed_(packed),
        size_(state.num_actions * state.num_hands) {}

  // Asks for the cache lines of the arrays named ahead of use.
  void prefetch(bool regrets, bool sums, dcfr_detail::PrefetchFor use) const {
    each_array(regrets, sums, [use](const void* data, std::size_t bytes) {
      dcfr_detail::prefetch_lines(data, bytes, use);
    });
  }

  // f(data, bytes) for each of the arrays named, in the form they are kept.
  template <class F>
  void each_array(bool regrets, bool sums, F&& f) const {
    const auto give = [&f](auto values) { f(values.data(), values.size_bytes()); };
    if (regrets) packed_ ? give(packed_regrets_) : give(regrets_);
    if (sums) packed_ ? give(packed_sums_) : give(sums_);
  }

  // The arrays as f32, decoded into `scratch` when packed (scratch grows to
  // A x H); null when the node has no array of its size.
  Elem<float>* regrets(std::vector<float>& scratch) const {
    return rows(regrets_, packed_regrets_, state_.regret_scale, scratch,
                dcfr_detail::PackedForm::half);
  }
  Elem<float>* sums(std::vector<float>& scratch) const {
    return rows(sums_, packed_sums_, state_.strategy_sum_scale, scratch,
                dcfr_detail::PackedForm::linear);
  }

  bool packed() const { return packed_; }

  // The codes of a packed array with a usable scale, for the kernels that
  // decode as they read (the same values as regrets() and sums() give);
  // null when the node keeps f32 rows or the codes would decode to zeros.
  const std::int16_t* regret_codes() const { return codes(packed_regrets_, state_.regret_scale); }
  const std::int16_t* sum_codes() const { return codes(packed_sums_, state_.strategy_sum_scale); }

  // After a write through regrets() or sums(): packs the decoded rows back
  // (`state` is the node's own, whose scale changes). known_max, when not
  // negative, is the rows' max_abs, already found.
  void store_regrets(const float* values, NodeState& state,
                     float known_max = -1.0f) const requires Writable {
    if (packed_)
      dcfr_detail::pack_int16(values, size_, packed_regrets_.data(), state.regret_scale,
                              dcfr_detail::PackedForm::half, known_max);
  }
  void store_sums(const float* values, NodeState& state,
                  float known_max = -1.0f) const requires Writable {
    if (packed_)
      dcfr_detail::pack_int16(values, size_, packed_sums_.data(), state.strategy_sum_scale,
                              dcfr_detail::PackedForm::linear, known_max);
  }

 private:
  Elem<float>* rows(std::span<Elem<float>> f32, std::span<Elem<std::int16_t>> packed, float scale,
                    std::vector<float>& scratch, dcfr_detail::PackedForm form) const {
    if (size_ == 0) return nullptr;
    if (!packed_) return f32.size() == size_ ? f32.data() : nullptr;
    if (packed.size() != size_) return nullptr;
    return dcfr_detail::unpack_int16(packed, scale, size_, scratch, form);
  }

  const std::int16_t* codes(std::span<Elem<std::int16_t>> packed, float scale) const {
    const bool usable = packed_ && size_ != 0 && packed.size() == size_ && scale > 0.0f;
    return usable ? packed.data() : nullptr;
  }

  std::span<Elem<float>> regrets_;
  std::span<Elem<float>> sums_;
  std::span<Elem<std::int16_t>> packed_regrets_;
  std::span<Elem<std::int16_t>> packed_sums_;
  const NodeState& state_;
  bool packed_;
  std::size_t size_;
};

// A node's lock as every pass reads it. Two forms: A entries, one row that
// every hand follows, or A x H entries by action rows (entries past A x H
// are not read); a lock of any other length locks nothing. A hand is locked
// when its first action's entry has a clear sign bit; a negative number or
// -0.0 there leaves the hand free. A locked hand plays its column, an entry
// with the sign bit set counting as 0.
class NodeLock {
 public:
  NodeLock(const std::vector<float>* lock, std::size_t A, std::size_t H) : A_(A), H_(H) {
    if (lock == nullptr || A == 0) return;
    if (lock->size() == A) {
      entries_ = lock->data();
      row_ = true;
    } else if (lock->size() >= A * H) {
      entries_ = lock->data();
    }
  }

  static bool entry_set(float x) { return !std::signbit(x); }
  float played(std::size_t a, std::size_t h) const {
    const float p = entry(a, h);
    return entry_set(p) ? p : 0.0f;
  }

  bool any() const { return entries_ != nullptr && H_ != 0; }
  float entry(std::size_t a, std::size_t h) const {
    return row_ ? entries_[a] : entries_[a * H_ + h];
  }
  bool hand_locked(std::size_t h) const { return any() && entry_set(entry(0, h)); }
  bool all_locked() const {
    if (!any()) return false;
    for (std::size_t h = 0; h < H_; ++h)
      if (!hand_locked(h)) return false;
    return true;
  }

  // The locked hands' columns over a strategy of A x H entries.
  void apply(float* strategy) const {
    if (!any()) return;
    for (std::size_t h = 0; h < H_; ++h) {
      if (!hand_locked(h)) continue;
      for (std::size_t a = 0; a < A_; ++a) strategy[a * H_ + h] = played(a, h);
    }
  }

  // A locked hand's value: its column times the actions' rows (A x H), in f64.
  double locked_value(const float* rows, std::size_t h) const {
    double value = 0.0;
    for (std::size_t a = 0; a < A_; ++a) {
      const float p = entry(a, h);
      if (entry_set(p)) value += static_cast<double>(p) * static_cast<double>(rows[a * H_ + h]);
    }
    return value;
  }

 private:
  const float* entries_ = nullptr;
  bool row_ = false;
  std::size_t A_;
  std::size_t H_;
};

inline NodeArrays DiscountedCfr::arrays_of(const NodeState& state) const {
  const TrainedState& t = trained;
  return NodeArrays(t.regrets_of(state), t.strategy_sums_of(state), t.packed_regrets_of(state),
                    t.packed_strategy_sums_of(state), state, t.packed);
}

// The same entries as arrays_of, writable: only the regret pass's update
// holds the solver non-const.
inline WritableNodeArrays DiscountedCfr::arrays_to_update(const NodeState& state) {
  TrainedState& t = trained;
  return WritableNodeArrays(t.slice(t.regrets, state), t.slice(t.strategy_sums, state),
                            t.slice(t.packed_regrets, state),
                            t.slice(t.packed_strategy_sums, state), state, t.packed);
}

}  // namespace halvory
