#include "controller/json_parse_cost.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <thread>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace halvory_app {

namespace {

// The count reads the text in blocks of 64 bytes, each turned into one bit
// a byte for every sign that matters (brackets, separators, quotes,
// blanks), so that the blanks and figures most of a text is made of cost
// next to nothing. A block with a backslash, or whose first byte a
// backslash escapes, is read byte by byte.
constexpr std::size_t kBlock = 64;

struct BlockBits {
  std::uint64_t open = 0;
  std::uint64_t close = 0;
  std::uint64_t separator = 0;
  std::uint64_t colon = 0;
  std::uint64_t quote = 0;
  std::uint64_t backslash = 0;
  std::uint64_t blank = 0;
};

#if defined(__SSE2__)
inline std::uint64_t bitsOf(const __m128i (&parts)[4], char c) {
  const __m128i wanted = _mm_set1_epi8(c);
  std::uint64_t bits = 0;
  for (int i = 0; i < 4; ++i)
    bits |= std::uint64_t(
                static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(parts[i], wanted))))
            << (16 * i);
  return bits;
}

BlockBits bitsOfBlock(const char* block) {
  __m128i parts[4];
  for (int i = 0; i < 4; ++i)
    parts[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i));
  BlockBits bits;
  bits.open = bitsOf(parts, '[') | bitsOf(parts, '{');
  bits.close = bitsOf(parts, ']') | bitsOf(parts, '}');
  bits.colon = bitsOf(parts, ':');
  bits.separator = bitsOf(parts, ',') | bits.colon;
  bits.quote = bitsOf(parts, '"');
  bits.backslash = bitsOf(parts, '\\');
  bits.blank = bitsOf(parts, ' ') | bitsOf(parts, '\n') | bitsOf(parts, '\r') | bitsOf(parts, '\t');
  return bits;
}
#else
BlockBits bitsOfBlock(const char* block) {
  BlockBits bits;
  for (std::size_t i = 0; i < kBlock; ++i) {
    const std::uint64_t bit = std::uint64_t(1) << i;
    switch (block[i]) {
      case '[':
      case '{':
        bits.open |= bit;
        break;
      case ']':
      case '}':
        bits.close |= bit;
        break;
      case ':':
        bits.colon |= bit;
        bits.separator |= bit;
        break;
      case ',':
        bits.separator |= bit;
        break;
      case '"':
        bits.quote |= bit;
        break;
      case '\\':
        bits.backslash |= bit;
        break;
      case ' ':
      case '\n':
      case '\r':
      case '\t':
        bits.blank |= bit;
        break;
      default:
        break;
    }
  }
  return bits;
}
#endif

// Bit i set when bits 0..i hold an odd number of set bits.
inline std::uint64_t prefixXor(std::uint64_t bits) {
  for (int shift = 1; shift < 64; shift *= 2) bits ^= bits << shift;
  return bits;
}

inline int popcount(std::uint64_t bits) {
  return __builtin_popcountll(bits);
}

// The count, carried from block to block.
class Counter {
 public:
  // Counts the bytes from `from` to `to`.
  void run(const char* data, std::size_t from, std::size_t to) {
    for (std::size_t at = from; at < to; at += kBlock) block(data + at, std::min(kBlock, to - at));
  }

  void block(const char* bytes, std::size_t size) {
    // The last block is filled up with blanks, and read byte by byte up to
    // the text's end.
    char padded[kBlock];
    if (size < kBlock) {
      std::memset(padded, ' ', kBlock);
      std::memcpy(padded, bytes, size);
      bytes = padded;
    }
    const BlockBits bits = bitsOfBlock(bytes);
    if (bits.backslash || escapeNext || size < kBlock)
      byteByByte(bits, size);
    else
      whole(bits);
  }

  void finish() {
    if (inText) endText();
  }

  // Whether this count, begun outside any text, goes on from where `before`
  // ended: not inside a text, and some sign read (which the bracket
  // `before` may have ended with waits for).
  bool continues(const Counter& before) const {
    return !before.inText && !before.escapeNext && sawSign;
  }
  // Adds a count that continues this one, and ends where it ends.
  void append(const Counter& next) {
    if (openedCarry && !firstSignCloses(next)) ++counts.filledContainers;
    counts.filledContainers += next.counts.filledContainers;
    counts.strings += next.counts.strings;
    counts.stringBytes += next.counts.stringBytes;
    counts.escapedStringBytes += next.counts.escapedStringBytes;
    counts.members += next.counts.members;
    separators += next.separators;
    openedCarry = next.openedCarry;
    inText = next.inText;
    pending = next.pending;
    escaped = next.escaped;
    escapeNext = next.escapeNext;
  }

  JsonTextCounts counts;
  std::uint64_t separators = 0;

