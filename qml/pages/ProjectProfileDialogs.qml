pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "../theme/themeRules.js" as ThemeRules
import "../components/notLoadedList.js" as NotLoaded

// The settings profiles' three dialogs: save under a name, choose one to
// load or delete, and confirm a deletion. The list and its store are the
// page's; the dialogs keep no copy.
Item {
    id: dialogs

    required property var page
    readonly property alias saveSettingsDialog: saveSettingsDialog
    readonly property alias loadSettingsDialog: loadSettingsDialog
    readonly property alias confirmDeleteProfileDialog: confirmDeleteProfileDialog
    // Tells which values a loaded profile left out.
    readonly property alias profileNotLoadedDialog: notLoadedDialog

    function openSave() {
        saveSettingsDialog.field.text = ""
        saveSettingsDialog.open()
    }

    function openLoad() {
        loadSettingsDialog.open()
    }

    function openConfirmDelete() {
        confirmDeleteProfileDialog.open()
    }

    // Lists the values (`refused`: [{ key, text }]) the profile `name` left
    // out, worded again at each language switch while shown. The name is a
    // stored text and is quoted as the values are.
    function showNotLoaded(name: string, refused: var, controller: var) {
        // Both markers are filled in one pass: a name holding "%2" stays as
        // it was typed.
        notLoadedDialog.words = () => {
            const parts = [NotLoaded.quoted(name, controller), NotLoaded.lines(refused, controller)]
            return qsTranslate("ProjectPage", "The profile “%1” was loaded without these values, which their fields do not take:\n%2")
                .replace(/%([12])/g, (marker, n) => parts[Number(n) - 1])
        }
        notLoadedDialog.open()
    }

    function _save() {
        if (page.saveSettingsProfile(saveSettingsDialog.field.text))
            saveSettingsDialog.close()
    }

    function _load() {
        if (page.loadSelectedSettingsProfile())
            loadSettingsDialog.close()
    }

    component Label12: Text {
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

    component Filler: Item { Layout.fillWidth: true }

    // Said in both dialogs while the stored list that could not be read at
    // start is not yet set aside.
    readonly property string _damagedText: page._profilesDamaged
        ? qsTranslate("ProjectPage", "The saved settings profiles are damaged and cannot be read. The damaged text is set aside when a profile is saved.")
        : ""

    ProjectNameDialog {
        id: saveSettingsDialog
        objectName: "saveSettingsDialog"
        page: dialogs.page
        title: qsTranslate("ProjectPage", "Save Settings Profile")
        width: 380
        onOpened: {
            dialogs.page._saveProfileError = ""
            field.forceActiveFocus()
        }
        prompt: qsTranslate("ProjectPage", "Profile name:")
        field.placeholderText: qsTranslate("ProjectPage", "e.g., 100bb rake-free (fast)")
        errorText: dialogs.page._saveProfileError !== "" ? dialogs.page._saveProfileError : dialogs._damagedText
        confirmText: qsTranslate("ProjectPage", "Save")
        fieldObjectName: "saveSettingsNameField"
        errorObjectName: "saveProfileError"
        confirmObjectName: "saveProfileConfirmButton"
        onConfirmed: dialogs._save()
    }

    ProjectFormDialog {
        id: loadSettingsDialog
        objectName: "loadSettingsDialog"
        page: dialogs.page
        title: qsTranslate("ProjectPage", "Load Settings Profile")
        modal: true
        width: 420
        anchors.centerIn: parent

        Label12 { text: qsTranslate("ProjectPage", "Choose a saved profile:") }

        Text {
            visible: dialogs.page.settingsProfiles.length === 0 && !dialogs.page._profilesDamaged
            text: qsTranslate("ProjectPage", "No saved profiles yet.")
            font.pixelSize: 11
            color: ThemeRules.roleColor(dialogs.page.theme, "textFaint", "#6E7681")
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 6
            Repeater {
                model: dialogs.page.settingsProfiles
                Rectangle {
                    id: row
                    required property var modelData
                    readonly property string profileId: String(modelData.id)
                    readonly property bool selected: dialogs.page._loadProfileSelectedId === profileId
                    objectName: "profileRow_" + modelData.name
                    Layout.fillWidth: true
                    implicitHeight: 30
                    radius: ThemeRules.roleColor(dialogs.page.theme, "radiusSm", 8)
                    color: selected ? ThemeRules.roleColor(dialogs.page.theme, "surface3", "#2D333B")
                         : rowArea.containsMouse ? ThemeRules.roleColor(dialogs.page.theme, "surfaceHover", "#30363D")
                         : ThemeRules.roleColor(dialogs.page.theme, "surface2", "#21262D")
                    border.width: 1
                    border.color: selected ? ThemeRules.roleColor(dialogs.page.theme, "strokeFocus", "#58A6FF") : ThemeRules.roleColor(dialogs.page.theme, "stroke", "#30363D")

                    Text {
                        id: rowName
                        objectName: "profileRowName"
                        x: 10
                        width: row.width - 20
                        anchors.verticalCenter: parent.verticalCenter
                        text: row.modelData.name
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        font.pixelSize: 12
                        color: ThemeRules.roleColor(dialogs.page.theme, "text", "#F0F6FC")
                    }

                    MouseArea {
                        id: rowArea
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: dialogs.page._loadProfileSelectedId = row.profileId
                        onDoubleClicked: {
                            dialogs.page._loadProfileSelectedId = row.profileId
                            dialogs._load()
                        }
                    }

                    // A long name is cut at the row's end; the whole name
                    // shows on hover.
                    Components.PlainToolTip {
                        objectName: "profileRowToolTip"
                        theme: dialogs.page.theme
                        visible: rowArea.containsMouse && rowName.truncated
                        delay: 500
                        text: rowName.text
                    }
                }
            }
        }

        ErrorLine {
            objectName: "profilesDamagedLine"
            text: dialogs._damagedText
        }
        ErrorLine { text: dialogs.page._loadProfileError }
        buttons: [
            Filler {},
            ProjectDialogButton {
                theme: dialogs.page.theme
                text: qsTranslate("ProjectPage", "Cancel")
                onClicked: loadSettingsDialog.close()
            },
            ProjectDialogButton {
                objectName: "deleteProfileButton"
                theme: dialogs.page.theme
                look: "dangerOutline"
                text: qsTranslate("ProjectPage", "Delete")
                enabled: dialogs.page._loadProfileSelectedId !== ""
                onClicked: dialogs.page.askDeleteSelectedProfile()
            },
            ProjectDialogButton {
                objectName: "loadProfileConfirmButton"
                theme: dialogs.page.theme
                look: "accent"
                text: qsTranslate("ProjectPage", "Load")
                enabled: dialogs.page._loadProfileSelectedId !== ""
                onClicked: dialogs._load()
            }
        ]
    }

    ProjectDeleteDialog {
        id: confirmDeleteProfileDialog
        objectName: "confirmDeleteProfileDialog"
        page: dialogs.page
        title: qsTranslate("ProjectPage", "Delete settings profile")
        width: 420
        z: loadSettingsDialog.z + 1
        question: qsTranslate("ProjectPage", "Are you sure you want to delete this saved profile?")
        itemName: dialogs.page._deleteProfileName
        deleteObjectName: "confirmDeleteButton"
        onDeleteConfirmed: dialogs.page.deleteSettingsProfileById(dialogs.page._deleteProfileId)
    }

    Components.MessageBox {
        id: notLoadedDialog
        objectName: "profileNotLoadedDialog"
        theme: dialogs.page.theme
        title: qsTranslate("ProjectPage", "Some Values Not Loaded")
    }
}
