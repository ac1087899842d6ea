#include "session/request_conversion.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <new>
#include <stdexcept>
#include <utility>

#include "cards/bet_size.hpp"
#include "cards/refusal.hpp"
#include "cards/text_util.hpp"
#include "solver/icm.hpp"

namespace halvory_app {
namespace {

bool is_space(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}
char to_lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_space(text.back())) text.remove_suffix(1);
  return text;
}

std::string lower_case(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), to_lower);
  return out;
}

bool is_digit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool all_digits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), is_digit);
}

// Digits with at most one decimal point and at least one digit: no sign, no
// exponent, no blanks.
bool is_plain_number(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return !text.empty() && all_digits(text);
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = text.substr(point + 1);
  return whole.size() + fraction.size() > 0 && all_digits(whole) && all_digits(fraction);
}

double plain_number_value(std::string_view text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

constexpr std::string_view kSizingPrefix = "Sizing";

// Which of a seat's two lists a failure belongs to: the bet list until it
// has been read, then the raise list.
enum class SizingList { bet, raise };

void fill_seat_sizing(halvory::BetRaiseSizes& sizes, const SizingConfig& seat,
                      std::string& bet_norm, std::string& raise_norm, SizingList& reading) {
  reading = SizingList::bet;
  bet_norm = normalize_sizing_text(seat.bet_sizes, seat.add_all_in);
  reading = SizingList::raise;
  raise_norm = normalize_sizing_text(seat.raise_sizes, seat.add_all_in);
  try {
    sizes = halvory::parse_bet_raise_sizes(bet_norm, raise_norm);
  } catch (const std::exception&) {
    // The bets are read first: when they read alone, the raises failed.
    try {
      (void)halvory::parse_bet_sizes(bet_norm);
    } catch (const std::exception&) {
      reading = SizingList::bet;
    }
    throw;
  }
}

// "oop_river_bet_sizes": the request's key of the list that failed.
std::string sizing_field(std::string_view seat_name, std::string_view street_name,
                         SizingList list) {
  std::string field(seat_name == "IP" ? "ip_" : "oop_");
  field += street_name;
  field += list == SizingList::bet ? "_bet_sizes" : "_raise_sizes";
  return field;
}

[[noreturn]] void rethrow_with_context(std::string_view seat_name, std::string_view street_name,
                                       const SizingConfig& seat, SizingList list,
                                       const std::exception& cause) {
  // Memory running out is no fault of the sizing: it stays what it is.
  if (dynamic_cast<const std::bad_alloc*>(&cause) != nullptr) throw;
  const std::string field = sizing_field(seat_name, street_name, list);
  std::string bet_norm;
  std::string raise_norm;
  // Normalising again here lets a normaliser failure surface on its own,
  // without the context that only describes parser failures.
  try {
    bet_norm = normalize_sizing_text(seat.bet_sizes, seat.add_all_in);
    raise_norm = normalize_sizing_text(seat.raise_sizes, seat.add_all_in);
  } catch (const std::exception& error) {
    halvory::rethrow_for_field(error, field);
  }
  std::string message(seat_name);
  message += ' ';
  message += street_name;
  message += " sizing (bet='" + seat.bet_sizes + "', raise='" + seat.raise_sizes + "', bet_norm='" +
             bet_norm + "', raise_norm='" + raise_norm + "'): " + cause.what();
  halvory::Refusal why = halvory::refusal_of(cause);
  why.field = field;
  throw halvory::RefusedArgument(message, std::move(why));
}

double jam_threshold(bool enabled, double percent) {
  return enabled ? std::max(percent / 100.0, 0.0) : 0.0;
}

}  // namespace

std::optional<bool> read_deck_variant(std::string_view text) {
  const std::string variant = lower_case(trim(text));
  if (variant == "shortdeck" || variant == "short_deck" || variant == "6+" || variant == "6plus") {
    return true;
  }
  if (variant.empty() || variant == "holdem" || variant == "hold'em") return false;
  return std::nullopt;
}

bool parse_deck_variant(std::string_view text) {
  return read_deck_variant(text).value_or(false);
}

