// The program's file dialog in a real X window, typed into as a person types:
// paths typed whole and Return, twenty rounds in a row, each followed at
// once by a real click on the main window that must work; a typed folder
// entered; the window's keys inert behind the dialog; the dialog's size kept
// across starts; its words and dates in German, Russian and Polish.

#include "typed_paths_journey.hpp"

#include "driver.hpp"
#include "file_dialog_steps.hpp"

#include "controller/app_controller.hpp"

#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QQmlContext>
#include <QQmlEngine>
#include <QScreen>
#include <QTreeView>
#include <QWindow>

#include <tuple>

namespace journeys {
namespace {

const QString kOpenTitle = QStringLiteral("Open Project");
const QString kImportTitle = QStringLiteral("Import Range");

QString board(Driver& d) {
  return d.shell()->property("boardText").toString();
}

// The dialog shows the columns: at least 800 x 500 where the screen holds it.
void expectUsableSize(Driver& d, QFileDialog* dialog) {
  const QSize room = dialog->screen()->availableGeometry().size() * 0.95;
  const QSize least = QSize(800, 500).boundedTo(room);
  if (dialog->width() < least.width() || dialog->height() < least.height())
    d.fail(QStringLiteral("the dialog opens at %1x%2").arg(dialog->width()).arg(dialog->height()));
}

QFileDialog* openFromHome(Driver& d) {
  QPointer<QFileDialog> dialog = dialogFromHome(d, QStringLiteral("openProjectButton"), kOpenTitle);
  expectReadyToType(d, dialog);
  expectUsableSize(d, dialog);
  return dialog;
}

int customRangeCount(Driver& d) {
  return d.object(QStringLiteral("projectPage"))->property("oopCustomRanges").toList().size();
}

// What the dialog's detail view lists for `name` in `column` (1 size, 3 date).
QString listed(Driver& d, QFileDialog* dialog, const QString& name, int column) {
  rowOf(d, dialog, name);
  auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
  const QAbstractItemModel* model = view->model();
  for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
    const QModelIndex at = model->index(row, 0, view->rootIndex());
    if (at.data().toString() == name) return at.siblingAtColumn(column).data().toString();
  }
  return QString();
}

}  // namespace

