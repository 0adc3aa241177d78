#include "chart/analysis/readout_message.h"
#include "chart/analysis/stability_block.h"
#include "core/numbers/errors.h"
#include "core/settings/atomic_file.h"
#include "core/settings/program_state.h"
#include "core/settings/settings_store.h"
#include "sparams/windows/two_port_window.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/message_hub.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

class TwoPortWindow : public ::testing::Test {
protected:
    test::TempDir dir;
    ProgramState state{dir.path()};
    MessageHub hub;
    test::ScriptedPrompter prompter;
    std::unique_ptr<Tffscalc> window;
    std::vector<QByteArray> sent; // stability blocks sent to the chart

    void SetUp() override { open(); }
    void open() {
        window = std::make_unique<Tffscalc>(state, hub, prompter);
        QObject::connect(&hub, &MessageHub::stabilityBlock, window.get(),
                         [this](const QByteArray& block) { sent.push_back(block); });
    }

    QLineEdit* edit(int n) {
        auto* e = window->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
        EXPECT_NE(e, nullptr) << n;
        return e;
    }
    QString text(int n) { return edit(n)->text(); }
    void type(int n, const char* s) { edit(n)->setText(QString::fromUtf8(s)); }
    template <typename T = QWidget> T* control(const char* name) {
        auto* c = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    // S11, S21, S12, S22 as magnitude/angle pairs, in file order.
    void typeTwoPort(std::array<const char*, 8> v) {
        const int edits[] = {9, 10, 17, 18, 15, 16, 11, 12};
        for (int i = 0; i < 8; ++i)
            type(edits[i], v[static_cast<std::size_t>(i)]);
    }
    std::string para(const char* key) { return ReadIniString(state.para.path(), "PARA", key); }
};

TEST_F(TwoPortWindow, OpensWithTheStoredEntryAndWritesMissingDefaults) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("计算"));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(text(9), QStringLiteral("0.89 ")); // the default keeps its blank
    EXPECT_EQ(text(10), QStringLiteral("120"));
    EXPECT_EQ(text(17), QStringLiteral("0.001"));
    // The default fields are magnitude and angle values, so polar input is the default.
    EXPECT_TRUE(control<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_EQ(para("S12R"), "0.89");
    EXPECT_EQ(para("S参数输入方式"), "1");
    EXPECT_EQ(edit(30)->toolTip(), QStringLiteral("Rollett(K) 系数 当他大于1是稳定的"));
    for (int n : {1, 5, 13, 29, 36, 37, 42, 43})
        EXPECT_TRUE(text(n).isEmpty()) << n;

    ASSERT_TRUE(WriteIniString(state.para.path(), "PARA", "S参数输入方式", "0"));
    open();
    EXPECT_FALSE(control<QCheckBox>("CheckBox1")->isChecked());
}

TEST_F(TwoPortWindow, ComplexCalculatorOperationsAndHelpers) {
    type(1, "3");
    type(2, "4");
    type(3, "1");
    type(4, "-2");
    const struct {
        const char* radio;
        const char* re;
        const char* im;
    } cases[] = {{"RadioButton1", "4", "2"},  {"RadioButton2", "2", "6"},    {"RadioButton3", "11", "-2"},
                 {"RadioButton4", "-1", "2"}, {"RadioButton5", "2", "-1.5"}, {"RadioButton6", "-1.2", "0.4"}};
    for (const auto& c : cases) {
        click(c.radio);
        click("fimacalc");
        EXPECT_EQ(text(5), QString::fromUtf8(c.re)) << c.radio;
        EXPECT_EQ(text(6), QString::fromUtf8(c.im)) << c.radio;
    }
    click("BitBtn1"); // 中间值
    EXPECT_EQ(text(1), "-1.2");
    EXPECT_EQ(text(2), "0.4");

    type(7, "100M");
    type(8, "-10p");
    click("BitBtn2"); // C
    EXPECT_EQ(text(3), "0");
    EXPECT_EQ(text(4), "-159.154943091895");

    type(8, "");
    click("BitBtn2");
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("输入错误！")});
    EXPECT_EQ(text(4), "-159.154943091895");

    type(3, "0");
    type(4, "0");
    click("RadioButton4");
    click("fimacalc");
    EXPECT_EQ(prompter.messages.back(), "X2为0，不能作除数");
    EXPECT_EQ(text(5), "-1.2");
    click("RadioButton5"); // X1 in parallel with a short is the short
    click("fimacalc");
    EXPECT_EQ(text(5), "0");
    type(3, "1.2");
    type(4, "-0.4");
    click("fimacalc");
    EXPECT_EQ(prompter.messages.back(), "X1 + X2 为0，并联阻抗为无穷大");
}

