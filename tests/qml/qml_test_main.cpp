// Runs the tst_*.qml files of this folder (or the one given with -input) with
// the module and the program's root-context objects on each file's engine.
// A run fails when the engine warns about one of the program's own documents
// (qrc:/Pellaris/...), as the journeys do for every warning: a warning there
// is a fault the user's log would show, whatever the test checked.

#include "harness.hpp"

#include <cstdio>

#include <QApplication>
#include <QLoggingCategory>
#include <QObject>
#include <QQmlEngine>
#include <QQmlError>
#include <QStringList>
#include <QtQuickTest/quicktest.h>

class Setup : public QObject {
  Q_OBJECT

 public:
  Setup() {
    pellaris_qml_test::prepareApplication();
    // As in the program without logging: the controller's progress lines
    // would bury the test output.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n"));
  }

  // The engine's warnings about the program's documents, as printed.
  QStringList programWarnings;

 public slots:
  void qmlEngineAvailable(QQmlEngine* engine) {
    pellaris_qml_test::publishRootObjects(*engine);
    connect(engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError>& warnings) {
      for (const QQmlError& warning : warnings) {
        if (!warning.url().toString().startsWith(QLatin1String("qrc:/Pellaris/"))) continue;
        if (pellaris_qml_test::settingsFileBlocked() &&
            warning.description().contains(QLatin1String("QML Settings:")))
          continue;
        programWarnings.append(warning.toString());
      }
    });
  }
};

int main(int argc, char** argv) {
  QTEST_SET_MAIN_SOURCE_PATH
  // A widget application, as the program is: the file dialogs then open
  // as they do there (Qt's widget dialog), here on the offscreen screen.
  QApplication app(argc, argv);
  Setup setup;
  const int failed =
      quick_test_main_with_setup(argc, argv, "pellaris_qml", QUICK_TEST_SOURCE_DIR, &setup);
  for (const QString& warning : setup.programWarnings)
    std::fprintf(stderr, "FAIL! warning from the program's QML: %s\n", qPrintable(warning));
  if (failed != 0) return failed;
  return setup.programWarnings.isEmpty() ? 0 : 1;
}

#include "qml_test_main.moc"
