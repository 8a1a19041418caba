#pragma once

#include "radio/UsbCable.h"

#include <QString>

#include <functional>

struct RadioIdentity;
struct VirtualCP;
class CProfileDocument;
class CSettingsDocuments;

// The checks between an identified radio and the profile that keep a
// profile and a radio of different model, region, power class or codeplug
// version apart, and the changes a write makes to the image for the radio.
// Each check that fails shows its message through show and answers false.
namespace RadioChecks {

enum class Transfer { Read, Write };

// Shows a message or asks a question (text, MsgStyle flags) and answers the
// MsgAnswer of the button chosen.
using Show = std::function<int(const QString &text, unsigned style)>;

// The region code: the decimal texts of the last two model digits.
QString RegionCode(const RadioIdentity &identity);
// The radio's codeplug password; empty when the radio has none.
QString RadioPassword(const RadioIdentity &identity);
// The password an image carries to the radio.
QString ImagePassword(const VirtualCP &image);

// The checks every read and write starts with: region, codeplug version.
bool CheckRegion(
    const RadioIdentity &identity, const CSettingsDocuments &settings, Transfer transfer, const Show &show);
bool CheckCodeplugVersion(
    const RadioIdentity &identity, const CSettingsDocuments &settings, const Show &show);

// The write checks on the profile, in order: model region, codeplug
// version, power class and style, band, custom codes.
bool CheckWriteCompatibility(CProfileDocument &document, const RadioIdentity &identity,
    const CSettingsDocuments &settings, const Show &show);

// Fits the image to a radio of a lower tier or without display, asking the
// user first. False when declined.
bool ConvertTier(VirtualCP &image, const RadioIdentity &identity, const Show &show);

// The notice when the radio's codeplug is older than the profile's.
void NoticeOlderRadioCodeplug(const RadioIdentity &identity, int profileCodeplugVersion, const Show &show);

// Puts the radio's firmware, model and supported codes into the image.
void CopyIdentityIntoImage(VirtualCP &image, const RadioIdentity &identity);

// The texts of the engine's failure and memory-status reports.
QString FailureText(int code);
QString MemoryStatusText(int status);
// What a failure adds when the cable did not open (empty for other
// statuses), and when a write had got blocks into the radio.
QString CableFailureText(CableStatus status);
QString PartlyWrittenText();

} // namespace RadioChecks
