import QtQuick
import QtTest
import Pellaris
import "../../qml/pages/settingsProfiles.js" as Profiles

// The set-up page's stored lists (settings profiles, both seats' Custom
// trees) planted damaged: what can be read loads, what cannot stays in the
// store, and a save keeps every entry the store held, also entries another
// page wrote after this one started.
Item {
    id: root
    width: 1600
    height: 900

    Component { id: pageComponent; ProjectPage { anchors.fill: parent } }

    SettingsSection { id: profileStore; category: "settings_profiles" }
    SettingsSection { id: rangeStore; category: "ranges" }

    TestCase {
        name: "StoredLists"
        when: windowShown

        readonly property string ipTree: JSON.stringify([{ id: "ipr", name: "ip one", value: "KK" }])
        readonly property string profiles: JSON.stringify([{ id: "p1", name: "Kept", data: { starting_pot: 5 } }])
        readonly property string oopTree: JSON.stringify([{ id: "old", name: "old", value: "AA" }])

        function init() {
            plant("profilesJson", profiles)
            plant("profilesJsonUnreadable", "")
            plant("oopCustomRangesJson", oopTree)
            plant("oopCustomRangesJsonUnreadable", "")
            plant("ipCustomRangesJson", ipTree)
            // A script error anywhere while the page starts or saves fails the test.
            failOnWarning(/.?/)
        }

        function cleanup() {
            harness.simulateFullDisk(false)
        }

        function storeFor(key) {
            return key.indexOf("profiles") === 0 ? profileStore : rangeStore
        }

        function plant(key, text) {
            var store = storeFor(key)
            store.write({ [key]: text })
        }

        function stored(key) {
            var store = storeFor(key)
            return store.value(key, "")
        }

        function makePage() {
            var page = createTemporaryObject(pageComponent, root)
            waitForItemPolished(page)
            return page
        }

        // Each entry as its canonical text: JSON for a readable one, the
        // kept text for one that cannot be parsed.
        function canonical(text) {
            var read = Profiles.readEntries(text)
            return { ok: read.ok, entries: read.entries.map(function (e) {
                return e.text !== undefined ? "text:" + e.text : "json:" + JSON.stringify(e.value)
            }) }
        }

        function nested(depth) {
            var open = "", close = ""
            for (var i = 0; i < depth; ++i) {
                open += "{\"name\":\"f" + i + "\",\"children\":["
                close += "]}"
            }
            return open + "{\"name\":\"leaf\",\"value\":\"QQ\"}" + close
        }

        function megabyte() {
            var s = "x"
            while (s.length < 1024 * 1024)
                s += s
            return s
        }

        function names(list) {
            return list.map(function (n) { return n.name })
        }

        // Every row damages one store; `names` are the readable top-level
        // names it must show.
        function test_damagedStore_data() {
            var objectName = "{\"name\":{\"toString\":1},\"children\":[{\"name\":\"inner\"}]}"
            return [
                { tag: "profile named by an object", key: "profilesJson",
                  text: "[" + objectName + ",{\"id\":\"p1\",\"name\":\"Kept\"}]", names: ["Kept"] },
                { tag: "profile data not an object", key: "profilesJson",
                  text: "[{\"id\":\"p1\",\"name\":\"Kept\",\"data\":[{}]},{\"id\":7,\"name\":{\"a\":1}}]", names: ["Kept"] },
                { tag: "range named by an object", key: "oopCustomRangesJson",
                  text: "[" + objectName + ",{\"id\":\"old\",\"name\":\"old\",\"value\":\"AA\"}]", names: ["old"] },
                { tag: "range value an object", key: "oopCustomRangesJson",
                  text: "[{\"id\":\"v\",\"name\":\"v\",\"value\":{\"toString\":1}},{\"id\":\"old\",\"name\":\"old\",\"value\":\"AA\"}]",
                  names: ["v", "old"] },
                { tag: "tree nested 4000 deep", key: "oopCustomRangesJson",
                  text: "[" + nested(4000) + ", {\"id\":\"old\",\"name\":\"old\",\"value\":\"AA\"}]", names: ["old"] },
                { tag: "tree nested 200 deep", key: "oopCustomRangesJson",
                  text: "[" + nested(200) + ",{\"id\":\"old\",\"name\":\"old\",\"value\":\"AA\"}]", names: ["f0", "old"] },
                { tag: "1 MB entry of no JSON", key: "profilesJson",
                  text: "[{\"id\":\"p1\",\"name\":\"Kept\"}, " + megabyte() + " ,{\"id\":\"p2\",\"name\":\"Also\"}]",
                  names: ["Kept", "Also"] },
                { tag: "1 MB of text, no list", key: "oopCustomRangesJson", text: megabyte(), names: [] },
                { tag: "numbers JSON would change", key: "profilesJson",
                  text: "[ {\"id\":\"big\", \"name\":\"Big\",\"data\":{\"starting_pot\":1e309,\"seed\":12345678901234567890}} ,"
                        + "{\"id\":\"p1\",\"name\":\"Kept\"}]",
                  names: ["Kept"],
                  keeps: " {\"id\":\"big\", \"name\":\"Big\",\"data\":{\"starting_pot\":1e309,\"seed\":12345678901234567890}} ,"
                         + "{\"id\":\"p1\",\"name\":\"Kept\"}," },
                { tag: "cut-off list", key: "profilesJson", text: "[{\"id\":\"p1\",\"name\":\"Kept\"},{\"na", names: ["Kept"] },
                { tag: "cut-off range tree", key: "oopCustomRangesJson",
                  text: "[{\"id\":\"old\",\"name\":\"old\",\"value\":\"AA\"}, {\"name\":\"f\",\"children\":[{\"na\\", names: ["old"] }
            ]
        }

        function test_damagedStore(data) {
            plant(data.key, data.text)
            var page = makePage()
            var isProfiles = data.key === "profilesJson"
            compare(names(isProfiles ? page.settingsProfiles : page.oopCustomRanges), data.names)
            compare(stored(data.key), data.text, "nothing is written at start")
            // the other stores load as they are
            if (!isProfiles)
                compare(names(page.settingsProfiles), ["Kept"])
            compare(names(page.ipCustomRanges), ["ip one"])

            var before = canonical(data.text)
            if (isProfiles) {
                verify(page.saveSettingsProfile("New"))
                compare(names(page.settingsProfiles), data.names.concat(["New"]))
            } else {
                page.oopRangeText = "22+"
                page.openSaveRangeDialog("oop")
                verify(page.commitSaveRange("New"))
                compare(names(page.oopCustomRanges), data.names.concat(["New"]))
            }
            if (data.keeps !== undefined)
                verify(stored(data.key).indexOf(data.keeps) >= 0, "entries left alone are written as they were")
            var after = canonical(stored(data.key))
            verify(after.ok)
            if (before.ok) {
                var added = after.entries.filter(function (e) { return e.indexOf("\"name\":\"New\"") >= 0 })
                compare(added.length, 1)
                compare(after.entries.filter(function (e) { return e !== added[0] }), before.entries,
                        "every stored entry kept, in order")
            } else {
                compare(after.entries.length, 1)
                compare(stored(data.key + "Unreadable"), data.text, "text that is no list is moved aside")
            }
            compare(stored("ipCustomRangesJson"), ipTree)
        }

        // One byte of the file damaged in a stored list's line, so that the
        // line reads as a list of texts or as text that is no list: the page
        // starts with that list empty and says it is damaged, the next save
        // sets the line aside as it stood and keeps the new entry, and the
        // other lists are read and kept as they were.
        function test_damagedLine_data() {
            var ranges = JSON.stringify([{ id: "old", name: "old", value: "AA" }, { id: "o2", name: "two", value: "KK" }])
            return [
                { tag: "broken escape before a quote", key: "oopCustomRangesJson", text: ranges,
                  from: "\\\"name\\\":\\\"two", to: "x\"name\\\":\\\"two" },
                { tag: "doubled backslash before a quote", key: "oopCustomRangesJson", text: ranges,
                  from: "\\\"value\\\":\\\"AA", to: "\\\\\"value\\\":\\\"AA" },
                { tag: "opening quote lost", key: "oopCustomRangesJson", text: ranges,
                  from: "oopCustomRangesJson=\"", to: "oopCustomRangesJson=" },
                { tag: "bracket turned to a brace", key: "oopCustomRangesJson", text: ranges,
                  from: "oopCustomRangesJson=\"[", to: "oopCustomRangesJson=\"{" },
                { tag: "profile list, broken escape", key: "profilesJson", text: profiles,
                  from: "\\\"name\\\":\\\"Kept", to: "x\"name\\\":\\\"Kept" },
                { tag: "profile list, bracket turned to a brace", key: "profilesJson", text: profiles,
                  from: "profilesJson=\"[", to: "profilesJson=\"{" }
            ]
        }

        function test_damagedLine(data) {
            plant(data.key, data.text)
            verify(harness.editSettingsFile(data.from, data.to), "the line is damaged")
            var file = harness.settingsFileText()
            var line = file.split("\n").filter(function (l) { return l.indexOf(data.key + "=") === 0 })[0]
            // A line that still reads as text is set aside as that text;
            // one that does not, as it stands in the file.
            var asRead = stored(data.key)
            var damaged = typeof asRead === "string" ? asRead : line.slice(data.key.length + 1)
            var isProfiles = data.key === "profilesJson"
            var page = makePage()
            var said = damagedSaid(page, isProfiles)
            verify(/damaged/.test(said.text), said.text)
            verify(!/another copy/.test(said.text), said.text)
            if (isProfiles) {
                compare(names(page.settingsProfiles), [])
                compare(findChild(page, "saveSettingsDialog").errorText, said.text)
                compare(names(page.oopCustomRanges), ["old"])
            } else {
                compare(names(page.oopCustomRanges), [])
                compare(names(page.settingsProfiles), ["Kept"])
            }
            compare(names(page.ipCustomRanges), ["ip one"])
            compare(harness.settingsFileText(), file, "nothing is written at start")

            if (isProfiles) {
                verify(page.saveSettingsProfile("New"), page._saveProfileError)
            } else {
                page.oopRangeText = "22+"
                page.openSaveRangeDialog("oop")
                verify(page.commitSaveRange("New"), page._saveRangeError)
            }
            compare(said.text, "")
            compare(stored(data.key + "Unreadable"), damaged, "the damaged text is set aside")
            compare(stored("ipCustomRangesJson"), ipTree)
            if (!isProfiles)
                compare(stored("profilesJson"), profiles)

            var fresh = makePage()
            compare(names(isProfiles ? fresh.settingsProfiles : fresh.oopCustomRanges), ["New"])
            compare(findChild(fresh, "oopLibraryStoreError").text, "")
            compare(damagedSaid(fresh, true).text, "")
            compare(names(fresh.ipCustomRanges), ["ip one"])
        }

        // Where the page says a damaged list: the seat's library for a
        // Custom list, the load dialog (opened) for the profiles.
        function damagedSaid(page, isProfiles) {
            if (!isProfiles)
                return findChild(page, "oopLibraryStoreError")
            var dialog = findChild(page, "loadSettingsDialog")
            page.openLoadProfileDialog()
            tryCompare(dialog, "opened", true)
            return findChild(dialog.contentItem, "profilesDamagedLine")
        }

        // Persisting writes the page's list: an item the page dropped goes,
        // one it added comes last, and entries the page could not read, or
        // holds unchanged (fields it does not know included), stay as they
        // were stored. A seat other than "oop" or "ip" writes nothing.
        function test_persistWritesThePagesList_data() {
            return [
                { tag: "profiles", key: "profilesJson", list: "settingsProfiles",
                  text: "[{\"id\":\"a\",\"name\":\"A\",\"extra\":1}, not json ,{\"id\":\"b\",\"name\":\"B\"},{\"name\":\"\"}]",
                  added: { id: "c", name: "C", createdAt: "", data: { starting_pot: 3 } },
                  persist: function (page) { page.persistSettingsProfiles() } },
                { tag: "custom tree", key: "oopCustomRangesJson", list: "oopCustomRanges",
                  text: "[{\"id\":\"a\",\"name\":\"A\",\"value\":\"AA\",\"extra\":1}, not json ,"
                        + "{\"id\":\"b\",\"name\":\"B\",\"value\":\"KK\"},{\"name\":\"\"}]",
                  added: { id: "c", type: "folder", name: "C", children: [{ id: "d", type: "range", name: "D", value: "QQ" }] },
                  persist: function (page) { page.persistCustomRanges("oop") } }
            ]
        }

        function test_persistWritesThePagesList(data) {
            plant(data.key, data.text)
            var page = makePage()
            compare(names(page[data.list]), ["A", "B"])
            page[data.list] = [page[data.list][0], data.added]
            page.persistCustomRanges("both")
            compare(stored(data.key), data.text)
            data.persist(page)
            var kept = data.text.slice(0, data.text.indexOf("{\"id\":\"b\""))
            compare(stored(data.key), kept + "{\"name\":\"\"}," + JSON.stringify(data.added) + "]")
            compare(stored("ipCustomRangesJson"), ipTree)
        }

        // Deleting removes exactly the chosen entry; entries the page could
        // not read, and one another page added meanwhile, stay.
        function test_deleteKeepsWhatItDidNotRead() {
            plant("oopCustomRangesJson", "[{\"name\":{\"toString\":1}},{\"id\":\"old\",\"name\":\"old\",\"value\":\"AA\"},"
                  + "{\"id\":\"f\",\"type\":\"folder\",\"name\":\"F\",\"children\":[{\"id\":\"in\",\"name\":\"in\",\"value\":\"KK\"},"
                  + "{\"id\":\"bad\",\"name\":[1]}]}]")
            var page = makePage()
            var other = makePage()
            other.oopRangeText = "QQ"
            other.openSaveRangeDialog("oop")
            verify(other.commitSaveRange("From other"))
            page.oopRangeCategory = 2
            page.oopSelectedId = "in"
            page.deleteSelectedItem("oop")
            compare(names(page.oopCustomRanges), ["old", "F", "From other"])
            compare(page.oopCustomRanges[1].children, [])
            var list = JSON.parse(stored("oopCustomRangesJson"))
            compare(list[0].name, { toString: 1 })
            compare(list[2].children, [{ id: "bad", name: [1] }])
            compare(list[3].name, "From other")
        }

        // A delete writes every other entry as it was stored, spaces,
        // escapes and numbers that JSON would write otherwise included; the
        // folder a node leaves is written anew.
        function test_deleteKeepsTheOtherEntriesAsStored_data() {
            var a = "{\"id\":\"a\", \"name\":\"\\u0041\",\"value\":\"AA\",\"n\":2.50}"
            var f = "{\"id\":\"f\",\"type\":\"folder\",\"name\":\"F\",\"children\":[{\"id\":\"in\",\"name\":\"in\",\"value\":\"KK\"}]}"
            // A comma, a quote and a backslash inside a string.
            var c = JSON.stringify({ id: "c", name: "C", value: "Q,\"Q\\" }).slice(0, -1) + ", \"n\": 1.50}"
            var all = "[" + [a, f, c].join(",") + "]"
            return [
                { tag: "first", text: all, id: "a", after: "[" + f + "," + c + "]", names: ["F", "C"] },
                { tag: "last", text: all, id: "c", after: "[" + a + "," + f + "]", names: ["A", "F"] },
                { tag: "folder with what it holds", text: all, id: "f", after: "[" + a + "," + c + "]", names: ["A", "C"] },
                { tag: "inside a folder", text: all, id: "in", names: ["A", "F", "C"],
                  after: "[" + a + ",{\"id\":\"f\",\"type\":\"folder\",\"name\":\"F\",\"children\":[]}," + c + "]" },
                { tag: "the only one", text: "[" + c + "]", id: "c", after: "[]", names: [] }
            ]
        }

        function test_deleteKeepsTheOtherEntriesAsStored(data) {
            plant("oopCustomRangesJson", data.text)
            var page = makePage()
            page.oopRangeCategory = 2
            page.oopSelectedId = data.id
            page.deleteSelectedItem("oop")
            compare(page._oopLibraryStoreError, "")
            compare(stored("oopCustomRangesJson"), data.after)
            compare(names(page.oopCustomRanges), data.names)
            compare(names(makePage().oopCustomRanges), data.names)
        }

        // Profiles stored without ids keep the same ids from read to read,
        // so the second of two alike is the one deleted.
        function test_deleteAProfileStoredWithoutId() {
            plant("profilesJson", "[{\"name\":\"Deep\"},{\"name\":{\"x\":1}},{\"name\":\"Deep\",\"data\":{\"starting_pot\":7}}]")
            var page = makePage()
            compare(page.settingsProfiles.map(function (p) { return p.data.starting_pot }), [undefined, 7])
            page.deleteSettingsProfileById(page.settingsProfiles[1].id)
            compare(JSON.parse(stored("profilesJson")), [{ name: "Deep" }, { name: { x: 1 } }])
            compare(names(page.settingsProfiles), ["Deep"])
        }

        // A profile value its field would not take is left out and named;
        // the rest of the profile loads. The profile's name is quoted as
        // the values are: cut short, on one line, with its invisible
        // characters shown as escapes.
        function test_outOfRangeProfileValueIsLeftOut_data() {
            return [
                { tag: "plain name", name: "Bad" },
                { tag: "long name", name: new Array(5001).join("n") },
                { tag: "controls and a direction mark", name: "a\u0007b\nc\td\u202Ee" },
                { tag: "markers in the name", name: "50%2 %1" }
            ]
        }

        function test_outOfRangeProfileValueIsLeftOut(data) {
            plant("profilesJson", JSON.stringify([{ id: "bad", name: data.name, data: { starting_pot: "1e309", effective_stack: 50 } }]))
            var page = makePage()
            page.startingPot = 40
            page._loadProfileSelectedId = "bad"
            verify(page.loadSelectedSettingsProfile())
            compare(page._loadProfileError, "")
            compare([page.startingPot, page.effectiveStack], [40, 50])
            var notLoaded = findChild(page, "profileNotLoadedDialog")
            tryCompare(notLoaded, "opened", true)
            var message = notLoaded.message
            verify(message.indexOf("Starting Pot: \"1e309\"") >= 0, message)
            verify(message.indexOf("\u201C" + appController.quotedText(data.name) + "\u201D") >= 0, message)
            verify(message.length < 400, message.length)
            verify(!/[\u0000-\u0009\u000B-\u001F\u202E]/.test(message), JSON.stringify(message))
            compare(message.split("\n").length, 2)
            notLoaded.close()
        }

        // An import goes into both seats' libraries in one write of the
        // settings file: kept in both, or, when the store refuses the
        // write, in neither (on the page and in the store read again), and
        // the import dialog says why. A disk that fills once a library
        // shows the range comes after that one write.
        function test_importIsOneWrite_data() {
            var fullDisk = function (on) { harness.simulateFullDisk(on); return true }
            return [
                { tag: "kept", refuse: null, fillAfterShown: false },
                { tag: "disk fills once a library shows it", refuse: null, fillAfterShown: true },
                { tag: "disk full", refuse: fullDisk, fillAfterShown: false },
                { tag: "a folder in place of the file", refuse: function (on) { return harness.blockSettingsFile(on) }, fillAfterShown: false }
            ]
        }

        function test_importIsOneWrite(data) {
            var page = makePage()
            page._importRangeFocusPlayer = "ip"
            page._importRangeNormalizedText = "QQ, JJ"
            var fill = function () { harness.simulateFullDisk(true) }
            if (data.fillAfterShown) {
                page.oopCustomRangesChanged.connect(fill)
                page.ipCustomRangesChanged.connect(fill)
            }
            if (data.refuse)
                verify(data.refuse(true))
            var before = harness.settingsWritesMade()
            var kept = page.commitImportRange("Imported")
            var writes = harness.settingsWritesMade() - before
            if (data.refuse)
                verify(data.refuse(false))
            if (data.fillAfterShown) {
                page.oopCustomRangesChanged.disconnect(fill)
                page.ipCustomRangesChanged.disconnect(fill)
                harness.simulateFullDisk(false)
            }
            var added = data.refuse ? [] : ["Imported"]
            compare([kept, writes], [!data.refuse, data.refuse ? 0 : 1])
            compare(page._importRangeError === "", !data.refuse, page._importRangeError)
            if (data.refuse)
                verify(/^Settings could not be saved: /.test(page._importRangeError), page._importRangeError)
            ;[page, makePage()].forEach(function (shown) {
                compare(names(shown.oopCustomRanges), ["old"].concat(added))
                compare(names(shown.ipCustomRanges), ["ip one"].concat(added))
            })
        }

        // Two pages, each with its own store objects on the one settings
        // file, save in turn: both entries are kept.
        function test_twoWritersKeepBothEntries() {
            plant("profilesJson", "")
            plant("oopCustomRangesJson", "")
            var a = makePage()
            var b = makePage()
            verify(b.saveSettingsProfile("From B"))
            verify(a.saveSettingsProfile("From A"))
            compare(names(a.settingsProfiles), ["From B", "From A"])
            ;[a, b].forEach(function (page, i) {
                page.oopRangeText = "AA"
                page.openSaveRangeDialog("oop")
                verify(page.commitSaveRange(i === 0 ? "Range A" : "Range B"))
            })
            var fresh = makePage()
            compare(names(fresh.settingsProfiles), ["From B", "From A"])
            compare(names(fresh.oopCustomRanges), ["Range A", "Range B"])
            compare(names(fresh.ipCustomRanges), ["ip one"])
        }
    }
}
