import QtQuick
import QtQuick.Layouts
import "chartSeries.js" as Charts
import "numberText.js" as NumberText

// "Distributions": equity or EV of each player's hands at the current node,
// best first, one falling curve per player.
ResultsChartDialog {
    id: dialog

    readonly property var _payload: page._distPayload || {}
    readonly property bool _pending: !!_payload.pending
    readonly property bool _ok: !!_payload.ok
    readonly property bool _equity: page._distMetricEquity
    readonly property var _series: (_payload, _equity, page._distSeriesSortedSeparate())
    readonly property color _oopColor: _theme ? _theme.actionBet : "#A371F7"
    readonly property color _ipColor: _theme ? _theme.info : "#58A6FF"

    title: qsTranslate("ResultsPage", "Distributions")
    heading: _equity ? qsTranslate("ResultsPage", "Equity by hand") : qsTranslate("ResultsPage", "EV by hand")

    onAboutToShow: {
        page._distMetricEquity = true
        page._distHoverT = -1
        page._reloadDistributions()
        chart.repaint()
    }
    onClosed: page._distHoverT = -1

    function _plot() {
        var s = _series
        if (s.nMax < 2 || _pending || !_ok)
            return { message: _pending ? qsTranslate("ResultsPage", "Computing…")
                                       : !_ok && _payload.error ? String(_payload.error)
                                       : qsTranslate("ResultsPage", "No data") }
        var range = _equity ? { min: 0, max: 1, step: 0.25 } : Charts.roundAxis([s.oop, s.ip], [0, 1])
        var equity = _equity
        var decimals = Charts.stepDecimals(range.step)
        return {
            curves: [{ values: s.oop, color: _oopColor }, { values: s.ip, color: _ipColor }],
            legend: [{ label: qsTranslate("ResultsPage", "OOP"), color: _oopColor }, { label: qsTranslate("ResultsPage", "IP"), color: _ipColor }],
            range: range,
            label: function (v) { return equity ? NumberText.percentText(v, 0) : NumberText.fixed(v, decimals) }
        }
    }

    function _valueText(seat: string, values: var, i: int): string {
        if (i < 0 || !isFinite(values[i]))
            return seat + ": —"
        return _equity ? qsTranslate("ResultsPage", "%1: %2%").arg(seat).arg(NumberText.fixed(values[i] * 100, 1))
                       : qsTranslate("ResultsPage", "%1: %2").arg(seat).arg(NumberText.fixed(values[i], 2))
    }

    chart.plot: _plot()
    chart.hoverT: page._distHoverT
    onHoverMoved: function (t) { page._distHoverT = t }
    function _tooltip(t: real): var {
        if (!_ok || _pending || !(t >= 0))
            return []
        var s = _series
        var io = Charts.hoverIndex(t, s.nOop), ii = Charts.hoverIndex(t, s.nIp)
        return [
            { text: qsTranslate("ResultsPage", "OOP: %1    IP: %2").arg(io >= 0 ? s.oopHands[io] : "—").arg(ii >= 0 ? s.ipHands[ii] : "—"),
              size: 12, bold: true },
            { text: _valueText(qsTranslate("ResultsPage", "OOP"), s.oop, io), color: _oopColor, size: 11 },
            { text: _valueText(qsTranslate("ResultsPage", "IP"), s.ip, ii), color: _ipColor, size: 11 }
        ]
    }

    chart.tooltipLines: _tooltip(page._distHoverT)

    headerExtra: [
        Text {
            text: qsTranslate("ResultsPage", "Equity")
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: dialog._theme ? dialog._theme.textMuted : "#8B949E"
        },
        ToggleSwitch {
            objectName: "distMetricSwitch"
            // Read through the page: the compiled binding of the inherited typed
            // property fails in a document that does not import the theme.
            theme: dialog.page.theme
            checked: !dialog._equity
            onToggled: dialog.page._distMetricEquity = !checked
        },
        Text {
            text: qsTranslate("ResultsPage", "EV")
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: dialog._theme ? dialog._theme.textMuted : "#8B949E"
        }
    ]

    statusLines: [
        Text {
            objectName: "distComputing"
            visible: dialog._pending
            text: qsTranslate("ResultsPage", "Computing distributions…")
            textFormat: Text.PlainText
            font.pixelSize: 12
            color: dialog._theme ? dialog._theme.textMuted : "#8B949E"
        },
        Text {
            objectName: "distError"
            Layout.fillWidth: true
            // The controller's own reason shows in the chart's place.
            visible: !dialog._pending && !dialog._ok && !dialog._payload.error
            text: qsTranslate("ResultsPage", "Distributions unavailable.")
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 12
            color: dialog._theme ? dialog._theme.danger : "#F85149"
        }
    ]
}
