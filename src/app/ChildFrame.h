#pragma once

#include <QWidget>

class CBaseView;
class CHelpPane;
class CProductContext;
class CProfileDocument;
class CVelaCPSTreeView;
class QSplitter;

// The window content of one profile: the profile tree on the left, the
// editor of the selected section on the right, and below the editor the
// optional help pane, which keeps its height when the window is resized
// (one height for the maximised window, one for the normal one).
class CChildFrame : public QWidget {
    Q_OBJECT

public:
    CChildFrame(CProfileDocument &document, const CProductContext &context, QWidget *parent = nullptr);
    ~CChildFrame() override;

    void setHelpVisible(bool visible);
    bool isHelpVisible() const { return m_helpVisible; }

    // Stores what is still being typed, in the tree's label or the editor;
    // false when it was refused (the save, write or report is cancelled).
    bool CommitPendingInput();

    CVelaCPSTreeView *tree() const { return m_tree; }
    CBaseView *editor() const { return m_editor; }
    CHelpPane *helpPane() const { return m_helpPane; }
    // The section code of the editor shown.
    int editorKind() const { return m_editorKind; }

    // The document's content was replaced: the tree fills itself anew and
    // the radio information is shown.
    void rebuild();

    static constexpr int kTreeWidth = 200;
    static constexpr int kInitialHelpHeight = 150;

signals:
    // What the Add, Delete, Rename and Edit Selected Channels commands may
    // do has changed.
    void commandStateChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showEditor(int kind, int channelIndex);
    void showHelpPage(const QString &pageName);
    void applyHelpHeight();
    bool windowMaximised() const;

    CProfileDocument &m_document;
    const CProductContext &m_context;
    QSplitter *m_splitter;
    QSplitter *m_editorSplitter;
    CVelaCPSTreeView *m_tree;
    CBaseView *m_editor = nullptr;
    CHelpPane *m_helpPane;
    int m_editorKind = -1;
    bool m_helpVisible = false;
    int m_normalHelpHeight = kInitialHelpHeight;
    int m_maximisedHelpHeight = kInitialHelpHeight;
    bool m_wasMaximised = false;
    bool m_treeWidthSet = false;
};
