#include "StartPage.h"

#include "AppIcons.h"
#include "AppIdentity.h"
#include "DocumentCommands.h"
#include "MainCommands.h"
#include "MainFrame.h"
#include "RecentFileList.h"
#include "base/TextFile.h"

#include <QAction>
#include <QCommandLinkButton>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The cable pane changes at most once a second.
constexpr int kCableRefreshMs = 1000;
constexpr int kPanelWidth = 560;

QLabel *heading(const QString &text, QWidget *parent)
{
    // The window's own font, larger: a bold face would be one more font to
    // load before the window shows.
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
    return label;
}

} // namespace

CStartPage::CStartPage(CMainFrame &frame)
    : QWidget(&frame.area())
    , m_frame(frame)
    , m_recent(new QListWidget(this))
    , m_noRecent(new QLabel(tr("No profile opened yet."), this))
    , m_cable(new QLabel(this))
    , m_cableTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("startPage"));
    setAccessibleName(tr("Start page"));
    setAutoFillBackground(true);
    CMainCommands &commands = frame.commands();

    auto *panel = new QWidget(this);
    panel->setMaximumWidth(kPanelWidth);
    auto *column = new QVBoxLayout(panel);
    auto *title = heading(AppIdentity::applicationName(), panel);
    title->setAccessibleName(title->text());
    column->addWidget(title);

    column->addWidget(
        commandButton(commands.fileNew, tr("New Profile"), tr("A new profile from a model's template")));
    column->addWidget(
        commandButton(commands.fileOpen, tr("Open Profile"), tr("A profile file (.kv9) on this computer")));
    column->addWidget(
        commandButton(commands.read, tr("Read from Radio"), tr("The profile of the radio on the cable")));

    auto *recentLabel = heading(tr("&Recent profiles"), panel);
    recentLabel->setBuddy(m_recent);
    column->addSpacing(12);
    column->addWidget(recentLabel);
    m_recent->setObjectName(QStringLiteral("startRecent"));
    m_recent->setAccessibleName(tr("Recent profiles"));
    m_recent->setAccessibleDescription(tr("Enter opens the selected profile"));
    column->addWidget(m_recent);
    column->addWidget(m_noRecent);

    m_cable->setObjectName(QStringLiteral("startCable"));
    column->addSpacing(12);
    column->addWidget(m_cable);
    column->addStretch();

    auto *centre = new QHBoxLayout(this);
    centre->addStretch();
    centre->addWidget(panel, 1);
    centre->addStretch();

    connect(m_recent, &QListWidget::itemActivated, this, &CStartPage::openRecent);
    connect(&frame.documents(), &CDocumentCommands::recentFilesChanged, this, &CStartPage::fillRecent);
    connect(m_cableTimer, &QTimer::timeout, this, &CStartPage::updateCableStatus);
    // Reading the recent profiles' models waits until the window is up.
    QTimer::singleShot(0, this, [this] { fillRecent(m_frame.documents().recentFiles().files()); });

    frame.area().viewport()->installEventFilter(this);
    frame.area().installEventFilter(this);
    updateShown();
}

QCommandLinkButton *CStartPage::commandButton(
    QAction *action, const QString &text, const QString &description)
{
    auto *button = new QCommandLinkButton(text, description, this);
    button->setObjectName(QStringLiteral("start") + action->objectName());
    button->setIcon(action->icon());
    button->setAccessibleName(text);
    button->setAccessibleDescription(description);
    button->setEnabled(action->isEnabled());
    button->setVisible(action->isEnabled() || action != m_frame.commands().read);
    connect(button, &QCommandLinkButton::clicked, action, &QAction::trigger);
    // Read from Radio is offered only while there is a radio to read.
    connect(action, &QAction::enabledChanged, button, [this, button, action](bool enabled) {
        button->setEnabled(enabled);
        if (action == m_frame.commands().read)
            button->setVisible(enabled);
    });
    return button;
}

bool CStartPage::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == &m_frame.area())
            setGeometry(m_frame.area().viewport()->geometry());
        break;
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved:
        // After the profile window has settled in or gone.
        QMetaObject::invokeMethod(this, &CStartPage::updateShown, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CStartPage::updateShown()
{
    const bool empty = m_frame.area().subWindowList().isEmpty();
    const bool wasShown = !isHidden();
    setGeometry(m_frame.area().viewport()->geometry());
    setVisible(empty);
    if (!empty) {
        m_cableTimer->stop();
        return;
    }
    raise();
    updateCableStatus();
    m_cableTimer->start(kCableRefreshMs);
    // Back after the last profile closed: the keyboard starts on the page.
    if (!wasShown) {
        if (auto *first = findChild<QCommandLinkButton *>())
            first->setFocus();
    }
}

QString CStartPage::profileModel(const QString &path)
{
    static const QRegularExpression model(QStringLiteral("<factory_setting\\b[^>]*\\smodel=\"([^\"]*)\""));
    QString text;
    if (!ReadTextFile(path, text))
        return QString();
    return model.match(text).captured(1);
}

void CStartPage::fillRecent(const QStringList &paths)
{
    m_recent->clear();
    for (const QString &path : paths) {
        const QFileInfo file(path);
        const QString model = profileModel(path);
        const QString date
            = file.exists() ? QLocale().toString(file.lastModified(), QLocale::ShortFormat) : tr("missing");
        auto *item = new QListWidgetItem(
            QStringLiteral("%1 \u2014 %2, %3")
                .arg(file.fileName(), model.isEmpty() ? tr("unknown model") : model, date),
            m_recent);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
    }
    m_recent->setVisible(!paths.isEmpty());
    m_noRecent->setVisible(paths.isEmpty());
    m_recent->setCurrentRow(0);
}

void CStartPage::openRecent(QListWidgetItem *item)
{
    m_frame.documents().openFile(item->data(Qt::UserRole).toString());
}

void CStartPage::updateCableStatus()
{
    m_cable->setText(tr("Cable: %1").arg(m_frame.cablePaneText()));
    m_cable->setAccessibleName(m_cable->text());
}
