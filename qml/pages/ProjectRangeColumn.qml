import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components"
import "numericFields.js" as NumericFields
import "../theme/themeRules.js" as ThemeRules

// One seat's range: a header with "Clear", the paintable hand matrix beside
// the library sidebar, and the click weight and range text under them. The
// range text is the page's; every edit here writes a whole new text.
Card {
    id: column

    required property var page
    required property string seat

    readonly property alias matrix: matrix
    readonly property string rangeText: page[seat + "RangeText"]
    // The text as the solve reads it: what the matrix lights, or the refusal
    // (worded again when the language changes).
    readonly property var reading: page.readRange(rangeText)
    // The narrowest the column gets: the matrix at its smallest cells beside
    // the library at its least width.
    readonly property real leastWidth: matrix.rankCount * (matrix.minCellSize + matrix.cellSpacing) - matrix.cellSpacing
        + 12 + library.Layout.minimumWidth + leftPadding + rightPadding

    // The longest range laid out whole unless it is being edited.
    readonly property int longestLaidOut: 4096

    function setRangeText(text) {
        page[seat + "RangeText"] = text
    }

    theme: page.theme

    ColumnLayout {
        width: column.availableWidth
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            // The layout sizes its items from their implicit size: a dot
            // with only a width is laid out at none while the page is made
            // hidden, and stays so until some later relayout.
            Rectangle {
                objectName: column.seat + "SeatDot"
                implicitWidth: 10
                implicitHeight: 10
                Layout.alignment: Qt.AlignVCenter
                radius: 5
                color: column.seat === "oop" ? ThemeRules.roleColor(column.page.theme, "actionBet", "#A371F7") : ThemeRules.roleColor(column.page.theme, "info", "#58A6FF")
            }

            Text {
                text: column.seat === "oop" ? qsTranslate("ProjectPage", "OOP Range") : qsTranslate("ProjectPage", "IP Range")
                font.pixelSize: 15
                font.bold: true
                color: ThemeRules.roleColor(column.page.theme, "text", "#F0F6FC")
            }

            Item { Layout.fillWidth: true }

            Button {
                id: clearButton
                objectName: column.seat + "ClearRangeButton"
                implicitWidth: Math.max(42, (contentItem ? contentItem.implicitWidth : 0) + 12)
                implicitHeight: 24
                padding: 0
                text: qsTranslate("ProjectPage", "Clear")
                onClicked: column.setRangeText("")
                contentItem: Text {
                    text: clearButton.text
                    font.pixelSize: 10
                    color: ThemeRules.roleColor(column.page.theme, "textMuted", "#8B949E")
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    radius: 6
                    color: clearButton.down ? ThemeRules.roleColor(column.page.theme, "surface3", "#2D333B") : ThemeRules.roleColor(column.page.theme, "surface2", "#21262D")
                    border.width: 1
                    border.color: ThemeRules.roleColor(column.page.theme, "stroke", "#30363D")
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            HandMatrix {
                id: matrix
                objectName: column.seat + "Matrix"
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.preferredWidth: implicitWidth
                Layout.preferredHeight: effectiveMatrixSize
                Layout.minimumHeight: effectiveMatrixSize
                theme: column.page.theme
                ranks: column.page.variantRanks
                weights: column.reading.weights
                editable: true
                autoFitToWidth: true
                minCellSize: 26
                cellSize: Math.max(28, Math.round(36 * column.page.uiScale))
                onHandPainted: (hand, desiredOn, currentWeight) =>
                    column.page.paintHand(column.seat, hand, desiredOn, currentWeight)
            }

            ProjectRangeLibrary {
                id: library
                objectName: column.seat + "Library"
                Layout.alignment: Qt.AlignTop
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumWidth: Math.max(150, Math.round(180 * column.page.uiScale))
                page: column.page
                seat: column.seat
            }
        }

        RowLayout {
            Layout.preferredWidth: matrix.implicitWidth
            spacing: 8

            Text {
                text: qsTranslate("ProjectPage", "Weight")
                font.pixelSize: 12
                color: ThemeRules.roleColor(column.page.theme, "textMuted", "#8B949E")
            }

            ProjectNumberField {
                objectName: column.seat === "oop" ? "oopClickWeightField" : "ipClickWeightField"
                Layout.preferredWidth: Math.max(56, Math.round(70 * column.page.uiScale), shownWidth)
                theme: column.page.theme
                rule: NumericFields.RULES.clickWeight
                live: true
                placeholderText: "100"
                value: column.page[column.seat + "ClickWeightPct"]
                onCommit: v => column.page[column.seat + "ClickWeightPct"] = v
            }

            Text {
                text: "%"
                font.pixelSize: 12
                color: ThemeRules.roleColor(column.page.theme, "textMuted", "#8B949E")
            }

            // Unfocused, the field's own text is hidden and a centred,
            // elided line shows the range instead. A long range is laid out
            // in the field only while it is edited there: laying out a
            // megabyte of text takes longer than reading it.
            ProjectTextField {
                id: rangeInput
                objectName: column.seat + "RangeInput"
                Layout.fillWidth: true
                theme: column.page.theme
                mono: true
                text: activeFocus || column.rangeText.length <= column.longestLaidOut ? column.rangeText : ""
                // A range stays whole however long it is; the reader refuses
                // what it cannot take, with the reason below the field.
                maximumLength: 2147483647
                color: activeFocus ? ThemeRules.roleColor(column.page.theme, "text", "#F0F6FC") : "transparent"
                placeholderText: activeFocus ? rangeOverlay.placeholder : ""
                onTextEdited: column.setRangeText(rangeInput.text)

                Text {
                    id: rangeOverlay
                    readonly property string placeholder: qsTranslate("ProjectPage", "e.g., AA, KK, AKs, QQ+ or 50%")
                    anchors.fill: parent
                    anchors.leftMargin: 10
                    anchors.rightMargin: 10
                    visible: !rangeInput.activeFocus
                    // One elided line: the start of a long range is all it
                    // can show, and eliding a whole long text costs a frame.
                    text: column.rangeText !== "" ? column.rangeText.substring(0, 1000) : placeholder
                    textFormat: Text.PlainText
                    font: rangeInput.font
                    color: column.rangeText !== "" ? ThemeRules.roleColor(column.page.theme, "text", "#F0F6FC") : ThemeRules.roleColor(column.page.theme, "textFaint", "#6E7681")
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    maximumLineCount: 1
                    clip: true
                }

                // The line cut at the field's width: the whole range (or
                // hint) on hover, wrapped to the field's width. A range
                // longer than the field lays out is more than a window
                // holds; its start shows, and the field holds it whole.
                HoverHandler { id: rangeInputHover }
                PlainToolTip {
                    objectName: column.seat + "RangeTextTip"
                    theme: column.page.theme
                    visible: rangeInputHover.hovered && !rangeInput.activeFocus && rangeOverlay.truncated
                    delay: 400
                    maximumWidth: Math.max(480, rangeInput.width)
                    text: column.rangeText === "" ? rangeOverlay.placeholder
                        : column.rangeText.length <= column.longestLaidOut ? column.rangeText
                        : column.rangeText.substring(0, column.longestLaidOut) + "\u2026"
                }
            }
        }

        // One line however long the reason; the whole of it on hover. A
        // range the solver reads may still name hands the deck cannot
        // deal: a notice says which were left out.
        Text {
            id: rangeError
            objectName: column.seat + "RangeError"
            Layout.fillWidth: true
            visible: text !== ""
            text: column.reading.ok === false
                  ? qsTranslate("ProjectPage", "The solver cannot read this range: %1").arg(column.reading.error)
                  : String(column.reading.notice || "")
            textFormat: Text.PlainText
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
            maximumLineCount: 1
            font.pixelSize: 11
            color: ThemeRules.roleColor(column.page.theme, column.reading.ok === false ? "danger" : "warn",
                                        column.reading.ok === false ? "#F85149" : "#F0883E")

            HoverHandler { id: rangeErrorHover }
            PlainToolTip {
                objectName: column.seat + "RangeErrorTip"
                theme: column.theme
                visible: rangeErrorHover.hovered && rangeError.truncated
                text: rangeError.text
            }
        }
    }
}
