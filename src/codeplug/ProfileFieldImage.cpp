// The image side of the field catalogue: a field's bytes as the profile text
// writes them, and an attribute's text stored back into those bytes.

#include "ProfileFields.h"

#include "CodePageText.h"
#include "CodeplugBits.h"
#include "FrequencyCodec.h"
#include "TextNumbers.h"

#include <algorithm>
#include <cstring>

namespace codeplug {
namespace {

// The sub-region every profile made from a radio declares.
constexpr uint32_t kSubRegion = 2;
constexpr uint32_t kNotAHexDigit = 0xFFFFFFFF;
constexpr int kModelLetters = 3;
constexpr int kModelLength = 8;

uint32_t hexDigitValue(uint8_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return kNotAHexDigit;
}

// The first byte of the field's record in the image.
int recordBase(FieldElement element, int record)
{
    switch (element) {
    case FieldElement::Channel:
        return int(offsetof(VirtualCP, channels)) + record * int(sizeof(ChannelRecord));
    case FieldElement::Frequency:
        return int(offsetof(VirtualCP, frequencies)) + record * int(sizeof(FrequencyRecord));
    case FieldElement::Preset:
        return record;
    default:
        return 0;
    }
}

uint8_t *bytesOf(const ProfileField &field, VirtualCP &image, int record)
{
    return reinterpret_cast<uint8_t *>(&image) + recordBase(field.element, record) + field.offset;
}

const uint8_t *bytesOf(const ProfileField &field, const VirtualCP &image, int record)
{
    return bytesOf(field, const_cast<VirtualCP &>(image), record);
}

uint32_t readNumber(const uint8_t *bytes, int width)
{
    uint32_t value = 0;
    std::memcpy(&value, bytes, size_t(width)); // little-endian, as the image
    return value;
}

void writeNumber(uint8_t *bytes, int width, uint32_t value)
{
    std::memcpy(bytes, &value, size_t(width));
}

QString modelText(const uint8_t *bytes)
{
    QString model;
    for (int i = 0; i < kModelLetters; ++i)
        model += QChar(bytes[i]);
    for (int i = kModelLetters; i < kModelLength; ++i)
        model += QString::number(bytes[i]);
    return model;
}

// Three letters, then five digits stored as their values.
void storeModel(const QString &text, uint8_t *bytes)
{
    const QByteArray model = toCodePage(text);
    std::memset(bytes, 0, kModelLength);
    for (qsizetype i = 0; i < std::min<qsizetype>(model.size(), kModelLength); ++i) {
        const auto c = static_cast<uint8_t>(model[i]);
        bytes[i] = i < kModelLetters ? c : static_cast<uint8_t>(c - '0');
    }
}

// The number as a signed decimal, stored as the first character of its
// upper-case hexadecimal text: 12 gives "C", 16 gives "1".
uint8_t hexDigitCharacter(const QString &text)
{
    const auto value = static_cast<uint32_t>(parseSigned(text));
    return static_cast<uint8_t>(QByteArray::number(value, 16).toUpper().at(0));
}

} // namespace

bool carriedBy(const ProfileField &field, const VirtualCP &image)
{
    switch (field.condition) {
    case FieldCondition::CustomPl:
        return image.limit.maxCodes > kMaxCodesWithoutCustomPl;
    case FieldCondition::CustomDpl:
        return image.limit.maxCodes > kMaxCodesWithoutCustomDpl;
    default:
        return field.inImage();
    }
}

QString imageAttributeText(const ProfileField &field, const VirtualCP &image, int record)
{
    const uint8_t *bytes = bytesOf(field, image, record);
    switch (field.coding) {
    case ImageCoding::Byte:
    case ImageCoding::Flag:
    case ImageCoding::Word16:
    case ImageCoding::Word32:
    case ImageCoding::HexNumber:
        return QString::number(readNumber(bytes, field.width));
    case ImageCoding::TwoBits:
        return QString::number(bytes[0] & 0x03);
    case ImageCoding::RecordCount:
        return QString::number(std::min<uint32_t>(bytes[0], field.max));
    case ImageCoding::Text:
        return profileTextValue(bytes, field.width);
    case ImageCoding::Character:
        return QString(QChar(bytes[0]));
    case ImageCoding::HexDigit:
        return QString::number(hexDigitValue(bytes[0]));
    case ImageCoding::ModelCode:
        return modelText(bytes);
    case ImageCoding::ButtonSlot:
        return QString::number(buttonSlot(image.setting.buttons, unsigned(field.offset)));
    case ImageCoding::ScanBit:
        return QString::number(scanBit(image.setting.scanBitmap, unsigned(record)) ? 1 : 0);
    case ImageCoding::Frequency:
        return QString::number(decodeFrequency(image.frequencies[record], image.factory.synth_base_int_part));
    case ImageCoding::SubRegion:
        return QString::number(kSubRegion);
    case ImageCoding::None:
        break;
    }
    return {};
}

void storeImageAttribute(const ProfileField &field, const QString &text, VirtualCP &image, int record)
{
    uint8_t *bytes = bytesOf(field, image, record);
    switch (field.coding) {
    case ImageCoding::Byte:
    case ImageCoding::RecordCount:
    case ImageCoding::Word16:
    case ImageCoding::Word32:
    case ImageCoding::TwoBits:
        return writeNumber(bytes, field.width, parseUnsigned(text));
    case ImageCoding::Flag:
        // Only the exact text "1" is a set flag.
        bytes[0] = text == QLatin1String("1") ? 1 : 0;
        return;
    case ImageCoding::HexNumber:
        return writeNumber(bytes, field.width, parseUnsigned(text, 16));
    case ImageCoding::Text:
        return storeText(text, bytes, field.width);
    case ImageCoding::Character: {
        const QByteArray characters = toCodePage(text);
        bytes[0] = characters.isEmpty() ? 0 : static_cast<uint8_t>(characters[0]);
        return;
    }
    case ImageCoding::HexDigit:
        bytes[0] = hexDigitCharacter(text);
        return;
    case ImageCoding::ModelCode:
        return storeModel(text, bytes);
    case ImageCoding::ButtonSlot:
        return setButtonSlot(
            image.setting.buttons, unsigned(field.offset), static_cast<uint8_t>(parseUnsigned(text)));
    case ImageCoding::ScanBit:
        return setScanBit(image.setting.scanBitmap, unsigned(record), parseUnsigned(text) != 0);
    case ImageCoding::Frequency:
        return encodeFrequency(
            parseUnsigned(text), image.factory.synth_base_int_part, image.frequencies[record]);
    case ImageCoding::SubRegion:
    case ImageCoding::None:
        return;
    }
}

} // namespace codeplug
