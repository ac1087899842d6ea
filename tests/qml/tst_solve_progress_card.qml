import QtQuick
import QtTest
import Pellaris

// The progress card's size does not follow the length of the status line:
// a long refusal or error wraps inside the card instead of widening it.
Item {
    id: root
    width: 1280
    height: 720

    Component { id: pageComponent; SolvePage { anchors.fill: parent } }

    TestCase {
        name: "SolveProgressCard"
        when: windowShown

        // The card's layout must settle: a layout that keeps asking for
        // another polish is a fault even when the sizes end up right.
        function init() {
            failOnWarning(/Polish loop/)
        }

        // The sizes once the layout has settled: the same over two turns of
        // the event loop (the configuration card places its options a turn
        // after its width changes).
        function settled(page, read) {
            waitForRendering(page)
            var last = JSON.stringify(read())
            for (var i = 0; i < 100; ++i) {
                wait(5)
                var now = JSON.stringify(read())
                if (now === last)
                    return JSON.parse(now)
                last = now
            }
            return JSON.parse(last)
        }

        function test_longStatusWrapsInPlace() {
            var stub = harness.createStandIn("appController")
            stub.systemThreadCount = 8
            var page = createTemporaryObject(pageComponent, root, { controller: stub })
            var line = findChild(page, "statusLine")
            var ring = findChild(page, "progressRing")
            var config = findChild(page, "configSummary")
            var sizes = function () { return [line.width, ring.x, config.width] }
            stub.statusText = "Ready"
            var before = settled(page, sizes)
            stub.statusText = "word ".repeat(120)
            compare(settled(page, sizes), before)
            verify(line.lineCount <= 3 && line.height < 100, line.height)
        }
    }
}
