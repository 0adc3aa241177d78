#pragma once

#include "ui/interface_text.h"

#include <optional>
#include <string_view>

// The language of the interface. Chinese is the program's own; English is a translation of
// every text shown, keyed by the Chinese wording. Files, the console's output and numbers never
// change with the language.
namespace qv {

enum class Language { Chinese, English };

// The value of --lang: "zh" or "en"; nothing for any other text.
std::optional<Language> LanguageOption(std::string_view value);

// --lang when given (a valid value), else QUORVANE_LANG ("en", "en_GB.UTF-8"... mean English),
// else Chinese whatever the system locale is.
Language ChooseLanguage(std::optional<Language> option, const char* environment);

// Call once the application object exists and before any window is made. Chinese: Qt's own
// Chinese texts for the standard dialogs and message-box buttons. English: the compiled English
// translation and a filter that translates every window as it is shown and every label, button
// or caption as its text changes. Returns false when a translation file could not be loaded
// (the interface then stays as it was).
bool InstallLanguage(Language language);

// The lookup into the installed English translation; empty when none is installed.
const TextLookup& InstalledTextLookup();

} // namespace qv
