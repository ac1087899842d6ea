pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import "rangeText.js" as RangeText
import "../theme" as ThemePack

// A self-contained editor for one range: heading, presets, a paintable hand
// matrix, the range text and its class count. It owns no range: every
// change goes out through `rangeChanged`, and the owner writes the new text
// back into `rangeText`.
Item {
    id: editor

    property ThemePack.Theme theme
    property var type
    property string rangeText: ""
    property string label: qsTr("Range")
    property var ranks: ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"]
    property var weights: parseRangeText(rangeText)

    signal rangeChanged(string newRange)

    function parseRangeText(text) {
        return RangeText.parseRangeText(text, ranks)
    }

    function expandHand(hand) {
        return RangeText.expandEditorHand(hand, ranks)
    }

    function weightsToText(w) {
        return RangeText.weightsToText(w)
    }

    function handleMatrixClick(hand, currentWeight) {
        rangeChanged(weightsToText(RangeText.toggled(weights, hand, currentWeight)))
    }

    function applyPreset(preset) {
        rangeChanged(preset)
    }

    implicitWidth: 480
    implicitHeight: column.implicitHeight

    Column {
        id: column
        width: parent.width
        spacing: editor.theme ? editor.theme.spaceMd : 12

        Row {
            id: header
            width: parent.width
            spacing: editor.theme ? editor.theme.spaceSm : 8

            Text {
                id: heading
                anchors.verticalCenter: parent.verticalCenter
                text: editor.label
                textFormat: Text.PlainText
                elide: Text.ElideRight
                width: Math.min(implicitWidth, Math.max(0, header.width - presets.width - header.spacing))
                font.pixelSize: 14
                font.bold: true
                color: editor.theme ? editor.theme.text : "#F0F6FC"
            }

            Item {
                width: Math.max(0, header.width - heading.width - presets.width - 2 * header.spacing)
                height: 1
            }

            Row {
                id: presets
                spacing: editor.theme ? editor.theme.spaceSm : 8

                Repeater {
                    model: [
                        { text: "100%", preset: "100%" },
                        { text: "50%", preset: "50%" },
                        { text: "25%", preset: "25%" },
                        { text: qsTr("Clear"), preset: "" }
                    ]

                    Button {
                        id: presetButton
                        required property var modelData
                        objectName: "preset_" + (modelData.preset === "" ? "clear" : modelData.preset)
                        implicitWidth: 48
                        implicitHeight: 26
                        padding: 0
                        text: modelData.text
                        font.pixelSize: 11
                        font.weight: Font.DemiBold
                        contentItem: Text {
                            text: presetButton.text
                            font: presetButton.font
                            color: editor.theme ? editor.theme.textMuted : "#8B949E"
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                        background: Rectangle {
                            radius: editor.theme ? editor.theme.radiusSm : 8
                            color: presetButton.pressed ? (editor.theme ? editor.theme.surface3 : "#2D333B")
                                                        : (editor.theme ? editor.theme.surface2 : "#21262D")
                            border.width: 1
                            border.color: editor.theme ? editor.theme.stroke : "#30363D"
                        }
                        onClicked: editor.applyPreset(modelData.preset)
                    }
                }
            }
        }

        // One press toggles the cell under it; a drag sets every cell it
        // crosses to the state chosen at the press.
        HandMatrix {
            id: matrix
            objectName: "matrix"
            anchors.horizontalCenter: parent.horizontalCenter
            theme: editor.theme
            weights: editor.weights
            ranks: editor.ranks
            editable: true
            cellSize: 30
            onHandPainted: function (hand, desiredOn, currentWeight) {
                if (desiredOn === !(currentWeight > 0))
                    editor.handleMatrixClick(hand, currentWeight)
            }
        }

        Row {
            width: parent.width
            spacing: editor.theme ? editor.theme.spaceSm : 8

            TextField {
                id: rangeField
                objectName: "rangeField"
                width: parent.width - countBox.width - parent.spacing
                text: editor.rangeText
                placeholderText: qsTr("e.g., AA, KK, AKs, QQ+ or 50%")
                font.family: editor.theme ? editor.theme.fontMono : "JetBrains Mono"
                font.pixelSize: 13
                color: editor.theme ? editor.theme.text : "#F0F6FC"
                placeholderTextColor: editor.theme ? editor.theme.textFaint : "#6E7681"
                background: Rectangle {
                    radius: editor.theme ? editor.theme.radiusSm : 8
                    color: editor.theme ? editor.theme.surface : "#1C2128"
                    border.width: rangeField.activeFocus ? 2 : 1
                    border.color: rangeField.activeFocus ? (editor.theme ? editor.theme.strokeFocus : "#58A6FF")
                                                         : (editor.theme ? editor.theme.stroke : "#30363D")
                }
                onTextEdited: editor.rangeChanged(text)
            }

            Rectangle {
                id: countBox
                width: 64
                height: rangeField.height
                radius: editor.theme ? editor.theme.radiusSm : 8
                color: editor.theme ? editor.theme.surface2 : "#21262D"
                border.width: 1
                border.color: editor.theme ? editor.theme.stroke : "#30363D"

                Text {
                    objectName: "handCount"
                    anchors.centerIn: parent
                    text: qsTr("%n hand(s)", "", RangeText.countInRange(editor.weights))
                    font.pixelSize: 11
                    color: editor.theme ? editor.theme.textMuted : "#8B949E"
                }
            }
        }
    }
}
