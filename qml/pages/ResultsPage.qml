import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components"
import "../components/resultsRules.js" as Rules
import "../components/nodeLockRules.js" as LockRules
import "../components/chartSeries.js" as Charts
import "../components/playRules.js" as PlayRules
import "../components/actionBar.js" as Bar
import "../components/boardText.js" as BoardText
import "../theme" as ThemePack
import Pellaris as Published

// The results explorer: walks the solved tree one level per node and shows
// the current node's strategy, figures, buckets and combos. The page holds
// the state and the operations; the views (Results* components) draw it.
Item {
    id: page

    property ThemePack.Theme theme
    property var type
    property Published.AppController controller: null
    property string gameVariant: "holdem"
    property string utilityModel: "cash"
    property string boardText: ""
    property real rakePercent: 0.0
    property real rakeCap: 0
    // The set-up has changed since the results were solved: they stay on
    // their own spot (the properties above) and the page says so.
    property bool setupChanged: false

    signal goToSolve()

    readonly property bool isShortDeck: String(gameVariant).toLowerCase() === "shortdeck"
    readonly property var variantRanks: isShortDeck ? ["A", "K", "Q", "J", "T", "9", "8", "7", "6"]
                                                    : Rules.RANK_ORDER
    readonly property real uiScale: Math.min(1.0, Math.max(0.75, width / 1540))
    function scaled(base, minimum) { return Math.max(minimum, Math.round(base * uiScale)) }

    property bool playMode: false
    // The board of a hand being played; empty outside a play session.
    property string playBoardText: ""
    property bool playSessionStarted: false

    // Node locking: the locks themselves live in the controller's table,
    // the one a re-solve uses; the page reads them from there.
    property bool nodeLockMode: false
    property int nodeLockSelectedActionIndex: -1
    property bool nodeLockMixedMode: false
    property var nodeLockMixedFreqTexts: []
    property bool _updatingMixedFreqTexts: false
    property bool _startingSolveWithNodeLocks: false
    readonly property var nodeLockActionList: (_results, _lockActionList(currentNodeIndex))
    // Node key -> hand label -> lock, for the classes the user locked: a
    // view that reads the controller's table at each lookup and stores
    // nothing; it is made anew after every lock edit, so bindings follow.
    readonly property var nodeLocksByNode: (_results, _lockEdits,
        LockRules.tableView(n => page.controller ? page.controller.nodeLocks(n) : []))
    property int _lockEdits: 0

    // Distributions and play-statistics dialogs.
    property var _distPayload: ({})
    property bool _distMetricEquity: true
    property real _distHoverT: -1
    property real _playStatsHoverT: -1

    // -----------------------------------------------------------------------
    // Tree navigation state

    property ListModel treeLevels: ListModel {}
    // Bumped on every change of treeLevels, which bindings cannot observe.
    property int _treeRevision: 0
    property int currentNodeIndex: 0
    property string selectedPlayer: "OOP"
    property string treeBoardText: ""
    // Changes with every result the controller takes in or drops (a solve,
    // an opened project, a clear), also one of the same iteration count:
    // the views read the held result again through it.
    readonly property int _results: controller ? controller.resultsRevision : 0
    readonly property var currentMeta: (_results, _metaForNode(currentNodeIndex))
    // What the node figures read: a chance node's are the next street's.
    readonly property var _figureMeta: Rules.figureMeta(currentMeta, _actingPlayer(currentNodeIndex))

    property int chancePickerLevelIndex: -1
    property string chancePickerTitle: ""
    property var chancePickerActions: []
    property string chancePickerBoardText: ""
    property var chancePickerIndexByCard: ({})
    property var chancePickerAvailableCardIndices: []
    property var _chancePickerUsedCards: []
    property var chanceCardDisplayOverrideByNode: ({})
    readonly property var _rankOrder: Rules.RANK_ORDER
    readonly property var _suitOrder: Rules.SUIT_ORDER

    // What the tree panel draws and the path's suit map, rebuilt with the path.
    property var treeBlocks: []
    property var _pathSuitMap: Rules.identitySuitMap()

    // -----------------------------------------------------------------------
    // Strategy

    readonly property var currentActions: (_results, _currentActionList(currentNodeIndex))
    readonly property var actionFrequenciesActions: Rules.normalizeEvsAroundFold(currentActions)
    property var handWeights: ({})
    property var handActionTypes: ({})
    property var handColors: ({})
    property var handActionTypeList: []
    // The matrix's colour for each key, the same as the action rows'.
    property var handActionColorList: []
    property var handActionProbs: ({})
    // Classes the user locked at the current node (class label -> true).
    property var handLockedClasses: ({})

    // -----------------------------------------------------------------------
    // Buckets and hand details

    property var _loadedHandCombos: []
    // The action definitions of the node the combos were loaded for, so a
    // row's EVs and mix never pair with another node's actions.
    property var _loadedComboActions: []
    property bool _handCombosLoading: false
    // The current node's answers are neither in the opened project nor
    // computable (no solve is held): the hands say so.
    property bool _nodeNotKept: false
    // Combos with their cards in the suits the path shows.
    readonly property var currentHandCombos: (_results, Rules.combosInDisplaySuits(_loadedHandCombos, _pathSuitMap))
    readonly property var currentHandBuckets: (_results, _hasStrategy(currentNodeIndex) ? controller.nodeHandBuckets(currentNodeIndex) : [])
    property string selectedHandClass: ""
    property string selectedBucket: ""
    property string handSearchText: ""
    readonly property var visibleHandCombos: Rules.visibleCombos(currentHandCombos, {
        noise: Rules.boardCards(playSessionStarted && playBoardText !== "" ? playBoardText : treeBoardText).length >= 4,
        handClass: selectedHandClass,
        bucket: selectedBucket,
        search: handSearchText
    })

    // -----------------------------------------------------------------------
    // Tree queries

    function _hasTree() {
        return controller !== null && controller !== undefined && controller.treeNodeCount() > 0
    }

    function _actionsForNode(nodeIndex) {
        if (!_hasTree())
            return []
        return controller.nodeActions(nodeIndex) || []
    }

    function _metaForNode(nodeIndex) {
        if (!_hasTree())
            return {}
        return controller.nodeMeta(nodeIndex) || {}
    }

    function _safeActionAt(actions, idx) {
        if (!actions || idx === undefined || idx === null || idx < 0 || idx >= actions.length)
            return null
        return actions[idx]
    }

    function _singleActionList(actions, idx) {
        var a = _safeActionAt(actions, idx)
        return a ? [a] : []
    }

    function _normalizeCardText(text) {
        return Rules.normalizeCard(text)
    }

    // The action definitions straight from the controller, coloured.
    function _actionDefinitions(nodeIndex) {
        if (!controller)
            return []
        var stats = _hasStrategy(nodeIndex) ? controller.nodeActionStats(nodeIndex) : []
        var rows = stats && stats.length > 0 ? stats : _actionsForNode(nodeIndex)
        return Rules.colorizeBetRaise(rows, theme ? theme.dark : false)
    }

    function _currentActionList(nodeIndex) {
        if (!controller)
            return []
        var meta = _metaForNode(nodeIndex)
        if (meta.nodeType === "chance") {
            // The action's name, which the views word when they show it.
            return [{ name: meta.chanceDeal === "river" ? QT_TRANSLATE_NOOP("TreeNode", "Random river card")
                                                        : QT_TRANSLATE_NOOP("TreeNode", "Random turn card"),
                      actionType: "chance", frequency: 1.0, combos: NaN, equity: NaN, ev: NaN }]
        }
        return _actionDefinitions(nodeIndex)
    }

    // Only decision nodes hold strategy data; the controller's per-hand
    // queries at chance and terminal nodes answer nothing, slowly.
    function _hasStrategy(nodeIndex) {
        return !!controller && _metaForNode(nodeIndex).nodeType === "decision"
    }

    function _childIndexOf(action) {
        var c = action && action.childIndex !== undefined ? Number(action.childIndex) : -1
        return isFinite(c) ? c : -1
    }

    // -----------------------------------------------------------------------
    // Navigation

    // The seat that acts at a node; at a chance node the one that acts first
    // after the deal ("" when no one acts again).
    function _actingPlayer(nodeIndex) {
        var meta = _metaForNode(nodeIndex)
        if (meta.nodeType !== "chance")
            return meta.player || ""
        var actions = _actionsForNode(nodeIndex)
        for (var i = 0; i < actions.length; ++i) {
            var child = _childIndexOf(actions[i])
            var next = child >= 0 ? _metaForNode(child) : {}
            if (next.player)
                return String(next.player)
        }
        return ""
    }

    function _setCurrentNode(nodeIndex) {
        var player = _actingPlayer(nodeIndex)
        if (player)
            selectedPlayer = player
        currentNodeIndex = nodeIndex
    }

    function resetTreeToRoot() {
        treeLevels.clear()
        treeLevels.append({ nodeIndex: 0, selectedActionIndex: -1 })
        _setCurrentNode(0)
        rebuildBreadcrumbs()
    }

    function navigateToBreadcrumb(breadcrumbIndex) {
        var keep = Math.max(1, breadcrumbIndex + 1)
        if (treeLevels.count > keep)
            treeLevels.remove(keep, treeLevels.count - keep)
        var last = treeLevels.count - 1
        treeLevels.setProperty(last, "selectedActionIndex", -1)
        _setCurrentNode(treeLevels.get(last).nodeIndex)
        rebuildBreadcrumbs()
    }

    function _jumpToLevelForReselect(levelIndex) {
        if (levelIndex >= 0 && levelIndex < treeLevels.count)
            navigateToBreadcrumb(levelIndex)
    }

    function selectActionAtLevel(levelIndex, actionIndex) {
        if (levelIndex !== treeLevels.count - 1 || treeLevels.get(levelIndex).selectedActionIndex !== -1)
            return
        var nodeIndex = treeLevels.get(levelIndex).nodeIndex
        var action = _safeActionAt(_actionsForNode(nodeIndex), actionIndex)
        if (!action)
            return
        treeLevels.setProperty(levelIndex, "selectedActionIndex", actionIndex)
        var child = _childIndexOf(action)
        if (child < 0 || child >= controller.treeNodeCount() || _metaForNode(child).nodeType === "terminal") {
            rebuildBreadcrumbs()
            return
        }
        treeLevels.append({ nodeIndex: child, selectedActionIndex: -1 })
        _setCurrentNode(child)
        rebuildBreadcrumbs()
    }

    // One read of the path serves the board, the suit map and the panel.
    function rebuildBreadcrumbs() {
        var rows = _levelRows(true)
        var steps = Rules.stepsFromLevels(rows)
        _pathSuitMap = Rules.suitMapFromSteps(steps)
        treeBoardText = Rules.boardFromSteps(boardText, steps)
        treeBlocks = Rules.treeBlocks(rows)
        _treeRevision += 1
    }

    // What the rules need of each level; with `forPanel` also the children.
    function _levelRows(forPanel) {
        var rows = []
        for (var i = 0; i < treeLevels.count; ++i) {
            var lv = treeLevels.get(i)
            var actions = _actionsForNode(lv.nodeIndex)
            var meta = _metaForNode(lv.nodeIndex)
            var row = {
                nodeIndex: lv.nodeIndex,
                selectedActionIndex: lv.selectedActionIndex,
                meta: meta,
                actions: actions,
                override: chanceCardDisplayOverrideByNode[String(lv.nodeIndex)] || ""
            }
            if (forPanel && meta.nodeType !== "chance") {
                row.childMetas = actions.map(function (a) {
                    var c = page._childIndexOf(a)
                    return c >= 0 ? page._metaForNode(c) : {}
                })
                row.locked = _nodeHasLocks(lv.nodeIndex)
                row.childLocked = actions.map(function (a) {
                    var c = page._childIndexOf(a)
                    return c >= 0 && page._nodeHasLocks(c)
                })
            }
            rows[rows.length] = row
        }
        return rows
    }

    function _pathSteps() {
        return Rules.stepsFromLevels(_levelRows(false))
    }

    // -----------------------------------------------------------------------
    // Node locking

    function _nodeHasLocks(nodeIndex) {
        return !!controller && _results >= 0 && (controller.nodeLocks(nodeIndex) || []).length > 0
    }

    function _nodeKey(nodeIndex: int): string {
        return LockRules.nodeKey(nodeIndex)
    }

    function _lockActionList(nodeIndex) {
        var actions = _actionsForNode(nodeIndex)
        return actions.length > 0 ? actions : currentActions
    }

    function _currentNodeIsLockable() {
        return currentMeta.nodeType === "decision"
    }

    function _initMixedInputsForNode(actionCount) {
        nodeLockMixedFreqTexts = LockRules.initMixedTexts(actionCount)
    }

    function _applyMixedEdit(actionCount, editedIndex, editedValue) {
        if (_updatingMixedFreqTexts)
            return
        _updatingMixedFreqTexts = true
        var texts = LockRules.applyMixedEdit(nodeLockMixedFreqTexts, actionCount, editedIndex, editedValue)
        if (texts)
            nodeLockMixedFreqTexts = texts
        _updatingMixedFreqTexts = false
    }

    function _mixedProbsFromInputs(actionCount) {
        return LockRules.mixedProbs(nodeLockMixedFreqTexts, actionCount)
    }

    function setNodeLockMixedMode(on) {
        nodeLockMixedMode = on
        if (!on)
            return
        nodeLockSelectedActionIndex = -1
        if (nodeLockMixedFreqTexts.length !== nodeLockActionList.length)
            _initMixedInputsForNode(nodeLockActionList.length)
    }

    function selectNodeLockAction(index) {
        nodeLockMixedMode = false
        nodeLockSelectedActionIndex = index
    }

    function applyNodeLockToHand(nodeIndex, handLabel) {
        if (!nodeLockMode || !_currentNodeIsLockable() || !handLabel)
            return
        var n = nodeLockActionList.length
        if (n === 0)
            return
        var probs
        if (nodeLockMixedMode) {
            probs = _mixedProbsFromInputs(n)
        } else {
            if (nodeLockSelectedActionIndex < 0 || nodeLockSelectedActionIndex >= n)
                return
            probs = LockRules.pureProbs(n, nodeLockSelectedActionIndex)
        }
        if (!controller)
            return
        controller.setNodeLockProbs(nodeIndex, handLabel, probs)
        ++_lockEdits
        refreshHandMatrix()
        rebuildBreadcrumbs()
    }

    function resetNodeLockEdits(nodeIndex) {
        nodeLockSelectedActionIndex = -1
        nodeLockMixedMode = false
        nodeLockMixedFreqTexts = []
        if (controller)
            controller.clearNodeLocks(nodeIndex)
        ++_lockEdits
        refreshHandMatrix()
        // The tree's marks also read the controller's table.
        rebuildBreadcrumbs()
    }

    function _clearNodeLockState() {
        nodeLockMode = false
        nodeLockSelectedActionIndex = -1
        nodeLockMixedMode = false
        nodeLockMixedFreqTexts = []
        _startingSolveWithNodeLocks = false
        ++_lockEdits
        // The tree's marks read the controller's table, which a standard
        // solve or a clear empties.
        rebuildBreadcrumbs()
    }

    function reSolveWithLocks() {
        goToSolve()
        _startingSolveWithNodeLocks = true
        if (controller)
            controller.reSolveWithNodeLocks()
    }

    function _nodeActionNameTranslated(rawName) {
        return Bar.actionLabel(rawName, "")
    }

    function _nodeLockActionDisplayName(actionObj) {
        if (!actionObj)
            return ""
        if (actionObj.name)
            return _nodeActionNameTranslated(actionObj.name)
        return actionObj.actionType ? _nodeActionNameTranslated(actionObj.actionType) : ""
    }

    // -----------------------------------------------------------------------
    // Distributions and play statistics

    function _reloadDistributions() {
        if (!controller) {
            _distPayload = { ok: false, pending: false, error: qsTr("Unavailable"), hands: [],
                             evOop: [], evIp: [], equityOop: [], equityIp: [] }
            return
        }
        _distPayload = controller.nodeHandDistributions169(currentNodeIndex)
    }

    function _distSeriesSortedSeparate() {
        return Charts.distributionSeries(_distPayload, _distMetricEquity)
    }

    function _playStatsSeries() {
        return Charts.statsSeries(controller ? (controller.playVsSolutionEvHistory() || []) : [])
    }

    function openDistributions() {
        distributionsDialog.open()
    }

    function openPlayStatistics() {
        playStatsDialog.open()
    }

    // Repaints the statistics chart after a recorded hand.
    function repaintPlayStatistics() {
        if (playStatsDialog.opened)
            playStatsDialog.repaint()
    }

    function _findChanceLevel(deal) {
        for (var i = 0; i < treeLevels.count; ++i) {
            var meta = _metaForNode(treeLevels.get(i).nodeIndex)
            if (meta.nodeType === "chance" && meta.chanceDeal === deal)
                return i
        }
        return -1
    }

    function _lastSelectedActionNameForActor(actor) {
        var name = ""
        for (var i = 0; i < treeLevels.count; ++i) {
            var lv = treeLevels.get(i)
            var meta = _metaForNode(lv.nodeIndex)
            var a = _safeActionAt(_actionsForNode(lv.nodeIndex), lv.selectedActionIndex)
            if (a && meta.nodeType === "decision" && meta.player === actor && a.name)
                name = String(a.name)
        }
        return name
    }

    // -----------------------------------------------------------------------
    // Board and suits of the path

    function _boardFromTreeSelectionsUpTo(levelExclusive) {
        return Rules.boardFromSteps(boardText, _pathSteps(), levelExclusive)
    }

    function _boardFromTreeSelections() {
        return Rules.boardFromSteps(boardText, _pathSteps(), treeLevels.count)
    }

    function _rebuildPlayBoardFromTree() {
        playBoardText = _boardFromTreeSelections()
    }

    function _suitDisplayMapFromOverridesUpTo(levelExclusive) {
        return Rules.suitMapFromSteps(_pathSteps(), levelExclusive)
    }

    function _swapSuitMap(map: var, a: string, b: string): var {
        return Rules.swapSuitMap(map, a, b)
    }

    function _applySuitDisplayMap(cardText, suitMap) {
        return Rules.applySuitDisplayMap(cardText, suitMap)
    }

    // -----------------------------------------------------------------------
    // Chance cards

    function _usedCardsBefore(levelIndex) {
        return Rules.boardCards(_boardFromTreeSelectionsUpTo(levelIndex)).concat(_playHoleCardsShownAt(levelIndex))
    }

    // While a hand is played its hole cards are never dealt to the board.
    function _playHoleCardsShownAt(levelIndex) {
        if (!playSessionStarted)
            return []
        return _holeCards()
    }

    function openChancePicker(levelIndex, nodeIndex) {
        var meta = _metaForNode(nodeIndex)
        // The picker words the title when it shows it.
        chancePickerTitle = meta.chanceDeal === "river" ? QT_TR_NOOP("Choose River Card") : QT_TR_NOOP("Choose Turn Card")
        chancePickerActions = _actionsForNode(nodeIndex)
        chancePickerBoardText = _boardFromTreeSelectionsUpTo(levelIndex)
        _chancePickerUsedCards = _usedCardsBefore(levelIndex)
        var offer = Rules.pickerOffer(chancePickerActions, _chancePickerUsedCards,
                                      _suitDisplayMapFromOverridesUpTo(levelIndex))
        chancePickerIndexByCard = offer.indexByCard
        chancePickerAvailableCardIndices = offer.available
        chancePickerLevelIndex = levelIndex
        chancePicker.open()
    }

    function _chanceCardIndexForSelection(cardText) {
        return Rules.chanceIndexForSelection(cardText, chancePickerIndexByCard, _chancePickerUsedCards,
                                             chancePickerBoardText)
    }

    function chooseChanceCard(actionIndex, displayCardText) {
        if (chancePickerLevelIndex < 0)
            return
        var level = chancePickerLevelIndex
        var playing = _playRedealing()
        if (playing) {
            playTickTimer.stop()
            playAwaitingUserAction = false
        }
        var action = _safeActionAt(chancePickerActions, actionIndex)
        var shown = Rules.isCardText(displayCardText) ? displayCardText : (action ? String(action.name || "") : "")
        var nodeKey = String(treeLevels.get(level).nodeIndex)
        var overrides = Object.assign({}, chanceCardDisplayOverrideByNode)
        // A card chosen without a display text of its own drops an older
        // override, so the path never shows a card the engine did not deal.
        if (Rules.isCardText(shown))
            overrides[nodeKey] = Rules.normalizeCard(shown)
        else
            delete overrides[nodeKey]
        chanceCardDisplayOverrideByNode = overrides
        if (level < treeLevels.count - 1 || treeLevels.get(level).selectedActionIndex !== -1)
            _jumpToLevelForReselect(level)
        selectActionAtLevel(level, actionIndex)
        chancePicker.close()
        chancePickerLevelIndex = -1
        chancePickerActions = []
        if (playing)
            _playRedealChosen()
    }

    function chooseChanceCardRandom() {
        var avail = chancePickerAvailableCardIndices
        if (!avail || avail.length === 0)
            return
        var idx = avail[Math.floor(_playRandom() * avail.length)]
        chooseChanceCard(idx, Rules.displayCardForIndex(chancePickerIndexByCard, idx))
    }

    function _chanceCandidates(deal) {
        var level = _findChanceLevel(deal)
        if (level < 0)
            return null
        var nodeIndex = treeLevels.get(level).nodeIndex
        var actions = _actionsForNode(nodeIndex)
        var offer = Rules.pickerOffer(actions, _usedCardsBefore(level), _suitDisplayMapFromOverridesUpTo(level))
        return { level: level, actions: actions, offer: offer }
    }

    function _commitChance(c, actionIndex) {
        chancePickerLevelIndex = c.level
        chancePickerActions = c.actions
        chancePickerIndexByCard = c.offer.indexByCard
        chooseChanceCard(actionIndex, Rules.displayCardForIndex(c.offer.indexByCard, actionIndex))
    }

    function chooseChanceCardRandomForDeal(deal) {
        var c = _chanceCandidates(deal)
        if (!c || c.offer.available.length === 0)
            return
        _commitChance(c, c.offer.available[Math.floor(_playRandom() * c.offer.available.length)])
    }

    function chooseChanceCardBestOfTopN(deal, actor, topN) {
        var c = _chanceCandidates(deal)
        if (!c)
            return
        var scored = []
        for (var i = 0; i < c.offer.available.length; ++i) {
            var idx = c.offer.available[i]
            var child = _childIndexOf(c.actions[idx])
            var ev = child >= 0 ? controller.nodeEv(child, actor) : NaN
            if (isFinite(ev))
                scored[scored.length] = { index: idx, ev: ev }
        }
        if (scored.length === 0)
            return
        var best = Rules.bestOfTop(scored, topN)
        _commitChance(c, best[Math.floor(_playRandom() * best.length)].index)
    }

    // -----------------------------------------------------------------------
    // Node figures

    function _potSize() { return Rules.num(currentMeta.pot) }
    function _effectiveStack() { return Rules.num(currentMeta.effectiveStack) }
    function _investedFor(seatIndex) { return Rules.investedFor(currentMeta, seatIndex) }
    function _toCallAmount() { return Rules.toCallAmount(_figureMeta) }
    function _stackRemaining() { return Rules.stackRemaining(_figureMeta) }
    function _rakeTaken() { return Rules.rakeTaken(_potSize(), rakePercent, rakeCap) }
    function _spr() { return Rules.spr(_figureMeta) }
    function _potOdds() { return Rules.potOdds(_figureMeta) }
    function _fmtAmt2(x) { return Rules.fmtAmt2(x) }

    // -----------------------------------------------------------------------
    // Strategy matrix

    function _parsePctFromActionName(name) { return Rules.parsePct(name) }
    function _colorizeBetRaiseActions(actions) { return Rules.colorizeBetRaise(actions, theme ? theme.dark : false) }
    function _normalizeActionEvsAroundFold(actions) { return Rules.normalizeEvsAroundFold(actions) }

    function _actionColor(key) {
        return theme ? theme.actionColor(key) : "#888888"
    }

    function refreshHandMatrix() {
        if (!_hasStrategy(currentNodeIndex)) {
            handWeights = ({})
            handActionTypes = ({})
            handColors = ({})
            handActionTypeList = []
            handActionColorList = []
            handActionProbs = ({})
            handLockedClasses = ({})
            return
        }
        var node = currentNodeIndex
        var strategy = controller.nodeHandStrategy(node) || {}
        var dominant = strategy.dominantActionTypes || {}
        var typeList = strategy.actionTypeList || []
        var probs = strategy.actionProbs || {}
        var weights = strategy.weights || {}
        var defs = _actionDefinitions(node)
        var reach = controller.nodeHandStrategyReach169(node, selectedBucket) || {}
        if (reach.weights)
            weights = reach.weights
        if (reach.actionProbs)
            probs = reach.actionProbs
        var count = defs.length
        if (count === 0) {
            for (var first in probs) {
                count = probs[first].length
                break
            }
        }
        if (count === 0)
            count = typeList.length
        var chosen = nodeLocksByNode[_nodeKey(node)]
        probs = LockRules.withLocks(probs, chosen, count)
        handLockedClasses = LockRules.lockedClasses(chosen)
        var colors = {}
        var muted = theme ? theme.textMuted : "#888"
        var defColors = defs.map(function (d) { return d.color ? d.color : page._actionColor(Rules.actionKey(d)) })
        for (var label in weights) {
            var c = muted
            var p = probs[label]
            if (p && defs.length > 0)
                c = defColors[Rules.bestIndex(p, Math.min(p.length, defs.length))]
            else if (dominant[label])
                c = _actionColor(dominant[label])
            colors[label] = c
        }
        handWeights = weights
        handActionTypes = dominant
        handColors = colors
        var keys = Rules.matrixKeys(defs, typeList, count)
        handActionColorList = keys.map(function (k, i) { return i < defColors.length ? defColors[i] : page._actionColor(k) })
        handActionTypeList = keys
        handActionProbs = probs
    }

    // -----------------------------------------------------------------------
    // Hand details

    Timer {
        id: handCombosTimer
        interval: 60
        onTriggered: {
            var node = page.currentNodeIndex
            var strategy = node >= 0 && page._hasStrategy(node)
            page._loadedComboActions = strategy ? page._actionDefinitions(node) : []
            page._loadedHandCombos = strategy ? page.controller.nodeHandCombos(node) : []
            // A decision node always has a strategy while its solve is held;
            // a project opened from a file holds only the nodes it kept.
            page._nodeNotKept = strategy && Rules.nothingKept(page._loadedHandCombos, page.controller.nodeHandStrategy(node))
            page._handCombosLoading = false
        }
    }

    function _scheduleHandCombosLoad() {
        if (!controller) {
            _loadedHandCombos = []
            _loadedComboActions = []
            _nodeNotKept = false
            _handCombosLoading = false
            return
        }
        _handCombosLoading = true
        handCombosTimer.restart()
    }

    function toggleHandFilter(handClass) {
        if (!handClass)
            return
        selectedHandClass = selectedHandClass === handClass ? "" : handClass
    }

    function toggleBucketFilter(bucketName) {
        if (!bucketName)
            return
        selectedBucket = selectedBucket === bucketName ? "" : bucketName
    }

    function _handClassFromCards(c1, c2) { return Rules.handClassFromCards(c1, c2) }
    function _cardRank(card) { return card ? String(card).charAt(0) : "" }
    function _cardSuit(card) { return card ? String(card).charAt(1) : "" }
    function _parseHandSearchTokens() { return Rules.parseSearchTokens(handSearchText) }
    function _matchSearchTokenToCombo(token, c1, c2) { return Rules.matchSearchToken(token, c1, c2) }
    function _handActionsForProbs(actionProbs) { return Rules.handActionsForProbs(currentActions, actionProbs) }

    // EV lines and the action mix of one combo, against the definitions of
    // the node its row was read at.
    function comboEvLines(combo) {
        return Rules.comboEvLines(_loadedComboActions, combo ? combo.actionEvs : [], combo ? combo.ev : NaN)
    }

    function comboActionsForProbs(actionProbs) {
        return Rules.handActionsForProbs(_loadedComboActions, actionProbs)
    }

    // -----------------------------------------------------------------------
    // Play vs. Solution

    property string playRole: ""
    property int playNodeIndex: -1
    property bool playAwaitingUserAction: false
    property bool playHandComplete: false
    // Hole cards as dealt and shown. Past a suit twin on the path the engine
    // holds them in other suits: lookups map them through the path's suit
    // map, so a twin never changes the cards a player holds.
    property string oopCard1: ""
    property string oopCard2: ""
    property string ipCard1: ""
    property string ipCard2: ""
    property string playActionLine: ""
    property string playLastActionActor: ""
    property string playLastActionText: ""
    property string playTurnCardSetting: "random"
    property string playRiverCardSetting: "random"
    property int playStepDelayMs: 1000
    property bool _internalPlayReset: false
    property point _playSettingsAnchorPos: Qt.point(0, 0)
    // A hand is dealt and graded only from the solution itself: an opened
    // project keeps the figures of the nodes it stored, not the solution.
    // Where a hand meets a node without them it ends, uncounted, and the
    // table says the spot must be solved again.
    // Read again for every new result. The revision is compared, not
    // merely read: the compiled binding drops a read whose value it does
    // not use, and with it the dependency.
    readonly property bool playCanDeal: _results >= 0 && playMode && _playCanDeal()
    property bool playNeedsSolve: false

    property bool playStopOnSuboptimalAction: true
    property real playSuboptimalEpsilon: 1e-6
    property real playSuboptimalRelativeTol: 0.01
    property real playHandFirstChosenEv: NaN
    property real playHandFirstBestEv: NaN
    property var _playHandComboEvCache: ({})
    property var _playHandBeforeDrill: null
    property ListModel playHandLog: ListModel {}
    property bool playFollowLatestHandDetails: true
    property int playSelectedLogIndex: -1
    property var playSelectedLog: ({})
    property var playSelectedDetails: ({})

    property bool playDrillMode: false
    property int playDrillNodeIndex: -1
    property string playDrillActor: ""
    property string playDrillFeedbackText: ""
    property bool playDrillFeedbackWrong: false
    property real playDrillFeedbackEvLoss: NaN

    // The rake settings of the solve the tree came from, so a logged hand
    // shows what the engine charged, not settings edited since.
    property real _solvedRakePercent: 0
    property real _solvedRakeCap: 0

    // Seed for the play's draws; unset draws from Math.random.
    property var playRandomSeed: undefined
    property var _playRandomSource: PlayRules.makeRandom(playRandomSeed)
    function _playRandom() { return PlayRules.draw(_playRandomSource) }

    readonly property int _playNode: playNodeIndex >= 0 ? playNodeIndex : currentNodeIndex
    readonly property var playNodeMeta: (_results, _treeRevision, _metaForNode(_playNode))

    Timer {
        id: playTickTimer
        objectName: "playTickTimer"
        interval: 0
        repeat: false
        onTriggered: page.playTick()
    }

    function _snapshotSolvedRake() {
        _solvedRakePercent = isFinite(rakePercent) ? rakePercent : 0
        _solvedRakeCap = isFinite(rakeCap) ? rakeCap : 0
    }

    function _holeCards() {
        var cards = []
        for (var c of [oopCard1, oopCard2, ipCard1, ipCard2]) {
            if (c !== "")
                cards[cards.length] = c
        }
        return cards
    }

    // A hole card as the table shows it.
    function playShownCard(card) {
        return card ? Rules.normalizeCard(card) : ""
    }

    // A hole card in the engine's suits at the path's node.
    function _playEngineCard(card) {
        return card ? Rules.engineCard(Rules.normalizeCard(card), _pathSuitMap) : ""
    }

    function _isHeroSeat(seat) {
        return playRole === "BOTH" || seat === playRole
    }

    function _setLastAction(actor, text) {
        playLastActionActor = actor ? String(actor) : ""
        playLastActionText = text ? String(text) : ""
    }

    function _appendActionToPlayLine(actor, actionName) {
        playActionLine = PlayRules.appendStep(playActionLine, actor, actionName)
    }

    function _clearHand() {
        playHandComplete = false
        playNeedsSolve = false
        playAwaitingUserAction = false
        playBoardText = boardText
        playNodeIndex = currentNodeIndex
        playActionLine = ""
        _setLastAction("", "")
        oopCard1 = oopCard2 = ipCard1 = ipCard2 = ""
        playHandFirstChosenEv = NaN
        playHandFirstBestEv = NaN
    }

    function resetPlaySession() {
        playTickTimer.stop()
        playFollowLatestHandDetails = true
        playRole = ""
        playSessionStarted = false
        playBoardText = ""
        playAwaitingUserAction = false
        playNodeIndex = -1
        playActionLine = ""
        oopCard1 = oopCard2 = ipCard1 = ipCard2 = ""
        _setLastAction("", "")
        playHandComplete = false
        playNeedsSolve = false
        playHandFirstChosenEv = NaN
        playHandFirstBestEv = NaN
        // A drill left running would go on dealing and grading at a node of
        // a session that is gone.
        _endDrill()
    }

    function startPlaySession(role) {
        playRole = role
        playSessionStarted = true
        _clearHand()
        _startPlaySessionImpl()
    }

    function _startPlaySessionImpl() {
        var used = PlayRules.usedMap(_engineBoardCards())
        if (!_dealHandsAtNode(currentNodeIndex, used)) {
            oopCard1 = oopCard2 = ipCard1 = ipCard2 = ""
            _endHandWithoutFigures()
            return
        }
        _schedulePlayTick(0)
    }

    // Both seats can be dealt at the root: the solution, or the stored
    // figures of an opened project, hold the ranges there.
    function _playCanDeal(): bool {
        return _hasTree() && _seatsListedAt(0)
    }

    // Both seats have hands listed at the node.
    function _seatsListedAt(nodeIndex: int): bool {
        return controller.nodeSeatHandCombos(nodeIndex, "OOP").length > 0
               && controller.nodeSeatHandCombos(nodeIndex, "IP").length > 0
    }

    // The seat's dealt cards have their own EVs at the node, or the solution
    // lists them there at a node no pair of hands reaches, which has no EVs
    // to grade by (any choice there goes on ungraded).
    function _playHasFigures(nodeIndex: int, actor: string): bool {
        if (_playComboRow(nodeIndex, actor))
            return true
        var actions = _actionsForNode(nodeIndex)
        for (var i = 0; i < actions.length; ++i) {
            if (_suboptimalEvInfoAtNode(nodeIndex, actor, i).ok)
                return true
        }
        return false
    }

    // The hand stops where the solution's figures end; it is neither logged
    // nor counted.
    function _endHandWithoutFigures(): void {
        playTickTimer.stop()
        playAwaitingUserAction = false
        playHandComplete = true
        playNeedsSolve = true
    }

    function _resetToRootAndRestartHand() {
        if (!playMode || !playSessionStarted || playRole === "")
            return
        playTickTimer.stop()
        playHandComplete = false
        _internalPlayReset = true
        chanceCardDisplayOverrideByNode = ({})
        resetTreeToRoot()
        _internalPlayReset = false
        playNodeIndex = currentNodeIndex
        _restartHandAtRoot()
    }

    function _restartHandAtRoot() {
        if (!playMode || playRole === "")
            return
        playSessionStarted = true
        _clearHand()
        _startPlaySessionImpl()
    }

    function _schedulePlayTick(ms) {
        // The drill holds the hand at its node until it stops.
        if (!playMode || !playSessionStarted || playDrillMode)
            return
        playTickTimer.stop()
        var n = Number(ms)
        playTickTimer.interval = isFinite(n) ? Math.max(0, Math.round(n)) : 0
        playTickTimer.start()
    }

    function _parseBoardCardsNormalized() {
        return Rules.boardCards(playBoardText !== "" ? playBoardText : boardText)
    }

    function _eligibleCombosForDeal(comboList, used) { return PlayRules.eligibleCombos(comboList, used) }
    function _pickWeightedCombo(combos) { return PlayRules.pickWeightedCombo(combos, _playRandomSource) }
    function _dealToSeat(seat, used) { return _dealToSeatAtNode(currentNodeIndex, seat, used) }

    // The hands a seat is dealt from at a node, weighted by its reach there.
    function _dealCombosAtNode(nodeIndex: int, seat: string): var {
        return PlayRules.dealCombos(controller.nodeSeatHandCombos(nodeIndex, seat))
    }

    // Both seats' hands at the node, drawn as a pair: OOP's against every
    // hand IP can hold beside it, then IP's from the cards left. False, with
    // the seats' cards as they were, when no pair can be dealt.
    function _dealHandsAtNode(nodeIndex: int, used: var): bool {
        if (!_hasTree())
            return false
        var ipCombos = _dealCombosAtNode(nodeIndex, "IP")
        var pick = PlayRules.pickPairedCombo(_dealCombosAtNode(nodeIndex, "OOP"), ipCombos, used, _playRandomSource)
        if (!pick)
            return false
        var left = Object.assign({}, used)
        left[pick.c1] = left[pick.c2] = true
        var ipPick = _pickWeightedCombo(_eligibleCombosForDeal(ipCombos, left))
        if (!ipPick)
            return false
        _takeDealt("IP", ipPick.c1, ipPick.c2, left)
        _takeDealt("OOP", pick.c1, pick.c2, used)
        Object.assign(used, left)
        return true
    }

    // One seat's hand from the cards `used` leaves free.
    function _dealToSeatAtNode(nodeIndex: int, seat: string, used: var): bool {
        if (!_hasTree())
            return false
        var pick = _pickWeightedCombo(_eligibleCombosForDeal(_dealCombosAtNode(nodeIndex, seat), used))
        if (!pick)
            return false
        _takeDealt(seat, pick.c1, pick.c2, used)
        return true
    }

    function _takeDealt(seat: string, engine1: string, engine2: string, used: var): void {
        // The node's combinations are in the engine's suits.
        used[engine1] = true
        used[engine2] = true
        var c1 = Rules.applySuitDisplayMap(engine1, _pathSuitMap)
        var c2 = Rules.applySuitDisplayMap(engine2, _pathSuitMap)
        if (seat === "OOP") {
            oopCard1 = c1
            oopCard2 = c2
        } else {
            ipCard1 = c1
            ipCard2 = c2
        }
    }

    function _actionListAtPlayNode() { return _actionsForNode(_playNode) }

    function _pickWeightedActionIndex(actions, usedCardMap) {
        return PlayRules.pickWeightedActionIndex(actions, usedCardMap, _playRandomSource)
    }

    function playTick() {
        if (!playMode || !playSessionStarted || !_hasTree())
            return
        if (playNodeIndex < 0)
            playNodeIndex = currentNodeIndex
        var meta = _metaForNode(playNodeIndex)
        if (meta.nodeType === "terminal") {
            playAwaitingUserAction = false
            playHandComplete = true
            _logPlayHand({ endedReason: "terminal", handActualEv: playHandFirstChosenEv,
                           handOptimalEv: playHandFirstBestEv })
        } else if (meta.nodeType === "chance") {
            playAwaitingUserAction = false
            _autoHandleChanceNode()
        } else if (meta.nodeType !== "decision") {
            playAwaitingUserAction = false
        } else if (playRole === "BOTH" || meta.player === playRole) {
            if (_playHasFigures(playNodeIndex, meta.player))
                playAwaitingUserAction = true
            else
                _endHandWithoutFigures()
        } else {
            playAwaitingUserAction = false
            _autoHandleOpponentDecision(meta.player)
        }
    }

    // The opponent plays the solution's strategy for the cards it holds; a
    // seat without a known combination falls back on the node's mix.
    function _autoHandleOpponentDecision(actor) {
        var actions = _actionListAtPlayNode()
        var row = _playComboRow(_playNode, actor)
        var pick = row ? PlayRules.pickByProbs(row.actionProbs, actions.length, _playRandomSource) : -1
        if (pick < 0)
            pick = _pickWeightedActionIndex(actions, null)
        if (pick < 0)
            return
        if (!_isHeroSeat(actor))
            _setLastAction(actor, actions[pick].name)
        _advancePlayByActionIndex(pick)
    }

    // The used cards in the engine's suits: the shown board and hole cards
    // mapped back.
    function _engineUsedCardMap() {
        return PlayRules.usedMap(_engineBoardCards().concat(_holeCards().map(_playEngineCard)))
    }

    function _engineBoardCards() {
        var map = _pathSuitMap
        return _parseBoardCardsNormalized().map(function (c) { return Rules.engineCard(c, map) })
    }

    function _autoHandleChanceNode() {
        var meta = _metaForNode(_playNode)
        var actions = _actionListAtPlayNode()
        var used = _engineUsedCardMap()
        var setting = meta.chanceDeal === "turn" ? playTurnCardSetting
                    : meta.chanceDeal === "river" ? playRiverCardSetting : "random"
        if (setting === "oop" || setting === "ip") {
            var seat = setting === "ip" ? "IP" : "OOP"
            var scored = []
            for (var i = 0; i < actions.length; ++i) {
                var name = String(actions[i].name || "")
                var child = _childIndexOf(actions[i])
                if (name.length !== 2 || used[Rules.normalizeCard(name)] || child < 0)
                    continue
                var ev = controller.nodeEv(child, seat)
                if (isFinite(ev))
                    scored[scored.length] = { index: i, ev: ev }
            }
            if (scored.length > 0) {
                var best = Rules.bestOfTop(scored, 5)
                _advancePlayByActionIndex(best[Math.floor(_playRandom() * best.length)].index)
                return
            }
        }
        // The solver keeps no frequencies at chance nodes: a random card is
        // drawn uniformly among the free ones.
        var pick = PlayRules.pickFreeCardIndex(actions, used, _playRandomSource)
        if (pick >= 0)
            _advancePlayByActionIndex(pick)
    }

    function _advancePlayByActionIndex(actionIndex) {
        var node = _playNode
        var action = _safeActionAt(_actionListAtPlayNode(), actionIndex)
        if (!action || !_hasTree())
            return
        var next = _childIndexOf(action)
        if (next < 0 || next >= controller.treeNodeCount())
            return
        var meta = _metaForNode(node)
        var name = String(action.name || "")
        var chance = meta.nodeType === "chance"
        if (chance && chanceCardDisplayOverrideByNode[String(node)] !== undefined) {
            // A card dealt here by the hand shows as the engine dealt it.
            var overrides = Object.assign({}, chanceCardDisplayOverrideByNode)
            delete overrides[String(node)]
            chanceCardDisplayOverrideByNode = overrides
        }
        if (name.length === 2)
            playBoardText += Rules.normalizeCard(name)
        _appendActionToPlayLine(chance ? "Chance" : (meta.player || ""),
                                name.length === 2 ? Rules.normalizeCard(name) : name)
        if (treeLevels.count === 0)
            resetTreeToRoot()
        treeLevels.setProperty(treeLevels.count - 1, "selectedActionIndex", actionIndex)
        rebuildBreadcrumbs()
        treeLevels.append({ nodeIndex: next, selectedActionIndex: -1 })
        _setCurrentNode(next)
        rebuildBreadcrumbs()
        playNodeIndex = next
        _schedulePlayTick(playStepDelayMs)
    }

    // The line of the path the viewer holds, so a re-deal reads as played.
    function _playLineFromTree() {
        var steps = []
        for (var i = 0; i < treeLevels.count; ++i) {
            var lv = treeLevels.get(i)
            var a = _safeActionAt(_actionsForNode(lv.nodeIndex), lv.selectedActionIndex)
            if (!a)
                continue
            var meta = _metaForNode(lv.nodeIndex)
            var name = String(a.name || "")
            if (meta.nodeType === "chance") {
                var shown = chanceCardDisplayOverrideByNode[String(lv.nodeIndex)]
                steps[steps.length] = { actor: "Chance", name: Rules.isCardText(shown) ? shown : Rules.normalizeCard(name) }
            } else {
                steps[steps.length] = { actor: meta.player || "", name: name }
            }
        }
        return PlayRules.lineFromSteps(steps)
    }

    // A public card chosen by hand while a hand runs.
    function _playRedealChosen() {
        _rebuildPlayBoardFromTree()
        playActionLine = _playLineFromTree()
        playNodeIndex = currentNodeIndex
        _schedulePlayTick(0)
    }

    function _playRedealing() {
        return playMode && playSessionStarted && !playHandComplete && !playDrillMode
    }

    // --- drill

    Timer {
        id: drillFeedbackTimer
        objectName: "drillFeedbackTimer"
        interval: 700
        onTriggered: page._clearDrillFeedback()
    }

    Timer {
        id: drillNextTimer
        objectName: "drillNextTimer"
        interval: 450
        onTriggered: {
            if (!page.playDrillMode)
                return
            if (page._dealDrillHand())
                page.playAwaitingUserAction = true
        }
    }

    function _clearDrillFeedback() {
        playDrillFeedbackText = ""
        playDrillFeedbackWrong = false
        playDrillFeedbackEvLoss = NaN
    }

    function _endDrill() {
        drillNextTimer.stop()
        drillFeedbackTimer.stop()
        playDrillMode = false
        playDrillNodeIndex = -1
        playDrillActor = ""
        _playHandBeforeDrill = null
        _clearDrillFeedback()
    }

    function startDrillSpot() {
        if (!playMode || !playSessionStarted)
            return
        var node = _playNode
        var meta = _metaForNode(node)
        if (meta.nodeType !== "decision" || (meta.player !== "OOP" && meta.player !== "IP"))
            return
        playTickTimer.stop()
        drillNextTimer.stop()
        playHandComplete = false
        playAwaitingUserAction = false
        playDrillMode = true
        playDrillNodeIndex = node
        playDrillActor = meta.player
        _clearDrillFeedback()
        // The drill deals hands of its own; the hand in progress comes back
        // as it was when the drill stops.
        _playHandBeforeDrill = { line: playActionLine, cards: [oopCard1, oopCard2, ipCard1, ipCard2],
                                 actor: playLastActionActor, text: playLastActionText }
        if (_dealDrillHand())
            playAwaitingUserAction = true
    }

    function stopDrillSpot() {
        var hand = _playHandBeforeDrill
        _endDrill()
        if (hand) {
            playActionLine = hand.line
            oopCard1 = hand.cards[0]
            oopCard2 = hand.cards[1]
            ipCard1 = hand.cards[2]
            ipCard2 = hand.cards[3]
            _setLastAction(hand.actor, hand.text)
        }
        playAwaitingUserAction = false
        _schedulePlayTick(0)
    }

    // A new pair of hands at the drill node, at the rate the node's line
    // reaches it (each seat's reach there, card removal counted); false,
    // and the drill stopped (the hand goes on as it was), when the node has
    // no cards or figures to drill.
    function _dealDrillHand(): bool {
        if (!(playDrillNodeIndex >= 0))
            return false
        var dealt = _dealHandsAtNode(playDrillNodeIndex, PlayRules.usedMap(_engineBoardCards()))
        playActionLine = ""
        _setLastAction("", "")
        if (dealt && _playHasFigures(playDrillNodeIndex, playDrillActor))
            return true
        // A node whose hands are listed but that no pair of hands reaches has
        // nothing to drill; elsewhere the solution's figures are missing.
        var missing = dealt || !_seatsListedAt(playDrillNodeIndex)
        stopDrillSpot()
        playNeedsSolve = missing
        return false
    }

    function _handleDrillChoice(actionIndex) {
        if (!(playDrillNodeIndex >= 0) || (playDrillActor !== "OOP" && playDrillActor !== "IP"))
            return
        playAwaitingUserAction = false
        var info = _suboptimalEvInfoAtNode(playDrillNodeIndex, playDrillActor, actionIndex)
        var wrong = PlayRules.isMistake(info, playSuboptimalEpsilon, playSuboptimalRelativeTol)
        var best = info.ok ? _safeActionAt(_actionsForNode(playDrillNodeIndex), info.bestIndex) : null
        playDrillFeedbackWrong = wrong
        playDrillFeedbackEvLoss = wrong ? info.evLoss : NaN
        playDrillFeedbackText = PlayRules.drillFeedbackText(wrong, best ? _nodeActionNameTranslated(String(best.name || "")) : "",
                                                            playDrillFeedbackEvLoss)
        drillFeedbackTimer.restart()
        drillNextTimer.restart()
    }

    // --- mistakes and the log

    // The seat's dealt combination's row of the node's combo query (its
    // action EVs and strategy), or null. The rows are written in the
    // engine's suits, so the cards go through the path's suit map.
    function _playComboRow(nodeIndex, actor) {
        if (actor !== "OOP" && actor !== "IP" || !controller)
            return null
        var c1 = _playEngineCard(actor === "OOP" ? oopCard1 : ipCard1)
        var c2 = _playEngineCard(actor === "OOP" ? oopCard2 : ipCard2)
        if (c1 === "" || c2 === "")
            return null
        var key = String(nodeIndex)
        var cache = _playHandComboEvCache
        if (!cache[key]) {
            var byPair = {}
            var rows = controller.nodeHandCombos(nodeIndex) || []
            for (var i = 0; i < rows.length; ++i) {
                var a = Rules.normalizeCard(rows[i].c1), b = Rules.normalizeCard(rows[i].c2)
                if (a !== "" && b !== "")
                    byPair[a + b] = byPair[b + a] = rows[i]
            }
            cache[key] = byPair
        }
        return cache[key][c1 + c2] || null
    }

    function _suboptimalEvInfoAtNode(nodeIndex, actor, actionIndex) {
        if (actor !== "OOP" && actor !== "IP" || !controller)
            return { ok: false }
        var c1 = _playEngineCard(actor === "OOP" ? oopCard1 : ipCard1)
        var c2 = _playEngineCard(actor === "OOP" ? oopCard2 : ipCard2)
        var row = _playComboRow(nodeIndex, actor)
        var info = PlayRules.evInfo(row ? row.actionEvs : null, actionIndex)
        // The dealt cards' own EVs or none: the range's average says nothing
        // of the hand held.
        if (!info.ok && c1 !== "" && c2 !== "")
            info = PlayRules.evInfo(controller.nodePocketActionEvs(nodeIndex, actor, c1, c2), actionIndex)
        return info
    }

    // The hero's choice of action `index` at the play node.
    function playChooseAction(index) {
        if (playDrillMode) {
            _handleDrillChoice(index)
            return
        }
        var node = _playNode
        var actor = String(_metaForNode(node).player || "")
        var actions = _actionListAtPlayNode()
        var chosen = _safeActionAt(actions, index)
        playAwaitingUserAction = false
        var info = _suboptimalEvInfoAtNode(node, actor, index)
        var heroSeat = playRole === "OOP" || playRole === "IP" ? playRole : actor
        var firstSet = isFinite(playHandFirstChosenEv) && isFinite(playHandFirstBestEv)
        if (actor === heroSeat && !firstSet && info.ok && isFinite(info.bestEv) && isFinite(info.chosenEv)) {
            playHandFirstChosenEv = info.chosenEv
            playHandFirstBestEv = info.bestEv
        }
        if (playStopOnSuboptimalAction
                && PlayRules.isMistake(info, playSuboptimalEpsilon, playSuboptimalRelativeTol)) {
            playTickTimer.stop()
            _appendActionToPlayLine(actor, chosen ? chosen.name : "")
            playHandComplete = true
            var best = _safeActionAt(actions, info.bestIndex)
            if (!(isFinite(playHandFirstChosenEv) && isFinite(playHandFirstBestEv))) {
                playHandFirstChosenEv = info.chosenEv
                playHandFirstBestEv = info.bestEv
            }
            _logPlayHand({ endedReason: "suboptimal", mistakeActor: actor,
                           mistakeAction: chosen ? String(chosen.name) : "", chosenActionIndex: index,
                           correctActionIndex: info.bestIndex, correctAction: best ? String(best.name) : "",
                           evLoss: info.evLoss, chosenEv: info.chosenEv, bestEv: info.bestEv,
                           handActualEv: playHandFirstChosenEv, handOptimalEv: playHandFirstBestEv })
            return
        }
        _advancePlayByActionIndex(index)
    }

    // The rake the engine charges when the hand ends at the node (on the
    // matched pot, so an uncalled bet is never raked). Without a game to ask,
    // the solved spot's rate on the node's pot less the unmatched part.
    function _playRakeAt(nodeIndex, meta) {
        // The engine's own rule; without a solved game the rake is unknown.
        var rake = controller && typeof controller.nodeRake === "function" ? controller.nodeRake(nodeIndex) : NaN
        return isFinite(rake) ? rake : NaN
    }

    // The seats the user plays hold their dealt cards.
    function _heroCardsDealt(): bool {
        var oop = oopCard1 !== "" && oopCard2 !== "", ip = ipCard1 !== "" && ipCard2 !== ""
        return playRole === "BOTH" ? oop && ip : playRole === "OOP" ? oop : playRole === "IP" ? ip : false
    }

    function _logPlayHand(extra) {
        // A hand without the user's cards graded nothing the user held.
        if (!_heroCardsDealt())
            return
        var meta = _metaForNode(_playNode)
        var pot = Rules.num(meta.pot)
        var entry = PlayRules.logEntry({
            time: new Date().toLocaleTimeString(Qt.locale(), Locale.ShortFormat),
            board: playBoardText,
            role: playRole,
            oop: playShownCard(oopCard1) + playShownCard(oopCard2),
            ip: playShownCard(ipCard1) + playShownCard(ipCard2),
            line: playActionLine,
            pot: pot,
            investedOop: Rules.num(meta.investedOop),
            investedIp: Rules.num(meta.investedIp),
            rake: _playRakeAt(_playNode, meta)
        }, extra)
        playHandLog.insert(0, entry)
        if (playFollowLatestHandDetails)
            selectPlayLog(0)
        else if (playSelectedLogIndex >= 0)
            playSelectedLogIndex += 1
        if (controller && typeof controller.recordPlayVsSolutionHand === "function") {
            if (typeof controller.recordPlayVsSolutionHandDetailed === "function"
                    && isFinite(entry.handActualEv) && isFinite(entry.handOptimalEv))
                controller.recordPlayVsSolutionHandDetailed(entry.isMistake, entry.evLoss, entry.handActualEv,
                                                            entry.handOptimalEv)
            else
                controller.recordPlayVsSolutionHand(entry.isMistake, entry.evLoss)
        }
        repaintPlayStatistics()
    }

    function selectPlayLog(index) {
        var i = Number(index)
        if (!isFinite(i) || i < 0 || i >= playHandLog.count) {
            playSelectedLogIndex = -1
            playSelectedLog = ({})
            playSelectedDetails = ({})
            return
        }
        playSelectedLogIndex = i
        playSelectedLog = playHandLog.get(i)
        playSelectedDetails = _buildPlayHandDetails(playSelectedLog)
    }

    function userSelectPlayLog(index) {
        playFollowLatestHandDetails = index === 0
        selectPlayLog(index)
    }

    function _buildPlayHandDetails(entry) {
        var ctl = controller
        return PlayRules.handDetails(entry || {}, function (board, oop, ip) {
            return ctl ? (ctl.showdownWinner(board, oop, ip) || {}).winner : ""
        })
    }

    // --- settings popup

    function _openPlaySettingsDialogFromItem(item) {
        if (item) {
            var p = item.mapToItem(page, 0, item.height + 6)
            _playSettingsAnchorPos = Qt.point(p.x, p.y)
        }
        playSettingsDialog.open()
        _positionPlaySettingsDialogLater()
    }

    // Placed one event-loop turn later, once the popup has its size.
    Timer {
        id: playSettingsPlaceTimer
        interval: 0
        onTriggered: page._positionPlaySettingsDialog()
    }

    function _positionPlaySettingsDialogLater() {
        playSettingsPlaceTimer.restart()
    }

    // Closed without a choice while a hand runs: the hand goes on. A choice
    // has cleared the picker's level by the time this runs.
    Timer {
        id: chancePickerClosedTimer
        interval: 0
        onTriggered: {
            if (page.chancePickerLevelIndex >= 0 && page._playRedealing() && !playTickTimer.running)
                page._schedulePlayTick(0)
        }
    }

    function _chancePickerClosed() {
        chancePickerClosedTimer.restart()
    }

    function _positionPlaySettingsDialog() {
        var m = 12
        var w = playSettingsDialog.width > 0 ? playSettingsDialog.width : playSettingsDialog.implicitWidth
        var h = playSettingsDialog.height > 0 ? playSettingsDialog.height : playSettingsDialog.implicitHeight
        if (!(w > 0) || !(h > 0))
            return
        var x = _playSettingsAnchorPos.x, y = _playSettingsAnchorPos.y
        if (y + h + m > height)
            y = _playSettingsAnchorPos.y - h - m
        x = Math.min(Math.max(x, m), width - w - m)
        y = Math.min(Math.max(y, m), height - h - m)
        playSettingsDialog.x = Math.round(x)
        playSettingsDialog.y = Math.round(y)
    }

    // A street's card setting; a hand already at that street is dealt again.
    function setPlayCardSetting(deal, setting) {
        if (deal === "turn")
            playTurnCardSetting = setting
        else
            playRiverCardSetting = setting
        if (!_playRedealing() || _findChanceLevel(deal) < 0)
            return
        if (setting === "random")
            chooseChanceCardRandomForDeal(deal)
        else
            chooseChanceCardBestOfTopN(deal, setting === "ip" ? "IP" : "OOP", 5)
    }

    // A click on the table's turn or river slot.
    function playBoardSlotClicked(slot) {
        if (!_playRedealing())
            return
        var deal = slot === 3 ? "turn" : slot === 4 ? "river" : ""
        if (deal === "" || deal === "river" && playBoardText.replace(/\s+/g, "").length < 8)
            return
        var level = _findChanceLevel(deal)
        if (level < 0)
            return
        playTickTimer.stop()
        openChancePicker(level, treeLevels.get(level).nodeIndex)
    }

    // -----------------------------------------------------------------------
    // Reactions

    onSelectedBucketChanged: refreshHandMatrix()
    // An opened project announces its results before the shell hands over
    // its board; the path's board follows the board, whenever it comes.
    onBoardTextChanged: rebuildBreadcrumbs()

    onCurrentNodeIndexChanged: {
        refreshHandMatrix()
        _scheduleHandCombosLoad()
        if (distributionsDialog.opened)
            _reloadDistributions()
        selectedHandClass = ""
        selectedBucket = ""
        handSearchText = ""
        if (nodeLockMixedMode && nodeLockMixedFreqTexts.length !== nodeLockActionList.length)
            _initMixedInputsForNode(nodeLockActionList.length)
        _playHandComboEvCache = ({})
        if (playMode && !playSessionStarted) {
            resetPlaySession()
        } else if (playSessionStarted && !playHandComplete && !_internalPlayReset) {
            playNodeIndex = currentNodeIndex
            _schedulePlayTick(0)
        }
    }

    onPlayModeChanged: {
        playTickTimer.stop()
        _internalPlayReset = true
        resetTreeToRoot()
        _internalPlayReset = false
        resetPlaySession()
    }

    Connections {
        target: page.controller
        ignoreUnknownSignals: true
        function onResultsChanged() {
            // Overrides name cards of the previous tree's nodes. A hand (or a
            // drill) of that tree ends there, neither logged nor counted, and
            // play starts afresh on the new one.
            page.chanceCardDisplayOverrideByNode = ({})
            page.resetPlaySession()
            page._snapshotSolvedRake()
            page.chancePickerLevelIndex = -1
            chancePicker.close()
            page.resetTreeToRoot()
            page.refreshHandMatrix()
            page._scheduleHandCombosLoad()
            if (distributionsDialog.opened)
                page._reloadDistributions()
            if (page.controller.resultIterations <= 0)
                page._clearNodeLockState()
        }
        function onRunningChanged() {
            if (!page.controller.running)
                return
            page.playMode = false
            // A re-solve from the lock panel keeps the lock state it started
            // with; the controller keeps its locks either way.
            if (page._startingSolveWithNodeLocks)
                page._startingSolveWithNodeLocks = false
            else
                page._clearNodeLockState()
        }
        function onHandDistributions169Ready(nodeIndex) {
            if (distributionsDialog.opened && nodeIndex === page.currentNodeIndex)
                page._reloadDistributions()
        }
    }

    Component.onCompleted: {
        _snapshotSolvedRake()
        resetTreeToRoot()
        refreshHandMatrix()
        _scheduleHandCombosLoad()
    }

    // -----------------------------------------------------------------------
    // Layout

    // The tree and the strategy side by side, split by a draggable grip.
    RowLayout {
        id: split
        anchors.fill: parent
        anchors.margins: 16
        spacing: 0

        property real treeWidth: Math.max(220, Math.round(320 * page.uiScale))

        ResultsTreePanel {
            objectName: "gameTreePanel"
            page: page
            Layout.fillHeight: true
            Layout.preferredWidth: Math.max(Math.max(200, Math.round(280 * page.uiScale)),
                                            Math.min(split.treeWidth, split.width - Math.max(360, Math.round(500 * page.uiScale)) - 8))
        }

        Item {
            objectName: "splitHandle"
            Layout.fillHeight: true
            implicitWidth: 8
            Rectangle {
                anchors.centerIn: parent
                width: 4
                height: 40
                radius: 2
                color: page.theme ? page.theme.stroke : "#30363D"
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.SplitHCursor
                property real startX: 0
                property real startWidth: 0
                onPressed: function (mouse) {
                    startX = mapToItem(split, mouse.x, 0).x
                    startWidth = split.treeWidth
                }
                onPositionChanged: function (mouse) {
                    split.treeWidth = startWidth + mapToItem(split, mouse.x, 0).x - startX
                }
            }
        }

        Card {
            id: strategyCard
            theme: page.theme
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: Math.max(360, Math.round(500 * page.uiScale))
            padding: 0

            Flickable {
                id: strategyFlick
                objectName: "strategyFlick"
                anchors.fill: parent
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                contentWidth: width
                contentHeight: Math.max(height, strategyColumn.implicitHeight + 32)
                ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

                ColumnLayout {
                    id: strategyColumn
                    x: 16
                    y: 16
                    width: strategyFlick.width - 32
                    height: strategyFlick.contentHeight - 32
                    spacing: 12

                    ResultsStrategyHeader {
                        Layout.fillWidth: true
                        page: page
                    }

                    // The results keep their own spot when the set-up changes.
                    Text {
                        objectName: "spotNotice"
                        Layout.fillWidth: true
                        visible: page.setupChanged
                        wrapMode: Text.Wrap
                        textFormat: Text.PlainText
                        font.pixelSize: 13
                        color: page.theme ? page.theme.warn : "#F0883E"
                        text: qsTr("These results are for %1; the set-up has changed since: solve again to see it")
                              .arg(BoardText.boardSymbols(page.boardText))
                    }

                    Rectangle {
                        Layout.fillWidth: true
                        implicitHeight: 1
                        color: page.theme ? page.theme.stroke : "#30363D"
                    }

                    // The play view takes this place while playMode is on.
                    ResultsStrategyView {
                        objectName: "strategyView"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        visible: !page.playMode
                        page: page
                    }

                    PlayTableView {
                        objectName: "playTableView"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        Layout.minimumHeight: 460
                        visible: page.playMode
                        page: page
                    }
                }
            }
        }
    }

    ResultsDistributionsDialog {
        id: distributionsDialog
        objectName: "distributionsDialog"
        page: page
    }

    ResultsPlayStatsDialog {
        id: playStatsDialog
        objectName: "playStatsDialog"
        page: page
    }

    ChanceCardPicker {
        id: chancePicker
        objectName: "chancePicker"
        page: page
        // Closed without a choice while a hand runs: the hand goes on.
        onClosed: page._chancePickerClosed()
    }

    PlaySettingsPopup {
        id: playSettingsDialog
        objectName: "playSettingsDialog"
        page: page
        onOpened: page._positionPlaySettingsDialogLater()
        onWidthChanged: if (visible) page._positionPlaySettingsDialog()
        onHeightChanged: if (visible) page._positionPlaySettingsDialog()
    }
}
