import QtQuick
import QtTest
import Pellaris

// Presses and double clicks on the set-up page's popups and dialogs, sent
// through the window: none of them reaches the range matrix lying under, and
// a button a dialog holds off does nothing.
Item {
    id: root
    width: 1600
    height: 1000

    Component { id: pageComponent; ProjectPage { width: 1600; height: 1000 } }

    TestCase {
        name: "SetupClickThrough"
        when: windowShown

        function child(item, name) {
            var found = findChild(item, name)
            verify(found, name)
            return found
        }

        function centre(item) {
            return item.mapToItem(root, item.width / 2, item.height / 2)
        }

        function makePage() {
            var page = createTemporaryObject(pageComponent, root,
                                             { boardText: "", oopRangeText: "AA", ipRangeText: "KK" })
            waitForItemPolished(page)
            return page
        }

        function openPicker(page) {
            mouseClick(child(page, "slot0"))
            var dialog = child(page, "cardPickerDialog")
            tryCompare(dialog, "opened", true)
            return dialog
        }

        // Moves the open picker so that `target` lies under `over`.
        function movePopupOnto(popup, over, target) {
            var from = centre(over), to = centre(target)
            popup.x += to.x - from.x
            popup.y += to.y - from.y
            var now = centre(over)
            verify(Math.abs(now.x - to.x) < 2 && Math.abs(now.y - to.y) < 2, "popup over the cell")
        }

        function test_doubleClickOnAPickedCard() {
            var page = makePage()
            var dialog = openPicker(page)
            var pick = child(dialog.contentItem, "pick_Ah")
            var cell = child(child(page, "oopMatrix"), "cell_A4s")
            movePopupOnto(dialog, pick, cell)
            var at = centre(pick)
            // A double click whose first click closes the picker: the second
            // one comes once the picker is gone.
            mouseClick(root, at.x, at.y)
            tryCompare(dialog, "visible", false)
            mouseClick(root, at.x, at.y)
            compare(page.boardText, "Ah")
            compare(page.oopRangeText, "AA", "the second click stays off the matrix")
        }

        function test_pressBesideTheOpenPicker() {
            var page = makePage()
            var dialog = openPicker(page)
            var cell = child(child(page, "oopMatrix"), "cell_99")
            var at = centre(cell)
            var popupCorner = dialog.contentItem.mapToItem(root, 0, 0)
            verify(at.x < popupCorner.x || at.y < popupCorner.y
                   || at.x > popupCorner.x + dialog.width || at.y > popupCorner.y + dialog.height, "99 is beside the picker")
            mouseClick(cell)
            tryCompare(dialog, "visible", false)
            compare(page.oopRangeText, "AA", "the press only closed the picker")
            mouseClick(cell)
            compare(page.oopRangeText, "AA, 99", "a press after that paints")
        }

        function test_doubleClickOnSave() {
            var page = makePage()
            page.openSaveRangeDialog("oop")
            var dialog = child(page, "saveRangeDialog")
            tryCompare(dialog, "opened", true)
            child(dialog.contentItem, "saveRangeNameField").text = "Shielded"
            var save = child(dialog.contentItem, "saveRangeConfirm")
            waitForItemPolished(dialog.contentItem)
            // The dialog is centred in the window: move the page under it.
            var cell = child(child(page, "oopMatrix"), "cell_Q8o")
            var from = centre(cell), to = centre(save)
            page.x += to.x - from.x
            page.y += to.y - from.y
            waitForItemPolished(page)
            var now = centre(cell)
            verify(Math.abs(now.x - to.x) < 2 && Math.abs(now.y - to.y) < 2, "Save over Q8o")
            mouseDoubleClickSequence(save)
            tryCompare(dialog, "visible", false)
            verify(page.oopCustomRanges.length > 0, "saved")
            compare(page.oopRangeText, "AA", "the second click stays off the matrix")
        }

        // With no profile saved, "Load" and "Delete" are off and look it (the
        // delete label loses its red); clicks on them change nothing.
        function test_noProfileLeavesLoadAndDeleteOff() {
            var page = makePage()
            compare(page.settingsProfiles.length, 0)
            page.openLoadProfileDialog()
            var dialog = child(page, "loadSettingsDialog")
            tryCompare(dialog, "opened", true)
            var load = child(dialog.contentItem, "loadProfileConfirmButton")
            var remove = child(dialog.contentItem, "deleteProfileButton")
            verify(!load.enabled && !remove.enabled)
            verify(load.background.opacity < 1 && load.contentItem.opacity < 1)
            verify(!Qt.colorEqual(remove.contentItem.color, "#F85149"))
            mouseClick(load)
            mouseClick(remove)
            verify(dialog.visible && !child(page, "confirmDeleteProfileDialog").visible)
            keyClick(Qt.Key_Escape)
        }
    }
}
