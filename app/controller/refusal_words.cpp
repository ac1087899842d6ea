#include "controller/refusal_words.hpp"

#include <QCoreApplication>
#include <QStringDecoder>

namespace halvory_app {

namespace {

using halvory::RefusalCode;

// Every character kept: a byte order mark that starts a refused piece is
// what the reason names.
QString fromUtf8(const std::string& text) {
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  return decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

QString page(const char* label) {
  return QCoreApplication::translate("ProjectPage", label);
}

// The wording of each code, in the controller's translation context. No
// default: a code without a wording does not compile.
const char* wording(RefusalCode code) {
  switch (code) {
    case RefusalCode::none:
      return "%1";
    case RefusalCode::rank_character:
      return QT_TRANSLATE_NOOP("AppController", "Invalid rank character '%1'");
    case RefusalCode::suit_character:
      return QT_TRANSLATE_NOOP("AppController", "Invalid suit character '%1'");
    case RefusalCode::card_length:
      return QT_TRANSLATE_NOOP("AppController", "'%1' is not a card: a card is two characters");
    case RefusalCode::flop_length:
      return QT_TRANSLATE_NOOP("AppController", "The flop must be exactly three cards");
    case RefusalCode::flop_unique:
      return QT_TRANSLATE_NOOP("AppController", "Flop cards must be unique");
    case RefusalCode::flop_undefined:
      return QT_TRANSLATE_NOOP("AppController", "Flop cards must be defined");
    case RefusalCode::flop_deck:
      return QT_TRANSLATE_NOOP("AppController",
                               "Flop contains a card not in the selected deck variant");
    case RefusalCode::turn_deck:
      return QT_TRANSLATE_NOOP("AppController", "Turn card not in the selected deck variant");
    case RefusalCode::turn_conflict:
      return QT_TRANSLATE_NOOP("AppController", "Turn conflicts with flop");
    case RefusalCode::river_deck:
      return QT_TRANSLATE_NOOP("AppController", "River card not in the selected deck variant");
    case RefusalCode::river_conflict:
      return QT_TRANSLATE_NOOP("AppController", "River conflicts with existing cards");
    case RefusalCode::river_without_turn:
      return QT_TRANSLATE_NOOP("AppController", "River cannot be dealt without a turn");
    case RefusalCode::weight_empty:
      return QT_TRANSLATE_NOOP("AppController", "Weight string is empty");
    case RefusalCode::weight_not_number:
      return QT_TRANSLATE_NOOP("AppController", "Weight '%1' is not a number");
    case RefusalCode::weight_overflow:
      return QT_TRANSLATE_NOOP("AppController", "Weight '%1' is out of range");
    case RefusalCode::weight_trailing:
      return QT_TRANSLATE_NOOP("AppController", "Weight '%1' contains invalid characters");
    case RefusalCode::weight_bounds:
      return QT_TRANSLATE_NOOP("AppController", "Weight must be within [0, 1]");
    case RefusalCode::weight_decimal_comma:
      return QT_TRANSLATE_NOOP("AppController", "Weight '%1' has a decimal comma: write %2");
    case RefusalCode::combo_empty:
      return QT_TRANSLATE_NOOP("AppController", "Empty combo");
    case RefusalCode::pattern_length:
      return QT_TRANSLATE_NOOP("AppController", "Invalid combo pattern length");
    case RefusalCode::suffix:
      return QT_TRANSLATE_NOOP("AppController", "Invalid suitedness suffix");
    case RefusalCode::rank_order:
      return QT_TRANSLATE_NOOP("AppController", "First rank must be >= second rank");
    case RefusalCode::pair_suffix:
      return QT_TRANSLATE_NOOP("AppController", "Pair cannot have suitedness suffix");
    case RefusalCode::duplicate_cards:
      return QT_TRANSLATE_NOOP("AppController", "Duplicate cards are not allowed");
    case RefusalCode::pair_suited:
      return QT_TRANSLATE_NOOP("AppController", "Pair cannot be suited/offsuit");
    case RefusalCode::plus_expected:
      return QT_TRANSLATE_NOOP("AppController", "Expected trailing '+'");
    case RefusalCode::dash_expected:
      return QT_TRANSLATE_NOOP("AppController", "Expected '-' in range");
    case RefusalCode::span_suitedness:
      return QT_TRANSLATE_NOOP("AppController", "Suitedness mismatch in range");
    case RefusalCode::span_unsupported:
      return QT_TRANSLATE_NOOP("AppController", "Unsupported range expression");
    case RefusalCode::expression_missing:
      return QT_TRANSLATE_NOOP("AppController", "Missing range expression");
    case RefusalCode::percent_form:
      return QT_TRANSLATE_NOOP("AppController", "Invalid percent range '%1' (expected like '50%')");
    case RefusalCode::range_too_long:
      return QT_TRANSLATE_NOOP("AppController",
                               "Range text is too long: %1 characters (at most %2)");
    case RefusalCode::range_empty_on_board:
      return QT_TRANSLATE_NOOP("AppController",
                               "The range is empty once the board's cards are taken out");
    case RefusalCode::bet_empty:
      return QT_TRANSLATE_NOOP("AppController", "Empty bet size token");
    case RefusalCode::bet_number:
      return QT_TRANSLATE_NOOP("AppController", "Cannot read '%1' as a number");
    case RefusalCode::bet_integer:
      return QT_TRANSLATE_NOOP("AppController", "Cannot read '%1' as a whole number");
    case RefusalCode::bet_integer_range:
      return QT_TRANSLATE_NOOP("AppController", "'%1' is too large");
    case RefusalCode::bet_relative_context:
      return QT_TRANSLATE_NOOP("AppController", "A multiple of the bet (x) is only for raises");
    case RefusalCode::bet_relative_min:
      return QT_TRANSLATE_NOOP("AppController", "A raise multiple must exceed 1.0x");
    case RefusalCode::bet_cap_context:
      return QT_TRANSLATE_NOOP("AppController", "Raise cap is only valid for raises");
    case RefusalCode::bet_cap_suffix:
      return QT_TRANSLATE_NOOP("AppController", "Raise cap must end with 'r'");
    case RefusalCode::bet_cap_positive:
      return QT_TRANSLATE_NOOP("AppController", "Raise cap must be positive");
    case RefusalCode::bet_streets_positive:
      return QT_TRANSLATE_NOOP("AppController", "Geometric streets must be positive");
    case RefusalCode::sizing_percent_alone:
      return QT_TRANSLATE_NOOP("AppController",
                               "invalid token '%'. Use numbers like '33, 75' or '33%, 75%'");
    case RefusalCode::sizing_token:
      return QT_TRANSLATE_NOOP("AppController", "invalid token '%1'");
    case RefusalCode::variant_unknown:
      return QT_TRANSLATE_NOOP("AppController",
                               "unknown deck variant '%1' (use holdem or shortdeck)");
    case RefusalCode::board_short:
      return QT_TRANSLATE_NOOP("AppController", "Board must include at least a flop");
    case RefusalCode::board_length:
      return QT_TRANSLATE_NOOP("AppController", "'%1' is not 3, 4 or 5 cards");
    case RefusalCode::board_street:
      return QT_TRANSLATE_NOOP("AppController",
                               "%1 cards do not fit the starting street %2, which needs %3");
    case RefusalCode::above_zero:
      return QT_TRANSLATE_NOOP("AppController", "must be above 0");
    case RefusalCode::rake_bounds:
      return QT_TRANSLATE_NOOP("AppController", "must be between 0 and 100");
    case RefusalCode::rake_cap_negative:
      return QT_TRANSLATE_NOOP("AppController", "must be 0 (no cap) or more");
    case RefusalCode::not_a_number:
      return QT_TRANSLATE_NOOP("AppController", "must be a number");
    case RefusalCode::jam_bounds:
      return QT_TRANSLATE_NOOP("AppController", "must be from 0 to 1000");
    case RefusalCode::stack_below_chip:
      return QT_TRANSLATE_NOOP("AppController", "must be at least 1 chip");
    case RefusalCode::negative_entry:
      return QT_TRANSLATE_NOOP("AppController", "cannot be negative");
    case RefusalCode::icm_seat_stacks:
      return QT_TRANSLATE_NOOP("AppController", "ICM mode requires a stack for both players");
    case RefusalCode::icm_payouts_missing:
      return QT_TRANSLATE_NOOP("AppController", "ICM mode requires payouts");
    case RefusalCode::icm_places:
      return QT_TRANSLATE_NOOP("AppController",
                               "ICM mode requires stack sizes for all payout places (%1 places "
                               "paid, %2 players)");
    case RefusalCode::icm_too_many_places:
      return QT_TRANSLATE_NOOP("AppController",
                               "Too many paid places for the chip model: %1 paid, at most %3 "
                               "with %2 players");
    case RefusalCode::money_negative:
      return QT_TRANSLATE_NOOP("AppController",
                               "Starting pot and effective stack must not be negative");
    case RefusalCode::money_range:
      return QT_TRANSLATE_NOOP("AppController",
                               "Starting pot plus twice the effective stack is too large");
    case RefusalCode::tree_too_deep:
      return QT_TRANSLATE_NOOP("AppController",
                               "Betting tree too deep: more than %1 actions on one line of play "
                               "(use larger bet and raise sizes, or a raise cap)");
    case RefusalCode::tree_too_large:
      return QT_TRANSLATE_NOOP("AppController",
                               "Betting tree too large: more than %1 nodes (use fewer bet and "
                               "raise sizes)");
    case RefusalCode::not_finite:
      return QT_TRANSLATE_NOOP("AppController",
                               "The solve produced values that are not finite numbers; check the "
                               "range weights, pot and stack");
    case RefusalCode::out_of_memory:
      return QT_TRANSLATE_NOOP("AppController", "Not enough memory to finish the solve");
  }
  return "%1";
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

QString streetLabel(const std::string& street) {
  if (street == "turn") return page("Turn");
  if (street == "river") return page("River");
  return page("Flop");
}

// "OOP Sizing · River · Bet sizes (%)" for "oop_river_bet_sizes", and
// likewise for a street's raise sizes, all-in and don't-donk switches.
QString sizingLabel(const std::string& key) {
  const bool ip = key.rfind("ip_", 0) == 0;
  const std::string rest = key.substr(ip ? 3 : 4);
  const std::size_t underscore = rest.find('_');
  const std::string street = rest.substr(0, underscore);
  const QString row = endsWith(rest, "_raise_sizes")  ? page("Raise sizes (%)")
                      : endsWith(rest, "_add_all_in") ? page("Add All-In")
                      : endsWith(rest, "_dont_donk")  ? page("Don't donk")
                                                      : page("Bet sizes (%)");
  return QStringList{ip ? page("IP Sizing") : page("OOP Sizing"), streetLabel(street), row}.join(
      QStringLiteral(" \u00B7 "));
}

// The template with %1, %2, ... replaced in one pass, so that an argument
// holding "%2" (a sizing token) is not read as a marker itself. A marker
// without an argument is left out: no reason shows a bare marker.
QString fillIn(const QString& pattern, const QStringList& args) {
  QString out;
  out.reserve(pattern.size());
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c == u'%' && i + 1 < pattern.size() && pattern[i + 1].isDigit()) {
      const int n = pattern[i + 1].digitValue();
      if (n >= 1 && n <= args.size()) out += args[n - 1];
      ++i;
      continue;
    }
    out += c;
  }
  return out;
}

// Characters nobody sees: controls, format marks, spaces other than the
// plain one, halves of a surrogate pair standing alone and the code points
// that are no characters (U+FFFE, U+FFFF).
bool invisible(char32_t c) {
  if (QChar::isNonCharacter(c) || QChar::isSurrogate(c)) return true;
  switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return true;
    case QChar::Separator_Space:
      return c != U' ';
    default:
      return false;
  }
}

QString codePoint(char32_t c) {
  return QStringLiteral("U+") +
         QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

const char* invisibleName(char32_t c) {
  switch (c) {
    case U'\t':
      return QT_TRANSLATE_NOOP("AppController", "tab");
    case U'\n':
    case U'\r':
    case U'\u2028':
    case U'\u2029':
      return QT_TRANSLATE_NOOP("AppController", "line break");
    case U'\u00A0':
    case U'\u202F':
      return QT_TRANSLATE_NOOP("AppController", "no-break space");
    case U'\uFEFF':
      return QT_TRANSLATE_NOOP("AppController", "byte order mark");
    case U'\u200B':
      return QT_TRANSLATE_NOOP("AppController", "zero-width space");
    case U'\u00AD':
      return QT_TRANSLATE_NOOP("AppController", "soft hyphen");
    default:
      break;
  }
  switch (QChar::category(c)) {
    case QChar::Other_Control:
      return QT_TRANSLATE_NOOP("AppController", "control character");
    case QChar::Separator_Space:
      return QT_TRANSLATE_NOOP("AppController", "space");
    default:
      return QT_TRANSLATE_NOOP("AppController", "invisible character");
  }
}

// "\u00A0" for a character shown as an escape; "\n", "\r" and "\t" for
// the line breaks and the tab.
QString escaped(char32_t c) {
  if (c == U'\n') return QStringLiteral("\\n");
  if (c == U'\r') return QStringLiteral("\\r");
  if (c == U'\t') return QStringLiteral("\\t");
  const QString hex = QString::number(static_cast<uint>(c), 16).toUpper();
  if (c <= 0xFFFF) return QStringLiteral("\\u") + hex.rightJustified(4, QLatin1Char('0'));
  return QStringLiteral("\\u{%1}").arg(hex);
}

// The blanks a reader trims from the ends of a text.
bool isBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f';
}

}  // namespace

