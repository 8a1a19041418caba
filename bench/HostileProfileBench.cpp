// The check that velacps-cli check and the Open command run, on profile
// files made to be expensive: every file up to the read cap must be
// accepted or refused within about a second. Each figure is reported beside
// its floor, measured in the same run: libxml2 alone parsing a plain text of
// the read cap's size.
#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "base/TextFile.h"
#include "document/ProfileFileCheck.h"
#include "settings/ProductContext.h"
#include "xml/XmlTextLimits.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <algorithm>
#include <chrono>
#include <functional>

namespace {

using namespace XmlTextLimits;
using Clock = std::chrono::steady_clock;

struct Environment {
    Environment() { context.start(); }

    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QTemporaryDir files;
    const QString profile = dataFileText(QStringLiteral("profiletemplate/KUR40800.kv9"));
};

Environment &environment()
{
    static Environment instance;
    return instance;
}

double secondsOf(const std::function<void()> &work)
{
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The floor: libxml2 parsing kMaxTextFileBytes of plain elements and text,
// the best of three.
double floorSeconds()
{
    static const double floor = [] {
        const QByteArray line = "<line>text of a plain document</line>\n";
        const QByteArray text = "<r>\n" + line.repeated(kMaxTextFileBytes / line.size() - 1) + "</r>";
        double best = 1e9;
        for (int i = 0; i < 3; ++i) {
            best = std::min(best, secondsOf([&] {
                xmlFreeDoc(
                    xmlReadMemory(text.constData(), int(text.size()), nullptr, "UTF-8", XML_PARSE_NONET));
            }));
        }
        return best;
    }();
    return floor;
}

// The template with body put into its channels element.
QString withChannels(const QString &body)
{
    QString text = environment().profile;
    const qsizetype at = text.indexOf(QLatin1String("<channels>"));
    return text.insert(at + 10, body);
}

QString attributes(int count, const QString &prefix = QString())
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral(" %1a%2=\"\"").arg(prefix).arg(i);
    return text;
}

void checkFile(benchmark::State &state, const QString &name, const QString &text)
{
    Environment &env = environment();
    const QString path = env.files.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) != text.toUtf8().size()) {
        state.SkipWithError("cannot write the profile file");
        return;
    }
    file.close();
    double elapsed = 0;
    for (auto _ : state)
        elapsed += secondsOf([&] { ProfileFileCheck::CheckProfileFile(path, env.context.settings()); });
    const double perRun = elapsed / double(state.iterations());
    state.counters["bytes"] = double(file.size());
    state.counters["floor_ms"] = floorSeconds() * 1e3;
    state.counters["ratio"] = perRun / floorSeconds();
}

// The file that once took minutes: a megabyte of attributes on one element.
void BM_Check_AttributesOnOneElement(benchmark::State &state)
{
    checkFile(state, QStringLiteral("one-element.kv9"),
        withChannels(QStringLiteral("<channel") + attributes(100000) + QStringLiteral("/>")));
}
BENCHMARK(BM_Check_AttributesOnOneElement)->Unit(benchmark::kMillisecond);

// As many attributes as allowed, as many on each element as allowed.
void BM_Check_AttributesAtTheirLimits(benchmark::State &state)
{
    const QString channel
        = QStringLiteral("<channel") + attributes(kMaxAttributesPerElement) + QStringLiteral("/>\n");
    checkFile(state, QStringLiteral("attributes.kv9"),
        withChannels(channel.repeated(kMaxAttributes / kMaxAttributesPerElement - 1)));
}
BENCHMARK(BM_Check_AttributesAtTheirLimits)->Unit(benchmark::kMillisecond);

// As many elements as allowed, their values filling the read cap.
void BM_Check_ElementsAtTheirLimit(benchmark::State &state)
{
    const int count = kMaxElements - 100;
    const QString channel = QStringLiteral("<channel name=\"%1\"/>\n")
                                .arg(QString(int(kMaxTextFileBytes / count) - 24, QLatin1Char('x')));
    checkFile(state, QStringLiteral("elements.kv9"), withChannels(channel.repeated(count)));
}
BENCHMARK(BM_Check_ElementsAtTheirLimit)->Unit(benchmark::kMillisecond);

// Elements nested as deep as allowed, each level declaring namespaces, and
// the rest of the allowed elements and attributes using their prefixes.
void BM_Check_NamespacesAtTheirLimits(benchmark::State &state)
{
    const int levels = kMaxDepth - 3;
    const int perLevel = kMaxNamespacesInScope / kMaxDepth;
    QString open, close;
    for (int level = 0; level < levels; ++level) {
        open += QStringLiteral("<n%1").arg(level);
        for (int i = 0; i < perLevel; ++i)
            open += QStringLiteral(" xmlns:p%1_%2=\"urn:%1:%2\"").arg(level).arg(i);
        open += QLatin1Char('>');
        close.prepend(QStringLiteral("</n%1>").arg(level));
    }
    // What the template holds is left room for.
    const int perElement = (kMaxAttributes - 1000) / (kMaxElements - 2 * levels);
    const QString element
        = QStringLiteral("<p0_0:e") + attributes(perElement, QStringLiteral("p0_0:")) + "/>\n";
    checkFile(state, QStringLiteral("namespaces.kv9"),
        withChannels(open + element.repeated(kMaxElements - 2 * levels) + close));
}
BENCHMARK(BM_Check_NamespacesAtTheirLimits)->Unit(benchmark::kMillisecond);

// A valid profile padded to the read cap with a comment.
void BM_Check_LargestValidProfile(benchmark::State &state)
{
    const int padding = int(kMaxTextFileBytes - environment().profile.size()) - 100;
    checkFile(state, QStringLiteral("largest.kv9"),
        withChannels(QStringLiteral("<!--%1-->").arg(QString(padding, QLatin1Char('x')))));
}
BENCHMARK(BM_Check_LargestValidProfile)->Unit(benchmark::kMillisecond);

} // namespace
