#include "driver.hpp"

#include "language_manager.hpp"
#include "update_manager.hpp"

#include "controller/app_controller.hpp"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QAbstractItemView>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QApplication>
#include <QMutex>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(PellarisPlugin)

namespace journeys {
namespace {

QMutex messagesMutex;
QStringList* collected = nullptr;
QStringList expected;
QtMessageHandler previousHandler = nullptr;

void collectMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  // The offscreen platform's notes on what its windows cannot do (raise,
  // keyboard grabs), which Qt's widget dialogs ask of it, are no faults.
  const bool platformNote = text.startsWith(QLatin1String("This plugin does not support"));
  if ((type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) && !platformNote) {
    QMutexLocker lock(&messagesMutex);
    const auto known = std::find_if(expected.begin(), expected.end(),
                                    [&](const QString& start) { return text.startsWith(start); });
    if (known != expected.end())
      expected.erase(known);
    else if (collected)
      collected->append(text);
  }
  if (previousHandler) previousHandler(type, context, text);
}

bool shownOnScreen(const QObject* object) {
  if (const auto* item = qobject_cast<const QQuickItem*>(object)) return item->isVisible();
  const QVariant visible = object->property("visible");
  return !visible.isValid() || visible.toBool();
}

// Every object below `root`, through both object and visual children, so
// that popups (parented to the overlay) and delegates are found too.
void walk(QObject* root, const std::function<bool(QObject*)>& visit) {
  QSet<QObject*> seen;
  QList<QObject*> pending{root};
  while (!pending.isEmpty()) {
    QObject* object = pending.takeFirst();
    if (!object || seen.contains(object)) continue;
    seen.insert(object);
    if (visit(object)) return;
    QList<QObject*> next;
    if (auto* item = qobject_cast<QQuickItem*>(object))
      for (QQuickItem* child : item->childItems()) next.append(child);
    next.append(object->children());
    // Depth first, in order: the first match is the one a reader expects.
    for (auto it = next.crbegin(); it != next.crend(); ++it) pending.prepend(*it);
  }
}

}  // namespace

MessageWatch::MessageWatch() {
  QMutexLocker lock(&messagesMutex);
  collected = new QStringList;
  previousHandler = qInstallMessageHandler(collectMessage);
}

MessageWatch::~MessageWatch() {
  qInstallMessageHandler(previousHandler);
  QMutexLocker lock(&messagesMutex);
  delete collected;
  collected = nullptr;
  expected.clear();
}

QStringList MessageWatch::messages() const {
  QMutexLocker lock(&messagesMutex);
  QStringList all = collected ? *collected : QStringList();
  for (const QString& start : expected)
    all.append(QStringLiteral("expected, never printed: ") + start);
  return all;
}

void Driver::expectMessage(const QString& start) {
  QMutexLocker lock(&messagesMutex);
  expected.append(start);
}

Driver::Driver(const QString& journey)
    : journey_(journey), shotDir_(QStringLiteral(PELLARIS_JOURNEY_SHOTS "/") + journey) {
  QDir(shotDir_).removeRecursively();
  QDir().mkpath(shotDir_);
}

Driver::~Driver() {
  stop();
}

