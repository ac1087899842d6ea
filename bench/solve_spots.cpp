// End-to-end solver benchmark: turns fixed spots into engine objects through
// the session's request conversion (the path a solve from the application
// takes), solves them and reports build times, tree size, speed,
// convergence, root results and peak memory.
//
//   solve_spots [--spot R|T|F|F-rake|S|all] [--threads N] [--iterations N]
//               [--compress on|off] [--every N] [--digest N]
//               [--isa baseline|avx2|avx512] [--target PERCENT]
//
// --every N measures exploitability every N iterations (default 50); the
// times to 1%, 0.5% and 0.1% of the pot are read at those measurements, so a
// short cadence (10, as other solvers report) gives the finer figure. The
// time runs from the start of the solve (allocation included) to the end of
// the first measured iteration at or below the target, its passes included.
//
// --digest N measures exploitability every N iterations and prints it bit
// for bit, with a hash over every regret and strategy-sum array at the end:
// two builds of the solver that print the same digest computed the same
// numbers.
//
// --target stops the solve at the first measured iteration at or below
// PERCENT of the pot (by default every iteration runs).
//
// --isa runs every kernel in the given tier instead of the best one the CPU
// has (exit status 3 when the CPU lacks it): the digests of all tiers agree.
//
// With several spots each one runs in a child process of its own, so that the
// peak resident memory is per spot and no card-context cache entry is shared.

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cards/cards.hpp"
#include "context/card_context.hpp"
#include "solver/dcfr.hpp"
#include "solver/kernels.hpp"
#include "solver/profile.hpp"
#include "tree/action_plan.hpp"
#include "tree/game.hpp"

#include "session/request_conversion.hpp"

