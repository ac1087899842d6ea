#pragma once
// Turns a SolveConfig (texts and numbers as the user gave them) into the
// engine's inputs. Bad input is reported by throwing std::invalid_argument
// (or by letting an engine parser's exception pass).

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cards/cards.hpp"
#include "cards/range.hpp"
#include "solver/dcfr.hpp"
#include "tree/action_plan.hpp"

#include "session/solve_records.hpp"

namespace halvory_app {

// The one reader of deck-variant texts (any case, surrounding blanks
// ignored): true for the short deck ("shortdeck", "short_deck", "6+",
// "6plus"), false for hold'em ("holdem", "hold'em" or nothing), no value for
// a text that names neither.
std::optional<bool> read_deck_variant(std::string_view text);

// read_deck_variant with every unknown text taken as hold'em.
bool parse_deck_variant(std::string_view text);

// Exact comparison: "flop" 0, "turn" 1, "river" 2, anything else 0.
halvory::Street parse_street_name(std::string_view text);

// Longest range text read, in characters, as many as the largest file an
// import reads has bytes (2 MiB): every range a user writes or keeps fits
// many times over, and a paste of something else is refused before
// anything reads it.
inline constexpr std::size_t kMaxRangeTextChars = std::size_t{2} << 20;

// Range text, or the shorthand "N%": weight N/100 on all 1326 combinations.
// Texts of more than kMaxRangeTextChars characters are refused.
halvory::Range expand_percent_range(const std::string& text);

// Turns a user sizing list into the bet-size grammar ("33, 75" -> "33%,75%"),
// appending "a" when add_all_in is set and no all-in is present. Chip amounts
// are typed in chips and come out in the engine's hundredths ("40c2r" ->
// "4000c2r"). A token that does not read as written is refused, naming it.
std::string normalize_sizing_text(std::string_view text, bool add_all_in);

// Fills one street's sizing block. With error context, a bet-size parser
// failure is rethrown naming the seat, street and both texts.
void build_street_sizing(halvory::StreetSizing& block, const SizingConfig& oop,
                         const SizingConfig& ip, std::string_view street_name,
                         bool with_error_context);

// The solve reads the utility model (ICM checks and seat stacks); the memory
// estimate does not.
enum class ConversionPurpose { solve, estimate };

struct ConvertedRequest {
  std::array<halvory::CardCode, 5> board{255, 255, 255, 255, 255};
  bool short_deck = false;
  halvory::Range oop_range{};
  halvory::Range ip_range{};
  halvory::GameConfig game{};
};

// Refuses, naming the field, values that would solve another spot than the
// one described (a board that does not fit the starting street, no stack,
// no pot, rake outside 0..100 %, an unknown deck, negative ICM figures).
// Cheap: no card context or tree is built. convert_request runs it first.
void check_request_values(const SolveConfig& request, ConversionPurpose purpose);

ConvertedRequest convert_request(const SolveConfig& request, ConversionPurpose purpose);

// Range weights this small count as zero: the solver divides by products of
// two weights, which for such weights leave the single-precision range.
inline constexpr float kSmallestRangeWeight = 1e-9f;

// Iteration reporter form: progress = iteration / max_iterations in [0, 0.999]
// (0 when the limit is 0).
double iteration_progress(std::uint32_t iteration, std::uint32_t max_iterations);

// "Iter <n> | exploitability≈<value with 4 decimals>"
std::string iteration_status(std::uint32_t iteration, float exploitability);

halvory::DiscountedCfr::Config make_solver_config(
    const SolveConfig& request, std::function<void(unsigned, float, double)> on_iteration,
    std::function<bool()> should_cancel, std::function<void(std::string_view)> on_log = {});

}  // namespace halvory_app
