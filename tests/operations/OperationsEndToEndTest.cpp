// Read, write and reset as the programs run them (identify, checks,
// password, worker threads, transfer flag) against the radio emulator over
// its pseudo-terminal; what the radio holds afterwards is read back with the
// bare engine or taken from the emulator's saved memory.

#include "ProductFixture.h"
#include "RadioEmulator.h"
#include "RadioMessages.h"

#include "codeplug/CodeplugBits.h"
#include "operations/RadioBackups.h"
#include "operations/RadioChecks.h"
#include "operations/ReadWriteOperations.h"
#include "radio/CableMonitor.h"
#include "radio/CablePort.h"
#include "radio/NamedLock.h"
#include "radio/RadioLink.h"

#include <QEventLoop>
#include <QMetaEnum>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>

using namespace std::chrono_literals;
using namespace RadioMessages;

namespace {

// Radio addresses of what a test looks at in the emulator's memory.
constexpr quint32 kCustomDplCodes = 0x10000 + 314;

template <typename T> bool sameBytes(const T &a, const T &b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

std::string modelOf(const FactoryBlock &factory)
{
    std::string model(reinterpret_cast<const char *>(factory.modelLetters), 3);
    for (uint8_t digit : factory.modelDigits)
        model += char('0' + digit);
    return model;
}

class OperationsEndToEnd : public ProductFixture {
protected:
    // Operations whose cable is the emulator's terminal (or what opener
    // opens). Messages go to the recording reporter; the password prompt
    // types the texts of m_typed in turn, then cancels; m_signals logs the
    // stages, the progress and the end.
    std::unique_ptr<CRadioOperations> operationsOn(
        const RadioEmulator &radio, CRadioOperations::CableOpener opener = {})
    {
        if (!opener)
            opener = [path = radio.path()] { return CablePort::open(path); };
        auto operations = std::make_unique<CRadioOperations>(m_context.settings(), opener, &m_monitor);
        CRadioOperations *watched = operations.get();
        // The emulator is ready again at once after a reset.
        operations->setResetSettleTime(std::chrono::milliseconds(0));
        QObject::connect(watched, &CRadioOperations::message, &showWithReporter);
        QObject::connect(watched, &CRadioOperations::passwordRequested, [this](PasswordRequest &request) {
            ++m_prompts;
            request.accepted = !m_typed.isEmpty();
            if (request.accepted)
                request.typed = m_typed.takeFirst();
        });
        QObject::connect(watched, &CRadioOperations::progress, [this](int percent) {
            m_progress << percent;
            m_signals << QString::number(percent);
            m_flagSetWhileTransferring = m_flagSetWhileTransferring && m_monitor.transferActive();
        });
        QObject::connect(watched, &CRadioOperations::stageStarted, [this](CRadioOperations::Stage stage) {
            m_signals << QString::fromLatin1(
                QMetaEnum::fromType<CRadioOperations::Stage>().valueToKey(int(stage)));
        });
        QObject::connect(watched, &CRadioOperations::finished, [this](CRadioOperations::Outcome outcome) {
            EXPECT_FALSE(m_starting) << "finished from within the start";
            m_signals << QString::fromLatin1(
                QMetaEnum::fromType<CRadioOperations::Outcome>().valueToKey(int(outcome)));
            m_outcome = outcome;
        });
        return operations;
    }

    // Starts an operation and runs the event loop until it has finished;
    // whether it succeeded.
    bool runToEnd(CRadioOperations &operations, const std::function<bool()> &start)
    {
        QEventLoop loop;
        QObject::connect(&operations, &CRadioOperations::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, [&] {
            ADD_FAILURE() << "the operation did not finish";
            loop.quit();
        });
        m_starting = true;
        const bool started = start();
        m_starting = false;
        EXPECT_TRUE(started);
        if (started)
            loop.exec();
        return started && m_outcome == CRadioOperations::Outcome::Succeeded;
    }
    bool identify(CRadioOperations &operations)
    {
        return runToEnd(operations, [&] { return operations.startIdentify(); });
    }
    bool read(CRadioOperations &operations)
    {
        return runToEnd(operations, [&] { return operations.startRead(); });
    }
    bool write(CRadioOperations &operations, CProfileDocument &document, QObject *owner = nullptr)
    {
        return runToEnd(operations, [&] { return operations.startWrite(document, owner); });
    }
    bool reset(CRadioOperations &operations)
    {
        return runToEnd(operations, [&] { return operations.startReset(); });
    }

    // The radio's codeplug as the bare engine reads it (no checks, no reset).
    static VirtualCP readBack(const RadioEmulator &radio)
    {
        CRadioLink link(nullptr, CablePort::open(radio.path()).cable);
        VirtualCP image {};
        EXPECT_TRUE(link.ReadCodeplug(image).succeeded());
        return image;
    }

    // The template's profile as the desktop shows it, after its load-time
    // rules and their messages.
    std::unique_ptr<CProfileDocument> shownProfile(const QString &text)
    {
        auto document = fromText(text);
        m_reporter.messages.clear();
        return document;
    }

    QStringList messages() const { return m_reporter.messages; }

    // A write that checks refused: nothing reached the radio.
    void expectRefusedBeforeTransfer(
        const QStringList &emulatorArguments, const QString &profileText, const QStringList &expectedMessages)
    {
        RadioEmulator untouched(emulatorArguments);
        RadioEmulator radio(emulatorArguments);
        auto document = shownProfile(profileText);
        EXPECT_FALSE(write(*operationsOn(radio), *document));
        EXPECT_EQ(messages(), expectedMessages);
        EXPECT_FALSE(m_monitor.transferActive());
        const QByteArray after = radio.memory();
        ASSERT_FALSE(after.isEmpty());
        EXPECT_TRUE(after == untouched.memory()) << "the radio's memory was changed";
    }

    // What a write leaves in the radio: the setting block (of the button
    // table only the slots a profile names), the channel and frequency records in use,
    // the custom codes the image's maxCodes carries. The factory and limit
    // blocks and the clone byte stay the radio's; the radio takes the count
    // of frequency records from the write.
    static void expectWritten(const VirtualCP &written, const VirtualCP &before, const VirtualCP &after)
    {
        EXPECT_TRUE(sameBytes(after.factory, before.factory));
        LimitBlock limit = after.limit;
        EXPECT_EQ(limit.max_valid_freqs, written.limit.max_valid_freqs);
        limit.max_valid_freqs = before.limit.max_valid_freqs;
        EXPECT_TRUE(sameBytes(limit, before.limit));
        EXPECT_EQ(after.serial_clone_compatibility, before.serial_clone_compatibility);

        SettingBlock setting = after.setting;
        for (unsigned slot = 0; slot < codeplug::kButtonSlotCount; ++slot) {
            const bool inUse = slot == 5 || slot == 6 || slot == 8 || slot == 9 || slot == 11;
            const SettingBlock &owner = inUse ? written.setting : before.setting;
            EXPECT_EQ(codeplug::buttonSlot(setting.buttons, slot), codeplug::buttonSlot(owner.buttons, slot))
                << slot;
        }
        std::memcpy(setting.buttons, written.setting.buttons, sizeof setting.buttons);
        EXPECT_TRUE(sameBytes(setting, written.setting));

        for (int k = 0; k < channelRecordsInUse(written.limit); ++k) {
            ChannelRecord channel = after.channels[k];
            channel.radioCheckByte = written.channels[k].radioCheckByte;
            EXPECT_TRUE(sameBytes(channel, written.channels[k])) << "channel " << k;
        }
        for (int i = 0; i < frequencyRecordsInUse(written.limit); ++i)
            EXPECT_TRUE(sameBytes(after.frequencies[i], written.frequencies[i])) << "frequency " << i;
        for (int i = 0; i < codeplug::kCustomCodeCount; ++i) {
            const uint32_t above = i < codeplug::kCustomCodesPerGroup ? codeplug::kMaxCodesWithoutCustomPl
                                                                      : codeplug::kMaxCodesWithoutCustomDpl;
            const VirtualCP &owner = written.limit.maxCodes > above ? written : before;
            EXPECT_EQ(after.customCodes[i], owner.customCodes[i]) << "custom code " << i;
        }
    }

    // Writes the template's profile (as shown, with the machine's VelaTag)
    // to a radio of its own model and checks what the radio keeps.
    void writeTemplateAndReadBack(const QString &model, const QStringList &expectedDplCodes)
    {
        RadioEmulator radio({ QStringLiteral("--model"), model });
        const VirtualCP before = readBack(radio);
        auto document = shownProfile(templateText(model));
        auto operations = operationsOn(radio);
        ASSERT_TRUE(write(*operations, *document)) << qPrintable(messages().join('\n'));
        const VirtualCP written = operations->image();
        EXPECT_TRUE(m_flagSetWhileTransferring);
        EXPECT_FALSE(m_monitor.transferActive());
        EXPECT_EQ(m_progress.last(), 100);
        EXPECT_EQ(m_prompts, 0);
        EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));

        const VirtualCP after = readBack(radio);
        expectWritten(written, before, after);
        EXPECT_EQ(modelOf(after.factory), model.toStdString());

        const QByteArray memory = radio.memory();
        QStringList dplCodes;
        for (quint32 i = 0; i < 6; ++i)
            dplCodes << QString::number((RadioEmulator::byteAt(memory, kCustomDplCodes + 2 * i) << 8)
                | RadioEmulator::byteAt(memory, kCustomDplCodes + 2 * i + 1));
        EXPECT_EQ(dplCodes, expectedDplCodes);
    }

