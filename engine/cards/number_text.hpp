#pragma once
// Locale-independent readers behind the range weights and the bet-size
// numbers. They follow the C library's conversions (leading blanks, sign,
// exponent, "inf"/"nan" and hexadecimal floats) as read in the "C" locale,
// so "1.5" means the same under a decimal-comma locale.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace halvory::number_text {

enum class Status { Ok, NoConversion, Overflow };

template <typename T>
struct Parsed {
  T value = 0;
  std::size_t consumed = 0;  // bytes of the input that the number used
  Status status = Status::NoConversion;
};

// Longest prefix that reads as a floating-point number. Underflow is not
// an error (the result is the rounded tiny value, as the C library gives).
Parsed<float> read_float(std::string_view text);
Parsed<double> read_double(std::string_view text);
// Longest prefix that reads as a base-10 64-bit integer.
Parsed<std::int64_t> read_int64(std::string_view text);

}  // namespace halvory::number_text
