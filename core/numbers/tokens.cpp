#include "core/numbers/tokens.h"

#include <limits>

namespace qv {

namespace {
bool IsNumberCharacter(char c) {
    return c == '-' || c == '.' || (c >= '0' && c <= '9');
}
} // namespace

Tokens SplitTokens(std::string_view text, char separator) {
    Tokens tokens;
    int index = 0;
    bool insideToken = false;
    for (char c : text) {
        const bool tokenCharacter = separator != 0 ? c != separator : IsNumberCharacter(c);
        if (tokenCharacter) {
            tokens.words[static_cast<std::size_t>(index)] += c;
            insideToken = true;
            continue;
        }
        if (insideToken) {
            ++index;
            insideToken = false;
        }
        if (index == MaxTokens)
            break;
    }
    tokens.count = index + (insideToken ? 1 : 0);
    return tokens;
}

int ParseIndex(std::string_view text) {
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max())
            return -1;
    }
    return static_cast<int>(value);
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

} // namespace qv
