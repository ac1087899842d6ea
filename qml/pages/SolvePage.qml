import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components"
import "../components/projectPresets.js" as Presets
import "../components/solveRules.js" as SolveRules
import "../components/solveProgress.js" as ProgressRules
import "solveProgress.js" as Progress
import "../theme/themeRules.js" as ThemeRules
import "../theme" as ThemePack
import Pellaris as Published

// The solve page: a summary of the spot the shell holds, start and cancel,
// the thread count, the runs started here, and the live progress of
// whichever solve the controller runs. The page's state and the functions
// its views call live here; the views are the Solve*Card files.
SpotSizingItem {
    id: page

    property ThemePack.Theme theme
    property var type
    property Published.AppController controller: null
    property bool canSolve: true
    property int threadCount: controller && controller.systemThreadCount > 0 ? controller.systemThreadCount : 1

    property string gameVariant: "holdem"
    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: 2000
    property real startingPot: 100
    property real effectiveStack: 100
    property string utilityModel: "cash"
    property real oopStack: 100
    property real ipStack: 100
    property string icmPayoutsText: ""
    property string icmOtherStacksText: ""
    property string startingStreet: "flop"
    property real targetExploitability: 0.10
    property real rakePercent: 0.0
    property real rakeCap: 0

    signal goToResults()

    // ---- Controller state ----
    readonly property bool _running: !!controller && controller.running === true
    readonly property string _statusText: controller && controller.statusText ? String(controller.statusText) : ""
    readonly property bool runComplete: !!controller && !_running && Number(controller.resultIterations) > 0

    // ---- Threads ----
    readonly property int maxThreadCount: controller && controller.systemThreadCount > 0 ? controller.systemThreadCount : 1
    readonly property var _threadChoiceModel: Progress.threadChoices(maxThreadCount)
    readonly property int _currentThreadChoiceIndex: Progress.currentThreadChoice(_threadChoiceModel, threadCount,
                                                                                  maxThreadCount)

    // ---- Runs started here (newest first, in memory only) ----
    readonly property int maxRunRows: 10
    property ListModel runHistoryModel: ListModel {}
    property int _nextRunId: 1
    property int _activeRunId: -1

    // ---- Progress ----
    readonly property bool isStarting: _running && Progress.isStartingText(_statusText)
    readonly property bool isFinalizing: _running && ProgressRules.isFinalizingText(_statusText)
    property int _lastIterFromStatusText: 0

    // The top bar's rule, so that its chip and this ring agree.
    readonly property int currentIteration: !controller ? 0
        : ProgressRules.shownIteration(_running, isFinalizing, _lastIterFromStatusText, _statusText,
                                       controller.progress, maxIterations, controller.resultIterations)

    // In chips, during the run as after it.
    readonly property real currentExploitabilityValue: {
        if (!controller)
            return NaN
        if (_running)
            return Progress.liveExploitabilityChips(_parseExploitabilityFromStatusText(_statusText))
        return Progress.finalExploitability(controller.resultIterations, controller.resultExploitability)
    }

    readonly property int progressWheelTotalIterations: Progress.ringCapacity(maxIterations, targetExploitability)
    readonly property real progressWheelValue: !controller ? 0
        : ProgressRules.ringValue(_running, currentIteration, progressWheelTotalIterations, runComplete)
    readonly property bool progressWheelSpinning: _running && currentIteration <= 0
    readonly property int iterationWindowSize: Progress.WINDOW_SIZE
    readonly property int iterationWindowValue: Progress.windowValue(currentIteration)

    property string elapsedTime: "00:00"
    property string estimatedRemaining: "--:--"
    property real iterationsPerSec: 0
    // What the remaining time counts toward: "target", "limit", or "" when
    // there is no estimate.
    property string remainingBasis: ""
    // The run's last two distinct exploitability measurements, in chips.
    property var _earlierMeasurement: null
    property var _laterMeasurement: null
    property double _runStartedMs: 0
    property int _tickSeconds: 0

    readonly property string statusLineText: {
        if (!controller)
            return qsTr("Ready to solve")
        if (!_running) {
            if (ProgressRules.isDoneText(_statusText))
                return qsTr("Done")
            return _statusText === "" ? qsTr("Ready to solve") : Progress.shownStatus(_statusText)
        }
        if (isStarting)
            return qsTr("Starting solver…")
        if (isFinalizing)
            return qsTr("Finalizing…")
        if (currentIteration > 0)
            return qsTr("Iteration %1 | exploitability=%2")
                    .arg(currentIteration).arg(_formatExploitabilityForUi(currentExploitabilityValue))
        return Progress.shownStatus(_statusText)
    }

    readonly property string stateBadge: !_running ? qsTr("Ready") : isFinalizing ? qsTr("Finalizing") : qsTr("Running")
    readonly property color stateBadgeColor: !_running ? ThemeRules.roleColor(page.theme, "textMuted", "#8B949E")
                                           : isFinalizing ? ThemeRules.roleColor(page.theme, "warn", "#F0883E") : ThemeRules.roleColor(page.theme, "success", "#3FB950")

    // Counts its own ticks: the seconds of the current run.
    component RunClock: Timer {
        property int seconds: 0
    }

    readonly property RunClock elapsedTimer: RunClock {
        interval: 1000
        repeat: true
        running: page._running
        onTriggered: page._tick()
        onRunningChanged: {
            if (running)
                return
            seconds = 0
            page.estimatedRemaining = "00:00"
        }
    }

    // ---- Status text ----

    // The iteration a status text names ("Iter 120 | ..."), 0 when none:
    // the top bar's reading.
    function _parseIterationFromStatusText(t: var): real {
        return Progress.parseIteration(t)
    }

    // The figure after "exploitability≈" as the text carries it, NaN when
    // there is none.
    function _parseExploitabilityFromStatusText(t: var): real {
        return Progress.parseExploitability(t)
    }

    // The status line's exploitability: "∞" over the first 50 iterations,
    // then two decimals, "—" without a figure.
    function _formatExploitabilityForUi(v: real): string {
        return Progress.exploitabilityText(currentIteration, v)
    }

    // ---- Summary ----

    function targetExploitabilityAmount() {
        return SolveRules.targetExploitabilityAmount(startingPot, targetExploitability)
    }

    function _enabledOptionLines() {
        var lines = []
        var flags = [
            [oopFlopDontDonk, qsTr("OOP: don't donk on flop")],
            [oopTurnDontDonk, qsTr("OOP: don't donk on turn")],
            [oopRiverDontDonk, qsTr("OOP: don't donk on river")],
            [oopFlopAddAllIn, qsTr("OOP: add all-in on flop")],
            [oopTurnAddAllIn, qsTr("OOP: add all-in on turn")],
            [oopRiverAddAllIn, qsTr("OOP: add all-in on river")],
            [ipFlopAddAllIn, qsTr("IP: add all-in on flop")],
            [ipTurnAddAllIn, qsTr("IP: add all-in on turn")],
            [ipRiverAddAllIn, qsTr("IP: add all-in on river")]
        ]
        flags.forEach(function (f) { if (f[0]) lines.push(f[1]) })
        if (oopAddAllInIfJamLtEnabled)
            lines.push(qsTr("OOP: add all-in if jam < %1% pot").arg(Progress.shortText(oopAddAllInIfJamLtPct)))
        if (ipAddAllInIfJamLtEnabled)
            lines.push(qsTr("IP: add all-in if jam < %1% pot").arg(Progress.shortText(ipAddAllInIfJamLtPct)))
        return lines
    }

    // ---- Start, cancel, results ----

    function _projectState() {
        var state = {}
        Presets.PROJECT_KEYS.forEach(function (key) { state[key] = page[key] })
        return state
    }

    // The shell's map of the page's inputs, with a thread count this machine
    // can run.
    function _solveConfig() {
        var cfg = SolveRules.solveConfigMap(_projectState())
        cfg.thread_count = Progress.usableThreadCount(threadCount, maxThreadCount)
        return cfg
    }

    // A run row keeps its facts; its words are made when it is shown.
    function _runSummary(run) {
        return qsTr("Iterations %1 • Target %2% (≈ %3) • Threads %4")
                .arg(Number(run.iterations).toLocaleString(Qt.locale(), "g", 6))
                .arg(Progress.shortText(run.target))
                .arg(Progress.shortText(run.amount))
                .arg(run.threads)
    }

    function startSolveFromPage() {
        if (!controller || _running || !canSolve)
            return
        var cfg = _solveConfig()
        var runId = _appendRun(cfg.thread_count)
        if (typeof controller.startSolveWithConfig === "function")
            controller.startSolveWithConfig(cfg)
        else if (typeof controller.startSolve === "function")
            controller.startSolve()
        // A refused start never sets running; its row must not wait for a
        // fall that will not come.
        if (!controller.running && _activeRunId === runId) {
            _setRunStatus(runId, "Failed")
            _activeRunId = -1
        }
    }

    function cancelSolveFromPage() {
        if (!controller || !_running)
            return
        if (_activeRunId >= 0)
            _setRunStatus(_activeRunId, "Cancelled")
        controller.cancelSolve()
    }

    function viewResults() {
        if (runComplete)
            goToResults()
    }

    // ---- Run rows ----

    function _appendRun(threads) {
        var runId = _nextRunId
        _nextRunId = runId + 1
        _activeRunId = runId
        runHistoryModel.insert(0, {
            runId: runId,
            startedAt: Qt.formatTime(new Date(), "HH:mm:ss"),
            status: "Running",
            iterations: Number(maxIterations),
            target: Number(targetExploitability),
            amount: Number(targetExploitabilityAmount()),
            threads: Number(threads)
        })
        while (runHistoryModel.count > maxRunRows)
            runHistoryModel.remove(runHistoryModel.count - 1)
        return runId
    }

    function _findRunIndexById(runId) {
        for (var i = 0; i < runHistoryModel.count; ++i)
            if (runHistoryModel.get(i).runId === runId)
                return i
        return -1
    }

    function _setRunStatus(runId, status) {
        var index = _findRunIndexById(runId)
        if (index >= 0)
            runHistoryModel.setProperty(index, "status", status)
    }

    function clearRunHistory() {
        runHistoryModel.clear()
    }

    function _closeActiveRun() {
        if (_activeRunId < 0)
            return
        var index = _findRunIndexById(_activeRunId)
        if (index >= 0 && runHistoryModel.get(index).status === "Running") {
            var ran = controller ? Number(controller.resultIterations) : 0
            var status = Progress.runEndStatus(ran, _statusText)
            runHistoryModel.setProperty(index, "status", status)
            // A run that stops at its target runs fewer iterations than its cap.
            if (status === "Completed" && isFinite(ran) && ran > 0)
                runHistoryModel.setProperty(index, "iterations", ran)
        }
        _activeRunId = -1
    }

    // ---- Thread choice ----

    // The choices follow the maximum by binding; what is left is the clamp
    // of a count the machine cannot run.
    function _rebuildThreadChoiceModel() {
        var t = Number(threadCount)
        if (!isFinite(t) || t < 1 || t > maxThreadCount)
            threadCount = maxThreadCount
    }

    function threadChoiceLabel(entry) {
        if (entry === "Max")
            return qsTr("Max, %n thread(s)", "", maxThreadCount)
        var n = Number(entry)
        if (String(entry) === "" || !isFinite(n))
            return String(entry)
        return qsTr("%n thread(s)", "", n)
    }

    function chooseThreadEntry(entry) {
        threadCount = entry === "Max" ? maxThreadCount : Math.floor(Number(entry))
    }

    onMaxThreadCountChanged: _rebuildThreadChoiceModel()
    Component.onCompleted: _rebuildThreadChoiceModel()

    // ---- Clock ----

    function _tick() {
        var seconds = elapsedTimer.seconds + 1
        elapsedTimer.seconds = seconds
        _tickSeconds = seconds
        elapsedTime = Progress.clockText(seconds)
        if (currentIteration > 0) {
            iterationsPerSec = currentIteration / seconds
            var end = Progress.expectedEnd(maxIterations, targetExploitabilityAmount(),
                                           _earlierMeasurement, _laterMeasurement, currentIteration)
            estimatedRemaining = Progress.clockText(
                        Progress.remainingSeconds(end.iteration, currentIteration, iterationsPerSec))
            remainingBasis = end.toTarget ? "target" : "limit"
        }
    }

    // Every figure of the card belongs to the run it shows: a new run starts
    // from nothing.
    function _beginRun(nowMs) {
        _runStartedMs = nowMs
        _tickSeconds = 0
        elapsedTime = Progress.clockText(0)
        estimatedRemaining = "--:--"
        remainingBasis = ""
        iterationsPerSec = 0
        _earlierMeasurement = null
        _laterMeasurement = null
    }

    // The run's own time and speed once it ends, also for a run shorter
    // than the clock's first tick. `iterations` is the last one shown.
    function _endRun(nowMs, iterations) {
        var seconds = Math.max(_tickSeconds, (nowMs - _runStartedMs) / 1000)
        if (_runStartedMs > 0 && seconds > 0) {
            elapsedTime = Progress.clockText(seconds)
            if (iterations > 0)
                iterationsPerSec = iterations / seconds
        }
        remainingBasis = ""
    }

    function _noteMeasurement(iteration, chips) {
        if (!(iteration > 0) || !(chips > 0))
            return
        if (_laterMeasurement && _laterMeasurement.value === chips)
            return
        _earlierMeasurement = _laterMeasurement
        _laterMeasurement = { iteration: iteration, value: chips }
    }

    Connections {
        target: page.controller
        ignoreUnknownSignals: true

        function onStatusTextChanged() {
            var parsed = page._parseIterationFromStatusText(page._statusText)
            if (parsed > 0) {
                page._lastIterFromStatusText = Math.floor(parsed)
                if (page._running)
                    page._noteMeasurement(Math.floor(parsed), Progress.liveExploitabilityChips(
                                              page._parseExploitabilityFromStatusText(page._statusText)))
            }
        }

        // Results that no run of this page made (an opened project, a
        // clear) end the last run's speed and remaining time; a solve's own
        // results arrive while it still runs.
        function onResultsChanged(): void {
            if (page._running)
                return
            page.iterationsPerSec = 0
            page.estimatedRemaining = "--:--"
            page.remainingBasis = ""
        }

        function onRunningChanged() {
            if (page._running) {
                page._beginRun(Date.now())
                // A solve started elsewhere (F5, a re-solve) has its row too.
                if (page._activeRunId < 0)
                    page._appendRun(page.threadCount)
                return
                return
            }
            var done = Number(page.controller.resultIterations)
            page._endRun(Date.now(), isFinite(done) && done > 0 ? done : page._lastIterFromStatusText)
            page._lastIterFromStatusText = 0
            page._closeActiveRun()
        }
    }

    // ---- Layout ----

    Flickable {
        id: scroller
        objectName: "solvePageScroll"
        anchors.fill: parent
        contentWidth: width
        contentHeight: content.implicitHeight + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: content
            x: 24
            y: 24
            width: scroller.width - 48
            spacing: 20

            SectionHeader {
                objectName: "solveHeader"
                Layout.fillWidth: true
                theme: page.theme
                title: qsTr("Solve")
                subtitle: qsTr("Run the CFR solver and monitor progress in real-time.")
                badge: page.stateBadge
                badgeColor: page.stateBadgeColor
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 20

                ColumnLayout {
                    Layout.alignment: Qt.AlignTop
                    Layout.preferredWidth: Math.floor((content.width - 20) * 0.4)
                    Layout.maximumWidth: Layout.preferredWidth
                    spacing: 20

                    SolveConfigCard { solvePage: page; Layout.fillWidth: true }
                    SolveComputeCard { solvePage: page; Layout.fillWidth: true }
                }

                ColumnLayout {
                    Layout.alignment: Qt.AlignTop
                    Layout.fillWidth: true
                    spacing: 20

                    SolveProgressCard { solvePage: page; Layout.fillWidth: true }
                    SolveRunsCard { solvePage: page; Layout.fillWidth: true }
                }
            }
        }
    }
}
