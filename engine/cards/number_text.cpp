#include "cards/number_text.hpp"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

// strtod_l / _strtod_l and the locale objects.
#include <locale.h>
#include <stdlib.h>

#include "cards/text_util.hpp"

namespace halvory::number_text {

namespace {

#if defined(_WIN32)
using CLocale = _locale_t;
CLocale make_c_locale() {
  return _create_locale(LC_ALL, "C");
}
double c_strtod(const char* s, char** end, CLocale loc) {
  return _strtod_l(s, end, loc);
}
float c_strtof(const char* s, char** end, CLocale loc) {
  return _strtof_l(s, end, loc);
}
#else
using CLocale = locale_t;
CLocale make_c_locale() {
  return newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
}
double c_strtod(const char* s, char** end, CLocale loc) {
  return strtod_l(s, end, loc);
}
float c_strtof(const char* s, char** end, CLocale loc) {
  return strtof_l(s, end, loc);
}
#endif

// Created once and kept for the life of the process.
CLocale c_locale() {
  static const CLocale loc = make_c_locale();
  return loc;
}

template <typename T, typename Convert>
Parsed<T> read_floating(std::string_view text, Convert convert) {
  // The C conversion needs a terminated string; an embedded NUL simply ends
  // the number there and counts as left-over text for the caller.
  const std::string copy(text);
  Parsed<T> out;
  char* end = nullptr;
  errno = 0;
  const T value = convert(copy.c_str(), &end, c_locale());
  const int err = errno;
  out.consumed = static_cast<std::size_t>(end - copy.c_str());
  if (out.consumed == 0) return out;
  out.value = value;
  out.status = (err == ERANGE && std::isinf(value)) ? Status::Overflow : Status::Ok;
  return out;
}

}  // namespace

Parsed<float> read_float(std::string_view text) {
  return read_floating<float>(text, c_strtof);
}

Parsed<double> read_double(std::string_view text) {
  return read_floating<double>(text, c_strtod);
}

Parsed<std::int64_t> read_int64(std::string_view text) {
  Parsed<std::int64_t> out;
  std::size_t i = 0;
  while (i < text.size() && text_util::is_space(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i >= text.size() || text[i] < '0' || text[i] > '9') return out;

  std::uint64_t magnitude = 0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(first, last, magnitude);
  if (ec == std::errc::result_out_of_range) {
    // Still report how far the digits ran, like the C library does.
    while (end < last && *end >= '0' && *end <= '9') ++end;
  }
  out.consumed = static_cast<std::size_t>(end - text.data());
  constexpr std::uint64_t kMaxPositive = static_cast<std::uint64_t>(INT64_MAX);
  if (ec == std::errc::result_out_of_range || magnitude > kMaxPositive + (negative ? 1 : 0)) {
    out.status = Status::Overflow;
    return out;
  }
  out.value =
      negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  out.status = Status::Ok;
  return out;
}

}  // namespace halvory::number_text