void Driver::start() {
  stop();
  engine_ = std::make_unique<QQmlApplicationEngine>();
  engine_->addImportPath(QStringLiteral("qrc:/"));
  languages_ = std::make_unique<LanguageManager>(engine_.get());
  controller_ = std::make_unique<AppController>();
  updates_ = std::make_unique<UpdateManager>();
  QQmlContext* context = engine_->rootContext();
  context->setContextProperty(QStringLiteral("languageManager"), languages_.get());
  context->setContextProperty(QStringLiteral("appController"), controller_.get());
  context->setContextProperty(QStringLiteral("updates"), updates_.get());
  engine_->load(QUrl(QStringLiteral("qrc:/Pellaris/Main.qml")));
  if (engine_->rootObjects().isEmpty()) fail(QStringLiteral("the main window did not load"));
  window_ = qobject_cast<QQuickWindow*>(engine_->rootObjects().constFirst());
  if (!window_) fail(QStringLiteral("the root object is not a window"));
  // A usual desktop window (the offscreen screen alone would allow 900
  // wide); on a smaller X screen, the size and place the window chose.
  const QSize usual(1440, 900);
  const QSize room = window_->screen()->availableGeometry().size();
  if (QGuiApplication::platformName() != QLatin1String("xcb") ||
      (room.width() >= usual.width() && room.height() >= usual.height()))
    window_->resize(usual);
  window_->requestActivate();
  if (!QTest::qWaitForWindowExposed(window_)) fail(QStringLiteral("the window never showed"));
  waitUntil([this] { return QGuiApplication::focusWindow() == window_; },
            QStringLiteral("the window to take the keyboard"));
  settle(200);
}

void Driver::stop() {
  if (!engine_) return;
  if (window_) window_->close();
  settle(20);
  // The engine first: the pages' bindings never see the objects go.
  engine_.reset();
  updates_.reset();
  controller_.reset();
  languages_.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Driver::restartProgram(const QString& checks) {
  stop();
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QString::fromLatin1(kRestartedVariable), checks);
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::MergedChannels);
  program.start(QCoreApplication::applicationFilePath(), {});
  if (!program.waitForFinished(180000)) program.kill();
  const QString output = QString::fromLocal8Bit(program.readAll());
  if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0)
    fail(QStringLiteral("after the restart, %1 failed:\n%2").arg(checks, output));
}

QObject* Driver::shell() const {
  QObject* found = findVisible(QStringLiteral("appShell"));
  if (!found) fail(QStringLiteral("no application shell"));
  return found;
}

QQuickItem* Driver::itemWhere(const QString& prefix, const std::function<bool(QQuickItem*)>& test,
                              const QString& what, QObject* scope, int timeoutMs) {
  QQuickItem* found = nullptr;
  const auto look = [&] {
    walk(scope ? scope : window_->contentItem(), [&](QObject* object) {
      auto* item = qobject_cast<QQuickItem*>(object);
      if (!item || !item->isVisible() || !item->objectName().startsWith(prefix) || !test(item))
        return false;
      found = item;
      return true;
    });
    return found != nullptr;
  };
  waitUntil(look, what, timeoutMs);
  return found;
}

QObject* Driver::object(const QString& name) const {
  QObject* found = nullptr;
  walk(window_->contentItem(), [&](QObject* object) {
    if (object->objectName() != name) return false;
    found = object;
    return true;
  });
  if (!found) fail(QStringLiteral("no object named ") + name);
  return found;
}

QQuickItem* Driver::findVisible(const QString& name, QObject* scope) const {
  QQuickItem* found = nullptr;
  walk(scope ? scope : window_->contentItem(), [&](QObject* object) {
    if (object->objectName() != name || !shownOnScreen(object)) return false;
    found = qobject_cast<QQuickItem*>(object);
    if (!found) found = object->property("contentItem").value<QQuickItem*>();
    return found != nullptr;
  });
  return found;
}

QQuickItem* Driver::item(const QString& name, QObject* scope, int timeoutMs) {
  QQuickItem* found = nullptr;
  waitUntil([&] { return (found = findVisible(name, scope)) != nullptr; },
            QStringLiteral("a visible item named \"%1\"").arg(name), timeoutMs);
  return found;
}

QQuickItem* Driver::itemWithText(const QString& wanted, QObject* scope, int timeoutMs) {
  QQuickItem* found = nullptr;
  const auto look = [&] {
    walk(scope ? scope : window_->contentItem(), [&](QObject* object) {
      auto* item = qobject_cast<QQuickItem*>(object);
      if (!item || !item->isVisible() || !item->isEnabled() || text(item) != wanted) return false;
      found = item;
      return true;
    });
    return found != nullptr;
  };
  waitUntil(look, QStringLiteral("a visible item reading \"%1\"").arg(wanted), timeoutMs);
  return found;
}