    QTemporaryDir m_sharing;
    // Keeps the transfer flag without polling, in a folder of its own.
    CCableMonitor m_monitor { nullptr, {}, m_sharing.path() };
    QStringList m_typed;
    int m_prompts = 0;
    QList<int> m_progress;
    QStringList m_signals;
    bool m_starting = false;
    CRadioOperations::Outcome m_outcome = CRadioOperations::Outcome::Failed;
    bool m_flagSetWhileTransferring = true;
};

TEST_F(OperationsEndToEnd, ReadRadioBecomesAProfileThatLoads)
{
    RadioEmulator radio({ QStringLiteral("--model"), QStringLiteral("KUD41670"),
        QStringLiteral("--frequencies"), QStringLiteral("12") });
    auto operations = operationsOn(radio);
    ASSERT_TRUE(read(*operations)) << qPrintable(messages().join('\n'));
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));
    EXPECT_EQ(m_prompts, 0) << "a radio without a password is read without a prompt";
    EXPECT_TRUE(m_flagSetWhileTransferring);
    EXPECT_FALSE(m_monitor.transferActive());
    EXPECT_EQ(m_progress.last(), 100);
    EXPECT_EQ(modelOf(operations->image().factory), "KUD41670");

    VirtualCP image = operations->image();
    CProfileDocument document(m_context.versionRules());
    ASSERT_TRUE(document.NewFromImage(image)) << qPrintable(messages().join('\n'));
    EXPECT_TRUE(document.loadTimeRulesPassed()) << qPrintable(messages().join('\n'));
    CDataItem factory, limit, channels, frequencies;
    document.root().GetChildByName(QStringLiteral("factory_setting"), factory);
    document.root().GetChildByName(QStringLiteral("limit"), limit);
    document.root().GetChildByName(QStringLiteral("channels"), channels);
    document.root().GetChildByName(QStringLiteral("frequencies"), frequencies);
    EXPECT_EQ(factory.node().attributeOr(QStringLiteral("model")), "KUD41670");
    EXPECT_EQ(factory.node().attributeOr(QStringLiteral("serial")),
        QString::fromLatin1(reinterpret_cast<const char *>(image.factory.serial), codeplug::kSerialLength));
    EXPECT_EQ(channels.GetChildCount(), 16);
    EXPECT_EQ(frequencies.GetChildCount(), 12);
    EXPECT_EQ(limit.node().attributeOr(QStringLiteral("start_freq")), "450000000");
}

