#include "app/startup.h"
#include "matching/model/auto_match_network.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace qv;

// The whole application on a fresh directory, the main window shown, the ends set, and the
// frequency-response window ready to sweep.
struct LiveApplication {
    explicit LiveApplication(Complex load) {
        windows.main.resize(1200, 800);
        windows.main.show();
        windows.network.setEnds(load, {1, 0}, EndsRule::Restart);
    }
    void sweep(const char* points) {
        windows.frequencyResponse.show();
        windows.frequencyResponse.findChild<QLineEdit*>("Edit1")->setText("400m");
        windows.frequencyResponse.findChild<QLineEdit*>("Edit2")->setText("700m");
        windows.frequencyResponse.findChild<QLineEdit*>("Edit3")->setText(points);
        windows.frequencyResponse.BitBtn1Click();
    }
    QTemporaryDir dir;
    ProgramState state{dir.path().toStdString()};
    MessageHub hub;
    QtPrompter prompter;
    ApplicationWindows windows{state, hub, prompter};
};

// Appending one element to a 20-element network while the frequency-response window shows a
// 1001-point sweep: the model's notification, the chart drawn whole with the locus, the plot
// recomputed and painted.
void BM_AppendWithLiveResponse(benchmark::State& bench) {
    LiveApplication app({0.6L, 0.4L});
    ApplicationWindows& windows = app.windows;
    const MicrostripBlock strip{554e6L, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 3e-3L};
    static constexpr Real Values[] = {60e-12L, 1.5e-12L, 8e-9L, 150e-9L, 0, 0, -4, 800};
    for (int i = 0; i < 20; ++i) {
        const int kind = i % 8 + 1;
        windows.network.append("e",
                               {kind, strip, kind == SeriesImpedance ? 1.0L : 2000.0L, Values[kind - 1]});
    }
    app.sweep("1001");
    for (auto _ : bench) {
        windows.network.append("c", {SeriesCapacitor, strip, 0, 30e-12L});
        windows.frequencyResponse.repaint();
        bench.PauseTiming();
        windows.network.removeLast();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_AppendWithLiveResponse)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// Applying a three-element solution (a T network) while the frequency-response window shows a
// 401-point sweep: one change guard, so one notification, one sweep and one redraw.
void BM_ApplyThreeElementsWithLiveResponse(benchmark::State& bench) {
    LiveApplication app({0.2L, 0.3L});
    ApplicationWindows& windows = app.windows;
    app.sweep("401");
    const MicrostripBlock none{};
    const std::vector<ElementSpec> tee = {{SeriesInductor, none, 0, 12e-9L},
                                          {ShuntCapacitor, none, 0, 9e-12L},
                                          {SeriesCapacitor, none, 0, 20e-12L}};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ApplyMatch(windows.network, tee));
        windows.frequencyResponse.repaint();
        bench.PauseTiming();
        windows.network.undo();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyThreeElementsWithLiveResponse)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
