#include "spot_fixtures.hpp"

#include <cstdlib>
#include <utility>

#include "cards/bet_size.hpp"
#include "cards/cards.hpp"
#include "cards/range.hpp"

namespace halvory::testing {

Board board_of(const std::string& text) {
  Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
  for (std::size_t i = 0; i + 1 < text.size() && i / 2 < 5; i += 2) {
    board[i / 2] = parse_card(text.substr(i, 2));
  }
  return board;
}

CardContext make_context(const std::string& board, const std::string& oop_range,
                         const std::string& ip_range) {
  return CardContext(board_of(board), parse_range(oop_range), parse_range(ip_range), false);
}

GameConfig uniform_config(Street start, std::int32_t pot, std::int32_t stack,
                          const std::string& bets, const std::string& raises) {
  GameConfig config;
  config.start_street = start;
  config.starting_pot = pot;
  config.effective_stack = stack;
  config.oop_stack = stack;
  config.ip_stack = stack;
  for (StreetSizing& street : config.streets) {
    street.oop = parse_bet_raise_sizes(bets, raises);
    street.ip = parse_bet_raise_sizes(bets, raises);
  }
  return config;
}

std::vector<std::string> node_paths(const std::vector<ActionPlan::Node>& nodes) {
  std::vector<std::string> paths(nodes.size());
  std::vector<char> seen(nodes.size(), 0);
  if (nodes.empty()) return {};
  std::vector<std::size_t> stack{0};
  seen[0] = 1;
  std::size_t reached = 1;
  while (!stack.empty()) {
    const std::size_t i = stack.back();
    stack.pop_back();
    const ActionPlan::Node& node = nodes[i];
    if (node.actions.size() != node.children.size()) return {};
    for (std::size_t a = 0; a < node.children.size(); ++a) {
      const std::size_t c = node.children[a];
      if (c >= nodes.size() || seen[c] != 0) return {};
      seen[c] = 1;
      ++reached;
      paths[c] = paths[i] + "/" + std::to_string(static_cast<int>(node.actions[a].kind)) + ":" +
                 std::to_string(node.actions[a].amount);
      stack.push_back(c);
    }
  }
  if (reached != nodes.size()) return {};
  return paths;
}

std::string describe(const ActionPlan::Node& n) {
  std::string s;
  for (const int v :
       {static_cast<int>(n.kind), static_cast<int>(n.seat), static_cast<int>(n.street),
        static_cast<int>(n.all_in_runout), n.matched, n.pot, n.invested[0], n.invested[1],
        static_cast<int>(n.last_action), static_cast<int>(n.last_actor), static_cast<int>(n.turn),
        static_cast<int>(n.river), static_cast<int>(n.children.size())}) {
    s += std::to_string(v) + ",";
  }
  for (const Action& a : n.actions) {
    s += std::to_string(static_cast<int>(a.kind)) + ":" + std::to_string(a.amount) + ";";
  }
  return s;
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) {
    had_ = true;
    old_ = old;
  }
  if (value == nullptr) {
    unsetenv(name);
  } else {
    setenv(name, value, 1);
  }
}

ScopedEnv::~ScopedEnv() {
  if (had_) {
    setenv(name_.c_str(), old_.c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

}  // namespace halvory::testing