TEST_F(OperationsEndToEnd, ReadOfARadioTheProductDoesNotSupportStopsAfterIdentify)
{
    const QString europe = m_context.settings().regionNames().value(20);
    ASSERT_FALSE(europe.isEmpty());
    {
        RadioEmulator radio({ QStringLiteral("--model"), QStringLiteral("KUR40820") });
        EXPECT_FALSE(read(*operationsOn(radio)));
    }
    {
        RadioEmulator radio({ QStringLiteral("--codeplug-version"), QStringLiteral("9") });
        EXPECT_FALSE(read(*operationsOn(radio)));
    }
    EXPECT_EQ(messages(),
        (QStringList {
            kRegionRefusedForRead + " Please use the \"" + europe + "\".", kCodeplugIncompatible }));
    EXPECT_FALSE(m_monitor.transferActive());
    EXPECT_EQ(m_progress, (QList<int> { 20, 40, 60, 80, 100, 20, 40, 60, 80, 100 }))
        << "only the identify ran";
}

TEST_F(OperationsEndToEnd, WriteAsShownKeepsTheRadiosCustomDplCodes)
{
    // With VelaTag 1 a shown profile offers no customised DPL codes, so the
    // radio keeps its own.
    RadioEmulator factoryRadio({ QStringLiteral("--model"), QStringLiteral("KUD41600") });
    const VirtualCP factory = readBack(factoryRadio);
    QStringList radioCodes;
    for (int i = 6; i < 12; ++i)
        radioCodes << QString::number(factory.customCodes[i]);
    writeTemplateAndReadBack(QStringLiteral("KUD41600"), radioCodes);
}

