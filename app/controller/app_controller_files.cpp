// Project files, text files and resources of AppController.

#include <algorithm>

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>

#include "controller/app_controller.hpp"
#include "controller/project_file.hpp"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kTextFileMaxBytes = 2097152;

// Qt's own file dialog, used where the desktop offers none, answers a typed
// file name with a bare absolute path rather than a file URL; such a path is
// a local file all the same. Relative paths stay refused.
QUrl asFileUrl(const QUrl& url) {
  if (url.scheme().isEmpty() && !url.path().isEmpty() && QDir::isAbsolutePath(url.path()) &&
      url.host().isEmpty())
    return QUrl::fromLocalFile(url.path());
  return url;
}

// The local path a file URL names, or empty with the error the project and
// text-file functions report.
QString localFilePath(const QUrl& fileUrl, QString* error) {
  const QUrl url = asFileUrl(fileUrl);
  if (!url.isValid() || !url.isLocalFile()) {
    *error = QCoreApplication::translate("AppController", "Invalid/non-local file URL");
    return {};
  }
  const QString path = url.toLocalFile();
  if (path.isEmpty()) *error = QCoreApplication::translate("AppController", "Empty file path");
  return path;
}

// ---- Project files ---------------------------------------------------------

// The tree rows for the file, one meta row and one action list per node, so
// both arrays of the file always describe the same nodes.
QVariantList treeMetaToJson(const ResultTree& tree) {
  QVariantList out;
  out.reserve(tree.size());
  for (qsizetype node = 0; node < tree.size(); ++node) out.push_back(tree.meta(node));
  return out;
}

QVariantList treeActionsToJson(const ResultTree& tree) {
  QVariantList out;
  out.reserve(tree.size());
  for (qsizetype node = 0; node < tree.size(); ++node) out.push_back(tree.actions(node));
  return out;
}

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

// Opens a file for reading only when it is a regular file: a device such as
// /dev/zero never ends, and opening a FIFO would block the GUI thread until
// someone writes to it. The open itself never blocks, and the type is
// checked on the opened file, so nothing can be swapped in between.
enum class RegularOpen { Ok, NotRegular, Failed };

RegularOpen openRegularFile(const QString& path, QIODevice::OpenMode mode, QFile& file,
                            QString* error) {
  int fd;
  do {
    fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    if (error) *error = qt_error_string(errno);
    return RegularOpen::Failed;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return RegularOpen::NotRegular;
  }
  if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
    if (error) *error = file.errorString();
    ::close(fd);
    return RegularOpen::Failed;
  }
  return RegularOpen::Ok;
}

// Reads a project file's bytes.
enum class ReadOutcome { Ok, OpenFailed, TooLarge };

ReadOutcome readProjectBytes(const QString& path, QByteArray& bytes) {
  QFile file;
  if (openRegularFile(path, QIODevice::ReadOnly, file, nullptr) != RegularOpen::Ok)
    return ReadOutcome::OpenFailed;
  const qint64 size = file.size();
  if (size > halvory_app::kProjectFileMaxBytes) return ReadOutcome::TooLarge;
  // The size just checked bounds the read, even if the file grows meanwhile.
  bytes = file.read(size);
  return ReadOutcome::Ok;
}

