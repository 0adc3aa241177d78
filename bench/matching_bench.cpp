#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/chart_picture.h"
#include "core/numbers/text_format.h"
#include "core/settings/program_state.h"
#include "matching/drawing/network_chart_link.h"
#include "matching/drawing/network_drawing.h"
#include "matching/model/console_labels.h"
#include "matching/model/network_file.h"
#include "matching/model/network_model.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <stdexcept>

namespace {

using namespace qv;

// 499 elements of all eight kinds in turn, from a load of 0.6 + j0.4, at 554 MHz.
void FillMixedNetwork(ProgramState& state) {
    WritableNetwork(state).Fo = 554e6L;
    WritableNetwork(state).Zo = 50;
    WritableNetwork(state).network[1].nodeR = 0.6L;
    WritableNetwork(state).network[1].nodeX = 0.4L;
    WritableNetwork(state).network[1].sourceR = 1;
    const MicrostripBlock strip{554e6L, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 3e-3L};
    for (int i = 2; i <= LastMatchSlot; ++i) {
        MatchNode& slot = WritableNetwork(state).network[i];
        slot.kind = (i - 2) % 8 + 1;
        slot.strip = strip;
        switch (slot.kind) {
        case SeriesCapacitor:
            slot.value = 60e-12L;
            break;
        case ShuntCapacitor:
            slot.value = 1.5e-12L;
            break;
        case SeriesInductor:
            slot.value = 8e-9L;
            break;
        case ShuntInductor:
            slot.value = 150e-9L;
            break;
        case SeriesImpedance:
            slot.R = 1;
            slot.value = -4;
            break;
        case ShuntImpedance:
            slot.R = 2000;
            slot.value = 800;
            break;
        default:
            slot.value = 0;
            break;
        }
        StoreLabel(slot, Format("E%d", {i}));
    }
    WritableNetwork(state).NodeCount = LastMatchSlot;
}

// The replay drawn into a recorder: the calculation's share of a redraw.
void BM_Replay499ElementsWithoutPainting(benchmark::State& run) {
    QTemporaryDir dir;
    ProgramState state(dir.path().toStdString());
    FillMixedNetwork(state);
    state.geometry = GeometryForHeight(1080);
    for (auto _ : run) {
        RecordingSurface surface(1082, 1080);
        benchmark::DoNotOptimize(RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours,
                                                    surface, state.NodeCount));
    }
}
BENCHMARK(BM_Replay499ElementsWithoutPainting)->Unit(benchmark::kMillisecond);

// A change through the network model as the program makes it: the model computes every node and
// notifies; the chart gets a fresh picture with the ends and every path (1080 pixels high).
void BM_ModelRecalculationRedraws499Elements(benchmark::State& run) {
    QTemporaryDir dir;
    ProgramState state(dir.path().toStdString());
    FillMixedNetwork(state);
    QImage picture = MakeChartImage(1082, 1080);
    state.geometry = GeometryForHeight(1080);
    ImageSurface surface(picture);
    NetworkModel model(state);
    NetworkChartLink link(model);
    QObject::connect(&model, &NetworkModel::changed, [&](NetworkChange) {
        DrawFreshChart(surface, state.geometry, state.colours);
        link.drawNetwork(surface);
        surface.finish();
    });
    for (auto _ : run)
        model.recalculate();
    if (model.computedNodeCount() != LastMatchSlot)
        throw std::runtime_error("the benchmark network stopped early");
}
BENCHMARK(BM_ModelRecalculationRedraws499Elements)->Unit(benchmark::kMillisecond);

// One append to a 20-element network: the model computes the chain and notifies, and the new path
// is drawn onto the picture. The element is taken off again outside the timing.
void BM_ModelAppendOn20Elements(benchmark::State& run) {
    QTemporaryDir dir;
    ProgramState state(dir.path().toStdString());
    FillMixedNetwork(state);
    WritableNetwork(state).NodeCount = 21;
    QImage picture = MakeChartImage(1082, 1080);
    state.geometry = GeometryForHeight(1080);
    ImageSurface surface(picture);
    NetworkModel model(state);
    NetworkChartLink link(model);
    bool draw = true;
    QObject::connect(&model, &NetworkModel::changed, [&](NetworkChange) {
        if (!draw)
            return;
        link.drawLastElement(surface);
        surface.finish();
    });
    const ElementSpec capacitor{SeriesCapacitor, {}, 0, 10e-12L};
    for (auto _ : run) {
        if (!model.append("C", capacitor))
            throw std::runtime_error("the benchmark append was refused");
        run.PauseTiming();
        draw = false;
        model.removeLast();
        draw = true;
        run.ResumeTiming();
    }
}
BENCHMARK(BM_ModelAppendOn20Elements)->Unit(benchmark::kMicrosecond);

struct LargestFile {
    LargestFile() : state(dir.path().toStdString()) {
        FillMixedNetwork(state);
        path = dir.filePath(QStringLiteral("net.smh")).toStdString();
        if (!SaveNetworkFile(state, path))
            throw std::runtime_error("cannot write the benchmark file");
    }
    QTemporaryDir dir;
    ProgramState state;
    std::string path;
};

// The bytes of the largest file, without the disk.
void BM_EncodeLargestNetworkFile(benchmark::State& run) {
    LargestFile f;
    for (auto _ : run)
        benchmark::DoNotOptimize(
            EncodeNetworkFile(f.state.network, f.state.NodeCount, f.state.Fo, f.state.Zo));
}
BENCHMARK(BM_EncodeLargestNetworkFile)->Unit(benchmark::kMicrosecond);

// Encoding plus the atomic replacement of the file (temporary file, flush to disk, rename).
void BM_SaveLargestNetworkFile(benchmark::State& run) {
    LargestFile f;
    for (auto _ : run)
        benchmark::DoNotOptimize(static_cast<bool>(SaveNetworkFile(f.state, f.path)));
}
BENCHMARK(BM_SaveLargestNetworkFile)->Unit(benchmark::kMicrosecond);

void BM_LoadLargestNetworkFile(benchmark::State& run) {
    LargestFile f;
    for (auto _ : run)
        benchmark::DoNotOptimize(static_cast<bool>(LoadNetworkFile(WritableNetwork(f.state), f.path)));
}
BENCHMARK(BM_LoadLargestNetworkFile)->Unit(benchmark::kMicrosecond);

} // namespace
