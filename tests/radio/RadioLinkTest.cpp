// The engine operations against an in-process radio: what they read and
// write, in which order, and what they report.

#include "FakeRadio.h"
#include "RadioTestSupport.h"

#include "codeplug/CodeplugBits.h"
#include "codeplug/FrequencyCodec.h"
#include "codeplug/RadioPacking.h"
#include "radio/ChannelPacking.h"
#include "radio/ModelParameterTables.h"
#include "radio/RadioLink.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace std::chrono_literals;
using Pairs = std::vector<std::pair<int, int>>;
using Bytes = std::vector<quint8>;

namespace {

constexpr quint32 kSynthBase = 440;

// An engine on a fake cable with a radio at its end.
struct Bench {
    Bench()
    {
        auto owned = std::make_unique<FakeCable>();
        cable = owned.get();
        radio = std::make_unique<FakeRadio>(*cable);
        link = std::make_unique<CRadioLink>(&recorder, std::move(owned));
        link->setResetSettleTime(0ms);
    }

    ReportRecorder recorder;
    FakeCable *cable;
    std::unique_ptr<FakeRadio> radio;
    std::unique_ptr<CRadioLink> link;
};

void setModel(uint8_t (&letters)[3], uint8_t (&digits)[5], const char *model)
{
    std::memcpy(letters, model, 3);
    for (int i = 0; i < 5; ++i)
        digits[i] = uint8_t(model[3 + i] - '0');
}

// An image as a profile would make it: nothing in it exceeds its radio field.
VirtualCP sampleImage(const char *model, const char *firmware, int maxCodes, int channels, int frequencies)
{
    VirtualCP image {};
    image.factory.firmware_phase = uint8_t(firmware[0]);
    image.factory.firmware_version = uint8_t(firmware[1]);
    image.factory.firmware_revision = uint8_t(firmware[2]);
    setModel(image.factory.modelLetters, image.factory.modelDigits, model);
    image.factory.synth_base_int_part = kSynthBase;
    image.limit.maxChannels = uint8_t(channels);
    image.limit.max_valid_freqs = uint8_t(frequencies);
    image.limit.maxCodes = uint32_t(maxCodes);
    image.limit.programming_mode_enabled = 1;

    SettingBlock &setting = image.setting;
    std::memcpy(setting.password, "7351", 4);
    setting.disableLED = 1;
    setting.backlight_enabled = 1;
    setting.timeoutTimer = 9;
    setting.vox_level = 2;
    setting.ivol_level = 3;
    setting.microphoneGain = 1;
    setting.accessoryMicrophoneGain = 11;
    setting.disableBatterySave = 1;
    codeplug::setButtonSlot(setting.buttons, codeplug::kSide1ButtonSlot, 3);
    codeplug::setButtonSlot(setting.buttons, codeplug::kSide2ButtonSlot, 7);
    codeplug::setScanBit(setting.scanBitmap, 1, true);
    codeplug::setScanBit(setting.scanBitmap, 18, true);
    setting.numberChannels = uint8_t(channels);
    setting.voice_language = 5;
    std::memcpy(setting.powerupString, "HELLO 42", 8);
    setting.keypadLock = 1;
    setting.callTone = 12;
    setting.presetChannels[0] = 1;
    setting.presetChannels[1] = 2;
    setting.backlight_timeout = 30;

    for (int k = 0; k < channels; ++k) {
        ChannelRecord &channel = image.channels[k];
        channel.rx_freq_ndx = uint8_t(k % std::max(frequencies, 1));
        channel.tx_freq_ndx = uint8_t((k + 1) % std::max(frequencies, 1));
        channel.rx_code = uint8_t(100 + k);
        channel.tx_code = uint8_t(214 + k % 6);
        channel.tx_bw = k & 1;
        channel.rx_bw = (k >> 1) & 1;
        channel.autoScan = 1;
        channel.scramble_code = uint8_t(k % 4);
        channel.repeater = k == 2;
        channel.disable_channel = k == 3;
        channel.talkaround_scan = k == 1;
        const std::string name = "Chan " + std::to_string(k);
        std::memcpy(channel.name, name.data(), std::min<size_t>(name.size(), 8));
    }
    for (int i = 0; i < codeplug::kCustomCodeCount; ++i)
        image.customCodes[i] = uint16_t(600 + 37 * i);
    for (int i = 0; i < frequencies; ++i) {
        FrequencyRecord &record = image.frequencies[i];
        codeplug::encodeFrequency(462562500 + uint32_t(i) * 1237500, kSynthBase, record);
        record.power_level = uint8_t(i % 4);
        record.bandwidth = uint8_t(i % 3);
    }
    image.serial_clone_compatibility = 3;
    return image;
}

// Fills the radio's memory so that it holds what image describes (the
// factory and limit blocks, which a write never sends, included).
void loadRadio(FakeRadio &radio, const VirtualCP &image)
{
    Bytes info(32, 0);
    std::memcpy(info.data(), "SER0000042", 10);
    std::copy_n(image.factory.modelLetters, 3, info.begin() + 10);
    std::copy_n(image.factory.modelDigits, 5, info.begin() + 13);
    info[18] = 'R';
    info[19] = 3;
    info[20] = 1;
    radio.put(0x10E18, info);
    radio.putBigEndian(0x10D80, image.factory.synth_base_int_part, 2);
    radio.putBigEndian(0x10A80, 450000000, 4);
    radio.putBigEndian(0x10A84, 470000000, 4);
    uint8_t limit[codeplug::kPackedLimitSize] = {};
    codeplug::packLimitBlock(image.limit, image.factory, limit);
    radio.put(0x10A8C, Bytes(std::begin(limit), std::end(limit)));
    radio.at(0x10C01) = image.serial_clone_compatibility;
    radio.at(0x10C8E) = 0x2F;
    radio.firmware = std::string(reinterpret_cast<const char *>(&image.factory.firmware_phase), 3);
}

std::vector<std::pair<quint32, int>> writesWithin(const FakeRadio &radio, quint32 first, quint32 last)
{
    std::vector<std::pair<quint32, int>> found;
    for (const auto &write : radio.blockWrites()) {
        if (write.first >= first && write.first <= last)
            found.push_back(write);
    }
    return found;
}

int totalLength(const std::vector<std::pair<quint32, int>> &writes)
{
    int total = 0;
    for (const auto &write : writes)
        total += write.second;
    return total;
}

} // namespace

