#pragma once
// A user's steps around the program's file dialog on an X screen: where to
// point, how to bring the dialog up from a click and type into it as a
// person does, and the checks that it came up ready and left nothing behind.

#include <QDialogButtonBox>
#include <QPoint>
#include <QPointer>
#include <QString>

class QFileDialog;
class QPushButton;
class QQuickItem;
class QWidget;

namespace journeys {

class Driver;

// Clicks a page's tab in the top bar once it lets the user in (the solve
// and results tabs wait for a ready spot and for results).
void openTab(Driver& d, int page);

// Where a person points to reach an item of the window, or a widget of a
// dialog, on the X screen.
QPoint onScreen(Driver& d, QQuickItem* item);
QPoint onScreen(QWidget* widget);

// Clicks the screen at `at` and waits for the file dialog titled `title` to
// be mapped as a window of its own.
QFileDialog* dialogFromClick(Driver& d, QPoint at, const QString& title);
// The same for the home page's `button`, from the home page.
QFileDialog* dialogFromHome(Driver& d, const QString& button, const QString& title);

// The screen point of the row listing `name` in the dialog's folder, once
// the dialog has read the folder.
QPoint rowOf(Driver& d, QFileDialog* dialog, const QString& name);

QPushButton* dialogButton(Driver& d, QFileDialog* dialog, QDialogButtonBox::StandardButton which);

// Waits until the dialog is hidden or gone (the program deletes a dialog
// once it has closed: hold it in a QPointer from the start).
void waitClosed(Driver& d, QPointer<QFileDialog> dialog, const QString& why);

// The dialog came up ready for typing: its name field has the keyboard and
// is empty or wholly selected, so that what is typed replaces it.
void expectReadyToType(Driver& d, QFileDialog* dialog);

// Types `text` with the X keyboard into the dialog, as a person does (the
// name field's completion list comes and goes on its own).
void typeOnScreen(Driver& d, const QString& text);

// No window of the program is mapped but the main window (no dialog, no
// completion list left over it).
void expectOnlyMainWindow(Driver& d, const QString& when);

}  // namespace journeys
