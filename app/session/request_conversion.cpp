#include "session/request_conversion.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>
#include <utility>

#include "cards/bet_size.hpp"

namespace halvory_app {
namespace {

bool is_space(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
char to_lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

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

bool is_sizing_char(char c) {
    if (std::isdigit(static_cast<unsigned char>(c)) != 0) return true;
    switch (c) {
        case '%': case ',': case '.':
        case 'a': case 'A': case 'c': case 'C': case 'e': case 'E':
        case 'r': case 'R': case 'x': case 'X':
            return true;
        default:
            return false;
    }
}

// Token endings that already say what kind of size a piece is.
bool has_kind_suffix(char c) {
    switch (to_lower(c)) {
        case '%': case 'a': case 'c': case 'e': case 'x': return true;
        default: return false;
    }
}

constexpr std::string_view kSizingPrefix = "Sizing";

void fill_seat_sizing(halvory::BetRaiseSizes& sizes, const SizingConfig& seat,
                      std::string& bet_norm, std::string& raise_norm) {
    bet_norm = normalize_sizing_text(seat.bet_sizes, seat.add_all_in);
    raise_norm = normalize_sizing_text(seat.raise_sizes, seat.add_all_in);
    sizes = halvory::parse_bet_raise_sizes(bet_norm, raise_norm);
}

[[noreturn]] void rethrow_with_context(std::string_view seat_name, std::string_view street_name,
                                       const SizingConfig& seat, const std::exception& cause) {
    // Normalising again here lets a normaliser failure surface on its own,
    // without the context that only describes parser failures.
    const std::string bet_norm = normalize_sizing_text(seat.bet_sizes, seat.add_all_in);
    const std::string raise_norm = normalize_sizing_text(seat.raise_sizes, seat.add_all_in);
    std::string message(seat_name);
    message += ' ';
    message += street_name;
    message += " sizing (bet='" + seat.bet_sizes + "', raise='" + seat.raise_sizes +
               "', bet_norm='" + bet_norm + "', raise_norm='" + raise_norm + "'): " + cause.what();
    throw std::invalid_argument(message);
}

double jam_threshold(bool enabled, double percent) {
    return enabled ? std::max(percent / 100.0, 0.0) : 0.0;
}

}  // namespace

bool parse_deck_variant(std::string_view text) {
    const std::string variant = lower_case(trim(text));
    return variant == "shortdeck" || variant == "short_deck" || variant == "6+" || variant == "6plus";
}

halvory::Street parse_street_name(std::string_view text) {
    if (text == "turn") return halvory::kStreetTurn;
    if (text == "river") return halvory::kStreetRiver;
    return halvory::kStreetFlop;
}

halvory::Range expand_percent_range(const std::string& text) {
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
    if (end == first || status != std::errc{}) {
        throw std::invalid_argument("Invalid percent range '" + trimmed + "' (expected like '50%')");
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

std::string normalize_sizing_text(std::string_view text, bool add_all_in) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (is_sizing_char(c)) kept.push_back(c);
    }

    std::string out;
    bool all_in_seen = false;
    std::size_t start = 0;
    while (start <= kept.size()) {
        std::size_t comma = kept.find(',', start);
        if (comma == std::string::npos) comma = kept.size();
        std::string piece = kept.substr(start, comma - start);
        start = comma + 1;
        if (piece.empty()) continue;
        if (piece == "%") {
            throw std::invalid_argument(std::string(kSizingPrefix) +
                                        ": invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");
        }
        if (piece.size() == 1) {
            const char c = to_lower(piece[0]);
            if (c == 'c' || c == 'e' || c == 'x') {
                throw std::invalid_argument(std::string(kSizingPrefix) + ": invalid token '" + piece + "'");
            }
            if (c == 'a') all_in_seen = true;
        }
        if (!has_kind_suffix(piece.back())) piece.push_back('%');
        if (!out.empty()) out.push_back(',');
        out += piece;
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
    try {
        fill_seat_sizing(block.oop, oop, bet_norm, raise_norm);
        if (oop.dont_donk) {
            block.donk_sizes.emplace();
        } else {
            block.donk_sizes = halvory::parse_bet_sizes(bet_norm);
        }
    } catch (const std::exception& e) {
        if (!with_error_context) throw;
        rethrow_with_context("OOP", street_name, oop, e);
    }
    try {
        fill_seat_sizing(block.ip, ip, bet_norm, raise_norm);
    } catch (const std::exception& e) {
        if (!with_error_context) throw;
        rethrow_with_context("IP", street_name, ip, e);
    }
}

ConvertedRequest convert_request(const SolveConfig& request, ConversionPurpose purpose) {
    if (request.board.size() < 6) {
        throw std::invalid_argument("Board must include at least a flop (6 chars, e.g. AhKsQd)");
    }
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

    out.oop_range = expand_percent_range(request.oop_range);
    out.ip_range = expand_percent_range(request.ip_range);

    halvory::GameConfig& game = out.game;
    game.start_street = parse_street_name(request.starting_street);
    game.starting_pot = request.starting_pot;
    game.effective_stack = request.effective_stack;
    game.rake_rate = request.rake_percent / 100.0;
    game.rake_cap = request.rake_cap;

    if (purpose == ConversionPurpose::solve) {
        if (lower_case(request.utility_model) == "icm") {
            if (request.oop_stack <= 0 || request.ip_stack <= 0) {
                throw std::invalid_argument("ICM mode requires oop_stack and ip_stack");
            }
            if (request.icm_payouts.empty()) {
                throw std::invalid_argument("ICM mode requires payouts (icm_payouts)");
            }
            if (request.icm_other_stacks.size() + 2 < request.icm_payouts.size()) {
                throw std::invalid_argument("ICM mode requires stack sizes for all payout places");
            }
            game.icm = true;
            game.oop_stack = request.oop_stack;
            game.ip_stack = request.ip_stack;
            game.icm_payouts = request.icm_payouts;
            game.icm_other_stacks = request.icm_other_stacks;
            if (game.effective_stack <= 0) {
                game.effective_stack = request.ip_stack < request.oop_stack ? request.ip_stack
                                                                            : request.oop_stack;
            }
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
    const auto result = std::to_chars(value, value + sizeof value, static_cast<double>(exploitability),
                                      std::chars_format::fixed, 4);
    return "Iter " + std::to_string(iteration) + " | exploitability\xE2\x89\x88" +
           std::string(value, result.ptr);
}

halvory::DiscountedCfr::Config make_solver_config(
    const SolveConfig& request,
    std::function<void(unsigned, float, double)> on_iteration,
    std::function<bool()> should_cancel) {
    halvory::DiscountedCfr::Config config{};
    config.max_iterations = request.max_iterations;
    config.target_exploitability = request.target_exploitability;
    config.exploitability_interval = 50;
    config.verbose = false;
    config.compress = request.compress;
    config.threads = request.thread_count;
    config.on_iteration = std::move(on_iteration);
    config.should_cancel = std::move(should_cancel);
    return config;
}

}  // namespace halvory_app
