#include "app/started_application.h"
#include "app/startup.h"
#include "core/settings/atomic_file.h"
#include "core/settings/program_state.h"
#include "core/settings/settings_store.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/message_hub.h"
#include "ui/screen_placement.h"

#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <array>
#include <cmath>
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
                       tools.console, tools.about, tools.twoPortCalculator, tools.sparameterTable,
                       tools.setSelection, static_cast<QWidget*>(&windows.fileInput)}) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_FALSE(windows.main.isVisible());
}

TEST(StartUp, ToolButtonsShowTheirWindows) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    const std::vector<std::pair<const char*, QWidget*>> buttons = {{"BitBtn2", &windows.settings},
                                                                   {"BitBtn3", &windows.gammaEntry},
                                                                   {"BitBtn4", &windows.impedanceEntry},
                                                                   {"BitBtn9", &windows.constantQ},
                                                                   {"BitBtn10", &windows.constantVswr},
                                                                   {"BitBtn12", &windows.admittanceEntry},
                                                                   {"BitBtn13", &windows.matchingSetup},
                                                                   {"BitBtn14", &windows.elementInsertion},
                                                                   {"Button2", &windows.console},
                                                                   {"Button1", &windows.about},
                                                                   {"BitBtn5", &windows.calculator},
                                                                   {"BitBtn6", &windows.twoPortCalculator},
                                                                   {"BitBtn7", &windows.microstripCalculator},
                                                                   {"BitBtn8", &windows.sparameterTable}};
    for (const auto& [name, target] : buttons) {
        auto* button = windows.main.findChild<QPushButton*>(QString::fromUtf8(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(target->isVisible()) << name;
        target->hide();
    }
}

// The tools beside the chart are docks of the main window; their arrangement comes back at the
// next start, and "默认布局" puts it back as a fresh start has it.
TEST(StartUp, ToolWindowsAreDocksWhoseLayoutIsRestored) {
    test::TempDir dir;
    const auto dockNamed = [](ApplicationWindows& windows, const char* name) {
        return windows.main.findChild<QDockWidget*>(QString::fromUtf8(name));
    };
    {
        ProgramState state(dir.path());
        MessageHub hub;
        test::ScriptedPrompter prompter;
        ApplicationWindows windows(state, hub, prompter);
        EXPECT_GE(windows.main.findChildren<QDockWidget*>().size(), 4);
        QTest::mouseClick(windows.main.findChild<QPushButton*>("BitBtn6"), Qt::LeftButton);
        QDockWidget* twoPort = dockNamed(windows, "DockTwoPort");
        ASSERT_NE(twoPort, nullptr);
        EXPECT_EQ(windows.twoPortCalculator.parentWidget(), twoPort);
        EXPECT_TRUE(twoPort->isVisible());
        EXPECT_TRUE(windows.main.isVisible());
        twoPort->setFloating(true);
        windows.main.close();
    }
    ProgramState state(dir.path());
    MessageHub hub;
    test::ScriptedPrompter prompter;
    ApplicationWindows windows(state, hub, prompter);
    QDockWidget* twoPort = dockNamed(windows, "DockTwoPort");
    EXPECT_TRUE(twoPort->isFloating());
    QTest::mouseClick(windows.main.findChild<QPushButton*>("ButtonResetLayout"), Qt::LeftButton);
    EXPECT_FALSE(twoPort->isFloating());
    EXPECT_FALSE(twoPort->isVisible());
}

// The microstrip calculator works at the design's Fo; a frequency typed there stays until Fo moves.
TEST(StartUp, TheMicrostripCalculatorFollowsFo) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    auto* frequency = windows.microstripCalculator.findChild<QLineEdit*>(QStringLiteral("Edit6"));
    ASSERT_NE(frequency, nullptr);
    QTest::mouseClick(windows.main.findChild<QPushButton*>("BitBtn7"), Qt::LeftButton);
    EXPECT_EQ(frequency->text(), QStringLiteral("554M"));
    frequency->setText(QStringLiteral("1G"));
    windows.microstripCalculator.hide();
    windows.microstripCalculator.show();
    EXPECT_EQ(frequency->text(), QStringLiteral("1G"));
    windows.microstripCalculator.hide();
    ASSERT_TRUE(windows.network.setFrequency(2.4e9L));
    windows.microstripCalculator.show();
    EXPECT_EQ(frequency->text(), QStringLiteral("2.4G"));
}

