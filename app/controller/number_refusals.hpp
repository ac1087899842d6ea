#pragma once
// Numbers of the solve-configuration map that a start refuses, worded: a
// text that could mean two numbers, and the ICM lists (payouts, other
// stacks) read by the rule of the set-up page's list fields (readChipList in
// numericFields.js), so the page and a start refuse the same entries with
// the same reasons.

#include <functional>
#include <vector>

#include <QString>

namespace halvory_app {

// A number as a reason writes it ("4.125"): with the decimal comma of the
// language in force when the user typed a comma in `typed`, else as it is.
QString numberAsTyped(const QString& number, const QString& typed);

// Why `text`, which readNumberText reads as no number, is none, led by the
// label of `key`: both numbers it could mean, in plain digits, and how to
// write each that `accepts` takes (it judges a written text as the field
// does): the number's own digits, or the typed text with a zero added
// ("4.1250") where those digits are the ambiguous text again. Else that it
// is not a number.
QString unreadNumber(const QString& key, const QString& text,
                     const std::function<bool(const QString&)>& accepts);

// The judge of a written number for unreadNumber: it reads as a number from
// `low` to `high` with at most `decimals` decimals.
std::function<bool(const QString&)> writtenWithin(double low, double high, int decimals);

// A list read: the chips of each entry that reads as a number (a list with
// a refused entry is refused before a start), and the first entry refused
// and why.
struct ChipListReading {
  std::vector<double> values;
  // The reason, led by the field's label; empty when every entry reads.
  QString problem;
};

// Entries are separated by commas; blanks around them and empty entries do
// not count. Each entry is a number of chips above 0 with at most two
// decimals and no more than a solve holds. A comma between a digit and
// exactly three digits, with no blank on either side ("10,000"), may be a
// thousands separator as well as a list comma: it is refused.
ChipListReading readChipList(const QString& key, const QString& text);

}  // namespace halvory_app
