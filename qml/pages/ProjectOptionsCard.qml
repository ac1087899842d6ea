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
            // Never narrower than its text: fonts and languages differ in width.
            Layout.preferredWidth: Math.max(90, Math.round(102 * card.page.uiScale), implicitWidth)
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: (card.page.isShortDeck ? qsTr("Short Deck") : qsTr("Holdem")) + "  ▾"
            onClicked: card.page.toggleVariantPopup()
        }

        Components.SecondaryButton {
            id: utilityButton
            objectName: "utilityButton"
            Layout.alignment: Qt.AlignVCenter
            Layout.preferredWidth: Math.max(82, Math.round(93 * card.page.uiScale), implicitWidth)
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: (card.page.isIcm ? qsTr("ICM") : qsTr("Cash")) + "  ▾"
            onClicked: card.page.toggleUtilityPopup()
        }

        Components.SecondaryButton {
            objectName: "loadProfileButton"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: qsTr("Load")
            onClicked: card.page.openLoadProfileDialog()
        }

        Components.PrimaryButton {
            objectName: "saveProfileButton"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: qsTr("Save")
            onClicked: card.page.openSaveProfileDialog()
        }
    }
}
