#include "RadioCommands.h"

#include "ChildFrame.h"
#include "DocumentCommands.h"
#include "MainFrame.h"
#include "ProfileWindow.h"
#include "ReadWriteDialog.h"
#include "VelaCPSDoc.h"
#include "WriteReviewDialog.h"
#include "base/ConfigStore.h"
#include "base/VelaException.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QDir>
#include <QInputDialog>
#include <QLocale>

CRadioCommands::CRadioCommands(
    CMainFrame &frame, const CProductContext &context, CCableMonitor &monitor, QObject *parent)
    : QObject(parent)
    , m_frame(frame)
    , m_operations(context.settings(), {}, &monitor)
{
    connect(&m_operations, &CRadioOperations::stageStarted, this, &CRadioCommands::onStageStarted);
    connect(&m_operations, &CRadioOperations::progress, this, [this](int percent) {
        if (m_progress)
            m_progress->setProgress(percent);
    });
    connect(
        &m_operations, &CRadioOperations::message, this, &CRadioCommands::onMessage, Qt::DirectConnection);
    connect(&m_operations, &CRadioOperations::passwordRequested, this, &CRadioCommands::onPassword,
        Qt::DirectConnection);
    connect(&m_operations, &CRadioOperations::finished, this, &CRadioCommands::onFinished);
    connect(&m_operations, &CRadioOperations::writeReviewed, this, &CRadioCommands::onWriteReviewed,
        Qt::DirectConnection);
    m_operations.setDecimalSeparator(CConfigStore::decimalSeparator(context.language()));
    m_review = [this](const QList<ProfileDifference> &changes, bool sameModel) {
        CWriteReviewDialog review(changes, sameModel, &m_frame);
        return review.exec() == QDialog::Accepted;
    };
}

namespace {

QString modelOf(CProfileDocument &profile)
{
    CDataItem factory;
    profile.root().GetChildByName(QStringLiteral("factory_setting"), factory);
    return factory.GetAttributeValue(QStringLiteral("model")).toString();
}

} // namespace

void CRadioCommands::started(bool ok)
{
    if (ok)
        m_frame.setDeviceCommandsEnabled(false);
}

void CRadioCommands::read()
{
    m_reading = true;
    m_takeImage = nullptr;
    started(m_operations.startRead());
}

void CRadioCommands::readImage(std::function<void(const VirtualCP &image)> done)
{
    m_reading = true;
    m_takeImage = std::move(done);
    started(m_operations.startRead());
}

void CRadioCommands::write()
{
    CProfileWindow *window = m_frame.documents().activeWindow();
    if (!window || !window->frame().CommitPendingInput())
        return;
    m_reading = false;
    m_writtenModel = modelOf(window->document().profile());
    started(m_operations.startWrite(window->document().profile(), window));
}

void CRadioCommands::reset()
{
    m_reading = false;
    started(m_operations.startReset());
}

void CRadioCommands::restoreBackup()
{
    const QList<RadioBackup> backups = RadioBackups::list();
    if (backups.isEmpty()) {
        showMessage(
            tr("There are no radio backups in %1.").arg(QDir::toNativeSeparators(RadioBackups::folder())),
            MsgStyle::IconInformation);
        return;
    }
    QStringList entries;
    for (const RadioBackup &backup : backups)
        entries << tr("%1  %2 (%3)  %4  %5")
                       .arg(QLocale().toString(backup.time.toLocalTime(), QLocale::ShortFormat),
                           backup.serial, backup.model, backup.reason, backup.profileName);
    bool chosen = false;
    const QString entry = QInputDialog::getItem(&m_frame, tr("Restore Radio Backup"),
        tr("Backup to write into the radio on the cable:"), entries, 0, false, &chosen);
    if (!chosen)
        return;
    VirtualCP image;
    RadioBackup backup;
    QString error;
    if (!RadioBackups::load(backups[entries.indexOf(entry)].imagePath, image, backup, error)) {
        showMessage(error, MsgStyle::IconError);
        return;
    }
    m_reading = false;
    started(m_operations.startRestore(image));
}

void CRadioCommands::onWriteReviewed(const QList<ProfileDifference> &changes, bool &proceed)
{
    if (changes.isEmpty())
        return;
    const bool sameModel = m_writtenModel == RadioBackups::modelOf(m_operations.identity());
    if (sameModel && !CWriteReviewDialog::reviewsSameModel())
        return;
    proceed = m_review(changes, sameModel);
}

void CRadioCommands::onStageStarted(CRadioOperations::Stage stage)
{
    if (stage == CRadioOperations::Stage::Identifying || stage == CRadioOperations::Stage::Resetting)
        return;
    if (m_progress)
        return;
    m_progress
        = new CReadWriteDialog(stage == CRadioOperations::Stage::Reading ? CReadWriteDialog::Mode::Read
                                                                         : CReadWriteDialog::Mode::Write,
            &m_frame);
    m_progress->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_progress, &CReadWriteDialog::cancelRequested, &m_operations, &CRadioOperations::cancel);
    m_frame.setCablePaneText(tr("Transferring..."));
    m_progress->open();
}

void CRadioCommands::onMessage(RadioMessage &message)
{
    // What goes wrong during a transfer ends it: the window says so first.
    if (m_progress && !message.isQuestion())
        m_progress->showFailure();
    message.answer = showMessage(message.text, message.style);
}

void CRadioCommands::onPassword(PasswordRequest &request)
{
    request.accepted
        = m_askPassword && m_askPassword(RadioChecks::RadioPassword(m_operations.identity()), request.typed);
}

void CRadioCommands::onFinished(CRadioOperations::Outcome outcome)
{
    const bool succeeded = outcome == CRadioOperations::Outcome::Succeeded;
    if (!m_progress) {
        emit operationEnded(outcome);
        return;
    }
    connect(m_progress, &QDialog::finished, this, [this, outcome, succeeded](int result) {
        if (succeeded && m_reading && result == QDialog::Accepted)
            m_takeImage ? m_takeImage(m_operations.image()) : takeReadProfile();
        m_takeImage = nullptr;
        emit operationEnded(outcome);
    });
    m_progress->finish(succeeded);
}

void CRadioCommands::takeReadProfile()
{
    VirtualCP image = m_operations.image();
    CProfileWindow *window = m_frame.documents().activeWindow();
    const int answer = window
        ? showMessage(tr("Do you want to create a new profile (Yes), overwrite the currently "
                         "selected profile (No) or cancel it?"),
            MsgStyle::YesNoCancel | MsgStyle::IconQuestion)
        : MsgAnswer::Yes;
    if (answer == MsgAnswer::Yes) {
        m_frame.documents().newProfileFromImage(image);
        return;
    }
    if (answer != MsgAnswer::No)
        return;
    CProfileDocument &profile = window->document().profile();
    try {
        if (profile.SetVirtualCPData(image))
            window->frame().rebuild();
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
    }
    profile.setPowerClass(m_operations.identity().modelDigits[0]);
}
