// A full read and a full write of the largest radio (19 channels, 99
// frequencies, every custom code) against the radio emulator sending at the
// cable's wire speed, each beside its floor: the bytes the operation put on
// the wire and got back (requests and replies, counted at the cable) at ten
// bits a byte and 16406 baud.
//
// Two levels: the radio operations as the programs run them (identify,
// prepare, transfer, reset and the radio's restart wait), and the bare
// engine transfer (ReadCodeplug, WriteCodeplug).
//
// The write as a transaction (backup read, write, read back to verify,
// with and without the backup read) is also set against the wire floor of
// the write alone, a single pass of WriteCodeplug measured in the same run.

#include "BenchProfiles.h"

#include "RadioEmulator.h"
#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "base/ConfigStore.h"
#include "document/ProfileDocument.h"
#include "operations/RadioChecks.h"
#include "operations/ReadWriteOperations.h"
#include "radio/CableMonitor.h"
#include "radio/RadioLink.h"
#include "radio/RadioTraceStore.h"
#include "radio/SerialCable.h"
#include "settings/ProductContext.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>

namespace {

constexpr double kBitsPerByte = 10.0; // start bit, eight data bits, stop bit

// What crossed the cable: bytes written (requests) and read (their echo,
// then the replies), and the frames sent.
struct WireCounts {
    std::atomic<qint64> written { 0 };
    std::atomic<qint64> read { 0 };
    std::atomic<qint64> writes { 0 };

