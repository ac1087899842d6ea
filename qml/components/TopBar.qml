pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls.Basic
import "navigationRules.js" as NavRules
import "solveProgress.js" as SolveProgress
import "../theme/themeRules.js" as ThemeRules
import "../theme" as ThemePack
import Pellaris as Published

// The bar across the top of the window: the page tabs, each enabled only
// where its page makes sense, and a chip that tells whether a solve can
// start or how far the running one has come. It changes nothing itself: a
// tab click only asks the shell for the page.
ToolBar {
    id: bar

    property ThemePack.Theme theme
    property Published.AppController controller: null
    property bool canSolve: true
    // Why Solve is disabled, in the controller's words when it has them.
    property string solveBlockReason: ""
    property bool projectEnabled: true
    property int currentPage: 0
    property int maxIterations: 0
    property real targetExploitability: 0.0
    property string pageTitle: ""
    property string pageSubtitle: ""

    signal navigate(int index)

    readonly property bool _running: !!controller && controller.running === true
    readonly property string _status: controller && controller.statusText ? String(controller.statusText) : ""

    readonly property bool lockOnSolve: currentPage === NavRules.SOLVE && _running
    readonly property bool isStarting: _running && SolveProgress.hasPrefix(_status, SolveProgress.startingPrefixes())
    readonly property bool isInitializing: _running && SolveProgress.hasPrefix(_status, SolveProgress.INITIALIZING_PREFIXES)
    readonly property bool isFinalizing: _running && SolveProgress.isFinalizingText(_status)

    readonly property int _resultIterations: controller ? SolveProgress.finiteOr(controller.resultIterations, 0) : 0

    // The solve page's ring reads the same rules: one figure for one run.
    readonly property int currentIteration: !controller ? 0
        : SolveProgress.shownIteration(_running, isFinalizing, _lastIterFromStatusText, _status,
                                       controller.progress, maxIterations, _resultIterations)
    readonly property int progressWheelTotalIterations: SolveProgress.ringCapacity(maxIterations, targetExploitability)
    readonly property real progressWheelValue: !controller ? 0
        : SolveProgress.ringValue(_running, currentIteration, progressWheelTotalIterations, _resultIterations > 0)

    property int _lastIterFromStatusText: 0

    // The iteration a status text names ("Iter 120 | ..."), 0 when none.
    function _parseIterationFromStatusText(t: var): real {
        return SolveProgress.parseIteration(t)
    }

    // Same rules as the shell's navigation, so a tab is enabled exactly when
    // a click on it would be followed.
    function _tabEnabled(index) {
        return NavRules.pageAllowed(index, {
            locked: lockOnSolve, hasResults: _resultIterations > 0,
            hasProject: projectEnabled, canSolve: canSolve
        })
    }

    readonly property bool _chipLit: _running || canSolve
    readonly property string _chipText: {
        if (!_running)
            return qsTr("Ready")
        if (isFinalizing)
            return qsTr("Finalizing")
        if (isStarting)
            return qsTr("Starting")
        if (isInitializing)
            return qsTr("Initializing")
        return qsTr("Solving")
    }

    Connections {
        target: bar.controller
        ignoreUnknownSignals: true

        function onStatusTextChanged() {
            var n = bar._parseIterationFromStatusText(bar._status)
            if (isFinite(n) && n > 0)
                bar._lastIterFromStatusText = Math.min(Math.floor(n), 2147483647)
        }

        function onRunningChanged() {
            if (!bar._running)
                bar._lastIterFromStatusText = 0
        }
    }

    readonly property var _workTabs: [
        { page: NavRules.HOME, title: qsTr("Home"), icon: "home" },
        { page: NavRules.SETUP, title: qsTr("Setup"), icon: "clipboard" },
        { page: NavRules.SOLVE, title: qsTr("Solve"), icon: "bolt" },
        { page: NavRules.RESULTS, title: qsTr("Results"), icon: "chart" }
    ]
    readonly property var _settingsTabs: [{ page: NavRules.SETTINGS, title: qsTr("Settings"), icon: "gear" }]

    // Solve names the spot's refusal when there is one; the other tabs
    // depend on the tab only.
    function _disabledTip(page) {
        switch (page) {
        case NavRules.SETUP: return qsTr("Start a new project (or load one) from Home to enable Setup")
        case NavRules.SOLVE: return solveBlockReason !== "" ? solveBlockReason
                                                            : qsTr("Fill board, ranges, and sizings to enable Solve")
        case NavRules.RESULTS: return qsTr("Run a solve to enable Results")
        default: return ""
        }
    }

    padding: 0
    contentHeight: 60

    background: Rectangle {
        color: ThemeRules.roleColor(bar.theme, "bg1", "#0D1117")

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: ThemeRules.roleColor(bar.theme, "stroke", "#30363D")
        }
    }

    Component {
        id: tabComponent

        // Hover is tracked by a mouse area that stays active while the tab is
        // disabled, so the disabled tab can still explain itself.
        Item {
            id: tab

            required property var modelData
            readonly property int page: modelData.page
            readonly property bool current: bar.currentPage === page
            readonly property bool allowed: bar._tabEnabled(page)
            readonly property bool hovered: tabArea.containsMouse
            readonly property string disabledTip: bar._disabledTip(page)

            objectName: "tab" + page
            // Sized for the demi-bold title of the current tab, so the row
            // does not shift when the current page changes.
            width: Math.max(tabContent.implicitWidth, 16 + 6 + Math.ceil(currentTitleMetrics.advanceWidth)) + 24
            height: 40
            anchors.verticalCenter: parent ? parent.verticalCenter : undefined

            Rectangle {
                anchors.fill: parent
                radius: 8
                opacity: tab.allowed ? 1.0 : 0.45
                color: tab.current ? ThemeRules.roleColor(bar.theme, "surface", "#1C2128")
                                   : (tab.hovered && tab.allowed ? ThemeRules.roleColor(bar.theme, "surfaceHover", "#30363D") : "transparent")
                border.width: 1
                border.color: tab.current ? ThemeRules.roleColor(bar.theme, "stroke", "#30363D") : "transparent"
                Behavior on color { ColorAnimation { duration: 150 } }
            }

            TextMetrics {
                id: currentTitleMetrics
                text: tab.modelData.title
                font.pixelSize: 13
                font.weight: Font.DemiBold
            }

            Row {
                id: tabContent
                anchors.centerIn: parent
                spacing: 6

                Icon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: tab.modelData.icon
                    size: 16
                    color: tab.current ? ThemeRules.roleColor(bar.theme, "text", "#F0F6FC") : ThemeRules.roleColor(bar.theme, "textMuted", "#8B949E")
                    iconOpacity: tab.current ? 1.0 : (tab.allowed ? 0.7 : 0.35)
                }

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: tab.modelData.title
                    textFormat: Text.PlainText
                    font.pixelSize: 13
                    font.weight: tab.current ? Font.DemiBold : Font.Normal
                    color: tab.current ? ThemeRules.roleColor(bar.theme, "text", "#F0F6FC") : ThemeRules.roleColor(bar.theme, "textMuted", "#8B949E")
                    opacity: tab.allowed ? 1.0 : 0.6
                }
            }

            MouseArea {
                id: tabArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: tab.allowed ? Qt.PointingHandCursor : Qt.ArrowCursor
                onClicked: if (tab.allowed) bar.navigate(tab.page)
            }

            ToolTip {
                id: tabTip
                objectName: "tabTooltip"
                visible: tab.hovered && !tab.allowed && tab.disabledTip !== ""
                delay: 300
                text: tab.disabledTip
                width: Math.min(implicitWidth, 460)

                contentItem: Text {
                    text: tabTip.text
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    font.pixelSize: 12
                    color: ThemeRules.roleColor(bar.theme, "text", "#F0F6FC")
                }
                background: Rectangle {
                    radius: 6
                    color: ThemeRules.roleColor(bar.theme, "surface2", "#21262D")
                    border.width: 1
                    border.color: ThemeRules.roleColor(bar.theme, "stroke", "#30363D")
                }
            }
        }
    }

    Item {
        id: tabStrip
        objectName: "tabStrip"
        x: 20
        width: Math.max(0, statusArea.x - 20 - x)
        height: parent.height
        // Only when the tabs overflow: a clip costs the first frame a shader
        // of its own on a software renderer.
        clip: tabRow.width > width

        Row {
            id: tabRow
            height: parent.height
            spacing: 4

            Repeater { model: bar._workTabs; delegate: tabComponent }

            // Separates the four working tabs from Settings: the bar, then a
            // 14-pixel gap (the row's own spacing included).
            Item {
                width: 1 + 14 - 4
                height: parent.height

                Rectangle {
                    anchors.verticalCenter: parent.verticalCenter
                    width: 1
                    height: 22
                    radius: 1
                    color: ThemeRules.roleColor(bar.theme, "stroke", "#30363D")
                    opacity: 0.8
                }
            }

            Repeater { model: bar._settingsTabs; delegate: tabComponent }
        }
    }

    // Placed by hand so the chip's right edge stays 20 pixels inside the bar.
    Item {
        id: statusArea
        x: Math.max(0, Math.floor(bar.availableWidth - width - 20))
        width: statusRow.implicitWidth
        height: parent.height

        Row {
            id: statusRow
            anchors.verticalCenter: parent.verticalCenter
            spacing: 12

            Rectangle {
                id: statusChip
                objectName: "statusChip"
                height: 32
                width: chipRow.implicitWidth + 20
                radius: bar.theme ? bar.theme.radiusFull : 9999
                border.width: 1
                color: bar._chipLit ? (bar.theme ? bar.theme.withOpacity(bar.theme.success, 0.15) : "#1B3D2F")
                                    : ThemeRules.roleColor(bar.theme, "surface2", "#21262D")
                border.color: bar._chipLit ? ThemeRules.roleColor(bar.theme, "success", "#3FB950") : ThemeRules.roleColor(bar.theme, "stroke", "#30363D")

                Row {
                    id: chipRow
                    anchors.centerIn: parent
                    spacing: 8

                    // Steady: an animation that runs every frame would redraw
                    // the window all through a solve, and on a machine that
                    // draws in software that slows the solve itself.
                    Rectangle {
                        id: statusDot
                        objectName: "statusDot"
                        anchors.verticalCenter: parent.verticalCenter
                        width: 8
                        height: 8
                        radius: 4
                        color: bar._chipLit ? ThemeRules.roleColor(bar.theme, "success", "#3FB950") : ThemeRules.roleColor(bar.theme, "textFaint", "#6E7681")
                    }

                    Text {
                        objectName: "statusChipText"
                        anchors.verticalCenter: parent.verticalCenter
                        text: bar._chipText
                        textFormat: Text.PlainText
                        font.pixelSize: 12
                        font.weight: Font.DemiBold
                        color: bar._chipLit ? ThemeRules.roleColor(bar.theme, "success", "#3FB950") : ThemeRules.roleColor(bar.theme, "textMuted", "#8B949E")
                    }

                    Text {
                        objectName: "statusChipPercent"
                        anchors.verticalCenter: parent.verticalCenter
                        visible: bar._running
                        text: SolveProgress.percentText(bar.progressWheelValue)
                        textFormat: Text.PlainText
                        font.pixelSize: 12
                        font.bold: true
                        color: ThemeRules.roleColor(bar.theme, "text", "#F0F6FC")
                    }
                }
            }
        }
    }
}