QString fieldLabel(const std::string& key) {
  if (key == "oop_range") return page("OOP Range");
  if (key == "ip_range") return page("IP Range");
  if (key == "board") return page("Board");
  if (key == "starting_pot") return page("Starting Pot");
  if (key == "effective_stack") return page("Effective Stack");
  if (key == "oop_stack") return page("OOP stack");
  if (key == "ip_stack") return page("IP stack");
  if (key == "icm_payouts") return page("Payouts");
  if (key == "icm_other_stacks") return page("Other stack sizes");
  if (key == "rake_percent") return page("Rake (%)");
  if (key == "rake_cap") return page("Rake Cap");
  if (key == "target_exploitability" || key == "target_exploitability_pct")
    return page("Target Exploitability (%)");
  if (key == "max_iterations") return QCoreApplication::translate("AppController", "Iterations");
  if (key == "thread_count")
    return QCoreApplication::translate("SolvePage", "CPU threads utilized");
  // A profile of an older version kept one threshold for both seats.
  if (key == "add_all_in_jam_threshold_pct" || key == "add_all_in_jam_threshold_enabled")
    return page("Add all-in if jam less than");
  if (key == "oop_add_all_in_jam_threshold_pct" || key == "ip_add_all_in_jam_threshold_pct" ||
      key == "oop_add_all_in_jam_threshold_enabled" ||
      key == "ip_add_all_in_jam_threshold_enabled") {
    return QStringList{key[0] == 'i' ? page("IP Sizing") : page("OOP Sizing"),
                       page("Add all-in if jam less than")}
        .join(QStringLiteral(" \u00B7 "));
  }
  const bool seat = key.rfind("oop_", 0) == 0 || key.rfind("ip_", 0) == 0;
  if (seat && (endsWith(key, "_bet_sizes") || endsWith(key, "_raise_sizes") ||
               endsWith(key, "_add_all_in") || endsWith(key, "_dont_donk")))
    return sizingLabel(key);
  return {};
}

