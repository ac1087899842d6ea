.pragma library
.import "../components/solveRules.js" as SolveRules
// Editing a board text slot by slot. A board text is two characters per
// card; "__" holds the place of an empty slot before a later chosen card, so
// the user may fill the five slots in any order.

function _compact(text) {
    return String(text === undefined || text === null ? "" : text).replace(/\s+/g, "")
}

// The slots as written (no case change, no check), "__" read as empty,
// padded to five; a lone trailing character is dropped.
function slots(text) {
    var s = _compact(text)
    var out = []
    for (var i = 0; i + 1 < s.length; i += 2) {
        var pair = s.substr(i, 2)
        out.push(pair === "__" ? "" : pair)
    }
    while (out.length < 5)
        out.push("")
    return out
}

// Up to the last filled slot of the first five, empty slots as "__".
function fromSlots(cards) {
    var last = -1
    for (var i = 4; i >= 0; --i) {
        if (cards[i]) {
            last = i
            break
        }
    }
    var out = ""
    for (var k = 0; k <= last; ++k)
        out += cards[k] ? cards[k] : "__"
    return out
}

function _isSlot(index) {
    return index === Math.floor(index) && index >= 0 && index <= 4
}

function withCardAt(text, index, card) {
    var cards = slots(text)
    if (_isSlot(index))
        cards[index] = String(card)
    return fromSlots(cards)
}

// Empties the slot and every later one.
function clearedFrom(text, index) {
    var cards = slots(text)
    if (_isSlot(index)) {
        for (var i = index; i < 5; ++i)
            cards[i] = ""
    }
    return fromSlots(cards)
}

// The real cards of the variant, upper-case rank and lower-case suit.
function usedCards(text, rankAlphabet) {
    var cards = SolveRules.normalizeBoardText(_compact(text), rankAlphabet)
    var out = []
    for (var i = 0; i < cards.length; i += 2)
        out.push(cards.substr(i, 2))
    return out
}

function street(text, rankAlphabet) {
    var count = usedCards(text, rankAlphabet).length
    return count >= 5 ? "river" : count === 4 ? "turn" : "flop"
}

// Three, four or five cards of the variant and nothing else; repeats pass.
function isValid(text, rankAlphabet) {
    return SolveRules.isStrictBoardReady(text, rankAlphabet)
}

// The slots whose card the deck does not have (a deuce after a switch to
// the short deck) emptied, the others kept in place.
function withoutCardsOutside(text, rankAlphabet) {
    var alphabet = String(rankAlphabet).toUpperCase()
    var cards = slots(text).map(function (card) {
        return card !== "" && alphabet.indexOf(card.charAt(0).toUpperCase()) < 0 ? "" : card
    })
    return fromSlots(cards)
}
