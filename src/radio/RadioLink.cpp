#include "radio/RadioLink.h"

#include "codeplug/RadioPacking.h"
#include "radio/ChannelPacking.h"
#include "radio/ModelParameterTables.h"
#include "radio/RadioMemoryMap.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <thread>

using namespace RadioMemory;

namespace {

// A step that failed, with the result the failure report carries.
struct StepFailed {
    int code;
};
// The radio reported a memory status; the operation ends without touching memory.
struct MemoryStatusReported {
    int status;
};

// The control parameters sent around the writes.
constexpr quint8 kControlGroup = 0x1F;
constexpr quint8 kControlAfterSettings = 0x03;
constexpr quint8 kControlBeforeModelStep = 0x04;
constexpr quint8 kControlDone = 0x00;

// Where the memory status sits in the status query's reply, and its bits.
constexpr size_t kStatusByte = 2;
constexpr quint8 kStatusMask = 0x1F;
// The firmware characters in the model query's reply: data bytes 1-3.
constexpr size_t kFirmwareFirstByte = 1;
constexpr quint8 kRepeaterDisableBit = 0x80;

bool isDisplayLetter(quint8 letter)
{
    return letter == 'D' || letter == 'd';
}

bool isFourOrFiveWatt(quint8 powerClass)
{
    return powerClass == 4 || powerClass == 5;
}

quint16 bigEndian16(const quint8 *bytes)
{
    return quint16((bytes[0] << 8) | bytes[1]);
}

quint32 bigEndian32(const quint8 *bytes)
{
    return (quint32(bytes[0]) << 24) | (quint32(bytes[1]) << 16) | (quint32(bytes[2]) << 8) | bytes[3];
}

void putBigEndian16(quint8 *bytes, quint16 value)
{
    bytes[0] = quint8(value >> 8);
    bytes[1] = quint8(value);
}

void clearIdentity(RadioIdentity &identity)
{
    // The firmware characters (bytes 8-10) are left as they were.
    std::fill(std::begin(identity.modelLetters), std::end(identity.modelLetters), 0);
    std::fill(std::begin(identity.modelDigits), std::end(identity.modelDigits), 0);
    identity.codeplugPhase = 0;
    identity.codeplugVersion = 0;
    std::fill(std::begin(identity.password), std::end(identity.password), 0);
    identity.frequencyCount = 0;
    identity.serial_clone_compatibility = 0;
    identity.unused19 = 0;
    identity.maxCodes = 0;
}

void clearImage(VirtualCP &image)
{
    image.factory = FactoryBlock {};
    image.limit = LimitBlock {};
    image.setting = SettingBlock {};
    std::fill(std::begin(image.channels), std::end(image.channels), ChannelRecord {});
    std::fill(std::begin(image.frequencies), std::end(image.frequencies), FrequencyRecord {});
    std::fill(std::begin(image.customCodes), std::end(image.customCodes), quint16(0xFFFF));
    image.serial_clone_compatibility = 0;
}

void unpackRadioInformation(const quint8 *info, FactoryBlock &factory)
{
    std::copy_n(info + kInfoSerial, codeplug::kSerialLength, factory.serial);
    std::copy_n(info + kInfoModel, 3, factory.modelLetters);
    std::copy_n(info + kInfoModel + 3, 5, factory.modelDigits);
    factory.codeplug_phase = info[kInfoCodeplugPhase];
    factory.codeplug_version = info[kInfoCodeplugVersion];
    factory.codeplug_dev_version = info[kInfoCodeplugDevVersion];
}

} // namespace

CRadioLink::CRadioLink(QObject *window, std::unique_ptr<CUsbCable> cable)
    : m_window(window)
    , m_protocol(std::make_unique<CRadioProtocol>(std::move(cable)))
{
}

CRadioLink::~CRadioLink() = default;

RadioOutcome CRadioLink::run(const std::function<void()> &steps)
{
    RadioOutcome outcome { RadioReport::Failed, RadioReport::kCommunicationFailure };
    if (m_protocol->usable()) {
        outcome = {};
        try {
            steps();
        } catch (const StepFailed &failure) {
            outcome = { RadioReport::Failed, failure.code };
        } catch (const MemoryStatusReported &report) {
            outcome = { RadioReport::MemoryStatus, report.status };
        }
    }
    if (outcome.kind == RadioReport::Failed && m_protocol->stopped())
        outcome = { RadioReport::Cancelled, 0 };
    return outcome;
}

