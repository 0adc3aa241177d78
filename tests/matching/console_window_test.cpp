#include "core/settings/program_state.h"
#include "matching/console/console_commands.h"
#include "matching/console/console_texts.h"
#include "matching/model/network_model.h"
#include "matching/windows/console_window.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace qv {
namespace {

class ConsoleWindow : public ::testing::Test {
protected:
    test::TempDir dir;
    ProgramState state{dir.path()};
    NetworkModel network{state};
    test::ScriptedPrompter prompter;
    Tfordin window{network, prompter};
    QTextEdit* edit = window.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    std::vector<std::string> sent;

    void SetUp() override {
        ASSERT_NE(edit, nullptr);
        WritableNetwork(state).network[0].sourceR = WritableNetwork(state).network[0].nodeR = state.Zo;
        QObject::connect(&network, &NetworkModel::changed, &window,
                         [this](NetworkChange c) { sent.push_back(std::to_string(static_cast<int>(c))); });
    }

    // Types the command where the caret waits (the end of the text) and presses Enter.
    void type(const QString& command) {
        QTest::keyClicks(edit, command);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QStringList lines() const { return edit->toPlainText().split(QLatin1Char('\n')); }
    QTextCharFormat formatOfLine(int line) const {
        const QTextBlock block = edit->document()->findBlockByNumber(line);
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::NextCharacter);
        return cursor.charFormat();
    }
    void expectTypingStyle() const {
        EXPECT_EQ(edit->currentCharFormat().foreground().color(), QColor(Qt::red));
        EXPECT_EQ(edit->currentCharFormat().fontPointSize(), 12);
    }
};

TEST_F(ConsoleWindow, StartsEmptyWithItsCaptionStatusAndPlace) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("命令行输入"));
    EXPECT_EQ(edit->toPlainText(), QString());
    expectTypingStyle();
    const auto* panel = window.findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->findChild<QLabel*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->text(), QStringLiteral("?  --帮助 "));
    // The lower right of the screen, the whole window on it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window.pos().x(), screen.right() - 600);
    EXPECT_TRUE(screen.contains(QRect(window.pos(), window.size() + QSize(2, 30))));
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(ConsoleWindow, EnterRunsTheLineAndWritesTheAnswerBelowInBlack) {
    type(QStringLiteral("disp"));
    EXPECT_EQ(lines(),
              (QStringList{"disp", ">0:节点阻抗:=50.000-j0.000", "输入阻抗:=50.000-j0.000", "", ""}));
    const QTextCharFormat answer = formatOfLine(1);
    EXPECT_EQ(answer.foreground().color(), QColor(Qt::black));
    EXPECT_EQ(answer.fontPointSize(), 8);
    const QTextCharFormat typed = formatOfLine(0);
    EXPECT_EQ(typed.foreground().color(), QColor(Qt::red));
    EXPECT_EQ(typed.fontPointSize(), 12);
    expectTypingStyle();
    EXPECT_EQ(edit->textCursor().blockNumber(), 4); // the caret waits on the last, empty line
}

TEST_F(ConsoleWindow, OnlyEnterRunsALine) {
    QTest::keyClicks(edit, QStringLiteral("?"));
    QTest::keyClick(edit, Qt::Key_Space);
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("? "));
    window.RichEdit1KeyUp(32);
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("? "));
}

TEST_F(ConsoleWindow, AnErrorIsShownAndTheTypingStyleReturns) {
    type(QStringLiteral("modify x"));
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("'x' is not a valid integer value")});
    expectTypingStyle();
    type(QStringLiteral("getcurr"));
    EXPECT_EQ(lines().mid(2), (QStringList{"0", ""}));
    EXPECT_EQ(formatOfLine(2).foreground().color(), QColor(Qt::red)); // getcurr's line is red, size 8
    EXPECT_EQ(formatOfLine(2).fontPointSize(), 8);
}

TEST_F(ConsoleWindow, NetworkChangesGoThroughTheNetworkModel) {
    type(QStringLiteral("setload 25 0"));
    type(QStringLiteral("addc 2 1 c 10p"));
    type(QStringLiteral("setfre 600m"));
    EXPECT_EQ(sent, (std::vector<std::string>{"1", "3", "5"})); // ends, elements, frequency
    EXPECT_EQ(state.NodeCount, 2);
}

TEST_F(ConsoleWindow, SetalChangesTheOpacity) {
    type(QStringLiteral("setal 1 40"));
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    type(QStringLiteral("setal 1 150"));
    EXPECT_NEAR(window.windowOpacity(), 150 / 255.0, 1.0 / 255);
}

TEST_F(ConsoleWindow, SettopKeepsThePlaceAndVisibility) {
    window.show();
    const QPoint place = window.pos();
    type(QStringLiteral("settop 1"));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), place);
    type(QStringLiteral("settop 0"));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(lines(), (QStringList{"settop 1", "settop 0", ""}));
}

TEST_F(ConsoleWindow, ExitHidesAndKeepsTheText) {
    window.show();
    type(QStringLiteral("exit"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(lines(), (QStringList{"exit", "exit", ""}));
}

TEST_F(ConsoleWindow, ClrAndHelpClearTheText) {
    type(QStringLiteral("?"));
    EXPECT_EQ(lines().size(), static_cast<qsizetype>(1 + ConsoleCommandListLines().size() + 1));
    type(QStringLiteral("clr"));
    EXPECT_EQ(edit->toPlainText(), QString());
    expectTypingStyle();
    type(QStringLiteral("help"));
    EXPECT_EQ(lines().first(), QStringLiteral("软件功能："));
    EXPECT_EQ(lines().mid(9), (QStringList{"help", ""}));
}

TEST_F(ConsoleWindow, SpShowsTheSParameterTable) {
    QWidget table;
    type(QStringLiteral("sp"));
    window.setSParameterTable(&table);
    type(QStringLiteral("DISP"));
    EXPECT_FALSE(table.isVisible());
    type(QStringLiteral("SP"));
    EXPECT_TRUE(table.isVisible());
}

TEST_F(ConsoleWindow, TypingAfterAClickOnAnOldLineGoesToTheInputLine) {
    window.show();
    type(QStringLiteral("getcurr"));
    QTextCursor endOfFirst(edit->document()->findBlockByNumber(0));
    endOfFirst.movePosition(QTextCursor::EndOfBlock);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, edit->cursorRect(endOfFirst).center());
    type(QStringLiteral("clr"));
    EXPECT_EQ(edit->toPlainText(), QString()); // "clr" ran, not "getcurrclr"
}

TEST_F(ConsoleWindow, TheConsoleTakesTheFocusBackAfterACommand) {
    QWidget other;
    other.show();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The main window, told of the new frequency, comes to the front.
    QObject::connect(&network, &NetworkModel::changed, &other, [&other] {
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    });
    type(QStringLiteral("setfre 600m"));
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_TRUE(edit->hasFocus());
}

} // namespace
} // namespace qv
