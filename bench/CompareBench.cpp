// The differences between two 19-channel profiles, and between a profile
// and a codeplug image (what a write would change), each beside the floor
// of a bare libxml2 parse of the texts compared, measured in the same run.
#include "BenchProfiles.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "codeplug/DataAdaptor.h"
#include "document/ProfileComparison.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <libxml/parser.h>

namespace {

struct CompareEnvironment {
    CompareEnvironment()
    {
        context.start();
        // A dealer's edit: other names on every channel, another frequency.
        edited.replace(QStringLiteral("name=\"CHAN "), QStringLiteral("name=\"SITE "));
        edited.replace(QStringLiteral("freq=\"462562500\""), QStringLiteral("freq=\"462587500\""));
        const QString path = folder.filePath(QStringLiteral("full.kv9"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(profile.toUtf8()) > 0) {
            file.close();
            document = std::make_unique<CProfileDocument>(context.versionRules());
            if (!document->Open(path))
                document.reset();
        }
        CDataAdaptor::XML2VirtualCP(edited, image, identity);
    }
    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QTemporaryDir folder;
    QString profile = fullProfileText();
    QString edited = fullProfileText();
    std::unique_ptr<CProfileDocument> document;
    VirtualCP image {};
    RadioIdentity identity {};
};

CompareEnvironment &environment()
{
    static CompareEnvironment instance;
    return instance;
}

// A bare libxml2 parse of both texts compared.
void parseBoth(const QByteArray &first, const QByteArray &second)
{
    for (const QByteArray *text : { &first, &second })
        xmlFreeDoc(xmlReadMemory(text->constData(), int(text->size()), nullptr, "UTF-8", XML_PARSE_NONET));
}

// Each iteration times the comparison and then the floor, so that both see
// the same load of the machine.
void measure(benchmark::State &state, const std::function<bool()> &compare)
{
    CompareEnvironment &env = environment();
    const QByteArray first = env.profile.toUtf8(), second = env.edited.toUtf8();
    double elapsed = 0, floor = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (!compare()) {
            state.SkipWithError("the comparison failed");
            return;
        }
        elapsed += double(clock.nsecsElapsed()) / 1e9;
        clock.restart();
        parseBoth(first, second);
        floor += double(clock.nsecsElapsed()) / 1e9;
    }
    const double n = double(state.iterations());
    state.counters["ms"] = elapsed / n * 1e3;
    state.counters["floor_ms"] = floor / n * 1e3;
    state.counters["ratio"] = elapsed / floor;
}

void BM_Compare_TwoProfiles(benchmark::State &state)
{
    CompareEnvironment &env = environment();
    measure(state, [&] {
        const auto differences = ProfileComparison::compareTexts(env.profile, env.edited);
        return differences && !differences->isEmpty();
    });
}
BENCHMARK(BM_Compare_TwoProfiles)->Unit(benchmark::kMillisecond);

void BM_Compare_ProfileAgainstImage(benchmark::State &state)
{
    CompareEnvironment &env = environment();
    if (!env.document) {
        state.SkipWithError("the full profile does not load");
        return;
    }
    measure(state, [&] {
        const std::optional<VirtualCP> written
            = ProfileComparison::profileWrittenOver(*env.document, env.image);
        const auto differences
            = written ? ProfileComparison::compareImages(env.image, *written) : std::nullopt;
        return differences && !differences->isEmpty();
    });
}
BENCHMARK(BM_Compare_ProfileAgainstImage)->Unit(benchmark::kMillisecond);

} // namespace
