pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "../theme" as ThemePack

// The Solution view of the results page: action frequencies over a row of
// the strategy matrix (with its legend and the node figures), the buckets
// and the hand details.
ColumnLayout {
    id: view

    required property var page
    readonly property ThemePack.Theme _theme: page.theme

    spacing: 12

    Text {
        text: qsTranslate("ResultsPage", "Action Frequencies")
        textFormat: Text.PlainText
        font.pixelSize: 14
        font.bold: true
        color: view._theme ? view._theme.text : "#F0F6FC"
    }

    ActionBar {
        id: frequenciesBar
        objectName: "actionFrequenciesBar"
        Layout.fillWidth: true
        Layout.preferredHeight: frequenciesBar.implicitHeight + 20
        theme: view._theme
        actions: view.page.actionFrequenciesActions
    }

    GridLayout {
        id: panels
        // Side by side while the three fit whole; else the hand details go
        // below the matrix and the buckets.
        readonly property real _sideBySide: view.page.scaled(480, 400) + view.page.scaled(300, 220)
                                            + view.page.scaled(260, 220) + 2 * columnSpacing
        // Judged by the view's width, which the page sets, not by the
        // grid's own, which follows its columns; and changed one turn of the
        // event loop later, outside the page's layout pass (see the header).
        readonly property bool _wantsWide: view.width >= _sideBySide
        property bool _wide: true
        on_WantsWideChanged: wideTimer.restart()
        Component.onCompleted: _wide = _wantsWide
        Timer {
            id: wideTimer
            interval: 0
            onTriggered: panels._wide = panels._wantsWide
        }
        Layout.fillWidth: true
        Layout.fillHeight: true
        columns: _wide ? 3 : 2
        columnSpacing: 12
        rowSpacing: 12

        ColumnLayout {
            id: matrixColumn
            Layout.fillWidth: true
            Layout.preferredWidth: view.page.scaled(520, 400)
            Layout.alignment: Qt.AlignTop
            Layout.minimumWidth: 300
            spacing: 8

            Text {
                text: qsTranslate("ResultsPage", "Strategy by Hand")
                textFormat: Text.PlainText
                font.pixelSize: 14
                font.bold: true
                color: view._theme ? view._theme.text : "#F0F6FC"
            }

            HandMatrix {
                id: matrix
                objectName: "strategyMatrix"
                Layout.fillWidth: true
                Layout.preferredHeight: effectiveMatrixSize
                theme: view._theme
                ranks: view.page.variantRanks
                weights: view.page.handWeights
                colors: view.page.handColors
                actionTypes: view.page.handActionTypeList
                actionColors: view.page.handActionColorList
                actionProbs: view.page.handActionProbs
                lockedHands: view.page.handLockedClasses
                weightDisplayMode: "verticalFill"
                cellSize: 34
                autoFitToWidth: true
                showLabels: true
                selectable: true
                dragSelectable: view.page.nodeLockMode
                onHandClicked: function (hand) {
                    if (view.page.nodeLockMode)
                        view.page.applyNodeLockToHand(view.page.currentNodeIndex, hand)
                    else
                        view.page.toggleHandFilter(hand)
                }
                onHandDragged: function (hand) {
                    if (view.page.nodeLockMode)
                        view.page.applyNodeLockToHand(view.page.currentNodeIndex, hand)
                }
            }

            Flow {
                objectName: "strategyLegend"
                Layout.fillWidth: true
                spacing: 12
                Repeater {
                    model: view.page.currentActions.filter(function (a) { return Number(a.frequency) > 0.05 })
                    Row {
                        required property var modelData
                        spacing: 6
                        Rectangle {
                            anchors.verticalCenter: parent.verticalCenter
                            width: 12
                            height: 12
                            radius: 3
                            color: parent.modelData.color ? parent.modelData.color
                                                          : view.page._actionColor(String(parent.modelData.actionType).split(" ")[0])
                        }
                        Text {
                            text: view.page._nodeActionNameTranslated(parent.modelData.name)
                            textFormat: Text.PlainText
                            font.pixelSize: 12
                            color: view._theme ? view._theme.textMuted : "#8B949E"
                        }
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                ResultsNodeInfo {
                    Layout.fillWidth: true
                    Layout.minimumWidth: view.page.scaled(180, 140)
                    page: view.page
                }

                ColumnLayout {
                    // Wide enough for either label with its check mark; the
                    // node figures take what is left.
                    Layout.preferredWidth: Math.max(view.page.scaled(150, 120), standardButton.implicitWidth,
                                                    lockButton.implicitWidth)
                    Layout.minimumWidth: Layout.preferredWidth
                    spacing: 6
                    SecondaryButton {
                        id: standardButton
                        objectName: "standardModeButton"
                        Layout.fillWidth: true
                        theme: view._theme
                        font.pixelSize: 12
                        horizontalPadding: 8
                        text: qsTranslate("ResultsPage", "Standard mode")
                        iconText: view.page.nodeLockMode ? "" : "✓"
                        onClicked: {
                            view.page.nodeLockMode = false
                            view.page.resetNodeLockEdits(view.page.currentNodeIndex)
                        }
                    }
                    SecondaryButton {
                        id: lockButton
                        objectName: "nodeLockModeButton"
                        Layout.fillWidth: true
                        theme: view._theme
                        font.pixelSize: 12
                        horizontalPadding: 8
                        text: qsTranslate("ResultsPage", "Node-lock mode")
                        iconText: view.page.nodeLockMode ? "✓" : ""
                        onClicked: {
                            view.page.nodeLockMode = true
                            view.page.nodeLockSelectedActionIndex = -1
                        }
                    }
                }
            }
            ResultsNodeLockPanel {
                objectName: "nodeLockPanel"
                Layout.fillWidth: true
                visible: view.page.nodeLockMode
                page: view.page
            }
        }

        ResultsBucketsPanel {
            Layout.preferredWidth: view.page.scaled(300, 220)
            Layout.minimumWidth: view.page.scaled(260, 200)
            Layout.fillHeight: true
            page: view.page
        }

        ResultsHandDetails {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.columnSpan: panels._wide ? 1 : 2
            Layout.preferredWidth: view.page.scaled(300, 220)
            Layout.minimumWidth: view.page.scaled(250, 200)
            Layout.minimumHeight: panels._wide ? 0 : view.page.scaled(420, 360)
            page: view.page
        }
    }
}
