.pragma library
// Solve-configuration maps for tests that need a real solved game.

// A river spot with narrow ranges: solves in a few milliseconds.
function tinyRiverSpot(iterations) {
    var cfg = {
        board: "Ks7d2c5h9s",
        starting_street: "river",
        starting_pot: 22.8,
        effective_stack: 88.9,
        oop_range: "AA,KK,QQ,JJ,AK,KQ,76s,43s",
        ip_range: "AA,99,77,AK,KJ,QJ,T8s,86s",
        max_iterations: iterations === undefined ? 50 : iterations,
        target_exploitability: 0.0,
        thread_count: 1
    }
    var seats = ["oop", "ip"], streets = ["flop", "turn", "river"]
    for (var i = 0; i < seats.length; ++i) {
        for (var j = 0; j < streets.length; ++j) {
            cfg[seats[i] + "_" + streets[j] + "_bet_sizes"] = "33, 75"
            cfg[seats[i] + "_" + streets[j] + "_raise_sizes"] = "100"
        }
    }
    return cfg
}

// The same spot as the inputs of a page that holds the project state under
// the shell's names (the solve page).
function tinyRiverPageInputs(iterations) {
    var cfg = tinyRiverSpot(iterations)
    var inputs = {
        boardText: cfg.board,
        startingStreet: cfg.starting_street,
        startingPot: cfg.starting_pot,
        effectiveStack: cfg.effective_stack,
        oopRangeText: cfg.oop_range,
        ipRangeText: cfg.ip_range,
        maxIterations: cfg.max_iterations,
        targetExploitability: 0
    }
    var seats = ["oop", "ip"], streets = ["Flop", "Turn", "River"]
    for (var i = 0; i < seats.length; ++i) {
        for (var j = 0; j < streets.length; ++j) {
            var key = seats[i] + "_" + streets[j].toLowerCase()
            inputs[seats[i] + streets[j] + "BetSizesText"] = cfg[key + "_bet_sizes"]
            inputs[seats[i] + streets[j] + "RaiseSizesText"] = cfg[key + "_raise_sizes"]
        }
    }
    return inputs
}

// A turn spot on two suits (hearts and spades), so the river deal has
// suit-symmetric twins among diamonds and clubs.
function tinyTurnSpot(iterations) {
    var cfg = tinyRiverSpot(iterations)
    cfg.board = "AhKs7h2h"
    cfg.starting_street = "turn"
    cfg.oop_range = "AA,KK,QQ,AK,KQ,T9s"
    cfg.ip_range = "99,77,AQ,KJ,QJ,86s"
    return cfg
}

// A river game small enough to solve by hand: KK always wins, 65s always
// loses to AQo, all-in the only bet.
function handSolvedRiverSpot() {
    var cfg = {
        board: "Ks Qd 7h 4c 2s",
        starting_street: "river",
        starting_pot: 100,
        effective_stack: 100,
        oop_range: "KK, 65s",
        ip_range: "AQo",
        max_iterations: 20000,
        target_exploitability: 0.01,
        thread_count: 1
    }
    var seats = ["oop", "ip"], streets = ["flop", "turn", "river"]
    for (var i = 0; i < seats.length; ++i) {
        for (var j = 0; j < streets.length; ++j) {
            cfg[seats[i] + "_" + streets[j] + "_bet_sizes"] = "a"
            cfg[seats[i] + "_" + streets[j] + "_raise_sizes"] = "a"
        }
    }
    return cfg
}
