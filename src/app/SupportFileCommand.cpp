#include "SupportFileCommand.h"

#include "DocumentCommands.h"
#include "MainCommands.h"
#include "MainFrame.h"
#include "ProfileWindow.h"
#include "RadioCommands.h"
#include "VelaCPSDoc.h"
#include "base/MessageReporter.h"
#include "document/ProfileDocument.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

CSupportFileCommand::CSupportFileCommand(CMainFrame &frame)
    : QObject(&frame)
    , m_frame(frame)
    , m_action(new QAction(tr("Create &Support File..."), &frame))
{
    m_action->setObjectName(QStringLiteral("helpSupportFile"));
    m_action->setStatusTip(
        tr("Saves the versions, cable, radio, settings and radio traces for the supplier"));
    QAction *about = frame.commands().about;
    for (QObject *owner : about->associatedObjects()) {
        if (auto *menu = qobject_cast<QMenu *>(owner))
            menu->insertAction(about, m_action);
    }
    m_choosePath = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(
            &m_frame, tr("Create Support File"), suggested, tr("Support files (*.tar.gz)"));
    };
    connect(m_action, &QAction::triggered, this, &CSupportFileCommand::create);
}

SupportFacts CSupportFileCommand::facts(bool withProfile) const
{
    SupportFacts facts;
    facts.cableStatus = m_frame.cablePaneText();
    const RadioIdentity &identity = m_frame.radio().operations().identity();
    if (identity.modelLetters[0] != 0)
        facts.radio = identity;
    CProfileWindow *window = m_frame.documents().activeWindow();
    if (withProfile && window) {
        CVelaCPSDoc &document = window->document();
        facts.profileName = document.title();
        facts.profileText = document.profile().model().workingDocument().xml();
    }
    return facts;
}

void CSupportFileCommand::create()
{
    const QString suggested = QDir::home().filePath(
        QStringLiteral("velacps-support-%1.tar.gz")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm"))));
    QString path = m_choosePath(suggested);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".tar.gz")))
        path += QLatin1String(".tar.gz");
    const bool withProfile = m_frame.documents().activeWindow()
        && showMessage(tr("Add the open profile to the support file? Its codeplug password is left out."),
               MsgStyle::YesNo | MsgStyle::IconQuestion)
            == MsgAnswer::Yes;
    QString why;
    if (SupportBundle::write(path, facts(withProfile), &why))
        showMessage(tr("The support file has been saved as \"%1\".").arg(QFileInfo(path).fileName()),
            MsgStyle::IconInformation);
    else
        showMessage(tr("Cannot save the support file \"%1\": %2").arg(path, why), MsgStyle::IconError);
}
