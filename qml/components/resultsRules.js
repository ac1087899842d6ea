.pragma library
// Rules of the results page that draw nothing: the path's board and suit
// mapping, chance-card offers, action colours and EVs, node figures and the
// hand-detail filters. The page passes plain values in; nothing here reads
// the controller.

.import "numberText.js" as NumberText

var RANK_ORDER = ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"]
var SUIT_ORDER = ["s", "h", "d", "c"]

var BET_PALETTE_DARK = ["#818CF8", "#A78BFA", "#C084FC", "#E879F9", "#F0ABFC"]
var BET_PALETTE_LIGHT = ["#4F46E5", "#7C3AED", "#9333EA", "#C026D3", "#BE185D"]
var RAISE_PALETTE_DARK = ["#FDBA74", "#FB923C", "#F97316", "#EA580C", "#C2410C"]
var RAISE_PALETTE_LIGHT = ["#F59E0B", "#F97316", "#EA580C", "#C2410C", "#9A3412"]

function isFiniteNumber(v) {
    return typeof v === "number" && isFinite(v)
}

function num(v) {
    var n = Number(v)
    return v !== null && v !== undefined && v !== "" && isFinite(n) ? n : 0
}

function normalizeCard(text) {
    var t = String(text === undefined || text === null ? "" : text)
    if (t.length < 2)
        return ""
    return t.charAt(0).toUpperCase() + t.charAt(1).toLowerCase()
}

function isCardText(text) {
    return typeof text === "string" && text.length === 2
}

function boardCards(text) {
    var t = String(text || "").replace(/\s+/g, "")
    var cards = []
    for (var i = 0; i + 1 < t.length; i += 2)
        cards.push(normalizeCard(t.substr(i, 2)))
    return cards
}

// ---------------------------------------------------------------------------
// The path. A step is what the page knows of one level:
// {chance: bool, actionName: the chosen action's name or "" while undecided,
//  override: the node's display card or ""}.

function _limit(steps, levelExclusive) {
    var n = steps ? steps.length : 0
    var lim = Number(levelExclusive)
    if (!isFinite(lim))
        lim = n
    return Math.min(Math.max(0, lim), n)
}

function boardFromSteps(boardText, steps, levelExclusive) {
    var board = String(boardText || "").replace(/\s+/g, "")
    var lim = _limit(steps, levelExclusive)
    for (var i = 0; i < lim; ++i) {
        var s = steps[i]
        if (!isCardText(s.actionName))
            continue
        var shown = s.chance && isCardText(s.override) ? s.override : s.actionName
        board += normalizeCard(shown)
    }
    return board
}

function identitySuitMap() {
    return { s: "s", h: "h", d: "d", c: "c" }
}

function swapSuitMap(map, a, b) {
    if (a === b || !(a in map) || !(b in map))
        return map
    var t = map[a]
    map[a] = map[b]
    map[b] = t
    return map
}

// Internal (engine) suit → displayed suit, from the overrides on the path.
function suitMapFromSteps(steps, levelExclusive) {
    var map = identitySuitMap()
    var lim = _limit(steps, levelExclusive)
    for (var i = 0; i < lim; ++i) {
        var s = steps[i]
        if (!s.chance || !isCardText(s.actionName) || !isCardText(s.override))
            continue
        if (s.actionName.charAt(0).toUpperCase() !== s.override.charAt(0).toUpperCase())
            continue
        var internal = s.actionName.charAt(1).toLowerCase()
        var shown = s.override.charAt(1).toLowerCase()
        if ("shdc".indexOf(internal) < 0 || "shdc".indexOf(shown) < 0 || internal === shown)
            continue
        swapSuitMap(map, internal, shown)
    }
    return map
}

function applySuitDisplayMap(card, map) {
    if (!isCardText(card))
        return card
    var rank = card.charAt(0).toUpperCase()
    var suit = card.charAt(1).toLowerCase()
    if ("AKQJT98765432".indexOf(rank) < 0 || "shdc".indexOf(suit) < 0)
        return card
    return rank + (map && map[suit] ? map[suit] : suit)
}

// The inverse: a displayed card back to the engine's card.
function engineCard(card, map) {
    if (!isCardText(card))
        return card
    var suit = card.charAt(1).toLowerCase()
    for (var k in map) {
        if (map[k] === suit)
            return card.charAt(0).toUpperCase() + k
    }
    return normalizeCard(card)
}

