#include "core/numbers/errors.h"
#include "matching/windows/tee_match_window.h"
#include "support/scripted_prompter.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace qv {
namespace {

class TeeMatchWindow : public ::testing::Test {
protected:
    test::ScriptedPrompter prompter;
    TForm3 window{prompter};

    QLineEdit* edit(int n) {
        auto* e = window.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
        EXPECT_NE(e, nullptr) << n;
        return e;
    }
    QString text(int n) { return edit(n)->text(); }
    void type(int n, const char* s) { edit(n)->setText(QString::fromUtf8(s)); }
    void click(const char* name) { window.findChild<QPushButton*>(QString::fromUtf8(name))->click(); }
};

TEST_F(TeeMatchWindow, OpensWithTheDesignDefaultsAndEmptyOutputs) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("匹配计算"));
    const auto* pages = window.findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("T匹配计算"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("电抗计算"));
    EXPECT_EQ(pages->tabText(2), QStringLiteral("基本计算"));
    EXPECT_EQ(text(1), "2.3");
    EXPECT_EQ(text(2), "6.7");
    EXPECT_EQ(text(3), "50");
    EXPECT_EQ(text(10), "400");
    for (int n : {4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22})
        EXPECT_TRUE(text(n).isEmpty()) << n;
}

TEST_F(TeeMatchWindow, RecalculatesTheTeeNetwork) {
    click("BitBtn1");
    EXPECT_EQ(text(11).left(6), "4.9540");
    EXPECT_EQ(text(4).left(6), "0.4182");
    EXPECT_EQ(text(8), "4.53nH");
    EXPECT_EQ(text(7), "19.03pF");
    EXPECT_EQ(text(9), "30.72pF");
}

TEST_F(TeeMatchWindow, DesignsAgainstTheTypedSourceResistance) {
    type(3, "25");
    click("BitBtn1");
    EXPECT_EQ(text(11).left(6), "3.5415");
    EXPECT_EQ(text(7), "32.09pF");
}

TEST_F(TeeMatchWindow, AFailedDesignLeavesEveryOutputAsItWas) {
    click("BitBtn1");
    type(10, "400.5"); // "Fin(M)" is a whole number of megahertz
    EXPECT_THROW(window.BitBtn1Click(), ConversionError);
    type(10, "400");
    type(1, "75"); // above the source resistance: no real Q2
    EXPECT_THROW(window.BitBtn1Click(), FloatingPointError);
    EXPECT_EQ(text(8), "4.53nH");
    EXPECT_EQ(text(11).left(6), "4.9540");
}

TEST_F(TeeMatchWindow, CapacitiveReactancePicksItsUnit) {
    type(12, "1p");
    type(13, "1G");
    click("BitBtn3");
    EXPECT_EQ(text(14), "159.154943");
    type(13, "1M");
    click("BitBtn3");
    EXPECT_EQ(text(14), "159.15K");
}

TEST_F(TeeMatchWindow, InductiveReactanceReadsMillihenries) {
    type(15, "2m");
    type(16, "1M");
    click("BitBtn4");
    EXPECT_EQ(text(17), "12.57K");
}

TEST_F(TeeMatchWindow, ARejectedValueIsReportedAndNothingIsComputed) {
    type(12, "abc");
    type(13, "1G");
    click("BitBtn3");
    type(15, "1x");
    type(16, "1G");
    click("BitBtn4");
    EXPECT_EQ(prompter.messages, QStringList({"输入错误！", "输入错误！"}));
    EXPECT_TRUE(text(14).isEmpty());
    EXPECT_TRUE(text(17).isEmpty());
}

TEST_F(TeeMatchWindow, DecibelsToVoltageRatio) {
    type(18, "6");
    click("BitBtn5");
    EXPECT_EQ(text(19), "1.99526231496888");
}

TEST_F(TeeMatchWindow, ParallelValueWithSixteenDecimals) {
    type(20, "100");
    type(21, " 100 ");
    click("BitBtn6");
    EXPECT_EQ(text(22), "50.0000000000000000");
    type(21, "1e3"); // fails the numeric check: nothing happens, no message
    click("BitBtn6");
    EXPECT_EQ(text(22), "50.0000000000000000");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

} // namespace
} // namespace qv
