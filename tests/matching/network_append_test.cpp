#include "matching/drawing/network_drawing.h"

#include "core/numbers/errors.h"
#include "core/rf/microstrip.h"
#include "matching/model/console_labels.h"
#include "support/test_paths.h"
#include "ui/qt_text.h"

#include <QImage>
#include <algorithm>
#include <complex>
#include <cstring>
#include <gtest/gtest.h>

namespace qv {
namespace {

using C = std::complex<long double>;
using Kind = Primitive::Kind;

constexpr PathColours Colours{0x123456, 0x654321};
const MicrostripBlock Strip{1e9L, 1.5e-3L, 0.8e-3L, 0.035e-3L, 4.4L, 12e-3L};

class NetworkAppend : public ::testing::Test {
protected:
    void SetUp() override {
        WritableNetwork(state).Fo = 100e6L;
        WritableNetwork(state).Zo = 50;
        state.geometry = {300, 300, 300};
        WritableNetwork(state).network[1].nodeR = 1;
        WritableNetwork(state).network[1].nodeX = 1;
        WritableNetwork(state).network[1].sourceR = 1;
        WritableNetwork(state).NodeCount = 1;
    }

    // Appends at NodeCount and advances it, as the insertion window does.
    AppendResult append(int kind, Real value, Real R = 0, const std::string& label = "e",
                        const MicrostripBlock& strip = Strip) {
        const AppendResult result = AppendElement(WritableNetwork(state), state.geometry, chart, label, kind,
                                                  strip, R, value, state.NodeCount, Colours);
        if (result)
            WritableNetwork(state).NodeCount = result.node;
        return result;
    }

