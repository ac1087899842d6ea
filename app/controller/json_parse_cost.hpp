#pragma once
// What Qt's JSON parser will allocate for a text, counted before it runs.

#include <cstdint>

#include <QByteArrayView>

namespace halvory_app {

// What a text holds, as the parser builds it: every value and every member
// name is an element of its container, every container holding something is
// an object of its own with its element list, and every text is kept in its
// container's bytes.
struct JsonTextCounts {
  std::uint64_t elements = 0;
  std::uint64_t filledContainers = 0;
  std::uint64_t strings = 0;
  // Bytes between the quotes, of texts without and with an escape (the
  // parser keeps the latter in UTF-16).
  std::uint64_t stringBytes = 0;
  std::uint64_t escapedStringBytes = 0;
  // Object members as the text names them: fewer are parsed when a member
  // is given twice (the parser keeps the last).
  std::uint64_t members = 0;
};

// One pass over the text (a large one in parts, on several threads),
// allocating next to nothing. The text is not checked:
// malformed text is counted as far as it goes and left to the parser to
// refuse, which never builds more than the counts of the text before the
// fault.
JsonTextCounts countJsonText(QByteArrayView text);

// The bytes QJsonDocument::fromJson may hold at its peak for a text with
// these counts (the text itself not included), with a margin over what it
// was measured to take.
std::uint64_t jsonParseCost(const JsonTextCounts& counts);
inline std::uint64_t jsonParseCost(QByteArrayView text) {
  return jsonParseCost(countJsonText(text));
}

}  // namespace halvory_app
