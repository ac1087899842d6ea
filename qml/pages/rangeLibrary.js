.pragma library
// The range libraries' trees: folders and named ranges, cleaned on every
// read, walked into the rows the range columns list (one open folder per
// level, an accordion), and edited on fresh copies. Nothing here touches the
// page or the settings store.

.import "settingsProfiles.js" as Profiles

function _text(value) {
    var type = typeof value
    return type === "string" ? value : type === "number" || type === "boolean" ? String(value) : ""
}

// Folders deeper than this are not listed (they stay in the store).
var MAX_DEPTH = 40

// A clean copy: nodes without a name dropped with their children, an id
// where one is missing (from `makeId`, or else one derived from the parent
// and the name, the same on every read), folders recognised by their type or
// a children list, range values kept as written.
// An id met again in the tree (a store edited by hand) is told apart by a
// suffix, the same on every read, so that each row is one node.
function sanitizeTree(list, makeId) {
    return _clean(list, makeId, "", 0, null, Object.create(null))
}

// The clean copy of a tree the page holds, kept for the last few trees
// asked for: the page's trees are replaced, never changed in place, and
// each list of rows asks for its tree again whenever any of its inputs
// changes.
var _cleanCache = []

// Tells the cache that `tree` is clean already (a tree made by treeOf).
function rememberClean(tree) {
    _cleanCache.unshift({ tree: tree, clean: tree })
    if (_cleanCache.length > 6)
        _cleanCache.pop()
    return tree
}

function cleanTreeOf(tree, makeId) {
    for (var i = 0; i < _cleanCache.length; ++i)
        if (_cleanCache[i].tree === tree)
            return _cleanCache[i].clean
    var clean = sanitizeTree(tree, makeId)
    _cleanCache.unshift({ tree: tree, clean: clean })
    if (_cleanCache.length > 6)
        _cleanCache.pop()
    return clean
}

// `link(clean, raw, rawList, index)`, when given, is told which stored node
// (at `index` of `rawList`) each clean node came from; `ids` holds the ids
// given so far (a plain map: the script engine's Set and Map look keys up
// one by one, which a large library cannot afford).
function _clean(list, makeId, parentId, depth, link, ids) {
    if (!Array.isArray(list) || depth >= MAX_DEPTH)
        return []
    var out = []
    var seen = Object.create(null)
    list.forEach(function (node, index) {
        if (!node || typeof node !== "object" || Array.isArray(node))
            return
        var name = _text(node.name).trim()
        if (name === "")
            return
        var id = _text(node.id).trim()
        if (id === "") {
            seen[name] = (seen[name] || 0) + 1
            id = makeId ? makeId() : parentId + "/" + name + "#" + seen[name]
        }
        if (ids[id] === true) {
            var k = 2
            while (ids[id + "~" + k] === true)
                ++k
            id = id + "~" + k
        }
        ids[id] = true
        var clean
        if (node.type === "folder" || Array.isArray(node.children))
            clean = { id: id, type: "folder", name: name, children: _clean(node.children, makeId, id, depth + 1, link, ids) }
        else
            clean = { id: id, type: "range", name: name, value: _text(node.value) }
        if (link)
            link(clean, node, list, index)
        out.push(clean)
    })
    return out
}

// Stored text read back: { ok, tree }; see Profiles.readEntries.
function readStoredTree(text, makeId) {
    var stored = Profiles.readStoredList(text)
    return { ok: stored.ok, tree: sanitizeTree(stored.list, makeId) }
}

// ---- Stored entries ----
// The store's tree is edited where it lies: entries that cannot be read,
// and stored fields this version does not know, are written back as they
// were.

function _readable(entries) {
    return entries.map(function (e) { return e.text === undefined ? e.value : null })
}

// The readable tree of stored entries. The tree is kept with the entries
// until they change (only the functions here change them in place), so
// that an edit of a large list need not clean it again.
function treeOf(entries) {
    if (entries.cleanTree !== undefined)
        return entries.cleanTree
    var tree = sanitizeTree(_readable(entries), null)
    entries.cleanTree = tree
    return tree
}

// The tree entries made to hold `tree` (clean, with ids); see
// Profiles.entriesHolding. A top-level entry stays as stored while its
// whole clean node is in `tree`.
function entriesWithTree(entries, tree) {
    var values = _readable(entries)
    var cleaned = values.map(function () { return null })
    _clean(values, null, "", 0, function (clean, raw, rawList, index) {
        if (rawList === values)
            cleaned[index] = clean
    }, Object.create(null))
    return Profiles.entriesHolding(entries, cleaned, tree)
}