TEST_F(OperationsEndToEnd, WriteWithoutTheLimitRuleCarriesEveryCustomCode)
{
    setMachineValue(QStringLiteral("VelaTag"), 0);
    // The template's PLcode214-219.
    writeTemplateAndReadBack(QStringLiteral("KUD41600"), { "6", "7", "13", "15", "17", "40" });
}

TEST_F(OperationsEndToEnd, CrossModelWriteSkipsTheCloneCheck)
{
    // A two-watt profile into a four-watt radio of the same tier; the
    // profile's clone byte differs from the radio's.
    RadioEmulator radio({ QStringLiteral("--model"), QStringLiteral("KUR40200") });
    const VirtualCP before = readBack(radio);
    auto document = shownProfile(setAttributeIn(
        templateText(QStringLiteral("KUR20200")), "factory_setting", "serial_clone_compatibility", "5"));
    auto operations = operationsOn(radio);
    ASSERT_TRUE(write(*operations, *document)) << qPrintable(messages().join('\n'));
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));
    const VirtualCP after = readBack(radio);
    expectWritten(operations->image(), before, after);
    EXPECT_EQ(modelOf(after.factory), "KUR40200") << "the radio keeps its model";
}

TEST_F(OperationsEndToEnd, SameClassWriteWithAnotherCloneByteIsRefusedBeforeTransfer)
{
    expectRefusedBeforeTransfer({ QStringLiteral("--model"), QStringLiteral("KUR40800") },
        setAttributeIn(
            templateText(QStringLiteral("KUR40800")), "factory_setting", "serial_clone_compatibility", "5"),
        { kNotCompatible });
}

TEST_F(OperationsEndToEnd, FourWattProfileToTwoWattRadioIsRefusedBeforeTransfer)
{
    expectRefusedBeforeTransfer({ QStringLiteral("--model"), QStringLiteral("KUR20800") },
        templateText(QStringLiteral("KUR40800")), { kNotCompatible });
    // Only the identify ran.
    EXPECT_EQ(m_progress, (QList<int> { 20, 40, 60, 80, 100 }));
}

TEST_F(OperationsEndToEnd, OtherBandAndRegionAreRefusedBeforeTransfer)
{
    expectRefusedBeforeTransfer({ QStringLiteral("--model"), QStringLiteral("KXR40800") },
        templateText(QStringLiteral("KUR40800")), { kBandMismatch });
    m_reporter.messages.clear();
    expectRefusedBeforeTransfer({ QStringLiteral("--model"), QStringLiteral("KUR40804") },
        templateText(QStringLiteral("KUR40800")), { kModelMismatch });
    m_reporter.messages.clear();
    expectRefusedBeforeTransfer({ QStringLiteral("--model"), QStringLiteral("KUR40820") },
        templateText(QStringLiteral("KUR40800")), { kRegionRefusedForWrite });
    m_reporter.messages.clear();
    expectRefusedBeforeTransfer({ QStringLiteral("--model"), QStringLiteral("KUR40800"),
                                    QStringLiteral("--codeplug-version"), QStringLiteral("9") },
        templateText(QStringLiteral("KUR40800")), { kCodeplugIncompatible });
}

