#include "calculators/windows/microwave_formula_window.h"
#include "core/numbers/errors.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace qv {
namespace {

class FormulaWindow : public ::testing::Test {
protected:
    TfrmMirco1 window;

    QLineEdit* edit(const char* name) { return window.findChild<QLineEdit*>(QString::fromUtf8(name)); }
    void click(const char* name) {
        QTest::mouseClick(window.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }
};

TEST_F(FormulaWindow, InitialRowsGiveLossAndRange) {
    EXPECT_EQ(window.windowTitle(), "微波公式");
    EXPECT_EQ(window.findChild<QLabel*>("Label1")->text(), "自由空间的损耗=32.45+20lgd(km)+20lgf(Mhz)-Gt-Gr");
    EXPECT_EQ(window.findChild<QLabel*>("Label1")->width(), 500);
    click("BitBtn1");
    EXPECT_EQ(edit("Edit3")->text(), "90.27dB");
    click("Button1");
    EXPECT_EQ(edit("Edit8")->text(), "26.06Km");
    edit("Edit5")->setText("-10.2"); // a negative gain adds loss
    click("BitBtn1");
    EXPECT_EQ(edit("Edit3")->text(), "110.67dB");
}

TEST_F(FormulaWindow, BadFieldsLeaveTheResults) {
    click("BitBtn1");
    click("Button1");
    edit("Edit2")->setText("0");
    EXPECT_THROW(window.BitBtn1Click(), FloatingPointError);
    edit("Edit2")->setText("ten");
    EXPECT_THROW(window.BitBtn1Click(), ConversionError);
    edit("Edit7")->setText("-4");
    EXPECT_THROW(window.Button1Click(), FloatingPointError);
    EXPECT_EQ(edit("Edit3")->text(), "90.27dB");
    EXPECT_EQ(edit("Edit8")->text(), "26.06Km");
}

} // namespace
} // namespace qv