// The stored node and the stored list holding it, for the node of that id
// in treeOf(entries), with the top-level entry it lies in (`entry`); null
// when there is none. The top level's list is the readable values of the
// entries.
function _locate(entries, id) {
    var values = _readable(entries)
    var found = null
    // Nodes are told after the nodes inside them: the first top-level node
    // told after the one sought holds it.
    _clean(values, null, "", 0, function (clean, raw, rawList, index) {
        if (!found && clean.id === String(id))
            found = { raw: raw, list: rawList, top: rawList === values }
        if (found && found.entry === undefined && rawList === values)
            found.entry = entries[index]
    }, Object.create(null))
    return found
}

// Adds `node` to folder `folderId` of the stored entries (at the top level
// for "" or a folder no longer there), its name made unique among its new
// siblings. Returns the name it got.
function addToEntries(entries, folderId, node, uniqueName) {
    return addToEntriesWithTree(entries, folderId, node, uniqueName).name
}

// As addToEntries; returns { name, tree }, `tree` being treeOf(entries)
// after the addition, made without reading the whole list again.
function addToEntriesWithTree(entries, folderId, node, uniqueName) {
    var before = treeOf(entries)
    var folder = folderId === "" ? null : findNode(before, folderId)
    var place = folder && isFolder(folder) ? _locate(entries, folderId) : null
    var added = {}
    for (var key in node)
        added[key] = node[key]
    added.name = uniqueName(folder && place ? folder.children : before, node.name)
    // The new node is cleaned on its own; the tree shown before is left as
    // it was.
    var clean = sanitizeTree([added], null)[0]
    var tree
    if (place) {
        if (!Array.isArray(place.raw.children))
            place.raw.children = []
        place.raw.children.push(added)
        Profiles.markChanged(place.entry)
        tree = _withChildAdded(before, folder.id, clean)
    } else {
        entries.push({ value: added })
        tree = before.concat([clean])
    }
    entries.cleanTree = tree
    return { name: added.name, tree: tree }
}

// A copy of a clean tree with `clean` added to the folder of that id: the
// folders on its path are new, every other node is shared.
function _withChildAdded(nodes, folderId, clean) {
    return nodes.map(function (node) {
        if (!isFolder(node))
            return node
        if (node.id === folderId)
            return { id: node.id, type: "folder", name: node.name, children: node.children.concat([clean]) }
        if (!findNode(node.children, folderId))
            return node
        return { id: node.id, type: "folder", name: node.name, children: _withChildAdded(node.children, folderId, clean) }
    })
}

// Removes the node of that id, and everything below it, from the stored
// entries. Returns whether one was found.
function removeFromEntries(entries, id) {
    var top = _topLevelPlace(entries, String(id))
    if (top) {
        entries.splice(top.entry, 1)
        entries.cleanTree = top.tree
        return true
    }
    var place = _locate(entries, id)
    if (!place)
        return false
    delete entries.cleanTree
    if (place.top) {
        for (var i = 0; i < entries.length; ++i)
            if (entries[i].text === undefined && entries[i].value === place.raw) {
                entries.splice(i, 1)
                break
            }
    } else {
        place.list.splice(place.list.indexOf(place.raw), 1)
        Profiles.markChanged(place.entry)
    }
    return true
}

// A top-level node of the tree kept with the entries that carries its own
// id, met nowhere else in the tree: { entry, tree }, the index of its entry
// and the tree without it, found without cleaning the whole list again.
// null otherwise (an id made on reading, or told apart by a suffix, would
// change for other nodes once it is gone).
function _topLevelPlace(entries, id) {
    var tree = entries.cleanTree
    if (tree === undefined)
        return null
    var index = -1
    for (var i = 0; i < tree.length && index < 0; ++i)
        if (tree[i].id === id)
            index = i
    if (index < 0)
        return null
    // The entries that give a top-level node, as cleaning tells them; when
    // each entry gives one (no entry unreadable or nameless), the node's.
    var entry = entries.length === tree.length ? index : -1
    for (var e = 0, k = -1; e < entries.length && entry < 0; ++e) {
        var value = entries[e].text === undefined ? entries[e].value : null
        if (value && typeof value === "object" && !Array.isArray(value) && _text(value.name).trim() !== "" && ++k === index)
            entry = e
    }
    if (entry < 0 || _text(entries[entry].value.id).trim() !== id || _suffixedId(tree, id + "~"))
        return null
    return { entry: entry, tree: tree.slice(0, index).concat(tree.slice(index + 1)) }
}

function _suffixedId(nodes, prefix) {
    return nodes.some(function (node) {
        return node.id.indexOf(prefix) === 0 || (isFolder(node) && _suffixedId(node.children, prefix))
    })
}

function isFolder(node) {
    return !!node && node.type === "folder"
}

// Depth first, in tree order; null for an empty or unknown id.
function findNode(nodes, id) {
    if (_text(id) === "" || !Array.isArray(nodes))
        return null
    for (var i = 0; i < nodes.length; ++i) {
        var node = nodes[i]
        if (!node)
            continue
        if (String(node.id) === String(id))
            return node
        var inside = findNode(node.children, id)
        if (inside)
            return inside
    }
    return null
}

