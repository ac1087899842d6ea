import QtQuick
import "numberText.js" as NumberText
import "actionBar.js" as Bar
import "../theme" as ThemePack

// One node of the game tree as a compact card: expander or type dot, the
// chip of the action leading here, the player (or "Deal" / "Terminal"), a
// lock mark, and a line with pot, frequency and EV.
Item {
    id: node

    property ThemePack.Theme theme
    property string nodeType: "decision"
    property string player: "OOP"
    property string action: ""
    property string actionType: ""
    property real pot: 0
    property real ev: 0
    property real frequency: -1
    // The whole percentage as printed (no sign), when the node's list rounds
    // its shares together.
    property string percentText: ""
    property bool locked: false
    property bool selected: false
    property bool expanded: false
    property bool hasChildren: true
    property int depth: 0

    readonly property color _bg: _bgColor()
    readonly property color _chipColor: _actionColor()
    readonly property bool _isChance: nodeType === "chance"
    readonly property bool _isTerminal: nodeType === "terminal"
    readonly property bool _showExpander: hasChildren && nodeType === "decision"

    signal clicked()
    signal toggleExpand()

    implicitWidth: 200
    implicitHeight: 48
    scale: pointer.containsMouse ? 1.02 : 1.0
    Behavior on scale { NumberAnimation { duration: 100; easing.type: Easing.OutCubic } }

    function _displayActionLabel() {
        return Bar.actionLabel(action, actionType)
    }

    function _luma(c) {
        if (c === undefined || c === null)
            return 0
        return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b
    }

    function _mix(a, b, t) {
        var k = Math.max(0, Math.min(1, t))
        return Qt.rgba(a.r * (1 - k) + b.r * k, a.g * (1 - k) + b.g * k, a.b * (1 - k) + b.b * k, 1)
    }

    // Sized bets and raises get their own hue from the action text.
    function _actionColor() {
        if (!theme)
            return "#888"
        var type = actionType.toLowerCase()
        if ((type === "bet" || type === "raise") && action.indexOf("%") >= 0)
            return theme.actionColor(action)
        return theme.actionColor(type)
    }

    function _bgColor() {
        if (nodeType === "terminal")
            return theme ? theme.surface3 : "#2D333B"
        if (!theme)
            return "#21262D"
        if (nodeType === "chance")
            return _mix(theme.surface2, theme.gold, 0.22)
        return _mix(theme.surface2, _actionColor(), 0.28)
    }

    function _fgOn(bg) {
        return _luma(bg) >= 0.62 ? "#0B0F14" : (theme ? theme.text : "#F0F6FC")
    }

    function _mutedOn(bg) {
        return _luma(bg) >= 0.62 ? "#2D333B" : (theme ? theme.textMuted : "#8B949E")
    }

    Rectangle {
        id: body
        anchors.fill: parent
        radius: node.theme ? node.theme.radiusSm : 8
        color: node._bg
        border.width: node.selected ? 2 : 1
        border.color: node.selected ? (node.theme ? node.theme.accent : "#3FB950")
                                    : pointer.containsMouse ? (node.theme ? node.theme.strokeFocus : "#58A6FF")
                                                            : (node.theme ? node.theme.stroke : "#30363D")

        Row {
            id: content
            anchors.fill: parent
            anchors.margins: 10
            spacing: 10

            Rectangle {
                objectName: "expander"
                anchors.verticalCenter: parent.verticalCenter
                visible: node._showExpander
                width: 20
                height: 20
                radius: 4
                color: pointer.containsMouse && contains(mapFromItem(pointer, pointer.mouseX, pointer.mouseY))
                       ? (node.theme ? node.theme.surface3 : "#2D333B") : "transparent"
                Text {
                    anchors.centerIn: parent
                    text: node.expanded ? "\u2212" : "+"
                    font.pixelSize: 14
                    font.bold: true
                    color: node.theme ? node.theme.textMuted : "#8B949E"
                }
            }

            Rectangle {
                objectName: "typeDot"
                anchors.verticalCenter: parent.verticalCenter
                visible: !node._showExpander
                width: 8
                height: 8
                radius: 4
                color: node._isTerminal ? (node.theme ? node.theme.textFaint : "#6E7681")
                     : node._isChance ? (node.theme ? node.theme.gold : "#F0B429")
                     : node.player === "OOP" ? (node.theme ? node.theme.actionBet : "#A371F7")
                                             : (node.theme ? node.theme.info : "#58A6FF")
            }

            Column {
                anchors.verticalCenter: parent.verticalCenter
                width: content.width - x
                spacing: 2

                Item {
                    id: firstLine
                    width: parent.width
                    height: 18

                    Row {
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 6
                        Rectangle {
                            id: chip
                            objectName: "actionChip"
                            anchors.verticalCenter: parent.verticalCenter
                            visible: node.action !== ""
                            width: chipText.implicitWidth + 12
                            height: 18
                            radius: node.theme ? node.theme.radiusXs : 4
                            color: Qt.rgba(node._chipColor.r, node._chipColor.g, node._chipColor.b, 0.8)
                            Text {
                                id: chipText
                                objectName: "actionLabel"
                                anchors.centerIn: parent
                                text: node._displayActionLabel()
                                textFormat: Text.PlainText
                                font.pixelSize: 10
                                font.weight: Font.DemiBold
                                color: node._fgOn(parent.color)
                            }
                        }

                        Text {
                            id: title
                            objectName: "title"
                            anchors.verticalCenter: parent.verticalCenter
                            text: node._isChance ? (node.player !== "" ? node.player : qsTr("Deal"))
                                : node._isTerminal ? qsTr("Terminal") : node.player
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            width: Math.min(implicitWidth, Math.max(0, firstLine.width - (chip.visible ? chip.width + 6 : 0) - (node.locked ? 20 : 0)))
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: node._fgOn(node._bg)
                        }
                    }

                    Icon {
                        objectName: "lockMark"
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        visible: node.locked
                        name: "lock"
                        size: 14
                        color: node._mutedOn(node._bg)
                    }
                }

                Row {
                    objectName: "statsLine"
                    visible: node.pot > 0 || node.ev !== 0 || node.frequency >= 0
                    spacing: 12

                    Text {
                        objectName: "potText"
                        visible: node.pot > 0
                        text: qsTr("Pot: %1").arg(Math.round(node.pot))
                        font.pixelSize: 10
                        color: node._mutedOn(node._bg)
                    }
                    Text {
                        objectName: "freqText"
                        visible: node.frequency >= 0
                        text: qsTr("Freq: %1%").arg(node.percentText !== "" ? node.percentText
                                                    : NumberText.percent(Math.max(0, Math.min(1, node.frequency))))
                        font.pixelSize: 10
                        font.weight: Font.DemiBold
                        color: node._mutedOn(node._bg)
                    }
                    Text {
                        objectName: "evText"
                        visible: node.ev !== 0
                        text: qsTr("EV: %1%2").arg("").arg(NumberText.signed(node.ev, 2))
                        font.pixelSize: 10
                        color: node.ev >= 0 ? (node.theme ? node.theme.success : "#3FB950")
                                            : (node.theme ? node.theme.danger : "#F85149")
                    }
                }
            }
        }
    }

    // The selection glow fades in; deselecting hides it at once.
    Rectangle {
        objectName: "glow"
        anchors.fill: parent
        radius: node.theme ? node.theme.radiusSm : 8
        color: "transparent"
        border.width: 2
        border.color: node.theme ? node.theme.accent : "#3FB950"
        visible: node.selected
        opacity: node.selected ? 0.5 : 0
        Behavior on opacity { NumberAnimation { duration: 150 } }
    }

    MouseArea {
        id: pointer
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: node.clicked()
    }
}
