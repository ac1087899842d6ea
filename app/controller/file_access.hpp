#pragma once
// What the project files and the text files share on the user's disk: a
// file URL taken to its local path, a regular file opened for reading
// without blocking, and the answer maps their calls return.

#include <initializer_list>
#include <utility>

#include <QFile>
#include <QIODevice>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <QVariantMap>

#include "controller/file_reason.hpp"

namespace file_access {

// Qt's own file dialog, used where the desktop offers none, answers a typed
// file name with a bare absolute path rather than a file URL; such a path is
// a local file all the same. Relative paths stay refused.
QUrl asFileUrl(const QUrl& url);

// A file call's answer: not done, no error, and the call's own fields
// empty, until the call fills them in.
QVariantMap notDoneAnswer(std::initializer_list<std::pair<QString, QVariant>> fields = {});

// The answer with its error said.
QVariantMap failed(QVariantMap answer, const QString& error);

// The answer with its reason, worded now and kept as a reason ("reason"),
// so that a message showing it can word it again in another language.
QVariantMap refused(QVariantMap answer, const halvory_app::FileReason& reason);

// The local path a file URL names, or empty with the error the project and
// text-file functions report.
QString localFilePath(const QUrl& fileUrl, QString* error);

// Opens a file for reading only when it is a regular file: a device such as
// /dev/zero never ends, and opening a FIFO would block the GUI thread until
// someone writes to it. The open itself never blocks, and the type is
// checked on the opened file, so nothing can be swapped in between.
enum class RegularOpen { Ok, NotRegular, Failed };

RegularOpen openRegularFile(const QString& path, QIODevice::OpenMode mode, QFile& file,
                            QString* error);

}  // namespace file_access
