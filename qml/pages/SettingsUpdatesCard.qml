import QtQuick
import QtQuick.Layouts
import "../components" as Components
import "settingsRules.js" as SettingsRules
import "../theme" as ThemePack

// The installed version, what the last check found, the download and the
// two update buttons. Everything follows the update manager's properties.
Components.Card {
    id: card

    required property var page
    theme: page.theme

    readonly property var _u: page.updateManager
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"
    readonly property bool _busy: _u ? _u.busy === true : false
    readonly property bool _available: _u ? _u.updateAvailable === true : false
    readonly property bool _downloadBusy: _u ? _u.downloadBusy === true : false
    readonly property bool _downloaded: _u ? _u.downloaded === true : false
    readonly property string _error: _u && _u.lastError ? String(_u.lastError) : ""
    readonly property var _checkedAt: _u ? _u.lastCheckedAt : undefined
    readonly property bool _checked: _checkedAt instanceof Date && !isNaN(_checkedAt.getTime())
    // The last check read the manifest: a failed one (its error cleared by a
    // language switch, say) tells nothing about updates.
    readonly property var _succeededAt: _u ? _u.lastSuccessAt : undefined
    readonly property bool _checkSucceeded: _checked && _succeededAt instanceof Date
        && !isNaN(_succeededAt.getTime()) && _succeededAt.getTime() >= _checkedAt.getTime()
    readonly property real _progress: _u ? Math.max(0, Math.min(1, Number(_u.downloadProgress) || 0)) : 0
    readonly property string _downloadLine: SettingsRules.downloadLine(_downloadBusy, _downloaded, _u ? _u.downloadBytesTotal : 0)

    component StatusLine: Text {
        property ThemePack.Theme theme
        Layout.fillWidth: true
        textFormat: Text.PlainText
        font.pixelSize: 12
        wrapMode: Text.Wrap
        color: theme ? theme.textMuted : "#8B949E"
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        Components.CardHeader {
            Layout.fillWidth: true
            theme: card.theme
            iconName: "trend-up"
            title: qsTranslate("SettingsPage", "Updates")
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 6

            StatusLine {

                theme: card.theme
                objectName: "currentVersionLine"
                text: qsTranslate("SettingsPage", "Current version: %1").arg(card._u && card._u.currentVersion ? String(card._u.currentVersion) : qsTranslate("SettingsPage", "Unknown"))
            }
            StatusLine {
                theme: card.theme
                objectName: "lastCheckedLine"
                visible: card._checked
                text: card._checked ? qsTranslate("SettingsPage", "Last checked: %1").arg(card._checkedAt.toLocaleString(Qt.locale(), Locale.LongFormat)) : ""
            }
            StatusLine {
                theme: card.theme
                objectName: "updateErrorLine"
                visible: card._error !== ""
                text: card._error
                color: card.theme ? card.theme.danger : "#F85149"
            }
            StatusLine {
                theme: card.theme
                objectName: "updateAvailableLine"
                visible: card._available
                text: qsTranslate("SettingsPage", "Update available: %1").arg(card._u ? String(card._u.latestVersion) : "")
                color: card.theme ? card.theme.success : "#3FB950"
            }
            StatusLine {
                theme: card.theme
                objectName: "noUpdatesLine"
                visible: !card._busy && card._checkSucceeded && !card._available && card._error === ""
                text: qsTranslate("SettingsPage", "No updates available.")
            }
            StatusLine {
                theme: card.theme
                objectName: "releaseNotesLine"
                visible: card._available && text.trim() !== ""
                text: card._u && card._u.releaseNotes ? String(card._u.releaseNotes) : ""
            }

            ColumnLayout {
                Layout.fillWidth: true
                visible: card._downloadBusy || card._downloaded
                spacing: 6

                Rectangle {
                    objectName: "downloadTrack"
                    Layout.fillWidth: true
                    implicitHeight: 8
                    radius: 4
                    color: card.theme ? card.theme.surface3 : "#2D333B"

                    Rectangle {
                        objectName: "downloadFill"
                        width: parent.width * card._progress
                        height: parent.height
                        radius: 4
                        gradient: Gradient {
                            orientation: Gradient.Horizontal
                            GradientStop { position: 0; color: card.theme ? card.theme.accent : "#3FB950" }
                            GradientStop { position: 1; color: card.theme ? card.theme.accentMuted : "#238636" }
                        }
                        Behavior on width { NumberAnimation { duration: 150 } }
                    }
                }

                StatusLine {

                    theme: card.theme
                    objectName: "downloadLine"
                    text: card._downloadLine === "done" ? qsTranslate("SettingsPage", "Downloaded")
                        : card._downloadLine === "percent" ? qsTranslate("SettingsPage", "Downloading: %1%").arg(Math.floor(100 * card._progress))
                        : qsTranslate("SettingsPage", "Downloading…")
                }
            }
        }

        Row {
            spacing: 12

            Components.SecondaryButton {
                objectName: "checkUpdatesButton"
                theme: card.theme
                text: card._busy ? qsTranslate("SettingsPage", "Checking...") : qsTranslate("SettingsPage", "Check for updates")
                enabled: card._u !== null && card._u !== undefined && !card._busy
                onClicked: card._u.checkNow()
            }

            Components.PrimaryButton {
                objectName: "updateNowButton"
                theme: card.theme
                text: card._downloadBusy ? qsTranslate("SettingsPage", "Updating…") : card._downloaded ? qsTranslate("SettingsPage", "Install update") : qsTranslate("SettingsPage", "Update")
                enabled: card._available && !card._downloadBusy
                onClicked: card.page.requestUpdate()
            }
        }
    }
}
