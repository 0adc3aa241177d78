#include "../chart/entry_test_canvas.h"
#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/readout_message.h"
#include "core/settings/atomic_file.h"
#include "core/settings/program_state.h"
#include "sparams/analysis/sparameter_file.h"
#include "sparams/windows/file_input_window.h"
#include "sparams/windows/sparams_table_window.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/message_hub.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace qv {
namespace {

using Slots = std::vector<std::string>;

const char* const SmallFile = "! maker data\r\n# GHz S DB R 50\r\n"
                              "1 -6 -30 20 150 -40 60 0 -20\r\n"
                              "2 -7 -35 19 140 -39 55 -1 -25\r\n"
                              "3 -8 -40 18 130 -38 50 -2 -30\r\n"
                              "4 -9 -45 17 120 -37 45 -3 -35\r\n";

class SParamsWindows : public ::testing::Test {
protected:
    SParamsWindows() {
        state.geometry = GeometryForHeight(633);
        QObject::connect(&hub, &MessageHub::sparameterRow, [this](const QByteArray& block) {
            const std::optional<ReadoutMessage> m = DecodeReadoutMessage(block.toStdString());
            ASSERT_TRUE(m);
            sent.emplace_back(m->lines.begin(), m->lines.begin() + m->lineCount);
        });
    }

    std::string file(const std::string& name, const std::string& bytes) {
        const std::string path = dir.file(name);
        EXPECT_TRUE(WriteFileAtomically(path, bytes));
        return path;
    }
    template <typename T> T* child(QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void open(QWidget& window, const std::string& path) {
        prompter.fileNames.push_back(QString::fromStdString(path));
        QTest::mouseClick(child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    }

    test::TempDir dir;
    ProgramState state{dir.path()};
    MessageHub hub;
    test::ScriptedPrompter prompter;
    test::RecordingCanvas canvas;
    std::vector<Slots> sent;
};

TEST_F(SParamsWindows, TableLoadsPlotsAndSendsARowOnARightRelease) {
    TFspopt window(state, canvas, hub, prompter);
    window.show();
    child<QCheckBox>(window, "CheckBox1")->setChecked(true);
    child<QComboBox>(window, "ComboBox2")->setCurrentIndex(2); // a label every 3 rows
    open(window, file("amp.s2p", SmallFile));

    QTableView* grid = child<QTableView>(window, "StringGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("频率MHz"));
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), QStringLiteral("0.501187"));
    EXPECT_EQ(grid->model()->index(1, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(0, 240, 197));
    EXPECT_EQ(child<QPlainTextEdit>(window, "Memo1")->toPlainText(),
              QStringLiteral("! maker data\n# GHz S DB R 50"));

    EXPECT_EQ(canvas.of(Primitive::Kind::Ellipse).size(), 8u);
    std::vector<std::string> labels;
    for (const Primitive& text : canvas.of(Primitive::Kind::Text))
        labels.push_back(text.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"---- S11", "---- S22", "1000", "1000", "", "", "", "",
                                                "4000", "4000"}));
    EXPECT_EQ(canvas.repaints, 1);

    const QPoint row1 = grid->visualRect(grid->model()->index(1, 3)).center();
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_TRUE(sent.empty());
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, row1);
    ASSERT_EQ(sent.size(), 1u);
    // The grid shows dB magnitudes rounded; the row carries every digit of the value read.
    EXPECT_EQ(sent[0], (Slots{"2000", "0.446683592150963093559", "-35", "8.91250938133745584935", "140",
                              "0.0112201845430196303632", "55", "0.89125093813374556273", "-25"}));

    // The Agilent layout sends nine slots without "S21 dB" and "MSG MAG".
    child<QComboBox>(window, "ComboBox1")->setCurrentIndex(3);
    EXPECT_EQ(grid->model()->rowCount(), 0);
    EXPECT_EQ(grid->model()->columnCount(), 11);
    child<QCheckBox>(window, "CheckBox1")->setChecked(false);
    open(window, file("agilent.txt", "# MHz S MA R 50\n100 .5 10 6 2 30 .1 40 .9 50 18.5\n"));
    QTest::mouseRelease(grid->viewport(), Qt::MiddleButton, {},
                        grid->visualRect(grid->model()->index(0, 0)).center());
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1], (Slots{"100", ".5", "10", "2", "30", ".1", "40", ".9", "50"}));
}

