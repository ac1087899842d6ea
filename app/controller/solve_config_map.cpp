// The solve-configuration map: UI values (chips, typed texts) into a solve
// request in engine units, and the readiness checks applied before a start.

#include "controller/solve_config_map.hpp"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <new>
#include <optional>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QLocale>

#include "controller/number_refusals.hpp"
#include "controller/range_reading.hpp"
#include "controller/refusal_words.hpp"
#include "session/request_conversion.hpp"

namespace halvory_app {

namespace {

// The jam threshold's field takes up to ten pots.
constexpr double kMaxJamPercent = 1000.0;
const QString kHoldemRanks = QStringLiteral("AKQJT98765432");
const QString kShortDeckRanks = QStringLiteral("AKQJT9876");
const QStringList kStreets{QStringLiteral("flop"), QStringLiteral("turn"), QStringLiteral("river")};

QString textOf(const QVariantMap& cfg, const QString& key, const QString& fallback = QString()) {
  const auto it = cfg.constFind(key);
  return it == cfg.constEnd() ? fallback : it->toString();
}

// The number under `key` by the one reader; NaN when it reads as none.
double numberOf(const QVariantMap& cfg, const QString& key, double fallback) {
  const auto it = cfg.constFind(key);
  if (it == cfg.constEnd()) return fallback;
  return readNumber(*it).value_or(std::numeric_limits<double>::quiet_NaN());
}

// Numbers the map may carry as they are; a flag, a list, a map or null is
// none (QVariant would read true as 1).
bool isNumeric(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
      return true;
    default:
      return false;
  }
}

// A switch as the pages read one from a project or a profile: true, false,
// 1, 0 and the texts "true" and "false" (any case); nothing else is one.
std::optional<bool> readFlag(const QVariant& value) {
  if (value.typeId() == QMetaType::Bool) return value.toBool();
  if (value.typeId() == QMetaType::QString) {
    const QString word = value.toString().trimmed().toLower();
    if (word == QLatin1String("true") || word == QLatin1String("false"))
      return word == QLatin1String("true");
    return std::nullopt;
  }
  if (isNumeric(value)) {
    const double number = value.toDouble();
    if (number == 0.0 || number == 1.0) return number == 1.0;
  }
  return std::nullopt;
}

// A missing switch is off; one that is no switch is off here and refused
// before a start.
bool flagOf(const QVariantMap& cfg, const QString& key) {
  const auto it = cfg.constFind(key);
  return it != cfg.constEnd() && readFlag(*it).value_or(false);
}

std::string utf8(const QString& text) {
  return text.toUtf8().toStdString();
}

// "70, 20, 10" -> 7000, 2000, 1000 and "50.5" -> 5050, as amountToCents turns
// chips into hundredths; a list with an entry the list rule refuses is
// refused before a start.
std::vector<std::int32_t> chipList(const QVariantMap& cfg, const QString& key) {
  std::vector<std::int32_t> out;
  for (const double chips : readChipList(key, textOf(cfg, key)).values)
    out.push_back(amountToCents(chips, 0));
  return out;
}

// A value of the map as a reason quotes it: a text as it is, anything else
// as JSON writes it ("null", "[1]", "{}").
QString valueText(const QVariant& value) {
  if (value.typeId() == QMetaType::QString) return value.toString();
  const QJsonValue json = QJsonValue::fromVariant(value);
  if (json.isArray())
    return QString::fromUtf8(QJsonDocument(json.toArray()).toJson(QJsonDocument::Compact));
  if (json.isObject())
    return QString::fromUtf8(QJsonDocument(json.toObject()).toJson(QJsonDocument::Compact));
  if (json.isBool()) return json.toBool() ? QStringLiteral("true") : QStringLiteral("false");
  if (json.isDouble()) return QString::number(json.toDouble(), 'g', 17);
  return QStringLiteral("null");
}

// A refusal of the map's entry `key`, led by the label the page gives it.
QString refusedEntry(const QString& key, const char* reason) {
  return withFieldLabel(utf8(key), QCoreApplication::translate("AppController", reason));
}

// The same with the one argument the reason quotes, which is always filled
// in (an empty or missing value is quoted empty).
QString refusedEntry(const QString& key, const char* reason, const QString& arg) {
  return withFieldLabel(utf8(key),
                        QCoreApplication::translate("AppController", reason).arg(quotedText(arg)));
}

// Every pair of the board text must be a card of the deck: a dropped pair or
// a stray character would leave another board than the one typed.
QString boardProblem(const QString& rankAlphabet, const QString& text) {
  if (text.size() > kMaxBoardTextLength) {
    return refusedEntry(QStringLiteral("board"),
                        QT_TRANSLATE_NOOP("AppController", "is longer than five cards"));
  }
  QString compact = text.simplified();
  compact.remove(u' ');
  for (qsizetype i = 0; i < compact.size(); i += 2) {
    const QString pair = compact.mid(i, 2);
    if (pair.size() < 2 || !rankAlphabet.contains(pair[0].toUpper()) ||
        !QStringLiteral("shdc").contains(pair[1].toLower())) {
      return refusedEntry(QStringLiteral("board"),
                          QT_TRANSLATE_NOOP("AppController", "'%1' is not a card of this deck"),
                          pair);
    }
  }
  return {};
}

float targetHundredths(double chips) {
  if (!std::isfinite(chips))
    chips = 0.001;
  else if (chips < 0.0)
    chips = 0.0;
  else
    chips = std::min(chips, kMaxChips);
  return static_cast<float>(chips * 100.0);
}

}  // namespace