void Driver::scrollIntoView(QQuickItem* target) {
  for (QQuickItem* up = target->parentItem(); up; up = up->parentItem()) {
    if (!up->inherits("QQuickFlickable")) continue;
    const QRectF box = target->mapRectToItem(up, target->boundingRect());
    const auto adjust = [&](const char* position, const char* origin, const char* extent, qreal low,
                            qreal high, qreal view) {
      qreal shift = 0;
      if (high > view) shift = qMin(high - view, low);
      if (low < 0) shift = low;
      if (shift == 0) return;
      const qreal start = up->property(origin).toReal();
      const qreal furthest = start + qMax<qreal>(0, up->property(extent).toReal() - view);
      up->setProperty(position, qBound(start, up->property(position).toReal() + shift, furthest));
    };
    adjust("contentY", "originY", "contentHeight", box.top() - 8, box.bottom() + 8, up->height());
    adjust("contentX", "originX", "contentWidth", box.left() - 8, box.right() + 8, up->width());
  }
  settle(30);
}

// A popup that just closed leaves a shield over its place for one
// double-click interval; a person's next click comes later than that, so
// the driver's waits too rather than having its press swallowed.
void Driver::waitForShieldsOver(QPoint at) {
  const auto covered = [&] {
    bool found = false;
    walk(window_->contentItem(), [&](QObject* object) {
      auto* shield = qobject_cast<QQuickItem*>(object);
      if (!shield || object->objectName() != QLatin1String("pressShield") || !shield->isEnabled() ||
          QDateTime::currentMSecsSinceEpoch() >= shield->property("until").toDouble())
        return false;
      found = shield->mapRectToScene(shield->boundingRect()).contains(at);
      return found;
    });
    return found;
  };
  waitUntil([&] { return !covered(); }, QStringLiteral("a closed popup's press shield to lift"));
}

void Driver::clickAt(QQuickItem* target, QPointF local) {
  const QPoint at = target->mapToScene(local).toPoint();
  if (!QRect(QPoint(0, 0), window_->size()).contains(at))
    fail(QStringLiteral("\"%1\" lies outside the window").arg(target->objectName()));
  waitForShieldsOver(at);
  QTest::mouseClick(window_, Qt::LeftButton, Qt::NoModifier, at);
  settle();
}

void Driver::click(QQuickItem* target, Qt::KeyboardModifiers modifiers) {
  if (!target->isEnabled())
    fail(QStringLiteral("\"%1\" is disabled").arg(target->objectName() + text(target)));
  scrollIntoView(target);
  const QPoint at =
      target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
  if (!QRect(QPoint(0, 0), window_->size()).contains(at))
    fail(QStringLiteral("\"%1\" lies outside the window").arg(target->objectName()));
  waitForShieldsOver(at);
  QTest::mouseClick(window_, Qt::LeftButton, modifiers, at);
  settle();
}

void Driver::type(QQuickItem* field, const QString& value, bool enter) {
  click(field);
  waitUntil([field] { return field->hasActiveFocus(); },
            QStringLiteral("\"%1\" to take the keyboard").arg(field->objectName()));
  QTest::keyClick(window_, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(window_, Qt::Key_Delete);
  // QTest types strings into widgets only; a window takes them key by key.
  for (const QChar c : value) QTest::keyClick(window_, c.toLatin1());
  if (enter) QTest::keyClick(window_, Qt::Key_Return);
  settle();
}

void Driver::key(int key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(window_, static_cast<Qt::Key>(key), modifiers);
  settle();
}

void Driver::waitUntil(const std::function<bool()>& ready, const QString& what, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  while (!ready()) {
    if (deadline.hasExpired()) fail(QStringLiteral("waited in vain for ") + what);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qSleep(5);
  }
}

void Driver::settle(int ms) {
  QTest::qWait(ms);
}

QString Driver::text(QObject* object) {
  const QVariant value = object ? object->property("text") : QVariant();
  return value.isValid() ? value.toString() : QString();
}

void Driver::shot(const QString& step) {
  settle(30);
  const QString path = QStringLiteral("%1/%2-%3.png")
                           .arg(shotDir_)
                           .arg(++shotCount_, 2, 10, QLatin1Char('0'))
                           .arg(step);
  if (!window_->grabWindow().save(path)) fail(QStringLiteral("could not save ") + path);
}

QFileDialog* Driver::fileDialog(const QString& title, int timeoutMs) {
  QFileDialog* found = nullptr;
  const auto look = [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* dialog = qobject_cast<QFileDialog*>(widget);
      if (dialog && dialog->isVisible() && dialog->windowTitle() == title) found = dialog;
    }
    return found != nullptr;
  };
  waitUntil(look, QStringLiteral("the file dialog \"%1\"").arg(title), timeoutMs);
  return found;
}

