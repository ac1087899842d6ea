pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "../theme/themeRules.js" as ThemeRules

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
        color: ThemeRules.roleColor(header.page.theme, "textMuted", "#8B949E")
    }

    Components.SectionHeader {
        objectName: "setupHeader"
        Layout.alignment: Qt.AlignVCenter
        theme: header.page.theme
        title: qsTranslate("ProjectPage", "Project Setup")
        badge: {
            if (!header.page._boardValid)
                return qsTranslate("ProjectPage", "Setup Required")
            if (header.page.canSolve)
                return qsTranslate("ProjectPage", "Ready")
            if (header.page.estimateMeasuring)
                return qsTranslate("ProjectPage", "Measuring…")
            return qsTranslate("ProjectPage", "Not Ready")
        }
        badgeColor: !header.page._boardValid ? ThemeRules.roleColor(header.page.theme, "warn", "#F0883E")
                    : header.page.canSolve ? ThemeRules.roleColor(header.page.theme, "success", "#3FB950")
                    : header.page.estimateMeasuring ? ThemeRules.roleColor(header.page.theme, "textMuted", "#8B949E")
                    : ThemeRules.roleColor(header.page.theme, "danger", "#F85149")

        HoverHandler { id: badgeHover }
        Components.PlainToolTip {
            objectName: "badgeTooltip"
            theme: header.page.theme
            visible: badgeHover.hovered && header.page.solveBlockReason !== ""
            text: header.page.solveBlockReason
        }
    }

    Item { Layout.fillWidth: true }

    // As wide as its longest line when there is room; else the lines are
    // elided, never wrapped over the title.
    ColumnLayout {
        Layout.alignment: Qt.AlignVCenter
        Layout.fillWidth: true
        Layout.leftMargin: 12
        Layout.minimumWidth: 0
        Layout.maximumWidth: implicitWidth
        spacing: 2

        // The refusal stands where the figure would: a figure for a spot
        // the solve refuses, or for the spot before, would mislead. One
        // line, whole on hover.
        MemoryLine {
            id: solveRamLine
            objectName: "solveRamLine"
            readonly property bool refused: !header.page.canSolve && header.page.solveBlockReason !== ""
            text: refused ? header.page.solveBlockReason
                  : header.page.estimateMeasuring ? qsTranslate("ProjectPage", "Solve RAM: measuring…")
                  : qsTranslate("ProjectPage", "Solve RAM: %1").arg(header.page._solveRamText)
            color: refused || header.page._memoryWarning ? ThemeRules.roleColor(header.page.theme, "danger", "#F85149")
                                                         : ThemeRules.roleColor(header.page.theme, "textMuted", "#8B949E")

            HoverHandler { id: ramLineHover }
            Components.PlainToolTip {
                objectName: "solveRamLineTooltip"
                theme: header.page.theme
                visible: ramLineHover.hovered && solveRamLine.truncated
                text: solveRamLine.text
            }
        }

        MemoryLine {
            objectName: "availableRamLine"
            text: qsTranslate("ProjectPage", "Available RAM: %1").arg(header.page._availableRamText)
        }
    }

    Item { implicitWidth: 12 }

    // A disabled button takes no hover, so the wrapper explains it.
    Item {
        implicitWidth: continueButton.implicitWidth
        implicitHeight: continueButton.implicitHeight

        Components.PrimaryButton {
            id: continueButton
            objectName: "continueToSolveButton"
            anchors.fill: parent
            theme: header.page.theme
            text: qsTranslate("ProjectPage", "Continue to Solve →")
            enabled: header.page.canSolve
            onClicked: header.page.goToSolve()
        }

        HoverHandler { id: continueHover }

        Components.PlainToolTip {
            objectName: "continueTooltip"
            theme: header.page.theme
            delay: 300
            readonly property string why: header.page.solveBlockReason !== "" ? header.page.solveBlockReason
                                          : header.page.estimateMeasuring ? qsTranslate("ProjectPage", "Solve RAM: measuring…") : ""
            visible: continueHover.hovered && !header.page.canSolve && why !== ""
            text: why
        }
    }
}
