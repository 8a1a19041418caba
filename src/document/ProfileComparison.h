#pragma once

#include "codeplug/VirtualCP.h"

#include <QList>
#include <QString>

#include <optional>

class CProfileDocument;

// One field that differs between two profiles, named as a dealer reads it:
// "Channel 3 (ROUTE66) · Receive Frequency: 462.562500 → 462.587500".
struct ProfileDifference {
    QString section; // the profile element: factory_setting, limit, setting, preset, channel, frequency
    int item = 0; // the number of the channel, frequency or preset (from 1); 0 for the others
    QString itemName; // a channel's name
    QString field; // "element.attribute"; the element alone for an item only one side has
    QString caption; // the field's label
    // As shown and as stored; a null raw value is a field or item that side does not have.
    QString oldShown, newShown;
    QString oldRaw, newRaw;

    // "Channel 3 (ROUTE66) · Receive Frequency: 462.562500 → 462.587500".
    QString line() const;
    // "Channel 3 (ROUTE66)", "General Settings".
    QString place() const;
};

// The differences between profiles, and between a profile and what a radio
// holds, field by field: the model first, then the profile's elements in the
// order of its text, each attribute in the order of the newer side.
namespace ProfileComparison {

// Between two profile texts. Frequencies are shown in megahertz with
// decimalSeparator, a channel's frequencies as those of its own profile's
// table, its PL/DPL codes as the channel editor lists them. Nothing when a
// text does not parse.
std::optional<QList<ProfileDifference>> compareTexts(
    const QString &oldText, const QString &newText, const QString &decimalSeparator = QStringLiteral("."));

// Between the profile texts of two images (the channel names as a read
// repairs them); nothing, after its message, when an image is refused.
std::optional<QList<ProfileDifference>> compareImages(const VirtualCP &oldImage, const VirtualCP &newImage,
    const QString &decimalSeparator = QStringLiteral("."));

// What a radio holding radio holds after a write of sent: the write sends
// the setting block, the channel and frequency records in use and the
// customised codes the radio has; the rest stays the radio's.
VirtualCP writtenOver(const VirtualCP &radio, const VirtualCP &sent);

// What a write of document into a radio holding radio leaves there: the
// profile converted as the write converts it, for that radio. Nothing,
// after its message, when the profile cannot be converted.
std::optional<VirtualCP> profileWrittenOver(CProfileDocument &document, const VirtualCP &radio);

// One side of a comparison: an open profile, or a codeplug image (of a
// file, a backup or a radio).
struct ComparisonSide {
    CProfileDocument *profile = nullptr;
    std::optional<VirtualCP> image;
};

// Between two sides: two profiles text against text; a profile set against
// an image stands for what a write of it would leave in that image. Nothing,
// after its message, when a side cannot be converted.
std::optional<QList<ProfileDifference>> compareSides(const ComparisonSide &older, const ComparisonSide &newer,
    const QString &decimalSeparator = QStringLiteral("."));

// The captions of a difference list, each once, in order:
// "Channel 3 (ROUTE66) Receive Frequency, General Settings Password".
QString fieldList(const QList<ProfileDifference> &differences);

} // namespace ProfileComparison
