#include "chart_window_fixture.h"

#include "chart/drawing/network_port.h"
#include "chart/windows/settings_window.h"
#include "core/settings/atomic_file.h"
#include "core/settings/settings_store.h"
#include "ui/language.h"

#include <filesystem>
#include <tuple>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace qv::test {
namespace {

// Fo and Zo as the network takes them: stored in the state, each call counted.
class RecordingNetwork final : public NetworkPort {
public:
    explicit RecordingNetwork(ProgramState& state) : state_(state) {}
    int nodeCount() const override { return 0; }
    void drawNetwork(Surface&) const override {}
    void drawLastElement(Surface&) const override {}
    std::optional<MatchFigureLines> matchFigures(std::string_view) const override { return std::nullopt; }
    void recalculate() override {}
    void deleteLastElement() override {}
    bool setFrequency(Real hertz) override {
        ++changes;
        WritableNetwork(state_).Fo = hertz;
        return true;
    }
    bool setReferenceImpedance(Real ohms) override {
        ++changes;
        WritableNetwork(state_).Zo = ohms;
        return true;
    }
    bool unsavedChanges() const override { return false; }
    std::string saveTo(const std::string&) override { return {}; }
    int changes = 0;

private:
    ProgramState& state_;
};

class SettingsWindowTest : public ChartWindowTest {
protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        settings = std::make_unique<TForm4>(state, prompter);
        settings->setNetwork(&network);
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
    RecordingNetwork network{state};
};

TEST_F(SettingsWindowTest, ShowsTheCurrentValues) {
    EXPECT_EQ(settings->windowTitle(), QStringLiteral("参数设置"));
    EXPECT_EQ(edit1->text(), QStringLiteral("554.00M"));
    EXPECT_EQ(edit2->text(), QStringLiteral("50.00"));
}

TEST_F(SettingsWindowTest, SetsFoAndZoThroughTheNetworkAndStoresThemAsTyped) {
    type(edit1, QStringLiteral(" 900M "));
    type(edit2, QStringLiteral("75"));
    QTest::mouseClick(confirm, Qt::LeftButton);
    EXPECT_EQ(state.Fo, 900e6L);
    EXPECT_EQ(state.Zo, 75);
    EXPECT_EQ(network.changes, 2);
    EXPECT_FALSE(settings->isVisible());
    std::optional<std::string> ini = ReadWholeFile(state.para.path());
    ASSERT_TRUE(ini);
    EXPECT_NE(ini->find("Zo=75\r\n"), std::string::npos);
    EXPECT_NE(ini->find("Fo=900M\r\n"), std::string::npos); // trimmed
}

TEST_F(SettingsWindowTest, RejectedOrNonPositiveEntriesChangeNothing) {
    const std::optional<std::string> iniBefore = ReadWholeFile(state.para.path());
    // The message names the field that was refused.
    const QString badFrequency = QStringLiteral("输入错误：操作频率");
    const QString badImpedance = QStringLiteral("输入错误：特正阻抗");
    const std::vector<std::tuple<QString, QString, QString>> cases = {
        {QStringLiteral("abc"), QStringLiteral("50"), badFrequency},
        {QStringLiteral("554M"), QStringLiteral(""), badImpedance},
        {QStringLiteral("554M"), QStringLiteral("-5"), badImpedance},
        {QStringLiteral("0"), QStringLiteral("50"), badFrequency},
        {QStringLiteral("554M"), QStringLiteral("1.2.3"), badImpedance},
        {QStringLiteral("1e9"), QStringLiteral("50"), badFrequency},
        {QStringLiteral("1.5GHz"), QStringLiteral("50"), badFrequency},
        {QStringLiteral("554M"), QStringLiteral("0.") + QString(4940, QLatin1Char('0')) + QStringLiteral("1"),
         badImpedance}}; // a subnormal Zo, which para.ini could not store
    for (const auto& [frequency, impedance, message] : cases) {
        prompter.messages.clear();
        type(edit1, frequency);
        type(edit2, impedance);
        QTest::mouseClick(confirm, Qt::LeftButton);
        EXPECT_EQ(prompter.messages, QStringList{message}) << frequency.toStdString();
        EXPECT_EQ(state.Fo, 554e6L);
        EXPECT_EQ(state.Zo, 50);
        EXPECT_EQ(ReadWholeFile(state.para.path()), iniBefore);
        EXPECT_EQ(network.changes, 0);
        EXPECT_TRUE(settings->isVisible());
    }
}

// The language is stored with Fo and Zo and chosen at the next start; the window shows it again.
TEST_F(SettingsWindowTest, StoresTheChosenLanguageForTheNextStart) {
    auto* language = settings->findChild<QComboBox*>(QStringLiteral("ComboLanguage"));
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->currentText(), QStringLiteral("中文"));
    QTest::keyClick(language, Qt::Key_Down);
    EXPECT_EQ(language->currentText(), QStringLiteral("English"));
    QTest::mouseClick(confirm, Qt::LeftButton);
    const std::string stored = state.para.ReadParaString(LanguageSettingKey, "");
    EXPECT_EQ(stored, "en");
    EXPECT_EQ(ChooseLanguage(std::nullopt, nullptr, stored), Language::English);
    EXPECT_EQ(ChooseLanguage(Language::Chinese, nullptr, stored), Language::Chinese);
    TForm4 again(state, prompter);
    again.show();
    EXPECT_EQ(again.findChild<QComboBox*>(QStringLiteral("ComboLanguage"))->currentText(),
              QStringLiteral("English"));
}

// A para.ini that cannot be written is said once; the values still hold for this session.
TEST_F(SettingsWindowTest, AFailedWriteIsReportedOnce) {
    ASSERT_TRUE(std::filesystem::exists(state.para.path()));
    std::filesystem::permissions(state.para.path(), std::filesystem::perms::owner_read);
    type(edit1, QStringLiteral("900M"));
    type(edit2, QStringLiteral("75"));
    QTest::mouseClick(confirm, Qt::LeftButton);
    EXPECT_EQ(prompter.messages,
              QStringList{"设置没有保存：不能写入 " + QString::fromStdString(state.para.path())});
    EXPECT_EQ(state.Fo, 900e6L);
    EXPECT_NE(ReadIniString(state.para.path(), "PARA", "Fo"), "900M");
}

} // namespace
} // namespace qv::test
