#include "controller/project_file.hpp"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include <QRegularExpression>
#include <QSet>

#include "controller/project_checks.hpp"
#include "controller/project_stream.hpp"
#include "controller/solve_config_map.hpp"

namespace halvory_app {

namespace file_checks {

// Rows [first, end) of the text form's tree, converted into `rows` with
// their texts in `textIndex`; the first row's effective stack is the tree's.
void convertTreeRows(Checker& check, const QJsonArray& meta, const QJsonArray& actions,
                     qsizetype first, qsizetype end, const Where& metaField,
                     const Where& actionsField, PackedTree& rows,
                     QHash<QString, std::uint32_t>& textIndex, double& effectiveStack) {
  const qsizetype nodeCount = actions.size();
  const auto textOf = [&](const QJsonValue& value) {
    const QString text = value.isString()                        ? value.toString()
                         : value.isUndefined() || value.isNull() ? QString()
                                                                 : value.toVariant().toString();
    auto found = textIndex.constFind(text);
    if (found == textIndex.cend()) {
      found = textIndex.insert(text, static_cast<std::uint32_t>(rows.texts.size()));
      rows.texts.push_back(text);
    }
    return *found;
  };
  for (qsizetype i = first; i < end; ++i) {
    const Where metaRow(metaField, i);
    if (!meta.at(i).isObject()) return (void)check.notObject(metaRow);
    // Only the members a row keeps are read; the others are not kept.
    const QJsonObject rowMeta = meta.at(i).toObject();
    PackedTree::Row row;
    row.nodeType = textOf(rowMeta.value(QLatin1String("nodeType")));
    row.chanceDeal = textOf(rowMeta.value(QLatin1String("chanceDeal")));
    row.player = textOf(rowMeta.value(QLatin1String("player")));
    const std::pair<const char*, std::int32_t*> amounts[] = {
        {"pot", &row.pot}, {"investedOop", &row.investedOop}, {"investedIp", &row.investedIp}};
    for (const auto& [key, target] : amounts) {
      const std::optional<double> chips = numberOf(rowMeta.value(QLatin1String(key)));
      if (!chips) return (void)check.notFinite(Where(metaRow, key));
      const std::optional<std::int32_t> cents = rowCentsOf(*chips);
      if (!cents) return (void)check.damaged(Where(metaRow, key));
      *target = *cents;
    }
    const std::optional<double> stack = numberOf(rowMeta.value(QLatin1String("effectiveStack")));
    if (!stack) return (void)check.notFinite(Where(metaRow, "effectiveStack"));
    if (i == 0) effectiveStack = *stack;

    const Where node(actionsField, i);
    const QJsonArray list = actions.at(i).toArray();
    row.actionCount = static_cast<std::uint32_t>(list.size());
    row.firstAction = rows.actions.size();
    for (qsizetype j = 0; j < list.size(); ++j) {
      const Where actionRow(node, j);
      if (!list.at(j).isObject()) return (void)check.notObject(actionRow);
      const QJsonObject item = list.at(j).toObject();
      PackedTree::Action action;
      action.name = textOf(item.value(QLatin1String("name")));
      action.type = textOf(item.value(QLatin1String("actionType")));
      const std::optional<double> share = numberOf(item.value(QLatin1String("frequency")));
      if (!share) return (void)check.notFinite(Where(actionRow, "frequency"));
      const std::optional<float> frequency = rowFrequencyOf(*share);
      if (!frequency) return (void)check.damaged(Where(actionRow, "frequency"));
      action.frequency = *frequency;
      const QJsonValue child = item.value(QLatin1String("childIndex"));
      if (!child.isUndefined()) {
        const std::optional<int> index = intOf(child, -1);
        if (!index || *index < 0 || *index >= nodeCount)
          return (void)check.outsideTree(Where(actionRow, "childIndex"));
        action.child = static_cast<std::uint32_t>(*index);
      }
      rows.actions.push_back(action);
    }
    rows.rows.push_back(row);
  }
}

void onEveryProcessor(std::size_t jobs, const std::function<void(std::size_t, bool)>& run) {
  std::atomic<std::size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureMutex;
  const auto work = [&](bool reports) {
    try {
      for (std::size_t i = next++; i < jobs; i = next++) run(i, reports);
    } catch (...) {
      const std::lock_guard<std::mutex> lock(failureMutex);
      if (!failure) failure = std::current_exception();
      next = jobs;
    }
  };
  const std::size_t helpers =
      std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), 8) - 1;
  std::vector<std::thread> threads;
  threads.reserve(helpers);
  for (std::size_t t = 0; t < helpers && t + 1 < jobs; ++t) {
    // A thread that cannot be started (no memory for it, say) leaves the
    // work to the others; those started are always joined.
    try {
      threads.emplace_back(work, false);
    } catch (...) {
      break;
    }
  }
  work(true);
  for (std::thread& thread : threads) thread.join();
  if (failure) std::rethrow_exception(failure);
}

