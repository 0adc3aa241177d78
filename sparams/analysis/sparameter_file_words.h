#pragma once

#include "core/numbers/tokens.h"

#include <array>
#include <string>
#include <string_view>

// Words of an S-parameter file line and the directory part of a file path.
namespace qv {

// With a non-zero mode a word is a run of printable ASCII characters (codes 33 to 126); every
// other byte separates. With mode 0 the words are runs of "-", "." and digits, as SplitTokens
// gives them. At most 20 words.
Tokens SplitWords(std::string_view text, int mode);

// The printable-ASCII words of SplitWords as views into the text.
struct WordViews {
    std::array<std::string_view, MaxTokens> words{};
    int count = 0;
    std::string_view operator[](int k) const { return words[static_cast<std::size_t>(k)]; }
};
WordViews SplitPrintableWords(std::string_view text);

// The trimmed path up to, not including, its last separator ("/" or "\"); "/" for a file in the
// root folder, empty for a bare file name.
std::string DirectoryOfPath(std::string_view path);

} // namespace qv
