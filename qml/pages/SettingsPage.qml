import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components" as Components
import "settingsRules.js" as SettingsRules
import "../theme" as ThemePack
import Pellaris as Published

// Appearance, language, licences and updates. Colour changes act on the
// shared theme at once and reach the store only through "Save Settings" or
// "Reset to Defaults"; a language choice is applied and stored at once.
Item {
    id: page

    property ThemePack.Theme theme
    property var type
    property bool darkMode: false

    // The program's language and update managers and controller; tests give
    // the page stand-ins.
    // qmllint disable unqualified
    property Published.LanguageManager languages: typeof languageManager !== "undefined" ? languageManager : null
    property Published.UpdateManager updateManager: typeof updates !== "undefined" ? updates : null
    property Published.AppController controller: typeof appController !== "undefined" ? appController : null
    // qmllint enable unqualified

    readonly property var accentSwatches: [
        { label: qsTr("Green"), hex: "#3FB950" },
        { label: qsTr("Blue"), hex: "#58A6FF" },
        { label: qsTr("Purple"), hex: "#A371F7" },
        { label: qsTr("Gold"), hex: "#F0B429" },
        { label: qsTr("Orange"), hex: "#F0883E" },
        { label: qsTr("Red"), hex: "#F85149" }
    ]

    // Every name but the first is written in its own language. The list
    // itself holds no translated text, so a language switch does not replace
    // it (which would send the language box back to its first entry); the
    // first entry's name is translated where it is shown (`languageLabel`).
    readonly property var languageOptions: [
        { label: "System default", code: "system" },
        { label: "English", code: "en" },
        { label: "Español", code: "es" },
        { label: "Français", code: "fr" },
        { label: "Deutsch", code: "de" },
        { label: "Português (Brasil)", code: "pt_BR" },
        { label: "Italiano", code: "it" },
        { label: "Polski", code: "pl" },
        { label: "Русский", code: "ru" }
    ]
    property int languageIndex: 0
    // Why the settings store did not keep the last save or language
    // choice, in the language chosen; "" when it did.
    property string storeError: ""

    function languageLabel(option) {
        if (!option)
            return ""
        return option.code === "system" ? qsTr("System default") : option.label
    }

    // The colour a swatch is compared with.
    readonly property color currentAccent: theme ? (theme.useAccentOverride ? theme.accentOverride : theme.accent) : "#3FB950"

    Published.SettingsSection {
        id: uiStore
        category: "ui"
    }

    function _isValidHexColor(s) {
        return SettingsRules.isValidHexColor(s)
    }

    // "#" and 6 or 8 hex digits set the accent; the empty text drops the
    // override; anything else is ignored.
    function applyAccentHex(text) {
        if (!theme)
            return
        var hex = String(text === undefined || text === null ? "" : text).trim()
        if (hex === "") {
            theme.useAccentOverride = false
        } else if (_isValidHexColor(hex)) {
            theme.accentOverride = hex
            theme.useAccentOverride = true
        }
    }

    function saveSettings() {
        var accent = theme && theme.useAccentOverride ? SettingsRules.colorHexText(theme.accentOverride) : ""
        storeError = uiStore.write({ darkMode: darkMode === true, accentHex: accent })
    }

    function resetToDefaults() {
        darkMode = true
        applyAccentHex("")
        saveSettings()
    }

    function selectCurrentLanguage() {
        var code = languages ? languages.currentLanguage : "system"
        languageIndex = SettingsRules.languageIndex(languageOptions.map(o => o.code), code)
    }

    function chooseLanguage(index) {
        if (index < 0 || index >= languageOptions.length)
            return
        languageIndex = index
        if (!languages)
            return
        languages.setLanguage(languageOptions[index].code)
        // The language applies for this session even when it cannot be
        // kept for the next; the page says so.
        var problem = languages.saveProblem()
        storeError = problem === undefined || problem === null ? "" : String(problem)
    }

    // Scrolls the store problem into view once it has its place, when it
    // is new and below what is shown.
    function _showStoreError() {
        if (!storeErrorLine.revealPending || !storeErrorLine.visible || storeErrorLine.y <= 0)
            return
        storeErrorLine.revealPending = false
        var bottom = storeErrorLine.mapToItem(content, 0, storeErrorLine.height).y + 8
        if (bottom > scroller.contentY + scroller.height)
            scroller.contentY = Math.max(0, bottom - scroller.height)
    }

    function requestUpdate() {
        installDialog.open()
    }

    // Where updates are not run in place the download folder opens instead,
    // and the confirmation says so.
    readonly property bool _updateInstallsInPlace: !updateManager || String(updateManager.updateNowAction) === "install"

    Components.MessageBox {
        id: installDialog
        objectName: "installUpdateDialog"
        theme: page.theme
        question: true
        title: qsTr("Install update?")
        message: page._updateInstallsInPlace
                 ? qsTr("Pellaris will close to install the update. Continue?")
                 : qsTr("The update will be downloaded and the folder holding it will open; Pellaris stays open. Continue?")
        onAccepted: if (page.updateManager) page.updateManager.updateNow()
    }

    Connections {
        target: page.languages
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() { page.selectCurrentLanguage() }
    }

    Flickable {
        id: scroller
        objectName: "settingsScroll"
        anchors.fill: parent
        contentWidth: width
        contentHeight: content.implicitHeight + 4
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

        ColumnLayout {
            id: content
            width: scroller.width
            spacing: 16

            Item { implicitHeight: 4 }

            Components.SectionHeader {
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                Layout.fillWidth: true
                theme: page.theme
                title: qsTr("Settings")
            }

            ColumnLayout {
                id: column
                readonly property real columnWidth: Math.max(0, Math.min(page.width * 0.66, page.width - 48))
                Layout.alignment: Qt.AlignHCenter
                Layout.fillWidth: false
                Layout.preferredWidth: columnWidth
                Layout.maximumWidth: columnWidth
                spacing: 16

                SettingsAppearanceCard {
                    Layout.fillWidth: true
                    page: page
                }

                SettingsLicensesCard {
                    Layout.fillWidth: true
                    page: page
                }

                SettingsUpdatesCard {
                    Layout.fillWidth: true
                    page: page
                }

                Text {
                    id: storeErrorLine
                    objectName: "settingsStoreError"
                    Layout.fillWidth: true
                    visible: text !== ""
                    text: page.storeError
                    // A problem with a change made higher up (the language)
                    // is scrolled into view once laid out.
                    property bool revealPending: false
                    onTextChanged: {
                        revealPending = text !== ""
                        page._showStoreError()
                    }
                    onYChanged: page._showStoreError()
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignRight
                    font.pixelSize: 12
                    color: page.theme ? page.theme.danger : "#F85149"
                }

                Row {
                    Layout.alignment: Qt.AlignRight
                    spacing: 12

                    Components.SecondaryButton {
                        objectName: "resetDefaultsButton"
                        theme: page.theme
                        text: qsTr("Reset to Defaults")
                        onClicked: page.resetToDefaults()
                    }

                    Components.PrimaryButton {
                        objectName: "saveSettingsButton"
                        theme: page.theme
                        text: qsTr("Save Settings")
                        onClicked: page.saveSettings()
                    }
                }
            }

            Item { implicitHeight: 24 }
        }
    }

    Component.onCompleted: selectCurrentLanguage()
}
