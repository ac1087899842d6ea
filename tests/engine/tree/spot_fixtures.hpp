#pragma once

// Spots and tree walks shared by the tree tests.

#include <cstdint>
#include <string>
#include <vector>

#include "context/card_context.hpp"
#include "tree/action_plan.hpp"

namespace halvory::testing {

// Board text "Ks7h2d", "Ks7h2d9c" or "Ks7h2d9c4s".
Board board_of(const std::string& text);

CardContext make_context(const std::string& board, const std::string& oop_range,
                         const std::string& ip_range);

// Same bet and raise lists for both seats on every street.
GameConfig uniform_config(Street start, std::int32_t pot, std::int32_t stack,
                          const std::string& bets, const std::string& raises);

// Every node's path from the root as text ("4:330/3:330/7:12"), by node index.
// Fails (returns an empty list) when some node is reachable twice or not at all.
std::vector<std::string> node_paths(const std::vector<ActionPlan::Node>& nodes);

// The node's own fields (not its child indices) as text.
std::string describe(const ActionPlan::Node& node);

// Sets an environment variable for the life of the object, restoring it after.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  bool had_ = false;
  std::string old_;
};

}  // namespace halvory::testing
