#pragma once
// What the Qt Quick tests and the document viewer share: the root-context
// objects of the program, published on a QML engine as start-up does, and
// the helper object `harness` through which tests make stand-ins.

#include <atomic>
#include <cstdint>
#include <memory>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

class QQmlEngine;
class AppController;

namespace pellaris_qml_test {

// Settings and identity as the program has them: the Basic style and the
// "Pellaris" organisation and application names. Call before the
// application object exists (the style must be chosen first).
void prepareApplication();

// Makes the module importable and publishes real `appController`,
// `languageManager` and `updates` objects (owned by the engine) and the
// `harness` object.
void publishRootObjects(QQmlEngine& engine);

// Whether a test has put a folder in place of the settings file: while it
// has, the settings elements' own complaint about the store is expected.
bool settingsFileBlocked();

// What the published controller is told of the available memory can be
// held under a cap, so that a test can make a spot too large for it.
struct AvailableMemoryCap {
  std::atomic<std::uint64_t> bytes{0};  // 0: no cap
};

class Harness : public QObject {
  Q_OBJECT
  Q_PROPERTY(QStringList rootObjectNames READ rootObjectNames CONSTANT)

 public:
  Harness(QQmlEngine* engine, AppController* controller, std::shared_ptr<AvailableMemoryCap> cap);

  // "appController", "languageManager" and "updates".
  QStringList rootObjectNames() const;

  // A scripted stand-in for the root-context object of that name, starting
  // from the real object's property values. Owned by `parent` when given,
  // else by the JavaScript engine.
  Q_INVOKABLE QObject* createStandIn(const QString& rootName, QObject* parent = nullptr);

  // Differences between that object's class and the stand-in's interface;
  // empty when they agree.
  Q_INVOKABLE QStringList standInMismatches(const QString& rootName, QObject* standIn) const;

  // A file URL inside a folder of this engine's own, removed with it; the
  // file itself is not created.
  Q_INVOKABLE QUrl temporaryFileUrl(const QString& name) const;

  // The id `object` has in the QML document that declares it; empty for an
  // object without one (or no object).
  Q_INVOKABLE QString idOf(QObject* object) const;

  // Every text of a language's translation source: the translations (each
  // plural form apart) for a translated language, the source texts for
  // "en". Empty for a language without a source.
  Q_INVOKABLE QStringList catalogueTexts(const QString& code) const;

  // Puts a folder in place of the program's settings file (the file moved
  // aside), or, with false, the file back. Returns whether it did.
  Q_INVOKABLE bool blockSettingsFile(bool blocked);
  // Makes the settings file (created when absent) unreadable to this user,
  // or, with false, readable and writable again. Returns whether the file
  // is then as asked (a user who reads every file, root, cannot be kept
  // from it).
  Q_INVOKABLE bool makeSettingsFileUnreadable(bool unreadable);
  // The settings file's text as it is on disk.
  Q_INVOKABLE QString settingsFileText() const;
  Q_INVOKABLE bool removeSettingsFile();
  // Replaces the first `from` in the settings file's text with `to`, as a
  // hand or a fault would (the file is replaced, as a write replaces it).
  // Returns whether `from` was there and the file was written.
  Q_INVOKABLE bool editSettingsFile(const QString& from, const QString& to);

  // How many times the program has written a settings file so far.
  Q_INVOKABLE double settingsWritesMade() const;
  // While set, every settings-file write fails as on a full disk.
  Q_INVOKABLE void simulateFullDisk(bool full);

  // Holds the available memory the published controller sees at most at
  // `bytes` (0 lifts the cap), and has it read the figure again at once.
  Q_INVOKABLE void capAvailableMemory(qulonglong bytes);

 private:
  QQmlEngine* engine_;
  AppController* controller_;
  std::shared_ptr<AvailableMemoryCap> cap_;
  QTemporaryDir files_;
};

}  // namespace pellaris_qml_test