TEST_F(TwoPortWindow, AnalysisPrintsEveryFieldAndSendsTheCircles) {
    control<QCheckBox>("CheckBox1")->setChecked(true); // polar
    typeTwoPort({"0.6", "-160", "2.5", "80", "0.05", "40", "0.5", "-30"});
    click("BitBtn3");
    ASSERT_TRUE(prompter.messages.isEmpty());
    // expected texts: the independent derivation of the model test, rounded to the printed digits
    const std::vector<std::pair<int, const char*>> printed = {
        {13, "13.07"},   {14, "-0.19"},  {19, "103.92"},  {20, "-45.56"}, {21, "4.89"},  {22, "1.41"},
        {23, "142.14"},  {24, "211.03"}, {25, "12.86"},   {26, "-8.25"},  {27, "97.66"}, {28, "-65.11"},
        {29, "0.24"},    {30, "1.79"},   {31, "13.02"},   {32, "1.94"},   {33, "7.96"},  {34, "1.25"},
        {35, "11.15db"}, {36, "1.29"},   {37, "1.94"},    {38, "∠38.87"}, {39, "0.65"},  {40, "1.63"},
        {41, "∠165.58"}, {42, "0.41"},   {43, "11.84db"}, {44, "1.21"}};
    for (const auto& [n, expected] : printed)
        EXPECT_EQ(text(n), QString::fromUtf8(expected)) << n;
    EXPECT_EQ(control<QLabel>("Label26")->text(), "MAG:");
    EXPECT_EQ(para("S21R"), "2.5");
    EXPECT_EQ(para("S参数输入方式"), "1");

    ASSERT_EQ(sent.size(), 1u);
    const auto circles = DecodeStabilityBlock(std::string_view(sent[0].constData(), 60));
    ASSERT_TRUE(circles);
    EXPECT_NEAR(static_cast<double>(circles->inputCentreMagnitude), 1.62766964372, 1e-9);
    EXPECT_NEAR(static_cast<double>(circles->outputCentreAngle), 38.8686080529, 1e-9);
    EXPECT_NEAR(static_cast<double>(circles->outputRadius), 0.649067181561, 1e-9);
}

TEST_F(TwoPortWindow, RectangularLogInputConvertsOnlyTheFirstFields) {
    control<QCheckBox>("CheckBox1")->setChecked(false);
    // S11 = -6.0206 dB + j0 = 0.5; S22 = -100 dB + j0.2 = 0.00001 + j0.2; S12 = 0.1, S21 = 10
    typeTwoPort({"-6.0205999132796", "0", "20", "0", "-20", "0", "-100", "0.2"});
    click("CheckBox2");
    click("BitBtn3");
    EXPECT_EQ(text(25), "150.00"); // Zin of S11 = 0.5
    EXPECT_EQ(text(27), "46.15");  // Zout of S22 = 0.00001 + j0.2
    EXPECT_EQ(text(28), "19.23");
}

TEST_F(TwoPortWindow, UnilateralTwoPortShowsInfiniteKAndDrawsPointCircles) {
    control<QCheckBox>("CheckBox1")->setChecked(true); // polar
    typeTwoPort({"0.5", "-60", "3", "90", "0", "0", "0.4", "-30"});
    click("BitBtn3");
    EXPECT_EQ(text(30), "INF");
    EXPECT_EQ(text(39), "0.00");
    EXPECT_EQ(text(37), "2.50");
    EXPECT_EQ(text(38), "∠30.00");
    EXPECT_EQ(sent.size(), 1u);
}

