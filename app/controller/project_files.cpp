// Project files: the held result, its node answers, locks and solve
// settings written to and read from the user's disk. Its words belong to the
// controller's translation context, where the program has always kept them.

#include "controller/project_files.hpp"

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>

#include <QCborStreamReader>
#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <QThread>
#include <QTimer>

#include "controller/file_access.hpp"
#include "controller/file_failure.hpp"
#include "controller/file_reason.hpp"
#include "controller/project_file.hpp"
#include "controller/project_stream.hpp"

using namespace file_access;

namespace {

// Locks by node, then by hand: the lock table's own order is that of a hash
// map, which differs between runs, and the same project should give the
// same file.
QVariantList sortedLocks(QVariantList locks) {
  std::stable_sort(locks.begin(), locks.end(), [](const QVariant& a, const QVariant& b) {
    const QVariantMap left = a.toMap();
    const QVariantMap right = b.toMap();
    const int leftNode = left.value(QStringLiteral("nodeIndex")).toInt();
    const int rightNode = right.value(QStringLiteral("nodeIndex")).toInt();
    if (leftNode != rightNode) return leftNode < rightNode;
    return left.value(QStringLiteral("hand")).toString() <
           right.value(QStringLiteral("hand")).toString();
  });
  return locks;
}

enum class ReadOutcome { Ok, OpenFailed, TooLarge };

}  // namespace

// ---- Project files -----------------------------------------------------------

// The part of a project a refused member belongs to, as the user knows it.
halvory_app::FileReason partOfProject(const QString& field) {
  using halvory_app::FileReason;
  const QString top = field.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('['), 0, 0);
  if (top == QLatin1String("project"))
    return FileReason(QT_TRANSLATE_NOOP("AppController", "the set-up"));
  if (top == QLatin1String("results"))
    return FileReason(QT_TRANSLATE_NOOP("AppController", "the solution"));
  if (top == QLatin1String("nodeCaches"))
    return FileReason(QT_TRANSLATE_NOOP("AppController", "a node's saved answer"));
  if (top == QLatin1String("nodeLocks"))
    return FileReason(QT_TRANSLATE_NOOP("AppController", "a node lock"));
  if (top == QLatin1String("lastUiCfg"))
    return FileReason(QT_TRANSLATE_NOOP("AppController", "the solve configuration"));
  if (top == QLatin1String("checksums"))
    return FileReason(QT_TRANSLATE_NOOP("AppController", "the list of checksums"));
  return {};
}

ProjectFiles::ProjectFiles(Parts parts, Hooks projectHooks)
    : held(parts.held),
      tree(parts.tree),
      explorer(parts.explorer),
      locks(parts.locks),
      solve(parts.solve),
      system(parts.system),
      hooks(std::move(projectHooks)) {}

template <typename Result>
std::optional<Result> ProjectFiles::awayFromGui(
    const std::function<Result(const halvory_app::StreamProgress&)>& work) const {
  std::atomic<double> fraction{0.0};
  stopRequested = false;
  const halvory_app::StreamProgress progress = [this, &fraction](double done) {
    fraction = done;
    return !stopRequested.load();
  };
  std::optional<Result> result;
  std::unique_ptr<QThread> thread;
  QTimer ticker;
  // However this ends (also by memory running out on this thread), the
  // thread that reads this frame is waited for, and the file counts as no
  // longer busy: the next save or open finds nothing in its way.
  struct EndOfWork {
    const ProjectFiles& files;
    std::unique_ptr<QThread>& thread;
    QTimer& ticker;
    ~EndOfWork() {
      ticker.stop();
      if (thread && thread->isRunning()) thread->wait();
      files.busy = false;
      try {
        files.hooks.fileWork(false, 1.0);
      } catch (...) {
        // The window keeps its last progress; the flags are clear.
      }
    }
  };
  busy = true;
  const EndOfWork end{*this, thread, ticker};
  thread.reset(QThread::create([&] {
    try {
      result.emplace(work(progress));
    } catch (const std::exception&) {
      // Out of memory, say: no answer, which the caller reports as such.
    }
  }));
  QEventLoop loop;
  QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
  ticker.setInterval(50);
  QObject::connect(&ticker, &QTimer::timeout, &loop,
                   [this, &fraction] { hooks.fileWork(true, fraction.load()); });
  hooks.fileWork(true, 0.0);
  ticker.start();
  thread->start();
  // A thread the system could not start (no memory for its stack) would
  // never finish: no answer either.
  if (!thread->isRunning() && !thread->isFinished()) return std::nullopt;
  // The window goes on drawing, shows the progress and takes the user's
  // Cancel while the file is written or read. Whatever else the user does
  // meanwhile reads its own copies: the save wrote from shared copies taken
  // before, and a load changes the controller only once it is read. When
  // the program quits meanwhile, the loop ends early and the work is waited
  // for, so a save is never cut off half-written.
  if (!thread->isFinished()) loop.exec();
  thread->wait();
  return result;
}

