import QtQuick
import QtQuick.Layouts
import "../components" as Components

// Under the board: the variant and utility-model switches and the settings
// profiles' "Load" and "Save".
Components.Card {
    id: card

    required property var page
    readonly property alias variantButton: variantButton
    readonly property alias utilityButton: utilityButton

    theme: page.theme
    padding: 12

    RowLayout {
        anchors.fill: parent
        spacing: 10

        Components.SecondaryButton {
            id: variantButton
            objectName: "variantButton"
            Layout.alignment: Qt.AlignVCenter
            Layout.preferredWidth: Math.max(90, Math.round(102 * card.page.uiScale))
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: (card.page.isShortDeck ? qsTranslate("ProjectPage", "Short Deck") : qsTranslate("ProjectPage", "Holdem")) + "  ▾"
            onClicked: card.page.toggleVariantPopup()
        }

        Components.SecondaryButton {
            id: utilityButton
            objectName: "utilityButton"
            Layout.alignment: Qt.AlignVCenter
            Layout.preferredWidth: Math.max(82, Math.round(93 * card.page.uiScale))
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: (card.page.isIcm ? qsTranslate("ProjectPage", "ICM") : qsTranslate("ProjectPage", "Cash")) + "  ▾"
            onClicked: card.page.toggleUtilityPopup()
        }

        Components.SecondaryButton {
            objectName: "loadProfileButton"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: qsTranslate("ProjectPage", "Load")
            onClicked: card.page.openLoadProfileDialog()
        }

        Components.PrimaryButton {
            objectName: "saveProfileButton"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: qsTranslate("ProjectPage", "Save")
            onClicked: card.page.openSaveProfileDialog()
        }
    }
}
