pragma ComponentBehavior: Bound
import QtQuick
import "../theme" as ThemePack

// The centred row inside both button types: optional busy spinner, icon or
// glyph, then the label. Hidden members take no width, so the label stays
// centred.
Item {
    id: content

    property string text: ""
    property string iconName: ""
    property string iconText: ""
    property color contentColor: "white"
    property real contentOpacity: 1.0
    property font font
    property bool loading: false
    property ThemePack.Theme theme

    readonly property bool _showIcon: iconName !== "" && !loading
    readonly property bool _showGlyph: iconText !== "" && iconName === "" && !loading
    readonly property real _leadingWidth: (loading ? 24 : 0) + (_showIcon ? 24 : 0)
                                          + (_showGlyph ? glyph.implicitWidth + 8 : 0)
    // A label cut to the button's width, shown whole in a tool tip made
    // only while the button is hovered.
    readonly property string wholeHint: label.truncated ? text : ""
    readonly property bool _hintWanted: hover.hovered && wholeHint !== ""
    // The tip while it is wanted. Made here rather than by a loader: a
    // loader makes its item in a context of its own, where this document's
    // bound component refuses to be made.
    property PlainToolTip _hint: null

    implicitWidth: _leadingWidth + label.implicitWidth
    implicitHeight: Math.max(16, label.implicitHeight)

    HoverHandler { id: hover }

    Component {
        id: hintTip
        PlainToolTip {
            objectName: "wholeHintTip"
            parent: content
            theme: content.theme
            text: content.wholeHint
            delay: 400
            visible: true
        }
    }

    on_HintWantedChanged: {
        if (_hintWanted && _hint === null) {
            _hint = hintTip.createObject(content) as PlainToolTip
        } else if (!_hintWanted && _hint !== null) {
            _hint.destroy()
            _hint = null
        }
    }

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 8

        Item {
            id: spinnerSlot
            objectName: "spinner"
            width: content.loading ? 16 : 0
            height: 16
            anchors.verticalCenter: parent.verticalCenter
            visible: content.loading

            // The full ring faintly, and a three-quarter arc over it.
            Rectangle {
                anchors.centerIn: parent
                width: 14
                height: 14
                radius: 7
                color: "transparent"
                border.width: 2
                border.color: content.contentColor
                opacity: 0.3
            }

            Canvas {
                id: arc
                anchors.centerIn: parent
                width: 14
                height: 14
                onPaint: {
                    var ctx = getContext("2d")
                    ctx.reset()
                    ctx.lineWidth = 2
                    ctx.lineCap = "round"
                    ctx.strokeStyle = content.contentColor
                    ctx.beginPath()
                    ctx.arc(7, 7, 6, -Math.PI / 2, Math.PI)
                    ctx.stroke()
                }
                Connections {
                    target: content
                    function onContentColorChanged() { arc.requestPaint() }
                }
            }

            // A quarter turn a second: a turn every frame would redraw the
            // window all through a long task (a solve), and on a machine that
            // draws in software each frame takes time from the task itself.
            Timer {
                interval: 1000
                repeat: true
                running: content.loading && content.visible
                onTriggered: spinnerSlot.rotation = (spinnerSlot.rotation + 90) % 360
            }
        }

        Icon {
            objectName: "icon"
            anchors.verticalCenter: parent.verticalCenter
            visible: content._showIcon
            name: content.iconName
            size: 16
            color: content.contentColor
            iconOpacity: content.contentOpacity
        }

        Text {
            id: glyph
            objectName: "glyph"
            anchors.verticalCenter: parent.verticalCenter
            visible: content._showGlyph
            text: content.iconText
            textFormat: Text.PlainText
            font.pixelSize: 14
            color: content.contentColor
            opacity: content.contentOpacity
        }

        Text {
            id: label
            objectName: "label"
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(0, Math.min(implicitWidth, content.width - content._leadingWidth))
            text: content.text
            textFormat: Text.PlainText
            font: content.font
            color: content.contentColor
            opacity: content.contentOpacity
            horizontalAlignment: Text.AlignHCenter
            maximumLineCount: 1
            elide: Text.ElideRight
        }
    }
}
