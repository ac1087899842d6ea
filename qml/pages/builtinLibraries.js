.pragma library
// The built-in Standard and Population libraries: the flat Standard list
// sorted into folders by table, stack, rake and spot; the Population
// template and how a stored Population tree is completed from it; the
// developers' path-keyed overrides; and both export shapes. Nothing here
// touches the page or the settings store.

.import "rangeLibrary.js" as Library
.import "populationTable.js" as Table

var STACKS = ["50bb", "100bb", "150bb", "200bb"]
var RAKES = ["No rake", "50nl rake", "100nl rake", "200nl rake", "500nl rake"]
var SCENARIOS = ["RFI", "vs RFI", "vs 3bet", "vs 4bet"]
var SEATS = ["oop", "ip"]
// Population position folders; their names are not translated.
var POPULATION_POSITIONS = ["UTG/HJ/CO", "UTG", "HJ", "CO", "BTN", "BU", "SB", "BB"]
var HEADS_UP = "Heads up"
var SEP = " / "

function _text(value) {
    var type = typeof value
    return type === "string" ? value : type === "number" || type === "boolean" ? String(value) : ""
}

function _folder(name, makeId) {
    return { id: makeId(), type: "folder", name: name, children: [] }
}

function _child(folder, name, makeId) {
    for (var i = 0; i < folder.children.length; ++i)
        if (Library.isFolder(folder.children[i]) && folder.children[i].name === name)
            return folder.children[i]
    var made = _folder(name, makeId)
    folder.children.push(made)
    return made
}

// Entries without a name are dropped; names trimmed, values kept.
function sanitizePresetList(list) {
    if (!Array.isArray(list))
        return []
    var out = []
    list.forEach(function (entry) {
        if (!entry || typeof entry !== "object")
            return
        var name = _text(entry.name).trim()
        if (name !== "")
            out.push({ name: name, value: _text(entry.value) })
    })
    return out
}

// "50nl rake / RFI UTG" -> { rake: "50nl rake", rest: "RFI UTG" }; a name
// without a known rake in front is a no-rake spot as a whole.
function splitRake(name) {
    var s = _text(name).trim()
    var at = s.indexOf(SEP, 1)
    if (at > 0) {
        var head = s.substring(0, at).trim()
        if (RAKES.indexOf(head) >= 0)
            return { rake: head, rest: s.substring(at + SEP.length).trim() }
    }
    return { rake: "No rake", rest: s }
}

// The text before and after the first ":", both trimmed; null when either
// is empty.
function _spotAndLeaf(s) {
    var at = s.indexOf(":")
    if (at < 0)
        return null
    var spot = s.substring(0, at).trim(), leaf = s.substring(at + 1).trim()
    return spot !== "" && leaf !== "" ? { spot: spot, leaf: leaf } : null
}

// The folders below the rake and the leaf name of a spot.
function routeSpot(rest) {
    if (rest.indexOf("RFI ") === 0)
        return { folders: ["RFI"], leaf: rest.substring(4).trim() }
    if (rest.indexOf("vs RFI ") === 0) {
        var after = rest.substring(7).trim()
        var pair = _spotAndLeaf(after)
        return pair ? { folders: ["vs RFI", "vs " + pair.spot + " RFI"], leaf: pair.leaf }
                    : { folders: ["vs RFI"], leaf: after }
    }
    var scenario = rest.indexOf("3bet vs") >= 0 && rest.indexOf("4bet") >= 0 ? "vs 4bet"
                 : rest.indexOf("3bet") >= 0 && rest.indexOf(":") >= 0 ? "vs 3bet" : ""
    if (scenario === "")
        return { folders: [], leaf: rest }
    var split = _spotAndLeaf(rest)
    return split ? { folders: [scenario, split.spot], leaf: split.leaf } : { folders: [scenario], leaf: rest }
}

// One six-handed stack folder: every rake and scenario folder exists, even
// empty; sub-folders in the order of their first entry.
function build6MaxTree(flat, rootLabel, makeId) {
    var root = _folder(rootLabel || "6-max, 100bb", makeId)
    RAKES.forEach(function (rake) {
        var folder = _child(root, rake, makeId)
        SCENARIOS.forEach(function (s) { _child(folder, s, makeId) })
    })
    sanitizePresetList(flat).forEach(function (entry) {
        var split = splitRake(entry.name)
        var route = routeSpot(split.rest)
        var folder = _child(root, split.rake, makeId)
        route.folders.forEach(function (name) { folder = _child(folder, name, makeId) })
        folder.children.push({ id: makeId(), type: "range", name: route.leaf, value: entry.value })
    })
    return root
}

