#include "chart_window_fixture.h"

#include "chart/settings_window.h"
#include "core/atomic_file.h"

#include <QLineEdit>
#include <QPushButton>

namespace qv::test {
namespace {

class SettingsWindowTest : public ChartWindowTest {
protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        settings = std::make_unique<TForm4>(state, hub, prompter);
        QObject::connect(&hub, &MessageHub::send2, [this](int wParam) { requests << wParam; });
        settings->show();
        edit1 = settings->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        edit2 = settings->findChild<QLineEdit*>(QStringLiteral("Edit2"));
        confirm = settings->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        ASSERT_TRUE(edit1 && edit2 && confirm);
    }

    void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    std::unique_ptr<TForm4> settings;
    QLineEdit* edit1 = nullptr;
    QLineEdit* edit2 = nullptr;
    QPushButton* confirm = nullptr;
    QList<int> requests;
};

TEST_F(SettingsWindowTest, ShowsTheCurrentValues) {
    EXPECT_EQ(settings->windowTitle(), QStringLiteral("参数设置"));
    EXPECT_EQ(edit1->text(), QStringLiteral("554.00M"));
    EXPECT_EQ(edit2->text(), QStringLiteral("50.00"));
}

TEST_F(SettingsWindowTest, StoresZoAsTypedWhileTheChangeMessageStoresItFormatted) {
    type(edit1, QStringLiteral(" 900M "));
    type(edit2, QStringLiteral("75"));
    QTest::mouseClick(confirm, Qt::LeftButton);
    EXPECT_EQ(state.Fo, 900e6L);
    EXPECT_EQ(state.Zo, 75);
    EXPECT_EQ(requests, QList<int>{MessageHub::RecalculateNetwork});
    EXPECT_FALSE(settings->isVisible());
    std::optional<std::string> ini = ReadWholeFile(state.para.path());
    ASSERT_TRUE(ini);
    EXPECT_NE(ini->find("Zo=75\r\n"), std::string::npos);
    EXPECT_NE(ini->find("Fo=900M\r\n"), std::string::npos); // trimmed

    emit hub.send2(MessageHub::ImpedanceChanged);
    ini = ReadWholeFile(state.para.path());
    ASSERT_TRUE(ini);
    EXPECT_NE(ini->find("Zo=75.00\r\n"), std::string::npos); // "%f" prints two decimals
}

TEST_F(SettingsWindowTest, RejectedOrNonPositiveEntriesChangeNothing) {
    const std::optional<std::string> iniBefore = ReadWholeFile(state.para.path());
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("abc"), QStringLiteral("50")},     {QStringLiteral("554M"), QStringLiteral("")},
        {QStringLiteral("554M"), QStringLiteral("-5")},    {QStringLiteral("0"), QStringLiteral("50")},
        {QStringLiteral("554M"), QStringLiteral("1.2.3")}, {QStringLiteral("1e9"), QStringLiteral("50")},
        {QStringLiteral("1.5GHz"), QStringLiteral("50")}};
    for (const auto& [frequency, impedance] : cases) {
        prompter.messages.clear();
        type(edit1, frequency);
        type(edit2, impedance);
        QTest::mouseClick(confirm, Qt::LeftButton);
        EXPECT_EQ(prompter.messages, QStringList{QStringLiteral("输入错误！")}) << frequency.toStdString();
        EXPECT_EQ(state.Fo, 554e6L);
        EXPECT_EQ(state.Zo, 50);
        EXPECT_EQ(ReadWholeFile(state.para.path()), iniBefore);
        EXPECT_TRUE(requests.isEmpty());
        EXPECT_TRUE(settings->isVisible());
    }
}

} // namespace
} // namespace qv::test
