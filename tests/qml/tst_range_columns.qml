import QtQuick
import QtTest
import Pellaris

// The set-up page's range columns driven as a user drives them: painting,
// typing, the click weight, short deck, and the Custom library with its
// dialogs and store. File reads go through the real controller.
Item {
    id: root
    width: 1600
    height: 1500

    Component { id: pageComponent; ProjectPage { anchors.fill: parent } }

    SettingsSection { id: rangeStore; category: "ranges" }

    TestCase {
        name: "RangeColumns"
        when: windowShown

        function init() {
            rangeStore.write({ oopCustomRangesJson: "" })
            rangeStore.write({ ipCustomRangesJson: "" })
        }

        function makePage(props) {
            var page = createTemporaryObject(pageComponent, root, props || {})
            waitForItemPolished(page)
            return page
        }

        function child(item, name) {
            var found = findChild(item, name)
            verify(found, name)
            return found
        }

        function cell(page, seat, hand) {
            return child(child(page, seat + "Matrix"), "cell_" + hand)
        }

        function typeInto(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function opened(page, name) {
            var dialog = child(page, name)
            tryCompare(dialog, "opened", true)
            waitForItemPolished(dialog.contentItem.children[0])
            return dialog
        }

        function clickRow(page, seat, name) {
            wait(0)     // rows of the old list gone
            waitForItemPolished(child(page, seat + "LibraryList"))
            mouseClick(child(page, seat + "LibraryRow_" + name))
        }

        function rowNames(page, seat) {
            return page.listModelFor(seat).map(function (r) { return r.depth + r.name })
        }

        function test_clickWeightHalfPaints88AtHalf() {
            var page = makePage()
            typeInto(child(page, "oopClickWeightField"), "50")
            page.forceActiveFocus()
            compare(page.oopClickWeightPct, 50)
            mouseClick(cell(page, "oop", "88"))
            compare(page.oopRangeText, "88:0.5")
            compare(child(page, "oopMatrix").weightFor("88"), 0.5)
        }

        // What the weight field takes, the range text writes and the solve
        // reads are one figure; a weight the text cannot keep is refused
        // with its reason and the weight before stays.
        function test_paintedWeightIsTheTypedWeight_data() {
            return [
                { tag: "100", typed: "100", text: "88", weight: 1 },
                { tag: "99.9", typed: "99.9", text: "88:0.999", weight: 0.999 },
                { tag: "12.5", typed: "12.5", text: "88:0.125", weight: 0.125 },
                { tag: "12.50", typed: "12.50", text: "88:0.125", weight: 0.125 },
                { tag: "decimal comma", typed: "4,5", text: "88:0.045", weight: 0.045 },
                { tag: "0.1", typed: "0.1", text: "88:0.001", weight: 0.001 },
                { tag: "0", typed: "0", text: null, why: "from 0.1 to 100" },
                { tag: "0.0", typed: "0.0", text: null, why: "from 0.1 to 100" },
                { tag: "0.04", typed: "0.04", text: null },
                { tag: "0.125", typed: "0.125", text: null },
                { tag: "4,1250", typed: "4,1250", text: null },
                { tag: "99.95", typed: "99.95", text: null }
            ]
        }

        function test_paintedWeightIsTheTypedWeight(data) {
            var page = makePage({ oopClickWeightPct: 50 })
            var field = child(page, "oopClickWeightField")
            typeInto(field, data.typed)
            page.forceActiveFocus()
            if (data.text === null) {
                compare(page.oopClickWeightPct, 50)
                verify(field.refusalText.indexOf(data.why || "decimals") >= 0 && field.refusalText.indexOf(data.typed) >= 0,
                       field.refusalText)
                mouseClick(cell(page, "oop", "88"))
                compare(page.oopRangeText, "88:0.5")
                return
            }
            compare(field.refusalText, "")
            mouseClick(cell(page, "oop", "88"))
            compare(page.oopRangeText, data.text)
            var read = appController.readRangeText(page.oopRangeText, "")
            verify(read.ok)
            fuzzyCompare(read.weights["88"] === undefined ? 0 : read.weights["88"], data.weight, 1e-7)
            fuzzyCompare(child(page, "oopMatrix").weightFor("88"), data.weight, 1e-7)
        }

        // A weight typed but not finished is judged when a cell is pressed:
        // taken when the field takes it, refused with its reason when not,
        // and the cell is painted with the weight the field then shows.
        function test_unfinishedWeightIsJudgedBeforePainting_data() {
            // what is typed, and the weight it paints with
            var shapes = { "0": 100, "0.04": 100, "0,04": 100, "0.125": 100, "99.95": 100, "4,1250": 100, "1e2": 100,
                           "250": 100, "12.5": 12.5, "0,5": 0.5 }
            var rows = []
            ;["oop click", "oop drag", "ip click", "ip drag"].forEach(function (way) {
                Object.keys(shapes).forEach(function (typed) {
                    rows.push({ tag: way + " " + typed, seat: way.split(" ")[0], drag: way.endsWith("drag"),
                                typed: typed, pct: shapes[typed] })
                })
            })
            return rows
        }

        function test_unfinishedWeightIsJudgedBeforePainting(data) {
            var page = makePage()
            var field = child(page, data.seat + "ClickWeightField")
            typeInto(field, data.typed)
            verify(field.activeFocus)
            var aa = cell(page, data.seat, "AA"), kk = cell(page, data.seat, "KK")
            if (data.drag) {
                mousePress(aa)
                mouseMove(kk)
                mouseRelease(kk)
            } else {
                mouseClick(aa)
            }
            var w = data.pct / 100
            var token = function (hand) { return w >= 0.999 ? hand : hand + ":" + w }
            var hands = data.drag ? ["AA", "KK"] : ["AA"]
            compare(page[data.seat + "RangeText"], hands.map(token).join(", "))
            var read = appController.readRangeText(page[data.seat + "RangeText"], "")
            verify(read.ok)
            hands.forEach(function (hand) { fuzzyCompare(read.weights[hand], w, 1e-9) })
            // the field finished its edit: it shows the weight painted with
            verify(!field.activeFocus)
            compare(page[data.seat + "ClickWeightPct"], data.pct)
            compare(field.text, String(data.pct))
            compare(field.refusalText !== "", data.pct === 100, field.refusalText)
        }

        function test_emptiedWeightFieldShowsTheStoredWeight() {
            var page = makePage({ oopClickWeightPct: 50 })
            var field = child(page, "oopClickWeightField")
            typeInto(field, "")
            page.forceActiveFocus()
            compare(page.oopClickWeightPct, 50)
            compare(field.text, "50")
            typeInto(field, "150")          // "15" was live on the way
            compare(page.oopClickWeightPct, 15)
            page.forceActiveFocus()         // above the bound: nothing of it is kept
            compare(page.oopClickWeightPct, 50)
            compare(field.text, "50")
            verify(field.refusalText.indexOf("150") >= 0, field.refusalText)
        }

        // The matrix follows each keystroke, before the field is left.
        function test_typingUpdatesTheMatrix_data() {
            return [
                { tag: "AA, KK", typed: "AA, KK", steps: { 2: [["AA", 1], ["KK", 0]], 6: [["AA", 1], ["KK", 1]] } },
                { tag: "QQ+", typed: "QQ+", steps: { 2: [["QQ", 1], ["KK", 0]],
                                                     3: [["AA", 1], ["KK", 1], ["QQ", 1], ["JJ", 0]] } }
            ]
        }

        function test_typingUpdatesTheMatrix(data) {
            var page = makePage()
            var field = child(page, "ipRangeInput"), matrix = child(page, "ipMatrix")
            field.forceActiveFocus()
            for (var i = 0; i < data.typed.length; ++i) {
                keyClick(data.typed.charAt(i))
                var checks = data.steps[i + 1] || []
                checks.forEach(function (c) { compare(matrix.weightFor(c[0]), c[1], (i + 1) + " keys, " + c[0]) })
            }
            verify(field.activeFocus)
            compare(page.ipRangeText, data.typed)
        }

        function test_dragFromAnEmptyCellOnlyAdds() {
            var page = makePage({ oopRangeText: "AA" })
            var matrix = child(page, "oopMatrix")
            var kk = cell(page, "oop", "KK"), aks = cell(page, "oop", "AKs"), aa = cell(page, "oop", "AA")
            mousePress(kk)
            mouseMove(aks)
            mouseMove(aa)
            mouseRelease(aa)
            compare(page.oopRangeText, "AA, KK, AKs")
            // and one that starts on a filled cell only removes
            mousePress(aa)
            mouseMove(cell(page, "oop", "AQs"))
            mouseMove(aks)
            mouseRelease(aks)
            compare(page.oopRangeText, "KK")
            compare(matrix.weightFor("AQs"), 0)
        }

        function test_shortDeckShowsNineRanksAndCustomOnly() {
            var page = makePage({ oopRangeCategory: 0, ipRangeCategory: 1 })
            page.gameVariant = "shortdeck"
            waitForItemPolished(page)
            compare(child(page, "oopMatrix").rankCount, 9)
            compare([page.oopRangeCategory, page.ipRangeCategory], [2, 2])
            ;["oop", "ip"].forEach(function (seat) {
                compare(child(page, seat + "StandardTab").visible, false)
                compare(child(page, seat + "PopulationTab").visible, false)
                compare(child(page, seat + "CustomTab").visible, true)
            })
            compare(findChild(page, "cell_22"), null)
        }

        function saveThroughDialog(page, name, byButton) {
            if (byButton) {
                mouseClick(child(page, "oopSaveRangeButton"))
            }
            else
                page.openSaveRangeDialog("oop")
            var dialog = opened(page, "saveRangeDialog")
            typeInto(child(dialog.contentItem, "saveRangeNameField"), name)
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
        }

        function test_saveIntoASelectedFolder() {
            var page = makePage({ oopRangeText: "AA, KK" })
            page._addFolderPlayer = "oop"
            verify(page.commitAddFolder("Folder"))           // selected and open
            clickRow(page, "oop", "Folder")                   // closed, still selected
            compare(rowNames(page, "oop"), ["0Folder"])
            saveThroughDialog(page, "BTN open", true)
            compare(rowNames(page, "oop"), ["0Folder", "1BTN open"])
            // the saved range is selected, and the next save goes beside it
            saveThroughDialog(page, "BTN open")
            compare(rowNames(page, "oop"), ["0Folder", "1BTN open", "1BTN open (2)"])
            compare(page._findNodeById(page.oopCustomRanges, page.oopSelectedId).name, "BTN open (2)")
            compare(page.oopRangeText, "AA, KK")
        }

        // Deleting moves the selection; the range being edited stays.
        function test_deleteAFolderWithContents() {
            rangeStore.write({ oopCustomRangesJson: JSON.stringify([
                { id: "f", type: "folder", name: "Folder", children: [
                    { id: "r1", type: "range", name: "one", value: "AA" },
                    { id: "r2", type: "range", name: "two", value: "KK" },
                    { id: "s", type: "folder", name: "Sub", children: [{ id: "r3", type: "range", name: "three", value: "QQ" }] }] },
                { id: "after", type: "range", name: "After", value: "22" }]) })
            var page = makePage({ oopRangeText: "my edit", oopRangeCategory: 2 })
            clickRow(page, "oop", "Folder")
            compare(page.oopSelectedId, "f")
            mouseClick(child(page, "oopDeleteSelectedButton"))
            var dialog = opened(page, "confirmDeleteDialog")
            verify(child(dialog.contentItem, "deleteRangeNote").text.indexOf("This will also delete 3 ranges.") === 0)
            mouseClick(child(dialog.contentItem, "confirmDeleteRangeButton"))
            tryCompare(dialog, "visible", false)
            compare(rowNames(page, "oop"), ["0After"])
            compare(page.oopSelectedId, "after")
            compare(Object.keys(page.oopOpenFolderIds), [])
            compare(page.oopRangeText, "my edit")
            page.openDeleteSelectedDialog("oop")
            mouseClick(child(opened(page, "confirmDeleteDialog").contentItem, "confirmDeleteRangeButton"))
            compare(page.oopCustomRanges, [])
            compare(page.oopSelectedId, "")
            compare(page.oopRangeText, "my edit")
        }

        // The user picks the file in the platform's dialog and accepts it.
        function importFile(page, seat, url) {
            page.openImportRangeDialog(seat)
            var chooser = child(page, "importRangeFileDialog")
            tryCompare(chooser, "visible", true)
            chooser.currentFile = url
            chooser.accept()
            tryCompare(chooser, "visible", false)
        }

        function writeFile(name, text) {
            var url = harness.temporaryFileUrl(name)
            verify(appController.saveTextFile(url, text).ok)
            return url
        }

        function test_importARangeFile() {
            var page = makePage({ oopRangeText: "AA", ipRangeText: "KK", ipRangeCategory: 0 })
            importFile(page, "oop", writeFile("my_range.TXT", "AA:0.5,\r\nkk:0.5, QQ : 0.5"))
            var dialog = opened(page, "importRangeNameDialog")
            compare(child(dialog.contentItem, "importRangeNameField").text, "my_range")
            mouseClick(child(dialog.contentItem, "importConfirm"))
            tryCompare(dialog, "visible", false)
            ;["oop", "ip"].forEach(function (seat) {
                var nodes = page[seat + "CustomRanges"]
                compare([nodes.length, nodes[0].name, nodes[0].value], [1, "my_range", "AA:0.5, KK:0.5, QQ:0.5"], seat)
                compare(page[seat + "RangeCategory"], 2)
            })
            compare(page.oopSelectedId, page.oopCustomRanges[0].id)
            compare(page.ipSelectedId, "")
            compare([page.oopRangeText, page.ipRangeText], ["AA", "KK"])
        }

        function test_importFailuresKeepImportDisabled_data() {
            return [
                { tag: "refused by the solver's reader", file: "notes.txt", content: "hello world", name: "notes",
                  error: "Import failed: 'hello': Invalid combo pattern length" },
                { tag: "refused after blanks", file: "bad.txt", content: "AA KK garbage:7", name: "bad",
                  refusedItem: "garbage:7" },
                { tag: "only zero weights", file: "zero.txt", content: "AA:0\r\nKK:0\r\n", name: "zero",
                  error: "Import failed: the file's weights are all zero." },
                { tag: "no hand", file: "commas.txt", content: ",\r\n ,", name: "commas",
                  error: "Import failed: file contained no recognizable hands." },
                { tag: "missing file", file: "gone.txt", name: "",
                  error: "Import failed: File does not exist." },
                // "AA" in UTF-16: each letter followed by a zero byte
                { tag: "another encoding", file: "wide.txt", content: "A\u0000A\u0000", name: "",
                  error: "Import failed: The file is not UTF-8 text." }
            ]
        }

        function test_importFailuresKeepImportDisabled(data) {
            var page = makePage()
            importFile(page, "ip", data.content === undefined ? harness.temporaryFileUrl(data.file)
                                                              : writeFile(data.file, data.content))
            var dialog = opened(page, "importRangeNameDialog")
            // the solver's own reason for the item it refuses
            var error = data.refusedItem === undefined ? data.error
                      : "Import failed: " + page.readRange(data.refusedItem, "").error
            compare(child(dialog.contentItem, "importRangeError").text, error)
            compare(child(dialog.contentItem, "importRangeNameField").text, data.name)
            typeInto(child(dialog.contentItem, "importRangeNameField"), "mine")
            compare(child(dialog.contentItem, "importConfirm").enabled, false)
            keyClick(Qt.Key_Return)
            verify(dialog.visible)
            compare(page.ipCustomRanges, [])
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
        }

        // The library keeps only what the solve reads, and says why not.
        function test_saveRefusesWhatTheReaderRefuses() {
            var page = makePage({ oopRangeText: "AA KK garbage:7" })
            page.openSaveRangeDialog("oop")
            verify(!page.commitSaveRange("Bad"))
            var reason = page.readRange("AA KK garbage:7", "").error
            verify(reason !== "")
            compare(page._saveRangeError, reason)
            compare(page.oopCustomRanges, [])
            child(page, "saveRangeDialog").close()
        }

        // A page over an OOP library of `entries`, as the store holds it.
        function pageOverLibrary(entries, props) {
            rangeStore.write({ oopCustomRangesJson: JSON.stringify(entries) })
            return makePage(props)
        }

        function test_deleteNoteCountsRangesOnly() {
            var page = pageOverLibrary([{ id: "f", type: "folder", name: "Folder",
                                          children: [{ id: "s", type: "folder", name: "Sub", children: [] }] }],
                                       { oopRangeCategory: 2 })
            clickRow(page, "oop", "Folder")
            page.openDeleteSelectedDialog("oop")
            compare(child(opened(page, "confirmDeleteDialog").contentItem, "deleteRangeNote").text, "This cannot be undone.")
            keyClick(Qt.Key_Escape)
        }

        // A store edited by hand may repeat an id: each entry is still its
        // own row, selected and deleted alone.
        function test_entriesOfOneIdAreToldApart() {
            var page = pageOverLibrary([{ id: "d", type: "range", name: "first", value: "AA" },
                                        { id: "d", type: "range", name: "second", value: "KK" }], { oopRangeCategory: 2 })
            clickRow(page, "oop", "second")
            compare(page.oopRangeText, "KK")
            verify(!child(page, "oopLibraryRow_first").selected)
            page.openDeleteSelectedDialog("oop")
            mouseClick(child(opened(page, "confirmDeleteDialog").contentItem, "confirmDeleteRangeButton"))
            compare(rowNames(page, "oop"), ["0first"])
            compare(JSON.parse(rangeStore.value("oopCustomRangesJson")).map(function (n) { return n.name }), ["first"])
        }

        // A long library scrolls in its own list beside the matrix, and
        // the two columns stay level; a name is one line.
        function test_longLibraryScrollsBesideTheMatrix() {
            var many = []
            for (var i = 0; i < 400; ++i)
                many.push({ id: "r" + i, type: "range", name: i === 0 ? "two\nlines" : "r" + i, value: "AA" })
            var page = pageOverLibrary(many)
            var list = child(page, "oopLibraryRows")
            verify(list.contentHeight > list.height)
            compare(child(page, "oopRangeColumn").height, child(page, "ipRangeColumn").height)
            var label = child(child(page, "oopLibraryRow_two\nlines"), "rowLabel")
            compare(label.contentHeight, child(child(page, "oopLibraryRow_r1"), "rowLabel").contentHeight)
        }

        // Unfocused, a range cut at the field's width shows whole on hover,
        // and nothing is warned on the way.
        function test_cutRangeTextShowsWholeOnHover() {
            failOnWarning(/./)
            var range = "AA, KK, QQ, JJ, TT, 99, 88, 77, 66, A8o+, KQs, KJs, KTs, QJs, JTs, T9s, 98s, 87s, 76s, 65s"
            var page = makePage({ oopRangeText: range })
            var input = child(page, "oopRangeInput")
            var tip = child(input, "oopRangeTextTip")
            verify(!tip.visible)
            // The page's layouts may still move the field: the pointer
            // follows it until it rests there.
            tryVerify(function () { mouseMove(input); return tip.visible }, 10000)
            compare(tip.text, range)
            mouseMove(page, 1, 1)
            tryCompare(tip, "visible", false)
        }

        // A range saved at the end of a long list is selected and brought
        // into the list's sight; a row already in sight leaves the list
        // where it is.
        function test_savedRangeIsScrolledIntoView() {
            var many = []
            for (var i = 0; i < 100000; ++i)
                many.push({ id: "r" + i, type: "range", name: "r" + i, value: "AA" })
            var page = pageOverLibrary(many, { oopRangeText: "KK", oopRangeCategory: 2 })
            var list = child(page, "oopLibraryRows")
            compare(list.contentY, list.originY)
            page.openSaveRangeDialog("oop")
            verify(page.commitSaveRange("Newest"))
            child(page, "saveRangeDialog").close()
            var inSight = function (name) {
                var row = findChild(list, "oopLibraryRow_" + name)
                return row !== null && row.y >= list.contentY && row.y + row.height <= list.contentY + list.height
            }
            wait(500)
            tryVerify(function () { return inSight("Newest") })
            compare(page.oopSelectedId, page.oopCustomRanges[100000].id)
            var top = list.contentY
            clickRow(page, "oop", "r99999")
            compare(page.oopRangeText, "AA")
            wait(0)
            compare(list.contentY, top)
        }

        function test_customTreesSurviveANewPage() {
            var page = makePage({ ipRangeText: "QQ+" })
            page._addFolderPlayer = "ip"
            verify(page.commitAddFolder("Deep <b>stack</b>"))
            page.openSaveRangeDialog("ip")
            verify(page.commitSaveRange("Value"))
            child(page, "saveRangeDialog").close()
            page.destroy()
            wait(0)
            var again = makePage()
            compare(again.ipCustomRanges[0].name, "Deep <b>stack</b>")
            compare(again.ipCustomRanges[0].children[0].value, "QQ+")
            compare(again.oopCustomRanges, [])
            // names are shown as typed
            var label = child(child(again, "ipLibraryRow_Deep <b>stack</b>"), "rowLabel")
            compare(label.textFormat, Text.PlainText)
        }

        // Stored text that cannot be read is not lost: the library starts
        // empty and the store keeps it until the first change.
        function test_unreadableStoreIsKept() {
            rangeStore.write({ oopCustomRangesJson: "{broken" })
            var page = makePage()
            compare(page.oopCustomRanges, [])
            compare(rangeStore.value("oopCustomRangesJson"), "{broken")
            verify(child(page, "oopNoRanges").visible)
        }
    }
}