// Heads-up spots sit directly in their rake folder under their whole name.
function buildHeadsUpTree(flat, makeId) {
    var root = _folder(HEADS_UP, makeId)
    RAKES.forEach(function (rake) { _child(root, rake, makeId) })
    sanitizePresetList(flat).forEach(function (entry) {
        var split = splitRake(entry.name)
        _child(root, split.rake, makeId).children.push({ id: makeId(), type: "range", name: split.rest, value: entry.value })
    })
    return root
}

// The five top folders: one per stack, then heads-up. Names without a
// stack belong to 100bb; "6-max" and the stack are taken out of the name.
function buildStandardTree(flat, makeId) {
    var buckets = {}, headsUp = []
    STACKS.forEach(function (s) { buckets[s] = [] })
    sanitizePresetList(flat).forEach(function (entry) {
        var parts = entry.name.split(SEP).map(function (p) { return p.trim() }).filter(function (p) { return p !== "" })
        var hu = parts.indexOf(HEADS_UP), six = parts.indexOf("6-max")
        if (hu >= 0 && (six < 0 || hu < six)) {
            parts.splice(hu, 1)
            headsUp.push({ name: parts.join(SEP), value: entry.value })
            return
        }
        if (six >= 0)
            parts.splice(six, 1)
        var stack = "100bb"
        for (var i = 0; i < parts.length; ++i) {
            if (STACKS.indexOf(parts[i]) >= 0) {
                stack = parts[i]
                parts.splice(i, 1)
                break
            }
        }
        buckets[stack].push({ name: parts.join(SEP), value: entry.value })
    })
    var out = STACKS.map(function (s) { return build6MaxTree(buckets[s], "6-max, " + s, makeId) })
    out.push(buildHeadsUpTree(headsUp, makeId))
    return out
}

// "AA, 88:0.8 KQs:.5" -> "AA, 88, KQs": tokens split on commas and blanks,
// each without its trailing ":number".
function stripWeightsText(text) {
    var s = _text(text)
    if (s.trim() === "")
        return ""
    return s.split(/[,\s]+/).map(function (t) { return t.trim().replace(/:\d*\.?\d+$/, "") })
        .filter(function (t) { return t !== "" }).join(", ")
}

function cloneTreeStripWeights(nodes, makeId) {
    return Library.sanitizeTree(nodes, makeId).map(function clone(node) {
        if (Library.isFolder(node))
            return { id: makeId(), type: "folder", name: node.name, children: node.children.map(clone) }
        return { id: makeId(), type: "range", name: node.name, value: stripWeightsText(node.value) }
    })
}

// ---- Population template ----

// The folders and leaves come with their values from the generated table.
var PASSIVE_ARCHETYPES = Table.PASSIVE_ARCHETYPES
var LAG_ARCHETYPES = Table.LAG_ARCHETYPES
var PASSIVE_LEAVES = Table.PASSIVE_LEAVES
var LAG_LEAVES = Table.LAG_LEAVES
var NIT_LEAVES = Table.NIT_LEAVES

function passiveKey(archetype) {
    var s = _text(archetype).toLowerCase()
    return s.indexOf("passive tight") >= 0 ? "tight" : s.indexOf("passive neutral") >= 0 ? "neutral"
         : s.indexOf("passive loose") >= 0 ? "loose" : s.indexOf("extreme loose") >= 0 ? "extreme" : "neutral"
}

function lagKey(archetype) {
    return _text(archetype).toLowerCase().indexOf("maniac") >= 0 ? "Maniac" : "Standard LAG"
}

// The table's value, "" when it has none; "BU" plays as "UTG/HJ/CO".
function tableValue(table, position, leaf) {
    var byPosition = table ? table[position === "BU" ? "UTG/HJ/CO" : position] : null
    var value = byPosition ? byPosition[leaf] : undefined
    return value === undefined ? "" : String(value)
}

