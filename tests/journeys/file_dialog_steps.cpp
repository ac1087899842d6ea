#include "file_dialog_steps.hpp"

#include "driver.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QWindow>

namespace journeys {

void openTab(Driver& d, int page) {
  QQuickItem* tab = d.item(QStringLiteral("tab%1").arg(page));
  d.waitUntil([&] { return tab->property("allowed").toBool(); },
              QStringLiteral("tab %1 to open").arg(page));
  d.click(tab);
  d.waitUntil([&] { return d.shell()->property("navIndex").toInt() == page; },
              QStringLiteral("page %1 to show").arg(page));
}

QPoint onScreen(Driver& d, QQuickItem* item) {
  d.scrollIntoView(item);
  const QPointF centre(item->width() / 2, item->height() / 2);
  return d.window()->mapToGlobal(item->mapToScene(centre).toPoint());
}

QPoint onScreen(QWidget* widget) {
  return widget->mapToGlobal(widget->rect().center());
}

QFileDialog* dialogFromClick(Driver& d, QPoint at, const QString& title) {
  d.screenClick(at);
  d.xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
             QStringLiteral("--name"), QStringLiteral("^%1$").arg(title)},
            20000);
  return d.fileDialog(title);
}

QFileDialog* dialogFromHome(Driver& d, const QString& button, const QString& title) {
  openTab(d, 0);
  return dialogFromClick(d, onScreen(d, d.item(button)), title);
}

QPoint rowOf(Driver& d, QFileDialog* dialog, const QString& name) {
  QAbstractItemView* view = nullptr;
  QModelIndex index;
  const auto listed = [&] {
    for (const char* viewName : {"listView", "treeView"}) {
      auto* candidate = dialog->findChild<QAbstractItemView*>(QString::fromLatin1(viewName));
      if (!candidate || !candidate->isVisible()) continue;
      const QAbstractItemModel* model = candidate->model();
      for (int row = 0; row < model->rowCount(candidate->rootIndex()); ++row) {
        const QModelIndex at = model->index(row, 0, candidate->rootIndex());
        if (at.data().toString() != name) continue;
        view = candidate;
        index = at;
        return true;
      }
    }
    return false;
  };
  d.waitUntil(listed, QStringLiteral("%1 listed in the dialog").arg(name));
  view->scrollTo(index);
  d.settle();
  const QRect box = view->visualRect(index);
  return view->viewport()->mapToGlobal(
      QPoint(box.left() + qMin(40, box.width() / 2), box.center().y()));
}

QPushButton* dialogButton(Driver& d, QFileDialog* dialog, QDialogButtonBox::StandardButton which) {
  auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  QPushButton* button = box ? box->button(which) : nullptr;
  if (!button) d.fail(QStringLiteral("the file dialog lacks a button"));
  return button;
}

void waitClosed(Driver& d, QPointer<QFileDialog> dialog, const QString& why) {
  d.waitUntil([dialog] { return !dialog || !dialog->isVisible(); },
              QStringLiteral("the dialog to close: ") + why);
  d.settle();
}

void expectReadyToType(Driver& d, QFileDialog* dialog) {
  auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (!field) d.fail(QStringLiteral("the file dialog has no name field"));
  d.waitUntil(
      [&] {
        return field->hasFocus() && dialog->windowHandle() &&
               QGuiApplication::focusWindow() == dialog->windowHandle();
      },
      QStringLiteral("the name field to take the keyboard"));
  if (!field->text().isEmpty() && field->selectedText() != field->text())
    d.fail(QStringLiteral("the name field holds \"%1\", not selected").arg(field->text()));
}

void typeOnScreen(Driver& d, const QString& text) {
  d.xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("12"), text});
}

void expectOnlyMainWindow(Driver& d, const QString& when) {
  d.settle(100);
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->isVisible())
      d.fail(
          QStringLiteral("%1: a %2 is still shown").arg(when, widget->metaObject()->className()));
  // What the X server maps for this program: the main window alone.
  QProcess search;
  search.start(QStringLiteral("xdotool"),
               {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                QString::number(QCoreApplication::applicationPid())});
  d.waitUntil([&] { return search.state() == QProcess::NotRunning; },
              QStringLiteral("xdotool search"));
  const QStringList mapped = QString::fromLatin1(search.readAllStandardOutput())
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  const QString main = QString::number(d.window()->winId());
  for (const QString& id : mapped)
    if (id != main)
      d.fail(QStringLiteral("%1: window %2 is still mapped besides the main window %3")
                 .arg(when, id, main));
}

}  // namespace journeys
