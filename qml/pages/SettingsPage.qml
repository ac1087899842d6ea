import QtQuick
import Qt.labs.settings

// Settings page, for now its interface and the two functions that change
// and store the appearance.
Item {
    id: page

    property var theme
    property var type
    property bool darkMode: false

    Settings {
        id: uiStore
        category: "ui"
    }

    // "#" and 6 or 8 hex digits set the accent; the empty text drops the
    // override; anything else is ignored.
    function applyAccentHex(text) {
        if (!theme)
            return
        var hex = String(text === undefined || text === null ? "" : text).trim()
        if (hex === "") {
            theme.useAccentOverride = false
        } else if (/^#([0-9a-fA-F]{6}|[0-9a-fA-F]{8})$/.test(hex)) {
            theme.accentOverride = hex
            theme.useAccentOverride = true
        }
    }

    // Written at once: a settings property would reach the store only later.
    function saveSettings() {
        uiStore.setValue("darkMode", darkMode)
        var accent = theme && theme.useAccentOverride ? String(theme.accentOverride).toLowerCase() : ""
        uiStore.setValue("accentHex", accent)
        uiStore.sync()
    }
}
