#pragma once
// The program's one file dialog, for QML: Qt's widget file dialog (never the
// desktop's), the same for every file the user picks or names. Each opening
// is a fresh dialog (the last one is deleted then), so nothing typed or listed in one use carries
// over into the next; it opens at a size that shows its columns (or the size and column layout the
// user left it at, kept in the settings file), lists dates in the chosen language, and leaves no
// window of its own behind when it closes.

#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <memory>

#include "controller/guarded_call.hpp"

class QWindow;

class FileChooser : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
  Q_PROPERTY(FileMode fileMode READ fileMode WRITE setFileMode NOTIFY fileModeChanged)
  Q_PROPERTY(
      QStringList nameFilters READ nameFilters WRITE setNameFilters NOTIFY nameFiltersChanged)
  // Added to a typed name without one (no dot): "pellarisproj", not ".pellarisproj".
  Q_PROPERTY(
      QString defaultSuffix READ defaultSuffix WRITE setDefaultSuffix NOTIFY defaultSuffixChanged)
  Q_PROPERTY(QString acceptLabel READ acceptLabel WRITE setAcceptLabel NOTIFY acceptLabelChanged)
  // The folder the next opening starts in; while open, the folder shown.
  Q_PROPERTY(QUrl folder READ folder WRITE setFolder NOTIFY folderChanged)
  // The file chosen in the dialog (set beforehand: the file it proposes).
  Q_PROPERTY(QUrl currentFile READ currentFile WRITE setCurrentFile NOTIFY currentFileChanged)
  // The file of the last acceptance.
  Q_PROPERTY(QUrl file READ file NOTIFY fileChanged)
  Q_PROPERTY(bool visible READ isVisible NOTIFY visibleChanged)
  // Why the last opening or closing failed (the memory ran out), in the
  // language in force; "" after one that worked. A dialog that failed is
  // gone, and nothing was chosen in it.
  Q_PROPERTY(QString lastError READ lastError NOTIFY lastErrorChanged)

 public:
  enum FileMode { OpenFile, SaveFile };
  Q_ENUM(FileMode)

  explicit FileChooser(QObject* parent = nullptr);
  ~FileChooser() override;

  QString title() const { return title_; }
  void setTitle(const QString& title);
  FileMode fileMode() const { return fileMode_; }
  void setFileMode(FileMode mode);
  QStringList nameFilters() const { return nameFilters_; }
  void setNameFilters(const QStringList& filters);
  QString defaultSuffix() const { return defaultSuffix_; }
  void setDefaultSuffix(const QString& suffix);
  QString acceptLabel() const { return acceptLabel_; }
  void setAcceptLabel(const QString& label);
  QUrl folder() const;
  void setFolder(const QUrl& folder);
  QUrl currentFile() const;
  void setCurrentFile(const QUrl& file);
  QUrl file() const { return file_; }
  bool isVisible() const { return !dialog_.isNull(); }
  QString lastError() const { return lastError_; }

  // Whether any file chooser of the program is up (the window's shortcuts
  // stand still meanwhile).
  static bool anyShown();

  // The dialog's widget while it is up (tests drive it as a user would).
  QFileDialog* dialog() const { return dialog_; }

  Q_INVOKABLE void open();
  Q_INVOKABLE void close();
  // As if the user chose: currentFile, else what the dialog holds.
  Q_INVOKABLE void accept();
  Q_INVOKABLE void reject();

 signals:
  void titleChanged();
  void fileModeChanged();
  void nameFiltersChanged();
  void defaultSuffixChanged();
  void acceptLabelChanged();
  void folderChanged();
  void currentFileChanged();
  void fileChanged();
  void visibleChanged();
  void lastErrorChanged();
  void accepted();
  void rejected();

 private:
  QWindow* parentWindow() const;
  void openDialog(std::unique_ptr<QFileDialog>& made);
  void finish(bool chosen);
  void handOver(bool chosen);
  // After a failed call: the dialog is taken down whatever state it was
  // left in, and the failure is told.
  void fail(const char* noMemoryText, halvory_app::CallFailure failure, const QString& what);
  // After a failed accept or reject.
  void closeFailed(halvory_app::CallFailure failure, const QString& what);
  void setLastError(const QString& text);
  void keepLayout();

  QString title_;
  FileMode fileMode_ = OpenFile;
  QStringList nameFilters_;
  QString defaultSuffix_;
  QString acceptLabel_;
  QUrl folder_;
  QUrl currentFile_;
  QUrl file_;
  QUrl forcedFile_;  // what accept() chose in the user's stead
  QPointer<QFileDialog> dialog_;
  QPointer<QFileDialog> spent_;  // closed, deleted at the next opening
  bool finishing_ = false;       // handing over the choice
  QString lastError_;
};

// The file choosers' state for QML: `shown` while any of them is up (the
// window's shortcuts stand still meanwhile).
class FileChooserState : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool shown READ shown NOTIFY shownChanged)

 public:
  explicit FileChooserState(QObject* parent = nullptr);
  ~FileChooserState() override;
  bool shown() const { return FileChooser::anyShown(); }

 signals:
  void shownChanged();
};
