#pragma once

#include <QMdiSubWindow>

#include <memory>

class CChildFrame;
class CProductContext;
class CVelaCPSDoc;

// The window of one open profile inside the main window: it owns the
// document and shows it in a child frame (tree, editor, help pane). Closing
// it asks to save changes first.
class CProfileWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    CProfileWindow(std::unique_ptr<CVelaCPSDoc> document, const CProductContext &context, bool showHelp,
        QWidget *parent = nullptr);
    ~CProfileWindow() override;

    CVelaCPSDoc &document() { return *m_document; }
    CChildFrame &frame() { return *m_frame; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void updateTitle();

    std::unique_ptr<CVelaCPSDoc> m_document;
    CChildFrame *m_frame;
};
