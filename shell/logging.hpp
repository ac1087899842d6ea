#pragma once
// Process-wide file logging: the two "pellaris.log" files, the Qt message
// handler that writes to them, and the raw appender that crash handlers use
// when nothing else can be trusted.

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <memory>

class QFile;
class QIODevice;

namespace halvory_shell {

// Raw appender: open (append, create, no symlink follow, never blocking),
// one write, close. Writes only to a regular file owned by this user with a
// single link. Async-signal-safe; failures are silent. Does nothing for a
// null/empty path.
void appendRawToFile(const char* path, const char* data, std::size_t size);

// Appends line + '\n' (UTF-8) in one write. Does nothing when path is empty.
void appendLineToFile(const QString& line, const QString& path);

// appendLineToFile to the application-directory log, then the temporary one.
void writeCrashLogLine(const QString& line);

// Async-signal-safe variant for crash handlers: `text` + '\n' to both logs,
// using only the paths prepared by setCrashLogPaths.
void writeCrashLogRaw(const char* text);

// The variable, trimmed and lower-cased, is "1", "true", "yes" or "on".
bool envFlagEnabled(const char* name);

// Stores both crash-log paths in fixed buffers (an empty string disables
// that file). Call before installing crash handlers.
void setCrashLogPaths(const QString& appDirLog, const QString& tempDirLog);
QString appDirLogPath();
QString tempDirLogPath();

// "<dir>/pellaris.log" when `dir` is a writable directory, else empty.
QString appDirLogFile(const QString& dir);

// "<tempRoot>/pellaris-<uid>/pellaris.log"; the folder is created with mode
// 0700 and must be a real directory owned by this user with no group/other
// access, otherwise the result is empty.
QString tempDirLogFile(const QString& tempRoot);

// Makes `path` usable as a log file before anything is written to it:
// whatever else sits under that name (a FIFO, a link, a file of another
// user or with a second name) is unlinked and a fresh file created. Returns
// the path, or an empty string when no safe log file can be had there.
QString claimLogFile(const QString& path);

// Opens `path` for appending in text mode, under the same rules as the raw
// appender; null when it cannot be opened.
std::unique_ptr<QFile> openLogFile(const QString& path);

// The device list the message handler writes to. Replacing or clearing it
// takes the log mutex, so a running handler finishes its line first.
void setLogDevices(const QList<QIODevice*>& devices);
void clearLogDevices();

// Local time, ISO 8601 with milliseconds.
QString logTimeStamp();
// "DEBUG", "WARN", "ERROR", "FATAL", "INFO".
const char* logLevelName(QtMsgType type);

// The Qt message handler: one line per message to every open log device
// under the log mutex, or raw appends to both crash paths when no device is
// set. A fatal message aborts after it is written. Never throws: a line the
// memory cannot hold is dropped.
void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// Installs logMessageHandler (`toLogFiles`), or else Qt's own output behind
// the same guard: no message ever throws out of the handler.
void installMessageHandler(bool toLogFiles);

}  // namespace halvory_shell
