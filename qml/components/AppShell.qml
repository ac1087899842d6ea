import QtQuick
import QtQuick.Layouts
import "../theme" as ThemePack
import "projectPresets.js" as Presets
import "solveRules.js" as SolveRules
import Pellaris as Published

// The application shell: the one copy of the spot being edited (the project
// state), the presets that fill it, readiness and the memory estimate that
// gate a solve, the solve-configuration map, and the window's content: the
// top bar over the pages, which show and edit the state. Which page shows,
// and the keys, are the navigation's (ShellNavigation).
SpotSizingItem {
    id: shell

    property Published.AppController controller: null

    readonly property ThemePack.Theme theme: ThemePack.Theme {}
    readonly property ThemePack.Typography type: ThemePack.Typography {}

    // ---- Project state: one property per setting ----
    property string gameVariant: "holdem"
    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: 0
    property real startingPot: 0
    property real effectiveStack: 0
    property string utilityModel: "cash"
    property real oopStack: 0
    property real ipStack: 0
    property string icmPayoutsText: ""
    property string icmOtherStacksText: ""
    property int threadCount: _systemThreads > 0 ? _systemThreads : 1
    property string startingStreet: "flop"
    property real targetExploitability: 0.0
    property real rakePercent: 0.0
    property real rakeCap: 0

    // ---- Project and variant ----
    property bool hasProject: false
    property int navIndex: 0
    // What the set-up page needs without clipping; the window's width follows.
    property int projectRecommendedWidth: 1540
    // Make only the page on show at once, the others right after (the
    // window sets it, for a quicker first frame).
    property bool deferHiddenPages: false

    // Start-up publishes appController on the root context, out of the
    // linter's sight. Tests point this at a stand-in.
    // qmllint disable unqualified
    property var _developerModeSource: typeof appController !== "undefined" ? appController : null
    // qmllint enable unqualified
    readonly property bool developerMode: !!_developerModeSource && _developerModeSource.developerMode === true
    readonly property bool isShortDeck: String(gameVariant).toLowerCase() === "shortdeck"
    readonly property var variantRanks: (isShortDeck ? SolveRules.SHORT_DECK_RANKS : SolveRules.HOLDEM_RANKS).split("")
    readonly property string rankAlphabet: variantRanks.join("")

    // The machine's thread count, 0 when the controller does not know it.
    readonly property int _systemThreads: {
        var n = controller ? Number(controller.systemThreadCount) : 0
        return isFinite(n) && n > 0 ? Math.floor(n) : 0
    }

    // ---- Presets (live: they follow the mode and the thread count) ----
    readonly property var startupBlankPreset: Presets.startupBlankPreset(_systemThreads)
    readonly property var newProjectPreset: Presets.newProjectPreset(developerMode, _systemThreads)
    readonly property var defaultPreset: Presets.defaultPreset(_systemThreads)
    readonly property var defaultPresetShortDeck: Presets.defaultPresetShortDeck(_systemThreads)
    readonly property var customerQuickSolvePreset: Presets.customerQuickSolvePreset(_systemThreads)
    readonly property var customerQuickSolvePresetShortDeck: Presets.customerQuickSolvePresetShortDeck(_systemThreads)

    // ---- Per-variant range memory (lives only in the running shell) ----
    property string _lastGameVariant: "holdem"
    property bool _variantSwapInProgress: false
    property bool _holdemRangesInitialized: false
    property string _holdemOopRangeText: ""
    property string _holdemIpRangeText: ""
    property bool _shortDeckRangesInitialized: false
    property string _shortDeckOopRangeText: ""
    property string _shortDeckIpRangeText: ""

    // ---- Readiness ----
    readonly property bool _isIcm: String(utilityModel).toLowerCase() === "icm"
    // Each range as the solve reads it beside the board: read once per
    // change, however often the readiness bindings ask.
    readonly property var _oopRangeReading: _rangeReading(oopRangeText)
    readonly property var _ipRangeReading: _rangeReading(ipRangeText)
    // Board, ranges and sizings: enough for the controller to measure the
    // spot and name anything else it would refuse.
    readonly property bool _canMeasure: _isStrictBoardReady() && _hasSizingFilled()
                                        && _hasAnyHand(oopRangeText) && _hasAnyHand(ipRangeText)
    readonly property bool _canSolveBase: _canMeasure && _hasUtilitySolveInputs()
    readonly property string _estimateError: controller && controller.solveEstimateError
                                             ? String(controller.solveEstimateError) : ""
    // The spot's estimate is on its way: the last figure belongs to another
    // spot, so nothing may start on it until the answer is in.
    readonly property bool estimateMeasuring: _canMeasure && (solveMemEstimateTimer.running
                                              || (!!controller && controller.solveEstimatePending === true))
    readonly property bool canSolve: _canSolveBase && !estimateMeasuring && _estimateError === ""
                                     && _hasEnoughRamToSolve()
    // Why the spot cannot be solved, as the page, the badge and the tooltips
    // show it; empty when it can or while it is being measured.
    readonly property string solveBlockReason: {
        if (!_isStrictBoardReady())
            return qsTranslate("AppController", "Not ready: enter a valid board first")
        // The reader's refusal of a range, under the range's label; or no
        // hand in one of them.
        var oop = _oopRangeReading
        var ip = _ipRangeReading
        var refused = oop.ok === false ? [qsTranslate("ProjectPage", "OOP Range"), oop.error]
                    : ip.ok === false ? [qsTranslate("ProjectPage", "IP Range"), ip.error] : null
        if (refused)
            return qsTranslate("AppController", "Not ready: %1")
                .arg(qsTranslate("AppController", "%1 — %2").arg(refused[0]).arg(String(refused[1])))
        if (!_hasAnyHand(oopRangeText) || !_hasAnyHand(ipRangeText))
            return qsTranslate("AppController", "Not ready: select at least one hand in both ranges")
        if (!_hasSizingFilled())
            return qsTranslate("AppController", "Not ready: fill out both OOP and IP sizing")
        if (estimateMeasuring)
            return ""
        if (_estimateError !== "")
            return _estimateError
        if (!_hasUtilitySolveInputs())
            return qsTranslate("AppController", "Not ready: %1").arg(_missingUtilityLabels().join(", "))
        if (!_hasEnoughRamToSolve() && controller && Number(controller.solveRequiredMemoryBytes) > 0)
            return qsTranslate("AppController", "Not enough RAM to solve (after clearing previous results)")
                + " " + controller.solveRequiredMemoryText + " > " + controller.effectiveAvailableMemoryText
        return ""
    }

    // The set-up no longer describes the spot the held results were solved
    // for: the controller compares the map a start would send with theirs.
    // With no solved spot held, the set-up's map is not built at each edit.
    readonly property bool setupDiffersFromResults: !!controller
        && typeof controller.setupDiffersFromResults === "function"
        && Object.keys(controller.resultSpot || {}).length > 0
        && controller.setupDiffersFromResults(_solveMemCfg()) === true

    // One timer collapses a burst of edits into one estimate request.
    readonly property Timer solveMemEstimateTimer: Timer {
        interval: 450
        repeat: false
        onTriggered: shell._requestSolveMemEstimate()
    }

    Published.SettingsSection {
        id: uiSettings
        category: "ui"
    }

    // ---- Project state map ----

    function exportProjectState() {
        var out = {}
        Presets.PROJECT_KEYS.forEach(function (key) { out[key] = shell[key] })
        return out
    }

    // Assigns every key the map carries, in the state's own order, converted
    // to its property's type; a value that cannot be converted, or lies
    // outside its field's range, leaves its property as it is, so a damaged
    // map never stops half-way.
    function applyProjectState(map) {
        if (!map || typeof map !== "object")
            return
        Presets.PROJECT_KEYS.forEach(function (key) {
            if (!Object.prototype.hasOwnProperty.call(map, key))
                return
            var converted = Presets.convertKey(key, map[key])
            if (converted.ok)
                shell[key] = converted.value
        })
    }

    // A project opened from a file: what it leaves out, or brings in a form
    // its field would not take, is the new project's, not the value of the
    // project open before.
    function applyLoadedProject(map: var): void {
        applyProjectState(Presets.loadedProjectState(map, newProjectPreset))
    }

    function quickSolvePresetForVariant(variant) {
        return Presets.quickSolvePresetForVariant(variant, developerMode, _systemThreads)
    }

    // ---- Resets ----

    // The variant is switched before the blank preset is applied, so that a
    // reset from short deck ends with the blank ranges, not with the hold'em
    // pair the switch brings back.
    function _resetToBlank(preset, projectOpen) {
        gameVariant = "holdem"
        applyProjectState(preset)
        hasProject = projectOpen
        _clearControllerResults()
        syncPagesFromRoot()
    }

    function resetToStartupBlank() {
        _resetToBlank(startupBlankPreset, false)
    }

    function resetToNewProject() {
        _resetToBlank(newProjectPreset, true)
    }

    // Quick Solve keeps the variant the user had selected.
    function resetToDefaults() {
        var variant = Presets.normalizeVariant(gameVariant)
        applyProjectState(quickSolvePresetForVariant(variant))
        gameVariant = variant
        hasProject = true
        _clearControllerResults()
        syncPagesFromRoot()
    }

    function _clearControllerResults() {
        if (controller && typeof controller.clearResults === "function")
            controller.clearResults()
    }

    // ---- Pages: binding and write-back ----

    function _bindPageSetting(page, key) {
        page[key] = Qt.binding(function () { return shell[key] })
    }

    // Restores the pages' bindings after the whole state was replaced; a
    // page that assigned to a setting had lost its binding. A page not made
    // yet gets them when it is made.
    function syncPagesFromRoot() {
        _bindPage(pageStack.projectPage, false)
        // The thread count too, so that after a loaded project the solve
        // page shows the project's thread count again.
        _bindPage(pageStack.solvePage, true)
    }

    function _bindPage(page, withThreadCount) {
        if (!page)
            return
        Presets.PAGE_KEYS.forEach(function (key) { _bindPageSetting(page, key) })
        if (withThreadCount)
            _bindPageSetting(page, "threadCount")
    }

    function _connectWriteBack(page) {
        if (!page)
            return
        Presets.PAGE_KEYS.forEach(function (key) {
            page[key + "Changed"].connect(function () { shell[key] = page[key] })
        })
    }

    // Set once the shell is complete: pages made from then on are wired as
    // they come; those made with the shell are wired by its completion.
    property bool _pagesWired: false

    function _wireMadePage(name, page) {
        if (!_pagesWired)
            return
        if (name === "projectPage") {
            _connectWriteBack(page)
            _bindPage(page, false)
        } else if (name === "solvePage") {
            _bindPage(page, true)
        }
    }

    // ---- Per-variant range memory ----

    // The memory's property names for a variant: "_holdem..." or "_shortDeck...".
    function _memoryPrefix(variant: var): string {
        return Presets.normalizeVariant(variant) === "shortdeck" ? "_shortDeck" : "_holdem"
    }

    function _saveRangesForVariant(variant) {
        var prefix = _memoryPrefix(variant)
        shell[prefix + "OopRangeText"] = oopRangeText
        shell[prefix + "IpRangeText"] = ipRangeText
        shell[prefix + "RangesInitialized"] = true
    }

    // A variant never used before starts from its Quick Solve ranges.
    function _ensureRangesInitialized(variant) {
        var prefix = _memoryPrefix(variant)
        if (shell[prefix + "RangesInitialized"])
            return
        var preset = quickSolvePresetForVariant(variant)
        shell[prefix + "OopRangeText"] = preset.oopRangeText !== undefined ? preset.oopRangeText : ""
        shell[prefix + "IpRangeText"] = preset.ipRangeText !== undefined ? preset.ipRangeText : ""
        shell[prefix + "RangesInitialized"] = true
    }

    function _restoreRangesForVariant(variant) {
        var prefix = _memoryPrefix(variant)
        oopRangeText = shell[prefix + "OopRangeText"]
        ipRangeText = shell[prefix + "IpRangeText"]
    }

    function _onRangeChanged() {
        if (_variantSwapInProgress)
            return
        _saveRangesForVariant(_lastGameVariant)
        _scheduleSolveMemEstimate()
    }

    onOopRangeTextChanged: _onRangeChanged()
    onIpRangeTextChanged: _onRangeChanged()

    onGameVariantChanged: {
        var next = Presets.normalizeVariant(gameVariant)
        var prev = Presets.normalizeVariant(_lastGameVariant)
        if (next === prev)
            return
        _variantSwapInProgress = true
        try {
            _saveRangesForVariant(prev)
            _ensureRangesInitialized(next)
            _restoreRangesForVariant(next)
            _lastGameVariant = next
        } finally {
            _variantSwapInProgress = false
        }
        // A page that was typed into holds its own text, no longer the
        // shell's: bound again, it shows the pair the switch brought in,
        // which is the pair a solve takes.
        syncPagesFromRoot()
        _scheduleSolveMemEstimate()
    }

    // ---- Readiness checks ----

    function _normalizeBoardText(raw: var): string {
        return SolveRules.normalizeBoardText(String(raw), rankAlphabet)
    }

    function _isStrictBoardReady(): bool {
        return SolveRules.isStrictBoardReady(boardText, rankAlphabet)
    }

    // A range text as the solve reads it beside the board, by the
    // controller (the engine's reader); null without a controller.
    // Read again at each switch of language, which words a refusal anew.
    function _rangeReading(rangeText: string): var {
        void Qt.uiLanguage
        return controller ? controller.readRangeText(rangeText, gameVariant, boardText) : ({})
    }

    // The solve reads the text and finds at least one combination of the
    // deck beside the board.
    function _hasAnyHand(rangeText: string): bool {
        var read = rangeText === oopRangeText ? _oopRangeReading
                 : rangeText === ipRangeText ? _ipRangeReading : _rangeReading(rangeText)
        return read.ok === true && Number(read.combos) > 0
    }

    function _hasSizingFilled() {
        var texts = {}
        SolveRules.sizingTextKeys().forEach(function (key) { texts[key] = shell[key] })
        return SolveRules.hasSizingFilled(texts)
    }

    function _parsePositiveCsvNumbers(text) {
        return SolveRules.parsePositiveCsvNumbers(text)
    }

    function _utilityInputs(): var {
        return {
            utilityModel: utilityModel, startingPot: startingPot, effectiveStack: effectiveStack,
            oopStack: oopStack, ipStack: ipStack,
            icmPayoutsText: icmPayoutsText, icmOtherStacksText: icmOtherStacksText
        }
    }

    function _hasUtilitySolveInputs(): bool {
        return SolveRules.hasUtilitySolveInputs(_utilityInputs())
    }

    // The missing fields as the set-up page labels them.
    function _missingUtilityLabels(): var {
        var labels = {
            startingPot: _isIcm ? qsTranslate("ProjectPage", "Pot size") : qsTranslate("ProjectPage", "Starting Pot"),
            effectiveStack: qsTranslate("ProjectPage", "Effective Stack"),
            oopStack: qsTranslate("ProjectPage", "OOP stack"),
            ipStack: qsTranslate("ProjectPage", "IP stack"),
            icmPayouts: qsTranslate("ProjectPage", "Payouts"),
            icmOtherStacks: qsTranslate("ProjectPage", "Other stack sizes")
        }
        return SolveRules.missingUtilityInputs(_utilityInputs()).map(function (field) { return labels[field] })
    }

    function _hasEnoughRamToSolve() {
        if (!controller)
            return false
        return SolveRules.hasEnoughRam(controller.solveRequiredMemoryBytes, controller.systemAvailableMemoryBytes,
                                       controller.resultsReclaimableMemoryBytes)
    }

    // ---- Memory estimate and the solve-configuration map ----

    function targetExploitabilityAmount(): real {
        return SolveRules.targetExploitabilityAmount(startingPot, targetExploitability)
    }

    function _solveMemCfg() {
        return SolveRules.solveConfigMap(exportProjectState())
    }

    function _scheduleSolveMemEstimate() {
        if (solveMemEstimateTimer)
            solveMemEstimateTimer.restart()
    }

    function _requestSolveMemEstimate() {
        if (!_canMeasure)
            return
        if (!controller || typeof controller.requestSolveMemoryEstimate !== "function")
            return
        controller.requestSolveMemoryEstimate(_solveMemCfg())
    }

    // Every setting that changes the solve's size restarts the estimate
    // timer; the ranges and the variant do it from their own handlers, and
    // the iteration limit, the target, the threads and the old sizing text
    // do not change the spot (the controller measures it without them).
    readonly property var _estimateKeys: Presets.PROJECT_KEYS.filter(function (key) {
        return ["gameVariant", "oopRangeText", "ipRangeText", "maxIterations",
                "targetExploitability", "threadCount", "betSizesText"].indexOf(key) < 0
    })

    function _connectEstimateScheduling() {
        _estimateKeys.forEach(function (key) { shell[key + "Changed"].connect(shell._scheduleSolveMemEstimate) })
    }

    // ---- Window content: background, top bar, pages ----

    readonly property alias navigation: navigation
    readonly property alias pages: pageStack

    ShellNavigation {
        id: navigation
        shell: shell
    }

    Rectangle {
        anchors.fill: parent
        color: shell.theme.bg0
    }

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: shell.theme.withOpacity(shell.theme.accent, 0.02) }
            GradientStop { position: 1.0; color: "transparent" }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TopBar {
            id: topBar
            objectName: "topBar"
            Layout.fillWidth: true
            theme: shell.theme
            controller: shell.controller
            canSolve: shell.canSolve
            // While the spot is measured the tab says so, not an older refusal.
            solveBlockReason: shell.estimateMeasuring ? qsTranslate("ProjectPage", "Solve RAM: measuring…")
                                                      : shell.solveBlockReason
            projectEnabled: shell.hasProject
            currentPage: shell.navIndex
            maxIterations: shell.maxIterations
            targetExploitability: shell.targetExploitability
            pageTitle: navigation.pageTitle
            pageSubtitle: navigation.pageSubtitle
            onNavigate: index => navigation.requestPage(index)
        }

        ShellPages {
            id: pageStack
            Layout.fillWidth: true
            Layout.fillHeight: true
            shell: shell
            navigation: navigation
            deferHiddenPages: shell.deferHiddenPages
            onPageMade: (name, page) => shell._wireMadePage(name, page)
        }
    }

    // Said once on start when the settings store cannot be read or kept:
    // what is changed from then on would be lost at exit.
    MessageBox {
        id: storeProblemBox
        objectName: "storeProblemBox"
        theme: shell.theme
        titleWords: function () { return qsTranslate("SettingsPage", "Settings") }
        words: function () { return shell.controller ? shell.controller.settingsStoreProblem() : "" }
    }

    function _reportStoreAtStart(): void {
        if (controller && controller.settingsStoreProblem() !== "")
            storeProblemBox.open()
    }

    Component.onCompleted: {
        _reportStoreAtStart()
        _connectWriteBack(pageStack.projectPage)
        _connectEstimateScheduling()
        var storedDark = uiSettings.value("darkMode", true)
        theme.dark = !(storedDark === false || String(storedDark).toLowerCase() === "false")
        theme.applyStoredAccent(uiSettings.value("accentHex", ""))
        resetToStartupBlank()
        _lastGameVariant = Presets.normalizeVariant(gameVariant)
        _pagesWired = true
    }
}