TEST(RadioIdentify, FillsTheIdentityRecordAndReportsEachStep)
{
    Bench bench;
    const VirtualCP image = sampleImage("KVR50673", "R17", 219, 4, 8);
    loadRadio(*bench.radio, image);
    bench.radio->put(0x10009, { '4', '3', '2', '1' });
    bench.radio->at(0x10A91) = 0x80 | 122; // the older place says something else
    bench.radio->at(0x10A9E) = 219;

    RadioIdentity identity;
    std::memset(static_cast<void *>(&identity), 0xEE, sizeof identity); // garbage the read must replace
    const RadioOutcome outcome = bench.link->Identify(identity);

    EXPECT_EQ(outcome, (RadioOutcome { RadioReport::Finished, 0 }));
    EXPECT_EQ(std::string(reinterpret_cast<char *>(identity.modelLetters), 3), "KVR");
    EXPECT_EQ(
        Bytes(std::begin(identity.modelDigits), std::end(identity.modelDigits)), (Bytes { 5, 0, 6, 7, 3 }));
    EXPECT_EQ(identity.firmwarePhase, 'R');
    EXPECT_EQ(identity.firmwareVersion, '1');
    EXPECT_EQ(identity.firmwareRevision, '7');
    EXPECT_EQ(identity.codeplugPhase, 'R');
    EXPECT_EQ(identity.codeplugVersion, 3);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(identity.password), 4), "4321");
    EXPECT_EQ(identity.frequencyCount, 8);
    EXPECT_EQ(identity.serial_clone_compatibility, 3);
    EXPECT_EQ(identity.unused19, 0);
    EXPECT_EQ(identity.maxCodes, 219);
    EXPECT_EQ(bench.recorder.progress(), (std::vector<int> { 20, 40, 60, 80, 100 }));
    EXPECT_TRUE(bench.radio->blockWrites().empty()) << "identify only reads";
}

TEST(RadioIdentify, TakesMaxCodesFromWhereTheFirmwareKeepsIt)
{
    for (const auto &[firmware, expected] : std::vector<std::pair<std::string, int>> {
             { "R16", 122 }, { "R17", 219 }, { "R21", 219 }, { "D61", 122 }, { "D70", 219 } }) {
        Bench bench;
        loadRadio(*bench.radio, sampleImage("KXD40600", firmware.c_str(), 219, 2, 2));
        bench.radio->at(0x10A91) = 0x80 | 122;
        bench.radio->at(0x10A9E) = 219;
        RadioIdentity identity;
        EXPECT_TRUE(bench.link->Identify(identity).succeeded());
        EXPECT_EQ(identity.maxCodes, expected) << "firmware " << firmware;
    }
}

