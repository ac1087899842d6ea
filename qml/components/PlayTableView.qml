pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "numberText.js" as NumberText
import "../theme" as ThemePack

// The table on which a hand against the solution is played: role buttons
// before a session, then the seats, the board, the pot, the dealer button,
// the opponent's last action, the hero's action prompt and the drill
// controls; beside it the hand log, under it the selected hand. Every element
// reads page state; the view keeps none of its own.
Rectangle {
    id: view

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    readonly property var _meta: page.playNodeMeta
    readonly property bool _running: page.playSessionStarted
    readonly property bool _canDeal: page.playCanDeal
    readonly property bool _needsSolve: page.playNeedsSolve

    radius: _theme ? _theme.radiusMd : 10
    color: _theme ? _theme.bg0 : "#0D1117"
    border.width: 1
    border.color: _theme ? _theme.stroke : "#30363D"

    // The public cards the hand deals itself (slots 3 and 4 past the solved
    // board), the only ones a click may change, and only while the hand runs
    // outside a drill.
    readonly property var _dealtSlots: {
        var solved = Math.floor(String(page.boardText || "").replace(/\s+/g, "").length / 2)
        var shown = Math.floor(page.playBoardText.replace(/\s+/g, "").length / 2)
        var slots = []
        if (solved <= 3)
            slots.push(3)
        if (solved <= 4 && shown >= 4)
            slots.push(4)
        return slots
    }
    readonly property bool _boardEditable: _running && !page.playHandComplete && !page.playDrillMode
                                           && _dealtSlots.length > 0

    function _roleText(role: string): string {
        return role === "BOTH" ? qsTranslate("ResultsPage", "both seats") : role
    }

    function _amount(v: var): string {
        return NumberText.fixed(v, 2)
    }

    function _stackText(seat) {
        var stack = Number(_meta.effectiveStack)
        var invested = Number(seat === "OOP" ? _meta.investedOop : _meta.investedIp)
        if (_meta.effectiveStack === undefined || !isFinite(stack) || !isFinite(invested))
            return qsTranslate("ResultsPage", "Stack: %1").arg("\u2014")
        return qsTranslate("ResultsPage", "Stack: %1").arg(NumberText.fixed(Math.max(0, stack - invested), 2))
    }

    // A rounded label on the felt.
    component Pill: Rectangle {
        property alias text: label.text
        property int pixelSize: 12
        implicitWidth: label.implicitWidth + 20
        implicitHeight: label.implicitHeight + 8
        radius: height / 2
        color: view._theme ? view._theme.surface2 : "#21262D"
        border.width: 1
        border.color: view._theme ? view._theme.stroke : "#30363D"
        Text {
            id: label
            anchors.centerIn: parent
            textFormat: Text.PlainText
            font.pixelSize: parent.pixelSize
            font.weight: Font.DemiBold
            color: view._theme ? view._theme.text : "#F0F6FC"
        }
    }

    // A seat: two hole cards and the stack under them.
    component Seat: Column {
        id: seat
        required property string seatName
        property real cardFit: 1
        readonly property string card1: view.page.playShownCard(seatName === "OOP" ? view.page.oopCard1 : view.page.ipCard1)
        readonly property string card2: view.page.playShownCard(seatName === "OOP" ? view.page.oopCard2 : view.page.ipCard2)
        readonly property bool faceUp: view.page._isHeroSeat(seatName)
        spacing: 6
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 8
            Repeater {
                model: [seat.card1, seat.card2]
                PlayingCard {
                    required property string modelData
                    objectName: "seatCard" + seat.seatName
                    theme: view._theme
                    faceDown: !seat.faceUp
                    rank: seat.faceUp ? modelData.charAt(0) : ""
                    suit: seat.faceUp ? modelData.charAt(1) : ""
                    sizeScale: 0.95 * seat.cardFit
                    hoverable: false
                    enableHoverScale: false
                }
            }
        }
        Pill {
            anchors.horizontalCenter: parent.horizontalCenter
            objectName: "stackPill" + seat.seatName
            pixelSize: 11
            text: view._stackText(seat.seatName)
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 14
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Text {
                Layout.fillWidth: true
                text: qsTranslate("ResultsPage", "Play vs. Solution")
                font.pixelSize: 14
                font.bold: true
                color: view._theme ? view._theme.text : "#F0F6FC"
            }
            Text {
                objectName: "playRoleText"
                text: view._running ? qsTranslate("ResultsPage", "Role: %1").arg(view._roleText(view.page.playRole)) : qsTranslate("ResultsPage", "Choose a role to start")
                textFormat: Text.PlainText
                font.pixelSize: 11
                color: view._theme ? view._theme.textMuted : "#8B949E"
            }
        }

        // The table with the selected hand's details under it, and the
        // hand log beside them.
        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 10

            ColumnLayout {
                id: tableColumn
                Layout.fillWidth: true
                Layout.fillHeight: true
                spacing: 10

                Item {
                    id: area
                    objectName: "playTableArea"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    clip: true

                    readonly property real _imgScale: Math.min(width / 1200, height / 700)
                    readonly property rect painted: Qt.rect((width - 1200 * _imgScale) / 2, (height - 700 * _imgScale) / 2,
                                                            1200 * _imgScale, 700 * _imgScale)
                    readonly property real oopY: height / 2 - 0.26 * height
                    readonly property real ipY: height / 2 + 0.26 * height + (height < 520 ? 18 : 8)
                    // Cards shrink on a short table so the seats, the pot,
                    // the board and its hint stay one above the other: they
                    // need about 154 px plus 212 px of card height.
                    readonly property real cardFit: Math.max(0.5, Math.min(1, (height - 154) / 212))

                    Image {
                        anchors.fill: parent
                        source: "../assets/poker_table_placeholder.svg"
                        sourceSize.width: 1200
                        sourceSize.height: 700
                        fillMode: Image.PreserveAspectFit
                        asynchronous: true
                        smooth: true
                    }

                    // --- no session: the three roles
                    SecondaryButton {
                        objectName: "playAsOop"
                        visible: !view._running
                        theme: view._theme
                        enabled: view._canDeal
                        text: qsTranslate("ResultsPage", "Play as OOP")
                        x: (area.width - width) / 2
                        y: area.painted.y + 10
                        onClicked: view.page.startPlaySession("OOP")
                    }
                    SecondaryButton {
                        objectName: "playAsBoth"
                        visible: !view._running && view._canDeal
                        theme: view._theme
                        text: qsTranslate("ResultsPage", "Play as both")
                        anchors.centerIn: parent
                        onClicked: view.page.startPlaySession("BOTH")
                    }
                    SecondaryButton {
                        objectName: "playAsIp"
                        visible: !view._running
                        theme: view._theme
                        enabled: view._canDeal
                        text: qsTranslate("ResultsPage", "Play as IP")
                        x: (area.width - width) / 2
                        y: area.painted.y + area.painted.height - 10 - height
                        onClicked: view.page.startPlaySession("IP")
                    }

                    // Where the solution's figures end: before a session in
                    // the middle of the table, under the board once a hand
                    // has stopped there.
                    Pill {
                        objectName: "playSolveAgainNote"
                        readonly property bool _atBoard: view._running
                        visible: view._running ? view._needsSolve : !view._canDeal && (view.page._results, view.page._hasTree())
                        z: 1
                        x: (area.width - width) / 2
                        y: _atBoard ? board.y + board.height + 6 : (area.height - height) / 2
                        pixelSize: 12
                        text: qsTranslate("ResultsPage", "Solve this spot again to play: its solution is not in memory.")
                    }

                    // --- a session
                    Item {
                        id: overlay
                        objectName: "playOverlay"
                        anchors.fill: parent
                        visible: view._running

                        // The seats keep clear of the pot above the board and
                        // of the hint under it, and inside the table.
                        Seat {
                            id: oopSeat
                            objectName: "oopSeat"
                            seatName: "OOP"
                            cardFit: area.cardFit
                            x: (overlay.width - width) / 2
                            y: Math.max(4, Math.min(area.oopY - height / 2, potPill.y - 8 - height))
                        }
                        Seat {
                            id: ipSeat
                            objectName: "ipSeat"
                            seatName: "IP"
                            cardFit: area.cardFit
                            x: (overlay.width - width) / 2
                            y: Math.min(overlay.height - 4 - height,
                                        Math.max(area.ipY - height / 2, boardHint.y + boardHint.height + 8))
                        }

                        Pill {
                            id: potPill
                            objectName: "potPill"
                            anchors.horizontalCenter: board.horizontalCenter
                            anchors.bottom: board.top
                            anchors.bottomMargin: 2
                            opacity: 0.92
                            text: qsTranslate("TreeNode", "Pot: %1").arg(view._amount(view._meta.pot))
                        }

                        BoardDisplay {
                            id: board
                            objectName: "playBoard"
                            anchors.centerIn: parent
                            theme: view._theme
                            boardText: view.page.playBoardText
                            compact: false
                            showStreetLabel: false
                            cardScale: 1.05 * area.cardFit
                            clickableIndices: view._dealtSlots
                            editable: view._boardEditable
                            onCardClicked: function (index) { view.page.playBoardSlotClicked(index) }
                        }

                        Pill {
                            id: boardHint
                            objectName: "boardHint"
                            visible: view._boardEditable
                            anchors.horizontalCenter: board.horizontalCenter
                            anchors.top: board.bottom
                            anchors.topMargin: 6
                            opacity: 0.95
                            pixelSize: 11
                            text: view._dealtSlots.indexOf(3) >= 0 ? qsTranslate("ResultsPage", "Click Turn/River to change")
                                                                   : qsTranslate("ResultsPage", "Click River to change")
                        }

                        SecondaryButton {
                            objectName: "anotherHand"
                            visible: view.page.playHandComplete
                            theme: view._theme
                            text: qsTranslate("ResultsPage", "Another hand")
                            anchors.right: board.left
                            anchors.rightMargin: 12
                            anchors.verticalCenter: board.verticalCenter
                            onClicked: view.page._resetToRootAndRestartHand()
                        }

                        Rectangle {
                            id: dealerButton
                            objectName: "dealerButton"
                            width: 26
                            height: 26
                            radius: 13
                            x: ipSeat.x + ipSeat.width + 12
                            y: ipSeat.y + ipSeat.height / 2 - 13
                            color: view._theme ? view._theme.surface3 : "#30363D"
                            border.color: view._theme ? view._theme.strokeFocus : "#58A6FF"
                            Text {
                                anchors.centerIn: parent
                                text: qsTranslate("ResultsPage", "D")
                                font.pixelSize: 12
                                font.bold: true
                                color: view._theme ? view._theme.text : "#F0F6FC"
                            }
                        }

                        Rectangle {
                            id: bubble
                            objectName: "opponentBubble"
                            readonly property bool atOop: view.page.playLastActionActor === "OOP"
                            visible: view.page.playLastActionText !== "" && !view.page._isHeroSeat(view.page.playLastActionActor)
                            width: bubbleText.implicitWidth + 24
                            height: bubbleText.implicitHeight + 12
                            radius: height / 2
                            readonly property Item seatGroup: atOop ? oopSeat : ipSeat
                            // Left edge clear of the dealer button, however
                            // short the text; inside the table however long.
                            x: Math.min(overlay.width - width - 4, dealerButton.x + dealerButton.width + 14)
                            y: seatGroup.y + (seatGroup.height - height) / 2
                            color: view._theme ? view._theme.surface3 : "#30363D"
                            border.width: 1
                            border.color: view._theme ? view._theme.strokeFocus : "#58A6FF"
                            Text {
                                id: bubbleText
                                objectName: "opponentBubbleText"
                                anchors.centerIn: parent
                                text: view.page._nodeActionNameTranslated(view.page.playLastActionText)
                                textFormat: Text.PlainText
                                font.pixelSize: 12
                                font.weight: Font.DemiBold
                                color: view._theme ? view._theme.text : "#F0F6FC"
                            }
                        }

                        PlayActionPrompt {
                            readonly property Item seatGroup: view.page.playNodeMeta.player === "OOP" ? oopSeat : ipSeat
                            page: view.page
                            // Past the dealer button at IP's seat; the buttons
                            // wrap onto more rows rather than leave the table.
                            x: seatGroup === ipSeat ? dealerButton.x + dealerButton.width + 14 : seatGroup.x + seatGroup.width + 14
                            width: Math.max(100, Math.min(380, overlay.width - x - 8))
                            y: Math.max(4, Math.min(overlay.height - height - 4, seatGroup.y + (seatGroup.height - height) / 2))
                        }

                        Pill {
                            objectName: "drillContext"
                            visible: view.page.playDrillMode && view.page.playDrillActor === "IP"
                            x: Math.min(overlay.width - width - 4, oopSeat.x + oopSeat.width + 14)
                            y: oopSeat.y + (oopSeat.height - height) / 2
                            text: {
                                var name = (view.page.treeBlocks, view.page._lastSelectedActionNameForActor("OOP"))
                                return "OOP action: " + (name !== "" ? name : "\u2014")
                            }
                        }

                        SecondaryButton {
                            id: drillButton
                            objectName: "drillButton"
                            visible: !view.page.playHandComplete
                            theme: view._theme
                            text: view.page.playDrillMode ? qsTranslate("ResultsPage", "Stop drill") : qsTranslate("ResultsPage", "Drill spot")
                            enabled: view._meta.nodeType === "decision"
                                     && (view._meta.player === "OOP" || view._meta.player === "IP")
                            // At the table's lower left corner, moved left
                            // of IP's seat where a long label would reach
                            // its cards or stack.
                            x: Math.max(4, Math.min(area.painted.x + 10, ipSeat.x - 8 - width))
                            y: area.painted.y + area.painted.height - 10 - height
                            onClicked: view.page.playDrillMode ? view.page.stopDrillSpot() : view.page.startDrillSpot()
                        }

                        Rectangle {
                            id: drillToast
                            objectName: "drillToast"
                            readonly property color tone: view.page.playDrillFeedbackWrong
                                                          ? (view._theme ? view._theme.danger : "#F85149")
                                                          : (view._theme ? view._theme.success : "#3FB950")
                            // Left of IP's seat, wrapping rather than run
                            // under the cards; its foot 8 px over the button.
                            // Where the room between the board and the
                            // button is too low for it, it keeps left of the
                            // board instead, so that it covers no card.
                            readonly property real wideTextWidth: Math.max(120, Math.min(toastProbe.implicitWidth, ipSeat.x - x - 8 - 24))
                            readonly property bool besideBoard: toastProbe.height + 12 > drillButton.y - 8 - (board.y + board.height + 8)
                            visible: view.page.playDrillMode && view.page.playDrillFeedbackText !== ""
                            x: drillButton.x
                            y: drillButton.y - 8 - height
                            width: (besideBoard ? Math.max(60, Math.min(wideTextWidth, board.x - 8 - x - 24)) : wideTextWidth) + 24
                            height: toastText.height + 12
                            radius: view._theme ? view._theme.radiusSm : 8
                            color: view._theme ? view._theme.surface2 : "#21262D"
                            border.width: 1
                            border.color: tone
                            // The toast's text laid out at its widest.
                            Text {
                                id: toastProbe
                                visible: false
                                width: drillToast.wideTextWidth
                                wrapMode: toastText.wrapMode
                                text: toastText.text
                                textFormat: Text.PlainText
                                font: toastText.font
                            }
                            Text {
                                id: toastText
                                objectName: "drillToastText"
                                anchors.centerIn: parent
                                width: parent.width - 24
                                horizontalAlignment: Text.AlignHCenter
                                wrapMode: Text.WordWrap
                                text: NumberText.keepFiguresWhole(view.page.playDrillFeedbackText)
                                textFormat: Text.PlainText
                                font.pixelSize: 12
                                font.weight: Font.DemiBold
                                color: parent.tone
                            }
                        }
                    }
                }

                PlayHandDetails {
                    id: handDetails
                    Layout.fillWidth: true
                    Layout.preferredHeight: implicitHeight
                    page: view.page
                    // At most 43 % of the column, so that three steps a street
                    // show at the smallest screen; the table keeps the rest.
                    maximumHeight: Math.max(140, Math.min(360, 0.43 * (tableColumn.height - tableColumn.spacing)))
                }

                // The details' room while no hand is shown: the first hand is
                // played on a table of the size of every later one.
                Item {
                    Layout.fillWidth: true
                    Layout.preferredHeight: handDetails.implicitHeight
                    visible: !handDetails.visible
                }
            }

            PlayHandLog {
                objectName: "playHandLog"
                Layout.fillHeight: true
                Layout.preferredWidth: Math.max(240, Math.round(340 * view.page.uiScale))
                Layout.maximumWidth: Math.max(240, Math.round(340 * view.page.uiScale))
                Layout.minimumWidth: Math.max(220, Math.round(300 * view.page.uiScale))
                page: view.page
            }
        }
    }
}
