// The channel table and the CSV import on the full profile (19 channels, 99
// frequencies). Import: a 1,000-row file, preview then apply as one undo
// step (target: under 50 ms); its floor is one accepted edit through the
// document's edit path (the hook, the undo step of the whole profile text).
// Table: the 19-row table made and shown (target: under 16 ms); its floor
// is a plain table view of as many text cells shown.
#include "BenchDocument.h"

#include "document/ChannelCsv.h"
#include "document/ChannelCsvImport.h"
#include "editors/ChannelTableView.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QTableView>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

// Rows for Locations 1 to 1,000 on the table's frequencies, each another
// name, tone and power than its channel has: 19 channels change, the rest
// find no room.
QByteArray thousandRows()
{
    QByteArray csv = ChannelCsv::Header().join(QLatin1Char(',')).toUtf8() + "\n";
    const ChannelCsv::ProfileView profile(BenchDocument::instance().document.root(), 4);
    const std::vector<quint32> &frequencies = profile.frequencies();
    for (int location = 1; location <= 1000; ++location) {
        const quint32 hz = frequencies[size_t(location) % frequencies.size()];
        csv += QStringLiteral(
            "%1,ROW%2,%3,,0.000000,TSQL,103.5,103.5,023,NN,023,Tone->Tone,NFM,12.50,,1.0W,,,,,\n")
                   .arg(location)
                   .arg(location % 10000)
                   .arg(ChannelCsv::MegahertzText(hz))
                   .toUtf8();
    }
    return csv;
}

void BM_Floor_OneEdit(benchmark::State &state)
{
    CProfileDocument &document = BenchDocument::instance().document;
    CDataItem channels, channel;
    document.root().GetChildByName(QStringLiteral("channels"), channels);
    int code = 0;
    for (auto _ : state) {
        channels.GetChildByIndex(0, channel);
        document.setAttribute(channel, QStringLiteral("rx_code"), (code++ % 38) + 1, QStringLiteral("Edit"));
    }
    document.undoStack()->clear();
}
BENCHMARK(BM_Floor_OneEdit)->Unit(benchmark::kMillisecond);

void BM_CsvImport_1000Rows_PreviewAndApply(benchmark::State &state)
{
    CProfileDocument &document = BenchDocument::instance().document;
    const CChannelCsvImport import(thousandRows());
    for (auto _ : state) {
        const ChannelImportReport preview = import.preview(document);
        const ChannelImportReport applied = import.apply(document, true);
        if (!applied.kept || preview.notes.size() < 1000)
            state.SkipWithError("the import was not taken");
        state.PauseTiming();
        document.undoStack()->undo();
        state.ResumeTiming();
    }
    document.undoStack()->clear();
}
BENCHMARK(BM_CsvImport_1000Rows_PreviewAndApply)->Unit(benchmark::kMillisecond);

// Shows a table made anew, in a pane of the size of the editor pane.
template <class Make> void ShowTable(benchmark::State &state, const Make &make)
{
    QWidget pane;
    pane.resize(760, 560);
    pane.show();
    for (auto _ : state) {
        QTableView *table = make(&pane);
        table->resize(740, 500);
        table->show();
        QCoreApplication::processEvents();
        delete table;
    }
}

void BM_Floor_PlainTable(benchmark::State &state)
{
    QStandardItemModel cells(19, 12);
    for (int row = 0; row < 19; ++row) {
        for (int column = 0; column < 12; ++column)
            cells.setItem(row, column, new QStandardItem(QStringLiteral("%1 - 462.562500").arg(row)));
    }
    ShowTable(state, [&cells](QWidget *pane) {
        auto *table = new QTableView(pane);
        table->setModel(&cells);
        return table;
    });
}
BENCHMARK(BM_Floor_PlainTable)->Unit(benchmark::kMillisecond);

void BM_ChannelTable_19Channels_Shown(benchmark::State &state)
{
    BenchDocument &env = BenchDocument::instance();
    ShowTable(state, [&env](QWidget *pane) {
        return new CChannelTableView(EditorContext { env.document, env.context, -1 }, pane);
    });
}
BENCHMARK(BM_ChannelTable_19Channels_Shown)->Unit(benchmark::kMillisecond);

} // namespace
