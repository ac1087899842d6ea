// Every flat kernel, in both its baseline and AVX2 variants, against a plain
// scalar loop written from the definition, on random data with the awkward
// entries (0, -0.0, NaN, huge) and every tail length.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "solver/dcfr.hpp"
#include "solver/dcfr_internal.hpp"
#include "solver/kernels.hpp"
#include "solver/showdown_merge.hpp"

namespace {

using namespace halvory;

const std::size_t kActions[] = {0, 1, 2, 3, 4, 7};
const std::size_t kHands[] = {0, 1, 5, 8, 13, 64, 67};
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

bool same(float x, float y) {
  if (std::isnan(x) || std::isnan(y)) return std::isnan(x) && std::isnan(y);
  std::uint32_t a, b;
  std::memcpy(&a, &x, 4);
  std::memcpy(&b, &y, 4);
  return a == b;
}

void expect_same(const std::vector<float>& got, const std::vector<float>& want, const char* what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  for (std::size_t i = 0; i < got.size(); ++i)
    ASSERT_TRUE(same(got[i], want[i]))
        << what << " entry " << i << ": " << got[i] << " vs " << want[i];
}

std::vector<float> random_values(std::mt19937& rng, std::size_t n, bool specials) {
  std::uniform_real_distribution<float> value(-10.0f, 10.0f);
  std::uniform_int_distribution<int> pick(0, 15);
  std::vector<float> v(n);
  for (float& x : v) {
    x = value(rng);
    if (!specials) continue;
    switch (pick(rng)) {
      case 0:
        x = 0.0f;
        break;
      case 1:
        x = -0.0f;
        break;
      case 2:
        x = kNaN;
        break;
      case 3:
        x = 1e-30f;
        break;
      default:
        break;
    }
  }
  return v;
}

// --- Scalar oracles, straight from the definitions --------------------------

void oracle_regret_matching(std::vector<float>& s, const std::vector<float>& g, std::size_t A,
                            std::size_t H) {
  if (A == 0 || H == 0) return;
  const float u = 1.0f / static_cast<float>(A);
  std::vector<float> total(H, 0.0f);
  for (std::size_t a = 0; a < A; ++a)
    for (std::size_t h = 0; h < H; ++h) {
      const float x = g[a * H + h];
      s[a * H + h] = x > 0.0f ? x : 0.0f;
      total[h] += s[a * H + h];
    }
  for (std::size_t h = 0; h < H; ++h)
    total[h] = total[h] >= 1.17549435e-38f ? 1.0f / total[h] : 0.0f;
  for (std::size_t a = 0; a < A; ++a)
    for (std::size_t h = 0; h < H; ++h)
      s[a * H + h] = total[h] > 0.0f ? s[a * H + h] * total[h] : u;
}

class KernelIsaTest : public ::testing::TestWithParam<KernelIsa> {
 protected:
  void SetUp() override {
    previous_ = active_kernel_isa();
    if (!select_kernel_isa(GetParam())) GTEST_SKIP() << "CPU lacks this tier";
  }
  void TearDown() override { select_kernel_isa(previous_); }
  KernelIsa previous_ = KernelIsa::baseline;
};

TEST_P(KernelIsaTest, RegretMatchingEqualsScalarLoop) {
  std::mt19937 rng(1);
  for (std::size_t A : kActions)
    for (std::size_t H : kHands)
      for (int round = 0; round < 4; ++round) {
        const std::vector<float> g = random_values(rng, A * H, round > 0);
        std::vector<float> got(A * H, 7.0f), want(A * H, 7.0f), scratch(H + 1);
        regret_matching(got.data(), scratch.data(), g.data(), A, H);
        oracle_regret_matching(want, g, A, H);
        expect_same(got, want, "regret_matching");
      }
}

TEST_P(KernelIsaTest, RegretMatchingKnownRows) {
  // Column h = 0: {-1, 0, -3}; h = 1: {2, 0, 6}; h = 2: a NaN and a -0.0;
  // h = 3: positive regrets whose sum is subnormal.
  const std::vector<float> g = {-1, 2, kNaN, 1e-45f, 0, 0, -0.0f, 0, -3, 6, -1, 1e-45f};
  std::vector<float> s(12), scratch(4);
  regret_matching(s.data(), scratch.data(), g.data(), 3, 4);
  for (std::size_t a = 0; a < 3; ++a) {
    EXPECT_FLOAT_EQ(s[a * 4 + 0], 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(s[a * 4 + 2], 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(s[a * 4 + 3], 1.0f / 3.0f);
  }
  EXPECT_FLOAT_EQ(s[1], 0.25f);
  EXPECT_FLOAT_EQ(s[5], 0.0f);
  EXPECT_FLOAT_EQ(s[9], 0.75f);
}

TEST_P(KernelIsaTest, UpdateRegretsEqualsScalarLoop) {
  std::mt19937 rng(2);
  for (std::size_t A : kActions)
    for (std::size_t H : kHands) {
      const std::vector<float> g = random_values(rng, A * H, true);
      const std::vector<float> v = random_values(rng, A * H, false);
      const std::vector<float> node = random_values(rng, H, false);
      std::vector<float> got = g, want = g;
      update_regrets(got.data(), v.data(), node.data(), A, H, 0.75f, 0.5f);
      for (std::size_t a = 0; a < A; ++a)
        for (std::size_t h = 0; h < H; ++h) {
          float& r = want[a * H + h];
          const float w = r >= 0.0f ? 0.75f : 0.5f;  // NaN takes the negative weight
          const float grown = w * r + v[a * H + h];
          r = grown - node[h];
        }
      expect_same(got, want, "update_regrets");
    }
  // Two hand-worked reference cases.
  float r1 = -2.0f, r2 = 4.0f;
  const float V = 1.0f, v = 3.0f;
  update_regrets(&r1, &V, &v, 1, 1, 0.5f, 0.5f);
  update_regrets(&r2, &V, &v, 1, 1, 0.5f, 0.5f);
  EXPECT_EQ(r1, -3.0f);
  EXPECT_EQ(r2, 0.0f);
}

// The fused sweeps give the bits of the kernels they stand for, run in turn.
TEST_P(KernelIsaTest, FusedSweepsEqualTheKernelsInTurn) {
  std::mt19937 rng(4);
  for (std::size_t A : kActions)
    for (std::size_t H : kHands)
      for (int round = 0; round < 3; ++round) {
        const std::vector<float> g = random_values(rng, A * H, round > 0);
        const std::vector<float> v = random_values(rng, A * H, round > 1);
        const std::vector<float> sums = random_values(rng, A * H, round > 1);
        const std::vector<float> reach = random_values(rng, H, false);
        std::vector<float> strategy(A * H), scratch(H + 1);
        regret_matching(strategy.data(), scratch.data(), g.data(), A, H);

        std::vector<float> want_out(H, 0.0f), want_sums = sums, want_g = g;
        fma_actions(want_out.data(), strategy.data(), v.data(), A, H);
        strategy_sum_update(want_sums.data(), strategy.data(), 0.3f, A * H);
        update_regrets(want_g.data(), v.data(), want_out.data(), A, H, 0.9f, 0.5f);
        std::vector<float> out(H, 0.0f), got_sums = sums, got_g = g;
        update_traverser_node(out.data(), got_sums.data(), got_g.data(), v.data(), A, H, 0.3f, 0.9f,
                              0.5f);
        if (A > 0) expect_same(out, want_out, "node values");
        expect_same(got_sums, want_sums, "strategy sums");
        expect_same(got_g, want_g, "regrets");
        // With maxima: the same rows, and the maxima that packing needs.
        float maxima[2] = {-1.0f, -1.0f};
        got_sums = sums;
        got_g = g;
        update_traverser_node(out.data(), got_sums.data(), got_g.data(), v.data(), A, H, 0.3f, 0.9f,
                              0.5f, maxima);
        expect_same(got_sums, want_sums, "strategy sums with maxima");
        expect_same(got_g, want_g, "regrets with maxima");
        EXPECT_TRUE(same(maxima[0], max_abs(want_sums.data(), A * H)));
        EXPECT_TRUE(same(maxima[1], max_abs(want_g.data(), A * H)));

        std::vector<float> want_reach(A * H), got_reach(A * H);
        for (std::size_t a = 0; a < A; ++a)
          multiply_into(want_reach.data() + a * H, strategy.data() + a * H, reach.data(), H);
        opponent_child_reach(got_reach.data(), g.data(), reach.data(), A, H);
        expect_same(got_reach, want_reach, "child reach");

        // Kept in 16 bits: read as codes, the same bits as decoding first.
        if (A * H == 0) continue;
        std::vector<std::int16_t> g_codes(A * H), sum_codes(A * H);
        float g_scale = 0.0f, sum_scale = 0.0f;
        dcfr_detail::pack_int16(g.data(), A * H, g_codes.data(), g_scale,
                                dcfr_detail::PackedForm::half);
        dcfr_detail::pack_int16(sums.data(), A * H, sum_codes.data(), sum_scale);
        std::vector<float> g_rows, sum_rows;
        dcfr_detail::unpack_int16(g_codes, g_scale, A * H, g_rows, dcfr_detail::PackedForm::half);
        dcfr_detail::unpack_int16(sum_codes, sum_scale, A * H, sum_rows);
        float want_maxima[2], got_maxima[2];
        update_traverser_node(want_out.data(), sum_rows.data(), g_rows.data(), v.data(), A, H, 0.3f,
                              0.9f, 0.5f, want_maxima);
        std::vector<float> new_sums(A * H), new_g(A * H);
        update_packed_traverser_node(out.data(), new_sums.data(), new_g.data(), sum_codes.data(),
                                     sum_scale, g_codes.data(), g_scale, v.data(), A, H, 0.3f, 0.9f,
                                     0.5f, got_maxima);
        expect_same(out, want_out, "node values from codes");
        expect_same(new_sums, sum_rows, "strategy sums from codes");
        expect_same(new_g, g_rows, "regrets from codes");
        EXPECT_TRUE(same(got_maxima[0], want_maxima[0]) && same(got_maxima[1], want_maxima[1]));
        dcfr_detail::unpack_int16(g_codes, g_scale, A * H, g_rows, dcfr_detail::PackedForm::half);
        opponent_child_reach(want_reach.data(), g_rows.data(), reach.data(), A, H);
        packed_opponent_child_reach(got_reach.data(), g_codes.data(), g_scale, reach.data(), A, H);
        expect_same(got_reach, want_reach, "child reach from codes");
        std::vector<float> want_avg(A * H), got_avg(A * H), totals(H);
        dcfr_detail::unpack_int16(sum_codes, sum_scale, A * H, sum_rows);
        normalize_positive(want_avg.data(), totals.data(), sum_rows.data(), A, H);
        normalize_packed(got_avg.data(), totals.data(), sum_codes.data(), sum_scale, A, H);
        expect_same(got_avg, want_avg, "average strategy from codes");
      }
}

TEST_P(KernelIsaTest, RowKernelsEqualScalarLoops) {
  std::mt19937 rng(3);
  for (std::size_t A : kActions)
    for (std::size_t H : kHands) {
      const std::vector<float> s = random_values(rng, A * H, true);
      const std::vector<float> v = random_values(rng, A * H, true);

      std::vector<float> got(H, 5.0f), want(H, 5.0f);
      fma_actions(got.data(), s.data(), v.data(), A, H);
      if (A > 0)
        for (std::size_t h = 0; h < H; ++h) {
          want[h] = s[h] * v[h];
          for (std::size_t a = 1; a < A; ++a) {
            const float term = s[a * H + h] * v[a * H + h];
            want[h] = want[h] + term;
          }
        }
      expect_same(got, want, "fma_actions");

      std::vector<float> rows_got = random_values(rng, H, true), rows_want = rows_got;
      sum_rows_into(rows_got.data(), v.data(), A, H);
      for (std::size_t a = 0; a < A; ++a)
        for (std::size_t h = 0; h < H; ++h) rows_want[h] += v[a * H + h];
      expect_same(rows_got, rows_want, "sum_rows_into");

      std::vector<float> f64_got(H, 9.0f), f64_want(H);
      sum_rows_f64(f64_got.data(), v.data(), A, H);
      for (std::size_t h = 0; h < H; ++h) {
        double total = 0.0;
        for (std::size_t a = 0; a < A; ++a) total += v[a * H + h];
        f64_want[h] = static_cast<float>(total);
      }
      expect_same(f64_got, f64_want, "sum_rows_f64");

      std::vector<float> weighted_got(H, 9.0f), weighted_want(H);
      weighted_rows_f64(weighted_got.data(), s.data(), v.data(), A, H);
      for (std::size_t h = 0; h < H; ++h) {
        double total = 0.0;
        for (std::size_t a = 0; a < A; ++a)
          total += static_cast<double>(s[a * H + h]) * static_cast<double>(v[a * H + h]);
        weighted_want[h] = static_cast<float>(total);
      }
      expect_same(weighted_got, weighted_want, "weighted_rows_f64");

      std::vector<float> avg_got(A * H, 3.0f), avg_want(A * H), totals(H);
      normalize_positive(avg_got.data(), totals.data(), s.data(), A, H);
      for (std::size_t h = 0; h < H; ++h) {
        float total = 0.0f;
        for (std::size_t a = 0; a < A; ++a) total += s[a * H + h] > 0.0f ? s[a * H + h] : 0.0f;
        for (std::size_t a = 0; a < A; ++a) {
          const float positive = s[a * H + h] > 0.0f ? s[a * H + h] : 0.0f;
          avg_want[a * H + h] = total > 0.0f ? positive / total : 1.0f / static_cast<float>(A);
        }
      }
      expect_same(avg_got, avg_want, "normalize_positive");
    }
}

TEST_P(KernelIsaTest, ElementwiseKernelsEqualScalarLoops) {
  std::mt19937 rng(4);
  for (std::size_t n : {0, 1, 7, 8, 9, 31, 100}) {
    const std::vector<float> x = random_values(rng, n, true);
    const std::vector<float> y0 = random_values(rng, n, true);

    std::vector<float> got = y0, want = y0;
    strategy_sum_update(got.data(), x.data(), 0.921f, n);
    for (std::size_t i = 0; i < n; ++i) {
      const float kept = 0.921f * want[i];
      want[i] = kept + x[i];
    }
    expect_same(got, want, "strategy_sum_update");

    got = y0;
    want = y0;
    axpy(got.data(), x.data(), n, -1.5f);
    for (std::size_t i = 0; i < n; ++i) {
      const float term = -1.5f * x[i];
      want[i] = want[i] + term;
    }
    expect_same(got, want, "axpy");
    got = y0;
    axpy(got.data(), x.data(), n, 0.0f);  // a = 0 leaves NaN products out
    expect_same(got, y0, "axpy a=0");

    got.assign(n, 1.0f);
    want.assign(n, 1.0f);
    multiply_into(got.data(), x.data(), y0.data(), n);
    for (std::size_t i = 0; i < n; ++i) want[i] = x[i] * y0[i];
    expect_same(got, want, "multiply_into");

    scale_into(got.data(), x.data(), 1.0f / 45.0f, n);
    for (std::size_t i = 0; i < n; ++i) want[i] = (1.0f / 45.0f) * x[i];
    expect_same(got, want, "scale_into");
  }
}

TEST_P(KernelIsaTest, PackingEqualsScalarRounding) {
  std::mt19937 rng(5);
  for (std::size_t n : {1, 8, 17, 200}) {
    std::vector<float> x = random_values(rng, n, true);
    float m = 0.0f;
    for (float v : x)
      if (std::fabs(v) > m) m = std::fabs(v);  // NaN never wins
    ASSERT_EQ(max_abs(x.data(), n), m);
    std::vector<std::int16_t> codes(n);
    quantize_int16(codes.data(), x.data(), m, n);
    std::vector<float> back(n);
    dequantize_int16(back.data(), codes.data(), m, n);
    for (std::size_t i = 0; i < n; ++i) {
      float q = x[i] / m;
      q = std::isnan(q) ? 0.0f : std::fmin(1.0f, std::fmax(-1.0f, q));
      ASSERT_EQ(codes[i], static_cast<std::int16_t>(std::lroundf(32767.0f * q))) << x[i];
      ASSERT_TRUE(same(back[i], static_cast<float>(codes[i]) / 32767.0f * m));
    }
  }
  // Exact halves round away from zero, just below a half rounds down; past
  // the scale clamps; NaN gives 0. Twice over, so that vector blocks see
  // them as well as the tail.
  std::vector<float> halves = {0.5f / 32767.0f,
                               -0.5f / 32767.0f,
                               2.5f / 32767.0f,
                               0.49999997f / 32767.0f,
                               1.0f,
                               -1.0f,
                               -2.5f / 32767.0f,
                               3.0f,
                               -7.0f,
                               kNaN,
                               -0.0f};
  halves.insert(halves.end(), halves.begin(), halves.end());
  std::vector<std::int16_t> codes(halves.size());
  quantize_int16(codes.data(), halves.data(), 1.0f, halves.size());
  for (std::size_t i = 0; i < halves.size(); ++i) {
    const float q = std::isnan(halves[i]) ? 0.0f : std::fmin(1.0f, std::fmax(-1.0f, halves[i]));
    EXPECT_EQ(codes[i], static_cast<std::int16_t>(std::lroundf(32767.0f * q))) << i;
  }
}

// Every linear code decodes as code / 32767 * scale, the division's own
// rounding (the kernels reach it without dividing).
TEST_P(KernelIsaTest, EveryLinearCodeDecodesAsTheQuotient) {
  std::vector<std::int16_t> all(1 << 16);
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<std::int16_t>(i);
  std::vector<float> decoded(all.size());
  for (const float scale : {1.0f, 3.7f, 1e-20f, 123456.8f}) {
    dequantize_int16(decoded.data(), all.data(), scale, all.size());
    for (std::size_t i = 0; i < all.size(); ++i)
      ASSERT_TRUE(same(decoded[i], static_cast<float>(all[i]) / 32767.0f * scale))
          << all[i] << " at " << scale;
  }
}

// Linear codes near each rounding step (k + 1/2), where rounding away from
// zero is decided, against the scalar formula.
TEST_P(KernelIsaTest, LinearPackingRoundsStepsAsTheFormula) {
  const auto want_code = [](float x) {
    return static_cast<std::int16_t>(std::lroundf(32767.0f * std::fmin(1.0f, std::fmax(-1.0f, x))));
  };
  // At scale 1 the kernel rounds 32767 * x: find the x that gives each y
  // exactly, the floats around k + 1/2.
  std::vector<float> steps;
  for (int k = 0; k < 32767; k += k < 8 ? 1 : 89)
    for (float y = std::nextafter(std::nextafter(k + 0.5f, 0.0f), 0.0f), n = 0; n < 5;
         ++n, y = std::nextafter(y, 1e9f)) {
      float up = y / 32767.0f;
      float down = up;
      for (int tries = 0; tries < 512; ++tries) {
        if (32767.0f * up == y || 32767.0f * down == y) {
          steps.push_back(32767.0f * up == y ? up : down);
          steps.push_back(-steps.back());
          break;
        }
        up = std::nextafter(up, 1.0f);
        down = std::nextafter(down, 0.0f);
      }
    }
  std::vector<std::int16_t> codes(steps.size());
  quantize_int16(codes.data(), steps.data(), 1.0f, steps.size());
  for (std::size_t i = 0; i < steps.size(); ++i)
    ASSERT_EQ(codes[i], want_code(steps[i])) << steps[i];
}

// The half form against the compiler's own binary16 conversions: every code
// decodes exactly, and values across the normal and subnormal ranges (ties
// included) round to nearest even.
TEST_P(KernelIsaTest, HalfPackingEqualsBinary16) {
  std::vector<std::int16_t> all(1 << 16);
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<std::int16_t>(i);
  std::vector<float> decoded(all.size());
  dequantize_half(decoded.data(), all.data(), 1.0f, all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    if ((i & 0x7c00) == 0x7c00) continue;  // infinities and NaNs are never written
    _Float16 h;
    const auto bits = static_cast<std::uint16_t>(i);
    std::memcpy(&h, &bits, sizeof h);
    ASSERT_TRUE(same(decoded[i], static_cast<float>(h))) << std::hex << i;
  }

  std::mt19937 rng(9);
  std::uniform_real_distribution<float> exponent(-30.0f, 16.0f);
  std::vector<float> x(4000);
  for (float& v : x) v = std::exp2(exponent(rng)) * ((rng() & 1) != 0 ? -1.0f : 1.0f);
  for (std::size_t i = 0; i + 1 < x.size(); i += 2)  // exact ties between two halves
    x[i] = static_cast<float>(decoded[rng() & 0x7bff]) + std::ldexp(1.0f, -25);
  // A NaN and a value past the largest half (which saturates), inside a
  // block of eight and in the tail.
  const std::size_t nan_at[] = {4000, 4011};
  const std::size_t big_at[] = {4001, 4012};
  x.resize(4013, 0.25f);
  for (const std::size_t i : nan_at) x[i] = kNaN;
  for (const std::size_t i : big_at) x[i] = -1e6f;
  std::vector<std::int16_t> codes(x.size());
  quantize_half(codes.data(), x.data(), 1.0f, x.size());
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (std::isnan(x[i]) || x[i] == -1e6f) continue;
    const _Float16 h = static_cast<_Float16>(x[i]);
    std::uint16_t want;
    std::memcpy(&want, &h, sizeof want);
    ASSERT_EQ(static_cast<std::uint16_t>(codes[i]), want) << x[i];
  }
  for (const std::size_t i : nan_at) EXPECT_EQ(codes[i], 0);
  for (const std::size_t i : big_at) EXPECT_EQ(static_cast<std::uint16_t>(codes[i]), 0xfbff);
}

// Regrets seven orders of magnitude apart keep three significant digits;
// the linear form rounded the small ones to 0.
TEST(PackHalf, SmallRegretsSurvive) {
  const std::vector<float> values = {-3000.0f, 2.5e-3f, -7e-5f, 0.0f};
  std::vector<std::int16_t> packed(values.size());
  float scale = 0.0f;
  dcfr_detail::pack_int16(values.data(), values.size(), packed.data(), scale,
                          dcfr_detail::PackedForm::half);
  EXPECT_EQ(scale, std::ldexp(1.0f, 12 - 15));  // 3000 < 2^12
  std::vector<float> out;
  dcfr_detail::unpack_int16(packed, scale, values.size(), out, dcfr_detail::PackedForm::half);
  for (std::size_t i = 0; i + 1 < values.size(); ++i)
    EXPECT_NEAR(out[i], values[i], std::fabs(values[i]) * 1e-3f) << i;
  EXPECT_EQ(out.back(), 0.0f);

  const std::vector<float> tiny = {1e-12f, -3e-12f};  // once zeroed as "no regret"
  dcfr_detail::pack_int16(tiny.data(), tiny.size(), packed.data(), scale,
                          dcfr_detail::PackedForm::half);
  dcfr_detail::unpack_int16(packed, scale, tiny.size(), out, dcfr_detail::PackedForm::half);
  EXPECT_NEAR(out[0], 1e-12f, 1e-15f);
  EXPECT_NEAR(out[1], -3e-12f, 3e-15f);
}

INSTANTIATE_TEST_SUITE_P(Isa, KernelIsaTest,
                         ::testing::Values(KernelIsa::baseline, KernelIsa::avx2, KernelIsa::avx512),
                         [](const auto& info) { return std::string(kernel_isa_name(info.param)); });

// The best tier the CPU has runs unless one is forced; a forced tier is what
// runs, and the merges' lane counts follow the tier.
TEST(KernelDispatch, PicksTheBestTierAndHonoursAForcedOne) {
  const KernelIsa best = cpu_supports(KernelIsa::avx512) ? KernelIsa::avx512
                         : cpu_has_avx2()                ? KernelIsa::avx2
                                                         : KernelIsa::baseline;
  EXPECT_EQ(best_kernel_isa(), best);
  EXPECT_EQ(active_kernel_isa(), best);
  struct Row {
    KernelIsa isa;
    std::size_t lanes;
    std::size_t all_ins;
  };
  for (const Row row : {Row{KernelIsa::baseline, 4, 4}, Row{KernelIsa::avx2, 8, 4},
                        Row{KernelIsa::avx512, 16, 8}}) {
    SCOPED_TRACE(kernel_isa_name(row.isa));
    EXPECT_EQ(parse_kernel_isa(kernel_isa_name(row.isa)), row.isa);
    if (!select_kernel_isa(row.isa)) {
      EXPECT_FALSE(cpu_supports(row.isa));
      continue;
    }
    EXPECT_EQ(active_kernel_isa(), row.isa);
    EXPECT_EQ(payoff_detail::lane_capacity(row.isa), row.lanes);
    EXPECT_EQ(payoff_detail::all_in_capacity(row.isa), row.all_ins);
  }
  EXPECT_FALSE(parse_kernel_isa("avx"));
  ASSERT_TRUE(select_kernel_isa(best));
}

// The packing the solver applies between visits of a node.
TEST(PackInt16, ReferenceValues) {
  const std::vector<float> values = {2.0f, -1.0f};
  std::vector<std::int16_t> packed(2);
  float scale = 0.0f;
  dcfr_detail::pack_int16(values.data(), values.size(), packed.data(), scale);
  EXPECT_EQ(packed, (std::vector<std::int16_t>{32767, -16384}));
  EXPECT_EQ(scale, 2.0f);

  const std::vector<float> zeros(5, 0.0f);
  packed.assign(5, 7);
  dcfr_detail::pack_int16(zeros.data(), zeros.size(), packed.data(), scale);
  EXPECT_EQ(packed, std::vector<std::int16_t>(5, 0));
  EXPECT_EQ(scale, 1.0f);

  scale = 0.0f;
  dcfr_detail::pack_int16(nullptr, 0, nullptr, scale);
  EXPECT_EQ(scale, 1.0f);

  std::vector<float> out;
  const std::vector<std::int16_t> codes = {32767, -16384};
  dcfr_detail::unpack_int16(codes, 2.0f, 2, out);
  EXPECT_EQ(out, (std::vector<float>{2.0f, -16384.0f / 32767.0f * 2.0f}));
  dcfr_detail::unpack_int16(std::span(codes).first(1), 2.0f, 2, out);  // too few codes
  EXPECT_EQ(out, std::vector<float>(2, 0.0f));
  dcfr_detail::unpack_int16(codes, 0.0f, 2, out);  // no positive scale
  EXPECT_EQ(out, std::vector<float>(2, 0.0f));
}

}  // namespace
