#pragma once

#include <array>
#include <string>
#include <string_view>

// Splitting a typed line into words, and reading a slot index from a word.
namespace qv {

inline constexpr int MaxTokens = 20;

struct Tokens {
    std::array<std::string, MaxTokens> words{}; // unused slots are empty
    int count = 0;

    // The k-th word, empty when the line had fewer.
    const std::string& operator[](int k) const { return words[static_cast<std::size_t>(k)]; }
};

// Splits the text at the separator character into at most 20 words; runs of separators and
// leading separators make no empty words, and words after the twentieth are dropped. With the
// separator 0 the words are runs of number characters ("-", ".", "0".."9") and every other
// character separates.
Tokens SplitTokens(std::string_view text, char separator);

// The text with A..Z made lower case (other bytes, GBK and UTF-8 included, kept as they are).
std::string LowerAscii(std::string_view text);

// A non-negative decimal integer made of digits only; -1 for any other character (blanks and
// signs included) and for a value beyond the 32-bit range.
int ParseIndex(std::string_view text);

} // namespace qv
