#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/cursor_readout.h"
#include "chart/drawing/readout_texts.h"
#include "chart/drawing/stability_circles.h"
#include "chart/drawing/surface.h"
#include "ui/language.h"
#include "ui/qt_text.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// The process runs in English: the chart's legends and readouts are worded in it, while the
// numbers keep the formats the Chinese interface shows.
class ChartInEnglish : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(InstallLanguage(Language::English)); }
};

TEST_F(ChartInEnglish, LegendsAndReadoutsAreWordedWithTheSameNumbers) {
    RecordingSurface surface(201, 200);
    DrawStabilityCircles(surface, GeometryForHeight(200), StabilityCircles{0.5L, 0.5L, 30, -30, 0.2L, 0.3L},
                         std::nullopt);
    std::vector<std::string> texts;
    for (const Primitive& p : surface.primitives)
        if (p.kind == Primitive::Kind::Text)
            texts.push_back(p.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"---Input stability circle", "---Output stability circle"}));

    // Gamma = j0.5: the figures of the Chinese readout, "电压反射系数0.0000:0.5000>衰减(插损)1.2494db>...".
    const std::optional<MouseReadout> r = ComputeMouseReadout(GeometryForHeight(200), 100, 50, 554e6L, 50);
    ASSERT_TRUE(r);
    EXPECT_EQ(
        U8(ReflectionStatusText(r->figures)),
        "Γ 0.0000:0.5000 > Insertion loss 1.2494 dB > VSWR 3.0000 > Reflected power 25.0000% = -6.0206 dB");
    EXPECT_EQ(U8(ReflectionLines(r->figures)[4]), "Reflected power = -6.0206 dB");
    EXPECT_EQ(U8(ElementCountText(3)), "Elements: 3");
}

} // namespace
} // namespace qv
