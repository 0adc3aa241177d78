#include "app/batch_run.h"
#include "app/started_application.h"
#include "app/startup.h"
#include "core/settings/program_state.h"
#include "support/scripted_prompter.h"
#include "support/test_paths.h"
#include "ui/language.h"
#include "ui/message_hub.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace qv {
namespace {

// True when the text holds a Chinese character or full-width punctuation.
bool HasChineseText(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) ||
               (u >= 0xFF00 && u <= 0xFFEF);
    });
}

TEST(InterfaceText, LanguageComesFromTheOptionThenTheEnvironmentElseChinese) {
    EXPECT_EQ(LanguageOption("en"), Language::English);
    EXPECT_EQ(LanguageOption("zh"), Language::Chinese);
    EXPECT_EQ(LanguageOption("english"), std::nullopt);
    EXPECT_EQ(ChooseLanguage(std::nullopt, nullptr), Language::Chinese);
    EXPECT_EQ(ChooseLanguage(std::nullopt, "en_GB.UTF-8"), Language::English);
    EXPECT_EQ(ChooseLanguage(std::nullopt, "de_DE.UTF-8"), Language::Chinese);
    EXPECT_EQ(ChooseLanguage(Language::Chinese, "en"), Language::Chinese);
    EXPECT_EQ(ChooseLanguage(std::nullopt, nullptr, "en"), Language::English); // the stored setting
    EXPECT_EQ(ChooseLanguage(std::nullopt, "zh_CN.UTF-8", "en"), Language::Chinese);
}

// What a user sees of a window, control by control, in a fixed order: captions, hints, buttons,
// tabs, list entries and headers; and apart from them, what the fields hold, which the user
// types and which are never translated.
struct WindowTexts {
    QStringList captions;
    QStringList fields;
    bool operator==(const WindowTexts&) const = default;
};

WindowTexts VisibleTexts(QWidget& window) {
    WindowTexts texts{{window.windowTitle()}, {}};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // A tab bar scrolls its longer English tabs with buttons of its own.
        if (!w->isVisibleTo(&window) || qobject_cast<QTabBar*>(w->parentWidget()))
            continue;
        QString text = w->toolTip() + u'|' + w->statusTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            text += u'|' + label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text += u'|' + button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w))
            text += u'|' + group->title();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            (edit->isReadOnly() ? text : texts.fields.emplace_back()) += u'|' + edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                text += u'|' + combo->itemText(i);
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                text += u'|' + tabs->tabText(i);
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                text += u'|' + view->model()->headerData(c, Qt::Horizontal).toString();
        texts.captions << text;
    }
    return texts;
}

QStringList Numbers(const QStringList& texts) {
    static const QRegularExpression number(QStringLiteral("[0-9]+(\\.[0-9]+)?"));
    QStringList found;
    for (const QString& text : texts)
        for (const QRegularExpressionMatch& m : number.globalMatch(text))
            found << m.captured();
    return found;
}

// Every window of the program, shown and painted the way the user meets it, after the cursor
// has crossed the chart so that the readouts hold numbers. Windows are taken in the order of
// their names, so that the same window is compared in both languages.
// The docked windows are part of the main window once they are shown, which opens their docks.
void OpenEveryDock(QWidget& main) {
    for (QDockWidget* dock : main.findChildren<QDockWidget*>())
        if (dock->widget())
            dock->widget()->show();
}

std::vector<WindowTexts> ShowEveryWindow(ApplicationWindows& windows) {
    windows.main.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&windows.main));
    windows.main.PaintBox1MouseMove(Qt::NoButton, Qt::NoModifier, 250, 200);
    OpenEveryDock(windows.main);
    QList<QWidget*> all;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog || w->windowType() == Qt::Tool)
            all << w;
    std::sort(all.begin(), all.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(QString::fromUtf8(a->metaObject()->className()), a->objectName()) <
               std::pair(QString::fromUtf8(b->metaObject()->className()), b->objectName());
    });
    std::vector<WindowTexts> seen;
    for (QWidget* window : all) {
        window->show();
        window->grab(); // paints every control, as the screen would
        seen.push_back(VisibleTexts(*window));
        if (window != &windows.main)
            window->hide();
    }
    windows.main.hide();
    return seen;
}