TEST_F(OperationsEndToEnd, DisplayProfileToRotaryRadioAfterYes)
{
    RadioEmulator radio({ QStringLiteral("--model"), QStringLiteral("KUR41600") });
    const VirtualCP before = readBack(radio);
    auto document = shownProfile(templateText(QStringLiteral("KUD41600")));
    auto operations = operationsOn(radio);
    ASSERT_TRUE(write(*operations, *document)) << qPrintable(messages().join('\n'));
    EXPECT_EQ(messages(), QStringList { kTierQuestion });

    const VirtualCP &written = operations->image();
    for (unsigned slot : { 5u, 8u, 9u })
        EXPECT_EQ(codeplug::buttonSlot(written.setting.buttons, slot), 0) << slot;
    // The profile's side buttons.
    EXPECT_EQ(codeplug::buttonSlot(written.setting.buttons, 6), 1);
    EXPECT_EQ(codeplug::buttonSlot(written.setting.buttons, 11), 2);
    const VirtualCP after = readBack(radio);
    expectWritten(written, before, after);
    EXPECT_EQ(modelOf(after.factory), "KUR41600");
    for (unsigned slot : { 5u, 8u, 9u })
        EXPECT_NE(codeplug::buttonSlot(before.setting.buttons, slot), 0) << "the radio had a function there";
}

TEST_F(OperationsEndToEnd, DisplayProfileToRotaryRadioDeclinedWithNo)
{
    m_reporter.answer = MsgAnswer::No;
    expectRefusedBeforeTransfer({ QStringLiteral("--model"), QStringLiteral("KUR41600") },
        templateText(QStringLiteral("KUD41600")), { kTierQuestion });
}

TEST_F(OperationsEndToEnd, HigherTierProfileToLowerTierRadioAfterYes)
{
    RadioEmulator radio({ QStringLiteral("--model"), QStringLiteral("KUR50800") });
    const VirtualCP before = readBack(radio);
    auto document = shownProfile(templateText(QStringLiteral("KUR51600")));
    auto operations = operationsOn(radio);
    ASSERT_TRUE(write(*operations, *document)) << qPrintable(messages().join('\n'));
    EXPECT_EQ(messages(), QStringList { kTierQuestion });
    const VirtualCP after = readBack(radio);
    EXPECT_LE(after.setting.numberChannels, 8);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(after.channels[k].rx_freq_ndx, operations->image().channels[k].rx_freq_ndx) << k;
    expectWritten(operations->image(), before, after);
}

TEST_F(OperationsEndToEnd, PasswordPromptCancelledEndsSilently)
{
    RadioEmulator radio({ QStringLiteral("--password"), QStringLiteral("1234") });
    auto operations = operationsOn(radio);
    EXPECT_FALSE(read(*operations));
    EXPECT_EQ(m_prompts, 1);
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));
    EXPECT_FALSE(m_monitor.transferActive());
    EXPECT_EQ(m_progress, (QList<int> { 20, 40, 60, 80, 100 })) << "the read itself never started";
}

TEST_F(OperationsEndToEnd, WrongPasswordIsAskedAgainUntilRight)
{
    RadioEmulator radio({ QStringLiteral("--password"), QStringLiteral("1234") });
    auto operations = operationsOn(radio);
    m_typed = QStringList { "0000", "1234" };
    ASSERT_TRUE(read(*operations)) << qPrintable(messages().join('\n'));
    EXPECT_EQ(m_prompts, 2);
    EXPECT_EQ(operations->rememberedPassword(), "1234");
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));

    // The remembered password opens the radio from now on.
    EXPECT_TRUE(identify(*operations));
    EXPECT_EQ(m_prompts, 2);
}