// Writes the whole content and commits. QSaveFile keeps the old file when a
// write fails outright, but a short write (a full disk, a file-size limit)
// sets no error, and a failed flush of its buffer is not remembered either,
// so commit() would then replace the old file with a truncated one. Both are
// checked here and cancel the save instead.
bool writeAndCommit(QSaveFile& file, const QByteArray& bytes, QString& error) {
  const qint64 written = file.write(bytes);
  if (written != bytes.size() || !file.flush()) {
    error = file.error() != QFileDevice::NoError ? file.errorString()
                                                 : QStringLiteral("Incomplete write");
    file.cancelWriting();
    file.commit();  // discards the temporary file
    return false;
  }
  if (!file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace

// ---- Project files -----------------------------------------------------------

bool AppController::saveProject(QUrl fileUrl, QVariantMap projectState) const {
  fileUrl = asFileUrl(fileUrl);
  if (!fileUrl.isValid() || !fileUrl.isLocalFile()) {
    qWarning().noquote() << "saveProject: invalid/non-local URL:" << fileUrl.toString();
    return false;
  }
  const QString path = fileUrl.toLocalFile();
  if (path.isEmpty()) return false;

  QVariantMap root;
  root.insert(QStringLiteral("format"), QString::fromLatin1(halvory_app::kProjectFormat));
  root.insert(QStringLiteral("version"), halvory_app::kProjectVersion);
  root.insert(QStringLiteral("project"), projectState);

  const int nodeCount = static_cast<int>(resultTree.size());
  const bool hasResults = resultIterations > 0 || nodeCount > 0 || !rootActions.isEmpty();
  root.insert(QStringLiteral("hasResults"), hasResults);
  if (hasResults) {
    QVariantMap results;
    results.insert(QStringLiteral("resultsSummary"), resultsSummary);
    results.insert(QStringLiteral("resultStartingPot"), resultStartingPot);
    results.insert(QStringLiteral("resultIterations"), resultIterations);
    results.insert(QStringLiteral("resultExploitability"), resultExploitability);
    results.insert(QStringLiteral("resultEvOop"), resultEvOop);
    results.insert(QStringLiteral("resultEvIp"), resultEvIp);
    results.insert(QStringLiteral("rootActions"), rootActions);
    results.insert(QStringLiteral("treeNodeMeta"), treeMetaToJson(resultTree));
    results.insert(QStringLiteral("treeNodeActions"), treeActionsToJson(resultTree));
    root.insert(QStringLiteral("results"), results);

    // With a live solve the root node is stored even if nobody opened it.
    if (nodeCount > 0) {
      (void)nodeHandStrategy(0);
      (void)nodeHandCombos(0);
      (void)nodeHandBuckets(0);
      (void)nodeActionStats(0);
    }
    QVariantMap caches;
    caches.insert(
        QStringLiteral("handStrategyByNode"),
        halvory_app::cacheToJsonList(resultsExplorer.caches().handStrategyCache, nodeCount));
    caches.insert(
        QStringLiteral("actionStatsByNode"),
        halvory_app::cacheToJsonList(resultsExplorer.caches().actionStatsCache, nodeCount));
    caches.insert(
        QStringLiteral("handCombosByNode"),
        halvory_app::cacheToJsonList(resultsExplorer.caches().handCombosCache, nodeCount));
    caches.insert(
        QStringLiteral("handBucketsByNode"),
        halvory_app::cacheToJsonList(resultsExplorer.caches().handBucketsCache, nodeCount));
    QVariantList seatCombos;
    halvory_app::appendSeatCacheToJsonList(resultsExplorer.caches().seatHandCombosOopCache,
                                           nodeCount, QStringLiteral("OOP"), seatCombos);
    halvory_app::appendSeatCacheToJsonList(resultsExplorer.caches().seatHandCombosIpCache,
                                           nodeCount, QStringLiteral("IP"), seatCombos);
    caches.insert(QStringLiteral("seatHandCombosByNode"), seatCombos);
    root.insert(QStringLiteral("nodeCaches"), caches);
  }
  root.insert(QStringLiteral("nodeLocks"), sortedLocks(lockTable.toJson(treeNodeCount())));
  root.insert(QStringLiteral("lastUiCfg"), solve.lastConfig());

  const QJsonDocument document = QJsonDocument::fromVariant(root);
  if (document.isNull()) {
    qWarning() << "saveProject: failed to convert to JSON";
    return false;
  }

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    qWarning().noquote() << "saveProject: failed to open:" << path << file.errorString();
    return false;
  }
  QString error;
  if (!writeAndCommit(file, document.toJson(QJsonDocument::Indented), error)) {
    qWarning().noquote() << "saveProject: commit failed:" << path << error;
    return false;
  }
  qInfo().noquote() << "Saved project:" << path;
  return true;
}

QVariantMap AppController::loadProject(QUrl fileUrl) {
  QVariantMap result;
  result.insert(QStringLiteral("ok"), false);
  result.insert(QStringLiteral("error"), QString());
  result.insert(QStringLiteral("project"), QVariantMap());
  result.insert(QStringLiteral("hasResults"), false);
  const auto fail = [&result](const QString& error) {
    result.insert(QStringLiteral("error"), error);
    return result;
  };

  QString pathError;
  const QString path = localFilePath(fileUrl, &pathError);
  if (!pathError.isEmpty()) return fail(pathError);
  // A running solve would replace the loaded result with its own when it
  // ends, so a load waits until no solve runs.
  if (solve.running() || session.is_running())
    return fail(tr("Cannot load a project while a solve is running"));

  QByteArray bytes;
  switch (readProjectBytes(path, bytes)) {
    case ReadOutcome::OpenFailed:
      return fail(tr("Failed to open file"));
    case ReadOutcome::TooLarge:
      return fail(tr("Project file is too large"));
    case ReadOutcome::Ok:
      break;
  }

  halvory_app::ProjectFileReadResult read = halvory_app::readProjectDocument(bytes);
  bytes = QByteArray();
  switch (read.error) {
    case halvory_app::ProjectFileError::InvalidJson:
      return fail(tr("Invalid JSON"));
    case halvory_app::ProjectFileError::UnrecognizedFormat:
      return fail(tr("Unrecognized project format"));
    case halvory_app::ProjectFileError::UnsupportedVersion:
      return fail(tr("Unsupported project version"));
    case halvory_app::ProjectFileError::InvalidData:
      return fail(tr("Invalid project data: %1 %2").arg(read.field, read.reason));
    case halvory_app::ProjectFileError::None:
      break;
  }
  halvory_app::ProjectFileContents& loaded = read.contents;

  // Reset: the live solve state and everything derived from it goes.
  session.clear_results();
  clearResultFields();
  lockTable.clear();
  clearNodeCaches();
  // The released solve no longer holds memory that could be reclaimed.
  const bool reclaimableChanged = system.reclaimableBytes() != 0;
  system.setReclaimableBytes(0);

  result.insert(QStringLiteral("project"), loaded.project);
  result.insert(QStringLiteral("hasResults"), loaded.hasResults);
  if (loaded.hasResults) {
    resultsSummary = loaded.resultsSummary;
    resultStartingPot = loaded.resultStartingPot;
    resultIterations = loaded.resultIterations;
    resultExploitability = loaded.resultExploitability;
    resultEvOop = loaded.resultEvOop;
    resultEvIp = loaded.resultEvIp;
    rootActions = loaded.rootActions;
    resultTree.setLoaded(loaded.treeNodeMeta, loaded.treeNodeActions);
  }

  resultsExplorer.caches().handStrategyCache = loaded.handStrategyByNode;
  resultsExplorer.caches().actionStatsCache = loaded.actionStatsByNode;
  resultsExplorer.caches().handCombosCache = loaded.handCombosByNode;
  resultsExplorer.caches().handBucketsCache = loaded.handBucketsByNode;
  resultsExplorer.caches().seatHandCombosOopCache = loaded.seatHandCombosOopByNode;
  resultsExplorer.caches().seatHandCombosIpCache = loaded.seatHandCombosIpByNode;

  // After the tree lists: a lock is accepted only for a node with actions.
  lockTable.fromJson(loaded.nodeLocks);
  solve.setLastConfig(loaded.lastUiCfg);

  const int strategyNodes = static_cast<int>(resultsExplorer.caches().handStrategyCache.size());
  const int comboNodes = static_cast<int>(resultsExplorer.caches().handCombosCache.size());
  solve.showIdle([strategyNodes, comboNodes] {
    return tr("Loaded project (%1, %2)")
        .arg(tr("%n strategy node(s)", nullptr, strategyNodes),
             tr("%n combo node(s)", nullptr, comboNodes));
  });
  emit resultsChanged();
  if (reclaimableChanged) {
    emit systemMemoryChanged();
    system.refresh();
  }

  result.insert(QStringLiteral("ok"), true);
  qInfo().noquote() << "Loaded project:" << path
                    << "hasResults=" << (loaded.hasResults ? "true" : "false");
  return result;
}

// ---- Text files and resources ------------------------------------------------

QVariantMap AppController::saveTextFile(QUrl fileUrl, QString text) const {
  QVariantMap result;
  result.insert(QStringLiteral("ok"), false);
  result.insert(QStringLiteral("error"), QString());
  const auto fail = [&result](const QString& error) {
    result.insert(QStringLiteral("error"), error);
    return result;
  };

  QString pathError;
  const QString path = localFilePath(fileUrl, &pathError);
  if (!pathError.isEmpty()) return fail(pathError);

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return fail(tr("Failed to open file: %1").arg(file.errorString()));
  }
  QString error;
  if (!writeAndCommit(file, text.toUtf8(), error))
    return fail(tr("Failed to save file: %1").arg(error));
  result.insert(QStringLiteral("ok"), true);
  return result;
}