std::vector<WindowTexts> EveryWindowsTexts() {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    return ShowEveryWindow(windows);
}

TEST(EnglishInterface, EveryWindowIsEnglishWithTheNumbersOfTheChineseOne) {
    const std::vector<WindowTexts> chinese = EveryWindowsTexts();
    ASSERT_TRUE(InstallLanguage(Language::English));
    const std::vector<WindowTexts> english = EveryWindowsTexts();
    ASSERT_GE(chinese.size(), 16u); // the main window and every window it opens
    ASSERT_EQ(english.size(), chinese.size());
    for (std::size_t w = 0; w < english.size(); ++w) {
        const QStringList& en = english[w].captions;
        const QStringList& zh = chinese[w].captions;
        ASSERT_EQ(en.size(), zh.size()) << zh.front().toStdString();
        for (qsizetype i = 0; i < en.size(); ++i) {
            EXPECT_FALSE(HasChineseText(en[i])) << en[i].toStdString();
            EXPECT_EQ(Numbers({en[i]}), Numbers({zh[i]})) << en[i].toStdString();
        }
        // What a field holds is the user's and stays as it is; only a field that starts out
        // holding a hint ("输入阻抗求微带线宽") speaks the interface's language.
        ASSERT_EQ(english[w].fields.size(), chinese[w].fields.size()) << zh.front().toStdString();
        for (qsizetype i = 0; i < english[w].fields.size(); ++i)
            if (HasChineseText(chinese[w].fields[i]))
                EXPECT_FALSE(HasChineseText(english[w].fields[i])) << english[w].fields[i].toStdString();
            else
                EXPECT_EQ(english[w].fields[i], chinese[w].fields[i]);
    }
}

// The width a control needs to show its text whole, without mnemonics; 0 when the control has
// no text of its own or lets its text wrap.
int NeededTextWidth(const QWidget& w) {
    const QFontMetrics metrics = w.fontMetrics();
    const auto widest = [&](QString text) {
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        int width = 0;
        for (const QString& line : text.split(u'\n'))
            width = std::max(width, metrics.horizontalAdvance(line));
        return width;
    };
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->wordWrap() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())
                   ? 0
                   : widest(label->text()) + label->margin() * 2 + label->indent();
    if (qobject_cast<const QCheckBox*>(&w) || qobject_cast<const QRadioButton*>(&w))
        return w.sizeHint().width();
    if (const auto* button = qobject_cast<const QPushButton*>(&w))
        return button->text().isEmpty() ? 0 : widest(button->text()) + 4;
    if (const auto* group = qobject_cast<const QGroupBox*>(&w))
        return group->title().isEmpty() ? 0 : widest(group->title()) + 8;
    return 0;
}

// Every control of every window whose text is cut, elided or spills out in English: labels,
// buttons, boxes, group titles, tabs and table headers.
QStringList TextsThatDoNotFit() {
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    windows.main.show();
    windows.main.PaintBox1MouseMove(Qt::NoButton, Qt::NoModifier, 250, 200);
    OpenEveryDock(windows.main);
    QStringList cut;
    const auto report = [&](const QWidget& w, const QString& text, int need, int have) {
        cut << QStringLiteral("%1/%2: \"%3\" needs %4 px, has %5")
                   .arg(w.window()->objectName(), w.objectName(), text)
                   .arg(need)
                   .arg(have);
    };
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QMenu") || window->windowType() == Qt::ToolTip)
            continue;
        window->show();
        window->grab();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window) || w->width() <= 0)
                continue;
            if (const int need = NeededTextWidth(*w); need > w->width())
                report(*w, w->property("text").toString() + w->property("title").toString(), need,
                       w->width());
            if (const auto* tabs = qobject_cast<QTabBar*>(w))
                for (int i = 0; i < tabs->count(); ++i) {
                    const int need = tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) +
                                     tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
                    if (tabs->tabRect(i).width() < need)
                        report(*w, tabs->tabText(i), need, tabs->tabRect(i).width());
                }
            if (const auto* header = qobject_cast<QHeaderView*>(w);
                header && header->orientation() == Qt::Horizontal)
                for (int c = 0; c < header->count(); ++c) {
                    const QString text = header->model()->headerData(c, Qt::Horizontal).toString();
                    const int need = header->fontMetrics().horizontalAdvance(text) + 8;
                    if (!header->isSectionHidden(c) && header->sectionSize(c) < need)
                        report(*w, text, need, header->sectionSize(c));
                }
        }
        if (window != &windows.main)
            window->hide();
    }
    return cut;
}