namespace {

using namespace halvory;

constexpr std::uint32_t kExploitabilityInterval = 50;

const char* const kShallowOop =
    "22-JJ,A2s-AJs,K2s-KJs,Q2s-QJs,J4s-JTs,T6s-T9s,96s+,85s+,74s+,63s+,53s+,43s,A2o-AJo,K8o-KJo,"
    "Q9o-QJo,J9o-"
    "JTo,T8o+,98o,87o";
const char* const kShallowIp =
    "22+,A2s+,K2s+,Q4s+,J6s+,T6s+,96s+,86s+,75s+,65s,54s,A2o+,K8o+,Q9o+,J9o+,T9o,98o";
const char* const kThreeBetOop =
    "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,J8s+,JTo:0.25,T8s+,"
    "T7s:0.45,"
    "97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,65s:0.75,64s:0.5,63s:0.45,54s:0.75,53s:"
    "0.5,52s:0.45,"
    "43s:0.5,42s:0.45,32s:0.45";
const char* const kThreeBetIp =
    "AA:0.25,99-22,AJs-A2s,AQo-A8o,K2s+,K9o+,Q2s+,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,98o,86s+,"
    "85s:0.5,75s+,"
    "74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s";

struct StreetSizes {
  const char* bets = "";
  const char* raises = "";
};

struct Spot {
  const char* name;
  const char* description;
  const char* variant;
  const char* board;
  double pot_chips;
  double stack_chips;
  double rake_percent;
  double rake_cap_chips;
  const char* oop_range;
  const char* ip_range;
  StreetSizes streets[3];  // flop, turn, river; the same for both players
};

const Spot kSpots[] = {
    {"R",
     "river",
     "holdem",
     "Ks7d2c5h9s",
     22.8,
     88.9,
     0.0,
     0.0,
     kShallowOop,
     kShallowIp,
     {{}, {}, {"33%, 75%, 150%", "100%"}}},
    {"T",
     "turn",
     "holdem",
     "Ks7d2c5h",
     9.1,
     95.7,
     0.0,
     0.0,
     kShallowOop,
     kShallowIp,
     {{}, {"50%, 100%", "100%"}, {"33%, 75%, 150%", "100%"}}},
    {"F",
     "flop, 3-bet pot",
     "holdem",
     "QsJh2h",
     180.0,
     910.0,
     0.0,
     0.0,
     kThreeBetOop,
     kThreeBetIp,
     {{"52%", "45%"}, {"55%", "45%"}, {"70%", "45%"}}},
    {"F-rake",
     "flop, 3-bet pot, 5% rake capped at 30",
     "holdem",
     "QsJh2h",
     180.0,
     910.0,
     5.0,
     30.0,
     kThreeBetOop,
     kThreeBetIp,
     {{"52%", "45%"}, {"55%", "45%"}, {"70%", "45%"}}},
    {"S",
     "short deck, turn",
     "shortdeck",
     "AsTd7c9h",
     20.0,
     90.0,
     0.0,
     0.0,
     "66+,A6s+,K9s+,QTs+,JTs,ATo+,KJo+",
     "66+,A6s+,K6s+,Q8s+,J8s+,T8s+,98s,A8o+,KTo+,QTo+,JTo",
     {{}, {"50%, 100%", "100%"}, {"33%, 75%", "100%"}}},
};

struct Options {
  std::vector<const Spot*> spots;
  std::uint64_t threads = 0;
  std::uint32_t iterations = 200;
  bool compress = false;
  std::uint32_t digest_interval = 0;  // 0: no digest
  std::uint32_t every = 0;            // 0: the default cadence (or the digest's)
  double target_percent = -1.0;       // below 0: no target
  KernelIsa isa = best_kernel_isa();
};

// Targets reported as times, in percent of the pot.
constexpr double kTargetsPercent[] = {1.0, 0.5, 0.1};

std::int32_t to_money(double chips) {
  return static_cast<std::int32_t>(chips * 100.0 + 0.5);
}

double ms_since(std::uint64_t start_ns) {
  return static_cast<double>(steady_now_ns() - start_ns) / 1e6;
}

halvory_app::SizingConfig sizing(const StreetSizes& sizes) {
  halvory_app::SizingConfig config;
  config.bet_sizes = sizes.bets;
  config.raise_sizes = sizes.raises;
  return config;
}

// The spot as the application would send it; both players size alike.
halvory_app::SolveConfig make_request(const Spot& spot, const Options& options) {
  halvory_app::SolveConfig request;
  request.variant = spot.variant;
  request.board = spot.board;
  const std::size_t cards = std::string_view(spot.board).size() / 2;
  request.starting_street = cards >= 5 ? "river" : cards == 4 ? "turn" : "flop";
  request.starting_pot = to_money(spot.pot_chips);
  request.effective_stack = to_money(spot.stack_chips);
  request.oop_stack = request.effective_stack;
  request.ip_stack = request.effective_stack;
  request.rake_percent = spot.rake_percent;
  request.rake_cap = spot.rake_cap_chips * 100.0;
  request.max_iterations = options.iterations;
  request.target_exploitability =
      options.target_percent < 0.0
          ? -std::numeric_limits<float>::infinity()  // run every iteration
          : static_cast<float>(options.target_percent / 100.0 * request.starting_pot);
  request.thread_count = options.threads;
  request.compress = options.compress;
  request.oop_range = spot.oop_range;
  request.ip_range = spot.ip_range;
  request.oop_flop = request.ip_flop = sizing(spot.streets[0]);
  request.oop_turn = request.ip_turn = sizing(spot.streets[1]);
  request.oop_river = request.ip_river = sizing(spot.streets[2]);
  return request;
}

// FNV-1a over the bytes of every per-node array the solver trains.
std::uint64_t array_digest(const TrainedState& trained) {
  std::uint64_t hash = 1469598103934665603ull;
  const auto add = [&hash](const auto& arena) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(arena.data.get());
    const std::size_t n = arena.size * sizeof(*arena.data.get());
    for (std::size_t i = 0; i < n; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  };
  add(trained.regrets);
  add(trained.strategy_sums);
  add(trained.packed_regrets);
  add(trained.packed_strategy_sums);
  for (const NodeState& state : trained.states) {
    for (const float scale : {state.regret_scale, state.strategy_sum_scale}) {
      std::uint32_t bits = 0;
      std::memcpy(&bits, &scale, sizeof bits);
      hash = (hash ^ bits) * 1099511628211ull;
    }
  }
  return hash;
}

std::string chips_text(std::int32_t money) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", money / 100.0);
  return buf;
}

