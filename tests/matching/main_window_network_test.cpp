#include "chart/chart_window_fixture.h"

#include "ui/qt_text.h"

#include <QLabel>
#include <QPushButton>

namespace qv::test {
namespace {

// The main window's network buttons and requests over a load of 1 + j1 and a source of 1 (both
// normalised to 50 ohms) at 100 MHz.
class MainWindowNetwork : public ChartWindowTest {
protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        state.Fo = 100e6L;
        state.Zo = 50;
        MatchNode& ends = state.network[1];
        ends.nodeR = 1;
        ends.nodeX = 1;
        ends.sourceR = 1;
        ends.sourceX = 0;
        state.NodeCount = 1;
    }

    void addSlot(int kind, Real value) {
        MatchNode& slot = state.network[++state.NodeCount];
        slot.kind = kind;
        slot.value = value;
    }

    void click(const char* name) { child<QPushButton>(name)->click(); }
    QString label(const char* name) { return child<QLabel>(name)->text(); }

    int pixelsOf(int colour) {
        const QImage& picture = window->chartBitmap();
        const QRgb wanted = ToQColor(colour).rgb();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                count += (picture.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF);
        return count;
    }

    int seriesCapacitorColour() const { return state.colours.lineColourOfKind(SeriesCapacitor); }
};

TEST_F(MainWindowNetwork, RecalculationDrawsThePathsAndShowsTheMatchFigures) {
    addSlot(SeriesCapacitor, 15.9155e-12L); // about 1 - j1: |Gamma|^2 = 0.2 against the source
    ASSERT_EQ(pixelsOf(seriesCapacitorColour()), 0);
    click("BitBtn16");
    EXPECT_GT(pixelsOf(seriesCapacitorColour()), 50);
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), -1, 1e-6);
    // RL = -10 lg 0.2, VSWR = (1 + sqrt 0.2)/(1 - sqrt 0.2), ML = 10 lg (1/0.8).
    EXPECT_EQ(label("Label14"), "RLmatch=6.99");
    EXPECT_EQ(label("Label15"), "IVmatch=2.62");
    EXPECT_EQ(label("Label16"), "ILmatch=0.97");
    EXPECT_EQ(window->statusPanelText(3), QStringLiteral("接入元件2"));
}

TEST_F(MainWindowNetwork, MatchFigureRequestUsesDecibelTextsWithoutRedrawing) {
    addSlot(SeriesCapacitor, 15.9155e-12L);
    state.network[2].nodeR = 1;
    state.network[2].nodeX = -1;
    emit hub.send2(MessageHub::RefreshMatchFigures);
    EXPECT_EQ(label("Label14"), "RLmatch=6.99db");
    EXPECT_EQ(label("Label15"), "IVmatch=2.62db");
    EXPECT_EQ(label("Label16"), "ILmatch=0.97db");
    EXPECT_EQ(pixelsOf(seriesCapacitorColour()), 0);
}

TEST_F(MainWindowNetwork, RecalculationRequestReplaysAtTheCurrentFrequency) {
    addSlot(SeriesInductor, 79.5775e-9L); // 50 ohms at 100 MHz
    emit hub.send2(MessageHub::RecalculateNetwork);
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), 2, 1e-6);
    state.Fo = 200e6L;
    emit hub.send2(MessageHub::RecalculateNetwork);
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), 3, 1e-6);
}

TEST_F(MainWindowNetwork, DeletingTheOnlyElementLeavesAClearedChart) {
    click("BitBtn1");
    const QImage fresh = window->chartBitmap().copy();
    addSlot(SeriesCapacitor, 15.9155e-12L);
    click("BitBtn16");
    ASSERT_NE(window->chartBitmap(), fresh);
    click("BitBtn15");
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_EQ(window->chartBitmap(), fresh);
    EXPECT_EQ(window->statusPanelText(3), QStringLiteral("接入元件1"));
    click("BitBtn15"); // one node left: nothing happens
    EXPECT_EQ(state.NodeCount, 1);
}

TEST_F(MainWindowNetwork, DeletingRedrawsTheRemainingElements) {
    addSlot(SeriesCapacitor, 15.9155e-12L);
    addSlot(ShuntInductor, 50e-9L);
    click("BitBtn16");
    const int shuntColourBefore = pixelsOf(state.colours.lineColourOfKind(ShuntInductor));
    ASSERT_GT(shuntColourBefore, 0);
    click("BitBtn15");
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(pixelsOf(state.colours.lineColourOfKind(ShuntInductor)), 0);
    EXPECT_GT(pixelsOf(seriesCapacitorColour()), 50);
}

} // namespace
} // namespace qv::test
