#include "harness.hpp"

#include "language_manager.hpp"
#include "stand_in.hpp"
#include "update_manager.hpp"

#include "controller/app_controller.hpp"
#include "controller/settings_file.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QFile>
#include <QSaveFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(PellarisPlugin)

namespace pellaris_qml_test {
namespace {
bool blockedSettings = false;

const QMetaObject* metaObjectOf(const QString& rootName) {
  if (rootName == QLatin1String("appController")) return &AppController::staticMetaObject;
  if (rootName == QLatin1String("languageManager")) return &LanguageManager::staticMetaObject;
  if (rootName == QLatin1String("updates")) return &UpdateManager::staticMetaObject;
  return nullptr;
}

// Documents declare the root-context objects with their types, so each
// stand-in is made over a creatable type of the real class. The language
// manager has no engine here: the stand-in answers for every member.
class LanguageManagerBase : public LanguageManager {
 public:
  LanguageManagerBase() : LanguageManager(nullptr) {}
};

constexpr const char* kStandInModule = "PellarisStandIns";

void registerStandInBases() {
  qmlRegisterType<AppController>(kStandInModule, 1, 0, "AppControllerStandIn");
  qmlRegisterType<LanguageManagerBase>(kStandInModule, 1, 0, "LanguageManagerStandIn");
  qmlRegisterType<UpdateManager>(kStandInModule, 1, 0, "UpdateManagerStandIn");
}

// The machine's own figures, the available memory held under the cap.
class CappedSystemInfo : public halvory_app::SystemInfo {
 public:
  CappedSystemInfo(std::shared_ptr<halvory_app::SystemInfo> machine,
                   std::shared_ptr<AvailableMemoryCap> cap)
      : machine_(std::move(machine)), cap_(std::move(cap)) {}

  int processorCount() const override { return machine_->processorCount(); }
  std::uint64_t totalMemoryBytes() const override { return machine_->totalMemoryBytes(); }
  std::uint64_t availableMemoryBytes() const override {
    const std::uint64_t available = machine_->availableMemoryBytes();
    const std::uint64_t cap = cap_->bytes.load();
    return cap != 0 && cap < available ? cap : available;
  }
  void releaseFreedMemory() override { machine_->releaseFreedMemory(); }
  QDate currentDate() const override { return machine_->currentDate(); }

