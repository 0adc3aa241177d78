#pragma once

#include <optional>
#include <string_view>

// The language of the interface. Chinese is the program's own: every text is written in Chinese
// where it is shown and marked for translation. English comes from the catalogues lupdate makes
// of those texts. Numbers and everything written to files never change with the language.
namespace qv {

enum class Language { Chinese, English };

// The value of --lang: "zh" or "en"; nothing for any other text.
std::optional<Language> LanguageOption(std::string_view value);

// The para.ini key of the language chosen in the settings window: "zh" or "en".
inline constexpr std::string_view LanguageSettingKey = "界面语言";

// --lang when given (a valid value), else QUORVANE_LANG ("en", "en_GB.UTF-8"... mean English),
// else the stored setting, else Chinese whatever the system locale is.
Language ChooseLanguage(std::optional<Language> option, const char* environment,
                        std::string_view stored = {});

// Call once the application object exists and before any window is made: texts are translated
// when a window is built. Chinese: Qt's own Chinese texts for the standard dialogs and
// message-box buttons. English: every catalogue built into the program. Returns false when a
// catalogue could not be loaded (the interface then stays as it was).
bool InstallLanguage(Language language);

} // namespace qv
