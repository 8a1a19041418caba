// Conversions between profile and codeplug image, and a full save, beside
// the floor of a bare libxml2 parse of the same profile text.
#include "BenchProfiles.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "codeplug/DataAdaptor.h"
#include "codeplug/VirtualCP.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <libxml/parser.h>

namespace {

struct CodeplugEnvironment {
    CodeplugEnvironment()
    {
        context.start();
        CDataAdaptor::XML2VirtualCP(profile, image, identity);
        CDataAdaptor::VirtualCP2XML(image, canonical);
    }
    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QString profile = fullProfileText();
    VirtualCP image {};
    RadioIdentity identity {};
    QString canonical;
    QTemporaryDir folder;
};

CodeplugEnvironment &environment()
{
    static CodeplugEnvironment instance;
    return instance;
}

void BM_Floor_Libxml2Parse(benchmark::State &state)
{
    const QByteArray text = environment().canonical.toUtf8();
    for (auto _ : state) {
        xmlDocPtr doc = xmlReadMemory(text.constData(), int(text.size()), nullptr, "UTF-8", XML_PARSE_NONET);
        benchmark::DoNotOptimize(doc);
        xmlFreeDoc(doc);
    }
}
BENCHMARK(BM_Floor_Libxml2Parse)->Unit(benchmark::kMicrosecond);

void BM_XML2VirtualCP_Full(benchmark::State &state)
{
    CodeplugEnvironment &env = environment();
    for (auto _ : state) {
        VirtualCP image {};
        benchmark::DoNotOptimize(CDataAdaptor::XML2VirtualCP(env.profile, image, env.identity));
    }
}
BENCHMARK(BM_XML2VirtualCP_Full)->Unit(benchmark::kMicrosecond);

void BM_VirtualCP2XML_Full(benchmark::State &state)
{
    CodeplugEnvironment &env = environment();
    for (auto _ : state) {
        VirtualCP image = env.image;
        QString text;
        benchmark::DoNotOptimize(CDataAdaptor::VirtualCP2XML(image, text));
    }
}
BENCHMARK(BM_VirtualCP2XML_Full)->Unit(benchmark::kMicrosecond);

void BM_Save_Full(benchmark::State &state)
{
    CodeplugEnvironment &env = environment();
    CProfileDocument document(env.context.versionRules());
    VirtualCP image = env.image;
    document.NewFromImage(image);
    const QString path = env.folder.filePath(QStringLiteral("full.kv9"));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.Save(path));
}
BENCHMARK(BM_Save_Full)->Unit(benchmark::kMicrosecond);

} // namespace
