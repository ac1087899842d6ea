.pragma library
// The range libraries' trees: folders and named ranges, cleaned on every
// read, walked into the rows the range columns list (one open folder per
// level, an accordion), and edited on fresh copies. Nothing here touches the
// page or the settings store.

.import "settingsProfiles.js" as Profiles

function _text(value) {
    return value === undefined || value === null ? "" : String(value)
}

// A clean copy: nodes without a name dropped with their children, a fresh
// id where one is missing, folders recognised by their type or a children
// list, range values kept as written.
function sanitizeTree(list, makeId) {
    if (!Array.isArray(list))
        return []
    var out = []
    list.forEach(function (node) {
        if (!node || typeof node !== "object")
            return
        var name = _text(node.name).trim()
        if (name === "")
            return
        var id = _text(node.id).trim() !== "" ? String(node.id) : makeId()
        if (node.type === "folder" || Array.isArray(node.children))
            out.push({ id: id, type: "folder", name: name, children: sanitizeTree(node.children, makeId) })
        else
            out.push({ id: id, type: "range", name: name, value: _text(node.value) })
    })
    return out
}

// Stored text read back: { ok, tree }; see Profiles.readStoredList.
function readStoredTree(text, makeId) {
    var stored = Profiles.readStoredList(text)
    return { ok: stored.ok, tree: sanitizeTree(stored.list, makeId) }
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

// The rows a column lists: at each level the first open folder stands
// alone and its contents follow one step deeper; without one, the whole
// level is listed and no folder's contents are.
function flatten(tree, openIds, displayName) {
    var rows = []
    var open = openIds || {}
    function walk(nodes, depth, parentId) {
        var openFolder = null
        for (var i = 0; i < nodes.length && !openFolder; ++i)
            if (isFolder(nodes[i]) && open[nodes[i].id] === true)
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
    var out = {}
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
    var copy = sanitizeTree(tree, makeId)
    var folder = folderId === "" ? null : findNode(copy, folderId)
    var siblings = folder ? folder.children : copy
    var added = _copy(node)
    added.name = uniqueName(siblings, node.name)
    siblings.push(added)
    return copy
}

// A clean copy without the node and everything below it.
function withNodeRemoved(tree, id, makeId) {
    function strip(nodes) {
        return nodes.filter(function (n) { return String(n.id) !== String(id) }).map(function (n) {
            if (isFolder(n))
                n.children = strip(n.children)
            return n
        })
    }
    return strip(sanitizeTree(tree, makeId))
}

// The open marks of folders that still exist.
function existingOpenFolders(tree, openIds) {
    var out = {}
    for (var key in openIds || {})
        if (openIds[key] === true && isFolder(findNode(tree, key)))
            out[key] = true
    return out
}

// The name an imported file proposes: its decoded last path segment
// without a final ".txt" in any case ("my%20range.TXT" -> "my range").
function importNameFromUrl(url) {
    var s = _text(url)
    s = s.substring(s.lastIndexOf("/") + 1)
    s = s.substring(s.lastIndexOf("\\") + 1)
    try {
        s = decodeURIComponent(s)
    } catch (e) {
        // A stray "%" is part of the name.
    }
    return s.replace(/\.txt$/i, "")
}