std::int32_t amountToCents(double chips, std::int32_t fallbackCents) {
  const double cents = amountToCentsReal(chips, fallbackCents);
  // llround rounds halves away from zero; the clamp keeps it in range.
  return static_cast<std::int32_t>(std::min<long long>(std::llround(cents), 2147483646LL));
}

double amountToCentsReal(double chips, std::int32_t fallbackCents) {
  if (!std::isfinite(chips)) chips = fallbackCents / 100.0;
  return std::clamp(chips, 0.0, kMaxChips) * 100.0;
}

void readStreetSizing(const QVariantMap& cfg, const QString& prefix, SizingConfig& out) {
  out.bet_sizes = utf8(textOf(cfg, prefix + QStringLiteral("_bet_sizes")));
  out.raise_sizes = utf8(textOf(cfg, prefix + QStringLiteral("_raise_sizes")));
  out.add_all_in = flagOf(cfg, prefix + QStringLiteral("_add_all_in"));
  out.dont_donk = flagOf(cfg, prefix + QStringLiteral("_dont_donk"));
}

QString normalizeBoardText(const QString& rankAlphabet, const QString& text) {
  QString compact = text.simplified();
  compact.remove(u' ');
  QString out;
  for (qsizetype i = 0; i + 1 < compact.size(); i += 2) {
    const QChar rank = compact[i].toUpper();
    const QChar suit = compact[i + 1].toLower();
    if (rankAlphabet.contains(rank) && QStringLiteral("shdc").contains(suit)) {
      out.append(rank);
      out.append(suit);
    }
  }
  return out;
}

bool isShortDeck(const QVariantMap& cfg) {
  return parse_deck_variant(utf8(textOf(cfg, QStringLiteral("variant"), QStringLiteral("holdem"))));
}

QString rankAlphabetFor(const QVariantMap& cfg) {
  return isShortDeck(cfg) ? kShortDeckRanks : kHoldemRanks;
}

