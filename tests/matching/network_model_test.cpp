#include "core/numbers/errors.h"
#include "matching/model/network_model.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <vector>

namespace qv {
namespace {

// A model over a load of 1 + j1 and a source of 1 at 100 MHz, recording its notifications.
class NetworkModelTest : public ::testing::Test {
protected:
    NetworkModelTest() {
        WritableNetwork(state).Fo = 100e6L;
        QObject::connect(&model, &NetworkModel::changed, [this](NetworkChange c) { changes.push_back(c); });
        model.reset();
        model.setEnds({1, 1}, {1, 0}, EndsRule::Restart);
        changes.clear();
    }
    static ElementSpec Capacitor(Real farads) { return {SeriesCapacitor, {}, 0, farads}; }
    MatchNode element(int kind, Real value) const {
        MatchNode node;
        node.kind = kind;
        node.value = value;
        return node;
    }

    test::TempDir dir;
    ProgramState state{dir.path()};
    NetworkModel model{state};
    std::vector<NetworkChange> changes;
};

TEST_F(NetworkModelTest, EveryChangeNotifiesOnceAndRecomputesTheChain) {
    ASSERT_TRUE(model.append("c", Capacitor(15.9155e-12L)));            // Xc = 100 ohms
    ASSERT_TRUE(model.insert(2, element(SeriesInductor, 79.5775e-9L))); // Xl = 50 ohms, before it
    EXPECT_EQ(state.NodeCount, 3);
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), 2, 1e-6);
    EXPECT_NEAR(static_cast<double>(state.network[3].nodeX), 0, 1e-5); // the values are rounded to 6 digits
    ASSERT_TRUE(model.replace(3, element(SeriesCapacitor, 31.831e-12L))); // Xc = 50 ohms
    EXPECT_NEAR(static_cast<double>(state.network[3].nodeX), 1, 1e-5);
    ASSERT_TRUE(model.setFrequency(200e6L));
    EXPECT_NEAR(static_cast<double>(state.network[3].nodeX), 3 - 0.5L, 1e-5);
    model.setMatchMode(1);
    ASSERT_TRUE(model.remove(2));
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ((std::vector<NetworkChange>{NetworkChange::Appended, NetworkChange::Elements,
                                          NetworkChange::Elements, NetworkChange::Frequency,
                                          NetworkChange::MatchMode, NetworkChange::Elements}),
              changes);
    EXPECT_EQ(state.para.ReadParaString("matchflag"), "1");
}

TEST_F(NetworkModelTest, EndsKeepOrDropTheElements) {
    ASSERT_TRUE(model.append("c", Capacitor(15.9155e-12L)));
    model.setLoad({20, 10});
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), 0.2L - 2, 1e-6);
    model.setSource({50, 0}, EndsRule::Restart);
    EXPECT_EQ(state.NodeCount, 1);
    model.reset();
    model.setLoad({25, 0});
    EXPECT_EQ(state.NodeCount, 1); // at least the start node
    EXPECT_EQ(state.network[1].nodeR, 0.5L);
}

TEST_F(NetworkModelTest, RefusalsChangeNothingAndSayNothing) {
    const MatchNetwork before = state.network;
    EXPECT_FALSE(model.append("x", {10, {}, 0, 1}));
    EXPECT_FALSE(model.insert(1, element(SeriesCapacitor, 1e-12L)));
    EXPECT_FALSE(model.insert(3, element(SeriesCapacitor, 1e-12L)));
    EXPECT_FALSE(model.replace(2, element(SeriesCapacitor, 1e-12L)));
    EXPECT_FALSE(model.remove(1));
    EXPECT_FALSE(model.setFrequency(0));
    EXPECT_FALSE(model.setReferenceImpedance(-50));
    EXPECT_FALSE(model.setFrequency(std::numeric_limits<Real>::infinity()));
    EXPECT_THROW(model.append("zero", Capacitor(0)), FloatingPointError);
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_EQ(state.Fo, 100e6L);
    EXPECT_EQ(state.Zo, 50);
    EXPECT_EQ(std::memcmp(&state.network[2], &before[2], sizeof(MatchNode)), 0);
    EXPECT_TRUE(changes.empty());

    WritableNetwork(state).NodeCount = 0;
    EXPECT_EQ(model.append("c", Capacitor(1e-12L)).reason(), RefusalText(AppendRefusal::NoStartNode));
    WritableNetwork(state).NodeCount = LastMatchSlot;
    EXPECT_EQ(model.append("c", Capacitor(1e-12L)).reason(), RefusalText(AppendRefusal::NetworkFull));
    EXPECT_FALSE(model.insert(LastMatchSlot, element(SeriesCapacitor, 1e-12L)));
    EXPECT_TRUE(changes.empty());
}

TEST_F(NetworkModelTest, AnElementThatFailsStopsTheChainAndIsReportedAfterTheNotification) {
    ASSERT_TRUE(model.append("c", Capacitor(15.9155e-12L)));
    MatchNode broken = element(ShuntMicrostripStub, 0); // a stub of zero width
    EXPECT_THROW(model.insert(2, broken), FloatingPointError);
    EXPECT_EQ(state.NodeCount, 3); // the change stands; the chart shows what could be computed
    EXPECT_EQ(model.computedNodeCount(), 1);
    EXPECT_EQ(changes.back(), NetworkChange::Elements);
    ASSERT_TRUE(model.remove(2));
    EXPECT_EQ(model.computedNodeCount(), 2);
}

} // namespace
} // namespace qv
