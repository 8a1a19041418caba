#pragma once

#include "TreeIcons.h"
#include "editors/EditorFactory.h"

#include <QLineEdit>
#include <QPointer>
#include <QTreeWidget>

#include <functional>

class CDataItem;
class CProfileDocument;

struct ProfileChange;

// The profile tree: the sections of the profile and, under "Channels", one
// item per channel. Selecting an item asks the child window for its editor
// (after the current editor committed); channels are added, deleted and
// renamed here, through the document's edit path, and the tree follows
// every change the document announces.
class CVelaCPSTreeView : public QTreeWidget {
    Q_OBJECT

public:
    // The width that shows every caption of the expanded tree whole.
    int captionWidth() const { return sizeHintForColumn(0) + 2 * frameWidth(); }
    // Item data: the type in the low 16 bits, the channel index in the high.
    // The types are the codes of the editors the items show.
    static quint32 itemData(SectionKind type, int channelIndex = 0)
    {
        return quint32(type) | quint32(channelIndex) << 16;
    }
    static SectionKind typeOf(quint32 data) { return SectionKind(data & 0xFFFF); }
    static int indexOf(quint32 data) { return int(data >> 16); }
    static quint32 dataOf(const QTreeWidgetItem *item);

    explicit CVelaCPSTreeView(CProfileDocument &document, QWidget *parent = nullptr);

    // Fills the tree, selects the root and runs the load-time rules.
    void OnInitialUpdate();
    // Asked before the selection moves; false keeps it where it is.
    void setCommitGuard(std::function<bool()> guard) { m_commitGuard = std::move(guard); }

    bool canAdd() const { return m_canAdd; }
    bool canDelete() const { return m_canDelete; }
    bool canRename() const { return m_canRename; }

    // Stores a channel name still being edited (before a save, write or
    // report); false when the name was refused.
    bool commitLabelEdit();
    bool isEditingLabel() const { return state() == QAbstractItemView::EditingState; }

    QTreeWidgetItem *channelsItem() const { return m_channelsItem; }
    QTreeWidgetItem *itemFor(quint32 data) const;

public slots:
    // Add, Delete and Rename commands for the selected item.
    void addItem();
    void deleteItem();
    void renameItem();

signals:
    // The selection moved: show the editor of type for the channel index.
    void sectionSelected(int type, int channelIndex);
    // A channel was added and selected: its editor should select the name.
    void channelAdded(int channelIndex);
    void commandFlagsChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend class CTreeLabelDelegate;

    void fill();
    void rebuildKeepingSelection();
    void addSection(SectionKind type, const char *caption, int image);
    // Makes the channel items follow the profile's channel list; with
    // reshowEditor the selected item's editor is shown anew.
    void refreshChannelItems(bool reshowEditor);
    void refreshChannelIcons();
    void onCurrentItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void restoreSelection(QTreeWidgetItem *item);
    void onProfileChanged(const ProfileChange &change);
    void recomputeCommandFlags();
    void clearCommandFlags();
    void setCommandFlags(bool add, bool remove, bool rename);
    void deleteChannel(int index);
    // The rename procedure; commit is set when a command (not the end of
    // editing) stores the name.
    bool renameChannel(QTreeWidgetItem *item, const QString &text, bool commit);
    void labelEditorOpened(QLineEdit *editor) { m_labelEditor = editor; }

    CDataItem channelsData() const;
    int channelItemCount() const;
    bool channelShowsDisabled(int index) const;
    void showError(const QString &text);

    CProfileDocument &m_document;
    CTreeIcons m_icons;
    QTreeWidgetItem *m_channelsItem = nullptr;
    std::function<bool()> m_commitGuard;
    QPointer<QLineEdit> m_labelEditor;
    bool m_ready = false;
    bool m_restoring = false;
    bool m_renaming = false;
    // One failed rename shows one message: cleared when a command's rename
    // failed, so the end of that edit stays silent.
    bool m_renameArmed = true;
    bool m_canAdd = false;
    bool m_canDelete = false;
    bool m_canRename = false;
};
