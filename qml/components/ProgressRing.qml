import QtQuick
import "solveProgress.js" as ProgressRules
import "../theme" as ThemePack

// A circular progress indicator with the percentage in its centre and an
// indeterminate mode. It draws only when its figure changes, and in the
// indeterminate mode a few times a second: nothing here runs every frame,
// which on a machine that draws in software would slow a running solve.
Item {
    id: ring

    property ThemePack.Theme theme
    property real value: 0
    property real strokeWidth: 8
    property color trackColor: theme ? theme.surface3 : "#2D333B"
    property color progressColor: theme ? theme.accent : "#3FB950"
    property bool showPercentage: true
    property bool indeterminate: false

    readonly property string percentText: ProgressRules.percentText(value)

    implicitWidth: 100
    implicitHeight: 100

    function _radius() {
        return (Math.min(width, height) - strokeWidth) / 2
    }

    Canvas {
        id: track
        objectName: "track"
        anchors.fill: parent
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.lineWidth = ring.strokeWidth
            ctx.strokeStyle = ring.trackColor
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, ring._radius(), 0, 2 * Math.PI)
            ctx.stroke()
        }
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
    }

    Canvas {
        id: arc
        objectName: "arc"
        anchors.fill: parent

        property real animatedValue: ring.indeterminate ? 0 : ring.value

        onAnimatedValueChanged: requestPaint()
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.lineWidth = ring.strokeWidth
            ctx.lineCap = "round"
            ctx.strokeStyle = ring.progressColor
            var start = -Math.PI / 2
            if (animatedValue > 0) {
                ctx.beginPath()
                ctx.arc(width / 2, height / 2, ring._radius(), start, start + 2 * Math.PI * animatedValue)
                ctx.stroke()
            }
            // While the progress is unknown a short segment turns with the
            // canvas, so the ring visibly works.
            if (ring.indeterminate) {
                ctx.globalAlpha = 0.7
                ctx.beginPath()
                ctx.arc(width / 2, height / 2, ring._radius(), start, start + Math.PI / 2)
                ctx.stroke()
            }
        }

        // Steps of 30 degrees, four a second.
        Timer {
            id: turn
            interval: 250
            repeat: true
            running: ring.indeterminate && ring.visible
            onTriggered: arc.rotation = (arc.rotation + 30) % 360
            // Back to the top once stopped, so that the arc starts there.
            onRunningChanged: if (!running) arc.rotation = 0
        }
    }

    // Colours and width change with the theme; repaint both rings then.
    onTrackColorChanged: track.requestPaint()
    onProgressColorChanged: arc.requestPaint()
    onStrokeWidthChanged: { track.requestPaint(); arc.requestPaint() }
    onIndeterminateChanged: arc.requestPaint()

    Text {
        objectName: "percentText"
        anchors.centerIn: parent
        visible: ring.showPercentage && !ring.indeterminate
        text: ring.percentText
        font.pixelSize: Math.max(1, Math.floor(ring.width * 0.22))
        font.bold: true
        color: ring.theme ? ring.theme.text : "#F0F6FC"
    }

    Text {
        objectName: "indeterminateText"
        anchors.centerIn: parent
        visible: ring.indeterminate
        text: "..."
        font.pixelSize: Math.max(1, Math.floor(ring.width * 0.18))
        font.bold: true
        color: ring.theme ? ring.theme.textMuted : "#8B949E"
    }
}
