#pragma once
// A reason a file was refused, kept as the catalogue text it is worded from
// and its arguments rather than as words: it is worded in the language in
// force each time it is shown, so a message on screen follows a change of
// language. Texts belong to the controller's translation context.

#include <concepts>

#include <QCoreApplication>
#include <QString>
#include <QVariantMap>
#include <QVariant>
#include <QVariantList>

namespace halvory_app {

class FileReason {
 public:
  FileReason() = default;
  // `text` is a catalogue text of the controller's context (a literal,
  // marked for the catalogues where it is written).
  explicit FileReason(const char* text) : source(QString::fromUtf8(text)) {}
  // A text that is already words: shown as it is.
  FileReason(const QString& words) : FileReason(plain(words)) {}  // NOLINT: words are a reason

  // The next "%n" of the text: a plain value, or a reason worded in turn.
  FileReason arg(const QString& value) const { return with(QVariant(value)); }
  template <std::integral Number>
  FileReason arg(Number value) const {
    return with(QVariant(QString::number(value)));
  }
  FileReason arg(const FileReason& reason) const { return with(reason.toMap()); }

  // The label the set-up page gives the request's entry `key`.
  FileReason argField(const char* key) const {
    return with(QVariantMap{{QStringLiteral("field"), QString::fromLatin1(key)}});
  }
  // A text that is already words (the system's, or a path).
  static FileReason plain(const QString& words) {
    FileReason out("%1");
    out.args.append(words);
    return out;
  }

  bool isEmpty() const { return source.isEmpty(); }
  const QString& text() const { return source; }

  // The words in the language in force.
  QString worded() const { return word(toMap()); }
  // {"text", "args"}.
  QVariantMap toMap() const;
  // The same as JSON text: what travels to the page and back.
  QVariant toVariant() const;
  // Words a reason as toVariant gives it; a plain text stays as it is.
  static QString word(const QVariant& reason);

  // Reasons compare by their words in the language in force.
  friend bool operator==(const FileReason& a, const QString& b) { return a.worded() == b; }

 private:
  FileReason with(const QVariant& value) const {
    FileReason out = *this;
    out.args.append(value);
    return out;
  }
  QString source;
  QVariantList args;
};

}  // namespace halvory_app
