pragma ComponentBehavior: Bound
import QtQuick
import "boardText.js" as BoardText
import "../theme" as ThemePack

// The community cards of a board text in five slots: the flop grouped on a
// panel, then the turn and the river, with the street above them.
Item {
    id: board

    property ThemePack.Theme theme
    property string boardText: ""
    property bool editable: false
    property bool showStreetLabel: true
    property var clickableIndices: null
    property bool compact: false
    property real cardScale: 1.0
    property int horizontalPadding: compact ? 0 : 10

    readonly property var cards: BoardText.parseBoard(boardText)
    readonly property string streetLabel: BoardText.streetLabel(cards)
    readonly property bool _streetLabelVisible: showStreetLabel && !compact

    signal cardClicked(int index)

    function _isClickable(i) {
        if (!editable)
            return false
        if (clickableIndices === null || clickableIndices === undefined)
            return true
        if (clickableIndices.length === undefined)
            return false
        for (var k = 0; k < clickableIndices.length; ++k)
            if (clickableIndices[k] === i)
                return true
        return false
    }

    function _hasRank(i) {
        return cards[i].rank !== ""
    }

    function _cardClicked(i) {
        if (_isClickable(i))
            cardClicked(i)
    }

    // One slot: a playing card bound to its entry of `cards`. The host is
    // null while a list that holds the board tears it down.
    component BoardSlot: PlayingCard {
        required property var host
        property int slotIndex: 0
        readonly property var _card: host ? host.cards[slotIndex] : null

        objectName: "slot" + slotIndex
        theme: host ? host.theme : null
        rank: _card ? _card.rank : ""
        suit: _card ? _card.suit : ""
        mini: host ? host.compact : false
        hoverable: host ? host._isClickable(slotIndex) : false
        sizeScale: host ? host.cardScale : 1
        enableHoverScale: false
        onClicked: if (host) host._cardClicked(slotIndex)
    }

    implicitWidth: cardRow.implicitWidth
    implicitHeight: column.implicitHeight

    Column {
        id: column
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: board._streetLabelVisible ? (board.theme ? board.theme.spaceXs : 4) : 0

        Text {
            objectName: "streetLabel"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: board._streetLabelVisible
            text: BoardText.streetWord(board.streetLabel)
            textFormat: Text.PlainText
            font.pixelSize: 11
            font.weight: Font.DemiBold
            font.capitalization: Font.AllUppercase
            font.letterSpacing: 1
            color: board.theme ? board.theme.textFaint : "#6E7681"
            opacity: 0.8
        }

        Row {
            id: cardRow
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: board.compact ? 4 : 8

            Item { width: board.horizontalPadding; height: 1 }

            Rectangle {
                objectName: "flopPanel"
                anchors.verticalCenter: parent.verticalCenter
                visible: board._hasRank(0) || board.editable
                width: flopRow.implicitWidth + (board.compact ? 8 : 16)
                height: flopRow.implicitHeight + (board.compact ? 8 : 12)
                radius: board.theme ? board.theme.radiusMd : 12
                color: board.theme ? board.theme.surface2 : "#21262D"
                border.width: 1
                border.color: board.theme ? board.theme.strokeLight : "#21262D"

                Row {
                    id: flopRow
                    anchors.centerIn: parent
                    spacing: board.compact ? 2 : 4
                    Repeater {
                        model: 3
                        BoardSlot {
                            required property int index
                            host: board
                            slotIndex: index
                        }
                    }
                }
            }

            BoardSlot {
                host: board
                slotIndex: 3
                anchors.verticalCenter: parent.verticalCenter
                visible: !board.compact || board.editable || board._hasRank(3)
            }

            // The river cannot be chosen before the turn; its dimmed
            // silhouette keeps its place.
            BoardSlot {
                host: board
                slotIndex: 4
                anchors.verticalCenter: parent.verticalCenter
                visible: !board.compact || board.editable || board._hasRank(4)
                disabled: board.editable && !board._hasRank(3) && !board._hasRank(4)
            }

            Item { width: board.horizontalPadding; height: 1 }
        }
    }
}
