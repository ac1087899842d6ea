#pragma once
// The UI's calls into the controller never throw. An exception that leaves
// an invokable crosses the script engine, which is not built to be unwound
// (its state is left half-changed, and later calls of the page misbehave),
// and then the event loop, which drops the whole event. So each call the UI
// makes runs through guardedCall, which turns whatever it throws into that
// call's own failure answer: false, an empty answer, NaN, or a map or status
// with its reason.

#include <exception>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include <QString>
#include <QVariantMap>

namespace halvory_app {

// Why a call failed: the memory ran out (also a container asked to grow past
// what can be addressed), or something else threw.
enum class CallFailure { NoMemory, Other };

// Logs the failed call by name; never throws.
void logCallFailure(const char* call, CallFailure failure, const char* what) noexcept;

// "Not enough memory to ..." for NoMemory, else "Error: " and the words the
// exception carried; in the language in force.
QString callFailureText(CallFailure failure, const char* noMemoryText, const QString& what);

// The answer of a call that answers in a map: "ok" false and the text above
// as its "error".
QVariantMap failedCallAnswer(CallFailure failure, const char* noMemoryText, const QString& what);

// Runs `call`; when it throws, the answer is `failed(failure, what)`. When
// that throws as well (the memory is still short), the answer is the
// result type's empty value, which allocates nothing.
template <typename Call, typename Failed>
auto guardedCall(const char* name, Call&& call, Failed&& failed) noexcept -> decltype(call()) {
  using Answer = decltype(call());
  // Called inside the handler: the exception's words live only as long as
  // the exception itself, which ends with its handler.
  const auto answerFailure = [&](CallFailure failure, const char* what) -> Answer {
    logCallFailure(name, failure, what);
    try {
      return failed(failure, QString::fromUtf8(what));
    } catch (...) {
    }
    if constexpr (!std::is_void_v<Answer>) return Answer{};
  };
  try {
    return call();
  } catch (const std::bad_alloc& error) {
    return answerFailure(CallFailure::NoMemory, error.what());
  } catch (const std::length_error& error) {
    return answerFailure(CallFailure::NoMemory, error.what());
  } catch (const std::exception& error) {
    return answerFailure(CallFailure::Other, error.what());
  } catch (...) {
    return answerFailure(CallFailure::Other, "unknown exception");
  }
}

// The same where the failure answer is the result type's empty value
// (nothing done, an empty list or map).
template <typename Call>
auto guardedCall(const char* name, Call&& call) noexcept -> decltype(call()) {
  using Answer = decltype(call());
  return guardedCall(name, std::forward<Call>(call), [](CallFailure, const QString&) {
    if constexpr (!std::is_void_v<Answer>) return Answer{};
  });
}

}  // namespace halvory_app
