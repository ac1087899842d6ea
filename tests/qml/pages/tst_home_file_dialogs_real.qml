import QtQuick
import QtQuick.Controls
import QtTest
import Pellaris

// The home page's project dialogs as Qt's own dialog shows them (the
// headless platform has no desktop dialog), against the real controller:
// the name field has the focus, Return saves, a typed absolute path is
// taken as it is, an existing file is replaced only when the user says so,
// the dialogs start in the folder used last, and Open opens the file the
// list shows as chosen after the folder's files changed.
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

        function part(name) {
            var found = null
            tryVerify(() => (found = home._shownDialogPart(name, false)) !== null, 5000, name)
            return found
        }

        // The first shown item inside `within` (by default, all that the
        // window shows above the page) that `wanted` accepts, once there is one.
        function shownItem(wanted, what, within, timeout) {
            var search = function (item) {
                if (!item || !item.visible)
                    return null
                if (wanted(item))
                    return item
                for (var i = 0; i < item.children.length; ++i) {
                    var f = search(item.children[i])
                    if (f)
                        return f
                }
                return null
            }
            var found = null
            tryVerify(() => (found = search(within || root.Overlay.overlay)) !== null, timeout || 5000, what)
            return found
        }

        function shownButton(text, within) {
            return shownItem(item => item.text === text && item.clicked !== undefined, text, within)
        }

        // The shown dialog a part of it belongs to: its item on the overlay.
        function dialogOf(part) {
            var item = part
            while (item.parent && item.parent !== root.Overlay.overlay)
                item = item.parent
            return item
        }

        // The board each file of the open test was saved with.
        function boardOf(url) {
            var name = String(url).split("/").pop()
            return { a: "Jc9c4s", b: "Ks7d2c", c: "Qh8h3d", d: "Qh8h3d" }[name.charAt(0)]
        }

        function pathOf(url) { return decodeURIComponent(String(url).replace(/^file:\/\//, "")) }

        // A project whose board tells it apart.
        function saveBoard(board, url) {
            shell.boardText = board
            verify(appController.saveProject(url, shell.exportProjectState()))
        }

        function typeIntoSaveDialog(text) {
            var field = part("fileNameTextField")
            tryVerify(() => field.activeFocus, 5000, "the name field has the focus")
            field.selectAll()
            keySequence(StandardKey.Delete)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
            compare(field.text, text)
            return field
        }

        function test_1_saveAsksBeforeReplacing() {
            var folder = pathOf(harness.temporaryFileUrl("x")).replace(/\/x$/, "")
            var dialog = findChild(home, "saveProjectDialog")
            home.openSaveDialog()
            tryVerify(() => dialog.visible)
            compare(String(dialog.currentFolder), String(appController.homeFolderUrl()))
            // An absolute path is taken as it is; Return saves.
            shell.boardText = "Ks7d2c"
            typeIntoSaveDialog(folder + "/d-spot")
            keyClick(Qt.Key_Return)
            tryVerify(() => !dialog.visible)
            var file = "file://" + folder + "/d-spot.pellarisproj"
            verify(appController.fileExists(file))
            var first = appController.readTextFile(file)

            // The next use starts in that folder. The same name, typed with
            // and without the suffix, asks first; Cancel goes back to the
            // dialog and keeps the file.
            var replace = findChild(home, "replaceFileDialog")
            shell.boardText = "Qh8h3d"
            for (var name of ["d-spot", "d-spot.pellarisproj"]) {
                if (!dialog.visible)
                    home.openSaveDialog()
                tryVerify(() => dialog.visible)
                compare(pathOf(dialog.currentFolder), folder)
                typeIntoSaveDialog(name)
                mouseClick(shownButton("Save"))
                tryVerify(() => replace.opened, 5000, name)
                verify(findChild(replace.contentItem, "messageText").text.indexOf("d-spot.pellarisproj already exists") >= 0)
                mouseClick(findChild(replace.footer, "messageCancelButton"))
                tryVerify(() => !replace.visible && dialog.visible)
                // The name typed stands, to be changed.
                tryVerify(() => part("fileNameTextField").text === name)
                compare(appController.readTextFile(file), first)
            }
            // Replace saves over it.
            typeIntoSaveDialog("d-spot")
            keyClick(Qt.Key_Return)
            tryVerify(() => replace.opened)
            compare(findChild(replace.footer, "messageOkButton").text, "Replace")
            mouseClick(findChild(replace.footer, "messageOkButton"))
            tryVerify(() => !replace.visible)
            shell.resetToNewProject()
            verify(home.openProjectFrom(file))
            compare(shell.boardText, "Qh8h3d")
        }

        // The list of the open dialog that shows `folder`, once it has read
        // at least `count` of its files (it reads the working folder first).
        function readyList(count, folder) {
            var list = shownItem(item => item.objectName === "fileDialogListView"
                                 && String(item.model.folder) === folder && item.model.status === 1
                                 && item.count >= count && item.itemAtIndex(0)
                                 && String(item.itemAtIndex(0).file).startsWith(folder + "/"),
                                 count + " rows in " + folder, null, 30000)
            waitForItemPolished(list)
            return list
        }

        // Clicks Open: the file shown as chosen is the one that opens.
        function clickOpen(dialog, list, shown, phase) {
            var button = shownButton("Open", dialogOf(list))
            var before = button.enabled + " " + dialog.selectedFile + " " + list.currentIndex + "/" + list.count
            mouseClick(button)
            tryVerify(() => !dialog.visible, 5000, phase + " open " + before + " -> " + button.enabled + " " + dialog.selectedFile)
            compare(shell.boardText, boardOf(shown), shown)
            shell.boardText = ""
        }

        function test_2_openOpensTheFileShownAsChosen() {
            var folder = String(harness.temporaryFileUrl("x")).replace(/\/x$/, "")
            saveBoard("Ks7d2c", folder + "/b-first.pellarisproj")
            saveBoard("Qh8h3d", folder + "/c-second.pellarisproj")
            var dialog = findChild(home, "openProjectDialog")
            home._rememberFolder(folder + "/b-first.pellarisproj")
            for (var round = 0; round < 3; ++round) {
                // Choose a row and open it.
                home.openOpenDialog()
                tryVerify(() => dialog.visible)
                var list = readyList(2 + round, folder)
                var row = null
                tryVerify(() => (row = list.itemAtIndex(round)) !== null && row.height > 0)
                mouseClick(row)
                clickOpen(dialog, list, String(list.currentItem.file), "clicked row " + round)

                // The next use: while it shows, a file that sorts first
                // comes into the folder, and the rows move under the
                // highlight. What is highlighted is what opens.
                home.openOpenDialog()
                tryVerify(() => dialog.visible)
                list = readyList(2 + round, folder)
                saveBoard("Jc9c4s", folder + "/a" + round + ".pellarisproj")
                shell.boardText = ""
                list = readyList(3 + round, folder)
                clickOpen(dialog, list, String(list.currentItem ? list.currentItem.file : dialog.selectedFile),
                          "highlighted row " + round)
            }
        }
    }
}
