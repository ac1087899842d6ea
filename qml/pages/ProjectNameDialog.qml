import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "../theme/themeRules.js" as ThemeRules

// A set-up dialog that asks for one name: a prompt, the name field, the
// page's error for it, and Cancel beside the confirming button, which
// stays disabled while the name is blank or `ready` is false.
ProjectFormDialog {
    id: dialog

    property string prompt: ""
    property string errorText: ""
    property string confirmText: ""
    property bool ready: true
    // Cancel at the left edge rather than beside the confirming button.
    property bool cancelApart: false
    property string fieldObjectName: ""
    property string errorObjectName: ""
    property string confirmObjectName: ""
    property alias field: nameField
    property alias confirmButton: confirmButton

    // The name was confirmed, by the button or by Enter in the field.
    signal confirmed()

    modal: true
    anchors.centerIn: parent

    Text {
        text: dialog.prompt
        font.pixelSize: 12
        color: ThemeRules.roleColor(dialog.page.theme, "textMuted", "#8B949E")
        Layout.fillWidth: true
        wrapMode: Text.Wrap
    }
    ProjectTextField {
        id: nameField
        objectName: dialog.fieldObjectName
        Layout.fillWidth: true
        theme: dialog.page.theme
        onAccepted: dialog.confirmed()
    }
    // At most three lines, so the buttons stay on screen; whole on hover.
    Text {
        id: errorLine
        objectName: dialog.errorObjectName
        visible: text !== ""
        text: dialog.errorText
        textFormat: Text.PlainText
        font.pixelSize: 11
        color: ThemeRules.roleColor(dialog.page.theme, "danger", "#F85149")
        Layout.fillWidth: true
        wrapMode: Text.Wrap
        maximumLineCount: 3
        elide: Text.ElideRight

        HoverHandler { id: errorHover }
        Components.PlainToolTip {
            theme: dialog.page.theme
            visible: errorHover.hovered && errorLine.truncated
            text: errorLine.text
        }
    }
    buttons: [
        Item { Layout.fillWidth: true; visible: !dialog.cancelApart },
        ProjectDialogButton {
            theme: dialog.page.theme
            text: qsTranslate("ProjectPage", "Cancel")
            onClicked: dialog.close()
        },
        Item { Layout.fillWidth: true; visible: dialog.cancelApart },
        ProjectDialogButton {
            id: confirmButton
            objectName: dialog.confirmObjectName
            theme: dialog.page.theme
            look: "accent"
            text: dialog.confirmText
            enabled: nameField.text.trim() !== "" && dialog.ready
            onClicked: dialog.confirmed()
        }
    ]
}