std::string action_text(const Action& a) {
  switch (a.kind) {
    case ActionKind::Fold:
      return "fold";
    case ActionKind::Check:
      return "check";
    case ActionKind::Call:
      return "call " + chips_text(a.amount);
    case ActionKind::Bet:
      return "bet " + chips_text(a.amount);
    case ActionKind::Raise:
      return "raise " + chips_text(a.amount);
    case ActionKind::AllIn:
      return "all-in " + chips_text(a.amount);
    case ActionKind::CardDealt:
      return "deal " + card_to_string(static_cast<std::int8_t>(a.amount));
    case ActionKind::None:
      break;
  }
  return "none";
}

// Peak resident set of this process in KiB, from VmHWM; -1 when unreadable.
long peak_rss_kib() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

int solve_spot(const Spot& spot, const Options& options) {
  const halvory_app::SolveConfig request = make_request(spot, options);
  halvory_app::ConvertedRequest converted =
      halvory_app::convert_request(request, halvory_app::ConversionPurpose::solve);

  std::printf("== spot %s (%s): board %s, pot %.2f, stack %.2f", spot.name, spot.description,
              spot.board, spot.pot_chips, spot.stack_chips);
  if (spot.rake_percent > 0)
    std::printf(", rake %.1f%% cap %.2f", spot.rake_percent, spot.rake_cap_chips);
  std::printf("\n   threads %llu, iterations %u, compress %s, kernels %s\n",
              static_cast<unsigned long long>(options.threads), options.iterations,
              options.compress ? "on" : "off", kernel_isa_name(active_kernel_isa()));

  const std::uint64_t context_start = steady_now_ns();
  CardContext context(converted.board, converted.oop_range, converted.ip_range,
                      converted.short_deck, nullptr, options.threads);
  const double context_ms = ms_since(context_start);

  const std::uint64_t tree_start = steady_now_ns();
  Game game(std::move(converted.game), std::move(context));
  const double tree_ms = ms_since(tree_start);
  std::printf("   build: card context %.1f ms, tree %.1f ms, together %.1f ms\n", context_ms,
              tree_ms, context_ms + tree_ms);

  std::uint64_t by_kind[3] = {0, 0, 0};
  std::uint64_t actions_x_hands[2] = {0, 0};
  const std::size_t hands[2] = {game.cards.pockets[0].size(), game.cards.pockets[1].size()};
  for (const NodeRecord& node : game.nodes) {
    const auto kind = static_cast<std::size_t>(node.kind);
    if (kind < 3) ++by_kind[kind];
    if (node.kind == NodeKind::Decision && node.seat < 2)
      actions_x_hands[node.seat] += node.actions.size() * hands[node.seat];
  }
  std::printf("   nodes: %zu (decision %llu, chance %llu, terminal %llu)\n", game.nodes.size(),
              static_cast<unsigned long long>(by_kind[0]),
              static_cast<unsigned long long>(by_kind[1]),
              static_cast<unsigned long long>(by_kind[2]));
  std::printf("   hands: OOP %zu, IP %zu; actions x hands: OOP %llu, IP %llu\n", hands[0], hands[1],
              static_cast<unsigned long long>(actions_x_hands[0]),
              static_cast<unsigned long long>(actions_x_hands[1]));
  std::fflush(stdout);

  struct Measurement {
    unsigned iteration;
    float exploitability;
    double since_start_ms;  // from the start of the solve to the end of this iteration
  };
  std::vector<Measurement> measurements;
  double plain_ms = 0.0;
  unsigned plain_count = 0;
  const std::uint32_t max_iterations = options.iterations;

  const std::uint32_t interval = options.every != 0             ? options.every
                                 : options.digest_interval != 0 ? options.digest_interval
                                                                : kExploitabilityInterval;
  std::uint64_t solve_start = 0;
  double allocation_ms = 0.0;
  // The first iteration apart: it is the first to write the arrays; the
  // system backs their pages before it, in the allocation, and whatever it
  // still has to do (caches, branch history, lazily built tables) falls here.
  double first_ms = -1.0;
  DiscountedCfr::Config solver_config = halvory_app::make_solver_config(
      request,
      [&](unsigned t, float exploitability, double ms) {
        const double since_start = ms_since(solve_start);
        // Everything before the first iteration is the arrays' allocation,
        // their pages' backing included.
        if (t == 1) allocation_ms = since_start - ms;
        const bool measured = t == max_iterations || t % interval == 0;
        if (measured) {
          measurements.push_back({t, exploitability, since_start});
        } else if (t == 1) {
          first_ms = ms;
        } else {
          plain_ms += ms;
          ++plain_count;
        }
      },
      {});
  solver_config.exploitability_interval = interval;
  solver_config.on_log = [](std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
  };
  DiscountedCfr solver(std::move(solver_config));

  solve_start = steady_now_ns();
  solver.run(game);
  const double solve_ms = ms_since(solve_start);

  const std::uint64_t exploit_start = steady_now_ns();
  const float exploitability = solver.compute_exploitability(game);
  const double exploit_ms = ms_since(exploit_start);

  const double pot = game.config.starting_pot;
  if (first_ms >= 0.0) std::printf("   first iteration: %.4f s\n", first_ms / 1000.0);
  if (plain_count > 0) {
    std::printf(
        "   iteration: %.4f s (mean of %u iterations without exploitability passes, the first "
        "apart); run %.2f s\n",
        plain_ms / plain_count / 1000.0, plain_count, solve_ms / 1000.0);
  } else {
    std::printf("   iteration: n/a (every iteration measured); run %.2f s\n", solve_ms / 1000.0);
  }
  std::printf("   one exploitability pass: %.4f s\n", exploit_ms / 1000.0);
  std::printf("   exploitability (%% of pot):");
  for (const Measurement& m : measurements) {
    std::printf(" %u: %.4f", m.iteration, pot > 0 ? m.exploitability / pot * 100.0 : 0.0);
  }
  std::printf("\n   final exploitability %.4f%% of pot (%.3f chips)\n",
              pot > 0 ? exploitability / pot * 100.0 : 0.0, exploitability / 100.0);
  std::printf("   time to target (every %u iterations):", interval);
  for (const double target : kTargetsPercent) {
    const auto reached = std::find_if(
        measurements.begin(), measurements.end(),
        [&](const Measurement& m) { return pot > 0 && m.exploitability / pot * 100.0 <= target; });
    if (reached == measurements.end()) {
      std::printf(" %g%%: not reached", target);
    } else {
      std::printf(" %g%%: %.2f s (it %u)", target, reached->since_start_ms / 1000.0,
                  reached->iteration);
    }
  }
  std::printf("\n   setup: %.3f s (card context, tree, allocation %.1f ms)\n",
              (context_ms + tree_ms + allocation_ms) / 1000.0, allocation_ms);

  const auto [ev_oop, ev_ip] = solver.compute_current_ev(game);
  std::printf("   root EV (chips): OOP %.3f, IP %.3f; with half the pot: OOP %.3f, IP %.3f\n",
              ev_oop / 100.0, ev_ip / 100.0, (ev_oop + pot / 2) / 100.0, (ev_ip + pot / 2) / 100.0);

  const NodeRecord& root = game.nodes.at(0);
  const std::vector<float> freqs = solver.average_action_frequencies(0);
  std::printf("   root strategy (%s):", root.seat == 0 ? "OOP" : "IP");
  for (std::size_t i = 0; i < root.actions.size(); ++i) {
    const double f = i < freqs.size() ? freqs[i] : 0.0;
    std::printf("%s %s %.1f%%", i == 0 ? "" : ",", action_text(root.actions[i]).c_str(), f * 100.0);
  }
  std::printf("\n");

  const long rss = peak_rss_kib();
  if (rss >= 0) {
    std::printf("   peak RSS: %.1f MiB (%.3f GiB)\n", rss / 1024.0, rss / (1024.0 * 1024.0));
  } else {
    std::printf("   peak RSS: unknown\n");
  }
  if (options.digest_interval != 0) {
    std::printf("   digest: exploitability");
    for (const Measurement& m : measurements) std::printf(" %u:%a", m.iteration, m.exploitability);
    std::printf("\n   digest: arrays %016llx\n",
                static_cast<unsigned long long>(array_digest(solver.trained_state())));
  }
  std::fflush(stdout);
  return 0;
}