halvory::Street parse_street_name(std::string_view text) {
  if (text == "turn") return halvory::kStreetTurn;
  if (text == "river") return halvory::kStreetRiver;
  return halvory::kStreetFlop;
}

halvory::Range expand_percent_range(const std::string& text) {
  if (const std::size_t chars = halvory::text_util::character_count(text);
      chars > kMaxRangeTextChars) {
    halvory::refuse(halvory::RefusalCode::range_too_long,
                    "Range text is too long: " + std::to_string(chars) + " characters (at most " +
                        std::to_string(kMaxRangeTextChars) + ")",
                    {std::to_string(chars), std::to_string(kMaxRangeTextChars)});
  }
  const std::string trimmed(trim(text));
  const bool shorthand = trimmed.size() >= 2 && trimmed.back() == '%' &&
                         trimmed.find_first_not_of("0123456789.%") == std::string::npos &&
                         trimmed.find('%') == trimmed.size() - 1;
  if (!shorthand) return halvory::parse_range(text);

  // Locale-independent: the process locale may use a decimal comma.
  const char* first = trimmed.data();
  const char* last = first + trimmed.size() - 1;
  double value = 0.0;
  const auto [end, status] = std::from_chars(first, last, value);
  if (end != last || end == first || status != std::errc{}) {
    halvory::refuse(halvory::RefusalCode::percent_form,
                    "Invalid percent range '" + trimmed + "' (expected like '50%')", {trimmed});
  }
  const float weight = static_cast<float>(value / 100.0);
  halvory::Range range{};
  for (int a = 0; a < 52; ++a) {
    for (int b = a + 1; b < 52; ++b) {
      halvory::set_range_weight(range, static_cast<halvory::CardCode>(a),
                                static_cast<halvory::CardCode>(b), weight);
    }
  }
  return range;
}

namespace {

[[noreturn]] void refuse_sizing_token(std::string_view token) {
  halvory::refuse(halvory::RefusalCode::sizing_token,
                  std::string(kSizingPrefix) + ": invalid token '" + std::string(token) + "'",
                  {std::string(token)});
}

// A chip token "<chips>c[<cap>r]": the amount goes from chips to hundredths,
// the raise cap is kept as typed.
std::string chip_token_in_hundredths(std::string_view token) {
  const std::size_t c = token.find_first_of("cC");
  const std::string_view chips = token.substr(0, c);
  const std::string_view cap = token.substr(c + 1);
  if (!is_plain_number(chips)) refuse_sizing_token(token);
  if (!cap.empty() && (cap.size() < 2 || to_lower(cap.back()) != 'r' ||
                       !all_digits(cap.substr(0, cap.size() - 1)))) {
    refuse_sizing_token(token);
  }
  const double hundredths = std::round(plain_number_value(chips) * 100.0);
  if (!(hundredths <= 2147483647.0)) refuse_sizing_token(token);
  return std::to_string(static_cast<long long>(hundredths)) + "c" + std::string(cap);
}

// One trimmed, non-empty token in the engine's grammar.
std::string normalized_token(std::string_view token) {
  const char last = to_lower(token.back());
  const std::string_view body = token.substr(0, token.size() - 1);
  if (token.size() == 1 && last == 'a') return std::string(token);
  if (token.find_first_of("cC") != std::string_view::npos) return chip_token_in_hundredths(token);
  if (last == '%' || last == 'x') {
    if (!is_plain_number(body)) refuse_sizing_token(token);
    return std::string(token);
  }
  if (last == 'e') {
    // [streets][%cap]e
    const std::size_t percent = body.find('%');
    const std::string_view streets = body.substr(0, percent);
    const bool cap_ok =
        percent == std::string_view::npos || is_plain_number(body.substr(percent + 1));
    if (!all_digits(streets) || !cap_ok) refuse_sizing_token(token);
    return std::string(token);
  }
  if (is_plain_number(token)) return std::string(token) + "%";
  refuse_sizing_token(token);
}

}  // namespace