// What a chance picker offers: display card → action index, and the indices
// in action order. Cards already on the shown board are never offered.
function pickerOffer(actions, usedCards, suitMap) {
    var indexByCard = Object.create(null)
    var available = []
    for (var i = 0; i < (actions ? actions.length : 0); ++i) {
        var name = actions[i] ? actions[i].name : ""
        if (!isCardText(name))
            continue
        var shown = applySuitDisplayMap(normalizeCard(name), suitMap)
        if (usedCards.indexOf(shown) >= 0)
            continue
        indexByCard[shown] = i
        available.push(i)
    }
    return { indexByCard: indexByCard, available: available }
}

// The action a clicked card stands for; the engine lists one card of each
// suit-symmetric group, so a card of an absent suit may stand in for another.
function chanceIndexForSelection(card, indexByCard, usedCards, boardBefore) {
    var text = normalizeCard(card)
    if (usedCards.indexOf(text) >= 0)
        return -1
    if (indexByCard && text in indexByCard)
        return indexByCard[text]
    if (text.length !== 2)
        return -1
    var rank = text.charAt(0)
    var suit = text.charAt(1)
    var board = String(boardBefore || "").replace(/\s+/g, "")
    var present = {}
    for (var i = 1; i < board.length; i += 2)
        present[board.charAt(i).toLowerCase()] = true
    var absent = SUIT_ORDER.filter(function (s) { return !present[s] })
    if (absent.length < 2 || present[suit])
        return -1
    for (var j = 0; j < absent.length; ++j) {
        var other = rank + absent[j]
        if (absent[j] !== suit && indexByCard && other in indexByCard)
            return indexByCard[other]
    }
    return -1
}

// The display card that shows a given action in a picker's offer.
function displayCardForIndex(indexByCard, actionIndex) {
    for (var card in indexByCard) {
        if (indexByCard[card] === actionIndex)
            return card
    }
    return ""
}

// ---------------------------------------------------------------------------
// Actions

function parsePct(name) {
    var m = /(\d+(?:\.\d+)?)\s*%/.exec(String(name || ""))
    return m ? Number(m[1]) : NaN
}

function _kind(action) {
    var t = String(action && action.actionType ? action.actionType : "").trim().toLowerCase()
    // The controller writes the size into the type ("bet 33%"); its first
    // word is the kind.
    return t.split(/\s+/)[0]
}

function colorizeBetRaise(actions, dark) {
    var copies = []
    var groups = { bet: [], raise: [] }
    for (var i = 0; i < (actions ? actions.length : 0); ++i) {
        var copy = Object.assign({}, actions[i])
        copies.push(copy)
        var kind = _kind(copy)
        var pct = parsePct(copy.name)
        if ((kind === "bet" || kind === "raise") && isFinite(pct))
            groups[kind].push({ pct: pct, action: copy })
    }
    var palettes = {
        bet: dark ? BET_PALETTE_DARK : BET_PALETTE_LIGHT,
        raise: dark ? RAISE_PALETTE_DARK : RAISE_PALETTE_LIGHT
    }
    for (var kind2 in groups) {
        var g = groups[kind2]
        g.sort(function (a, b) { return a.pct - b.pct })
        for (var k = 0; k < g.length; ++k)
            g[k].action.color = palettes[kind2][k % 5]
    }
    return copies
}

function isFoldAction(action) {
    var type = String(action && action.actionType ? action.actionType : "").trim().toLowerCase()
    var name = String(action && action.name ? action.name : "").trim().toLowerCase()
    return type === "fold" || name.indexOf("fold") >= 0
}

function foldIndex(actions, limit) {
    var n = Math.min(actions ? actions.length : 0, limit === undefined ? Infinity : limit)
    for (var i = 0; i < n; ++i) {
        if (isFoldAction(actions[i]))
            return i
    }
    return -1
}

function normalizeEvsAroundFold(actions) {
    var copies = (actions || []).map(function (a) { return Object.assign({}, a) })
    var f = foldIndex(copies)
    if (f < 0 || !isFiniteNumber(copies[f].ev))
        return copies
    var foldEv = copies[f].ev
    for (var i = 0; i < copies.length; ++i) {
        if (isFiniteNumber(copies[i].ev))
            copies[i].ev = i === f ? 0 : copies[i].ev - foldEv
    }
    return copies
}

