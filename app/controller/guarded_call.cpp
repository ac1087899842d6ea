// Failed calls of the UI: their log line and their words.

#include "controller/guarded_call.hpp"

#include <QCoreApplication>
#include <QDebug>

namespace halvory_app {

void logCallFailure(const char* call, CallFailure failure, const char* what) noexcept {
  // Not a stream: a stream writes its line from its destructor, where a
  // failure to get memory for it would end the program.
  try {
    qWarning("%s: %s (%s); the call was answered as failed", call,
             failure == CallFailure::NoMemory ? "out of memory" : "failed", what);
  } catch (...) {
    // The log line itself needed memory that is not there.
  }
}

QString callFailureText(CallFailure failure, const char* noMemoryText, const QString& what) {
  if (failure == CallFailure::NoMemory)
    return QCoreApplication::translate("AppController", noMemoryText);
  return QCoreApplication::translate("AppController", "Error: %1").arg(what);
}

QVariantMap failedCallAnswer(CallFailure failure, const char* noMemoryText, const QString& what) {
  return QVariantMap{{QStringLiteral("ok"), false},
                     {QStringLiteral("error"), callFailureText(failure, noMemoryText, what)}};
}

}  // namespace halvory_app