TEST(RadioOperations, MemoryStatusEndsIdentifyReadAndWriteAfterTheQuery)
{
    const VirtualCP image = sampleImage("KXD40600", "R17", 219, 4, 8);
    for (int operation = 0; operation < 3; ++operation) {
        Bench bench;
        loadRadio(*bench.radio, image);
        bench.radio->memoryStatus = 8;
        RadioIdentity identity;
        VirtualCP read {};
        const RadioOutcome outcome = operation == 0 ? bench.link->Identify(identity)
            : operation == 1                        ? bench.link->ReadCodeplug(read)
                                                    : bench.link->WriteCodeplug(image);
        EXPECT_EQ(outcome, (RadioOutcome { RadioReport::MemoryStatus, 8 }));
        EXPECT_TRUE(bench.recorder.pairs().empty()) << "operation " << operation;
        EXPECT_EQ(bench.radio->requests.size(), 1u) << "nothing after the status query";
    }
}

TEST(RadioRead, ReadsTheWholeCodeplugBackAsWritten)
{
    Bench bench;
    const VirtualCP written = sampleImage("KXD40600", "R17", 219, 5, 6);
    loadRadio(*bench.radio, written);
    ASSERT_TRUE(bench.link->WriteCodeplug(written).succeeded());

    VirtualCP read;
    std::memset(static_cast<void *>(&read), 0xAB, sizeof read); // garbage the read must replace
    EXPECT_EQ(bench.link->ReadCodeplug(read), (RadioOutcome { RadioReport::Finished, 0 }));

    EXPECT_EQ(std::memcmp(read.factory.serial, "SER0000042", 10), 0);
    EXPECT_EQ(std::memcmp(read.factory.modelLetters, "KXD", 3), 0);
    EXPECT_EQ(read.factory.modelDigits[0], 4);
    EXPECT_EQ(read.factory.firmware_revision, '7');
    EXPECT_EQ(read.factory.codeplug_dev_version, 1);
    EXPECT_EQ(read.factory.synth_base_int_part, kSynthBase);
    EXPECT_EQ(read.limit.start_freq, 450000000u);
    EXPECT_EQ(read.limit.end_freq, 470000000u);
    EXPECT_EQ(read.limit.maxCodes, 219u);
    EXPECT_EQ(read.serial_clone_compatibility, 3);
    EXPECT_EQ(std::memcmp(&read.setting, &written.setting, sizeof read.setting), 0);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(
            std::memcmp(&read.channels[k], &written.channels[k], offsetof(ChannelRecord, radioCheckByte)), 0)
            << "channel " << k;
        ChannelPacking::Packed packed;
        ChannelPacking::pack(written.channels[k], packed);
        EXPECT_EQ(read.channels[k].radioCheckByte, packed[13]);
    }
    const ChannelRecord clear {};
    EXPECT_EQ(std::memcmp(&read.channels[5], &clear, sizeof clear), 0)
        << "records beyond the count are clear";
    EXPECT_EQ(std::memcmp(read.customCodes, written.customCodes, sizeof read.customCodes), 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(codeplug::decodeFrequency(read.frequencies[i], kSynthBase),
            codeplug::decodeFrequency(written.frequencies[i], kSynthBase));
        EXPECT_EQ(read.frequencies[i].power_level, written.frequencies[i].power_level);
        EXPECT_EQ(read.frequencies[i].bandwidth, written.frequencies[i].bandwidth);
    }
    EXPECT_EQ(bench.recorder.progress(),
        (std::vector<int> { 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 10, 20, 30, 40, 50, 60, 70, 80, 100 }));
}

TEST(RadioRead, CustomCodesStayUnsetWhenTheModelHasNone)
{
    Bench bench;
    loadRadio(*bench.radio, sampleImage("KXD40600", "R17", 122, 2, 2));
    bench.radio->putBigEndian(0x10000 + 302, 0x1234, 2);
    VirtualCP read {};
    ASSERT_TRUE(bench.link->ReadCodeplug(read).succeeded());
    for (uint16_t code : read.customCodes)
        EXPECT_EQ(code, 0xFFFF);
}

