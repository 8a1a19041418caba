#pragma once

#include <QString>

struct RadioIdentity;
struct VirtualCP;
class CProfileDocument;
class CSettingsDocuments;

// The checks between an identified radio and the profile that keep a
// profile and a radio of different model, region, power class or codeplug
// version apart, and the changes a write makes to the image for the radio.
// Each check that fails shows its message and answers false.
namespace RadioChecks {

enum class Transfer { Read, Write };

// The region code: the decimal texts of the last two model digits.
QString RegionCode(const RadioIdentity &identity);
// The radio's codeplug password; empty when the radio has none.
QString RadioPassword(const RadioIdentity &identity);
// The password an image carries to the radio.
QString ImagePassword(const VirtualCP &image);

// The checks every read and write starts with: region, codeplug version.
bool CheckRegion(const RadioIdentity &identity, const CSettingsDocuments &settings, Transfer transfer);
bool CheckCodeplugVersion(const RadioIdentity &identity, const CSettingsDocuments &settings);

// The write checks on the profile, in order: model region, codeplug
// version, power class and style, band, custom codes.
bool CheckWriteCompatibility(CProfileDocument &document, const RadioIdentity &identity,
                             const CSettingsDocuments &settings);

// Fits the image to a radio of a lower tier or without display, asking the
// user first (through the message reporter). False when declined.
bool ConvertTier(VirtualCP &image, const RadioIdentity &identity);

// The notice when the radio's codeplug is older than the profile's.
void NoticeOlderRadioCodeplug(const RadioIdentity &identity, int profileCodeplugVersion);

// Puts the radio's firmware, model and supported codes into the image.
void CopyIdentityIntoImage(VirtualCP &image, const RadioIdentity &identity);

// The texts of the engine's failure and memory-status reports.
QString FailureText(int code);
QString MemoryStatusText(int status);

} // namespace RadioChecks