QVariantMap AppController::readTextFile(QUrl fileUrl) const {
  fileUrl = asFileUrl(fileUrl);
  QVariantMap result;
  result.insert(QStringLiteral("ok"), false);
  result.insert(QStringLiteral("error"), QString());
  result.insert(QStringLiteral("text"), QString());
  const auto fail = [&result](const QString& error) {
    result.insert(QStringLiteral("error"), error);
    return result;
  };

  if (!fileUrl.isValid()) return fail(QStringLiteral("Invalid file URL."));
  if (!fileUrl.isLocalFile()) return fail(QStringLiteral("Only local files are supported."));
  const QString path = fileUrl.toLocalFile();
  if (path.trimmed().isEmpty()) return fail(QStringLiteral("Empty file path."));
  if (!QFileInfo::exists(path)) return fail(QStringLiteral("File does not exist."));

  QFile file;
  QString openError;
  switch (openRegularFile(path, QIODevice::ReadOnly | QIODevice::Text, file, &openError)) {
    case RegularOpen::NotRegular:
      return fail(QStringLiteral("Not a regular file."));
    case RegularOpen::Failed:
      return fail(QStringLiteral("Failed to open file: %1").arg(openError));
    case RegularOpen::Ok:
      break;
  }
  const auto tooLarge = [&fail](qint64 bytes) {
    return fail(QStringLiteral("File is too large (%1 bytes).").arg(bytes));
  };
  if (file.size() > kTextFileMaxBytes) return tooLarge(file.size());

  // The file may grow after the check, so the read itself stops one byte
  // past the limit.
  QByteArray bytes;
  while (bytes.size() <= kTextFileMaxBytes) {
    const QByteArray chunk = file.read(kTextFileMaxBytes + 1 - bytes.size());
    if (chunk.isEmpty()) break;
    bytes += chunk;
  }
  if (bytes.size() > kTextFileMaxBytes) return tooLarge(bytes.size());

  result.insert(QStringLiteral("text"), QString::fromUtf8(bytes));
  result.insert(QStringLiteral("ok"), true);
  return result;
}

QString AppController::readTextResource(QString path) const {
  QString resource = path.trimmed();
  if (resource.startsWith(QLatin1String("qrc:/"))) {
    resource = QLatin1Char(':') + resource.mid(4);
  } else if (resource.startsWith(QLatin1Char('/'))) {
    resource.prepend(QLatin1Char(':'));
  }
  if (!resource.startsWith(QLatin1String(":/"))) {
    qWarning().noquote() << "readTextResource: not a Qt resource path:" << path;
    return {};
  }
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) {
    qWarning().noquote() << "readTextResource: failed to open:" << resource;
    return {};
  }
  return QString::fromUtf8(file.readAll());
}

namespace {

// Empty when a program opened the file; else its path, for the user to open.
QString openBesideProgram(const QString& relativePath) {
  const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(relativePath);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? QString()
                                                              : QDir::toNativeSeparators(path);
}

}  // namespace

QString AppController::openLicensesFolder() const {
  return openBesideProgram(QStringLiteral("licenses"));
}

QString AppController::openThirdPartyNotices() const {
  return openBesideProgram(QStringLiteral("licenses/THIRD_PARTY_NOTICES.txt"));
}
