#include "crash_handlers.hpp"

#include "logging.hpp"

#include <csignal>
#include <cstdlib>
#include <exception>
#include <new>

#include <signal.h>

namespace halvory_shell {
namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGABRT, SIGILL, SIGFPE, SIGBUS};

// A stack overflow leaves no room for the handler on the faulting stack.
alignas(16) char g_alternateStack[64 * 1024];

extern "C" void fatalSignalEntry(int sig) { onFatalSignal(sig); }

}  // namespace

void onTerminate() {
  writeCrashLogRaw("FATAL: std::terminate() called");
  std::abort();
}

void onOutOfMemory() {
  writeCrashLogRaw("FATAL: std::new_handler invoked (out of memory)");
  std::abort();
}

void onFatalSignal(int sig) {
  // Formatted by hand: snprintf is not async-signal-safe.
  static constexpr char kPrefix[] = "FATAL: C signal received sig=";
  char line[sizeof kPrefix + 16];
  std::size_t n = 0;
  for (; kPrefix[n] != '\0'; ++n) line[n] = kPrefix[n];
  char digits[12];
  std::size_t count = 0;
  unsigned value = sig < 0 ? 0u - static_cast<unsigned>(sig) : static_cast<unsigned>(sig);
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0 && count < sizeof digits);
  if (sig < 0) line[n++] = '-';
  while (count > 0) line[n++] = digits[--count];
  line[n] = '\0';
  writeCrashLogRaw(line);

  // Die of the same signal so the parent sees the real cause, not a hang.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(sig, &fallback, nullptr);
  sigset_t unblock;
  sigemptyset(&unblock);
  sigaddset(&unblock, sig);
  pthread_sigmask(SIG_UNBLOCK, &unblock, nullptr);
  raise(sig);
}

void installCrashHandlers() {
  std::set_terminate(onTerminate);
  std::set_new_handler(onOutOfMemory);

  stack_t stack {};
  stack.ss_sp = g_alternateStack;
  stack.ss_size = sizeof g_alternateStack;
  stack.ss_flags = 0;
  sigaltstack(&stack, nullptr);

  struct sigaction action {};
  action.sa_handler = fatalSignalEntry;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_ONSTACK;
  for (int sig : kFatalSignals) sigaction(sig, &action, nullptr);
}

}  // namespace halvory_shell
