#pragma once
// The spots the memory checks measure, as solve requests. R, T and F are the
// solver benchmark's; W is a wide river, S a tiny one. B is spot F with ten
// bet and five raise sizes on every street, a tree far past the tree limits;
// V is a river with the same sizes.

#include "session/solve_records.hpp"

namespace bench_spots {

using halvory_app::SizingConfig;
using halvory_app::SolveConfig;

constexpr const char* kOopRange =
    "22-JJ,A2s-AJs,K2s-KJs,Q2s-QJs,J4s-JTs,T6s-T9s,96s+,85s+,74s+,63s+,53s+,43s,A2o-AJo,"
    "K8o-KJo,Q9o-QJo,J9o-JTo,T8o+,98o,87o";
constexpr const char* kIpRange =
    "22+,A2s+,K2s+,Q4s+,J6s+,T6s+,96s+,86s+,75s+,65s,54s,A2o+,K8o+,Q9o+,J9o+,T9o,98o";
constexpr const char* kFlopOopRange =
    "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,J8s+,"
    "JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,65s:0.75,"
    "64s:0.5,63s:0.45,54s:0.75,53s:0.5,52s:0.45,43s:0.5,42s:0.45,32s:0.45";
constexpr const char* kFlopIpRange =
    "AA:0.25,99-22,AJs-A2s,AQo-A8o,K2s+,K9o+,Q2s+,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,98o,"
    "86s+,85s:0.5,75s+,74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s";

inline SizingConfig sizes(const char* bets, const char* raises) {
  return SizingConfig{bets, raises, false, false};
}

inline SolveConfig spot(char name) {
  SolveConfig request;
  request.oop_range = kOopRange;
  request.ip_range = kIpRange;
  request.oop_river = request.ip_river = sizes("33%, 75%, 150%", "100%");
  switch (name) {
    case 'R':
      request.board = "Ks7d2c5h9s";
      request.starting_street = "river";
      request.starting_pot = 2280;
      request.effective_stack = 8890;
      break;
    case 'W':  // river with wide ranges and many sizes: data outweigh fixed costs
      request.board = "Ks7d2c5h9s";
      request.starting_street = "river";
      request.starting_pot = 2280;
      request.effective_stack = 8890;
      request.oop_range = request.ip_range = "100%";
      request.oop_river = request.ip_river =
          SizingConfig{"25, 50, 75, 100, 150", "50, 100", true, false};
      break;
    case 'V':
      request.board = "Ks7d2c5h9s";
      request.starting_street = "river";
      request.starting_pot = 1000;
      request.effective_stack = 50000000;
      request.oop_river = request.ip_river = sizes(
          "10%, 20%, 33%, 50%, 66%, 75%, 100%, 125%, 150%, 200%", "50%, 75%, 100%, 150%, 200%");
      break;
    case 'S':  // smallest river spot: shows the fixed cost of any solve
      request.board = "Ks7d2c5h9s";
      request.starting_street = "river";
      request.oop_range = "AA";
      request.ip_range = "QQ";
      break;
    case 'T':
      request.board = "Ks7d2c5h";
      request.starting_street = "turn";
      request.starting_pot = 910;
      request.effective_stack = 9570;
      request.oop_turn = request.ip_turn = sizes("50%, 100%", "100%");
      break;
    case 'B':
    default:
      request.board = "QsJh2h";
      request.starting_street = "flop";
      request.starting_pot = 18000;
      request.effective_stack = 91000;
      request.oop_range = kFlopOopRange;
      request.ip_range = kFlopIpRange;
      request.oop_flop = request.ip_flop = sizes("52%", "45%");
      request.oop_turn = request.ip_turn = sizes("55%", "45%");
      request.oop_river = request.ip_river = sizes("70%", "45%");
      if (name == 'B') {
        const SizingConfig wide = sizes("10%, 20%, 33%, 50%, 66%, 75%, 100%, 125%, 150%, 200%",
                                        "50%, 75%, 100%, 150%, 200%");
        request.oop_flop = request.ip_flop = request.oop_turn = request.ip_turn = wide;
        request.oop_river = request.ip_river = wide;
      }
      break;
  }
  return request;
}

}  // namespace bench_spots
