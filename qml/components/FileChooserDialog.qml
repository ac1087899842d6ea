pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Templates as T
import Qt.labs.folderlistmodel
import "../theme" as ThemePack

// The program's own dialog for choosing a file to open or a name to save
// under. A click on a file chooses it (saving: puts its name in the name
// field), a double-click on a file takes that very file at once, a double-
// click on a folder goes into it. What the dialog hands over on `accepted`
// is always the file the user clicked or the name the field holds: nothing
// from an earlier use stands in for it.
Dialog {
    id: chooser

    property ThemePack.Theme theme
    // Saving: the name field is shown, and the dialog's answer is its text.
    property bool saving: false
    property string acceptLabel: saving ? qsTr("Save") : qsTr("Open")
    // Filters as "Name (*.a *.b)"; the first is in force when the dialog opens.
    property var nameFilters: []
    property url currentFolder
    // The file chosen (opening) or clicked last (saving).
    property url selectedFile
    // The name the field holds (saving).
    readonly property string fileName: nameField.text

    readonly property bool _canAccept: saving ? nameField.text.trim() !== ""
                                              : String(selectedFile) !== ""

    // The file patterns of a filter ("Project (*.a *.b)" → ["*.a", "*.b"]).
    function globsOf(filter: string): var {
        const found = /\(([^)]*)\)\s*$/.exec(String(filter))
        const globs = found ? found[1].trim().split(/\s+/).filter(g => g !== "") : []
        return globs.length > 0 ? globs : ["*"]
    }

    // A part of a file URL as the user reads it.
    function _decoded(text: string): string {
        try {
            return decodeURIComponent(text)
        } catch (e) {
            return text
        }
    }

    function _nameOf(file: url): string {
        const text = String(file)
        return _decoded(text.slice(text.lastIndexOf("/") + 1))
    }

    // A click on a row.
    function chooseRow(index: int, file: url, isFolder: bool) {
        fileList.currentIndex = index
        if (isFolder) {
            if (!saving)
                selectedFile = ""
            return
        }
        selectedFile = file
        if (saving)
            nameField.text = _nameOf(file)
    }

    // A double-click on a row: into a folder, or that file taken.
    function takeRow(file: url, isFolder: bool) {
        if (isFolder) {
            goTo(file)
            return
        }
        selectedFile = file
        if (saving)
            nameField.text = _nameOf(file)
        accept()
    }

    // The accept button, or Return.
    function acceptChosen() {
        if (_canAccept)
            accept()
    }

    function goTo(folder: url) {
        currentFolder = folder
        fileList.currentIndex = -1
        if (!saving)
            selectedFile = ""
    }

    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(760, (parent ? parent.width : 760) - 48)
    height: Math.min(560, (parent ? parent.height : 560) - 48)
    padding: 0
    // The theme's colours, which every part reads from the palette, taken
    // again whenever the theme changes.
    function _takeColours() {
        const t = theme
        if (!t)
            return
        palette.base = t.surface2
        palette.button = t.surface2
        palette.window = t.surface
        palette.text = t.text
        palette.buttonText = t.text
        palette.placeholderText = t.textMuted
        palette.mid = t.stroke
        palette.midlight = t.surfaceHover
        palette.highlight = t.accent
        palette.highlightedText = t.textInverse
    }
    onThemeChanged: _takeColours()
    Component.onCompleted: _takeColours()
    Connections {
        target: chooser.theme
        function onDarkChanged() { chooser._takeColours() }
        function onAccentChanged() { chooser._takeColours() }
    }

    // Each use starts from nothing chosen: no file of an earlier use is
    // highlighted or taken. A name typed for saving stays.
    onAboutToShow: {
        fileList.currentIndex = -1
        if (!saving)
            selectedFile = ""
        filterBox.currentIndex = 0
    }
    onOpened: {
        if (saving) {
            nameField.forceActiveFocus()
            nameField.selectAll()
        } else {
            fileList.forceActiveFocus()
        }
    }

    background: Rectangle {
        radius: 12
        color: chooser.palette.window
        border.width: 1
        border.color: chooser.palette.mid
    }

    header: ColumnLayout {
        spacing: 8
        Text {
            objectName: "fileDialogTitle"
            Layout.fillWidth: true
            Layout.topMargin: 16
            Layout.leftMargin: 20
            Layout.rightMargin: 20
            text: chooser.title
            textFormat: Text.PlainText
            font.pixelSize: 16
            font.bold: true
            color: chooser.palette.text
            elide: Text.ElideRight
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 20
            Layout.rightMargin: 20
            Layout.bottomMargin: 8
            spacing: 8
            SecondaryButton {
                objectName: "fileDialogUpButton"
                theme: chooser.theme
                text: qsTr("Up")
                enabled: String(folderModel.parentFolder) !== ""
                onClicked: chooser.goTo(folderModel.parentFolder)
            }
            Text {
                objectName: "fileDialogFolder"
                Layout.fillWidth: true
                text: chooser._decoded(String(chooser.currentFolder).slice("file://".length))
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                font.pixelSize: 13
                color: chooser.palette.placeholderText
            }
        }
    }

    ListView {
        id: fileList
        objectName: "fileDialogListView"
        anchors.fill: parent
        clip: true
        focus: true
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        model: FolderListModel {
            id: folderModel
            folder: chooser.currentFolder
            nameFilters: chooser.globsOf(chooser.nameFilters[filterBox.currentIndex] || "")
            showDirsFirst: true
            showDotAndDotDot: false
            sortCaseSensitive: false
        }

        // The keys move the choice; rows that move as files come and go
        // leave it where it is.
        function _chooseCurrent() {
            if (currentIndex >= 0)
                chooser.chooseRow(currentIndex, folderModel.get(currentIndex, "fileUrl"), folderModel.isFolder(currentIndex))
        }
        Keys.onUpPressed: {
            decrementCurrentIndex()
            _chooseCurrent()
        }
        Keys.onDownPressed: {
            incrementCurrentIndex()
            _chooseCurrent()
        }
        Keys.onReturnPressed: {
            if (currentIndex >= 0)
                chooser.takeRow(folderModel.get(currentIndex, "fileUrl"), folderModel.isFolder(currentIndex))
        }

        delegate: ItemDelegate {
            id: row
            required property int index
            required property string fileName
            required property url fileUrl
            required property bool fileIsDir
            // What the row shows, for the dialog and for tests.
            readonly property url file: fileUrl
            readonly property bool isFolder: fileIsDir

            objectName: "fileDialogRow" + index
            width: ListView.view.width
            height: 34
            // A file is shown chosen by what the dialog holds, so the rows
            // may move under it (files come and go) without another file
            // looking chosen.
            highlighted: fileIsDir ? ListView.isCurrentItem : String(fileUrl) === String(chooser.selectedFile)
            focusPolicy: Qt.NoFocus
            contentItem: RowLayout {
                spacing: 8
                Icon {
                    name: row.fileIsDir ? "folder-open" : "file-text"
                    size: 16
                    color: chooser.palette.placeholderText
                }
                Text {
                    Layout.fillWidth: true
                    text: row.fileName
                    textFormat: Text.PlainText
                    elide: Text.ElideMiddle
                    font.pixelSize: 13
                    color: chooser.palette.text
                }
            }
            background: Rectangle {
                color: row.highlighted ? Qt.rgba(chooser.palette.highlight.r, chooser.palette.highlight.g,
                                                 chooser.palette.highlight.b, 0.25)
                                       : row.hovered ? chooser.palette.midlight : "transparent"
            }
            onClicked: chooser.chooseRow(index, fileUrl, fileIsDir)
            onDoubleClicked: chooser.takeRow(fileUrl, fileIsDir)
        }
    }

    footer: Item {
        implicitHeight: footerGrid.implicitHeight + 28
        GridLayout {
            id: footerGrid
            objectName: "fileDialogFooter"
            anchors.fill: parent
            anchors.margins: 14
            anchors.leftMargin: 20
            anchors.rightMargin: 20
            columns: 3
            columnSpacing: 12
            rowSpacing: 10

            Text {
                text: qsTr("File name")
                visible: chooser.saving
                textFormat: Text.PlainText
                font.pixelSize: 13
                color: chooser.palette.placeholderText
            }
            TextField {
                id: nameField
                objectName: "fileNameTextField"
                visible: chooser.saving
                Layout.fillWidth: true
                Layout.columnSpan: 2
                selectByMouse: true
                font.pixelSize: 13
                onAccepted: chooser.acceptChosen()
            }

            Text {
                text: qsTr("Filter")
                textFormat: Text.PlainText
                font.pixelSize: 13
                color: chooser.palette.placeholderText
            }
            ComboBox {
                id: filterBox
                objectName: "fileDialogFilter"
                Layout.fillWidth: true
                model: chooser.nameFilters
                font.pixelSize: 13
            }
            Row {
                spacing: 8
                SecondaryButton {
                    objectName: "fileDialogCancelButton"
                    theme: chooser.theme
                    width: Math.max(90, implicitWidth)
                    text: qsTr("Cancel")
                    onClicked: chooser.reject()
                }
                PrimaryButton {
                    objectName: "fileDialogAcceptButton"
                    theme: chooser.theme
                    width: Math.max(90, implicitWidth)
                    text: chooser.acceptLabel
                    enabled: chooser._canAccept
                    onClicked: chooser.acceptChosen()
                }
            }
        }
    }
}
