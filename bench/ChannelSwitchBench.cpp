// Switching the channel editor from one channel of a 19-channel profile to
// another: the commit of the editor shown, then the new editor's load (the
// 99-entry frequency lists, the code lists) and layout (target: under
// 16 ms, one frame). The floor is the same switch between two radio
// information pages, the lightest editor of the same framework.
#include "BenchDocument.h"

#include "editors/ChannelView.h"
#include "editors/RadioInfoView.h"

#include <QApplication>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

namespace {

// Shows the editor made for each channel in turn, in a pane of the size of
// the program's editor pane, as the child window does.
template <class View> void SwitchInTurn(benchmark::State &state)
{
    BenchDocument &env = BenchDocument::instance();
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