namespace {

// The numbers of the map that the conversion would replace or clamp without
// a word: each must be finite and inside its range, or the solve is refused
// with the field named.
// A text that could mean two numbers is advised only towards a way of
// writing one that the field takes: in [adviseLow, adviseHigh] (the rake's
// 0 to 100 % is the engine's check, after this one) with at most
// adviseDecimals decimals.
QString numberProblem(const QVariantMap& cfg, const QString& key, double low, double high,
                      double adviseLow, double adviseHigh, int adviseDecimals) {
  const auto it = cfg.constFind(key);
  if (it == cfg.constEnd()) return {};
  const std::optional<double> read = readNumber(*it);
  if (!read || !std::isfinite(*read)) {
    if (it->typeId() == QMetaType::QString && !it->toString().trimmed().isEmpty()) {
      return unreadNumber(key, it->toString(),
                          writtenWithin(adviseLow, adviseHigh, adviseDecimals));
    }
    return refusedEntry(key, QT_TRANSLATE_NOOP("AppController", "must be a number"));
  }
  const double value = *read;
  // A bound is written as the user wrote the value: with a decimal comma
  // after one was typed.
  const QString typed = it->typeId() == QMetaType::QString ? it->toString() : QString();
  if (value < low)
    return refusedEntry(key, QT_TRANSLATE_NOOP("AppController", "must be %1 or more"),
                        numberAsTyped(QString::number(low, 'g', 12), typed));
  if (value > high)
    return refusedEntry(key, QT_TRANSLATE_NOOP("AppController", "must be at most %1"),
                        numberAsTyped(QString::number(high, 'g', 12), typed));
  return {};
}

// The two counts of a solve and the range each is read in.
struct CountKey {
  const char* key;
  std::uint64_t fallback;
  std::uint64_t low;
  std::uint64_t high;
};
constexpr CountKey kIterations{"max_iterations", 2000, 0, kMaxCount};
constexpr CountKey kThreads{"thread_count", 1, 1, kMaxThreadCount};

CountReading countOf(const QVariantMap& cfg, const CountKey& count) {
  const auto it = cfg.constFind(QLatin1String(count.key));
  if (it == cfg.constEnd()) return {count.fallback, {}};
  return readCount(QLatin1String(count.key), *it, count.low, count.high);
}

}  // namespace

NumberText readNumberText(const QString& raw) {
  NumberText out;
  const QString text = raw.trimmed();
  int digits = 0;
  qsizetype separatorAt = -1;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isDigit() && c.unicode() < 128) {
      ++digits;
    } else if ((c == u'.' || c == u',') && separatorAt < 0) {
      separatorAt = i;
    } else {
      return out;
    }
  }
  if (digits == 0) return out;
  out.separator = separatorAt >= 0;
  const QString whole = out.separator ? text.left(separatorAt) : text;
  QString fraction = out.separator ? text.mid(separatorAt + 1) : QString();
  if (fraction.size() == 3 &&
      std::any_of(whole.cbegin(), whole.cend(), [](QChar c) { return c != u'0'; })) {
    // In plain digits, as a field takes a number: never an exponent.
    qsizetype lead = 0;
    while (lead < whole.size() && whole[lead] == u'0') ++lead;
    const QString digits = whole.mid(lead);
    QString decimals = fraction;
    while (decimals.endsWith(u'0')) decimals.chop(1);
    out.readings = {decimals.isEmpty() ? digits : digits + u'.' + decimals, digits + fraction};
    return out;
  }
  while (fraction.endsWith(u'0')) fraction.chop(1);
  out.decimals = fraction;
  bool ok = false;
  const QString plain = (whole.isEmpty() ? QStringLiteral("0") : whole) + u'.' +
                        (fraction.isEmpty() ? QStringLiteral("0") : fraction);
  const double number = plain.toDouble(&ok);
  if (ok) out.value = number;
  return out;
}

std::optional<double> readNumber(const QVariant& value) {
  if (value.typeId() == QMetaType::QString) return readNumberText(value.toString()).value;
  if (!isNumeric(value)) return std::nullopt;
  return value.toDouble();
}

CountReading readCount(const QString& key, const QVariant& value, std::uint64_t low,
                       std::uint64_t high) {
  const auto refused = [&key](const char* reason, const QString& arg = QString()) {
    return CountReading{std::nullopt,
                        arg.isNull() ? refusedEntry(key, reason) : refusedEntry(key, reason, arg)};
  };
  double number = 0.0;
  if (value.typeId() == QMetaType::QString && !value.toString().trimmed().isEmpty()) {
    const QString text = value.toString();
    const NumberText read = readNumberText(text);
    if (!read.value || !std::isfinite(*read.value)) {
      return {std::nullopt,
              unreadNumber(key, text,
                           writtenWithin(static_cast<double>(low), static_cast<double>(high), 0))};
    }
    if (!read.decimals.isEmpty())
      return refused(QT_TRANSLATE_NOOP("AppController", "Cannot read '%1' as a whole number"),
                     text.trimmed());
    number = *read.value;
  } else if (isNumeric(value) && std::isfinite(value.toDouble())) {
    number = value.toDouble();
    if (number < 0.0) return refused(QT_TRANSLATE_NOOP("AppController", "cannot be negative"));
    if (number != std::floor(number))
      return refused(QT_TRANSLATE_NOOP("AppController", "Cannot read '%1' as a whole number"),
                     QString::number(number, 'g', 12));
  } else {
    // A flag, a list, a map, null or a blank text: nothing to quote.
    return refused(QT_TRANSLATE_NOOP("AppController", "must be a number"));
  }
  if (number < static_cast<double>(low))
    return refused(QT_TRANSLATE_NOOP("AppController", "must be %1 or more"), QString::number(low));
  if (number > static_cast<double>(high))
    return refused(QT_TRANSLATE_NOOP("AppController", "must be at most %1"), QString::number(high));
  return {static_cast<std::uint64_t>(number), {}};
}

