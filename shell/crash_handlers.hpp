#pragma once
// Crash reporting: each handler appends its FATAL line to both log files with
// async-signal-safe calls only, then lets the process die (the out-of-memory
// handler instead fails the allocation, which a caller may still catch).

namespace halvory_shell {

// Installs the terminate handler, the out-of-memory handler and the signal
// handlers (SIGSEGV, SIGABRT, SIGILL, SIGFPE, SIGBUS, on an alternate stack).
// The calling thread gets its alternate stack here, and every thread the
// program starts later gets one through the engine's thread-start hook.
// The crash-log paths must be set first (setCrashLogPaths).
void installCrashHandlers();

// Gives the calling thread its alternate signal stack (once; later calls do
// nothing). Safe to call from any thread the program starts.
void setUpThreadSignalStack();

// "FATAL: std::terminate() called", then abort.
[[noreturn]] void onTerminate();
// "FATAL: std::new_handler invoked (out of memory)", then throws
// std::bad_alloc, so that the failed allocation can still be caught.
[[noreturn]] void onOutOfMemory();
// "FATAL: C signal received sig=<n>", then the default action, re-raised.
void onFatalSignal(int sig);

}  // namespace halvory_shell
