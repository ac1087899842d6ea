import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "../theme/themeRules.js" as ThemeRules

// Chooses the card of one board slot, or clears the slot and the ones after
// it. Cards already on the board cannot be chosen.
ProjectDialog {
    id: dialog

    readonly property int _slot: page.editingCardIndex

    title: qsTranslate("ProjectPage", "Select card")
    // Modal, so a press beside the picker closes it and goes no further;
    // undimmed, so the board stays in view.
    modal: true
    dim: false

    onOpened: page._cardPickerOpen = true
    onClosed: page._cardPickerOpen = false

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ColumnLayout {
            Layout.margins: 14
            spacing: 10
            Layout.preferredWidth: Math.max(360, picker.implicitWidth + 28) - 28

            Text {
                text: dialog._slot < 3 ? qsTranslate("ProjectPage", "Flop card") : dialog._slot === 3 ? qsTranslate("ProjectPage", "Turn card") : qsTranslate("ProjectPage", "River card")
                font.pixelSize: 12
                color: ThemeRules.roleColor(dialog.page.theme, "textMuted", "#8B949E")
            }

            Components.CardPicker {
                id: picker
                objectName: "cardPicker"
                Layout.fillWidth: true
                theme: dialog.page.theme
                usedCards: dialog.page.usedBoardCards
                ranks: dialog.page.variantRanks
                onCardSelected: card => {
                    dialog.page.setBoardCardAt(dialog._slot, card)
                    dialog.close()
                }
            }
        }

        RowLayout {
            Layout.margins: 14
            Layout.topMargin: 0
            spacing: 10
            Item { Layout.fillWidth: true }
            ProjectDialogButton {
                objectName: "clearCardButton"
                // As wide as the longest translation needs.
                implicitWidth: Math.max(110, Math.ceil(contentItem.implicitWidth) + 20)
                theme: dialog.page.theme
                text: qsTranslate("ProjectPage", "Clear card")
                enabled: dialog._slot >= 0
                onClicked: {
                    dialog.page.clearBoardFrom(dialog._slot)
                    dialog.close()
                }
            }
            ProjectDialogButton {
                objectName: "cancelCardButton"
                theme: dialog.page.theme
                text: qsTranslate("ProjectPage", "Cancel")
                onClicked: dialog.close()
            }
        }
    }
}
