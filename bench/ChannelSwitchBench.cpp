// Switching the channel editor from one channel of a 19-channel profile to
// another: the commit of the editor shown, then the new editor's load (the
// 99-entry frequency lists, the code lists) and layout (target: under
// 16 ms, one frame). The floor is the same switch between two radio
// information pages, the lightest editor of the same framework.
#include "BenchProfiles.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "document/ProfileDocument.h"
#include "editors/ChannelView.h"
#include "editors/RadioInfoView.h"
#include "settings/ProductContext.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Environment {
    Environment()
    {
        if (!context.start())
            qFatal("the product data did not load");
        const QString path = folder.filePath(QStringLiteral("full.kv9"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(fullProfileText().toUtf8()) < 0)
            qFatal("cannot write the profile");
        file.close();
        if (!document.NewFromTemplate(path))
            qFatal("the profile did not load");
    }

    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QTemporaryDir folder;
    CProfileDocument document { context.versionRules() };
};

Environment &environment()
{
    static Environment instance;
    return instance;
}

// Shows the editor made for each channel in turn, in a pane of the size of
// the program's editor pane, as the child window does.
template <class View> void SwitchInTurn(benchmark::State &state)
{
    Environment &env = environment();
    QWidget pane;
    pane.resize(760, 560);
    auto *layout = new QVBoxLayout(&pane);
    pane.show();
    CBaseView *shown = nullptr;
    int channel = 0;
    for (auto _ : state) {
        if (shown && !shown->CommitPendingInput())
            state.SkipWithError("the commit was refused");
        auto *view = new View(EditorContext { env.document, env.context, channel });
        layout->addWidget(view);
        if (shown) {
            env.document.disconnect(shown);
            shown->deleteLater();
        }
        view->OnInitialUpdate();
        shown = view;
        channel = channel == 0 ? 18 : 0;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void BM_Floor_RadioInfoSwitch(benchmark::State &state)
{
    SwitchInTurn<CRadioInfoView>(state);
}
BENCHMARK(BM_Floor_RadioInfoSwitch)->Unit(benchmark::kMillisecond);

void BM_ChannelSwitch_CommitLoadFill(benchmark::State &state)
{
    SwitchInTurn<CChannelView>(state);
}
BENCHMARK(BM_ChannelSwitch_CommitLoadFill)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
