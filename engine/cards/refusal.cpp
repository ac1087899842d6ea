#include "cards/refusal.hpp"

#include <utility>

namespace halvory {

std::string_view refusal_code_name(RefusalCode code) {
  switch (code) {
    case RefusalCode::none:
      return "none";
    case RefusalCode::rank_character:
      return "rank_character";
    case RefusalCode::suit_character:
      return "suit_character";
    case RefusalCode::card_length:
      return "card_length";
    case RefusalCode::flop_length:
      return "flop_length";
    case RefusalCode::flop_unique:
      return "flop_unique";
    case RefusalCode::flop_undefined:
      return "flop_undefined";
    case RefusalCode::flop_deck:
      return "flop_deck";
    case RefusalCode::turn_deck:
      return "turn_deck";
    case RefusalCode::turn_conflict:
      return "turn_conflict";
    case RefusalCode::river_deck:
      return "river_deck";
    case RefusalCode::river_conflict:
      return "river_conflict";
    case RefusalCode::river_without_turn:
      return "river_without_turn";
    case RefusalCode::weight_empty:
      return "weight_empty";
    case RefusalCode::weight_not_number:
      return "weight_not_number";
    case RefusalCode::weight_overflow:
      return "weight_overflow";
    case RefusalCode::weight_trailing:
      return "weight_trailing";
    case RefusalCode::weight_bounds:
      return "weight_bounds";
    case RefusalCode::weight_decimal_comma:
      return "weight_decimal_comma";
    case RefusalCode::combo_empty:
      return "combo_empty";
    case RefusalCode::pattern_length:
      return "pattern_length";
    case RefusalCode::suffix:
      return "suffix";
    case RefusalCode::rank_order:
      return "rank_order";
    case RefusalCode::pair_suffix:
      return "pair_suffix";
    case RefusalCode::duplicate_cards:
      return "duplicate_cards";
    case RefusalCode::pair_suited:
      return "pair_suited";
    case RefusalCode::plus_expected:
      return "plus_expected";
    case RefusalCode::dash_expected:
      return "dash_expected";
    case RefusalCode::span_suitedness:
      return "span_suitedness";
    case RefusalCode::span_unsupported:
      return "span_unsupported";
    case RefusalCode::expression_missing:
      return "expression_missing";
    case RefusalCode::percent_form:
      return "percent_form";
    case RefusalCode::range_too_long:
      return "range_too_long";
    case RefusalCode::range_empty_on_board:
      return "range_empty_on_board";
    case RefusalCode::bet_empty:
      return "bet_empty";
    case RefusalCode::bet_number:
      return "bet_number";
    case RefusalCode::bet_integer:
      return "bet_integer";
    case RefusalCode::bet_integer_range:
      return "bet_integer_range";
    case RefusalCode::bet_relative_context:
      return "bet_relative_context";
    case RefusalCode::bet_relative_min:
      return "bet_relative_min";
    case RefusalCode::bet_cap_context:
      return "bet_cap_context";
    case RefusalCode::bet_cap_suffix:
      return "bet_cap_suffix";
    case RefusalCode::bet_cap_positive:
      return "bet_cap_positive";
    case RefusalCode::bet_streets_positive:
      return "bet_streets_positive";
    case RefusalCode::sizing_percent_alone:
      return "sizing_percent_alone";
    case RefusalCode::sizing_token:
      return "sizing_token";
    case RefusalCode::variant_unknown:
      return "variant_unknown";
    case RefusalCode::board_short:
      return "board_short";
    case RefusalCode::board_length:
      return "board_length";
    case RefusalCode::board_street:
      return "board_street";
    case RefusalCode::above_zero:
      return "above_zero";
    case RefusalCode::rake_bounds:
      return "rake_bounds";
    case RefusalCode::rake_cap_negative:
      return "rake_cap_negative";
    case RefusalCode::not_a_number:
      return "not_a_number";
    case RefusalCode::jam_bounds:
      return "jam_bounds";
    case RefusalCode::stack_below_chip:
      return "stack_below_chip";
    case RefusalCode::negative_entry:
      return "negative_entry";
    case RefusalCode::icm_seat_stacks:
      return "icm_seat_stacks";
    case RefusalCode::icm_payouts_missing:
      return "icm_payouts_missing";
    case RefusalCode::icm_places:
      return "icm_places";
    case RefusalCode::icm_too_many_places:
      return "icm_too_many_places";
    case RefusalCode::money_negative:
      return "money_negative";
    case RefusalCode::money_range:
      return "money_range";
    case RefusalCode::tree_too_deep:
      return "tree_too_deep";
    case RefusalCode::tree_too_large:
      return "tree_too_large";
    case RefusalCode::not_finite:
      return "not_finite";
    case RefusalCode::out_of_memory:
      return "out_of_memory";
  }
  return "unknown";
}

Refusal refusal_of(const std::exception& error) {
  if (const auto* refused = dynamic_cast<const Refused*>(&error)) return refused->refusal();
  return {};
}

void refuse(RefusalCode code, const std::string& message, std::vector<std::string> args) {
  throw RefusedArgument(message, Refusal{code, {}, std::move(args)});
}

void rethrow_for_field(const std::exception& error, std::string field) {
  const auto* refused = dynamic_cast<const Refused*>(&error);
  if (refused == nullptr) throw;
  Refusal named = refused->refusal();
  named.field = std::move(field);
  if (dynamic_cast<const std::out_of_range*>(&error) != nullptr)
    throw RefusedOutOfRange(error.what(), std::move(named));
  throw RefusedArgument(error.what(), std::move(named));
}

}  // namespace halvory
