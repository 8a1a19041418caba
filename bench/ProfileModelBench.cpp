// Loading and editing a profile, beside the floor of what libxml2 alone
// needs for the same text: a parse plus schema validation.
#include "BenchProfiles.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "model/RadioDataModel.h"

#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

namespace {

struct Environment {
    ScopedConfig config;
    RecordingReporter reporter;
    QString profile = fullProfileText();
};

Environment &environment()
{
    static Environment instance;
    return instance;
}

// The floor: parse the profile and validate it against the compiled schema.
void BM_Floor_Libxml2ParseAndValidate(benchmark::State &state)
{
    const QByteArray schemaText = dataFileText(QStringLiteral("profiletemplate/DataProfile.xsd")).toUtf8();
    const QByteArray profile = environment().profile.toUtf8();
    xmlSchemaParserCtxtPtr parser = xmlSchemaNewMemParserCtxt(schemaText.constData(), int(schemaText.size()));
    xmlSchemaPtr schema = xmlSchemaParse(parser);
    xmlSchemaValidCtxtPtr validator = xmlSchemaNewValidCtxt(schema);
    for (auto _ : state) {
        xmlDocPtr doc
            = xmlReadMemory(profile.constData(), int(profile.size()), nullptr, "UTF-8", XML_PARSE_NONET);
        benchmark::DoNotOptimize(xmlSchemaValidateDoc(validator, doc));
        xmlFreeDoc(doc);
    }
    xmlSchemaFreeValidCtxt(validator);
    xmlSchemaFree(schema);
    xmlSchemaFreeParserCtxt(parser);
}
BENCHMARK(BM_Floor_Libxml2ParseAndValidate)->Unit(benchmark::kMicrosecond);

void BM_LoadProfile_Full(benchmark::State &state)
{
    Environment &env = environment();
    CRadioDataModel model;
    for (auto _ : state)
        benchmark::DoNotOptimize(model.LoadProfile(env.profile, false));
}
BENCHMARK(BM_LoadProfile_Full)->Unit(benchmark::kMicrosecond);

void setAttribute(benchmark::State &state, const char *section, const char *attribute, const QVariant &value)
{
    Environment &env = environment();
    CRadioDataModel model;
    model.LoadProfile(env.profile, false);
    CDataItem item;
    model.rootItem().GetChildByName(QLatin1String(section), item);
    for (auto _ : state)
        benchmark::DoNotOptimize(item.SetAttributeValue(QLatin1String(attribute), value));
}

void BM_SetAttributeValue_WithoutHook(benchmark::State &state)
{
    setAttribute(state, "setting", "vox_level", 2);
}
BENCHMARK(BM_SetAttributeValue_WithoutHook)->Unit(benchmark::kMicrosecond);

void BM_SetAttributeValue_WithHook(benchmark::State &state)
{
    setAttribute(state, "setting", "password", QStringLiteral("1234"));
}
BENCHMARK(BM_SetAttributeValue_WithHook)->Unit(benchmark::kMicrosecond);

} // namespace
