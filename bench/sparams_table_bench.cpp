#include "chart/windows/entry_canvas.h"
#include "core/settings/atomic_file.h"
#include "core/settings/program_state.h"
#include "sparams/analysis/sparameter_file.h"
#include "sparams/windows/sparams_table_window.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// The largest maker file of the shared test data (about 2,500 frequencies), looked for in the
// folders above the working directory; empty when absent.
std::string LargestMakerFile() {
    namespace fs = std::filesystem;
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

} // namespace
