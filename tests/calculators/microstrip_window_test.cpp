#include "calculators/windows/microstrip_window.h"
#include "core/numbers/errors.h"
#include "support/scripted_prompter.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}
QT_END_NAMESPACE

// Expected texts are the figures of the closed forms and of the Hammerstad-Jensen/Kirschning-Jansen
// model evaluated at 40 digits with mpmath (tests/core/oracles), then printed by hand.
namespace qv {
namespace {

class MicrostripWindow : public ::testing::Test {
protected:
    int effflag = 0;
    test::ScriptedPrompter prompter;
    TcalcMirc window{effflag, prompter};

    template <typename T> T* child(const QString& name) {
        auto* c = window.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QLineEdit* edit(int n) { return child<QLineEdit>(QStringLiteral("Edit%1").arg(n)); }
    QString text(int n) { return edit(n)->text(); }
    QString field(const char* name) { return child<QLineEdit>(QString::fromUtf8(name))->text(); }
    void type(int n, const char* s) { edit(n)->setText(QString::fromUtf8(s)); }
    void mil(int box) { child<QComboBox>(QStringLiteral("ComboBox%1").arg(box))->setCurrentIndex(1); }
    QString status(int panel) {
        return child<QLabel>(QStringLiteral("StatusBar1Panel%1").arg(panel + 1))->text();
    }
    void click(const char* name) {
        QTest::mouseClick(child<QAbstractButton>(QString::fromUtf8(name)), Qt::LeftButton);
    }
};

TEST_F(MicrostripWindow, OpensWithTheDescribedFields) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("微带线计算"));
    EXPECT_EQ(text(1), "0.76");
    EXPECT_EQ(text(2), "0.6");
    EXPECT_EQ(text(3), "0.035");
    EXPECT_EQ(text(4), "4.6");
    EXPECT_EQ(text(6), "500M");
    EXPECT_EQ(text(9), QStringLiteral("输入阻抗求微带线宽"));
    EXPECT_EQ(text(16), QStringLiteral("最高工作频率"));
    EXPECT_EQ(text(25), "0.0035");
    EXPECT_EQ(text(26), "0.6");
    EXPECT_FALSE(edit(12)->isEnabled());
    EXPECT_FALSE(edit(13)->isEnabled());
    EXPECT_TRUE(edit(1)->toolTip().startsWith(QStringLiteral("默认单位为mm")));
    for (int box = 1; box <= 12; ++box) {
        if (box == 5)
            continue;
        auto* units = child<QComboBox>(QStringLiteral("ComboBox%1").arg(box));
        ASSERT_EQ(units->count(), 2);
        EXPECT_EQ(units->currentText(), "mm");
        EXPECT_EQ(units->itemText(1), "mil");
    }
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(child<QRadioButton>(QStringLiteral("RadioButton%1").arg(i))->isChecked());
    EXPECT_FALSE(child<QLabel>("Image1")->pixmap().isNull()); // the JPEG resource decoded
    EXPECT_TRUE(child<QWidget>("GroupBoxReference")->toolTip().contains(QStringLiteral("0.1 ≤ W/H ≤ 100")));
}

TEST_F(MicrostripWindow, CharacteristicParametersOfTheInitialFieldsInBothModels) {
    click("BitBtn2");
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(text(9), "56.038444");
    EXPECT_EQ(text(12), "1.624727 E8");
    EXPECT_EQ(text(13), "3.404715");
    EXPECT_EQ(text(14), "0.324945 m");
    EXPECT_EQ(text(15), "1.107879 Deg/mm");
    EXPECT_EQ(text(16), "<65880.78MHz"); // wide strip: 75/(0.0006 sqrt 3.6)
    EXPECT_EQ(status(0), "0");
    EXPECT_EQ(status(1), QStringLiteral("线宽: 29.92mil"));

    EXPECT_EQ(field("EditReferenceZ0"), "60.270838");
    EXPECT_EQ(field("EditReferenceEpsEff"), "3.280157");
    EXPECT_EQ(field("EditDispersiveZ0"), "60.267314");
    EXPECT_EQ(field("EditDispersiveEpsEff"), "3.281295");
    EXPECT_EQ(field("EditReferenceWavelength"), "0.331000 m");
    EXPECT_EQ(field("EditReferencePhase"), "1.087613 Deg/mm");
}

TEST_F(MicrostripWindow, MilFromTheUnitBoxOrTheSuffixGivesTheSameLine) {
    type(1, "30");
    mil(1);
    click("BitBtn2");
    const QStringList byBox = {text(9), text(13), field("EditReferenceZ0"), status(1)};
    child<QComboBox>("ComboBox1")->setCurrentIndex(0);
    type(1, "30m");
    click("BitBtn2");
    EXPECT_EQ((QStringList{text(9), text(13), field("EditReferenceZ0"), status(1)}), byBox);
    EXPECT_EQ(status(0), "1");
    EXPECT_EQ(status(1), QStringLiteral("线宽:  0.76mm"));
}

TEST_F(MicrostripWindow, WidthSynthesisThenAnalysisComesBackNearTheImpedance) {
    type(9, "50");
    click("BitBtn3");
    EXPECT_EQ(text(1), "0.93"); // "%f": two decimals of 0.930878 mm
    EXPECT_EQ(field("EditReferenceWidth"), "1.072824 mm");
    click("BitBtn2");
    EXPECT_NEAR(text(9).toDouble(), 50, 0.5); // the two-decimal width and a different formula set

    type(9, "50");
    mil(1);
    click("BitBtn3");
    EXPECT_EQ(text(1), "36.65");
    EXPECT_EQ(field("EditReferenceWidth"), "42.237173 mil");
}

TEST_F(MicrostripWindow, ImpedanceAtTheInputOfAHalfWaveLine) {
    type(5, "299.792458"); // half the free-space wavelength at 500 MHz; effflag is 0
    type(7, "25");
    type(8, "-10");
    click("BitBtn1");
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(text(9), "56.038444");
    EXPECT_EQ(text(10), "25.000000");
    EXPECT_EQ(text(11), "-10.000000");
    effflag = 1; // now the guided wavelength turns the load: no longer half a wave
    click("BitBtn1");
    EXPECT_NE(text(10), "25.000000");
}

TEST_F(MicrostripWindow, ReferenceModelTurnsTheLoadByTheGuidedWavelength) {
    type(5, "20");
    type(7, "25");
    type(8, "-10");
    click("BitBtn1");
    EXPECT_EQ(field("EditReferenceInput"), "24.892952+j9.310422");
    EXPECT_EQ(field("EditDispersiveZ0"), "60.267314");
}

TEST_F(MicrostripWindow, EveryUnusableFieldIsNamedAndNothingIsComputed) {
    struct Case {
        int edit;
        const char* typed;
        const char* button;
        QStringList messages;
    };
    const Case cases[] = {
        {2, "abc", "BitBtn2", {"基板厚度输入错误！"}},
        {2, "-0.6", "BitBtn2", {"基板厚度输入错误！"}}, // never enters the model as -1
        {3, "0.03m", "BitBtn2", {"铜簿厚度输入错误！"}},
        {4, "", "BitBtn2", {"介电常数输入错误！"}},
        {1, "1,5", "BitBtn2", {"微带线宽输入错误！"}},
        {1, "1.2.3", "BitBtn2", {"微带线宽输入错误！"}},
        {1, "0", "BitBtn2", {"微带线宽输入错误！"}}, // a strip of no width has no impedance
        {1, "0", "BitBtn1", {"微带线宽输入错误！", "参数输入错误！！！"}},
        {6, "0", "BitBtn2", {"操作频率输入错误！"}},
        {4, "0.5", "BitBtn2", {"介电常数输入错误！"}},
        {6, "fast", "BitBtn2", {"操作频率输入错误！"}},
        {3, "0.3", "BitBtn2", {"铜箔厚度错误."}},
        {9, "abc", "BitBtn3", {"特征阻抗输入错误！"}},
        {5, "", "BitBtn1", {"微带线长输入错误！", "参数输入错误！！！"}},
        {8, "j5", "BitBtn1", {"负载阻抗虚部输入错误！", "参数输入错误！！！"}},
        {6, "", "BitBtn1", {"操作频率输入错误！", "参数输入错误！！！"}},
        {3, "0.3", "BitBtn1", {"铜箔厚度错误.", "参数输入错误！！！"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        test::ScriptedPrompter fresh;
        TcalcMirc w{effflag, fresh};
        for (const auto& [n, typed] : {std::pair{5, "10"}, std::pair{7, "50"}, std::pair{8, "0"}})
            w.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n))->setText(QString::fromUtf8(typed));
        w.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(c.edit))->setText(QString::fromUtf8(c.typed));
        QTest::mouseClick(w.findChild<QPushButton*>(QString::fromUtf8(c.button)), Qt::LeftButton);
        EXPECT_EQ(fresh.messages, c.messages);
        EXPECT_EQ(w.findChild<QLineEdit*>("Edit9")->text(), c.edit == 9 ? "abc" : "输入阻抗求微带线宽");
        EXPECT_TRUE(w.findChild<QLineEdit*>("EditReferenceZ0")->text().isEmpty());
    }
}

