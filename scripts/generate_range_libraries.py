#!/usr/bin/env python3
"""Writes the two built-in range libraries and the population value table.

Run by hand from the repository root; the output is committed:

    python3 scripts/generate_range_libraries.py

  qml/data/standard_ranges.json   preflop ranges by table, stack, rake, spot
  qml/data/exploit_ranges.json    player-type ranges (a range export file)
  qml/pages/populationTable.js    the player-type folders and values the
                                  page builds its template from, used when
                                  the second file is missing

Every range comes from one ordering of the 169 starting hands and a width.

Hand strength. A hand's score is, for a pair of rank r (2..14), 1.3 r + 9.
For two ranks h > l it is h + 0.55 l, plus 2.5 when suited, plus 1.5 / 0.8 /
0.2 for a gap of 0 / 1 / 2 ranks between them (minus 0.4 per rank beyond
two), plus 1.0 for the suited wheel aces (A5s-A2s). Stack depth moves the
order: at d = (stack - 100) / 100 the score gains 1.5 d x playability, where
playability is 1 for a suited hand, 0.6 more for a gap of 0 or 1, and 1 for
the pairs 99 and below (0.3 for bigger pairs). Deep stacks thus favour
suited, connected hands and small pairs; short stacks favour high cards.

Widths. A range is a band of that order, given in percent of the 1326
combinations: [from, to]. A hand straddling an edge gets the share of its
combinations inside the band, in steps of 0.25 (this is where weights such
as "88:0.75" come from); player-type ranges round that share to all or
nothing. A 3-bet or 4-bet takes two thirds of its width as value from the
top and the rest as suited bluffs from just past the calling band.

The widths of the six-handed table at 100bb without rake are the tables
RFI, VS_RFI, VS_3BET and VS_4BET below. Stacks and rake scale them:
STACK_SCALE per kind of action, RAKE_SCALE for everything, and once more for
the big blind's calls (the blind pays the rake most often).

Player types (the population library) are bands of the same order at
100bb: PASSIVE_BANDS scaled by the archetype's factor (tight 0.7 ... extreme
2.3), LAG_BANDS scaled by 1 (standard) or 1.8 (maniac), NIT_BANDS as they
are. The weaker regulars are the standard no-rake 100bb block with every
width scaled by 0.85 (tighter) or 1.2 (looser), without weights.
"""

import json
import os
import sys

RANKS = "23456789TJQKA"      # index + 2 = rank value
MATRIX_RANKS = "AKQJT98765432"
TOTAL = 1326.0

POSITIONS_6MAX = ["UTG", "HJ", "CO", "BTN", "SB"]
STACKS = ["50bb", "100bb", "150bb", "200bb"]
RAKES = ["No rake", "50nl rake", "100nl rake", "200nl rake", "500nl rake"]


# ---- hand order ----

def _classes():
    out = []
    for hi in range(14, 1, -1):
        for lo in range(hi, 1, -1):
            if lo == hi:
                out.append((hi, lo, None))
            else:
                out.append((hi, lo, True))
                out.append((hi, lo, False))
    return out


def label(hand):
    hi, lo, suited = hand
    text = RANKS[hi - 2] + RANKS[lo - 2]
    return text if suited is None else text + ("s" if suited else "o")


def combos(hand):
    return 6 if hand[2] is None else (4 if hand[2] else 12)


def score(hand, stack_bb):
    hi, lo, suited = hand
    depth = (stack_bb - 100) / 100.0
    if suited is None:
        base = 1.3 * hi + 9
        play = 1.0 if hi <= 9 else 0.3
    else:
        gap = hi - lo - 1
        base = hi + 0.55 * lo + (2.5 if suited else 0.0)
        base += {0: 1.5, 1: 0.8, 2: 0.2}.get(gap, -0.4 * (gap - 2))
        if suited and hi == 14 and lo <= 5:
            base += 1.0
        play = (1.0 if suited else 0.0) + (0.6 if gap <= 1 else 0.0)
    return base + 1.5 * depth * play


def ordering(stack_bb):
    """The 169 classes, strongest first, with the combinations before each."""
    hands = sorted(_classes(), key=lambda h: (-score(h, stack_bb), -h[0], -h[1], h[2] is False))
    out, seen = [], 0
    for hand in hands:
        out.append((hand, seen))
        seen += combos(hand)
    return out


# ---- bands and range text ----

