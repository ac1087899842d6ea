import QtQuick
import QtTest
import Pellaris

// A whole spot described on the set-up page of a new project, with the real
// controller: board from the card picker, one range typed and one painted,
// sizes typed. The controller accepts the map and a small river solve ends.
Item {
    id: root
    width: 1600
    height: 1500

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "SetupSolveReal"
        when: windowShown

        function child(item, name) {
            var found = findChild(item, name)
            verify(found, name)
            return found
        }

        function typeInto(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
            keyClick(Qt.Key_Return)
        }

        function pickCard(page, slot, card) {
            mouseClick(child(page, "slot" + slot))
            var dialog = child(page, "cardPickerDialog")
            tryCompare(dialog, "opened", true)
            mouseClick(child(dialog.contentItem, "pick_" + card))
            tryCompare(dialog, "visible", false)
        }

        function test_aSpotDescribedOnThePageSolves() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToNewProject()
            shell.threadCount = 1
            shell.navIndex = 1
            var page = shell.pages.projectPage
            waitForItemPolished(page)

            ;["Ks", "7d", "2c", "5h", "9s"].forEach(function (card, slot) { pickCard(page, slot, card) })
            compare(shell.boardText, "Ks7d2c5h9s")
            compare(shell.startingStreet, "river")

            typeInto(child(page, "oopRangeInput"), "AA, KK, QQ, AK")
            ;["99", "77", "AJs", "KQo"].forEach(function (hand) {
                mouseClick(child(child(page, "ipMatrix"), "cell_" + hand))
            })
            compare(shell.ipRangeText, "99, 77, AJs, KQo")

            ;["Flop", "Turn", "River"].forEach(function (street) {
                typeInto(child(page, "oop" + street + "BetField"), "50")
                typeInto(child(page, "oop" + street + "RaiseField"), "100")
            })
            mouseClick(child(page, "copyOopSettingsButton"))
            compare(shell.ipRiverRaiseSizesText, "100")

            tryVerify(function () { return shell._canSolveBase && appController.solveRequiredMemoryBytes > 0 }, 60000)
            if (!shell.canSolve)
                skip("the spot needs more memory than this machine has free")
            var map = shell._solveMemCfg()
            compare([map.oop_range, map.ip_range, map.board], ["AA, KK, QQ, AK", "99, 77, AJs, KQo", "Ks7d2c5h9s"])

            compare(appController.resultIterations, 0)
            keyClick(Qt.Key_F5)       // a spot this small may be done before the key returns
            tryCompare(appController, "statusText", "Done", 120000)
            verify(appController.resultIterations > 0)
        }
    }
}
