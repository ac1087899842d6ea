pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../theme" as ThemePack

// The node-locking panel under the node figures: the action to lock (or a
// typed mix), the reset of the node and the re-solve with the locks.
Rectangle {
    id: panel

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    readonly property bool _lockable: page._currentNodeIsLockable()
    readonly property var _actions: page.nodeLockActionList
    // The action buttons' labels, "Mixed" last, and the width that shows the
    // longest whole beside the check mark a chosen button carries.
    readonly property var _labels: _actions.map(a => page._nodeLockActionDisplayName(a))
                                           .concat([qsTranslate("ResultsPage", "Mixed")])
    readonly property int _buttonPadding: 4
    readonly property real _buttonWidth: Math.ceil(_labels.reduce((w, t) => Math.max(w, labelMetrics.advanceWidth(t)), 0)
                                                   + checkMetrics.advanceWidth + 8 + 2 * _buttonPadding)

    FontMetrics {
        id: labelMetrics
        font.pixelSize: 12
        font.weight: Font.DemiBold
    }
    TextMetrics {
        id: checkMetrics
        font.pixelSize: 14
        text: "✓"
    }

    implicitHeight: column.implicitHeight + 20
    radius: _theme ? _theme.radiusSm : 8
    color: _theme ? _theme.surface2 : "#21262D"
    border.color: _theme ? _theme.stroke : "#30363D"

    ColumnLayout {
        id: column
        x: 10
        y: 10
        width: panel.width - 20
        spacing: 10

        Text {
            text: qsTranslate("ResultsPage", "Node-Locking")
            textFormat: Text.PlainText
            font.pixelSize: 13
            font.bold: true
            color: panel._theme ? panel._theme.text : "#F0F6FC"
        }

        Text {
            objectName: "nodeLockNotDecision"
            Layout.fillWidth: true
            visible: !panel._lockable
            text: qsTranslate("ResultsPage", "Node-locking is only available on decision nodes.")
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 12
            color: panel._theme ? panel._theme.textMuted : "#8B949E"
        }

        // The actions and "Mixed" as a grid of equal buttons: as many to a
        // line as show every label whole with its check mark, the lines
        // filled evenly (seven buttons: four and three).
        GridLayout {
            id: actionGrid
            objectName: "nodeLockActionGrid"
            readonly property int _count: actionButtons.count + 1
            readonly property int _fitting: Math.max(1, Math.floor((panel.width - 20 + columnSpacing)
                                                                   / (panel._buttonWidth + columnSpacing)))
            readonly property int _lines: Math.ceil(_count / Math.min(_count, _fitting))
            Layout.fillWidth: true
            visible: panel._lockable
            columns: Math.ceil(_count / _lines)
            columnSpacing: 6
            rowSpacing: 6
            Repeater {
                id: actionButtons
                model: panel._actions.length
                SecondaryButton {
                    required property int index
                    objectName: "nodeLockAction_" + index
                    Layout.fillWidth: true
                    Layout.minimumWidth: 0
                    Layout.preferredWidth: panel._buttonWidth
                    theme: panel._theme
                    font.pixelSize: 12
                    horizontalPadding: panel._buttonPadding
                    text: panel._labels[index] || ""
                    iconText: !panel.page.nodeLockMixedMode && panel.page.nodeLockSelectedActionIndex === index ? "✓" : ""
                    selected: iconText !== ""
                    onClicked: panel.page.selectNodeLockAction(index)
                }
            }
            SecondaryButton {
                objectName: "nodeLockMixed"
                Layout.fillWidth: true
                Layout.minimumWidth: 0
                Layout.preferredWidth: panel._buttonWidth
                theme: panel._theme
                font.pixelSize: 12
                horizontalPadding: panel._buttonPadding
                text: qsTranslate("ResultsPage", "Mixed")
                iconText: panel.page.nodeLockMixedMode ? "✓" : ""
                selected: iconText !== ""
                onClicked: panel.page.setNodeLockMixedMode(!panel.page.nodeLockMixedMode)
            }
        }

        Repeater {
            model: panel._lockable && panel.page.nodeLockMixedMode ? panel._actions.length : 0
            RowLayout {
                id: freqRow
                required property int index
                Layout.fillWidth: true
                spacing: 8
                Text {
                    id: freqLabel
                    // A common width keeps the fields in one column; a cut
                    // label shows whole on hover.
                    Layout.preferredWidth: Math.max(90, implicitWidth)
                    Layout.maximumWidth: panel.page.scaled(260, 160)
                    text: panel._labels[freqRow.index] || ""
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    HoverHandler { id: freqLabelHover }
                    PlainToolTip {
                        theme: panel._theme
                        visible: freqLabelHover.hovered && freqLabel.truncated
                        text: freqLabel.text
                    }
                    font.pixelSize: 12
                    color: panel._theme ? panel._theme.text : "#F0F6FC"
                }
                Text {
                    text: qsTranslate("ResultsPage", "frequency")
                    textFormat: Text.PlainText
                    font.pixelSize: 11
                    color: panel._theme ? panel._theme.textMuted : "#8B949E"
                }
                TextField {
                    id: freqField
                    objectName: "nodeLockFreq_" + freqRow.index
                    Layout.preferredWidth: 90
                    text: panel.page.nodeLockMixedFreqTexts[freqRow.index] || ""
                    placeholderText: qsTranslate("ResultsPage", "freq")
                    inputMethodHints: Qt.ImhFormattedNumbersOnly
                    font.pixelSize: 12
                    color: panel._theme ? panel._theme.text : "#F0F6FC"
                    placeholderTextColor: panel._theme ? panel._theme.textFaint : "#6E7681"
                    selectionColor: panel._theme ? panel._theme.withOpacity(panel._theme.accent, 0.35) : "#593FB950"
                    background: Rectangle {
                        radius: panel._theme ? panel._theme.radiusXs : 4
                        color: panel._theme ? panel._theme.surface : "#1C2128"
                        border.width: freqField.activeFocus ? 2 : 1
                        border.color: freqField.activeFocus ? (panel._theme ? panel._theme.strokeFocus : "#58A6FF")
                                                            : (panel._theme ? panel._theme.stroke : "#30363D")
                    }
                    onEditingFinished: {
                        panel.page._applyMixedEdit(panel._actions.length, freqRow.index, text)
                        // An ignored entry shows the stored text again.
                        text = Qt.binding(function () { return panel.page.nodeLockMixedFreqTexts[freqRow.index] || "" })
                    }
                }
                Item { Layout.fillWidth: true }
            }
        }

        Item { implicitHeight: 8 - column.spacing; visible: panel._lockable }

        RowLayout {
            Layout.fillWidth: true
            visible: panel._lockable
            spacing: 8
            SecondaryButton {
                objectName: "nodeLockReset"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: panel._theme
                font.pixelSize: 12
                text: qsTranslate("ResultsPage", "Reset locks")
                onClicked: panel.page.resetNodeLockEdits(panel.page.currentNodeIndex)
            }
            PrimaryButton {
                objectName: "nodeLockResolve"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: panel._theme
                font.pixelSize: 12
                text: qsTranslate("ResultsPage", "Re-solve")
                enabled: !!panel.page.controller && panel._lockable
                onClicked: panel.page.reSolveWithLocks()
            }
        }

        Text {
            Layout.fillWidth: true
            text: panel.page.nodeLockMixedMode
                  ? qsTranslate("ResultsPage", "Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.")
                  : qsTranslate("ResultsPage", "Tip: select an action above, then click a hand cell in the matrix to lock it.")
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: panel._theme ? panel._theme.textMuted : "#8B949E"
        }
    }
}