    test::TempDir dir;
    ProgramState state{dir.path()};
    RecordingSurface chart{600, 600};
};

TEST_F(NetworkAppend, StoresTheElementAndItsNodeInTheNextSlot) {
    MatchNode& slot = WritableNetwork(state).network[2];
    slot.sourceR = 7; // fields the element does not name keep what they held
    slot.preserved[0] = 0xAB;
    slot.R = 3;
    ASSERT_EQ(append(SeriesCapacitor, 15.9155e-12L, 0, "15.9155p").node, 2);
    EXPECT_EQ(slot.kind, SeriesCapacitor);
    EXPECT_EQ(slot.value, 15.9155e-12L);
    EXPECT_EQ(LabelText(slot, 23), "15.9155p"); // the typed text, not the drawn suffix
    EXPECT_EQ(slot.nodeR, 1);
    EXPECT_NEAR(static_cast<double>((1 - slot.nodeX) * 50), 99.99996, 5e-6); // the quoted ohms have 7 digits
    EXPECT_EQ(slot.sourceR, 7);
    EXPECT_EQ(slot.preserved[0], 0xAB);
    EXPECT_EQ(slot.R, 3);
    EXPECT_EQ(state.NodeCount, 2);
}

TEST_F(NetworkAppend, MicrostripElementsKeepTheirBlockAndNoValue) {
    ASSERT_TRUE(append(SeriesMicrostripLine, 99, 5));
    const MatchNode& slot = state.network[2];
    EXPECT_EQ(slot.strip.frequency, Strip.frequency);
    EXPECT_EQ(slot.strip.W, Strip.W);
    EXPECT_EQ(slot.strip.Len, Strip.Len);
    EXPECT_EQ(slot.value, 0);
    EXPECT_EQ(slot.R, 0);
}

TEST_F(NetworkAppend, ImpedanceElementsKeepResistanceAndReactance) {
    ASSERT_TRUE(append(ShuntImpedance, -30, 20));
    EXPECT_EQ(state.network[2].R, 20);
    EXPECT_EQ(state.network[2].value, -30);
}

TEST_F(NetworkAppend, LongLabelsAreCutTo23Bytes) {
    ASSERT_TRUE(append(SeriesInductor, 1e-9L, 0, "abcdefghijklmnopqrstuvwxyz0123"));
    EXPECT_EQ(LabelText(state.network[2], 24), "abcdefghijklmnopqrstuvw");
    EXPECT_EQ(state.network[2].label[23], '\0');
}

// Every kind in one chain, each node checked against the circuit computed independently.
TEST_F(NetworkAppend, ChainOfAllEightKindsMatchesTheCircuit) {
    const Real Zo = state.Zo;
    const Real w = 2 * 3.14159265358979323846264338327950288L * state.Fo;
    const C j(0, 1);
    const MicrostripLine line = MicrostripZ0(Strip.W, Strip.H, Strip.T, Strip.Er);
    const Real guided = 299792458.0L / (Strip.frequency * std::sqrt(line.EpsEff));
    const Real free = 299792458.0L / Strip.frequency;
    auto turn = [&](C zl, Real lambda) {
        const C t(std::tan(2 * 3.14159265358979323846264338327950288L * Strip.Len / lambda));
        return line.Z0 * (zl + j * line.Z0 * t) / (line.Z0 + j * zl * t);
    };
    auto parallel = [](C a, C b) { return a * b / (a + b); };

    C z(Zo, Zo); // ohms
    std::vector<C> expected;
    append(SeriesCapacitor, 10e-12L);
    expected.push_back(z += 1.0L / (j * w * 10e-12L));
    append(ShuntCapacitor, 5e-12L);
    expected.push_back(z = parallel(z, 1.0L / (j * w * 5e-12L)));
    append(SeriesInductor, 40e-9L);
    expected.push_back(z += j * w * 40e-9L);
    append(ShuntInductor, 120e-9L);
    expected.push_back(z = parallel(z, j * w * 120e-9L));
    append(SeriesMicrostripLine, 0);
    expected.push_back(z = turn(z, free)); // effflag 0: the free-space wavelength
    const Real cotangent = 1 / std::tan(2 * 3.14159265358979323846264338327950288L * Strip.Len / guided);
    append(ShuntMicrostripStub, 0);
    expected.push_back(z = parallel(z, C(0, -line.Z0 * cotangent)));
    append(SeriesImpedance, -15, 8);
    expected.push_back(z += C(8, -15));
    append(ShuntImpedance, 60, 33);
    expected.push_back(z = parallel(z, C(33, 60)));

    ASSERT_EQ(state.NodeCount, 9);
    for (int i = 2; i <= 9; ++i) {
        const C want = expected[static_cast<std::size_t>(i - 2)] / Zo;
        // Ten significant digits: well past the printed two decimals of the ohm readouts.
        EXPECT_NEAR(static_cast<double>(state.network[i].nodeR), static_cast<double>(want.real()), 1e-10)
            << i;
        EXPECT_NEAR(static_cast<double>(state.network[i].nodeX), static_cast<double>(want.imag()), 1e-10)
            << i;
    }
}

// The first element starts at the load: its label moves off the load's label instead of covering it.
TEST_F(NetworkAppend, ElementLabelsKeepClearOfTheEndLabels) {
    chart.characterWidth = 7;
    const std::array<LabelBox, 2> ends = NetworkEndLabelBoxes(chart, state.geometry, state.network[1], 50);
    ASSERT_GT(ends[0].right, ends[0].left);
    for (const Real value : {15.9155e-12L, 1e-12L}) {
        chart.primitives.clear();
        WritableNetwork(state).NodeCount = 1;
        ASSERT_TRUE(append(SeriesCapacitor, value, 0, "C1"));
        const auto text = std::find_if(chart.primitives.begin(), chart.primitives.end(),
                                       [](const Primitive& p) { return p.kind == Kind::Text; });
        ASSERT_NE(text, chart.primitives.end());
        const LabelBox label{text->x1, text->y1, text->x1 + chart.textWidth(text->text),
                             text->y1 + ChartLabelHeight};
        EXPECT_FALSE(label.overlaps(ends[0])) << text->y1 << " against " << ends[0].top;
        EXPECT_FALSE(label.overlaps(ends[1]));
    }
}

TEST_F(NetworkAppend, UnknownKindIsRefusedWithoutDrawingOrStoring) {
    const MatchNode before = state.network[2];
    const AppendResult result = append(10, 1e-12L);
    EXPECT_EQ(result.node, -1);
    EXPECT_EQ(result.refusal, AppendRefusal::UnknownKind);
    EXPECT_TRUE(chart.primitives.empty());
    EXPECT_EQ(std::memcmp(&state.network[2].label, &before.label, sizeof before.label), 0);
    EXPECT_EQ(state.network[2].kind, 0);
}

TEST_F(NetworkAppend, AppendingBeforeTheSetupIsRefused) {
    WritableNetwork(state).NodeCount = 0;
    const Real loadBefore = state.network[1].nodeR;
    const AppendResult result = append(SeriesCapacitor, 1e-12L);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.refusal, AppendRefusal::NoStartNode);
    EXPECT_FALSE(RefusalText(result.refusal).empty());
    EXPECT_EQ(state.network[1].nodeR, loadBefore);
    EXPECT_EQ(state.network[1].kind, 0);
    EXPECT_TRUE(chart.primitives.empty());
}

TEST_F(NetworkAppend, The499thElementFillsSlot500AndNoMoreFit) {
    for (int k = 0; k < 499; ++k)
        ASSERT_TRUE(append(k % 2 ? SeriesInductor : SeriesCapacitor, 1e-9L)) << k;
    EXPECT_EQ(state.NodeCount, 500);
    EXPECT_EQ(state.network[500].kind, SeriesCapacitor);
    const std::size_t drawn = chart.primitives.size();
    const AppendResult full = append(SeriesInductor, 1e-9L);
    EXPECT_EQ(full.refusal, AppendRefusal::NetworkFull);
    EXPECT_FALSE(RefusalText(full.refusal).empty());
    EXPECT_EQ(state.NodeCount, 500);
    EXPECT_EQ(chart.primitives.size(), drawn);
    EXPECT_EQ(state.network[500].kind, SeriesCapacitor);
}

TEST_F(NetworkAppend, FailingElementLeavesChartAndSlotAsTheyWere) {
    EXPECT_THROW(append(SeriesCapacitor, 0), FloatingPointError);
    EXPECT_THROW(append(ShuntInductor, 0), FloatingPointError);
    EXPECT_TRUE(chart.primitives.empty());
    EXPECT_EQ(state.network[2].kind, 0);
    EXPECT_EQ(state.NodeCount, 1);
}

TEST_F(NetworkAppend, PathIsPaintedInTheLineColour) {
    QImage image(600, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageSurface surface(image);
    AppendElement(WritableNetwork(state), state.geometry, surface, "c", SeriesCapacitor, {}, 0, 15.9155e-12L,
                  1, Colours);
    surface.finish();
    // The arc on r = 1 (centre (450, 300), radius 150) passes through its leftmost point (300, 300).
    EXPECT_EQ(QColor(image.pixel(300, 300)), ToQColor(Colours.line));
    EXPECT_EQ(QColor(image.pixel(310, 300)), QColor(Qt::white)); // inside the circle
}

class NetworkReplay : public NetworkAppend {
protected:
    void SetUp() override {
        NetworkAppend::SetUp();
        append(SeriesCapacitor, 10e-12L);
        append(SeriesMicrostripLine, 0, 0, "W:1.5/L:12");
        append(ShuntMicrostripStub, 0, 0, "W:1.5/L:12");
        append(ShuntImpedance, 20, 10);
        chart.primitives.clear();
    }
};

TEST_F(NetworkReplay, ReplaysEveryElementAtTheCurrentFrequency) {
    const MatchNode stripBefore = state.network[3];
    const MatchNode capacitorBefore = state.network[2];
    WritableNetwork(state).Fo = 200e6L;
    EXPECT_EQ(
        RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours, chart, state.NodeCount), 5);
    for (int i = 2; i <= 5; ++i)
        EXPECT_EQ(state.network[i].strip.frequency, 200e6L) << i;
    EXPECT_NE(state.network[2].nodeX, capacitorBefore.nodeX);
    EXPECT_NE(state.network[3].nodeR, stripBefore.nodeR);
    // Replaying the same chain twice gives the same nodes.
    const Real last = state.network[5].nodeX;
    RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours, chart, state.NodeCount);
    EXPECT_EQ(state.network[5].nodeX, last);
}

