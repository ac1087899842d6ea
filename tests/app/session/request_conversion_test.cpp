#include "session/request_conversion.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "cards/range.hpp"
#include "cards/refusal.hpp"
#include "context/card_context.hpp"
#include "tree/action_plan.hpp"

namespace {

using namespace halvory_app;
using halvory::BetSizeKind;

// Runs `body` and returns the message it throws (empty when it does not).
template <typename Body>
std::string message_of(Body&& body) {
  try {
    body();
  } catch (const std::exception& e) {
    return e.what();
  }
  return {};
}

SolveConfig river_request() {
  SolveConfig request;
  request.board = "Ks7d2c5h9s";
  request.starting_street = "river";
  request.starting_pot = 2280;
  request.effective_stack = 8890;
  request.oop_range = "AA,KK,72o";
  request.ip_range = "AK,QQ";
  request.oop_river.bet_sizes = "33, 75";
  request.ip_river.bet_sizes = "50";
  request.ip_river.raise_sizes = "100";
  return request;
}

TEST(SolveConfigRecord, DefaultsAreTheDocumentedOnes) {
  const SolveConfig config;
  EXPECT_EQ(config.variant, "holdem");
  EXPECT_EQ(config.utility_model, "cash");
  EXPECT_EQ(config.starting_street, "flop");
  EXPECT_EQ(config.starting_pot, 100);
  EXPECT_EQ(config.effective_stack, 100);
  EXPECT_EQ(config.max_iterations, 2000u);
  EXPECT_FLOAT_EQ(config.target_exploitability, 0.1f);
  EXPECT_EQ(config.thread_count, 1u);
  EXPECT_FALSE(config.compress);
  for (const SizingConfig* s : {&config.oop_flop, &config.oop_turn, &config.oop_river,
                                &config.ip_flop, &config.ip_turn, &config.ip_river}) {
    EXPECT_TRUE(s->bet_sizes.empty() && s->raise_sizes.empty());
    EXPECT_FALSE(s->add_all_in || s->dont_donk);
  }
  EXPECT_TRUE(config.node_locks.empty());
}

TEST(SmallParsers, DeckVariantAndStreetName) {
  EXPECT_TRUE(parse_deck_variant("  ShortDeck "));
  EXPECT_TRUE(parse_deck_variant("short_deck"));
  EXPECT_TRUE(parse_deck_variant("6+"));
  EXPECT_TRUE(parse_deck_variant("6PLUS"));
  EXPECT_FALSE(parse_deck_variant("short deck"));
  EXPECT_FALSE(parse_deck_variant(""));
  EXPECT_FALSE(parse_deck_variant("holdem"));
  EXPECT_EQ(read_deck_variant(" Hold'em"), false);
  EXPECT_EQ(read_deck_variant("6plus"), true);
  EXPECT_FALSE(read_deck_variant("omaha").has_value());
  EXPECT_FALSE(read_deck_variant("short deck").has_value());

  EXPECT_EQ(parse_street_name("flop"), 0);
  EXPECT_EQ(parse_street_name("turn"), 1);
  EXPECT_EQ(parse_street_name("river"), 2);
  EXPECT_EQ(parse_street_name("Turn"), 0);
  EXPECT_EQ(parse_street_name(" river"), 0);
}

TEST(PercentRange, UniformWeightOnEveryCombination) {
  const halvory::Range half = expand_percent_range("50%");
  for (const float w : half.weights) EXPECT_FLOAT_EQ(w, 0.5f);
  const halvory::Range full = expand_percent_range("  100% ");
  for (const float w : full.weights) EXPECT_FLOAT_EQ(w, 1.0f);
  // The whole number must read: "1.5.2%" is not 1.5 %.
  EXPECT_EQ(message_of([] { expand_percent_range("1.5.2%"); }),
            "Invalid percent range '1.5.2%' (expected like '50%')");

  EXPECT_EQ(message_of([] { expand_percent_range("150%"); }), "Weight must be within [0, 1]");
  EXPECT_EQ(message_of([] { expand_percent_range(" .% "); }),
            "Invalid percent range '.%' (expected like '50%')");
  // Not a shorthand: handed to the range parser.
  EXPECT_EQ(expand_percent_range("AA"), halvory::parse_range("AA"));
  EXPECT_EQ(message_of([] { expand_percent_range("5%0"); }),
            message_of([] { halvory::parse_range("5%0"); }));
  EXPECT_FALSE(message_of([] { expand_percent_range("AA%"); }).empty());
}

TEST(SizingNormaliser, CleansAndCompletesTokens) {
  const struct {
    const char* text;
    bool add_all_in;
    const char* normalised;
  } cases[] = {
      {"33, 75", false, "33%,75%"},
      {"33, 75", true, "33%,75%,a"},
      {"33%, 75%", false, "33%,75%"},
      {"", true, "a"},
      {"", false, ""},
      {"2x, a", true, "2x,a"},
      {"2x, A", false, "2x,A"},
      {",,50 ,", false, "50%"},
      {"12.5, .5%", false, "12.5%,.5%"},
      // Chip amounts are typed in chips; the engine counts hundredths.
      {"40c, 2e", false, "4000c,2e"},
      {"40c2r", false, "4000c2r"},
      {"12.5c", false, "1250c"},
      {"2%150e", false, "2%150e"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(normalize_sizing_text(c.text, c.add_all_in), c.normalised) << c.text;
  }
}

TEST(SizingNormaliser, RefusesWhatTheGrammarDoesNotReadAsWritten) {
  const struct {
    const char* text;
    const char* token;
  } cases[] = {
      {"33 75", "33 75"}, {"half pot", "half pot"}, {"jam", "jam"},       {"nan", "nan"},
      {"1/2", "1/2"},     {"-50", "-50"},           {"-", "-"},           {"50, 3r", "3r"},
      {"x", "x"},         {"50, E", "E"},           {"1.2.3%", "1.2.3%"}, {"40c2", "40c2"},
      {"40cr", "40cr"},   {"1e2", "1e2"},           {"2.5xx", "2.5xx"},   {"allin", "allin"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(message_of([&] { normalize_sizing_text(c.text, false); }),
              std::string("Sizing: invalid token '") + c.token + "'")
        << c.text;
  }
  EXPECT_EQ(message_of([] { normalize_sizing_text("50, %", false); }),
            "Sizing: invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");
}

TEST(StreetSizing, FillsBothSeatsAndDonkSizes) {
  halvory::StreetSizing block;
  SizingConfig oop{"33, 75", "2.5x", false, false};
  SizingConfig ip{"50", "", true, true};
  build_street_sizing(block, oop, ip, "flop", true);
  ASSERT_EQ(block.oop.bets.size(), 2u);
  EXPECT_DOUBLE_EQ(block.oop.bets[1].value, 0.75);
  ASSERT_EQ(block.oop.raises.size(), 1u);
  EXPECT_EQ(block.oop.raises[0].kind, BetSizeKind::RelativeRaise);
  ASSERT_TRUE(block.donk_sizes.has_value());
  EXPECT_EQ(block.donk_sizes->size(), 2u);
  ASSERT_EQ(block.ip.bets.size(), 2u);
  EXPECT_EQ(block.ip.bets[1].kind, BetSizeKind::AllIn);
  ASSERT_EQ(block.ip.raises.size(), 1u);  // add_all_in puts the all-in in the raises too
  EXPECT_EQ(block.ip.raises[0].kind, BetSizeKind::AllIn);

  oop.dont_donk = true;
  build_street_sizing(block, oop, ip, "flop", true);
  ASSERT_TRUE(block.donk_sizes.has_value());
  EXPECT_TRUE(block.donk_sizes->empty());
}

TEST(StreetSizing, ParserFailuresCarrySeatStreetAndTexts) {
  halvory::StreetSizing block;
  const SizingConfig good{"50", "", false, false};
  const SizingConfig bad_bet{"2.5x", "100", false, false};
  const std::string parser_message =
      message_of([] { halvory::parse_bet_raise_sizes("2.5x", "100%"); });
  ASSERT_FALSE(parser_message.empty());
  EXPECT_EQ(message_of([&] { build_street_sizing(block, good, bad_bet, "turn", true); }),
            "IP turn sizing (bet='2.5x', raise='100', bet_norm='2.5x', raise_norm='100%'): " +
                parser_message);
  EXPECT_EQ(message_of([&] { build_street_sizing(block, bad_bet, good, "river", true); }),
            "OOP river sizing (bet='2.5x', raise='100', bet_norm='2.5x', raise_norm='100%'): " +
                parser_message);
  // Without context (the memory estimate) the parser's own message passes.
  EXPECT_EQ(message_of([&] { build_street_sizing(block, bad_bet, good, "river", false); }),
            parser_message);
  // A normaliser failure keeps its own message, context or not.
  const SizingConfig bad_token{"x", "", false, false};
  EXPECT_EQ(message_of([&] { build_street_sizing(block, bad_token, good, "flop", true); }),
            "Sizing: invalid token 'x'");
}

TEST(Conversion, BoardSlicing) {
  SolveConfig request = river_request();
  request.board = "Ks7d2";
  EXPECT_EQ(message_of([&] { convert_request(request, ConversionPurpose::solve); }),
            "Board must include at least a flop (6 chars, e.g. AhKsQd)");
  EXPECT_EQ(message_of([&] { convert_request(request, ConversionPurpose::estimate); }),
            "Board must include at least a flop (6 chars, e.g. AhKsQd)");

  request.starting_street = "turn";
  request.board = "Ks7d2c5h";
  auto converted = convert_request(request, ConversionPurpose::solve);
  EXPECT_EQ(converted.board[3], halvory::parse_card("5h"));
  EXPECT_EQ(converted.board[4], halvory::kNoCard);
  request.starting_street = "flop";
  request.board = "KsKs2c";
  EXPECT_EQ(message_of([&] { convert_request(request, ConversionPurpose::solve); }),
            "Flop cards must be unique");
}

TEST(Conversion, GameConfigurationFields) {
  SolveConfig request = river_request();
  request.rake_percent = 5.0;
  request.rake_cap = 300.0;
  request.oop_add_all_in_jam_threshold_pct = 5.0;
  request.oop_add_all_in_jam_threshold_enabled = true;
  request.ip_add_all_in_jam_threshold_pct = 150.0;
  request.ip_add_all_in_jam_threshold_enabled = true;
  request.variant = "6plus";
  request.board = "Ks7d9c8h6s";
  request.oop_range = "50%";
  auto converted = convert_request(request, ConversionPurpose::solve);
  EXPECT_TRUE(converted.short_deck);
  EXPECT_EQ(converted.game.start_street, 2);
  EXPECT_EQ(converted.game.starting_pot, 2280);
  EXPECT_EQ(converted.game.effective_stack, 8890);
  EXPECT_EQ(converted.game.oop_stack, 8890);
  EXPECT_EQ(converted.game.ip_stack, 8890);
  EXPECT_FALSE(converted.game.icm);
  EXPECT_DOUBLE_EQ(converted.game.rake_rate, 0.05);
  EXPECT_DOUBLE_EQ(converted.game.rake_cap, 300.0);
  EXPECT_DOUBLE_EQ(converted.game.add_all_in_threshold[0], 0.05);
  EXPECT_DOUBLE_EQ(converted.game.add_all_in_threshold[1], 1.5);
  EXPECT_DOUBLE_EQ(converted.game.force_all_in_ratio, 0.0);
  EXPECT_DOUBLE_EQ(converted.game.merge_threshold, 0.0);
  EXPECT_FLOAT_EQ(converted.oop_range.weights[100], 0.5f);
  EXPECT_EQ(converted.ip_range, halvory::parse_range("AK,QQ"));
  // All three streets are built whatever the starting street.
  EXPECT_EQ(converted.game.streets[2].oop.bets.size(), 2u);
  EXPECT_TRUE(converted.game.streets[0].donk_sizes.has_value());

  request.ip_add_all_in_jam_threshold_enabled = false;
  converted = convert_request(request, ConversionPurpose::solve);
  EXPECT_DOUBLE_EQ(converted.game.add_all_in_threshold[1], 0.0);

  request.starting_street = "Turn";
  request.board = "Ks7d9c";
  EXPECT_EQ(convert_request(request, ConversionPurpose::solve).game.start_street, 0);
}

TEST(Conversion, IcmChecksAndEffectiveStackRule) {
  SolveConfig request = river_request();
  request.utility_model = "ICM";
  EXPECT_EQ(message_of([&] { convert_request(request, ConversionPurpose::solve); }),
            "ICM mode requires oop_stack and ip_stack");
  request.oop_stack = 8000;
  request.ip_stack = 6000;
  EXPECT_EQ(message_of([&] { convert_request(request, ConversionPurpose::solve); }),
            "ICM mode requires payouts (icm_payouts)");
  request.icm_payouts = {50, 30, 20, 10};
  request.icm_other_stacks = {4000};
  EXPECT_EQ(message_of([&] { convert_request(request, ConversionPurpose::solve); }),
            "ICM mode requires stack sizes for all payout places");
  request.icm_payouts = {50, 30, 20};
  request.effective_stack = 0;
  auto converted = convert_request(request, ConversionPurpose::solve);
  EXPECT_TRUE(converted.game.icm);
  EXPECT_EQ(converted.game.effective_stack, 6000);
  EXPECT_EQ(converted.game.oop_stack, 8000);
  EXPECT_EQ(converted.game.ip_stack, 6000);
  EXPECT_EQ(converted.game.icm_payouts, (std::vector<std::int32_t>{50, 30, 20}));
  EXPECT_EQ(converted.game.icm_other_stacks, (std::vector<std::int32_t>{4000}));

  request.effective_stack = 5000;  // a positive stack is kept
  EXPECT_EQ(convert_request(request, ConversionPurpose::solve).game.effective_stack, 5000);

  // The estimate never reads the utility model.
  request.icm_payouts.clear();
  request.effective_stack = 0;
  converted = convert_request(request, ConversionPurpose::estimate);
  EXPECT_FALSE(converted.game.icm);
  EXPECT_EQ(converted.game.effective_stack, 0);
  EXPECT_EQ(converted.game.oop_stack, 0);
  EXPECT_EQ(converted.game.ip_stack, 0);
  EXPECT_TRUE(converted.game.icm_payouts.empty());
}

TEST(Conversion, RefusesValuesThatWouldSolveAnotherSpot) {
  const struct {
    const char* what;
    void (*change)(SolveConfig&);
    const char* message;
  } cases[] = {
      {"river board, flop street", [](SolveConfig& r) { r.starting_street = "flop"; },
       "board: 5 cards do not fit the starting street flop, which needs 3"},
      {"flop board, river street", [](SolveConfig& r) { r.board = "Ks7d2c"; },
       "board: 3 cards do not fit the starting street river, which needs 5"},
      {"odd length", [](SolveConfig& r) { r.board = "Ks7d2c5"; },
       "board: 'Ks7d2c5' is not 3, 4 or 5 cards (6, 8 or 10 characters)"},
      {"extra characters", [](SolveConfig& r) { r.board = "Ks7d2c5h9sXX"; },
       "board: 'Ks7d2c5h9sXX' is not 3, 4 or 5 cards (6, 8 or 10 characters)"},
      {"no stack", [](SolveConfig& r) { r.effective_stack = 0; },
       "effective_stack must be at least 1 chip"},
      {"under a chip", [](SolveConfig& r) { r.effective_stack = 99; },
       "effective_stack must be at least 1 chip"},
      {"no pot", [](SolveConfig& r) { r.starting_pot = 0; }, "starting_pot must be above 0"},
      {"rake NaN", [](SolveConfig& r) { r.rake_percent = std::nan(""); },
       "rake_percent must be between 0 and 100"},
      {"rake negative", [](SolveConfig& r) { r.rake_percent = -1.0; },
       "rake_percent must be between 0 and 100"},
      {"rake over 100", [](SolveConfig& r) { r.rake_percent = 100.5; },
       "rake_percent must be between 0 and 100"},
      {"cap negative", [](SolveConfig& r) { r.rake_cap = -1.0; },
       "rake_cap must be 0 (no cap) or more"},
      {"cap NaN", [](SolveConfig& r) { r.rake_cap = std::nan(""); },
       "rake_cap must be 0 (no cap) or more"},
      {"jam NaN",
       [](SolveConfig& r) {
         r.ip_add_all_in_jam_threshold_enabled = true;
         r.ip_add_all_in_jam_threshold_pct = std::nan("");
       },
       "ip_add_all_in_jam_threshold_pct must be a number"},
      {"jam negative",
       [](SolveConfig& r) {
         r.oop_add_all_in_jam_threshold_enabled = true;
         r.oop_add_all_in_jam_threshold_pct = -5.0;
       },
       "oop_add_all_in_jam_threshold_pct must be from 0 to 1000"},
      {"jam over ten pots",
       [](SolveConfig& r) {
         r.ip_add_all_in_jam_threshold_enabled = true;
         r.ip_add_all_in_jam_threshold_pct = 1000.5;
       },
       "ip_add_all_in_jam_threshold_pct must be from 0 to 1000"},
      {"target NaN", [](SolveConfig& r) { r.target_exploitability = std::nanf(""); },
       "target_exploitability must be a number"},
      {"omaha", [](SolveConfig& r) { r.variant = "omaha"; },
       "variant: unknown deck variant 'omaha' (use holdem or shortdeck)"},
      {"percent range", [](SolveConfig& r) { r.oop_range = "1.2.3%"; },
       "oop_range: Invalid percent range '1.2.3%' (expected like '50%')"},
      {"negative payout",
       [](SolveConfig& r) {
         r.utility_model = "icm";
         r.oop_stack = 8000;
         r.ip_stack = 6000;
         r.icm_payouts = {7000, -3000};
       },
       "icm_payouts cannot be negative"},
      {"negative other stack",
       [](SolveConfig& r) {
         r.utility_model = "icm";
         r.oop_stack = 8000;
         r.ip_stack = 6000;
         r.icm_payouts = {7000, 3000};
         r.icm_other_stacks = {-1};
       },
       "icm_other_stacks cannot be negative"},
      {"ICM smaller seat under a chip",
       [](SolveConfig& r) {
         r.utility_model = "icm";
         r.effective_stack = 0;
         r.oop_stack = 50;
         r.ip_stack = 6000;
         r.icm_payouts = {7000, 3000};
       },
       "effective_stack must be at least 1 chip"},
  };
  for (const auto& c : cases) {
    SolveConfig request = river_request();
    c.change(request);
    EXPECT_EQ(message_of([&] { convert_request(request, ConversionPurpose::solve); }), c.message)
        << c.what;
  }
  // A four-card board on the turn is what it says.
  SolveConfig turn = river_request();
  turn.board = "Ks7d2c5h";
  turn.starting_street = "turn";
  EXPECT_EQ(convert_request(turn, ConversionPurpose::solve).game.start_street, 1);
}

TEST(Conversion, ChipSizesReachTheTreeInChips) {
  // River spot, pot 22.80 chips: OOP bets 40 chips; IP may raise by 40
  // chips only while fewer than two bets and raises were made.
  SolveConfig request = river_request();
  request.oop_river = {"40c", "40c2r", false, false};
  request.ip_river = {"", "40c2r", false, false};
  ConvertedRequest converted = convert_request(request, ConversionPurpose::solve);
  const halvory::CardContext cards(converted.board, converted.oop_range, converted.ip_range, false);
  const halvory::ActionPlan plan(converted.game, cards);

  const auto child = [&](std::size_t node, halvory::ActionKind kind) -> std::size_t {
    const auto& n = plan.nodes[node];
    for (std::size_t a = 0; a < n.actions.size(); ++a) {
      if (n.actions[a].kind == kind) return n.children[a];
    }
    return 0;
  };
  const auto amount = [&](std::size_t node, halvory::ActionKind kind) {
    const auto& n = plan.nodes[node];
    for (const auto& action : n.actions) {
      if (action.kind == kind) return action.amount;
    }
    return -1;
  };
  EXPECT_EQ(amount(0, halvory::ActionKind::Bet), 4000);
  const std::size_t facing_bet = child(0, halvory::ActionKind::Bet);
  ASSERT_NE(facing_bet, 0u);
  EXPECT_EQ(amount(facing_bet, halvory::ActionKind::Raise), 8000);
  const std::size_t facing_raise = child(facing_bet, halvory::ActionKind::Raise);
  ASSERT_NE(facing_raise, 0u);
  EXPECT_EQ(amount(facing_raise, halvory::ActionKind::Raise), -1);  // capped after two
}

TEST(Conversion, SizingContextNamesTheStreet) {
  SolveConfig request = river_request();
  request.ip_turn.bet_sizes = "1x";
  const std::string parser_message = message_of([] { halvory::parse_bet_raise_sizes("1x", ""); });
  EXPECT_EQ(message_of([&] { convert_request(request, ConversionPurpose::solve); }),
            "IP turn sizing (bet='1x', raise='', bet_norm='1x', raise_norm=''): " + parser_message);
  EXPECT_EQ(message_of([&] { convert_request(request, ConversionPurpose::estimate); }),
            parser_message);
}

// What a refused request carries for the application to word: the rule's
// code, the entry refused and the values, beside the unchanged message.
TEST(Conversion, RefusalsNameRuleFieldAndValues) {
  struct Row {
    const char* what;
    void (*change)(SolveConfig&);
    const char* code;
    const char* field;
    std::vector<std::string> args;
    const char* message_start;
  };
  const Row rows[] = {
      {"weight above one",
       [](SolveConfig& r) { r.oop_range = "AA:1.5"; },
       "weight_bounds",
       "oop_range",
       {"1.5"},
       "oop_range: Weight must be within [0, 1]"},
      {"percentage above 100",
       [](SolveConfig& r) { r.ip_range = "150%"; },
       "weight_bounds",
       "ip_range",
       {"1.5"},
       "ip_range: Weight must be within [0, 1]"},
      {"rank",
       [](SolveConfig& r) { r.ip_range = "xyz"; },
       "rank_character",
       "ip_range",
       {"x"},
       "ip_range: Invalid rank character"},
      {"two sizes without a comma",
       [](SolveConfig& r) { r.oop_river.bet_sizes = "33 75"; },
       "sizing_token",
       "oop_river_bet_sizes",
       {"33 75"},
       "Sizing: invalid token '33 75'"},
      {"raise multiple",
       [](SolveConfig& r) { r.ip_river.raise_sizes = "2x, 1x"; },
       "bet_relative_min",
       "ip_river_raise_sizes",
       {},
       "IP river sizing (bet='50'"},
      {"cap on a bet",
       [](SolveConfig& r) { r.oop_turn.bet_sizes = "40c2r"; },
       "bet_cap_context",
       "oop_turn_bet_sizes",
       {},
       "OOP turn sizing"},
      {"board of another street",
       [](SolveConfig& r) { r.board = "Ks7d2c5h"; },
       "board_street",
       "board",
       {"4", "river", "5"},
       "board: 4 cards do not fit"},
      {"ICM without a seat stack",
       [](SolveConfig& r) {
         r.utility_model = "icm";
         r.ip_stack = 5000;
         r.icm_payouts = {100};
       },
       "icm_seat_stacks",
       "oop_stack",
       {},
       "ICM mode requires oop_stack and ip_stack"},
  };
  for (const Row& row : rows) {
    SolveConfig request = river_request();
    row.change(request);
    try {
      convert_request(request, ConversionPurpose::solve);
      ADD_FAILURE() << row.what << ": not refused";
    } catch (const std::exception& error) {
      const halvory::Refusal refusal = halvory::refusal_of(error);
      EXPECT_EQ(halvory::refusal_code_name(refusal.code), row.code) << row.what;
      EXPECT_EQ(refusal.field, row.field) << row.what;
      EXPECT_EQ(refusal.args, row.args) << row.what;
      EXPECT_EQ(std::string(error.what()).rfind(row.message_start, 0), 0u)
          << row.what << ": " << error.what();
    }
  }
  // The card context numbers the seat whose range the board empties.
  halvory::Range oop{};
  halvory::set_range_weight(oop, halvory::parse_card("Ks"), halvory::parse_card("Kd"), 1.0f);
  halvory::Range ip{};
  halvory::set_range_weight(ip, halvory::parse_card("Qs"), halvory::parse_card("Qd"), 1.0f);
  const halvory::Board board{halvory::parse_card("Ks"), halvory::parse_card("7d"),
                             halvory::parse_card("2c"), halvory::kNoCard, halvory::kNoCard};
  try {
    halvory::CardContext(board, oop, ip, false);
    ADD_FAILURE() << "a range the board empties was accepted";
  } catch (const std::exception& error) {
    const halvory::Refusal refusal = halvory::refusal_of(error);
    EXPECT_EQ(halvory::refusal_code_name(refusal.code), "range_empty_on_board");
    EXPECT_EQ(refusal.args, std::vector<std::string>{"0"});
  }
}

TEST(IterationReport, StatusTextAndProgress) {
  EXPECT_EQ(iteration_status(50, 12.34561f),
            "Iter 50 | exploitability\xE2\x89\x88"
            "12.3456");
  EXPECT_EQ(iteration_status(1, 0.0f),
            "Iter 1 | exploitability\xE2\x89\x88"
            "0.0000");
  EXPECT_DOUBLE_EQ(iteration_progress(5, 10), 0.5);
  EXPECT_DOUBLE_EQ(iteration_progress(10, 10), 0.999);
  EXPECT_DOUBLE_EQ(iteration_progress(10, 0), 0.0);
}

}  // namespace