def band(order, lo_pct, hi_pct, step=0.25, suited_only=False):
    """Class -> weight for the band [lo, hi] percent of all combinations."""
    lo, hi = lo_pct * TOTAL / 100.0, min(hi_pct, 100.0) * TOTAL / 100.0
    out = {}
    if hi <= lo:
        return out
    for hand, start in order:
        if suited_only and not hand[2]:
            continue
        end = start + combos(hand)
        inside = max(0.0, min(end, hi) - max(start, lo)) / combos(hand)
        weight = round(inside / step) * step if step else inside
        if weight > 0:
            out[label(hand)] = min(1.0, weight)
    return out


def suited_band(order, lo_pct, amount_pct):
    """Suited classes from lo onwards until they hold amount percent."""
    out, need = {}, amount_pct * TOTAL / 100.0
    for hand, start in order:
        if need <= 0:
            break
        if hand[2] and start >= lo_pct * TOTAL / 100.0:
            out[label(hand)] = 1.0
            need -= combos(hand)
    return out


def merge(*maps):
    out = {}
    for m in maps:
        for k, v in m.items():
            out[k] = max(out.get(k, 0.0), v)
    return out


def _weight_text(w):
    return "" if w >= 0.999 else ":" + ("%.2f" % w).rstrip("0").rstrip(".")


def range_text(weights, plain=False):
    """Matrix order; runs of one weight written as "TT+", "99-66", "A9s+", "K8s-K5s"."""
    if plain:
        weights = {k: 1.0 for k, v in weights.items() if v >= 0.5}
    if len(weights) == 169 and all(v >= 0.999 for v in weights.values()):
        return "100%"
    tokens = []

    def runs(labels):
        run = []
        for lab in labels + [None]:
            w = weights.get(lab, 0.0) if lab else 0.0
            if run and (w <= 0 or w != run[0][1]):
                yield run
                run = []
            if w > 0:
                run.append((lab, w))

    pairs = [r + r for r in MATRIX_RANKS]
    for run in runs(pairs):
        first, last, w = run[0][0], run[-1][0], run[0][1]
        if len(run) == 1:
            tokens.append(first + _weight_text(w))
        elif first == "AA":
            tokens.append(last + "+" + _weight_text(w))
        else:
            tokens.append(first + "-" + last + _weight_text(w))
    for suffix in ("s", "o"):
        for i, top in enumerate(MATRIX_RANKS[:-1]):
            kickers = [top + k + suffix for k in MATRIX_RANKS[i + 1:]]
            for run in runs(kickers):
                first, last, w = run[0][0], run[-1][0], run[0][1]
                if len(run) == 1:
                    tokens.append(first + _weight_text(w))
                elif first == kickers[0]:
                    tokens.append(last + "+" + _weight_text(w))
                else:
                    tokens.append(first + "-" + last + _weight_text(w))
    return ", ".join(tokens)


# ---- the six-handed and heads-up tables (100bb, no rake; percent) ----

RFI = {"UTG": 16.0, "HJ": 20.0, "CO": 27.0, "BTN": 45.0, "SB": 40.0}

# (opener, responder) -> (call, 3-bet)
VS_RFI = {
    ("UTG", "HJ"): (5.0, 3.5), ("UTG", "CO"): (6.0, 4.0), ("UTG", "BTN"): (9.0, 4.5),
    ("HJ", "CO"): (7.0, 5.0), ("HJ", "BTN"): (11.0, 5.5), ("CO", "BTN"): (14.0, 7.0),
    ("UTG", "SB"): (2.0, 4.0), ("HJ", "SB"): (2.5, 5.0), ("CO", "SB"): (3.0, 6.5), ("BTN", "SB"): (4.0, 9.0),
    ("UTG", "BB"): (18.0, 4.0), ("HJ", "BB"): (22.0, 5.0), ("CO", "BB"): (28.0, 7.0), ("BTN", "BB"): (38.0, 11.0),
    ("SB", "BB"): (38.0, 13.0),
}

# The opener facing a 3-bet continues with shares of its opening range:
# (call, 4-bet); wider in position (against the blinds) than out of it.
VS_3BET_OOP = (0.25, 0.12)
VS_3BET_IP = (0.38, 0.13)
VS_3BET_SB_VS_BB = (0.30, 0.15)

