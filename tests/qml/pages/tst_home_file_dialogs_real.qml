import QtQuick
import QtQuick.Controls
import QtTest
import Pellaris

// The home page's project dialogs against the real controller: they start
// in the folder used last (else the home folder), and the file the dialog
// hands over is saved without a second question, except where the page adds
// the suffix to a name that then names a file already there. The user's
// clicks in the platform's dialog are the window journeys' part.
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

        function folderUrl() { return String(harness.temporaryFileUrl("x")).replace(/\/x$/, "") }

        function boardIn(url) {
            shell.resetToNewProject()
            verify(home.openProjectFrom(url), url)
            return shell.boardText
        }

        // Opens the dialog through the page and closes it unused.
        function startFolderOf(name, opener) {
            var dialog = findChild(home, name)
            opener()
            tryVerify(() => dialog.visible, 5000, name + " shows")
            var folder = String(dialog.folder)
            dialog.reject()
            tryVerify(() => !dialog.visible)
            return folder
        }

        function test_dialogsStartInTheFolderUsedLast() {
            var home0 = String(appController.homeFolderUrl())
            compare(startFolderOf("openProjectDialog", home.openOpenDialog), home0)
            var folder = folderUrl()
            shell.boardText = "Ks7d2c"
            verify(home.saveProjectTo(folder + "/spot.pellarisproj"))
            compare(startFolderOf("saveProjectDialog", home.openSaveDialog), folder)
            compare(startFolderOf("openProjectDialog", home.openOpenDialog), folder)
        }

        function test_saveAsksOnlyWhereTheDialogDidNot() {
            var folder = folderUrl()
            var file = folder + "/d-spot.pellarisproj"
            var replace = findChild(home, "replaceFileDialog")
            shell.boardText = "Ks7d2c"
            home.saveChosenFile(folder + "/d-spot")
            verify(!replace.visible)
            compare(boardIn(file), "Ks7d2c")

            // The file the dialog named (it asked already): saved at once.
            shell.boardText = "Qh8h3d"
            home.saveChosenFile(file)
            verify(!replace.visible)
            compare(boardIn(file), "Qh8h3d")

            // The page added the suffix: it asks; Cancel keeps the file and
            // goes back to the dialog in that folder, Replace saves.
            shell.boardText = "As5d3h"
            home.saveChosenFile(folder + "/d-spot")
            tryVerify(() => replace.opened)
            verify(findChild(replace.contentItem, "messageText").text.indexOf("d-spot.pellarisproj already exists") >= 0)
            mouseClick(findChild(replace.footer, "messageCancelButton"))
            var dialog = findChild(home, "saveProjectDialog")
            tryVerify(() => dialog.visible)
            compare(String(dialog.folder), folder)
            dialog.reject()
            tryVerify(() => !dialog.visible && !replace.visible)
            compare(boardIn(file), "Qh8h3d")
            shell.boardText = "As5d3h"
            home.saveChosenFile(folder + "/d-spot")
            tryVerify(() => replace.opened)
            mouseClick(findChild(replace.footer, "messageOkButton"))
            tryVerify(() => !replace.visible)
            compare(boardIn(file), "As5d3h")
        }
    }
}