std::string normalize_sizing_text(std::string_view text, bool add_all_in) {
  std::string out;
  bool all_in_seen = false;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) comma = text.size();
    const std::string_view piece = trim(text.substr(start, comma - start));
    start = comma + 1;
    if (piece.empty()) continue;
    if (piece == "%") {
      halvory::refuse(halvory::RefusalCode::sizing_percent_alone,
                      std::string(kSizingPrefix) +
                          ": invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");
    }
    if (piece.size() == 1) {
      const char c = to_lower(piece[0]);
      if (c == 'c' || c == 'e' || c == 'x') refuse_sizing_token(piece);
      if (c == 'a') all_in_seen = true;
    }
    if (!out.empty()) out.push_back(',');
    out += normalized_token(piece);
  }
  if (add_all_in && !all_in_seen) {
    if (!out.empty()) out.push_back(',');
    out.push_back('a');
  }
  return out;
}

void build_street_sizing(halvory::StreetSizing& block, const SizingConfig& oop,
                         const SizingConfig& ip, std::string_view street_name,
                         bool with_error_context) {
  std::string bet_norm;
  std::string raise_norm;
  SizingList reading = SizingList::bet;
  try {
    fill_seat_sizing(block.oop, oop, bet_norm, raise_norm, reading);
    if (oop.dont_donk) {
      block.donk_sizes.emplace();
    } else {
      block.donk_sizes = halvory::parse_bet_sizes(bet_norm);
    }
  } catch (const std::exception& e) {
    if (!with_error_context)
      halvory::rethrow_for_field(e, sizing_field("OOP", street_name, reading));
    rethrow_with_context("OOP", street_name, oop, reading, e);
  }
  try {
    fill_seat_sizing(block.ip, ip, bet_norm, raise_norm, reading);
  } catch (const std::exception& e) {
    if (!with_error_context)
      halvory::rethrow_for_field(e, sizing_field("IP", street_name, reading));
    rethrow_with_context("IP", street_name, ip, reading, e);
  }
}

namespace {

constexpr std::int32_t kOneChip = 100;
constexpr double kMaxJamThresholdPercent = 1000.0;

bool icm_mode(const SolveConfig& request) {
  return lower_case(request.utility_model) == "icm";
}

// In ICM mode an effective stack of 0 or less stands for the smaller seat stack.
std::int32_t effective_stack_of(const SolveConfig& request) {
  if (!icm_mode(request) || request.effective_stack > 0) return request.effective_stack;
  return std::min(request.oop_stack, request.ip_stack);
}

const char* street_text(halvory::Street street) {
  switch (street) {
    case halvory::kStreetTurn:
      return "turn";
    case halvory::kStreetRiver:
      return "river";
    default:
      return "flop";
  }
}

// Refuses the request's entry `field` with the message and the code.
[[noreturn]] void refuse(halvory::RefusalCode code, std::string field, const std::string& message,
                         std::vector<std::string> args = {}) {
  throw halvory::RefusedArgument(message,
                                 halvory::Refusal{code, std::move(field), std::move(args)});
}

void check_board_text(const SolveConfig& request) {
  using halvory::RefusalCode;
  const std::string& board = request.board;
  if (board.size() < 6) {
    refuse(RefusalCode::board_short, "board",
           "Board must include at least a flop (6 chars, e.g. AhKsQd)");
  }
  if (board.size() != 6 && board.size() != 8 && board.size() != 10) {
    refuse(RefusalCode::board_length, "board",
           "board: '" + board + "' is not 3, 4 or 5 cards (6, 8 or 10 characters)", {board});
  }
  const halvory::Street street = parse_street_name(request.starting_street);
  const std::size_t cards = board.size() / 2;
  const std::size_t needed = 3 + static_cast<std::size_t>(street);
  if (cards != needed) {
    refuse(RefusalCode::board_street, "board",
           "board: " + std::to_string(cards) + " cards do not fit the starting street " +
               street_text(street) + ", which needs " + std::to_string(needed),
           {std::to_string(cards), street_text(street), std::to_string(needed)});
  }
}

// An enabled threshold is a share of the pot from 0 to ten pots.
void check_jam_threshold(bool enabled, double percent, const char* seat) {
  if (!enabled) return;
  const std::string field = std::string(seat) + "_add_all_in_jam_threshold_pct";
  if (!std::isfinite(percent))
    refuse(halvory::RefusalCode::not_a_number, field, field + " must be a number");
  if (percent < 0.0 || percent > kMaxJamThresholdPercent) {
    refuse(halvory::RefusalCode::jam_bounds, field, field + " must be from 0 to 1000");
  }
}

// Range text to weights; weights too small for the solver count as zero.
halvory::Range read_range(const std::string& text, const char* field) {
  halvory::Range range;
  try {
    range = expand_percent_range(text);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    halvory::Refusal why = halvory::refusal_of(e);
    why.field = field;
    throw halvory::RefusedArgument(std::string(field) + ": " + e.what(), std::move(why));
  }
  for (float& weight : range.weights) {
    if (weight < kSmallestRangeWeight) weight = 0.0f;
  }
  return range;
}

}  // namespace

