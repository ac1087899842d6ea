import QtQuick
import QtTest
import Pellaris
import "../../qml/components/projectPresets.js" as Presets
import "../../qml/components/notLoadedList.js" as NotLoaded

// The set-up page with the real controller: a spot the solve refuses says
// why, in the words of the solve's own reader, where the memory figure
// stands, in the badge and in the tooltips of Continue and of the Solve
// tab; what the page hides or derives is what is solved.
Item {
    id: root
    width: 1600
    height: 1000

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "SetupRefusalsReal"
        when: windowShown

        function child(item, name) {
            var found = findChild(item, name)
            verify(found, name)
            return found
        }

        // A small river spot, complete and solvable.
        function makeShell() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToNewProject()
            shell.applyProjectState({
                boardText: "Ks7d2c5h9s", startingPot: 22.8, effectiveStack: 88.9,
                oopRangeText: "AA, KK, QQ, JJ, AK, KQ, 76s, 43s", ipRangeText: "AA, 99, 77, AK, KJ, QJ, T8s, 86s",
                maxIterations: 20, targetExploitability: 0, threadCount: 1, rakePercent: 0, rakeCap: 0
            })
            ;["oop", "ip"].forEach(function (seat) {
                ;["Flop", "Turn", "River"].forEach(function (street) {
                    shell[seat + street + "BetSizesText"] = "33, 75"
                    shell[seat + street + "RaiseSizesText"] = "100"
                })
            })
            shell.navIndex = 1
            waitForItemPolished(shell.pages.projectPage)
            return shell
        }

        // Writes a project file of text form around `project` and opens it
        // from the home page; gives what the open answered.
        function openProject(shell, name, project) {
            var url = harness.temporaryFileUrl(name)
            var file = { format: "halvory_project", version: 1, hasResults: false, project: project, nodeLocks: [], lastUiCfg: {} }
            verify(appController.saveTextFile(url, JSON.stringify(file)).ok)
            return child(shell, "homePage").openProjectFrom(url)
        }

        // The estimate of the spot on screen has arrived.
        function settle(shell) {
            tryVerify(function () { return !shell.estimateMeasuring }, 60000)
        }

        function test_refusalShowsItsReason_data() {
            var flop = "10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110"
            return [
                { tag: "two sizes without a comma", set: { ipRiverBetSizesText: "33 75" }, reason: "invalid token '33 75'" },
                { tag: "letter e", set: { oopRiverBetSizesText: "e" }, reason: "invalid token 'e'" },
                { tag: "words", set: { oopRiverRaiseSizesText: "half pot" }, reason: "invalid token 'half pot'" },
                { tag: "eleven bet sizes", reason: "Betting tree too large",
                  set: { boardText: "Ks7d2c", effectiveStack: 1000, oopFlopBetSizesText: flop, ipFlopBetSizesText: flop,
                         oopTurnBetSizesText: flop, ipTurnBetSizesText: flop, oopRiverBetSizesText: flop,
                         ipRiverBetSizesText: flop } },
                { tag: "ICM place without a stack", reason: "stack sizes for all payout places",
                  set: { utilityModel: "icm", oopStack: 50, ipStack: 50, icmPayoutsText: "50, 30, 20", icmOtherStacksText: "" } },
                { tag: "range the solve cannot read", set: { oopRangeText: "AA KK QQ AKs" },
                  reason: "OOP Range — 'AA KK QQ AKs': Invalid combo pattern length" },
                { tag: "empty board", set: { boardText: "" }, reason: "enter a valid board first" }
            ]
        }

        function test_refusalShowsItsReason(data) {
            var shell = makeShell()
            settle(shell)
            verify(shell.canSolve, shell.solveBlockReason)
            var page = shell.pages.projectPage
            var ramLine = child(page, "solveRamLine")
            verify(ramLine.text.indexOf("Solve RAM: ") === 0, ramLine.text)
            for (var key in data.set)
                shell[key] = data.set[key]
            // Never the figure of the spot before.
            verify(ramLine.text.indexOf("GB") < 0 && ramLine.text.indexOf("MB") < 0, ramLine.text)
            tryVerify(function () { return shell.solveBlockReason.indexOf(data.reason) >= 0 }, 30000, shell.solveBlockReason)
            verify(!shell.canSolve)
            compare(ramLine.text, shell.solveBlockReason)
            compare(child(page, "setupHeader").badge, data.set.boardText === "" ? "Setup Required" : "Not Ready")
            compare(child(page, "continueTooltip").text, shell.solveBlockReason)
            compare(child(shell, "topBar")._disabledTip(2), shell.solveBlockReason)
        }

        // An ICM list is judged by one rule: the page names the refused
        // entry with its reason, and a start from the page's own map
        // refuses it with the same words.
        function test_icmListsJudgedAlike_data() {
            return [
                ["a payout of 0", "60, 0", "", "Payouts — '0' is not above 0"],
                ["another stack of 0", "60, 40", "0", "Other stack sizes — '0' is not above 0"],
                ["a thousands comma", "60, 10,000", "", "Payouts — '10,000' could be one number or two:"],
                ["a thousands comma by the decimals", "1,500.5", "", "Payouts — '1,500.5' could be one number or two:"],
                ["a thousands point", "60, 10.000", "", "Payouts — '10.000' could mean 10 or 10000: write 10 or 10000"],
                ["too many decimals", "60, 0.125", "", "Payouts — '0.125' has more than 2 decimals"],
                ["too large", "60, 21474836.47", "", "Payouts — '21474836.47' is more than 21474836.46"]
            ].map(row => ({ tag: row[0], payouts: row[1], others: row[2], reason: row[3] }))
        }

        function test_icmListsJudgedAlike(data) {
            var shell = makeShell()
            shell.applyProjectState({ utilityModel: "icm", oopStack: 50, ipStack: 50,
                                      icmPayoutsText: data.payouts, icmOtherStacksText: data.others })
            tryVerify(function () { return shell.solveBlockReason.indexOf(data.reason) >= 0 }, 30000, shell.solveBlockReason)
            verify(!shell.canSolve)
            appController.startSolveWithConfig(shell._solveMemCfg())
            tryVerify(function () { return !appController.running }, 60000)
            verify(appController.statusText.indexOf("Not ready: " + data.reason) === 0, appController.statusText)
        }

        // The matrix lights what the solve reads, and a text it refuses is
        // refused under the field with the reader's message.
        function test_matrixFollowsTheSolvesReading_data() {
            return [
                { tag: "span", text: "KQs-JTs, AA", lit: ["KQs", "QJs", "JTs", "AA"], dark: ["KJs", "QTs"] },
                { tag: "ace king up", text: "AK+", lit: ["AKs", "AKo"], dark: ["AQs", "KK"] },
                { tag: "blanks", text: "AA KK QQ AKs", lit: [], dark: ["AA", "KK", "AKs"],
                  error: "'AA KK QQ AKs': Invalid combo pattern length" },
                { tag: "weight above one", text: "AA:1.5", lit: [], dark: ["AA"], error: "Weight must be within [0, 1]" },
                { tag: "percent in a list", text: "100%, 22", lit: [], dark: ["22", "AA"], error: "'100%'" },
                { tag: "weighted", text: "AKs:0.25, T9s", lit: ["AKs", "T9s"], dark: ["AKo"], weights: { AKs: 0.25, T9s: 1 } }
            ]
        }

        function test_matrixFollowsTheSolvesReading(data) {
            var shell = makeShell()
            var page = shell.pages.projectPage
            shell.oopRangeText = data.text
            var matrix = child(page, "oopMatrix")
            data.lit.forEach(function (hand) { verify(Number(matrix.weights[hand]) > 0, hand) })
            data.dark.forEach(function (hand) { verify(!(Number(matrix.weights[hand]) > 0), hand) })
            compare(Object.keys(matrix.weights).length, data.lit.length)
            for (var hand in data.weights || {})
                fuzzyCompare(matrix.weights[hand], data.weights[hand], 1e-6)
            var error = child(page, "oopRangeError")
            compare(error.visible, !!data.error)
            if (data.error)
                verify(error.text.indexOf(data.error) >= 0, error.text)
        }

        // Readiness and the badge's reason are the reader's: a text it reads
        // with a hand beside the board is ready; one it refuses says why.
        function test_readinessIsTheReadersAnswer_data() {
            return [
                { tag: "percentage", text: "50%" },
                { tag: "one combination", text: "AhKd" },
                { tag: "four combinations", text: "AhKh, AsKs, AdKd, AcKc" },
                { tag: "span of combinations", text: "AsKs-AhKh" },
                { tag: "no rank", text: "xyz" },
                { tag: "percentage above 100", text: "150%" },
                { tag: "only board cards", text: "Ks7d, 7d2c" }
            ]
        }

        function test_readinessIsTheReadersAnswer(data) {
            var shell = makeShell()
            shell.oopRangeText = data.text
            var read = appController.readRangeText(data.text, shell.gameVariant, shell.boardText)
            var ready = read.ok === true && read.combos > 0
            compare(shell._hasAnyHand(data.text), ready)
            var page = shell.pages.projectPage
            compare(child(page, "oopRangeError").visible, read.ok === false)
            if (read.ok === false) {
                verify(read.error !== "")
                compare(shell.solveBlockReason, "Not ready: OOP Range — " + read.error)
                compare(child(page, "setupHeader").badge, "Not Ready")
            } else if (!ready) {
                compare(shell.solveBlockReason, "Not ready: select at least one hand in both ranges")
            } else {
                settle(shell)
                verify(shell.canSolve, shell.solveBlockReason)
                compare(child(page, "setupHeader").badge, "Ready")
            }
        }

        // A combination range longer than a text field holds by default
        // stays whole through an edit at its end, a save and a load.
        function test_longRangeStaysWhole() {
            var shell = makeShell()
            var items = []
            var length = 0
            for (var n = 0; length < 40000; ++n) {
                var item = ["Ah", "Kd", "Qc", "Js"][n % 4] + ["Ts", "9h", "8d", "7c"][(n >> 2) % 4]
                    + ":0." + String(1000 + n % 9000).substring(0, 4)
                items.push(item)
                length += item.length + 2
            }
            var text = items.join(", ")
            shell.oopRangeText = text
            var field = child(shell.pages.projectPage, "oopRangeInput")
            field.forceActiveFocus()
            compare(field.text.length, text.length)
            field.cursorPosition = field.text.length
            keyClick(Qt.Key_Comma)
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_2)
            compare(shell.oopRangeText, text + ", 22")
            var url = harness.temporaryFileUrl("long-range.pellarisproj")
            verify(appController.saveProject(url, shell.exportProjectState()))
            var loaded = appController.loadProject(url)
            verify(loaded.ok, loaded.error)
            compare(loaded.project.oopRangeText, text + ", 22")
        }

        // Junk of any length is refused on one line, whole on hover.
        function test_longJunkIsOneLine() {
            var shell = makeShell()
            var junk = ""
            while (junk.length < 10000)
                junk += "qwerty uiop asdf "
            shell.oopRangeText = junk
            var error = child(shell.pages.projectPage, "oopRangeError")
            verify(error.visible)
            compare(error.lineCount, 1)
            verify(error.text.length < 200, error.text)
            verify(shell.solveBlockReason.length < 200, shell.solveBlockReason)
            compare(child(shell.pages.projectPage, "oopRangeErrorTip").text, error.text)
        }

        // In ICM the rake rows are hidden and the solve charges no rake:
        // the same spot gives the same values as with no rake at all.
        function test_icmChargesNoHiddenRake() {
            var shell = makeShell()
            shell.applyProjectState({ utilityModel: "icm", oopStack: 100, ipStack: 100, icmPayoutsText: "60, 40",
                                      icmOtherStacksText: "" })
            settle(shell)
            verify(shell.canSolve, shell.solveBlockReason)
            var evs = []
            ;[[0, 0], [5, 3]].forEach(function (rake) {
                shell.rakePercent = rake[0]
                shell.rakeCap = rake[1]
                settle(shell)
                appController.startSolveWithConfig(shell._solveMemCfg())
                tryCompare(appController, "statusText", "Done", 120000)
                evs.push([appController.resultEvOop, appController.resultEvIp])
            })
            compare(evs[1], evs[0])
            compare(shell.pages.resultsPage.rakeCap, 0, "the results charge no rake either")
        }

        // A profile saved on the river, loaded on a turn board: the turn is solved.
        function test_riverProfileOnATurnBoard() {
            var shell = makeShell()
            var page = shell.pages.projectPage
            shell.boardText = "Ks7d2c5h"
            compare(shell.startingStreet, "turn")
            var riverProfile = page.currentSettingsSnapshot()
            riverProfile.starting_street = "river"
            riverProfile.starting_pot = 30
            page.applySettingsSnapshot(riverProfile)
            compare(shell.startingPot, 30)
            compare(shell.startingStreet, "turn")
            settle(shell)
            verify(shell.canSolve, shell.solveBlockReason)
            var map = shell._solveMemCfg()
            compare(map.starting_street, "turn")
            appController.startSolveWithConfig(map)
            tryCompare(appController, "statusText", "Done", 120000)
            verify(appController.resultIterations > 0)
            // A loaded project's street that contradicts its board is put back too.
            shell.navigation.openLoadedProject({ boardText: "Ks7d2c", startingStreet: "river" }, false)
            compare(shell.startingStreet, "flop")
        }

        function cleanup() {
            harness.capAvailableMemory(0)
            root.width = 1600
            root.height = 1000
        }

        // A ready spot edited into one the free memory cannot hold: from the
        // edit until the new spot's estimate is in, nothing offers a start
        // (the figure on screen is the old spot's), and then the RAM reason.
        function test_noStartOnTheEstimateOfAnotherSpot() {
            var shell = makeShell()
            settle(shell)
            verify(shell.canSolve, shell.solveBlockReason)
            // Room for this river spot, not for the flop spot below.
            harness.capAvailableMemory(3 * Number(appController.solveRequiredMemoryBytes))
            verify(shell.canSolve, shell.solveBlockReason)
            var page = shell.pages.projectPage
            var offers = [child(page, "continueToSolveButton"), child(shell.pages.solvePage, "startSolveButton")]
            var solveTab = child(shell, "tab2")
            var badge = child(page, "setupHeader")
            shell.applyProjectState({ boardText: "Ks7d2c", oopRangeText: "AA, KK, QQ, JJ, TT, AK, AQ, KQ, 76s, 65s",
                                      ipRangeText: "99, 88, 77, 66, AJ, KJ, QJ, JT, T9s, 98s" })
            var polls = 0
            while (shell.estimateMeasuring) {
                verify(!shell.canSolve, "no start on the figure of the spot before")
                offers.forEach(function (button) { verify(!button.enabled, button.objectName) })
                verify(!solveTab.allowed)
                compare(badge.badge, "Measuring…")
                keyClick(Qt.Key_F5)
                verify(!appController.running, "F5 started a solve")
                ++polls
                wait(5)
                verify(polls < 20000, "the estimate never came")
            }
            verify(polls > 0)
            verify(!shell.canSolve)
            verify(shell.solveBlockReason.indexOf("Not enough RAM to solve") === 0, shell.solveBlockReason)
            compare(badge.badge, "Not Ready")
        }

        // A project file is read by the set-up's own rules: values a field
        // would not take are left out and listed, and take the new
        // project's value; a file whose set-up is not an object, or whose
        // board is not one of its deck, is refused and the set-up stays as
        // it was.
        function test_projectValuesAreReadByTheirFields_data() {
            var padded = "Ks7d2c" + new Array(1 << 20).join(" ")
            return [
                { tag: "counts with fractions", project: { boardText: "Ks7d2c5h", maxIterations: 2.5, threadCount: 1.5, startingPot: 30 },
                  title: "Some Values Not Loaded", listed: ["Iterations: \"2.5\"", "CPU threads utilized: \"1.5\""],
                  want: { maxIterations: undefined, startingPot: 30 } },
                { tag: "choices and ranges", project: { boardText: "Ks7d2c", gameVariant: "omaha", utilityModel: "banana",
                                                        effectiveStack: 0.5, oopStack: "10,000", oopFlopAddAllIn: "no" },
                  title: "Some Values Not Loaded",
                  listed: ["Game variant: \"omaha\"", "Utility model: \"banana\"", "Effective Stack: \"0.5\"",
                           "OOP stack: \"10,000\"", "OOP Sizing · Flop · Add All-In: \"no\""],
                  want: { gameVariant: "holdem", utilityModel: "cash", effectiveStack: undefined, oopStack: 0,
                          oopFlopAddAllIn: false } },
                { tag: "choices of another type", project: { boardText: "Ks7d2c", gameVariant: 0, utilityModel: true },
                  title: "Some Values Not Loaded", listed: ["Game variant: \"0\"", "Utility model: \"true\""],
                  want: { gameVariant: "holdem", utilityModel: "cash" } },
                { tag: "set-up a list", project: [1, 2], title: "Open Failed", listed: ["the set-up is not an object"] },
                { tag: "a 2 on a short-deck board", project: { gameVariant: "shortdeck", boardText: "Ks7d2c" },
                  title: "Open Failed", listed: ["'2c'"] },
                { tag: "a padded board", project: { boardText: padded }, title: "Open Failed", listed: ["up to five cards"] }
            ]
        }

        // A text field out of focus shows the start of its text: a loaded
        // list, and one the user left with the cursor at its end.
        function test_unfocusedFieldShowsItsStart() {
            var shell = makeShell()
            shell.applyProjectState({ utilityModel: "icm", oopStack: 50, ipStack: 50,
                                      icmPayoutsText: "60, 10.000, 21474836.47, 0,125" })
            var field = child(shell.pages.projectPage, "icmPayoutsField")
            waitForRendering(field)
            verify(field.contentWidth > field.width, "the list is wider than its field")
            function startShown() {
                return field.positionAt(field.leftPadding + 1, field.height / 2) === 0
            }
            verify(startShown(), "loaded")
            field.forceActiveFocus()
            keyClick(Qt.Key_End)
            verify(!startShown(), "the end shows while typing")
            keyClick(Qt.Key_Tab)
            verify(!field.activeFocus)
            verify(startShown(), "left")
        }

        // Every value a project brings that its field would not take is
        // listed by the field's name and quoted by the quoting rule (short,
        // a control character as its escape); the list scrolls inside its
        // box and OK stays in the window (one 1280 x 720).
        function test_notLoadedListStaysInTheWindow() {
            root.width = 1280
            root.height = 720
            var shell = makeShell()
            var project = { boardText: "Ks7d2c", startingPot: "9".repeat(100000), effectiveStack: "1\u0007" }
            Presets.PROJECT_KEYS.forEach(function (key) {
                if (Presets.keyType(key) !== "string" || Presets.CHOICES[key] !== undefined)
                    project[key] = project[key] || "7".repeat(3000)
            })
            verify(openProject(shell, "long.pellarisproj", project))
            var dialog = child(child(shell, "homePage"), "fileErrorDialog")
            tryCompare(dialog, "opened", true)
            var lines = dialog.message.split("\n").slice(1)
            var refused = Presets.refusedKeys(project)
            compare(lines.length, refused.length)
            verify(refused.length >= 25, refused.length)
            refused.forEach(function (entry, i) {
                var label = appController.fieldLabel(NotLoaded.requestKey(entry.key))
                verify(label !== "", entry.key)
                compare(lines[i], label + ": \"" + appController.quotedText(entry.text) + "\"")
                verify(lines[i].length < 80, lines[i])
            })
            verify(dialog.message.indexOf("Effective Stack: \"1\\u0007\"") >= 0, dialog.message)
            var scroll = child(dialog, "messageScroll")
            var ok = child(dialog.footer, "messageOkButton")
            tryVerify(function () { return scroll.contentHeight > scroll.height }, 5000, "the list scrolls")
            verify(child(dialog.contentItem, "messageScrollBar").visible)
            var at = ok.mapToItem(dialog.parent, 0, 0)
            verify(at.y >= 0 && at.y + ok.height <= dialog.parent.height, at.y)
            mouseClick(ok)
            tryCompare(dialog, "visible", false)
        }

        function test_projectValuesAreReadByTheirFields(data) {
            var shell = makeShell()
            shell.utilityModel = "icm"
            shell.oopStack = 500
            var before = shell.exportProjectState()
            compare(openProject(shell, "values.pellarisproj", data.project), data.title !== "Open Failed")
            var dialog = child(child(shell, "homePage"), "fileErrorDialog")
            tryCompare(dialog, "opened", true)
            compare(dialog.title, data.title)
            data.listed.forEach(function (line) { verify(dialog.message.indexOf(line) >= 0, dialog.message) })
            dialog.close()
            if (data.want === undefined) {
                compare(shell.exportProjectState(), before, "a refused file changes nothing")
                return
            }
            // undefined: the new project's value.
            var want = Object.assign({ threadCount: undefined }, data.want)
            Object.keys(want).forEach(function (key) {
                compare(shell[key], want[key] === undefined ? shell.newProjectPreset[key] : want[key], key)
            })
        }

        // A project that leaves keys out opens with the new project's values
        // for them, not those of the project open before.
        function test_missingKeysTakeTheNewProjectValues() {
            var shell = makeShell()
            shell.applyProjectState({ utilityModel: "icm", oopStack: 500, icmPayoutsText: "50, 30", rakeCap: 7,
                                      oopFlopBetSizesText: "33", oopRiverAddAllIn: true })
            verify(openProject(shell, "sparse.pellarisproj", { boardText: "Ks7d2c" }))
            var want = Object.assign({}, shell.newProjectPreset,
                                     { boardText: "Ks7d2c", startingStreet: "flop", utilityModel: "cash", oopStack: 0,
                                       icmPayoutsText: "" })
            Object.keys(want).forEach(function (key) { compare(shell[key], want[key], key) })
            compare(child(shell.pages.projectPage, "oopFlopBetField").text, "", "the page shows it too")
        }
    }
}