// Tree lists and result numbers.
bool readResults(Checker& check, const QJsonObject& results, ProjectFileContents& out,
                 MemoryBudget* budget, const std::function<void(double)>& progress,
                 const Alongside& alongside) {
  out.resultsSummary = results.value(QLatin1String("resultsSummary")).toVariant().toString();
  const std::pair<const char*, double*> numbers[] = {
      {"resultStartingPot", &out.resultStartingPot},
      {"resultExploitability", &out.resultExploitability},
      {"resultEvOop", &out.resultEvOop},
      {"resultEvIp", &out.resultEvIp},
  };
  for (const auto& [key, target] : numbers) {
    const std::optional<double> value = numberOf(results.value(QLatin1String(key)));
    if (!value) return check.notFinite(member(QStringLiteral("results"), key));
    *target = *value;
  }
  const QJsonValue iterationsValue = results.value(QLatin1String("resultIterations"));
  if (!iterationsValue.isUndefined() && !iterationsValue.isNull()) {
    const CountReading iterations = readCount(QStringLiteral("results.resultIterations"),
                                              iterationsValue.toVariant(), 0, kMaxCount);
    if (!iterations.value)
      return check.fail(
          QStringLiteral("results.resultIterations"),
          translated(QT_TRANSLATE_NOOP("AppController", "is not a whole number of iterations")));
    out.resultIterations = static_cast<std::int32_t>(*iterations.value);
  }

  // The tree: one meta map and one action list per node, and the root's
  // actions those of node 0. A tree that disagrees with itself would show
  // a results page of zeros.
  const QJsonArray meta = results.value(QLatin1String("treeNodeMeta")).toArray();
  const QJsonArray actions = results.value(QLatin1String("treeNodeActions")).toArray();
  const qsizetype nodeCount = actions.size();
  if (meta.size() != nodeCount) {
    return check.fail(
        QStringLiteral("results.treeNodeMeta"),
        translated(
            QT_TRANSLATE_NOOP("AppController", "has %1 nodes, but the tree's action lists have %2"))
            .arg(meta.size())
            .arg(nodeCount));
  }
  if (nodeCount == 0)
    return check.fail(QStringLiteral("results.treeNodeActions"),
                      translated(QT_TRANSLATE_NOOP("AppController", "holds no node")));

  const QJsonArray rootActions = results.value(QLatin1String("rootActions")).toArray();
  if (nodeCount > 0 && rootActions.size() != actions.at(0).toArray().size()) {
    return check.fail(
        QStringLiteral("results.rootActions"),
        translated(
            QT_TRANSLATE_NOOP("AppController", "has %1 actions, but the tree's first node has %2"))
            .arg(rootActions.size())
            .arg(actions.at(0).toArray().size()));
  }
  for (qsizetype i = 0; i < rootActions.size(); ++i) {
    const QString row = element(QStringLiteral("results.rootActions"), i);
    if (!rootActions.at(i).isObject()) return check.notObject(row);
    if (!checkRowNumbers(check, rootActions.at(i), row)) return false;
  }
  out.rootActions = rootActions.toVariantList();

  // The tree, held as the compact form holds it (every text once, amounts
  // in cents, frequencies as floats), so that what this open shows is what
  // a save writes and the next open shows again.
  PackedTree& tree = out.treeRows;
  tree = PackedTree{};
  std::uint64_t actionTotal = 0;
  for (qsizetype i = 0; i < nodeCount; ++i) {
    if (!actions.at(i).isArray())
      return check.fail(element(QStringLiteral("results.treeNodeActions"), i),
                        translated(QT_TRANSLATE_NOOP("AppController", "is not a list")));
    actionTotal += static_cast<std::uint64_t>(actions.at(i).toArray().size());
  }
  if (budget)
    budget->charge(static_cast<std::uint64_t>(nodeCount) * sizeof(PackedTree::Row) +
                   actionTotal * sizeof(PackedTree::Action));
  // Ranges of nodes are converted on every processor, each with a table of
  // its own texts, then joined in order: the rows are most of the file.
  struct Part {
    Checker check;
    PackedTree rows;
    QHash<QString, std::uint32_t> textIndex;
    double effectiveStack = 0.0;
  };
  constexpr qsizetype kPartNodes = 2048;
  const qsizetype partCount = (nodeCount + kPartNodes - 1) / kPartNodes;
  std::vector<Part> parts(static_cast<std::size_t>(partCount));
  const QString metaName = QStringLiteral("results.treeNodeMeta");
  const QString actionsName = QStringLiteral("results.treeNodeActions");
  // The caller's own work, if any, shares the processors with the parts.
  const std::size_t total = parts.size() + alongside.jobs;
  std::atomic<std::size_t> done{0};
  onEveryProcessor(total, [&](std::size_t index, bool reports) {
    if (index < parts.size()) {
      Part& part = parts[index];
      const qsizetype first = static_cast<qsizetype>(index) * kPartNodes;
      convertTreeRows(part.check, meta, actions, first, std::min(nodeCount, first + kPartNodes),
                      Where(metaName), Where(actionsName), part.rows, part.textIndex,
                      part.effectiveStack);
    } else {
      alongside.run(index - parts.size());
    }
    const std::size_t finished = ++done;
    if (reports && progress) progress(double(finished) / double(total));
  });
  // The calling thread may have found every job taken by the others.
  if (progress) progress(1.0);
  for (const Part& part : parts) {
    if (!part.check.field.isEmpty()) return check.fail(part.check.field, part.check.reason);
  }
  out.effectiveStack = parts.front().effectiveStack;
  tree.rows.reserve(static_cast<std::size_t>(nodeCount));
  tree.actions.reserve(static_cast<std::size_t>(actionTotal));
  QHash<QString, std::uint32_t> textIndex;
  for (Part& part : parts) {
    std::vector<std::uint32_t> global(part.rows.texts.size());
    for (std::size_t t = 0; t < part.rows.texts.size(); ++t) {
      const QString& text = part.rows.texts[t];
      auto found = textIndex.constFind(text);
      if (found == textIndex.cend()) {
        if (budget) budget->charge(kTreeTextBytes + 2 * static_cast<std::uint64_t>(text.size()));
        found = textIndex.insert(text, static_cast<std::uint32_t>(tree.texts.size()));
        tree.texts.push_back(text);
      }
      global[t] = *found;
    }
    const std::uint64_t base = tree.actions.size();
    for (PackedTree::Row row : part.rows.rows) {
      row.nodeType = global[row.nodeType];
      row.chanceDeal = global[row.chanceDeal];
      row.player = global[row.player];
      row.firstAction += base;
      tree.rows.push_back(row);
    }
    for (PackedTree::Action action : part.rows.actions) {
      action.name = global[action.name];
      action.type = global[action.type];
      tree.actions.push_back(action);
    }
    part.rows = PackedTree{};
  }
  return true;
}

