import QtQuick
import QtTest
import Pellaris
import "../../qml/pages/numericFields.js" as NumericFields

// The set-up page driven as a user drives it: board slots and the card
// picker, the numeric fields, the ICM rows, the sizing copy, the option
// popups and the settings profiles with their store.
Item {
    id: root
    width: 1600
    height: 900

    Component { id: pageComponent; ProjectPage { anchors.fill: parent } }
    Component { id: sizedPageComponent; ProjectPage {} }
    Component { id: anchorComponent; Item { width: 40; height: 20 } }

    SettingsSection { id: profileStore; category: "settings_profiles" }

    // Puts text on the clipboard, for pasting into a field.
    TextInput { id: clipboardSource; visible: false }

    TestCase {
        name: "ProjectPage"
        when: windowShown

        function init() {
            profileStore.write({ profilesJson: "" })
        }

        function cleanup() { languageManager.setLanguage("en") }

        function makePage(props, sized) {
            var page = createTemporaryObject(sized ? sizedPageComponent : pageComponent, root, props || {})
            waitForItemPolished(page)
            return page
        }

        function child(page, name) {
            var item = findChild(page, name)
            verify(item, name)
            return item
        }

        function typeInto(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function leave(page) {
            page.forceActiveFocus()
        }

        function openedDialog(dialog) {
            tryCompare(dialog, "opened", true)
            waitForItemPolished(dialog.contentItem.children[0])
            return dialog
        }

        function pickerFor(page, slot) {
            mouseClick(child(page, "slot" + slot))
            var dialog = child(page, "cardPickerDialog")
            tryCompare(dialog, "opened", true)
            return dialog
        }

        function test_cardPicker_data() {
            return [
                { tag: "K♦ for the turn of an empty board", board: "", slot: 3, pick: "pick_Kd", want: "______Kd",
                  street: "flop" },
                { tag: "Clear card on the turn", board: "AhKdQc2s9h", slot: 3, pick: "clearCardButton", want: "AhKdQc",
                  street: "flop" },
                { tag: "river after the turn", board: "AhKdQc2s", slot: 4, pick: "pick_9h", want: "AhKdQc2s9h",
                  street: "river" }
            ]
        }

        function test_cardPicker(data) {
            var page = makePage({ boardText: data.board })
            var dialog = pickerFor(page, data.slot)
            mouseClick(child(dialog.contentItem, data.pick))
            tryCompare(dialog, "visible", false)
            compare(page.boardText, data.want)
            compare(page.startingStreet, data.street)
            compare(child(page, "setupHeader").badge, page.validBoard(data.want) ? "Ready" : "Setup Required")
        }

        // Every card on the board is greyed, the edited slot's own included,
        // and a click on one changes nothing.
        function test_usedCardsAreDisabled() {
            var page = makePage({ boardText: "AhKdQc" })
            var dialog = pickerFor(page, 1)
            var picker = child(dialog.contentItem, "cardPicker")
            compare([picker.isCardUsed("A", "h"), picker.isCardUsed("K", "d"), picker.isCardUsed("Q", "c"),
                     picker.isCardUsed("Q", "s")], [true, true, true, false])
            mouseClick(child(picker, "pick_Kd"))
            verify(dialog.visible)
            compare(page.boardText, "AhKdQc")
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
            compare(page.boardText, "AhKdQc")
        }

        function test_numericFields_data() {
            return [
                { tag: "Starting Pot 0 cannot finish", field: "startingPotField", prop: "startingPot", start: 180,
                  typed: "0", returnKey: true, want: 180, shown: "180", refused: "from 0.01 to 100000" },
                { tag: "pot above the bound", field: "startingPotField", prop: "startingPot", start: 180,
                  typed: "100001", want: 180, shown: "180", refused: "\"100001\" was not stored" },
                { tag: "Rake (%) keeps 4.1250", field: "rakePercentField", prop: "rakePercent", start: 0,
                  typed: "4.1250", want: 4.125, shown: "4.125" },
                { tag: "a fourth rake decimal stores nothing", field: "rakePercentField", prop: "rakePercent", start: 0,
                  typed: "4.1259", want: 0, shown: "0", refused: "Too many decimals" },
                { tag: "rake cap takes cents", field: "rakeCapField", prop: "rakeCap", start: 0,
                  typed: "2.5", want: 2.5, shown: "2.5" },
                { tag: "stack takes cents", field: "effectiveStackField", prop: "effectiveStack", start: 100,
                  typed: "800.7", want: 800.7, shown: "800.7" },
                { tag: "stack under one chip", field: "effectiveStackField", prop: "effectiveStack", start: 100,
                  typed: "0.5", want: 100, shown: "100", refused: "from 1 to 100000" },
                { tag: "Return finishes", field: "targetExploitabilityField", prop: "targetExploitability", start: 0.1,
                  typed: "0.25", returnKey: true, want: 0.25, shown: "0.25" },
                { tag: "rake cap 0", field: "rakeCapField", prop: "rakeCap", start: 5, typed: "0", want: 0, shown: "0" }
            ]
        }

        function test_numericFields(data) {
            var props = {}
            props[data.prop] = data.start
            var page = makePage(props)
            var field = child(page, data.field)
            typeInto(field, data.typed)
            if (data.returnKey) {
                keyClick(Qt.Key_Return)
                verify(field.activeFocus)
            }
            leave(page)
            compare(page[data.prop], data.want)
            compare(field.text, data.shown)
            if (data.refused)
                verify(field.refusalText.indexOf(data.refused) >= 0, field.refusalText)
            else
                compare(field.refusalText, "")
        }

        // A pasted text of any length is quoted short in the refusal.
        function test_pastedLongNumberIsQuotedShort() {
            var page = makePage({ effectiveStack: 100 })
            var field = child(page, "effectiveStackField")
            field.forceActiveFocus()
            field.text = "1".repeat(100000)
            field.textEdited()
            leave(page)
            compare(page.effectiveStack, 100)
            verify(field.refusalText !== "" && field.refusalText.length < 150, field.refusalText.length)
            verify(field.refusalText.indexOf("1".repeat(23) + "\u2026") >= 0, field.refusalText)
        }

        // Every number field, typed into and pasted into, in English and in
        // German (where the comma is the decimal sign): the whole text is
        // read when the edit finishes; what it does not stand for as a
        // number keeps the value from before, with the reason beside the
        // field in the chosen language. A separator before three digits
        // could be a thousands one: refused, naming both readings. The seat
        // stacks take whole chips only, without any separator. A value
        // shows whole.
        function test_everyNumberField_data() {
            var fields = [
                { field: "startingPotField", prop: "startingPot", wide: 99999.99 },
                { field: "effectiveStackField", prop: "effectiveStack", wide: 100000 },
                { field: "rakePercentField", prop: "rakePercent", wide: 99.999 },
                { field: "rakeCapField", prop: "rakeCap", wide: 999999.99 },
                { field: "targetExploitabilityField", prop: "targetExploitability", wide: 0.000001 },
                { field: "oopClickWeightField", prop: "oopClickWeightPct", wide: 99.9 },
                { field: "ipClickWeightField", prop: "ipClickWeightPct", wide: 99.9 },
                { field: "oopJamField", prop: "oopAddAllInIfJamLtPct", wide: 999.999 },
                { field: "oopStackField", prop: "oopStack", wide: 21474836, whole: true },
                { field: "ipStackField", prop: "ipStack", wide: 21474836, whole: true }
            ]
            var rows = []
            ;["en", "de"].forEach(function (lang) {
                fields.forEach(function (f) {
                    rows.push({ tag: f.field + " " + lang, lang: lang, field: f.field, prop: f.prop, wide: f.wide,
                                whole: f.whole === true })
                })
            })
            return rows
        }

        function test_everyNumberField(data) {
            var sign = "No sign, please: \"%1\" was not stored."
            var exponent = "Write the number out without an exponent: \"%1\" was not stored."
            var separator = "One decimal separator at most: \"%1\" was not stored."
            var notNumber = "Not a number: \"%1\" was not stored."
            var whole = "Whole numbers only: \"%1\" was not stored."
            var decimal = function (value) { return data.whole ? { reason: whole } : { want: value } }
            // Advice names only a writing the field takes, in plain digits:
            // a reading itself where the field takes it, else the typed
            // text with a zero added.
            var could = "\"%1\" could mean %2 or %3, so it was not stored"
            var thousands = function (both, text, rule) {
                var asThousands = NumericFields.read(rule, both[1]).ok
                var asDecimals = NumericFields.read(rule, both[0]).ok
                var longer = !asDecimals && NumericFields.read(rule, text + "0").ok
                return could + (asThousands && asDecimals ? ": write %2 or %3."
                                : asThousands && longer ? ": write %3 without a separator, or %4 for %2."
                                : asThousands ? ": write %3 without a separator."
                                : asDecimals ? ": write %2."
                                : longer ? ": write %4 for %2." : ".")
            }
            var entries = [
                Object.assign({ text: "4,5" }, decimal(4.5)), Object.assign({ text: "12,50" }, decimal(12.5)),
                Object.assign({ text: "10,0" }, decimal(10)), { text: " 7 ", want: 7 },
                { text: "-5", reason: sign }, { text: "+7", reason: sign }, { text: "1e3", reason: exponent },
                { text: "1e309", reason: exponent }, { text: "12.5.3", reason: separator },
                { text: "0x10", reason: notNumber },
                { text: "10,000", both: ["10", "10000"] },
                { text: "10.000", both: ["10", "10000"] },
                { text: "2,500", both: ["2.5", "2500"] },
                { text: "300.000", both: ["300", "300000"] },
                { text: "4,125", both: ["4.125", "4125"] },
                { text: "1,000.5", reason: separator }
            ]
            languageManager.setLanguage(data.lang)
            var page = makePage({ oopAddAllInIfJamLtEnabled: true, utilityModel: data.whole ? "icm" : "cash" })
            var field = child(page, data.field)
            entries.forEach(function (entry) {
                ;["typed", "pasted"].forEach(function (way) {
                    var what = way + " \"" + entry.text + "\""
                    page[data.prop] = 3
                    if (way === "typed") {
                        typeInto(field, entry.text)
                        compare(field.text, entry.text, what + " is kept as typed")
                        keyClick(Qt.Key_Return)
                    } else {
                        clipboardSource.text = entry.text
                        clipboardSource.selectAll()
                        clipboardSource.copy()
                        field.forceActiveFocus()
                        field.selectAll()
                        keySequence(StandardKey.Paste)
                        compare(field.text, entry.text, what + " is kept as pasted")
                        keyClick(Qt.Key_Tab)
                    }
                    leave(page)
                    var refused = entry.reason !== undefined || entry.both !== undefined
                    var want = refused ? 3 : entry.want
                    compare(page[data.prop], want, what)
                    compare(field.text, String(want), what)
                    if (!refused) {
                        compare(field.refusalText, "", what)
                        return
                    }
                    var template = entry.both ? thousands(entry.both, entry.text, field.rule) : entry.reason
                    var reason = qsTranslate("ProjectPage", template).arg(entry.text)
                    var english = template.arg(entry.text)
                    if (entry.both) {
                        // The decimal reading keeps a comma typed where the
                        // language writes one.
                        var asDecimals = data.lang === "de" && entry.text.indexOf(",") >= 0
                                ? entry.both[0].replace(".", ",") : entry.both[0]
                        reason = reason.arg(asDecimals).arg(entry.both[1])
                        english = english.arg(asDecimals).arg(entry.both[1])
                        if (template.indexOf("%4") >= 0) {
                            reason = reason.arg(entry.text + "0")
                            english = english.arg(entry.text + "0")
                        }
                    }
                    compare(field.refusalText, reason, what)
                    if (data.lang !== "en")
                        verify(reason !== english, "worded in the chosen language")
                })
            })
            page[data.prop] = data.wide
            compare(field.text, String(data.wide))
            tryVerify(function () { return field.contentWidth <= field.width - field.leftPadding - field.rightPadding },
                      1000, "shown whole")
        }

        // A value set from elsewhere while the field has the focus shows
        // when the user leaves it, and is not overwritten by the old text.
        function test_valueSetWhileFocused() {
            var page = makePage({ startingPot: 100 })
            var field = child(page, "startingPotField")
            field.forceActiveFocus()
            page.startingPot = 250
            compare(field.text, "100")
            leave(page)
            compare([page.startingPot, field.text], [250, "250"])
        }

        // A point or a comma separates the decimals in every language; the
        // value is shown with a point.
        function test_pointInEveryLanguage() {
            languageManager.setLanguage("de")
            try {
                compare(Qt.locale().decimalPoint, ",")
                var page = makePage({ rakePercent: 1 })
                var field = child(page, "rakePercentField")
                typeInto(field, "4,25")
                compare(field.text, "4,25", "kept as typed while focused")
                leave(page)
                compare(page.rakePercent, 4.25)
                typeInto(field, "4.5")
                leave(page)
                compare(page.rakePercent, 4.5)
                compare(field.text, "4.5")
            } finally {
                languageManager.setLanguage("en")
            }
        }

        function test_icmRows() {
            var page = makePage({ effectiveStack: 91, rakePercent: 5, rakeCap: 3, oopStack: 1500.75 })
            var cashOnly = ["effectiveStackField", "rakePercentField", "rakeCapField"]
            var icmOnly = ["oopStackField", "ipStackField", "icmPayoutsField", "icmOtherStacksField"]
            function shown(names) { return names.map(function (n) { return child(page, n).visible }) }
            compare(shown(cashOnly), [true, true, true])
            compare(shown(icmOnly), [false, false, false, false])

            mouseClick(child(page, "utilityButton"))
            mouseClick(child(page, "utilityPopupSwitchButton"))
            compare(page.utilityModel, "icm")
            compare(shown(cashOnly), [false, false, false])
            compare(shown(icmOnly), [true, true, true, true])
            compare(child(page, "oopStackField").text, "1500")
            verify(child(page, "icmNoRakeNote").visible)

            page.utilityModel = "cash"
            compare(shown(cashOnly), [true, true, true])
            compare(cashOnly.map(function (n) { return child(page, n).text }), ["91", "5", "3"])
            compare([page.effectiveStack, page.rakePercent, page.rakeCap, page.oopStack], [91, 5, 3, 1500.75])
        }

        function test_copyCommitsTheFocusedFieldFirst() {
            var page = makePage({ oopAddAllInIfJamLtEnabled: true, oopAddAllInIfJamLtPct: 30, oopTurnDontDonk: true,
                                  oopRiverAddAllIn: true })
            typeInto(child(page, "oopFlopBetField"), "33, 75")
            compare(page.oopFlopBetSizesText, "", "not written while typing")
            mouseClick(child(page, "copyOopSettingsButton"))
            compare(page.oopFlopBetSizesText, "33, 75")
            compare(page.ipFlopBetSizesText, "33, 75")
            compare(child(page, "ipFlopBetField").text, "33, 75")
            compare([page.ipRiverAddAllIn, page.ipAddAllInIfJamLtEnabled, page.ipAddAllInIfJamLtPct], [true, true, 30])
            compare(child(page, "ipJamField").text, "30")
            page.applySettingsSnapshot({ ip_flop_bet_sizes: "50" })
            compare(child(page, "ipFlopBetField").text, "50", "the field still follows its setting")
        }

        // Typing in the threshold is live; text the rule refuses is not.
        function test_jamThresholdIsLive() {
            var page = makePage({ oopAddAllInIfJamLtEnabled: true, oopAddAllInIfJamLtPct: 10 })
            var field = child(page, "oopJamField")
            typeInto(field, "25")
            compare(page.oopAddAllInIfJamLtPct, 25)
            keyClick("0")
            keyClick("0")
            compare(field.text, "2500")
            compare(page.oopAddAllInIfJamLtPct, 250, "2500 is above the bound")
            leave(page)
            compare(page.oopAddAllInIfJamLtPct, 10, "a refused entry stores nothing of itself")
            compare(field.text, "10")
            verify(field.refusalText.indexOf("2500") >= 0, field.refusalText)
            mouseClick(child(page, "oopJamSwitch"))
            verify(!field.enabled)
            compare(field.text, "10")
        }

        function test_popups_data() {
            return [
                { tag: "variant", button: "variantButton", popup: "variantPopup" },
                { tag: "utility", button: "utilityButton", popup: "utilityPopup" }
            ]
        }

        // Under the button; a press elsewhere, or on the button again,
        // closes without acting on what lies under the pointer.
        function test_popups(data) {
            var page = makePage({ gameVariant: "holdem", utilityModel: "cash" })
            var button = child(page, data.button)
            var popup = child(page, data.popup)
            mouseClick(button)
            tryCompare(popup, "opened", true)
            var corner = button.mapToItem(null, 0, button.height)
            var at = popup.contentItem.mapToItem(null, 0, 0)
            compare(Math.round(at.x - popup.leftPadding), Math.round(corner.x))
            compare(Math.round(at.y - popup.topPadding), Math.round(corner.y + 2))

            mouseClick(child(page, "copyOopSettingsButton"))
            tryCompare(popup, "visible", false)
            compare(page.ipFlopBetSizesText, "")
            page.oopFlopBetSizesText = "33"
            mouseClick(button)
            tryCompare(popup, "opened", true)
            mouseClick(child(page, "copyOopSettingsButton"))
            compare(page.ipFlopBetSizesText, "", "the press only closed the popup")

            mouseClick(button)
            tryCompare(popup, "opened", true)
            mouseClick(button)
            tryCompare(popup, "visible", false)
            wait(50)
            verify(!popup.visible, "not reopened by the click")
            compare([page.gameVariant, page.utilityModel], ["holdem", "cash"])
        }

        function test_popupStaysInside_data() {
            return [
                { tag: "right edge", x: root.width - 30, y: 100, wantX: root.width - 220 - 12 },
                { tag: "bottom edge", x: 100, y: root.height - 25, wantX: 100 },
                { tag: "left edge", x: -20, y: 100, wantX: 12 }
            ]
        }

        function test_popupStaysInside(data) {
            var page = makePage()
            var opener = createTemporaryObject(anchorComponent, root, { x: data.x, y: data.y })
            var popup = child(page, "variantPopup")
            page._placeBelow(popup, opener, 2)
            popup.open()
            tryCompare(popup, "opened", true)
            compare(popup.x, data.wantX)
            verify(popup.y + popup.implicitHeight <= root.height - 12)
            verify(popup.y >= 12)
            popup.close()
        }

        function saveProfile(page, name) {
            mouseClick(child(page, "saveProfileButton"))
            var dialog = child(page, "saveSettingsDialog")
            tryCompare(dialog, "opened", true)
            var field = child(dialog.contentItem, "saveSettingsNameField")
            verify(field.activeFocus)
            for (var i = 0; i < name.length; ++i)
                keyClick(name.charAt(i))
            keyClick(Qt.Key_Return)
            tryCompare(dialog, "visible", false)
        }

        function test_profilesSurviveAFreshPage() {
            var page = makePage({ startingPot: 180, oopFlopBetSizesText: "33" })
            saveProfile(page, "Deep stack")
            page.startingPot = 250
            saveProfile(page, "Deep stack")
            compare(page.settingsProfiles.map(function (p) { return p.name }), ["Deep stack", "Deep stack (2)"])
            page.destroy()

            var fresh = makePage({ startingPot: 10 })
            compare(fresh.settingsProfiles.map(function (p) { return p.name }), ["Deep stack", "Deep stack (2)"])
            compare(fresh.settingsProfiles[1].data.starting_pot, 250)
            fresh._loadProfileSelectedId = fresh.settingsProfiles[0].id
            verify(fresh.loadSelectedSettingsProfile())
            compare([fresh.startingPot, fresh.oopFlopBetSizesText], [180, "33"])
        }

        function test_blankNameIsRefused() {
            var page = makePage()
            mouseClick(child(page, "saveProfileButton"))
            var dialog = child(page, "saveSettingsDialog")
            tryCompare(dialog, "opened", true)
            keyClick(Qt.Key_Space)
            verify(!child(dialog.contentItem, "saveProfileConfirmButton").enabled)
            keyClick(Qt.Key_Return)
            compare(page._saveProfileError, "Please enter a name.")
            verify(dialog.visible)
            compare(page.settingsProfiles.length, 0)
            keyClick(Qt.Key_Escape)
        }

        function test_legacyProfileLoads() {
            profileStore.write({ profilesJson: JSON.stringify([
                { id: "old", name: "Old <b>one</b>", data: { target_exploitability: 0.9, starting_pot: 180 } }]) })
            var page = makePage({ startingPot: 100, targetExploitability: 0.1 })
            mouseClick(child(page, "loadProfileButton"))
            var dialog = openedDialog(child(page, "loadSettingsDialog"))
            var row = child(dialog.contentItem, "profileRow_Old <b>one</b>")
            compare(row.children[0].textFormat, Text.PlainText)
            mouseDoubleClickSequence(row)
            tryCompare(dialog, "visible", false)
            compare([page.startingPot, page.targetExploitability], [180, 0.5])
        }

        // A name cut at the row's end shows whole on hover; a name that fits
        // has no tip.
        function test_cutProfileNameShowsWholeOnHover_data() {
            return [
                { tag: "long", name: "100bb rake-free single raised pot for cutoff versus big blind, deep", tip: true },
                { tag: "short", name: "Deep stack", tip: false }
            ]
        }

        function test_cutProfileNameShowsWholeOnHover(data) {
            profileStore.write({ profilesJson: JSON.stringify([{ id: "a", name: data.name }]) })
            var page = makePage()
            page.openLoadProfileDialog()
            var dialog = openedDialog(child(page, "loadSettingsDialog"))
            var row = child(dialog.contentItem, "profileRow_" + data.name)
            compare(child(row, "profileRowName").truncated, data.tip)
            var tip = child(row, "profileRowToolTip")
            mouseMove(row, row.width / 2, row.height / 2)
            if (data.tip) {
                tryCompare(tip, "opened", true)
                compare(tip.text, data.name)
            }
            mouseMove(page, 1, 1)
            dialog.close()
        }

        function test_deleteSelectedProfile() {
            profileStore.write({ profilesJson: JSON.stringify([{ id: "a", name: "A" }, { id: "b", name: "B" }]) })
            var page = makePage()
            page.openLoadProfileDialog()
            var dialog = openedDialog(child(page, "loadSettingsDialog"))
            mouseClick(child(dialog.contentItem, "profileRow_A"))
            mouseClick(child(dialog.contentItem, "deleteProfileButton"))
            var confirm = openedDialog(child(page, "confirmDeleteProfileDialog"))
            compare(page._deleteProfileName, "A")
            mouseClick(child(confirm.contentItem, "confirmDeleteButton"))
            tryCompare(confirm, "visible", false)
            verify(dialog.visible)
            compare(page._loadProfileSelectedId, "")
            verify(!child(dialog.contentItem, "loadProfileConfirmButton").enabled)
            compare(JSON.parse(profileStore.value("profilesJson")).map(function (p) { return p.id }), ["b"])
            dialog.close()
        }

        // The page only reads the store when it starts: text that is not a
        // profile list stays where it is (the page starts with none), and a
        // usable list is not rewritten either.
        function test_storedTextAtStart_data() {
            return [
                { tag: "unparsable", stored: "[{\"name\": \"Deep\"", kept: true, names: [] },
                { tag: "not a list", stored: "{\"name\": \"Deep\"}", kept: true, names: [] },
                { tag: "element without id", stored: "[{\"name\": \"Deep\"}]", kept: true, names: ["Deep"] }
            ]
        }

        function test_storedTextAtStart(data) {
            profileStore.write({ profilesJson: data.stored })
            var page = makePage()
            compare(page.settingsProfiles.map(function (p) { return p.name }), data.names)
            var now = profileStore.value("profilesJson")
            if (data.kept) {
                compare(now, data.stored)
            } else {
                var written = JSON.parse(now)
                compare(written[0].name, "Deep")
                verify(/^n_/.test(written[0].id), written[0].id)
            }
        }

        function test_wheel_data() {
            return [
                { tag: "down", shift: false, delta: -240, prop: "contentY", want: 120 },
                { tag: "up past the start", shift: false, delta: 240, prop: "contentY", want: 0 },
                { tag: "shift sideways", shift: true, delta: -240, prop: "contentX", want: 120 },
                { tag: "shift past the end", shift: true, delta: -20000, prop: "contentX", want: "end" }
            ]
        }

        function test_wheel(data) {
            var page = makePage({ width: 700, height: 250 }, true)
            var flick = child(page, "setupFlickable")
            waitForItemPolished(flick)
            verify(child(page, "horizontalScrollBar").needed)
            mouseWheel(flick, 300, 150, 0, data.delta, Qt.NoButton, data.shift ? Qt.ShiftModifier : Qt.NoModifier)
            compare(flick[data.prop], data.want === "end" ? flick.contentWidth - flick.width : data.want)
        }

        function test_scaleAndWidth() {
            var page = makePage({ width: 1540, height: 900 }, true)
            var cases = [[1232, 0.8], [1000, 0.8], [1386, 0.9], [2000, 1.0]]
            cases.forEach(function (c) {
                page.width = c[0]
                compare(page.uiScale, c[1], String(c[0]))
            })
            page.width = 1232
            compare(page.sizingStreetColumnWidth, 62)
            verify(page.recommendedWindowWidth > 1000 && page.recommendedWindowWidth <= 1540, page.recommendedWindowWidth)
        }

        // Down to the narrowest window the program opens on a 1280 wide
        // screen, the page fits its width in long languages too: the first
        // row wraps into pairs and nothing needs a sideways scroll.
        function test_fitsNarrowWindows_data() {
            return [
                { tag: "en 1216", lang: "en", width: 1216, wraps: true },
                { tag: "de 1216", lang: "de", width: 1216, wraps: true },
                { tag: "pl 1280", lang: "pl", width: 1280, wraps: true },
                { tag: "de 1366", lang: "de", width: 1366, wraps: true },
                { tag: "ru 1366", lang: "ru", width: 1366, wraps: false },
                { tag: "en 1920", lang: "en", width: 1920, wraps: false }
            ]
        }

        function test_fitsNarrowWindows(data) {
            languageManager.setLanguage(data.lang)
            var page = makePage({ width: data.width, height: 720, boardText: "AdJd8s" }, true)
            var flick = child(page, "setupFlickable")
            waitForItemPolished(flick)
            wait(0)
            verify(!child(page, "horizontalScrollBar").needed, flick.contentWidth + " > " + flick.width)
            compare(child(page, "row1CardsRow").columns, data.wraps ? 2 : 4)
            var button = child(page, "continueToSolveButton")
            var right = button.mapToItem(page, button.width, 0).x
            verify(right <= page.width - 8, right)
            var ip = child(page, "ipRangeColumn")
            verify(ip.mapToItem(page, ip.width, 0).x <= page.width, "the IP range fits")
        }

        function test_memoryLines() {
            var stub = harness.createStandIn("appController", root)
            var page = makePage({ _controllerSource: stub })
            var need = child(page, "solveRamLine")
            stub.solveRequiredMemoryText = ""
            compare(need.text, "Solve RAM: —")
            stub.solveRequiredMemoryText = "3.0 GB"
            stub.effectiveAvailableMemoryText = "2.0 GB"
            stub.solveRequiredMemoryBytes = 3e9
            stub.effectiveAvailableMemoryBytes = 0
            compare(need.text, "Solve RAM: 3.0 GB")
            compare(child(page, "availableRamLine").text, "Available RAM: 2.0 GB")
            verify(!page._memoryWarning, "an unknown figure never warns")
            stub.effectiveAvailableMemoryBytes = 2e9
            verify(page._memoryWarning)
        }
    }
}
