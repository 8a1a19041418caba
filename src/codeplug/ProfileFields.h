#pragma once

// The field catalogue: every attribute of the profile, with where the image
// holds it, how the profile text spells it and what a dealer may store in it.
// The conversions between image and profile text, the command-line tool's
// get and set, and the checks of a value all read this one table.
//
// A field is named "element.attribute" ("channel.rx_freq_ndx",
// "setting.powerupString"); the elements channel, frequency and preset
// repeat, and a name then stands for the attribute of each of them.

#include "VirtualCP.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>

namespace codeplug {

// The profile's elements, in the order the profile text writes them.
enum class FieldElement { Factory, Limit, Setting, Preset, Channel, Frequency };

// How the image holds a field and how the profile text writes and reads it.
enum class ImageCoding {
    Byte, // one byte, a decimal number; a larger number keeps its low byte
    Flag, // one byte, 0 or 1; only the exact text "1" reads as set
    RecordCount, // one byte; written at most max (the records the image holds)
    Word16, // two bytes, a decimal number
    Word32, // four bytes, a decimal number
    TwoBits, // one byte; written as its low two bits, read whole
    Text, // a fixed-width text field, trimmed and escaped when written
    Character, // one character of the system code page, written as it is
    HexDigit, // written as the value of its hexadecimal digit character
    HexNumber, // written in decimal, read as hexadecimal
    ModelCode, // three letters and five digit values
    ButtonSlot, // a four-bit slot of the button table (offset is the slot)
    ScanBit, // the channel's bit of the scan bitmap
    Frequency, // the frequency record's synthesiser fields, in Hz
    SubRegion, // not in the image; always written as 2
    None, // not in the image: added to the profile for its codeplug version
};

// What a dealer may store in a field.
enum class ValueKind {
    Fixed, // comes from the radio or the template; no edit changes it
    Flag, // 0 or 1
    Range, // a number from min to max
    List, // one of the listed numbers
    Text, // at most width characters
    Password, // empty or width digits; set together with its confirmation
};

// When the profile text carries a field.
enum class FieldCondition {
    Always,
    CustomPl, // the limit's maxCodes is above kMaxCodesWithoutCustomPl
    CustomDpl, // the limit's maxCodes is above kMaxCodesWithoutCustomDpl
    ChannelFlags, // read into the image only for a radio that has them
};

struct ProfileField {
    FieldElement element;
    const char *attribute;
    ImageCoding coding;
    // The byte offset in the image (for channels, frequencies and presets
    // in the element's record), or the slot of a button.
    int offset;
    // The bytes the image holds for it (0 when it is not in the image).
    int width;
    ValueKind kind;
    uint32_t min;
    uint32_t max;
    std::span<const uint32_t> values; // the list of a List field
    const char *caption; // the dealer's name of it, untranslated (fieldCaption() translates)
    FieldCondition condition = FieldCondition::Always;

    QString elementName() const;
    // "element.attribute".
    QString name() const;
    bool repeats() const;
    bool inImage() const { return coding != ImageCoding::None; }
};

// Every field, element by element in the order of the profile text.
std::span<const ProfileField> profileFields();
// The fields of one element, in the order of the profile text.
std::span<const ProfileField> fieldsOf(FieldElement element);
// The field named "element.attribute"; nullptr when there is none.
const ProfileField *findField(QStringView name);
// The element named name ("channel"); nothing when there is none.
std::optional<FieldElement> elementNamed(QStringView name);

// What a dealer calls an element ("Channel", "Radio Information") and a
// field ("Receive Frequency"), in the current language.
QString elementCaption(FieldElement element);
QString fieldCaption(const ProfileField &field);

// What the field takes, as a phrase: "a number from 0 to 3", "one of 60,
// 120, 180", "0 or 1", "a text of at most 8 characters".
QString fieldDomain(const ProfileField &field);
// Nothing when value is one the field takes; otherwise the message naming
// the field (as name, when given: "channel[3].name") and what it takes.
std::optional<QString> checkFieldValue(
    const ProfileField &field, const QString &value, const QString &name = QString());

// The image side. record is 0 for the single elements, else the index of
// the channel, frequency or preset.
// Whether the profile text of image carries the field (the customised
// codes go by the image's maxCodes).
bool carriedBy(const ProfileField &field, const VirtualCP &image);
// The attribute's text as the profile text writes it.
QString imageAttributeText(const ProfileField &field, const VirtualCP &image, int record);
// Stores the attribute's text (a missing attribute reads as "") into the
// image as the profile-to-image conversion reads it.
void storeImageAttribute(const ProfileField &field, const QString &text, VirtualCP &image, int record);

} // namespace codeplug
