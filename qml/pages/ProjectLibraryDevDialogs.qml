pragma ComponentBehavior: Bound
import QtQuick
import Pellaris as Published
import "../components" as Components

// The developers' library dialogs: the two export file choosers (the
// program's file dialog, as for every file), the two
// confirmations before local overrides are cleared, and the message that
// shows a failed export (a file that cannot be written is not silent).
Item {
    id: dialogs

    required property var page

    function openExportStandard() { exportStandardDialog.open() }
    function openExportExploit() { exportExploitDialog.open() }
    function openClearStandard() { clearStandardOverridesDialog.open() }
    function openClearExploit() { clearExploitOverridesDialog.open() }

    function showError(title, text) {
        exportErrorDialog.title = title
        exportErrorDialog.message = text
        exportErrorDialog.open()
    }

    function _seatLabel(player) {
        return player === "ip" ? "IP" : "OOP"
    }

    Published.FileChooser {
        id: exportStandardDialog
        objectName: "exportStandardDialog"
        title: qsTranslate("ProjectPage", "Export Standard Ranges")
        fileMode: Published.FileChooser.SaveFile
        acceptLabel: qsTranslate("ProjectPage", "Save")
        nameFilters: [qsTranslate("ProjectPage", "JSON (*.json)"), qsTranslate("ProjectPage", "All Files (*)")]
        onAccepted: dialogs.page.exportStandardRanges(file)
        onLastErrorChanged: if (lastError !== "") dialogs.showError(title, lastError)
    }

    Published.FileChooser {
        id: exportExploitDialog
        objectName: "exportExploitDialog"
        title: qsTranslate("ProjectPage", "Export Population Ranges")
        fileMode: Published.FileChooser.SaveFile
        acceptLabel: qsTranslate("ProjectPage", "Save")
        nameFilters: [qsTranslate("ProjectPage", "JSON (*.json)"), qsTranslate("ProjectPage", "All Files (*)")]
        onAccepted: dialogs.page.exportExploitRanges(file)
        onLastErrorChanged: if (lastError !== "") dialogs.showError(title, lastError)
    }

    Components.MessageBox {
        id: clearStandardOverridesDialog
        objectName: "clearStandardOverridesDialog"
        theme: dialogs.page.theme
        question: true
        title: qsTranslate("ProjectPage", "Clear standard overrides")
        message: qsTranslate("ProjectPage", "Clear all locally overridden standard ranges for %1?").arg(dialogs._seatLabel(dialogs.page._clearStandardPlayer))
        onAccepted: dialogs.page.clearStandardOverrides(dialogs.page._clearStandardPlayer)
    }

    Components.MessageBox {
        id: clearExploitOverridesDialog
        objectName: "clearExploitOverridesDialog"
        theme: dialogs.page.theme
        question: true
        title: qsTranslate("ProjectPage", "Clear population overrides")
        message: qsTranslate("ProjectPage", "Clear all locally overridden population ranges for %1?").arg(dialogs._seatLabel(dialogs.page._clearExploitPlayer))
        onAccepted: dialogs.page.clearExploitOverrides(dialogs.page._clearExploitPlayer)
    }

    Components.MessageBox {
        id: exportErrorDialog
        objectName: "exportErrorDialog"
        theme: dialogs.page.theme
    }
}
