// Selecting another item of the profile tree on a 19-channel profile: the
// commit of the editor shown, the switch to the new item's editor and its
// load and layout (target: under 16 ms, one frame). The floor is the same
// selection in a tree alone, which shows no editor.
#include "BenchDocument.h"

#include "ChildFrame.h"
#include "VelaCPSTreeView.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The radio information, the channel list, the first and the last channel
// in turn, so every step changes the editor.
void SelectInTurn(benchmark::State &state, CVelaCPSTreeView &tree)
{
    QTreeWidgetItem *channels = tree.channelsItem();
    const QList<QTreeWidgetItem *> items { tree.topLevelItem(0), channels, channels->child(0),
        channels->child(channels->childCount() - 1) };
    if (channels->childCount() != 19)
        state.SkipWithError("the profile does not hold 19 channels");
    qsizetype next = 1;
    for (auto _ : state) {
        tree.setCurrentItem(items.at(next));
        next = (next + 1) % items.size();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void BM_Floor_TreeSelectionWithoutEditor(benchmark::State &state)
{
    CVelaCPSTreeView tree(BenchDocument::instance().document);
    tree.OnInitialUpdate();
    tree.show();
    SelectInTurn(state, tree);
}
BENCHMARK(BM_Floor_TreeSelectionWithoutEditor)->Unit(benchmark::kMillisecond);

void BM_TreeSelection_CommitSwitchLoad(benchmark::State &state)
{
    CChildFrame frame(BenchDocument::instance().document, BenchDocument::instance().context);
    frame.resize(1000, 700);
    frame.show();
    SelectInTurn(state, *frame.tree());
}
BENCHMARK(BM_TreeSelection_CommitSwitchLoad)->Unit(benchmark::kMillisecond);

} // namespace