TEST_F(MicrostripWindow, OfTwoBadFieldsTheOneReadFirstIsNamed) {
    type(1, "0"); // the width is read after the substrate
    type(2, "abc");
    click("BitBtn2");
    type(1, "0.76");
    type(2, "0.6");
    type(5, "10");
    type(7, "R"); // the load before the frequency
    type(6, "");
    click("BitBtn1");
    EXPECT_EQ(prompter.messages,
              QStringList({"基板厚度输入错误！", "负载阻抗实部输入错误！", "参数输入错误！！！"}));
}

TEST_F(MicrostripWindow, AFailedRunLeavesNoResultOfEitherModel) {
    click("BitBtn2");
    ASSERT_EQ(text(9), "56.038444");
    type(4, "1"); // Er = 1: the program model's highest frequency divides by zero
    EXPECT_THROW(window.BitBtn2Click(), FloatingPointError);
    for (int n : {9, 12, 13, 14, 15, 16})
        EXPECT_TRUE(text(n).isEmpty()) << n;
    EXPECT_TRUE(field("EditReferenceZ0").isEmpty());
    EXPECT_TRUE(field("EditDispersiveZ0").isEmpty());
    // The width synthesis then has no impedance of the failed run to start from.
    click("BitBtn3");
    EXPECT_EQ(prompter.messages, QStringList{"特征阻抗输入错误！"});

    type(5, "10");
    type(7, "50");
    type(8, "0");
    EXPECT_THROW(window.BitBtn1Click(), FloatingPointError);
    EXPECT_EQ(prompter.messages.back(), "参数输入错误！！！");
    EXPECT_TRUE(text(10).isEmpty());
}