// The locks with their members converted; a lock whose node or action index
// cannot be an integer names no node or action and is dropped, like one
// with a negative index.
bool readLocks(Checker& check, const QJsonArray& locks, QVariantList& out) {
  for (qsizetype i = 0; i < locks.size(); ++i) {
    const QJsonObject lock = locks.at(i).toObject();
    const QString where = element(QStringLiteral("nodeLocks"), i);
    const std::optional<int> node = intOf(lock.value(QLatin1String("nodeIndex")), -1);
    if (!node) continue;
    QVariantMap converted;
    converted.insert(QStringLiteral("nodeIndex"), *node);
    converted.insert(QStringLiteral("hand"),
                     lock.value(QLatin1String("hand")).toVariant().toString());
    if (lock.contains(QLatin1String("actionProbs"))) {
      const QJsonArray probs = lock.value(QLatin1String("actionProbs")).toArray();
      if (!checkNumbers(check, probs, member(where, "actionProbs"))) return false;
      QVariantList values;
      values.reserve(probs.size());
      for (const QJsonValue& p : probs) values.append(*numberOf(p));
      converted.insert(QStringLiteral("actionProbs"), values);
    } else {
      const std::optional<int> action = intOf(lock.value(QLatin1String("actionIndex")), -1);
      if (!action) continue;
      const QJsonValue probValue = lock.value(QLatin1String("actionProb"));
      const std::optional<double> prob = probValue.isUndefined() ? 1.0 : numberOf(probValue);
      if (!prob) return check.notFinite(member(where, "actionProb"));
      converted.insert(QStringLiteral("actionIndex"), *action);
      converted.insert(QStringLiteral("actionProb"), *prob);
    }
    // A class pinned at its solved strategy rather than locked by the user.
    if (lock.value(QLatin1String("chosen")) == QJsonValue(false))
      converted.insert(QStringLiteral("chosen"), false);
    // An entry without a node or a hand is no lock, and is not kept: a
    // small file could list millions of them.
    if (*node >= 0 && !converted.value(QStringLiteral("hand")).toString().isEmpty())
      out.append(converted);
  }
  return true;
}

