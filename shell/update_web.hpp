#pragma once
// What the update check and the download both read off a reply or a URL.

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QString>
#include <QUrl>
#include <QVariant>

namespace update_web {

// Set on a manifest or download reply that was cut off for being too large.
inline constexpr const char* kOversizeProperty = "updateManifestOversize";

inline int httpStatus(const QNetworkReply* reply) {
  const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  return status.isValid() ? status.toInt() : 0;
}

inline bool isWebUrl(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
         !url.host().isEmpty();
}

}  // namespace update_web
