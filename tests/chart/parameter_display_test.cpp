#include "chart/analysis/readout_message.h"
#include "chart/windows/parameter_display_window.h"
#include "core/settings/settings_store.h"
#include "ui/message_hub.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace qv {
namespace {

QByteArray Block(int lineCount, int width, int height, std::initializer_list<std::string> utf8Lines) {
    ReadoutMessage message;
    message.lineCount = lineCount;
    message.width = width;
    message.height = height;
    int i = 0;
    for (const std::string& line : utf8Lines)
        message.lines[i++] = Utf8ToGbk(line);
    const std::string bytes = EncodeReadoutMessage(message);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

class ParameterDisplay : public ::testing::Test {
protected:
    MessageHub hub;
    Tdisppara window{hub};

    QString label(int i) { return window.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1))->text(); }
};

TEST_F(ParameterDisplay, StartsAsAnEmptyTranslucentFramelessWindow) {
    EXPECT_EQ(window.size(), QSize(347, 240));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_NEAR(window.windowOpacity(), 100 / 255.0, 0.01);
    for (int i = 0; i < Tdisppara::LabelCount; ++i) {
        EXPECT_TRUE(label(i).isEmpty());
        EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1))->geometry().topLeft(),
                  QPoint(5, 10 + 20 * i));
    }
}

TEST_F(ParameterDisplay, ShowsTheMainWindowsFiveLinesAndKeepsTheOtherLabels) {
    window.receiveReadout(Block(7, 300, 200, {"a", "b", "c", "d", "e", "f", "g"}));
    emit hub.readoutBlock(
        Block(5, 200, 120,
              {"电压反射系数=0.1000:-0.2000", "衰                减=0.2227", "电 压 驻 波 比=1.5652",
               "功率反射系数=5.0000%", "功率反射衰减=-13.0103db"}));
    EXPECT_EQ(window.size(), QSize(200, 120));
    EXPECT_EQ(label(0), QStringLiteral("电压反射系数=0.1000:-0.2000"));
    EXPECT_EQ(label(4), QStringLiteral("功率反射衰减=-13.0103db"));
    EXPECT_EQ(label(5), "f");
    EXPECT_EQ(label(6), "g");
    EXPECT_TRUE(label(7).isEmpty());
}

TEST_F(ParameterDisplay, LineCountsOutsideOneToThirtyChangeOnlyTheSize) {
    window.receiveReadout(Block(2, 200, 120, {"kept", "too"}));
    for (int count : {0, 31, -1}) {
        EXPECT_EQ(window.receiveReadout(Block(count, 250 + count, 90, {"new", "new"})), 1);
        EXPECT_EQ(window.size(), QSize(250 + count, 90));
        EXPECT_EQ(label(0), "kept");
    }
    // Thirty lines are accepted; only ten labels exist.
    std::initializer_list<std::string> many = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    window.receiveReadout(Block(30, 200, 120, many));
    EXPECT_EQ(label(9), "9");
}

TEST_F(ParameterDisplay, AFullSlotWithoutZeroByteIsShownWhole) {
    QByteArray block = Block(1, 200, 120, {});
    block.replace(ReadoutHeaderBytes, ReadoutSlotBytes, QByteArray(ReadoutSlotBytes, 'x'));
    window.receiveReadout(block);
    EXPECT_EQ(label(0), QString(ReadoutSlotBytes, 'x'));
    EXPECT_GE(window.findChild<QLabel*>("Label1")->width(), 256) << "the label sizes itself to its text";
}

TEST_F(ParameterDisplay, UntrustedHeadersAndShortBlocksAreSafe) {
    EXPECT_EQ(window.receiveReadout(QByteArray(100, '\1')), 0);
    EXPECT_EQ(window.size(), QSize(347, 240));
    window.receiveReadout(Block(1, -5, 1 << 30, {"\xff"}));
    EXPECT_EQ(window.size(), QSize(1, 4096));
    QByteArray bad = Block(1, 200, 120, {"VSWR=1.5"});
    bad[ReadoutHeaderBytes + 8] = '\x81'; // a GBK lead byte with no trail
    window.receiveReadout(bad);
    EXPECT_EQ(label(0), "VSWR=1.5") << "the broken byte is dropped, not the line";
}

} // namespace
} // namespace qv