QString entryLabel(const std::string& key) {
  if (key == "game_variant") return page("Game variant");
  if (key == "utility_model") return page("Utility model");
  if (key == "starting_street") return QCoreApplication::translate("SolvePage", "Street");
  if (key == "bet_sizes") return QCoreApplication::translate("SolvePage", "Bet sizes");
  return fieldLabel(key);
}

QString quotedText(const QString& text) {
  // The shown pieces, one per character, until they are more than fit.
  QStringList pieces;
  int count = 0;
  const auto add = [&pieces, &count](const QString& piece) {
    pieces.append(piece);
    count += static_cast<int>(piece.toUcs4().size());
  };
  // Blanks at either end are left out; inside, a run of plain spaces is
  // one space and every other blank is shown as its escape, so "12\n34"
  // does not read as "12 34".
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && isBlank(text[begin].unicode())) ++begin;
  while (end > begin && isBlank(text[end - 1].unicode())) --end;
  bool space = false;
  for (qsizetype i = begin; i < end && count <= kQuotedChars; ++i) {
    char32_t c = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < end && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    if (c == U' ') {
      space = true;
      continue;
    }
    if (space) add(QStringLiteral(" "));
    space = false;
    add(invisible(c) ? escaped(c) : QString::fromUcs4(&c, 1));
  }
  if (count <= kQuotedChars) return pieces.join(QString());
  QString out;
  int shown = 0;
  for (const QString& piece : pieces) {
    const int chars = static_cast<int>(piece.toUcs4().size());
    if (shown + chars > kQuotedChars - 1) break;
    out += piece;
    shown += chars;
  }
  return out.trimmed() + QChar(0x2026);
}

