pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import "../components"
import "../theme/themeRules.js" as ThemeRules

// A seat's range libraries beside its matrix: the category tabs, the folder
// list (one open folder per level) and the buttons of the shown library.
// The buttons sit at the bottom, level with the matrix's lower edge.
ColumnLayout {
    id: library

    required property var page
    required property string seat

    readonly property int category: page[seat + "RangeCategory"]
    readonly property var rows: page.listModelFor(seat)
    readonly property string selectedId: page[seat + "SelectedId"]

    function showCategory(cat) {
        page[seat + "RangeCategory"] = cat
    }

    // A newly selected row (a range just saved or imported, a folder just
    // added) is scrolled into sight, however far down a long list it went,
    // and kept there when the list changes height with the page; a row
    // already in sight stays where it is.
    function showSelectedRow() {
        var id = library.selectedId
        if (id === "")
            return
        var at = library.rows.findIndex(function (row) { return String(row.id) === id })
        if (at >= 0)
            rowList.positionViewAtIndex(at, ListView.Contain)
    }

    onSelectedIdChanged: showSelected.restart()

    // Once the list is built anew for the new selection.
    Timer {
        id: showSelected
        interval: 0
        onTriggered: library.showSelectedRow()
    }

    spacing: 8

    component TabButton: Button {
        id: tab
        required property int tabCategory
        readonly property bool current: library.category === tabCategory
        Layout.fillWidth: true
        implicitHeight: 28
        hoverEnabled: true
        text: library.page.categoryLabel(tabCategory)
        onClicked: library.showCategory(tabCategory)
        contentItem: Text {
            text: tab.text
            font.pixelSize: 11
            font.weight: tab.current ? Font.DemiBold : Font.Normal
            color: tab.current ? ThemeRules.roleColor(library.page.theme, "text", "#F0F6FC") : ThemeRules.roleColor(library.page.theme, "textMuted", "#8B949E")
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle {
            radius: ThemeRules.roleColor(library.page.theme, "radiusSm", 8)
            color: tab.current ? ThemeRules.roleColor(library.page.theme, "surface3", "#2D333B")
                 : tab.hovered ? ThemeRules.roleColor(library.page.theme, "surfaceHover", "#30363D") : ThemeRules.roleColor(library.page.theme, "surface2", "#21262D")
            border.width: 1
            border.color: tab.current ? ThemeRules.roleColor(library.page.theme, "strokeFocus", "#58A6FF") : ThemeRules.roleColor(library.page.theme, "stroke", "#30363D")
        }
    }

    // A long label in a narrow sidebar takes a smaller font rather than
    // lose its end.
    component ActionButton: ProjectDialogButton {
        Layout.fillWidth: true
        implicitHeight: 28
        font.pixelSize: 11
        minimumPixelSize: 9
        disabledOpacity: 0.55
        theme: library.page.theme
    }

    // Hold'em ranges only: short deck offers the Custom library alone.
    TabButton {
        objectName: library.seat + "StandardTab"
        tabCategory: 0
        visible: !library.page.isShortDeck
    }
    TabButton {
        objectName: library.seat + "PopulationTab"
        tabCategory: 1
        visible: !library.page.isShortDeck
    }
    TabButton {
        objectName: library.seat + "CustomTab"
        tabCategory: 2
    }

    Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: ThemeRules.roleColor(library.page.theme, "stroke", "#30363D")
        opacity: 0.4
    }

    ColumnLayout {
        objectName: library.seat + "LibraryList"
        Layout.fillWidth: true
        Layout.fillHeight: true
        spacing: 6

        Text {
            text: library.page.categoryLabel(library.category)
            font.pixelSize: 11
            font.weight: Font.DemiBold
            color: ThemeRules.roleColor(library.page.theme, "textMuted", "#8B949E")
        }

        // A view of its own: only the rows in sight are made, so a library
        // of any size opens and changes quickly, and the list scrolls
        // within the room the matrix beside it leaves.
        ListView {
            id: rowList
            objectName: library.seat + "LibraryRows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            // Three rows at least: the column is then as tall for every
            // library, full or empty, and both seats' columns stay level.
            Layout.minimumHeight: 3 * 26 + 2 * 6
            clip: true
            spacing: 6
            boundsBehavior: Flickable.StopAtBounds
            onHeightChanged: showSelected.restart()
            // A count, not the rows themselves: a list of rows as a model
            // would be copied whole at every change.
            model: library.rows.length
            // Wrapped in the list's width, which the three rows' height
            // leaves room for: whole in every language.
            Text {
                objectName: library.seat + "NoRanges"
                visible: library.page.rangesFor(library.seat, library.category).length === 0
                width: rowList.width
                wrapMode: Text.Wrap
                text: qsTranslate("ProjectPage", "No ranges yet.")
                font.pixelSize: 11
                color: ThemeRules.roleColor(library.page.theme, "textFaint", "#6E7681")
            }

            ScrollBar.vertical: ScrollBar {
                policy: rowList.contentHeight > rowList.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            delegate: Rectangle {
                id: row
                required property int index
                readonly property var modelData: library.rows[index] || ({ id: "", kind: "range", name: "", displayName: "", depth: 0 })
                readonly property bool selected: library.selectedId === String(modelData.id)
                readonly property bool isFolder: modelData.kind === "folder"
                readonly property bool open: isFolder && library.page[library.seat + "OpenFolderIds"][modelData.id] === true
                objectName: library.seat + "LibraryRow_" + modelData.name
                width: rowList.width - (rowList.contentHeight > rowList.height ? 10 : 0)
                height: 26
                radius: ThemeRules.roleColor(library.page.theme, "radiusSm", 8)
                color: selected ? ThemeRules.roleColor(library.page.theme, "surface3", "#2D333B")
                     : rowArea.containsMouse ? ThemeRules.roleColor(library.page.theme, "surfaceHover", "#30363D") : ThemeRules.roleColor(library.page.theme, "surface2", "#21262D")
                border.width: 1
                border.color: selected ? ThemeRules.roleColor(library.page.theme, "strokeFocus", "#58A6FF") : ThemeRules.roleColor(library.page.theme, "stroke", "#30363D")

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 10 + 14 * row.modelData.depth
                    anchors.rightMargin: 10
                    spacing: 6

                    Icon {
                        name: row.isFolder ? "folder-open" : "file-text"
                        size: 14
                        color: ThemeRules.roleColor(library.page.theme, "textMuted", "#8B949E")
                        iconOpacity: row.open ? 1.0 : 0.75
                    }

                    // One line whatever the name holds: a line break ends
                    // what shows, and the whole name is in the tooltip.
                    Text {
                        id: rowLabel
                        objectName: "rowLabel"
                        Layout.fillWidth: true
                        text: row.modelData.displayName !== "" ? row.modelData.displayName : row.modelData.name
                        textFormat: Text.PlainText
                        wrapMode: Text.NoWrap
                        maximumLineCount: 1
                        elide: Text.ElideRight
                        font.pixelSize: 11
                        color: ThemeRules.roleColor(library.page.theme, "text", "#F0F6FC")
                    }
                }

                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: library.page.selectLibraryRow(library.seat, row.modelData)
                }

                // Long built-in names are cut in the narrow list; the whole
                // name shows on hover. The tip is made only then: the rows
                // in sight are made again at each change of the list.
                Loader {
                    active: rowArea.containsMouse && rowLabel.truncated
                    sourceComponent: PlainToolTip {
                        theme: library.page.theme
                        visible: true
                        delay: 500
                        text: rowLabel.text
                    }
                }
            }
        }


        // The two problems below wrap at the width the list is given and ask
        // for none of their own: a wrapped text's natural width changes with
        // the width it is wrapped at, so asked for, it would move the matrix
        // beside the list at every relayout, and the matrix the list back.
        Text {
            Layout.fillWidth: true
            Layout.preferredWidth: 0
            visible: library.category === 0 && library.page._presetLoadError.trim() !== ""
            text: library.page._presetLoadError
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 10
            color: ThemeRules.roleColor(library.page.theme, "danger", "#F85149")
        }

        Text {
            objectName: library.seat + "LibraryStoreError"
            Layout.fillWidth: true
            Layout.preferredWidth: 0
            visible: text !== ""
            // A store that cannot be read says so first; a list in it that
            // cannot be read is named as damaged.
            text: library.page["_" + library.seat + "LibraryStoreError"] !== ""
                  ? library.page["_" + library.seat + "LibraryStoreError"]
                  : library.page["_" + library.seat + "LibraryDamaged"] === true && library.category === 2
                  ? qsTr("The saved Custom ranges are damaged and cannot be read. The damaged text is set aside when a range is saved.")
                  : library.category < 2
                    && library.page._overridesDamaged[library.seat + (library.category === 0 ? "Standard" : "Exploit") + "OverridesJson"] === true
                  ? qsTr("The saved overrides of this library are damaged and cannot be read. The damaged text is set aside when an override is saved or the overrides are cleared.")
                  : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 10
            color: ThemeRules.roleColor(library.page.theme, "danger", "#F85149")
        }

        // The developers' commands on a built-in library.
        ColumnLayout {
            id: devButtons
            readonly property bool standard: library.category === 0
            Layout.fillWidth: true
            visible: library.page.developerMode && library.category !== 2
            spacing: 6

            ActionButton {
                objectName: library.seat + "OverrideButton"
                text: qsTranslate("ProjectPage", "Override")
                enabled: devButtons.standard ? library.page.canOverrideStandard(library.seat)
                                             : library.page.canOverrideExploit(library.seat)
                onClicked: devButtons.standard ? library.page.overrideSelectedStandardRange(library.seat)
                                               : library.page.overrideSelectedExploitRange(library.seat)
            }
            ActionButton {
                objectName: library.seat + "ExportLibraryButton"
                text: devButtons.standard ? qsTranslate("ProjectPage", "Export standard…") : qsTranslate("ProjectPage", "Export population…")
                onClicked: devButtons.standard ? library.page.openExportStandardDialog()
                                               : library.page.openExportExploitDialog()
            }
            ActionButton {
                objectName: library.seat + "ClearOverridesButton"
                look: "dangerFill"
                text: qsTranslate("ProjectPage", "Clear overrides…")
                onClicked: devButtons.standard ? library.page.openClearStandardOverridesDialog(library.seat)
                                               : library.page.openClearExploitOverridesDialog(library.seat)
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            visible: library.category === 2
            spacing: 6

            ActionButton {
                objectName: library.seat + "SaveRangeButton"
                text: qsTranslate("ProjectPage", "Save current range…")
                enabled: String(library.page[library.seat + "RangeText"]).trim() !== ""
                onClicked: library.page.openSaveRangeDialog(library.seat)
            }
            ActionButton {
                objectName: library.seat + "ImportRangeButton"
                text: qsTranslate("ProjectPage", "Import range…")
                onClicked: library.page.openImportRangeDialog(library.seat)
            }
            ActionButton {
                objectName: library.seat + "AddFolderButton"
                text: qsTranslate("ProjectPage", "Add folder…")
                onClicked: library.page.openAddFolderDialog(library.seat)
            }
            ActionButton {
                objectName: library.seat + "DeleteSelectedButton"
                look: "dangerOutline"
                text: qsTranslate("ProjectPage", "Delete selected…")
                enabled: library.selectedId !== ""
                onClicked: library.page.openDeleteSelectedDialog(library.seat)
            }
        }
    }
}
