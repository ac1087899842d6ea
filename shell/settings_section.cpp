#include "settings_section.hpp"

#include <QCoreApplication>

#include "controller/guarded_call.hpp"

using halvory_app::CallFailure;
using halvory_app::guardedCall;

namespace {

// A write that threw (a large file and the memory short) is refused, in the
// words of the controller's failed calls: nothing was written.
QString writeFailed(CallFailure failure, const QString& what) {
  return halvory_app::callFailureText(
      failure, QT_TRANSLATE_NOOP("AppController", "Not enough memory to save the file"), what);
}

}  // namespace

SettingsSection::SettingsSection(QObject* parent) : QObject(parent) {}

void SettingsSection::setCategory(const QString& category) {
  if (category == category_) return;
  category_ = category;
  emit categoryChanged();
}

QVariant SettingsSection::value(const QString& key, const QVariant& fallback) {
  // The page's calls never throw: a file the memory cannot hold reads as
  // absent.
  return guardedCall(
      "SettingsSection::value", [&] { return readValue(key, fallback); },
      [&fallback](CallFailure, const QString&) { return fallback; });
}

QVariant SettingsSection::readValue(const QString& key, const QVariant& fallback) {
  const QVariant stored = file_.value(category_, key);
  if (!stored.isValid()) return fallback;
  const QString text = stored.toString();
  switch (fallback.typeId()) {
    case QMetaType::Bool:
      if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
      if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
      return fallback;
    case QMetaType::Int:
    case QMetaType::Double: {
      bool ok = false;
      const double number = text.toDouble(&ok);
      return ok ? QVariant(number) : fallback;
    }
    default:
      return stored.typeId() == QMetaType::QStringList ? stored : QVariant(text);
  }
}

QString SettingsSection::storedLine(const QString& key) {
  return guardedCall("SettingsSection::storedLine",
                     [&] { return file_.storedLine(category_, key); });
}

QString SettingsSection::readProblem() const {
  return guardedCall("SettingsSection::readProblem", [&] {
    return halvory_app::storeFaultText(file_.readFault(), file_.path(), true);
  });
}

bool SettingsSection::lost(const QString& key) {
  return guardedCall("SettingsSection::lost", [&] { return file_.lost(category_, key); });
}

// Both answers are made before the write: a kept write's answer cannot
// fail once the file is kept, and a refusal for want of memory needs none
// (an answer that could not be made at all would read as "", kept).
QString SettingsSection::write(const QVariantMap& changes) {
  QString refused;
  return guardedCall(
      "SettingsSection::write",
      [&] {
        refused = writeFailed(CallFailure::NoMemory, QString());
        const halvory_app::StoreFault fault = file_.write(category_, changes);
        if (fault == halvory_app::StoreFault::None) return QString();
        return halvory_app::storeFaultText(fault, file_.path());
      },
      [&refused](CallFailure failure, const QString& what) {
        if (failure == CallFailure::NoMemory && !refused.isEmpty()) return refused;
        try {
          return writeFailed(failure, what);
        } catch (...) {
          // Never "": that would read as kept.
          return QStringLiteral("Not enough memory to save the file");
        }
      });
}

QVariantMap SettingsSection::writeIfUnchanged(const QVariantMap& expected,
                                              const QVariantMap& changes) {
  QVariantMap refused;
  return guardedCall(
      "SettingsSection::writeIfUnchanged",
      [&] {
        refused =
            QVariantMap{{QStringLiteral("error"), writeFailed(CallFailure::NoMemory, QString())},
                        {QStringLiteral("changed"), false}};
        const QVariantMap kept{{QStringLiteral("error"), QString()},
                               {QStringLiteral("changed"), false}};
        const halvory_app::StoreFault fault = file_.write(category_, changes, expected);
        if (fault == halvory_app::StoreFault::None) return kept;
        return QVariantMap{
            {QStringLiteral("error"), halvory_app::storeFaultText(fault, file_.path())},
            {QStringLiteral("changed"), fault == halvory_app::StoreFault::Changed}};
      },
      [&refused](CallFailure failure, const QString& what) {
        if (failure == CallFailure::NoMemory && !refused.isEmpty()) return refused;
        return QVariantMap{{QStringLiteral("error"), writeFailed(failure, what)},
                           {QStringLiteral("changed"), false}};
      });
}
