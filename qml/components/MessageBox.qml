import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import "../theme" as ThemePack

// A modal message in the theme's colours: a title, a plain text and OK
// (with Cancel when the message asks a question). The text is shown as
// written, so file names and error texts never turn into markup.
Dialog {
    id: box

    property ThemePack.Theme theme
    property string message: ""
    property bool question: false
    // The OK button's words, where the question names what it does.
    property string okText: ""

    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    // Centred on the window, whatever the size of the item that holds it.
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: Math.max(280, Math.min(440, (parent ? parent.width : 440) - 48))
    padding: 20
    topPadding: 16

    background: Rectangle {
        radius: box.theme ? box.theme.radiusMd : 12
        color: box.theme ? box.theme.surface : "#1C2128"
        border.width: 1
        border.color: box.theme ? box.theme.stroke : "#30363D"
    }

    header: Text {
        objectName: "messageTitle"
        leftPadding: 20
        rightPadding: 20
        topPadding: 18
        text: box.title
        textFormat: Text.PlainText
        font.pixelSize: 16
        font.bold: true
        color: box.theme ? box.theme.text : "#F0F6FC"
        elide: Text.ElideRight
    }

    // The wrapped text sits in a plain item, so its height follows the
    // dialog's width without feeding back into the dialog's own size.
    contentItem: Item {
        implicitHeight: children.length > 0 ? children[0].implicitHeight : 0

        Text {
            objectName: "messageText"
            width: parent.width
            text: box.message
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 13
            lineHeight: 1.3
            color: box.theme ? box.theme.textMuted : "#8B949E"
        }
    }

    footer: Item {
        implicitHeight: 60
        Row {
            id: buttons
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.top: parent.top
            spacing: 8

            SecondaryButton {
                objectName: "messageCancelButton"
                theme: box.theme
                visible: box.question
                width: Math.max(90, implicitWidth)
                text: qsTr("Cancel")
                onClicked: box.reject()
            }

            PrimaryButton {
                objectName: "messageOkButton"
                theme: box.theme
                width: Math.max(90, implicitWidth)
                text: box.okText !== "" ? box.okText : qsTr("OK")
                onClicked: box.accept()
            }
        }
    }
}