// However a docked window is shown or closed, by its own code or by the dock's button, its dock
// follows: the console's "sp" and the setup window's "确定" rely on it.
TEST(StartUp, ADockedWindowAndItsDockOpenAndCloseTogether) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    QDockWidget* dock = windows.main.findChild<QDockWidget*>(QStringLiteral("DockSetup"));
    ASSERT_NE(dock, nullptr);
    windows.matchingSetup.show();
    EXPECT_TRUE(dock->isVisible());
    EXPECT_TRUE(windows.matchingSetup.isVisible());
    windows.matchingSetup.close();
    EXPECT_FALSE(dock->isVisible());
    windows.matchingSetup.show();
    EXPECT_TRUE(dock->isVisible());
    dock->close(); // the dock's own close button
    EXPECT_FALSE(dock->isVisible());
    windows.matchingSetup.show();
    EXPECT_TRUE(dock->isVisible());
    EXPECT_TRUE(windows.matchingSetup.isVisible());
}

TEST(StartUp, TheCalculatorReachesTheMatchingCalculationAndTheChart) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    QTest::mouseClick(windows.main.findChild<QPushButton*>("BitBtn5"), Qt::LeftButton);
    ASSERT_TRUE(windows.calculator.isVisible());
    QTest::mouseClick(windows.calculator.findChild<QPushButton*>("BitBtn8"), Qt::LeftButton);
    EXPECT_TRUE(windows.matchCalculation.isVisible());
    QTest::mouseClick(windows.calculator.findChild<QPushButton*>("BitBtn7"), Qt::LeftButton);
    EXPECT_TRUE(windows.main.isVisible());
}

