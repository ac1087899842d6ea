import QtQuick
import "chartSeries.js" as Charts
import "numberText.js" as NumberText

// "Statistics": the cumulative EV of the played hands against what the
// solution would have won, hand by hand.
ResultsChartDialog {
    id: dialog

    readonly property color _optimalColor: _theme ? _theme.success : "#3FB950"
    readonly property color _actualColor: _theme ? _theme.info : "#58A6FF"
    // Bumped to read the history again.
    property int _revision: 0

    title: qsTranslate("ResultsPage", "Statistics")
    heading: qsTranslate("ResultsPage", "Play vs. Solution EV (cumulative)")

    function repaint() {
        _revision += 1
        chart.repaint()
    }

    onAboutToShow: {
        page._playStatsHoverT = -1
        repaint()
    }
    onClosed: page._playStatsHoverT = -1

    function _plot() {
        var s = page._playStatsSeries()
        if (s.n < 2)
            return { message: qsTranslate("ResultsPage", "No data") }
        var range = Charts.roundAxis([s.optimal, s.actual], [-1, 1])
        var decimals = Charts.stepDecimals(range.step)
        return {
            // The optimal curve goes over the actual one, dashed, so both
            // stay visible where they agree.
            curves: [{ values: s.actual, color: _actualColor }, { values: s.optimal, color: _optimalColor, dashed: true }],
            legend: [{ label: qsTranslate("ResultsPage", "Optimal"), color: _optimalColor }, { label: qsTranslate("ResultsPage", "Actual"), color: _actualColor }],
            range: range,
            label: function (v) { return NumberText.fixed(v, decimals) }
        }
    }

    function _fmt(v) {
        return NumberText.fixed(v, 2)
    }

    chart.plot: (_revision, page._results, _plot())
    chart.hoverT: page._playStatsHoverT
    onHoverMoved: function (t) { page._playStatsHoverT = t }
    function _tooltip(t) {
        if (!(t >= 0))
            return []
        // Read at the moment it is shown, so it matches the chart.
        var s = page._playStatsSeries()
        if (s.n < 1)
            return []
        var i = Charts.hoverIndex(t, s.n)
        var muted = _theme ? _theme.textMuted : "#8B949E"
        return [
            { text: qsTranslate("ResultsPage", "Hand %1").arg(i >= 0 ? String(i + 1) : "—"), size: 12, bold: true },
            { text: qsTranslate("ResultsPage", "Optimal: %1").arg(i >= 0 ? _fmt(s.optimal[i]) : "—"), color: _optimalColor, size: 11 },
            { text: qsTranslate("ResultsPage", "Actual: %1").arg(i >= 0 ? _fmt(s.actual[i]) : "—"), color: _actualColor, size: 11 },
            { text: i >= 0 ? qsTranslate("ResultsPage", "Hand EV: %1 (opt) / %2 (act)").arg(_fmt(s.optimalPer[i])).arg(_fmt(s.actualPer[i]))
                           : qsTranslate("ResultsPage", "Hand EV: —"), color: muted, size: 11 }
        ]
    }

    chart.tooltipLines: (_revision, _tooltip(page._playStatsHoverT))
}
