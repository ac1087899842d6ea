import QtQuick
import QtTest
import "spots.js" as Spots

// The harness itself: stand-ins keep the real interface, answer as scripted,
// and the real controller solves a small spot.
TestCase {
    name: "Harness"

    function test_standInMatchesRealInterface_data() {
        return harness.rootObjectNames.map(n => ({ tag: n, rootName: n }))
    }

    function test_standInMatchesRealInterface(data) {
        var stub = harness.createStandIn(data.rootName)
        verify(stub !== null)
        compare(harness.standInMismatches(data.rootName, stub), [])
    }

    function test_checkReportsDrift() {
        var other = harness.createStandIn("languageManager")
        var found = harness.standInMismatches("appController", other)
        verify(found.indexOf("property statusText missing") >= 0, found.join("; "))
        verify(found.indexOf("method startSolveWithConfig missing") >= 0)
        verify(found.indexOf("property currentLanguage not in the real class") >= 0)
    }

    function test_standInAnswersAsScripted() {
        var stub = harness.createStandIn("appController")
        compare(stub.nodeMeta(3), {})
        compare(stub.solvesToday(), 0)
        stub._answer("solvesToday", 7)
        stub._answer("nodeEv", (node, seat) => node * 2 + (seat === "ip" ? 1 : 0))
        compare(stub.solvesToday(), 7)
        compare(stub.nodeEv(5, "ip"), 11)
        compare(stub._callsTo("nodeEv"), [[5, "ip"]])
        stub.statusText = "Iter 3 | exploitability≈0.5000"
        compare(stub.statusText, "Iter 3 | exploitability≈0.5000")
    }

    function test_standInStartsFromRealValues() {
        var stub = harness.createStandIn("appController")
        compare(stub.statusText, appController.statusText)
        compare(stub.systemThreadCount, appController.systemThreadCount)
    }

    function test_realControllerSolvesTinyRiverSpot() {
        appController.startSolveWithConfig(Spots.tinyRiverSpot(20))
        tryVerify(() => !appController.running, 20000)
        compare(appController.resultIterations, 20)
        verify(appController.treeNodeCount() > 1)
    }
}
