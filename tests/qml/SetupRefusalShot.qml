import QtQuick
import QtQuick.Controls.Basic
import Pellaris

// The set-up page with the real controller and a spot the solve refuses,
// for screenshots: "--case=sizing|tree|icm|icmstack|range|junk|weightjunk|long|board|number"
// picks the refusal ("import" opens the range import of a file instead,
// "importjunk" that of a file with a weight followed by junk),
// "--lang=CODE" the language, "--range" scrolls to the ranges,
// "--blank" shows a new project as it starts, "--measuring" shows an edited
// spot whose estimate is still on its way, "--profile" loads a profile
// with values its fields do not take, "--set=KEY:JSON" sets a value,
// "--enter=FIELD:TEXT" finishes an edit of TEXT in the field named FIELD,
// "--notloaded" opens a project with long values its fields do not take
// ("--profile-first": loads such a profile instead).
ApplicationWindow {
    id: window
    width: Screen.desktopAvailableWidth
    height: Screen.desktopAvailableHeight
    visible: true
    color: "#080B12"

    readonly property var args: Qt.application.arguments
    function argValue(prefix) {
        for (var i = 0; i < args.length; ++i)
            if (String(args[i]).indexOf(prefix) === 0)
                return String(args[i]).substring(prefix.length)
        return ""
    }

    AppShell {
        id: shell
        anchors.fill: parent
        controller: appController
    }

    Component.onCompleted: {
        // qmllint disable unqualified
        if (argValue("--lang="))
            languageManager.setLanguage(argValue("--lang="))
        // qmllint enable unqualified
        startTimer.start()
    }

    Timer {
        id: startTimer
        interval: 300
        onTriggered: window.prepare()
    }

    function prepare() {
        shell.resetToNewProject()
        if (args.indexOf("--blank") >= 0) {
            shell.navIndex = 1
            return
        }
        shell.applyProjectState({
            boardText: "Ks7d2c5h9s", startingPot: 22.8, effectiveStack: 88.9,
            oopRangeText: "AA, KK, QQ, JJ, AK, KQ, 76s, 43s", ipRangeText: "AA, 99, 77, AK, KJ, QJ, T8s, 86s"
        })
        ;["oop", "ip"].forEach(function (seat) {
            ;["Flop", "Turn", "River"].forEach(function (street) {
                shell[seat + street + "BetSizesText"] = "33, 75"
                shell[seat + street + "RaiseSizesText"] = "100"
            })
        })
        var wide = "10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110"
        var cases = {
            sizing: { ipRiverBetSizesText: "33 75" },
            tree: { boardText: "Ks7d2c", effectiveStack: 1000, oopFlopBetSizesText: wide, ipFlopBetSizesText: wide,
                    oopTurnBetSizesText: wide, ipTurnBetSizesText: wide },
            icm: { utilityModel: "icm", oopStack: 50, ipStack: 50, icmPayoutsText: "50, 30, 20" },
            icmstack: { utilityModel: "icm", oopStack: 0, ipStack: 50, icmPayoutsText: "50, 30" },
            range: { oopRangeText: "AA KK QQ AKs", ipRangeText: "KQs-JTs, AK+, 22+:0.5" },
            junk: { oopRangeText: junkText(10000) },
            weightjunk: { oopRangeText: "AA:0.5" + junkText(20000).replace(/ /g, "") },
            long: { oopRangeText: comboText(40000) },
            board: { boardText: "" }
        }
        var set = cases[argValue("--case=")] || {}
        for (var key in set)
            shell[key] = set[key]
        args.forEach(function (arg) {
            var m = /^--set=([A-Za-z]+):(.*)$/.exec(String(arg))
            if (m)
                shell[m[1]] = JSON.parse(m[2])
        })
        shell.navIndex = 1
        if (args.indexOf("--range") >= 0)
            scrollTimer.start()
        if (args.indexOf("--measuring") >= 0)
            measuringTimer.start()
        if (argValue("--case=") === "import" || argValue("--case=") === "importjunk")
            importTimer.start()
        if (argValue("--enter="))
            enterTimer.start()
        if (args.indexOf("--profile") >= 0) {
            var page = shell.pages.projectPage
            page.settingsProfiles = [{ id: "shot", name: "Deep stack", createdAt: "",
                                       data: { starting_pot: 0.01, target_exploitability: 50, max_iterations: 2.5,
                                               effective_stack: "250,5", rake_cap: "-3" } }]
            page._loadProfileSelectedId = "shot"
            page.loadSelectedSettingsProfile()
        }
        if (args.indexOf("--notloaded") >= 0)
            notLoadedTimer.start()
    }

    function findItem(item, name) {
        if (!item)
            return null
        if (item.objectName === name)
            return item
        var kids = item.children || []
        for (var i = 0; i < kids.length; ++i) {
            var found = findItem(kids[i], name)
            if (found)
                return found
        }
        return null
    }

    // An edit as the user finishes it: typed into the field, then left.
    Timer {
        id: enterTimer
        interval: 600
        onTriggered: {
            var entry = window.argValue("--enter=")
            var cut = entry.indexOf(":")
            var page = shell.pages.projectPage
            var field = window.findItem(page, entry.substring(0, cut))
            field.forceActiveFocus()
            field._valueBefore = field.value
            field._edited = true
            field.text = entry.substring(cut + 1)
            page.forceActiveFocus()
        }
    }

    // A project and a profile whose values their fields do not take, some
    // long and one with a control character, opened in turn: the project's
    // list first, the profile's over it after OK.
    Timer {
        id: notLoadedTimer
        interval: 600
        onTriggered: {
            var profileFirst = window.args.indexOf("--profile-first") >= 0
            // The home page is made when first shown.
            if (!profileFirst && !shell.pages.homePage) {
                shell.navIndex = 0
                restart()
                return
            }
            var tall = "7".repeat(3000)
            var project = { boardText: "Ks7d2c", startingPot: "9".repeat(100000), effectiveStack: "1\u0007" }
            var data = { starting_pot: "9".repeat(100000), effective_stack: "1\u0007" }
            ;["oop", "ip"].forEach(function (seat) {
                ;["Flop", "Turn", "River"].forEach(function (street) {
                    project[seat + street + "AddAllIn"] = tall
                    data[seat + "_" + street.toLowerCase() + "_add_all_in"] = tall
                })
            })
            ;["maxIterations", "threadCount", "rakePercent", "rakeCap", "targetExploitability", "oopStack", "ipStack",
              "gameVariant", "utilityModel", "startingStreet"].forEach(function (key) { project[key] = tall })
            ;["max_iterations", "rake_percent", "rake_cap", "target_exploitability_pct", "oop_stack", "ip_stack",
              "utility_model", "starting_street"].forEach(function (key) { data[key] = tall })
            var url = "file:///tmp/pellaris-notloaded-shot.pellarisproj"
            // qmllint disable unqualified
            appController.saveTextFile(url, JSON.stringify({ format: "halvory_project", version: 1, hasResults: false,
                                                             project: project, nodeLocks: [], lastUiCfg: {} }))
            // qmllint enable unqualified
            var page = shell.pages.projectPage
            page.settingsProfiles = [{ id: "long", name: "Deep stack", createdAt: "", data: data }]
            page._loadProfileSelectedId = "long"
            if (profileFirst) {
                page.loadSelectedSettingsProfile()
                return
            }
            shell.pages.homePage.openProjectFrom(url)
        }
    }

    function junkText(length) {
        var text = ""
        while (text.length < length)
            text += "qwerty uiop asdf "
        return text
    }

    // Single combinations with four-decimal weights.
    function comboText(length) {
        var items = []
        for (var n = 0; items.join(", ").length < length; ++n)
            items.push(["Ah", "Kd", "Qc", "Js"][n % 4] + ["Ts", "9h", "8d", "7c"][(n >> 2) % 4]
                       + ":0." + String(1000 + n % 9000))
        return items.join(", ")
    }

    // A file of combinations, a weight and a class, imported from the OOP column.
    Timer {
        id: importTimer
        interval: 300
        onTriggered: {
            var url = "file:///tmp/pellaris-import-shot.txt"
            // qmllint disable unqualified
            appController.saveTextFile(url, argValue("--case=") === "importjunk"
                                       ? "AA:0.5" + junkText(20000).replace(/ /g, "")
                                       : "AhKh, AsKs:0.5,\nkk, a5s-a2s:0.25\n")
            // qmllint enable unqualified
            shell.pages.projectPage.importRangeFromFile(url)
        }
    }

    // The spot is measured first; then an edit whose estimate the held
    // timer never asks for, so the page stays as it is while measuring.
    Timer {
        id: measuringTimer
        interval: 1500
        onTriggered: {
            shell.solveMemEstimateTimer.interval = 3600000
            shell.startingPot = shell.startingPot + 1
        }
    }

    Timer {
        id: scrollTimer
        interval: 300
        onTriggered: {
            var page = shell.pages.projectPage
            var flick = Array.prototype.filter.call(page.children, function (c) {
                return c.objectName === "setupFlickable"
            })[0]
            flick.contentY = Math.max(0, flick.contentHeight - flick.height)
        }
    }
}