QString startProblem(const QVariantMap& cfg, const SolveConfig& config) {
  const std::size_t boardLength = config.board.size();
  if (boardLength != 6 && boardLength != 8 && boardLength != 10)
    return QCoreApplication::translate("AppController", "Not ready: enter a valid board first");
  const QString ranks = rankAlphabetFor(cfg);
  // The texts as the field has them: a round trip through UTF-8 would drop
  // a leading byte order mark that the solve still reads.
  const QString oopRange = textOf(cfg, QStringLiteral("oop_range"));
  const QString ipRange = textOf(cfg, QStringLiteral("ip_range"));
  for (const auto& [field, text] :
       {std::pair{"oop_range", oopRange}, std::pair{"ip_range", ipRange}}) {
    if (const QString problem = rangeProblem(text); !problem.isEmpty()) {
      return QCoreApplication::translate("AppController", "Not ready: %1")
          .arg(withFieldLabel(field, problem));
    }
  }
  const QString board = QString::fromStdString(config.board);
  if (!rangeHasRankPair(ranks, oopRange, board) || !rangeHasRankPair(ranks, ipRange, board)) {
    return QCoreApplication::translate("AppController",
                                       "Not ready: select at least one hand in both ranges");
  }
  static const char* const kSizingKeys[] = {
      "oop_flop_bet_sizes",  "oop_flop_raise_sizes",  "oop_turn_bet_sizes", "oop_turn_raise_sizes",
      "oop_river_bet_sizes", "oop_river_raise_sizes", "ip_flop_bet_sizes",  "ip_flop_raise_sizes",
      "ip_turn_bet_sizes",   "ip_turn_raise_sizes",   "ip_river_bet_sizes", "ip_river_raise_sizes",
  };
  for (const char* key : kSizingKeys) {
    if (!cfgTextNonBlank(cfg, QLatin1String(key)))
      return QCoreApplication::translate("AppController",
                                         "Not ready: fill out both OOP and IP sizing");
  }
  const QString problem = solveInputProblem(cfg, config);
  return problem.isEmpty()
             ? QString()
             : QCoreApplication::translate("AppController", "Not ready: %1").arg(problem);
}

