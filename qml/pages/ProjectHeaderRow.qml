pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "../components" as Components

// The set-up page's title with the board's readiness badge, the solve's
// memory need against what is available, and the way on to the solve page.
RowLayout {
    id: header

    required property var page

    spacing: 0

    component MemoryLine: Text {
        Layout.fillWidth: true
        textFormat: Text.PlainText
        font.pixelSize: 11
        horizontalAlignment: Text.AlignRight
        wrapMode: Text.NoWrap
        elide: Text.ElideRight
        color: header.page._color("textMuted", "#8B949E")
    }

    Components.SectionHeader {
        objectName: "setupHeader"
        Layout.alignment: Qt.AlignVCenter
        theme: header.page.theme
        title: qsTranslate("ProjectPage", "Project Setup")
        badge: header.page._boardValid ? qsTranslate("ProjectPage", "Ready") : qsTranslate("ProjectPage", "Setup Required")
        badgeColor: header.page._boardValid ? header.page._color("success", "#3FB950")
                                            : header.page._color("warn", "#F0883E")
    }

    Item { Layout.fillWidth: true }

    ColumnLayout {
        Layout.alignment: Qt.AlignVCenter
        spacing: 2

        MemoryLine {
            objectName: "solveRamLine"
            text: qsTranslate("ProjectPage", "Solve RAM: %1").arg(header.page._solveRamText)
            color: header.page._memoryWarning ? header.page._color("danger", "#F85149")
                                              : header.page._color("textMuted", "#8B949E")
        }

        MemoryLine {
            objectName: "availableRamLine"
            text: qsTranslate("ProjectPage", "Available RAM: %1").arg(header.page._availableRamText)
        }
    }

    Item { implicitWidth: 12 }

    Components.PrimaryButton {
        objectName: "continueToSolveButton"
        theme: header.page.theme
        text: qsTranslate("ProjectPage", "Continue to Solve →")
        enabled: header.page.canSolve
        onClicked: header.page.goToSolve()
    }
}