TEST_F(TwoPortWindow, BadFieldsAndFailedStepsChangeOnlyWhatTheyShould) {
    control<QCheckBox>("CheckBox1")->setChecked(true); // polar
    typeTwoPort({"0.6", "-160", "2.5", "80", "0.05", "40", "0.5", "-30"});
    click("BitBtn3");
    const std::optional<std::string> storedIni = ReadWholeFile(state.para.path());

    for (const char* bad : {"abc", "1e3", "-", "1.2.3", ""}) {
        type(12, bad);
        click("BitBtn3");
        EXPECT_EQ(prompter.messages.size(), 1) << bad;
        prompter.messages.clear();
    }
    EXPECT_EQ(ReadWholeFile(state.para.path()), storedIni);
    EXPECT_EQ(sent.size(), 1u);

    // |S22| = |Delta|: stops at the output circle with mu new and the circles old
    typeTwoPort({"0", "0", "1", "0", "0.5", "90", "0.5", "0"});
    EXPECT_THROW(window->BitBtn3Click(), FloatingPointError);
    EXPECT_EQ(text(36), "1.00");
    EXPECT_EQ(text(37), "1.94");
    EXPECT_EQ(text(42), "0.41");
    EXPECT_EQ(sent.size(), 1u);
    EXPECT_EQ(para("S12J"), "90"); // the entry was stored before the analysis
}

TEST_F(TwoPortWindow, ReceivedRowsFillTheFieldsInFileOrder) {
    ReadoutMessage row;
    row.lineCount = 9;
    const char* fields[] = {"1.800GHz", "0.41", "-160", "2.5", "80", "0.05", "40", "0.5", "-30"};
    for (std::size_t i = 0; i < 9; ++i)
        row.lines[i] = fields[i];
    std::string bytes = EncodeReadoutMessage(row);
    emit hub.sparameterRow(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    EXPECT_EQ(control<QLabel>("Label19")->text(), QStringLiteral("频率:1.800GHz"));
    EXPECT_EQ(text(9), "0.41");  // S11
    EXPECT_EQ(text(18), "80");   // S21 angle
    EXPECT_EQ(text(15), "0.05"); // S12
    EXPECT_EQ(text(12), "-30");  // S22 angle

    row.lineCount = 31;
    row.lines[0] = "2GHz";
    row.lines[1] = "0.99";
    bytes = EncodeReadoutMessage(row);
    emit hub.sparameterRow(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    EXPECT_EQ(control<QLabel>("Label19")->text(), QStringLiteral("频率:2GHz"));
    EXPECT_EQ(text(9), "0.41");
}

TEST_F(TwoPortWindow, SparaFileSaveAndLoad) {
    control<QCheckBox>("CheckBox1")->setChecked(true); // polar
    typeTwoPort({"0.6", "-160", "2.5", "80", "0.05", "40", " 0.5 ", "-30"});
    click("BitBtn3");
    const std::string path = dir.file("amp.txt");
    prompter.fileNames.push_back(QString::fromStdString(path));
    click("Button2");
    const std::optional<std::string> saved = ReadWholeFile(path);
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, "[Spara]\r\nS11i=0.6\r\nS11j=-160\r\nS22i=0.5\r\nS22j=-30\r\nS12i=0.05\r\nS12j=40\r\n"
                      "S21i=2.5\r\nS21j=80\r\nparaflag=0\r\nLoadZi=13.07\r\nLoadZj=-0.19\r\nOrgZi=103.92\r\n"
                      "OrgZj=-45.56\r\n");

    // an existing file: "No" keeps it as it was
    type(9, "0.7");
    prompter.fileNames.push_back(QString::fromStdString(path));
    prompter.answers.push_back(Prompter::Answer::No);
    click("Button2");
    EXPECT_EQ(prompter.questions, QStringList{QStringLiteral("S para file  Exists")});
    EXPECT_EQ(ReadWholeFile(path), saved);

    for (int n : {9, 10, 11, 12, 15, 16, 17, 18})
        type(n, "");
    prompter.fileNames.push_back(QString::fromStdString(path));
    click("Button1");
    EXPECT_EQ(text(9), "0.6");
    EXPECT_EQ(text(11), "0.5");
    EXPECT_EQ(text(18), "80");
    EXPECT_EQ(control<QGroupBox>("GroupBox2")->title(), QString::fromStdString(path));

    // a file with none of the keys changes no field
    ASSERT_TRUE(WriteFileAtomically(dir.file("other.txt"), "[PARA]\r\nZo=50\r\n"));
    prompter.fileNames.push_back(QString::fromStdString(dir.file("other.txt")));
    click("Button1");
    EXPECT_EQ(text(9), "0.6");
    EXPECT_EQ(prompter.messages.size(), 1);
}

TEST_F(TwoPortWindow, FileInputShowsThePluggedWindow) {
    click("BitBtn5"); // nothing plugged: nothing happens
    QWidget files;
    window->setFileInputWindow(&files);
    click("BitBtn5");
    EXPECT_TRUE(files.isVisible());
}

} // namespace
} // namespace qv