# The 3-bettor facing a 4-bet calls a band below the hands that go all in
# (aces and kings, the top 0.9 %): its width by the 4-bettor's seat.
VS_4BET = {"UTG": 2.2, "HJ": 2.6, "CO": 3.0, "BTN": 3.4, "SB": 3.8}

STACK_SCALE = {  # kind -> factor per stack
    "rfi": {"50bb": 0.95, "100bb": 1.0, "150bb": 1.0, "200bb": 1.0},
    "call": {"50bb": 0.8, "100bb": 1.0, "150bb": 1.1, "200bb": 1.15},
    "raise": {"50bb": 1.1, "100bb": 1.0, "150bb": 0.95, "200bb": 0.9},
    "call4": {"50bb": 0.7, "100bb": 1.0, "150bb": 1.15, "200bb": 1.3},
}
RAKE_SCALE = {"No rake": 1.0, "50nl rake": 0.90, "100nl rake": 0.93, "200nl rake": 0.95, "500nl rake": 0.97}

HU_RFI = 82.0
HU_BB_VS_SB = (45.0, 15.0)
HU_SB_VS_3BET = (0.40, 0.10)
HU_VS_4BET = 7.0


class Block:
    """The widths of one stack and rake, with an extra width factor."""

    def __init__(self, stack, rake, extra=1.0):
        self.stack, self.rake, self.extra = stack, rake, extra
        self.order = ordering(int(stack[:-2]))

    def w(self, pct, kind, big_blind_call=False):
        f = STACK_SCALE[kind][self.stack] * RAKE_SCALE[self.rake] * self.extra
        if big_blind_call:
            f *= RAKE_SCALE[self.rake]
        return pct * f

    def rfi(self, pos, width=None):
        return range_text(band(self.order, 0, self.w(width if width else RFI[pos], "rfi")))

    def _raise_with_bluffs(self, total, bluff_from):
        value = total * 2.0 / 3.0
        return merge(band(self.order, 0, value), suited_band(self.order, bluff_from, total - value))

    def vs_rfi(self, opener, responder, widths=None):
        call, three = widths if widths else VS_RFI[(opener, responder)]
        three = self.w(three, "raise")
        call = self.w(call, "call", responder == "BB")
        value = three * 2.0 / 3.0
        calls = band(self.order, value, value + call)
        return range_text(calls), range_text(self._raise_with_bluffs(three, value + call))

    def vs_3bet(self, opener_width, shares):
        call, four = (s * opener_width for s in shares)
        four = self.w(four, "raise")
        call = self.w(call, "call")
        value = four * 2.0 / 3.0
        calls = band(self.order, value, value + call)
        return range_text(calls), range_text(self._raise_with_bluffs(four, value + call))

    def vs_4bet(self, width):
        return range_text(band(self.order, 0.9, 0.9 + self.w(width, "call4")))


def _vs3_shares(a, b):
    if (a, b) == ("SB", "BB"):
        return VS_3BET_SB_VS_BB
    return VS_3BET_IP if b in ("SB", "BB") else VS_3BET_OOP


def six_max_block(blk):
    """(oop entries, ip entries) of one stack and rake: [(spot, text)]."""
    oop, ip = [], []
    for pos in POSITIONS_6MAX:
        text = blk.rfi(pos)
        oop.append(("RFI " + pos, text))
        ip.append(("RFI " + pos, text))
    for opener in ["UTG", "HJ", "CO", "BTN"]:
        for blind in ["SB", "BB"]:
            call, three = blk.vs_rfi(opener, blind)
            oop.append(("vs RFI %s: Call %s" % (opener, blind), call))
            oop.append(("vs RFI %s: 3bet %s" % (opener, blind), three))
    for opener, responders in [("UTG", ["HJ", "CO", "BTN"]), ("HJ", ["CO", "BTN"]), ("CO", ["BTN"]), ("SB", ["BB"])]:
        for responder in responders:
            call, three = blk.vs_rfi(opener, responder)
            ip.append(("vs RFI %s: Call %s" % (opener, responder), call))
            ip.append(("vs RFI %s: 3bet %s" % (opener, responder), three))
    for a, b in [("UTG", "HJ"), ("UTG", "CO"), ("UTG", "BTN"), ("HJ", "CO"), ("HJ", "BTN"), ("CO", "BTN"), ("SB", "BB")]:
        call, four = blk.vs_3bet(blk.w(RFI[a], "rfi"), _vs3_shares(a, b))
        oop.append(("%s vs %s 3bet: %s Call" % (a, b, a), call))
        oop.append(("%s vs %s 3bet: %s 4bet" % (a, b, a), four))
    for a in ["UTG", "HJ", "CO", "BTN"]:
        for b in ["SB", "BB"]:
            call, four = blk.vs_3bet(blk.w(RFI[a], "rfi"), _vs3_shares(a, b))
            ip.append(("%s vs %s 3bet: %s Call" % (a, b, a), call))
            ip.append(("%s vs %s 3bet: %s 4bet" % (a, b, a), four))
    for opener in ["UTG", "HJ", "CO", "BTN"]:
        for blind in ["SB", "BB"]:
            oop.append(("%s 3bet vs %s 4bet: %s Call" % (blind, opener, blind), blk.vs_4bet(VS_4BET[opener])))
    for three, four in [("HJ", "UTG"), ("CO", "UTG"), ("BTN", "UTG"), ("CO", "HJ"), ("BTN", "HJ"), ("BTN", "CO"), ("BB", "SB")]:
        ip.append(("%s 3bet vs %s 4bet: %s Call" % (three, four, three), blk.vs_4bet(VS_4BET[four])))
    return oop, ip


