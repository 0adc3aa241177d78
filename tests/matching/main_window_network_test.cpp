#include "chart/chart_window_fixture.h"

#include "matching/drawing/network_chart_link.h"
#include "matching/model/network_model.h"
#include "ui/qt_text.h"

#include <QLabel>
#include <QPushButton>
#include <filesystem>

namespace qv::test {
namespace {

// The main window with the real network model plugged in, over a load of 1 + j1 and a source of 1
// (both normalised to 50 ohms) at 100 MHz.
class MainWindowNetwork : public ChartWindowTest {
protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        WritableNetwork(state).Fo = 100e6L;
        WritableNetwork(state).Zo = 50;
        MatchNode& ends = WritableNetwork(state).network[1];
        ends.nodeR = 1;
        ends.nodeX = 1;
        ends.sourceR = 1;
        ends.sourceX = 0;
        WritableNetwork(state).NodeCount = 1;
        model = std::make_unique<NetworkModel>(state);
        link = std::make_unique<NetworkChartLink>(*model);
        QObject::connect(model.get(), &NetworkModel::changed, [this](NetworkChange change) {
            ++notifications;
            window->networkChanged(change == NetworkChange::Appended ? NetworkRedraw::LastElement
                                                                     : NetworkRedraw::Whole);
        });
        window->setNetwork(link.get());
    }
    void TearDown() override { window->setNetwork(nullptr); }

    // An element of the given kind, appended through the model.
    void append(int kind, Real value) { ASSERT_TRUE(model->append("e", {kind, {}, 0, value})); }

    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
    QStringList figures() { return {label("Label14"), label("Label15"), label("Label16")}; }

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

    std::unique_ptr<NetworkModel> model;
    std::unique_ptr<NetworkChartLink> link;
    int notifications = 0;
};

TEST_F(MainWindowNetwork, AppendDrawsThePathAndShowsTheDecibelFigures) {
    append(SeriesCapacitor, 15.9155e-12L); // about 1 - j1: |Gamma|^2 = 0.2 against the source
    EXPECT_GT(pixelsOf(seriesCapacitorColour()), 50);
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), -1, 1e-6);
    // RL = -10 lg 0.2, VSWR = (1 + sqrt 0.2)/(1 - sqrt 0.2), ML = 10 lg (1/0.8).
    EXPECT_EQ(figures(), (QStringList{"RLmatch=6.99db", "IVmatch=2.62db", "ILmatch=0.97db"}));
    EXPECT_EQ(window->statusPanelText(3), QStringLiteral("接入元件2"));
    click("BitBtn16");
    EXPECT_EQ(figures(), (QStringList{"RLmatch=6.99", "IVmatch=2.62", "ILmatch=0.97"}));
}

TEST_F(MainWindowNetwork, FrequencyZoAndModeChangesShowAtOnce) {
    append(SeriesInductor, 79.5775e-9L); // 50 ohms at 100 MHz: node 1 + j2
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), 2, 1e-6);
    ASSERT_TRUE(model->setFrequency(200e6L));
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), 3, 1e-6);
    EXPECT_EQ(label("Label1"), QStringLiteral("Freq=200.00M"));
    // 1 + j3 against 1: |j3/(2 + j3)|^2 = 9/13.
    EXPECT_EQ(label("Label14"), QStringLiteral("RLmatch=1.60"));
    ASSERT_TRUE(model->setReferenceImpedance(100));
    EXPECT_EQ(label("Label2"), QStringLiteral("Zo=100.00"));
    // The load is kept normalised; the inductor's 100 ohms are now 1 normalised.
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), 2, 1e-6);
}

TEST_F(MainWindowNetwork, NewEndsWithoutRestartRedrawTheKeptElements) {
    append(SeriesCapacitor, 15.9155e-12L);
    const QStringList before = figures();
    model->setEnds({0.4L, 0.2L}, {1, 0}, EndsRule::KeepElements);
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_NE(figures(), before);
    EXPECT_NEAR(static_cast<double>(state.network[2].nodeX), 0.2L - 2, 1e-6); // Xc = 100 ohms
    EXPECT_GT(pixelsOf(seriesCapacitorColour()), 10);
}

TEST_F(MainWindowNetwork, DeletingToTheStartNodeKeepsTheEndsAndTheirFigures) {
    append(SeriesCapacitor, 15.9155e-12L);
    click("BitBtn15");
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_EQ(pixelsOf(seriesCapacitorColour()), 0);
    EXPECT_GT(pixelsOf(0x0000FF), 4); // the red end markers stay
    // 1 + j1 against 1, conjugate comparison: |(-j1)/(2 - j1)|^2 = 0.2.
    EXPECT_EQ(figures(), (QStringList{"RLmatch=6.99", "IVmatch=2.62", "ILmatch=0.97"}));
    EXPECT_EQ(window->statusPanelText(3), QStringLiteral("接入元件1"));
    const int count = notifications;
    click("BitBtn15"); // one node left: nothing happens
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_EQ(notifications, count);
}

