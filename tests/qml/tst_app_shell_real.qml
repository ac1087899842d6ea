import QtQuick
import QtTest
import Pellaris

// The shell against the real controller: the map it builds for Quick Solve
// is the map the controller reads.
Item {
    id: root
    width: 800
    height: 600

    Component { id: shellComponent; AppShell { anchors.fill: parent } }

    TestCase {
        name: "AppShellRealController"
        when: windowShown

        function test_quickSolveMapIsAcceptedByTheController() {
            var shell = createTemporaryObject(shellComponent, root, { controller: appController })
            shell.resetToDefaults()
            shell.threadCount = 2
            // The estimate reads the map as a start does; a map it cannot
            // read gives no estimate, and canSolve would stay false.
            tryVerify(function () { return appController.solveRequiredMemoryBytes > 0 }, 60000)
            verify(shell._canSolveBase)
            if (!shell.canSolve)
                skip("the spot needs more memory than this machine has free")

            // Past the controller's own checks (board, ranges, sizings,
            // memory) the solve starts. The engine reads the whole request
            // before it first looks for a cancel, so a request it could not
            // read would end with "Error: ..." instead.
            keyClick(Qt.Key_F5)
            verify(appController.running, appController.statusText)
            keyClick(Qt.Key_Escape)
            tryVerify(function () { return !appController.running }, 120000)
            compare(appController.statusText, "Cancelled")
        }
    }
}