def heads_up_block(blk):
    call, three = blk.vs_rfi("SB", "BB", HU_BB_VS_SB)
    sb_call, sb_four = blk.vs_3bet(blk.w(HU_RFI, "rfi"), HU_SB_VS_3BET)
    oop = [("vs RFI SB: Call BB", call), ("vs RFI SB: 3bet BB", three),
           ("BB 3bet vs SB 4bet: BB Call", blk.vs_4bet(HU_VS_4BET))]
    ip = [("RFI SB", blk.rfi("SB", HU_RFI)), ("SB vs BB 3bet: SB Call", sb_call), ("SB vs BB 3bet: SB 4bet", sb_four)]
    return oop, ip


def standard_library():
    seats = {"oop": [], "ip": []}
    for stack in STACKS:
        for rake in RAKES:
            oop, ip = six_max_block(Block(stack, rake))
            for seat, entries in (("oop", oop), ("ip", ip)):
                seats[seat] += [{"name": "6-max / %s / %s / %s" % (stack, rake, s), "value": v} for s, v in entries]
    for rake in RAKES:
        oop, ip = heads_up_block(Block("100bb", rake))
        for seat, entries in (("oop", oop), ("ip", ip)):
            seats[seat] += [{"name": "Heads up / %s / %s" % (rake, s), "value": v} for s, v in entries]
    return {"oop": {"standard": seats["oop"]}, "ip": {"standard": seats["ip"]}}


# ---- player types ----

PASSIVE_ARCHETYPES = [("Passive tight (VPIP 18\u201325)", "tight", 0.7),
                      ("Passive neutral (VPIP 25\u201335)", "neutral", 1.0),
                      ("Passive loose (VPIP 35\u201345)", "loose", 1.45),
                      ("Extreme loose (VPIP 45\u201365)", "extreme", 2.3)]
LAG_ARCHETYPES = [("Standard LAG (VPIP 28\u201340)", "Standard LAG", 1.0), ("Maniac (VPIP 45\u201370)", "Maniac", 1.8)]

# position -> leaf -> band [from, to] in percent, scaled by the factor;
# "Check back" (None) is every hand the big blind does not 3-bet.
# Passive players limp what they do not raise, raise only strong hands and
# rarely put in a third or fourth bet.
PASSIVE_BANDS = {
    "UTG/HJ/CO": {"Limp": (8, 22), "Limp-call": (8, 16), "Limp-3b": (0, 1.5), "RFI": (0, 8), "3b": (0, 2.5),
                  "Call 3b": (2.5, 7), "4b": (0, 1.5), "Call 4b": (1, 2.5)},
    "SB": {"Limp": (8, 35), "Limp-3b": (0, 1.5), "RFI": (0, 8), "3b": (0, 3), "4b": (0, 1.5),
           "Call 3b": (2.5, 8), "Call 4b": (1, 3)},
    "BB": {"Check back": None, "Call raise": (3, 30), "3b": (0, 3), "Call 4b": (1, 3)},
    "": {"3b cold call": (2, 6)},
}
# Loose-aggressive players open and re-raise wide and call little.
LAG_BANDS = {
    "UTG/HJ/CO": {"RFI": (0, 28), "3b": (0, 9), "Call 3b": (6, 14), "4b": (0, 6), "Call 4b": (1, 4)},
    "SB": {"RFI": (0, 50), "3b": (0, 14), "4b": (0, 6), "Call 3b": (6, 16), "Call 4b": (1, 4)},
    "BB": {"Call raise": (12, 50), "3b": (0, 12), "Call 4b": (1, 4)},
}
# Overfolders: a regular's top hands only.
NIT_BANDS = {
    "UTG/HJ/CO": {"RFI": (0, 12), "3b": (0, 3), "Call 3b": (2, 5), "4b": (0, 1.5), "Call 4b": (0.9, 2.2)},
    "SB": {"RFI": (0, 20), "3b": (0, 4), "4b": (0, 1.5), "Call 3b": (2, 6), "Call 4b": (0.9, 2.2)},
    "BB": {"Check back": None, "Call raise": (3, 18), "3b": (0, 3), "Call 4b": (0.9, 2.2)},
}

