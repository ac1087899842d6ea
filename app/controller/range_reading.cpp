#include "controller/range_reading.hpp"

#include <algorithm>
#include <exception>
#include <new>
#include <string>
#include <utility>

#include <QCoreApplication>
#include <QStringList>

#include "cards/cards.hpp"
#include "controller/refusal_words.hpp"
#include "session/request_conversion.hpp"

namespace halvory_app {

namespace {

constexpr int kRanks = 13;

std::string utf8(const QString& text) {
  return text.toUtf8().toStdString();
}

std::uint64_t bit(int card) {
  return std::uint64_t{1} << card;
}

// Rank index (0 = deuce) of a rank letter in either case; -1 for none.
int rankOf(QChar c) {
  const auto at = QStringLiteral("23456789TJQKA").indexOf(c.toUpper());
  return static_cast<int>(at);
}

// "AKs", "AKo" or "AA" of a cell of ClassShares: suited above the diagonal
// ([high][low]), offsuit below it, pairs on it.
QString cellLabel(int row, int col) {
  const int high = std::max(row, col);
  const int low = std::min(row, col);
  QString label;
  label.append(QLatin1Char(halvory::kRankChars[static_cast<std::size_t>(high)]));
  label.append(QLatin1Char(halvory::kRankChars[static_cast<std::size_t>(low)]));
  if (high != low) label.append(row > col ? u's' : u'o');
  return label;
}

// The refusal of the text alone, an empty one when the reader takes it.
halvory::Refusal refusalOf(const QString& text) {
  try {
    (void)halvory::parse_range(utf8(text));
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& error) {
    const halvory::Refusal refusal = halvory::refusal_of(error);
    return refusal.empty() ? halvory::Refusal{{}, {}, {error.what()}} : refusal;
  }
  return {};
}

// The first comma-separated item the reader refuses, with its refusal; the
// whole text's refusal when no single item fails (a percentage is read only
// whole).
void findRefusedItem(const QString& text, RangeReading& reading) {
  using halvory::RefusalCode;
  if (reading.refusal.code == RefusalCode::range_too_long) return;
  const QStringList items = text.split(u',');
  if (items.size() == 1) {
    reading.item = quotedText(text);
    return;
  }
  for (qsizetype i = 0; i < items.size(); ++i) {
    halvory::Refusal refusal = refusalOf(items[i]);
    if (refusal.empty() && refusal.args.empty()) continue;
    // A weight with a decimal comma is refused with the item before it.
    if (i > 0 && reading.refusal.code == RefusalCode::weight_decimal_comma) {
      const QString pair = items[i - 1] + u',' + items[i];
      if (refusalOf(pair).code == RefusalCode::weight_decimal_comma) {
        reading.item = quotedText(pair);
        return;
      }
    }
    reading.refusal = std::move(refusal);
    reading.item = quotedText(items[i]);
    return;
  }
}

// A letter of a range item in the case the program writes: ranks upper,
// suits and the suited/offsuit mark lower. Rank letters and the others are
// apart, so the engine reads the item the same either way.
QChar tidyCase(QChar c) {
  if (QStringLiteral("akqjt").contains(c)) return c.toUpper();
  if (QStringLiteral("SHDCO").contains(c)) return c.toLower();
  return c;
}

// The items of a range text without blanks, the expression in the case the
// program writes, joined by ", ".
QString tidied(const QString& text) {
  QStringList out;
  for (const QString& part : text.split(u',')) {
    QString item;
    item.reserve(part.size());
    bool weight = false;
    for (const QChar c : part) {
      if (c.isSpace()) continue;
      if (c == u':') weight = true;
      item.append(weight ? c : tidyCase(c));
    }
    if (!item.isEmpty()) out.append(item);
  }
  return out.join(QStringLiteral(", "));
}

// The blanks and line breaks the engine's reader skips.
bool isReaderBlank(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// A file's text with each run of blanks and line breaks (LF, CRLF, CR) that
// stands between two items written as the comma the reader separates items
// by. A run beside a comma, after a colon or a dash or before one, or
// before a plus lies within an item ("AA : 0.5", "A5s - A2s") and goes, as
// the reader drops it.
QString itemsSeparated(const QString& text) {
  QString out;
  out.reserve(text.size());
  bool gap = false;
  for (const QChar c : text) {
    if (isReaderBlank(c)) {
      gap = true;
      continue;
    }
    if (gap && !out.isEmpty() && !QStringLiteral(",:-").contains(out.back()) &&
        !QStringLiteral(",:-+").contains(c)) {
      out.append(u',');
    }
    gap = false;
    out.append(c);
  }
  return out;
}

// Whether a text the reader took names hands, every one of them at weight
// 0: it holds an item, and the reading holds no weight.
bool onlyZeroWeights(const QString& items, const halvory::Range& range) {
  const bool named = std::any_of(items.begin(), items.end(), [](QChar c) { return c != u','; });
  return named && std::all_of(range.weights.begin(), range.weights.end(),
                              [](float weight) { return !(weight > 0.0f); });
}

// The items of a text that name hands only outside the deck (`outside`:
// the short deck's deuces to fives), as a notice quotes them.
QStringList itemsOutsideDeck(const QString& text, std::uint64_t outside) {
  QStringList out;
  if (outside == 0) return out;
  for (const QString& item : text.split(u',')) {
    halvory::Range range;
    try {
      range = halvory::parse_range(utf8(item));
    } catch (const std::bad_alloc&) {
      throw;
    } catch (const std::exception&) {
      continue;
    }
    // Hands the item names, and those of them the deck deals.
    const bool named = ClassShares(range, 0).combos() > 0.0;
    const bool dealt = ClassShares(range, outside).combos() > 0.0;
    if (named && !dealt) out.append(quotedText(item));
  }
  return out;
}

// "A2s, 55: not in the short deck, left out"; empty for no item.
QString outsideDeckNotice(const QStringList& items) {
  if (items.isEmpty()) return {};
  constexpr qsizetype kNamed = 3;
  QString named = QStringList(items.mid(0, kNamed)).join(QStringLiteral(", "));
  if (items.size() > kNamed) named += QStringLiteral(", ") + QChar(0x2026);
  return QCoreApplication::translate("AppController", "%1: not in the short deck, left out")
      .arg(named);
}

QVariantMap answerOf(const RangeReading& reading, std::uint64_t dead) {
  QVariantMap out;
  out.insert(QStringLiteral("ok"), reading.ok());
  if (!reading.ok()) {
    out.insert(QStringLiteral("weights"), QVariantMap());
    out.insert(QStringLiteral("mixed"), QVariantMap());
    out.insert(QStringLiteral("combos"), 0.0);
    return out;
  }
  const ClassShares shares(reading.range, dead);
  out.insert(QStringLiteral("weights"), shares.shares());
  out.insert(QStringLiteral("mixed"), shares.mixed());
  out.insert(QStringLiteral("combos"), shares.combos());
  return out;
}

}  // namespace

std::uint64_t boardCardMask(const QString& boardText) {
  QString compact;
  for (const QChar c : boardText)
    if (!c.isSpace()) compact.append(c);
  std::uint64_t mask = 0;
  for (qsizetype i = 0; i + 1 < compact.size(); i += 2) {
    try {
      mask |= bit(halvory::parse_card(utf8(compact.mid(i, 2))));
    } catch (const std::bad_alloc&) {
      throw;
    } catch (const std::exception&) {
      // Not a card: nothing of it is dead.
    }
  }
  return mask;
}

std::uint64_t outsideDeckMask(const QString& variant) {
  if (!parse_deck_variant(utf8(variant))) return 0;
  // The short deck starts at the sixes: rank indices 0 to 3, four suits each.
  return (std::uint64_t{1} << 16) - 1;
}

ClassShares::ClassShares(const halvory::Range& weights, std::uint64_t deadCards) {
  for (int a = 0; a < halvory::kCardCount; ++a) {
    if (deadCards & bit(a)) continue;
    for (int b = a + 1; b < halvory::kCardCount; ++b) {
      if (deadCards & bit(b)) continue;
      const float weight = weights.weights[halvory::pocket_index(
          static_cast<halvory::CardCode>(a), static_cast<halvory::CardCode>(b))];
      const int low = a / halvory::kSuitCount;
      const int high = b / halvory::kSuitCount;
      const bool suited = a % halvory::kSuitCount == b % halvory::kSuitCount;
      Cell& cell = suited ? cells[high][low] : cells[low][high];
      cell.weight += weight;
      cell.live += 1;
      cell.low = std::min(cell.low, weight);
      cell.high = std::max(cell.high, weight);
      weightedCombos += weight;
    }
  }
}

double ClassShares::share(const QString& label) const {
  if (label.size() < 2) return 0.0;
  const int first = rankOf(label[0]);
  const int second = rankOf(label[1]);
  if (first < 0 || second < 0) return 0.0;
  const int high = std::max(first, second);
  const int low = std::min(first, second);
  const bool suited = label.size() > 2 && label[2].toLower() == u's';
  const Cell& cell = suited || high == low ? cells[high][low] : cells[low][high];
  return cell.live > 0 ? cell.weight / cell.live : 0.0;
}

QVariantMap ClassShares::shares() const {
  QVariantMap out;
  for (int row = 0; row < kRanks; ++row) {
    for (int col = 0; col < kRanks; ++col) {
      const Cell& cell = cells[row][col];
      if (cell.live == 0 || !(cell.weight > 0.0)) continue;
      out.insert(cellLabel(row, col), cell.weight / cell.live);
    }
  }
  return out;
}

QVariantMap ClassShares::mixed() const {
  QVariantMap out;
  for (int row = 0; row < kRanks; ++row) {
    for (int col = 0; col < kRanks; ++col) {
      const Cell& cell = cells[row][col];
      if (cell.live == 0 || !(cell.high > 0.0f) || cell.low == cell.high) continue;
      out.insert(cellLabel(row, col), true);
    }
  }
  return out;
}

RangeReading readRange(const QString& text) {
  RangeReading reading;
  try {
    reading.range = expand_percent_range(utf8(text));
  } catch (const std::bad_alloc&) {
    // Memory running out is no refusal of the text: the caller says so.
    throw;
  } catch (const std::exception& error) {
    reading.read = false;
    reading.refusal = halvory::refusal_of(error);
    if (reading.refusal.empty()) reading.refusal.args = {error.what()};
    reading.range = {};
    findRefusedItem(text, reading);
    return reading;
  }
  // As the solve reads it: weights this small count as zero.
  for (float& weight : reading.range.weights) {
    if (weight < kSmallestRangeWeight) weight = 0.0f;
  }
  return reading;
}

QString readingProblem(const RangeReading& reading) {
  if (reading.ok()) return {};
  const QString reason = wordRefusal(reading.refusal);
  if (reading.item.isEmpty()) return reason;
  // The quotation marks are the language's, as in the reason that follows.
  return QCoreApplication::translate("AppController", "'%1': %2").arg(reading.item, reason);
}

QString rangeProblem(const QString& rangeText) {
  return readingProblem(readRange(rangeText));
}

QVariantMap readRangeText(const QString& text, const QString& variant, const QString& board) {
  const RangeReading reading = readRange(text);
  QVariantMap out = answerOf(reading, boardCardMask(board) | outsideDeckMask(variant));
  out.insert(QStringLiteral("error"), readingProblem(reading));
  out.insert(QStringLiteral("notice"),
             reading.ok() ? outsideDeckNotice(itemsOutsideDeck(text, outsideDeckMask(variant)))
                          : QString());
  return out;
}

QVariantMap RangeTextReader::read(const QString& text, const QString& variant,
                                  const QString& board) {
  // Short texts (the items a matrix stroke reads one by one) cost less to
  // read than to keep, and would push the long ones out.
  if (text.size() < kShortestKept) return readRangeText(text, variant, board);
  auto it = recent.begin();
  while (it != recent.end() &&
         !(it->text == text && it->variant == variant && it->board == board)) {
    ++it;
  }
  if (it != recent.end()) {
    recent.splice(recent.begin(), recent, it);
  } else {
    RangeReading reading = readRange(text);
    QVariantMap answer = answerOf(reading, boardCardMask(board) | outsideDeckMask(variant));
    QStringList outside =
        reading.ok() ? itemsOutsideDeck(text, outsideDeckMask(variant)) : QStringList();
    // Only the refusal is kept: the weights are in the answer already.
    reading.range = {};
    recent.push_front(
        {text, variant, board, std::move(answer), std::move(reading), std::move(outside)});
    if (recent.size() > kKept) recent.pop_back();
  }
  QVariantMap answer = recent.front().answer;
  answer.insert(QStringLiteral("error"), readingProblem(recent.front().refused));
  answer.insert(QStringLiteral("notice"), outsideDeckNotice(recent.front().outside));
  return answer;
}

QVariantMap normalizeImportedRangeText(const QString& rawText, const QString& variant) {
  QVariantMap out;
  const QString items = itemsSeparated(rawText);
  const RangeReading file = readRange(items);
  out.insert(QStringLiteral("ok"), file.ok());
  out.insert(QStringLiteral("error"), readingProblem(file));
  out.insert(QStringLiteral("text"), QString());
  out.insert(QStringLiteral("combos"), 0.0);
  out.insert(QStringLiteral("zeroWeights"), file.ok() && onlyZeroWeights(items, file.range));
  if (!file.ok()) return out;
  const double combos = ClassShares(file.range, outsideDeckMask(variant)).combos();
  if (!(combos > 0.0)) return out;
  QString text = tidied(items);
  const RangeReading tidy = readRange(text);
  if (!tidy.ok() || !(tidy.range == file.range)) text = items;
  out.insert(QStringLiteral("text"), text);
  out.insert(QStringLiteral("combos"), combos);
  return out;
}

}  // namespace halvory_app
