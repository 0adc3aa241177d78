#include "calculators/windows/general_calculator_window.h"
#include "calculators/windows/microstrip_window.h"
#include "support/scripted_prompter.h"
#include "ui/text_fit.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace qv {
namespace {

// The calculators' English catalogue, installed for one test.
class English {
public:
    English() {
        EXPECT_TRUE(translator_.load(QStringLiteral(":/i18n/calculators_en.qm")));
        QCoreApplication::installTranslator(&translator_);
    }
    ~English() { QCoreApplication::removeTranslator(&translator_); }

private:
    QTranslator translator_;
};

struct MicrostripRun {
    QString title;
    QStringList figures; // Zo, phase velocity, εeff, effective wavelength, phase shift, maximum frequency
    QString statusWidth;
    QStringList refusals;
};

MicrostripRun RunMicrostrip() {
    int effflag = 0;
    test::ScriptedPrompter prompter;
    TcalcMirc window{effflag, prompter};
    MicrostripRun run{window.windowTitle(), {}, {}, {}};
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    for (int field : {9, 12, 13, 14, 15, 16})
        run.figures << window.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(field))->text();
    run.statusWidth = window.findChild<QLabel*>(QStringLiteral("StatusBar1Panel2"))->text();
    window.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("x"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    run.refusals = prompter.messages;
    return run;
}

TEST(CalculatorsInEnglish, SameNumbersInEnglishWording) {
    const MicrostripRun chinese = RunMicrostrip();
    MicrostripRun english;
    QString generalTitle;
    {
        const English language;
        english = RunMicrostrip();
        test::ScriptedPrompter prompter;
        generalTitle = TForm1(QDir::tempPath().toStdString(), prompter).windowTitle();
    }
    EXPECT_EQ(chinese.title, QStringLiteral("微带线计算"));
    EXPECT_EQ(english.title, QStringLiteral("Microstrip calculator"));
    EXPECT_EQ(generalTitle, QStringLiteral("General calculator"));
    EXPECT_EQ(english.figures, chinese.figures);
    EXPECT_TRUE(chinese.statusWidth.startsWith(QStringLiteral("线宽:"))) << chinese.statusWidth.toStdString();
    EXPECT_EQ(english.statusWidth.mid(11), chinese.statusWidth.mid(3)); // "Line width:" and "线宽:"
    ASSERT_EQ(english.refusals.size(), 1);
    EXPECT_EQ(chinese.refusals.value(0), QStringLiteral("基板厚度输入错误！"));
    EXPECT_EQ(english.refusals.value(0), QStringLiteral("Input error: Substrate height"));
}

// Two rows of caption and field; the window grows only when a caption outgrows its column.
TEST(FitControlsToTexts, AWideCaptionWidensItsColumnAndMovesWhatIsRightOfIt) {
    QWidget window;
    window.setFixedSize(200, 60);
    auto* first = new QLabel(QStringLiteral("ab"), &window);
    auto* second = new QLabel(QStringLiteral("cd"), &window);
    auto* firstField = new QLineEdit(&window);
    auto* secondField = new QLineEdit(&window);
    first->setGeometry(0, 0, 40, 22);
    second->setGeometry(0, 30, 40, 22);
    firstField->setGeometry(50, 0, 100, 22);
    secondField->setGeometry(50, 30, 100, 22);
    FitControlsToTexts(window);
    EXPECT_EQ(firstField->x(), 50); // every text fits: nothing moves
    EXPECT_EQ(window.width(), 200);

    second->setText(QStringLiteral("a caption much wider than forty pixels"));
    FitControlsToTexts(window);
    const int grown = second->width() - 40;
    EXPECT_GE(second->width(), second->sizeHint().width());
    EXPECT_EQ(first->width(), second->width()); // the column stays one column
    EXPECT_EQ(firstField->x(), 50 + grown);
    EXPECT_EQ(secondField->x(), 50 + grown);
    EXPECT_EQ(window.width(), 200 + grown);
}

} // namespace
} // namespace qv
