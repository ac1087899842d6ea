#pragma once
// Runs this test program again as a child process with extra environment
// variables, so a test can watch a start-up or a crash from outside.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

#include <cerrno>
#include <csignal>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

struct ChildResult {
  bool exited = false;    // ended through exit(); exitCode is valid
  bool timedOut = false;  // still running at the deadline, then killed
  int exitCode = -1;      // 0..255
  int signal = 0;         // the signal that killed it, 0 when it exited
  QByteArray output;      // stdout and stderr together
};

using EnvList = QList<QPair<QByteArray, QByteArray>>;

// A child that hangs is killed after timeoutMs, so a hang fails the test
// instead of stalling it.
inline ChildResult runSelf(const EnvList& extraEnv, const QString& outputPath,
                           int timeoutMs = 120000) {
  // Build everything before fork: the child only calls async-signal-safe
  // functions until execve.
  std::vector<QByteArray> storage;
  for (char** e = environ; *e != nullptr; ++e) {
    const QByteArray entry(*e);
    const QByteArray name = entry.left(entry.indexOf('='));
    bool replaced = false;
    for (const auto& [key, value] : extraEnv) replaced = replaced || key == name;
    if (!replaced) storage.push_back(entry);
  }
  // A later entry for the same name overrides an earlier one.
  for (qsizetype i = 0; i < extraEnv.size(); ++i) {
    bool overridden = false;
    for (qsizetype j = i + 1; j < extraEnv.size(); ++j)
      overridden = overridden || extraEnv[j].first == extraEnv[i].first;
    if (!overridden) storage.push_back(extraEnv[i].first + '=' + extraEnv[i].second);
  }
  std::vector<char*> envp;
  for (QByteArray& entry : storage) envp.push_back(entry.data());
  envp.push_back(nullptr);

  QByteArray self = QFile::encodeName(QStringLiteral("/proc/self/exe"));
  char buffer[4096];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length > 0) self = QByteArray(buffer, static_cast<int>(length));
  const QByteArray outPath = QFile::encodeName(outputPath);
  char* argv[] = {self.data(), nullptr};

  ChildResult result;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int fd = ::open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd >= 0) {
      ::dup2(fd, 1);
      ::dup2(fd, 2);
      ::close(fd);
    }
    ::execve(self.constData(), argv, envp.data());
    ::_exit(127);
  }
  if (pid < 0) return result;
  int status = 0;
  for (int waited = 0;; waited += 10) {
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) break;
    if (waited >= timeoutMs) {
      result.timedOut = true;
      ::kill(pid, SIGKILL);
      while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      break;
    }
    ::usleep(10000);
  }
  if (WIFEXITED(status)) {
    result.exited = true;
    result.exitCode = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    result.signal = WTERMSIG(status);
  }
  QFile out(outputPath);
  if (out.open(QIODevice::ReadOnly)) result.output = out.readAll();
  return result;
}

inline QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QList<QByteArray> readLines(const QString& path) {
  QList<QByteArray> lines = readAll(path).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}