TEST_F(OperationsEndToEnd, WriteRemembersThePasswordItGaveTheRadio)
{
    RadioEmulator radio({ QStringLiteral("--password"), QStringLiteral("1234") });
    auto document = shownProfile(
        setAttributeIn(templateText(QStringLiteral("KXD40600")), "setting", "password", "5555"));
    auto operations = operationsOn(radio);
    m_typed = QStringList { "1234" };
    ASSERT_TRUE(write(*operations, *document)) << qPrintable(messages().join('\n'));
    EXPECT_EQ(m_prompts, 1);
    EXPECT_EQ(operations->rememberedPassword(), "5555");

    ASSERT_TRUE(identify(*operations));
    EXPECT_EQ(RadioChecks::RadioPassword(operations->identity()), "5555");
    EXPECT_EQ(m_prompts, 1);
}

TEST_F(OperationsEndToEnd, ResetIsQuietOnSuccess)
{
    RadioEmulator radio;
    auto operations = operationsOn(radio);
    EXPECT_TRUE(reset(*operations));
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));
    EXPECT_FALSE(m_monitor.transferActive());
    EXPECT_EQ(m_progress, QList<int> { 100 });
}

const QString kPartlyWritten
    = QStringLiteral("The radio now holds a partly written codeplug; writing the profile again restores it.");

TEST_F(OperationsEndToEnd, EachStageSignalsItselfAndItsProgressThenTheEndFollows)
{
    RadioEmulator radio;
    EXPECT_TRUE(read(*operationsOn(radio)));
    EXPECT_EQ(m_signals,
        (QStringList { "Identifying", "20", "40", "60", "80", "100", "Reading", "10", "20", "30", "40", "50",
            "60", "70", "80", "100", "100", "Succeeded" }));
}

TEST_F(OperationsEndToEnd, ACableInUseIsNamedAndLeftAlone)
{
    RadioEmulator radio;
    const CableOpening holder = CablePort::open(radio.path());
    ASSERT_NE(holder.cable, nullptr);
    auto operations = operationsOn(radio);
    EXPECT_FALSE(identify(*operations));
    EXPECT_EQ(operations->cableStatus(), CableError::DeviceBusy);
    EXPECT_EQ(messages(),
        QStringList { kCommunicationError + " The programming cable is in use by another program." });
}

TEST_F(OperationsEndToEnd, CancelledWriteResetsTheRadioAndSaysItIsPartlyWritten)
{
    RadioEmulator radio({ QStringLiteral("--pace") });
    auto operations = operationsOn(radio);
    bool writing = false;
    // A cable scan of another copy holds the cable as the reset begins: the
    // reset waits for it rather than counting as cancelled too.
    CNamedLock scan(CableSharing::runtimeDirectory(), QLatin1String(CableSharing::kCableMutexName));
    QObject::connect(operations.get(), &CRadioOperations::stageStarted, [&](CRadioOperations::Stage stage) {
        writing = stage == CRadioOperations::Stage::Writing;
        if (stage == CRadioOperations::Stage::Resetting && scan.lock())
            QTimer::singleShot(500, [&scan] { scan.unlock(); });
    });
    // At 30 the settings are in the radio and the frequency records follow.
    QObject::connect(operations.get(), &CRadioOperations::progress, [&](int percent) {
        if (writing && percent == 30)
            operations->cancel();
    });
    auto document = shownProfile(templateText(QStringLiteral("KXD40600")));
    EXPECT_FALSE(write(*operations, *document));

    EXPECT_EQ(m_outcome, CRadioOperations::Outcome::Cancelled);
    EXPECT_EQ(messages(), QStringList { kPartlyWritten });
    const QStringList written = m_signals.mid(m_signals.indexOf("Writing"));
    const qsizetype reset = written.indexOf("Resetting");
    EXPECT_FALSE(written.mid(0, reset).contains("100")) << "the write stopped";
    EXPECT_EQ(written.mid(reset), (QStringList { "Resetting", "100", "Cancelled" }))
        << "the radio took the reset";
    EXPECT_FALSE(m_monitor.transferActive());
}

