#pragma once
// A user's hands on the real window: starts the program's root document with
// the program's own root-context objects, finds items by objectName, clicks
// and types with real events, waits and takes a picture per step. A failed
// step throws JourneyFailure; runJourney reports it as the test's failure.

#include <QList>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>

class AppController;
class QFileDialog;
class LanguageManager;
class QQmlApplicationEngine;
class UpdateManager;

namespace journeys {

struct JourneyFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Driver {
 public:
  // Pictures go to <build folder>/journey-shots/<journey>/NN-step.png.
  explicit Driver(const QString& journey);
  ~Driver();

  // Starts the program (again, after stop): same settings folder, new objects.
  void start();
  void stop();
  // Ends this program and starts it anew as another process with the same
  // settings folder, which runs the after-restart check `checks` (a test
  // function of the restarted program); its failure fails this journey.
  void restartProgram(const QString& checks);

  QQuickWindow* window() const { return window_; }
  AppController& controller() const { return *controller_; }
  QObject* shell() const;  // the application shell, for reading its state

  // The first visible item named `name` under `scope` (the whole window when
  // null); throws when none appears within `timeoutMs`.
  QQuickItem* item(const QString& name, QObject* scope = nullptr, int timeoutMs = 5000);
  // The first visible item whose `text` is `text` (buttons, list entries).
  QQuickItem* itemWithText(const QString& text, QObject* scope = nullptr, int timeoutMs = 5000);
  // The first visible item whose name starts with `prefix` and that passes
  // `test`, e.g. the tree entry whose action reads "Bet 33%".
  QQuickItem* itemWhere(const QString& prefix, const std::function<bool(QQuickItem*)>& test,
                        const QString& what, QObject* scope = nullptr, int timeoutMs = 5000);
  // Any object named `name`, shown or not (dialogs are not items).
  QObject* object(const QString& name) const;
  // Null instead of throwing; no waiting.
  QQuickItem* findVisible(const QString& name, QObject* scope = nullptr) const;

  // Scrolls the item into its flickables' view, then clicks its centre.
  void click(QQuickItem* target, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void click(const QString& name, QObject* scope = nullptr) { click(item(name, scope)); }
  void clickAt(QQuickItem* target, QPointF local);
  void waitForShieldsOver(QPoint at);
  // Clicks the field, selects what it holds and types `text` over it;
  // `enter` ends with Return.
  void type(QQuickItem* field, const QString& text, bool enter = true);
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void scrollIntoView(QQuickItem* target);

  // Runs the event loop until `ready` holds; throws with `what` otherwise.
  void waitUntil(const std::function<bool()>& ready, const QString& what, int timeoutMs = 10000);
  void settle(int ms = 50);

  // The item's text property, and whether it is enabled.
  static QString text(QObject* object);

  // A warning the program is meant to print at this step (a failed open
  // reports itself); it does not fail the journey.
  static void expectMessage(const QString& start);

  void shot(const QString& step);
  void fail(const QString& message) const;

  // The platform's file dialog (Qt's widget dialog, a window of its own)
  // titled `title`, once it shows.
  QFileDialog* fileDialog(const QString& title, int timeoutMs = 10000);
  // Pastes `path` into the dialog's name field and presses Return; the
  // dialog must then close.
  void typeIntoFileDialog(QFileDialog* dialog, const QString& path);

  // On an X display: runs xdotool with `args` while the program goes on,
  // and gives what it printed; a failure fails the journey.
  QString xdotool(const QStringList& args, int timeoutMs = 10000);
  // Moves the X pointer to the screen point and clicks `clicks` times.
  void screenClick(QPoint global, int clicks = 1);
  // A picture of the whole X screen, other windows such as dialogs included.
  void screenShot(const QString& step);

 private:
  QString journey_;
  QString shotDir_;
  int shotCount_ = 0;
  std::unique_ptr<QQmlApplicationEngine> engine_;
  std::unique_ptr<LanguageManager> languages_;
  std::unique_ptr<AppController> controller_;
  std::unique_ptr<UpdateManager> updates_;
  QPointer<QQuickWindow> window_;
};

// Collects every warning and error printed while it lives.
class MessageWatch {
 public:
  MessageWatch();
  ~MessageWatch();
  QStringList messages() const;
};

// The environment variable that names the check a restarted program runs.
inline constexpr char kRestartedVariable[] = "PELLARIS_JOURNEY_RESTARTED";

// Runs one journey with a fresh driver; fails the current test on a thrown
// step, a failed check or any warning printed on the way.
void runJourney(const QString& name, const std::function<void(Driver&)>& body);

}  // namespace journeys
