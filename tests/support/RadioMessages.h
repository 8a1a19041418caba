#pragma once

#include <QString>

// The texts the radio operations show, written out here apart from the
// program's own, so a changed text fails the tests.
namespace RadioMessages {

inline const QString kRegionRefusedForRead = QStringLiteral("The CPS does not support this radio's region.");
inline const QString kRegionRefusedForWrite = QStringLiteral("The CPS does not support this radio model.");
inline const QString kCodeplugIncompatible
    = QStringLiteral("Codeplug version of CPS and radio are incompatible! Please update your CPS.");
inline const QString kModelMismatch
    = QStringLiteral("The radio being programmed does not match the model in the current profile.");
inline const QString kNotCompatible = QStringLiteral("The current profile is not compatible with the radio.");
inline const QString kBandMismatch
    = QStringLiteral("Invalid frequency: This frequency is not supported by this radio.");
inline const QString kCodesLost
    = QStringLiteral("Some profile information is not supported by the host radio and therefore will not be "
                     "transferred(PL/DPL Code). ");
inline const QString kTierQuestion = QStringLiteral("When converting from high-tier radio to low-tier radio, "
                                                    "some data may be lost. Do you want to continue?");
inline const QString kOlderRadioCodeplug
    = QStringLiteral("The radio you are programing has a lower version codeplug, some new features can not "
                     "be used after writing.");

inline const QString kCommunicationError = QStringLiteral("Error: Communication Error.");
inline QString operationFailed(int code)
{
    return QStringLiteral("Error: Operation Failed (%1).").arg(code);
}
inline const QString kFactoryResetWarning = QStringLiteral(
    "Warning: Radio's memory is corrupted. Please perform factory reset to correct the error.");
inline const QString kReturnToManufactureWarning
    = QStringLiteral("Warning: Radio's memory is corrupted. Please return to manufacture for correction.");
inline const QString kBackupKeptIn = QStringLiteral("What the radio held before the write is kept in ");
inline const QString kNotKept = QStringLiteral("The radio did not keep these settings: ");
inline const QString kWriteAgain = QStringLiteral("Write to the radio again?");
inline const QString kUnknownWarning = QStringLiteral("Warning: Unknown warning!");

} // namespace RadioMessages
