#include "chart_window_fixture.h"

#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/cursor_readout.h"
#include "chart/analysis/readout_message.h"
#include "chart/drawing/stability_circles.h"
#include "core/settings/atomic_file.h"
#include "core/settings/settings_store.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace qv::test {

QString ChartWindowTest::text(const char* label) const {
    return child<QLabel>(label)->text();
}

QString ChartWindowTest::labelText(int number) const {
    return text(QStringLiteral("Label%1").arg(number).toUtf8().constData());
}

QStringList ChartWindowTest::allLabelTexts() const {
    QStringList texts;
    for (int i = 1; i <= 16; ++i)
        texts << labelText(i);
    return texts;
}

namespace {

int CountPixels(const QImage& image, QRect box, QColor colour) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            count += QColor(image.pixel(x, y)) == colour;
    return count;
}

const QColor Red(255, 0, 0);

TEST_F(ChartWindowTest, ToolPanelHasEveryControlWithItsCaptionAndHint) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("圆图"));
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"BitBtn1", "清除"},      {"BitBtn2", "设置"},      {"BitBtn3", "Rho"},
        {"BitBtn4", "R+JX"},      {"BitBtn9", "等Q圆"},     {"BitBtn10", "VSWR"},
        {"BitBtn12", "Y+BX "},    {"Panel2", "色盒"},       {"BitBtn5", "工具"},
        {"BitBtn13", "匹配设置"}, {"BitBtn14", "增加元件"}, {"BitBtn15", "删除元件"},
        {"BitBtn16", "重新计算"}, {"BitBtn6", "参数计算"},  {"BitBtn7", "微带计算"},
        {"BitBtn11", "保存圆图"}, {"Button2", "命令输入"},  {"BitBtn8", "S参数输入"},
        {"Button1", "关于"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(child<QPushButton>(name)->text(), QString::fromUtf8(caption)) << name;
    EXPECT_EQ(child<QPushButton>("BitBtn15")->toolTip(), QStringLiteral("删除最后接入匹配电路的元件"));
    EXPECT_EQ(child<QPushButton>("Button2")->toolTip(),
              QStringLiteral("可以通过命令的方式查看、修改各种数据，包括匹配操作"));
    EXPECT_EQ(child<QGroupBox>("GroupBox1")->title(), QStringLiteral("标注"));
    const std::vector<const char*> radios = {"阻抗Z",    "元件值", "模值", "归一阻抗",
                                             "归一导纳", "VSWR",   "反射"};
    for (std::size_t i = 0; i < radios.size(); ++i)
        EXPECT_EQ(
            child<QRadioButton>(QStringLiteral("RadioButton%1").arg(i + 1).toUtf8().constData())->text(),
            QString::fromUtf8(radios[i]));
    EXPECT_EQ(child<QCheckBox>("CheckBox1")->text(), QStringLiteral("光标显示"));
    EXPECT_EQ(child<QWidget>("Panel1")->width(), 104);
    EXPECT_NE(child<QStatusBar>("StatusBar1"), nullptr);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(child<QLabel>(QStringLiteral("StatusBar1Panel%1").arg(i + 1).toUtf8().constData())->width(),
                  80);
    // The last panel takes the rest of the bar: a return loss in dB at its end stays visible.
    const int last = child<QLabel>("StatusBar1Panel5")->width();
    EXPECT_GE(last, 400);
    window->resize(window->width() + 300, window->height());
    QApplication::processEvents();
    EXPECT_GE(child<QLabel>("StatusBar1Panel5")->width(), last + 250);
}

TEST_F(ChartWindowTest, HoveringAToolShowsItsStatusText) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(child<QPushButton>("BitBtn13"), &enter);
    EXPECT_EQ(window->statusPanelText(4),
              QStringLiteral("设置要匹配电路的负载、源点，匹配总是从负载向源方向进行。"));
    QApplication::sendEvent(child<QPushButton>("BitBtn11"), &enter);
    EXPECT_EQ(window->statusPanelText(4), QStringLiteral("保存圆图到图片"));
}