QString solveInputProblem(const QVariantMap& cfg, const SolveConfig& config) {
  const bool icm = config.utility_model == "icm";
  // Under ICM the effective stack is the smaller seat stack: a seat stack
  // out of range is named as the field the user sees.
  QStringList chipKeys{QStringLiteral("starting_pot")};
  if (icm) chipKeys << QStringLiteral("oop_stack") << QStringLiteral("ip_stack");
  chipKeys << QStringLiteral("effective_stack");
  for (const QString& key : chipKeys) {
    // Seat stacks are whole chips.
    const int decimals =
        key.endsWith(QLatin1String("_stack")) && key != QLatin1String("effective_stack") ? 0 : 2;
    const QString problem =
        numberProblem(cfg, key, -kMaxChips, kMaxChips, 0.01, kMaxChips, decimals);
    if (!problem.isEmpty()) return problem;
  }
  // The page's target is at most 100 % of the pot; the map carries chips.
  const double pot = numberOf(cfg, QStringLiteral("starting_pot"), 100.0);
  const struct {
    const char* key;
    double low;
    double high;
    double adviseHigh;
    int adviseDecimals;
  } ranges[] = {
      {"rake_percent", -kMaxChips, kMaxChips, 100.0, 3},
      {"rake_cap", -kMaxChips, kMaxChips, kMaxChips, 2},
      {"target_exploitability", 0.0, kMaxChips, std::isfinite(pot) ? pot : 0.0, 6},
  };
  for (const auto& range : ranges) {
    const QString problem = numberProblem(cfg, QLatin1String(range.key), range.low, range.high, 0.0,
                                          range.adviseHigh, range.adviseDecimals);
    if (!problem.isEmpty()) return problem;
  }
  if (numberOf(cfg, QStringLiteral("target_exploitability"), 0.0) > pot * (1.0 + 1e-9)) {
    return refusedEntry(QStringLiteral("target_exploitability"),
                        QT_TRANSLATE_NOOP("AppController", "must be at most 100 % of the pot"));
  }
  // The conversion reads a negative cap as 0, no cap: refused here instead.
  if (numberOf(cfg, QStringLiteral("rake_cap"), 0.0) < 0.0) {
    return refusedEntry(QStringLiteral("rake_cap"),
                        QT_TRANSLATE_NOOP("AppController", "must be 0 (no cap) or more"));
  }
  // Every switch the builder reads.
  QStringList switches{QStringLiteral("compress")};
  for (const char* seat : {"oop", "ip"}) {
    for (const char* street : {"flop", "turn", "river"}) {
      const QString prefix =
          QStringLiteral("%1_%2").arg(QLatin1String(seat), QLatin1String(street));
      switches << prefix + QStringLiteral("_add_all_in") << prefix + QStringLiteral("_dont_donk");
    }
    switches << QLatin1String(seat) + QStringLiteral("_add_all_in_jam_threshold_enabled");
  }
  for (const QString& key : std::as_const(switches)) {
    const auto it = cfg.constFind(key);
    if (it != cfg.constEnd() && !readFlag(*it)) {
      return QCoreApplication::translate("AppController", "%1 is '%2', neither true nor false")
          .arg(key, quotedText(valueText(*it)));
    }
  }
  for (const char* seat : {"oop", "ip"}) {
    if (!flagOf(cfg, QLatin1String(seat) + QStringLiteral("_add_all_in_jam_threshold_enabled")))
      continue;
    const QString key = QLatin1String(seat) + QStringLiteral("_add_all_in_jam_threshold_pct");
    const QString problem = numberProblem(cfg, key, 0.0, kMaxJamPercent, 0.0, kMaxJamPercent, 3);
    if (!problem.isEmpty()) return problem;
  }
  for (const CountKey& count : {kIterations, kThreads}) {
    if (const QString problem = countOf(cfg, count).problem; !problem.isEmpty()) return problem;
  }
  const QString board = boardProblem(rankAlphabetFor(cfg), textOf(cfg, QStringLiteral("board")));
  if (!board.isEmpty()) return board;
  const auto street = cfg.constFind(QStringLiteral("starting_street"));
  if (street != cfg.constEnd() && (street->typeId() != QMetaType::QString ||
                                   !kStreets.contains(street->toString().trimmed().toLower()))) {
    return refusedEntry(QStringLiteral("starting_street"),
                        QT_TRANSLATE_NOOP("AppController", "'%1' is not a street"),
                        valueText(*street));
  }
  if (icm) {
    for (const QString& key : {QStringLiteral("icm_payouts"), QStringLiteral("icm_other_stacks")}) {
      const QString problem = readChipList(key, textOf(cfg, key)).problem;
      if (!problem.isEmpty()) return problem;
    }
  }
  try {
    check_request_values(config, ConversionPurpose::solve);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& error) {
    return wordFailure(error);
  }
  return {};
}

bool rangeHasRankPair(const QString& rankAlphabet, const QString& rangeText, const QString& board) {
  // Whether a range holds a hand is the solve's own reader's answer.
  const QVariantMap read = readRangeText(
      rangeText, rankAlphabet == kShortDeckRanks ? QStringLiteral("shortdeck") : QString(), board);
  return read.value(QStringLiteral("ok")).toBool() &&
         read.value(QStringLiteral("combos")).toDouble() > 0.0;
}

bool cfgTextNonBlank(const QVariantMap& cfg, const QString& key) {
  return !textOf(cfg, key).trimmed().isEmpty();
}