TEST_F(SParamsWindows, ABrokenOrMissingFileChangesNothing) {
    TFspopt window(state, canvas, hub, prompter);
    open(window, file("good.s2p", SmallFile));
    QTableView* grid = child<QTableView>(window, "StringGrid1");
    QPlainTextEdit* header = child<QPlainTextEdit>(window, "Memo1");
    const QString headerBefore = header->toPlainText();

    open(window, file("bad.s2p", "# GHz S RI R 50\n1 .1 .2 .3 .4 .5 .6 .7\n"));
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("第2行：缺少S22 A的数值")});
    open(window, file("huge.s2p", std::string(MaxSParameterFileBytes + 1, '!')));
    EXPECT_EQ(prompter.messages.size(), 2);
    open(window, dir.file("missing.s2p"));
    prompter.fileNames.push_back(std::nullopt);
    QTest::mouseClick(child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);

    EXPECT_EQ(prompter.messages.size(), 2);
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(header->toPlainText(), headerBefore);
    EXPECT_TRUE(canvas.surface.primitives.empty());
}

TEST_F(SParamsWindows, FileInputPicksALineSendsItsNumbersAndKeepsTheFolder) {
    Tfsinput window(state, hub, prompter);
    window.resize(700, 400);
    window.show();
    EXPECT_EQ(child<QPushButton>(window, "BitBtn1")->x(), 700 - 180);
    EXPECT_EQ(child<QPushButton>(window, "BitBtn2")->x(), 700 - 100);
    EXPECT_EQ(child<QLineEdit>(window, "Edit1")->width(), 700 - 240);

    open(window, file("bfp.txt", "! header\r\n1000 0.95 -30.5 4.2 150\r2000 0.9 -40 4 140\n"));
    QTextEdit* text = child<QTextEdit>(window, "RichEdit1");
    EXPECT_EQ(text->toPlainText(), QStringLiteral("! header\n1000 0.95 -30.5 4.2 150\n2000 0.9 -40 4 140\n"));
    EXPECT_EQ(child<QComboBox>(window, "ComboBox1")->itemText(0), QString::fromStdString(dir.path()));
    EXPECT_EQ(ReadWholeFile(dir.file("sf1.txt")), dir.path() + "\r\n");

    const QTextBlock line = text->document()->findBlockByNumber(1);
    QTextCursor at(line);
    at.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
    QTest::mousePress(text->viewport(), Qt::LeftButton, {}, text->cursorRect(at).center());
    QTest::mouseRelease(text->viewport(), Qt::LeftButton, {}, text->cursorRect(at).center());
    EXPECT_EQ(child<QLineEdit>(window, "Edit1")->text(), QStringLiteral("1000 0.95 -30.5 4.2 150"));
    ASSERT_EQ(text->extraSelections().size(), 1);
    EXPECT_EQ(text->extraSelections()[0].format.foreground().color(), QColor(Qt::red));

    QTest::keyClick(text, Qt::Key_Down);
    EXPECT_EQ(child<QLineEdit>(window, "Edit1")->text(), QStringLiteral("2000 0.9 -40 4 140"));
    child<QLineEdit>(window, "Edit1")->setText(QStringLiteral("1000 0.95 -30.5 4.2 150"));
    QTest::mouseClick(child<QPushButton>(window, "BitBtn2"), Qt::LeftButton);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], (Slots{"1000", "0.95", "-30.5", "4.2", "150"}));
    EXPECT_FALSE(window.isVisible());

    // A second window reads the folder back from sf1.txt.
    Tfsinput again(state, hub, prompter);
    EXPECT_EQ(child<QComboBox>(again, "ComboBox1")->count(), 1);
}

TEST_F(SParamsWindows, RealMakerFileFillsTheTableAndTheChart) {
    const std::string path = test::SharedTestData("s2p/infineon_BFP450_3V_40mA.s2p");
    if (path.empty())
        GTEST_SKIP() << "shared S-parameter files absent";
    TFspopt window(state, canvas, hub, prompter);
    child<QCheckBox>(window, "CheckBox1")->setChecked(true);
    open(window, path);
    QTableView* grid = child<QTableView>(window, "StringGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 58);
    EXPECT_EQ(grid->model()->index(57, 0).data().toString(), QStringLiteral("12000"));
    EXPECT_EQ(canvas.of(Primitive::Kind::Ellipse).size(), 2u * 58);
}

} // namespace
} // namespace qv
