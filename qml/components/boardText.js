.pragma library
// Reading a board text into five card slots for the board display.

var RANKS = "AKQJT98765432"
var SUITS = "shdc"

// Slots in text order, each {rank, suit}; a pair that is not a card ("__")
// keeps its place as an empty slot so later cards stay on their street.
// Padded to at least five entries; extra entries are kept but never drawn.
function parseBoard(text) {
    var s = String(text === undefined || text === null ? "" : text).replace(/\s+/g, "")
    var cards = []
    for (var i = 0; i + 1 < s.length; i += 2) {
        var rank = s.charAt(i).toUpperCase()
        var suit = s.charAt(i + 1).toLowerCase()
        if (RANKS.indexOf(rank) >= 0 && SUITS.indexOf(suit) >= 0)
            cards.push({ rank: rank, suit: suit })
        else
            cards.push({ rank: "", suit: "" })
    }
    while (cards.length < 5)
        cards.push({ rank: "", suit: "" })
    return cards
}

// Street of a parsed board, by the number of real cards in it, in English
// (the name the rules read); streetWord gives the word that is shown.
function streetLabel(cards) {
    var count = 0
    for (var i = 0; i < cards.length; ++i)
        if (cards[i].rank !== "")
            ++count
    if (count >= 5)
        return "River"
    if (count === 4)
        return "Turn"
    if (count === 3)
        return "Flop"
    return "Preflop"
}

// A street ("flop", "Turn", ...) in the words of the current language.
function streetWord(street) {
    switch (String(street).toLowerCase()) {
    case "preflop": return qsTranslate("ResultsPage", "Preflop")
    case "flop": return qsTranslate("ResultsPage", "Flop")
    case "turn": return qsTranslate("ResultsPage", "Turn")
    case "river": return qsTranslate("ResultsPage", "River")
    default: return String(street)
    }
}

function suitSymbol(suit) {
    switch (String(suit).toLowerCase()) {
    case "h": return "\u2665"
    case "d": return "\u2666"
    case "c": return "\u2663"
    case "s": return "\u2660"
    default: return ""
    }
}

// A board written with suit symbols, as a sentence quotes it ("K♠7♥2♦");
// pairs that are no card are left out.
function boardSymbols(text) {
    return parseBoard(text).filter(function (card) { return card.rank !== "" })
        .map(function (card) { return card.rank + suitSymbol(card.suit) }).join("")
}
