import QtQuick
import QtTest
import Pellaris

// The shell's project state, presets, range memory, readiness, estimate
// requests, configuration map and keys, against a scripted controller.
Item {
    id: root
    width: 800
    height: 600

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    SettingsSection { id: uiStore; category: "ui" }

    // The user hold'em ranges as the product ships them.
    readonly property string userOop: "88+,A8s+,A5s,A4s,A3s-A2s:0.5,AJo+,ATo,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,"
        + "J8s+,JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,65s:0.75,64s:0.5,"
        + "54s:0.75,53s:0.5,43s:0.5,32s:0.45,A9o:0.5,K8s:0.5,Q8s:0.5,77:0.5,66:0.5,55:0.25"
    readonly property string userIp: "AA:0.25,99-22,AJs-A6s,A5s-A4s:0.5,A3s-A2s,AQo-A7o,K2s+,K9o+,Q4s+,Q3s-Q2s:0.5,"
        + "Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,98o,86s+,85s:0.5,75s+,74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s,"
        + "QQ:0.25,JJ:0.25,TT:0.5,A5o:0.5,A4o:0.5,J5s:0.5,T5s:0.5"
    readonly property string shortOop: "AA-66,AKs-A6s,AKo,AQo,AJo,ATo:0.5,KQs-K9s,KQo,KJo:0.5,QJs-Q9s,QJo:0.5,"
        + "JTs-J9s,JTo:0.5,T9s,T8s:0.5,98s,87s,76s,97s:0.5,86s:0.5"
    readonly property string shortIp: "AA-66,AKs-A6s,AKo,AQo,AJo:0.5,KQs-K8s,KQo,KJo:0.5,QJs-Q8s,QJo:0.5,"
        + "JTs-J8s,JTo:0.5,T9s,T8s,98s,87s,76s,86s:0.5,97s:0.5,T9o:0.5,98o:0.25"
    readonly property string devHoldemOop: "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,"
        + "QJo:0.5,J8s+,JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,"
        + "65s:0.75,64s:0.5,63s:0.45,54s:0.75,53s:0.5,52s:0.45,43s:0.5,42s:0.45,32s:0.45"

    readonly property var sizingKeys: {
        var keys = []
        ;["oop", "ip"].forEach(function (seat) {
            ;["Flop", "Turn", "River"].forEach(function (street) {
                keys.push(seat + street + "BetSizesText", seat + street + "RaiseSizesText", seat + street + "AddAllIn")
                if (seat === "oop")
                    keys.push(seat + street + "DontDonk")
            })
            keys.push(seat + "AddAllInIfJamLtEnabled", seat + "AddAllInIfJamLtPct")
        })
        return keys
    }

    TestCase {
        name: "AppShell"
        when: windowShown

        property var stub: null

        function makeShell(props) {
            stub = harness.createStandIn("appController", root)
            stub.systemThreadCount = 8
            stub.running = false
            // Ranges are read by the solver's own reader.
            stub._answer("readRangeText", function (text, variant, board) {
                return appController.readRangeText(text, variant, board === undefined ? "" : board)
            })
            var overrides = props || {}
            for (var k in overrides)
                stub[k] = overrides[k]
            return createTemporaryObject(shellComponent, root, { controller: stub })
        }

        // Enough memory for any spot, so that canSolve follows readiness,
        // once the spot's estimate has been asked for.
        function giveMemory(shell) {
            settle(shell)
            stub.solveRequiredMemoryBytes = 1e9
            stub.systemAvailableMemoryBytes = 8e9
            stub.resultsReclaimableMemoryBytes = 0
        }

        function quickSolved(developer, variant) {
            var shell = makeShell()
            if (developer)
                shell._developerModeSource = { developerMode: true }
            if (variant)
                shell.gameVariant = variant
            shell.resetToDefaults()
            return shell
        }

        function estimates() {
            return stub._callsTo("requestSolveMemoryEstimate").length
        }

        function settle(shell) {
            tryCompare(shell.solveMemEstimateTimer, "running", false, 10000)
        }

        function test_startUpIsBlank_data() {
            return [
                { tag: "8 threads", threads: 8, want: 8 },
                { tag: "thread count unknown", threads: 0, want: 1 }
            ]
        }

        function test_startUpIsBlank(data) {
            var shell = makeShell({ systemThreadCount: data.threads })
            var want = {
                gameVariant: "holdem", boardText: "", oopRangeText: "", ipRangeText: "", betSizesText: "",
                maxIterations: 0, startingPot: 0, effectiveStack: 0, utilityModel: "cash", oopStack: 0,
                ipStack: 0, icmPayoutsText: "", icmOtherStacksText: "", threadCount: data.want,
                startingStreet: "flop", targetExploitability: 0, rakePercent: 0, rakeCap: 0
            }
            sizingKeys.forEach(function (k) {
                want[k] = /Text$/.test(k) ? "" : (/Pct$/.test(k) ? 0 : false)
            })
            compare(shell.exportProjectState(), want)
            compare(shell.hasProject, false)
            compare(shell.navIndex, 0)
            compare(stub._callsTo("clearResults").length, 1)
            compare(shell._canSolveBase, false)
        }

        // The appearance the settings page stored is what the shell starts
        // with; a stored accent that is not a colour is no accent.
        function test_startUpReadsAppearance_data() {
            return [
                { tag: "light, accent", dark: false, accent: " #112233 ", override: true, color: "#112233" },
                { tag: "dark, translucent accent", dark: true, accent: "#80112233", override: true, color: "#80112233" },
                { tag: "no accent", dark: true, accent: "", override: false },
                { tag: "accent not a colour", dark: false, accent: "red", override: false }
            ]
        }

        function test_startUpReadsAppearance(data) {
            uiStore.write({ darkMode: data.dark })
            uiStore.write({ accentHex: data.accent })
            var shell = makeShell()
            compare(shell.theme.dark, data.dark)
            compare(shell.theme.useAccentOverride, data.override)
            if (data.override)
                verify(Qt.colorEqual(shell.theme.accentOverride, data.color), String(shell.theme.accentOverride))
            var settingsPage = findChild(shell, "settingsPage")
            compare(settingsPage.darkMode, data.dark)
            settingsPage.darkMode = !data.dark
            compare(shell.theme.dark, !data.dark, "the settings page's switch reaches the theme")
        }

        // What the settings page stores is what the next start shows.
        function test_savedAppearanceComesBack() {
            var first = makeShell()
            var settingsPage = findChild(first, "settingsPage")
            settingsPage.applyAccentHex(" #80AABBCC ")
            settingsPage.applyAccentHex("#12345")
            settingsPage.darkMode = false
            settingsPage.saveSettings()
            compare(uiStore.value("accentHex"), "#80aabbcc")
            var second = makeShell()
            compare([second.theme.dark, second.theme.useAccentOverride], [false, true])
            verify(Qt.colorEqual(second.theme.accentOverride, "#80AABBCC"))

            findChild(second, "settingsPage").applyAccentHex("")
            compare(second.theme.useAccentOverride, false)
        }

        function test_quickSolve_data() {
            return [
                { tag: "user hold'em", dev: false, variant: "holdem", board: "AdJd8s", pot: 18, stack: 91, cap: 3,
                  oop: userOop, ip: userIp, flop: "50", river: "75", riverRaise: "75" },
                { tag: "developer hold'em", dev: true, variant: "holdem", board: "QsJh2h", pot: 180, stack: 910, cap: 30,
                  oop: devHoldemOop, flop: "52", river: "70", riverRaise: "45" },
                { tag: "user short deck", dev: false, variant: "shortdeck", board: "AdJd8s", pot: 18, stack: 91, cap: 3,
                  oop: shortOop, ip: shortIp, flop: "50", river: "75", riverRaise: "75" },
                { tag: "developer short deck", dev: true, variant: "shortdeck", board: "QsJh8h", pot: 180, stack: 910,
                  cap: 30, oop: shortOop, ip: shortIp, flop: "52", river: "70", riverRaise: "45" }
            ]
        }

        function test_quickSolve(data) {
            var shell = quickSolved(data.dev, data.variant)
            compare(shell.gameVariant, data.variant)
            compare(shell.boardText, data.board)
            compare(shell.startingPot, data.pot)
            compare(shell.effectiveStack, data.stack)
            compare(shell.rakePercent, 5)
            compare(shell.rakeCap, data.cap)
            compare(shell.targetExploitability, 0.5)
            compare(shell.maxIterations, 400)
            compare(shell.threadCount, 8)
            compare(shell.oopRangeText, data.oop)
            if (data.ip)
                compare(shell.ipRangeText, data.ip)
            compare(shell.ipFlopBetSizesText, data.flop)
            compare(shell.oopRiverBetSizesText, data.river)
            compare(shell.ipRiverRaiseSizesText, data.riverRaise)
            compare(shell.hasProject, true)
            compare(stub._callsTo("clearResults").length, 2)
        }

        function test_shortDeckSwitchKeepsEachVariantsRanges() {
            var shell = quickSolved(false, "holdem")
            shell.gameVariant = "shortdeck"
            compare(shell.oopRangeText, shortOop)
            compare(shell.ipRangeText, shortIp)
            compare(shell.boardText, "AdJd8s")
            shell.oopRangeText = "AA,KK"
            shell.gameVariant = "holdem"
            compare(shell.oopRangeText, userOop)
            compare(shell.ipRangeText, userIp)
            shell.gameVariant = "shortdeck"
            compare(shell.oopRangeText, "AA,KK")
        }

        function test_mapWithOtherVariantStoresRangesUnderIt() {
            var shell = quickSolved(false, "holdem")
            shell.applyProjectState({ gameVariant: "shortdeck", oopRangeText: "AKs", ipRangeText: "QQ" })
            shell.gameVariant = "holdem"
            compare(shell.oopRangeText, userOop)
            shell.gameVariant = "shortdeck"
            compare([shell.oopRangeText, shell.ipRangeText], ["AKs", "QQ"])
        }

        function test_blankResetsFromShortDeckEndBlank_data() {
            return [
                { tag: "new project", reset: "resetToNewProject", project: true, pot: 18 },
                { tag: "start-up", reset: "resetToStartupBlank", project: false, pot: 0 }
            ]
        }

        function test_blankResetsFromShortDeckEndBlank(data) {
            var shell = quickSolved(false, "shortdeck")
            shell[data.reset]()
            compare(shell.gameVariant, "holdem")
            compare([shell.boardText, shell.oopRangeText, shell.ipRangeText, shell.oopFlopBetSizesText], ["", "", "", ""])
            compare(shell.startingPot, data.pot)
            compare(shell.hasProject, data.project)
        }

        function test_resetsKeepUtilityModelAndIcmInputs_data() {
            return ["resetToStartupBlank", "resetToNewProject", "resetToDefaults"].map(function (r) {
                return { tag: r, reset: r }
            })
        }

        function test_resetsKeepUtilityModelAndIcmInputs(data) {
            var shell = makeShell()
            var icm = { utilityModel: "icm", oopStack: 40, ipStack: 55, icmPayoutsText: "50,30", icmOtherStacksText: "20" }
            shell.applyProjectState(icm)
            shell[data.reset]()
            for (var k in icm)
                compare(shell[k], icm[k], k)
        }

        function test_exportThenApplyChangesNothing() {
            var shell = quickSolved(false, "holdem")
            shell.applyProjectState({ utilityModel: "icm", oopStack: 12.5, oopTurnAddAllIn: true, ipAddAllInIfJamLtPct: 7.5 })
            settle(shell)
            var before = shell.exportProjectState()
            shell.applyProjectState(before)
            compare(shell.exportProjectState(), before)
            compare(shell.solveMemEstimateTimer.running, false, "no setting changed, so no estimate is due")
        }

        function test_boardOnlyMapChangesOnlyTheBoard() {
            var shell = quickSolved(false, "holdem")
            var want = shell.exportProjectState()
            want.boardText = "Kh7c2d"
            shell.applyProjectState({ boardText: "Kh7c2d" })
            compare(shell.exportProjectState(), want)
        }

        // Values that cannot be read as the property's type are skipped;
        // the keys after them are still applied.
        function test_applyConvertsOrSkips_data() {
            return [
                { tag: "number text", key: "maxIterations", value: " 250 ", want: 250 },
                { tag: "count with a fraction", key: "maxIterations", value: 249.6 },
                { tag: "count written with a point", key: "maxIterations", value: "250.0", want: 250 },
                { tag: "threads with a fraction", key: "threadCount", value: 1.5 },
                { tag: "rake cap keeps its decimals", key: "rakeCap", value: 2.5, want: 2.5 },
                { tag: "real text", key: "startingPot", value: "12.5", want: 12.5 },
                { tag: "word", key: "maxIterations", value: "lots" },
                { tag: "empty text for number", key: "startingPot", value: "" },
                { tag: "NaN", key: "startingPot", value: NaN },
                { tag: "infinite", key: "effectiveStack", value: Infinity },
                { tag: "int out of range", key: "threadCount", value: 1e12 },
                { tag: "bool for number", key: "rakePercent", value: true },
                { tag: "object for text", key: "boardText", value: { a: 1 } },
                { tag: "list for text", key: "oopRangeText", value: ["AA"] },
                { tag: "null", key: "boardText", value: null },
                { tag: "number for text", key: "icmPayoutsText", value: 50, want: "50" },
                { tag: "truth word", key: "oopFlopAddAllIn", value: "TRUE", want: true },
                { tag: "one for bool", key: "ipRiverAddAllIn", value: 1, want: true },
                { tag: "other word for bool", key: "oopFlopDontDonk", value: "yes" },
                { tag: "two for bool", key: "oopFlopDontDonk", value: 2 }
            ]
        }

        function test_applyConvertsOrSkips(data) {
            var shell = quickSolved(false, "holdem")
            var want = shell.exportProjectState()
            if (data.want !== undefined)
                want[data.key] = data.want
            want.ipStack = 33
            var map = {}
            map[data.key] = data.value
            map.ipStack = 33
            shell.applyProjectState(map)
            compare(shell.exportProjectState(), want)
        }

        function test_applyWithoutMapDoesNothing_data() {
            return [{ tag: "undefined", map: undefined }, { tag: "null", map: null }, { tag: "text", map: "boardText" }]
        }

        function test_applyWithoutMapDoesNothing(data) {
            var shell = quickSolved(false, "holdem")
            var before = shell.exportProjectState()
            shell.applyProjectState(data.map)
            compare(shell.exportProjectState(), before)
        }

        function test_pagesFollowTheStateAgainAfterSync() {
            var shell = makeShell()
            var setup = findChild(shell, "projectPage")
            var solve = findChild(shell, "solvePage")
            setup.boardText = "AhKh"
            compare(shell.boardText, "AhKh", "written back")
            shell.resetToNewProject()
            compare(setup.boardText, "")
            shell.boardText = "2c3c4c"
            compare([setup.boardText, solve.boardText], ["2c3c4c", "2c3c4c"])

            solve.threadCount = 3
            compare(shell.threadCount, 3, "written back")
            shell.applyProjectState({ threadCount: 5 })
            shell.syncPagesFromRoot()
            compare(solve.threadCount, 5)
            shell.threadCount = 6
            compare(solve.threadCount, 6)
        }

        // A range typed on the set-up page, then a variant switch (by the
        // page's own button or by the shell): the page's text, its matrix,
        // the shell and the map F5 hands to the solve all hold one pair.
        function test_setupPageShowsTheRangesSolvedAfterAVariantSwitch_data() {
            return [ { tag: "page's button", byPage: true }, { tag: "shell", byPage: false } ]
        }

        function test_setupPageShowsTheRangesSolvedAfterAVariantSwitch(data) {
            var shell = quickSolved(false, "holdem")
            giveMemory(shell)
            var setup = findChild(shell, "projectPage")
            // What the range field and a matrix click do: the page assigns
            // its own property, which ends its binding to the shell.
            setup.oopRangeText = "AA,KK"
            compare(shell.oopRangeText, "AA,KK", "written back")
            var solved = 0
            var steps = [ { variant: "shortdeck", oop: shortOop, ip: shortIp },
                          { variant: "holdem", oop: "AA,KK", ip: userIp } ]
            steps.forEach(function (step) {
                if (data.byPage)
                    setup.gameVariant = step.variant
                else
                    shell.gameVariant = step.variant
                compare(shell.gameVariant, step.variant)
                var shown = [setup.oopRangeText, setup.ipRangeText]
                compare([shell.oopRangeText, shell.ipRangeText], [step.oop, step.ip], step.variant)
                compare(shown, [step.oop, step.ip], "the page after the switch to " + step.variant)
                compare(findChild(setup, "oopMatrix").weights, setup.readRange(step.oop).weights)
                compare(findChild(setup, "ipMatrix").weights, setup.readRange(step.ip).weights)
                settle(shell)
                verify(shell.canSolve, step.variant)
                keyClick(Qt.Key_F5)
                var calls = stub._callsTo("startSolveWithConfig")
                compare(calls.length, ++solved)
                var map = calls[calls.length - 1][0]
                compare([map.oop_range, map.ip_range], shown, "what the solve takes")
            })
        }

        function test_homePageSavesTheShellsState() {
            var shell = quickSolved(false, "holdem")
            var home = findChild(shell, "homePage")
            compare(home.projectStateProvider(), shell.exportProjectState())
        }

        // Starting from a ready Quick Solve spot, one change each.
        function test_readiness_data() {
            var icm = { utilityModel: "icm", oopStack: 100, ipStack: 100 }
            function withIcm(extra) { return Object.assign({}, icm, extra) }
            return [
                { tag: "quick solve", change: {}, ready: true },
                { tag: "board with blanks", change: { boardText: "Qs Jh 2h" }, ready: true },
                { tag: "board lower case", change: { boardText: "qsjh2h" }, ready: true },
                { tag: "river board", change: { boardText: "QsJh2h3c4d" }, ready: true },
                { tag: "odd length", change: { boardText: "QsJh2" }, ready: false },
                { tag: "two cards", change: { boardText: "QsJh" }, ready: false },
                { tag: "bad suit", change: { boardText: "QsJx2h" }, ready: false },
                { tag: "six cards", change: { boardText: "QsJh2h3c4d5s" }, ready: false },
                { tag: "short deck low rank board", change: { gameVariant: "shortdeck", boardText: "QsJh5h" }, ready: false },
                { tag: "short deck low pair range", change: { gameVariant: "shortdeck", oopRangeText: "22" }, ready: false },
                { tag: "percentage only", change: { ipRangeText: "50%" }, ready: true },
                { tag: "lower-case ranks", change: { ipRangeText: "at" }, ready: true },
                { tag: "one combination", change: { ipRangeText: "AhKd" }, ready: true },
                { tag: "combination on the board", change: { ipRangeText: "AdKc" }, ready: false },
                { tag: "98 inside text", change: { oopRangeText: "x98:0.5" }, ready: false },
                { tag: "blank range", change: { oopRangeText: "  " }, ready: false },
                { tag: "IP river raise empty", change: { ipRiverRaiseSizesText: " " }, ready: false },
                { tag: "cash pot 0", change: { startingPot: 0 }, ready: false },
                { tag: "cash stack 0", change: { effectiveStack: 0 }, ready: false },
                { tag: "cash ignores seat stacks", change: { oopStack: 0, ipStack: 0 }, ready: true },
                { tag: "ICM 3 payouts, 2 players", change: withIcm({ icmPayoutsText: "50,30,20" }), ready: false },
                { tag: "ICM 3 payouts, 3 players", change: withIcm({ icmPayoutsText: "50,30,20", icmOtherStacksText: "40" }), ready: true },
                { tag: "ICM 2 payouts", change: withIcm({ icmPayoutsText: "50, 30," }), ready: true },
                { tag: "ICM zero payout", change: withIcm({ icmPayoutsText: "50,0" }), ready: false },
                { tag: "ICM bad other stack", change: withIcm({ icmPayoutsText: "50", icmOtherStacksText: "40,x" }), ready: false },
                { tag: "ICM no payouts", change: withIcm({ icmPayoutsText: "" }), ready: false },
                { tag: "ICM seat stack 0", change: withIcm({ icmPayoutsText: "50", ipStack: 0 }), ready: false }
            ]
        }

        function test_readiness(data) {
            var shell = quickSolved(false, "holdem")
            giveMemory(shell)
            shell.applyProjectState(data.change)
            compare(shell._canSolveBase, data.ready)
            settle(shell)
            compare(shell.canSolve, data.ready)
        }

        function test_memoryGate_data() {
            return [
                { tag: "no estimate yet", required: 0, available: 8e9, reclaimable: 0, ok: false },
                { tag: "available above", required: 1000, available: 1001, reclaimable: 0, ok: true },
                { tag: "available equal", required: 1000, available: 1000, reclaimable: 0, ok: false },
                { tag: "with reclaimable equal", required: 1000, available: 600, reclaimable: 400, ok: false },
                { tag: "with reclaimable above", required: 1000, available: 600, reclaimable: 401, ok: true },
                { tag: "available unknown", required: 1000, available: 0, reclaimable: 5000, ok: false }
            ]
        }

        function test_memoryGate(data) {
            var shell = quickSolved(false, "holdem")
            settle(shell)
            stub.solveRequiredMemoryBytes = data.required
            stub.systemAvailableMemoryBytes = data.available
            stub.resultsReclaimableMemoryBytes = data.reclaimable
            compare(shell.canSolve, data.ok)
        }

        function test_noControllerNeverSolves() {
            var shell = quickSolved(false, "holdem")
            shell.controller = null
            // Without the reader no range is known to hold a hand.
            compare(shell._canSolveBase, false)
            compare(shell.canSolve, false)
        }

        function test_configMapOfQuickSolve() {
            var shell = quickSolved(false, "holdem")
            var cfg = shell._solveMemCfg()
            var keys = ["variant", "board", "oop_range", "ip_range", "max_iterations", "target_exploitability",
                        "starting_pot", "effective_stack", "rake_percent", "rake_cap", "starting_street",
                        "thread_count", "utility_model", "oop_stack", "ip_stack", "icm_payouts", "icm_other_stacks",
                        "oop_add_all_in_jam_threshold_enabled", "oop_add_all_in_jam_threshold_pct",
                        "ip_add_all_in_jam_threshold_enabled", "ip_add_all_in_jam_threshold_pct"]
            ;["oop", "ip"].forEach(function (seat) {
                ;["flop", "turn", "river"].forEach(function (street) {
                    keys.push(seat + "_" + street + "_bet_sizes", seat + "_" + street + "_raise_sizes",
                              seat + "_" + street + "_add_all_in")
                    if (seat === "oop")
                        keys.push(seat + "_" + street + "_dont_donk")
                })
            })
            compare(Object.keys(cfg).sort(), keys.sort())
            compare(keys.length, 42)
            fuzzyCompare(cfg.target_exploitability, 0.09, 1e-12)
            compare(cfg.ip_range, userIp)
            compare(cfg.oop_turn_bet_sizes, "75")
            compare(cfg.utility_model, "cash")
            compare(cfg.thread_count, 8)

            shell.startingPot = 0
            compare(shell._solveMemCfg().target_exploitability, 0)
        }

        function test_configMapStacks_data() {
            return [
                { tag: "icm", model: " ICM ", effective: 80 },
                { tag: "cash", model: "", effective: 91 }
            ]
        }

        function test_configMapStacks(data) {
            var shell = quickSolved(false, "holdem")
            shell.applyProjectState({ utilityModel: data.model, oopStack: 100, ipStack: 80, boardText: "Qs Jh 2h" })
            var cfg = shell._solveMemCfg()
            compare([cfg.oop_stack, cfg.ip_stack, cfg.effective_stack], [100, 80, data.effective])
            compare(cfg.board, "Qs Jh 2h", "sent as typed")
        }

        function test_tenEditsSendOneEstimate() {
            var shell = quickSolved(false, "holdem")
            tryVerify(function () { return estimates() === 1 }, 10000)
            // The test holds the timer, so no stall between two edits can
            // outlast its interval and end the burst early.
            var timer = shell.solveMemEstimateTimer
            timer.interval = 3600000
            for (var i = 0; i < 10; ++i) {
                shell.startingPot = 20 + i
                wait(30)
            }
            compare(estimates(), 1, "nothing before the edits end")
            verify(timer.running, "the last edit keeps the estimate pending")
            timer.interval = 20
            timer.restart()
            tryVerify(function () { return estimates() === 2 }, 10000)
            var calls = stub._callsTo("requestSolveMemoryEstimate")
            var lastSent = calls[calls.length - 1][0]
            compare(lastSent, shell._solveMemCfg())
            compare(lastSent.starting_pot, 29)
            wait(600)
            compare(estimates(), 2)
        }

        function test_editsThatDoNotScheduleAnEstimate() {
            var shell = quickSolved(false, "holdem")
            settle(shell)
            shell.maxIterations = 900
            shell.targetExploitability = 0.25
            shell.betSizesText = "33"
            shell.threadCount = shell.threadCount === 1 ? 2 : 1
            compare(shell.solveMemEstimateTimer.running, false)
            verify(!shell.estimateMeasuring)
            shell.rakeCap = 4
            compare(shell.solveMemEstimateTimer.running, true)
        }

        function test_incompleteSpotSendsNothing() {
            var shell = quickSolved(false, "holdem")
            settle(shell)
            var before = estimates()
            shell.boardText = "Qs"
            settle(shell)
            compare(estimates(), before)
        }

        function test_f5StartsTheSolveWithTheMap() {
            var shell = quickSolved(false, "holdem")
            giveMemory(shell)
            verify(shell.canSolve)
            keyClick(Qt.Key_F5)
            var calls = stub._callsTo("startSolveWithConfig")
            compare(calls.length, 1)
            compare(calls[0][0], shell._solveMemCfg())
            compare(shell.navIndex, 2)
        }

        function test_f5Refused_data() {
            return [
                { tag: "spot not ready", running: false, board: "Qs" },
                { tag: "solve running", running: true, board: "AdJd8s" }
            ]
        }

        function test_f5Refused(data) {
            var shell = quickSolved(false, "holdem")
            giveMemory(shell)
            shell.boardText = data.board
            stub.running = data.running
            keyClick(Qt.Key_F5)
            compare(stub._callsTo("startSolveWithConfig").length, 0)
            compare(stub._callsTo("startSolve").length, 0)
            compare(shell.navIndex, 0)
        }

        function test_escapeCancelsOnlyARunningSolve_data() {
            return [{ tag: "running", running: true, calls: 1 }, { tag: "idle", running: false, calls: 0 }]
        }

        function test_escapeCancelsOnlyARunningSolve(data) {
            makeShell()
            stub.running = data.running
            keyClick(Qt.Key_Escape)
            compare(stub._callsTo("cancelSolve").length, data.calls)
        }
    }
}
