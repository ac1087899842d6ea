#pragma once
// Range texts as the solve reads them, for every view of a range: the
// set-up page's matrix, readiness and field reason, the start check, the
// range import and the results page's matrix. One reader (the engine's),
// one rule for a hand class's share, one wording of a refusal.

#include <array>
#include <cstdint>
#include <list>

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "cards/range.hpp"
#include "cards/refusal.hpp"

namespace halvory_app {

// The cards of a board text, one bit per card code: every pair of
// characters that reads as a card (blanks ignored); others are skipped.
std::uint64_t boardCardMask(const QString& boardText);

// The share of each hand class in a set of combination weights: the summed
// weights of the class's combinations that no dead card blocks, over the
// number of those combinations. Both matrices draw a class by this rule.
class ClassShares {
 public:
  ClassShares(const halvory::Range& weights, std::uint64_t deadCards);

  // The share of "AKs", "AKo" or "AA"; 0 for a class with no live combination.
  double share(const QString& label) const;
  // Class label -> share, for the classes above 0.
  QVariantMap shares() const;
  // Class label -> true, for the classes whose live combinations differ in weight.
  QVariantMap mixed() const;
  // The weighted count of live combinations.
  double combos() const { return weightedCombos; }

 private:
  struct Cell {
    double weight = 0.0;
    int live = 0;
    float low = 2.0f;
    float high = -1.0f;
  };
  // [high][low] suited, [low][high] offsuit, [r][r] pairs; rank 0 = deuce.
  std::array<std::array<Cell, 13>, 13> cells{};
  double weightedCombos = 0.0;
};

// Dead cards of the deck a variant text names: the short deck leaves out
// the deuces to fives.
std::uint64_t outsideDeckMask(const QString& variant);

// A range text as the solve reads it: the weights (weights too small for
// the solver count as zero), or the refusal with the item it refused.
struct RangeReading {
  halvory::Range range;
  bool read = true;
  // Why not; a failure without a code of its own has the code none and its
  // message as the one argument.
  halvory::Refusal refusal;
  // The comma-separated item that failed, shortened for a message; empty
  // when the whole text was refused (a percentage, a text too long).
  QString item;

  bool ok() const { return read; }
};
RangeReading readRange(const QString& text);

// Why the reading failed, worded: "'AA KK': Invalid combo pattern length".
QString readingProblem(const RangeReading& reading);
// Why the solve's reader refuses the text, naming the item; empty when it reads.
QString rangeProblem(const QString& rangeText);

// Range text read by the solver's own reader, for the deck of `variant`
// and beside the cards of `board`: "ok", "error" (worded, naming the item),
// "notice" (the items naming only hands the deck cannot deal, left out),
// "weights" (hand class -> share, classes at 0 left out), "mixed" and
// "combos" (weighted count of the live combinations). Memory running out
// is thrown (std::bad_alloc) here and in the other readings of this file,
// never taken for a refusal of the text.
QVariantMap readRangeText(const QString& text, const QString& variant,
                          const QString& board = QString());

// The same, remembering the last few answers: a page asks for the same
// long text from several bindings at each edit.
class RangeTextReader {
 public:
  QVariantMap read(const QString& text, const QString& variant, const QString& board);

 private:
  struct Entry {
    QString text;
    QString variant;
    QString board;
    // Without the error and the notice, which are worded anew in the
    // language in force.
    QVariantMap answer;
    RangeReading refused;
    QStringList outside;
  };
  static constexpr std::size_t kKept = 6;
  static constexpr qsizetype kShortestKept = 256;
  std::list<Entry> recent;
};

// An imported file's text as the range text to store: the file's items,
// the blanks and line breaks between them read as commas, with separators
// and letter case tidied, read by the engine to the very weights of those
// items (or those items untidied when tidying would read otherwise). "ok"
// false with "error" when the engine refuses them; "text" empty when they
// hold no hand, with "zeroWeights" when they name hands all at weight 0;
// "combos" in the deck of `variant`.
QVariantMap normalizeImportedRangeText(const QString& rawText, const QString& variant);

}  // namespace halvory_app