void ProjectFiles::cancel() {
  stopRequested = true;
}

bool ProjectFiles::saveFailed(bool noMemory) const {
  lastSaveError = noMemory ? fileFailureText(FileFailure::NoMemory, true) : QString();
  return false;
}

bool ProjectFiles::save(QUrl fileUrl, const QVariantMap& projectState) const {
  lastSaveError.clear();
  fileUrl = asFileUrl(fileUrl);
  if (!fileUrl.isValid() || !fileUrl.isLocalFile()) {
    qWarning().noquote() << "saveProject: invalid/non-local URL:" << fileUrl.toString();
    return false;
  }
  const QString path = fileUrl.toLocalFile();
  if (path.isEmpty()) return false;
  if (busy) {
    qWarning().noquote() << "saveProject: a project file is being written or read already";
    return false;
  }

  // Everything the file holds is taken now, as shared copies: the worker
  // reads them while the window goes on, and nothing is copied twice.
  halvory_app::ProjectSnapshot snapshot;
  snapshot.project = projectState;
  const int nodeCount = static_cast<int>(tree.size());
  // Results without a tree could not be opened again; none are written.
  snapshot.hasResults = nodeCount > 0;
  if (snapshot.hasResults) {
    snapshot.held = held;
    snapshot.tree = tree;
    // With a live solve the root node is stored even if nobody opened it.
    if (nodeCount > 0) {
      (void)explorer.nodeHandStrategy(0);
      (void)explorer.nodeHandCombos(0);
      (void)explorer.nodeHandBuckets(0);
      (void)explorer.nodeActionStats(0);
    }
    // A node kept with its hands (the read-ahead keeps them alone) is kept
    // with its strategy too: the matrix draws each class at its share over
    // the node's board, which the strategy answer names.
    for (const int node : explorer.caches().handCombosCache.keys()) {
      if (!explorer.caches().handStrategyCache.contains(node))
        (void)explorer.nodeHandStrategy(node);
    }
    for (std::size_t k = 0; k < halvory_app::kRowsKinds; ++k)
      snapshot.caches[k] = explorer.caches().store.all(static_cast<halvory_app::RowsKind>(k));
  }
  snapshot.nodeLocks = sortedLocks(locks.nodeLocksToJson(nodeCount));
  // Beside the set-up as it is now, the spot the results were solved for.
  snapshot.lastUiCfg = snapshot.hasResults && !held.spot.isEmpty() ? held.spot : solve.lastConfig();
  // A file the program would refuse to open is not written as if saved.
  if (const auto [field, reason] = halvory_app::snapshotProblem(snapshot); !field.isEmpty()) {
    qWarning().noquote() << "saveProject: the file would not open again:" << field
                         << reason.worded();
    lastSaveError = halvory_app::FileReason(
                        QT_TRANSLATE_NOOP("AppController", "The file would not open again: %1 %2"))
                        .arg(partOfProject(field))
                        .arg(reason)
                        .worded();
    return false;
  }

  enum class Stage { Open, Write, Commit, Done };
  struct Outcome {
    Stage stage = Stage::Open;
    QString error;
    FileFailure failure = FileFailure::Other;
  };
  const std::optional<Outcome> answer =
      awayFromGui<Outcome>([&](const halvory_app::StreamProgress& progress) {
        Outcome out;
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
          out.error = file.errorString();
          out.failure = saveOpenFailureOf(path, out.error);
          return out;
        }
        out.stage = Stage::Write;
        if (!halvory_app::writeProjectStream(file, snapshot, progress, out.error)) {
          // A write the disk cut short carries no system error: the room
          // left is looked at while the partial file still takes it.
          out.failure = fileFailureOf(out.error);
          if (out.failure == FileFailure::Other && noRoomAfter(path, file.size()))
            out.failure = FileFailure::NoSpace;
          // The old file, if any, stays as it was.
          file.cancelWriting();
          file.commit();
          return out;
        }
        out.stage = Stage::Commit;
        if (!file.commit()) {
          out.error = file.errorString();
          out.failure = fileFailureOf(out.error);
          return out;
        }
        out.stage = Stage::Done;
        return out;
      });
  if (!answer) {
    lastSaveError = fileFailureText(FileFailure::NoMemory, true);
    qWarning().noquote() << "saveProject: not enough memory:" << path;
    return false;
  }
  const Outcome& outcome = *answer;
  switch (outcome.stage) {
    case Stage::Open:
      lastSaveError = fileFailureText(outcome.failure, true);
      qWarning().noquote() << "saveProject: failed to open:" << path << outcome.error;
      return false;
    case Stage::Write:
      // Stopped by the user: the old file stands, which is no failure.
      if (stopRequested.load()) {
        qInfo().noquote() << "saveProject: cancelled:" << path;
        return false;
      }
      [[fallthrough]];
    case Stage::Commit:
      lastSaveError = fileFailureText(outcome.failure, true);
      qWarning().noquote() << "saveProject: commit failed:" << path << outcome.error;
      return false;
    case Stage::Done:
      break;
  }
  qInfo().noquote() << "Saved project:" << path;
  return true;
}