TEST(RadioRead, RotaryHighPowerRadiosDropTheRepeaterDisableFlag)
{
    for (const char *model : { "KXR40600", "KXD40600", "KXR20600" }) {
        Bench bench;
        loadRadio(*bench.radio, sampleImage(model, "R17", 219, 2, 2));
        bench.radio->at(0x10A8C + 13) |= 0x80;
        VirtualCP read {};
        ASSERT_TRUE(bench.link->ReadCodeplug(read).succeeded());
        EXPECT_EQ(read.limit.disable_repeater_feature, std::string(model) == "KXR40600" ? 0 : 1) << model;
    }
}

TEST(RadioRead, NoFrequencyRecordsFailsAtTheFrequencyStep)
{
    Bench bench;
    loadRadio(*bench.radio, sampleImage("KXD40600", "R17", 219, 2, 0));
    VirtualCP read {};
    EXPECT_EQ(bench.link->ReadCodeplug(read), (RadioOutcome { RadioReport::Failed, 0 }));
    EXPECT_EQ(bench.recorder.progress(), (std::vector<int> { 10, 20, 30, 40, 50, 60, 70 }));
}

TEST(RadioRead, CountsBeyondTheImageAreCommunicationFailures)
{
    for (const auto &[byte, value] : std::vector<std::pair<int, quint8>> { { 4, 20 }, { 6, 100 } }) {
        Bench bench;
        loadRadio(*bench.radio, sampleImage("KXD40600", "R17", 219, 2, 2));
        bench.radio->at(0x10A8C + quint32(byte)) = value;
        VirtualCP read {};
        EXPECT_EQ(bench.link->ReadCodeplug(read), (RadioOutcome { RadioReport::Failed, -1 }));
    }
}

TEST(RadioWrite, MainBlockLengthFollowsTheCustomCodes)
{
    for (const auto &[maxCodes, length] :
        std::vector<std::pair<int, int>> { { 122, 386 }, { 123, 398 }, { 213, 398 }, { 214, 410 } }) {
        Bench bench;
        const VirtualCP image = sampleImage("KXD40600", "R17", maxCodes, 19, 2);
        loadRadio(*bench.radio, image);
        for (quint32 i = 0; i < 410; ++i)
            bench.radio->at(0x10000 + i) = 0xCC;
        ASSERT_TRUE(bench.link->WriteCodeplug(image).succeeded());
        const auto writes = writesWithin(*bench.radio, 0x10000, 0x10000 + 409);
        EXPECT_EQ(totalLength(writes), length) << "maxCodes " << maxCodes;
        EXPECT_EQ(writes.size(), size_t((length + 31) / 32));

        const Bytes main = bench.radio->get(0x10000, 410);
        EXPECT_EQ(main[302], maxCodes > 122 ? 600 >> 8 : 0xCC) << "first PL code, big-endian";
        EXPECT_EQ(main[303], maxCodes > 122 ? 600 & 0xFF : 0xCC);
        EXPECT_EQ(main[314], maxCodes > 213 ? (600 + 37 * 6) >> 8 : 0xCC) << "first DPL code";
        for (int i = 386; i < length; ++i)
            EXPECT_EQ(main[size_t(i)], 0) << "byte " << i;
        for (int i = length; i < 410; ++i)
            EXPECT_EQ(main[size_t(i)], 0xCC) << "byte " << i;
        ChannelPacking::Packed last;
        ChannelPacking::pack(image.channels[18], last);
        EXPECT_EQ(Bytes(main.begin() + 36 + 14 * 18, main.begin() + 36 + 14 * 19),
            Bytes(std::begin(last), std::end(last)));
    }
}

TEST(RadioWrite, SettingBlockKeepsTheRadiosOwnBits)
{
    Bench bench;
    const VirtualCP image = sampleImage("KXD40600", "R17", 219, 2, 2);
    loadRadio(*bench.radio, image);
    bench.radio->at(0x10002) = 0x55; // bits 6-0 belong to the radio
    ASSERT_TRUE(bench.link->WriteCodeplug(image).succeeded());
    EXPECT_EQ(bench.radio->at(0x10002), 0x55);
    EXPECT_EQ(bench.radio->get(0x10009, 4), (Bytes { '7', '3', '5', '1' }));
}

