import QtQuick
import QtQuick.Controls.Basic
import QtTest
import Pellaris

// A visible root, so that clicks reach the controls.
Item {
    id: root
    width: 600
    height: 400

    Theme { id: theme }

    Component { id: cardWithChild; Card { Item { implicitWidth: 120; implicitHeight: 200 } } }
    Component { id: emptyCard; Card {} }
    Component { id: cardOverButton; Card { hoverable: true; width: 200; height: 120; Button { objectName: "inner"; width: 100; height: 40 } } }
    Component { id: toggle; ToggleSwitch {} }
    Component { id: primary; PrimaryButton { text: "Save"; iconName: "save"; iconText: "+" } }
    Component { id: secondary; SecondaryButton { text: "Node-lock mode"; iconText: "✓" } }
    Component { id: ring; ProgressRing {} }
    Component { id: chip; Chip { text: "Removable chip"; width: 160 } }
    Component { id: spy; SignalSpy {} }
    Component { id: stopIcon; Icon { name: "stop"; size: 24; color: "#ff0000" } }

    // Icons are drawn over black, so a pixel's red is the alpha it is drawn
    // with.
    Rectangle { id: iconBackdrop; x: 500; width: 24; height: 24; color: "black" }

    TestCase {
        name: "Controls"
        when: windowShown

        function test_cardImplicitSize_data() {
            return [
                { tag: "theme padding", component: cardWithChild, props: { theme: theme }, height: 232, width: 152 },
                { tag: "padding 12", component: cardWithChild, props: { theme: theme, padding: 12 }, height: 224, width: 144 },
                { tag: "no theme", component: cardWithChild, props: {}, height: 232, width: 152 },
                { tag: "no children", component: emptyCard, props: { theme: theme }, height: 32, width: 32 }
            ]
        }

        function test_cardImplicitSize(data) {
            var card = createTemporaryObject(data.component, root, data.props)
            compare(card.implicitHeight, data.height)
            compare(card.implicitWidth, data.width)
        }

        function test_cardGrowsWithItsChild() {
            var card = createTemporaryObject(cardWithChild, root, { theme: theme })
            card.contentItem.children[0].implicitHeight = 300
            compare(card.implicitHeight, 332)
        }

        function test_hoverableCardLetsPressesThrough() {
            var card = createTemporaryObject(cardOverButton, root, { theme: theme })
            var inner = findChild(card, "inner")
            var clicks = createTemporaryObject(spy, root, { target: inner, signalName: "clicked" })
            waitForItemPolished(card)
            mouseClick(inner)
            compare(clicks.count, 1)
        }

        function test_cardShadowOnlyWhenElevated() {
            var card = createTemporaryObject(cardWithChild, root, { theme: theme })
            compare(card._shadow.item, null)
            card.elevated = true
            verify(card._shadow.item !== null)
            compare(card._shadow.item.source, card.background)
            card.elevated = false
            compare(card._shadow.item, null)
        }

        // The outline of the stop icon covers pixel (5, 12) fully: faded
        // once by iconOpacity, never twice, and not drawn at all (rather
        // than untinted white) at zero.
        function test_iconFade_data() {
            return [
                { tag: "full", iconOpacity: 1, red: 255 },
                { tag: "half", iconOpacity: 0.5, red: 128 },
                { tag: "faint", iconOpacity: 0.35, red: 89 },
                { tag: "none", iconOpacity: 0, red: 0 }
            ]
        }

        function test_iconFade(data) {
            var icon = createTemporaryObject(stopIcon, iconBackdrop, { iconOpacity: data.iconOpacity })
            var drawn = -1
            tryVerify(function () {
                var image = grabImage(iconBackdrop)
                drawn = image.red(5, 12)
                return Math.abs(drawn - data.red) <= 3 && image.green(5, 12) === 0
            }, 5000, "red " + drawn + ", expected " + data.red)
        }

        function test_toggleThumb() {
            var sw = createTemporaryObject(toggle, root, { theme: theme })
            var thumb = findChild(sw, "thumb")
            compare(thumb.x, 3)
            compare(thumb.y, 5)
            mouseClick(sw)
            verify(sw.checked)
            tryCompare(thumb, "x", 27)
            sw.checked = false
            tryCompare(thumb, "x", 3)
        }

        function test_loadingButtonHidesIcon() {
            var button = createTemporaryObject(primary, root, { theme: theme })
            var icon = findChild(button, "icon"), glyph = findChild(button, "glyph"), spinner = findChild(button, "spinner")
            verify(icon.visible && !glyph.visible && !spinner.visible)
            button.loading = true
            verify(!icon.visible && !glyph.visible && spinner.visible)
            compare(spinner.width, 16)
            button.loading = false
            verify(icon.visible && !spinner.visible)
            compare(spinner.width, 0)
        }

        // A label cut to the button shows whole in a tip while hovered; one
        // that fits has none.
        function test_cutLabelWholeOnHover_data() {
            return [
                { tag: "primary cut", component: primary, width: 60, tip: "Save" },
                { tag: "secondary cut", component: secondary, width: 70, tip: "Node-lock mode" },
                { tag: "secondary whole", component: secondary, width: 300, tip: "" }
            ]
        }

        function test_cutLabelWholeOnHover(data) {
            var button = createTemporaryObject(data.component, root, { theme: theme, width: data.width, x: 20, y: 300 })
            waitForItemPolished(button)
            mouseMove(button)
            if (data.tip === "") {
                compare(button.contentItem.wholeHint, "")
                compare(findChild(button, "wholeHintTip"), null)
                return
            }
            var tip = null
            tryVerify(function () { tip = findChild(button, "wholeHintTip"); return tip !== null && tip.visible }, 3000)
            compare(tip.text, data.tip)
            mouseMove(root, 5, 5)
            tryVerify(function () { return findChild(button, "wholeHintTip") === null })
        }

        function test_ringTexts_data() {
            return [
                { tag: "0.427", props: { value: 0.427 }, percent: "43%", shown: "percent" },
                { tag: "0.005 rounds up", props: { value: 0.005 }, percent: "1%", shown: "percent" },
                { tag: "0.145 rounds up", props: { value: 0.145 }, percent: "15%", shown: "percent" },
                { tag: "full", props: { value: 1 }, percent: "100%", shown: "percent" },
                { tag: "empty", props: { value: 0 }, percent: "0%", shown: "percent" },
                { tag: "indeterminate", props: { value: 0.6, indeterminate: true }, shown: "dots" },
                { tag: "indeterminate without percentage", props: { indeterminate: true, showPercentage: false }, shown: "dots" },
                { tag: "percentage off", props: { value: 0.5, showPercentage: false }, shown: "none" }
            ]
        }

        function test_ringTexts(data) {
            var r = createTemporaryObject(ring, root, Object.assign({ theme: theme }, data.props))
            var percent = findChild(r, "percentText"), dots = findChild(r, "indeterminateText")
            compare(percent.visible, data.shown === "percent")
            compare(dots.visible, data.shown === "dots")
            if (data.percent)
                compare(percent.text, data.percent)
        }

        function test_ringTextSizeFollowsWidth() {
            var r = createTemporaryObject(ring, root, { width: 140, height: 140 })
            compare(findChild(r, "percentText").font.pixelSize, 30)
            compare(findChild(r, "indeterminateText").font.pixelSize, 25)
        }

        function test_ringLeavesIndeterminateAtTop() {
            var r = createTemporaryObject(ring, root, { value: 0.6, indeterminate: true })
            var arc = findChild(r, "arc")
            wait(400)   // the turn is well under way
            r.indeterminate = false
            tryCompare(arc, "rotation", 0)
            tryCompare(arc, "animatedValue", 0.6)
        }

        function test_chipClicks_data() {
            return [
                { tag: "removable and clickable", removable: true, clickable: true, bodyClicks: 0 },
                { tag: "clickable", removable: false, clickable: true, bodyClicks: 1 },
                { tag: "neither", removable: false, clickable: false, bodyClicks: 0 }
            ]
        }

        function test_chipClicks(data) {
            var c = createTemporaryObject(chip, root, { theme: theme, removable: data.removable, clickable: data.clickable })
            var clicked = createTemporaryObject(spy, root, { target: c, signalName: "clicked" })
            var removed = createTemporaryObject(spy, root, { target: c, signalName: "removeClicked" })
            waitForItemPolished(c)
            mouseClick(findChild(c, "chipLabel"))
            compare(clicked.count, data.bodyClicks)
            compare(removed.count, 0)
            if (data.removable) {
                mouseClick(findChild(c, "removeButton"))
                compare(removed.count, 1)
                compare(clicked.count, 0)
            }
        }
    }
}
