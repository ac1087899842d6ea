.pragma library
// Rules of playing hands against the solution that draw nothing: the random
// source, dealing from ranges, weighted draws, the action line, the mistake
// test and the hand log records. The page passes plain values in.

.import "resultsRules.js" as Rules
.import "numberText.js" as NumberText

var LINE_SEPARATOR = " \u2192 "

// A small seedable generator (mulberry32) so a test can replay a hand.
// Returns a function giving numbers in [0, 1).
function makeRandom(seed) {
    if (seed === undefined || seed === null || !isFinite(Number(seed)))
        return Math.random
    var state = Number(seed) >>> 0
    return function () {
        state = (state + 0x6D2B79F5) >>> 0
        var t = state
        t = Math.imul(t ^ (t >>> 15), t | 1)
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61)
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296
    }
}

function draw(source) {
    return source()
}

function positiveWeight(v) {
    var n = Number(v)
    return v !== null && v !== undefined && v !== "" && isFinite(n) && n > 0 ? n : 0
}

function usedMap(cards) {
    var used = {}
    for (var i = 0; i < cards.length; ++i) {
        var c = Rules.normalizeCard(cards[i])
        if (c !== "")
            used[c] = true
    }
    return used
}

function eligibleCombos(combos, used) {
    var out = []
    for (var i = 0; i < (combos || []).length; ++i) {
        var e = combos[i] || {}
        var c1 = Rules.normalizeCard(e.c1), c2 = Rules.normalizeCard(e.c2)
        var w = positiveWeight(e.weight)
        if (c1 === "" || c2 === "" || c1 === c2 || used[c1] || used[c2] || w <= 0)
            continue
        out.push({ c1: c1, c2: c2, weight: w })
    }
    return out
}

// The combinations a seat is dealt from at a node: each hand's reach there
// when the rows carry it (its range weight times the seat's own action
// probabilities on the way), else its range weight.
function dealCombos(rows) {
    return (rows || []).map(function (e) {
        var r = e ? e.reach : undefined
        var reach = typeof r === "number" && isFinite(r)
        return { c1: e ? e.c1 : "", c2: e ? e.c2 : "", weight: reach ? r : (e ? e.weight : 0) }
    })
}

// Each of `combos` weighted as the first hand of a pair against `others`
// (both eligible lists): its own weight times the weight of the other seat's
// hands that share no card with it. Drawing the first hand by these and the
// second from the other seat's hands that are left deals every pair of
// hands in proportion to the product of their weights, as a table does.
function pairedWeights(combos, others) {
    var total = 0, byCard = {}, byPair = {}
    for (var i = 0; i < others.length; ++i) {
        var o = others[i]
        total += o.weight
        byCard[o.c1] = (byCard[o.c1] || 0) + o.weight
        byCard[o.c2] = (byCard[o.c2] || 0) + o.weight
        byPair[o.c1 + o.c2] = (byPair[o.c1 + o.c2] || 0) + o.weight
    }
    return combos.map(function (c) {
        var same = (byPair[c.c1 + c.c2] || 0) + (c.c1 !== c.c2 ? byPair[c.c2 + c.c1] || 0 : 0)
        var free = total - (byCard[c.c1] || 0) - (byCard[c.c2] || 0) + same
        // What the subtraction leaves of a blocked total is rounding, not weight.
        return free > total * 1e-9 ? c.weight * free : 0
    })
}

// The first hand of a pair: one of `combos` drawn against the other seat's
// `others` (see pairedWeights), both read as eligibleCombos reads them; null
// when no pair can be dealt.
function pickPairedCombo(combos, others, used, rand) {
    var own = eligibleCombos(combos, used)
    var i = weightedIndex(pairedWeights(own, eligibleCombos(others, used)), rand)
    return i < 0 ? null : own[i]
}

// Index into `weights` drawn in proportion to the entries above 0; -1 when
// none is.
function weightedIndex(weights, rand) {
    var total = 0, last = -1
    for (var i = 0; i < weights.length; ++i) {
        if (weights[i] > 0) {
            total += weights[i]
            last = i
        }
    }
    if (last < 0 || !(total > 0))
        return -1
    var r = rand() * total
    for (var j = 0; j < weights.length; ++j) {
        if (!(weights[j] > 0))
            continue
        r -= weights[j]
        if (r <= 0)
            return j
    }
    return last
}

