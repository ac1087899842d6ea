import QtQuick
import QtQuick.Controls.Basic
import "../theme/themeRules.js" as ThemeRules

// The frame every dialog of the set-up page shares: a titled surface with a
// thin border, attached to the window's content item.
Dialog {
    id: dialog

    required property var page

    parent: page.Window.window ? page.Window.window.contentItem : page
    focus: true
    padding: 0
    topPadding: 0
    standardButtons: Dialog.NoButton
    // The rest of a double click on a button that closed the dialog must
    // not reach what lay under it.
    onClosed: page.shieldPressesOver(dialog)

    header: Text {
        visible: dialog.title !== ""
        text: dialog.title
        textFormat: Text.PlainText
        leftPadding: 14
        rightPadding: 14
        topPadding: 14
        bottomPadding: 0
        font.pixelSize: 14
        font.bold: true
        color: ThemeRules.roleColor(dialog.page.theme, "text", "#F0F6FC")
    }

    background: Rectangle {
        radius: dialog.page.theme ? dialog.page.theme.radiusSm : 10
        color: ThemeRules.roleColor(dialog.page.theme, "surface", "#1C2128")
        border.width: 1
        border.color: ThemeRules.roleColor(dialog.page.theme, "stroke", "#30363D")
    }
}
