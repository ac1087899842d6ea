.pragma library
// Project file names chosen in the save dialog.

// The chosen file with ".pellarisproj" added when its name has no suffix,
// so that the open dialog's default filter lists it again. A leading dot
// (a hidden file's name) is not a suffix.
function withProjectSuffix(fileUrl) {
    var text = String(fileUrl === undefined || fileUrl === null ? "" : fileUrl)
    if (text === "")
        return text
    var cut = text.search(/[?#]/)
    var path = cut < 0 ? text : text.slice(0, cut)
    var rest = cut < 0 ? "" : text.slice(cut)
    var name = path.slice(path.lastIndexOf("/") + 1)
    if (name === "" || name.lastIndexOf(".") > 0)
        return text
    return path + ".pellarisproj" + rest
}

// The folder that holds a file: its URL up to the last "/"; a bare path
// (as Qt's own dialog gives) becomes a file URL.
function folderOf(fileUrl) {
    var text = String(fileUrl === undefined || fileUrl === null ? "" : fileUrl)
    if (text.charAt(0) === "/")
        text = "file://" + text
    var cut = text.lastIndexOf("/")
    return cut <= "file://".length ? "" : text.slice(0, cut)
}

// A file URL as the user reads it: its local path, decoded.
function shownName(fileUrl) {
    var text = String(fileUrl)
    try {
        text = decodeURIComponent(text.replace(/^file:\/\//, ""))
    } catch (e) {
        // Keep the text as it came.
    }
    return text
}
