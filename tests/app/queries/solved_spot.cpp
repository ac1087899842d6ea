#include "solved_spot.hpp"

#include <algorithm>
#include <memory>

#include "cards/cards.hpp"
#include "context/card_context.hpp"
#include "session/request_conversion.hpp"
#include "solver/dcfr.hpp"
#include "tree/game.hpp"

namespace halvory_app::spots {

namespace {

void set_sizes(SizingConfig& sizing, const char* bets, const char* raises) {
  sizing.bet_sizes = bets;
  sizing.raise_sizes = raises;
}

}  // namespace

SolveConfig river_request() {
  SolveConfig request;
  request.board = "QsJh7d4c2s";
  request.starting_street = "river";
  request.starting_pot = 1000;
  request.effective_stack = 2000;
  request.max_iterations = 300;
  request.target_exploitability = 0.0f;
  request.oop_range = "AA,KK,QQ,JJ,TT,99,77,AK,AQ,KQ,QJ,JT,T9s,98s,A5s";
  request.ip_range = "AA,KK,QQ,77,44,AQ,AJ,KJ,QT,J9s,T8s,65s,A3s";
  set_sizes(request.oop_river, "50,100", "100");
  set_sizes(request.ip_river, "50,100", "100");
  return request;
}

SolveConfig turn_request() {
  SolveConfig request;
  request.board = "QsJh7d4c";
  request.starting_street = "turn";
  request.starting_pot = 1000;
  request.effective_stack = 3000;
  request.max_iterations = 40;
  request.target_exploitability = 0.0f;
  request.oop_range = "AA,QQ,JJ,AQ,KQ,T9s,98s";
  request.ip_range = "KK,77,AJ,KJ,J9s,65s";
  set_sizes(request.oop_turn, "75", "");
  set_sizes(request.ip_turn, "75", "");
  set_sizes(request.oop_river, "100", "");
  set_sizes(request.ip_river, "100", "");
  return request;
}

SolvedGame solve_now(const SolveConfig& request) {
  ConvertedRequest converted = convert_request(request, ConversionPurpose::solve);
  halvory::CardContext cards(converted.board, converted.oop_range, converted.ip_range,
                             converted.short_deck);
  auto game = std::make_shared<halvory::Game>(converted.game, std::move(cards));
  auto solver = std::make_shared<halvory::DiscountedCfr>(make_solver_config(request, {}, {}));
  solver->run(*game);
  return {std::move(game), std::move(solver)};
}

halvory::Pocket pocket_of(const std::string& two_cards) {
  const halvory::CardCode a = halvory::parse_card(two_cards.substr(0, 2));
  const halvory::CardCode b = halvory::parse_card(two_cards.substr(2, 2));
  return static_cast<halvory::Pocket>(std::min(a, b) | (std::max(a, b) << 8));
}

}  // namespace halvory_app::spots
