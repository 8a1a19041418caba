#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

class CCableMonitor;
class CDocumentCommands;
class CHelpWindow;
class CMainCommands;
class CProductContext;
class CProfileWindow;
class CRadioCommands;
class QLabel;
class QMdiArea;
class QUndoGroup;

// The main window: the area of the profile windows, the menus and toolbar
// with the enabling of every command, the status bar with the cable pane,
// the language menu, help, and the cable status that the presence watch
// posts once a second.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // Starts the cable-presence watch, which reports to this window.
    explicit CMainFrame(const CProductContext &context, QWidget *parent = nullptr);
    ~CMainFrame() override;

    CDocumentCommands &documents() { return *m_documents; }
    CMainCommands &commands() { return *m_commands; }
    CRadioCommands &radio() { return *m_radio; }
    CCableMonitor &cableMonitor() { return *m_monitor; }
    QMdiArea &area() { return *m_area; }

    // What the cable pane calls the cable: by default the USB programming
    // cable; a run against the radio emulator names the emulator.
    void setCableName(const QString &name);
    QString cablePaneText() const;

    // The Read/Write and Reset flags, cleared while a transfer runs; the
    // next cable status sets them again.
    void setDeviceCommandsEnabled(bool enabled);
    void setCablePaneText(const QString &text);

public slots:
    void refreshCommandStates();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void connectCommands();
    void onCableStatus(bool connected);
    void onWindowOpened(CProfileWindow *window);
    void onActiveWindowChanged();
    void onFocusChanged(QWidget *old, QWidget *now);
    void chooseLanguage(const QString &key);
    void toggleHelpPane(bool shown);
    void showHelpContents();
    void showDealerInfo();
    void showAbout();
    void deleteCommand();
    QString cableText(bool connected) const;
    QWidget *focusedTextBoxWidget() const;

    const CProductContext &m_context;
    QMdiArea *m_area;
    QUndoGroup *m_undoGroup;
    CMainCommands *m_commands;
    CDocumentCommands *m_documents;
    CRadioCommands *m_radio;
    QLabel *m_cablePane;
    std::unique_ptr<CCableMonitor> m_monitor;
    QPointer<CHelpWindow> m_helpWindow;
    QPointer<QWidget> m_watchedTextBox;
    QPointer<QWidget> m_focusBeforeMenuBar;
    QString m_cableName;
    bool m_readWriteFlag = false;
    bool m_resetFlag = false;
    bool m_helpPaneShown = false;
    bool m_cableWarningShown = false;
};
