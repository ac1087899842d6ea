#include "controller/number_refusals.hpp"

#include <cmath>

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include "controller/refusal_words.hpp"
#include "controller/solve_config_map.hpp"

namespace halvory_app {

namespace {

QString entryReason(const QString& key, const char* reason, const QString& entry,
                    const QString& more = QString()) {
  const QString wording = QCoreApplication::translate("AppController", reason);
  // One pass, so that a "%2" in the entry is not read as a marker.
  const QString worded =
      more.isNull() ? wording.arg(quotedText(entry)) : wording.arg(quotedText(entry), more);
  return withFieldLabel(key.toStdString(), worded);
}

bool isAsciiDigit(QChar c) {
  return c.unicode() >= '0' && c.unicode() <= '9';
}

// The piece after a list comma, as it was typed, when it is exactly three
// digits (a decimal part may follow): "000" of "10,000", "500.5" of
// "1,500.5".
bool thousandsGroup(const QString& piece) {
  static const QRegularExpression group(QStringLiteral("^[0-9]{3}(?:\\.[0-9]*)?$"));
  return !piece.isEmpty() && isAsciiDigit(piece.front()) && group.match(piece.trimmed()).hasMatch();
}

}  // namespace

QString numberAsTyped(const QString& number, const QString& typed) {
  const QString comma = QStringLiteral(",");
  if (!typed.contains(comma) || QLocale().decimalPoint() != comma) return number;
  return QString(number).replace(u'.', u',');
}

QString unreadNumber(const QString& key, const QString& text,
                     const std::function<bool(const QString&)>& accepts) {
  const NumberText read = readNumberText(text);
  if (read.readings.size() == 2) {
    const QString asDecimals = numberAsTyped(read.readings[0], text);
    const QString asThousands = read.readings[1];
    const QString longer = text.trimmed() + u'0';
    // A candidate the reader finds ambiguous again reads as no number, so
    // `accepts` refuses it.
    const QString decimals =
        accepts(asDecimals) ? asDecimals : (accepts(longer) ? longer : QString());
    const bool thousands = accepts(asThousands);
    const bool plain = decimals == asDecimals;
    const char* wording = QT_TRANSLATE_NOOP("AppController", "'%1' could mean %2 or %3");
    if (thousands && !decimals.isEmpty()) {
      wording = plain
                    ? QT_TRANSLATE_NOOP("AppController", "'%1' could mean %2 or %3: write %2 or %3")
                    : QT_TRANSLATE_NOOP("AppController",
                                        "'%1' could mean %2 or %3: write %3 without a separator, "
                                        "or %4 for %2");
    } else if (thousands) {
      wording = QT_TRANSLATE_NOOP("AppController",
                                  "'%1' could mean %2 or %3: write %3 without a separator");
    } else if (!decimals.isEmpty()) {
      wording =
          plain ? QT_TRANSLATE_NOOP("AppController", "'%1' could mean %2 or %3: write %2")
                : QT_TRANSLATE_NOOP("AppController", "'%1' could mean %2 or %3: write %4 for %2");
    }
    // One pass, so that a "%2" in the quoted text is not read as a marker.
    const QString words = QCoreApplication::translate("AppController", wording);
    const QString worded = words.contains(QLatin1String("%4"))
                               ? words.arg(quotedText(text), asDecimals, asThousands, decimals)
                               : words.arg(quotedText(text), asDecimals, asThousands);
    return withFieldLabel(key.toStdString(), worded);
  }
  return entryReason(key, QT_TRANSLATE_NOOP("AppController", "Cannot read '%1' as a number"), text);
}

std::function<bool(const QString&)> writtenWithin(double low, double high, int decimals) {
  return [low, high, decimals](const QString& written) {
    const NumberText candidate = readNumberText(written);
    return candidate.value && candidate.decimals.size() <= decimals && *candidate.value >= low &&
           *candidate.value <= high;
  };
}

ChipListReading readChipList(const QString& key, const QString& text) {
  ChipListReading out;
  const QStringList pieces = text.split(u',');
  // An entry as the list takes it: at most two decimals, above 0 (so at
  // least 0.01), no more than a solve holds.
  const auto accepts = writtenWithin(0.01, kMaxChips, 2);
  const auto refuse = [&out](const QString& problem) {
    if (out.problem.isEmpty()) out.problem = problem;
  };
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    const QString entry = pieces[i].trimmed();
    if (i + 1 < pieces.size() && !pieces[i].isEmpty() && isAsciiDigit(pieces[i].back()) &&
        thousandsGroup(pieces[i + 1])) {
      refuse(entryReason(key,
                         QT_TRANSLATE_NOOP("AppController",
                                           "'%1' could be one number or two: a blank after each "
                                           "comma, no thousands separator"),
                         entry + u',' + pieces[i + 1].trimmed()));
    }
    if (entry.isEmpty()) continue;
    const NumberText read = readNumberText(entry);
    if (!read.value || !std::isfinite(*read.value)) {
      refuse(unreadNumber(key, entry, accepts));
      continue;
    }
    if (read.decimals.size() > 2) {
      refuse(entryReason(key, QT_TRANSLATE_NOOP("AppController", "'%1' has more than 2 decimals"),
                         entry));
    } else if (*read.value <= 0.0) {
      refuse(entryReason(key, QT_TRANSLATE_NOOP("AppController", "'%1' is not above 0"), entry));
    } else if (*read.value > kMaxChips) {
      refuse(entryReason(key, QT_TRANSLATE_NOOP("AppController", "'%1' is more than %2"), entry,
                         QString::number(kMaxChips, 'f', 2)));
    }
    out.values.push_back(*read.value);
  }
  return out;
}

}  // namespace halvory_app
