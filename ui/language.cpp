#include "ui/language.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

namespace qv {

namespace {

// The one context of the English translation: texts are keyed by their Chinese wording alone.
constexpr const char* TranslationContext = "Quorvane";

TextLookup& Lookup() {
    static TextLookup lookup;
    return lookup;
}

// Qt's own dialogs speak the interface's language already, and what they list (folders, files)
// is the user's, never to be translated.
bool IsQtDialog(const QWidget& window) {
    for (const char* dialog :
         {"QFileDialog", "QColorDialog", "QMessageBox", "QInputDialog", "QFontDialog", "QProgressDialog"})
        if (window.inherits(dialog))
            return true;
    return false;
}

// Keeps the English interface English: windows are translated when shown, and texts that
// windows set later just before they are painted. Tool tips are translated when they open.
class InterfaceTextFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Paint && type != QEvent::WindowTitleChange &&
            type != QEvent::ToolTip)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || IsQtDialog(*widget->window()))
            return false;
        if (type == QEvent::Show && widget->isWindow())
            TranslateWindowTexts(*widget);
        else if (type == QEvent::Paint)
            TranslateShownText(*widget);
        else if (type == QEvent::WindowTitleChange && widget->isWindow() &&
                 HasChineseText(widget->windowTitle()))
            widget->setWindowTitle(Translated(widget->windowTitle()));
        else if (type == QEvent::ToolTip && HasChineseText(widget->toolTip()))
            widget->setToolTip(Translated(widget->toolTip()));
        return false;
    }
};

bool LoadQtChinese() {
    auto* translator = new QTranslator(qApp);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool LoadEnglish() {
    auto* translator = new QTranslator(qApp);
    if (!translator->load(QStringLiteral(":/i18n/quorvane_en.qm"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    Lookup() = [translator](const QString& chinese) {
        const QString english = translator->translate(TranslationContext, chinese.toUtf8().constData());
        return english.isEmpty() ? QString() : english;
    };
    qApp->installEventFilter(new InterfaceTextFilter(qApp));
    return true;
}

} // namespace

std::optional<Language> LanguageOption(std::string_view value) {
    if (value == "zh")
        return Language::Chinese;
    if (value == "en")
        return Language::English;
    return std::nullopt;
}

Language ChooseLanguage(std::optional<Language> option, const char* environment) {
    if (option)
        return *option;
    const std::string_view chosen = environment ? environment : "";
    return chosen.substr(0, 2) == "en" ? Language::English : Language::Chinese;
}

bool InstallLanguage(Language language) {
    return language == Language::English ? LoadEnglish() : LoadQtChinese();
}

const TextLookup& InstalledTextLookup() {
    return Lookup();
}

} // namespace qv
