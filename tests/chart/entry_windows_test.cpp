#include "chart/analysis/chart_geometry.h"
#include "chart/windows/entry_admittance_window.h"
#include "chart/windows/entry_gamma_window.h"
#include "chart/windows/entry_impedance_window.h"
#include "chart/windows/entry_q_window.h"
#include "chart/windows/entry_vswr_window.h"
#include "chart/windows/main_window.h"
#include "core/settings/program_state.h"
#include "entry_test_canvas.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/fixed_dialog.h"
#include "ui/message_hub.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace qv {
namespace {

using Kind = Primitive::Kind;

class EntryWindowTest : public ::testing::Test {
protected:
    EntryWindowTest() { state.geometry = GeometryForHeight(633); }

    template <typename W> std::unique_ptr<W> open() {
        auto w = std::make_unique<W>(state, canvas, prompter);
        w->show();
        return w;
    }
    static void type(QWidget& w, const char* edit, const char* text) {
        auto* e = w.findChild<QLineEdit*>(QString::fromUtf8(edit));
        ASSERT_NE(e, nullptr) << edit;
        e->setText(QString::fromUtf8(text));
    }
    static void check(QWidget& w, const char* box) {
        w.findChild<QCheckBox*>(QString::fromUtf8(box))->setChecked(true);
    }
    static void confirm(QWidget& w) { w.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); }
    static QString labelText(QWidget& w, const char* name) {
        return w.findChild<QLabel*>(QString::fromUtf8(name))->text();
    }

    // The centre of the marker drawn last, from its 6-pixel box.
    std::pair<int, int> marker() const {
        const auto ellipses = canvas.of(Kind::Ellipse);
        EXPECT_FALSE(ellipses.empty());
        if (ellipses.empty())
            return {-1, -1};
        return {ellipses.back().x1 + 3, ellipses.back().y1 + 3};
    }

    test::TempDir dir;
    ProgramState state{dir.path()};
    test::RecordingCanvas canvas;
    test::ScriptedPrompter prompter;
};

TEST_F(EntryWindowTest, EveryWindowHasItsCaptionSizeAndColourBox) {
    struct Expect {
        std::unique_ptr<QWidget> window;
        const char* caption;
        int width, height;
        const char* box;
    };
    Expect windows[] = {
        {std::make_unique<Tfinhro>(state, canvas, prompter), "输入Rho", 431, 167, "选择画点色"},
        {std::make_unique<Tfinrx>(state, canvas, prompter), "请输入R+JX", 346, 173, "设置画点色"},
        {std::make_unique<Tfgb>(state, canvas, prompter), "导纳圆", 370, 154, " 色盒"},
        {std::make_unique<Tqswr>(state, canvas, prompter), "等VSWR", 234, 172, "选择色"},
        {std::make_unique<TfquQ>(state, canvas, prompter), "画等Q圆", 287, 175, "选择色"},
    };
    for (Expect& e : windows) {
        EXPECT_EQ(e.window->windowTitle(), QString::fromUtf8(e.caption));
        EXPECT_EQ(e.window->size(), QSize(e.width, e.height)) << e.caption;
        auto* box = e.window->findChild<QPushButton*>(QStringLiteral("Panel1"));
        ASSERT_NE(box, nullptr) << e.caption;
        EXPECT_EQ(box->text(), QString::fromUtf8(e.box));
        EXPECT_NE(e.window->findChild<QPushButton*>(QStringLiteral("BitBtn1")), nullptr);
    }
}

TEST_F(EntryWindowTest, LabelTextsAreSetAtCreation) {
    Tfinhro rho(state, canvas, prompter);
    EXPECT_EQ(labelText(rho, "Label2"),
              QStringLiteral("极坐标输入时，是归一化后的值。勾上\"对数输入\"按对数计算"));
    Tfinrx rx(state, canvas, prompter);
    EXPECT_EQ(labelText(rx, "Label1"), QStringLiteral("输入归一化的值请勾上选择相"));
    EXPECT_EQ(labelText(rx, "Label2"), QStringLiteral("R"));
    EXPECT_EQ(labelText(rx, "Label3"), QStringLiteral("JX"));
    EXPECT_EQ(labelText(rx, "Label4"), QStringLiteral("显示标注输入"));
    TfquQ q(state, canvas, prompter);
    EXPECT_EQ(q.findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(), QStringLiteral("Q="));
    EXPECT_TRUE(q.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text().isEmpty());
}

