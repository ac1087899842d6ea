#include "file_chooser.hpp"

#include <QHeaderView>
#include <QListView>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QLocale>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QWindow>

#include "controller/settings_file.hpp"

using halvory_app::CallFailure;
using halvory_app::guardedCall;

namespace {

const char* const kNoMemoryToOpen =
    QT_TRANSLATE_NOOP("AppController", "Not enough memory to open the file dialog");
const char* const kNoMemoryToClose =
    QT_TRANSLATE_NOOP("AppController", "Not enough memory to close the file dialog");

// The settings-file section that keeps the dialog's size and column layout.
const QString kLayoutGroup = QStringLiteral("fileDialog");
const QString kWidthKey = QStringLiteral("width");
const QString kHeightKey = QStringLiteral("height");
const QString kLayoutKey = QStringLiteral("layout");
// Wide enough for the name, size, type and date columns and the places
// list with their translated words.
constexpr int kUsableWidth = 800;
constexpr int kUsableHeight = 500;

int shownCount = 0;
QList<FileChooserState*> watchers;

void setShownCount(int count) {
  const bool before = shownCount > 0;
  shownCount = count;
  if (before == (shownCount > 0)) return;
  for (FileChooserState* watcher : std::as_const(watchers)) emit watcher->shownChanged();
}

// Qt's file model writes sizes and dates in the system's language; the
// dialog lists them in the language the user chose.
class ChosenLanguageFigures : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    constexpr int kSizeColumn = 1;
    constexpr int kDateColumn = 3;
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == kSizeColumn && !files->isDir(source))
      return QLocale().formattedDataSize(files->size(source));
    if (index.column() == kDateColumn)
      return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    return QIdentityProxyModel::data(index, role);
  }
};

// The name field's completion list is a window of its own. Qt shows it again
// when a folder it waited for has been read: also after the dialog has
// closed, where it stays over the main window and takes the next click, and
// after a typed folder was entered, over the emptied field. It may show only
// while its dialog does and the field holds something to complete.
class CompletionGuard : public QObject {
 public:
  CompletionGuard(QFileDialog* dialog, QLineEdit* field, QWidget* popup)
      : QObject(popup), dialog_(dialog), field_(field) {
    popup->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show &&
        (!dialog_ || !dialog_->isVisible() || !field_ || field_->text().isEmpty()))
      QMetaObject::invokeMethod(static_cast<QWidget*>(watched), &QWidget::hide,
                                Qt::QueuedConnection);
    return false;
  }

 private:
  QPointer<QFileDialog> dialog_;
  QPointer<QLineEdit> field_;
};

QLineEdit* nameField(QFileDialog* dialog) {
  return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

QWidget* completionList(QFileDialog* dialog) {
  QLineEdit* field = nameField(dialog);
  QCompleter* completer = field ? field->completer() : nullptr;
  return completer ? completer->popup() : nullptr;
}

// Widens what is too narrow for its words (the places, and the size, type
// and date columns, in the chosen language); widths the user left wider
// stay. The name column gives way only where the others would not fit.
void fitColumns(QFileDialog* dialog) {
  if (auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
    QHeaderView* header = view->header();
    int others = 0;
    for (int column = 1; column < header->count(); ++column) {
      if (header->isSectionHidden(column)) continue;
      const int wanted =
          qMax(static_cast<const QAbstractItemView*>(view)->sizeHintForColumn(column),
               header->sectionSizeHint(column));
      if (header->sectionSize(column) < wanted) header->resizeSection(column, wanted);
      others += header->sectionSize(column);
    }
    constexpr int kLeastNameWidth = 200;
    const int room = view->viewport()->width() - others;
    if (header->sectionSize(0) > room) header->resizeSection(0, qMax(room, kLeastNameWidth));
  }
  auto* places = dialog->findChild<QListView*>(QStringLiteral("sidebar"));
  auto* splitter = dialog->findChild<QSplitter*>(QStringLiteral("splitter"));
  if (!places || !splitter) return;
  const int wanted = places->sizeHintForColumn(0) + 2 * places->frameWidth() +
                     places->verticalScrollBar()->sizeHint().width();
  QList<int> sizes = splitter->sizes();
  if (sizes.size() != 2 || sizes[0] >= wanted) return;
  sizes[1] -= wanted - sizes[0];
  sizes[0] = wanted;
  splitter->setSizes(sizes);
}

}  // namespace