TEST_F(MainWindowNetwork, DeletingRedrawsTheRemainingElements) {
    append(SeriesCapacitor, 15.9155e-12L);
    append(ShuntInductor, 50e-9L);
    ASSERT_GT(pixelsOf(state.colours.lineColourOfKind(ShuntInductor)), 0);
    click("BitBtn15");
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(pixelsOf(state.colours.lineColourOfKind(ShuntInductor)), 0);
    EXPECT_GT(pixelsOf(seriesCapacitorColour()), 50);
}

TEST_F(MainWindowNetwork, ResizingDrawsTheNetworkIntoTheNewPictureAndKeepsTheReadouts) {
    append(SeriesCapacitor, 15.9155e-12L);
    move(100, 100);
    const QString impedance = label("Label3");
    ASSERT_NE(impedance, QStringLiteral("Z=1+j1"));
    window->resize(window->width() + 60, window->height() + 40);
    QApplication::processEvents();
    EXPECT_EQ(window->chartBitmap().size(), paintBox->size());
    EXPECT_GT(pixelsOf(seriesCapacitorColour()), 50);
    EXPECT_EQ(label("Label3"), impedance);
    EXPECT_EQ(figures(), (QStringList{"RLmatch=6.99", "IVmatch=2.62", "ILmatch=0.97"}));
}

TEST_F(MainWindowNetwork, ClosingWithAnUnsavedNetworkAsksToSaveIt) {
    window->close(); // nothing changed since the start
    EXPECT_TRUE(prompter.questions.isEmpty());
    window->show();
    append(SeriesCapacitor, 15.9155e-12L);
    prompter.answers = {Prompter::Answer::Cancel};
    window->close();
    EXPECT_TRUE(window->isVisible());
    prompter.answers = {Prompter::Answer::Yes};
    prompter.fileNames = {QString::fromStdString(dir.path() + "/design")};
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "/design.smh"));
    EXPECT_FALSE(model->unsavedChanges());
    EXPECT_EQ(prompter.questions.size(), 2);
}

TEST_F(MainWindowNetwork, UndoAndRedoFromTheButtonsAndKeysRestoreThePicture) {
    const QImage before = window->chartBitmap().copy();
    const QStringList figuresBefore = figures();
    EXPECT_FALSE(child<QPushButton>("ButtonUndo")->isEnabled());
    append(SeriesCapacitor, 15.9155e-12L);
    const QImage after = window->chartBitmap().copy();
    ASSERT_NE(after, before);
    click("ButtonUndo");
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_EQ(window->chartBitmap(), before);
    EXPECT_EQ(figures(), figuresBefore);
    EXPECT_FALSE(child<QPushButton>("ButtonUndo")->isEnabled());
    click("ButtonRedo");
    EXPECT_EQ(state.NodeCount, 2);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state.NodeCount, 1);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(figures(), (QStringList{"RLmatch=6.99", "IVmatch=2.62", "ILmatch=0.97"}));
    EXPECT_TRUE(child<QPushButton>("ButtonUndo")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("ButtonRedo")->isEnabled());
}

// "保存" and "打开" on the tool panel; the undo keys, Ctrl+Y included, work from any window.
TEST_F(MainWindowNetwork, OpenSaveAndUndoKeysWorkFromEveryWindow) {
    append(SeriesCapacitor, 15.9155e-12L);
    prompter.fileNames = {QString::fromStdString(dir.path() + "/design")};
    click("ButtonSave");
    EXPECT_TRUE(std::filesystem::exists(dir.path() + "/design.smh"));
    EXPECT_FALSE(model->unsavedChanges());
    append(SeriesInductor, 79.5775e-9L);
    prompter.answers = {Prompter::Answer::No};
    prompter.fileNames = {QString::fromStdString(dir.path() + "/design.smh")};
    click("ButtonOpen");
    EXPECT_EQ(state.NodeCount, 2);
    EXPECT_EQ(prompter.questions.size(), 1); // the unsaved inductor

    QWidget other;
    other.show();
    QTest::keyClick(&other, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state.NodeCount, 3);
    QTest::keyClick(&other, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(state.NodeCount, 2);
}

} // namespace
} // namespace qv::test
