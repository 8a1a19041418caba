// The engine over the serial cable against the radio emulator, which models
// the radio independently: identify, read, write and what the radio keeps,
// and how each fault it can show ends.

#include "RadioEmulator.h"
#include "RadioTestSupport.h"

#include "codeplug/FrequencyCodec.h"
#include "radio/ChannelPacking.h"
#include "radio/RadioLink.h"
#include "radio/SerialCable.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace std::chrono_literals;
using Pairs = std::vector<std::pair<int, int>>;

namespace {

// A link whose cable is the emulator's terminal.
std::unique_ptr<CRadioLink> linkTo(const RadioEmulator &radio, QObject *window)
{
    CableOpening opening = CSerialCable::open(radio.path());
    EXPECT_NE(opening.cable, nullptr) << "status " << opening.status;
    auto link = std::make_unique<CRadioLink>(window, std::move(opening.cable));
    link->setResetSettleTime(0ms);
    return link;
}

std::string text(const uint8_t *bytes, size_t size)
{
    return std::string(
        reinterpret_cast<const char *>(bytes), strnlen(reinterpret_cast<const char *>(bytes), size));
}

} // namespace

TEST(RadioSimulator, IdentifiesTheEmulatedRadio)
{
    RadioEmulator sim({ QStringLiteral("--model"), QStringLiteral("KVR50673"), QStringLiteral("--firmware"),
        QStringLiteral("R16"), QStringLiteral("--password"), QStringLiteral("4321"),
        QStringLiteral("--max-codes"), QStringLiteral("122"), QStringLiteral("--codeplug-version"),
        QStringLiteral("2"), QStringLiteral("--frequencies"), QStringLiteral("5") });
    ASSERT_FALSE(sim.path().isEmpty());
    ReportRecorder recorder;
    RadioIdentity identity;
    EXPECT_TRUE(linkTo(sim, &recorder)->Identify(identity).succeeded());

    EXPECT_EQ(text(identity.modelLetters, 3), "KVR");
    EXPECT_EQ(std::vector<int>(std::begin(identity.modelDigits), std::end(identity.modelDigits)),
        (std::vector<int> { 5, 0, 6, 7, 3 }));
    EXPECT_EQ(text(&identity.firmwarePhase, 3), "R16");
    EXPECT_EQ(identity.codeplugPhase, 'R');
    EXPECT_EQ(identity.codeplugVersion, 2);
    EXPECT_EQ(text(identity.password, 4), "4321");
    EXPECT_EQ(identity.frequencyCount, 5);
    EXPECT_EQ(identity.serial_clone_compatibility, 1);
    EXPECT_EQ(identity.maxCodes, 122);
    EXPECT_EQ(recorder.progress(), (std::vector<int> { 20, 40, 60, 80, 100 }));
}