# Leaves per seat and position, in the order the library lists them.
PASSIVE_LEAVES = {
    "oop": [("UTG/HJ/CO", ["Limp", "Limp-call", "Limp-3b", "RFI", "Call 3b", "4b"]),
            ("SB", ["Limp", "Limp-3b", "RFI", "3b", "4b", "Call 3b", "Call 4b"]),
            ("BB", ["Check back", "Call raise", "3b", "Call 4b"])],
    "ip": [("UTG/HJ/CO", ["Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"]),
           ("BU", ["Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"]),
           ("BB", ["Call raise", "3b", "Call 4b"])],
}
LAG_LEAVES = {
    "oop": [("UTG/HJ/CO", ["RFI", "Call 3b", "4b"]), ("SB", ["RFI", "3b", "4b", "Call 3b", "Call 4b"]),
            ("BB", ["Call raise", "3b", "Call 4b"])],
    "ip": [("UTG/HJ/CO", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]),
           ("BU", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]), ("BB", ["Call", "3b"])],
}
NIT_LEAVES = {
    "oop": [("UTG/HJ/CO", ["RFI", "Call 3b", "4b"]), ("SB", ["RFI", "3b", "4b", "Call 3b", "Call 4b"]),
            ("BB", ["Check back", "Call raise", "3b", "Call 4b"])],
    "ip": [("UTG/HJ/CO", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]),
           ("BU", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]), ("BB", ["Call raise", "3b", "Call 4b"])],
}


def band_table(bands, factor, order):
    table = {}
    for pos, leaves in bands.items():
        table[pos] = {}
        for leaf, edges in leaves.items():
            if leaf == "Check back":
                # Everything the big blind does not raise.
                lo, hi = leaves["3b"][1] * factor, 100
            else:
                lo, hi = edges[0] * factor, edges[1] * factor
            table[pos][leaf] = range_text(band(order, lo, hi, step=0), plain=True)
        if "Call raise" in table[pos]:
            table[pos]["Call"] = table[pos]["Call raise"]
    return table


def population_tables():
    order = ordering(100)
    passive = {key: band_table(PASSIVE_BANDS, f, order) for _, key, f in PASSIVE_ARCHETYPES}
    # Extreme-loose players never raise a limped pot from the big blind.
    passive["extreme"]["BB"]["Check back"] = "100%"
    lag = {key: band_table(LAG_BANDS, f, order) for _, key, f in LAG_ARCHETYPES}
    nit = band_table(NIT_BANDS, 1.0, order)
    return passive, lag, nit


def _positions(seat, leaves, values):
    out = []
    for pos, names in leaves[seat]:
        table = values.get("UTG/HJ/CO" if pos == "BU" else pos, {})
        out.append({"type": "folder", "name": pos, "children": [{"name": n, "value": table.get(n, "")} for n in names]})
    return out


