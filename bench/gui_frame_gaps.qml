import QtQuick
import QtQuick.Window
import "qrc:/Pellaris/components/projectPresets.js" as Presets
import "qrc:/Pellaris/components/solveRules.js" as SolveRules

// How long the GUI thread stalls while a held flop result is replaced by a
// new solve, while a solve is cancelled, and how soon the program ends when
// it is closed with a result held. A square turns every frame, so the window
// draws continuously and the longest time between two frames is the
// longest stall. Prints "start-gap-ms", "cancel-gap-ms" and "closing-at"
// (the wall-clock time of the close request); bench/gui_frame_gaps.sh
// times the end of the process.
//   --iterations=N  --threads=N
Window {
    id: window
    width: 800
    height: 600
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
    readonly property var config: {
        var threads = Number(_option("threads", controller.systemThreadCount))
        var state = Presets.customerQuickSolvePreset(threads)
        state.gameVariant = "holdem"
        state.threadCount = threads
        state.maxIterations = Number(_option("iterations", 2))
        state.targetExploitability = 0
        return SolveRules.solveConfigMap(state)
    }

    property real lastFrame: 0
    property real worst: 0
    property bool recording: false
    property string phase: "first"

    Rectangle {
        width: 60
        height: 60
        anchors.centerIn: parent
        color: "#3FB950"
        NumberAnimation on rotation { from: 0; to: 360; duration: 1000; loops: Animation.Infinite }
    }

    Connections {
        target: window
        function onAfterAnimating() {
            var now = Date.now()
            if (window.recording && window.lastFrame > 0)
                window.worst = Math.max(window.worst, now - window.lastFrame)
            window.lastFrame = now
        }
    }

    function record(on) {
        recording = on
        worst = 0
        lastFrame = 0
    }

    Connections {
        target: window.controller
        function onRunningChanged() {
            if (window.controller.running)
                return
            if (window.phase === "first") {
                // A flop result is held; the prefetch settles first.
                window.phase = "replace"
                settle.start()
            } else if (window.phase === "cancel") {
                // The frames just after the end count too.
                measureCancel.start()
            } else if (window.phase === "hold") {
                window.phase = "close"
                settle.start()
            }
        }
    }

    Timer {
        id: settle
        interval: 3000
        onTriggered: {
            if (window.phase === "replace") {
                window.record(true)
                window.controller.startSolveWithConfig(window.config)
                measureStart.start()
            } else if (window.phase === "close") {
                console.log("closing-at " + Date.now())
                window.close()
                Qt.quit()
            }
        }
    }

    // The new solve's start, with the release of the held result, lies
    // within this time; then the solve is cancelled.
    Timer {
        id: measureStart
        interval: 1500
        onTriggered: {
            console.log("start-gap-ms " + window.worst)
            window.record(true)
            window.phase = "cancel"
            window.controller.cancelSolve()
        }
    }

    Timer {
        id: measureCancel
        interval: 1000
        onTriggered: {
            console.log("cancel-gap-ms " + window.worst)
            window.record(false)
            window.phase = "hold"
            window.controller.startSolveWithConfig(window.config)
        }
    }

    Timer {
        interval: 500
        running: true
        onTriggered: window.controller.startSolveWithConfig(window.config)
    }
}
