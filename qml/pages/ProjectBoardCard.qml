import QtQuick
import QtQuick.Layouts
import "../components" as Components

// The board: five slots; a click on one opens the card picker for it.
Components.Card {
    id: card

    required property var page
    readonly property alias boardDisplay: boardDisplay
    readonly property real displayImplicitWidth: boardDisplay.implicitWidth

    theme: page.theme
    padding: 12

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        RowLayout {
            spacing: 8
            Components.Icon {
                name: "cards"
                size: 16
                color: card.page._color("accent", "#3FB950")
            }
            Text {
                text: qsTr("Board")
                font.pixelSize: 15
                font.bold: true
                color: card.page._color("text", "#F0F6FC")
            }
            Item { Layout.fillWidth: true }
        }

        Components.BoardDisplay {
            id: boardDisplay
            objectName: "boardDisplay"
            Layout.alignment: Qt.AlignHCenter
            theme: card.page.theme
            boardText: card.page.boardText
            editable: true
            horizontalPadding: 0
            cardScale: 1.25 * card.page.uiScale
            onCardClicked: index => card.page.openCardPicker(index)
        }
    }
}