TEST_F(ChartWindowTest, ReadoutLabelsStartWithTheirTextsPlacesAndHints) {
    EXPECT_EQ(text("Label1"), QStringLiteral("Freq="));
    EXPECT_EQ(text("Label2"), QStringLiteral("Z0=50"));
    EXPECT_EQ(text("Label13"), QStringLiteral("RLOSS="));
    EXPECT_EQ(text("Label16"), QStringLiteral("ILmatch="));
    // Wide enough for an impedance near the open circuit.
    const QLabel* label3 = child<QLabel>("Label3");
    const int longest = label3->fontMetrics().horizontalAdvance(QStringLiteral("Z=41030.0000-j20540.0000"));
    EXPECT_EQ(label3->geometry().topLeft(), QPoint(10, 44));
    EXPECT_GE(label3->width(), std::max(170, longest));
    const int tabHeight = child<QWidget>("TabControl1")->height();
    EXPECT_EQ(child<QLabel>("Label10")->geometry(), QRect(10, tabHeight - 37, label3->width(), 16));
    EXPECT_EQ(child<QLabel>("Label14")->geometry(), QRect(10, tabHeight - 105, 510, 16));
    EXPECT_EQ(child<QLabel>("Label8")->toolTip(), QStringLiteral("没有归一化导抗"));
    EXPECT_EQ(child<QLabel>("Label2")->palette().color(QPalette::WindowText), ToQColor(25600));
    EXPECT_EQ(child<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(child<QLabel>("labelmove")->text(), QString());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(child<QLabel>("Label1"), &enter);
    EXPECT_EQ(child<QLabel>("Label1")->toolTip(), QStringLiteral("554000000"));
}

TEST_F(ChartWindowTest, MovingTheMouseFillsEveryReadout) {
    WritableNetwork(state).NodeCount = 2;
    move(100, 50); // Gamma = j0.5: Z = 30 + j40 ohms
    EXPECT_EQ(text("Label1"), QStringLiteral("Freq=554.00M"));
    EXPECT_EQ(text("Label2"), QStringLiteral("Zo=50"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Z=30.0000+j40.0000"));
    EXPECT_EQ(text("Label4"), QStringLiteral("L=11.49nH"));
    EXPECT_EQ(text("Label5"), QStringLiteral("Rho=0.5000∠90.0000°"));
    EXPECT_EQ(text("Label6"), QStringLiteral("R=0.6000+j0.8000"));
    EXPECT_EQ(text("Label7"), QStringLiteral("Y=0.600000-j0.800000"));
    EXPECT_EQ(text("Label8"), QStringLiteral("G=0.012000-j0.016000"));
    EXPECT_EQ(text("Label9"), QStringLiteral("Q=1.33"));
    EXPECT_EQ(text("Label10"), QStringLiteral("VSWR=3.0000"));
    EXPECT_EQ(text("Label11"), QStringLiteral("VRT=0.5000"));
    EXPECT_EQ(text("Label12"), QStringLiteral("WRT=0.2500"));
    EXPECT_EQ(text("Label13"), QStringLiteral("RLoss=4.0000"));
    EXPECT_EQ(window->statusPanelText(0), QStringLiteral("X=100: 0.00"));
    EXPECT_EQ(window->statusPanelText(1), QStringLiteral("Y=50: 0.50"));
    EXPECT_EQ(window->statusPanelText(2), QStringLiteral("R= 0.50"));
    EXPECT_EQ(window->statusPanelText(3), QStringLiteral("接入元件2"));
    EXPECT_TRUE(window->statusPanelText(4).startsWith(
        QStringLiteral("电压反射系数0.0000:0.5000>衰减(插损)1.2494db")));
    EXPECT_NEAR(window->cursorReadout().Rohm, 30, 1e-12);
    EXPECT_NEAR(window->cursorReadout().Xohm, 40, 1e-12);
    EXPECT_EQ(state.geometry.Radius, 100);
}

TEST_F(ChartWindowTest, EachMovementSendsTheReadoutBlock) {
    move(100, 150);
    ASSERT_EQ(blocks.size(), 1);
    const QByteArray& block = blocks.front();
    ASSERT_EQ(block.size(), 5388);
    EXPECT_EQ(block.left(12), QByteArray("\x05\0\0\0\xC8\0\0\0\x78\0\0\0", 12));
    const std::vector<std::string> lines = {"电压反射系数=0.0000:-0.5000", "衰                减=1.2494",
                                            "电 压 驻 波 比=3.0000", "功率反射系数=25.0000%",
                                            "功率反射衰减=-6.0206db"};
    for (int i = 0; i < 5; ++i) {
        const std::string gbk = Utf8ToGbk(lines[i]);
        const QByteArray slot = block.mid(12 + 256 * i, 256);
        EXPECT_EQ(slot.left(static_cast<qsizetype>(gbk.size())).toStdString(), gbk) << i;
        EXPECT_EQ(slot.mid(static_cast<qsizetype>(gbk.size())),
                  QByteArray(256 - static_cast<int>(gbk.size()), '\0'));
    }
    EXPECT_EQ(block.mid(12, 2), QByteArray("\xB5\xE7")); // "电" in GBK
    EXPECT_EQ(block.mid(12 + 256 * 5), QByteArray(256 * 16, '\0'));
    move(300, 300); // outside: nothing is sent
    EXPECT_EQ(blocks.size(), 1);
}

TEST_F(ChartWindowTest, MovingOutsideTheChartLeavesEveryLabel) {
    move(60, 140);
    const QStringList before = allLabelTexts();
    const QString status = window->statusPanelText(0);
    const CursorReadout readout = window->cursorReadout();
    move(190, 10); // |Gamma| = sqrt(0.9^2 + 0.9^2) > 1
    EXPECT_EQ(allLabelTexts(), before);
    EXPECT_EQ(window->statusPanelText(0), status);
    EXPECT_EQ(window->cursorReadout().Rohm, readout.Rohm);
    EXPECT_EQ(paintBox->cursor().shape(), Qt::ArrowCursor);
    move(100, 100);
    EXPECT_EQ(paintBox->cursor().shape(), Qt::CrossCursor);
}

TEST_F(ChartWindowTest, LiveCursorLabelFollowsShiftCheckBoxAndRightButton) {
    const QRect aroundMarker(55, 135, 11, 11); // the red cursor marker at (60, 140)
    move(60, 140);
    EXPECT_EQ(CountPixels(paintBox->grab().toImage(), aroundMarker, Red), 0);
    move(60, 140, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_GT(CountPixels(paintBox->grab().toImage(), aroundMarker, Red), 4);
    move(60, 140, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(CountPixels(paintBox->grab().toImage(), aroundMarker, Red), 0);
    child<QCheckBox>("CheckBox1")->setChecked(true);
    move(60, 140);
    EXPECT_GT(CountPixels(paintBox->grab().toImage(), aroundMarker, Red), 4);
    // The live label lives only on the screen, never in the picture.
    EXPECT_EQ(CountPixels(window->chartBitmap(), aroundMarker, Red), 0);
}

TEST_F(ChartWindowTest, LeftClickPlacesAMarkerInTheColourBoxColourAndClearRemovesIt) {
    const QRect aroundMarker(55, 135, 11, 11);
    const QColor olive(128, 128, 0);
    move(60, 140);
    press(60, 140);
    EXPECT_GT(CountPixels(window->chartBitmap(), aroundMarker, olive), 4);
    prompter.colours.push_back(0x00FF00); // green
    QTest::mouseClick(child<QPushButton>("Panel2"), Qt::LeftButton);
    EXPECT_EQ(window->markerColour(), 0x00FF00);
    EXPECT_TRUE(
        child<QPushButton>("Panel2")->styleSheet().contains(QStringLiteral("#ff00ff"))); // XOR 0xFFFFFF
    move(150, 60);
    press(150, 60);
    EXPECT_GT(CountPixels(window->chartBitmap(), QRect(145, 55, 11, 11), QColor(0, 255, 0)), 4);
    QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(CountPixels(window->chartBitmap(), aroundMarker, olive), 0);
    EXPECT_EQ(CountPixels(window->chartBitmap(), QRect(145, 55, 11, 11), QColor(0, 255, 0)), 0);
    EXPECT_EQ(window->chartBitmap().size(), QSize(201, 200));
}

TEST_F(ChartWindowTest, ClicksOutsideTheChartDrawNothing) {
    const QImage before = window->chartBitmap().copy();
    press(195, 5);
    EXPECT_EQ(window->chartBitmap(), before);
}

TEST_F(ChartWindowTest, SaveChartWritesABitmapOfTheChartAndAsksBeforeOverwriting) {
    const std::string path = dir.file("chart.bmp");
    prompter.fileNames.push_back(QString::fromStdString(path));
    QTest::mouseClick(child<QPushButton>("BitBtn11"), Qt::LeftButton);
    const std::optional<std::string> first = ReadWholeFile(path);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->substr(0, 2), "BM");
    QImage saved;
    ASSERT_TRUE(saved.loadFromData(QByteArray::fromStdString(*first), "BMP"));
    EXPECT_EQ(saved.size(), QSize(201, 200));
    EXPECT_EQ(QColor(saved.pixel(100, 30)), Red); // the vertical axis
    EXPECT_TRUE(prompter.questions.isEmpty());

    move(60, 140);
    press(60, 140); // change the picture
    prompter.fileNames.push_back(QString::fromStdString(path));
    prompter.answers.push_back(Prompter::Answer::No);
    QTest::mouseClick(child<QPushButton>("BitBtn11"), Qt::LeftButton);
    EXPECT_EQ(prompter.questions, QStringList{QStringLiteral("文件已经存在,覆盖吗？")});
    EXPECT_EQ(ReadWholeFile(path), first);

    prompter.fileNames.push_back(QString::fromStdString(path));
    prompter.answers.push_back(Prompter::Answer::Yes);
    QTest::mouseClick(child<QPushButton>("BitBtn11"), Qt::LeftButton);
    EXPECT_NE(ReadWholeFile(path), first);

    QTest::mouseClick(child<QPushButton>("BitBtn11"), Qt::LeftButton); // cancelled dialog
    EXPECT_EQ(prompter.questions.size(), 2);
}

TEST_F(ChartWindowTest, SaveChartWritesAPngWhenTheNameAsksForOne) {
    const std::string path = dir.file("chart.PNG");
    prompter.fileNames.push_back(QString::fromStdString(path));
    QTest::mouseClick(child<QPushButton>("BitBtn11"), Qt::LeftButton);
    const std::optional<std::string> bytes = ReadWholeFile(path);
    ASSERT_TRUE(bytes);
    QImage saved;
    ASSERT_TRUE(saved.loadFromData(QByteArray::fromStdString(*bytes), "PNG"));
    EXPECT_EQ(saved.size(), QSize(201, 200));
}

TEST_F(ChartWindowTest, StabilityBlockDrawsBothCirclesIntoThePicture) {
    StabilityCircles circles;
    circles.inputCentreMagnitude = 0.5L;
    circles.inputCentreAngle = 90;
    circles.inputRadius = 0.25L;
    circles.outputCentreMagnitude = 0.5L;
    circles.outputCentreAngle = -90;
    circles.outputRadius = 0.2L;
    const std::string bytes = EncodeStabilityBlock(circles);
    emit hub.stabilityBlock(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    const QImage& picture = window->chartBitmap();
    EXPECT_EQ(QColor(picture.pixel(125, 50)), Red);                // input: centre (100, 50), radius 25
    EXPECT_EQ(QColor(picture.pixel(120, 150)), QColor(0, 0, 255)); // output: centre (100, 150), radius 20

    const QImage before = picture.copy();
    emit hub.stabilityBlock(QByteArray(59, '\0')); // too short to be a block
    EXPECT_EQ(window->chartBitmap(), before);
}

TEST_F(ChartWindowTest, NetworkChangesRefreshTheFrequencyAndImpedanceLabels) {
    WritableNetwork(state).Fo = 2.4e9L;
    WritableNetwork(state).Zo = 75;
    window->networkChanged(NetworkRedraw::Whole);
    EXPECT_EQ(text("Label1"), QStringLiteral("Freq=2.40G"));
    EXPECT_EQ(text("Label2"), QStringLiteral("Zo=75.00"));
    EXPECT_EQ(text("Label14"), QStringLiteral("RLmatch=")); // no network plugged in
}

TEST_F(ChartWindowTest, ResizingKeepsFoAndZoAndFitsTheDrawingArea) {
    ASSERT_TRUE(WriteIniString(state.para.path(), "PARA", "Fo", "1G"));
    window->resize(window->width() - 40, window->height() - 30);
    QApplication::processEvents();
    EXPECT_EQ(state.Fo, 554e6L); // Fo changes only through the network
    const QWidget* scrollBox = child<QWidget>("ScrollBox1");
    EXPECT_EQ(paintBox->geometry(), QRect((scrollBox->width() - scrollBox->height()) / 2, 0,
                                          scrollBox->height(), scrollBox->height() - 2));
}

TEST_F(ChartWindowTest, ToolButtonsShowTheirPluggedInWindows) {
    QTest::mouseClick(child<QPushButton>("BitBtn3"), Qt::LeftButton); // nothing plugged in yet
    QWidget entry;
    window->toolWindows().gammaEntry = &entry;
    QTest::mouseClick(child<QPushButton>("BitBtn3"), Qt::LeftButton);
    EXPECT_TRUE(entry.isVisible());
    window->toolWindows().gammaEntry = nullptr;
}

TEST_F(ChartWindowTest, ParameterDisplayShowsOnlyWithCursorDisplayAndReflection) {
    QWidget display;
    window->toolWindows().parameterDisplay = &display;
    move(60, 140);
    EXPECT_FALSE(display.isVisible());
    child<QCheckBox>("CheckBox1")->setChecked(true);
    child<QRadioButton>("RadioButton7")->setChecked(true);
    move(60, 140);
    EXPECT_TRUE(display.isVisible());
    move(190, 10); // outside the chart hides it
    EXPECT_FALSE(display.isVisible());
    window->toolWindows().parameterDisplay = nullptr;
}

} // namespace
} // namespace qv::test
