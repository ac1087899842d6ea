import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components" as Components
import "../theme/themeRules.js" as ThemeRules

// A small popup under an option button with a caption and one switch. A
// press outside closes it through a layer just beneath it that takes the
// press, so the control under the pointer does not act, and a press on the
// opener closes it for good rather than closing and reopening it.
Item {
    id: holder

    required property var page
    property string popupName: ""
    property string caption: ""
    property string buttonText: ""
    readonly property alias popup: popup
    readonly property Item _host: page.Window.window ? page.Window.window.contentItem : page

    signal place()
    signal switchClicked()

    function toggle() {
        if (popup.visible) {
            popup.close()
            return
        }
        place()
        popup.open()
    }

    Item {
        objectName: holder.popupName + "DismissLayer"
        parent: holder._host
        anchors.fill: parent
        visible: popup.visible
        z: 9999

        MouseArea {
            anchors.fill: parent
            onPressed: popup.close()
        }
    }

    Popup {
        id: popup
        objectName: holder.popupName
        parent: holder._host
        modal: false
        focus: true
        z: 10000
        padding: 0
        closePolicy: Popup.CloseOnEscape
        onClosed: holder.page.shieldPressesOver(popup)

        background: Rectangle {
            radius: holder.page.theme ? holder.page.theme.radiusSm : 10
            color: ThemeRules.roleColor(holder.page.theme, "surface", "#1C2128")
            border.width: 1
            border.color: ThemeRules.roleColor(holder.page.theme, "stroke", "#30363D")
        }

        Item {
            implicitWidth: 220
            implicitHeight: column.implicitHeight + 18

            ColumnLayout {
                id: column
                anchors.fill: parent
                anchors.margins: 10
                spacing: 8

                Text {
                    text: holder.caption
                    font.pixelSize: 12
                    color: ThemeRules.roleColor(holder.page.theme, "textMuted", "#8B949E")
                }

                Components.SecondaryButton {
                    objectName: holder.popupName + "SwitchButton"
                    Layout.fillWidth: true
                    theme: holder.page.theme
                    font.pixelSize: 12
                    text: holder.buttonText
                    onClicked: {
                        holder.switchClicked()
                        popup.close()
                    }
                }
            }
        }
    }
}
