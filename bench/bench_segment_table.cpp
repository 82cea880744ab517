// The "Segments" window on the 20,000-segment track against the settings panels: opening it,
// selecting every row, and one edit of every brake, each against the same action through the
// panels; and scrolling it page by page.
#include "AppContext.h"
#include "EditHistory.h"
#include "PanelFill.h"
#include "PlatformDialogs.h"
#include "SegmentEditors.h"
#include "SegmentTableModel.h"
#include "SegmentTableWindow.h"
#include "SelectionEdits.h"
#include "SettingsPanelSwitch.h"
#include "SettingsPanels.h"
#include "SharedRide.h"
#include "SyntheticTrack.h"
#include "TrackSpine.h"
#include "TrackTracer.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

using namespace mKavrano_TrackIO_1_3;

namespace {

// The window's document, selection, history, panels and editors, wired as the main window
// wires them.
struct TableBench {
    TrackDocument doc = MakeSyntheticTrack();
    mKV_TraceTrack::TraceState trace;
    mMain::MainState state;
    mMain::EditHistory history{doc, trace, state};
    QWidget owner;
    PlatformDialogs dialogs{&owner}; // the runs below ask nothing
    SettingsPanels panels{&owner};
    SharedRide* ride = nullptr;
    SegmentTableWindow* table = nullptr;
    AppContext context{doc,
                       trace,
                       state,
                       dialogs,
                       nullptr,
                       [this](const QString& name, std::vector<mMain::SegmentEdit>&& edits) {
                           history.Commit(name, std::move(edits));
                           ride->Recompute();
                       }};
    SegmentEditors editors{context, panels};

    TableBench() {
        mKV_TraceTrack::TraceTrack(trace, doc);
        mKV_TraceTrack::BuildSpine(trace, doc);
        ride = new SharedRide(doc, trace, &owner);
        table = new SegmentTableWindow(
            context, *ride,
            [this] {
                mMain::UpdateSettingsPanels(context, panels);
                table->FollowSelection();
            },
            &owner);
        history.Reset();
    }

    void SelectBrakes() {
        for (int32_t i = 0; i < doc.SegmentCount; ++i)
            trace.SegmentSelected[size_t(i)] = doc.Segments[size_t(i)].SegmentType == SegBrake;
        mMain::UpdateSettingsPanels(context, panels);
        table->FollowSelection();
    }

    QModelIndex FirstBrakeCell(const char* title) const {
        const QAbstractItemModel& shown = *table->Table().model();
        int column = 0;
        while (table->Model().Columns()[size_t(column)].Title != title)
            ++column;
        for (int row = 0; row < shown.rowCount(); ++row)
            if (doc.Segments[size_t(shown.index(row, 0).data().toInt())].SegmentType == SegBrake)
                return shown.index(row, column);
        return {};
    }
};

TableBench* bench = nullptr; // made once the application exists

TableBench& Bench() {
    return *bench;
}

void BM_OpenTable(benchmark::State& state) {
    TableBench& b = Bench();
    for (auto _ : state) {
        b.table->Toggle();
        QCoreApplication::processEvents();
        state.PauseTiming();
        b.table->Toggle();
        state.ResumeTiming();
    }
}

void BM_SelectAllRows(benchmark::State& state) {
    TableBench& b = Bench();
    b.table->Toggle();
    for (auto _ : state) {
        b.table->Table().selectAll();
        state.PauseTiming();
        b.table->Table().clearSelection();
        state.ResumeTiming();
    }
    b.table->Toggle();
}

// The Select All command: the flags, the panels, and the open window following.
void BM_SelectAllCommand(benchmark::State& state) {
    TableBench& b = Bench();
    b.table->Toggle();
    for (auto _ : state) {
        mKV_TraceTrack::SelectAllSegments(b.trace);
        mMain::UpdateSettingsPanels(b.context, b.panels);
        b.table->FollowSelection();
        state.PauseTiming();
        mKV_TraceTrack::UnselectAllSegments(b.trace);
        b.table->FollowSelection();
        state.ResumeTiming();
    }
    b.table->Toggle();
}

void BM_EditBrakesInTable(benchmark::State& state) {
    TableBench& b = Bench();
    b.table->Toggle();
    b.SelectBrakes();
    const QModelIndex cell = b.FirstBrakeCell("Brake Speed Limit (kmph)");
    int kmph = 30;
    for (auto _ : state)
        b.table->Table().model()->setData(cell, QString::number(kmph++ % 60 + 1));
    b.table->Toggle();
    b.history.Reset();
}

// A page down the table and its paint, from the top to the bottom and round again; "slowest ms"
// is the slowest step, to hold against a frame of the view in bench_render.
void BM_ScrollTable(benchmark::State& state) {
    TableBench& b = Bench();
    b.table->Toggle();
    QScrollBar& bar = *b.table->Table().verticalScrollBar();
    double slowest = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bar.setValue(bar.value() < bar.maximum() ? bar.value() + bar.pageStep() : 0);
        b.table->Table().viewport()->repaint();
        slowest = std::max(
            slowest,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["slowest ms"] = slowest * 1e3;
    state.counters["page rows"] = bar.pageStep();
    b.table->Toggle();
}

// The same edit through the brake panel, the window open as well.
void BM_EditBrakesInPanel(benchmark::State& state) {
    TableBench& b = Bench();
    b.table->Toggle();
    b.SelectBrakes();
    int kmph = 30;
    for (auto _ : state) {
        state.PauseTiming();
        auto* box = b.panels.conSegStyle(SegBrake).findChild<QLineEdit*>("txtBrakeBrake(0)");
        box->setText(QString::number(kmph++ % 60 + 1));
        state.ResumeTiming();
        b.editors.ApplyBrakeSettings();
    }
    b.table->Toggle();
    b.history.Reset();
}

} // namespace

BENCHMARK(BM_OpenTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAllRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAllCommand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditBrakesInTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditBrakesInPanel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollTable)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const auto made = std::make_unique<TableBench>();
    bench = made.get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