TEST_F(EntryWindowTest, ColourBoxTakesTheChosenColourWithAnInverseCaption) {
    Tqswr w(state, canvas, prompter);
    auto* box = w.findChild<ColourBox*>(QStringLiteral("Panel1"));
    EXPECT_EQ(box->colour(), Navy);
    prompter.colours.push_back(0x00FF00);
    box->click();
    EXPECT_EQ(box->colour(), 0x00FF00);
    EXPECT_TRUE(box->styleSheet().contains(QStringLiteral("color: #ff00ff"))); // 0x00FF00 XOR 0xFFFFFF
    box->click();                                                              // cancelled: the colour stays
    EXPECT_EQ(box->colour(), 0x00FF00);
}

TEST_F(EntryWindowTest, GammaInDecibelsLandsAtTheLinearMagnitude) {
    auto w = open<Tfinhro>();
    type(*w, "Edit1", "-6");
    type(*w, "Edit2", "0");
    check(*w, "CheckBox1");
    confirm(*w);
    // |Gamma| = 10^(-6/20) = 0.501: X = 0.501187 * 316.5 + 316.5 = 475.13.
    EXPECT_EQ(marker(), std::make_pair(475, 316));
    EXPECT_EQ(canvas.of(Kind::Ellipse).back().pen.colour, Navy);
    EXPECT_NEAR(canvas.cursor.GammaMag, 0.501187L, 0.5L / 316.5L); // within half a pixel
    EXPECT_EQ(canvas.repaints, 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(canvas.of(Kind::Text).empty()); // no label typed
}

TEST_F(EntryWindowTest, GammaOfOneAtNinetyDegreesMarksTheTop) {
    auto w = open<Tfinhro>();
    type(*w, "Edit1", "1");
    type(*w, "Edit2", "90");
    type(*w, "Edit3", " top");
    check(*w, "CheckBox2");
    confirm(*w);
    const auto [x, y] = marker();
    EXPECT_NEAR(x, 316.5, 0.5); // u is about 0: 316.5 rounds either way
    EXPECT_EQ(y, 0);
    // The nearest pixel lies a hair outside the rim, where the mouse readout reads nothing either.
    EXPECT_EQ(canvas.cursor.v, 0);
    // Both circles through the point in the main colour box's colour, before the marker.
    const auto arcs = canvas.of(Kind::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].pen.colour, canvas.colourBox);
    const auto texts = canvas.of(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, " top"); // written untrimmed
    EXPECT_EQ(texts[0].x1, x + 2);
    EXPECT_EQ(texts[0].y1, 2);
}

