pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Pellaris as Published
import "../theme" as ThemePack

// The Custom library's dialogs: save the current range, add a folder,
// import a range file (a file chooser, then a name), and confirm a
// deletion. Their actions are page functions; the dialogs hold only the
// typed names.
Item {
    id: dialogs

    required property var page
    // The import's file dialog could not come up (or go), and why.
    signal importChooserFailed(string why)
    // The import's state on the page, read once for the bindings below.
    readonly property ThemePack.Theme theme: page.theme
    readonly property string importText: page._importRangeNormalizedText
    readonly property real importCombos: page._importRangeCombos
    readonly property string importError: page._importRangeError
    readonly property alias saveRangeDialog: saveRangeDialog
    readonly property alias addFolderDialog: addFolderDialog
    readonly property alias importRangeNameDialog: importRangeNameDialog
    readonly property alias confirmDeleteDialog: confirmDeleteDialog

    function openSave() {
        saveRangeDialog.field.text = ""
        saveRangeDialog.open()
    }

    function openAddFolder() {
        addFolderDialog.field.text = ""
        addFolderDialog.open()
    }

    function openImportFile() {
        importRangeNameDialog.field.text = ""
        importRangeFileDialog.open()
    }

    // A null name keeps what the field had.
    function openImportName(proposedName) {
        if (proposedName !== null && proposedName !== undefined)
            importRangeNameDialog.field.text = proposedName
        importRangeNameDialog.open()
    }

    function openDelete() {
        confirmDeleteDialog.open()
    }

    function _save() {
        if (saveRangeDialog.confirmButton.enabled && page.commitSaveRange(saveRangeDialog.field.text))
            saveRangeDialog.close()
    }

    function _addFolder() {
        if (addFolderDialog.confirmButton.enabled && page.commitAddFolder(addFolderDialog.field.text))
            addFolderDialog.close()
    }

    function _import() {
        if (importRangeNameDialog.confirmButton.enabled && page.commitImportRange(importRangeNameDialog.field.text))
            importRangeNameDialog.close()
    }

    ProjectNameDialog {
        id: saveRangeDialog
        objectName: "saveRangeDialog"
        page: dialogs.page
        title: dialogs.page._saveRangePlayer === "ip" ? qsTranslate("ProjectPage", "Save IP range") : qsTranslate("ProjectPage", "Save OOP range")
        width: 360
        onOpened: {
            dialogs.page._saveRangeError = ""
            field.forceActiveFocus()
        }
        prompt: qsTranslate("ProjectPage", "Name this range:")
        field.placeholderText: qsTranslate("ProjectPage", "e.g., BTN vs BB (default)")
        errorText: dialogs.page._saveRangeError
        confirmText: qsTranslate("ProjectPage", "Save")
        fieldObjectName: "saveRangeNameField"
        errorObjectName: "saveRangeError"
        confirmObjectName: "saveRangeConfirm"
        onConfirmed: dialogs._save()
    }

    ProjectNameDialog {
        id: addFolderDialog
        objectName: "addFolderDialog"
        page: dialogs.page
        title: dialogs.page._addFolderPlayer === "ip" ? qsTranslate("ProjectPage", "Add folder (IP)") : qsTranslate("ProjectPage", "Add folder (OOP)")
        width: 360
        onOpened: {
            dialogs.page._addFolderError = ""
            field.forceActiveFocus()
        }
        prompt: qsTranslate("ProjectPage", "Folder name:")
        field.placeholderText: qsTranslate("ProjectPage", "e.g., BTN vs BB")
        errorText: dialogs.page._addFolderError
        confirmText: qsTranslate("ProjectPage", "Add")
        fieldObjectName: "addFolderNameField"
        errorObjectName: "addFolderError"
        confirmObjectName: "addFolderConfirm"
        onConfirmed: dialogs._addFolder()
    }

    // The program's file dialog (Qt's widget dialog, which matches suffixes
    // in any letter case).
    Published.FileChooser {
        id: importRangeFileDialog
        objectName: "importRangeFileDialog"
        title: qsTranslate("ProjectPage", "Import Range")
        fileMode: Published.FileChooser.OpenFile
        nameFilters: [qsTranslate("ProjectPage", "Range text (*.txt)"), qsTranslate("ProjectPage", "All Files (*)")]
        onAccepted: dialogs.page.importRangeFromFile(file)
        // The dialog could not come up (or go): the import says so as it
        // does for a file it cannot read.
        onLastErrorChanged: dialogs.importChooserFailed(lastError)
    }

    ProjectNameDialog {
        id: importRangeNameDialog
        objectName: "importRangeNameDialog"
        page: dialogs.page
        title: qsTranslate("ProjectPage", "Import Range")
        width: 420
        onOpened: if (dialogs.importError === "") field.forceActiveFocus()
        prompt: qsTranslate("ProjectPage", "Name this range:")
        field.placeholderText: qsTranslate("ProjectPage", "e.g., BTN open (custom)")
        errorText: dialogs.importError
        confirmText: qsTranslate("ProjectPage", "Import")
        ready: dialogs.importText.trim() !== ""
        cancelApart: true
        confirmButton.implicitWidth: 110
        confirmButton.disabledOpacity: 0.55
        fieldObjectName: "importRangeNameField"
        errorObjectName: "importRangeError"
        confirmObjectName: "importConfirm"
        onConfirmed: dialogs._import()

        // What "Import" stores: the range as the solve reads it, and its size.
        ProjectImportPreview {
            Layout.fillWidth: true
            visible: rangeText !== ""
            theme: dialogs.theme
            rangeText: dialogs.importText
            combos: dialogs.importCombos
        }
    }

    ProjectDeleteDialog {
        id: confirmDeleteDialog
        objectName: "confirmDeleteDialog"
        page: dialogs.page
        title: dialogs.page._deleteRangeKind === "folder" ? qsTranslate("ProjectPage", "Delete folder")
                                                          : qsTranslate("ProjectPage", "Delete range")
        width: 380
        question: dialogs.page._deleteRangeKind === "folder"
                  ? qsTranslate("ProjectPage", "Are you sure you want to delete this folder?")
                  : qsTranslate("ProjectPage", "Are you sure you want to delete this range?")
        itemName: dialogs.page._deleteRangeName
        note: dialogs.page._deleteRangeKind === "folder" && dialogs.page._deleteFolderChildCount > 0
              ? qsTranslate("ProjectPage", "This will also delete %n range(s). This cannot be undone.", "", dialogs.page._deleteFolderChildCount)
              : qsTranslate("ProjectPage", "This cannot be undone.")
        noteObjectName: "deleteRangeNote"
        deleteObjectName: "confirmDeleteRangeButton"
        onDeleteConfirmed: dialogs.page.deleteSelectedItem(dialogs.page._deleteRangePlayer)
    }
}
