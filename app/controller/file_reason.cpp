#include "controller/file_reason.hpp"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariantMap>

#include "controller/refusal_words.hpp"

namespace halvory_app {

namespace {

// A reason's map: {"text", "args"}, where an argument is a plain text, a
// reason's map, or {"field"}, the set-up page's label of a request key.
QString wordMap(const QVariantMap& map) {
  if (map.contains(QStringLiteral("field")))
    return entryLabel(map.value(QStringLiteral("field")).toString().toStdString());
  const QString text = map.value(QStringLiteral("text")).toString();
  if (text.isEmpty()) return {};
  QString out = QCoreApplication::translate("AppController", text.toUtf8().constData());
  QStringList worded;
  for (const QVariant& arg : map.value(QStringLiteral("args")).toList())
    worded.append(arg.typeId() == QMetaType::QVariantMap ? wordMap(arg.toMap()) : arg.toString());
  // Each argument in one step, so that a "%1" inside an argument stays.
  switch (worded.size()) {
    case 0:
      return out;
    case 1:
      return out.arg(worded[0]);
    case 2:
      return out.arg(worded[0], worded[1]);
    case 3:
      return out.arg(worded[0], worded[1], worded[2]);
    default:
      return out.arg(worded[0], worded[1], worded[2], worded[3]);
  }
}

}  // namespace

QVariantMap FileReason::toMap() const {
  return QVariantMap{{QStringLiteral("text"), source}, {QStringLiteral("args"), args}};
}

QVariant FileReason::toVariant() const {
  // As JSON text: the page hands it back unchanged, where a map would come
  // back as a script value.
  return QString::fromUtf8(
      QJsonDocument(QJsonObject::fromVariantMap(toMap())).toJson(QJsonDocument::Compact));
}

QString FileReason::word(const QVariant& reason) {
  if (reason.typeId() == QMetaType::QVariantMap) return wordMap(reason.toMap());
  const QString text = reason.toString();
  const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
  return document.isObject() ? wordMap(document.object().toVariantMap()) : text;
}

}  // namespace halvory_app
