#pragma once
// The application's start-up sequence; `main` only calls runPellaris.

#include <QString>
#include <QUrl>

namespace halvory_shell {

struct StartupOptions {
  // The root document. Only tests load another one.
  QUrl rootUrl{QStringLiteral("qrc:/Pellaris/Main.qml")};
  // Folder of the application-directory log; empty means the program's own
  // folder. Tests point it at a temporary folder.
  QString appLogDir;
};

// The organisation, application and display name and the version; needs
// the application object.
void setApplicationIdentity();

// Runs the application: returns the event loop's exit code, or -1 when the
// root document creates no object.
int runPellaris(int& argc, char** argv, const StartupOptions& options = {});

}  // namespace halvory_shell
