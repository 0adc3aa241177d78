#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/chart_picture.h"
#include "chart/windows/main_window.h"
#include "core/settings/program_state.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A main window over a scratch program directory with its drawing area at the given size.
struct BenchWindow {
    BenchWindow(int width, int height) : state(dir.path().toStdString()), window(state, hub, prompter) {
        paintBox = window.findChild<QWidget*>(QStringLiteral("PaintBox1"));
        paintBox->setGeometry(0, 0, width, height);
        window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    }
    QTemporaryDir dir;
    qv::ProgramState state;
    qv::MessageHub hub;
    qv::QtPrompter prompter;
    qv::TForm2 window;
    QWidget* paintBox = nullptr;
};

// Readouts, labels, status bar, readout block and live label request for one mouse movement.
void BM_MouseMoveHandler(benchmark::State& run) {
    BenchWindow b(1082, 1080);
    int step = 0;
    for (auto _ : run) {
        const int x = 300 + (step * 7) % 500;
        const int y = 200 + (step * 13) % 700;
        b.window.PaintBox1MouseMove(Qt::NoButton, Qt::NoModifier, x, y);
        ++step;
    }
}
BENCHMARK(BM_MouseMoveHandler)->Unit(benchmark::kMicrosecond);

// The screen copy of the picture plus the live cursor label.
void BM_RepaintWithLiveLabel(benchmark::State& run) {
    BenchWindow b(1920, 1080);
    QImage screen(1920, 1080, QImage::Format_RGB32);
    {
        QPainter first(&screen);
        b.window.PaintBox1Paint(first); // creates the picture at the drawing area's size
    }
    b.window.PaintBox1MouseMove(Qt::NoButton, Qt::NoModifier, 700, 400);
    for (auto _ : run) {
        QPainter painter(&screen);
        b.window.PaintBox1Paint(painter);
    }
}
BENCHMARK(BM_RepaintWithLiveLabel)->Unit(benchmark::kMillisecond);

// Clearing the picture to white and drawing the whole grid.
void BM_ClearAndRedrawGrid(benchmark::State& run) {
    QImage picture = qv::MakeChartImage(1920, 1080);
    const qv::ChartGeometry geometry = qv::GeometryForHeight(1080);
    const qv::ChartColours colours = qv::ChartColours::Defaults();
    qv::ImageSurface surface(picture);
    for (auto _ : run) {
        qv::DrawFreshChart(surface, geometry, colours);
        surface.finish();
    }
}
BENCHMARK(BM_ClearAndRedrawGrid)->Unit(benchmark::kMillisecond);

} // namespace
