pragma ComponentBehavior: Bound
import QtQuick
import "../theme" as ThemePack

// A grid of rank buttons, one row per suit, for choosing one card. Cards
// already in use are dimmed and cannot be chosen.
Item {
    id: picker

    property ThemePack.Theme theme
    property var usedCards: []
    property bool showSuitHeaders: true
    property var ranks: ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"]

    readonly property var suits: ["s", "h", "d", "c"]
    readonly property var suitSymbols: ({ "s": "\u2660", "h": "\u2665", "d": "\u2666", "c": "\u2663" })

    signal cardSelected(string card)

    // Exact comparison; the suit may also be stored in capitals.
    function isCardUsed(rank, suit) {
        var list = usedCards || []
        var plain = rank + suit, upper = rank + String(suit).toUpperCase()
        for (var i = 0; i < list.length; ++i)
            if (list[i] === plain || list[i] === upper)
                return true
        return false
    }

    // Spades in the theme's own text colour on dark surfaces: the card-face
    // spade colour would not show there.
    function _rowColor(suit) {
        if (!theme)
            return "white"
        if (suit === "s" && theme.dark)
            return theme.text
        return theme.suitColor(suit)
    }

    implicitWidth: grid.implicitWidth
    implicitHeight: grid.implicitHeight

    Column {
        id: grid
        spacing: picker.theme ? picker.theme.spaceSm : 8

        Repeater {
            model: picker.suits

            Row {
                id: suitRow
                required property string modelData
                readonly property color rowColor: picker._rowColor(modelData)
                spacing: 4

                Item { width: 4; height: 28 }

                Rectangle {
                    visible: picker.showSuitHeaders
                    width: 28
                    height: 28
                    radius: picker.theme ? picker.theme.radiusXs : 4
                    color: picker.theme ? picker.theme.surface2 : "#21262D"
                    Text {
                        anchors.centerIn: parent
                        text: picker.suitSymbols[suitRow.modelData]
                        font.pixelSize: 16
                        color: suitRow.rowColor
                    }
                }

                Repeater {
                    model: picker.ranks

                    Rectangle {
                        id: rankButton
                        required property string modelData
                        readonly property string card: modelData + suitRow.modelData
                        readonly property bool used: picker.isCardUsed(modelData, suitRow.modelData)
                        readonly property bool hovered: !used && buttonArea.containsMouse

                        objectName: "pick_" + card
                        width: 28
                        height: 28
                        z: hovered ? 1 : 0
                        radius: picker.theme ? picker.theme.radiusXs : 4
                        border.width: 1
                        color: used ? (picker.theme ? picker.theme.surface3 : "#2D333B")
                                    : hovered ? (picker.theme ? picker.theme.surfaceHover : "#30363D")
                                              : (picker.theme ? picker.theme.surface : "#1C2128")
                        border.color: hovered ? suitRow.rowColor : (picker.theme ? picker.theme.strokeLight : "#21262D")
                        opacity: used ? 0.3 : 1.0
                        scale: hovered ? 1.1 : 1.0
                        Behavior on scale { NumberAnimation { duration: 80 } }

                        Text {
                            anchors.centerIn: parent
                            text: rankButton.modelData
                            textFormat: Text.PlainText
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: rankButton.used ? (picker.theme ? picker.theme.textFaint : "#6E7681") : suitRow.rowColor
                        }

                        MouseArea {
                            id: buttonArea
                            anchors.fill: parent
                            hoverEnabled: !rankButton.used
                            cursorShape: rankButton.used ? Qt.ForbiddenCursor : Qt.PointingHandCursor
                            onClicked: {
                                if (!rankButton.used)
                                    picker.cardSelected(rankButton.card)
                            }
                        }
                    }
                }

                Item { width: 4; height: 28 }
            }
        }
    }
}
