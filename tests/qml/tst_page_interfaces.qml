import QtQuick
import QtTest
import Pellaris

// The names by which the shell, the other pages and the tests reach into a
// page: each function, property and id found on its page under that name,
// and each function answering by its page's rule.
Item {
    id: root
    width: 1600
    height: 900

    Component { id: topBarComponent; TopBar { width: root.width } }
    Component { id: solvePageComponent; SolvePage { anchors.fill: parent } }
    Component { id: projectPageComponent; ProjectPage { anchors.fill: parent } }
    Component { id: resultsPageComponent; ResultsPage { anchors.fill: parent } }

    TestCase {
        name: "PageInterfaces"
        when: windowShown

        function test_names_data() {
            return [
                { tag: "top bar", component: topBarComponent,
                  functions: ["_parseIterationFromStatusText"], properties: [], ids: {} },
                { tag: "solve page", component: solvePageComponent,
                  functions: ["_parseIterationFromStatusText", "_parseExploitabilityFromStatusText",
                              "_formatExploitabilityForUi"],
                  properties: [], ids: {} },
                { tag: "set-up page", component: projectPageComponent,
                  functions: ["persistSettingsProfiles", "persistCustomRanges", "parseRangeWeights",
                              "expandHand", "toggleHand", "normalizeImportedRangeText"],
                  properties: [],
                  // object name -> id
                  ids: { variantButton: "variantBtn", utilityButton: "utilityBtn" } },
                { tag: "results page", component: resultsPageComponent,
                  functions: ["_swapSuitMap", "_nodeKey"], properties: ["nodeLocksByNode"], ids: {} }
            ]
        }

        function test_names(data) {
            var page = createTemporaryObject(data.component, root)
            verify(page)
            data.functions.forEach(function (name) { compare(typeof page[name], "function", name) })
            data.properties.forEach(function (name) { verify(name in page, name) })
            for (var objectName in data.ids) {
                var item = findChild(page, objectName)
                verify(item, objectName)
                compare(harness.idOf(item), data.ids[objectName])
            }
        }

        // The top bar and the solve page read a status text alike.
        function test_statusTextReading_data() {
            return [
                { tag: "iteration text", text: "Iter 120 | exploitability≈12.5000", iteration: 120, figure: 12.5 },
                { tag: "lower-case iters", text: "iters 5 | exploitability≈-3", iteration: 0, figure: NaN }
            ]
        }

        function test_statusTextReading(data) {
            var bar = createTemporaryObject(topBarComponent, root)
            var page = createTemporaryObject(solvePageComponent, root)
            compare(bar._parseIterationFromStatusText(data.text), data.iteration)
            compare(page._parseIterationFromStatusText(data.text), data.iteration)
            var figure = page._parseExploitabilityFromStatusText(data.text)
            if (isNaN(data.figure))
                verify(isNaN(figure), String(figure))
            else
                compare(figure, data.figure)
        }

        // "∞" through iteration 50 of a run, whatever the figure; then two
        // decimals.
        function test_exploitabilityForTheStatusLine_data() {
            return [
                { tag: "iteration 50", status: "Iter 50 | exploitability≈1250.0000", value: 12.5, want: "∞" },
                { tag: "iteration 51", status: "Iter 51 | exploitability≈1250.0000", value: 12.5, want: "12.50" }
            ]
        }

        function test_exploitabilityForTheStatusLine(data) {
            var stub = harness.createStandIn("appController")
            var page = createTemporaryObject(solvePageComponent, root, { controller: stub })
            stub.running = true
            stub.statusText = data.status
            compare(page._formatExploitabilityForUi(data.value), data.want)
        }

        // The page's lock map reads the controller's table: the classes the
        // user chose, by node key, as the table holds them at the lookup.
        // Nothing written to it is kept.
        function test_nodeLocksByNodeViewsTheControllersTable() {
            var stub = harness.createStandIn("appController")
            var rows = { 5: [{ hand: "AA", chosen: true, actionIndex: -1, actionProb: 1, actionProbs: [1, 0] },
                             { hand: "KK", chosen: false, actionIndex: -1, actionProb: 1, actionProbs: [0.5, 0.5] }] }
            stub._answer("nodeLocks", function (n) { return rows[n] || [] })
            var page = createTemporaryObject(resultsPageComponent, root, { controller: stub })
            compare(page._nodeKey(5), "5")
            var locks = page.nodeLocksByNode
            compare(Object.keys(locks[page._nodeKey(5)]), ["AA"])
            compare(locks["5"].AA.actionProbs, [1, 0])
            verify("5" in locks)
            verify(!("4" in locks))
            compare(locks["4"], undefined)

            try {
                locks["4"] = { QQ: { actionProbs: [1, 0] } }
            } catch (e) {
                // a refused write may throw
            }
            compare(locks["4"], undefined)
            rows[4] = [{ hand: "QQ", chosen: true, actionIndex: -1, actionProb: 1, actionProbs: [0, 1] }]
            compare(Object.keys(locks["4"]), ["QQ"])

            var failed = false
            try {
                page.nodeLocksByNode = ({})
            } catch (e) {
                failed = true
            }
            verify(failed, "the map cannot be replaced")
        }
    }
}