 private:
  std::shared_ptr<halvory_app::SystemInfo> machine_;
  std::shared_ptr<AvailableMemoryCap> cap_;
};

StandInBase standInBaseOf(const QMetaObject* real) {
  const QString type = QLatin1String(real->className()) + QStringLiteral("StandIn");
  return {type, QLatin1String(kStandInModule)};
}

}  // namespace

void prepareApplication() {
  QQuickStyle::setStyle(QStringLiteral("Basic"));
  QCoreApplication::setOrganizationName(QStringLiteral("Pellaris"));
  QCoreApplication::setApplicationName(QStringLiteral("Pellaris"));
  QCoreApplication::setApplicationVersion(QStringLiteral(PELLARIS_VERSION));
}

bool settingsFileBlocked() {
  return blockedSettings;
}

void publishRootObjects(QQmlEngine& engine) {
  static const bool registered = (registerStandInBases(), true);
  (void)registered;
  engine.addImportPath(QStringLiteral("qrc:/"));
  QQmlContext* root = engine.rootContext();
  root->setContextProperty(QStringLiteral("languageManager"),
                           new LanguageManager(&engine, &engine));
  auto cap = std::make_shared<AvailableMemoryCap>();
  auto* controller = new AppController(
      std::make_shared<CappedSystemInfo>(halvory_app::makeSystemInfo(), cap), &engine);
  root->setContextProperty(QStringLiteral("appController"), controller);
  root->setContextProperty(QStringLiteral("updates"), new UpdateManager(&engine));
  root->setContextProperty(QStringLiteral("harness"), new Harness(&engine, controller, cap));
}

Harness::Harness(QQmlEngine* engine, AppController* controller,
                 std::shared_ptr<AvailableMemoryCap> cap)
    : QObject(engine), engine_(engine), controller_(controller), cap_(std::move(cap)) {}

void Harness::capAvailableMemory(qulonglong bytes) {
  cap_->bytes.store(bytes);
  controller_->systemStatus().refreshAvailableMemory();
}

QStringList Harness::rootObjectNames() const {
  return {QStringLiteral("appController"), QStringLiteral("languageManager"),
          QStringLiteral("updates")};
}

QObject* Harness::createStandIn(const QString& rootName, QObject* parent) {
  const QMetaObject* real = metaObjectOf(rootName);
  if (!real) {
    qWarning().noquote() << "no root-context object named" << rootName;
    return nullptr;
  }
  const QObject* values = engine_->rootContext()->contextProperty(rootName).value<QObject*>();
  return pellaris_qml_test::createStandIn(*engine_, *real, values, parent, standInBaseOf(real));
}

QStringList Harness::standInMismatches(const QString& rootName, QObject* standIn) const {
  const QMetaObject* real = metaObjectOf(rootName);
  if (!real) return {QStringLiteral("no root-context object named ") + rootName};
  if (!standIn) return {QStringLiteral("no stand-in")};
  return interfaceMismatches(*real, *standIn->metaObject());
}

QUrl Harness::temporaryFileUrl(const QString& name) const {
  return QUrl::fromLocalFile(files_.filePath(name));
}

bool Harness::blockSettingsFile(bool blocked) {
  const QString file = QSettings().fileName();
  const QString aside = file + QStringLiteral(".aside");
  if (blocked) {
    if (QFile::exists(file) && !QFile::rename(file, aside)) return false;
    blockedSettings = QDir().mkpath(file);
    return blockedSettings;
  }
  if (!QDir().rmdir(file)) return false;
  blockedSettings = false;
  return !QFile::exists(aside) || QFile::rename(aside, file);
}

bool Harness::makeSettingsFileUnreadable(bool unreadable) {
  const QString file = QSettings().fileName();
  if (!unreadable)
    return !QFile::exists(file) ||
           QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
  QDir().mkpath(QFileInfo(file).absolutePath());
  QFile create(file);
  if (!create.exists() && !create.open(QIODevice::WriteOnly)) return false;
  create.close();
  if (!QFile::setPermissions(file, {})) return false;
  QFile probe(file);
  return !probe.open(QIODevice::ReadOnly);
}

QString Harness::settingsFileText() const {
  QFile file(QSettings().fileName());
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool Harness::removeSettingsFile() {
  const QString file = QSettings().fileName();
  return !QFile::exists(file) || QFile::remove(file);
}

bool Harness::editSettingsFile(const QString& from, const QString& to) {
  const QString name = QSettings().fileName();
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QByteArray bytes = file.readAll();
  file.close();
  const qsizetype at = bytes.indexOf(from.toUtf8());
  if (from.isEmpty() || at < 0) return false;
  bytes.replace(at, from.toUtf8().size(), to.toUtf8());
  QSaveFile out(name);
  return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

double Harness::settingsWritesMade() const {
  return static_cast<double>(halvory_app::SettingsFile::writesMade());
}

void Harness::simulateFullDisk(bool full) {
  halvory_app::SettingsFile::simulateNoSpace(full);
}

QString Harness::idOf(QObject* object) const {
  const QQmlContext* context = object ? qmlContext(object) : nullptr;
  return context ? context->nameForObject(object) : QString();
}

QStringList Harness::catalogueTexts(const QString& code) const {
  const bool english = code == QLatin1String("en");
  QFile file(
      QStringLiteral(HALVORY_I18N_DIR "/halvory_%1.ts").arg(english ? QStringLiteral("de") : code));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList texts;
  QXmlStreamReader xml(&file);
  bool numerus = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("message")) {
      numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    } else if (english && name == QLatin1String("source")) {
      texts.append(xml.readElementText());
    } else if (!english && name == QLatin1String("numerusform")) {
      texts.append(xml.readElementText());
    } else if (!english && !numerus && name == QLatin1String("translation") &&
               !xml.attributes().hasAttribute(QLatin1String("type"))) {
      texts.append(xml.readElementText());
    }
  }
  return texts;
}

}  // namespace pellaris_qml_test
