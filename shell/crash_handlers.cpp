#include "crash_handlers.hpp"

#include "logging.hpp"

#include "context/thread_start.hpp"

#include <csignal>
#include <cstdlib>
#include <exception>
#include <new>

#include <signal.h>
#include <sys/mman.h>

namespace halvory_shell {
namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGABRT, SIGILL, SIGFPE, SIGBUS};

// A stack overflow leaves no room for the handler on the faulting stack, so
// every thread gets a stack of its own for it.
constexpr std::size_t kAlternateStackBytes = 64 * 1024;

// The calling thread's alternate signal stack. It is switched off and
// unmapped when the thread ends, before the memory goes away.
class ThreadSignalStack {
 public:
  ThreadSignalStack() {
    stack_t current{};
    // A stack someone else set up (a sanitizer runtime, say) stays.
    if (sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) == 0) return;
    void* memory = mmap(nullptr, kAlternateStackBytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return;
    stack_t stack{};
    stack.ss_sp = memory;
    stack.ss_size = kAlternateStackBytes;
    if (sigaltstack(&stack, nullptr) != 0) {
      munmap(memory, kAlternateStackBytes);
      return;
    }
    memory_ = memory;
  }
  ~ThreadSignalStack() {
    if (memory_ == nullptr) return;
    stack_t off{};
    off.ss_flags = SS_DISABLE;
    sigaltstack(&off, nullptr);
    munmap(memory_, kAlternateStackBytes);
  }
  ThreadSignalStack(const ThreadSignalStack&) = delete;
  ThreadSignalStack& operator=(const ThreadSignalStack&) = delete;

 private:
  void* memory_ = nullptr;
};

extern "C" void fatalSignalEntry(int sig) {
  onFatalSignal(sig);
}

}  // namespace

void onTerminate() {
  writeCrashLogRaw("FATAL: std::terminate() called");
  std::abort();
}

void onOutOfMemory() {
  writeCrashLogRaw("FATAL: std::new_handler invoked (out of memory)");
  // The allocation fails as it would without a handler: whoever asked can
  // refuse the work that needed the memory and go on. Only a failure that
  // nobody catches ends the process, through the terminate handler.
  throw std::bad_alloc();
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

void setUpThreadSignalStack() {
  // Once per thread; the object lives until the thread ends.
  thread_local ThreadSignalStack stack;
  (void)stack;
}

void installCrashHandlers() {
  std::set_terminate(onTerminate);
  std::set_new_handler(onOutOfMemory);

  setUpThreadSignalStack();
  halvory::set_thread_start_hook(setUpThreadSignalStack);

  struct sigaction action {};
  action.sa_handler = fatalSignalEntry;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_ONSTACK;
  for (int sig : kFatalSignals) sigaction(sig, &action, nullptr);
}

}  // namespace halvory_shell
