#include "context/worker_limits.hpp"

#include <cstdlib>
#include <limits>
#include <thread>

namespace halvory {

std::optional<std::int32_t> env_leading_int32(const char* name) {
  const char* p = std::getenv(name);
  if (p == nullptr) return std::nullopt;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  // Magnitudes are gathered up to one past the largest positive value, which
  // is exactly the most negative one.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  bool digits = false;
  for (; *p >= '0' && *p <= '9'; ++p) {
    digits = true;
    magnitude = magnitude * 10 + (*p - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (!digits) return std::nullopt;
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::uint32_t hardware_threads() {
  const unsigned n = std::thread::hardware_concurrency();
  return n == 0 ? 1u : n;
}

}  // namespace halvory
