#include "solver/kernels.hpp"

#include <atomic>

#include "solver/kernel_table.hpp"
#include "solver/profile.hpp"

// The one place that decides which tier every kernel runs: the tables are
// put together here from the tiers' files, and the active one is read on
// every call (the solver reads the merge's once per batch).

namespace halvory {
namespace {

bool detect(KernelIsa isa) noexcept {
  __builtin_cpu_init();
  const bool avx2 = __builtin_cpu_supports("avx2") != 0 && __builtin_cpu_supports("f16c") != 0;
  switch (isa) {
    case KernelIsa::baseline:
      return true;
    case KernelIsa::avx2:
      return avx2;
    case KernelIsa::avx512:
      return avx2 && __builtin_cpu_supports("avx512f") != 0 &&
             __builtin_cpu_supports("avx512vl") != 0 && __builtin_cpu_supports("avx512bw") != 0 &&
             __builtin_cpu_supports("avx512dq") != 0;
  }
  return false;
}

struct Tables {
  KernelTable tier[3];
  KernelIsa best = KernelIsa::baseline;

  Tables() {
    tier[0] = {.isa = KernelIsa::baseline,
               .flat = baseline_flat_kernels(),
               .lane_capacity = 4,
               .showdown_lanes = &payoff_detail::showdown_lanes_baseline,
               .all_in_capacity = 4,
               .all_in_lanes = &payoff_detail::all_in_lanes_baseline};
    tier[1] = tier[2] = tier[0];
    if (detect(KernelIsa::avx2)) {
      tier[1] = {.isa = KernelIsa::avx2,
                 .flat = avx2_flat_kernels(),
                 .lane_capacity = 8,
                 .showdown_lanes = &payoff_detail::showdown_lanes_avx2,
                 .all_in_capacity = 4,
                 .all_in_lanes = &payoff_detail::all_in_lanes_avx2};
      // Filled only where the CPU runs it: a table is never handed out with
      // instructions the machine lacks. A showdown merge of two registers a
      // lane vector beats two merges of one: the walk and its mispredictions
      // are paid once. The flat kernels take sixteen floats a step.
      tier[2] = tier[1];
      if (detect(KernelIsa::avx512))
        tier[2] = {.isa = KernelIsa::avx512,
                   .flat = avx512_flat_kernels(),
                   .lane_capacity = 16,
                   .showdown_lanes = &payoff_detail::showdown_lanes_avx512,
                   .all_in_capacity = 8,
                   .all_in_lanes = &payoff_detail::all_in_lanes_avx512};
    }
    for (const KernelIsa isa : {KernelIsa::avx2, KernelIsa::avx512})
      if (detect(isa)) best = isa;
  }
};

const Tables& tables() noexcept {
  static const Tables all;
  return all;
}

std::atomic<const KernelTable*> g_active{nullptr};

}  // namespace

const KernelTable& kernel_table(KernelIsa isa) noexcept {
  return tables().tier[static_cast<std::size_t>(isa)];
}

const KernelTable& kernel_table() noexcept {
  const KernelTable* active = g_active.load(std::memory_order_relaxed);
  if (active == nullptr) {
    active = &kernel_table(tables().best);
    g_active.store(active, std::memory_order_relaxed);
  }
  return *active;
}

void regret_matching(float* strategy, float* scratch, const float* regrets, std::size_t A,
                     std::size_t H) {
  SolverProfile::Scope scope(ProfileSection::regret_matching);
  kernel_table().flat.regret_matching(strategy, scratch, regrets, A, H);
}

// Timed under update_regrets: the sweep's other three kernels ride along
// the regret update.
void update_traverser_node(float* out, float* sums, float* regrets, const float* action_values,
                           std::size_t A, std::size_t H, float w_strategy, float w_pos, float w_neg,
                           float* maxima) {
  SolverProfile::Scope scope(ProfileSection::update_regrets);
  kernel_table().flat.update_traverser_node(out, sums, regrets, action_values, A, H, w_strategy,
                                            w_pos, w_neg, maxima);
}

void update_packed_traverser_node(float* out, float* new_sums, float* new_regrets,
                                  const std::int16_t* sum_codes, float sum_scale,
                                  const std::int16_t* regret_codes, float regret_scale,
                                  const float* action_values, std::size_t A, std::size_t H,
                                  float w_strategy, float w_pos, float w_neg, float* maxima) {
  SolverProfile::Scope scope(ProfileSection::update_regrets);
  kernel_table().flat.update_packed_traverser_node(out, new_sums, new_regrets, sum_codes, sum_scale,
                                                   regret_codes, regret_scale, action_values, A, H,
                                                   w_strategy, w_pos, w_neg, maxima);
}

void opponent_child_reach(float* child_reach, const float* regrets, const float* reach,
                          std::size_t A, std::size_t H) {
  SolverProfile::Scope scope(ProfileSection::regret_matching);
  kernel_table().flat.opponent_child_reach(child_reach, regrets, reach, A, H);
}

void packed_opponent_child_reach(float* child_reach, const std::int16_t* regret_codes, float scale,
                                 const float* reach, std::size_t A, std::size_t H) {
  SolverProfile::Scope scope(ProfileSection::regret_matching);
  kernel_table().flat.packed_opponent_child_reach(child_reach, regret_codes, scale, reach, A, H);
}

void update_regrets(float* regrets, const float* action_values, const float* node_values,
                    std::size_t A, std::size_t H, float w_pos, float w_neg) {
  SolverProfile::Scope scope(ProfileSection::update_regrets);
  kernel_table().flat.update_regrets(regrets, action_values, node_values, A, H, w_pos, w_neg);
}

void fma_actions(float* out, const float* strategy, const float* action_values, std::size_t A,
                 std::size_t H) {
  SolverProfile::Scope scope(ProfileSection::fma_actions);
  kernel_table().flat.fma_actions(out, strategy, action_values, A, H);
}

void strategy_sum_update(float* sums, const float* strategy, float w, std::size_t n) {
  SolverProfile::Scope scope(ProfileSection::strategy_sum_update);
  kernel_table().flat.strategy_sum_update(sums, strategy, w, n);
}

void sum_rows_into(float* out, const float* rows, std::size_t R, std::size_t H) {
  SolverProfile::Scope scope(ProfileSection::sum_rows_into);
  kernel_table().flat.sum_rows_into(out, rows, R, H);
}

void axpy(float* y, const float* x, std::size_t n, float a) {
  if (a == 0.0f) return;
  kernel_table().flat.axpy(y, x, n, a);
}

void multiply_into(float* out, const float* a, const float* b, std::size_t n) {
  kernel_table().flat.multiply_into(out, a, b, n);
}

void scale_into(float* out, const float* in, float a, std::size_t n) {
  kernel_table().flat.scale_into(out, in, a, n);
}

void sum_rows_f64(float* out, const float* rows, std::size_t R, std::size_t H) {
  kernel_table().flat.sum_rows_f64(out, rows, R, H);
}

void weighted_rows_f64(float* out, const float* weights, const float* rows, std::size_t R,
                       std::size_t H) {
  kernel_table().flat.weighted_rows_f64(out, weights, rows, R, H);
}

void normalize_positive(float* out, float* totals, const float* sums, std::size_t A,
                        std::size_t H) {
  kernel_table().flat.normalize_positive(out, totals, sums, A, H);
}

void normalize_packed(float* out, float* totals, const std::int16_t* codes, float scale,
                      std::size_t A, std::size_t H) {
  kernel_table().flat.normalize_packed(out, totals, codes, scale, A, H);
}

float max_abs(const float* values, std::size_t n) {
  return kernel_table().flat.max_abs(values, n);
}

void quantize_int16(std::int16_t* codes, const float* values, float scale, std::size_t n) {
  kernel_table().flat.quantize_int16(codes, values, scale, n);
}

void dequantize_int16(float* values, const std::int16_t* codes, float scale, std::size_t n) {
  kernel_table().flat.dequantize_int16(values, codes, scale, n);
}

void quantize_half(std::int16_t* codes, const float* values, float up, std::size_t n) {
  kernel_table().flat.quantize_half(codes, values, up, n);
}

void dequantize_half(float* values, const std::int16_t* codes, float down, std::size_t n) {
  kernel_table().flat.dequantize_half(values, codes, down, n);
}

KernelIsa active_kernel_isa() noexcept {
  return kernel_table().isa;
}

KernelIsa best_kernel_isa() noexcept {
  return tables().best;
}

bool cpu_supports(KernelIsa isa) noexcept {
  return detect(isa);
}

bool cpu_has_avx2() noexcept {
  return detect(KernelIsa::avx2);
}

bool select_kernel_isa(KernelIsa isa) noexcept {
  if (!detect(isa)) return false;
  g_active.store(&kernel_table(isa), std::memory_order_relaxed);
  return true;
}

const char* kernel_isa_name(KernelIsa isa) noexcept {
  switch (isa) {
    case KernelIsa::baseline:
      return "baseline";
    case KernelIsa::avx2:
      return "avx2";
    case KernelIsa::avx512:
      return "avx512";
  }
  return "baseline";
}

std::optional<KernelIsa> parse_kernel_isa(std::string_view name) noexcept {
  for (const KernelIsa isa : {KernelIsa::baseline, KernelIsa::avx2, KernelIsa::avx512})
    if (name == kernel_isa_name(isa)) return isa;
  return std::nullopt;
}

}  // namespace halvory
