import QtQuick
import QtTest
import Pellaris

// A visible root, so that clicks reach the cards.
Item {
    id: root
    width: 800
    height: 400

    Theme { id: theme }

    Component { id: cardComponent; PlayingCard {} }
    Component { id: boardComponent; BoardDisplay {} }
    Component { id: pickerComponent; CardPicker {} }
    Component { id: spy; SignalSpy {} }

    TestCase {
        name: "PlayingCard"
        when: windowShown

        function test_look_data() {
            return [
                { tag: "face", props: { rank: "A", suit: "h" }, look: "face", symbol: "♥" },
                { tag: "upper-case suit", props: { rank: "K", suit: "H" }, look: "face", symbol: "♥" },
                { tag: "unknown suit", props: { rank: "Q", suit: "x" }, look: "face", symbol: "" },
                { tag: "rank only", props: { rank: "A" }, look: "emptySlot", symbol: "" },
                { tag: "suit only", props: { suit: "s" }, look: "emptySlot", symbol: "♠" },
                { tag: "face down wins", props: { rank: "A", suit: "s", faceDown: true }, look: "back", symbol: "♠" }
            ]
        }

        function test_look(data) {
            var card = createTemporaryObject(cardComponent, root, Object.assign({ theme: theme }, data.props))
            var looks = ["face", "back", "emptySlot"]
            for (var i = 0; i < looks.length; ++i)
                compare(findChild(card, looks[i]).visible, looks[i] === data.look, looks[i])
            compare(card.suitSymbol, data.symbol)
        }

        function test_sizes_data() {
            return [
                { tag: "normal", props: {}, w: 52, h: 72 },
                { tag: "mini", props: { mini: true }, w: 32, h: 44 },
                { tag: "scaled", props: { sizeScale: 1.25 }, w: 65, h: 90 },
                { tag: "zero scale held at 0.1", props: { sizeScale: 0 }, w: 5.2, h: 7.2 }
            ]
        }

        function test_sizes(data) {
            var card = createTemporaryObject(cardComponent, root, data.props)
            fuzzyCompare(card.implicitWidth, data.w, 1e-9)
            fuzzyCompare(card.implicitHeight, data.h, 1e-9)
        }

        function test_clicks_data() {
            return [
                { tag: "plain", props: {}, clicks: 1 },
                { tag: "not hoverable still clicks", props: { hoverable: false }, clicks: 1 },
                { tag: "disabled", props: { disabled: true }, clicks: 0 }
            ]
        }

        function test_clicks(data) {
            var card = createTemporaryObject(cardComponent, root, Object.assign({ rank: "A", suit: "s", width: 52, height: 72 }, data.props))
            var clicked = createTemporaryObject(spy, root, { target: card, signalName: "clicked" })
            mouseClick(card)
            compare(clicked.count, data.clicks)
        }
    }

    TestCase {
        name: "BoardDisplay"
        when: windowShown

        function slotText(board, i) {
            var s = findChild(board, "slot" + i)
            return s.rank + s.suit
        }

        function test_parse_data() {
            return [
                { tag: "gap kept", text: "AhKs__2c", slots: ["Ah", "Ks", "", "2c", ""], street: "Flop" },
                { tag: "empty", text: "", slots: ["", "", "", "", ""], street: "Preflop" },
                { tag: "lower case with blanks", text: "ah ks qd", slots: ["Ah", "Ks", "Qd", "", ""], street: "Flop" },
                { tag: "lone last character", text: "AhKsQd2", slots: ["Ah", "Ks", "Qd", "", ""], street: "Flop" },
                { tag: "commas pair wrongly", text: "Ah,Ks,Qd", slots: ["Ah", "", "", "Qd", ""], street: "Preflop" },
                { tag: "turn", text: "AhKsQd2c", slots: ["Ah", "Ks", "Qd", "2c", ""], street: "Turn" },
                { tag: "six cards", text: "AhKsQd2c9h3s", slots: ["Ah", "Ks", "Qd", "2c", "9h"], street: "River" }
            ]
        }

        function test_parse(data) {
            var board = createTemporaryObject(boardComponent, root, { theme: theme, boardText: data.text })
            for (var i = 0; i < 5; ++i)
                compare(slotText(board, i), data.slots[i], "slot " + i)
            compare(board.streetLabel, data.street)
            compare(findChild(board, "streetLabel").text, data.street)
        }

        function test_clickable_data() {
            return [
                { tag: "river refused while the turn is empty", text: "AhKsQd", props: {}, clicked: [0, 3] },
                { tag: "river open once the turn is dealt", text: "AhKsQd2c", props: {}, clicked: [0, 3, 4] },
                { tag: "only turn and river", text: "AhKsQd2c", props: { clickableIndices: [3, 4] }, clicked: [3, 4] },
                { tag: "not editable", text: "AhKsQd2c", props: { editable: false, clickableIndices: [3, 4] }, clicked: [] }
            ]
        }

        function test_clickable(data) {
            var board = createTemporaryObject(boardComponent, root,
                                              Object.assign({ theme: theme, boardText: data.text, editable: true }, data.props))
            var clicked = createTemporaryObject(spy, root, { target: board, signalName: "cardClicked" })
            waitForItemPolished(board)
            var tried = [0, 3, 4]
            for (var i = 0; i < tried.length; ++i)
                mouseClick(findChild(board, "slot" + tried[i]))
            compare(clicked.count, data.clicked.length)
            for (var j = 0; j < data.clicked.length; ++j)
                compare(clicked.signalArguments[j][0], data.clicked[j])
        }

        function test_riverDimmedWhileTurnEmpty() {
            var board = createTemporaryObject(boardComponent, root, { theme: theme, boardText: "AhKsQd", editable: true })
            var river = findChild(board, "slot4")
            verify(river.disabled)
            compare(river.opacity, 0.4)
            board.boardText = "AhKsQd2c"
            verify(!river.disabled)
        }

        function test_compactHidesEmptyTurnAndRiver() {
            var board = createTemporaryObject(boardComponent, root, { theme: theme, boardText: "AhKsQd", compact: true })
            verify(!findChild(board, "slot3").visible)
            verify(!findChild(board, "streetLabel").visible)
            verify(findChild(board, "flopPanel").visible)
            board.boardText = ""
            verify(!findChild(board, "flopPanel").visible)
        }
    }

    TestCase {
        name: "CardPicker"
        when: windowShown

        function test_used_data() {
            return [
                { tag: "as written", used: ["Ah"], rank: "A", suit: "h", result: true },
                { tag: "upper-case suit", used: ["AH"], rank: "A", suit: "h", result: true },
                { tag: "lower-case rank is another text", used: ["ah"], rank: "A", suit: "h", result: false },
                { tag: "other card", used: ["Ah"], rank: "A", suit: "d", result: false }
            ]
        }

        function test_used(data) {
            var picker = createTemporaryObject(pickerComponent, root, { usedCards: data.used })
            compare(picker.isCardUsed(data.rank, data.suit), data.result)
        }

        function test_clicks() {
            var picker = createTemporaryObject(pickerComponent, root, { theme: theme, usedCards: ["AH"] })
            var selected = createTemporaryObject(spy, root, { target: picker, signalName: "cardSelected" })
            waitForItemPolished(picker)
            mouseClick(findChild(picker, "pick_Ah"))
            compare(selected.count, 0)
            mouseClick(findChild(picker, "pick_Kh"))
            compare(selected.count, 1)
            compare(selected.signalArguments[0][0], "Kh")
        }

        function test_shortDeckRows() {
            var picker = createTemporaryObject(pickerComponent, root, { ranks: ["A", "K", "Q", "J", "T", "9", "8", "7", "6"] })
            verify(findChild(picker, "pick_6c"))
            verify(!findChild(picker, "pick_5c"))
            // spacer, suit tile, nine buttons, spacer: 4 + 28 + 9 × 28 + 4 and eleven gaps of 4
            compare(picker.implicitWidth, 4 + 28 + 9 * 28 + 4 + 11 * 4)
        }
    }
}
