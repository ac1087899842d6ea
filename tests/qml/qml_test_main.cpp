// Runs the tst_*.qml files of this folder (or the one given with -input) with
// the module and the program's root-context objects on each file's engine.

#include "harness.hpp"

#include <QLoggingCategory>
#include <QObject>
#include <QQmlEngine>
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

 public slots:
  void qmlEngineAvailable(QQmlEngine* engine) { pellaris_qml_test::publishRootObjects(*engine); }
};

QUICK_TEST_MAIN_WITH_SETUP(pellaris_qml, Setup)

#include "qml_test_main.moc"
