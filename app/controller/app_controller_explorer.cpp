// The controller's result reads: the tree rows it holds, the node locks and
// the queries of the results explorer, and the showdown comparison.

#include "controller/app_controller.hpp"
#include "controller/guarded_call.hpp"

#include <limits>
#include <string_view>
#include <vector>

#include "cards/cards.hpp"

using halvory_app::CallFailure;
using halvory_app::compactLatin1;
using halvory_app::guardedCall;
using halvory_app::isShortDeck;

int AppController::nodeActionCount(int nodeIndex) const {
  return static_cast<int>(resultTree.actionCount(nodeIndex));
}

void AppController::setNodeLock(int nodeIndex, QString handLabel169, int actionIndex,
                                double actionProb) {
  guardedCall("setNodeLock",
              [&] { lockTable.lockAction(nodeIndex, handLabel169, actionIndex, actionProb); });
}

void AppController::setNodeLockProbs(int nodeIndex, QString handLabel169,
                                     QVariantList actionProbs) {
  guardedCall("setNodeLockProbs",
              [&] { lockTable.lockProbs(nodeIndex, handLabel169, actionProbs); });
}

void AppController::clearNodeLocks(int nodeIndex) {
  guardedCall("clearNodeLocks", [&] { lockTable.clearNode(nodeIndex); });
}

QVariantList AppController::nodeLocks(int nodeIndex) const {
  return guardedCall("nodeLocks", [&] { return lockTable.rows(nodeIndex); });
}

int AppController::treeNodeCount() const {
  return guardedCall("treeNodeCount", [&] { return static_cast<int>(resultTree.size()); });
}

QVariantMap AppController::nodeMeta(int nodeIndex) const {
  return guardedCall("nodeMeta", [&] { return resultTree.meta(nodeIndex); });
}

QVariantList AppController::nodeActions(int nodeIndex) const {
  return guardedCall("nodeActions", [&] { return resultTree.actions(nodeIndex); });
}

QVariantList AppController::nodeActionStats(int nodeIndex) const {
  return guardedCall("nodeActionStats", [&] { return resultsExplorer.nodeActionStats(nodeIndex); });
}

QVariantList AppController::nodePocketActionEvs(int nodeIndex, QString player, QString c1,
                                                QString c2) const {
  return guardedCall("nodePocketActionEvs", [&] {
    return resultsExplorer.nodePocketActionEvs(nodeIndex, player, c1, c2);
  });
}

QVariantMap AppController::nodeHandStrategy(int nodeIndex) const {
  return guardedCall("nodeHandStrategy",
                     [&] { return resultsExplorer.nodeHandStrategy(nodeIndex); });
}

QVariantMap AppController::nodeHandStrategyReach169(int nodeIndex, QString bucketName) const {
  return guardedCall("nodeHandStrategyReach169", [&] {
    return resultsExplorer.nodeHandStrategyReach169(nodeIndex, bucketName);
  });
}

QVariantList AppController::nodeHandCombos(int nodeIndex) const {
  return guardedCall("nodeHandCombos", [&] { return resultsExplorer.nodeHandCombos(nodeIndex); });
}

QVariantList AppController::nodeSeatHandCombos(int nodeIndex, QString player) const {
  return guardedCall("nodeSeatHandCombos",
                     [&] { return resultsExplorer.nodeSeatHandCombos(nodeIndex, player); });
}

QVariantList AppController::nodeHandBuckets(int nodeIndex) const {
  return guardedCall("nodeHandBuckets", [&] { return resultsExplorer.nodeHandBuckets(nodeIndex); });
}

QVariantMap AppController::nodeHandDistributions169(int nodeIndex) {
  return guardedCall("nodeHandDistributions169",
                     [&] { return resultsExplorer.nodeHandDistributions169(nodeIndex); });
}

double AppController::nodeEv(int nodeIndex, QString player) const {
  return guardedCall(
      "nodeEv", [&] { return resultsExplorer.nodeEv(nodeIndex, player); },
      [](CallFailure, const QString&) { return std::numeric_limits<double>::quiet_NaN(); });
}

double AppController::nodeRake(int nodeIndex) const {
  return guardedCall(
      "nodeRake", [&] { return resultsExplorer.nodeRake(nodeIndex); },
      [](CallFailure, const QString&) { return std::numeric_limits<double>::quiet_NaN(); });
}

// ---------------------------------------------------------------------------
// Showdown comparison

QVariantMap AppController::showdownWinner(QString boardText, QString oopText,
                                          QString ipText) const {
  return guardedCall("showdownWinner", [&] { return showdownAnswer(boardText, oopText, ipText); });
}

QVariantMap AppController::showdownAnswer(const QString& boardText, const QString& oopText,
                                          const QString& ipText) const {
  QVariantMap answer;
  answer.insert(QStringLiteral("winner"), QStringLiteral("UNKNOWN"));
  answer.insert(QStringLiteral("oopStrength"), 0);
  answer.insert(QStringLiteral("ipStrength"), 0);

  const std::string board = compactLatin1(boardText);
  const std::string oop = compactLatin1(oopText);
  const std::string ip = compactLatin1(ipText);
  if (board.size() < 10 || oop.size() < 4 || ip.size() < 4) return answer;

  try {
    std::vector<halvory::CardCode> cards;
    for (std::size_t i = 0; i + 1 < board.size() && cards.size() < 5; i += 2) {
      cards.push_back(halvory::parse_card(std::string_view(board).substr(i, 2)));
    }
    if (cards.size() != 5) return answer;
    const auto pocketOf = [](const std::string& text) {
      const halvory::CardCode low = halvory::parse_card(std::string_view(text).substr(0, 2));
      const halvory::CardCode high = halvory::parse_card(std::string_view(text).substr(2, 2));
      return static_cast<halvory::Pocket>(low | (high << 8));
    };
    const halvory::Pocket oopPocket = pocketOf(oop);
    const halvory::Pocket ipPocket = pocketOf(ip);
    // Nine cards from one deck: a card seen twice is malformed input,
    // which the evaluator would otherwise rank as if it were possible.
    std::uint64_t seen = 0;
    for (const halvory::CardCode card : {cards[0], cards[1], cards[2], cards[3], cards[4],
                                         static_cast<halvory::CardCode>(oopPocket & 0xff),
                                         static_cast<halvory::CardCode>(oopPocket >> 8),
                                         static_cast<halvory::CardCode>(ipPocket & 0xff),
                                         static_cast<halvory::CardCode>(ipPocket >> 8)}) {
      const std::uint64_t bit = std::uint64_t{1} << card;
      if (seen & bit) return answer;
      seen |= bit;
    }
    const bool shortDeck = isShortDeck(held.spot.isEmpty() ? solve.lastConfig() : held.spot);
    const halvory::HandStrength oopStrength = halvory::evaluate_hand(oopPocket, cards, shortDeck);
    const halvory::HandStrength ipStrength = halvory::evaluate_hand(ipPocket, cards, shortDeck);
    answer.insert(QStringLiteral("oopStrength"), static_cast<int>(oopStrength));
    answer.insert(QStringLiteral("ipStrength"), static_cast<int>(ipStrength));
    answer.insert(QStringLiteral("winner"), oopStrength > ipStrength   ? QStringLiteral("OOP")
                                            : oopStrength < ipStrength ? QStringLiteral("IP")
                                                                       : QStringLiteral("TIE"));
  } catch (const std::exception&) {
    // The answer stands as it was when the card or the evaluation failed.
  }
  return answer;
}
