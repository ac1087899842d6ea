import QtQuick
import QtQuick.Layouts
import Pellaris
import "galleryMatrixData.js" as GalleryData

// The card, board, matrix, action and tree controls in typical states. Shown
// by GalleryCards.qml; a larger gallery can place it as one section.
ColumnLayout {
    id: section

    property var theme

    spacing: 16

    SectionHeader {
        Layout.fillWidth: true
        theme: section.theme
        title: "Cards, board, matrix, actions and tree"
        subtitle: "Playing cards, board display, card picker, hand matrix with an action mix, action bar, tree nodes and the range editor."
    }

    Card {
        theme: section.theme
        Layout.fillWidth: true
        ActionBar {
            width: parent.width
            theme: section.theme
            interactive: true
            actions: [
                { name: "Check", actionType: "check", frequency: 0.52, combos: 412, equity: 0.4834, ev: 3.254 },
                { name: "Bet 33%", actionType: "bet 33%", frequency: 0.31, combos: 245.5, equity: 0.561, ev: 4.1 },
                { name: "Bet 75%", actionType: "bet 75%", frequency: 0.17, combos: 134, equity: 0.622, ev: -0.4 }
            ]
        }
    }

    RowLayout {
        spacing: 16
        Layout.alignment: Qt.AlignTop

        Card {
            theme: section.theme
            Layout.alignment: Qt.AlignTop
            ColumnLayout {
                spacing: 16
                BoardDisplay { theme: section.theme; boardText: "AhKsQd2c9h"; cardScale: 1.25 }
                RowLayout {
                    spacing: 12
                    PlayingCard { theme: section.theme; faceDown: true; sizeScale: 1.25 }
                    PlayingCard { theme: section.theme; rank: "T"; suit: "c"; selected: true; sizeScale: 1.25 }
                    PlayingCard { theme: section.theme; rank: "7"; suit: "d"; disabled: true; sizeScale: 1.25 }
                    PlayingCard { theme: section.theme; sizeScale: 1.25 }
                    PlayingCard { theme: section.theme; rank: "A"; suit: "s"; mini: true }
                    PlayingCard { theme: section.theme; rank: "K"; suit: "h"; mini: true }
                    PlayingCard { theme: section.theme; faceDown: true; mini: true }
                }
                BoardDisplay { theme: section.theme; boardText: "AhKs__2c"; editable: true }
                RowLayout {
                    spacing: 12
                    BoardDisplay { theme: section.theme; boardText: "9c8c7d"; compact: true }
                    BoardDisplay { theme: section.theme; boardText: "9c8c7dAs"; compact: true }
                }
                CardPicker { theme: section.theme; usedCards: ["Ah", "Ks", "Qd", "2c", "9h"] }
            }
        }

        Card {
            theme: section.theme
            Layout.alignment: Qt.AlignTop
            ColumnLayout {
                spacing: 12
                Text {
                    text: "Strategy: check / bet 33% / bet 75%"
                    font.pixelSize: 13
                    font.bold: true
                    color: section.theme.text
                }
                HandMatrix {
                    id: strategyMatrix
                    theme: section.theme
                    weights: GalleryData.sampleWeights(strategyMatrix.ranks)
                    actionTypes: ["check", "bet 33%", "bet 75%"]
                    actionProbs: GalleryData.sampleMix(strategyMatrix.ranks)
                    selectable: true
                }
                ActionBar {
                    Layout.fillWidth: true
                    theme: section.theme
                    showLabels: false
                    implicitHeight: 16
                    actions: [
                        { name: "Fold", actionType: "fold", frequency: 0.2 },
                        { name: "Call", actionType: "call", frequency: 0.5 },
                        { name: "Raise", actionType: "raise", frequency: 0.25 },
                        { name: "All-in", actionType: "allin", frequency: 0.05 }
                    ]
                }
            }
        }

        ColumnLayout {
            spacing: 8
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: 260

            TreeNode {
                Layout.fillWidth: true
                theme: section.theme
                player: "IP"
                action: "Bet 75%"
                actionType: "bet"
                pot: 32
                frequency: 0.42
                ev: 1.25
                expanded: true
            }
            TreeNode {
                Layout.fillWidth: true
                theme: section.theme
                player: "OOP"
                action: "All-in"
                actionType: "allin"
                pot: 196
                frequency: 0.08
                ev: -0.40
                locked: true
                selected: true
            }
            TreeNode {
                Layout.fillWidth: true
                theme: section.theme
                nodeType: "chance"
                player: "Deal Turn"
                action: "Kh"
                pot: 64
                hasChildren: false
            }
            TreeNode {
                Layout.fillWidth: true
                theme: section.theme
                nodeType: "terminal"
                action: "Fold"
                actionType: "fold"
                pot: 20
                hasChildren: false
            }
            TreeNode {
                Layout.fillWidth: true
                theme: section.theme
                player: "OOP"
                action: "Check"
                actionType: "check"
                frequency: 0
            }
        }
    }

    Card {
        theme: section.theme
        RangeEditor {
            id: rangeEditor
            width: 480
            theme: section.theme
            label: "OOP range <b>(not bold)</b>"
            rangeText: "QQ+, AKs, AQs:0.5, KQs:0.25, 76s"
            onRangeChanged: function (newRange) { rangeEditor.rangeText = newRange }
        }
    }
}
