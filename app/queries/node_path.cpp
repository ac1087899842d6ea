// The path from the root to a node, and the cards dead at it.

#include <algorithm>
#include <limits>

#include "queries/node_steps.hpp"
#include "queries/pocket_cards.hpp"
#include "tree/game.hpp"

namespace halvory_app {

using pocket_cards::card_bit;

namespace {

constexpr std::size_t kUnset = std::numeric_limits<std::size_t>::max();

// The path by descent from the root. The tree is numbered in pre-order, so
// the subtree holding `node` hangs from the child with the greatest index
// not past it; each step goes to a larger index, and a step that finds no
// such child ends the descent without a path. Any chain of child links from
// the root to the node is its path: each node has one parent.
NodePath descend_to(const std::vector<halvory::ActionPlan::Node>& nodes, std::size_t node) {
  NodePath path;
  path.emplace_back(0, 0);
  std::size_t current = 0;
  while (current != node) {
    const auto& children = nodes[current].children;
    std::size_t next = kUnset;
    std::size_t slot = 0;
    for (std::size_t k = 0; k < children.size(); ++k) {
      const std::size_t child = children[k];
      if (child > current && child <= node && (next == kUnset || child > next)) {
        next = child;
        slot = k;
      }
    }
    if (next == kUnset || path.size() > halvory::kMaxTreeDepth) return {};
    path.emplace_back(next, slot);
    current = next;
  }
  return path;
}

}  // namespace

NodePath node_path(const halvory::Game& game, std::size_t node) {
  const auto& nodes = game.plan.nodes;
  const std::size_t count = nodes.size();
  if (node >= count) return {};
  // A query of one node must not cost a word per node of the tree: the
  // descent needs nothing beside the path. Only a tree not in pre-order (a
  // parallel build) takes the scan below.
  if (NodePath path = descend_to(nodes, node); !path.empty()) return path;
  std::vector<std::pair<std::size_t, std::size_t>> parent(count, {kUnset, kUnset});
  parent[0] = {0, 0};
  for (std::size_t p = 0; p < count; ++p) {
    const auto& children = nodes[p].children;
    for (std::size_t k = 0; k < children.size(); ++k) {
      const std::size_t child = children[k];
      if (child < count && parent[child].first == kUnset) parent[child] = {p, k};
    }
  }
  if (parent[node].first == kUnset) return {};

  NodePath path;
  std::size_t current = node;
  while (true) {
    path.emplace_back(current, parent[current].second);
    if (current == 0) break;
    const std::size_t up = parent[current].first;
    if (up == kUnset || up >= count || path.size() > count) return {};
    current = up;
  }
  std::reverse(path.begin(), path.end());
  return path;
}

std::uint64_t node_dead_cards(const halvory::Game& game, std::size_t node) {
  std::uint64_t dead = game.cards.board_mask;
  if (node >= game.plan.nodes.size()) return dead;
  const auto& record = game.plan.nodes[node];
  if (record.turn < 64) dead |= card_bit(record.turn);
  if (record.river < 64) dead |= card_bit(record.river);
  return dead;
}

}  // namespace halvory_app
