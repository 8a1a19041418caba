#include "CompareCommand.h"

#include "ChildFrame.h"
#include "CompareDialog.h"
#include "ComparisonWindow.h"
#include "DocumentCommands.h"
#include "MainCommands.h"
#include "MainFrame.h"
#include "ProfileWindow.h"
#include "RadioCommands.h"
#include "VelaCPSDoc.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/SafeFile.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>

#include <cstring>

CCompareCommand::CCompareCommand(CMainFrame &frame, const CProductContext &context)
    : QObject(&frame)
    , m_frame(frame)
    , m_context(context)
    , m_action(new QAction(tr("Co&mpare..."), &frame))
{
    m_action->setObjectName(QStringLiteral("fileCompare"));
    m_action->setStatusTip(
        tr("Lists the differences between a profile and another profile, a file or the radio"));
    QAction *saveAs = frame.commands().fileSaveAs;
    for (QObject *owner : saveAs->associatedObjects()) {
        if (auto *menu = qobject_cast<QMenu *>(owner)) {
            const QList<QAction *> entries = menu->actions();
            menu->insertAction(entries.value(entries.indexOf(saveAs) + 1), m_action);
        }
    }
    connect(m_action, &QAction::triggered, this, &CCompareCommand::compare);
}

void CCompareCommand::compare()
{
    CProfileWindow *active = m_frame.documents().activeWindow();
    if (!active || !active->frame().CommitPendingInput())
        return;
    CCompareDialog dialog(
        m_frame.documents().windows(), active, m_frame.commands().read->isEnabled(), &m_frame);
    if (dialog.exec() != QDialog::Accepted || !dialog.profile())
        return;
    CProfileWindow &profile = *dialog.profile();
    switch (dialog.other()) {
    case CCompareDialog::Other::Profile:
        compareWithProfile(profile, *dialog.otherProfile());
        return;
    case CCompareDialog::Other::File: {
        const QString path = QFileDialog::getOpenFileName(&m_frame, CCompareDialog::tr("Compare"), QString(),
            tr("Profiles and codeplug images (*.kv9 *.img);;All files (*)"));
        if (!path.isEmpty())
            compareWithFile(profile, path);
        return;
    }
    case CCompareDialog::Other::Radio:
        compareWithRadio(profile);
        return;
    }
}

CComparisonWindow *CCompareCommand::compareWithProfile(CProfileWindow &profile, CProfileWindow &other)
{
    return show(profile, { &other.document().profile(), std::nullopt }, other.document().title());
}

CComparisonWindow *CCompareCommand::compareWithFile(CProfileWindow &profile, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    // A file of an image's size is an image; anything else has to be a profile.
    if (QFileInfo(path).size() == qint64(sizeof(VirtualCP))) {
        QByteArray bytes;
        QString why;
        if (!ReadRegularFile(path, sizeof(VirtualCP), bytes, &why)) {
            showMessage(tr("The file \"%1\" cannot be read: %2").arg(name, why), MsgStyle::IconWarning);
            return nullptr;
        }
        ProfileComparison::ComparisonSide image;
        image.image.emplace();
        std::memcpy(&*image.image, bytes.constData(), sizeof(VirtualCP));
        return show(profile, image, name);
    }
    // The profile as its window would show it: the window runs the model's rules on it.
    CVelaCPSDoc file(m_context, 0);
    if (!file.OnOpenDocument(path) || !file.profile().RunLoadTimeRules())
        return nullptr;
    return show(profile, { &file.profile(), std::nullopt }, name);
}

void CCompareCommand::compareWithRadio(CProfileWindow &profile)
{
    QPointer<CProfileWindow> window(&profile);
    m_frame.radio().readImage([this, window](const VirtualCP &image) {
        if (window)
            show(*window, { nullptr, image }, tr("Radio"));
    });
}

CComparisonWindow *CCompareCommand::show(
    CProfileWindow &profile, const ProfileComparison::ComparisonSide &other, const QString &otherName)
{
    const std::optional<QList<ProfileDifference>> differences
        = ProfileComparison::compareSides(other, { &profile.document().profile(), std::nullopt },
            CConfigStore::decimalSeparator(m_context.language()));
    if (!differences) {
        showMessage(tr("%1 and %2 cannot be compared.").arg(otherName, profile.document().title()),
            MsgStyle::IconWarning);
        return nullptr;
    }
    auto *window = new CComparisonWindow(*differences, otherName, profile, &m_frame);
    window->show();
    emit windowShown(window);
    return window;
}