// The project's board as the set-up page holds it: up to five slots of two
// characters, each a card of the project's deck or "__" for a slot not
// chosen yet, no card twice. Blanks between cards do not count, and a text
// longer than five cards with blanks between them is refused before it is
// read; letter case does not matter. A value that is no text is the page's
// to refuse.
bool checkBoard(Checker& check, const QJsonValue& value, const QString& rankAlphabet) {
  if (!value.isString()) return true;
  const QString where = QStringLiteral("project.boardText");
  QString board = value.toString();
  if (board.size() > kMaxBoardTextLength)
    return check.fail(where, translated(QT_TRANSLATE_NOOP("AppController",
                                                          "is not a board of up to five cards")));
  board.remove(QRegularExpression(QStringLiteral("\\s")));
  if (board.size() % 2 != 0 || board.size() > 10)
    return check.fail(where, translated(QT_TRANSLATE_NOOP("AppController",
                                                          "is not a board of up to five cards")));
  QSet<QString> seen;
  for (qsizetype i = 0; i < board.size(); i += 2) {
    const QString pair = board.mid(i, 2);
    if (pair == QLatin1String("__")) continue;
    const QString card = pair.left(1).toUpper() + pair.mid(1).toLower();
    if (!rankAlphabet.contains(card[0]) || !QStringLiteral("shdc").contains(card[1])) {
      return check.fail(
          where, translated(QT_TRANSLATE_NOOP("AppController", "holds '%1', which is not a card"))
                     .arg(pair));
    }
    if (seen.contains(card))
      return check.fail(where,
                        translated(QT_TRANSLATE_NOOP("AppController", "holds %1 twice")).arg(card));
    seen.insert(card);
  }
  return true;
}

// The board of a project's set-up, read in the deck the page reads the
// project's variant as.
bool checkProjectBoard(Checker& check, const QJsonObject& project) {
  const QVariantMap variant{
      {QStringLiteral("variant"), project.value(QLatin1String("gameVariant")).toVariant()}};
  return checkBoard(check, project.value(QLatin1String("boardText")), rankAlphabetFor(variant));
}

}  // namespace file_checks

bool isProjectStream(char firstByte) {
  // A CBOR map; a JSON document starts with a blank or a bracket.
  const auto byte = static_cast<std::uint8_t>(firstByte);
  return byte >= 0xA0 && byte <= 0xBF;
}

}  // namespace halvory_app