TEST_F(EntryWindowTest, RejectedTextsDrawNothingAndKeepTheWindowOpen) {
    auto w = open<Tfinhro>();
    for (const char* bad : {"", "abc", "1e3", "12a", "-", ".", "1.2.3", "--1"}) {
        type(*w, "Edit1", bad);
        type(*w, "Edit2", "0");
        confirm(*w);
    }
    type(*w, "Edit1", "0.5");
    type(*w, "Edit2", "");
    confirm(*w);
    EXPECT_EQ(prompter.messages.size(), 9);
    EXPECT_EQ(prompter.messages.value(0), QStringLiteral("输入错误！"));
    EXPECT_TRUE(canvas.surface.primitives.empty());
    EXPECT_EQ(canvas.repaints, 0);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(EntryWindowTest, NegativeAndDecimalEntriesPassTheCheck) {
    auto w = open<Tfinhro>();
    type(*w, "Edit1", " 0.5 ");
    type(*w, "Edit2", "-3.5");
    confirm(*w);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(canvas.of(Kind::Ellipse).size(), 1u);
}

TEST_F(EntryWindowTest, ImpedanceInOhmsIsNormalisedAndLabelledInOhms) {
    auto w = open<Tfinrx>();
    type(*w, "Edit1", "50");
    type(*w, "Edit2", "50");
    confirm(*w);
    // z = 1 + j1 is Gamma 0.2 + j0.4: (0.2 * 316.5 + 316.5, 316.5 - 0.4 * 316.5) = (379.8, 189.9).
    EXPECT_EQ(marker(), std::make_pair(380, 190));
    EXPECT_EQ(canvas.of(Kind::Ellipse).back().pen.colour, PureRed);
    const auto texts = canvas.of(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "R=50.00+j50.00");
    EXPECT_EQ(texts[0].x1, 382);
    EXPECT_EQ(texts[0].y1, 192);
    EXPECT_TRUE(w->isVisible());   // stays open for the next point
    EXPECT_EQ(canvas.cursor.r, 0); // the readout is not touched
}

TEST_F(EntryWindowTest, NormalisedImpedanceWithCirclesAndTypedLabel) {
    auto w = open<Tfinrx>();
    check(*w, "CheckBox1");
    check(*w, "CheckBox2");
    type(*w, "Edit1", "1");
    type(*w, "Edit2", "-1");
    confirm(*w);
    EXPECT_EQ(marker(), std::make_pair(380, 443));
    EXPECT_EQ(canvas.of(Kind::Text).back().text, "R=1.00-j1.00");
    const auto arcs = canvas.of(Kind::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[1].y1, 633); // the capacitive x = -1 circle
    type(*w, "Edit3", "Load");
    confirm(*w);
    EXPECT_EQ(canvas.of(Kind::Text).back().text, "Load");
}

TEST_F(EntryWindowTest, ZeroReactanceMarksTheRealAxis) {
    auto w = open<Tfinrx>();
    check(*w, "CheckBox2");
    type(*w, "Edit1", "25");
    type(*w, "Edit2", "0");
    confirm(*w);
    EXPECT_EQ(marker().second, 316);
    EXPECT_EQ(canvas.of(Kind::Arc).size(), 1u); // no reactance circle for x = 0
    EXPECT_EQ(canvas.of(Kind::Text).back().text, "R=25.00-j0.00");
}

TEST_F(EntryWindowTest, NormalisedAdmittanceOfOneMarksTheCentre) {
    auto w = open<Tfgb>();
    check(*w, "CheckBox1");
    check(*w, "CheckBox2");
    type(*w, "Edit1", "1");
    type(*w, "Edit2", "0");
    confirm(*w);
    EXPECT_EQ(marker(), std::make_pair(316, 316));
    EXPECT_EQ(canvas.of(Kind::Text).back().text, "Y=1.0000-b0.0000");
    EXPECT_NEAR(canvas.cursor.r, 1, 0.01L);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(EntryWindowTest, AdmittanceInSiemensIsMultipliedByZo) {
    auto w = open<Tfgb>();
    type(*w, "Edit1", "0.02");
    type(*w, "Edit2", "-0.02");
    confirm(*w);
    // y = 1 - j1 is z = 0.5 + j0.5: Gamma -0.2 + j0.4, above the axis.
    EXPECT_EQ(marker(), std::make_pair(253, 190));
    EXPECT_TRUE(canvas.of(Kind::Text).empty()); // "标注" unchecked
}

TEST_F(EntryWindowTest, VswrThreeAtZeroIsHalfTheRadiusRight) {
    auto w = open<Tqswr>();
    type(*w, "Edit1", "3");
    type(*w, "Edit2", "0");
    check(*w, "CheckBox1");
    confirm(*w);
    const auto arcs = canvas.of(Kind::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].x1, 475);
    EXPECT_EQ(arcs[1].radius, 158);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(EntryWindowTest, VswrBelowOneIsRefused) {
    auto w = open<Tqswr>();
    type(*w, "Edit1", "0.5");
    type(*w, "Edit2", "0");
    confirm(*w);
    EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("VSWR不能小于1")});
    EXPECT_EQ(prompter.warnings, prompter.messages); // a warning with only "Ignore"
    EXPECT_TRUE(canvas.surface.primitives.empty());
    EXPECT_TRUE(w->isVisible());
}