void CRadioLink::cancel()
{
    std::lock_guard lock(m_cancelMutex);
    m_cancelled = true;
    if (!m_resetting)
        m_protocol->stop();
}

void CRadioLink::readRange(quint32 address, int length, quint8 *destination)
{
    const int result = m_protocol->ReadRange(address, length, destination);
    if (result <= 0)
        throw StepFailed { result };
}

void CRadioLink::writeRange(quint32 address, const quint8 *data, int length)
{
    const int result = m_protocol->WriteRange(address, data, length);
    if (result < 0)
        throw StepFailed { result };
}

void CRadioLink::control(quint8 p1, quint8 p2, quint8 p3)
{
    const int result = m_protocol->SendControl(p1, p2, p3);
    if (result < 0)
        throw StepFailed { result };
}

void CRadioLink::checkMemoryStatus()
{
    RadioReply reply;
    const int result = m_protocol->QueryStatus(&reply);
    if (result <= 0)
        throw StepFailed { result };
    if (reply.data.size() <= kStatusByte)
        throw StepFailed { RadioReport::kCommunicationFailure };
    if (const int status = reply.data[kStatusByte] & kStatusMask)
        throw MemoryStatusReported { status };
}

void CRadioLink::queryFirmware(quint8 &phase, quint8 &version, quint8 &revision)
{
    RadioReply reply;
    const int result = m_protocol->QueryModel(&reply);
    if (result <= 0)
        throw StepFailed { result };
    if (reply.data.size() < kFirmwareFirstByte + 3)
        throw StepFailed { RadioReport::kCommunicationFailure };
    phase = reply.data[kFirmwareFirstByte];
    version = reply.data[kFirmwareFirstByte + 1];
    revision = reply.data[kFirmwareFirstByte + 2];
}

RadioOutcome CRadioLink::Prepare()
{
    return run([this] {
        const int result = m_protocol->SendPrepare();
        if (result < 1)
            throw StepFailed { result };
    });
}

RadioOutcome CRadioLink::ResetRadio()
{
    std::lock_guard engine(m_engine);
    bool afterStop;
    {
        std::lock_guard lock(m_cancelMutex);
        m_resetting = true;
        afterStop = m_protocol->stopped();
        m_protocol->resume();
    }
    const RadioOutcome outcome = run([this, afterStop] {
        if (afterStop)
            m_protocol->Drain();
        const int result = m_protocol->SendReset();
        if (result < 0)
            throw StepFailed { result };
        std::this_thread::sleep_for(m_resetSettle);
        progress(100);
    });
    std::lock_guard lock(m_cancelMutex);
    m_resetting = false;
    if (m_cancelled)
        m_protocol->stop();
    return outcome;
}

RadioOutcome CRadioLink::Identify(RadioIdentity &identity)
{
    std::lock_guard engine(m_engine);
    clearIdentity(identity);
    return run([this, &identity] {
        checkMemoryStatus();

        quint8 model[kRadioModelCodeLength] = {};
        readRange(kRadioModelCode, kRadioModelCodeLength, model);
        std::copy_n(model, 3, identity.modelLetters);
        std::copy_n(model + 3, 5, identity.modelDigits);
        identity.codeplugPhase = model[8];
        identity.codeplugVersion = model[9];
        progress(20);

        queryFirmware(identity.firmwarePhase, identity.firmwareVersion, identity.firmwareRevision);
        progress(40);

        // maxCodes sits where the codeplug read finds it for this firmware.
        quint8 maxCodes = 0;
        if (codeplug::usesSecondLimitLayout(
                identity.firmwarePhase, identity.firmwareVersion, identity.firmwareRevision)) {
            readRange(kLimitMaxCodesSecond, 1, &maxCodes);
        } else {
            readRange(kLimitMaxCodesFirst, 1, &maxCodes);
            maxCodes &= 0x7F;
        }
        identity.maxCodes = maxCodes;

        readRange(kPassword, codeplug::kPasswordLength, identity.password);
        progress(60);

        quint8 counts[kLimitCountsLength] = {};
        readRange(kLimitCounts, kLimitCountsLength, counts);
        identity.frequencyCount = counts[0];
        progress(80);

        readRange(kSerialClone, 1, &identity.serial_clone_compatibility);
        progress(100);
    });
}

RadioOutcome CRadioLink::ReadSerial(QString &serial)
{
    std::lock_guard engine(m_engine);
    serial.clear();
    return run([this, &serial] {
        char text[codeplug::kSerialLength] = {};
        readRange(kRadioInformation + kInfoSerial, codeplug::kSerialLength, reinterpret_cast<quint8 *>(text));
        serial = QString::fromLatin1(text, qsizetype(strnlen(text, codeplug::kSerialLength)));
    });
}