namespace {

struct LoadOutcome {
  ReadOutcome outcome = ReadOutcome::OpenFailed;
  // The system's words when the file could not be opened.
  QString openError;
  halvory_app::ProjectFileReadResult read;
  // The file ends before its last value does: it was cut short.
  bool cutShort = false;
  // A text form that is no JSON document but names the project format
  // near its start: a project damaged rather than some other file.
  bool namesProjectFormat = false;
};

// Whether the file's one value ends before it is whole. The text form is
// scanned for brackets that are never closed; the compact form is skipped
// through value by value. Neither keeps what it reads.
bool endsTooSoon(QFile& file, bool compact) {
  if (!file.seek(0)) return false;
  if (compact) {
    QCborStreamReader in(&file);
    in.next();
    return in.lastError() == QCborError::EndOfFile;
  }
  qint64 depth = 0;
  bool inText = false;
  bool escaped = false;
  bool opened = false;
  char buffer[65536];
  for (qint64 n = 0; (n = file.read(buffer, sizeof buffer)) > 0;) {
    for (qint64 i = 0; i < n; ++i) {
      const char c = buffer[i];
      if (inText) {
        if (escaped)
          escaped = false;
        else if (c == '\\')
          escaped = true;
        else if (c == '"')
          inText = false;
      } else if (c == '"') {
        inText = true;
      } else if (c == '{' || c == '[') {
        ++depth;
        opened = true;
      } else if (c == '}' || c == ']') {
        if (--depth < 0) return false;
      }
    }
  }
  return opened && (depth > 0 || inText);
}

// Reads either form of project file: the compact one as a stream, the
// older text form whole, within its size limit.
LoadOutcome readProjectFile(const QString& path, const halvory_app::StreamProgress& progress) {
  LoadOutcome out;
  QFile file;
  if (openRegularFile(path, QIODevice::ReadOnly, file, &out.openError) != RegularOpen::Ok)
    return out;
  out.outcome = ReadOutcome::Ok;
  char first = 0;
  if (file.peek(&first, 1) == 1 && halvory_app::isProjectStream(first)) {
    out.read = halvory_app::readProjectStream(file, progress);
    // Until its format is read, a file is no project at all.
    out.cutShort =
        out.read.error == halvory_app::ProjectFileError::InvalidData && endsTooSoon(file, true);
    return out;
  }
  const qint64 size = file.size();
  if (size > halvory_app::kProjectFileMaxBytes) {
    out.outcome = ReadOutcome::TooLarge;
    return out;
  }
  // The size just checked bounds the read, even if the file grows
  // meanwhile. The bytes come in blocks, so that the progress moves.
  constexpr double kReadShare = 0.1;
  constexpr qint64 kBlockBytes = qint64(4) << 20;
  QByteArray bytes(size, Qt::Uninitialized);
  qint64 done = 0;
  while (done < size) {
    const qint64 read = file.read(bytes.data() + done, std::min(kBlockBytes, size - done));
    if (read <= 0) break;
    done += read;
    if (progress) progress(kReadShare * double(done) / double(size));
  }
  bytes.truncate(done);
  out.read = halvory_app::readProjectDocument(
      bytes, halvory_app::projectReadBudget(), [&progress](double done) {
        return !progress || progress(kReadShare + (1.0 - kReadShare) * done);
      });
  if (out.read.error == halvory_app::ProjectFileError::InvalidJson) {
    constexpr qint64 kHeadBytes = 4096;
    out.namesProjectFormat =
        file.seek(0) &&
        file.read(kHeadBytes).contains(QByteArray("\"") + halvory_app::kProjectFormat + '"');
    out.cutShort = out.namesProjectFormat && endsTooSoon(file, false);
  }
  return out;
}

}  // namespace