int run_guarded(const Spot& spot, const Options& options) {
  try {
    return solve_spot(spot, options);
  } catch (const std::exception& e) {
    std::fflush(stdout);
    std::fprintf(stderr, "spot %s failed: %s\n", spot.name, e.what());
    return 1;
  }
}

int run_in_child(const Spot& spot, const Options& options) {
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = fork();
  if (pid < 0) return run_guarded(spot, options);
  if (pid == 0) {
    const int rc = run_guarded(spot, options);
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(rc);
  }
  int status = 0;
  if (waitpid(pid, &status, 0) < 0) return 1;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  std::fprintf(stderr, "spot %s ended abnormally\n", spot.name);
  return 1;
}

[[noreturn]] void usage(const char* message) {
  if (message != nullptr) std::fprintf(stderr, "solve_spots: %s\n", message);
  std::fprintf(stderr,
               "usage: solve_spots [--spot R|T|F|F-rake|S|all] [--threads N] [--iterations N] "
               "[--compress on|off] [--every N] [--digest N] [--isa baseline|avx2|avx512] "
               "[--target PERCENT]\n");
  std::exit(2);
}

std::uint64_t parse_count(const char* text, const char* what) {
  char* end = nullptr;
  errno = 0;
  const unsigned long long v = std::strtoull(text, &end, 10);
  if (end == text || *end != '\0' || errno != 0 || text[0] == '-' || v > 0xFFFFFFFFull) {
    usage((std::string("invalid ") + what + " '" + text + "'").c_str());
  }
  return v;
}

