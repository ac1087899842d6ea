#include "controller/ui_values.hpp"

#include <cmath>

#include <QByteArray>
#include <QChar>
#include <QCoreApplication>
#include <QtGlobal>

namespace halvory_app {

namespace {

const QString kUnknownMemory = QString(QChar(0x2014));

}  // namespace

QString formatGigabytes(std::uint64_t bytes) {
  if (bytes == 0) return kUnknownMemory;
  const double gigabytes = static_cast<double>(bytes) / 1073741824.0;
  // Below a tenth of a gigabyte one decimal would read "0.0 GB": whole
  // megabytes, rounded up so a need is never understated.
  // The unit is the language's own; the figure keeps its point.
  if (gigabytes < 0.1)
    return QCoreApplication::translate("AppController", "%1 MB")
        .arg(std::ceil(static_cast<double>(bytes) / 1048576.0));
  // QString::number ignores the locale: always a point.
  return QCoreApplication::translate("AppController", "%1 GB")
      .arg(QString::number(gigabytes, 'f', gigabytes < 10.0 ? 1 : 0));
}

bool parseEnvBool(const char* name, bool* isSet) {
  const QByteArray raw = qgetenv(name);
  if (raw.isEmpty()) {
    if (isSet != nullptr) *isSet = false;
    return false;
  }
  if (isSet != nullptr) *isSet = true;
  const QByteArray value = raw.trimmed().toLower();
  return value == "1" || value == "true" || value == "yes" || value == "on";
}

QVariantList doublesToVariantList(const std::vector<double>& values) {
  QVariantList out;
  out.reserve(static_cast<qsizetype>(values.size()));
  for (double v : values) out.append(v);
  return out;
}

QVariantList centsToChipsVariantList(const std::vector<double>& cents) {
  QVariantList out;
  out.reserve(static_cast<qsizetype>(cents.size()));
  for (double v : cents) out.append(v / 100.0);
  return out;
}

QVariantList stringsToVariantList(const std::vector<std::string>& texts) {
  QVariantList out;
  out.reserve(static_cast<qsizetype>(texts.size()));
  for (const std::string& t : texts)
    out.append(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
  return out;
}

std::string compactLatin1(const QString& text) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    if (c.isSpace()) continue;
    out.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '\0');
  }
  return out;
}

}  // namespace halvory_app
