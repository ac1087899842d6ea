import QtQuick
import QtTest
import Pellaris

// A visible root, so that clicks reach the bar and the nodes.
Item {
    id: root
    width: 600
    height: 300

    Theme { id: theme }
    Theme { id: lightTheme; dark: false }

    Component { id: barComponent; ActionBar { width: 300 } }
    Component { id: nodeComponent; TreeNode {} }
    Component { id: spy; SignalSpy {} }

    TestCase {
        name: "ActionBar"
        when: windowShown

        function test_indexAtX_data() {
            var halves = [{ name: "Check", frequency: 0.3 }, { name: "Bet", frequency: 0.3 }]
            return [
                { tag: "first half", actions: halves, px: 0, index: 0 },
                { tag: "just before the cut", actions: halves, px: 149.9, index: 0 },
                { tag: "at the cut", actions: halves, px: 150, index: 1 },
                { tag: "right edge", actions: halves, px: 300, index: 1 },
                { tag: "past the end", actions: halves, px: 5000, index: 1 },
                { tag: "zero-width entry never matches", actions: [{ frequency: 0 }, { frequency: 1 }], px: 0, index: 1 },
                { tag: "nothing drawn: last entry", actions: [{ frequency: 0 }, { frequency: 0 }, {}], px: 10, index: 2 },
                { tag: "no entries", actions: [], px: 10, index: -1 }
            ]
        }

        function test_indexAtX(data) {
            var bar = createTemporaryObject(barComponent, root, { theme: theme, actions: data.actions })
            compare(bar.indexAtX(data.px), data.index)
        }

        function test_labels_data() {
            return [
                { tag: "normalised", actions: [{ name: "Check", frequency: 0.3 }, { name: "Bet", frequency: 0.3 }],
                  texts: ["Check · 50% · — · — · —", "Bet · 50% · — · — · —"], blockWidth: 300, rows: 2 },
                { tag: "all figures", actions: [{ name: "Check", frequency: 0.62, combos: 412, equity: 0.4834, ev: 3.254 },
                                                { name: "Bet 75%", frequency: 0.38, combos: 12.4, equity: 0.5, ev: -1.005 }],
                  texts: ["Check · 62% · 412 combos · 48.3% equity · 3.25 EV",
                          "Bet 75% · 38% · 12.4 combos · 50.0% equity · \u22121.01 EV"], blockWidth: 300, rows: 2, cut: true },
                { tag: "whole combos", actions: [{ frequency: 1, combos: 12.0000004 }],
                  texts: [" · 100% · 12 combos · — · —"], blockWidth: 300, rows: 1 },
                { tag: "negative and broken frequencies", actions: [{ name: "A", frequency: -2 }, { name: "B", frequency: NaN },
                                                                    { name: "C", frequency: 2 }],
                  texts: ["A · 0% · — · — · —", "B · 0% · — · — · —", "C · 100% · — · — · —"], blockWidth: 134, rows: 2 }
            ]
        }

        function test_labels(data) {
            var bar = createTemporaryObject(barComponent, root, { theme: theme, actions: data.actions })
            waitForItemPolished(bar)
            for (var i = 0; i < data.texts.length; ++i) {
                var block = findChild(bar, "labelBlock" + i)
                compare(block.width, data.blockWidth)
                compare(findChild(block, "labelText").text, data.texts[i])
                // Only a label wider than a whole row is cut.
                compare(findChild(block, "labelText").truncated, !!data.cut, data.texts[i])
            }
            compare(bar.implicitHeight, 24 + 20 * data.rows - 4)
        }

        function test_heights() {
            var bar = createTemporaryObject(barComponent, root, { actions: [] })
            compare(bar.implicitHeight, 40)
            compare(findChild(bar, "track").height, 20)
            bar.showLabels = false
            compare(bar.implicitHeight, 24)
            verify(!findChild(bar, "labelLine").visible)
        }

        function test_clicks_data() {
            return [
                { tag: "interactive", interactive: true, clicks: 1 },
                { tag: "not interactive", interactive: false, clicks: 0 }
            ]
        }

        function test_clicks(data) {
            var bar = createTemporaryObject(barComponent, root, {
                theme: theme, interactive: data.interactive,
                actions: [{ name: "Check", frequency: 0.25 }, { name: "Bet", frequency: 0.75 }] })
            var clicked = createTemporaryObject(spy, root, { target: bar, signalName: "actionClicked" })
            var hovered = createTemporaryObject(spy, root, { target: bar, signalName: "actionHovered" })
            waitForItemPolished(bar)
            var track = findChild(bar, "track")
            mouseMove(track, 200, 10)
            mouseMove(track, 210, 10)
            compare(hovered.count, 2)               // every move, even within one segment
            compare(hovered.signalArguments[1][0], 1)
            compare(hovered.signalArguments[1][2], 0.75)
            mouseClick(track, 200, 10)
            compare(clicked.count, data.clicks)
            if (data.clicks)
                compare(clicked.signalArguments[0][1], "Bet")
        }
    }

    TestCase {
        name: "TreeNode"
        when: windowShown

        function test_texts_data() {
            return [
                { tag: "all-in", props: { actionType: "allin", action: "Jam 100" }, chip: "All-in" },
                { tag: "sized bet", props: { actionType: "bet", action: "Bet 75%" }, chip: "Bet 75%" },
                { tag: "size from the type", props: { actionType: "raise 3x", action: "R" }, chip: "Raise 3x" },
                { tag: "plain raise", props: { actionType: "raise", action: "Raise" }, chip: "Raise" },
                { tag: "fallback on the text", props: { actionType: "", action: "Bet 5" }, chip: "Bet 5" },
                { tag: "dealt card verbatim", props: { nodeType: "chance", action: "<b>Kh</b>" }, chip: "<b>Kh</b>" },
                { tag: "positive EV", props: { ev: 1.25 }, ev: "EV: +1.25" },
                { tag: "negative EV", props: { ev: -0.4 }, ev: "EV: \u22120.40" },
                { tag: "frequency clamped", props: { frequency: 1.3 }, freq: "Freq: 100%" },
                { tag: "zero frequency shown", props: { frequency: 0 }, freq: "Freq: 0%" },
                { tag: "pot", props: { pot: 31.6 }, pot: "Pot: 32" }
            ]
        }

        function test_texts(data) {
            var node = createTemporaryObject(nodeComponent, root, Object.assign({ theme: theme }, data.props))
            if (data.chip !== undefined) {
                verify(findChild(node, "actionChip").visible)
                compare(findChild(node, "actionLabel").text, data.chip)
            }
            var evText = findChild(node, "evText"), freqText = findChild(node, "freqText"), potText = findChild(node, "potText")
            compare(evText.visible, data.ev !== undefined)
            compare(freqText.visible, data.freq !== undefined)
            compare(potText.visible, data.pot !== undefined)
            if (data.ev)
                compare(evText.text, data.ev)
            if (data.freq)
                compare(freqText.text, data.freq)
            if (data.pot)
                compare(potText.text, data.pot)
        }

        function test_secondLineHiddenWhenEmpty() {
            var node = createTemporaryObject(nodeComponent, root, { theme: theme })
            verify(!findChild(node, "statsLine").visible)
            verify(!findChild(node, "actionChip").visible)
        }

        function test_titles_data() {
            return [
                { tag: "decision", props: { player: "IP" }, title: "IP", expander: true },
                { tag: "chance without title", props: { nodeType: "chance", player: "" }, title: "Deal", expander: false },
                { tag: "chance with title", props: { nodeType: "chance", player: "Deal Turn" }, title: "Deal Turn", expander: false },
                { tag: "terminal", props: { nodeType: "terminal" }, title: "Terminal", expander: false },
                { tag: "leaf decision", props: { hasChildren: false }, title: "OOP", expander: false }
            ]
        }

        function test_titles(data) {
            var node = createTemporaryObject(nodeComponent, root, Object.assign({ theme: theme }, data.props))
            compare(findChild(node, "title").text, data.title)
            compare(findChild(node, "expander").visible, data.expander)
            compare(findChild(node, "typeDot").visible, !data.expander)
        }

        function test_titleColourFollowsBackground_data() {
            return [
                { tag: "dark", theme: theme, color: theme.text },
                { tag: "light", theme: lightTheme, color: "#0B0F14" }
            ]
        }

        function test_titleColourFollowsBackground(data) {
            var node = createTemporaryObject(nodeComponent, root, { theme: data.theme, actionType: "check", action: "Check" })
            verify(Qt.colorEqual(findChild(node, "title").color, data.color))
        }

        function test_clickOnExpanderIsANodeClick() {
            var node = createTemporaryObject(nodeComponent, root, { theme: theme, width: 200, height: 48 })
            var clicked = createTemporaryObject(spy, root, { target: node, signalName: "clicked" })
            var toggled = createTemporaryObject(spy, root, { target: node, signalName: "toggleExpand" })
            mouseClick(findChild(node, "expander"))
            compare(clicked.count, 1)
            compare(toggled.count, 0)
        }
    }
}
