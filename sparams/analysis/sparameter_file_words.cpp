#include "sparams/analysis/sparameter_file_words.h"

#include "core/numbers/decimal.h"

namespace qv {

WordViews SplitPrintableWords(std::string_view text) {
    auto printable = [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code >= 33 && code <= 126;
    };
    WordViews views;
    std::size_t i = 0;
    while (i < text.size() && views.count < MaxTokens) {
        while (i < text.size() && !printable(text[i]))
            ++i;
        const std::size_t begin = i;
        while (i < text.size() && printable(text[i]))
            ++i;
        if (i > begin)
            views.words[static_cast<std::size_t>(views.count++)] = text.substr(begin, i - begin);
    }
    return views;
}

Tokens SplitWords(std::string_view text, int mode) {
    if (mode == 0)
        return SplitTokens(text, 0);
    const WordViews views = SplitPrintableWords(text);
    Tokens tokens;
    for (int k = 0; k < views.count; ++k)
        tokens.words[static_cast<std::size_t>(k)] = views[k];
    tokens.count = views.count;
    return tokens;
}

std::string DirectoryOfPath(std::string_view path) {
    const std::string_view trimmed = Trim(path);
    const std::size_t last = trimmed.find_last_of("/\\");
    if (last == std::string_view::npos)
        return {};
    if (last == 0)
        return std::string(trimmed.substr(0, 1));
    return std::string(trimmed.substr(0, last));
}

} // namespace qv
