#include "calculators/windows/general_calculator_window.h"
#include "calculators/windows/microwave_formula_window.h"
#include "core/numbers/errors.h"
#include "core/settings/atomic_file.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

class GeneralCalculator : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    TForm1 window{dir.path(), prompter};

    template <typename T> T* child(const char* name) {
        auto* c = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QLineEdit* edit(int n) { return child<QLineEdit>(QStringLiteral("Edit%1").arg(n).toUtf8().constData()); }
    QString text(int n) { return edit(n)->text(); }
    void type(int n, const char* s) { edit(n)->setText(QString::fromUtf8(s)); }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
};

TEST_F(GeneralCalculator, OpensWithItsCaptionsAndInitialTexts) {
    EXPECT_EQ(window.windowTitle(), "计算");
    const std::pair<int, const char*> initial[] = {
        {1, "50"},  {2, "10M"},   {5, "554"}, {6, "518"},  {7, "10"},  {8, "4"},  {11, "566"}, {12, "638"},
        {29, "31"}, {30, "9"},    {31, "2"},  {13, "50"},  {14, "50"}, {15, "3"}, {16, "18"},  {17, "292"},
        {18, "18"}, {19, "474M"}, {21, "27"}, {22, "0.5"}, {26, "5"},  {24, "24"}};
    for (const auto& [n, t] : initial)
        EXPECT_EQ(text(n), QString::fromUtf8(t)) << n;
    for (int n : {3, 4, 9, 10, 20, 23, 25, 27, 28})
        EXPECT_TRUE(text(n).isEmpty()) << n;

    auto* fractions = child<QComboBox>("ComboBox1");
    ASSERT_EQ(fractions->count(), 16);
    EXPECT_EQ(fractions->currentText(), "波长");
    EXPECT_EQ(fractions->itemText(1), "1/2波长");
    EXPECT_EQ(fractions->itemText(15), "1/16波长");
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentText(), "uV");
    EXPECT_EQ(child<QComboBox>("ComboBox2")->count(), 4);
    EXPECT_EQ(child<QComboBox>("ComboBox3")->count(), 1);
    EXPECT_EQ(child<QLabel>("Label16")->text(), "ASCII对应");
    const std::pair<const char*, const char*> captions[] = {
        {"Button1", "计算LC"},    {"BitBtn1", "截止频率"},     {"BitBtn2", "计算"},
        {"BitBtn4", "up"},        {"BitBtn5", "down"},         {"BitBtn3", "保存所有频点"},
        {"BitBtn10", "-->"},      {"BitBtn9", "<--"},          {"BitBtn12", "计算"},
        {"BitBtn11", "=>"},       {"BitBtn13", "<="},          {"Button4", "=>"},
        {"Button3", "<="},        {"Button2", "5*R1/(R1+R2)"}, {"BitBtn14", "R1//R2"},
        {"BitBtn6", "字符表"},    {"BitBtn7", "圆图"},         {"BitBtn8", "匹配计算"},
        {"Button5", "微波计算"},  {"RadioButton1", "T    型"}, {"RadioButton2", "∏   型"},
        {"RadioButton3", "桥T型"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(child<QAbstractButton>(name)->text(), QString::fromUtf8(caption)) << name;
    EXPECT_TRUE(child<QRadioButton>("RadioButton1")->isChecked());
}

TEST_F(GeneralCalculator, ConstantKSection) {
    click("Button1");
    EXPECT_EQ(text(3), "    0.795775uH");
    EXPECT_EQ(text(4), "    0.000637uF");
    type(1, "50.5"); // the nominal impedance is whole ohms
    click("Button1");
    EXPECT_EQ(prompter.messages.back(), "输入错误：标称阻抗");
    type(1, "50");
    type(2, "abc");
    click("Button1");
    EXPECT_EQ(prompter.messages.back(), "输入错误：截止频率");
    type(2, "10M");
    type(1, "0");
    EXPECT_THROW(window.Button1Click(), FloatingPointError);
    EXPECT_EQ(text(3), "    0.795775uH");
}

TEST_F(GeneralCalculator, ChannelPlanStepsDownAndUp) {
    click("BitBtn2");
    EXPECT_EQ(QStringList({text(6), text(9), text(10), text(29)}), QStringList({"518", "24", "9", "31"}));
    click("BitBtn4"); // "up" lowers the frequency
    EXPECT_EQ(text(5), "552");
    EXPECT_EQ(text(6), "516");
    click("BitBtn5");
    click("BitBtn5");
    EXPECT_EQ(text(5), "556");
    type(7, "0");
    EXPECT_THROW(window.BitBtn2Click(), FloatingPointError);
    EXPECT_EQ(text(6), "520");
    // A frequency that is no whole number is named, in the interface's words, and changes nothing.
    type(5, "abc");
    click("BitBtn4");
    click("BitBtn2");
    EXPECT_EQ(prompter.messages, QStringList({"输入错误：频点", "输入错误：频点"}));
    EXPECT_EQ(text(6), "520");
}

TEST_F(GeneralCalculator, ChannelFileAsksBeforeReplacingAndWritesTheGoldenBytes) {
    const std::string path = dir.file("plan.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    prompter.fileNames = {QString::fromStdString(path), QString::fromStdString(path)};
    prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
    click("BitBtn3");
    EXPECT_EQ(ReadWholeFile(path), "old");
    click("BitBtn3");
    EXPECT_EQ(prompter.questions, QStringList({"文件已经存在,覆盖吗？", "文件已经存在,覆盖吗？"}));
    EXPECT_EQ(ReadWholeFile(path),
              ReadWholeFile(std::string(QV_CALCULATOR_TEST_DATA) + "/channel_plan_initial.txt"));

    type(31, "0"); // a step that never reaches the end
    prompter.fileNames = {QString::fromStdString(dir.file("new.txt"))};
    click("BitBtn3");
    EXPECT_EQ(prompter.messages, QStringList({"输入错误！"}));
    EXPECT_FALSE(ReadWholeFile(dir.file("new.txt")));
}

TEST_F(GeneralCalculator, OfTwoBadPlanFieldsTheOneReadFirstIsNamed) {
    type(8, "x");
    type(12, "y");
    prompter.fileNames = {QString::fromStdString(dir.file("plan.txt"))};
    click("BitBtn3"); // reads 参考, R值, 开始, 结束, ...
    type(7, "z");
    click("BitBtn2"); // reads 频点, 参考, R值
    EXPECT_EQ(prompter.messages, QStringList({"输入错误：R值", "输入错误：参考"}));
    EXPECT_FALSE(ReadWholeFile(dir.file("plan.txt")));
    EXPECT_EQ(text(6), "518");
}

TEST_F(GeneralCalculator, FinListAppendsThreeChannels) {
    const std::string path = dir.file("fin.txt");
    prompter.fileNames = {QString::fromStdString(path), QString::fromStdString(path)};
    click("Button6");
    type(5, "474");
    click("Button6");
    const std::optional<std::string> written = ReadWholeFile(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 6 * 34u);
    EXPECT_EQ(written->substr(0, 34), "             1  554  518  24   9\r\n");
    EXPECT_EQ(written->substr(3 * 34, 34), "             1  474  438  20   9\r\n");
}

TEST_F(GeneralCalculator, TeePadDesignAndInputResistance) {
    click("BitBtn10");
    EXPECT_EQ(QStringList({text(16), text(17), text(18)}), QStringList({"8.55", "8.55", "141.93"}));
    click("BitBtn9");
    EXPECT_EQ(text(13), "50.000526");

    type(15, "0");
    EXPECT_THROW(window.BitBtn10Click(), FloatingPointError);
    EXPECT_EQ(text(16), "8.55");

    // The other pad types show their own picture and compute nothing.
    click("RadioButton2");
    EXPECT_FALSE(child<QLabel>("Image1")->isVisibleTo(&window));
    EXPECT_TRUE(child<QLabel>("Image2")->isVisibleTo(&window));
    EXPECT_FALSE(child<QLabel>("Image2")->pixmap().isNull());
    type(15, "6");
    click("BitBtn10");
    click("BitBtn9");
    EXPECT_EQ(text(16), "8.55");
    EXPECT_EQ(text(13), "50.000526");
    click("RadioButton3");
    EXPECT_TRUE(child<QLabel>("Image3")->isVisibleTo(&window));
    EXPECT_FALSE(child<QLabel>("Image2")->isVisibleTo(&window));
}

TEST_F(GeneralCalculator, WavelengthFollowsTheFractionBox) {
    click("BitBtn12");
    EXPECT_EQ(text(20), "63.24735cm");
    child<QComboBox>("ComboBox1")->setCurrentIndex(3);
    EXPECT_EQ(text(20), "15.81184cm");
    type(19, "abc");
    click("BitBtn12");
    EXPECT_EQ(prompter.messages.back(), "输入错误：频点");
    type(19, "0");
    EXPECT_THROW(window.BitBtn12Click(), FloatingPointError);
    EXPECT_EQ(text(20), "15.81184cm");
}

TEST_F(GeneralCalculator, PowerVoltageAndResistors) {
    click("BitBtn13");
    EXPECT_EQ(text(21), "26.98970");
    type(21, "30");
    click("BitBtn11");
    EXPECT_EQ(text(22), "1.00000");

    type(27, "1000");
    click("Button4");
    EXPECT_EQ(text(28), "-60.00000");
    child<QComboBox>("ComboBox2")->setCurrentText("mV");
    type(28, "-20");
    click("Button3");
    EXPECT_EQ(text(27), "100.00000");
    child<QComboBox>("ComboBox2")->setCurrentText("dbuV"); // converts nothing
    type(27, "5");
    click("Button4");
    EXPECT_EQ(text(28), "-20");
    type(27, "0");
    child<QComboBox>("ComboBox2")->setCurrentText("V");
    EXPECT_THROW(window.Button4Click(), FloatingPointError);

    type(23, "76");
    click("Button2");
    EXPECT_EQ(text(25), "1.20");
    click("BitBtn14");
    EXPECT_EQ(text(25), "18.24");
    type(23, "x");
    EXPECT_THROW(window.BitBtn14Click(), ConversionError);
    EXPECT_EQ(text(25), "18.24");
}

TEST_F(GeneralCalculator, CharacterTableCountsFromZero) {
    click("BitBtn6");
    EXPECT_TRUE(child<QLabel>("Label16")->text().startsWith("0-->"));
    click("BitBtn6");
    EXPECT_EQ(child<QLabel>("Label16")->text(), QString("1-->") + QChar(1));
    for (int i = 2; i <= 65; ++i)
        window.BitBtn6Click();
    EXPECT_EQ(child<QLabel>("Label16")->text(), "65-->A");
}

TEST_F(GeneralCalculator, WindowButtonsBringUpTheirWindows) {
    QWidget chart;
    QWidget matching;
    click("BitBtn7"); // nothing plugged in yet
    window.setChartWindow(&chart);
    window.setMatchCalculationWindow(&matching);
    click("BitBtn7");
    click("BitBtn8");
    EXPECT_TRUE(chart.isVisible());
    EXPECT_TRUE(matching.isVisible());
    click("Button5");
    EXPECT_TRUE(window.formulaWindow().isVisible());
    EXPECT_TRUE(window.formulaWindow().isModal());
    window.formulaWindow().hide();
}

} // namespace
} // namespace qv
