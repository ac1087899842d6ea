import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "../theme" as ThemePack

// The home page's banner: the program's name, its line, and the three
// project buttons.
Rectangle {
    id: hero

    required property var page
    readonly property ThemePack.Theme theme: page.theme

    radius: theme ? theme.radiusLg : 16
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"
    gradient: Gradient {
        orientation: Gradient.Horizontal
        GradientStop { position: 0; color: hero.theme ? hero.theme.surface : "#1C2128" }
        GradientStop { position: 1; color: Qt.darker(hero.theme ? hero.theme.accent : "#3FB950", 1.5) }
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.leftMargin: 28
        anchors.rightMargin: 28
        spacing: 6

        Text {
            objectName: "heroTitle"
            text: qsTranslate("HomePage", "Pellaris")
            textFormat: Text.PlainText
            font.pixelSize: 28
            font.bold: true
            color: hero.theme ? hero.theme.text : "#F0F6FC"
        }

        Text {
            Layout.fillWidth: true
            text: qsTranslate("HomePage", "A modern, high-performance holdem solver")
            textFormat: Text.PlainText
            font.pixelSize: 14
            color: hero.theme ? hero.theme.textMuted : "#8B949E"
            elide: Text.ElideRight
        }

        Row {
            Layout.topMargin: 14
            spacing: 12

            Components.PrimaryButton {
                objectName: "heroNewSolveButton"
                theme: hero.theme
                text: qsTranslate("HomePage", "New Solve")
                iconText: "+"
                onClicked: hero.page.newProject()
            }

            Components.SecondaryButton {
                objectName: "saveProjectButton"
                theme: hero.theme
                width: implicitWidth * 1.5
                text: qsTranslate("HomePage", "Save")
                iconName: "save"
                onClicked: hero.page.openSaveDialog()
            }

            Components.SecondaryButton {
                objectName: "openProjectButton"
                theme: hero.theme
                width: implicitWidth * 1.25
                text: qsTranslate("HomePage", "Open File")
                iconName: "folder-open"
                onClicked: hero.page.openOpenDialog()
            }
        }
    }
}
