#include "app/startup.h"
#include "core/program_state.h"
#include "core/settings_store.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/message_hub.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(StartUp, MainWindowLoadsParaIniBeforeTheOthersAndEveryWindowStartsHidden) {
    test::TempDir dir;
    ASSERT_TRUE(WriteIniString(dir.file("para.ini"), "PARA", "Zo", "75"));
    ProgramState state(dir.path());
    MessageHub hub;
    test::ScriptedPrompter prompter;
    ApplicationWindows windows(state, hub, prompter);
    EXPECT_EQ(state.Zo, 75);
    EXPECT_EQ(ReadIniString(dir.file("para.ini"), "PARA", "Fo"), "554M"); // a fresh key gets its default
    const ToolWindows& tools = windows.main.toolWindows();
    for (QWidget* w : {tools.settings, tools.gammaEntry, tools.impedanceEntry, tools.constantQ,
                       tools.constantVswr, tools.admittanceEntry, tools.matchingSetup, tools.elementInsertion,
                       tools.console, tools.about, tools.twoPortCalculator}) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_FALSE(windows.main.isVisible());
}

TEST(StartUp, ToolButtonsShowTheirWindows) {
    test::TempDir dir;
    ProgramState state(dir.path());
    MessageHub hub;
    test::ScriptedPrompter prompter;
    ApplicationWindows windows(state, hub, prompter);
    const std::vector<std::pair<const char*, QWidget*>> buttons = {
        {"BitBtn2", &windows.settings},       {"BitBtn3", &windows.gammaEntry},
        {"BitBtn4", &windows.impedanceEntry}, {"BitBtn9", &windows.constantQ},
        {"BitBtn10", &windows.constantVswr},  {"BitBtn12", &windows.admittanceEntry},
        {"BitBtn13", &windows.matchingSetup}, {"BitBtn14", &windows.elementInsertion},
        {"Button2", &windows.console},        {"Button1", &windows.about},
        {"BitBtn5", &windows.calculator},     {"BitBtn6", &windows.twoPortCalculator}};
    for (const auto& [name, target] : buttons) {
        auto* button = windows.main.findChild<QPushButton*>(QString::fromUtf8(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(target->isVisible()) << name;
        target->hide();
    }
}

TEST(StartUp, TheCalculatorReachesTheMatchingCalculationAndTheChart) {
    test::TempDir dir;
    ProgramState state(dir.path());
    MessageHub hub;
    test::ScriptedPrompter prompter;
    ApplicationWindows windows(state, hub, prompter);
    QTest::mouseClick(windows.main.findChild<QPushButton*>("BitBtn5"), Qt::LeftButton);
    ASSERT_TRUE(windows.calculator.isVisible());
    QTest::mouseClick(windows.calculator.findChild<QPushButton*>("BitBtn8"), Qt::LeftButton);
    EXPECT_TRUE(windows.matchCalculation.isVisible());
    QTest::mouseClick(windows.calculator.findChild<QPushButton*>("BitBtn7"), Qt::LeftButton);
    EXPECT_TRUE(windows.main.isVisible());
}

} // namespace
} // namespace qv