FileChooserState::FileChooserState(QObject* parent) : QObject(parent) {
  watchers.append(this);
}

FileChooserState::~FileChooserState() {
  watchers.removeAll(this);
}

FileChooser::FileChooser(QObject* parent) : QObject(parent) {}

FileChooser::~FileChooser() {
  delete spent_.data();
  if (dialog_) {
    delete dialog_.data();
    setShownCount(shownCount - 1);
  }
}

bool FileChooser::anyShown() {
  return shownCount > 0;
}

void FileChooser::setTitle(const QString& title) {
  if (title == title_) return;
  title_ = title;
  if (dialog_) dialog_->setWindowTitle(title);
  emit titleChanged();
}

void FileChooser::setFileMode(FileMode mode) {
  if (mode == fileMode_) return;
  fileMode_ = mode;
  emit fileModeChanged();
}

void FileChooser::setNameFilters(const QStringList& filters) {
  if (filters == nameFilters_) return;
  nameFilters_ = filters;
  if (dialog_) dialog_->setNameFilters(filters);
  emit nameFiltersChanged();
}

void FileChooser::setDefaultSuffix(const QString& suffix) {
  if (suffix == defaultSuffix_) return;
  defaultSuffix_ = suffix;
  emit defaultSuffixChanged();
}

void FileChooser::setAcceptLabel(const QString& label) {
  if (label == acceptLabel_) return;
  acceptLabel_ = label;
  emit acceptLabelChanged();
}

QUrl FileChooser::folder() const {
  return dialog_ ? dialog_->directoryUrl() : folder_;
}

void FileChooser::setFolder(const QUrl& folder) {
  if (folder == this->folder()) return;
  folder_ = folder;
  if (dialog_) dialog_->setDirectoryUrl(folder);
  emit folderChanged();
}

QUrl FileChooser::currentFile() const {
  if (dialog_) {
    const QList<QUrl> chosen = dialog_->selectedUrls();
    if (!chosen.isEmpty() && chosen.first() != dialog_->directoryUrl()) return chosen.first();
  }
  return currentFile_;
}

void FileChooser::setCurrentFile(const QUrl& file) {
  if (file == currentFile_) return;
  currentFile_ = file;
  if (dialog_ && file.isValid()) dialog_->selectUrl(file);
  emit currentFileChanged();
}

QWindow* FileChooser::parentWindow() const {
  for (QObject* up = parent(); up; up = up->parent()) {
    if (auto* item = qobject_cast<QQuickItem*>(up)) return item->window();
    if (auto* window = qobject_cast<QWindow*>(up)) return window;
  }
  return QGuiApplication::focusWindow();
}

void FileChooser::open() {
  std::unique_ptr<QFileDialog> made;  // the new dialog, until it is up
  guardedCall(
      "FileChooser::open", [&] { openDialog(made); },
      [&](CallFailure failure, const QString& what) {
        fail(kNoMemoryToOpen, failure, what);
        // Half made, it goes at once (nothing of it runs: this is not its
        // own call).
        made.reset();
      });
}