// Colour key of an action: the sized name for bets and raises, else the type.
function actionKey(action) {
    var kind = _kind(action)
    var name = String(action && action.name ? action.name : "")
    if ((kind === "bet" || kind === "raise") && name.indexOf("%") >= 0)
        return name
    return action && action.actionType ? kind : name
}

// One EV line per action of a combo, measured from folding when the node
// has a fold with a finite EV.
function comboEvLines(defs, actionEvs, ev) {
    var n = Math.min(actionEvs ? actionEvs.length : 0, defs ? defs.length : 0)
    if (n === 0)
        return [{ text: fmtAmt2(ev), key: "" }]
    var f = foldIndex(defs, n)
    var foldEv = f >= 0 && isFiniteNumber(actionEvs[f]) ? actionEvs[f] : NaN
    var lines = []
    for (var i = 0; i < n; ++i) {
        var v = actionEvs[i]
        var text
        if (!isFiniteNumber(v))
            text = "—"
        else if (i === f)
            text = "0.00"
        else
            text = fmtAmt2(isFinite(foldEv) ? v - foldEv : v)
        lines.push({ text: text, key: actionKey(defs[i]), color: defs[i].color || "" })
    }
    return lines
}

// The best action of a probability list over the first n entries: the first
// highest finite value, index 0 when none is finite.
function bestIndex(probs, n) {
    var best = -1, bestValue = -Infinity
    for (var i = 0; i < n; ++i) {
        var p = Number(probs[i])
        if (isFinite(p) && p > bestValue) {
            bestValue = p
            best = i
        }
    }
    return best < 0 ? 0 : best
}

// Matrix colour keys, exactly `count` of them.
function matrixKeys(defs, typeList, count) {
    var keys = []
    for (var i = 0; i < count; ++i) {
        if (i < defs.length)
            keys.push(defs[i].actionType ? actionKey(defs[i]) : String(defs[i].name || ""))
        else if (typeList && i < typeList.length)
            keys.push(String(typeList[i]))
        else
            keys.push("none")
    }
    return keys
}

// ---------------------------------------------------------------------------
// Node figures, from a meta map. Missing or non-finite numbers count as 0.

function investedFor(meta, seat) {
    return num(meta ? (seat === 0 ? meta.investedOop : meta.investedIp) : 0)
}

function _actingSeat(meta) {
    var p = meta ? meta.player : ""
    return p === "OOP" ? 0 : (p === "IP" ? 1 : -1)
}

// The meta the node figures read: at a chance node the street that follows,
// with the seat that acts first after the deal (`nextPlayer`, "" when no one
// acts again) as the player.
function figureMeta(meta, nextPlayer) {
    if (!meta || meta.nodeType !== "chance")
        return meta || {}
    var copy = Object.assign({}, meta)
    copy.player = nextPlayer || ""
    return copy
}

function toCallAmount(meta) {
    var seat = _actingSeat(meta)
    if (seat < 0)
        return 0
    return Math.max(0, Math.max(investedFor(meta, 0), investedFor(meta, 1)) - investedFor(meta, seat))
}

function stackRemaining(meta) {
    var seat = _actingSeat(meta)
    if (seat < 0)
        return 0
    return Math.max(0, num(meta.effectiveStack) - investedFor(meta, seat))
}

// The engine charges rake in every utility model, so the figure does too.
function rakeTaken(pot, rakePercent, rakeCap) {
    if (!isFinite(pot) || pot <= 0 || !isFinite(rakePercent) || rakePercent <= 0)
        return 0
    var raw = pot * rakePercent / 100
    var cap = isFinite(rakeCap) && rakeCap > 0 ? rakeCap : raw
    return Math.max(0, Math.min(raw, cap))
}

function spr(meta) {
    var pot = num(meta ? meta.pot : 0)
    var stack = stackRemaining(meta)
    if (pot <= 0 || !isFinite(stack) || stack < 0)
        return NaN
    return stack / pot
}

function potOdds(meta) {
    var pot = num(meta ? meta.pot : 0)
    var call = toCallAmount(meta)
    if (pot <= 0 || call <= 0)
        return NaN
    return call / (pot + call)
}

function fmtAmt2(x) {
    return NumberText.fixed(x, 2)
}

function fmtPercent1(share) {
    return NumberText.percentText(share, 1)
}

// ---------------------------------------------------------------------------
// Hand details