TEST_F(MicrostripWindow, EachSynthesisedWidthShowsTheOtherModelsImpedance) {
    type(9, "50");
    click("BitBtn3");
    // The program's 0.930878 mm is about 54.2 ohm by Hammerstad-Jensen; the reference width of
    // 1.072824 mm is below 50 ohm in the program's own closed forms.
    EXPECT_NEAR(field("EditProgramWidthZ0").toDouble(), 54.2, 0.1);
    const double back = field("EditReferenceWidthZ0").toDouble();
    EXPECT_GT(back, 40);
    EXPECT_LT(back, 50);
}

TEST_F(MicrostripWindow, ASubstrateBeyondTheDispersionFormulasIsFlagged) {
    const QString note = child<QLabel>("LabelReference")->text();
    type(6, "60G"); // 0.6 mm is 0.12 wavelengths
    click("BitBtn2");
    EXPECT_EQ(child<QLabel>("LabelReference")->text(), note);
    type(6, "70G"); // 0.14 wavelengths
    click("BitBtn2");
    EXPECT_EQ(child<QLabel>("LabelReference")->text(),
              QStringLiteral("注意：基板厚度超过0.13波长，色散公式不再适用"));
}

TEST_F(MicrostripWindow, InductorEstimates) {
    type(23, "0.5");
    type(25, "0.035");
    type(26, "0.6");
    click("BitBtn4");
    EXPECT_TRUE(text(24).isEmpty()) << "no shape ticked";

    click("RadioButton3");
    type(21, "4");
    type(22, "2");
    type(18, "3");
    click("BitBtn4");
    EXPECT_EQ(text(24), "20.67 nH");
    EXPECT_EQ(status(1), QStringLiteral("Kg:0.60 (应>0.05)"));
    type(21, "2"); // equal sizes: c = 0, L = 0.03937 r N^2 / 8 Kg
    click("BitBtn4");
    EXPECT_EQ(text(24), "26.42 nH");

    click("RadioButton1");
    for (int box : {6, 7, 8, 12})
        mil(box);
    type(23, "20");
    type(25, "1.4");
    type(26, "24");
    type(17, "200");
    click("BitBtn4");
    EXPECT_EQ(text(24), "2.09 nH");

    click("RadioButton2");
    type(20, "");
    click("BitBtn4");
    EXPECT_EQ(prompter.messages, QStringList{"环型电感尺寸 a输入错误！"});
    click("RadioButton3");
    type(18, "2.5");
    click("BitBtn4");
    type(18, "3");
    type(22, "5");
    click("BitBtn4");
    EXPECT_EQ(prompter.messages.mid(1), (QStringList{"圈数输入错误！", "螺旋电感的外径不能小于内径！"}));
    EXPECT_EQ(text(24), "2.09 nH");
}

TEST_F(MicrostripWindow, CentresItselfAtEachShowing) {
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    for (int showing = 0; showing < 2; ++showing) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_LE((window.frameGeometry().center() - centre).manhattanLength(), 2);
        window.move(5, 5);
        window.hide();
    }
}

TEST_F(MicrostripWindow, RandomTextsNeverCrashAndOnlyArithmeticErrorsEscape) {
    std::mt19937 random(13);
    const std::string alphabet = "0123456789.-mM e,";
    for (int round = 0; round < 300; ++round) {
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 18, 20, 21, 22, 23, 25, 26}) {
            std::string s;
            for (std::size_t k = random() % 6; k > 0; --k)
                s += alphabet[random() % alphabet.size()];
            type(n, s.c_str());
        }
        child<QRadioButton>(QStringLiteral("RadioButton%1").arg(random() % 3 + 1))->setChecked(true);
        for (auto handler : {&TcalcMirc::BitBtn1Click, &TcalcMirc::BitBtn2Click, &TcalcMirc::BitBtn3Click,
                             &TcalcMirc::BitBtn4Click}) {
            try {
                (window.*handler)();
            } catch (const FloatingPointError&) {
            }
        }
    }
}

} // namespace
} // namespace qv