TEST(RadioWrite, ProgressFollowsTheFrequencyRecords)
{
    Bench bench;
    const VirtualCP image = sampleImage("KXD40600", "R17", 219, 4, 8);
    loadRadio(*bench.radio, image);
    // Each report is tagged with the frequency records the radio had when
    // the engine sent its next request.
    int recordsSent = 0;
    bench.radio->beforeRequest = [&](const FakeRadio::Request &request) {
        bench.recorder.collect();
        if (request.opcode == 0x9A && request.data.at(0) == 0x04)
            ++recordsSent;
    };
    bench.recorder.tag = [&] { return recordsSent; };
    ASSERT_TRUE(bench.link->WriteCodeplug(image).succeeded());
    bench.recorder.collect();

    std::vector<std::pair<int, int>> progressWithRecords;
    for (const auto &report : bench.recorder.reports) {
        if (report.wParam == RadioReport::Progress)
            progressWithRecords.emplace_back(report.lParam, report.tag);
    }
    // 40 after record 2 (the third), 50 after record 4, 60 after record 6.
    EXPECT_EQ(progressWithRecords,
        (Pairs { { 10, 0 }, { 20, 0 }, { 30, 0 }, { 40, 3 }, { 50, 5 }, { 60, 7 }, { 70, 8 }, { 80, 8 },
            { 90, 8 }, { 100, 8 } }));
    const auto records = bench.radio->requestsOf(0x9A, 0x04);
    ASSERT_EQ(records.size(), 8u);
    uint8_t packed[6];
    codeplug::packFrequencyRecord(image.frequencies[5], packed);
    EXPECT_EQ(records[5].data,
        (Bytes { 0x04, 5, packed[0], packed[1], packed[2], packed[3], packed[4], packed[5] }));
    EXPECT_EQ(bench.radio->requestsOf(0x9A, 0x05).at(0).data, (Bytes { 0x05, 8, 1 }))
        << "count and programming mode";
}

TEST(RadioWrite, CompanderMarkerIsRaisedOnceARecordUsesModeThree)
{
    for (const bool modeThree : { false, true }) {
        for (const quint8 marker : { quint8(0x2F), quint8(0x6F) }) {
            Bench bench;
            VirtualCP image = sampleImage("KXD40600", "R17", 219, 2, 3);
            if (modeThree)
                image.frequencies[2].compander_lle_mode = 3;
            loadRadio(*bench.radio, image);
            bench.radio->at(0x10C8E) = marker;
            ASSERT_TRUE(bench.link->WriteCodeplug(image).succeeded());
            const bool raised = modeThree && marker == 0x2F;
            EXPECT_EQ(bench.radio->at(0x10C8E), raised ? 0x6F : marker);
            EXPECT_EQ(bench.radio->requestsOf(0x38).size(), raised ? 2u : 1u);
        }
    }
}

TEST(RadioWrite, ModelSpecificStepOnRotaryHighPowerRadiosWithFirmwareR16)
{
    struct Case {
        const char *model;
        const char *firmware;
        const ModelParameterTables::Table *table;
        bool step;
    };
    const Case cases[] = {
        { "KVR50600", "R16", &ModelParameterTables::tableA(), true },
        { "KXR40600", "R16", &ModelParameterTables::tableB(), true },
        { "KVR40600", "R16", nullptr, true },
        { "KXR50600", "R16", nullptr, true },
        { "KVR50600", "R17", nullptr, false },
        { "KVD50600", "R16", nullptr, false },
        { "KVR20600", "R16", nullptr, false },
    };
    for (const Case &c : cases) {
        Bench bench;
        const VirtualCP image = sampleImage(c.model, c.firmware, 219, 2, 2);
        loadRadio(*bench.radio, image);
        bench.radio->at(0x10A99) = 0xFF;
        bench.radio->put(0x20466, { 0x12, 0x34 });
        ASSERT_TRUE(bench.link->WriteCodeplug(image).succeeded()) << c.model;

        EXPECT_EQ(bench.radio->at(0x10A99), c.step ? 0x7F : 0xFF) << c.model;
        EXPECT_EQ(bench.radio->get(0x20466, 2), c.step ? Bytes({ 0, 0 }) : Bytes({ 0x12, 0x34 })) << c.model;
        if (c.table)
            EXPECT_EQ(bench.radio->get(0x10C9C, 196), Bytes(c.table->begin(), c.table->end())) << c.model;
        else
            EXPECT_EQ(bench.radio->get(0x10C9C, 196), Bytes(196, 0)) << c.model;
        std::vector<Bytes> controls;
        for (const auto &request : bench.radio->requestsOf(0x38))
            controls.push_back(request.data);
        const std::vector<Bytes> expected = c.step
            ? std::vector<Bytes> { { 0x1F, 0x03, 0, 0 }, { 0x1F, 0x04, 0, 0 }, { 0x1F, 0x00, 0, 0 } }
            : std::vector<Bytes> { { 0x1F, 0x03, 0, 0 } };
        EXPECT_EQ(controls, expected) << c.model;
    }
}

