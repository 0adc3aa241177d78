#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/chart_picture.h"
#include "chart/drawing/surface.h"
#include "core/settings/atomic_file.h"
#include "matching/drawing/network_chart_link.h"
#include "matching/model/network_model.h"
#include "support/test_paths.h"

#include <QImage>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace qv {
namespace {

// Everything undo must put back: the network as its file holds it, Fo, Zo and the match mode in
// the state and in para.ini, and the picture the chart draws of it.
struct Look {
    std::string file;
    Real Fo = 0;
    Real Zo = 0;
    int matchflag = 0;
    std::string storedFo;
    QImage picture;
    bool operator==(const Look&) const = default;
};

class NetworkUndo : public ::testing::Test {
protected:
    NetworkUndo() {
        WritableNetwork(state).Fo = 100e6L;
        state.geometry = GeometryForHeight(300);
        QObject::connect(&model, &NetworkModel::changed, [this](NetworkChange c) { changes.push_back(c); });
        model.reset();
        startFresh();
    }
    // Load 1 + j1 and source 1 at 100 MHz, with nothing to undo.
    void startFresh() {
        state.para.WriteParaString("Fo", "100M");
        WritableNetwork(state).network[1].nodeR = WritableNetwork(state).network[1].nodeX =
            WritableNetwork(state).network[1].sourceR = 1;
        WritableNetwork(state).network[1].sourceX = 0;
        WritableNetwork(state).NodeCount = 1;
        model.recalculate();
    }
    Look look() {
        const std::string path = dir.path() + "/look.bin";
        const bool unsaved = model.unsavedChanges();
        EXPECT_TRUE(SaveNetworkFile(state, path));
        std::ifstream in(path, std::ios::binary);
        Look l{std::string(std::istreambuf_iterator<char>(in), {}),
               state.Fo,
               state.Zo,
               state.matchflag,
               state.para.ReadParaString("Fo"),
               MakeChartImage(300, 300)};
        ImageSurface surface(l.picture);
        DrawFreshChart(surface, state.geometry, state.colours);
        link.drawNetwork(surface);
        EXPECT_EQ(model.unsavedChanges(), unsaved);
        return l;
    }

