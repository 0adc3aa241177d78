#include "chart/analysis/chart_geometry.h"
#include "chart/windows/entry_canvas.h"
#include "core/settings/atomic_file.h"
#include "core/settings/program_state.h"
#include "sparams/analysis/sparameter_file.h"
#include "sparams/windows/sparams_table_window.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

// The file named by QV_PARSE_FILE, else the largest maker file of the shared test data (about
// 2,500 frequencies), looked for in the folders above the working directory; empty when absent.
std::string LargestMakerFile() {
    namespace fs = std::filesystem;
    if (const char* named = std::getenv("QV_PARSE_FILE"))
        return qv::ReadWholeFile(named).value_or("");
    for (fs::path dir = fs::current_path(); dir != dir.parent_path(); dir = dir.parent_path()) {
        const fs::path candidate = dir / ".." / "shared" / "testdata" / "s2p" / "adi_ADL8100_deembedded.s2p";
        std::error_code ec;
        if (fs::exists(candidate, ec))
            return qv::ReadWholeFile(candidate.string()).value_or("");
    }
    return {};
}

const std::string& FileBytes() {
    static const std::string bytes = LargestMakerFile();
    return bytes;
}

// The table window draws nothing on the chart when plotting is off.
class NoChart final : public qv::ChartCanvas {
public:
    qv::Surface& picture() override { return surface; }
    qv::CursorReadout& readout() override { return cursor; }
    int colourBoxColour() const override { return 0; }
    void repaint() override {}
    qv::RecordingSurface surface{841, 633};
    qv::CursorReadout cursor;
};

void BM_ParseLargestFile(benchmark::State& run) {
    if (FileBytes().empty()) {
        run.SkipWithError("shared S-parameter files absent");
        return;
    }
    for (auto _ : run)
        benchmark::DoNotOptimize(qv::ParseSParameterFile(FileBytes(), {1, 50, false}));
}
BENCHMARK(BM_ParseLargestFile)->Unit(benchmark::kMillisecond);

// Parsing, the header view and the grid of a shown table window, painted once.
void BM_OpenIntoVisibleTable(benchmark::State& run) {
    if (FileBytes().empty()) {
        run.SkipWithError("shared S-parameter files absent");
        return;
    }
    QTemporaryDir dir;
    qv::ProgramState state(dir.path().toStdString());
    qv::MessageHub hub;
    qv::QtPrompter prompter;
    NoChart chart;
    qv::TFspopt window(state, chart, hub, prompter);
    window.show();
    auto* grid = window.findChild<QTableView*>(QStringLiteral("StringGrid1"));
    for (auto _ : run) {
        window.LoadSParamTable(FileBytes());
        grid->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenIntoVisibleTable)->Unit(benchmark::kMillisecond);

// The chart of the main window's size, drawn for real.
class ImageChart final : public qv::ChartCanvas {
public:
    qv::Surface& picture() override { return surface; }
    qv::CursorReadout& readout() override { return cursor; }
    int colourBoxColour() const override { return 0; }
    void repaint() override {}
    QImage image{841, 633, QImage::Format_RGB32};
    qv::ImageSurface surface{image};
    qv::CursorReadout cursor;
};

// Opening the file into the shown table with "图上显示" ticked: parse, header view, grid painted,
// every S11 and S22 point marked and labelled on the chart. The CPU time is the figure asked for.
void BM_OpenAndPlotOnTheChart(benchmark::State& run) {
    if (FileBytes().empty()) {
        run.SkipWithError("shared S-parameter files absent");
        return;
    }
    QTemporaryDir dir;
    qv::ProgramState state(dir.path().toStdString());
    state.geometry = qv::GeometryForHeight(633);
    qv::MessageHub hub;
    qv::QtPrompter prompter;
    ImageChart chart;
    qv::TFspopt window(state, chart, hub, prompter);
    window.show();
    window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    auto* grid = window.findChild<QTableView*>(QStringLiteral("StringGrid1"));
    for (auto _ : run) {
        window.LoadSParamTable(FileBytes());
        grid->viewport()->repaint();
    }
}
BENCHMARK(BM_OpenAndPlotOnTheChart)->Unit(benchmark::kMillisecond);

} // namespace