function pickWeightedCombo(combos, rand) {
    var i = weightedIndex(combos.map(function (c) { return c.weight }), rand)
    return i < 0 ? null : combos[i]
}

function _cardOfAction(action) {
    var name = String(action && action.name !== undefined ? action.name : "")
    return name.length === 2 ? Rules.normalizeCard(name) : ""
}

// A weighted draw among the actions by frequency, skipping public cards the
// used map names.
function pickWeightedActionIndex(actions, used, rand) {
    var weights = (actions || []).map(function (a) {
        var card = _cardOfAction(a)
        if (used && card !== "" && used[card])
            return 0
        return positiveWeight(a ? a.frequency : 0)
    })
    return weightedIndex(weights, rand)
}

// A draw by one combination's mixed strategy over `count` actions; -1 when
// the probabilities do not cover the actions or sum to nothing.
function pickByProbs(probs, count, rand) {
    if (!probs || probs.length !== count || count < 1)
        return -1
    var weights = []
    for (var i = 0; i < count; ++i)
        weights.push(positiveWeight(probs[i]))
    return weightedIndex(weights, rand)
}

// A uniform draw among the card actions whose card is free. The solver keeps
// no frequencies at chance nodes, so a dealt card is drawn this way.
function pickFreeCardIndex(actions, used, rand) {
    var weights = (actions || []).map(function (a) {
        var card = _cardOfAction(a)
        return card !== "" && !used[card] ? 1 : 0
    })
    return weightedIndex(weights, rand)
}

function appendStep(line, actor, name) {
    var step = actor ? actor + ": " + String(name) : String(name)
    return line ? line + LINE_SEPARATOR + step : step
}

// The line of a path: one step per selected action, as {actor, name}.
function lineFromSteps(steps) {
    var line = ""
    for (var i = 0; i < steps.length; ++i)
        line = appendStep(line, steps[i].actor, steps[i].name)
    return line
}

// EV information from one list of action EVs.
function evInfo(evs, actionIndex) {
    if (!evs || actionIndex < 0 || actionIndex >= evs.length)
        return { ok: false }
    var chosen = Number(evs[actionIndex])
    if (!isFinite(chosen))
        return { ok: false }
    var best = -Infinity, bestIndex = -1
    for (var i = 0; i < evs.length; ++i) {
        var v = Number(evs[i])
        if (isFinite(v) && v > best) {
            best = v
            bestIndex = i
        }
    }
    return { ok: true, chosenEv: chosen, bestEv: best, evLoss: best - chosen, bestIndex: bestIndex }
}

function tolerance(bestEv, chosenEv, epsilon, relative) {
    var abs = isFinite(epsilon) ? Math.max(0, epsilon) : 0
    var rel = isFinite(relative) ? Math.max(0, relative) : 0
    var scale = Math.max(Math.abs(bestEv), Math.abs(chosenEv), 1e-9)
    return Math.max(abs, rel * scale)
}

function isMistake(info, epsilon, relative) {
    return !!info && info.ok === true && isFinite(info.evLoss)
           && info.evLoss > tolerance(info.bestEv, info.chosenEv, epsilon, relative)
}

// A log record: every role present, `extra` over the defaults.
function logEntry(base, extra) {
    var e = {
        time: "", board: "", role: "", oop: "", ip: "", line: "",
        endedReason: "", mistakeActor: "", mistakeAction: "", correctAction: "",
        chosenActionIndex: -1, correctActionIndex: -1,
        evLoss: NaN, bestEv: NaN, chosenEv: NaN,
        pot: 0, investedOop: 0, investedIp: 0, rake: 0,
        handActualEv: NaN, handOptimalEv: NaN, isMistake: false
    }
    var k
    for (k in base)
        e[k] = base[k]
    for (k in extra)
        e[k] = extra[k]
    e.isMistake = isFinite(e.evLoss) && e.evLoss > 0
    return e
}

function _split(part) {
    var p = part.trim()
    var colon = p.indexOf(":")
    return { text: p,
             actor: colon < 0 ? "" : p.substr(0, colon).trim(),
             act: colon < 0 ? p : p.substr(colon + 1).trim() }
}

// A step of a logged line as the hand details show it: the seat, then the
// action in the words `actionName` gives it ("IP: Bet 75%" -> "IP: Бет 75%").
// A step without a seat is shown as it stands.
function stepWords(step, actionName) {
    var p = _split(String(step === undefined || step === null ? "" : step))
    return p.actor !== "" && p.act !== "" ? p.actor + ": " + actionName(p.act) : p.text
}

