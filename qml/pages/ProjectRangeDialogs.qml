pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Dialogs
import QtQuick.Layouts
import "../theme/themeRules.js" as ThemeRules

// The Custom library's dialogs: save the current range, add a folder,
// import a range file (a file chooser, then a name), and confirm a
// deletion. Their actions are page functions; the dialogs hold only the
// typed names.
Item {
    id: dialogs

    required property var page
    readonly property alias saveRangeDialog: saveRangeDialog
    readonly property alias addFolderDialog: addFolderDialog
    readonly property alias importRangeNameDialog: importRangeNameDialog
    readonly property alias confirmDeleteDialog: confirmDeleteDialog

    function openSave() {
        saveRangeNameField.text = ""
        saveRangeDialog.open()
    }

    function openAddFolder() {
        addFolderNameField.text = ""
        addFolderDialog.open()
    }

    function openImportFile() {
        importRangeNameField.text = ""
        importRangeFileDialog.open()
    }

    // A null name keeps what the field had.
    function openImportName(proposedName) {
        if (proposedName !== null && proposedName !== undefined)
            importRangeNameField.text = proposedName
        importRangeNameDialog.open()
    }

    function openDelete() {
        confirmDeleteDialog.open()
    }

    function _save() {
        if (saveRangeConfirm.enabled && page.commitSaveRange(saveRangeNameField.text))
            saveRangeDialog.close()
    }

    function _addFolder() {
        if (addFolderConfirm.enabled && page.commitAddFolder(addFolderNameField.text))
            addFolderDialog.close()
    }

    function _import() {
        if (importConfirm.enabled && page.commitImportRange(importRangeNameField.text))
            importRangeNameDialog.close()
    }

    component Prompt: Text {
        font.pixelSize: 12
        color: ThemeRules.roleColor(dialogs.page.theme, "textMuted", "#8B949E")
        Layout.fillWidth: true
        wrapMode: Text.Wrap
    }

    component ErrorLine: Text {
        visible: text !== ""
        textFormat: Text.PlainText
        font.pixelSize: 11
        color: ThemeRules.roleColor(dialogs.page.theme, "danger", "#F85149")
        Layout.fillWidth: true
        wrapMode: Text.Wrap
    }

    component Footer: RowLayout {
        Layout.margins: 14
        Layout.topMargin: 0
        spacing: 10
    }

    component Filler: Item { Layout.fillWidth: true }

    ProjectDialog {
        id: saveRangeDialog
        objectName: "saveRangeDialog"
        page: dialogs.page
        title: dialogs.page._saveRangePlayer === "ip" ? qsTranslate("ProjectPage", "Save IP range") : qsTranslate("ProjectPage", "Save OOP range")
        modal: true
        width: 360
        anchors.centerIn: parent
        onOpened: {
            dialogs.page._saveRangeError = ""
            saveRangeNameField.forceActiveFocus()
        }

        ColumnLayout {
            anchors.fill: parent
            spacing: 0
            ColumnLayout {
                Layout.margins: 14
                spacing: 10
                Prompt { text: qsTranslate("ProjectPage", "Name this range:") }
                ProjectTextField {
                    id: saveRangeNameField
                    objectName: "saveRangeNameField"
                    Layout.fillWidth: true
                    theme: dialogs.page.theme
                    placeholderText: qsTranslate("ProjectPage", "e.g., BTN vs BB (default)")
                    onAccepted: dialogs._save()
                }
                ErrorLine { objectName: "saveRangeError"; text: dialogs.page._saveRangeError }
            }
            Footer {
                Filler {}
                ProjectDialogButton {
                    theme: dialogs.page.theme
                    text: qsTranslate("ProjectPage", "Cancel")
                    onClicked: saveRangeDialog.close()
                }
                ProjectDialogButton {
                    id: saveRangeConfirm
                    objectName: "saveRangeConfirm"
                    theme: dialogs.page.theme
                    look: "accent"
                    text: qsTranslate("ProjectPage", "Save")
                    enabled: saveRangeNameField.text.trim() !== ""
                    onClicked: dialogs._save()
                }
            }
        }
    }

    ProjectDialog {
        id: addFolderDialog
        objectName: "addFolderDialog"
        page: dialogs.page
        title: dialogs.page._addFolderPlayer === "ip" ? qsTranslate("ProjectPage", "Add folder (IP)") : qsTranslate("ProjectPage", "Add folder (OOP)")
        modal: true
        width: 360
        anchors.centerIn: parent
        onOpened: {
            dialogs.page._addFolderError = ""
            addFolderNameField.forceActiveFocus()
        }

        ColumnLayout {
            anchors.fill: parent
            spacing: 0
            ColumnLayout {
                Layout.margins: 14
                spacing: 10
                Prompt { text: qsTranslate("ProjectPage", "Folder name:") }
                ProjectTextField {
                    id: addFolderNameField
                    objectName: "addFolderNameField"
                    Layout.fillWidth: true
                    theme: dialogs.page.theme
                    placeholderText: qsTranslate("ProjectPage", "e.g., BTN vs BB")
                    onAccepted: dialogs._addFolder()
                }
                ErrorLine { objectName: "addFolderError"; text: dialogs.page._addFolderError }
            }
            Footer {
                Filler {}
                ProjectDialogButton {
                    theme: dialogs.page.theme
                    text: qsTranslate("ProjectPage", "Cancel")
                    onClicked: addFolderDialog.close()
                }
                ProjectDialogButton {
                    id: addFolderConfirm
                    objectName: "addFolderConfirm"
                    theme: dialogs.page.theme
                    look: "accent"
                    text: qsTranslate("ProjectPage", "Add")
                    enabled: addFolderNameField.text.trim() !== ""
                    onClicked: dialogs._addFolder()
                }
            }
        }
    }

    FileDialog {
        id: importRangeFileDialog
        objectName: "importRangeFileDialog"
        title: qsTranslate("ProjectPage", "Import Range")
        fileMode: FileDialog.OpenFile
        // The file list matches suffixes by case: name every spelling.
        nameFilters: [qsTranslate("ProjectPage", "Range text (*.txt)").replace("*.txt", "*.txt *.TXT *.Txt"),
                      qsTranslate("ProjectPage", "All Files (*)")]
        onAccepted: dialogs.page.importRangeFromFile(selectedFile)
    }

    ProjectDialog {
        id: importRangeNameDialog
        objectName: "importRangeNameDialog"
        page: dialogs.page
        title: qsTranslate("ProjectPage", "Import Range")
        modal: true
        width: 420
        anchors.centerIn: parent
        onOpened: if (dialogs.page._importRangeError === "") importRangeNameField.forceActiveFocus()

        ColumnLayout {
            anchors.fill: parent
            spacing: 0
            ColumnLayout {
                Layout.margins: 14
                spacing: 10
                Prompt { text: qsTranslate("ProjectPage", "Name this range:") }
                ProjectTextField {
                    id: importRangeNameField
                    objectName: "importRangeNameField"
                    Layout.fillWidth: true
                    theme: dialogs.page.theme
                    placeholderText: qsTranslate("ProjectPage", "e.g., BTN open (custom)")
                    onAccepted: dialogs._import()
                }
                ErrorLine { objectName: "importRangeError"; text: dialogs.page._importRangeError }
            }
            Footer {
                ProjectDialogButton {
                    theme: dialogs.page.theme
                    text: qsTranslate("ProjectPage", "Cancel")
                    onClicked: importRangeNameDialog.close()
                }
                Filler {}
                ProjectDialogButton {
                    id: importConfirm
                    objectName: "importConfirm"
                    implicitWidth: 110
                    theme: dialogs.page.theme
                    look: "accent"
                    disabledOpacity: 0.55
                    text: qsTranslate("ProjectPage", "Import")
                    enabled: importRangeNameField.text.trim() !== ""
                             && dialogs.page._importRangeNormalizedText.trim() !== ""
                    onClicked: dialogs._import()
                }
            }
        }
    }

    ProjectDialog {
        id: confirmDeleteDialog
        objectName: "confirmDeleteDialog"
        page: dialogs.page
        title: dialogs.page._deleteRangeKind === "folder" ? qsTranslate("ProjectPage", "Delete folder")
                                                          : qsTranslate("ProjectPage", "Delete range")
        modal: true
        width: 380
        anchors.centerIn: parent

        ColumnLayout {
            anchors.fill: parent
            spacing: 0
            ColumnLayout {
                Layout.margins: 14
                spacing: 10
                Text {
                    Layout.fillWidth: true
                    text: dialogs.page._deleteRangeKind === "folder" ? "Are you sure you want to delete this folder?"
                                                                     : "Are you sure you want to delete this range?"
                    font.pixelSize: 12
                    wrapMode: Text.Wrap
                    color: ThemeRules.roleColor(dialogs.page.theme, "text", "#F0F6FC")
                }
                Text {
                    Layout.fillWidth: true
                    visible: dialogs.page._deleteRangeName !== ""
                    text: "\u201C" + dialogs.page._deleteRangeName + "\u201D"
                    textFormat: Text.PlainText
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    wrapMode: Text.Wrap
                    color: ThemeRules.roleColor(dialogs.page.theme, "textMuted", "#8B949E")
                }
                Text {
                    objectName: "deleteRangeNote"
                    Layout.fillWidth: true
                    text: dialogs.page._deleteRangeKind === "folder" && dialogs.page._deleteFolderChildCount > 0
                          ? qsTranslate("ProjectPage", "This will also delete %n range(s). This cannot be undone.", "", dialogs.page._deleteFolderChildCount)
                          : qsTranslate("ProjectPage", "This cannot be undone.")
                    font.pixelSize: 11
                    wrapMode: Text.Wrap
                    color: ThemeRules.roleColor(dialogs.page.theme, "textFaint", "#6E7681")
                }
            }
            Footer {
                Filler {}
                ProjectDialogButton {
                    theme: dialogs.page.theme
                    text: qsTranslate("ProjectPage", "Cancel")
                    onClicked: confirmDeleteDialog.close()
                }
                ProjectDialogButton {
                    objectName: "confirmDeleteRangeButton"
                    theme: dialogs.page.theme
                    look: "dangerFill"
                    text: qsTranslate("ProjectPage", "Delete")
                    onClicked: {
                        confirmDeleteDialog.close()
                        dialogs.page.deleteSelectedItem(dialogs.page._deleteRangePlayer)
                    }
                }
            }
        }
    }
}