TEST(StartUp, FloatingReadoutFollowsTheCursorWhileReflectionIsShown) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    windows.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.main));
    auto* paintBox = windows.main.findChild<QWidget*>(QStringLiteral("PaintBox1"));
    const auto move = [&](int x, int y) {
        QMouseEvent event(QEvent::MouseMove, QPointF(x, y), paintBox->mapToGlobal(QPointF(x, y)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(paintBox, &event);
    };
    const int centre = paintBox->height() / 2;
    windows.main.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    windows.main.findChild<QRadioButton*>(QStringLiteral("RadioButton7"))->setChecked(true);
    move(centre, centre);
    move(centre + 10, centre + 20);
    ASSERT_TRUE(windows.parameterDisplay.isVisible());
    EXPECT_EQ(windows.parameterDisplay.size(), QSize(200, 120));
    // Beside the cursor, or flipped where the screen ends.
    const QRect screen = windows.main.screen()->availableGeometry();
    EXPECT_EQ(windows.parameterDisplay.pos(),
              PlaceBesideCursor(screen, windows.parameterDisplay.frameGeometry().size(),
                                paintBox->mapToGlobal(QPoint(centre + 10, centre + 20)), {15, 15}));
    EXPECT_TRUE(windows.parameterDisplay.findChild<QLabel*>(QStringLiteral("Label1"))
                    ->text()
                    .startsWith(QStringLiteral("电压反射系数=")));
    bool number = false;
    windows.parameterDisplay.findChild<QLabel*>(QStringLiteral("Panel1"))->text().toInt(&number);
    EXPECT_TRUE(number) << "the main window captions the panel with the chart's top offset";
    move(1, 1); // outside the chart circle
    EXPECT_FALSE(windows.parameterDisplay.isVisible());
}

TEST(StartUp, ConsoleSpOpensTheSParameterTable) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    auto* edit = windows.console.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("sp"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(windows.sparameterTable.isVisible());
}

TEST(StartUp, ChartRightClickPopupSetsTheLoad) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    windows.main.show();
    auto* paintBox = windows.main.findChild<QWidget*>(QStringLiteral("PaintBox1"));
    paintBox->setGeometry(0, 0, 201, 200);
    paintBox->repaint();
    // Half the radius straight up: Gamma = j0.5, z = 0.6 + j0.8, 30 + j40 ohms at Zo = 50.
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 50), paintBox->mapToGlobal(QPointF(100, 50)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(paintBox, &move);
    QTest::mousePress(paintBox, Qt::RightButton, {}, QPoint(100, 50));
    ASSERT_TRUE(windows.setSelection.isVisible());
    EXPECT_EQ(windows.setSelection.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(),
              QStringLiteral("30.00"));
    EXPECT_EQ(windows.setSelection.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(),
              QStringLiteral("40.00"));
    QTest::mouseClick(windows.setSelection.findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                      Qt::LeftButton);
    EXPECT_EQ(state.NodeCount, 1);
    EXPECT_NEAR(static_cast<double>(state.network[1].nodeR), 0.6, 1e-12);
    EXPECT_NEAR(static_cast<double>(state.network[1].nodeX), 0.8, 1e-12);
    EXPECT_EQ(ReadIniString(dir.file("para.ini"), "PARA", "负载R"), "30.00");
    // The match figures follow: the source is still 0 + j0, a total mismatch.
    EXPECT_NE(windows.main.findChild<QLabel*>(QStringLiteral("Label14"))->text(), QStringLiteral("RLmatch="));

    QTest::mousePress(paintBox, Qt::RightButton, {}, QPoint(100, 50));
    QTest::mousePress(paintBox, Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_FALSE(windows.setSelection.isVisible());
}

TEST(StartUp, FileRowsReachTheTwoPortCalculator) {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    const std::string path = dir.file("amp.s2p");
    ASSERT_TRUE(WriteFileAtomically(path, "# GHz S DB R 50\n1.5 -6 -30 20 150 -30 60 -3 -20\n"));
    auto field = [&](int number) {
        return windows.twoPortCalculator.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number))->text();
    };

    windows.sparameterTable.show();
    prompter.fileNames.push_back(QString::fromStdString(path));
    QTest::mouseClick(windows.sparameterTable.findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                      Qt::LeftButton);
    auto* grid = windows.sparameterTable.findChild<QTableView*>(QStringLiteral("StringGrid1"));
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, {},
                        grid->visualRect(grid->model()->index(0, 2)).center());
    // The grid rounds dB magnitudes to six digits; the row carries the values read (in double).
    const std::array<double, 4> magnitudes = {std::pow(10, -6 / 20.0), 10, std::pow(10, -30 / 20.0),
                                              std::pow(10, -3 / 20.0)};
    const std::array<int, 4> magnitudeFields = {9, 17, 15, 11};
    for (std::size_t i = 0; i < magnitudes.size(); ++i)
        EXPECT_NEAR(field(magnitudeFields[i]).toDouble(), magnitudes[i], 1e-15 * magnitudes[i]) << i;
    EXPECT_EQ((QStringList{field(10), field(18), field(16), field(12)}),
              (QStringList{"-30", "150", "60", "-20"}));
    EXPECT_TRUE(windows.twoPortCalculator.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->isChecked());

    // "文件输入" opens the file input window, whose picked line goes to the same fields.
    QTest::mouseClick(windows.twoPortCalculator.findChild<QPushButton*>(QStringLiteral("BitBtn5")),
                      Qt::LeftButton);
    ASSERT_TRUE(windows.fileInput.isVisible());
    windows.fileInput.findChild<QLineEdit*>(QStringLiteral("Edit1"))
        ->setText(QStringLiteral("1000 0.95 -30.5 4.2 150 0.05 60 0.5 -20"));
    QTest::mouseClick(windows.fileInput.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    EXPECT_EQ(field(9), QStringLiteral("0.95"));
    EXPECT_EQ(field(12), QStringLiteral("-20"));
    EXPECT_FALSE(windows.fileInput.isVisible());
}

} // namespace
} // namespace qv
