import QtQuick
import QtQuick.Window
import Pellaris
import "qrc:/Pellaris/components/projectPresets.js" as Presets
import "qrc:/Pellaris/components/solveRules.js" as SolveRules

// One timed solve of the Quick Solve flop spot, started either by the solve
// page's "Start Solve" button (the page shown and following the run) or
// straight through the controller with no page at all. Prints the wall time
// from the start request to the fall of the controller's running flag, then
// quits. Run by bench/solve_page_overhead.sh.
//   --mode=page|direct  --iterations=N  --threads=N
Window {
    id: window
    width: 1440
    height: 900
    visible: true
    color: "#080B12"

    function _option(name, fallback) {
        var args = Qt.application.arguments
        for (var i = 0; i < args.length; ++i) {
            var a = String(args[i])
            if (a.indexOf("--" + name + "=") === 0)
                return a.substring(name.length + 3)
        }
        return fallback
    }

    // qmllint disable unqualified
    readonly property var controller: appController
    // qmllint enable unqualified
    readonly property bool viaPage: _option("mode", "page") === "page"
    readonly property var spot: {
        var threads = Number(_option("threads", controller.systemThreadCount))
        var state = Presets.customerQuickSolvePreset(threads)
        state.gameVariant = "holdem"
        state.threadCount = threads
        state.maxIterations = Number(_option("iterations", 25))
        // Run every iteration: a target would end the two runs at different points.
        state.targetExploitability = 0
        return state
    }
    property real startedAt: 0
    property real guiCpuAtStart: 0

    // CPU seconds this (the GUI) thread has used: what the page costs shows
    // here, apart from the solver's threads. Needs QML_XHR_ALLOW_FILE_READ=1;
    // NaN where /proc cannot be read.
    function _guiThreadCpuSeconds() {
        var request = new XMLHttpRequest()
        request.open("GET", "file:///proc/thread-self/stat", false)
        request.send()
        var text = String(request.responseText || "")
        var fields = text.substring(text.lastIndexOf(")") + 2).split(" ")
        // utime and stime, fields 14 and 15 of the line, in clock ticks
        // (100 a second on Linux).
        return (Number(fields[11]) + Number(fields[12])) / 100
    }

    Loader {
        id: pageLoader
        anchors.fill: parent
        active: window.viaPage
        sourceComponent: SolvePage {
            controller: window.controller
        }
        onLoaded: {
            var page = item
            var state = window.spot
            Presets.PROJECT_KEYS.forEach(function (key) {
                if (state[key] !== undefined)
                    page[key] = state[key]
            })
        }
    }

    function _findButton(item) {
        if (item.objectName === "startSolveButton")
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = _findButton(item.children[i])
            if (found)
                return found
        }
        return null
    }

    Connections {
        target: window.controller
        function onRunningChanged() {
            if (window.startedAt === 0 || window.controller.running)
                return
            console.log("solve-seconds " + ((Date.now() - window.startedAt) / 1000).toFixed(3)
                        + " gui-cpu " + (window._guiThreadCpuSeconds() - window.guiCpuAtStart).toFixed(2)
                        + " mode " + (window.viaPage ? "page" : "direct")
                        + " iterations " + window.controller.resultIterations
                        + " status " + window.controller.statusText)
            Qt.quit()
        }
    }

    // Once the window is up and drawing.
    Timer {
        interval: 1000
        running: true
        onTriggered: {
            window.guiCpuAtStart = window._guiThreadCpuSeconds()
            window.startedAt = Date.now()
            if (window.viaPage)
                window._findButton(pageLoader.item).clicked()
            else
                window.controller.startSolveWithConfig(SolveRules.solveConfigMap(window.spot))
            // A refused start never ends: say why and stop.
            if (!window.controller.running) {
                console.log("refused: " + window.controller.statusText)
                Qt.quit()
            }
        }
    }
}