 private:
  // A block without a backslash: every quote opens or closes a text.
  void whole(const BlockBits& bits) {
    if (!sawSign && ~bits.blank) {
      sawSign = true;
      firstCloses = (bits.close >> __builtin_ctzll(~bits.blank)) & 1;
    }
    // Inside a text: its bytes and its opening quote, not its closing one.
    const std::uint64_t inside = prefixXor(bits.quote) ^ (inText ? ~std::uint64_t(0) : 0);
    const std::uint64_t outside = ~(inside | bits.quote);
    separators += popcount(bits.separator & outside);
    counts.members += popcount(bits.colon & outside);
    // The first sign after each opening bracket, blanks stepped over: it
    // makes the container one that holds something unless it closes it.
    const std::uint64_t shifted = ((bits.open & outside) << 1) | openedCarry;
    std::uint64_t after = 0;
    const bool carried = __builtin_add_overflow(shifted, bits.blank, &after);
    openedCarry = (((bits.open & outside) >> 63) | std::uint64_t(carried)) ? 1 : 0;
    after &= ~bits.blank;
    counts.filledContainers += popcount(after & ~bits.close);

    // Text bytes: those inside a text after its opening quote, and its
    // closing quote.
    std::uint64_t rest = ~std::uint64_t(0);
    if (inText) {
      // The text open at the block's start runs to the first quote.
      if (!bits.quote) {
        pending += kBlock;
        return;
      }
      const int close = __builtin_ctzll(bits.quote);
      pending += std::uint64_t(close) + 1;
      endText();
      rest = close == 63 ? 0 : ~std::uint64_t(0) << (close + 1);
    }
    const std::uint64_t opening = bits.quote & inside & rest;
    counts.strings += popcount(opening);
    std::uint64_t textBytes = popcount((inside ^ bits.quote) & rest);
    if (inside >> 63) {
      // A text still open at the block's end: its bytes wait for its end,
      // which says whether it holds an escape.
      const int lastOpening = 63 - __builtin_clzll(opening);
      const std::uint64_t open = std::uint64_t(63 - lastOpening);
      textBytes -= open;
      inText = true;
      pending = open;
      escaped = false;
    }
    counts.stringBytes += textBytes;
  }

  // A block read byte by byte, for its backslashes.
  void byteByByte(const BlockBits& bits, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      const std::uint64_t bit = std::uint64_t(1) << i;
      if (inText) {
        ++pending;
        if (escapeNext) {
          escapeNext = false;
        } else if (bits.backslash & bit) {
          escaped = true;
          escapeNext = true;
        } else if (bits.quote & bit) {
          endText();
        }
        continue;
      }
      if (bits.blank & bit) continue;
      if (!sawSign) {
        sawSign = true;
        firstCloses = (bits.close & bit) != 0;
      }
      if (openedCarry && !(bits.close & bit)) ++counts.filledContainers;
      openedCarry = (bits.open & bit) ? 1 : 0;
      if (bits.separator & bit) {
        ++separators;
        if (bits.colon & bit) ++counts.members;
      } else if (bits.quote & bit) {
        ++counts.strings;
        inText = true;
        pending = 0;
        escaped = false;
      }
    }
  }

  void endText() {
    (escaped ? counts.escapedStringBytes : counts.stringBytes) += pending;
    pending = 0;
    escaped = false;
    escapeNext = false;
    inText = false;
  }

  static bool firstSignCloses(const Counter& count) { return count.firstCloses; }

  // The first byte outside a text that is no blank, and whether it closes
  // a container.
  bool sawSign = false;
  bool firstCloses = false;
  // An opening bracket waits for the sign after it.
  std::uint64_t openedCarry = 0;
  bool inText = false;
  // Bytes of the open text so far, whether it holds an escape, and
  // whether its next byte is escaped.
  std::uint64_t pending = 0;
  bool escaped = false;
  bool escapeNext = false;
};

}  // namespace

JsonTextCounts countJsonText(QByteArrayView text) {
  const char* const data = text.data();
  const auto size = static_cast<std::size_t>(text.size());
  // A large text is counted in parts on several threads, each part as if
  // it began outside any text. A part that does not go on from where the
  // one before it ended (it began inside a text, say), or whose thread could
  // not start, is counted again here, from there. The parts begin after a
  // line's end, which no well-formed text holds.
  constexpr std::size_t kPartBytes = std::size_t(2) << 20;
  const std::size_t threads = std::min<std::size_t>(
      {std::max(1u, std::thread::hardware_concurrency()), 8, size / kPartBytes + 1});
  std::vector<std::size_t> starts(threads + 1, size);
  starts[0] = 0;
  for (std::size_t t = 1; t < threads; ++t) {
    const std::size_t from = std::max(starts[t - 1], t * (size / threads));
    const void* const line = std::memchr(data + from, '\n', size - from);
    starts[t] = line ? static_cast<std::size_t>(static_cast<const char*>(line) - data) + 1 : size;
  }
  std::vector<Counter> parts(threads);
  std::vector<char> counted(threads, 0);
  std::vector<std::thread> workers;
  for (std::size_t t = 1; t < threads; ++t) {
    try {
      workers.emplace_back([&parts, &counted, &starts, data, t] {
        parts[t].run(data, starts[t], starts[t + 1]);
        counted[t] = 1;
      });
    } catch (...) {
      break;
    }
  }
  Counter& counter = parts[0];
  counter.run(data, 0, starts[1]);
  for (std::thread& worker : workers) worker.join();
  for (std::size_t t = 1; t < threads; ++t) {
    if (counted[t] && parts[t].continues(counter))
      counter.append(parts[t]);
    else
      counter.run(data, starts[t], starts[t + 1]);
  }
  counter.finish();
  JsonTextCounts counts = counter.counts;
  // The text's one value, then one per container's first element and one
  // after each separator (a name before a colon, its value after it).
  if (!text.isEmpty()) counts.elements = 1 + counts.filledContainers + counter.separators;
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