Options parse_options(int argc, char** argv) {
  Options options;
  options.threads = std::max(1u, std::thread::hardware_concurrency());
  std::string spot = "all";
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") usage(nullptr);
    if (i + 1 >= argc) usage(("missing value after " + std::string(arg)).c_str());
    const char* value = argv[++i];
    if (arg == "--spot") {
      spot = value;
    } else if (arg == "--threads") {
      options.threads = std::max<std::uint64_t>(1, parse_count(value, "thread count"));
    } else if (arg == "--iterations") {
      options.iterations = static_cast<std::uint32_t>(parse_count(value, "iteration count"));
    } else if (arg == "--every") {
      options.every = static_cast<std::uint32_t>(parse_count(value, "exploitability cadence"));
    } else if (arg == "--digest") {
      options.digest_interval = static_cast<std::uint32_t>(parse_count(value, "digest interval"));
    } else if (arg == "--target") {
      char* end = nullptr;
      options.target_percent = std::strtod(value, &end);
      if (end == value || *end != '\0' || !(options.target_percent >= 0.0))
        usage(("invalid target '" + std::string(value) + "'").c_str());
    } else if (arg == "--isa") {
      const std::optional<KernelIsa> isa = parse_kernel_isa(value);
      if (!isa) usage("--isa takes baseline, avx2 or avx512");
      options.isa = *isa;
    } else if (arg == "--compress") {
      const std::string_view v = value;
      if (v == "on") {
        options.compress = true;
      } else if (v == "off") {
        options.compress = false;
      } else {
        usage("--compress takes on or off");
      }
    } else {
      usage(("unknown option " + std::string(arg)).c_str());
    }
  }
  for (const Spot& s : kSpots) {
    if (spot == "all" || spot == s.name) options.spots.push_back(&s);
  }
  if (options.spots.empty()) usage(("unknown spot '" + spot + "'").c_str());
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = parse_options(argc, argv);
  if (!select_kernel_isa(options.isa)) {
    std::fprintf(stderr, "solve_spots: this CPU lacks the %s kernels\n",
                 kernel_isa_name(options.isa));
    return 3;
  }
  int failures = 0;
  for (const Spot* spot : options.spots) {
    const int rc =
        options.spots.size() > 1 ? run_in_child(*spot, options) : run_guarded(*spot, options);
    if (rc != 0) ++failures;
  }
  return failures == 0 ? 0 : 1;
}