TEST(RadioWrite, ParameterTableAlreadyInPlaceIsNotRewritten)
{
    Bench bench;
    const VirtualCP image = sampleImage("KVR50600", "R16", 219, 2, 2);
    loadRadio(*bench.radio, image);
    const auto &table = ModelParameterTables::tableA();
    bench.radio->put(0x10C9C, Bytes(table.begin(), table.end()));
    ASSERT_TRUE(bench.link->WriteCodeplug(image).succeeded());
    EXPECT_TRUE(writesWithin(*bench.radio, 0x10C9C, 0x10C9C + 195).empty());
}

TEST(RadioWrite, RefusedWriteFailsTheOperation)
{
    Bench bench;
    const VirtualCP image = sampleImage("KXD40600", "R17", 219, 2, 2);
    loadRadio(*bench.radio, image);
    bench.radio->refuseWrites = true;
    EXPECT_EQ(bench.link->WriteCodeplug(image), (RadioOutcome { RadioReport::Failed, -1 }));
    EXPECT_EQ(bench.link->protocol().errorCode(), CRadioProtocol::WriteRefused);
    EXPECT_EQ(bench.recorder.progress(), (std::vector<int> { 10 }));
}

TEST(RadioOperations, ResetWaitsForTheRadioAndReportsCompletion)
{
    Bench bench;
    EXPECT_TRUE(bench.link->ResetRadio().succeeded());
    EXPECT_EQ(bench.recorder.pairs(), (Pairs { { 1, 100 } })) << "progress only";
    ASSERT_EQ(bench.radio->requests.size(), 1u);
    EXPECT_EQ(bench.radio->requests[0].opcode, 0x10);
}

TEST(RadioOperations, PrepareNeedsAReplyWithData)
{
    Bench bench;
    EXPECT_TRUE(bench.link->Prepare().succeeded());
    EXPECT_EQ(bench.radio->requests.at(0).data, (Bytes { 0x16 }));

    Bench empty;
    empty.cable->onFrame = [&](const Bytes &) {
        empty.cable->queue({ 0x50, 0xF1, 0xA2, quint8(~(0xF1 + 0xA2)) });
    };
    EXPECT_EQ(empty.link->Prepare(), (RadioOutcome { RadioReport::Failed, 0 }));
}

TEST(RadioOperations, FaultedCableIsReportedOnce)
{
    Bench bench;
    bench.cable->readStatus = CableError::IoError;
    quint8 byte = 0;
    bench.cable->Read(&byte, 1);
    RadioIdentity identity;
    EXPECT_EQ(bench.link->Identify(identity), (RadioOutcome { RadioReport::Failed, -1 }));
    EXPECT_TRUE(bench.recorder.pairs().empty());
    EXPECT_TRUE(bench.radio->requests.empty());
}

TEST(RadioOperations, CancelEndsTheTransferBeforeItsNextBlockButLetsAResetThrough)
{
    Bench bench;
    loadRadio(*bench.radio, sampleImage("KXD40600", "R17", 219, 19, 8));
    size_t cancelledAt = 0;
    bench.radio->beforeRequest = [&](const FakeRadio::Request &) {
        if (bench.radio->requestsOf(0x11).size() == 4 && !cancelledAt) {
            bench.link->cancel();
            cancelledAt = bench.radio->requests.size();
        }
    };
    VirtualCP read {};
    EXPECT_EQ(bench.link->ReadCodeplug(read), (RadioOutcome { RadioReport::Cancelled, 0 }));
    EXPECT_EQ(bench.radio->requests.size(), cancelledAt + 1) << "the block under way is answered, no other";

    EXPECT_TRUE(bench.link->ResetRadio().succeeded());
    EXPECT_EQ(bench.radio->requests.back().opcode, 0x10);
    RadioIdentity identity;
    EXPECT_EQ(bench.link->Identify(identity).kind, RadioReport::Cancelled) << "the link stays cancelled";
}

TEST(RadioOperations, NoWindowMeansNothingIsPosted)
{
    auto owned = std::make_unique<FakeCable>();
    FakeRadio radio(*owned);
    CRadioLink link(nullptr, std::move(owned));
    link.setResetSettleTime(0ms);
    EXPECT_TRUE(link.ResetRadio().succeeded());
    EXPECT_EQ(link.window(), nullptr);
}