TEST(EnglishInterface, EveryTextFitsItsControl) {
    ASSERT_TRUE(InstallLanguage(Language::English));
    const QStringList cut = TextsThatDoNotFit();
    EXPECT_TRUE(cut.isEmpty()) << cut.join(u'\n').toStdString();
}

// A file the user names is shown as named, in a folder called 计算 too; only the words around
// it are English.
TEST(EnglishInterface, UsersPathsAreShownAsTheyAre) {
    ASSERT_TRUE(InstallLanguage(Language::English));
    test::StartedApplication app;
    auto& [dir, state, hub, prompter, windows] = app;
    windows.main.show();
    const QString path = QString::fromStdString(dir.file("计算")) + QStringLiteral("/匹配 1.smh");
    prompter.fileNames = {path};
    for (QPushButton* button : windows.main.findChildren<QPushButton*>(QStringLiteral("ButtonOpen")))
        if (!button->parentWidget()->inherits("QDockWidget"))
            QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(prompter.messages.size(), 1);
    const QString message = prompter.messages.front();
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_FALSE(HasChineseText(QString(message).remove(path))) << message.toStdString();
    EXPECT_EQ(prompter.dialogs, QStringList{QStringLiteral("Open matching network")})
        << prompter.dialogs.join(u'|').toStdString();
}

// The console's answers to a script of every kind of command: the Chinese run is the program's
// own output, kept byte for byte; the English one has no Chinese and exactly its numbers.
TEST(EnglishConsole, BatchAnswersInEnglishWithTheNumbersOfTheChineseRun) {
    const auto run = [] {
        test::TempDir dir;
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream noInput;
        RunBatch({dir.path(), std::string(QV_BATCH_TEST_DATA) + "/language_batch.txt", ""}, noInput, out,
                 err);
        return QString::fromStdString(out.str());
    };
    std::ifstream golden(std::string(QV_BATCH_TEST_DATA) + "/language_batch.zh.out", std::ios::binary);
    const QString chinese = QString::fromStdString(std::string(std::istreambuf_iterator<char>(golden), {}));
    ASSERT_TRUE(HasChineseText(chinese));
    if (!HasChineseText(QCoreApplication::translate("ConsoleText", "--------帮助--------")))
        GTEST_SKIP() << "the English catalogues are already installed in this process";
    EXPECT_EQ(run(), chinese);
    ASSERT_TRUE(InstallLanguage(Language::English));
    const QString english = run();
    const QStringList lines = english.split(u'\n');
    for (const QString& line : lines)
        EXPECT_FALSE(HasChineseText(line)) << line.toStdString();
    EXPECT_EQ(lines.size(), chinese.split(u'\n').size());
    EXPECT_EQ(Numbers({english}), Numbers({chinese}));
}

TEST(EnglishInterface, FileDialogsKeepTheUsersFolderNames) {
    ASSERT_TRUE(InstallLanguage(Language::English));
    test::TempDir dir;
    const QString folder = QString::fromStdString(dir.file("圆图"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFileDialog dialog(nullptr, QStringLiteral("保存圆图"), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.show();
    dialog.grab();
    const auto* lookIn = dialog.findChild<QComboBox*>(QStringLiteral("lookInCombo"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_EQ(lookIn->currentText(), folder);
}

TEST(ChineseInterface, WindowsKeepTheirTextsAndStandardDialogsUseQtsChinese) {
    const std::vector<WindowTexts> before = EveryWindowsTexts();
    ASSERT_TRUE(InstallLanguage(Language::Chinese)); // Debian: qt6-translations-l10n
    EXPECT_EQ(EveryWindowsTexts(), before);
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    EXPECT_TRUE(HasChineseText(yes)) << yes.toStdString();
}

} // namespace
} // namespace qv
