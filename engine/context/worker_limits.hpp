#pragma once

// Worker limits that the environment may set for the engine's parallel
// builds. Every variable goes through the one reader below, read afresh at
// each call, so that a value set by a test or a benchmark takes effect on
// the next build.

#include <cstdint>
#include <optional>

namespace halvory {

// The integer that the text of environment variable `name` starts with
// (leading white space and one sign allowed, anything after the digits
// ignored), when the variable is set and that integer fits a signed 32-bit
// value; nothing otherwise. Never fails.
std::optional<std::int32_t> env_leading_int32(const char* name);

// The number of hardware threads, or 1 when the platform cannot tell.
std::uint32_t hardware_threads();

}  // namespace halvory