function handClassFromCards(c1, c2) {
    var r1 = String(c1 || "").charAt(0), r2 = String(c2 || "").charAt(0)
    if (!r1 || !r2)
        return ""
    if (r1 === r2)
        return r1 + r2
    var i1 = RANK_ORDER.indexOf(r1), i2 = RANK_ORDER.indexOf(r2)
    var high = i1 >= 0 && i2 >= 0 && i1 < i2 ? r1 : r2
    var low = high === r1 ? r2 : r1
    var suited = String(c1).charAt(1) === String(c2).charAt(1)
    return high + low + (suited ? "s" : "o")
}

// A hand's two cards as a player reads them: the higher rank first (on a
// pair, the given order).
function cardsHighFirst(c1, c2) {
    var r1 = RANK_ORDER.indexOf(String(c1 || "").charAt(0).toUpperCase())
    var r2 = RANK_ORDER.indexOf(String(c2 || "").charAt(0).toUpperCase())
    return r2 >= 0 && (r1 < 0 || r2 < r1) ? [c2, c1] : [c1, c2]
}

function parseSearchTokens(text) {
    return String(text || "").replace(/,/g, " ").split(/\s+/)
        .map(function (t) { return t.trim() }).filter(function (t) { return t.length > 0 })
}

function _isRank(r) {
    return RANK_ORDER.indexOf(r) >= 0
}

function matchSearchToken(token, c1, c2) {
    var t = String(token || "").trim()
    if (t.length === 0)
        return true
    var a = normalizeCard(c1), b = normalizeCard(c2)
    var cls = handClassFromCards(a, b)
    if (t.length === 4) {
        var x = normalizeCard(t.substr(0, 2)), y = normalizeCard(t.substr(2, 2))
        return (a === x && b === y) || (a === y && b === x)
    }
    if (t.length === 2) {
        var r1 = t.charAt(0).toUpperCase(), r2 = t.charAt(1).toUpperCase()
        if (!_isRank(r1) || !_isRank(r2))
            return false
        if (r1 === r2)
            return cls === r1 + r2
        var hi = RANK_ORDER.indexOf(r1) < RANK_ORDER.indexOf(r2) ? r1 + r2 : r2 + r1
        return cls === hi + "s" || cls === hi + "o"
    }
    if (t.length === 3) {
        var s1 = t.charAt(0).toUpperCase(), s2 = t.charAt(1).toUpperCase(), kind = t.charAt(2).toLowerCase()
        if (!_isRank(s1) || !_isRank(s2) || (kind !== "s" && kind !== "o"))
            return false
        var high = RANK_ORDER.indexOf(s1) < RANK_ORDER.indexOf(s2) ? s1 + s2 : s2 + s1
        return cls === high + kind
    }
    return false
}

// The combos that pass every active filter, in the given order. `noise`
// hides the rounding dust the engine leaves on later streets.
function visibleCombos(combos, filter) {
    var list = combos || []
    var tokens = parseSearchTokens(filter.search)
    var cutoff = -Infinity
    if (filter.noise) {
        var maxW = 0
        for (var i = 0; i < Math.min(list.length, 96); ++i) {
            var w = Number(list[i].weight)
            if (isFinite(w) && w > maxW)
                maxW = w
        }
        cutoff = Math.max(1e-10, maxW * 1e-6)
    }
    if (!filter.noise && !filter.handClass && !filter.bucket && tokens.length === 0)
        return list
    return list.filter(function (row) {
        if (filter.noise) {
            var weight = Number(row.weight)
            if (!isFinite(weight) || weight <= cutoff)
                return false
        }
        if (filter.handClass && handClassFromCards(row.c1, row.c2) !== filter.handClass)
            return false
        if (filter.bucket) {
            var names = row.buckets || []
            var inBucket = false
            for (var b = 0; b < names.length; ++b)
                inBucket = inBucket || String(names[b]) === filter.bucket
            if (!inBucket)
                return false
        }
        if (tokens.length > 0) {
            for (var t = 0; t < tokens.length; ++t) {
                if (matchSearchToken(tokens[t], row.c1, row.c2))
                    return true
            }
            return false
        }
        return true
    })
}

// Combo rows with their cards in display suits (engine cards kept as
// engineC1/engineC2), so what is shown and searched matches the board shown.
function combosInDisplaySuits(combos, suitMap) {
    var identity = true
    for (var k in suitMap)
        identity = identity && suitMap[k] === k
    if (identity)
        return combos || []
    return (combos || []).map(function (row) {
        var copy = Object.assign({}, row)
        copy.engineC1 = row.c1
        copy.engineC2 = row.c2
        copy.c1 = applySuitDisplayMap(normalizeCard(row.c1), suitMap)
        copy.c2 = applySuitDisplayMap(normalizeCard(row.c2), suitMap)
        return copy
    })
}

