#pragma once
// Refusals of bad input. Every parser and check of the engine that a user's
// entry can reach throws an exception that carries, beside its fixed English
// message, a code naming the rule that refused and the values that explain
// it (the token, the limit, the field). The application words the code in
// the user's language; the English message stays what logs and the solve
// thread's stage texts show.

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace halvory {

// One code per rule. The application has one wording for each of them.
enum class RefusalCode : std::uint8_t {
  none,
  // Cards and boards.
  rank_character,  // args: the character
  suit_character,  // args: the character
  card_length,     // args: the token
  flop_length,
  flop_unique,
  flop_undefined,
  flop_deck,
  turn_deck,
  turn_conflict,
  river_deck,
  river_conflict,
  river_without_turn,
  // Range text.
  weight_empty,
  weight_not_number,     // args: the weight text
  weight_overflow,       // args: the weight text
  weight_trailing,       // args: the weight text
  weight_bounds,         // args: the weight
  weight_decimal_comma,  // args: the weight as written ("0,5"), with a point ("0.5")
  combo_empty,
  pattern_length,
  suffix,
  rank_order,
  pair_suffix,
  duplicate_cards,
  pair_suited,
  plus_expected,
  dash_expected,
  span_suitedness,
  span_unsupported,
  expression_missing,
  percent_form,          // args: the text
  range_too_long,        // args: the length in characters, the limit
  range_empty_on_board,  // args: the seat, "0" out of position, "1" in position
  // Bet and raise sizes.
  bet_empty,
  bet_number,         // args: the number text
  bet_integer,        // args: the number text
  bet_integer_range,  // args: the number text
  bet_relative_context,
  bet_relative_min,
  bet_cap_context,
  bet_cap_suffix,
  bet_cap_positive,
  bet_streets_positive,
  sizing_percent_alone,
  sizing_token,  // args: the token
  // The spot as a whole.
  variant_unknown,  // args: the variant text
  board_short,
  board_length,  // args: the board text
  board_street,  // args: the card count, the street, the cards it needs
  above_zero,
  rake_bounds,
  rake_cap_negative,
  not_a_number,
  jam_bounds,
  stack_below_chip,
  negative_entry,
  icm_seat_stacks,
  icm_payouts_missing,
  icm_places,
  icm_too_many_places,  // args: the places paid, the players, the most places the chip model takes
  money_negative,
  money_range,
  tree_too_deep,   // args: the depth limit
  tree_too_large,  // args: the node limit
  not_finite,
  out_of_memory,  // the solve could not get the memory it needed
};

// The code's name, as logs and tests print it ("weight_bounds").
std::string_view refusal_code_name(RefusalCode code);

struct Refusal {
  RefusalCode code = RefusalCode::none;
  // The entry refused, by its key in the solve request ("oop_range",
  // "ip_river_bet_sizes"); empty when the refusal is of no single entry or
  // the thrower does not know it.
  std::string field;
  std::vector<std::string> args;

  bool empty() const { return code == RefusalCode::none; }
};

// What the refusing exceptions have in common.
class Refused {
 public:
  explicit Refused(Refusal refusal) : why(std::move(refusal)) {}
  virtual ~Refused() = default;
  const Refusal& refusal() const noexcept { return why; }

 private:
  Refusal why;
};

class RefusedArgument : public std::invalid_argument, public Refused {
 public:
  RefusedArgument(const std::string& message, Refusal refusal)
      : std::invalid_argument(message), Refused(std::move(refusal)) {}
};

class RefusedOutOfRange : public std::out_of_range, public Refused {
 public:
  RefusedOutOfRange(const std::string& message, Refusal refusal)
      : std::out_of_range(message), Refused(std::move(refusal)) {}
};

// The refusal an exception carries; an empty one when it carries none.
Refusal refusal_of(const std::exception& error);

// Throws RefusedArgument with the message and the code.
[[noreturn]] void refuse(RefusalCode code, const std::string& message,
                         std::vector<std::string> args = {});
// The same exception again, its refusal now naming `field`; an exception
// without a refusal is rethrown as it is.
[[noreturn]] void rethrow_for_field(const std::exception& error, std::string field);

}  // namespace halvory
