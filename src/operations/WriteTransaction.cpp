// The write as a transaction: the radio's codeplug is backed up before
// anything is written, the changes can be reviewed, and what the radio took
// is read back and compared with what was sent.

#include "operations/ReadWriteOperations.h"

#include "document/ProfileDocument.h"
#include "radio/RadioLink.h"
#include "radio/StopEvent.h"
#include "settings/ModelRules.h"

#include <QDir>

namespace {

RadioOutcome bothSucceed(
    const std::function<RadioOutcome()> &first, const std::function<RadioOutcome()> &second)
{
    const RadioOutcome outcome = first();
    return outcome.succeeded() ? second() : outcome;
}

} // namespace

bool CRadioOperations::startDryRunWrite(CProfileDocument &document)
{
    if (m_running)
        return false;
    m_writeMode.dryRun = true;
    return startWrite(document);
}

bool CRadioOperations::startRestore(const VirtualCP &backup)
{
    if (!begin(true))
        return false;
    m_writeMode.restore = true;
    m_writeMode.profileName = tr("backup of %1").arg(RadioBackups::serialOf(backup));
    identify([this, backup](const RadioOutcome &outcome) {
        if (identifiedForTransfer(outcome))
            restoreChecked(backup);
    });
    return true;
}

void CRadioOperations::restoreChecked(const VirtualCP &backup)
{
    const RadioChecks::Show show = shower();
    if (!RadioChecks::CheckRegion(m_identity, m_settings, RadioChecks::Transfer::Write, show)
        || !RadioChecks::CheckCodeplugVersion(m_identity, m_settings, show))
        return finish(Outcome::Failed);
    const QString radioModel = RadioBackups::modelOf(m_identity);
    if (RadioBackups::modelOf(backup) != radioModel) {
        show(tr("This backup is of a %1 radio, and the radio on the cable is a %2; it is not written.")
                 .arg(RadioBackups::modelOf(backup), radioModel),
            MsgStyle::IconError);
        return finish(Outcome::Failed);
    }
    if (!passwordAccepted())
        return finish(Outcome::Declined);
    m_image = backup;
    RadioChecks::CopyIdentityIntoImage(m_image, m_identity);
    backUpAndWrite();
}

bool CRadioOperations::storeBackup(const VirtualCP &image, const QString &reason)
{
    QString error;
    m_results.backup = RadioBackups::store(image, reason, m_writeMode.profileName, error);
    if (!m_results.backup)
        show(error, MsgStyle::IconWarning);
    return m_results.backup.has_value();
}

void CRadioOperations::endWithReset(Outcome outcome)
{
    runStage(
        Stage::Resetting, [](CRadioLink &link) { return link.ResetRadio(); },
        [this, outcome](const RadioOutcome &reset) {
            const Outcome resetEnd = reportOutcome(reset);
            finish(resetEnd == Outcome::Succeeded ? outcome : resetEnd);
        });
}

void CRadioOperations::backUpAndWrite()
{
    if (m_cancel->isSet())
        return finish(Outcome::Cancelled);
    const bool backUp = RadioBackups::enabled();
    // A restore reads the radio anyway: it must know whose radio it writes.
    if (!backUp && !m_writeMode.dryRun && !m_writeMode.restore)
        return writeAndVerify();
    QString error;
    if (backUp && !RadioBackups::checkWritable(error)) {
        show(error + QLatin1Char('\n') + tr("Nothing was written to the radio."), MsgStyle::IconError);
        return finish(Outcome::Failed);
    }
    runStage(
        Stage::BackingUp,
        [this](CRadioLink &link) {
            return bothSucceed(
                [&] { return link.Prepare(); }, [&] { return link.ReadCodeplug(m_radioImage); });
        },
        [this, backUp](const RadioOutcome &outcome) {
            if (outcome.kind == RadioReport::Cancelled)
                return resetAfterCancel(outcome);
            if (!outcome.succeeded())
                return finish(reportOutcome(outcome));
            const QString reason = m_writeMode.dryRun ? RadioBackups::kReasonRead
                : m_writeMode.restore                 ? RadioBackups::kReasonBeforeRestore
                                                      : RadioBackups::kReasonBeforeWrite;
            if (backUp && !storeBackup(m_radioImage, reason))
                return endWithReset(Outcome::Failed);
            if (writeApproved())
                return writeAndVerify();
            endWithReset(m_writeMode.dryRun ? Outcome::Succeeded : Outcome::Declined);
        });
}