RadioOutcome CRadioLink::ReadCodeplug(VirtualCP &image)
{
    std::lock_guard engine(m_engine);
    clearImage(image);
    return run([this, &image] {
        checkMemoryStatus();
        progress(10);

        quint8 info[kRadioInformationLength] = {};
        readRange(kRadioInformation, kRadioInformationLength, info);
        unpackRadioInformation(info, image.factory);
        progress(20);

        quint8 base[2] = {};
        readRange(kSynthesiserBase, 2, base);
        image.factory.synth_base_int_part = bigEndian16(base);
        progress(30);

        queryFirmware(
            image.factory.firmware_phase, image.factory.firmware_version, image.factory.firmware_revision);
        progress(40);

        uint8_t limit[codeplug::kPackedLimitSize] = {};
        readRange(kLimitBlock, codeplug::kPackedLimitSize, limit);
        codeplug::unpackLimitBlock(limit, image.factory, image.limit);
        // A radio claiming more records than it can hold is misread or broken.
        if (image.limit.maxChannels > codeplug::kChannelRecordCount
            || image.limit.max_valid_freqs > codeplug::kFrequencyRecordCount)
            throw StepFailed { RadioReport::kCommunicationFailure };
        if (isFourOrFiveWatt(image.factory.modelDigits[0]) && !isDisplayLetter(image.factory.modelLetters[2]))
            image.limit.disable_repeater_feature = 0;
        progress(50);

        readRange(kSerialClone, 1, &image.serial_clone_compatibility);
        progress(60);

        std::array<quint8, kMainBlockReadLength> main {};
        readRange(kMainBlock, kMainBlockReadLength, main.data());
        uint8_t setting[codeplug::kPackedSettingSize];
        std::copy_n(main.begin(), codeplug::kPackedSettingSize, setting);
        codeplug::unpackSettingBlock(setting, image.setting);
        for (int k = 0; k < image.limit.maxChannels; ++k) {
            ChannelPacking::Packed packed;
            std::copy_n(
                main.begin() + kChannelRecordsOffset + kPackedChannelSize * k, kPackedChannelSize, packed);
            ChannelPacking::unpack(packed, image.channels[k]);
        }
        const auto readCodes = [&](int offset, int firstEntry) {
            for (int i = 0; i < codeplug::kCustomCodesPerGroup; ++i)
                image.customCodes[firstEntry + i] = bigEndian16(main.data() + offset + 2 * i);
        };
        if (image.limit.maxCodes > codeplug::kMaxCodesWithoutCustomPl)
            readCodes(kCustomPlOffset, 0);
        if (image.limit.maxCodes > codeplug::kMaxCodesWithoutCustomDpl)
            readCodes(kCustomDplOffset, codeplug::kCustomCodesPerGroup);
        progress(70);

        const int frequencies = image.limit.max_valid_freqs;
        std::array<quint8, codeplug::kFrequencyRecordCount * codeplug::kPackedFrequencySize>
            packedFrequencies {};
        readRange(kFrequencyRecords, codeplug::kPackedFrequencySize * frequencies, packedFrequencies.data());
        for (int i = 0; i < frequencies; ++i) {
            uint8_t packed[codeplug::kPackedFrequencySize];
            std::copy_n(packedFrequencies.begin() + codeplug::kPackedFrequencySize * i,
                codeplug::kPackedFrequencySize, packed);
            codeplug::unpackFrequencyRecord(packed, image.frequencies[i]);
        }
        progress(80);

        quint8 range[8] = {};
        readRange(kFrequencyRange, 8, range);
        image.limit.start_freq = bigEndian32(range);
        image.limit.end_freq = bigEndian32(range + 4);
        progress(100);
    });
}

