pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "playRules.js" as PlayRules
import "../theme" as ThemePack

// The hands played against the solution, newest first: a tinted row per
// hand (a mistake or a perfect hand) that selects it for the details panel,
// and the buttons for the play settings and the play statistics.
ColumnLayout {
    id: log

    required property var page
    readonly property ThemePack.Theme _theme: page.theme

    spacing: 10

    // Plural forms come from the translation; English has two.

    Rectangle {
        Layout.fillWidth: true
        Layout.fillHeight: true
        radius: log._theme ? log._theme.radiusMd : 10
        color: log._theme ? log._theme.surface2 : "#21262D"
        border.width: 1
        border.color: log._theme ? log._theme.stroke : "#30363D"

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 12
            spacing: 10

            RowLayout {
                Layout.fillWidth: true
                Text {
                    Layout.fillWidth: true
                    text: qsTranslate("ResultsPage", "Hand Log")
                    font.pixelSize: 14
                    font.bold: true
                    color: log._theme ? log._theme.text : "#F0F6FC"
                }
                Text {
                    objectName: "handLogCount"
                    text: log.page.playHandLog.count > 0 ? qsTranslate("ResultsPage", "%n hand(s)", "", log.page.playHandLog.count) : ""
                    font.pixelSize: 11
                    color: log._theme ? log._theme.textMuted : "#8B949E"
                }
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.fillHeight: true
                radius: log._theme ? log._theme.radiusSm : 8
                color: log._theme ? log._theme.bg0 : "#080B12"
                border.width: 1
                border.color: log._theme ? log._theme.strokeLight : "#21262D"

                ListView {
                    id: list
                    objectName: "handLogList"
                    anchors.fill: parent
                    anchors.margins: 8
                    spacing: 8
                    clip: true
                    boundsBehavior: Flickable.StopAtBounds
                    model: log.page.playHandLog
                    ScrollBar.vertical: ScrollBar { id: logBar; policy: ScrollBar.AsNeeded }
                    // The rows keep clear of the scroll bar while there is
                    // one, so that no footer lies under it.
                    readonly property real rowWidth: width - (contentHeight > height ? logBar.width : 0)
                    delegate: LogRow {}

                    // A new hand comes in at the top: the list shows it while
                    // the details follow the newest hand or the list showed
                    // the newest before; a user who pinned an older hand and
                    // scrolled to it keeps the place.
                    // The move waits until the list has taken the new row in:
                    // laid out from inside the model's insert signal, the rows
                    // below keep the entries they showed before, one place off.
                    property bool _followNewest: true
                    Timer {
                        id: showNewest
                        interval: 0
                        onTriggered: {
                            if (list._followNewest)
                                list.positionViewAtBeginning()
                        }
                    }
                    Connections {
                        target: list.model
                        function onRowsAboutToBeInserted() {
                            list._followNewest = list.count === 0 || list.atYBeginning || log.page.playFollowLatestHandDetails
                        }
                        function onRowsInserted() {
                            showNewest.restart()
                        }
                    }
                }
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 10
        SecondaryButton {
            id: settingsButton
            objectName: "playSettingsButton"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            theme: log._theme
            // Long words in some languages need the room on a narrow column.
            horizontalPadding: 8
            text: qsTranslate("ResultsPage", "Settings")
            onClicked: log.page._openPlaySettingsDialogFromItem(settingsButton)
        }
        SecondaryButton {
            objectName: "playStatisticsButton"
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            theme: log._theme
            horizontalPadding: 8
            text: qsTranslate("ResultsPage", "Statistics")
            onClicked: log.page.openPlayStatistics()
        }
    }

    component LogRow: Rectangle {
        id: row

        required property int index
        required property string board
        required property string role
        required property string oop
        required property string ip
        required property real evLoss
        required property bool isMistake
        required property string mistakeActor

        readonly property bool mistake: isMistake || (isFinite(evLoss) && evLoss > 0)
        readonly property bool selected: index === log.page.playSelectedLogIndex
        // The seat that erred, else the user's seat (OOP's when both are).
        readonly property string heroCards: (mistakeActor === "IP" || mistakeActor === "OOP" ? mistakeActor : role) === "IP" ? ip : oop
        readonly property color tone: mistake ? (log._theme ? log._theme.danger : "#F85149")
                                              : (log._theme ? log._theme.success : "#3FB950")

        objectName: "handLogRow" + index
        width: list.rowWidth
        height: content.implicitHeight + 12
        radius: log._theme ? log._theme.radiusSm : 8
        color: Qt.rgba(tone.r, tone.g, tone.b, selected ? 0.18 : 0.12)
        border.width: selected ? 2 : 1
        border.color: tone

        Column {
            id: content
            x: 8
            y: 6
            width: parent.width - 16
            spacing: 8

            // A river board with the hole cards is wider than a narrow
            // column: the line shrinks to fit rather than lose the cards.
            Item {
                width: parent.width
                height: firstLine.implicitHeight * firstLine.scale
                Row {
                    id: firstLine
                    spacing: 10
                    scale: Math.min(1, parent.width / Math.max(1, implicitWidth))
                    transformOrigin: Item.TopLeft
                    BoardDisplay {
                        anchors.verticalCenter: parent.verticalCenter
                        theme: log._theme
                        boardText: row.board
                        compact: true
                        showStreetLabel: false
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: "|"
                        font.pixelSize: 14
                        font.bold: true
                        color: log._theme ? log._theme.textMuted : "#8B949E"
                    }
                    Row {
                        objectName: "handLogHeroCards"
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: 4
                        Repeater {
                            model: [row.heroCards.substr(0, 2), row.heroCards.substr(2, 2)]
                            PlayingCard {
                                required property string modelData
                                theme: log._theme
                                mini: true
                                rank: modelData.charAt(0)
                                suit: modelData.charAt(1)
                                hoverable: false
                                enableHoverScale: false
                            }
                        }
                    }
                }
            }

            // Shown as they stand in every language.
            Text {
                objectName: "handLogFooter"
                width: parent.width
                horizontalAlignment: Text.AlignRight
                text: row.mistake ? PlayRules.lossText(row.evLoss) : qsTranslate("ResultsPage", "Perfect")
                font.pixelSize: 11
                font.weight: Font.DemiBold
                color: row.mistake ? (log._theme ? log._theme.text : "#F0F6FC")
                                   : (log._theme ? log._theme.textMuted : "#8B949E")
            }
        }

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: log.page.userSelectPlayLog(row.index)
        }
    }
}
