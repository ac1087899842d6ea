#pragma once
// The solve-configuration map the pages send (chips, typed texts) read into a
// solve request in engine units, and the checks a start applies first. No
// controller state: safe on any thread.

#include <cstdint>
#include <optional>

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include "session/solve_records.hpp"

namespace halvory_app {

// The largest count a map may ask for: iterations the result can report,
// and threads.
inline constexpr std::uint64_t kMaxCount = 2147483647;
inline constexpr std::uint64_t kMaxThreadCount = 4096;

// The most chips a solve holds (hundredths in a signed 32-bit integer).
inline constexpr double kMaxChips = 21474836.46;
// The longest board text: five cards and a blank between each two.
inline constexpr qsizetype kMaxBoardTextLength = 14;

// A number written as text, read by the set-up page's rule (its
// numericFields.js): digits with at most one decimal separator, a point or
// a comma, blanks around it allowed (U+FEFF is no blank). A sign, an
// exponent or any other character reads as no number. A separator followed
// by exactly three digits after a whole part other than 0 ("10,000") reads
// as none either: `readings` then holds both numbers it could mean.
struct NumberText {
  std::optional<double> value;
  // The digits after the separator without trailing zeros ("4.1250" -> "125").
  QString decimals;
  bool separator = false;
  // As decimals and as thousands ("10", "10000"); empty unless ambiguous.
  QStringList readings;
};
NumberText readNumberText(const QString& text);

// A number of the map as the pages write it: a numeric value as it is; a
// text by readNumberText. Anything else (a flag, a list, null) is no number.
std::optional<double> readNumber(const QVariant& value);

// A count read by the one rule for counts, the page's: a whole number in
// [low, high] ("40.0" reads as 40, "4096.0000000000001" as none), or the
// reason it is refused, led by the label the pages give `key`.
struct CountReading {
  std::optional<std::uint64_t> value;
  QString problem;
};
CountReading readCount(const QString& key, const QVariant& value, std::uint64_t low,
                       std::uint64_t high);

// "thread_count" is read as a count and then clamped to [1, processorCount].
SolveConfig buildSolveConfigFromMap(const QVariantMap& cfg, int processorCount);

// Chips to the engine's hundredths (clamped to what an int32 holds,
// rounded); non-finite values take the fallback.
std::int32_t amountToCents(double chips, std::int32_t fallbackCents);
double amountToCentsReal(double chips, std::int32_t fallbackCents);
void readStreetSizing(const QVariantMap& cfg, const QString& prefix, SizingConfig& out);
QString normalizeBoardText(const QString& rankAlphabet, const QString& text);
QString rankAlphabetFor(const QVariantMap& cfg);
// The map's "variant" read by the engine's one variant reader.
bool isShortDeck(const QVariantMap& cfg);
// Whether two requests solve the same spot: all but how long and on how
// many threads it is solved (iteration limit, target, threads, storage) and
// the node locks a re-solve adds.
bool sameSpot(const SolveConfig& a, const SolveConfig& b);
// The first value of the map that would solve another spot than the one it
// describes, as a text naming the field; empty when there is none.
QString solveInputProblem(const QVariantMap& cfg, const SolveConfig& config);
// The reason a start of the map would be refused before the solve thread
// runs ("Not ready: ..."), empty when there is none.
QString startProblem(const QVariantMap& cfg, const SolveConfig& config);
// Whether the solve's reader reads the text with at least one combination
// of the alphabet's deck left beside the board's cards.
bool rangeHasRankPair(const QString& rankAlphabet, const QString& rangeText,
                      const QString& board = QString());
bool cfgTextNonBlank(const QVariantMap& cfg, const QString& key);

}  // namespace halvory_app