void Driver::typeIntoFileDialog(QFileDialog* dialog, const QString& path) {
  // The program deletes the dialog once it has closed.
  const QPointer<QFileDialog> shown(dialog);
  auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (!field) fail(QStringLiteral("the file dialog has no name field"));
  // As a person types: into the focused field of the active dialog (the
  // dialog follows the typing in its list only while the field has focus).
  dialog->activateWindow();
  field->setFocus();
  waitUntil([field] { return field->hasFocus(); },
            QStringLiteral("the file dialog's name field to take the keyboard"));
  // Pasted whole, as from a file manager.
  QGuiApplication::clipboard()->setText(path);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Return);
  const QPointer<QLineEdit> typed(field);
  waitUntil([shown] { return !shown || !shown->isVisible(); },
            QStringLiteral("the file dialog to take \"%1\" (its field reads \"%2\")")
                .arg(path, typed ? typed->text() : QString()));
  settle();
}

QString Driver::xdotool(const QStringList& args, int timeoutMs) {
  QProcess tool;
  tool.start(QStringLiteral("xdotool"), args);
  waitUntil([&] { return tool.state() == QProcess::NotRunning; },
            QStringLiteral("xdotool ") + args.join(QLatin1Char(' ')), timeoutMs);
  if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
    fail(
        QStringLiteral("xdotool %1 failed: %2")
            .arg(args.join(QLatin1Char(' ')), QString::fromLocal8Bit(tool.readAllStandardError())));
  return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

void Driver::screenClick(QPoint global, int clicks) {
  xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
  // A person's double-click: two presses well inside the double-click time.
  xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(clicks),
           QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
  settle();
}

void Driver::screenShot(const QString& step) {
  settle(30);
  const QString path = QStringLiteral("%1/%2-%3.png")
                           .arg(shotDir_)
                           .arg(++shotCount_, 2, 10, QLatin1Char('0'))
                           .arg(step);
  QProcess import;
  import.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
  waitUntil([&] { return import.state() == QProcess::NotRunning; },
            QStringLiteral("the screen picture ") + path);
  if (import.exitCode() != 0) fail(QStringLiteral("could not save ") + path);
}

void Driver::fail(const QString& message) const {
  throw JourneyFailure(
      QStringLiteral("%1 (after picture %2)").arg(message).arg(shotCount_).toStdString());
}

void runJourney(const QString& name, const std::function<void(Driver&)>& body) {
  MessageWatch watch;
  QString failure;
  {
    Driver driver(name);
    try {
      driver.start();
      body(driver);
    } catch (const JourneyFailure& error) {
      failure = QString::fromStdString(error.what());
      try {
        driver.shot(QStringLiteral("failed"));
      } catch (const JourneyFailure&) {
      }
    }
  }
  if (!failure.isEmpty()) QFAIL(qPrintable(failure));
  if (QTest::currentTestFailed()) return;
  const QStringList messages = watch.messages();
  QVERIFY2(messages.isEmpty(),
           qPrintable(QStringLiteral("printed on the way:\n") + messages.join(QLatin1Char('\n'))));
}

}  // namespace journeys