RadioOutcome CRadioLink::WriteCodeplug(const VirtualCP &image)
{
    std::lock_guard engine(m_engine);
    const int blocksBefore = m_protocol->blocksWritten();
    RadioOutcome outcome = run([this, &image] {
        checkMemoryStatus();

        std::array<quint8, CRadioProtocol::kReplyCapacity> main {};
        readRange(kMainBlock, kMainBlockBaseLength, main.data());
        progress(10);

        uint8_t setting[codeplug::kPackedSettingSize];
        std::copy_n(main.begin(), codeplug::kPackedSettingSize, setting);
        codeplug::packSettingBlock(image.setting, isDisplayLetter(image.factory.modelLetters[2]), setting);
        std::copy_n(setting, codeplug::kPackedSettingSize, main.begin());
        for (int k = 0; k < channelRecordsInUse(image.limit); ++k) {
            ChannelPacking::Packed packed;
            ChannelPacking::pack(image.channels[k], packed);
            std::copy_n(
                packed, kPackedChannelSize, main.begin() + kChannelRecordsOffset + kPackedChannelSize * k);
        }
        const auto writeCodes = [&](int offset, int firstEntry) {
            for (int i = 0; i < codeplug::kCustomCodesPerGroup; ++i)
                putBigEndian16(main.data() + offset + 2 * i, image.customCodes[firstEntry + i]);
        };
        int length = kMainBlockBaseLength;
        if (image.limit.maxCodes > codeplug::kMaxCodesWithoutCustomDpl) {
            writeCodes(kCustomPlOffset, 0);
            writeCodes(kCustomDplOffset, codeplug::kCustomCodesPerGroup);
            length = kMainBlockFullLength;
        } else if (image.limit.maxCodes > codeplug::kMaxCodesWithoutCustomPl) {
            writeCodes(kCustomPlOffset, 0);
            length = kMainBlockWithPlLength;
        }
        writeRange(kMainBlock, main.data(), length);
        control(kControlGroup, kControlAfterSettings, 0x00);
        progress(20);

        writeModelSpecificSettings(image);
        progress(30);

        bool companderMarked = false;
        writeFrequencyRecords(image, &companderMarked);
        progress(70);

        quint8 marker = 0;
        readRange(kCompanderMarker, 1, &marker);
        progress(80);
        if (marker == kCompanderPlain && companderMarked) {
            writeRange(kCompanderMarker, &kCompanderMode3, 1);
            control(kControlGroup, kControlDone, 0x00);
        }

        progress(90);
        const int result = m_protocol->CommitFrequencies(
            quint8(frequencyRecordsInUse(image.limit)), image.limit.programming_mode_enabled);
        if (result < 0)
            throw StepFailed { result };
        progress(100);
    });
    outcome.partlyWritten = !outcome.succeeded() && m_protocol->blocksWritten() > blocksBefore;
    return outcome;
}

void CRadioLink::writeModelSpecificSettings(const VirtualCP &image)
{
    const FactoryBlock &factory = image.factory;
    const quint8 powerClass = factory.modelDigits[0];
    if (!isFourOrFiveWatt(powerClass) || isDisplayLetter(factory.modelLetters[2])
        || factory.firmware_phase != 'R' || factory.firmware_version != '1'
        || factory.firmware_revision != '6')
        return;

    quint8 repeater = 0;
    readRange(kLimitRepeaterByte, 1, &repeater);
    repeater &= quint8(~kRepeaterDisableBit);
    writeRange(kLimitRepeaterByte, &repeater, 1);
    control(kControlGroup, kControlBeforeModelStep, 0x00);

    const quint8 zero[2] = { 0, 0 };
    writeRange(kModelSpecificWord, zero, 2);

    const bool vBand = factory.modelLetters[1] == 'V';
    const ModelParameterTables::Table *wanted = nullptr;
    if (vBand && powerClass == 5)
        wanted = &ModelParameterTables::tableA();
    else if (!vBand && powerClass == 4)
        wanted = &ModelParameterTables::tableB();
    if (wanted) {
        ModelParameterTables::Table current {};
        readRange(kModelParameterTable, ModelParameterTables::kSize, current.data());
        if (current != *wanted)
            writeRange(kModelParameterTable, wanted->data(), ModelParameterTables::kSize);
    }
    control(kControlGroup, kControlDone, 0x00);
}

void CRadioLink::writeFrequencyRecords(const VirtualCP &image, bool *companderMarked)
{
    const int count = frequencyRecordsInUse(image.limit);
    for (int i = 0; i < count; ++i) {
        const FrequencyRecord &record = image.frequencies[i];
        uint8_t packed[codeplug::kPackedFrequencySize];
        codeplug::packFrequencyRecord(record, packed);
        if (record.compander_lle_mode == kCompanderModeMarked)
            *companderMarked = true;
        const int result = m_protocol->WriteFrequencyRecord(quint8(i), packed);
        if (result < 0)
            throw StepFailed { result };
        if (i == count / 4)
            progress(40);
        if (i == count / 2)
            progress(50);
        if (i == 3 * count / 4)
            progress(60);
    }
}
