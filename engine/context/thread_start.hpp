#pragma once
// A function the host program wants run first on every thread that the
// engine and the application start. The shell uses it to give each thread
// its own signal stack; the engine only calls it and knows nothing of it.

namespace halvory {

using ThreadStartHook = void (*)();

// Installs the hook (nullptr removes it). Install it before threads start;
// a thread that started earlier simply ran without it.
void set_thread_start_hook(ThreadStartHook hook) noexcept;

// Runs the installed hook, if any, on the calling thread. Every thread body
// started by this program calls it first.
void run_thread_start_hook() noexcept;

}  // namespace halvory
