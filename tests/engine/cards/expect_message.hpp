#pragma once
// "What did this call throw?" for message-exact failure tests.

#include <exception>
#include <string>

namespace halvory::testing {

// The message of the exception of type E that `call` throws; a marker text
// when it throws another type or nothing.
template <typename E, typename Call>
std::string message_of(Call&& call) {
  try {
    call();
  } catch (const E& e) {
    return e.what();
  } catch (const std::exception& e) {
    return std::string("wrong exception type: ") + e.what();
  }
  return "no exception";
}

}  // namespace halvory::testing