// The winner of a logged hand from the last fold on its line; "" when no
// one folded.
function foldWinner(line) {
    var parts = String(line || "").split(LINE_SEPARATOR)
    for (var i = parts.length - 1; i >= 0; --i) {
        if (parts[i].indexOf("Fold") < 0)
            continue
        var actor = _split(parts[i]).actor
        return actor === "OOP" ? "IP" : actor === "IP" ? "OOP" : ""
    }
    return ""
}

// The street (0 flop, 1 turn, 2 river) a logged hand started on: the cards
// of its final board less the public cards dealt on its line.
function startStreet(board, parts) {
    var dealt = 0
    for (var i = 0; i < parts.length; ++i) {
        if (_split(parts[i]).actor === "Chance")
            ++dealt
    }
    var cards = Math.floor(String(board || "").replace(/\s+/g, "").length / 2)
    return Math.max(0, Math.min(2, cards - 3 - dealt))
}

// Street boards, street steps, winner, amount won and rake of a record.
// `showdown(board, oop, ip)` answers the winner at a showdown.
function handDetails(entry, showdown) {
    var board = String(entry.board || "")
    var d = { oopText: String(entry.oop || ""), ipText: String(entry.ip || "") }
    d.flopBoard = board.substr(0, 6)
    d.turnBoard = board.length >= 8 ? board.substr(0, 8) : d.flopBoard
    d.riverBoard = board.length >= 10 ? board.substr(0, 10) : d.turnBoard
    d.turnCard = board.length >= 8 ? board.substr(6, 2) : ""
    d.riverCard = board.length >= 10 ? board.substr(8, 2) : ""
    var parts = String(entry.line || "").split(LINE_SEPARATOR)
    var streets = [[], [], []], street = startStreet(board, parts)
    for (var i = 0; i < parts.length; ++i) {
        var p = _split(parts[i])
        if (p.text === "")
            continue
        if (p.actor === "Chance") {
            street = Math.min(2, street + 1)
            continue
        }
        streets[street].push(p.actor !== "" && p.act !== "" ? p.actor + ": " + p.act : p.text)
    }
    d.flopActions = streets[0]
    d.turnActions = streets[1]
    d.riverActions = streets[2]
    d.stoppedOnMistake = entry.endedReason === "suboptimal"
    d.evLoss = Number(entry.evLoss)
    // No rake recorded is none taken; a rake the engine could not tell stays unknown.
    d.rakeTaken = entry.rake === undefined || entry.rake === null ? 0 : Number(entry.rake)
    if (d.stoppedOnMistake) {
        // The hand ended at the mistake: nothing was won and no pot was raked.
        d.winner = "\u2014"
        d.wonAmount = NaN
        d.rakeTaken = 0
        return d
    }
    var winner = foldWinner(entry.line)
    if (winner === "" && d.riverBoard.length >= 10 && d.oopText.length >= 4 && d.ipText.length >= 4 && showdown) {
        var w = String(showdown(d.riverBoard, d.oopText, d.ipText) || "")
        if (w === "OOP" || w === "IP" || w === "TIE")
            winner = w
    }
    d.winner = winner === "" ? "\u2014" : winner
    var pot = Number(entry.pot), io = Number(entry.investedOop), ii = Number(entry.investedIp)
    var known = isFinite(pot) && isFinite(io) && isFinite(ii)
    d.wonAmount = !known ? NaN : winner === "OOP" ? pot - io : winner === "IP" ? pot - ii : winner === "TIE" ? 0 : NaN
    return d
}

// An EV lost, as the EV it costs: "EV \u22120.500". Shown as it stands in
// every language.
function lossText(evLoss) {
    return "EV " + NumberText.fixed(-Number(evLoss), 3)
}

// Feedback on one drill answer in the interface language; `bestName` is
// the best action's name as the page shows it.
function drillFeedbackText(wrong, bestName, evLoss) {
    if (!wrong)
        return qsTranslate("ResultsPage", "Correct")
    var best = bestName ? bestName : "\u2014"
    return isFinite(evLoss) ? qsTranslate("ResultsPage", "Wrong \u2014 best: %1 (%2)").arg(best).arg(lossText(evLoss))
                            : qsTranslate("ResultsPage", "Wrong \u2014 best: %1").arg(best)
}