// Entries for a small action bar: the i-th action with the i-th probability.
function handActionsForProbs(actions, probs) {
    var n = Math.min(actions ? actions.length : 0, probs ? probs.length : 0)
    var out = []
    for (var i = 0; i < n; ++i) {
        var entry = { name: actions[i].name, actionType: actions[i].actionType, frequency: Number(probs[i]) }
        if (actions[i].color)
            entry.color = actions[i].color
        out.push(entry)
    }
    return out
}

// ---------------------------------------------------------------------------
// Tree panel

// One block per level. `levels` rows carry what the page read for them:
// {nodeIndex, selectedActionIndex, meta, actions, childMetas, override, locked,
// childLocked}.
var EMPTY_BLOCK = { levelIndex: 0, nodeIndex: -1, chance: false, isLast: false, nodeType: "decision", player: "",
                    pot: 0, hasActions: false, items: [], deal: "", card: "", showBanner: false, optionCount: 0,
                    locked: false }
var EMPTY_ITEM = { actionIndex: -1, name: "", actionType: "", frequency: -1, percentText: "", pot: 0,
                   hasChildren: false, locked: false }

// The steps the board and suit rules read, from the same level rows.
function stepsFromLevels(levels) {
    return levels.map(function (r) {
        var a = r.actions && r.selectedActionIndex >= 0 ? r.actions[r.selectedActionIndex] : null
        return { chance: (r.meta || {}).nodeType === "chance", actionName: a ? String(a.name || "") : "",
                 override: r.override || "" }
    })
}

function treeBlocks(levels) {
    var blocks = []
    for (var i = 0; i < levels.length; ++i) {
        var lv = levels[i]
        var meta = lv.meta || {}
        var actions = lv.actions || []
        var isLast = i === levels.length - 1
        var sel = lv.selectedActionIndex
        var decided = sel >= 0 && sel < actions.length
        var block = {
            levelIndex: i,
            nodeIndex: lv.nodeIndex,
            chance: meta.nodeType === "chance",
            isLast: isLast,
            nodeType: meta.nodeType || "decision",
            player: meta.player || "",
            pot: num(meta.pot),
            hasActions: actions.length > 0,
            items: [],
            deal: "",
            card: "",
            showBanner: false,
            optionCount: actions.length,
            locked: !!lv.locked
        }
        if (block.chance) {
            var name = decided ? String(actions[sel].name || "") : ""
            block.deal = meta.chanceDeal === "river" ? "River" : "Turn"
            block.card = isCardText(name) && isCardText(lv.override) ? lv.override : name
        } else {
            block.showBanner = isLast && !decided && block.nodeType === "decision" && actions.length > 1
            var shares = NumberText.largestRemainder(actions.map(function (x) { return x.frequency }), 0)
            for (var a = 0; a < actions.length; ++a) {
                if (decided && a !== sel)
                    continue
                var child = (lv.childMetas || [])[a] || {}
                var freq = Number(actions[a].frequency)
                block.items.push({
                    actionIndex: a,
                    name: String(actions[a].name || ""),
                    actionType: String(actions[a].actionType || ""),
                    frequency: actions[a].frequency === undefined || !isFinite(freq) ? -1 : freq,
                    percentText: isFinite(shares[a]) ? NumberText.fixed(shares[a], 0) : "",
                    pot: num(child.pot) > 0 ? num(child.pot) : num(meta.pot),
                    hasChildren: !!child.hasChildren,
                    locked: !!lv.locked || !!(lv.childLocked || [])[a]
                })
            }
        }
        blocks.push(block)
    }
    return blocks
}

// The best k of {index, ev} candidates, highest EV first; k = max(1, topN),
// 5 when topN is missing or 0.
function bestOfTop(scored, topN) {
    var n = Number(topN) > 0 ? Math.max(1, Math.floor(Number(topN))) : 5
    var sorted = scored.slice().sort(function (a, b) { return b.ev - a.ev })
    return sorted.slice(0, Math.min(n, sorted.length))
}

// No hand rows and an empty strategy at a decision node: nothing is held for
// it (an opened project keeps some nodes; a held solve answers every one).
function nothingKept(combos, strategy) {
    return (!combos || combos.length === 0) && (!strategy || Object.keys(strategy).length === 0) }
