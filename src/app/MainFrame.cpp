#include "MainFrame.h"

#include "AppIcons.h"
#include "AppIdentity.h"
#include "ChildFrame.h"
#include "CommandState.h"
#include "CompareCommand.h"
#include "DocumentCommands.h"
#include "FocusedTextBox.h"
#include "HelpSystem.h"
#include "HelpWindow.h"
#include "LockPanes.h"
#include "MainCommands.h"
#include "ProfileDialogs.h"
#include "ProfileWindow.h"
#include "ProgramRadiosDlg.h"
#include "RadioCommands.h"
#include "ReportOptionDlg.h"
#include "StartPage.h"
#include "SupportFileCommand.h"
#include "VelaCPSDoc.h"
#include "VelaCPSTreeView.h"
#include "WindowMenu.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "document/ProfileDocument.h"
#include "editors/ChannelsView.h"
#include "radio/CableMonitor.h"
#include "settings/ProductContext.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoGroup>

namespace {

QStringList droppedProfiles(const QMimeData *data)
{
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (path.endsWith(
                QLatin1Char('.') + QLatin1String(AppIdentity::kProfileExtension), Qt::CaseInsensitive))
            paths << path;
    }
    return paths;
}

} // namespace

CMainFrame::CMainFrame(const CProductContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_area(new QMdiArea(this))
    , m_undoGroup(new QUndoGroup(this))
    , m_cablePane(new QLabel(this))
{
    setObjectName(QStringLiteral("mainFrame"));
    // A maximised profile window adds " - [its name]" to the title.
    setWindowTitle(AppIdentity::applicationName());
    setWindowIcon(AppIcons::application());
    setAccessibleName(AppIdentity::applicationName());
    setAcceptDrops(true);

    m_area->setObjectName(QStringLiteral("profileArea"));
    m_area->setAccessibleName(tr("Profiles"));
    setCentralWidget(m_area);

    m_monitor = std::make_unique<CCableMonitor>(this);
    m_commands = new CMainCommands(this, m_undoGroup);
    m_documents = new CDocumentCommands(m_area, context, ProfileDialogs::forWindow(this), this);
    m_radio = new CRadioCommands(*this, context, *m_monitor, this);
    m_radio->setPasswordPrompt([this](const QString &radioPassword, QString &typed) {
        return ProfileDialogs::askPassword(this, radioPassword, typed);
    });

    m_cablePane->setObjectName(QStringLiteral("cablePane"));
    m_cablePane->setAccessibleName(tr("Cable status"));
    m_cablePane->setText(cableText(false));
    statusBar()->addPermanentWidget(m_cablePane);
    new CLockPanes(statusBar(), KeyboardIndicators::platformReader());
    statusBar()->showMessage(tr("Ready"));

    m_helpPaneShown = CConfigStore::contextHelpShown();
    m_documents->setHelpPaneShown(m_helpPaneShown);
    m_commands->setRecentFiles(m_documents->recentFiles().files());
    m_commands->adjustLanguageMenu(context.settings().supportedLanguages());
    // The language of this run: English when the chosen one could not load.
    m_commands->checkLanguage(CConfigStore::currentLanguage());
    m_commands->viewToolbar->setChecked(true);
    m_commands->viewStatusBar->setChecked(true);
    connectCommands();
    refreshCommandStates();
    new CStartPage(*this);
    new CCompareCommand(*this, m_context);
    new CSupportFileCommand(*this);
    m_monitor->start();
}

CMainFrame::~CMainFrame()
{
    // Closing the profile windows while the frame goes must not update it.
    disconnect(m_area, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    // An operation under way ends first, then the watch threads that post
    // to this window.
    delete m_radio;
    m_monitor->shutdown();
    CConfigStore::setContextHelpSwitch(m_helpPaneShown);
}

void CMainFrame::connectCommands()
{
    CMainCommands &c = *m_commands;
    CDocumentCommands *documents = m_documents;
    connect(c.fileNew, &QAction::triggered, documents, &CDocumentCommands::newProfile);
    connect(c.fileOpen, &QAction::triggered, documents, &CDocumentCommands::open);
    connect(c.fileClose, &QAction::triggered, documents, &CDocumentCommands::close);
    connect(c.fileSave, &QAction::triggered, documents, &CDocumentCommands::save);
    connect(c.fileSaveAs, &QAction::triggered, documents, &CDocumentCommands::saveAs);
    connect(c.fileExit, &QAction::triggered, this, &QWidget::close);
    connect(&c, &CMainCommands::recentFileChosen, documents, &CDocumentCommands::openFile);
    connect(documents, &CDocumentCommands::recentFilesChanged, &c, &CMainCommands::setRecentFiles);
    connect(documents, &CDocumentCommands::windowOpened, this, &CMainFrame::onWindowOpened);

    auto activeTree = [this]() -> CVelaCPSTreeView * {
        CProfileWindow *window = m_documents->activeWindow();
        return window ? window->frame().tree() : nullptr;
    };
    connect(c.add, &QAction::triggered, this, [activeTree] {
        if (CVelaCPSTreeView *tree = activeTree())
            tree->addItem();
    });
    connect(c.rename, &QAction::triggered, this, [activeTree] {
        if (CVelaCPSTreeView *tree = activeTree())
            tree->renameItem();
    });
    connect(c.remove, &QAction::triggered, this, &CMainFrame::deleteCommand);
    connect(c.editSelectedChannels, &QAction::triggered, this, [this] {
        CProfileWindow *window = m_documents->activeWindow();
        if (auto *channels = qobject_cast<CChannelsView *>(window ? window->frame().editor() : nullptr))
            channels->editSelectedChannels();
    });
    connect(c.cut, &QAction::triggered, this, [this] { CFocusedTextBox(focusedTextBoxWidget()).cut(); });
    connect(c.copy, &QAction::triggered, this, [this] { CFocusedTextBox(focusedTextBoxWidget()).copy(); });
    connect(c.paste, &QAction::triggered, this, [this] { CFocusedTextBox(focusedTextBoxWidget()).paste(); });
    connect(c.dealerInfo, &QAction::triggered, this, &CMainFrame::showDealerInfo);
    connect(&c, &CMainCommands::languageChosen, this, &CMainFrame::chooseLanguage);

    connect(c.viewToolbar, &QAction::toggled, c.toolBar, &QToolBar::setVisible);
    connect(c.viewStatusBar, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
    connect(c.viewHelpPane, &QAction::triggered, this, &CMainFrame::toggleHelpPane);

    connect(c.read, &QAction::triggered, m_radio, &CRadioCommands::read);
    connect(c.write, &QAction::triggered, m_radio, &CRadioCommands::write);
    connect(c.reset, &QAction::triggered, m_radio, &CRadioCommands::reset);
    connect(c.restoreBackup, &QAction::triggered, m_radio, &CRadioCommands::restoreBackup);
    connect(c.programRadios, &QAction::triggered, this, [this] { CProgramRadiosDlg::run(*this, m_context); });
    connect(c.report, &QAction::triggered, this, [this] {
        CProfileWindow *window = m_documents->activeWindow();
        if (window && window->frame().CommitPendingInput())
            CReportOptionDlg::run(window->document().profile(), m_context, this);
    });
    new CWindowMenu(c.windowMenu, m_area);
    connect(c.cascade, &QAction::triggered, m_area, &QMdiArea::cascadeSubWindows);
    connect(c.tile, &QAction::triggered, m_area, &QMdiArea::tileSubWindows);
    connect(c.helpContents, &QAction::triggered, this, &CMainFrame::showHelpContents);
    connect(c.about, &QAction::triggered, this, &CMainFrame::showAbout);

    connect(m_area, &QMdiArea::subWindowActivated, this, &CMainFrame::onActiveWindowChanged);
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::onFocusChanged);
    qApp->installEventFilter(this);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::refreshCommandStates);
}

void CMainFrame::onWindowOpened(CProfileWindow *window)
{
    m_undoGroup->addStack(window->document().profile().undoStack());
    connect(&window->frame(), &CChildFrame::commandStateChanged, this, &CMainFrame::refreshCommandStates);
    connect(window, &QObject::destroyed, this, &CMainFrame::onActiveWindowChanged, Qt::QueuedConnection);
    onActiveWindowChanged();
    // The area makes a window its current one only once it has been shown.
    QMetaObject::invokeMethod(this, &CMainFrame::onActiveWindowChanged, Qt::QueuedConnection);
}

void CMainFrame::onActiveWindowChanged()
{
    CProfileWindow *window = m_documents->activeWindow();
    m_undoGroup->setActiveStack(window ? window->document().profile().undoStack() : nullptr);
    m_commands->setProfileMenus(!m_documents->windows().isEmpty());
    refreshCommandStates();
}

void CMainFrame::onFocusChanged(QWidget *old, QWidget *now)
{
    // The menu bar taking the keys (Alt) is no move away from the field or
    // the tree: the commands keep acting on what had the focus.
    if (qobject_cast<QMenuBar *>(now) && !qobject_cast<QMenuBar *>(old))
        m_focusBeforeMenuBar = old;
    // Cut, Copy, Paste and Delete follow the selection of the focused box.
    if (m_watchedTextBox)
        disconnect(m_watchedTextBox, nullptr, this, nullptr);
    m_watchedTextBox = CFocusedTextBox(focusedTextBoxWidget()).widget();
    if (m_watchedTextBox)
        connect(m_watchedTextBox, SIGNAL(selectionChanged()), this, SLOT(refreshCommandStates()));
    refreshCommandStates();
}

void CMainFrame::refreshCommandStates()
{
    CommandSituation situation;
    CProfileWindow *window = m_documents->activeWindow();
    situation.profileActive = window != nullptr;
    situation.readWriteFlag = m_readWriteFlag;
    situation.resetFlag = m_resetFlag;
    situation.operationRunning = !m_radio->isIdle() || m_monitor->transferActive();
    if (window) {
        const CVelaCPSTreeView *tree = window->frame().tree();
        situation.addFlag = tree->canAdd();
        situation.deleteFlag = tree->canDelete();
        situation.renameFlag = tree->canRename();
        const auto *channels = qobject_cast<const CChannelsView *>(window->frame().editor());
        situation.channelRowsSelected = channels && channels->hasSelectedChannels();
    }
    const CFocusedTextBox box(focusedTextBoxWidget());
    situation.textBoxFocused = box.exists();
    situation.textBoxReadOnly = box.isReadOnly();
    situation.textBoxIsPassword = box.isPassword();
    situation.textBoxHasSelection = box.hasSelection();
    situation.clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();

    const CommandState state = commandStateFor(situation);
    CMainCommands &c = *m_commands;
    c.fileSave->setEnabled(state.save);
    c.fileSaveAs->setEnabled(state.save);
    c.fileClose->setEnabled(state.save);
    c.add->setEnabled(state.add);
    c.remove->setEnabled(state.remove);
    c.rename->setEnabled(state.rename);
    c.cut->setEnabled(state.cut);
    c.copy->setEnabled(state.copy);
    c.paste->setEnabled(state.paste);
    c.read->setEnabled(state.read);
    c.write->setEnabled(state.write);
    c.reset->setEnabled(state.reset);
    c.restoreBackup->setEnabled(state.read);
    c.report->setEnabled(state.report);
    c.programRadios->setEnabled(state.programRadios);
    c.editSelectedChannels->setEnabled(state.editSelectedChannels);
    c.viewHelpPane->setChecked(window ? window->frame().isHelpVisible() : m_helpPaneShown);
}

QWidget *CMainFrame::focusedTextBoxWidget() const
{
    // A text box of another window (a file dialog) is none of the
    // commands' business.
    QWidget *focused = QApplication::focusWidget();
    if (qobject_cast<QMenuBar *>(focused))
        focused = m_focusBeforeMenuBar;
    return focused && focused->window() == this ? focused : nullptr;
}

void CMainFrame::deleteCommand()
{
    CFocusedTextBox box(focusedTextBoxWidget());
    if (box.exists() && !box.isReadOnly()) {
        box.clearSelection();
        return;
    }
    if (CProfileWindow *window = m_documents->activeWindow())
        window->frame().tree()->deleteItem();
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    // The menu bar taking the keys (Alt) would make a text box of this
    // window drop its selection, which Cut and Copy of the menu act on.
    if (event->type() == QEvent::FocusOut
        && static_cast<QFocusEvent *>(event)->reason() == Qt::MenuBarFocusReason) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this && CFocusedTextBox(widget).exists())
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::event(QEvent *event)
{
    if (event->type() == CableStatusEvent::kType) {
        onCableStatus(static_cast<CableStatusEvent *>(event)->connected());
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::onCableStatus(bool connected)
{
    const int cables = m_monitor->cableCount();
    if (cables > 1 && !m_cableWarningShown) {
        m_cableWarningShown = true;
        showMessage(
            tr("There are %1 USB connections. Please remove the unused one and keep one connection only.")
                .arg(cables),
            MsgStyle::IconWarning);
        m_cableWarningShown = false;
    }
    const bool transferring = m_monitor->transferActive();
    setDeviceCommandsEnabled(connected && !transferring);
    if (!transferring)
        m_cablePane->setText(cableText(connected));
}

void CMainFrame::setCableName(const QString &name)
{
    m_cableName = name;
    m_cablePane->setText(cableText(m_readWriteFlag));
}

QString CMainFrame::cablePaneText() const
{
    return m_cablePane->text();
}

QString CMainFrame::cableText(bool connected) const
{
    if (m_cableName.isEmpty())
        return connected ? tr("USB Cable Connected") : tr("USB Cable Not Connected");
    return connected ? tr("%1 connected").arg(m_cableName) : tr("%1 not connected").arg(m_cableName);
}

void CMainFrame::setCablePaneText(const QString &text)
{
    m_cablePane->setText(text);
}

void CMainFrame::setDeviceCommandsEnabled(bool enabled)
{
    m_readWriteFlag = enabled;
    m_resetFlag = enabled;
    refreshCommandStates();
}

void CMainFrame::chooseLanguage(const QString &key)
{
    const QString previous = CConfigStore::currentLanguage();
    CConfigStore::setCurrentLanguage(key);
    m_commands->checkLanguage(key);
    if (key != previous)
        showMessage(
            tr("You have to restart the CPS for this change to take effect."), MsgStyle::IconInformation);
}

void CMainFrame::toggleHelpPane(bool shown)
{
    m_helpPaneShown = shown;
    m_documents->setHelpPaneShown(shown);
    if (CProfileWindow *window = m_documents->activeWindow())
        window->frame().setHelpVisible(shown);
}

void CMainFrame::showHelpContents()
{
    CHelpSystem &help = CHelpSystem::instance();
    const CHelpSystem::Status status = help.status();
    if (status != CHelpSystem::Status::Ready) {
        showMessage(CHelpSystem::message(status), MsgStyle::IconError);
        return;
    }
    if (!m_helpWindow) {
        m_helpWindow = new CHelpWindow(*help.helpEngine(), this);
        m_helpWindow->showPage(help.homeUrl());
        m_helpWindow->move(geometry().center() - m_helpWindow->rect().center());
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void CMainFrame::showDealerInfo()
{
    ProfileDialogs::showDealerInfo(this);
}

void CMainFrame::showAbout()
{
    ProfileDialogs::showAbout(m_context, this);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!m_radio->isIdle() || !m_documents->closeAll()) {
        event->ignore();
        return;
    }
    if (m_helpWindow)
        m_helpWindow->close();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedProfiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedProfiles(event->mimeData());
    event->acceptProposedAction();
    for (const QString &path : paths)
        m_documents->openFile(path);
}