TEST(RadioSimulator, ReadsTheWholeMemory)
{
    RadioEmulator sim({ QStringLiteral("--model"), QStringLiteral("KUD51900"),
        QStringLiteral("--frequencies"), QStringLiteral("12") });
    ReportRecorder recorder;
    VirtualCP image {};
    ASSERT_TRUE(linkTo(sim, &recorder)->ReadCodeplug(image).succeeded());

    EXPECT_EQ(text(image.factory.serial, 10), "117SMU0001");
    EXPECT_EQ(text(image.factory.modelLetters, 3), "KUD");
    EXPECT_EQ(text(&image.factory.firmware_phase, 3), "R17");
    EXPECT_EQ(image.factory.codeplug_version, 3);
    EXPECT_EQ(image.factory.synth_base_int_part, 420u);
    EXPECT_EQ(image.limit.start_freq, 450000000u);
    EXPECT_EQ(image.limit.end_freq, 470000000u);
    EXPECT_EQ(image.limit.maxChannels, 19);
    EXPECT_EQ(image.limit.max_valid_freqs, 12);
    EXPECT_EQ(image.limit.maxCodes, 219u);
    EXPECT_EQ(image.setting.numberChannels, 19);
    EXPECT_EQ(text(image.setting.powerupString, 8), "WELCOME ");
    EXPECT_EQ(text(image.channels[0].name, 8), "CHAN01  ");
    EXPECT_EQ(text(image.channels[18].name, 8), "CHAN19  ");
    EXPECT_EQ(image.channels[13].rx_freq_ndx, 13 % 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(codeplug::decodeFrequency(image.frequencies[i], 420), 462562500u + 25000u * uint32_t(i))
            << i;
    EXPECT_EQ(image.customCodes[0], 670);
    EXPECT_EQ(image.customCodes[6], 023);
    EXPECT_EQ(image.serial_clone_compatibility, 1);
    EXPECT_EQ(recorder.progress(), (std::vector<int> { 10, 20, 30, 40, 50, 60, 70, 80, 100 }));
}

TEST(RadioSimulator, KeepsWhatIsWrittenAcrossASaveAndALoad)
{
    QTemporaryDir dir;
    const QString memoryFile = dir.filePath(QStringLiteral("radio.mem"));
    VirtualCP written {};
    QByteArray memory;
    {
        RadioEmulator sim({ QStringLiteral("--model"), QStringLiteral("KUD51900") });
        ReportRecorder recorder;
        const auto link = linkTo(sim, &recorder);
        ASSERT_TRUE(link->ReadCodeplug(written).succeeded());
        std::memset(written.channels[0].name, 0, 8);
        std::memcpy(written.channels[0].name, "TESTCH", 6);
        written.channels[0].disable_channel = 1;
        std::memcpy(written.setting.password, "9876", 4);
        codeplug::encodeFrequency(467712500, written.factory.synth_base_int_part, written.frequencies[0]);
        written.frequencies[1].compander_lle_mode = 3;
        ASSERT_EQ(link->WriteCodeplug(written), (RadioOutcome { RadioReport::Finished, 0 }));
        memory = sim.memory(); // saved when the emulator is stopped
    }

    ASSERT_EQ(memory.size(), 0x20000);
    QFile file(memoryFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(memory);
    file.close();
    const auto at = [&](quint32 address) { return quint8(memory[int(address - 0x10000)]); };
    EXPECT_EQ(memory.mid(0x9, 4), QByteArray("9876"));
    ChannelPacking::Packed packed;
    std::memcpy(packed, memory.constData() + 36, sizeof packed);
    ChannelRecord channel;
    ChannelPacking::unpack(packed, channel);
    EXPECT_EQ(text(channel.name, 8), "TESTCH");
    EXPECT_EQ(channel.disable_channel, 1);
    EXPECT_EQ(at(0x10C8E), 0x6F) << "compander marker raised";
    EXPECT_EQ(at(0x10A92), 8) << "the radio took the record count from the commit";

    RadioEmulator reloaded({ QStringLiteral("--memory"), memoryFile });
    ReportRecorder recorder;
    VirtualCP read {};
    ASSERT_TRUE(linkTo(reloaded, &recorder)->ReadCodeplug(read).succeeded());
    EXPECT_EQ(text(read.channels[0].name, 8), "TESTCH");
    EXPECT_EQ(text(read.setting.password, 4), "9876");
    EXPECT_EQ(codeplug::decodeFrequency(read.frequencies[0], 420), 467712500u);
    EXPECT_EQ(read.frequencies[1].compander_lle_mode, 3);
    EXPECT_EQ(std::memcmp(&read.setting, &written.setting, sizeof read.setting), 0);
}

TEST(RadioSimulator, MemoryStatusStopsTheOperation)
{
    RadioEmulator sim({ QStringLiteral("--memory-status"), QStringLiteral("8") });
    ReportRecorder recorder;
    VirtualCP image {};
    EXPECT_EQ(linkTo(sim, &recorder)->ReadCodeplug(image), (RadioOutcome { RadioReport::MemoryStatus, 8 }));
    EXPECT_TRUE(recorder.pairs().empty());
}

TEST(RadioSimulator, ResetIsAcknowledged)
{
    RadioEmulator sim;
    ReportRecorder recorder;
    EXPECT_TRUE(linkTo(sim, &recorder)->ResetRadio().succeeded());
    EXPECT_EQ(recorder.pairs(), (Pairs { { 1, 100 } }));
}

TEST(RadioSimulatorFaults, SilentRadioIsACommunicationFailure)
{
    RadioEmulator sim({ QStringLiteral("--fault"), QStringLiteral("silent") });
    ReportRecorder recorder;
    RadioIdentity identity;
    EXPECT_EQ(linkTo(sim, &recorder)->Identify(identity), (RadioOutcome { RadioReport::Failed, -1 }));
    EXPECT_TRUE(recorder.pairs().empty());
}

TEST(RadioSimulatorFaults, BadChecksumIsACommunicationFailure)
{
    RadioEmulator sim({ QStringLiteral("--fault"), QStringLiteral("bad-checksum"),
        QStringLiteral("--fault-after"), QStringLiteral("1") });
    ReportRecorder recorder;
    const auto link = linkTo(sim, &recorder);
    RadioIdentity identity;
    EXPECT_EQ(link->Identify(identity), (RadioOutcome { RadioReport::Failed, -1 }));
    EXPECT_EQ(link->protocol().errorCode(), CRadioProtocol::BadChecksum);
}

TEST(RadioSimulatorFaults, RefusedWriteFailsTheWriteAndLeavesTheMemory)
{
    RadioEmulator sim({ QStringLiteral("--fault"), QStringLiteral("refuse-write") });
    ReportRecorder recorder;
    const auto link = linkTo(sim, &recorder);
    VirtualCP image {};
    ASSERT_TRUE(link->ReadCodeplug(image).succeeded()) << "reads are not refused";
    const VirtualCP before = image;
    std::memcpy(image.setting.password, "1111", 4);
    EXPECT_EQ(link->WriteCodeplug(image), (RadioOutcome { RadioReport::Failed, -1 }));
    EXPECT_EQ(link->protocol().errorCode(), CRadioProtocol::WriteRefused);
    VirtualCP after {};
    ASSERT_TRUE(link->ReadCodeplug(after).succeeded());
    EXPECT_EQ(std::memcmp(after.setting.password, before.setting.password, 4), 0);
}

TEST(RadioSimulatorFaults, ForgottenWriteIsAcknowledgedButKeepsTheRangeOnly)
{
    // The range holds the password (main block bytes 9-12) but not the power-up text (24-31).
    RadioEmulator sim({ QStringLiteral("--fault"), QStringLiteral("forget-write"),
        QStringLiteral("--fault-range"), QStringLiteral("10000-10017") });
    ReportRecorder recorder;
    const auto link = linkTo(sim, &recorder);
    VirtualCP image {};
    ASSERT_TRUE(link->ReadCodeplug(image).succeeded());
    VirtualCP sent = image;
    std::memcpy(sent.setting.password, "1111", 4);
    std::memcpy(sent.setting.powerupString, "FORGOT", 6);
    EXPECT_TRUE(link->WriteCodeplug(sent).succeeded());
    VirtualCP after {};
    ASSERT_TRUE(link->ReadCodeplug(after).succeeded());
    EXPECT_EQ(std::memcmp(after.setting.password, image.setting.password, 4), 0);
    EXPECT_EQ(std::memcmp(after.setting.powerupString, "FORGOT", 6), 0);
}

TEST(RadioSimulatorFaults, NoiseBeforeTheLeadByteIsHarmless)
{
    RadioEmulator sim({ QStringLiteral("--fault"), QStringLiteral("garbage") });
    ReportRecorder recorder;
    RadioIdentity identity;
    EXPECT_TRUE(linkTo(sim, &recorder)->Identify(identity).succeeded());
    EXPECT_EQ(text(identity.modelLetters, 3), "KXD");
}

TEST(RadioSimulatorFaults, ADroppedByteFailsUnlessTheRetryGetsAWholeReply)
{
    {
        RadioEmulator sim({ QStringLiteral("--fault"), QStringLiteral("drop-byte") });
        ReportRecorder recorder;
        RadioIdentity identity;
        EXPECT_EQ(linkTo(sim, &recorder)->Identify(identity), (RadioOutcome { RadioReport::Failed, -1 }));
    }
    {
        RadioEmulator sim({ QStringLiteral("--fault"), QStringLiteral("drop-byte"),
            QStringLiteral("--fault-once"), QStringLiteral("--fault-after"), QStringLiteral("2") });
        ReportRecorder recorder;
        RadioIdentity identity;
        EXPECT_TRUE(linkTo(sim, &recorder)->Identify(identity).succeeded());
        EXPECT_EQ(text(&identity.firmwarePhase, 3), "R17") << "the query that lost a byte was asked again";
    }
}

TEST(RadioSimulatorOptions, BadOptionsAreRefusedWithAMessage)
{
    for (const QStringList &arguments :
        { QStringList { QStringLiteral("--model"), QStringLiteral("KX40600") },
            QStringList { QStringLiteral("--memory-status"), QStringLiteral("32") },
            QStringList { QStringLiteral("--fault"), QStringLiteral("loud") },
            QStringList { QStringLiteral("--fault-range"), QStringLiteral("10100-10000") },
            QStringList { QStringLiteral("--memory"), QStringLiteral("/nonexistent/radio.mem") } }) {
        QProcess sim;
        sim.start(RadioEmulator::program(), arguments);
        ASSERT_TRUE(sim.waitForFinished(5000));
        EXPECT_EQ(sim.exitCode(), 1) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(sim.readAllStandardError().startsWith("velacps-radiosim: "));
    }
}