TEST_F(EntryWindowTest, ConstantQOfOne) {
    auto w = open<TfquQ>();
    type(*w, "Edit1", "1");
    confirm(*w);
    const auto arcs = canvas.of(Kind::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].radius, 448);
    EXPECT_EQ(arcs[0].pen.colour, Navy);
    EXPECT_FALSE(w->isVisible());
}

// Values with no physical meaning are refused with a message; the window stays open.
TEST_F(EntryWindowTest, QOfZeroOrBelowAndGammaAboveOneAreRefused) {
    const auto click = [](QWidget& w) {
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    };
    auto q = open<TfquQ>();
    for (const char* bad : {"0", "-2"}) {
        type(*q, "Edit1", bad);
        click(*q);
    }
    auto rho = open<Tfinhro>();
    type(*rho, "Edit2", "30");
    type(*rho, "Edit1", "1.001");
    click(*rho);
    type(*rho, "Edit1", "0.1"); // +0.1 dB is a magnitude above 1
    check(*rho, "CheckBox1");
    click(*rho);
    EXPECT_EQ(prompter.messages,
              (QStringList{QStringLiteral("输入错误！Q值必须大于0"), QStringLiteral("输入错误！Q值必须大于0"),
                           QStringLiteral("输入错误！反射系数的模不能大于1"),
                           QStringLiteral("输入错误！反射系数的模不能大于1")}));
    EXPECT_TRUE(canvas.surface.primitives.empty());
    EXPECT_TRUE(q->isVisible());
    EXPECT_TRUE(rho->isVisible());
    type(*rho, "Edit1", "0"); // 0 dB: on the rim
    click(*rho);
    EXPECT_FALSE(rho->isVisible());
}

TEST(EntryOnTheMainChart, TheMarkerIsPaintedIntoTheChartPicture) {
    test::TempDir dir;
    ProgramState state(dir.path());
    MessageHub hub;
    test::ScriptedPrompter prompter;
    TForm2 main(state, hub, prompter);
    MainWindowCanvas canvas(main);
    Tfinrx w(state, canvas, prompter);
    constexpr int Colour = 0x12AB34;
    prompter.colours.push_back(Colour);
    w.findChild<QPushButton*>(QStringLiteral("Panel1"))->click();
    w.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("50"));
    w.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("50"));
    w.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    // The marker of 1 + j1 on the 633-pixel chart is centred on (380, 190).
    const QImage& picture = main.chartBitmap();
    int hits = 0;
    for (int x = 376; x <= 384; ++x)
        for (int y = 186; y <= 194; ++y)
            hits += FromQColor(picture.pixelColor(x, y)) == Colour;
    EXPECT_GT(hits, 8);
    EXPECT_NE(FromQColor(picture.pixelColor(340, 230)), Colour);
}

// A dialog with a field and its confirming button, counting the presses.
class KeyedDialog final : public FixedDialog {
public:
    KeyedDialog() : FixedDialog("Keyed", "keys", 200, 100, WindowWhite) {
        field = addEdit("Edit1", 10, 10);
        QObject::connect(addButton("BitBtn1", "OK", 10, 40), &QPushButton::clicked, [this] { ++presses; });
    }
    QLineEdit* field = nullptr;
    int presses = 0;
};

TEST(FixedDialog, EnterPressesTheConfirmingButtonAndEscapeCloses) {
    KeyedDialog dialog;
    dialog.show();
    QTest::keyClick(dialog.field, Qt::Key_Return);
    QTest::keyClick(dialog.field, Qt::Key_Enter);
    EXPECT_EQ(dialog.presses, 2);
    QTest::keyClick(dialog.field, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace qv
