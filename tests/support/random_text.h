#pragma once

#include <random>
#include <string>
#include <string_view>

namespace qv::test {

// Seeded random texts for the random-input tests of the parsers: one seed, one sequence.
class RandomText {
public:
    explicit RandomText(unsigned seed) : engine_(seed) {}

    // 0 .. n - 1.
    std::size_t below(std::size_t n) { return engine_() % n; }

    // A text of 0 .. maxLength - 1 characters drawn from the alphabet.
    std::string from(std::string_view alphabet, std::size_t maxLength) {
        std::string text(below(maxLength), ' ');
        for (char& c : text)
            c = alphabet[below(alphabet.size())];
        return text;
    }

    // A text of 0 .. maxLength - 1 bytes of any value.
    std::string bytes(std::size_t maxLength) {
        std::string text(below(maxLength), ' ');
        for (char& c : text)
            c = static_cast<char>(below(256));
        return text;
    }

    // The i-th text of a run that alternates between the alphabet and any bytes.
    std::string alternating(int i, std::string_view alphabet, std::size_t maxLength) {
        return i % 2 ? from(alphabet, maxLength) : bytes(maxLength);
    }

private:
    std::mt19937 engine_;
};

} // namespace qv::test