function _positions(leaves, table, makeId) {
    return leaves.map(function (p) {
        var folder = _folder(p[0], makeId)
        folder.children = p[1].map(function (leaf) {
            return { id: makeId(), type: "range", name: leaf, value: tableValue(table, p[0], leaf) }
        })
        return folder
    })
}

// The children of the regulars' folders: the no-rake folder of the 100bb
// stack (or of an older "6-max" folder), else the stack folder's children.
function _regularSpots(standardTree, makeId) {
    var top = null
    ;(standardTree || []).forEach(function (node) {
        if (!top && Library.isFolder(node) && (node.name === "6-max, 100bb" || node.name === "6-max"))
            top = node
    })
    if (!top)
        return []
    var noRake = null
    top.children.forEach(function (node) {
        if (!noRake && Library.isFolder(node) && node.name === "No rake")
            noRake = node
    })
    return cloneTreeStripWeights(noRake ? noRake.children : top.children, makeId)
}

function buildExploitTree(player, standardTree, makeId) {
    var seat = player === "oop" ? "oop" : "ip"
    function group(name, children) {
        var folder = _folder(name, makeId)
        folder.children = children
        return folder
    }
    var passive = PASSIVE_ARCHETYPES.map(function (name) {
        var table = Table.PASSIVE[passiveKey(name)]
        var children = _positions(PASSIVE_LEAVES[seat], table, makeId)
        children.push({ id: makeId(), type: "range", name: "3b cold call", value: tableValue(table, "", "3b cold call") })
        return group(name, children)
    })
    var lag = LAG_ARCHETYPES.map(function (name) {
        return group(name, _positions(LAG_LEAVES[seat], Table.LOOSE_AGGRESSIVE[lagKey(name)], makeId))
    })
    return [
        group("Passive (VPIP 18\u201365)", passive),
        group("Loose aggressive (VPIP 28\u201370)", lag),
        group("Weaker regs", [group("Tighter reg", _regularSpots(standardTree, makeId)),
                              group("Looser reg", _regularSpots(standardTree, makeId))]),
        group("Overfolder (10-22 VPIP)", [group("Nit", _positions(NIT_LEAVES[seat], null, makeId))]),
        group("Other", [{ id: makeId(), type: "range", name: "Bomb pot", value: "100%" }])
    ]
}

// A stored tree without a folder at its top is replaced by the template;
// otherwise the template's top folders it lacks are appended.
function completePopulationTree(fileTree, template, makeId) {
    var file = Library.sanitizeTree(fileTree, makeId)
    var tmpl = Library.sanitizeTree(template, makeId)
    if (!file.some(Library.isFolder))
        return tmpl
    var names = Object.create(null)
    file.forEach(function (n) { if (Library.isFolder(n)) names[n.name] = true })
    tmpl.forEach(function (n) { if (!names[n.name]) file.push(n) })
    return file
}

// ---- Overrides ----

// A map or a list of {key, value}; keys trimmed, blank keys and blank
// values dropped, values kept as written.
function sanitizeOverrideMap(obj) {
    var out = Object.create(null)
    function put(key, value) {
        var k = _text(key).trim(), v = _text(value)
        if (k !== "" && v.trim() !== "")
            out[k] = v
    }
    if (Array.isArray(obj))
        obj.forEach(function (e) { if (e && typeof e === "object") put(e.key, e.value) })
    else if (obj && typeof obj === "object")
        for (var key in obj)
            put(key, obj[key])
    return out
}

// Stored text -> override map; blank or unreadable text gives none.
function readStoredOverrides(text) {
    var s = _text(text)
    if (s.trim() === "")
        return Object.create(null)
    try {
        return sanitizeOverrideMap(JSON.parse(s))
    } catch (e) {
        return Object.create(null)
    }
}

// Whether stored text holds something readStoredOverrides cannot read (and
// so would lose if written over).
function storedOverridesUnreadable(text) {
    var s = _text(text)
    if (s.trim() === "")
        return false
    try {
        JSON.parse(s)
        return false
    } catch (e) {
        return true
    }
}