// Why a file read whole was refused, in words the user can act on: a file
// that is no project, a file cut short, a set-up field by its label, a
// damaged part of the project by what it holds. Where in the file the
// fault sits goes to the log.
halvory_app::FileReason refusalOf(const LoadOutcome& outcome) {
  using halvory_app::FileReason;
  using halvory_app::ProjectFileError;
  const halvory_app::ProjectFileReadResult& read = outcome.read;
  if (outcome.cutShort &&
      (read.error == ProjectFileError::InvalidJson || read.error == ProjectFileError::InvalidData))
    return FileReason(
        QT_TRANSLATE_NOOP("AppController", "The project file is damaged (cut short)"));
  switch (read.error) {
    case ProjectFileError::InvalidJson:
      if (outcome.namesProjectFormat)
        return FileReason(QT_TRANSLATE_NOOP("AppController", "The project file is damaged"));
      return FileReason(QT_TRANSLATE_NOOP("AppController", "This is not a Pellaris project"));
    case ProjectFileError::UnrecognizedFormat:
      return FileReason(QT_TRANSLATE_NOOP("AppController", "Unrecognized project format"));
    case ProjectFileError::UnsupportedVersion:
      return FileReason(QT_TRANSLATE_NOOP("AppController", "Unsupported project version"));
    case ProjectFileError::InvalidData:
    case ProjectFileError::None:
      break;
  }
  // The set-up's own fields are named as the set-up page labels them.
  if (read.field == QLatin1String("project.boardText"))
    return FileReason(QT_TRANSLATE_NOOP("AppController", "Invalid project data: %1 %2"))
        .argField("board")
        .arg(read.reason);
  const FileReason part = partOfProject(read.field);
  if (part.isEmpty())
    return FileReason(QT_TRANSLATE_NOOP("AppController", "The project file is damaged"));
  return FileReason(QT_TRANSLATE_NOOP("AppController", "The project file is damaged: %1 %2"))
      .arg(part)
      .arg(read.reason);
}

