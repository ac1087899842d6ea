// Shows one QML document (a file path or URL whose root is a window) with the
// module and the program's root-context objects, for screenshots of
// documents other than the main window. Later arguments stay readable by the
// document through Qt.application.arguments.

#include "harness.hpp"

#include <QFileInfo>
#include <QApplication>
#include <QQmlApplicationEngine>
#include <QUrl>
#include <cstdio>

int main(int argc, char* argv[]) {
  pellaris_qml_test::prepareApplication();
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: %s <document.qml> [arguments for the document]\n", argv[0]);
    return 2;
  }
  const QUrl url = QFileInfo::exists(args[1])
                       ? QUrl::fromLocalFile(QFileInfo(args[1]).absoluteFilePath())
                       : QUrl(args[1]);
  QQmlApplicationEngine engine;
  pellaris_qml_test::publishRootObjects(engine);
  engine.load(url);
  if (engine.rootObjects().isEmpty()) {
    std::fprintf(stderr, "could not load %s\n", qPrintable(url.toString()));
    return 1;
  }
  return QApplication::exec();
}