void FileChooser::openDialog(std::unique_ptr<QFileDialog>& made) {
  if (dialog_) {
    dialog_->raise();
    dialog_->activateWindow();
    return;
  }
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    qWarning("FileChooser: the file dialog needs a widget application");
    return;
  }
  // The dialog of the last opening goes now, when nothing of it runs (it may
  // not go while it hands over the choice: the key press that accepted it
  // is still being handled then).
  if (spent_ && finishing_)
    spent_->deleteLater();
  else
    delete spent_.data();
  setLastError(QString());
  made = std::make_unique<QFileDialog>(nullptr, title_);
  QFileDialog* dialog = made.get();
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setProxyModel(new ChosenLanguageFigures(dialog));
  dialog->setLocale(QLocale());
  const bool saving = fileMode_ == SaveFile;
  dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setNameFilters(nameFilters_);
  dialog->setDefaultSuffix(defaultSuffix_);
  if (!acceptLabel_.isEmpty()) dialog->setLabelText(QFileDialog::Accept, acceptLabel_);

  // The layout the user left (columns, view, places), then the folder wanted.
  halvory_app::SettingsFile store;
  const QByteArray layout =
      QByteArray::fromBase64(store.value(kLayoutGroup, kLayoutKey).toString().toLatin1());
  if (!layout.isEmpty()) dialog->restoreState(layout);
  if (folder_.isValid() && !folder_.isEmpty()) dialog->setDirectoryUrl(folder_);
  if (currentFile_.isValid() && !currentFile_.isEmpty()) dialog->selectUrl(currentFile_);

  // The size the user left, else one that shows the columns; never more
  // than the screen holds.
  QWindow* parentWindow = this->parentWindow();
  QScreen* screen = parentWindow && parentWindow->screen() ? parentWindow->screen()
                                                           : QGuiApplication::primaryScreen();
  const QSize room = screen ? screen->availableGeometry().size() * 0.95 : QSize(1024, 700);
  bool widthOk = false;
  bool heightOk = false;
  const int width = store.value(kLayoutGroup, kWidthKey).toString().toInt(&widthOk);
  const int height = store.value(kLayoutGroup, kHeightKey).toString().toInt(&heightOk);
  const QSize hint = dialog->sizeHint();
  QSize size(qMax(kUsableWidth, hint.width()), qMax(kUsableHeight, hint.height()));
  if (widthOk && heightOk && width > 0 && height > 0) size = QSize(width, height);
  dialog->resize(size.boundedTo(room).expandedTo(dialog->minimumSizeHint()));

  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->winId();
  if (parentWindow && dialog->windowHandle())
    dialog->windowHandle()->setTransientParent(parentWindow);

  if (QWidget* list = completionList(dialog)) {
    QLineEdit* field = nameField(dialog);
    new CompletionGuard(dialog, field, list);
    // A typed folder entered empties the field, the list stays: it goes too.
    connect(field, &QLineEdit::textChanged, list, [list](const QString& text) {
      if (text.isEmpty()) list->hide();
    });
  }
  // Each folder read brings its own words to fit.
  if (auto* files = dialog->findChild<QFileSystemModel*>())
    connect(
        files, &QFileSystemModel::directoryLoaded, dialog, [dialog] { fitColumns(dialog); },
        Qt::QueuedConnection);
  connect(dialog, &QDialog::finished, this,
          [this](int result) { finish(result == QDialog::Accepted); });

  dialog_ = dialog;
  file_ = QUrl();
  setShownCount(shownCount + 1);
  emit visibleChanged();
  dialog->show();
  // The name field comes up empty or wholly selected, so that typing
  // replaces it, and takes the keyboard (a desktop without a window manager
  // hands it to nobody).
  fitColumns(dialog);
  if (QLineEdit* field = nameField(dialog)) {
    field->setFocus();
    field->selectAll();
  }
  dialog->activateWindow();
  made.release();  // dialog_ holds it now
}

void FileChooser::close() {
  reject();
}

void FileChooser::accept() {
  if (!dialog_) return;
  guardedCall(
      "FileChooser::accept",
      [this] {
        forcedFile_ =
            currentFile_.isValid() && !currentFile_.isEmpty() ? currentFile_ : currentFile();
        static_cast<QDialog*>(dialog_.data())->done(QDialog::Accepted);
      },
      [this](CallFailure failure, const QString& what) {
        forcedFile_ = QUrl();
        closeFailed(failure, what);
      });
}

void FileChooser::reject() {
  if (!dialog_) return;
  guardedCall(
      "FileChooser::reject", [this] { dialog_->reject(); },
      [this](CallFailure failure, const QString& what) { closeFailed(failure, what); });
}