TEST_F(OperationsEndToEnd, WriteSendsTheImageTakenBeforeTheTransfer)
{
    RadioEmulator radio;
    auto document = shownProfile(templateText(QStringLiteral("KXD40600")));
    auto operations = operationsOn(radio);
    // The window closes as the transfer starts, after an edit.
    QObject::connect(operations.get(), &CRadioOperations::stageStarted, [&](CRadioOperations::Stage stage) {
        if (stage != CRadioOperations::Stage::Writing)
            return;
        CDataItem setting;
        document->root().GetChildByName(QStringLiteral("setting"), setting);
        setting.SetAttributeValue(QStringLiteral("powerupString"), QStringLiteral("EDITED"));
        document.reset();
    });
    ASSERT_TRUE(write(*operations, *document)) << qPrintable(messages().join('\n'));
    const VirtualCP after = readBack(radio);
    EXPECT_EQ(std::memcmp(after.setting.powerupString, operations->image().setting.powerupString, 8), 0);
    EXPECT_NE(std::memcmp(after.setting.powerupString, "EDITED", 6), 0);

    // A window that closes before the checks leaves its document alone.
    auto second = shownProfile(templateText(QStringLiteral("KXD40600")));
    auto owner = std::make_unique<QObject>();
    QObject::connect(operations.get(), &CRadioOperations::progress, [&] { owner.reset(); });
    m_signals.clear();
    EXPECT_FALSE(write(*operations, *second, owner.get()));
    EXPECT_EQ(m_outcome, CRadioOperations::Outcome::Cancelled);
    EXPECT_FALSE(m_signals.contains("Writing"));
}

TEST_F(OperationsEndToEnd, WriteBacksUpTheRadioThenReadsBackWhatItKept)
{
    RadioEmulator radio;
    const VirtualCP before = readBack(radio);
    auto document = shownProfile(templateText(QStringLiteral("KXD40600")));
    auto operations = operationsOn(radio);
    QList<ProfileDifference> reviewed;
    QObject::connect(operations.get(), &CRadioOperations::writeReviewed,
        [&](const QList<ProfileDifference> &changes, bool &) { reviewed = changes; });
    ASSERT_TRUE(write(*operations, *document)) << qPrintable(messages().join('\n'));
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));
    m_signals.removeIf([](const QString &signal) { return signal.front().isDigit(); });
    EXPECT_EQ(m_signals, (QStringList { "Identifying", "BackingUp", "Writing", "Verifying", "Succeeded" }));
    EXPECT_FALSE(reviewed.isEmpty()) << "the template differs from the factory radio";
    EXPECT_TRUE(operations->notKept().isEmpty());

    ASSERT_TRUE(operations->lastBackup().has_value());
    EXPECT_EQ(operations->lastBackup()->reason, "before write");
    VirtualCP stored;
    RadioBackup backup;
    QString error;
    ASSERT_TRUE(RadioBackups::load(operations->lastBackup()->imagePath, stored, backup, error))
        << qPrintable(error);
    EXPECT_TRUE(sameBytes(stored, before)) << "the backup is the radio as it was";
    EXPECT_EQ(RadioBackups::list(backup.serial).size(), 1);
}

TEST_F(OperationsEndToEnd, RadioThatForgetsAWriteFailsTheVerifyNamingTheFields)
{
    // The radio keeps its old power-up text (main block bytes 24-31).
    RadioEmulator radio({ QStringLiteral("--fault"), QStringLiteral("forget-write"),
        QStringLiteral("--fault-range"), QStringLiteral("10018-1001F") });
    auto document = shownProfile(
        setAttributeIn(templateText(QStringLiteral("KXD40600")), "setting", "powerupString", "FORGOT"));
    m_reporter.answer = MsgAnswer::No;
    auto operations = operationsOn(radio);
    EXPECT_FALSE(write(*operations, *document));
    ASSERT_EQ(operations->notKept().size(), 1);
    const ProfileDifference &lost = operations->notKept().first();
    EXPECT_EQ(lost.field, "setting.powerupString");
    EXPECT_EQ(lost.oldRaw, "FORGOT");
    ASSERT_EQ(messages().size(), 3);
    EXPECT_EQ(messages()[0], kNotKept + lost.place() + " " + lost.caption);
    EXPECT_EQ(messages()[1], kWriteAgain);
    EXPECT_TRUE(messages()[2].contains(operations->lastBackup()->imagePath)) << "the backup is offered";
}

