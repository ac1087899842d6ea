import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "../theme/themeRules.js" as ThemeRules

// The board: five slots; a click on one opens the card picker for it.
Components.Card {
    id: card

    required property var page
    readonly property alias boardDisplay: boardDisplay
    readonly property real displayImplicitWidth: boardDisplay.implicitWidth

    theme: page.theme
    padding: 12

    ColumnLayout {
        // Top-aligned: a card stretched to the row's height keeps the
        // extra room at its bottom, so the rows of neighbouring cards line up.
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        spacing: 8

        RowLayout {
            spacing: 8
            Components.Icon {
                name: "cards"
                size: 16
                color: ThemeRules.roleColor(card.page.theme, "accent", "#3FB950")
            }
            Text {
                text: qsTranslate("ProjectPage", "Board")
                font.pixelSize: 15
                font.bold: true
                color: ThemeRules.roleColor(card.page.theme, "text", "#F0F6FC")
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