void FileChooser::closeFailed(CallFailure failure, const QString& what) {
  // Once the dialog has handed over (or told why it could not), what the
  // closing did after it changes nothing the user chose.
  if (dialog_) fail(kNoMemoryToClose, failure, what);
}

void FileChooser::setLastError(const QString& text) {
  if (text == lastError_) return;
  lastError_ = text;
  emit lastErrorChanged();
}

void FileChooser::fail(const char* noMemoryText, CallFailure failure, const QString& what) {
  // What the failed call left up goes first, allocating nothing: no choice
  // comes of it and the window's shortcuts come back.
  if (QFileDialog* dialog = dialog_) {
    dialog_ = nullptr;
    spent_ = dialog;
    setShownCount(shownCount - 1);
    try {
      dialog->hide();
    } catch (...) {
      // It goes at the next opening all the same.
    }
    emit visibleChanged();
  }
  setLastError(halvory_app::callFailureText(failure, noMemoryText, what));
}

void FileChooser::keepLayout() {
  // The layout carries the folders visited ("Look in" lists them): the last
  // few only, or it would grow with every use.
  constexpr int kKeptFolders = 10;
  const QStringList visited = dialog_->history();
  QStringList kept;
  for (auto it = visited.crbegin(); it != visited.crend() && kept.size() < kKeptFolders; ++it)
    if (!kept.contains(*it)) kept.prepend(*it);
  dialog_->setHistory(kept);
  halvory_app::SettingsFile store;
  const QVariantMap now{{kWidthKey, QString::number(dialog_->width())},
                        {kHeightKey, QString::number(dialog_->height())},
                        {kLayoutKey, QString::fromLatin1(dialog_->saveState().toBase64())}};
  QVariantMap changes;
  for (auto it = now.cbegin(); it != now.cend(); ++it)
    if (store.value(kLayoutGroup, it.key()).toString() != it.value().toString())
      changes.insert(it.key(), it.value());
  if (changes.isEmpty()) return;
  // Only the dialog's layout is lost; the user's file is not concerned.
  const halvory_app::StoreFault fault = store.write(kLayoutGroup, changes);
  if (fault != halvory_app::StoreFault::None)
    qWarning().noquote() << "File dialog layout not kept:"
                         << halvory_app::storeFaultText(fault, store.path());
}

// Run by the dialog's own finishing (the user's button, or accept() and
// reject()), where nothing may throw into the dialog.
void FileChooser::finish(bool chosen) {
  // While the choice is handed over (or the failure told), the dialog is
  // still running its own code: an opening meanwhile deletes it later.
  finishing_ = true;
  guardedCall(
      "FileChooser::finish", [&] { handOver(chosen); },
      [this](CallFailure failure, const QString& what) {
        forcedFile_ = QUrl();
        fail(kNoMemoryToClose, failure, what);
      });
  finishing_ = false;
}

void FileChooser::handOver(bool chosen) {
  QFileDialog* dialog = dialog_;
  if (!dialog) return;
  if (QWidget* list = completionList(dialog)) list->hide();
  dialog->hide();
  // Read whole before any of it is taken: a choice is kept entire or not at all.
  QUrl chosenFile;
  QUrl chosenFolder;
  if (chosen) {
    chosenFile = forcedFile_.isValid() && !forcedFile_.isEmpty() ? forcedFile_
                                                                 : dialog->selectedUrls().value(0);
    chosenFolder = dialog->directoryUrl();
  }
  forcedFile_ = QUrl();
  // Without it only the layout is lost, not the user's choice.
  guardedCall("FileChooser::keepLayout", [this] { keepLayout(); });
  if (chosen) {
    file_ = chosenFile;
    currentFile_ = file_;
    folder_ = chosenFolder;
  }
  dialog_ = nullptr;
  spent_ = dialog;
  setShownCount(shownCount - 1);
  // The window takes the keyboard back (without a window manager nobody
  // would give it).
  if (QWindow* window = parentWindow()) window->requestActivate();
  setLastError(QString());
  emit visibleChanged();
  if (chosen) {
    emit fileChanged();
    emit currentFileChanged();
    emit folderChanged();
    emit accepted();
  } else {
    emit rejected();
  }
}