bool CRadioOperations::writeApproved()
{
    const QString radioSerial = RadioBackups::serialOf(m_radioImage);
    const QString backupSerial = RadioBackups::serialOf(m_image);
    if (m_writeMode.restore && radioSerial != backupSerial
        && show(tr("This backup was taken from the radio with the serial number %1, and the radio on the "
                   "cable has %2. Write it into this radio?")
                    .arg(backupSerial, radioSerial),
               MsgStyle::YesNo | MsgStyle::IconQuestion)
            != MsgAnswer::Yes)
        return false;
    const std::optional<QList<ProfileDifference>> changes = ProfileComparison::compareImages(
        m_radioImage, ProfileComparison::writtenOver(m_radioImage, m_image), m_decimalSeparator);
    if (!changes)
        return false;
    bool proceed = !m_writeMode.dryRun;
    emit writeReviewed(*changes, proceed);
    return proceed && !m_writeMode.dryRun;
}

void CRadioOperations::writeAndVerify()
{
    runStage(
        Stage::Writing,
        [this](CRadioLink &link) {
            return bothSucceed([&] { return link.Prepare(); }, [&] { return link.WriteCodeplug(m_image); });
        },
        [this](const RadioOutcome &written) {
            if (written.kind == RadioReport::Cancelled)
                return resetAfterCancel(written);
            if (!written.succeeded()) {
                const Outcome end = reportOutcome(written);
                if (m_results.backup && written.partlyWritten)
                    show(tr("What the radio held before the write is kept in %1.")
                             .arg(QDir::toNativeSeparators(m_results.backup->imagePath)),
                        MsgStyle::IconInformation);
                return finish(end);
            }
            m_rememberedPassword = RadioChecks::ImagePassword(m_image);
            // The radio is reset only once what it took has been read back.
            runStage(
                Stage::Verifying,
                [this](CRadioLink &link) {
                    return bothSucceed([&] { return link.ReadCodeplug(m_readBack); },
                        [&] { return resetOutcome(Stage::Writing, link.ResetRadio()); });
                },
                [this](const RadioOutcome &read) {
                    if (read.kind == RadioReport::Cancelled)
                        return resetAfterCancel(read);
                    if (!read.succeeded())
                        return finish(reportOutcome(read));
                    verified();
                });
        });
}

void CRadioOperations::verified()
{
    const std::optional<QList<ProfileDifference>> notKept
        = ProfileComparison::compareImages(ProfileComparison::writtenOver(m_readBack, m_image), m_readBack);
    if (!notKept)
        return finish(Outcome::Failed);
    m_results.notKept = *notKept;
    if (m_results.notKept.isEmpty()) {
        if (!m_writeMode.backupRestored)
            return finish(Outcome::Succeeded);
        show(tr("The radio holds its backup again; the profile was not written."), MsgStyle::IconWarning);
        return finish(Outcome::Failed);
    }
    show(tr("The radio did not keep these settings: %1").arg(ProfileComparison::fieldList(m_results.notKept)),
        MsgStyle::IconError);
    if (!m_writeMode.retried && !m_writeMode.backupRestored) {
        m_writeMode.retried = true;
        if (show(tr("Write to the radio again?"), MsgStyle::YesNo | MsgStyle::IconQuestion) == MsgAnswer::Yes)
            return writeAndVerify();
    }
    if (m_results.backup && !m_writeMode.backupRestored
        && show(tr("Put the radio back as it was before the write, from its backup %1?")
                    .arg(QDir::toNativeSeparators(m_results.backup->imagePath)),
               MsgStyle::YesNo | MsgStyle::IconQuestion)
            == MsgAnswer::Yes) {
        m_writeMode.backupRestored = true;
        m_image = m_radioImage;
        return writeAndVerify();
    }
    finish(Outcome::Failed);
}
