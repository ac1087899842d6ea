#include "controller/file_reason.hpp"

#include <QCoreApplication>
#include <QVariantMap>

#include "controller/refusal_words.hpp"

namespace halvory_app {

QVariant FileReason::toVariant() const {
  return QVariantMap{{QStringLiteral("text"), source}, {QStringLiteral("args"), args}};
}

QString FileReason::word(const QVariant& reason) {
  if (reason.typeId() != QMetaType::QVariantMap) return reason.toString();
  const QVariantMap map = reason.toMap();
  if (map.contains(QStringLiteral("field")))
    return entryLabel(map.value(QStringLiteral("field")).toString().toStdString());
  const QString text = map.value(QStringLiteral("text")).toString();
  if (text.isEmpty()) return {};
  QString out = QCoreApplication::translate("AppController", text.toUtf8().constData());
  // Each argument in one step, so that a "%1" inside an argument stays.
  const QVariantList args = map.value(QStringLiteral("args")).toList();
  QStringList worded;
  for (const QVariant& arg : args) worded.append(word(arg));
  switch (worded.size()) {
    case 0: return out;
    case 1: return out.arg(worded[0]);
    case 2: return out.arg(worded[0], worded[1]);
    case 3: return out.arg(worded[0], worded[1], worded[2]);
    default: return out.arg(worded[0], worded[1], worded[2], worded[3]);
  }
}

}  // namespace halvory_app
