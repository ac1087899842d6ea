pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components" as Components
import "numericFields.js" as NumericFields
import "../theme/themeRules.js" as ThemeRules

// One seat's bet and raise sizes per street, its all-in switches (and, out
// of position, the no-donk switches), and the rule that adds an all-in when
// the jam is small. The in-position card can take over the other seat's
// settings.
Components.Card {
    id: card

    required property var page
    property string seat: "oop"
    readonly property bool _oop: seat === "oop"
    readonly property var _streets: ["Flop", "Turn", "River"]
    readonly property real _columnWidth: page.sizingStreetColumnWidth
    // Where the card is wider than its grid needs, the street columns take
    // the room up to the width that shows the card's longest sizing text
    // whole.
    readonly property real _fieldWidth: Math.max(_columnWidth, Math.ceil(_streets.reduce((w, street) => Math.max(w,
        textMetrics.advanceWidth(String(page[_prop(street, "BetSizesText")] || "")),
        textMetrics.advanceWidth(String(page[_prop(street, "RaiseSizesText")] || ""))), 0)) + 16 + 4)

    // The width that shows every sizing text whole: the row of cards gives
    // it to this card before it shares its room out.
    readonly property real wantedWidth: implicitWidth + 3 * (_fieldWidth - _columnWidth)
    Layout.preferredWidth: wantedWidth

    FontMetrics {
        id: textMetrics
        font.family: card.theme ? card.theme.fontMono : "monospace"
        font.pixelSize: 12
    }

    theme: page.theme
    padding: 12

    function _prop(street, what) {
        return seat + street + what
    }

    component RowLabel: Text {
        font.pixelSize: 12
        color: ThemeRules.roleColor(card.page.theme, "textMuted", "#8B949E")
    }

    // A grid row's label: longer ones of some languages wrap rather than
    // widen the card.
    component GridLabel: RowLabel {
        Layout.preferredWidth: Math.min(implicitWidth, 110)
        wrapMode: Text.Wrap
    }

    // One text field per street for `what` ("BetSizesText", "RaiseSizesText").
    component SizingCells: Repeater {
        id: cells
        property string what: ""
        property string placeholder: ""
        model: card._streets
        ProjectSizingField {
            required property string modelData
            readonly property string prop: card._prop(modelData, cells.what)
            objectName: prop.replace("SizesText", "Field")
            Layout.alignment: Qt.AlignHCenter
            Layout.fillWidth: true
            Layout.minimumWidth: card._columnWidth
            Layout.preferredWidth: card._columnWidth
            Layout.maximumWidth: card._fieldWidth
            theme: card.page.theme
            mono: true
            value: card.page[prop]
            placeholderText: cells.placeholder
            onCommit: t => card.page[prop] = t
        }
    }

    // One switch per street for `what` ("AddAllIn", "DontDonk").
    component SwitchCells: Repeater {
        id: switches
        property string what: ""
        model: card._streets
        Item {
            id: cell
            required property string modelData
            readonly property string prop: card._prop(modelData, switches.what)
            Layout.fillWidth: true
            Layout.minimumWidth: card._columnWidth
            Layout.preferredWidth: card._columnWidth
            Layout.maximumWidth: card._fieldWidth
            implicitHeight: toggle.implicitHeight
            Components.ToggleSwitch {
                id: toggle
                objectName: cell.prop + "Switch"
                anchors.horizontalCenter: parent.horizontalCenter
                theme: card.page.theme
                checked: card.page[cell.prop]
                onToggled: card.page[cell.prop] = checked
            }
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
                name: "sliders"
                size: 16
                color: ThemeRules.roleColor(card.page.theme, "accent", "#3FB950")
            }
            Text {
                text: card._oop ? qsTranslate("ProjectPage", "OOP Sizing") : qsTranslate("ProjectPage", "IP Sizing")
                font.pixelSize: 15
                font.bold: true
                color: ThemeRules.roleColor(card.page.theme, "text", "#F0F6FC")
            }
        }

        GridLayout {
            id: grid
            Layout.fillWidth: true
            columns: 4
            columnSpacing: 8
            rowSpacing: 8

            Item { implicitWidth: 1; implicitHeight: 1 }
            // The street keys, not their words: a language switch then
            // retranslates the headers in place rather than rebuilding them.
            Repeater {
                model: card._streets
                Text {
                    required property string modelData
                    Layout.alignment: Qt.AlignHCenter
                    text: modelData === "Flop" ? qsTranslate("ProjectPage", "Flop")
                        : modelData === "Turn" ? qsTranslate("ProjectPage", "Turn")
                        : qsTranslate("ProjectPage", "River")
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                    color: ThemeRules.roleColor(card.page.theme, "textMuted", "#8B949E")
                }
            }

            GridLabel { text: qsTranslate("ProjectPage", "Bet sizes (%)") }
            SizingCells { what: "BetSizesText"; placeholder: "33, 75" }

            GridLabel { text: qsTranslate("ProjectPage", "Raise sizes (%)") }
            SizingCells { what: "RaiseSizesText"; placeholder: "100" }

            GridLabel { text: qsTranslate("ProjectPage", "Add All-In") }
            SwitchCells { what: "AddAllIn" }

            GridLabel { visible: card._oop; text: qsTranslate("ProjectPage", "Don't donk") }
            SwitchCells { what: "DontDonk"; model: card._oop ? card._streets : [] }

            Item { visible: !card._oop; implicitWidth: 1; implicitHeight: 1 }
            Button {
                id: copyButton
                objectName: card._oop ? "" : "copyOopSettingsButton"
                visible: !card._oop
                Layout.columnSpan: 3
                Layout.fillWidth: true
                implicitHeight: 28
                padding: 0
                hoverEnabled: true
                font.pixelSize: 11
                font.weight: Font.DemiBold
                text: qsTranslate("ProjectPage", "Copy OOP settings")
                onClicked: card.page.copyOopSizingToIp()
                contentItem: Text {
                    text: copyButton.text
                    font: copyButton.font
                    color: ThemeRules.roleColor(card.page.theme, "text", "#F0F6FC")
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                }
                background: Rectangle {
                    radius: ThemeRules.roleColor(card.page.theme, "radiusSm", 8)
                    color: copyButton.down ? ThemeRules.roleColor(card.page.theme, "surface3", "#2D333B")
                         : copyButton.hovered ? ThemeRules.roleColor(card.page.theme, "surfaceHover", "#30363D")
                         : ThemeRules.roleColor(card.page.theme, "surface2", "#21262D")
                    border.width: 1
                    border.color: ThemeRules.roleColor(card.page.theme, "stroke", "#30363D")
                }
            }
        }

        RowLayout {
            // The card's spare width lets a long label unwrap.
            Layout.fillWidth: true
            spacing: 10

            Components.ToggleSwitch {
                id: jamSwitch
                objectName: card.seat + "JamSwitch"
                theme: card.page.theme
                checked: card.page[card.seat + "AddAllInIfJamLtEnabled"]
                onToggled: card.page[card.seat + "AddAllInIfJamLtEnabled"] = checked
            }
            // Wraps where it would make the row wider than the grid above.
            // (A wrapped text reports its wrapped width; the metrics give the
            // one-line width.)
            RowLabel {
                id: jamLabel
                readonly property real lineWidth: Math.ceil(jamMetrics.advanceWidth)
                Layout.fillWidth: true
                Layout.maximumWidth: lineWidth
                Layout.preferredWidth: Math.min(lineWidth, Math.max(60,
                    grid.implicitWidth - jamSwitch.implicitWidth - jamField.Layout.preferredWidth - potLabel.implicitWidth - 30))
                wrapMode: Text.Wrap
                verticalAlignment: Text.AlignVCenter
                text: qsTranslate("ProjectPage", "Add all-in if jam less than")
                TextMetrics { id: jamMetrics; font: jamLabel.font; text: jamLabel.text }
            }
            ProjectNumberField {
                id: jamField
                objectName: card.seat + "JamField"
                Layout.preferredWidth: Math.max(65, shownWidth)
                theme: card.page.theme
                enabled: jamSwitch.checked
                live: true
                rule: NumericFields.RULES.jamThreshold
                value: card.page[card.seat + "AddAllInIfJamLtPct"]
                placeholderText: qsTranslate("ProjectPage", "e.g. 30")
                onCommit: v => card.page[card.seat + "AddAllInIfJamLtPct"] = v
            }
            RowLabel { id: potLabel; text: qsTranslate("ProjectPage", "% pot") }
        }
    }
}
