#include "ui/language.h"

#include <QApplication>
#include <QDirIterator>
#include <QLibraryInfo>
#include <QTranslator>

namespace qv {

namespace {

bool LoadQtChinese() {
    auto* translator = new QTranslator(qApp);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

// Every catalogue built into the program, one per subsystem.
bool LoadEnglish() {
    bool loaded = false;
    QDirIterator catalogues(QStringLiteral(":/i18n"), {QStringLiteral("*_en.qm")}, QDir::Files);
    while (catalogues.hasNext()) {
        const QString path = catalogues.next();
        auto* translator = new QTranslator(qApp);
        if (!translator->load(path)) {
            delete translator;
            return false;
        }
        QCoreApplication::installTranslator(translator);
        loaded = true;
    }
    return loaded;
}

} // namespace

std::optional<Language> LanguageOption(std::string_view value) {
    if (value == "zh")
        return Language::Chinese;
    if (value == "en")
        return Language::English;
    return std::nullopt;
}

Language ChooseLanguage(std::optional<Language> option, const char* environment, std::string_view stored) {
    if (option)
        return *option;
    const std::string_view chosen = environment && *environment ? environment : stored;
    return chosen.substr(0, 2) == "en" ? Language::English : Language::Chinese;
}

bool InstallLanguage(Language language) {
    return language == Language::English ? LoadEnglish() : LoadQtChinese();
}

} // namespace qv