def standard_subtree(entries):
    """The scenario folders of one rake block, as the page builds them."""
    folders = {name: [] for name in ["RFI", "vs RFI", "vs 3bet", "vs 4bet"]}
    subs = {}

    def sub(scenario, name):
        key = (scenario, name)
        if key not in subs:
            subs[key] = {"type": "folder", "name": name, "children": []}
            folders[scenario].append(subs[key])
        return subs[key]["children"]

    for spot, value in entries:
        if spot.startswith("RFI "):
            folders["RFI"].append({"name": spot[4:], "value": value})
        elif spot.startswith("vs RFI "):
            opener, leaf = spot[7:].split(": ")
            sub("vs RFI", "vs %s RFI" % opener).append({"name": leaf, "value": value})
        else:
            spot_name, leaf = spot.split(": ")
            scenario = "vs 4bet" if "3bet vs" in spot_name and "4bet" in spot_name else "vs 3bet"
            sub(scenario, spot_name).append({"name": leaf, "value": value})
    return [{"type": "folder", "name": n, "children": c} for n, c in folders.items()]


def _plain_entries(entries):
    """The same spots with every weight dropped."""
    return [(s, ", ".join(t.split(":")[0] for t in v.split(", ")) if v else "") for s, v in entries]


def exploit_library(passive, lag, nit):
    regs = {"oop": [], "ip": []}
    for name, extra in [("Tighter reg", 0.85), ("Looser reg", 1.2)]:
        oop, ip = six_max_block(Block("100bb", "No rake", extra))
        for seat, entries in (("oop", oop), ("ip", ip)):
            regs[seat].append({"type": "folder", "name": name, "children": standard_subtree(_plain_entries(entries))})
    out = {"format": "halvory_ranges_export", "version": 1, "generatedAt": "2026-01-01T00:00:00.000Z"}
    for seat in ("oop", "ip"):
        tree = [
            {"type": "folder", "name": "Passive (VPIP 18\u201365)", "children": [
                {"type": "folder", "name": name, "children": _positions(seat, PASSIVE_LEAVES, passive[key])
                 + [{"name": "3b cold call", "value": passive[key][""]["3b cold call"]}]}
                for name, key, _ in PASSIVE_ARCHETYPES]},
            {"type": "folder", "name": "Loose aggressive (VPIP 28\u201370)", "children": [
                {"type": "folder", "name": name, "children": _positions(seat, LAG_LEAVES, lag[key])}
                for name, key, _ in LAG_ARCHETYPES]},
            {"type": "folder", "name": "Weaker regs", "children": regs[seat]},
            {"type": "folder", "name": "Overfolder (10-22 VPIP)", "children": [
                {"type": "folder", "name": "Nit", "children": _positions(seat, NIT_LEAVES, nit)}]},
            {"type": "folder", "name": "Other", "children": [{"name": "Bomb pot", "value": "100%"}]},
        ]
        out[seat] = {"standard": [], "exploit": tree}
    return out


def table_script(passive, lag):
    return (".pragma library\n"
            "// Generated by scripts/generate_range_libraries.py; edit the script, not this file.\n\n"
            "// Player-type ranges by archetype, position and action (position \"\" for\n"
            "// the ones without a position).\n"
            "var PASSIVE = " + json.dumps(passive, indent=2, ensure_ascii=False) + "\n\n"
            "var LOOSE_AGGRESSIVE = " + json.dumps(lag, indent=2, ensure_ascii=False) + "\n\n"
            "// The archetype folders, and per seat the position folders with their\n"
            "// leaves, in the order the library lists them.\n"
            "var PASSIVE_ARCHETYPES = " + json.dumps([a[0] for a in PASSIVE_ARCHETYPES], ensure_ascii=False) + "\n"
            "var LAG_ARCHETYPES = " + json.dumps([a[0] for a in LAG_ARCHETYPES], ensure_ascii=False) + "\n"
            "var PASSIVE_LEAVES = " + json.dumps(PASSIVE_LEAVES, ensure_ascii=False) + "\n"
            "var LAG_LEAVES = " + json.dumps(LAG_LEAVES, ensure_ascii=False) + "\n"
            "var NIT_LEAVES = " + json.dumps(NIT_LEAVES, ensure_ascii=False) + "\n")


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    passive, lag, nit = population_tables()
    outputs = {
        "qml/data/standard_ranges.json": json.dumps(standard_library(), indent=2, ensure_ascii=False) + "\n",
        "qml/data/exploit_ranges.json": json.dumps(exploit_library(passive, lag, nit), indent=2, ensure_ascii=False) + "\n",
        "qml/pages/populationTable.js": table_script(passive, lag),
    }
    for rel, text in outputs.items():
        path = os.path.join(root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        sys.stdout.write("%s: %d bytes\n" % (rel, len(text.encode("utf-8"))))


if __name__ == "__main__":
    main()