void typedPathsOnScreen() {
  // Run with and without a window manager side by side: pictures apart.
  const QString manager = qEnvironmentVariable("PELLARIS_WM");
  const QString screen = qEnvironmentVariable("PELLARIS_SCREEN").section(QLatin1Char('x'), 0, 1);
  QString name = QStringLiteral("10-typed-paths");
  for (const QString& part : {screen, manager})
    if (!part.isEmpty()) name += QLatin1Char('-') + part;
  runJourney(name, [](Driver& d) {
    // A folder with a space, two projects, a damaged one and a range file.
    const QDir folder(QDir::home().filePath(QStringLiteral("my projects")));
    QDir().mkpath(folder.path());
    const QStringList boards{QStringLiteral("Jc9c4s"), QStringLiteral("Ks7d2c")};
    QStringList projects;
    for (int i = 0; i < boards.size(); ++i) {
      d.shell()->setProperty("boardText", boards[i]);
      QVariant state;
      QMetaObject::invokeMethod(d.shell(), "exportProjectState", Q_RETURN_ARG(QVariant, state));
      projects << QStringLiteral("spot %1.pellarisproj").arg(i);
      if (!d.controller().saveProject(QUrl::fromLocalFile(folder.filePath(projects[i])),
                                      state.toMap()))
        d.fail(QStringLiteral("could not save ") + projects[i]);
    }
    const QString damaged = folder.filePath(QStringLiteral("damaged.pellarisproj"));
    const QString ranges = folder.filePath(QStringLiteral("wide open.txt"));
    for (const auto& [path, text] : {std::pair{damaged, QByteArray("{\"format\": ")},
                                     std::pair{ranges, QByteArray("AA,KK,QQ,AKs")}}) {
      QFile file(path);
      if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        d.fail(QStringLiteral("could not write ") + path);
    }

    // Twenty rounds of four kinds, each ending with the very next click on
    // the main window, which must act.
    for (int round = 0; round < 20; ++round) {
      const QString step = QStringLiteral("r%1-").arg(round, 2, 10, QLatin1Char('0'));
      const int which = (round / 4) % 2;
      switch (round % 4) {
        case 0: {  // a full path and Return; then a click into a field
          d.shell()->setProperty("boardText", QString());
          QPointer<QFileDialog> dialog = openFromHome(d);
          typeOnScreen(d, folder.filePath(projects[which]));
          d.screenShot(step + QStringLiteral("typed-path"));
          d.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
          waitClosed(d, dialog, step);
          d.waitUntil([&] { return board(d) == boards[which]; },
                      QStringLiteral("the typed path to open ") + projects[which]);
          expectOnlyMainWindow(d, step + QStringLiteral("after the typed path"));
          QQuickItem* pot = d.item(QStringLiteral("startingPotField"));
          d.screenClick(onScreen(d, pot));
          d.xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
          typeOnScreen(d, QStringLiteral("25"));
          d.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
          d.waitUntil([&] { return d.shell()->property("startingPot").toDouble() == 25; },
                      QStringLiteral("the click into Starting Pot to take \"25\""));
          break;
        }
        case 1: {  // a folder's path entered, then a name; then a click on a tab
          d.shell()->setProperty("boardText", QString());
          QPointer<QFileDialog> dialog = openFromHome(d);
          d.xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
          typeOnScreen(d, folder.path());
          d.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
          auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
          d.waitUntil(
              [&] {
                return dialog->directory().absolutePath() == folder.absolutePath() &&
                       field->text().isEmpty();
              },
              QStringLiteral("the typed folder to be entered (the dialog shows %1)")
                  .arg(dialog->directory().absolutePath()));
          if (!dialog->isVisible()) d.fail(QStringLiteral("the typed folder closed the dialog"));
          d.screenShot(step + QStringLiteral("folder-entered"));
          // No completion list over the emptied field, to take the next click.
          if (field->completer() && field->completer()->popup()->isVisible())
            d.fail(QStringLiteral("the completion list stays after the folder was entered"));
          typeOnScreen(d, projects[which]);
          d.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
          waitClosed(d, dialog, step);
          d.waitUntil([&] { return board(d) == boards[which]; },
                      QStringLiteral("the name typed in the folder to open ") + projects[which]);
          expectOnlyMainWindow(d, step + QStringLiteral("after the typed name"));
          d.screenClick(onScreen(d, d.item(QStringLiteral("tab0"))));
          d.waitUntil([&] { return d.shell()->property("navIndex").toInt() == 0; },
                      QStringLiteral("the click on the Home tab to act"));
          break;
        }
        case 2: {  // a path that fails; then one click on OK
          const QString before = board(d);
          QPointer<QFileDialog> dialog = openFromHome(d);
          Driver::expectMessage(QStringLiteral("Load failed:"));
          typeOnScreen(d, damaged);
          d.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
          waitClosed(d, dialog, step);
          QQuickItem* ok = d.item(QStringLiteral("messageOkButton"));
          expectOnlyMainWindow(d, step + QStringLiteral("after the failed path"));
          d.screenShot(step + QStringLiteral("open-failed"));
          d.screenClick(onScreen(d, ok));
          d.waitUntil([&] { return !d.findVisible(QStringLiteral("fileErrorDialog")); },
                      QStringLiteral("one click on OK to close \"Open Failed\""));
          if (board(d) != before) d.fail(QStringLiteral("the failed open changed the project"));
          break;
        }
        default: {  // the range import; then one click on Import
          openTab(d, 0);
          const int before = customRangeCount(d);
          QPointer<QFileDialog> dialog = dialogFromClick(
              d, onScreen(d, d.item(QStringLiteral("quickAction_importRange"))), kImportTitle);
          expectReadyToType(d, dialog);
          typeOnScreen(d, ranges);
          d.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
          waitClosed(d, dialog, step);
          QQuickItem* confirm = d.item(QStringLiteral("importConfirm"));
          expectOnlyMainWindow(d, step + QStringLiteral("after the typed range file"));
          d.screenClick(onScreen(d, confirm));
          d.waitUntil([&] { return customRangeCount(d) == before + 1; },
                      QStringLiteral("one click on Import to import the range"));
          break;
        }
      }
    }

    // The window's keys stand still behind the dialog; Escape closes it.
    QPointer<QFileDialog> dialog = openFromHome(d);
    const QString board0 = board(d);
    for (const char* key : {"ctrl+2", "ctrl+3", "ctrl+4", "ctrl+comma", "F5", "ctrl+1"}) {
      d.xdotool({QStringLiteral("key"), QString::fromLatin1(key)});
      d.settle(100);
      if (d.shell()->property("navIndex").toInt() != 0 || d.controller().getRunning() ||
          !dialog->isVisible())
        d.fail(QStringLiteral("%1 acted behind the dialog").arg(QString::fromLatin1(key)));
    }
    d.xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    waitClosed(d, dialog, QStringLiteral("Escape"));
    if (d.shell()->property("navIndex").toInt() != 0 || board(d) != board0)
      d.fail(QStringLiteral("Escape did more than close the dialog"));
    expectOnlyMainWindow(d, QStringLiteral("after Escape"));

    // The size and columns the user leaves are those of the next start.
    dialog = openFromHome(d);
    const QSize left = dialog->size() + QSize(60, 40);
    dialog->resize(left);
    auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    view->header()->resizeSection(0, 330);
    d.waitUntil([&] { return dialog->size() == left; }, QStringLiteral("the dialog to grow"));
    d.screenClick(onScreen(dialogButton(d, dialog, QDialogButtonBox::Cancel)));
    waitClosed(d, dialog, QStringLiteral("cancel"));
    // Started again in developer mode, for the library exports below.
    qputenv("HALVORY_DEV_MODE", "1");
    d.stop();
    d.start();
    dialog = openFromHome(d);
    view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    if (dialog->size() != left || view->header()->sectionSize(0) != 330)
      d.fail(QStringLiteral("after a restart the dialog is %1x%2 with a name column %3 wide")
                 .arg(dialog->width())
                 .arg(dialog->height())
                 .arg(view->header()->sectionSize(0)));
    d.screenClick(onScreen(dialogButton(d, dialog, QDialogButtonBox::Cancel)));
    waitClosed(d, dialog, QStringLiteral("cancel after the restart"));

    // The developers' two library exports: the same dialog, a typed full
    // path, the file written there.
    d.click(QStringLiteral("heroNewSolveButton"));
    for (const auto& [tab, title, file] :
         {std::tuple{"oopStandardTab", "Export Standard Ranges", "standard export.json"},
          std::tuple{"oopPopulationTab", "Export Population Ranges", "population export.json"}}) {
      d.click(QString::fromLatin1(tab));
      const QString path = folder.filePath(QString::fromLatin1(file));
      QPointer<QFileDialog> chooser =
          dialogFromClick(d, onScreen(d, d.item(QStringLiteral("oopExportLibraryButton"))),
                          QString::fromLatin1(title));
      expectReadyToType(d, chooser);
      expectUsableSize(d, chooser);
      typeOnScreen(d, path);
      d.xdotool({QStringLiteral("key"), QStringLiteral("Return")});
      waitClosed(d, chooser, QString::fromLatin1(title));
      d.waitUntil([&] { return QFileInfo(path).size() > 0; }, path + QStringLiteral(" written"));
      expectOnlyMainWindow(d, QStringLiteral("after ") + QString::fromLatin1(title));
    }

    // The dialog in German, Russian and Polish: Qt's words and the dates.
    QObject* languages = qmlEngine(d.window())
                             ->rootContext()
                             ->contextProperty(QStringLiteral("languageManager"))
                             .value<QObject*>();
    for (const char* code : {"de", "ru", "pl", "en"}) {
      QMetaObject::invokeMethod(languages, "setLanguage",
                                Q_ARG(QString, QString::fromLatin1(code)));
      const QString title = QCoreApplication::translate("HomePage", "Open Project");
      const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
      if (qstrcmp(code, "en") != 0 && lookIn == QLatin1String("Look in:"))
        d.fail(QStringLiteral("no Qt catalogue for ") + QString::fromLatin1(code));
      QPointer<QFileDialog> shown = dialogFromHome(d, QStringLiteral("openProjectButton"), title);
      auto* label = shown->findChild<QLabel*>(QStringLiteral("lookInLabel"));
      if (!label || label->text() != lookIn)
        d.fail(QStringLiteral("the dialog reads \"%1\" for \"%2\"")
                   .arg(label ? label->text() : QString(), lookIn));
      const QFileInfo listedFile(folder.filePath(projects[0]));
      const QStringList shownFigures{listed(d, shown, projects[0], 1),
                                     listed(d, shown, projects[0], 3)};
      const QStringList wanted{QLocale().formattedDataSize(listedFile.size()),
                               QLocale().toString(listedFile.lastModified(), QLocale::ShortFormat)};
      if (shownFigures != wanted)
        d.fail(QStringLiteral("in %1 the size and date read \"%2\", not \"%3\"")
                   .arg(QString::fromLatin1(code), shownFigures.join(QLatin1String("; ")),
                        wanted.join(QLatin1String("; "))));
      d.screenShot(QStringLiteral("language-") + QString::fromLatin1(code));
      d.screenClick(onScreen(dialogButton(d, shown, QDialogButtonBox::Cancel)));
      waitClosed(d, shown, QStringLiteral("cancel"));
    }
  });
}

}  // namespace journeys
