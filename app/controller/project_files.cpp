// Project files, text files and resources: what the program writes and
// reads on the user's disk. Its words belong to the controller's translation
// context, where the program has always kept them.

#include "controller/project_files.hpp"

#include <algorithm>
#include <cerrno>
#include <initializer_list>
#include <utility>

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "controller/project_file.hpp"

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
// A file call's answer: not done, no error, and the call's own fields
// empty, until the call fills them in.
QVariantMap notDoneAnswer(std::initializer_list<std::pair<QString, QVariant>> fields = {}) {
  QVariantMap answer;
  answer.insert(QStringLiteral("ok"), false);
  answer.insert(QStringLiteral("error"), QString());
  for (const auto& [key, value] : fields) answer.insert(key, value);
  return answer;
}

// The answer with its error said.
QVariantMap failed(QVariantMap answer, const QString& error) {
  answer.insert(QStringLiteral("error"), error);
  return answer;
}

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

ProjectFiles::ProjectFiles(Parts parts, Hooks projectHooks)
    : held(parts.held),
      tree(parts.tree),
      explorer(parts.explorer),
      locks(parts.locks),
      solve(parts.solve),
      system(parts.system),
      hooks(std::move(projectHooks)) {}

bool ProjectFiles::save(QUrl fileUrl, const QVariantMap& projectState) const {
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

  const int nodeCount = static_cast<int>(tree.size());
  const bool hasResults = held.iterations > 0 || nodeCount > 0 || !held.rootActions.isEmpty();
  root.insert(QStringLiteral("hasResults"), hasResults);
  if (hasResults) {
    QVariantMap results;
    results.insert(QStringLiteral("resultsSummary"), held.summary);
    results.insert(QStringLiteral("resultStartingPot"), held.startingPot);
    results.insert(QStringLiteral("resultIterations"), held.iterations);
    results.insert(QStringLiteral("resultExploitability"), held.exploitability);
    results.insert(QStringLiteral("resultEvOop"), held.evOop);
    results.insert(QStringLiteral("resultEvIp"), held.evIp);
    results.insert(QStringLiteral("rootActions"), held.rootActions);
    results.insert(QStringLiteral("treeNodeMeta"), treeMetaToJson(tree));
    results.insert(QStringLiteral("treeNodeActions"), treeActionsToJson(tree));
    root.insert(QStringLiteral("results"), results);

    // With a live solve the root node is stored even if nobody opened it.
    if (nodeCount > 0) {
      (void)explorer.nodeHandStrategy(0);
      (void)explorer.nodeHandCombos(0);
      (void)explorer.nodeHandBuckets(0);
      (void)explorer.nodeActionStats(0);
    }
    QVariantMap caches;
    caches.insert(QStringLiteral("handStrategyByNode"),
                  halvory_app::cacheToJsonList(explorer.caches().handStrategyCache, nodeCount));
    caches.insert(QStringLiteral("actionStatsByNode"),
                  halvory_app::cacheToJsonList(explorer.caches().actionStatsCache, nodeCount));
    caches.insert(QStringLiteral("handCombosByNode"),
                  halvory_app::cacheToJsonList(explorer.caches().handCombosCache, nodeCount));
    caches.insert(QStringLiteral("handBucketsByNode"),
                  halvory_app::cacheToJsonList(explorer.caches().handBucketsCache, nodeCount));
    QVariantList seatCombos;
    halvory_app::appendSeatCacheToJsonList(explorer.caches().seatHandCombosOopCache, nodeCount,
                                           QStringLiteral("OOP"), seatCombos);
    halvory_app::appendSeatCacheToJsonList(explorer.caches().seatHandCombosIpCache, nodeCount,
                                           QStringLiteral("IP"), seatCombos);
    caches.insert(QStringLiteral("seatHandCombosByNode"), seatCombos);
    root.insert(QStringLiteral("nodeCaches"), caches);
  }
  root.insert(QStringLiteral("nodeLocks"), sortedLocks(locks.toJson(nodeCount)));
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

QVariantMap ProjectFiles::load(QUrl fileUrl) {
  QVariantMap result = notDoneAnswer(
      {{QStringLiteral("project"), QVariantMap()}, {QStringLiteral("hasResults"), false}});

  QString pathError;
  const QString path = localFilePath(fileUrl, &pathError);
  if (!pathError.isEmpty()) return failed(result, pathError);
  // A running solve would replace the loaded result with its own when it
  // ends, so a load waits until no solve runs.
  if (solve.running() || solve.session().is_running())
    return failed(result, QCoreApplication::translate(
                              "AppController", "Cannot load a project while a solve is running"));

  QByteArray bytes;
  switch (readProjectBytes(path, bytes)) {
    case ReadOutcome::OpenFailed:
      return failed(result, QCoreApplication::translate("AppController", "Failed to open file"));
    case ReadOutcome::TooLarge:
      return failed(result,
                    QCoreApplication::translate("AppController", "Project file is too large"));
    case ReadOutcome::Ok:
      break;
  }

  halvory_app::ProjectFileReadResult read = halvory_app::readProjectDocument(bytes);
  bytes = QByteArray();
  switch (read.error) {
    case halvory_app::ProjectFileError::InvalidJson:
      return failed(result, QCoreApplication::translate("AppController", "Invalid JSON"));
    case halvory_app::ProjectFileError::UnrecognizedFormat:
      return failed(result,
                    QCoreApplication::translate("AppController", "Unrecognized project format"));
    case halvory_app::ProjectFileError::UnsupportedVersion:
      return failed(result,
                    QCoreApplication::translate("AppController", "Unsupported project version"));
    case halvory_app::ProjectFileError::InvalidData:
      return failed(result,
                    QCoreApplication::translate("AppController", "Invalid project data: %1 %2")
                        .arg(read.field, read.reason));
    case halvory_app::ProjectFileError::None:
      break;
  }
  halvory_app::ProjectFileContents& loaded = read.contents;

  // Reset: the live solve state and everything derived from it goes.
  solve.session().clear_results();
  hooks.releaseHeld();
  locks.clear();
  explorer.clearCaches();
  // The released solve no longer holds memory that could be reclaimed.
  const bool reclaimableChanged = system.reclaimableBytes() != 0;
  system.setReclaimableBytes(0);

  result.insert(QStringLiteral("project"), loaded.project);
  result.insert(QStringLiteral("hasResults"), loaded.hasResults);
  if (loaded.hasResults) {
    held.summary = loaded.resultsSummary;
    held.startingPot = loaded.resultStartingPot;
    held.iterations = loaded.resultIterations;
    held.exploitability = loaded.resultExploitability;
    held.evOop = loaded.resultEvOop;
    held.evIp = loaded.resultEvIp;
    held.rootActions = loaded.rootActions;
    tree.setLoaded(loaded.treeNodeMeta, loaded.treeNodeActions);
  }

  explorer.caches().handStrategyCache = loaded.handStrategyByNode;
  explorer.caches().actionStatsCache = loaded.actionStatsByNode;
  explorer.caches().handCombosCache = loaded.handCombosByNode;
  explorer.caches().handBucketsCache = loaded.handBucketsByNode;
  explorer.caches().seatHandCombosOopCache = loaded.seatHandCombosOopByNode;
  explorer.caches().seatHandCombosIpCache = loaded.seatHandCombosIpByNode;

  // After the tree lists: a lock is accepted only for a node with actions.
  locks.fromJson(loaded.nodeLocks);
  solve.setLastConfig(loaded.lastUiCfg);

  const int strategyNodes = static_cast<int>(explorer.caches().handStrategyCache.size());
  const int comboNodes = static_cast<int>(explorer.caches().handCombosCache.size());
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

// ---- Text files and resources ------------------------------------------------

QVariantMap ProjectFiles::saveTextFile(QUrl fileUrl, const QString& text) {
  QVariantMap result = notDoneAnswer();

  QString pathError;
  const QString path = localFilePath(fileUrl, &pathError);
  if (!pathError.isEmpty()) return failed(result, pathError);

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return failed(result, QCoreApplication::translate("AppController", "Failed to open file: %1")
                              .arg(file.errorString()));
  }
  QString error;
  if (!writeAndCommit(file, text.toUtf8(), error))
    return failed(
        result, QCoreApplication::translate("AppController", "Failed to save file: %1").arg(error));
  result.insert(QStringLiteral("ok"), true);
  return result;
}

QVariantMap ProjectFiles::readTextFile(QUrl fileUrl) {
  fileUrl = asFileUrl(fileUrl);
  QVariantMap result = notDoneAnswer({{QStringLiteral("text"), QString()}});

  if (!fileUrl.isValid()) return failed(result, QStringLiteral("Invalid file URL."));
  if (!fileUrl.isLocalFile())
    return failed(result, QStringLiteral("Only local files are supported."));
  const QString path = fileUrl.toLocalFile();
  if (path.trimmed().isEmpty()) return failed(result, QStringLiteral("Empty file path."));
  if (!QFileInfo::exists(path)) return failed(result, QStringLiteral("File does not exist."));

  QFile file;
  QString openError;
  switch (openRegularFile(path, QIODevice::ReadOnly | QIODevice::Text, file, &openError)) {
    case RegularOpen::NotRegular:
      return failed(result, QStringLiteral("Not a regular file."));
    case RegularOpen::Failed:
      return failed(result, QStringLiteral("Failed to open file: %1").arg(openError));
    case RegularOpen::Ok:
      break;
  }
  const auto tooLarge = [&result](qint64 bytes) {
    return failed(result, QStringLiteral("File is too large (%1 bytes).").arg(bytes));
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

QString ProjectFiles::readTextResource(const QString& path) {
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

QString ProjectFiles::openLicensesFolder() {
  return openBesideProgram(QStringLiteral("licenses"));
}

QString ProjectFiles::openThirdPartyNotices() {
  return openBesideProgram(QStringLiteral("licenses/THIRD_PARTY_NOTICES.txt"));
}
