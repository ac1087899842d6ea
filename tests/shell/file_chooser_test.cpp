// FileChooser: the size it opens at, the layout it keeps in the settings
// file, the completion list that may not outlive the dialog or the text it
// completes, and the hand-over of the chosen file.

#include "file_chooser.hpp"

#include "controller/settings_file.hpp"

#include <QApplication>
#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kGroup = QStringLiteral("fileDialog");

QSize screenRoom() {
  return QGuiApplication::primaryScreen()->availableGeometry().size() * 0.95;
}

QWidget* completionList(FileChooser& chooser) {
  auto* field = chooser.dialog()->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  return field && field->completer() ? field->completer()->popup() : nullptr;
}

// Runs the calls the dialog queued (the list is hidden by a queued call):
// all of them, however long the machine takes.
void runQueuedCalls() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
  QCoreApplication::processEvents();
}

}  // namespace

class FileChooserTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    halvory_app::SettingsFile store;
    QVERIFY(store.write(kGroup, {{QStringLiteral("width"), QVariant()},
                                 {QStringLiteral("height"), QVariant()},
                                 {QStringLiteral("layout"), QVariant()}}) ==
            halvory_app::StoreFault::None);
  }

  // What the settings file holds decides the size, within the screen.
  void opensAtAUsableSize_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QSize>("wanted");
    const QSize room = screenRoom();
    QTest::newRow("nothing kept") << QString() << QString() << QSize(800, 500).boundedTo(room);
    QTest::newRow("unreadable") << QStringLiteral("wide") << QStringLiteral("-3")
                                << QSize(800, 500).boundedTo(room);
    QTest::newRow("the user's size")
        << QStringLiteral("520") << QStringLiteral("380") << QSize(520, 380);
    QTest::newRow("larger than the screen")
        << QStringLiteral("9000") << QStringLiteral("9000") << room;
  }

  void opensAtAUsableSize() {
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QSize, wanted);
    halvory_app::SettingsFile store;
    QVERIFY(store.write(kGroup,
                        {{QStringLiteral("width"), width}, {QStringLiteral("height"), height}}) ==
            halvory_app::StoreFault::None);
    FileChooser chooser;
    chooser.open();
    QVERIFY(chooser.dialog());
    QCOMPARE(chooser.dialog()->size(), wanted.expandedTo(chooser.dialog()->minimumSizeHint()));
    chooser.reject();
  }

  // The size and layout the user leaves are those of the next opening.
  void keepsTheLayoutTheUserLeft() {
    FileChooser chooser;
    chooser.open();
    const QSize left = QSize(560, 410).expandedTo(chooser.dialog()->minimumSizeHint());
    chooser.dialog()->resize(left);
    chooser.reject();
    halvory_app::SettingsFile store;
    QCOMPARE(store.value(kGroup, QStringLiteral("width")).toString(),
             QString::number(left.width()));
    QVERIFY(!store.value(kGroup, QStringLiteral("layout")).toString().isEmpty());
    FileChooser again;
    again.open();
    QCOMPARE(again.dialog()->size(), left);
    again.reject();
  }

  // A dialog closed as it opened leaves the settings file as it was: no
  // write. Its columns fit the folder once the folder is read, which may
  // come after a close on a slow machine; so the layout kept may change
  // for a few openings, but once it holds, a close writes nothing.
  void closingAnUnchangedDialogWritesNothing() {
    bool unchanged = false;
    for (int round = 0; round < 6 && !unchanged; ++round) {
      const quint64 before = halvory_app::SettingsFile::writesMade();
      FileChooser chooser;
      chooser.open();
      runQueuedCalls();
      chooser.reject();
      unchanged = halvory_app::SettingsFile::writesMade() == before;
    }
    QVERIFY(unchanged);
  }

  // Qt shows the list again when a folder has been read; it may show only
  // while its dialog is up and its field holds text.
  void completionListGoesWithTheDialogAndItsText() {
    FileChooser chooser;
    chooser.open();
    QWidget* list = completionList(chooser);
    QVERIFY(list);
    auto* field = chooser.dialog()->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    field->setText(QStringLiteral("/tm"));
    list->show();
    runQueuedCalls();
    QVERIFY(list->isVisible());
    field->clear();
    runQueuedCalls();
    QVERIFY2(!list->isVisible(), "the emptied field keeps its list");
    list->show();
    runQueuedCalls();
    QVERIFY2(!list->isVisible(), "a list over an empty field");
    field->setText(QStringLiteral("/tm"));
    list->show();
    chooser.reject();
    QVERIFY(!list->isVisible());
    list->show();
    runQueuedCalls();
    QVERIFY2(!list->isVisible(), "the list outlives its dialog");
  }

  // accept() hands over currentFile; FileDialogs.shown follows every chooser.
  void handsOverTheChosenFile() {
    FileChooserState state;
    QSignalSpy shown(&state, &FileChooserState::shownChanged);
    FileChooser chooser;
    QSignalSpy accepted(&chooser, &FileChooser::accepted);
    const QUrl file = QUrl::fromLocalFile(QDir::temp().filePath(QStringLiteral("a.txt")));
    chooser.setCurrentFile(file);
    chooser.open();
    QVERIFY(chooser.isVisible() && state.shown());
    chooser.accept();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(chooser.file(), file);
    QVERIFY(!chooser.isVisible() && !state.shown());
    QCOMPARE(shown.count(), 2);
  }
};

int main(int argc, char** argv) {
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setOrganizationName(QStringLiteral("PellarisTest"));
  QCoreApplication::setApplicationName(QStringLiteral("FileChooserTest"));
  QApplication app(argc, argv);
  FileChooserTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "file_chooser_test.moc"
