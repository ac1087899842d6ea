#include "controller/json_parse_cost.hpp"

#include <array>
#include <cstring>

namespace halvory_app {

namespace {

// What each byte is to the count, looked up once a byte: most of a text
// is blanks and figures.
enum : std::uint8_t { kOther, kBlank, kOpen, kClose, kSeparator, kQuote };

constexpr std::array<std::uint8_t, 256> kindsOfBytes() {
  std::array<std::uint8_t, 256> kinds{};
  kinds[' '] = kinds['\n'] = kinds['\r'] = kinds['\t'] = kBlank;
  kinds['['] = kinds['{'] = kOpen;
  kinds[']'] = kinds['}'] = kClose;
  kinds[','] = kinds[':'] = kSeparator;
  kinds['"'] = kQuote;
  return kinds;
}
constexpr std::array<std::uint8_t, 256> kKinds = kindsOfBytes();

}  // namespace

JsonTextCounts countJsonText(QByteArrayView text) {
  JsonTextCounts counts;
  const char* p = text.data();
  const char* const end = p + text.size();
  std::uint64_t separators = 0;
  // The last sign outside a text opened a container: what follows, unless
  // it closes it again, is the container's first element.
  bool opened = false;
  while (p < end) {
    const char c = *p++;
    const std::uint8_t kind = kKinds[static_cast<std::uint8_t>(c)];
    if (kind == kBlank) continue;
    if (opened && kind != kClose) ++counts.filledContainers;
    opened = kind == kOpen;
    if (kind == kSeparator) {
      ++separators;
      if (c == ':') ++counts.members;
    } else if (kind == kQuote) {
      // The text ends at the first quote not escaped by the backslash
      // before it; a text without a backslash ends at its first quote.
      const char* const start = p;
      const char* close = nullptr;
      bool escaped = false;
      while ((close = static_cast<const char*>(std::memchr(p, '"', std::size_t(end - p))))) {
        if (!escaped) escaped = std::memchr(p, '\\', std::size_t(close - p)) != nullptr;
        const char* back = close;
        while (back > start && back[-1] == '\\') --back;
        p = close + 1;
        if ((close - back) % 2 == 0) break;
      }
      if (!close) {
        escaped = escaped || std::memchr(p, '\\', std::size_t(end - p)) != nullptr;
        p = end;
      }
      ++counts.strings;
      const auto bytes = static_cast<std::uint64_t>(p - start);
      (escaped ? counts.escapedStringBytes : counts.stringBytes) += bytes;
    }
  }
  // The text's one value, then one per container's first element and one
  // after each separator (a name before a colon, its value after it).
  if (!text.isEmpty()) counts.elements = 1 + counts.filledContainers + separators;
  return counts;
}

std::uint64_t jsonParseCost(const JsonTextCounts& counts) {
  // Measured with Qt 6.4 (bench/json_parse_charge): an element takes 16
  // bytes in its container's list, which grows by doubling (up to 32); a
  // container holding something takes about 160 bytes before its elements
  // and up to 48 more for its first text; a text takes its length and
  // alignment (up to about 55 bytes for a short name), plus its bytes
  // doubled by growth and copied as the bytes grow (3.5 bytes a byte at
  // the peak), or as UTF-16 when it holds an escape, built in a growing
  // string first (8 bytes a byte). Each figure here keeps a quarter or more
  // above what was measured.
  constexpr std::uint64_t kElement = 48;
  constexpr std::uint64_t kFilledContainer = 208;
  constexpr std::uint64_t kString = 64;
  constexpr std::uint64_t kStringByte = 5;
  constexpr std::uint64_t kEscapedStringByte = 10;
  return counts.elements * kElement + counts.filledContainers * kFilledContainer +
         counts.strings * kString + counts.stringBytes * kStringByte +
         counts.escapedStringBytes * kEscapedStringByte;
}

}  // namespace halvory_app
