pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Pellaris
import "../components/solveRules.js" as SolveRules
import "../components/rangeText.js" as RangeText
import "boardSlots.js" as BoardSlots
import "rangeLibrary.js" as Library
import "builtinLibraries.js" as Builtin
import "settingsProfiles.js" as Profiles
import "../theme/themeRules.js" as ThemeRules
import "../theme" as ThemePack

// The set-up page: the spot's board, game settings, sizings, ranges and
// settings profiles. The page owns none of the project state: every setting
// is a property that the shell binds and copies back on change. The cards
// are components of their own that take the page and write its properties.
SpotSizingItem {
    id: root

    property ThemePack.Theme theme
    property var type
    property bool canSolve: true
    // Why the spot cannot be solved (empty when it can), and whether its
    // memory need is still being measured.
    property string solveBlockReason: ""
    property bool estimateMeasuring: false

    // ---- Settings, bound by the shell and written back by it ----
    property string gameVariant: "holdem"
    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: 2000
    property real startingPot: 100
    property real effectiveStack: 100
    property string startingStreet: "flop"
    property real targetExploitability: 0.10
    property real rakePercent: 0.0
    property real rakeCap: 0
    property string utilityModel: "cash"
    property real oopStack: 100
    property real ipStack: 100
    property string icmPayoutsText: ""
    property string icmOtherStacksText: ""

    // ---- Scale and derived values ----
    readonly property real _uiBaselineWidth: 1540.0
    readonly property real uiScale: Math.max(0.80, Math.min(1.0, width / _uiBaselineWidth))
    readonly property int recommendedWindowWidth: flickable
        ? Math.ceil(Math.max(flickable._row1RequiredWidth, flickable._rangesRequiredWidth)) : 1540
    readonly property bool isShortDeck: String(gameVariant).toLowerCase() === "shortdeck"
    readonly property bool isIcm: String(utilityModel).toLowerCase() === "icm"
    readonly property var variantRanks: (isShortDeck ? SolveRules.SHORT_DECK_RANKS : SolveRules.HOLDEM_RANKS).split("")
    readonly property string rankAlphabet: variantRanks.join("")
    readonly property real sizingStreetColumnWidth: Math.max(56, Math.round(70 * uiScale * 1.10))
    readonly property real gameSettingsInputColumnWidth: Math.max(52, Math.round(60 * uiScale))
    property int oopSizingStreetIndex: 0
    property int ipSizingStreetIndex: 0
    property int _i18nRev: 0

    // Start-up publishes appController on the root context, out of the
    // linter's sight. Tests point this at a stand-in.
    // qmllint disable unqualified
    property var _controllerSource: typeof appController !== "undefined" ? appController : null
    property LanguageManager _languageSource: typeof languageManager !== "undefined" ? languageManager : null
    // qmllint enable unqualified
    readonly property bool developerMode: !!_controllerSource && _controllerSource.developerMode === true

    // ---- Range columns and libraries ----
    // Per seat: the library shown (0 Standard, 1 Population, 2 Custom), its
    // selected row and open folders, the three trees and the weight a newly
    // painted cell gets. None of it belongs to the project.
    property int oopRangeCategory: 2
    property int ipRangeCategory: 2
    property string oopSelectedId: ""
    property string ipSelectedId: ""
    property var oopOpenFolderIds: ({})
    property var ipOpenFolderIds: ({})
    property var oopStandardRanges: []
    property var ipStandardRanges: []
    property var oopExploitRanges: []
    property var ipExploitRanges: []
    property var oopCustomRanges: []
    property var ipCustomRanges: []
    property real oopClickWeightPct: 100.0
    property real ipClickWeightPct: 100.0
    property string _presetLoadError: ""
    // Developer overrides of single built-in leaves: path key -> range text.
    property var oopStandardOverrides: ({})
    property var ipStandardOverrides: ({})
    property var oopExploitOverrides: ({})
    property var ipExploitOverrides: ({})

    // State of the library dialogs: the seat each was opened for, and its
    // error line.
    property string _saveRangePlayer: "oop"
    property string _saveRangeValue: ""
    property string _saveRangeError: ""
    property string _addFolderPlayer: "oop"
    property string _addFolderError: ""
    property string _deleteRangePlayer: ""
    property string _deleteRangeName: ""
    property string _deleteRangeKind: "range"
    property int _deleteFolderChildCount: 0
    property string _importRangeFocusPlayer: "oop"
    // The import dialog's message as the function that words it (null for
    // none), so that a language switch words it again.
    property var _importRangeWords: null
    readonly property string _importRangeError: {
        void root._i18nRev
        var words = root._importRangeWords
        return words ? String(words()) : ""
    }
    property string _importRangeNormalizedText: ""
    // Weighted combinations of the range the import would store.
    property real _importRangeCombos: 0
    property string _clearStandardPlayer: "oop"
    property string _clearExploitPlayer: "oop"
    property string _exportStandardError: ""
    property string _exportExploitError: ""
    // Why the settings store did not keep a seat's last library change
    // made outside a dialog (a delete, an override); "" when it did.
    property string _oopLibraryStoreError: ""
    property string _ipLibraryStoreError: ""
    // Whether the seat's stored Custom list could not be read at start (it
    // is set aside at the next save of the list).
    property bool _oopLibraryDamaged: false
    property bool _ipLibraryDamaged: false
    // Per overrides key (`<seat><kind>OverridesJson`): true when its stored
    // map could not be read at start (it is set aside at its next write).
    property var _overridesDamaged: ({})
    // Why the store did not keep the last write of a stored list.
    property string _storeProblem: ""
    // Per stored list's key: { store, text, entries } of this page's last
    // read or write of it.
    property var _lastWritten: ({})

    // ---- Board ----
    property int editingCardIndex: -1
    property bool _cardPickerOpen: false
    readonly property var usedBoardCards: BoardSlots.usedCards(boardText, rankAlphabet)
    readonly property bool _boardValid: validBoard(boardText)

    // ---- Settings profiles ----
    property var settingsProfiles: []
    property string _saveProfileError: ""
    property string _loadProfileSelectedId: ""
    property string _loadProfileError: ""
    property string _deleteProfileId: ""
    property string _deleteProfileName: ""
    // Whether the stored profile list could not be read at start (it is set
    // aside at the next save of the list).
    property bool _profilesDamaged: false

    // ---- Memory figures of the header ----
    readonly property string _solveRamText: _memoryText("solveRequiredMemoryText")
    readonly property string _availableRamText: _memoryText("effectiveAvailableMemoryText")
    readonly property bool _memoryWarning: {
        var c = _controllerSource
        if (!c)
            return false
        var need = Number(c.solveRequiredMemoryBytes), have = Number(c.effectiveAvailableMemoryBytes)
        return isFinite(need) && isFinite(have) && need > 0 && have > 0 && need > have
    }

    readonly property real _boardColumnWidth: Math.max(boardCard.displayImplicitWidth + 27, 240,
                                                       settingsButtonsCard.minimumRowWidth)

    signal goToSolve()

    function _memoryText(name: string): string {
        var text = _controllerSource ? _controllerSource[name] : ""
        return text === undefined || text === null || String(text) === "" ? "—" : String(text)
    }

    // ---- Board, street and target ----

    function inferStreetFromBoardText(s) {
        return BoardSlots.street(s, rankAlphabet)
    }

    function validBoard(s) {
        return BoardSlots.isValid(s, rankAlphabet)
    }

    function targetExploitabilityAmount() {
        var pot = Number(startingPot), pct = Number(targetExploitability)
        return isFinite(pot) && isFinite(pct) && pot > 0 ? pot * pct / 100 : 0.0
    }

    function _boardCardsArray() {
        return BoardSlots.slots(boardText)
    }

    function _setBoardFromCards(cards) {
        boardText = BoardSlots.fromSlots(cards)
    }

    function setBoardCardAt(index, card) {
        boardText = BoardSlots.withCardAt(boardText, index, card)
    }

    function clearBoardFrom(index) {
        boardText = BoardSlots.clearedFrom(boardText, index)
    }

    // The starting street is the board's: a street set from elsewhere (a
    // project, a profile) that the cards on screen contradict is put back.
    onBoardTextChanged: startingStreet = inferStreetFromBoardText(boardText)
    onStartingStreetChanged: {
        var street = inferStreetFromBoardText(boardText)
        if (startingStreet !== street)
            startingStreet = street
    }

    onIsShortDeckChanged: {
        // Cards the short deck does not have would stay drawn as board cards.
        if (isShortDeck)
            boardText = BoardSlots.withoutCardsOutside(boardText, SolveRules.SHORT_DECK_RANKS)
        // The Standard and Population libraries hold hold'em ranges only.
        if (!isShortDeck)
            return
        if (oopRangeCategory !== 2)
            oopRangeCategory = 2
        if (ipRangeCategory !== 2)
            ipRangeCategory = 2
    }

    onOopRangeCategoryChanged: {
        oopSelectedId = ""
        oopOpenFolderIds = {}
    }
    onIpRangeCategoryChanged: {
        ipSelectedId = ""
        ipOpenFolderIds = {}
    }

    Connections {
        target: root._languageSource
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() {
            root._i18nRev += 1
        }
    }

    // Covers the window rectangle a popup or dialog had as it closed for one
    // double-click interval: the second press and release of a double
    // click that closed it land there, and must not reach what lay under it.
    // The shield reads the clock when pressed instead of waiting for a
    // timer, so it can never outstay the interval.
    function shieldPressesOver(popup) {
        var host = root.Window.window ? root.Window.window.contentItem : null
        if (!host || !popup || !popup.parent)
            return
        var corner = popup.parent.mapToItem(host, popup.x, popup.y)
        pressShield.parent = host
        pressShield.x = corner.x
        pressShield.y = corner.y
        pressShield.width = popup.width
        pressShield.height = popup.height
        // The platform's double-click interval, read through a plain
        // variable: the linter does not know the style hints' properties.
        var name = "mouseDoubleClickInterval"
        var ms = Number(Qt.styleHints[name])
        pressShield.until = Date.now() + (ms > 0 ? ms : 400)
        pressShield.enabled = true
    }

    MouseArea {
        id: pressShield
        objectName: "pressShield"
        // Milliseconds since the epoch at which the shield lifts.
        property double until: 0
        z: 100000
        enabled: false
        acceptedButtons: Qt.AllButtons
        onPressed: mouse => {
            if (Date.now() >= until) {
                mouse.accepted = false
                enabled = false
            }
        }
    }

    function openCardPicker(index) {
        editingCardIndex = index
        _cardPickerOpen = true
        positionCardPickerDialogUnderBoard()
        cardPickerDialog.open()
    }

    // Places a popup below an item, kept 12 px inside the window; x and y
    // are set in the popup's parent's coordinates.
    function _placeBelow(popup, anchor, gap) {
        var win = root.Window.window
        if (!win || !anchor || !popup || !popup.parent)
            return
        var corner = anchor.mapToItem(null, 0, anchor.height)
        var origin = popup.parent.mapToItem(null, 0, 0)
        var x = Math.max(12, Math.min(corner.x, win.width - popup.implicitWidth - 12))
        var y = Math.max(12, Math.min(corner.y + gap, win.height - popup.implicitHeight - 12))
        popup.x = x - origin.x
        popup.y = y - origin.y
    }

    function positionCardPickerDialogUnderBoard() {
        _placeBelow(cardPickerDialog, boardCard.boardDisplay, 8)
    }

    function _positionVariantPopupUnderButton() {
        _placeBelow(variantPopup.popup, settingsButtonsCard.variantBtn, 2)
    }

    function _positionUtilityPopupUnderButton() {
        _placeBelow(utilityPopup.popup, settingsButtonsCard.utilityBtn, 2)
    }

    // ---- Sizing ----

    // A field being edited commits when it loses the focus; taking the
    // focus first means the copy sees what the user typed.
    function _commitFocusedField() {
        if (root.Window.activeFocusItem)
            root.forceActiveFocus()
    }

    function copyOopSizingToIp() {
        _commitFocusedField()
        var props = ["FlopBetSizesText", "TurnBetSizesText", "RiverBetSizesText",
                     "FlopRaiseSizesText", "TurnRaiseSizesText", "RiverRaiseSizesText",
                     "FlopAddAllIn", "TurnAddAllIn", "RiverAddAllIn"]
        for (var i = 0; i < props.length; ++i)
            root["ip" + props[i]] = root["oop" + props[i]]
        ipAddAllInIfJamLtEnabled = oopAddAllInIfJamLtEnabled
        ipAddAllInIfJamLtPct = oopAddAllInIfJamLtPct
    }

    // ---- Settings profiles ----

    function _newNodeId() {
        return Profiles.newId(Date.now(), Math.random())
    }

    function currentSettingsSnapshot() {
        return Profiles.snapshotOf(root)
    }

    // Writes what the snapshot brings; returns the numbers it left out, each
    // as { key, text }, because its field would not take them.
    function applySettingsSnapshot(data) {
        var read = Profiles.readSnapshot(data, startingPot)
        read.assignments.forEach(function (a) {
            // The street is the board's: a profile saved on another board
            // must not contradict the cards on screen.
            if (a[0] === "startingStreet")
                return
            root[a[0]] = a[1]
        })
        startingStreet = inferStreetFromBoardText(boardText)
        return read.refused
    }

    function _uniqueProfileName(existingProfiles, desiredName) {
        return Profiles.uniqueName(existingProfiles, desiredName)
    }

    function _sanitizeSettingsProfiles(arr) {
        return Profiles.sanitize(arr, _newNodeId)
    }

    function _loadPersistedSettingsProfiles() {
        var stored = _readStoredList(settingsProfileStore, "profilesJson")
        return { ok: stored.ok, profiles: Profiles.profilesOf(stored.entries) }
    }

    // The entries of the list stored under `key`, read by the rule every
    // edit reads it by; they stand for the stored text at the first edit
    // while the store still holds it. `ok` false: the stored text is no
    // list (or no text at all: a damaged line of the file), and is set
    // aside at the first edit.
    function _readStoredList(store, key) {
        var text = store.value(key, "")
        var stored = typeof text === "string" ? Profiles.readEntries(text) : { ok: false, entries: [] }
        if (stored.ok)
            _lastWritten[key] = { store: store, text: text, entries: stored.entries }
        return stored
    }

    // Whether a stored value reads as no text at all: a damaged line of the
    // file, whose unquoted commas make it a list.
    function _readsAsDamagedLine(value: var): bool {
        return typeof value === "object" && value !== null
    }

    // Writes what `edit` makes of the text stored under `key` as it is now
    // (another copy of the program may have written since this page read
    // it). `edit(text, lost, read, damaged)` returns the changes, key ->
    // new text; `lost` says the key is gone from the store though this page
    // read or wrote it (the file was deleted meanwhile), `read(k)` reads
    // another key it needs, and `damaged` is the key's line as it stands
    // in the file when its value reads as no text at all (a damaged line
    // whose unquoted commas make it a list), else "". The write is made
    // only while every key read still holds what was read, else all is
    // read and made again: another copy's write falling between is kept,
    // never written over. Returns "" when kept, else why not
    // (`_storeProblem` says it too); nothing is written then.
    function _editStoredText(store, key, edit): string {
        return _editStoredTexts(store, [key], function (texts, lost, read, damaged) {
            return edit(texts[key], lost[key], read, damaged[key])
        })
    }

    // As _editStoredText for several keys of one store, in one write of the
    // file: all of the changes are kept, or none. `edit` is given maps, key
    // -> text, lost and damaged line, for each of `keys`.
    function _editStoredTexts(store: var, keys: var, edit: var): string {
        var problem = ""
        for (var attempt = 0; attempt < 5; ++attempt) {
            var seen = {}
            var damaged = {}
            var read = function (k) {
                var v = store.value(k, "")
                seen[k] = v === undefined || v === null ? "" : String(v)
                if (keys.indexOf(k) >= 0)
                    damaged[k] = _readsAsDamagedLine(v) ? store.storedLine(k) : ""
                return seen[k]
            }
            // A file that cannot be read is not written: the write says why.
            var texts = {}
            var lost = {}
            keys.forEach(function (k) {
                texts[k] = read(k)
                lost[k] = store.lost(k)
            })
            var result = store.writeIfUnchanged(seen, edit(texts, lost, read, damaged))
            problem = String(result.error)
            if (result.changed !== true)
                break
        }
        _storeProblem = problem
        return problem
    }

    // Edits the list stored under `key` by `change` (which edits the entries
    // in place or returns new ones) on the list as stored now: entries this
    // page could not read stay as they were, and stored text that is no
    // list at all is added to `key + "Unreadable"` first. When the store
    // lost the list, the change is made on what the page shows, as
    // `shown()` gives it. Returns the entries written, or null when the
    // store could not keep them (`_storeProblem` says why).
    function _editStoredList(store, key, change, shown) {
        var written = _editStoredLists(store, [{ key: key, change: change, shown: shown }])
        return written ? written[0] : null
    }

    // As _editStoredList for several lists of one store (`edits`, each
    // { key, change, shown }, the keys all different), in one write: the
    // lists written, in the order of `edits`, or null when the store kept
    // none of them.
    function _editStoredLists(store: var, edits: var): var {
        var written = []
        var problem = _editStoredTexts(store, edits.map(e => e.key), function (texts, lost, read, damaged) {
            var changes = {}
            written = edits.map(function (edit) {
                var key = edit.key
                var text = texts[key]
                // The entries this page read or wrote last stand for that
                // text as long as the store still holds it (reading a large
                // list again would take a second).
                var last = _lastWritten[key]
                delete _lastWritten[key]
                var stored = lost[key] && edit.shown ? { ok: true, entries: edit.shown() }
                    : damaged[key] !== "" ? { ok: false, entries: [] }
                    : last && last.store === store && last.text === text ? { ok: true, entries: last.entries }
                    : Profiles.readEntries(text)
                if (!stored.ok) {
                    var aside = read(key + "Unreadable")
                    var unreadable = damaged[key] !== "" ? damaged[key] : text
                    changes[key + "Unreadable"] = aside === "" ? unreadable : aside + "\n" + unreadable
                }
                var entries = edit.change(stored.entries) || stored.entries
                changes[key] = Profiles.entriesText(entries)
                return { store: store, text: changes[key], entries: entries }
            })
            return changes
        })
        if (problem !== "")
            return null
        // What was written is what the store holds now.
        return written.map(function (w, i) {
            Profiles.entriesWritten(w.entries, w.text)
            _lastWritten[edits[i].key] = w
            return w.entries
        })
    }

    function _shownProfileEntries() {
        return Profiles.entriesWithProfiles([], _sanitizeSettingsProfiles(settingsProfiles))
    }

    // Writes the page's profile list to the store by the rule of every
    // edit there: entries this page could not read, and those it holds
    // unchanged, stay as they were stored.
    function persistSettingsProfiles(): void {
        _editStoredList(settingsProfileStore, "profilesJson",
                        entries => Profiles.entriesWithProfiles(entries, _sanitizeSettingsProfiles(settingsProfiles)),
                        _shownProfileEntries)
    }

    // A delete the store cannot keep leaves the profile listed, and the
    // load dialog says why.
    function deleteSettingsProfileById(id) {
        var key = String(id)
        var entries = _editStoredList(settingsProfileStore, "profilesJson", function (entries) {
            return Profiles.withoutProfile(entries, key)
        }, _shownProfileEntries)
        if (!entries) {
            _loadProfileError = _storeProblem
            return
        }
        _profilesDamaged = false
        settingsProfiles = Profiles.profilesOf(entries)
        if (_loadProfileSelectedId === key)
            _loadProfileSelectedId = ""
    }

    function _findProfile(id) {
        for (var i = 0; i < settingsProfiles.length; ++i)
            if (String(settingsProfiles[i].id) === String(id))
                return settingsProfiles[i]
        return null
    }

    // The save dialog's action; false keeps the dialog open.
    function saveSettingsProfile(name) {
        if (String(name).trim() === "") {
            _saveProfileError = qsTr("Please enter a name.")
            return false
        }
        var profile = { id: _newNodeId(), name: "", createdAt: new Date().toISOString(), data: currentSettingsSnapshot() }
        var entries = _editStoredList(settingsProfileStore, "profilesJson", function (entries) {
            profile.name = _uniqueProfileName(Profiles.profilesOf(entries), name)
            entries.push({ value: profile })
        }, _shownProfileEntries)
        if (!entries) {
            _saveProfileError = _storeProblem
            return false
        }
        // The damaged text is set aside now.
        _profilesDamaged = false
        settingsProfiles = Profiles.profilesOf(entries)
        return true
    }

    // The load dialog's action; false keeps the dialog open.
    function loadSelectedSettingsProfile() {
        var profile = _findProfile(_loadProfileSelectedId)
        if (!profile) {
            _loadProfileError = qsTr("Please select a profile.")
            return false
        }
        var refused = applySettingsSnapshot(profile.data)
        if (refused.length > 0)
            profileDialogs.showNotLoaded(String(profile.name), refused, _controllerSource)
        return true
    }

    function openSaveProfileDialog() {
        _saveProfileError = ""
        profileDialogs.openSave()
    }

    function openLoadProfileDialog() {
        _loadProfileError = ""
        _loadProfileSelectedId = ""
        profileDialogs.openLoad()
    }

    function askDeleteSelectedProfile() {
        var profile = _findProfile(_loadProfileSelectedId)
        if (!profile)
            return
        _deleteProfileId = String(profile.id)
        _deleteProfileName = String(profile.name)
        profileDialogs.openConfirmDelete()
    }

    // ---- Range text ----

    // Range text as the solve reads it, by the controller's (the solver's)
    // reader, beside the board's cards (`board` in place of the page's
    // board when given): { ok, error, weights: class -> share, mixed, combos }.
    function readRange(text, board) {
        // Worded in the language in force: a binding asks again when it changes.
        void _i18nRev
        var c = _controllerSource
        var read = c && typeof c.readRangeText === "function"
            ? c.readRangeText(String(text === undefined || text === null ? "" : text), gameVariant,
                              board === undefined ? boardText : String(board)) : null
        if (!read || read.ok === undefined)
            return { ok: true, error: "", weights: ({}), mixed: ({}), combos: 0 }
        return read
    }

    function parseRangeWeights(text) {
        return readRange(text).weights
    }

    // The classes one hand expression covers, by the same reader. Whether
    // an expression covers a class is a question of the deck, not of the
    // board: a blocked combination is still the user's.
    function expandHand(hand: var): var {
        var base = String(hand === undefined || hand === null ? "" : hand).split(":")[0]
        var weights = readRange(base, "").weights
        return Object.keys(weights).filter(function (label) { return Number(weights[label]) > 0 })
    }

    // The comma-separated items of a range text, trimmed, blanks dropped.
    function _rangeItems(text: var): var {
        return String(text === undefined || text === null ? "" : text).split(",")
            .map(function (item) { return item.trim() })
            .filter(function (item) { return item !== "" })
    }

    // The range text after one matrix cell was painted. Switching on appends
    // the class at `addWeight`; switching off drops every item the solver
    // reads as covering the class. A lone percentage is cleared whole or
    // replaced by the one class.
    function toggleHand(rangeText, hand, currentWeight, addWeight) {
        var added = RangeText.writeWeighted(hand, addWeight)
        var text = String(rangeText === undefined || rangeText === null ? "" : rangeText)
        if (RangeText.percentOf(text.trim()) !== null)
            return currentWeight > 0 ? "" : added
        var items = _rangeItems(text)
        if (currentWeight > 0) {
            items = items.filter(function (item) { return expandHand(item).indexOf(hand) < 0 })
        } else {
            items.push(added)
        }
        return items.join(", ")
    }

    // An imported file's text as the range to store, by the controller's
    // (the engine's) reading of the file: "" when the file is refused or
    // holds no hand.
    function normalizeImportedRangeText(rawText: var): string {
        var c = _controllerSource
        var read = c ? c.normalizeImportedRangeText(String(rawText === undefined || rawText === null ? "" : rawText),
                                                    gameVariant) : null
        return read && read.text !== undefined ? String(read.text) : ""
    }

    // "oop" is OOP; anything else is IP.
    function _seat(player: string): string {
        return player === "oop" ? "oop" : "ip"
    }

    // A matrix gesture over one cell: on adds the class at the seat's click
    // weight, off removes the tokens that cover it.
    function paintHand(player, hand, desiredOn, currentWeight) {
        var seat = _seat(player)
        var w = root[seat + "ClickWeightPct"] / 100
        var text = root[seat + "RangeText"]
        if (desiredOn && !(currentWeight > 0))
            root[seat + "RangeText"] = toggleHand(text, hand, 0, w)
        else if (!desiredOn && currentWeight > 0)
            root[seat + "RangeText"] = toggleHand(text, hand, currentWeight, w)
    }

    // ---- Range libraries ----

    function rangesFor(player, category) {
        var seat = _seat(player)
        return category === 0 ? root[seat + "StandardRanges"]
             : category === 1 ? root[seat + "ExploitRanges"] : root[seat + "CustomRanges"]
    }

    function categoryLabel(cat: int): string {
        return cat === 0 ? qsTr("Standard Ranges") : cat === 1 ? qsTr("Population Ranges") : qsTr("Custom Ranges")
    }

    // Custom names are shown as typed; the built-in libraries' names are
    // translated where they are words.
    function rangeDisplayName(category, rawName) {
        return category === 0 ? _trStandardLabel(rawName) : category === 1 ? _trPopulationLabel(rawName) : String(rawName)
    }

    function _trRakeFolderName(s: string): string {
        switch (String(s)) {
        case "No rake": return qsTr("No rake")
        case "50nl rake": return qsTr("50nl rake")
        case "100nl rake": return qsTr("100nl rake")
        case "200nl rake": return qsTr("200nl rake")
        case "500nl rake": return qsTr("500nl rake")
        }
        return String(s)
    }

    function _trStdToken(tok: string): string {
        switch (String(tok)) {
        case "Call": return qsTr("Call")
        case "Fold": return qsTr("Fold")
        case "RFI": return qsTr("RFI")
        case "3bet": return qsTr("3bet")
        case "4bet": return qsTr("4bet")
        }
        return String(tok)
    }

    function _trStandardLabel(s) {
        var t = String(s), m
        switch (t) {
        case "6-max": return qsTr("6-max")
        case "Heads up": return qsTr("Heads up")
        case "RFI": return qsTr("RFI")
        case "vs RFI": return qsTr("vs RFI")
        case "vs 3bet": return qsTr("vs 3bet")
        case "vs 4bet": return qsTr("vs 4bet")
        }
        if ((m = /^6-max, (\d+bb)$/.exec(t)))
            return qsTr("6-max, %1").arg(m[1])
        if ((m = /^(\d+bb)$/.exec(t)))
            return qsTr("%1").arg(m[1])
        if (Builtin.RAKES.indexOf(t) >= 0)
            return _trRakeFolderName(t)
        if ((m = /^vs (.+) RFI$/.exec(t)) && m[1].trim() !== "")
            return qsTr("vs %1 RFI").arg(m[1])
        if ((m = /^(.+?)\s+vs\s+(.+?)\s+3bet$/.exec(t)))
            return qsTr("%1 vs %2 3bet").arg(m[1]).arg(m[2])
        if ((m = /^(.+?)\s+3bet\s+vs\s+(.+?)\s+4bet$/.exec(t)))
            return qsTr("%1 3bet vs %2 4bet").arg(m[1]).arg(m[2])
        var words = t.trim().split(/\s+/)
        if (words.length === 2)
            return qsTr("%1 %2").arg(words[0]).arg(_trStdToken(words[1]))
        return t
    }

    function _trPopulationLabel(s) {
        var t = String(s), m
        if (Builtin.POPULATION_POSITIONS.indexOf(t) >= 0)
            return t
        switch (t) {
        case "Limp": return qsTr("Limp")
        case "Limp-call": return qsTr("Limp-call")
        case "Limp-3b": return qsTr("Limp-3b")
        case "RFI": return qsTr("RFI")
        case "Call": return qsTr("Call")
        case "Call raise": return qsTr("Call raise")
        case "Check back": return qsTr("Check back")
        case "3b": return qsTr("3b")
        case "4b": return qsTr("4b")
        case "Call 3b": return qsTr("Call 3b")
        case "Call 4b": return qsTr("Call 4b")
        case "3b cold call": return qsTr("3b cold call")
        case "Bomb pot": return qsTr("Bomb pot")
        case "Weaker regs": return qsTr("Weaker regs")
        case "Tighter reg": return qsTr("Tighter reg")
        case "Looser reg": return qsTr("Looser reg")
        case "Other": return qsTr("Other")
        case "Nit": case "nit": return qsTr("Nit")
        case "Overfolder": case "overfolder": return qsTr("Overfolder")
        }
        if ((m = /^(.+?)\s*\(VPIP\s*([^\)]+)\)$/.exec(t)) || (m = /^(.+?)\s*\(\s*([^\)]+?)\s*VPIP\s*\)$/i.exec(t)))
            return qsTr("%1 (VPIP %2)").arg(_trArchetype(m[1].trim())).arg(m[2].trim())
        return _trStandardLabel(t)
    }

    function _trArchetype(label: string): string {
        switch (label) {
        case "Passive": return qsTr("Passive")
        case "Passive tight": return qsTr("Passive tight")
        case "Passive neutral": return qsTr("Passive neutral")
        case "Passive loose": return qsTr("Passive loose")
        case "Extreme loose": return qsTr("Extreme loose")
        case "Loose aggressive": return qsTr("Loose aggressive")
        case "Standard LAG": return qsTr("Standard LAG")
        case "Maniac": return qsTr("Maniac")
        case "Overfolder": return qsTr("Overfolder")
        }
        return label
    }

    // ---- Built-in libraries ----

    function _sanitizePresetList(arr) {
        return Builtin.sanitizePresetList(arr)
    }

    function _buildStandardTree(flatRanges) {
        return Builtin.buildStandardTree(flatRanges, _newNodeId)
    }

    function _buildStandard6MaxTree(flatRanges, rootLabel) {
        return Builtin.build6MaxTree(flatRanges, rootLabel, _newNodeId)
    }

    function _buildStandardHeadsUpTree(flatRanges) {
        return Builtin.buildHeadsUpTree(flatRanges, _newNodeId)
    }

    function _buildExploitTree(player, standardTree) {
        return Builtin.buildExploitTree(player, standardTree, _newNodeId)
    }

    function _stripWeightsText(text) {
        return Builtin.stripWeightsText(text)
    }

    function _cloneTreeStripWeights(nodes) {
        return Builtin.cloneTreeStripWeights(nodes, _newNodeId)
    }

    // The first of the resource's two paths that gives text; "" for none.
    function _readBundled(fileName) {
        var c = _controllerSource
        var paths = [":/Pellaris/qml/data/" + fileName, ":/qt/qml/Pellaris/qml/data/" + fileName]
        for (var i = 0; i < paths.length; ++i) {
            var text = String(c.readTextResource(paths[i]) || "")
            if (text.trim() !== "")
                return { path: paths[i], text: text }
        }
        return null
    }

    function _applyPopulation(parsed) {
        Builtin.SEATS.forEach(function (seat) {
            var side = parsed && parsed[seat] ? parsed[seat].exploit : []
            var template = _sanitizeCustomTree(_buildExploitTree(seat, root[seat + "StandardRanges"]))
            var tree = Builtin.completePopulationTree(side, template, _newNodeId)
            root[seat + "ExploitRanges"] = _applyOverridesToTree(_sanitizeCustomTree(tree), root[seat + "ExploitOverrides"], [])
        })
    }

    // Both seats' Standard and Population trees, from the module's two
    // resources, with the overrides applied. The Population template stands
    // in for a missing Population resource.
    function _loadBundledPresetRanges() {
        _presetLoadError = ""
        var c = _controllerSource
        // The resources cannot be requested otherwise: Qt refuses a GET on
        // qrc: and file: URLs unless the environment allows file reads.
        if (!c || typeof c.readTextResource !== "function") {
            _presetLoadError = qsTr("Failed to load bundled presets.")
            console.warn("[ranges] " + _presetLoadError)
            oopStandardRanges = []
            ipStandardRanges = []
            _applyPopulation(null)
            return
        }
        try {
            var standard = _readBundled("standard_ranges.json")
            if (standard) {
                console.log("[ranges] Loaded STANDARD presets via AppController from", standard.path, "bytes=", standard.text.length)
                var parsed = JSON.parse(standard.text)
                Builtin.SEATS.forEach(function (seat) {
                    var flat = _sanitizePresetList(parsed && parsed[seat] ? parsed[seat].standard : [])
                    root[seat + "StandardRanges"] = _applyOverridesToTree(
                        _sanitizeCustomTree(_buildStandardTree(flat)), root[seat + "StandardOverrides"], [])
                })
            } else {
                _presetLoadError = qsTr("Failed to load bundled standard presets (resource file missing/empty).")
                console.warn("[ranges] " + _presetLoadError)
                oopStandardRanges = []
                ipStandardRanges = []
            }
            var population = _readBundled("exploit_ranges.json")
            if (population)
                console.log("[ranges] Loaded POPULATION presets via AppController from", population.path, "bytes=", population.text.length)
            _applyPopulation(population ? JSON.parse(population.text) : null)
        } catch (e) {
            _presetLoadError = qsTr("Failed to load bundled presets: %1").arg(String(e))
            console.warn("[ranges] " + _presetLoadError)
        }
    }

    // ---- Overrides ----

    function _sanitizeOverrideMap(obj) {
        return Builtin.sanitizeOverrideMap(obj)
    }

    function _applyOverridesToTree(nodes, overrides, pathParts) {
        return Builtin.applyOverrides(nodes, overrides, pathParts)
    }

    function _loadPersistedStandardOverrides(player) {
        return _loadPersistedOverrides(_seat(player) + "StandardOverridesJson")
    }

    function _loadPersistedExploitOverrides(player) {
        return _loadPersistedOverrides(_seat(player) + "ExploitOverridesJson")
    }

    function _loadPersistedOverrides(storeKey) {
        var stored = rangeStore.value(storeKey, "")
        _setOverridesDamaged(storeKey, _readsAsDamagedLine(stored) || Builtin.storedOverridesUnreadable(stored))
        return Builtin.readStoredOverrides(stored)
    }

    function _setOverridesDamaged(storeKey, damaged) {
        var marks = Object.assign({}, _overridesDamaged)
        marks[storeKey] = damaged
        _overridesDamaged = marks
    }

    // Returns why the store did not keep the map ("" when it did).
    function _persistOverrides(seat, kind) {
        var changes = {}
        changes[seat + kind + "OverridesJson"] = JSON.stringify(_sanitizeOverrideMap(root[seat + kind + "Overrides"]))
        return rangeStore.write(changes)
    }

    // The changes that set aside stored overrides text that cannot be read.
    // `damaged`: the key's line as it stands in the file when its value
    // reads as no text at all, else "".
    function _overridesAside(storeKey, stored, read, damaged) {
        var changes = {}
        if (damaged !== "" || Builtin.storedOverridesUnreadable(stored)) {
            var unreadable = damaged !== "" ? damaged : stored
            var aside = read(storeKey + "Unreadable")
            changes[storeKey + "Unreadable"] = aside === "" ? unreadable : aside + "\n" + unreadable
        }
        return changes
    }

    function persistStandardOverrides(player) {
        _persistOverrides(_seat(player), "Standard")
    }

    function persistExploitOverrides(player) {
        _persistOverrides(_seat(player), "Exploit")
    }

    function _findPathKeyById(nodes, targetId, pathParts) {
        return Builtin.findPathKeyById(nodes, targetId, pathParts)
    }

    function _updateRangeValueById(nodes, targetId, newValue) {
        return Builtin.updateRangeValueById(nodes, targetId, newValue)
    }

    // kind "Standard" (category 0) or "Exploit" (category 1).
    function _canOverride(player, kind, category) {
        var seat = _seat(player)
        if (!developerMode || root[seat + "RangeCategory"] !== category)
            return false
        var node = _findNodeById(root[seat + kind + "Ranges"], root[seat + "SelectedId"])
        return !!node && !Library.isFolder(node) && String(root[seat + "RangeText"]).trim() !== ""
    }

    function _overrideSelected(player, kind, category) {
        if (!_canOverride(player, kind, category))
            return false
        var seat = _seat(player)
        var tree = root[seat + kind + "Ranges"]
        var key = _findPathKeyById(tree, root[seat + "SelectedId"], [])
        var text = String(root[seat + "RangeText"]).trim()
        if (key === "" || text === "")
            return false
        // Merged into the map as stored now, which another copy may have changed.
        var storeKey = seat + kind + "OverridesJson"
        var shown = root[seat + kind + "Overrides"]
        var map = null
        var problem = _editStoredText(rangeStore, storeKey, function (stored, lost, read, damaged) {
            var changes = _overridesAside(storeKey, stored, read, damaged)
            map = lost ? Object.assign({}, shown) : Builtin.readStoredOverrides(stored)
            map[key] = text
            changes[storeKey] = JSON.stringify(_sanitizeOverrideMap(map))
            return changes
        })
        root["_" + seat + "LibraryStoreError"] = problem
        if (problem !== "")
            return false
        root[seat + kind + "Overrides"] = map
        _setOverridesDamaged(storeKey, false)
        root[seat + kind + "Ranges"] = _updateRangeValueById(tree, root[seat + "SelectedId"], text)
        return true
    }

    function _clearOverrides(player, kind) {
        if (player !== "oop" && player !== "ip")
            return false
        var storeKey = player + kind + "OverridesJson"
        var problem = _editStoredText(rangeStore, storeKey, function (stored, lost, read, damaged) {
            var changes = _overridesAside(storeKey, stored, read, damaged)
            changes[storeKey] = ""
            return changes
        })
        root["_" + player + "LibraryStoreError"] = problem
        if (problem !== "")
            return false
        root[player + kind + "Overrides"] = {}
        _setOverridesDamaged(storeKey, false)
        root[player + "SelectedId"] = ""
        root[player + "OpenFolderIds"] = {}
        root[player + "RangeText"] = ""
        _loadBundledPresetRanges()
        return true
    }

    function canOverrideStandard(player) { return _canOverride(player, "Standard", 0) }
    function canOverrideExploit(player) { return _canOverride(player, "Exploit", 1) }
    function overrideSelectedStandardRange(player) { return _overrideSelected(player, "Standard", 0) }
    function overrideSelectedExploitRange(player) { return _overrideSelected(player, "Exploit", 1) }
    function clearStandardOverrides(player) { return _clearOverrides(player, "Standard") }
    function clearExploitOverrides(player) { return _clearOverrides(player, "Exploit") }

    // ---- Exports ----

    function _stripIdsForExport(nodes) {
        return Builtin.stripIdsForExport(nodes)
    }

    function _flattenStandardForExport(nodes) {
        return Builtin.flattenStandardForExport(nodes, _newNodeId)
    }

    // Writes the text through the controller; "" on success, else the
    // failure text, which the dialogs also show.
    function _exportText(fileUrl, text) {
        var c = _controllerSource
        if (!c || typeof c.saveTextFile !== "function")
            return qsTr("Export failed: appController.saveTextFile unavailable.")
        var result = c.saveTextFile(fileUrl, text)
        if (!result || result.ok !== true)
            return qsTr("Export failed: %1").arg(result && result.error ? String(result.error) : qsTr("unknown error"))
        return ""
    }

    // The population export dialog's action: both seats' Population trees
    // without ids, in the shape of the built-in resource.
    function exportExploitRanges(fileUrl) {
        var out = { format: "halvory_ranges_export", version: 1, generatedAt: new Date().toISOString() }
        Builtin.SEATS.forEach(function (seat) {
            out[seat] = { standard: [], exploit: _stripIdsForExport(_sanitizeCustomTree(root[seat + "ExploitRanges"])) }
        })
        _exportExploitError = _exportText(fileUrl, JSON.stringify(out, null, 2))
        if (_exportExploitError !== "")
            libraryDevDialogs.showError(qsTr("Export Population Ranges"), _exportExploitError)
        return _exportExploitError === ""
    }

    // The standard export dialog's action: both seats' Standard trees as
    // shown, flattened back into the built-in resource's list.
    function exportStandardRanges(fileUrl) {
        var out = {
            oop: { standard: _flattenStandardForExport(oopStandardRanges) },
            ip: { standard: _flattenStandardForExport(ipStandardRanges) }
        }
        _exportStandardError = _exportText(fileUrl, JSON.stringify(out, null, 2))
        if (_exportStandardError !== "")
            libraryDevDialogs.showError(qsTr("Export Standard Ranges"), _exportStandardError)
        return _exportStandardError === ""
    }

    function openExportStandardDialog() {
        libraryDevDialogs.openExportStandard()
    }

    function openExportExploitDialog() {
        libraryDevDialogs.openExportExploit()
    }

    function openClearStandardOverridesDialog(player) {
        _clearStandardPlayer = _seat(player)
        libraryDevDialogs.openClearStandard()
    }

    function openClearExploitOverridesDialog(player) {
        _clearExploitPlayer = _seat(player)
        libraryDevDialogs.openClearExploit()
    }

    // The last rows listed per seat, with what they were listed from: the
    // trees and open-folder maps are replaced, never changed in place, so
    // the column and an edit asking again get them without a new walk.
    property var _listedRows: ({})

    function _flattenTreeFor(player, cat) {
        var seat = _seat(player)
        var tree = rangesFor(seat, cat)
        var open = root[seat + "OpenFolderIds"]
        // Custom names are shown as typed, in every language.
        var rev = cat === 2 ? -1 : _i18nRev
        var last = _listedRows[seat]
        if (last && last.tree === tree && last.open === open && last.cat === cat && last.rev === rev)
            return last.rows
        var rows = Library.flatten(Library.cleanTreeOf(tree, _newNodeId), open,
                                   function (name) { return root.rangeDisplayName(cat, name) })
        _listedRows[seat] = { tree: tree, open: open, cat: cat, rev: rev, rows: rows }
        return rows
    }

    // Reads the language counter, so a binding to the rows follows a
    // language change; Custom names are shown as typed, so a large Custom
    // library is not listed again for one.
    function listModelFor(player) {
        var seat = _seat(player)
        var category = root[seat + "RangeCategory"]
        return category === 2 || _i18nRev >= 0 ? _flattenTreeFor(seat, category) : []
    }

    function _toggleOpenFolder(player, folderId) {
        if (!folderId)
            return
        var seat = _seat(player)
        var tree = _sanitizeCustomTree(rangesFor(seat, root[seat + "RangeCategory"]))
        root[seat + "OpenFolderIds"] = Library.toggledOpenFolders(tree, root[seat + "OpenFolderIds"], folderId)
    }

    // A click on a library row: it becomes the selection; a folder opens or
    // closes, a range replaces the seat's range text.
    function selectLibraryRow(player, row) {
        var seat = _seat(player)
        root[seat + "SelectedId"] = String(row.id)
        if (row.kind === "folder")
            _toggleOpenFolder(seat, String(row.id))
        else
            root[seat + "RangeText"] = row.value === undefined ? "" : String(row.value)
    }

    function _findNodeById(nodes, id) {
        return Library.findNode(nodes, id)
    }

    function _findParentFolderId(nodes, targetId, parentFolderId) {
        return Library.findParentFolderId(nodes, targetId, parentFolderId)
    }

    function _countDescendants(node) {
        return Library.countDescendants(node)
    }

    function _sanitizeCustomTree(arr) {
        return Library.sanitizeTree(arr, _newNodeId)
    }

    function _normalizeName(name) {
        return name === undefined || name === null ? "" : String(name).trim()
    }

    function _uniqueRangeName(existingRanges, desiredName) {
        return Profiles.uniqueName(existingRanges, desiredName)
    }

    function _loadPersistedCustomRanges(player) {
        var seat = _seat(player)
        var stored = _readStoredList(rangeStore, seat + "CustomRangesJson")
        root["_" + seat + "LibraryDamaged"] = !stored.ok
        return Library.rememberClean(Library.treeOf(stored.entries))
    }

    // Writes a seat's Custom tree to the store, as persistSettingsProfiles
    // writes the profiles; a seat other than "oop" or "ip" writes nothing.
    function persistCustomRanges(player: string): void {
        if (player === "oop" || player === "ip")
            _editStoredList(rangeStore, player + "CustomRangesJson",
                            entries => Library.entriesWithTree(entries, _sanitizeCustomTree(root[player + "CustomRanges"])),
                            () => _shownTreeEntries(player))
    }

    function _shownTreeEntries(seat) {
        return Library.entriesWithTree([], _sanitizeCustomTree(root[seat + "CustomRanges"]))
    }

    // Every change of a Custom tree is made on the store as it is now and
    // the seat shows the tree written.
    // Returns false, the seat's tree unchanged, when the store could not
    // keep the change (`_storeProblem` says why).
    // `treeAfter`, when given, returns the tree the change left (the
    // store's list is then not read again).
    function _editCustomTree(seat, change, treeAfter) {
        return _editCustomTrees([{ seat: seat, change: change, treeAfter: treeAfter }])
    }

    // As _editCustomTree for both seats' trees (`edits`, each { seat,
    // change, treeAfter }) in one write of the store: both are kept, or
    // neither seat's tree changes.
    function _editCustomTrees(edits: var): bool {
        var written = _editStoredLists(rangeStore, edits.map(e => ({
            key: e.seat + "CustomRangesJson", change: e.change, shown: () => _shownTreeEntries(e.seat)
        })))
        if (!written)
            return false
        edits.forEach(function (e, i) {
            root[e.seat + "CustomRanges"] = Library.rememberClean(e.treeAfter ? e.treeAfter() : Library.treeOf(written[i]))
            // The seat shows the store as it is now; unreadable text is aside.
            root["_" + e.seat + "LibraryStoreError"] = ""
            root["_" + e.seat + "LibraryDamaged"] = false
        })
        return true
    }

    // Adds a node to the seat's Custom tree, in the selected row's folder
    // when `useSelection`, and shows it: the seat moves to Custom first (which
    // clears its selection), then the new node is selected and its folder
    // marked open. Returns the new node's id, or "" when the store could
    // not keep it (nothing then changes on the page).
    function _addCustomNode(seat, node, useSelection, openNew) {
        var addition = _customNodeAddition(seat, node, useSelection, openNew)
        return _editCustomTrees([addition]) ? addition.shown() : ""
    }

    // The edit of _addCustomNode, for _editCustomTrees; once the store kept
    // it, `shown()` shows the new node as _addCustomNode says and returns
    // its id.
    function _customNodeAddition(seat: string, node: var, useSelection: bool, openNew: bool): var {
        var tree = root[seat + "CustomRanges"]
        var folderId = useSelection ? Library.targetFolderId(tree, root[seat + "SelectedId"]) : ""
        var added = Object.assign({ id: _newNodeId() }, node)
        var after = null
        return {
            seat: seat,
            change: function (entries) {
                after = Library.addToEntriesWithTree(entries, folderId, added, _uniqueRangeName).tree
            },
            treeAfter: function () { return after },
            shown: function () {
                root[seat + "RangeCategory"] = 2
                // Left as it is when nothing opens: each new map lists the
                // rows anew.
                if (folderId !== "" || openNew) {
                    var open = Object.assign(Object.create(null), root[seat + "OpenFolderIds"])
                    if (folderId !== "")
                        open[folderId] = true
                    if (openNew)
                        open[added.id] = true
                    root[seat + "OpenFolderIds"] = open
                }
                root[seat + "SelectedId"] = added.id
                return added.id
            }
        }
    }

    function openSaveRangeDialog(player) {
        _saveRangePlayer = String(player)
        _saveRangeError = ""
        _saveRangeValue = root[_seat(player) + "RangeText"]
        rangeDialogs.openSave()
    }

    function openAddFolderDialog(player) {
        _addFolderPlayer = String(player)
        _addFolderError = ""
        rangeDialogs.openAddFolder()
    }

    function openImportRangeDialog(focusPlayer: string) {
        _importRangeFocusPlayer = focusPlayer === "ip" ? "ip" : "oop"
        _importRangeWords = null
        _importRangeNormalizedText = ""
        rangeDialogs.openImportFile()
    }

    // The save dialog's action, with the typed name; false keeps it open.
    // The seat's range text is not changed.
    function commitSaveRange(name) {
        var seat = _saveRangePlayer
        var trimmed = _normalizeName(name)
        var value = String(_saveRangeValue).trim()
        var read
        if (trimmed === "")
            _saveRangeError = qsTr("Please enter a name.")
        else if (value === "")
            _saveRangeError = qsTr("Current range is empty.")
        else if (seat !== "oop" && seat !== "ip")
            _saveRangeError = qsTr("Unknown player.")
        else if (!(read = readRange(value, "")).ok)
            // The library keeps only what the solve can read.
            _saveRangeError = String(read.error)
        else if (_addCustomNode(seat, { type: "range", name: trimmed, value: value }, root[seat + "RangeCategory"] === 2, false) === "")
            _saveRangeError = _storeProblem
        return _saveRangeError === ""
    }

    // The add-folder dialog's action; false keeps it open.
    function commitAddFolder(name) {
        var trimmed = _normalizeName(name)
        if (trimmed === "") {
            _addFolderError = qsTr("Please enter a folder name.")
            return false
        }
        if (_addCustomNode(_seat(_addFolderPlayer), { type: "folder", name: trimmed, children: [] }, true, true) === "") {
            _addFolderError = _storeProblem
            return false
        }
        return true
    }

    // The import file dialog's action: reads and cleans the file, proposes
    // a name and opens the name dialog, also after a failure (which then
    // shows and keeps "Import" disabled).
    function importRangeFromFile(fileUrl: var) {
        _importRangeWords = null
        _importRangeNormalizedText = ""
        _importRangeCombos = 0
        var c = _controllerSource
        if (!c || typeof c.readTextFile !== "function") {
            _importRangeWords = function () { return qsTr("Import failed: appController.readTextFile unavailable.") }
            rangeDialogs.openImportName(null)
            return
        }
        var result = c.readTextFile(fileUrl)
        if (!result || result.ok !== true) {
            var why = result && result.error ? String(result.error) : ""
            _importRangeWords = function () { return qsTr("Import failed: %1").arg(why !== "" ? why : qsTr("unknown error")) }
            rangeDialogs.openImportName(null)
            return
        }
        // The engine reads the file; what it refuses is not stored, and the
        // dialog says why.
        var raw = result.text === undefined ? "" : String(result.text)
        var imported = c.normalizeImportedRangeText(raw, gameVariant)
        _importRangeNormalizedText = imported && imported.text !== undefined ? String(imported.text) : ""
        _importRangeCombos = imported && Number(imported.combos) > 0 ? Number(imported.combos) : 0
        // The reader's refusal is worded again from the file's text in each
        // language.
        var variant = gameVariant
        if (imported && imported.ok === false && String(imported.error) !== "")
            _importRangeWords = function () { return qsTr("Import failed: %1").arg(String(c.normalizeImportedRangeText(raw, variant).error)) }
        else if (imported && imported.zeroWeights === true)
            _importRangeWords = function () { return qsTr("Import failed: the file's weights are all zero.") }
        else if (_importRangeNormalizedText.trim() === "")
            _importRangeWords = function () { return qsTr("Import failed: file contained no recognizable hands.") }
        rangeDialogs.openImportName(Library.importNameFromUrl(fileUrl))
    }

    // The import name dialog's action: the range goes into both seats'
    // Custom libraries, selected in the seat the import started from and at
    // the top level of the other. Neither range text changes.
    function commitImportRange(name: string): bool {
        var trimmed = _normalizeName(name)
        var text = String(_importRangeNormalizedText).trim()
        if (trimmed === "") {
            _importRangeWords = function () { return qsTr("Please enter a name.") }
            return false
        }
        if (text === "") {
            _importRangeWords = function () { return qsTr("No range content to import.") }
            return false
        }
        var focus = _importRangeFocusPlayer === "ip" ? "ip" : "oop"
        var other = focus === "oop" ? "ip" : "oop"
        var node = { type: "range", name: trimmed, value: text }
        // One write for both libraries: kept in both, or in neither.
        var selected = _customNodeAddition(focus, node, root[focus + "RangeCategory"] === 2, false)
        var atTop = _customNodeAddition(other, node, false, false)
        if (!_editCustomTrees([selected, atTop])) {
            var problem = _storeProblem
            _importRangeWords = function () { return problem }
            return false
        }
        selected.shown()
        root[other + "RangeCategory"] = 2
        _importRangeWords = null
        return true
    }

    // The import's file dialog could not come up (or go): the import says
    // so as it does for a file it cannot read.
    function _importChooserFailed(why: string) {
        if (why === "")
            return
        _importRangeNormalizedText = ""
        _importRangeCombos = 0
        _importRangeWords = function () { return qsTr("Import failed: %1").arg(why) }
        rangeDialogs.openImportName(null)
    }

    function openDeleteSelectedDialog(player) {
        if (player !== "oop" && player !== "ip" || root[player + "RangeCategory"] !== 2)
            return
        var node = _findNodeById(root[player + "CustomRanges"], root[player + "SelectedId"])
        if (!node)
            return
        _deleteRangePlayer = player
        _deleteRangeKind = Library.isFolder(node) ? "folder" : "range"
        _deleteRangeName = String(node.name)
        // The note counts what the user loses: ranges, not folders.
        _deleteFolderChildCount = Library.countRanges(node)
        rangeDialogs.openDelete()
    }

    // Removes the selected Custom node with everything below it; the row
    // that takes its place becomes the selection. The seat's range text is
    // the user's work and stays as it is.
    function deleteSelectedItem(player) {
        if (player !== "oop" && player !== "ip")
            return
        var id = root[player + "SelectedId"]
        if (root[player + "RangeCategory"] !== 2 || id === "")
            return
        var index = listModelFor(player).findIndex(function (row) { return row.id === id })
        var kept = _editCustomTree(player, function (entries) { Library.removeFromEntries(entries, id) })
        root["_" + player + "LibraryStoreError"] = kept ? "" : _storeProblem
        if (!kept)
            return
        var open = Library.existingOpenFolders(root[player + "CustomRanges"], root[player + "OpenFolderIds"])
        if (Object.keys(open).length !== Object.keys(root[player + "OpenFolderIds"]).length)
            root[player + "OpenFolderIds"] = open
        var rows = listModelFor(player)
        root[player + "SelectedId"] = rows.length > 0 ? rows[Math.max(0, Math.min(index, rows.length - 1))].id : ""
    }

    SettingsSection {
        id: rangeStore
        category: "ranges"
    }

    SettingsSection {
        id: settingsProfileStore
        category: "settings_profiles"
    }

    // Stored text is only read here: entries that cannot be read stay in the
    // store as they are, and each list is read on its own, so one damaged
    // list costs no other.
    Component.onCompleted: {
        oopStandardOverrides = _loadPersistedStandardOverrides("oop")
        ipStandardOverrides = _loadPersistedStandardOverrides("ip")
        oopExploitOverrides = _loadPersistedExploitOverrides("oop")
        ipExploitOverrides = _loadPersistedExploitOverrides("ip")
        _loadBundledPresetRanges()
        var storedProfiles = _loadPersistedSettingsProfiles()
        settingsProfiles = storedProfiles.profiles
        _profilesDamaged = !storedProfiles.ok
        oopCustomRanges = _loadPersistedCustomRanges("oop")
        ipCustomRanges = _loadPersistedCustomRanges("ip")
        // A store that cannot be read shows empty libraries: not as kept.
        _oopLibraryStoreError = rangeStore.readProblem()
        _ipLibraryStoreError = _oopLibraryStoreError
    }

    // ---- Layout ----

    component PageScrollBar: ScrollBar {
        id: bar
        property bool needed: false
        policy: needed ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        contentItem: Rectangle {
            implicitWidth: 8
            implicitHeight: 8
            radius: 4
            color: bar.pressed ? ThemeRules.roleColor(root.theme, "textMuted", "#8B949E") : ThemeRules.roleColor(root.theme, "surface3", "#2D333B")
        }
    }

    Flickable {
        id: flickable
        objectName: "setupFlickable"
        anchors.fill: parent

        // What the rows want side by side (the window's wish), and the least
        // they take: the first row then wraps into two pairs of cards and
        // the range matrices shrink to their smallest cells.
        readonly property real _row1RequiredWidth: 48 + root._boardColumnWidth
            + 16 + (gameSettingsCard ? gameSettingsCard.implicitWidth : 420)
            + 16 + (oopSizingCard ? oopSizingCard.implicitWidth : 520)
            + 16 + (ipSizingCard ? ipSizingCard.implicitWidth : 520)
        readonly property real _row1WrappedWidth: 48 + Math.max(
            root._boardColumnWidth + 16 + (gameSettingsCard ? gameSettingsCard.implicitWidth : 420),
            (oopSizingCard ? oopSizingCard.implicitWidth : 520) + 16 + (ipSizingCard ? ipSizingCard.implicitWidth : 520))
        readonly property real _rangesRequiredWidth: 48 + rangeColumnsArea.matrixWidth(rangeColumnsArea.oopMatrix)
            + 16 + rangeColumnsArea.matrixWidth(rangeColumnsArea.ipMatrix)
        readonly property real _rangesLeastWidth: 48 + oopRangeColumn.leastWidth + 16 + ipRangeColumn.leastWidth
        readonly property bool row1Wraps: width < _row1RequiredWidth

        contentWidth: contentRoot.width
        contentHeight: contentRoot.height + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        flickableDirection: Flickable.HorizontalAndVerticalFlick

        ScrollBar.vertical: PageScrollBar {
            objectName: "verticalScrollBar"
            needed: flickable.contentHeight > flickable.height
        }
        ScrollBar.horizontal: PageScrollBar {
            objectName: "horizontalScrollBar"
            needed: flickable.contentWidth > flickable.width + 1
        }

        Item {
            id: contentRoot
            width: Math.max(flickable.width, flickable._row1WrappedWidth, flickable._rangesLeastWidth)
            height: mainColumn.height

            // Under the content, so controls that scroll themselves get the
            // wheel first. Shift turns the wheel sideways.
            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.NoButton
                onWheel: wheel => {
                    var step = (wheel.angleDelta.y !== 0 ? wheel.angleDelta.y : wheel.angleDelta.x) / 2
                    if (wheel.modifiers & Qt.ShiftModifier)
                        flickable.contentX = Math.max(0, Math.min(flickable.contentX - step,
                                                                  Math.max(0, flickable.contentWidth - flickable.width)))
                    else
                        flickable.contentY = Math.max(0, Math.min(flickable.contentY - step,
                                                                  Math.max(0, flickable.contentHeight - flickable.height)))
                }
            }

            Column {
                id: mainColumn
                width: contentRoot.width
                spacing: 24

                Item { width: 1; height: 8 }

                ProjectHeaderRow {
                    id: headerRow
                    x: 24
                    width: mainColumn.width - 48
                    page: root
                }

                GridLayout {
                    id: row1CardsRow
                    objectName: "row1CardsRow"
                    x: 24
                    width: mainColumn.width - 48
                    columns: flickable.row1Wraps ? 2 : 4
                    columnSpacing: 16
                    rowSpacing: 16

                    // The cards of a line end on one line: all four side by
                    // side, or each pair when the row wraps.
                    readonly property real _boardPairHeight: Math.max(boardColumn.implicitHeight, gameSettingsCard.implicitHeight)
                    readonly property real _sizingPairHeight: Math.max(oopSizingCard.implicitHeight, ipSizingCard.implicitHeight)
                    readonly property real uniformColumnHeight: flickable.row1Wraps ? _boardPairHeight
                        : Math.max(_boardPairHeight, _sizingPairHeight)
                    readonly property real sizingHeight: flickable.row1Wraps ? _sizingPairHeight : uniformColumnHeight

                    ColumnLayout {
                        id: boardColumn
                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: flickable.row1Wraps
                        Layout.preferredWidth: root._boardColumnWidth
                        spacing: 12

                        ProjectBoardCard {
                            id: boardCard
                            objectName: "boardCard"
                            Layout.fillWidth: true
                            page: root
                        }

                        ProjectOptionsCard {
                            id: settingsButtonsCard
                            objectName: "settingsButtonsCard"
                            Layout.fillWidth: true
                            page: root
                        }
                    }

                    ProjectGameSettingsCard {
                        id: gameSettingsCard
                        objectName: "gameSettingsCard"
                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: true
                        Layout.minimumWidth: implicitWidth
                        Layout.preferredHeight: row1CardsRow.uniformColumnHeight
                        Layout.minimumHeight: row1CardsRow.uniformColumnHeight
                        page: root
                    }

                    ProjectSizingCard {
                        id: oopSizingCard
                        objectName: "oopSizingCard"
                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: true
                        Layout.minimumWidth: implicitWidth
                        Layout.preferredHeight: row1CardsRow.sizingHeight
                        Layout.minimumHeight: row1CardsRow.sizingHeight
                        page: root
                        seat: "oop"
                    }

                    ProjectSizingCard {
                        id: ipSizingCard
                        objectName: "ipSizingCard"
                        Layout.alignment: Qt.AlignTop
                        Layout.fillWidth: true
                        Layout.minimumWidth: implicitWidth
                        Layout.preferredHeight: row1CardsRow.sizingHeight
                        Layout.minimumHeight: row1CardsRow.sizingHeight
                        page: root
                        seat: "ip"
                    }
                }

                // The two range columns' place; they hand their matrices over
                // so the page can ask for the width they need.
                Item {
                    id: rangeColumnsArea
                    objectName: "rangeColumnsArea"
                    x: 24
                    width: mainColumn.width - 48
                    height: childrenRect.height

                    property Item oopMatrix: oopRangeColumn.matrix
                    property Item ipMatrix: ipRangeColumn.matrix

                    function matrixWidth(matrix) {
                        return matrix ? matrix.implicitWidth : 0
                    }

                    RowLayout {
                        width: parent.width
                        spacing: 16

                        ProjectRangeColumn {
                            id: oopRangeColumn
                            objectName: "oopRangeColumn"
                            Layout.alignment: Qt.AlignTop
                            Layout.fillWidth: true
                            Layout.minimumWidth: Math.min(implicitWidth, leastWidth)
                            page: root
                            seat: "oop"
                        }

                        ProjectRangeColumn {
                            id: ipRangeColumn
                            objectName: "ipRangeColumn"
                            Layout.alignment: Qt.AlignTop
                            Layout.fillWidth: true
                            Layout.minimumWidth: Math.min(implicitWidth, leastWidth)
                            page: root
                            seat: "ip"
                        }
                    }
                }

                Item { width: 1; height: 24 }
            }
        }
    }

    // ---- Dialogs and popups, above the scrolling content ----

    ProjectCardPickerDialog {
        id: cardPickerDialog
        objectName: "cardPickerDialog"
        page: root
    }

    ProjectOptionPopup {
        id: variantPopup
        page: root
        popupName: "variantPopup"
        caption: qsTr("Game variant")
        buttonText: root.isShortDeck ? qsTr("Switch to Holdem") : qsTr("Switch to Short Deck")
        onPlace: root._positionVariantPopupUnderButton()
        onSwitchClicked: root.gameVariant = root.isShortDeck ? "holdem" : "shortdeck"
    }

    ProjectOptionPopup {
        id: utilityPopup
        page: root
        popupName: "utilityPopup"
        caption: qsTr("Utility model")
        buttonText: root.isIcm ? qsTr("Switch to Cash") : qsTr("Switch to ICM")
        onPlace: root._positionUtilityPopupUnderButton()
        onSwitchClicked: root.utilityModel = root.isIcm ? "cash" : "icm"
    }

    function toggleVariantPopup() {
        variantPopup.toggle()
    }

    function toggleUtilityPopup() {
        utilityPopup.toggle()
    }

    ProjectProfileDialogs {
        id: profileDialogs
        page: root
    }

    ProjectRangeDialogs {
        id: rangeDialogs
        page: root
        onImportChooserFailed: why => root._importChooserFailed(why)
    }

    ProjectLibraryDevDialogs {
        id: libraryDevDialogs
        page: root
    }
}
