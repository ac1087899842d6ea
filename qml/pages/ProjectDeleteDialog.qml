import QtQuick
import QtQuick.Layouts
import "../theme/themeRules.js" as ThemeRules

// A set-up dialog that confirms a deletion: the question, the quoted name
// of what goes, a note on what else goes with it, and Cancel beside Delete.
ProjectFormDialog {
    id: dialog

    property string question: ""
    property string itemName: ""
    property string note: qsTranslate("ProjectPage", "This cannot be undone.")
    property string noteObjectName: ""
    property string deleteObjectName: ""

    // Delete was pressed; the dialog has closed.
    signal deleteConfirmed()

    modal: true
    anchors.centerIn: parent

    Text {
        Layout.fillWidth: true
        text: dialog.question
        font.pixelSize: 12
        wrapMode: Text.Wrap
        color: ThemeRules.roleColor(dialog.page.theme, "text", "#F0F6FC")
    }
    Text {
        Layout.fillWidth: true
        visible: dialog.itemName !== ""
        // The name between the language's own quotation marks.
        text: qsTranslate("ProjectPage", "“%1”").arg(dialog.itemName)
        textFormat: Text.PlainText
        font.pixelSize: 12
        font.weight: Font.DemiBold
        wrapMode: Text.Wrap
        color: ThemeRules.roleColor(dialog.page.theme, "textMuted", "#8B949E")
    }
    Text {
        objectName: dialog.noteObjectName
        Layout.fillWidth: true
        text: dialog.note
        font.pixelSize: 11
        wrapMode: Text.Wrap
        color: ThemeRules.roleColor(dialog.page.theme, "textFaint", "#6E7681")
    }
    buttons: [
        Item { Layout.fillWidth: true },
        ProjectDialogButton {
            theme: dialog.page.theme
            text: qsTranslate("ProjectPage", "Cancel")
            onClicked: dialog.close()
        },
        ProjectDialogButton {
            objectName: dialog.deleteObjectName
            theme: dialog.page.theme
            look: "dangerFill"
            text: qsTranslate("ProjectPage", "Delete")
            onClicked: {
                dialog.close()
                dialog.deleteConfirmed()
            }
        }
    ]
}