// The id of the folder that holds the node directly; "" at the top level
// and for an unknown id.
function findParentFolderId(nodes, id, parentFolderId) {
    function search(list, parent) {
        for (var i = 0; i < (Array.isArray(list) ? list.length : 0); ++i) {
            var node = list[i]
            if (!node)
                continue
            if (String(node.id) === String(id))
                return parent
            var found = search(node.children, String(node.id))
            if (found !== null)
                return found
        }
        return null
    }
    var found = search(nodes, _text(parentFolderId))
    return found === null ? "" : found
}

// Every node below a folder, sub-folders included; 0 for a range.
function countDescendants(node) {
    if (!isFolder(node) || !Array.isArray(node.children))
        return 0
    return node.children.reduce(function (sum, child) { return sum + 1 + countDescendants(child) }, 0)
}

// The ranges below a folder, at every depth; 0 for a range.
function countRanges(node) {
    if (!isFolder(node) || !Array.isArray(node.children))
        return 0
    return node.children.reduce(function (sum, child) {
        return sum + (isFolder(child) ? countRanges(child) : 1)
    }, 0)
}

// The rows a column lists: at each level the first open folder stands
// alone and its contents follow one step deeper; without one, the whole
// level is listed and no folder's contents are.
function flatten(tree, openIds, displayName) {
    var rows = []
    var open = openIds || Object.create(null)
    function walk(nodes, depth, parentId) {
        var openFolder = null
        for (var i = 0; i < nodes.length && !openFolder; ++i)
            if (isFolder(nodes[i]) && Object.prototype.hasOwnProperty.call(open, nodes[i].id) && open[nodes[i].id] === true)
                openFolder = nodes[i]
        var shown = openFolder ? [openFolder] : nodes
        shown.forEach(function (node) {
            var row = { id: node.id, kind: isFolder(node) ? "folder" : "range", name: node.name,
                        displayName: displayName(node.name), depth: depth, parentFolderId: parentId }
            if (!isFolder(node))
                row.value = node.value
            rows.push(row)
            if (node === openFolder)
                walk(node.children, depth + 1, String(node.id))
        })
    }
    walk(tree || [], 0, "")
    return rows
}

function _copy(map) {
    var out = Object.create(null)
    for (var key in map)
        out[key] = map[key]
    return out
}

// The open-folder map after a click on a folder: an open folder closes
// (the folders inside it keep their marks); a closed one opens and its
// sibling folders close.
function toggledOpenFolders(tree, openIds, folderId) {
    var out = _copy(openIds || {})
    if (out[folderId] === true) {
        delete out[folderId]
        return out
    }
    var parentId = findParentFolderId(tree, folderId, "")
    var siblings = parentId === "" ? tree : (findNode(tree, parentId) || {}).children || []
    siblings.forEach(function (node) {
        if (isFolder(node))
            delete out[node.id]
    })
    out[folderId] = true
    return out
}

// The folder a new node goes into: the selected folder, the folder of the
// selected range, or "" (the top level).
function targetFolderId(tree, selectedId) {
    var selected = findNode(tree, selectedId)
    if (!selected)
        return ""
    return isFolder(selected) ? String(selected.id) : findParentFolderId(tree, selectedId, "")
}

// Appends `node` to folder `folderId` ("" = top level) of a clean copy,
// with its name made unique among its new siblings. Returns the new tree.
function withNodeAdded(tree, folderId, node, makeId, uniqueName) {
    var entries = sanitizeTree(tree, makeId).map(function (n) { return { value: n } })
    addToEntries(entries, folderId, node, uniqueName)
    return entries.map(function (e) { return e.value })
}

// A clean copy without the node and everything below it.
function withNodeRemoved(tree, id, makeId) {
    var entries = sanitizeTree(tree, makeId).map(function (n) { return { value: n } })
    removeFromEntries(entries, id)
    return entries.map(function (e) { return e.value })
}

// The open marks of folders that still exist.
function existingOpenFolders(tree, openIds) {
    var out = Object.create(null)
    for (var key in openIds || {})
        if (openIds[key] === true && isFolder(findNode(tree, key)))
            out[key] = true
    return out
}

// The name an imported file proposes: its decoded last path segment
// without a final ".txt" in any case ("my%20range.TXT" -> "my range").
function importNameFromUrl(url) {
    var s = url === undefined || url === null ? "" : String(url)
    s = s.substring(s.lastIndexOf("/") + 1)
    s = s.substring(s.lastIndexOf("\\") + 1)
    try {
        s = decodeURIComponent(s)
    } catch (e) {
        // A stray "%" is part of the name.
    }
    return s.replace(/\.txt$/i, "")
}
