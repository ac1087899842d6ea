import QtQuick
import QtQuick.Controls
import QtTest
import Pellaris

// The home page's project dialogs against the real controller: the name
// field has the focus, Return saves, a typed absolute path is taken as it
// is, an existing file is replaced only when the user says so, the dialogs
// start in the folder used last, and the file clicked, or double-clicked,
// is the one that opens or is saved over, however the dialog was used
// before and however soon after it shows.
Item {
    id: root
    width: 1400
    height: 1000

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "HomeFileDialogsReal"
        when: windowShown

        property var shell: null
        property var home: null

        function init() {
            shell = createTemporaryObject(shellComponent, root, { controller: appController })
            home = findChild(shell, "homePage")
            waitForItemPolished(home)
        }

        function nameField(dialog) { return findChild(dialog.footer, "fileNameTextField") }
        function acceptButton(dialog) { return findChild(dialog.footer, "fileDialogAcceptButton") }
        function listOf(dialog) { return findChild(dialog.contentItem, "fileDialogListView") }

        // The board each file was saved with, by its name's first letter.
        function boardOf(url) {
            var name = String(url).split("/").pop()
            return { a: "Jc9c4s", b: "Ks7d2c", c: "Qh8h3d", d: "Qh8h3d", e: "As5d3h" }[name.charAt(0)]
        }

        function pathOf(url) { return decodeURIComponent(String(url).replace(/^file:\/\//, "")) }
        function folderUrl() { return String(harness.temporaryFileUrl("x")).replace(/\/x$/, "") }

        // A project whose board tells it apart.
        function saveBoard(board, url) {
            shell.boardText = board
            verify(appController.saveProject(url, shell.exportProjectState()))
        }

        function typeIntoSaveDialog(dialog, text) {
            var field = nameField(dialog)
            tryVerify(() => field.activeFocus, 5000, "the name field has the focus")
            field.selectAll()
            keySequence(StandardKey.Delete)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
            compare(field.text, text)
            return field
        }

        // The question whether to replace `file` shows, and `button`
        // answers it.
        function answerReplace(file, button, why) {
            var replace = findChild(home, "replaceFileDialog")
            tryVerify(() => replace.opened, 5000, why || file)
            verify(findChild(replace.contentItem, "messageText").text.indexOf(file + " already exists") >= 0)
            mouseClick(findChild(replace.footer, button))
            tryVerify(() => !replace.visible)
        }

        function openSave(dialog) {
            home.openSaveDialog()
            tryVerify(() => dialog.opened)
        }

        // The row of `name` once the dialog's list has read `folder`.
        function rowOf(dialog, folder, name) {
            var list = listOf(dialog)
            var row = null
            tryVerify(() => {
                if (String(list.model.folder) !== folder)
                    return false
                for (var i = 0; i < list.count; ++i) {
                    var item = list.itemAtIndex(i)
                    if (item && String(item.file).split("/").pop() === name && item.height > 0) {
                        row = item
                        return true
                    }
                }
                return false
            }, 10000, name + " listed in " + folder)
            waitForItemPolished(list)
            return row
        }

        function test_1_saveAsksBeforeReplacing() {
            var folder = pathOf(folderUrl())
            var dialog = findChild(home, "saveProjectDialog")
            openSave(dialog)
            compare(String(dialog.currentFolder), String(appController.homeFolderUrl()))
            // An absolute path is taken as it is; Return saves.
            shell.boardText = "Ks7d2c"
            typeIntoSaveDialog(dialog, folder + "/d-spot")
            keyClick(Qt.Key_Return)
            tryVerify(() => !dialog.visible)
            var file = "file://" + folder + "/d-spot.pellarisproj"
            verify(appController.fileExists(file))
            var first = appController.readTextFile(file)

            // The next use starts in that folder. The same name, typed with
            // and without the suffix, asks first; Cancel goes back to the
            // dialog and keeps the file, the name and Save.
            shell.boardText = "Qh8h3d"
            for (var name of ["d-spot", "d-spot.pellarisproj"]) {
                if (!dialog.visible)
                    openSave(dialog)
                compare(pathOf(dialog.currentFolder), folder)
                typeIntoSaveDialog(dialog, name)
                mouseClick(acceptButton(dialog))
                answerReplace("d-spot.pellarisproj", "messageCancelButton", name)
                tryVerify(() => dialog.opened)
                compare(nameField(dialog).text, name)
                verify(acceptButton(dialog).enabled)
                compare(appController.readTextFile(file), first)
            }
            // Replace saves over it.
            typeIntoSaveDialog(dialog, "d-spot")
            compare(findChild(findChild(home, "replaceFileDialog").footer, "messageOkButton").text, "Replace")
            keyClick(Qt.Key_Return)
            answerReplace("d-spot.pellarisproj", "messageOkButton")
            shell.resetToNewProject()
            verify(home.openProjectFrom(file))
            compare(shell.boardText, "Qh8h3d")
        }

        // Opens `name` from the open dialog as `how` says, and checks that
        // the file opened is that one.
        function openByHand(dialog, folder, name, how) {
            home.openOpenDialog()
            tryVerify(() => dialog.visible)
            // No wait for the dialog to settle: the first click counts.
            var row = rowOf(dialog, folder, name)
            if (how === "double-click") {
                mouseDoubleClickSequence(row)
            } else {
                mouseClick(row)
                verify(acceptButton(dialog).enabled)
                mouseClick(acceptButton(dialog))
            }
            tryVerify(() => !dialog.visible, 5000, how + " " + name)
            compare(shell.boardText, boardOf(name), how + " " + name)
            shell.boardText = ""
        }

        function test_2_openOpensTheFileClicked() {
            var folder = folderUrl()
            var names = ["b-first.pellarisproj", "c-second.pellarisproj", "e-third.pellarisproj"]
            for (var n of names)
                saveBoard(boardOf(n), folder + "/" + n)
            var dialog = findChild(home, "openProjectDialog")
            home._rememberFolder(folder + "/" + names[0])
            // Every file after every other, by either gesture.
            var order = [0, 2, 1, 1, 0, 2, 2, 0, 1]
            for (var i = 0; i < order.length; ++i)
                openByHand(dialog, folder, names[order[i]], i % 2 === 0 ? "double-click" : "click and open")

            // Files come into the folder while the dialog shows: the rows
            // move, and the file clicked before is still the one taken.
            home.openOpenDialog()
            tryVerify(() => dialog.visible)
            mouseClick(rowOf(dialog, folder, names[1]))
            saveBoard("Jc9c4s", folder + "/a-new.pellarisproj")
            shell.boardText = ""
            rowOf(dialog, folder, "a-new.pellarisproj")
            var highlighted = []
            for (var r = 0; r < listOf(dialog).count; ++r) {
                var item = listOf(dialog).itemAtIndex(r)
                if (item && item.highlighted)
                    highlighted.push(String(item.file).split("/").pop())
            }
            compare(highlighted, [names[1]])
            mouseClick(acceptButton(dialog))
            tryVerify(() => !dialog.visible)
            compare(shell.boardText, boardOf(names[1]))

            // A new use has nothing chosen: Open waits for a click.
            home.openOpenDialog()
            tryVerify(() => dialog.opened)
            verify(!acceptButton(dialog).enabled)
            dialog.reject()
        }

        function test_3_saveTakesTheFileClicked() {
            var folder = folderUrl()
            saveBoard("Ks7d2c", folder + "/b-target.pellarisproj")
            saveBoard("Qh8h3d", folder + "/c-other.pellarisproj")
            shell.boardText = "As5d3h"
            var dialog = findChild(home, "saveProjectDialog")
            home._rememberFolder(folder + "/b-target.pellarisproj")
            var cases = [
                { typed: "c-other.pellarisproj", cancelFirst: true },   // a name left by a Cancel
                { typed: "Z", cancelFirst: false },                      // a new name typed
                { typed: "", cancelFirst: false }                        // nothing typed
            ]
            for (var c of cases) {
                openSave(dialog)
                if (c.typed !== "")
                    typeIntoSaveDialog(dialog, c.typed)
                if (c.cancelFirst) {
                    keyClick(Qt.Key_Return)
                    answerReplace(c.typed, "messageCancelButton")
                    tryVerify(() => dialog.opened)
                }
                // A click puts the file's name in the field, whatever it held.
                mouseClick(rowOf(dialog, folder, "c-other.pellarisproj"))
                compare(nameField(dialog).text, "c-other.pellarisproj")
                verify(acceptButton(dialog).enabled)
                // A double-click asks to replace the file double-clicked.
                mouseDoubleClickSequence(rowOf(dialog, folder, "b-target.pellarisproj"))
                answerReplace("b-target.pellarisproj", "messageOkButton", JSON.stringify(c))
                tryVerify(() => !dialog.visible)
                verify(!appController.fileExists(folder + "/Z.pellarisproj"))
                shell.resetToNewProject()
                verify(home.openProjectFrom(folder + "/b-target.pellarisproj"))
                compare(shell.boardText, "As5d3h")
                saveBoard("Ks7d2c", folder + "/b-target.pellarisproj")
                shell.boardText = "As5d3h"
            }
            // Reopened, the last name stands and Save can be pressed.
            openSave(dialog)
            compare(nameField(dialog).text, "b-target.pellarisproj")
            verify(acceptButton(dialog).enabled)
            dialog.reject()
        }
    }
}
