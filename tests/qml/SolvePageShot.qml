import QtQuick
import QtQuick.Window
import Pellaris

// Test-only window for screenshots and timing of the solve page: the shell
// with the real controller, Quick Solve's flop spot, the solve page shown.
//   --start           press "Start Solve" once the spot may be solved
//   --iterations=N    iteration limit (default: the preset's)
//   --threads=N       thread count
//   --target=P        target in percent of the pot
//   --light           light palette
//   --time            print the solve's wall time and quit when it ends
//   --direct          with --time: start through the controller, not the page
//   --hidden          unmap the window as the solve starts (nothing is drawn)
//   --lang=CODE       interface language, e.g. --lang=de
//   --icm             the spot in ICM: seat stacks, payouts, no rake
//   --reopen          with --start: once the solve ends, save the project
//                     and open it again from the home page, then show the
//                     solve page
Window {
    id: window
    width: Math.min(1440, Screen.desktopAvailableWidth)
    height: Math.min(900, Screen.desktopAvailableHeight)
    visible: true
    color: shell.theme.bg0
    title: "Solve page"

    readonly property var args: Qt.application.arguments

    function _option(name) {
        for (var i = 0; i < args.length; ++i) {
            var a = String(args[i])
            if (a === "--" + name)
                return "1"
            if (a.indexOf("--" + name + "=") === 0)
                return a.substring(name.length + 3)
        }
        return ""
    }

    function _find(item, name) {
        if (item.objectName === name)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = _find(item.children[i], name)
            if (found)
                return found
        }
        return null
    }

    property var solvePage: null
    property real startedAt: 0
    property bool started: false

    AppShell {
        id: shell
        anchors.fill: parent
        // qmllint disable unqualified
        controller: appController
        // qmllint enable unqualified
    }

    function _start() {
        started = true
        if (_option("hidden") !== "")
            window.visible = false
        startedAt = Date.now()
        if (_option("direct") !== "")
            shell.controller.startSolveWithConfig(solvePage._solveConfig())
        else
            _find(solvePage, "startSolveButton").clicked()
    }

    Timer {
        interval: 100
        repeat: true
        running: window._option("start") !== "" || window._option("time") !== ""
        onTriggered: {
            if (!window.started && window.solvePage.canSolve && !shell.controller.running)
                window._start()
        }
    }

    Connections {
        target: shell.controller
        function onRunningChanged() {
            if (window.started && !shell.controller.running && window._option("reopen") !== "")
                Qt.callLater(window._reopen)
            if (!window.started || shell.controller.running || window._option("time") === "")
                return
            console.log("solve-seconds " + ((Date.now() - window.startedAt) / 1000).toFixed(3)
                        + " iterations " + shell.controller.resultIterations
                        + " status " + shell.controller.statusText)
            Qt.quit()
        }
    }

    function _reopen() {
        var home = _find(shell, "homePage")
        // qmllint disable unqualified
        var url = harness.temporaryFileUrl("reopened.pellarisproj")
        // qmllint enable unqualified
        home.saveProjectTo(url)
        home.openProjectFrom(url)
        shell.navIndex = 2
    }

    // After the shell's own start-up, which resets the project.
    Component.onCompleted: {
        // qmllint disable unqualified
        if (_option("lang"))
            languageManager.setLanguage(_option("lang"))
        // qmllint enable unqualified
        Qt.callLater(_setUp)
    }

    function _setUp() {
        if (_option("light") !== "")
            shell.theme.dark = false
        // qmllint disable unqualified
        if (_option("lang") !== "")
            languageManager.setLanguage(_option("lang"))
        // qmllint enable unqualified
        shell.resetToDefaults()
        if (_option("iterations") !== "")
            shell.maxIterations = Number(_option("iterations"))
        if (_option("threads") !== "")
            shell.threadCount = Number(_option("threads"))
        if (_option("target") !== "")
            shell.targetExploitability = Number(_option("target"))
        if (_option("icm") !== "")
            shell.applyProjectState({ utilityModel: "icm", oopStack: 150.7, ipStack: 99.2,
                                      icmPayoutsText: "50, 30, 20", icmOtherStacksText: "40" })
        shell.navIndex = 2
        solvePage = _find(shell, "solvePage")
    }
}
