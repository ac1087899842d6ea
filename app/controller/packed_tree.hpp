#pragma once
// A loaded project's tree as its file holds it: every text once, in a table,
// and the rows and actions by their positions in it. A file can name one
// long text from many rows and actions; held this way it costs its bytes
// once, however many name it, and a node read for the page shares the
// table's texts (implicitly shared) rather than copying them.

#include <cstdint>
#include <string>
#include <vector>

#include <QString>

#include "session/solve_records.hpp"

namespace halvory_app {

struct PackedTree {
  struct Action {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    float frequency = 0.0f;
    std::uint32_t child = 0;
  };
  struct Row {
    std::uint32_t nodeType = 0;
    std::uint32_t chanceDeal = 0;
    std::uint32_t player = 0;
    std::int32_t pot = 0;
    std::int32_t investedOop = 0;
    std::int32_t investedIp = 0;
    std::uint32_t actionCount = 0;
    std::uint64_t firstAction = 0;
  };

  // What the page may build for one action it reads (a map of four
  // members naming the shared texts), counted when a file is opened.
  static constexpr std::uint64_t kActionReadBytes = 1024;

  std::vector<QString> texts;
  std::vector<Row> rows;
  std::vector<Action> actions;

  std::size_t size() const { return rows.size(); }
  const Action& action(std::size_t node, std::uint32_t a) const {
    return actions[rows[node].firstAction + a];
  }
  // One node in the solve's form (its texts copied): for a few nodes at
  // a time only, as each action gets its own copies.
  TreeNodeMeta row(std::size_t node) const {
    const Row& packed = rows[node];
    TreeNodeMeta out;
    out.node_type = texts[packed.nodeType].toStdString();
    out.chance_deal = texts[packed.chanceDeal].toStdString();
    out.player = texts[packed.player].toStdString();
    out.pot = packed.pot;
    out.invested_oop = packed.investedOop;
    out.invested_ip = packed.investedIp;
    out.actions.reserve(packed.actionCount);
    for (std::uint32_t a = 0; a < packed.actionCount; ++a) {
      const Action& item = action(node, a);
      out.actions.push_back(TreeNodeAction{texts[item.name].toStdString(),
                                           texts[item.type].toStdString(), item.frequency,
                                           item.child});
    }
    return out;
  }
};

}  // namespace halvory_app
