pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import "boardText.js" as BoardText
import "../theme" as ThemePack

// Says that the results on show belong to the spot that was solved, not to
// the set-up as it is now.
Rectangle {
    id: notice

    required property var page
    readonly property ThemePack.Theme _theme: page.theme
    readonly property color _tone: _theme ? _theme.warn : "#F0883E"

    implicitHeight: words.implicitHeight + 16
    radius: _theme ? _theme.radiusSm : 8
    color: _theme ? _theme.withOpacity(_tone, 0.12) : "#2A1F14"
    border.color: _tone

    Text {
        id: words
        objectName: "spotNoticeText"
        anchors.fill: parent
        anchors.margins: 8
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        font.pixelSize: 12
        color: notice._theme ? notice._theme.text : "#F0F6FC"
        text: qsTranslate("ResultsPage", "These results are for %1; the set-up has changed since: solve again to see it")
              .arg(BoardText.boardSymbols(notice.page.boardText))
    }
}