// The keys under which a leaf's override may be stored, newest form first:
// its path, the older form without the 100bb stack (or with the stack as a
// part of its own), then the path under an older "6-max" or heads-up top.
function overrideKeys(key) {
    var keys = [key]
    var m = /^6-max, (\d+bb) \/ (.*)$/.exec(key)
    if (m)
        keys.push(m[1] === "100bb" ? "6-max / " + m[2] : "6-max / " + m[1] + " / " + m[2])
    keys.push("6-max / " + key, HEADS_UP + " / " + key)
    return keys
}

function applyOverrides(nodes, overrides, pathParts) {
    var map = overrides || {}
    return (nodes || []).map(function (node) {
        var path = (pathParts || []).concat([node.name])
        if (Library.isFolder(node))
            return { id: node.id, type: "folder", name: node.name, children: applyOverrides(node.children, map, path) }
        var value = node.value
        var keys = overrideKeys(path.join(SEP))
        for (var i = 0; i < keys.length; ++i) {
            var v = Object.prototype.hasOwnProperty.call(map, keys[i]) ? map[keys[i]] : undefined
            if (v !== undefined && v !== null && String(v) !== "") {
                value = String(v)
                break
            }
        }
        return { id: node.id, type: "range", name: node.name, value: value }
    })
}

// The path key of the range with that id; "" for a folder or unknown id.
function findPathKeyById(nodes, id, pathParts) {
    var list = Array.isArray(nodes) ? nodes : []
    for (var i = 0; i < list.length; ++i) {
        var node = list[i]
        if (!node)
            continue
        var path = (pathParts || []).concat([_text(node.name)])
        if (String(node.id) === String(id))
            return Library.isFolder(node) ? "" : path.join(SEP)
        if (Library.isFolder(node)) {
            var found = findPathKeyById(node.children, id, path)
            if (found !== "")
                return found
        }
    }
    return ""
}

function updateRangeValueById(nodes, id, value) {
    return (nodes || []).map(function (node) {
        if (Library.isFolder(node))
            return { id: node.id, type: "folder", name: node.name, children: updateRangeValueById(node.children, id, value) }
        return { id: node.id, type: "range", name: node.name,
                 value: String(node.id) === String(id) ? value : node.value }
    })
}

// ---- Exports ----

function stripIdsForExport(nodes) {
    return (nodes || []).map(function (node) {
        if (Library.isFolder(node))
            return { type: "folder", name: _text(node.name), children: stripIdsForExport(node.children) }
        return { name: _text(node.name), value: _text(node.value) }
    })
}

// The name a range below a rake folder had in the flat list.
function _restName(path, leaf) {
    if (path.length === 0)
        return leaf
    var first = path[0], next = path.length > 1 ? path[1] : null
    if (first === "RFI")
        return "RFI " + leaf
    if (first === "vs RFI") {
        var m = next === null ? null : /^vs (.*\S.*) RFI$/.exec(next)
        return m && m[1].trim() !== "" ? "vs RFI " + m[1].trim() + ": " + leaf : "vs RFI " + leaf
    }
    if (first === "vs 3bet" || first === "vs 4bet")
        return next === null ? leaf : next.trim() + ": " + leaf
    return path.join(SEP) + SEP + leaf
}

// The Standard tree back in the flat form it is built from.
function flattenStandardForExport(nodes, makeId) {
    var tree = Library.sanitizeTree(nodes, makeId)
    var tops = Object.create(null)
    tree.forEach(function (n) { if (Library.isFolder(n) && !tops[n.name]) tops[n.name] = n })
    var walk = STACKS.map(function (s) { return ["6-max, " + s, "6-max / " + s + SEP] })
        .concat([["6-max", ""], [HEADS_UP, HEADS_UP + SEP]])
    var out = []
    walk.forEach(function (w) {
        var top = tops[w[0]]
        if (!top)
            return
        top.children.filter(Library.isFolder).forEach(function (rakeFolder) {
            var rake = rakeFolder.name.trim()
            ;(function descend(children, path) {
                children.forEach(function (node) {
                    if (Library.isFolder(node))
                        return descend(node.children, path.concat([node.name]))
                    var leaf = node.name.trim()
                    if (rake !== "" && leaf !== "")
                        out.push({ name: w[1] + rake + SEP + _restName(path, leaf), value: node.value })
                })
            })(rakeFolder.children, [])
        })
    })
    return out
}
