import QtQuick
import QtTest
import Pellaris

// The shell's smaller promises: a run row for every solve, wherever it was
// started, and in view; the calendar's tool tip beside its cell; a file no
// program could open shown by its path; a note after a save.
Item {
    id: root
    width: 1366
    height: 768

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "ShellEdges"
        when: windowShown

        function makeShell(controller, nav) {
            var shell = createTemporaryObject(shellComponent, root, { controller: controller })
            shell.navIndex = nav
            waitForRendering(shell)
            return shell
        }

        function find(parent, name) {
            var item = findChild(parent, name)
            verify(item !== null, name)
            return item
        }

        function test_solveStartedElsewhereHasItsRowInView() {
            var stub = harness.createStandIn("appController", root)
            stub.systemThreadCount = 4
            var shell = makeShell(stub, 2)
            var page = find(shell, "solvePage")
            var list = find(page, "runList")
            for (var i = 0; i < 8; ++i) {
                stub.running = true  // as F5 or a re-solve would
                stub.resultIterations = 10
                stub.running = false
            }
            compare(page.runHistoryModel.count, 8)
            compare(page.runHistoryModel.get(0).status, "Completed")
            waitForRendering(list)
            list.contentY = list.contentHeight - list.height
            verify(list.contentY > 0)
            stub.running = true
            compare(page.runHistoryModel.get(0).status, "Running")
            tryVerify(function () { return list.atYBeginning })
        }

        function test_calendarTipBesideItsCell_data() {
            return [{ tag: "left-hand week", week: 0 }, { tag: "right-hand week", week: -1 }]
        }

        function test_calendarTipBesideItsCell(data) {
            var shell = makeShell(appController, 0)
            var grid = find(shell, "calendarGrid")
            var card = grid
            while (card && card.hoveredCell === undefined)
                card = card.parent
            var cells = card._cells.length
            var week = data.week >= 0 ? data.week : Math.floor(cells / 7) - 1
            var tip = find(card, "calendarToolTip")
            card.hoveredCell = week * 7 + 2
            tryVerify(function () { return tip.visible })
            var side = grid.width / card._weeks
            var cellLeft = grid.x + week * Math.floor(side)
            var cellRight = cellLeft + Math.floor(side)
            // Beside the cell (touching it within a few pixels), inside the card.
            verify(tip.x >= cellRight || tip.x + tip.width <= cellLeft, tip.x + " " + cellLeft)
            verify(Math.min(Math.abs(tip.x - cellRight), Math.abs(tip.x + tip.width - cellLeft)) <= 8,
                   tip.x + " " + tip.width + " " + cellLeft)
            verify(tip.x >= 0 && tip.x + tip.width <= grid.parent.width, tip.x + " " + tip.width)
            card.hoveredCell = -1
        }

        function test_unopenedFileShowsItsPath() {
            var stub = harness.createStandIn("appController", root)
            var shell = makeShell(stub, 4)
            find(shell, "settingsPage").controller = stub
            var where = "/opt/pellaris/licenses"
            stub._answer("openLicensesFolder", function () { return where })
            mouseClick(find(shell, "openLicensesButton"))
            var field = find(shell, "unopenedPathField")
            verify(field.visible)
            compare(field.text, where)
            verify(field.readOnly)
            stub._answer("openThirdPartyNotices", function () { return "" })
            mouseClick(find(shell, "openNoticesButton"))
            verify(!field.visible)
        }

        // A hint that does not fit its field is shown whole on hover.
        function test_narrowFieldShowsItsWholeHint() {
            var shell = makeShell(appController, 1)
            var field = find(shell, "oopFlopBetField")
            field.text = ""
            // A hint longer than the field is wide.
            field.placeholderText = "33, 50, 75, 100, 125, 150, 200, 250, 300"
            compare(field.wholeHint, field.placeholderText)
            var loader = null
            for (var i = 0; i < field.data.length; ++i)
                if (field.data[i].sourceComponent !== undefined)
                    loader = field.data[i]
            verify(loader !== null)
            verify(!loader.item)
            mouseMove(field, 5, 5)
            tryVerify(function () { return loader.item && loader.item.visible })
            compare(loader.item.text, field.placeholderText)
        }

        function test_saveShowsANote() {
            var stub = harness.createStandIn("appController", root)
            var shell = makeShell(stub, 0)
            var home = find(shell, "homePage")
            home.controller = stub
            var note = find(home, "projectSavedNote")
            stub._answer("saveProject", function () { return false })
            home.saveProjectTo(harness.temporaryFileUrl("a"))
            verify(!note.visible)
            find(home, "fileErrorDialog").close()
            stub._answer("saveProject", function () { return true })
            home.saveProjectTo(harness.temporaryFileUrl("b"))
            tryVerify(function () { return note.visible })
            verify(note.text.indexOf("b.pellarisproj") >= 0, note.text)
        }
    }
}