QVariantMap ProjectFiles::load(QUrl fileUrl) {
  QVariantMap result = notDoneAnswer(
      {{QStringLiteral("project"), QVariantMap()}, {QStringLiteral("hasResults"), false}});

  QString pathError;
  const QString path = localFilePath(fileUrl, &pathError);
  if (!pathError.isEmpty()) return refused(result, halvory_app::FileReason::plain(pathError));
  // A running solve would replace the loaded result with its own when it
  // ends, so a load waits until no solve runs.
  if (solve.running() || solve.session().is_running())
    return refused(result, halvory_app::FileReason(QT_TRANSLATE_NOOP(
                               "AppController", "Cannot load a project while a solve is running")));
  if (busy)
    return refused(result,
                   halvory_app::FileReason(QT_TRANSLATE_NOOP(
                       "AppController", "A project file is being written or read already")));

  std::optional<LoadOutcome> answer =
      awayFromGui<LoadOutcome>([&path](const halvory_app::StreamProgress& progress) {
        return readProjectFile(path, progress);
      });
  if (!answer) return refused(result, fileFailureReason(FileFailure::NoMemory, false));
  LoadOutcome& loadOutcome = *answer;
  // A solve started while the file was read would replace what it holds.
  if (solve.running() || solve.session().is_running())
    return refused(result, halvory_app::FileReason(QT_TRANSLATE_NOOP(
                               "AppController", "Cannot load a project while a solve is running")));
  switch (loadOutcome.outcome) {
    case ReadOutcome::OpenFailed:
      if (const auto reason = fileFailureReason(fileFailureOf(loadOutcome.openError), false);
          !reason.isEmpty())
        return refused(result, reason);
      return refused(result, halvory_app::FileReason(
                                 QT_TRANSLATE_NOOP("AppController", "Failed to open file")));
    case ReadOutcome::TooLarge:
      return refused(result, halvory_app::FileReason(
                                 QT_TRANSLATE_NOOP("AppController", "Project file is too large")));
    case ReadOutcome::Ok:
      break;
  }

  halvory_app::ProjectFileReadResult& read = loadOutcome.read;
  if (read.error != halvory_app::ProjectFileError::None) {
    qInfo().noquote() << "loadProject: refused:" << path << read.field << read.reason.worded();
    return refused(result, refusalOf(loadOutcome));
  }
  halvory_app::ProjectFileContents& loaded = read.contents;

  // The new state is built aside first: when the memory runs out here, the
  // results held so far stay as they were, and only then are they replaced.
  HeldResult loadedHeld;
  ResultTree loadedTree;
  if (loaded.hasResults) {
    loadedHeld.summary = loaded.resultsSummary;
    loadedHeld.startingPot = loaded.resultStartingPot;
    loadedHeld.iterations = loaded.resultIterations;
    loadedHeld.exploitability = loaded.resultExploitability;
    loadedHeld.evOop = loaded.resultEvOop;
    loadedHeld.evIp = loaded.resultEvIp;
    loadedHeld.rootActions = loaded.rootActions;
    loadedHeld.spot = loaded.lastUiCfg;
    // Both forms hold the tree as packed rows.
    loadedTree.setSolved(std::move(loaded.treeRows), loaded.effectiveStack);
  }
  // Nothing could read these answers again: they are all kept (no budget).
  halvory_app::NodeRowStore loadedAnswers;
  for (std::size_t k = 0; k < halvory_app::kRowsKinds; ++k) {
    const auto kind = static_cast<halvory_app::RowsKind>(k);
    for (auto it = loaded.cacheBlobs[k].cbegin(); it != loaded.cacheBlobs[k].cend(); ++it)
      loadedAnswers.insert(kind, it.key(), it.value());
  }
  // A lock is accepted only for a node with actions in the new tree; there
  // is no live solve to pin the other classes from, as after the reset.
  NodeLockTable loadedLocks(
      [](int) { return std::optional<halvory_app::HandStrategy>(); },
      [&loadedTree](int node) { return static_cast<int>(loadedTree.actionCount(node)); });
  loadedLocks.nodeLocksFromJson(loaded.nodeLocks);

  // Reset: the live solve state and everything derived from it goes.
  solve.session().clear_results();
  hooks.releaseHeld();
  explorer.clearCaches();
  // The released solve no longer holds memory that could be reclaimed.
  const bool reclaimableChanged = system.reclaimableBytes() != 0;
  system.setReclaimableBytes(0);

  held = std::move(loadedHeld);
  tree = std::move(loadedTree);
  NodeCaches& caches = explorer.caches();
  caches.store.swap(loadedAnswers);
  locks.entries().swap(loadedLocks.entries());
  solve.setLastConfig(loaded.lastUiCfg);
  result.insert(QStringLiteral("project"), loaded.project);
  result.insert(QStringLiteral("hasResults"), loaded.hasResults);

  const int strategyNodes = static_cast<int>(caches.handStrategyCache.size());
  const int comboNodes = static_cast<int>(caches.handCombosCache.size());
  solve.showIdle([strategyNodes, comboNodes] {
    return QCoreApplication::translate("AppController", "Loaded project (%1, %2)")
        .arg(QCoreApplication::translate("AppController", "%n strategy node(s)", nullptr,
                                         strategyNodes),
             QCoreApplication::translate("AppController", "%n combo node(s)", nullptr, comboNodes));
  });
  hooks.loaded(reclaimableChanged);

  result.insert(QStringLiteral("ok"), true);
  qInfo().noquote() << "Loaded project:" << path
                    << "hasResults=" << (loaded.hasResults ? "true" : "false");
  return result;
}
