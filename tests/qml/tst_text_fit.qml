import QtQuick
import QtTest
import Pellaris
import "spots.js" as Spots

// Every page in every language at a small (1366x768) and a large
// (1920x1080) screen: no text is elided or cut without a tool tip that shows
// it whole, and no single-line text runs past its box.
Item {
    id: root
    width: 1366
    height: 768

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "TextFit"
        when: windowShown

        readonly property var languages: ["en", "de", "es", "fr", "it", "pl", "pt_BR", "ru"]
        readonly property var pages: [
            { nav: 0, name: "homePage", scroll: "homeScroll" }, { nav: 1, name: "projectPage", scroll: "setupFlickable" },
            { nav: 2, name: "solvePage", scroll: "solvePageScroll" }, { nav: 3, name: "resultsPage" },
            { nav: 4, name: "settingsPage", scroll: "settingsScroll" }
        ]

        function initTestCase() {
            appController.startSolveWithConfig(Spots.tinyRiverSpot(20))
            tryVerify(function () { return !appController.running }, 60000)
            verify(appController.resultIterations > 0, appController.statusText)
        }

        function cleanupTestCase() { languageManager.setLanguage("en") }

        // A tool tip near the item (on it or on one of its three nearest
        // ancestors) that shows the same text, or a field's whole hint, which
        // has its tool tip made on hover.
        function hasToolTip(item) {
            for (var at = item, depth = 0; at && depth < 4; at = at.parent, ++depth) {
                if (at.wholeHint !== undefined && at.wholeHint === item.text)
                    return true
                var data = at.data || []
                for (var i = 0; i < data.length; ++i) {
                    var d = data[i]
                    if (d && d !== item && d.delay !== undefined && d.text === item.text)
                        return true
                }
            }
            return false
        }

        function shownOnScreen(item) {
            var p = item.mapToItem(root, 0, 0)
            return p.x < root.width && p.y < root.height && p.x + item.width > 0 && p.y + item.height > 0
        }

        // A label whose drawn text runs past the side of a box that clips
        // it (one that does not scroll sideways): the label's own box may
        // be whole while the text is cut mid-word.
        function clippedSideways(label) {
            var w = Math.min(label.width, label.contentWidth)
            var align = label.effectiveHorizontalAlignment
            var left = align === Text.AlignRight ? label.width - w : align === Text.AlignHCenter ? (label.width - w) / 2 : 0
            for (var at = label.parent; at && at !== root; at = at.parent) {
                if (!at.clip || (at.contentX !== undefined && at.contentWidth > at.width + 1))
                    continue
                var p = label.mapToItem(at, left, 0)
                if (p.x < -1 || p.x + w > at.width + 1)
                    return true
            }
            return false
        }

        // Texts cut to their box: an elided or overflowing label, or one
        // clipped by a box it lies in, or an input line whose text runs past
        // its box while it is not being edited (a field drawn in no colour
        // is shown by something else). Without `strict`, a tool tip that
        // shows the whole text excuses it.
        function cutTexts(item, out, strict) {
            if (!item || !item.visible || item.opacity === 0 || item.width <= 0 || item.height <= 0)
                return out
            if (typeof item.text === "string" && item.text.trim() !== "" && shownOnScreen(item)) {
                var cut = false
                if (item.truncated !== undefined) {
                    var singleLine = item.wrapMode === Text.NoWrap && item.elide === Text.ElideNone
                    cut = item.truncated || (singleLine && item.contentWidth > item.width + 1) || clippedSideways(item)
                } else if (item.echoMode !== undefined && !item.activeFocus && item.color.a > 0) {
                    cut = item.contentWidth > item.width - item.leftPadding - item.rightPadding + 1
                }
                if (cut && (strict || !hasToolTip(item)))
                    out.push((item.objectName || item.toString()) + ": \"" + item.text + "\" "
                             + Math.round(item.width) + " < " + Math.round(item.implicitWidth))
            }
            for (var i = 0; i < item.children.length; ++i)
                cutTexts(item.children[i], out, strict)
            return out
        }

        // Items that stick out sideways from the box they are drawn in, or
        // past the window's right edge. The content of a scrolling view is
        // the view's own business; the view itself must fit.
        function sticksOut(box, item, out, boxName) {
            for (var i = 0; i < item.children.length; ++i) {
                var c = item.children[i]
                // A shadow is drawn past its card on purpose.
                if (!c.visible || c.opacity === 0 || c.width <= 0 || c.height <= 0 || c.fragmentShader !== undefined)
                    continue
                var p = c.mapToItem(box, 0, 0)
                var w = c.mapToItem(root, 0, 0)
                if (p.x < -1 || p.x + c.width > box.width + 1 || w.x + c.width > root.width + 1)
                    out.push(boxName + ": " + (c.objectName || c.toString()) + " at " + Math.round(p.x) + ".."
                             + Math.round(p.x + c.width) + " of " + Math.round(box.width))
                else if (c.contentY === undefined)
                    sticksOut(box, c, out, boxName)
            }
            return out
        }

        readonly property var resultBoxes: ["strategyHeader", "nodeInfo", "bucketsCard", "handDetailsCard",
                                            "playTableView", "playHandLog", "playHandDetails"]

        // Nested layouts take their width a frame or more after the page is
        // polished, later on a slow machine: a fault still there after 2 s
        // is one the user sees.
        function settledLayoutFaults(page, stage) {
            var found = layoutFaults(page, stage)
            for (var i = 0; i < 40 && found.length > 0; ++i) {
                wait(50)
                found = layoutFaults(page, stage)
            }
            return found
        }

        function layoutFaults(page, stage) {
            var faults = cutTexts(page, [])
            resultBoxes.forEach(function (name) {
                var box = findChild(page, name)
                if (box && box.visible)
                    sticksOut(box, box, faults, name)
            })
            var header = findChild(page, "strategyHeader")
            var view = findChild(page, page.playMode ? "playTableView" : "strategyView")
            var headerBottom = header.mapToItem(root, 0, header.height).y
            if (view.mapToItem(root, 0, 0).y < headerBottom)
                faults.push("the view runs over the header")
            return faults.map(function (f) { return stage + ": " + f })
        }

        function bottomOf(page, name) {
            var item = findChild(page, name)
            return item.mapToItem(root, 0, item.height).y
        }

        // Step boxes of the hand details cut by a box they lie in.
        function hiddenSteps(details) {
            return shownItems(details, function (s) { return s.objectName === "detailsStep" }, [])
                .filter(function (step) {
                    for (var at = step.parent; at && at !== details.parent; at = at.parent) {
                        var bottom = step.mapToItem(at, 0, step.height).y
                        if (at.clip && bottom > at.height + 1)
                            return true
                    }
                    return false
                }).map(function (step) { return "step \"" + step.children[0].text + "\" is cut" })
        }

        function passiveChoice(page) {
            var actions = page._actionListAtPlayNode()
            for (var i = 0; i < actions.length; ++i) {
                if (actions[i].name === "Check" || actions[i].name === "Call")
                    return i
            }
            return 0
        }

        // Play on `page`: a hand dealt for OOP, waiting for the user.
        function startPlay(page) {
            page.playMode = true
            page.playRandomSeed = 5
            page.playStepDelayMs = 600000
            page.playStopOnSuboptimalAction = false
            page.startPlaySession("OOP")
            page.playTick()
            verify(page.playAwaitingUserAction)
        }

        // The action with the lowest EV for the hero's cards at the play node.
        function worstChoice(page) {
            var actions = page._actionListAtPlayNode()
            var worst = 0, worstEv = Infinity
            for (var i = 0; i < actions.length; ++i) {
                var info = page._suboptimalEvInfoAtNode(page._playNode, page.playNodeMeta.player, i)
                if (info.ok && info.chosenEv < worstEv) {
                    worst = i
                    worstEv = info.chosenEv
                }
            }
            return worst
        }

        // The hand checked or called to the hero's first river decision,
        // then ended there on its worst choice.
        function playToRiverMistake(page) {
            page.playStopOnSuboptimalAction = true
            for (var n = 0; n < 40 && !page.playHandComplete; ++n) {
                if (!page.playAwaitingUserAction)
                    page.playTick()
                else if (page.playBoardText.length === 10)
                    page.playChooseAction(worstChoice(page))
                else
                    page.playChooseAction(passiveChoice(page))
            }
            page.playStopOnSuboptimalAction = false
            verify(page.playHandComplete)
        }

        // Texts of the hand details that do not show whole: wider than their
        // box (a part that may not break runs past it), or past the view's
        // right edge or under its vertical scroll bar.
        function detailsTextFaults(details) {
            var flick = findChild(details, "detailsFlick")
            var bar = findChild(details, "detailsVerticalBar")
            var right = flick.width - (bar.visible ? bar.width : 0)
            return shownItems(details, function (t) {
                return t.truncated !== undefined && t.width > 0 && String(t.text).trim() !== ""
            }, []).map(function (t) {
                var x = t.mapToItem(flick, 0, 0).x
                if (t.contentWidth > t.width + 1)
                    return "\"" + t.text + "\" is " + Math.ceil(t.contentWidth) + " wide in " + Math.round(t.width)
                if (x < -1 || x + t.contentWidth > right + 1)
                    return "\"" + t.text + "\" ends at " + Math.round(x + t.contentWidth) + " past " + Math.round(right)
                return ""
            }).filter(function (f) { return f !== "" })
        }

        // The hand played to its end, checking or calling.
        function playHandThrough(page) {
            for (var n = 0; n < 40 && !page.playHandComplete; ++n) {
                if (page.playAwaitingUserAction)
                    page.playChooseAction(passiveChoice(page))
                else
                    page.playTick()
            }
            verify(page.playHandComplete)
        }

        // The results page at the smallest screen in each language: the
        // Solution view at the root and at a chance node, and the play view
        // with a hand in progress under the last hand's details. Nothing is
        // cut, nothing sticks out of its box, the play view keeps its place
        // from hand to hand and shows its hand log's buttons and the hand
        // details inside the window. The details of a finished hand and of
        // one stopped on a mistake at the river show every text whole,
        // inside its column and clear of the scroll bar.
        function test_resultsPageAtSmallScreen_data() {
            return test_noTextCut_data()
        }

        function test_resultsPageAtSmallScreen(data) {
            languageManager.setLanguage(data.code)
            root.width = 1280
            root.height = 720
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            // The shell starts blank: the spot is solved under it.
            var spot = Spots.tinyTurnSpot(20)
            shell.boardText = spot.board
            appController.startSolveWithConfig(spot)
            tryVerify(function () { return !appController.running }, 60000)
            shell.navIndex = 3
            var page = findChild(shell, "resultsPage")
            tryVerify(function () { return page.visible })
            var faults = []
            var settle = function (stage) {
                waitForRendering(shell)
                waitForItemPolished(page)
                faults = faults.concat(settledLayoutFaults(page, stage))
            }
            settle("root")
            page.selectActionAtLevel(0, passiveChoice(page))
            page.selectActionAtLevel(1, passiveChoice(page))
            compare(page.currentMeta.nodeType, "chance")
            settle("chance node")
            page.openChancePicker(page.treeLevels.count - 1, page.currentNodeIndex)
            var picker = findChild(page, "chancePicker")
            tryVerify(function () { return picker.opened })
            waitForRendering(shell)
            faults = faults.concat(cutTexts(picker.contentItem, [], true).map(function (f) { return "picker: " + f }))
            picker.close()

            startPlay(page)
            var table = findChild(page, "playTableView")
            settle("first hand")
            var tableY = table.mapToItem(root, 0, 0).y
            playHandThrough(page)
            settle("hand complete")
            var details = findChild(page, "playHandDetails")
            var noteDetails = function (stage) {
                faults = faults.concat(detailsTextFaults(details).concat(splitLabels(details))
                                       .map(function (f) { return stage + " details: " + f }))
            }
            noteDetails("hand complete")
            if (table.mapToItem(root, 0, 0).y !== tableY)
                faults.push("the play view moved at the end of the hand")
            page._resetToRootAndRestartHand()
            page.playTick()
            verify(page.playAwaitingUserAction)
            settle("next hand")
            if (table.mapToItem(root, 0, 0).y !== tableY)
                faults.push("the play view moved for the next hand")
            faults = faults.concat(splitLabels(details).concat(hiddenSteps(details)).map(function (f) { return "next hand: " + f }))
            var lowest = ["playHandDetails", "playSettingsButton", "playStatisticsButton"]
            lowest.forEach(function (name) {
                if (bottomOf(page, name) > root.height + 1)
                    faults.push("next hand: " + name + " below the window")
            })
            // That hand ended on a mistake at the river.
            playToRiverMistake(page)
            settle("mistake")
            verify(page.playSelectedDetails.stoppedOnMistake)
            verify(page.playSelectedDetails.riverActions.length > 0)
            noteDetails("mistake")
            root.width = 1366
            root.height = 768
            compare(faults, [])
        }

        // Resizes and language switches in turn, in play mode with a hand in
        // progress and in the Solution view: the header takes one line where
        // it fits and two where not, and never lies under the view below it.
        function test_resizeAndSwitchKeepsPanelsApart() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            var spot = Spots.tinyTurnSpot(20)
            shell.boardText = spot.board
            appController.startSolveWithConfig(spot)
            tryVerify(function () { return !appController.running }, 60000)
            shell.navIndex = 3
            var page = findChild(shell, "resultsPage")
            tryVerify(function () { return page.visible })
            page.playMode = true
            page.playRandomSeed = 5
            page.playStepDelayMs = 600000
            page.startPlaySession("OOP")
            page.playTick()
            var header = findChild(page, "strategyHeader")
            var steps = [{ w: 1920, h: 1080, lang: "en" }, { w: 1280, h: 720, lang: "de" }, { w: 1000, h: 700, lang: "ru" },
                         { w: 1440, h: 900, lang: "ru" }, { w: 1000, h: 700, lang: "pl" }, { w: 1440, h: 900, lang: "de" },
                         { w: 1280, h: 720, lang: "ru" }, { w: 1920, h: 1080, lang: "fr" }]
            var faults = []
            steps.forEach(function (step) {
                root.width = step.w
                root.height = step.h
                languageManager.setLanguage(step.lang)
                ;[true, false].forEach(function (play) {
                    page.playMode = play
                    if (play) {
                        page.startPlaySession("OOP")
                        page.playTick()
                    }
                    waitForRendering(shell)
                    waitForItemPolished(page)
                    var tag = step.w + "x" + step.h + " " + step.lang + (play ? " play" : " solution")
                    var button = findChild(page, "distributionsButton")
                    var oneLine = findChild(page, "evOopCard").mapToItem(header, 0, 0).y
                                  < button.mapToItem(header, 0, 0).y + button.height

                    if (oneLine === header._narrow)
                        faults.push(tag + ": the header's lines do not follow its room")
                    if (step.w >= 1440 && !oneLine)
                        faults.push(tag + ": two lines where one fits")
                    settledLayoutFaults(page, tag).forEach(function (f) { faults.push(f) })
                    var view = findChild(page, play ? "playTableView" : "strategyView")
                    if (view.height < 300)
                        faults.push(tag + ": the view is squeezed to " + Math.round(view.height))
                })
            })
            root.width = 1366
            root.height = 768
            languageManager.setLanguage("en")
            compare(faults, [])
        }

        function fourLanguages() {
            return ["en", "de", "ru", "pl"].map(function (code) { return { tag: code, code: code } })
        }

        function test_lockPanelAndSizingFit_data() { return fourLanguages() }

        // The set-up page with long sizing texts, and the results page's
        // node-lock panel over seven buttons (four bet sizes, all-in,
        // "Mixed") with one of them chosen, then with the mixed inputs, at
        // three screens. The tree and the lock buttons show every label
        // whole; a sizing field cuts its text only while its card has no
        // room to spare, and then shows it whole on hover.
        function test_lockPanelAndSizingFit(data) {
            languageManager.setLanguage(data.code)
            var spot = Spots.tinyRiverSpot(20)
            spot.oop_river_bet_sizes = "25, 50, 75, 125"
            spot.oop_river_add_all_in = true
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.boardText = spot.board
            ;["Flop", "Turn", "River"].forEach(function (street) {
                shell["oop" + street + "BetSizesText"] = "25, 50, 75, 125"
                shell["ip" + street + "BetSizesText"] = "33, 75, 150"
                shell["oop" + street + "RaiseSizesText"] = "50, 100, 200"
                shell["ip" + street + "RaiseSizesText"] = "60, 120, 250, 400"
            })
            appController.startSolveWithConfig(spot)
            tryVerify(function () { return !appController.running }, 60000)
            verify(appController.resultIterations > 0, appController.statusText)
            var faults = []
            var note = function (tag, list) { list.forEach(function (f) { faults.push(tag + ": " + f) }) }
            ;[{ w: 1280, h: 720 }, { w: 1440, h: 900 }, { w: 1920, h: 1080 }].forEach(function (size) {
                root.width = size.w
                root.height = size.h
                var tag = size.w + "x" + size.h
                shell.navIndex = 1
                var setup = findChild(shell, "projectPage")
                tryVerify(function () { return setup.visible })
                waitForRendering(shell)
                note(tag + " set-up", cutTexts(shell, []))
                // A field cut although its card has the room to show it.
                ;["oopSizingCard", "ipSizingCard"].forEach(function (name) {
                    var card = findChild(setup, name)
                    var spare = card.width - card.implicitWidth
                    cutTexts(card, [], true).forEach(function (f) {
                        var field = findChild(card, f.split(":")[0])
                        var need = field.contentWidth + field.leftPadding + field.rightPadding
                        if (spare >= 3 * (need - setup.sizingStreetColumnWidth))
                            faults.push(tag + " " + name + " has room: " + f)
                    })
                })

                shell.navIndex = 3
                var page = findChild(shell, "resultsPage")
                tryVerify(function () { return page.visible })
                page.nodeLockMode = true
                page.selectNodeLockAction(1)
                compare(page.nodeLockActionList.length, 6)
                var flick = findChild(page, "strategyFlick")
                var panel = findChild(page, "nodeLockPanel")
                ;[false, true].forEach(function (mixed) {
                    page.setNodeLockMixedMode(mixed)
                    waitForItemPolished(page)
                    flick.contentY = Math.max(0, Math.min(panel.mapToItem(flick.contentItem, 0, 0).y,
                                                          flick.contentHeight - flick.height))
                    waitForRendering(shell)
                    var stage = tag + (mixed ? " mixed" : " lock")
                    note(stage, cutTexts(shell, []))
                    note(stage, cutTexts(panel, [], true))
                    note(stage, cutTexts(findChild(page, "gameTreePanel"), [], true))
                })
                page.nodeLockMode = false
                flick.contentY = 0
            })
            root.width = 1366
            root.height = 768
            compare(faults, [])
        }

        // Shown items under `item` that `pick` takes; a taken item, and a
        // playing card (its rank and suit are one picture), is not looked
        // into further.
        function shownItems(item, pick, out) {
            if (!item || !item.visible || item.opacity === 0 || (item.rank !== undefined && item.suit !== undefined))
                return out
            if (pick(item))
                out.push(item)
            else
                for (var i = 0; i < item.children.length; ++i)
                    shownItems(item.children[i], pick, out)
            return out
        }

        // Wrapped texts whose line ends on a label's colon, the figure it
        // labels (or a seat's action) pushed onto the next line. Where a
        // text breaks is read
        // from a TextEdit laid out as the text is.
        function splitLabels(scope) {
            var out = []
            shownItems(scope, function (t) {
                return t.truncated !== undefined && t.width > 0 && t.wrapMode !== Text.NoWrap && t.lineCount > 1
                        && String(t.text).indexOf(":") >= 0
            }, []).forEach(function (item) {
                var edit = Qt.createQmlObject("import QtQuick; TextEdit { textFormat: TextEdit.PlainText }", root)
                edit.width = item.width
                edit.font = item.font
                edit.wrapMode = item.wrapMode
                edit.text = item.text
                var text = String(item.text), start = 0, y = edit.positionToRectangle(0).y
                for (var i = 1; i <= text.length; ++i) {
                    var r = edit.positionToRectangle(i)
                    if (r.y > y + 1) {
                        var line = text.substring(start, i).trim(), rest = text.substring(i).trim()
                        if (line.charAt(line.length - 1) === ":"
                                && (/^[0-9+\u2212\u2014-]/.test(rest) || /\b(OOP|IP):$/.test(line)))
                            out.push((item.objectName || item.toString()) + ": \"" + line + "\" | \"" + rest + "\"")
                        start = i
                        y = r.y
                    }
                }
                edit.destroy()
            })
            return out
        }

        // Shown cards under `scope` (the board's and the seats') that `item`
        // lies over.
        function cardsUnder(item, scope) {
            var a = item.mapToItem(root, 0, 0)
            return shownItems(scope, function (c) { return c.rank !== undefined && c.suit !== undefined }, [])
                .filter(function (c) {
                    var b = c.mapToItem(root, 0, 0)
                    return Math.min(a.x + item.width, b.x + c.width) - Math.max(a.x, b.x) > 1
                            && Math.min(a.y + item.height, b.y + c.height) - Math.max(a.y, b.y) > 1
                }).map(function (c) { return "covers the card \"" + c.rank + c.suit + "\"" })
        }

        // Pairs of shown texts under `scope` drawn one over the other.
        function overlaps(scope) {
            var texts = shownItems(scope, function (t) {
                return t.truncated !== undefined && t.width > 0 && t.height > 0 && String(t.text).trim() !== ""
            }, []).map(function (t) {
                var p = t.mapToItem(root, 0, 0)
                return { item: t, x: p.x, y: p.y, w: t.width, h: t.height }
            })
            var out = []
            for (var i = 0; i < texts.length; ++i) {
                for (var j = i + 1; j < texts.length; ++j) {
                    var a = texts[i], b = texts[j]
                    if (Math.min(a.x + a.w, b.x + b.w) - Math.max(a.x, b.x) > 1
                            && Math.min(a.y + a.h, b.y + b.h) - Math.max(a.y, b.y) > 1)
                        out.push("\"" + a.item.text + "\" over \"" + b.item.text + "\"")
                }
            }
            return out
        }

        // Disabled buttons whose label is drawn as a live one's: a disabled
        // label shows faded (at most 60 % of its colour).
        function liveLookingButtons(scope) {
            return shownItems(scope, function (b) {
                return b.clicked !== undefined && b.enabled === false && typeof b.text === "string" && b.text !== ""
            }, []).map(function (item) {
                var label = findLabel(item, item.text)
                var alpha = 0
                for (var at = label; at && at !== item.parent; at = at.parent)
                    alpha = (at === label ? label.color.a : alpha) * at.opacity
                return !label || alpha > 0.6 ? "\"" + item.text + "\" at " + (label ? alpha.toFixed(2) : "no label") : ""
            }).filter(function (f) { return f !== "" })
        }

        function findLabel(item, text) {
            for (var i = 0; i < item.children.length; ++i) {
                var c = item.children[i]
                if (c.truncated !== undefined && c.text === text && c.visible)
                    return c
                var found = findLabel(c, text)
                if (found)
                    return found
            }
            return item.contentItem && item.contentItem.text === text ? item.contentItem : null
        }

        // `shell` on page `nav`, the page named `name` once it shows.
        function showPage(shell, nav, name) {
            shell.navIndex = nav
            var page = findChild(shell, name)
            tryVerify(function () { return page.visible }, 5000, name)
            return page
        }

        function test_playViewAndDialogs_data() { return fourLanguages() }

        // The play view with a drill running (a wrong answer's feedback
        // over no card) and with a finished hand's summary, the solve page
        // before any result, the profile dialog
        // with no profile saved, the board card picker, and a number
        // field's refusal left behind by a page change, at the small and
        // the large screen: no label parts from its figure, no text lies
        // over another or is cut, a disabled button looks disabled and the
        // refusal goes with its page.
        function test_playViewAndDialogs(data) {
            languageManager.setLanguage(data.code)
            var faults = []
            var note = function (tag, list) { list.forEach(function (f) { faults.push(tag + ": " + f) }) }
            var spot = Spots.tinyTurnSpot(20)
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.boardText = spot.board
            appController.startSolveWithConfig(spot)
            tryVerify(function () { return !appController.running }, 60000)
            shell.rakePercent = 5
            shell.rakeCap = 3
            // A shell whose controller has no result yet.
            var stub = harness.createStandIn("appController", root)
            stub.resultIterations = 0
            var blank = createTemporaryObject(shellComponent, root, { controller: stub, visible: false })
            var settle = function (page) { waitForRendering(shell); waitForItemPolished(page) }
            ;[{ w: 1280, h: 720 }, { w: 1920, h: 1080 }].forEach(function (size) {
                root.width = size.w
                root.height = size.h
                var tag = size.w + "x" + size.h
                blank.visible = false
                shell.visible = true
                var page = showPage(shell, 3, "resultsPage")
                startPlay(page)
                var overlay = findChild(page, "playOverlay")
                playHandThrough(page)
                settle(page)
                var view = findChild(page, "playTableView")
                note(tag + " hand", overlaps(overlay).concat(splitLabels(view), cutTexts(view, [])))
                // A drill on the next hand, the last one's details shown.
                page._resetToRootAndRestartHand()
                page.playTick()
                verify(page.playAwaitingUserAction)
                page.startDrillSpot()
                verify(page.playDrillMode)
                settle(page)
                note(tag + " drill", overlaps(overlay))
                // A wrong answer's feedback, read before it goes.
                page._handleDrillChoice(worstChoice(page))
                var toast = findChild(page, "drillToast")
                verify(toast.visible)
                note(tag + " drill feedback", cardsUnder(toast, overlay))
                page.stopDrillSpot()
                page.playMode = false

                // The set-up page: a refused jam threshold, then the solve
                // page; the profile dialog with nothing saved.
                var setup = showPage(shell, 1, "projectPage")
                shell.oopAddAllInIfJamLtEnabled = true
                var jam = findChild(setup, "oopJamField")
                var tip = findChild(jam, "refusalTip")
                jam.forceActiveFocus()
                jam.selectAll()
                keyClick(Qt.Key_X)
                keyClick(Qt.Key_Return)
                tryVerify(function () { return tip.visible })
                showPage(shell, 2, "solvePage")
                waitForRendering(shell)
                if (tip.visible)
                    faults.push(tag + ": the jam field's refusal shows over the solve page")
                showPage(shell, 1, "projectPage")
                setup.settingsProfiles = []
                var opened = function (name) {
                    var dialog = findChild(setup, name)
                    tryVerify(function () { return dialog.opened }, 5000, name)
                    waitForRendering(shell)
                    return dialog.contentItem.parent
                }
                setup.openLoadProfileDialog()
                var load = opened("loadSettingsDialog")
                note(tag + " load profile", liveLookingButtons(load).concat(cutTexts(load, [])))
                findChild(setup, "loadSettingsDialog").close()
                setup.openCardPicker(4)
                note(tag + " card picker", cutTexts(opened("cardPickerDialog"), []))
                findChild(setup, "cardPickerDialog").close()

                // The solve page before any result.
                shell.visible = false
                blank.visible = true
                var solve = showPage(blank, 2, "solvePage")
                waitForRendering(blank)
                verify(!findChild(solve, "viewResultsButton").enabled)
                note(tag + " solve", liveLookingButtons(solve))
            })
            root.width = 1366
            root.height = 768
            languageManager.setLanguage("en")
            compare(faults, [])
        }

        function test_noTextCut_data() {
            return languages.map(function (code) { return { tag: code, code: code } })
        }

        // Each page at three screen sizes, at its top and scrolled to its
        // end, in one shell per language.
        function test_noTextCut(data) {
            languageManager.setLanguage(data.code)
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            var faults = []
            var sizes = [{ w: 1280, h: 720 }, { w: 1366, h: 768 }, { w: 1920, h: 1080 }]
            sizes.forEach(function (size) {
                root.width = size.w
                root.height = size.h
                pages.forEach(function (p) {
                    shell.navIndex = p.nav
                    var shown = findChild(shell, p.name)
                    tryVerify(function () { return shown.visible })
                    waitForRendering(shell)
                    var found = cutTexts(shell, [])
                    var scroller = p.scroll ? findChild(shown, p.scroll) : null
                    if (scroller && scroller.contentHeight > scroller.height) {
                        scroller.contentY = scroller.contentHeight - scroller.height
                        waitForRendering(shell)
                        cutTexts(shell, []).forEach(function (f) {
                            if (found.indexOf(f) < 0)
                                found.push(f)
                        })
                        scroller.contentY = 0
                    }
                    found.forEach(function (f) {
                        faults.push(size.w + "x" + size.h + " " + p.name + ": " + f)
                    })
                })
            })
            root.width = 1366
            root.height = 768
            compare(faults, [])
        }

        // The solve page while a solve runs, through each stage the solve
        // thread names, at the small screen.
        function test_runningSolveFits(data) {
            languageManager.setLanguage(data.code)
            var stub = harness.createStandIn("appController", root)
            stub.systemThreadCount = 8
            var shell = createTemporaryObject(shellComponent, root, { controller: stub })
            shell.navIndex = 2
            var faults = []
            stub.running = true
            var stages = ["Starting...", "Init: building game tree structures...", "Init: starting solver...",
                          "Iter 120 | exploitability\u22480.0123", "Finalizing: building result snapshot..."]
            stages.forEach(function (status) {
                stub.statusText = status
                waitForRendering(shell)
                cutTexts(shell, []).forEach(function (f) { faults.push(status + ": " + f) })
            })
            stub.running = false
            compare(faults, [])
        }

        function test_runningSolveFits_data() {
            return test_noTextCut_data()
        }
    }
}