SolveConfig buildSolveConfigFromMap(const QVariantMap& cfg, int processorCount) {
  SolveConfig out;
  out.variant =
      utf8(textOf(cfg, QStringLiteral("variant"), QStringLiteral("holdem")).trimmed().toLower());
  out.board = utf8(normalizeBoardText(rankAlphabetFor(cfg), textOf(cfg, QStringLiteral("board"))));
  out.starting_pot = amountToCents(numberOf(cfg, QStringLiteral("starting_pot"), 100.0), 10000);
  out.effective_stack =
      amountToCents(numberOf(cfg, QStringLiteral("effective_stack"), 100.0), 10000);
  // Read as the page writes it, in any case; a text that is no street is
  // refused before a start.
  out.starting_street = utf8(
      textOf(cfg, QStringLiteral("starting_street"), QStringLiteral("flop")).trimmed().toLower());
  const QString utility =
      textOf(cfg, QStringLiteral("utility_model"), QStringLiteral("cash")).trimmed().toLower();
  out.utility_model = utility == QStringLiteral("icm") ? "icm" : "cash";
  // A tournament pot is not raked: the set-up page hides the rake rows in
  // ICM mode, so values typed in cash mode must not reach the solve.
  if (out.utility_model != "icm") {
    out.rake_percent = numberOf(cfg, QStringLiteral("rake_percent"), 0.0);
    out.rake_cap = amountToCentsReal(numberOf(cfg, QStringLiteral("rake_cap"), 0.0), 0);
  }
  out.oop_stack = amountToCents(numberOf(cfg, QStringLiteral("oop_stack"), 0.0), 10000);
  out.ip_stack = amountToCents(numberOf(cfg, QStringLiteral("ip_stack"), 0.0), 10000);
  out.icm_payouts = chipList(cfg, QStringLiteral("icm_payouts"));
  out.icm_other_stacks = chipList(cfg, QStringLiteral("icm_other_stacks"));
  // A refused count keeps its default here; a start refuses the map.
  out.max_iterations =
      static_cast<std::uint32_t>(countOf(cfg, kIterations).value.value_or(kIterations.fallback));
  out.target_exploitability =
      targetHundredths(numberOf(cfg, QStringLiteral("target_exploitability"), 0.1));
  // A map (or project file) asking for more threads than the machine has
  // must not start them.
  const std::uint64_t requestedThreads = countOf(cfg, kThreads).value.value_or(kThreads.fallback);
  const std::uint64_t maxThreads = static_cast<std::uint64_t>(std::max(1, processorCount));
  out.thread_count = std::clamp<std::uint64_t>(requestedThreads, 1, maxThreads);
  // 16-bit regrets and sums; the pages do not send it, so full floats by default.
  out.compress = flagOf(cfg, QStringLiteral("compress"));
  out.oop_range = utf8(textOf(cfg, QStringLiteral("oop_range")));
  out.ip_range = utf8(textOf(cfg, QStringLiteral("ip_range")));
  readStreetSizing(cfg, QStringLiteral("oop_flop"), out.oop_flop);
  readStreetSizing(cfg, QStringLiteral("oop_turn"), out.oop_turn);
  readStreetSizing(cfg, QStringLiteral("oop_river"), out.oop_river);
  readStreetSizing(cfg, QStringLiteral("ip_flop"), out.ip_flop);
  readStreetSizing(cfg, QStringLiteral("ip_turn"), out.ip_turn);
  readStreetSizing(cfg, QStringLiteral("ip_river"), out.ip_river);
  out.oop_add_all_in_jam_threshold_enabled =
      flagOf(cfg, QStringLiteral("oop_add_all_in_jam_threshold_enabled"));
  if (out.oop_add_all_in_jam_threshold_enabled)
    out.oop_add_all_in_jam_threshold_pct =
        numberOf(cfg, QStringLiteral("oop_add_all_in_jam_threshold_pct"), 0.0);
  out.ip_add_all_in_jam_threshold_enabled =
      flagOf(cfg, QStringLiteral("ip_add_all_in_jam_threshold_enabled"));
  if (out.ip_add_all_in_jam_threshold_enabled)
    out.ip_add_all_in_jam_threshold_pct =
        numberOf(cfg, QStringLiteral("ip_add_all_in_jam_threshold_pct"), 0.0);
  return out;
}

bool sameSpot(const SolveConfig& a, const SolveConfig& b) {
  const auto spotOf = [](SolveConfig config) {
    const SolveConfig pace;
    config.max_iterations = pace.max_iterations;
    config.target_exploitability = pace.target_exploitability;
    config.thread_count = pace.thread_count;
    config.compress = pace.compress;
    config.node_locks.clear();
    return config;
  };
  return spotOf(a) == spotOf(b);
}

}  // namespace halvory_app
