import QtQuick
import Qt5Compat.GraphicalEffects
import "boardText.js" as BoardText
import "../theme" as ThemePack

// One playing card: face up, face down (the back) or an empty slot.
Item {
    id: card

    property ThemePack.Theme theme
    property string rank: ""
    property string suit: ""
    property bool faceDown: false
    property bool selected: false
    property bool disabled: false
    property bool mini: false
    property bool hoverable: true
    property real sizeScale: 1.0
    property bool enableHoverScale: true

    readonly property int _baseW: mini ? 32 : 52
    readonly property int _baseH: mini ? 44 : 72
    readonly property real _s: Math.max(0.1, sizeScale)
    readonly property string suitSymbol: BoardText.suitSymbol(suit)
    readonly property color suitColor: theme ? theme.suitColor(suit) : "black"

    readonly property bool _showFace: !faceDown && rank !== "" && suit !== ""
    readonly property bool _tracking: hoverable && !disabled
    readonly property real _radius: theme ? theme.radiusSm : 8
    readonly property string _fontFamily: theme ? theme.fontFamily : "Segoe UI"

    signal clicked()

    implicitWidth: _baseW * _s
    implicitHeight: _baseH * _s
    opacity: disabled ? 0.4 : 1.0
    scale: enableHoverScale && _tracking && pointer.containsMouse ? 1.05 : 1.0
    Behavior on scale { NumberAnimation { duration: 100; easing.type: Easing.OutCubic } }

    // Face: drawn into its own layer so the shadow follows the rounded outline.
    Item {
        id: face
        objectName: "face"
        anchors.fill: parent
        visible: card._showFace

        Rectangle {
            id: faceBody
            anchors.fill: parent
            radius: card._radius
            gradient: Gradient {
                GradientStop { position: 0; color: card.theme ? card.theme.cardFace : "#FFFEF5" }
                GradientStop { position: 1; color: Qt.darker(card.theme ? card.theme.cardFace : "#FFFEF5", 1.03) }
            }
            border.width: card.selected ? 2 : 1
            border.color: card.selected ? (card.theme ? card.theme.accent : "#3FB950")
                                        : (card.theme ? card.theme.cardBorder : "#30363D")
        }

        Text {
            objectName: "cornerRank"
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.leftMargin: (card.mini ? 3 : 5) * card._s
            anchors.topMargin: (card.mini ? 2 : 4) * card._s
            text: card.rank
            textFormat: Text.PlainText
            font.family: card._fontFamily
            font.bold: true
            font.pixelSize: (card.mini ? 12 : 18) * card._s
            color: card.suitColor
        }
        Text {
            objectName: "cornerSuit"
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.leftMargin: (card.mini ? 3 : 5) * card._s
            anchors.topMargin: (card.mini ? 14 : 22) * card._s
            text: card.suitSymbol
            font.pixelSize: (card.mini ? 10 : 14) * card._s
            color: card.suitColor
        }
        Text {
            objectName: "centreSuit"
            anchors.centerIn: parent
            visible: !card.mini
            text: card.suitSymbol
            font.pixelSize: 28 * card._s
            color: card.suitColor
        }
        Text {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.rightMargin: 5 * card._s
            anchors.bottomMargin: 4 * card._s
            visible: !card.mini
            rotation: 180
            text: card.rank
            textFormat: Text.PlainText
            font.family: card._fontFamily
            font.bold: true
            font.pixelSize: 18 * card._s
            color: card.suitColor
        }
        Text {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.rightMargin: 5 * card._s
            anchors.bottomMargin: 22 * card._s
            visible: !card.mini
            rotation: 180
            text: card.suitSymbol
            font.pixelSize: 14 * card._s
            color: card.suitColor
        }

        Rectangle {
            anchors.fill: parent
            radius: card._radius
            color: "black"
            opacity: card._tracking && pointer.containsMouse ? 0.05 : 0
            Behavior on opacity { NumberAnimation { duration: 100 } }
        }
    }

    DropShadow {
        z: -1
        anchors.fill: face
        source: faceBody
        visible: card._showFace
        transparentBorder: true
        horizontalOffset: 0
        verticalOffset: 2
        radius: 6
        samples: 13
        color: Qt.rgba(0, 0, 0, card.theme ? card.theme.shadowOpacity * 0.5 : 0.2)
    }

    Rectangle {
        objectName: "back"
        anchors.fill: parent
        visible: card.faceDown
        radius: card._radius
        color: card.theme ? card.theme.cardBack : "#1C4B82"
        border.width: 1
        border.color: card.theme ? card.theme.cardBorder : "#30363D"

        // Diagonals at 45°, 8 px apart, running down to the right.
        Canvas {
            anchors.fill: parent
            anchors.margins: 4
            onWidthChanged: requestPaint()
            onHeightChanged: requestPaint()
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                ctx.strokeStyle = "rgba(255,255,255,0.1)"
                ctx.lineWidth = 1
                ctx.beginPath()
                for (var x = -height; x < width; x += 8) {
                    ctx.moveTo(x, 0)
                    ctx.lineTo(x + height, height)
                }
                ctx.stroke()
            }
        }
    }

    Rectangle {
        objectName: "emptySlot"
        anchors.fill: parent
        visible: !card.faceDown && !card._showFace
        radius: card._radius
        color: "transparent"
        border.width: 2
        border.color: card.theme ? card.theme.stroke : "#30363D"
        antialiasing: false
        opacity: 0.5

        Text {
            anchors.centerIn: parent
            visible: !card.mini
            text: qsTr("?")
            font.pixelSize: 20 * card._s
            color: card.theme ? card.theme.textFaint : "#6E7681"
        }
    }

    MouseArea {
        id: pointer
        anchors.fill: parent
        hoverEnabled: card._tracking
        cursorShape: card._tracking ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: {
            if (!card.disabled)
                card.clicked()
        }
    }
}