void check_request_values(const SolveConfig& request, ConversionPurpose purpose) {
  using halvory::RefusalCode;
  if (!read_deck_variant(request.variant)) {
    refuse(RefusalCode::variant_unknown, "variant",
           "variant: unknown deck variant '" + request.variant + "' (use holdem or shortdeck)",
           {request.variant});
  }
  check_board_text(request);
  if (request.starting_pot <= 0)
    refuse(RefusalCode::above_zero, "starting_pot", "starting_pot must be above 0");
  if (!(request.rake_percent >= 0.0 && request.rake_percent <= 100.0)) {
    refuse(RefusalCode::rake_bounds, "rake_percent", "rake_percent must be between 0 and 100");
  }
  if (!(request.rake_cap >= 0.0 && std::isfinite(request.rake_cap))) {
    refuse(RefusalCode::rake_cap_negative, "rake_cap", "rake_cap must be 0 (no cap) or more");
  }
  check_jam_threshold(request.oop_add_all_in_jam_threshold_enabled,
                      request.oop_add_all_in_jam_threshold_pct, "oop");
  check_jam_threshold(request.ip_add_all_in_jam_threshold_enabled,
                      request.ip_add_all_in_jam_threshold_pct, "ip");
  // A target below 0 is never reached: every iteration runs.
  if (std::isnan(request.target_exploitability)) {
    refuse(RefusalCode::not_a_number, "target_exploitability",
           "target_exploitability must be a number");
  }
  if (purpose != ConversionPurpose::solve) return;
  // Missing ICM seat stacks have a message of their own (convert_request).
  const bool seats_missing = icm_mode(request) && (request.oop_stack <= 0 || request.ip_stack <= 0);
  // Below one chip every bet is an all-in for nothing.
  if (!seats_missing && effective_stack_of(request) < kOneChip) {
    refuse(RefusalCode::stack_below_chip, "effective_stack",
           "effective_stack must be at least 1 chip");
  }
  if (icm_mode(request)) {
    const auto negative = [](std::int32_t v) { return v < 0; };
    if (std::any_of(request.icm_payouts.begin(), request.icm_payouts.end(), negative)) {
      refuse(RefusalCode::negative_entry, "icm_payouts", "icm_payouts cannot be negative");
    }
    if (std::any_of(request.icm_other_stacks.begin(), request.icm_other_stacks.end(), negative)) {
      refuse(RefusalCode::negative_entry, "icm_other_stacks",
             "icm_other_stacks cannot be negative");
    }
  }
}

