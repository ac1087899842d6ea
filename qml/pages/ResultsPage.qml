import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components"
import "../components/resultsRules.js" as Rules
import "../components/nodeLockRules.js" as LockRules
import "../components/chartSeries.js" as Charts

// The results explorer: walks the solved tree one level per node and shows
// the current node's strategy, figures, buckets and combos. The page holds
// the state and the operations; the views (Results* components) draw it.
Item {
    id: page

    property var theme
    property var type
    property var controller: null
    property string gameVariant: "holdem"
    property string utilityModel: "cash"
    property string boardText: ""
    property real rakePercent: 0.0
    property int rakeCap: 0

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

    // Node locking: the page's own record of the locks it set (a preview;
    // the controller owns the table a re-solve uses).
    property bool nodeLockMode: false
    property var nodeLocksByNode: ({})
    property int nodeLockSelectedActionIndex: -1
    property bool nodeLockMixedMode: false
    property var nodeLockMixedFreqTexts: []
    property bool _updatingMixedFreqTexts: false
    property bool _startingSolveWithNodeLocks: false
    readonly property var nodeLockActionList: (_results, _lockActionList(currentNodeIndex))

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
    readonly property int _results: controller ? controller.resultIterations : 0
    readonly property var currentMeta: (_results, _metaForNode(currentNodeIndex))

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

    // -----------------------------------------------------------------------
    // Buckets and hand details

    property var _loadedHandCombos: []
    // The action definitions of the node the combos were loaded for, so a
    // row's EVs and mix never pair with another node's actions.
    property var _loadedComboActions: []
    property bool _handCombosLoading: false
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
            return [{ name: "Random " + (meta.chanceDeal ? meta.chanceDeal : "card") + " card",
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

    function _setCurrentNode(nodeIndex) {
        var meta = _metaForNode(nodeIndex)
        if (meta.player)
            selectedPlayer = meta.player
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

    function _nodeKey(nodeIndex) {
        return String(nodeIndex)
    }

    function _nodeHasLocks(nodeIndex) {
        var locks = nodeLocksByNode[_nodeKey(nodeIndex)]
        if (!!locks && Object.keys(locks).length > 0)
            return true
        return !!controller && _results >= 0 && (controller.nodeLocks(nodeIndex) || []).length > 0
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
        var all = Object.assign({}, nodeLocksByNode)
        var key = _nodeKey(nodeIndex)
        var locks = Object.assign({}, all[key] || {})
        locks[handLabel] = { actionProbs: probs }
        all[key] = locks
        nodeLocksByNode = all
        if (controller)
            controller.setNodeLockProbs(nodeIndex, handLabel, probs)
        refreshHandMatrix()
    }

    function resetNodeLockEdits(nodeIndex) {
        var all = Object.assign({}, nodeLocksByNode)
        all[_nodeKey(nodeIndex)] = {}
        nodeLocksByNode = all
        nodeLockSelectedActionIndex = -1
        nodeLockMixedMode = false
        nodeLockMixedFreqTexts = []
        if (controller)
            controller.clearNodeLocks(nodeIndex)
        refreshHandMatrix()
        // The tree's marks also read the controller's table.
        rebuildBreadcrumbs()
    }

    function _clearNodeLockState() {
        nodeLockMode = false
        nodeLockSelectedActionIndex = -1
        nodeLockMixedMode = false
        nodeLockMixedFreqTexts = []
        nodeLocksByNode = ({})
        _startingSolveWithNodeLocks = false
    }

    function reSolveWithLocks() {
        goToSolve()
        _startingSolveWithNodeLocks = true
        if (controller)
            controller.reSolveWithNodeLocks()
    }

    function _nodeActionNameTranslated(rawName) {
        var s = String(rawName === undefined || rawName === null ? "" : rawName).trim()
        if (s === "")
            return ""
        var sized = /^(bet|raise)\s+(.+)$/i.exec(s)
        if (sized) {
            return sized[1].toLowerCase() === "bet" ? qsTranslate("TreeNode", "Bet %1").arg(sized[2].trim())
                                                    : qsTranslate("TreeNode", "Raise %1").arg(sized[2].trim())
        }
        s = s.charAt(0).toUpperCase() + s.slice(1)
        switch (s) {
        case "Bet": return qsTranslate("TreeNode", "Bet")
        case "Raise": return qsTranslate("TreeNode", "Raise")
        case "Check": return qsTranslate("TreeNode", "Check")
        case "Call": return qsTranslate("TreeNode", "Call")
        case "Fold": return qsTranslate("TreeNode", "Fold")
        case "All-In":
        case "All-in": return qsTranslate("TreeNode", "All-in")
        }
        return s
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
            _distPayload = { ok: false, pending: false, error: "Unavailable", hands: [],
                             evOop: [], evIp: [], equityOop: [], equityIp: [] }
            return
        }
        _distPayload = controller.nodeHandDistributions169(currentNodeIndex) || {}
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

    function _applySuitDisplayMap(cardText, suitMap) {
        return Rules.applySuitDisplayMap(cardText, suitMap)
    }

    // -----------------------------------------------------------------------
    // Chance cards

    function _usedCardsBefore(levelIndex) {
        return Rules.boardCards(_boardFromTreeSelectionsUpTo(levelIndex))
    }

    function openChancePicker(levelIndex, nodeIndex) {
        var meta = _metaForNode(nodeIndex)
        chancePickerTitle = meta.chanceDeal === "river" ? "Choose River Card" : "Choose Turn Card"
        chancePickerActions = _actionsForNode(nodeIndex)
        chancePickerBoardText = _boardFromTreeSelectionsUpTo(levelIndex)
        _chancePickerUsedCards = Rules.boardCards(chancePickerBoardText)
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
    }

    function chooseChanceCardRandom() {
        var avail = chancePickerAvailableCardIndices
        if (!avail || avail.length === 0)
            return
        var idx = avail[Math.floor(Math.random() * avail.length)]
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
        _commitChance(c, c.offer.available[Math.floor(Math.random() * c.offer.available.length)])
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
        _commitChance(c, best[Math.floor(Math.random() * best.length)].index)
    }

    // -----------------------------------------------------------------------
    // Node figures

    function _potSize() { return Rules.num(currentMeta.pot) }
    function _effectiveStack() { return Rules.num(currentMeta.effectiveStack) }
    function _investedFor(seatIndex) { return Rules.investedFor(currentMeta, seatIndex) }
    function _toCallAmount() { return Rules.toCallAmount(currentMeta) }
    function _stackRemaining() { return Rules.stackRemaining(currentMeta) }
    function _rakeTaken() { return Rules.rakeTaken(_potSize(), rakePercent, rakeCap) }
    function _spr() { return Rules.spr(currentMeta) }
    function _potOdds() { return Rules.potOdds(currentMeta) }
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
        probs = LockRules.withLocks(probs, nodeLocksByNode[_nodeKey(node)], count)
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
            page._loadedHandCombos = strategy ? (page.controller.nodeHandCombos(node) || []) : []
            page._handCombosLoading = false
        }
    }

    function _scheduleHandCombosLoad() {
        if (!controller) {
            _loadedHandCombos = []
            _loadedComboActions = []
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
    // Reactions

    onSelectedBucketChanged: refreshHandMatrix()
    onNodeLocksByNodeChanged: rebuildBreadcrumbs()

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
    }

    onPlayModeChanged: resetTreeToRoot()

    Connections {
        target: page.controller
        ignoreUnknownSignals: true
        function onResultsChanged() {
            // Overrides name cards of the previous tree's nodes.
            page.chanceCardDisplayOverrideByNode = ({})
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

                    Rectangle {
                        Layout.fillWidth: true
                        implicitHeight: 1
                        color: page.theme ? page.theme.stroke : "#30363D"
                    }

                    // The play view takes this place while playMode is on.
                    ResultsStrategyView {
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        visible: !page.playMode
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
    }
}
