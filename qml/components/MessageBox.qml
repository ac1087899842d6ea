import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import "../theme" as ThemePack
import "numberText.js" as NumberText

// A modal message in the theme's colours: a title, a plain text and OK
// (with Cancel when the message asks a question). The text is shown as
// written, so file names and error texts never turn into markup. A text
// taller than the window scrolls inside the box; OK stays on screen.
Dialog {
    id: box

    property ThemePack.Theme theme
    // The functions that word the title and the message (null: none), so
    // that a language switch words them again while they are shown. A title
    // or a message set as a plain text stands in their place.
    property var titleWords: null
    property var words: null
    property string message: {
        void Qt.uiLanguage
        return box._worded(box.words)
    }
    property bool question: false
    // The OK button's words, where the question names what it does.
    property string okText: ""

    title: {
        void Qt.uiLanguage
        return box._worded(box.titleWords)
    }

    function _worded(words: var): string {
        return words ? String(words()) : ""
    }

    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    // Centred on the window, whatever the size of the item that holds it.
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: Math.max(280, Math.min(440, (parent ? parent.width : 440) - 48))
    // The text's height, but never more than the window leaves: a margin
    // of 24 above and below and the room of the title, the buttons and the
    // paddings (as figures: reading their sizes here would feed back).
    // Set here, since a box measures a flickable by its content otherwise.
    contentHeight: Math.min(_textHeight, Math.max(60, (parent ? parent.height : Infinity) - 48 - 150))
    contentWidth: availableWidth
    // The text's height, taken over just after it changed rather than
    // bound, so that the box's measuring never waits on its own size.
    property real _textHeight: 0
    property real _newTextHeight: 0
    Timer {
        id: takeTextHeight
        interval: 0
        onTriggered: box._textHeight = box._newTextHeight
    }
    onAboutToShow: (contentItem as Flickable).contentY = 0
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

    // The wrapped text sits in a flickable: its height follows the box's
    // width, and a text taller than the room left scrolls.
    contentItem: Flickable {
        objectName: "messageScroll"
        contentWidth: width
        contentHeight: box._textHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            objectName: "messageScrollBar"
            policy: box._textHeight > box.contentHeight + 1 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            contentItem: Rectangle {
                implicitWidth: 6
                radius: 3
                color: box.theme ? box.theme.textFaint : "#6E7681"
            }
        }

        Text {
            objectName: "messageText"
            width: parent.width
            // Room for the scroll bar.
            rightPadding: 12
            text: NumberText.keepFiguresWhole(box.message)
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 13
            lineHeight: 1.3
            color: box.theme ? box.theme.textMuted : "#8B949E"
            onImplicitHeightChanged: {
                box._newTextHeight = implicitHeight
                takeTextHeight.restart()
            }
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