ConvertedRequest convert_request(const SolveConfig& request, ConversionPurpose purpose) {
  check_request_values(request, purpose);
  ConvertedRequest out;
  out.short_deck = parse_deck_variant(request.variant);

  const auto flop = halvory::parse_flop(request.board.substr(0, 6));
  out.board[0] = flop[0];
  out.board[1] = flop[1];
  out.board[2] = flop[2];
  out.board[3] = request.board.size() >= 8 ? halvory::parse_card(request.board.substr(6, 2))
                                           : halvory::kNoCard;
  out.board[4] = request.board.size() >= 10 ? halvory::parse_card(request.board.substr(8, 2))
                                            : halvory::kNoCard;

  out.oop_range = read_range(request.oop_range, "oop_range");
  out.ip_range = read_range(request.ip_range, "ip_range");

  halvory::GameConfig& game = out.game;
  game.start_street = parse_street_name(request.starting_street);
  game.starting_pot = request.starting_pot;
  game.effective_stack = request.effective_stack;
  game.rake_rate = request.rake_percent / 100.0;
  game.rake_cap = request.rake_cap;

  if (purpose == ConversionPurpose::solve) {
    if (icm_mode(request)) {
      if (request.oop_stack <= 0 || request.ip_stack <= 0) {
        refuse(halvory::RefusalCode::icm_seat_stacks,
               request.oop_stack <= 0 ? "oop_stack" : "ip_stack",
               "ICM mode requires oop_stack and ip_stack");
      }
      if (request.icm_payouts.empty()) {
        refuse(halvory::RefusalCode::icm_payouts_missing, "icm_payouts",
               "ICM mode requires payouts (icm_payouts)");
      }
      if (request.icm_other_stacks.size() + 2 < request.icm_payouts.size()) {
        refuse(halvory::RefusalCode::icm_places, "icm_other_stacks",
               "ICM mode requires stack sizes for all payout places",
               {std::to_string(request.icm_payouts.size()),
                std::to_string(request.icm_other_stacks.size() + 2)});
      }
      // Both seats are above 0 chips here; another stack of 0 is busted.
      const auto live_others =
          std::count_if(request.icm_other_stacks.begin(), request.icm_other_stacks.end(),
                        [](std::int32_t s) { return s > 0; });
      try {
        halvory::check_icm_work(request.icm_other_stacks.size() + 2,
                                static_cast<std::size_t>(live_others) + 2,
                                request.icm_payouts.size());
      } catch (const std::exception& refused) {
        halvory::rethrow_for_field(refused, "icm_payouts");
      }
      game.icm = true;
      game.oop_stack = request.oop_stack;
      game.ip_stack = request.ip_stack;
      game.icm_payouts = request.icm_payouts;
      game.icm_other_stacks = request.icm_other_stacks;
      game.effective_stack = effective_stack_of(request);
    } else {
      game.icm = false;
      game.oop_stack = request.effective_stack;
      game.ip_stack = request.effective_stack;
    }
  } else {
    game.icm = false;
    game.oop_stack = 0;
    game.ip_stack = 0;
  }

  game.add_all_in_threshold[0] = jam_threshold(request.oop_add_all_in_jam_threshold_enabled,
                                               request.oop_add_all_in_jam_threshold_pct);
  game.add_all_in_threshold[1] = jam_threshold(request.ip_add_all_in_jam_threshold_enabled,
                                               request.ip_add_all_in_jam_threshold_pct);

  const bool with_context = purpose == ConversionPurpose::solve;
  build_street_sizing(game.streets[0], request.oop_flop, request.ip_flop, "flop", with_context);
  build_street_sizing(game.streets[1], request.oop_turn, request.ip_turn, "turn", with_context);
  build_street_sizing(game.streets[2], request.oop_river, request.ip_river, "river", with_context);

  game.force_all_in_ratio = 0.0;
  game.merge_threshold = 0.0;
  return out;
}

double iteration_progress(std::uint32_t iteration, std::uint32_t max_iterations) {
  if (max_iterations == 0) return 0.0;
  const double progress = static_cast<double>(iteration) / static_cast<double>(max_iterations);
  return std::clamp(progress, 0.0, 0.999);
}

std::string iteration_status(std::uint32_t iteration, float exploitability) {
  char value[64];
  const auto result =
      std::to_chars(value, value + sizeof value, static_cast<double>(exploitability),
                    std::chars_format::fixed, 4);
  return "Iter " + std::to_string(iteration) + " | exploitability\xE2\x89\x88" +
         std::string(value, result.ptr);
}

halvory::DiscountedCfr::Config make_solver_config(
    const SolveConfig& request, std::function<void(unsigned, float, double)> on_iteration,
    std::function<bool()> should_cancel, std::function<void(std::string_view)> on_log) {
  halvory::DiscountedCfr::Config config{};
  config.max_iterations = request.max_iterations;
  config.target_exploitability = request.target_exploitability;
  config.exploitability_interval = 50;
  config.verbose = false;
  config.compress = request.compress;
  config.threads = request.thread_count;
  config.on_iteration = std::move(on_iteration);
  config.should_cancel = std::move(should_cancel);
  config.on_log = std::move(on_log);
  return config;
}

}  // namespace halvory_app
