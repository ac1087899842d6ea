import QtQuick
import QtQuick.Layouts
import "../components" as Components

// Under the board: the variant and utility-model switches and the settings
// profiles' "Load" and "Save".
Components.Card {
    id: card

    required property var page
    readonly property alias variantBtn: variantBtn
    readonly property alias utilityBtn: utilityBtn

    theme: page.theme
    padding: 12

    // No button cuts its word: the two switches give way first, down to
    // their own text; "Load" and "Save" stay equal while that fits. The
    // board column is never narrower than `minimumRowWidth`.
    readonly property real _switchesWidth: variantBtn.implicitWidth + utilityBtn.implicitWidth + 30
    readonly property bool _equalFits: _switchesWidth + 2 * Math.max(loadButton.implicitWidth, saveButton.implicitWidth)
                                       <= availableWidth
    readonly property real minimumRowWidth: _switchesWidth + loadButton.implicitWidth + saveButton.implicitWidth
                                            + leftPadding + rightPadding

    RowLayout {
        anchors.fill: parent
        spacing: 10

        Components.SecondaryButton {
            id: variantBtn
            objectName: "variantButton"
            Layout.alignment: Qt.AlignVCenter
            Layout.fillWidth: true
            Layout.preferredWidth: Math.max(90, Math.round(102 * card.page.uiScale))
            // A maximum below the minimum would cut the word after all.
            Layout.maximumWidth: Math.max(Layout.preferredWidth, implicitWidth)
            Layout.minimumWidth: implicitWidth
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: (card.page.isShortDeck ? qsTranslate("ProjectPage", "Short Deck") : qsTranslate("ProjectPage", "Holdem")) + "  ▾"
            onClicked: card.page.toggleVariantPopup()
        }

        Components.SecondaryButton {
            id: utilityBtn
            objectName: "utilityButton"
            Layout.alignment: Qt.AlignVCenter
            Layout.fillWidth: true
            Layout.preferredWidth: Math.max(82, Math.round(93 * card.page.uiScale))
            // A maximum below the minimum would cut the word after all.
            Layout.maximumWidth: Math.max(Layout.preferredWidth, implicitWidth)
            Layout.minimumWidth: implicitWidth
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: (card.page.isIcm ? qsTranslate("ProjectPage", "ICM") : qsTranslate("ProjectPage", "Cash")) + "  ▾"
            onClicked: card.page.toggleUtilityPopup()
        }

        Components.SecondaryButton {
            id: loadButton
            objectName: "loadProfileButton"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            Layout.minimumWidth: card._equalFits ? Math.max(implicitWidth, saveButton.implicitWidth) : implicitWidth
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: qsTranslate("ProjectPage", "Load")
            onClicked: card.page.openLoadProfileDialog()
        }

        Components.PrimaryButton {
            id: saveButton
            objectName: "saveProfileButton"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            Layout.minimumWidth: card._equalFits ? Math.max(implicitWidth, loadButton.implicitWidth) : implicitWidth
            theme: card.page.theme
            font.pixelSize: 12
            horizontalPadding: 8
            text: qsTranslate("ProjectPage", "Save")
            onClicked: card.page.openSaveProfileDialog()
        }
    }
}