    test::TempDir dir;
    ProgramState state{dir.path()};
    NetworkModel model{state};
    NetworkChartLink link{model};
    std::vector<NetworkChange> changes;
};

MatchNode Element(int kind, Real value) {
    MatchNode node;
    node.kind = kind;
    node.value = value;
    return node;
}

TEST_F(NetworkUndo, EveryChangeIsTakenBackAndMadeAgainExactly) {
    // A file to load: one shunt capacitor on another load, at the Fo and Zo it is loaded at.
    WritableNetwork(state).Fo = 433e6L;
    WritableNetwork(state).Zo = 75;
    model.setLoad({10, -30});
    model.append("C9", {ShuntCapacitor, {}, 0, 9e-12L});
    const std::string file = dir.path() + "/other.bin";
    ASSERT_TRUE(model.saveFile(file));
    WritableNetwork(state).Fo = 100e6L;
    WritableNetwork(state).Zo = 50;
    model.reset();
    startFresh();

    std::vector<Look> looks{look()};
    const std::vector<std::function<void()>> steps = {
        [&] {
            model.append("C1", {SeriesCapacitor, {}, 0, 15.9155e-12L});
        },
        [&] { model.insert(2, Element(SeriesInductor, 79.5775e-9L)); },
        [&] { model.replace(3, Element(ShuntCapacitor, 4.7e-12L)); },
        [&] {
            model.append("TL", {SeriesMicrostripLine, {100e6L, 1.5e-3L, 0.8e-3L, 35e-6L, 4.4L, 0.1L}, 0, 0});
        },
        [&] {
            model.setLoad({20, 10});
        },
        [&] { model.setFrequency(433e6L); },
        [&] { model.setReferenceImpedance(75); },
        [&] { model.setMatchMode(1); },
        [&] { model.remove(2); },
        [&] { model.loadFile(file); },
        [&] {
            model.setSource({30, -5}, EndsRule::Restart);
        },
    };
    for (const auto& step : steps) {
        step();
        looks.push_back(look());
        ASSERT_NE(looks[looks.size() - 2], looks.back());
    }
    changes.clear();
    for (std::size_t i = looks.size() - 1; i-- > 0;) {
        ASSERT_TRUE(model.undo());
        EXPECT_EQ(look(), looks[i]) << "undo to " << i;
    }
    EXPECT_FALSE(model.undo());
    for (std::size_t i = 1; i < looks.size(); ++i) {
        ASSERT_TRUE(model.redo());
        EXPECT_EQ(look(), looks[i]) << "redo to " << i;
    }
    EXPECT_FALSE(model.redo());
    EXPECT_EQ(changes, std::vector<NetworkChange>(2 * steps.size(), NetworkChange::Restored));
}

TEST_F(NetworkUndo, StepsRefusalsAndHistory) {
    const Look start = look();
    // Refused changes are no step.
    EXPECT_FALSE(model.setFrequency(-1));
    EXPECT_FALSE(model.remove(5));
    EXPECT_FALSE(model.loadFile(dir.path() + "/missing.bin"));
    EXPECT_FALSE(model.append("x", {10, {}, 0, 1}));
    EXPECT_FALSE(model.canUndo());
    // A group of changes is one step and one notification, nested groups included.
    changes.clear();
    {
        NetworkChangeGuard outer(model);
        model.append("C1", {SeriesCapacitor, {}, 0, 10e-12L});
        {
            NetworkChangeGuard inner(model);
            model.append("L1", {ShuntInductor, {}, 0, 10e-9L});
            inner.commit();
        }
        model.setFrequency(200e6L);
        EXPECT_TRUE(changes.empty());
        outer.commit();
    }
    EXPECT_EQ(changes, std::vector<NetworkChange>{NetworkChange::Several});
    const Look grouped = look();
    // A guard left without commit, as when a change in it throws, puts everything back silently.
    changes.clear();
    {
        NetworkChangeGuard abandoned(model);
        model.append("C9", {SeriesCapacitor, {}, 0, 1e-12L});
        model.setReferenceImpedance(75);
    }
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(look(), grouped);
    ASSERT_TRUE(model.undo());
    EXPECT_EQ(look(), start);
    EXPECT_FALSE(model.canUndo());
    ASSERT_TRUE(model.redo());
    EXPECT_EQ(look(), grouped);
    // A new change forgets what could be redone; a reset forgets everything.
    model.undo();
    model.append("C2", {SeriesCapacitor, {}, 0, 5e-12L});
    EXPECT_FALSE(model.canRedo());
    model.reset();
    EXPECT_FALSE(model.canUndo());
    EXPECT_FALSE(model.canRedo());
}

} // namespace
} // namespace qv

namespace qv {
namespace {

TEST_F(NetworkUndo, SubnormalOrUnstorableValuesAreRefusedWithoutAStep) {
    const Look start = look();
    for (Real bad :
         {std::numeric_limits<Real>::denorm_min(), std::numeric_limits<Real>::min() / 4, 1e-4000L, 1e4000L}) {
        changes.clear();
        EXPECT_FALSE(model.setFrequency(bad));
        EXPECT_FALSE(model.setReferenceImpedance(bad));
        EXPECT_TRUE(changes.empty());
    }
    EXPECT_FALSE(model.canUndo());
    EXPECT_EQ(look(), start);

    // A network file with a subnormal Fo changes nothing either, so no undo can meet it later.
    const std::string path = dir.path() + "/subnormal.smh";
    ASSERT_TRUE(WriteFileAtomically(path, EncodeNetworkFile(state.network, state.NodeCount,
                                                            std::numeric_limits<Real>::denorm_min(), 50)));
    EXPECT_FALSE(model.loadFile(path));
    EXPECT_FALSE(model.canUndo());
    EXPECT_EQ(look(), start);
}

TEST_F(NetworkUndo, SlotZeroFollowsZoThroughChangesAndUndo) {
    ASSERT_TRUE(model.setReferenceImpedance(75));
    EXPECT_EQ(state.network[0].sourceR, 75);
    EXPECT_EQ(state.network[0].nodeR, 75);
    ASSERT_TRUE(model.undo());
    EXPECT_EQ(state.network[0].sourceR, 50);
    EXPECT_EQ(state.para.ReadParaString("Zo"), "50");
    ASSERT_TRUE(model.redo());
    EXPECT_EQ(state.network[0].nodeR, 75);
    EXPECT_EQ(state.para.ReadParaString("Zo"), "75");
}

} // namespace
} // namespace qv
