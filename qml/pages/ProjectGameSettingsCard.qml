pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components" as Components
import "numericFields.js" as NumericFields
import "../theme/themeRules.js" as ThemeRules

// Pot, stacks, rake and target; under ICM the seat stacks, payouts and the
// other players' stacks take the cash-only rows' place (their values stay).
// The two lists stand under their labels across the card, so a list of
// several numbers can be read; they never widen the card.
Components.Card {
    id: card

    required property var page
    readonly property bool _icm: page.isIcm
    readonly property real _inputWidth: page.gameSettingsInputColumnWidth

    theme: page.theme
    padding: 12

    // A row's label, with a "?" badge that explains the row when `help` is set.
    component FieldLabel: RowLayout {
        id: label
        property string text: ""
        property string help: ""
        spacing: 6

        // Longer labels of some languages wrap instead of widening the card.
        Text {
            Layout.preferredWidth: Math.min(implicitWidth, 150)
            wrapMode: Text.Wrap
            text: label.text
            font.pixelSize: 12
            color: ThemeRules.roleColor(card.page.theme, "textMuted", "#8B949E")
        }

        Rectangle {
            visible: label.help !== ""
            implicitWidth: 16
            implicitHeight: 16
            radius: 8
            color: ThemeRules.roleColor(card.page.theme, "surface2", "#21262D")
            border.width: 1
            border.color: ThemeRules.roleColor(card.page.theme, "stroke", "#30363D")

            Text {
                anchors.centerIn: parent
                text: "?"
                font.pixelSize: 11
                font.bold: true
                color: ThemeRules.roleColor(card.page.theme, "textMuted", "#8B949E")
            }

            MouseArea {
                id: helpArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
            }

            // Dark, and wrapped to a readable measure, like the page.
            ToolTip {
                id: helpTip
                visible: helpArea.containsMouse
                delay: 300
                width: 300
                text: label.help
                contentItem: Text {
                    text: helpTip.text
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    font.pixelSize: 12
                    color: ThemeRules.roleColor(card.page.theme, "text", "#F0F6FC")
                }
                background: Rectangle {
                    radius: 6
                    color: ThemeRules.roleColor(card.page.theme, "surface2", "#21262D")
                    border.width: 1
                    border.color: ThemeRules.roleColor(card.page.theme, "stroke", "#30363D")
                }
            }
        }
    }

    // As wide as the column, or wider where a value would not show whole.
    component NumberInput: ProjectNumberField {
        id: numberInput
        readonly property real _width: Math.max(card._inputWidth, numberInput.shownWidth)
        theme: card.page.theme
        Layout.preferredWidth: _width
        Layout.minimumWidth: _width
        Layout.maximumWidth: _width
    }

    // A comma-separated list across both columns, kept as typed.
    component ListInput: ProjectSizingField {
        theme: card.page.theme
        mono: true
        Layout.columnSpan: 2
        Layout.fillWidth: true
        Layout.preferredWidth: card._inputWidth
        Layout.minimumWidth: card._inputWidth
    }

    component TargetButton: Button {
        id: targetButton
        property real target: 0
        implicitWidth: 52
        implicitHeight: 24
        padding: 0
        font.pixelSize: 10
        font.weight: Font.DemiBold
        onClicked: card.page.targetExploitability = target
        contentItem: Text {
            text: targetButton.text
            font: targetButton.font
            color: ThemeRules.roleColor(card.page.theme, "textMuted", "#8B949E")
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            radius: 6
            color: targetButton.down ? ThemeRules.roleColor(card.page.theme, "surface3", "#2D333B") : ThemeRules.roleColor(card.page.theme, "surface2", "#21262D")
            border.width: 1
            border.color: ThemeRules.roleColor(card.page.theme, "stroke", "#30363D")
        }
    }

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
                name: "chips"
                size: 16
                color: ThemeRules.roleColor(card.page.theme, "accent", "#3FB950")
            }
            Text {
                text: qsTranslate("ProjectPage", "Game Settings")
                font.pixelSize: 15
                font.bold: true
                color: ThemeRules.roleColor(card.page.theme, "text", "#F0F6FC")
            }
        }

        GridLayout {
            columns: 2
            columnSpacing: 12
            rowSpacing: 8

            FieldLabel { text: card._icm ? qsTranslate("ProjectPage", "Pot size") : qsTranslate("ProjectPage", "Starting Pot") }
            NumberInput {
                objectName: "startingPotField"
                rule: NumericFields.RULES.chips
                value: card.page.startingPot
                placeholderText: qsTranslate("ProjectPage", "e.g., 100.0")
                onCommit: v => card.page.startingPot = v
            }

            FieldLabel { visible: !card._icm; text: qsTranslate("ProjectPage", "Effective Stack") }
            NumberInput {
                objectName: "effectiveStackField"
                visible: !card._icm
                rule: NumericFields.RULES.stack
                value: card.page.effectiveStack
                placeholderText: qsTranslate("ProjectPage", "e.g., 100.0")
                onCommit: v => card.page.effectiveStack = v
            }

            FieldLabel { visible: card._icm; text: qsTranslate("ProjectPage", "OOP stack") }
            NumberInput {
                objectName: "oopStackField"
                visible: card._icm
                rule: NumericFields.RULES.seatStack
                value: card.page.oopStack
                placeholderText: qsTranslate("ProjectPage", "e.g., 1000")
                onCommit: v => card.page.oopStack = v
            }

            FieldLabel { visible: card._icm; text: qsTranslate("ProjectPage", "IP stack") }
            NumberInput {
                objectName: "ipStackField"
                visible: card._icm
                rule: NumericFields.RULES.seatStack
                value: card.page.ipStack
                placeholderText: qsTranslate("ProjectPage", "e.g., 1000")
                onCommit: v => card.page.ipStack = v
            }

            FieldLabel {
                Layout.columnSpan: 2
                visible: card._icm
                text: qsTranslate("ProjectPage", "Payouts")
                help: qsTranslate("ProjectPage", "Enter comma-separated payout amounts for each paid place, in finishing order. Example: 50, 30, 20")
            }
            ListInput {
                objectName: "icmPayoutsField"
                visible: card._icm
                value: card.page.icmPayoutsText
                placeholderText: qsTranslate("ProjectPage", "e.g., 50, 30, 20")
                onCommit: t => card.page.icmPayoutsText = t
            }

            FieldLabel {
                Layout.columnSpan: 2
                visible: card._icm
                text: qsTranslate("ProjectPage", "Other stack sizes")
                help: qsTranslate("ProjectPage", "Enter comma-separated stack sizes for the remaining players only, excluding OOP and IP. Example: 1200, 800, 400")
            }
            ListInput {
                objectName: "icmOtherStacksField"
                visible: card._icm
                value: card.page.icmOtherStacksText
                placeholderText: qsTranslate("ProjectPage", "e.g., 1200, 800, 400")
                onCommit: t => card.page.icmOtherStacksText = t
            }

            // The rake typed in cash mode is kept but not charged.
            FieldLabel { visible: card._icm; text: qsTranslate("SolvePage", "Rake") }
            Text {
                objectName: "icmNoRakeNote"
                visible: card._icm
                Layout.alignment: Qt.AlignRight
                text: qsTranslate("ProjectPage", "none (ICM)")
                textFormat: Text.PlainText
                font.pixelSize: 11
                color: ThemeRules.roleColor(card.page.theme, "textMuted", "#8B949E")
            }

            FieldLabel { visible: !card._icm; text: qsTranslate("ProjectPage", "Rake (%)") }
            NumberInput {
                objectName: "rakePercentField"
                visible: !card._icm
                rule: NumericFields.RULES.rakePercent
                value: card.page.rakePercent
                placeholderText: qsTranslate("ProjectPage", "e.g., 5.0")
                onCommit: v => card.page.rakePercent = v
            }

            FieldLabel { visible: !card._icm; text: qsTranslate("ProjectPage", "Rake Cap") }
            NumberInput {
                objectName: "rakeCapField"
                visible: !card._icm
                rule: NumericFields.RULES.rakeCap
                value: card.page.rakeCap
                placeholderText: qsTranslate("ProjectPage", "e.g., 0")
                onCommit: v => card.page.rakeCap = v
            }

            FieldLabel { text: qsTranslate("ProjectPage", "Target Exploitability (%)") }
            NumberInput {
                objectName: "targetExploitabilityField"
                rule: NumericFields.RULES.target
                value: card.page.targetExploitability
                placeholderText: qsTranslate("ProjectPage", "e.g., 0.10")
                onCommit: v => card.page.targetExploitability = v
            }

            RowLayout {
                Layout.columnSpan: 2
                Layout.fillWidth: true
                spacing: 6
                Item { Layout.fillWidth: true }
                TargetButton { objectName: "target1Button"; text: qsTranslate("ProjectPage", "1%"); target: 1.0 }
                TargetButton { objectName: "target05Button"; text: qsTranslate("ProjectPage", "0.5%"); target: 0.5 }
                TargetButton { objectName: "target01Button"; text: qsTranslate("ProjectPage", "0.1%"); target: 0.1 }
                Item { Layout.fillWidth: true }
            }
        }
    }
}