QString characterName(const QString& character) {
  const QList<uint> points = character.toUcs4();
  if (points.size() != 1) return quotedText(character);
  const char32_t c = points.front();
  if (invisible(c) || c == U' ') {
    return codePoint(c) + QLatin1Char(' ') +
           QCoreApplication::translate("AppController", invisibleName(c));
  }
  if (c < 0x80) return character;
  return character + QStringLiteral(" (") + codePoint(c) + QLatin1Char(')');
}

QString refusalReason(const halvory::Refusal& refusal) {
  QStringList args;
  for (std::size_t i = 0; i < refusal.args.size(); ++i) {
    const QString arg = fromUtf8(refusal.args[i]);
    if (refusal.code == RefusalCode::none) {
      // A message of the program's own, not the user's text.
      args.append(arg);
    } else if (refusal.code == RefusalCode::board_street && i == 1) {
      // The street is written as the sizing cards name it.
      args.append(streetLabel(refusal.args[i]));
    } else if (refusal.code == RefusalCode::rank_character ||
               refusal.code == RefusalCode::suit_character) {
      args.append(characterName(arg));
    } else {
      args.append(quotedText(arg));
    }
  }
  return fillIn(QCoreApplication::translate("AppController", wording(refusal.code)), args);
}

QString wordRefusal(const halvory::Refusal& refusal) {
  std::string field = refusal.field;
  // The card context numbers its seats.
  if (field.empty() && refusal.code == RefusalCode::range_empty_on_board && !refusal.args.empty())
    field = refusal.args.front() == "1" ? "ip_range" : "oop_range";
  return withFieldLabel(field, refusalReason(refusal));
}

QString withFieldLabel(const std::string& key, const QString& reason) {
  const QString label = fieldLabel(key);
  if (label.isEmpty()) return reason;
  return QCoreApplication::translate("AppController", "%1 \u2014 %2").arg(label, reason);
}

QString wordFailure(const std::exception& error) {
  const halvory::Refusal refusal = halvory::refusal_of(error);
  return refusal.empty() ? QString::fromUtf8(error.what()) : wordRefusal(refusal);
}

}  // namespace halvory_app
