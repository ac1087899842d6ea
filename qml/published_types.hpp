#pragma once
// The objects start-up publishes on the root context, known to the module as
// types: documents declare properties of these types, so qmllint and the QML
// compiler check every member a page uses. QML never creates one of them.

#include <QtQml/qqml.h>

#include "controller/app_controller.hpp"
#include "file_chooser.hpp"
#include "language_manager.hpp"
#include "settings_section.hpp"
#include "update_manager.hpp"

struct AppControllerType {
  Q_GADGET
  QML_FOREIGN(AppController)
  QML_NAMED_ELEMENT(AppController)
  QML_UNCREATABLE("Start-up publishes the one controller.")
};

struct LanguageManagerType {
  Q_GADGET
  QML_FOREIGN(LanguageManager)
  QML_NAMED_ELEMENT(LanguageManager)
  QML_UNCREATABLE("Start-up publishes the one language manager.")
};

struct UpdateManagerType {
  Q_GADGET
  QML_FOREIGN(UpdateManager)
  QML_NAMED_ELEMENT(UpdateManager)
  QML_UNCREATABLE("Start-up publishes the one update manager.")
};

// The one type documents create: a section of the settings file.
struct SettingsSectionType {
  Q_GADGET
  QML_FOREIGN(SettingsSection)
  QML_NAMED_ELEMENT(SettingsSection)
};

// The program's file dialog, one element per file the user picks or names.
struct FileChooserType {
  Q_GADGET
  QML_FOREIGN(FileChooser)
  QML_NAMED_ELEMENT(FileChooser)
};

// Whether a file dialog is up: `FileDialogs.shown`.
struct FileChooserStateType {
  Q_GADGET
  QML_FOREIGN(FileChooserState)
  QML_NAMED_ELEMENT(FileDialogs)
  QML_SINGLETON

 public:
  static FileChooserState* create(QQmlEngine*, QJSEngine*) { return new FileChooserState; }
};