    void reset()
    {
        written = 0;
        read = 0;
        writes = 0;
    }
    // The cable returns every request byte as its echo, which travels with
    // the request; the rest of what was read is replies.
    qint64 requestBytes() const { return written.load(); }
    qint64 replyBytes() const { return read.load() - written.load(); }
    double floorSeconds() const
    {
        return double(requestBytes() + replyBytes()) * kBitsPerByte / double(CableLine::kBaudRate);
    }
};

// A cable connection counting the bytes it moves through another.
class CountingCable : public CUsbCable {
public:
    CountingCable(std::unique_ptr<CUsbCable> cable, WireCounts &counts)
        : m_cable(std::move(cable))
        , m_counts(counts)
    {
    }

protected:
    CableStatus devicePurge(quint32 mask) override
    {
        m_cable->Purge(mask);
        return m_cable->lastStatus();
    }
    CableStatus deviceRead(quint8 *buffer, int count, int *moved) override
    {
        *moved = m_cable->Read(buffer, count);
        m_counts.read += *moved;
        return m_cable->lastStatus();
    }
    CableStatus deviceWrite(const quint8 *buffer, int count, int *moved) override
    {
        *moved = m_cable->Write(buffer, count);
        m_counts.written += *moved;
        ++m_counts.writes;
        return m_cable->lastStatus();
    }

private:
    std::unique_ptr<CUsbCable> m_cable;
    WireCounts &m_counts;
};

// Runs one operation to its end; whether it succeeded.
bool runToEnd(CRadioOperations &operations, const std::function<bool()> &start)
{
    QEventLoop loop;
    bool succeeded = false;
    QObject::connect(&operations, &CRadioOperations::finished, &loop, [&](CRadioOperations::Outcome outcome) {
        succeeded = outcome == CRadioOperations::Outcome::Succeeded;
        loop.quit();
    });
    if (!start())
        return false;
    loop.exec();
    return succeeded;
}

struct Environment {
    Environment()
    {
        // Without the limit-saving rule the profile keeps maxCodes 219, so
        // the write carries every custom code.
        QSettings(config.machineFile(), QSettings::IniFormat).setValue(QStringLiteral("VelaTag"), 0);
        if (!context.start() || radio.path().isEmpty()) {
            error = "the product or the radio emulator did not start";
            return;
        }
        const QString path = files.filePath(QStringLiteral("full.kv9"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(fullProfileText().toUtf8()) < 0) {
            error = "cannot write the profile";
            return;
        }
        file.close();
        document = std::make_unique<CProfileDocument>(context.versionRules());
        if (!document->Open(path) || !document->loadTimeRulesPassed()) {
            error = "the full profile does not load";
            return;
        }
        operations = std::make_unique<CRadioOperations>(
            context.settings(), [this] { return cable(); }, &monitor);
        QObject::connect(operations.get(), &CRadioOperations::message, &showWithReporter);
        // The image a write sends, for the bare engine write.
        if (!runToEnd(*operations, [this] { return operations->startIdentify(); })
            || document->GetVirtualCPData(image, operations->identity()) != 1) {
            error = "the radio cannot be identified";
            return;
        }
        RadioChecks::CopyIdentityIntoImage(image, operations->identity());
        if (image.limit.maxCodes != 219 || image.limit.max_valid_freqs != 99 || image.limit.maxChannels != 19)
            error = "the profile is not the full one";
    }

    // The wire floor of one pass of the write, from its first measurement.
    double writeFloor()
    {
        if (m_writeFloor == 0) {
            counts.reset();
            CRadioLink link(nullptr, cable().cable);
            if (link.WriteCodeplug(image).succeeded())
                m_writeFloor = counts.floorSeconds();
        }
        return m_writeFloor;
    }

    CableOpening cable()
    {
        CableOpening opening = CSerialCable::open(radio.path());
        if (opening.cable)
            opening.cable = std::make_unique<CountingCable>(std::move(opening.cable), counts);
        return opening;
    }

    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QTemporaryDir files;
    QTemporaryDir sharing;
    CCableMonitor monitor { nullptr, {}, sharing.path() };
    RadioEmulator radio { { QStringLiteral("--model"), QStringLiteral("KUD51900"),
        QStringLiteral("--frequencies"), QStringLiteral("99"), QStringLiteral("--pace") } };
    WireCounts counts;
    std::unique_ptr<CProfileDocument> document;
    std::unique_ptr<CRadioOperations> operations;
    VirtualCP image {};
    const char *error = nullptr;

private:
    double m_writeFloor = 0;
};

Environment &environment()
{
    static Environment instance;
    return instance;
}

// Runs transfer once per iteration and reports the wire floor of what it
// exchanged beside the time it took.
void measure(benchmark::State &state, const std::function<bool(Environment &)> &transfer)
{
    Environment &env = environment();
    if (env.error) {
        state.SkipWithError(env.error);
        return;
    }
    double elapsed = 0, floor = 0;
    qint64 requests = 0, replies = 0, frames = 0;
    for (auto _ : state) {
        env.counts.reset();
        QElapsedTimer clock;
        clock.start();
        const bool done = transfer(env);
        elapsed += double(clock.nsecsElapsed()) / 1e9;
        if (!done) {
            state.SkipWithError(qPrintable(env.reporter.messages.join(QLatin1Char('\n'))));
            return;
        }
        floor += env.counts.floorSeconds();
        requests += env.counts.requestBytes();
        replies += env.counts.replyBytes();
        frames += env.counts.writes.load();
    }
    const double n = double(state.iterations());
    state.counters["floor_ms"] = floor / n * 1e3;
    state.counters["ratio"] = elapsed / floor;
    state.counters["request_bytes"] = double(requests) / n;
    state.counters["reply_bytes"] = double(replies) / n;
    state.counters["frames"] = double(frames) / n;
    // What each frame cost beyond its bytes' wire time.
    state.counters["overhead_per_frame_ms"] = (elapsed - floor) / double(frames) * 1e3;
}

void BM_Radio_Read(benchmark::State &state)
{
    measure(state, [](Environment &env) {
        return runToEnd(*env.operations, [&] { return env.operations->startRead(); });
    });
}
BENCHMARK(BM_Radio_Read)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Radio_Write(benchmark::State &state)
{
    measure(state, [](Environment &env) {
        return runToEnd(*env.operations, [&] { return env.operations->startWrite(*env.document); });
    });
}
BENCHMARK(BM_Radio_Write)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A write as the programs run it, without the radio's restart wait.
bool writeWithoutSettle(Environment &env)
{
    CRadioOperations operations(
        env.context.settings(), [&] { return env.cable(); }, &env.monitor);
    operations.setResetSettleTime(std::chrono::milliseconds(0));
    QObject::connect(&operations, &CRadioOperations::message, &showWithReporter);
    return runToEnd(operations, [&] { return operations.startWrite(*env.document); });
}

// The time of each iteration set against one pass of the write alone.
void reportAgainstWriteFloor(benchmark::State &state)
{
    const double seconds = state.counters["ratio"] * state.counters["floor_ms"] / 1e3;
    state.counters["write_floor_ms"] = environment().writeFloor() * 1e3;
    state.counters["ratio_to_write_floor"] = seconds / environment().writeFloor();
}

void BM_Radio_WriteBackupAndVerify(benchmark::State &state)
{
    measure(state, writeWithoutSettle);
    reportAgainstWriteFloor(state);
}
BENCHMARK(BM_Radio_WriteBackupAndVerify)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Radio_WriteAndVerifyWithoutBackup(benchmark::State &state)
{
    CConfigStore::setRadioBackupsEnabled(false);
    measure(state, writeWithoutSettle);
    CConfigStore::setRadioBackupsEnabled(true);
    reportAgainstWriteFloor(state);
}
BENCHMARK(BM_Radio_WriteAndVerifyWithoutBackup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Radio_EngineReadCodeplug(benchmark::State &state)
{
    measure(state, [](Environment &env) {
        CRadioLink link(nullptr, env.cable().cable);
        VirtualCP image {};
        return link.ReadCodeplug(image).succeeded();
    });
}
BENCHMARK(BM_Radio_EngineReadCodeplug)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Radio_EngineWriteCodeplug(benchmark::State &state)
{
    measure(state, [](Environment &env) {
        CRadioLink link(nullptr, env.cable().cable);
        return link.WriteCodeplug(env.image).succeeded();
    });
}
BENCHMARK(BM_Radio_EngineWriteCodeplug)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// What keeping a trace costs a paced read: the read as the programs run it
// (its own trace included), beside recording the same number of frames of a
// full block read and reply into a trace and writing it out, as the end of
// every operation does.
void BM_Radio_TraceOverhead(benchmark::State &state)
{
    Environment &env = environment();
    if (env.error) {
        state.SkipWithError(env.error);
        return;
    }
    // A block of zeros read at 0x10000: address bytes, then the data.
    RadioFrame::Bytes body(3 + RadioFrame::kMaxBlockLength, 0);
    body[0] = 0x01;
    const RadioFrame::Bytes frame = RadioFrame::longFrame(RadioFrame::kReplyReadData, body);
    RadioFrame::Bytes replyBytes(frame.size() + 1, RadioFrame::kAcknowledge);
    std::copy(frame.begin(), frame.end(), replyBytes.begin() + 1);
    const RadioReply reply { RadioFrame::kReplyReadData, 0x10000,
        RadioFrame::Bytes(RadioFrame::kMaxBlockLength, 0) };
    const RadioFrame::Bytes request = RadioFrame::readBlock(0x10000, RadioFrame::kMaxBlockLength);

    double readSeconds = 0, traceSeconds = 0;
    for (auto _ : state) {
        env.counts.reset();
        QElapsedTimer clock;
        clock.start();
        if (!runToEnd(*env.operations, [&] { return env.operations->startRead(); })) {
            state.SkipWithError("the read failed");
            return;
        }
        readSeconds += double(clock.nsecsElapsed()) / 1e9;
        clock.restart();
        CRadioTrace trace;
        for (qint64 frame = 0; frame < env.counts.writes.load(); ++frame) {
            trace.sent(request, CRadioTrace::Echo::Echoed);
            trace.received(replyBytes, reply, RadioFrame::kMaxBlockLength, CRadioProtocol::NoError);
        }
        benchmark::DoNotOptimize(RadioTraceStore::keep(trace.text()));
        traceSeconds += double(clock.nsecsElapsed()) / 1e9;
    }
    state.counters["read_ms"] = readSeconds / double(state.iterations()) * 1e3;
    state.counters["trace_percent"] = traceSeconds / readSeconds * 100;
}
BENCHMARK(BM_Radio_TraceOverhead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
