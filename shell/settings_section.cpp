#include "settings_section.hpp"

SettingsSection::SettingsSection(QObject* parent) : QObject(parent) {}

void SettingsSection::setCategory(const QString& category) {
  if (category == category_) return;
  category_ = category;
  emit categoryChanged();
}

QVariant SettingsSection::value(const QString& key, const QVariant& fallback) {
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
  return file_.storedLine(category_, key);
}

QString SettingsSection::readProblem() const {
  return halvory_app::storeFaultText(file_.readFault(), file_.path(), true);
}

bool SettingsSection::lost(const QString& key) {
  return file_.lost(category_, key);
}

QString SettingsSection::write(const QVariantMap& changes) {
  return halvory_app::storeFaultText(file_.write(category_, changes), file_.path());
}

QVariantMap SettingsSection::writeIfUnchanged(const QVariantMap& expected,
                                              const QVariantMap& changes) {
  const halvory_app::StoreFault fault = file_.write(category_, changes, expected);
  return {{QStringLiteral("error"), halvory_app::storeFaultText(fault, file_.path())},
          {QStringLiteral("changed"), fault == halvory_app::StoreFault::Changed}};
}
