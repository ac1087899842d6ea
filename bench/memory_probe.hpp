#pragma once
// Resident memory of this process, and a way to measure in a child process
// of its own so that earlier heaps do not distort a figure.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace memory_probe {

// Resident set figures of this process in bytes ("VmRSS", "VmHWM").
inline std::uint64_t status_bytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t length = std::strlen(field);
  while (std::getline(status, line)) {
    if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
      return std::strtoull(line.c_str() + length + 1, nullptr, 10) * 1024;
    }
  }
  return 0;
}

// Resets the peak resident figure to the current one.
inline bool reset_peak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  return static_cast<bool>(clear);
}

inline double mib(std::uint64_t bytes) {
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// Runs `body` in a child process and passes back one line of text.
template <typename Body>
std::string in_child(Body&& body) {
  int fds[2];
  if (pipe(fds) != 0) return "pipe failed";
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const std::string text = body();
    const ssize_t written = write(fds[1], text.data(), text.size());
    (void)written;
    close(fds[1]);
    _exit(0);
  }
  close(fds[1]);
  std::string text;
  char buffer[512];
  ssize_t n = 0;
  while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
    text.append(buffer, static_cast<std::size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return text;
}

}  // namespace memory_probe