TEST_F(NetworkReplay, DrawsEachElementInTheColoursOfItsKind) {
    RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours, chart, state.NodeCount);
    std::vector<int> lineColours;
    std::vector<int> labelColours;
    for (const Primitive& p : chart.primitives) {
        if (p.kind == Kind::Text) {
            labelColours.push_back(p.font.colour);
            lineColours.push_back(p.pen.colour);
        }
    }
    const ChartColours& c = state.colours;
    EXPECT_EQ(lineColours, (std::vector{c.lineColourOfKind(1), c.lineColourOfKind(5), c.lineColourOfKind(6),
                                        c.lineColourOfKind(8)}));
    EXPECT_EQ(labelColours, (std::vector{c.labelColourOfKind(1), c.labelColourOfKind(5),
                                         c.labelColourOfKind(6), c.labelColourOfKind(8)}));
}

TEST_F(NetworkReplay, StopsAtTheFirstElementThatCannotBeAppended) {
    WritableNetwork(state).network[4].kind = 0;
    WritableNetwork(state).network[5].nodeR = 123;
    EXPECT_EQ(
        RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours, chart, state.NodeCount), 3);
    EXPECT_EQ(state.network[5].nodeR, 123);
    int texts = 0;
    for (const Primitive& p : chart.primitives)
        texts += p.kind == Kind::Text;
    EXPECT_EQ(texts, 2);
}

TEST_F(NetworkReplay, DrawsTheFirst21BytesOfALabelAndKeepsItWhole) {
    StoreLabel(WritableNetwork(state).network[2], "abcdefghijklmnopqrstuvw");
    const auto stored = state.network[2].label;
    RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours, chart, state.NodeCount);
    ASSERT_FALSE(chart.primitives.empty());
    EXPECT_EQ(chart.primitives[0].text.substr(0, 22), "abcdefghijklmnopqrstu:");
    EXPECT_EQ(state.network[2].label, stored);
}

TEST_F(NetworkReplay, LabelWithoutTerminatorIsReadWithinItsField) {
    WritableNetwork(state).network[2].label.fill('Q');
    RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours, chart, state.NodeCount);
    ASSERT_FALSE(chart.primitives.empty());
    EXPECT_EQ(chart.primitives[0].text.substr(0, 22), std::string(21, 'Q') + ":");
}

TEST_F(NetworkReplay, OneNodeOrFewerReplaysNothing) {
    EXPECT_EQ(RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours, chart, 1), 1);
    EXPECT_EQ(RecalculateNetwork(WritableNetwork(state), state.geometry, state.colours, chart, 0), 1);
    EXPECT_TRUE(chart.primitives.empty());
}

} // namespace
} // namespace qv