TEST_F(OperationsEndToEnd, UnwritableBackupFolderStopsTheWriteBeforeItStarts)
{
    RadioEmulator untouched;
    RadioEmulator radio;
    // The folder's place is taken by a file.
    QFile blocker(tempPath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocker.fileName()));
    auto document = shownProfile(templateText(QStringLiteral("KXD40600")));
    EXPECT_FALSE(write(*operationsOn(radio), *document));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(RadioBackups::folder())) << qPrintable(messages()[0]);
    EXPECT_TRUE(radio.memory() == untouched.memory()) << "nothing reached the radio";
}

struct FaultCase {
    const char *name;
    QStringList emulatorArguments;
    bool write; // write the matching template, else read
    QString expected; // the one message, or empty for success
    bool partlyWritten = false; // the failed write had changed the radio
};

void PrintTo(const FaultCase &fault, std::ostream *out)
{
    *out << fault.name;
}

class OperationFaults : public OperationsEndToEnd, public ::testing::WithParamInterface<FaultCase> { };

TEST_P(OperationFaults, EndInTheirMessage)
{
    const FaultCase &fault = GetParam();
    RadioEmulator untouched(fault.emulatorArguments);
    RadioEmulator radio(fault.emulatorArguments);
    auto operations = operationsOn(radio);
    bool done = false;
    if (fault.write) {
        auto document = shownProfile(templateText(QStringLiteral("KXD40600")));
        done = write(*operations, *document);
    } else {
        done = read(*operations);
    }
    EXPECT_EQ(done, fault.expected.isEmpty());
    QStringList expected = fault.expected.isEmpty() ? QStringList {} : QStringList { fault.expected };
    // A partly written radio is told where its backup is.
    if (fault.partlyWritten && messages().size() == 2 && messages()[1].startsWith(kBackupKeptIn))
        expected << messages()[1];
    EXPECT_EQ(messages(), expected);
    EXPECT_FALSE(m_monitor.transferActive());
    if (fault.write && !done) {
        const QByteArray after = radio.memory();
        ASSERT_FALSE(after.isEmpty());
        EXPECT_EQ(after != untouched.memory(), fault.partlyWritten);
    }
}

QStringList fault(const char *name, QStringList more = {})
{
    return QStringList { QStringLiteral("--fault"), QString::fromLatin1(name) } + more;
}

INSTANTIATE_TEST_SUITE_P(EmulatorFaults, OperationFaults,
    ::testing::Values(FaultCase { "SilentRadio", fault("silent"), false, kCommunicationError },
        FaultCase { "BadChecksum", fault("bad-checksum"), false, kCommunicationError },
        FaultCase { "BadChecksumDuringTheRead", fault("bad-checksum", { "--fault-after", "9" }), false,
            kCommunicationError },
        FaultCase { "RefusedWrite", fault("refuse-write"), true, kCommunicationError },
        // The identify, the backup read, the prepare, the status query and
        // the 13 reads of the main block come first; then two blocks are taken.
        FaultCase { "RefusedAfterTwoBlocks", fault("refuse-write", { "--fault-after", "47" }), true,
            kCommunicationError + " " + kPartlyWritten, true },
        // Every block of the write is taken and read back; the reset (request 90) is
        // not answered.
        FaultCase {
            "ResetLostAfterTheLastBlock", fault("silent", { "--fault-after", "89" }), true, QString() },
        FaultCase { "NoiseBeforeTheLeadByte", fault("garbage"), false, QString() },
        FaultCase { "DroppedByte", fault("drop-byte"), false, kCommunicationError },
        FaultCase { "DroppedByteOnceIsRetried", fault("drop-byte", { "--fault-once", "--fault-after", "3" }),
            false, QString() },
        FaultCase { "NoFrequencyRecords", { "--frequencies", "0" }, false, operationFailed(0) },
        FaultCase { "MemoryStatusEightOnRead", { "--memory-status", "8" }, false, kFactoryResetWarning },
        FaultCase { "MemoryStatusEightOnWrite", { "--memory-status", "8" }, true, kFactoryResetWarning },
        FaultCase { "MemoryStatusThree", { "--memory-status", "3" }, false, kReturnToManufactureWarning },
        FaultCase {
            "MemoryStatusThirtyOne", { "--memory-status", "31" }, true, kReturnToManufactureWarning }),
    [](const ::testing::TestParamInfo<FaultCase> &info) { return std::string(info.param.name); });

} // namespace
